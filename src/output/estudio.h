#pragma once
// The illustration window "Estudio" as a model: after an individual quote, the year-by-year
// values of the whole quote and the first and later receipts. It only reads the engine's
// results, except for two product corrections that it writes back so that the printed
// proposal shows what the grid shows.
#include <string>

#include "app/controles.h"
#include "app/cotizador.h"
#include "engine/state/estado.h"

namespace cv::salida {

class FrmEstudio {
public:
    FrmEstudio();

    std::string caption;
    app::Rejilla dbgPlan;
    app::Casilla chkImpresionDescripcion, ChckImprimeProrrogado;
    app::Boton Impresoras, butTerminar;
    app::Etiqueta Label3, Label4, Label5, Label6;
    app::CuadroTexto txtEdad, txtEdadCalculo;  // hidden; read back by the proposal
    bool abierto = false;

    // Fills the window from the engine state of the quote just calculated; `w` is the main
    // window (name, product code, currency, and its hidden box Text2).
    void Form_Load(EstadoMotor& e, app::FrmCotizador& w);
    void butTerminar_Click() { abierto = false; }
};

}  // namespace cv::salida
