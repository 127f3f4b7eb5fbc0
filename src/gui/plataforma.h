#pragma once
// What the desktop side decides without widgets: where the user manual is, and file-dialog
// filters written the old way ("Texto|*.txt|Todos|*.*") in the form Qt reads.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/usuario.h"

namespace cv::gui {

// The manual to open for "A&yuda": the legacy file first, then our PDF manual beside the
// program; nothing when neither is there.
std::vector<std::filesystem::path> UbicacionesManual(const std::filesystem::path& rutaManual);
std::optional<std::filesystem::path> BuscarManual(const std::filesystem::path& rutaManual);

// The ODBC configuration that comes with the program in `carpeta`: in a build tree (a
// CMakeCache.txt one folder up) the build's own sample agent system; installed, the folder
// `instalada` (relative to the program's folder) holding odbcinst.ini and odbc.ini. Nothing
// when neither is there.
std::optional<app::ConfiguracionOdbc> ConfiguracionOdbcPropia(const std::filesystem::path& carpeta,
                                                              const std::filesystem::path& instalada);

// "Seguro de Vida (*.svi)|*.svi|All Files (*.*)|*.*" -> "Seguro de Vida (*.svi);;All Files (*.*)".
std::string FiltroQt(const std::string& filtro);

inline constexpr const char* kFiltroBaseDatos = "Seguro de Vida (*.svi)|*.svi|All Files (*.*)|*.*";

}  // namespace cv::gui
