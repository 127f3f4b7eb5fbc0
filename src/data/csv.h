#pragma once
// The catalogue sources: one CSV file per table, named after the table, whose header row
// holds the table's field names in their order.
//
// Typing of cells: a quoted cell is always text ("16" stays the text 16); an unquoted empty
// cell is NULL; an unquoted whole number is an integer, an unquoted decimal number (point,
// optional exponent) a real; anything else is text. Fields are separated by commas, quotes
// inside a quoted cell are doubled, lines end with LF or CRLF, the text is UTF-8.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/valor.h"

namespace cv::datos {

struct ArchivoCsv {
    std::vector<std::string> campos;
    std::vector<std::vector<Valor>> filas;
};

// Parses the text of one source; `nombre` is used in messages ("Productos.csv, línea 3").
// Throws ErrorBaseDatos for an unterminated quote, a row with another number of cells than
// the header, an empty or repeated field name.
ArchivoCsv LeerCsv(std::string_view contenido, const std::string& nombre);
ArchivoCsv LeerArchivoCsv(const std::filesystem::path& archivo);

// Typing of one unquoted cell, as described above.
Valor ValorDeCeldaSinComillas(std::string_view celda);

}  // namespace cv::datos
