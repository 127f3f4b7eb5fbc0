// The printing commands of the two result windows: the proposal and the tariff sheet on the
// printer chosen, or as a PDF file, through the page documents and their Qt painter.
#include "core/fechas.h"
#include "gui/vista_estudio.h"
#include "gui/vista_tarifa.h"
#include "render/render.h"

namespace cv::gui {

namespace {

render::DialogoImpresora Impresora(InteraccionQt& ui) {
    return [&ui](QPrinter& impresora, const std::string& titulo) { return ui.ElegirImpresora(impresora, titulo); };
}

render::DialogoArchivo Archivo(InteraccionQt& ui, std::string propuesto) {
    return [&ui, propuesto](const std::string&) { return ui.ElegirArchivoGuardar(propuesto, "Documento PDF (*.pdf)|*.pdf"); };
}

Fecha HoyDe(InteraccionQt& ui) { return ui.hoy ? ui.hoy() : Hoy(); }

}  // namespace

void VistaEstudio::Imprimir() {
    if (!agentes_) {
        ui_.MostrarMensaje(app::Simple("No hay sistema de agentes para anotar la propuesta: no se imprimió."));
        return;
    }
    render::Impresoras(ui_, Impresora(ui_), modelo, w_, motor_.Estado(), corrida_.montos, *agentes_, HoyDe(ui_));
}

void VistaEstudio::GuardarPdf() {
    render::GuardarPropuestaPdf(ui_, Archivo(ui_, "propuesta.pdf"), modelo, w_, motor_.Estado(), corrida_.montos, agentes_,
                                HoyDe(ui_));
}

void VistaTarifa::Imprimir() { render::ImprimirTarifas(ui_, Impresora(ui_), modelo, w_, motor_.Estado(), HoyDe(ui_)); }

void VistaTarifa::GuardarPdf() {
    render::GuardarTarifasPdf(ui_, Archivo(ui_, "tarifas.pdf"), modelo, w_, motor_.Estado(), HoyDe(ui_));
}

}  // namespace cv::gui
