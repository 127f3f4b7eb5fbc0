#pragma once
// Builds a product database file from a folder of catalogue sources (see csv.h).
#include <filesystem>
#include <string>

namespace cv::datos {

// Every "*.csv" of `carpeta` becomes the table named after the file, with the header's field
// names in their order and the rows in file order; the known key fields get their index.
// The file is written beside `destino` and renamed over it only when complete, so a failed
// build never leaves a half-written database. Throws ErrorBaseDatos naming the source at fault.
void ConstruirBaseDatos(const std::filesystem::path& carpeta, const std::filesystem::path& destino,
                        const std::string& clave);

}  // namespace cv::datos
