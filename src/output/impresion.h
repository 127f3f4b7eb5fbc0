#pragma once
// The print commands in their order: "Impresoras" of the illustration window (the proposal and
// its usage record) and "Imprimir" of the tariff sheet, over a device the user picks: a
// printer, or a PDF file ("Guardar PDF"). The device is behind an interface so that the order
// of the steps is tested without a printer.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/cotizador.h"
#include "app/interaccion.h"
#include "app/usuario.h"
#include "core/fechas.h"
#include "engine/state/estado.h"
#include "output/documento.h"
#include "output/estudio.h"
#include "output/hoja_tarifa.h"
#include "quote/corrida.h"

namespace cv::salida {

// Says in Spanish what the device refused.
class ErrorImpresion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DestinoImpresion {
public:
    virtual ~DestinoImpresion() = default;
    // Widths and line heights as this device prints them.
    virtual MedidorTexto& Medidor() = 0;
    // One document: a print job on a printer; a PDF file takes the command's documents in turn.
    virtual void Imprimir(const Documento& documento) = 0;  // throws ErrorImpresion
    // After the last document (a PDF file is then put in place).
    virtual void Terminar() {}  // throws ErrorImpresion
    virtual bool EsArchivo() const { return false; }
};

// The print dialog, or the file dialog, with its title; nothing when the user cancels.
using ElegirDestino = std::function<std::unique_ptr<DestinoImpresion>(const std::string& titulo)>;

enum class ResultadoImpresion {
    Cancelada,    // nothing printed, nothing recorded, nothing said
    Completa,     // every page printed, and the usage record written when one is kept
    SinRegistro,  // every page printed; the usage record could not be written now (said)
    Fallida,      // a page could not be printed (said: what was printed and what was not)
};

// "Impresoras": the dialog; page 1 and, when asked and a rider is ticked, page 2 as one
// document; for product 26 page 3 as a second one; then the usage record through the agent
// system (none when `agentes` is null: the command line has no login). Product 16 always
// prints the guaranteed values: its box is ticked for it.
ResultadoImpresion ImprimirPropuesta(app::Interaccion& ui, const ElegirDestino& elegir, FrmEstudio& estudio,
                                     app::FrmCotizador& w, const EstadoMotor& e,
                                     const cotizacion::MontosPorFrecuencia& montos, const Fecha& hoy,
                                     app::SistemaAgentes* agentes);

inline constexpr const char* kTituloImpresionTarifas = "Impresión de las tarifas";

// "Imprimir" of the tariff sheet: the dialog, then every page of the sheet.
ResultadoImpresion ImprimirTarifas(app::Interaccion& ui, const ElegirDestino& elegir, const FrmTarifa& hoja,
                                   const app::FrmCotizador& w, const EstadoMotor& e, const Fecha& hoy);

}  // namespace cv::salida
