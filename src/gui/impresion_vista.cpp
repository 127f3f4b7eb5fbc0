// The printing commands of the two result windows.
#include "gui/vista_estudio.h"
#include "gui/vista_tarifa.h"

namespace cv::gui {

namespace {

void NoDisponible(InteraccionQt& ui, const char* que) {
    ui.MostrarMensaje(app::Simple(std::string(que) + " todavía no está disponible en esta versión."));
}

}  // namespace

void VistaEstudio::Imprimir() { NoDisponible(ui_, "La impresión de la propuesta"); }
void VistaEstudio::GuardarPdf() { NoDisponible(ui_, "La propuesta en PDF"); }
void VistaTarifa::Imprimir() { NoDisponible(ui_, "La impresión de la hoja de tarifas"); }
void VistaTarifa::GuardarPdf() { NoDisponible(ui_, "La hoja de tarifas en PDF"); }

}  // namespace cv::gui
