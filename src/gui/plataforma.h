#pragma once
// What the desktop side decides without widgets: where the user manual is, and file-dialog
// filters written the old way ("Texto|*.txt|Todos|*.*") in the form Qt reads.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cv::gui {

// The manual to open for "A&yuda": the legacy file first, then our PDF manual beside the
// program; nothing when neither is there.
std::vector<std::filesystem::path> UbicacionesManual(const std::filesystem::path& rutaManual);
std::optional<std::filesystem::path> BuscarManual(const std::filesystem::path& rutaManual);

// "Seguro de Vida (*.svi)|*.svi|All Files (*.*)|*.*" -> "Seguro de Vida (*.svi);;All Files (*.*)".
std::string FiltroQt(const std::string& filtro);

inline constexpr const char* kFiltroBaseDatos = "Seguro de Vida (*.svi)|*.svi|All Files (*.*)|*.*";

}  // namespace cv::gui
