#pragma once
// The printed tariff sheet: pages of up to 27 age rows of the tariff sheet's grid, each over the
// insurer's stationery with the plan, the prospect, the coverages, the agent, the date, the fund
// rate and the rider age ranges.
#include <utility>
#include <vector>

#include "app/cotizador.h"
#include "core/fechas.h"
#include "engine/state/estado.h"
#include "output/documento.h"
#include "output/hoja_tarifa.h"

namespace cv::salida {

struct DatosHojaTarifa {
    const EstadoMotor& e;
    const app::FrmCotizador& w;
    const FrmTarifa& hoja;
    Fecha hoy;
};

inline constexpr int kFilasPorPagina = 27;

// The grid rows of each page (first and last, both included) for a grid of `filasRejilla`
// rows, the header row 0 included.
std::vector<std::pair<int, int>> PaginasTarifa(int filasRejilla);

Documento ConstruirHojaTarifa(const DatosHojaTarifa& d, MedidorTexto& medidor);

}  // namespace cv::salida
