#pragma once
// The tariff sheet window "Tarifas" as a model: one row per age of the range, the tariff rows
// the engine computed, in a nine-column grid whose last column stays empty.
#include <vector>

#include "app/controles.h"
#include "app/cotizador.h"
#include "engine/premium/calculo.h"

namespace cv::salida {

class FrmTarifa {
public:
    FrmTarifa();

    std::string caption = "Fromato Tarifario";
    app::Rejilla dbgPlan;
    app::Boton butImprimir, butTerminar;
    app::CuadroTexto txtEdad, txtEdadCalculo;  // hidden
    bool abierto = false;

    // Load over the main window's age range, then the engine's rows into the grid.
    void Form_Load(const EstadoMotor& e, const app::FrmCotizador& w, const std::vector<FilaTarifa>& filas);
    void butTerminar_Click() { abierto = false; }
};

// The sheet's rows as CSV: the header row and one row per age, the eight columns that carry
// values, each cell as the grid shows it (quoted when it holds a comma or a quote), LF ends.
std::string TarifaCsv(const FrmTarifa& hoja);

}  // namespace cv::salida
