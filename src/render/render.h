#pragma once
// Paints page documents (output/documento.h) with Qt on a QPrinter: the printer chosen in the
// print dialog, or a PDF file. Texts are measured with the printer's own font metrics, so a
// document is built for the device it is printed on. "Times New Roman" and "Arial" print as
// their metric-compatible faces (Liberation Serif and Liberation Sans) where they are missing.
#include <QFont>
#include <QPrinter>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "output/documento.h"
#include "output/impresion.h"

class QGuiApplication;

namespace cv::render {

// The stationery pictures beside the program: <program folder>/papeleria/<name>.svg.
std::filesystem::path CarpetaPapeleria();

// Letter, portrait, the whole sheet addressable from its corner, one copy of every page.
void PrepararImpresora(QPrinter& impresora);

QFont FuenteQt(const salida::Fuente& fuente);

// Widths and line heights, in twips, as a device prints them.
class MedidorQt : public salida::MedidorTexto {
public:
    explicit MedidorQt(const QPaintDevice& dispositivo) : d_(dispositivo) {}
    double Ancho(const salida::Fuente& fuente, std::string_view texto) override;
    double AltoLinea(const salida::Fuente& fuente) override;

private:
    const QPaintDevice& d_;
};

// One document as one print job on the printer (set up by the caller, e.g. by a print dialog;
// PrepararImpresora is applied). False, and the reason in Spanish in `error`, on failure.
bool ImprimirDocumento(const salida::Documento& documento, QPrinter& impresora, std::string& error,
                       const std::filesystem::path& papeleria = CarpetaPapeleria());
// The documents one after the other in one PDF file, written beside it and renamed over it, so
// a failure leaves any earlier file as it was.
bool GuardarPdf(const std::vector<salida::Documento>& documentos, const std::filesystem::path& archivo,
                std::string& error, const std::filesystem::path& papeleria = CarpetaPapeleria());

// ---- destinations of the print commands ----
// The print dialog over a printer already set up; false when the user cancels.
using DialogoImpresora = std::function<bool(QPrinter& impresora, const std::string& titulo)>;
// The file dialog of "Guardar PDF"; nothing when the user cancels.
using DialogoArchivo = std::function<std::optional<std::filesystem::path>(const std::string& titulo)>;

salida::ElegirDestino EnImpresora(DialogoImpresora dialogo, std::filesystem::path papeleria = CarpetaPapeleria());
salida::ElegirDestino EnPdf(DialogoArchivo dialogo, std::filesystem::path papeleria = CarpetaPapeleria());
// A PDF file named beforehand (the command line).
salida::ElegirDestino EnArchivoPdf(std::filesystem::path archivo, std::filesystem::path papeleria = CarpetaPapeleria());

// ---- the commands of the windows ----
// "Impresoras" of the illustration window: the print dialog, the proposal, the usage record.
salida::ResultadoImpresion Impresoras(app::Interaccion& ui, const DialogoImpresora& dialogo, salida::FrmEstudio& estudio,
                                      app::FrmCotizador& w, const EstadoMotor& e,
                                      const cotizacion::MontosPorFrecuencia& montos, app::SistemaAgentes& agentes,
                                      const Fecha& hoy);
// "Guardar PDF" of the illustration window: the same proposal into a file the user names, and
// its usage record (none when `agentes` is null).
salida::ResultadoImpresion GuardarPropuestaPdf(app::Interaccion& ui, const DialogoArchivo& dialogo,
                                               salida::FrmEstudio& estudio, app::FrmCotizador& w, const EstadoMotor& e,
                                               const cotizacion::MontosPorFrecuencia& montos,
                                               app::SistemaAgentes* agentes, const Fecha& hoy);
// "Imprimir" of the tariff sheet (dialog titled "Impresión de las tarifas").
salida::ResultadoImpresion ImprimirTarifas(app::Interaccion& ui, const DialogoImpresora& dialogo,
                                           const salida::FrmTarifa& hoja, const app::FrmCotizador& w,
                                           const EstadoMotor& e, const Fecha& hoy);
// "Guardar PDF" of the tariff sheet.
salida::ResultadoImpresion GuardarTarifasPdf(app::Interaccion& ui, const DialogoArchivo& dialogo,
                                             const salida::FrmTarifa& hoja, const app::FrmCotizador& w,
                                             const EstadoMotor& e, const Fecha& hoy);

// For a program without windows: a QGuiApplication on the offscreen platform (unless one
// exists or QT_QPA_PLATFORM says otherwise), for as long as this object lives.
class SinPantalla {
public:
    SinPantalla();
    ~SinPantalla();
    SinPantalla(const SinPantalla&) = delete;
    SinPantalla& operator=(const SinPantalla&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace cv::render
