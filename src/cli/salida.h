#pragma once
// What the command line prints: a quote, a tariff, the catalogue and batch rows, as readable
// text, JSON or CSV. JSON and CSV field names are stable (listed in the README); amounts are
// decimal strings with the window's two decimals, never binary floating-point noise.
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/conductor.h"
#include "data/catalogo.h"

namespace cv::cli {

enum class Formato { Texto, Json, Csv };

void ImprimirCotizacion(Conductor& c, Formato f, std::ostream& out);
void ImprimirTarifa(Conductor& c, Formato f, std::ostream& out);
void ImprimirCatalogo(const std::shared_ptr<const datos::CatalogoProductos>& catalogo, const Fecha& hoy,
                      const std::filesystem::path& carpeta, Formato f, std::ostream& out);

// One result of a batch: the columns of the row, in order. A refused quote fills "estado"
// and "mensaje" and leaves the amounts empty.
using FilaResultado = std::vector<std::pair<std::string, std::string>>;
const std::vector<std::string>& ColumnasResultadoLote();
FilaResultado ResultadoLote(Conductor& c, const std::string& id);
FilaResultado RechazoLote(const std::string& id, const std::string& estado, const std::string& mensaje);

// Writers shared with the batch.
std::string CampoCsv(const std::string& texto);
std::string TextoJson(const std::string& texto);
// "1,234.50 " as the window shows it becomes "1234.50"; an empty cell stays empty.
std::string Decimal(const std::string& celda);

}  // namespace cv::cli
