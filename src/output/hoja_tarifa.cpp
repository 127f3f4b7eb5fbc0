#include "output/hoja_tarifa.h"

#include <algorithm>
#include <cmath>

#include "core/numeros.h"

namespace cv::salida {

FrmTarifa::FrmTarifa() {
    butImprimir.titulo = "Imprimir";
    butTerminar.titulo = "Terminar";
    txtEdad.visible = txtEdadCalculo.visible = false;
}

void FrmTarifa::Form_Load(const EstadoMotor& e, const app::FrmCotizador& w, const std::vector<FilaTarifa>& filas) {
    abierto = true;
    caption = "Tarifas";
    txtEdad.texto = std::to_string(e.Edad);
    txtEdadCalculo.texto = std::to_string(e.EdadCalculo);
    // The range as the window shows it, whole numbers; a reversed range leaves the header only.
    const double inicial = RedondearPar(ValorNumericoSeguro(w.txtEdadInicial.texto, 0));
    const double final = RedondearPar(ValorNumericoSeguro(w.txtEdadFinal.texto, 0));
    const int filasGrid = static_cast<int>(std::clamp(final - inicial + 2, 1.0, 1000.0));
    dbgPlan.Dimensionar(filasGrid, 9);
    const char* titulos[] = {"Edad",  "Prima SFP", "Recibos Subsecuentes", "Suma Asegurada", "Año 5",
                             "Año 10", "Año 15",   "Año 20",               ""};
    const int anchos[] = {750, 1500, 1670, 1500, 1500, 1500, 1500, 1500, 1500};
    for (int c = 0; c < 9; ++c) {
        dbgPlan.Celda(0, c) = titulos[c];
        dbgPlan.anchos[static_cast<size_t>(c)] = anchos[c];
    }
    const int n = std::min<int>(filasGrid - 1, static_cast<int>(filas.size()));
    for (int r = 1; r <= n; ++r) {
        const auto columnas = ColumnasTarifa(filas[static_cast<size_t>(r - 1)]);
        for (int c = 0; c < 8; ++c) dbgPlan.Celda(r, c) = columnas[static_cast<size_t>(c)];
    }
}

std::string TarifaCsv(const FrmTarifa& hoja) {
    auto campo = [](const std::string& t) {
        if (t.find_first_of(",\"\r\n") == std::string::npos) return t;
        std::string q = "\"";
        for (char c : t) q += c == '"' ? std::string("\"\"") : std::string(1, c);
        return q + "\"";
    };
    const app::Rejilla& g = hoja.dbgPlan;
    const int columnas = std::min(g.columnas, 8);
    std::string s;
    for (int f = 0; f < g.filas; ++f) {
        for (int c = 0; c < columnas; ++c) s += (c ? "," : "") + campo(g.Celda(f, c));
        s += '\n';
    }
    return s;
}

}  // namespace cv::salida
