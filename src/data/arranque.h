#pragma once
// Finding and opening the product database beside the program at start-up.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "data/catalogo.h"

namespace cv::datos {

inline constexpr std::string_view kMensajeFaltaBaseDatos =
    "Asegurese que el Archivo 031208.SVI, se encuentre en el mismo lugar que la aplicación.";

// Folder of the running program, without a trailing separator.
std::filesystem::path CarpetaAplicacion();

// True when the folder's listing holds a file named exactly "031208.svi" (letter case
// included: "031208.SVI" does not count).
bool HayBaseDatosEnCarpeta(const std::filesystem::path& carpeta);

struct BaseAbierta {
    std::optional<CatalogoProductos> catalogo;  // bound catalogue, when the file was usable
    std::string mensaje;                        // what to tell the user otherwise
};

// The start-up step: look the file up by exact name, then bind it. A missing file gives the
// standard message; a wrong password or a damaged file gives a message naming the file.
BaseAbierta AbrirBaseDatosDeCarpeta(const std::filesystem::path& carpeta);

}  // namespace cv::datos
