#pragma once
// The batch: a CSV of prospects and lines, one quote per row, read and answered row by row so
// that a file of any length runs in constant memory.
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/conductor.h"
#include "cli/salida.h"

namespace cv::cli {

// Reads CSV records one at a time: fields separated by commas, quoted fields may hold commas,
// doubled quotes and line breaks; lines end with LF or CR LF.
class LectorCsv {
public:
    explicit LectorCsv(std::istream& in) : in_(in) {}
    // The next record; false at the end of the input. Throws ErrorUso for an unterminated quote.
    bool Siguiente(std::vector<std::string>& campos);
    long Linea() const { return linea_; }  // line where the last record started

private:
    std::istream& in_;
    long linea_ = 0, siguiente_ = 1;
};

// The quote of one row, by the header's column names (listed in the README); an empty cell
// is a field not given. Throws ErrorUso for an unknown column.
Peticion PeticionDeFila(const std::vector<std::string>& columnas, const std::vector<std::string>& celdas);
// Checks a header before any row is read.
void ComprobarColumnas(const std::vector<std::string>& columnas);

struct TotalesLote {
    long filas = 0, correctas = 0, rechazadas = 0, errores = 0;
};

// Runs every row; `progreso` receives the running totals now and then (every `cada` rows).
TotalesLote EjecutarLote(Conductor& c, std::istream& entrada, std::ostream& salida, Formato f,
                         const std::function<void(const TotalesLote&)>& progreso = {}, long cada = 1000);

}  // namespace cv::cli
