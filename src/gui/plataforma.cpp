#include "gui/plataforma.h"

namespace cv::gui {

namespace fs = std::filesystem;

std::vector<fs::path> UbicacionesManual(const fs::path& rutaManual) {
    const fs::path carpeta = rutaManual.parent_path();
    return {rutaManual,
            carpeta / "manual" / "manual.pdf",
            carpeta / "manual.pdf",
            carpeta / "MANUAL DE USUARIO.pdf",
            carpeta / ".." / "share" / "cotizador" / "manual.pdf"};
}

std::optional<fs::path> BuscarManual(const fs::path& rutaManual) {
    for (const fs::path& p : UbicacionesManual(rutaManual)) {
        std::error_code ec;
        if (fs::is_regular_file(p, ec)) return p;
    }
    return std::nullopt;
}

std::string FiltroQt(const std::string& filtro) {
    std::vector<std::string> partes;
    size_t inicio = 0;
    for (;;) {
        const size_t fin = filtro.find('|', inicio);
        partes.push_back(filtro.substr(inicio, fin == std::string::npos ? std::string::npos : fin - inicio));
        if (fin == std::string::npos) break;
        inicio = fin + 1;
    }
    std::string s;
    for (size_t i = 0; i < partes.size(); i += 2) {
        std::string descripcion = partes[i];
        const std::string patron = i + 1 < partes.size() ? partes[i + 1] : "";
        std::string patronQt = patron;
        for (char& c : patronQt)
            if (c == ';') c = ' ';
        if (!patron.empty() && descripcion.find('(') == std::string::npos) descripcion += " (" + patronQt + ")";
        if (!s.empty()) s += ";;";
        s += descripcion;
    }
    return s;
}

}  // namespace cv::gui
