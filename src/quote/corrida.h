#pragma once
// The calculation run of the main window: "Ca&lcular" stores the entered line, checks and
// calculates, and fills the results grid and the premium fields; "&Generar" calculates the
// stored lines, works out the premium of every payment frequency and hands the result on.
#include <functional>
#include <memory>

#include "core/moneda.h"
#include "engine/premium/calculo.h"
#include "quote/flujo.h"

namespace cv::cotizacion {

// The quote as the engine reads it, taken from the window, the line table and the process.
EntradaCalculo Instantanea(app::FrmCotizador& w, const TablaLineas& t);

struct MontosPorFrecuencia {
    Currency PagoAnualNeto, PagoAnual, PagoSemestralNeto, PagoSemestral, PagoTrimestralNeto, PagoTrimestral,
        PagoMensualNeto, PagoMensual;
};

// Premium of each payment frequency from the annual premium P and the fee D; `conPrimaGlobal`
// when the quote was stated by its global premium.
MontosPorFrecuencia CalcularMontos(const std::string& moneda, double primaAnual, double derecho, bool conPrimaGlobal);

class CorridaCalculo {
public:
    CorridaCalculo(app::FrmCotizador& w, FlujoLineas& flujo, std::shared_ptr<const CatalogoMotor> catalogo);
    // Over an engine shared with other windows: every calculation starts from a clear state, and
    // what the engine keeps between runs (tables derived from the catalogue) is reused.
    CorridaCalculo(app::FrmCotizador& w, FlujoLineas& flujo, std::shared_ptr<Calculo> motor);

    void butCalcular_Click();
    void butGenerar_Click();
    // The results grid and the premium fields from the last calculation: what "Ca&lcular"
    // shows, for a quote calculated by "&Generar" alone (one opened from a file).
    void MostrarResultados() { LlenarResultados(); }

    Calculo& Motor() { return *motor_; }
    const ResultadoCalculo& Resultado() const { return resultado_; }
    MontosPorFrecuencia montos;
    // Receives the calculated quote when "&Generar" has an individual illustration to show.
    std::function<void(Calculo&)> MostrarEstudio;
    // Receives the rows of a tariff computed for the tariff sheet.
    std::function<void(const Calculo&, const ResultadoCalculo&)> MostrarHojaTarifa;
    bool calculado = false;  // the last run gave results

private:
    bool Calcular();  // runs the engine on the stored quote; false (after saying why) when abandoned
    void LlenarResultados();
    void LimpiarResultados();
    app::FrmCotizador& w;
    FlujoLineas& flujo_;
    std::shared_ptr<Calculo> motor_;
    ResultadoCalculo resultado_;
    int lineasCalculadas_ = 0;
};

}  // namespace cv::cotizacion
