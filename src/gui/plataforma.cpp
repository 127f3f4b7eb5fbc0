#include "gui/plataforma.h"

namespace cv::gui {

namespace fs = std::filesystem;

std::vector<fs::path> UbicacionesManual(const fs::path& rutaManual) {
    const fs::path carpeta = rutaManual.parent_path();
    return {rutaManual,
            carpeta / "manual" / "manual.pdf",
            carpeta / "manual.pdf",
            carpeta / "MANUAL DE USUARIO.pdf",
            (carpeta / ".." / ".." / "share" / "doc" / "cotizador-vida" / "manual.pdf").lexically_normal()};
}

std::optional<fs::path> BuscarManual(const fs::path& rutaManual) {
    for (const fs::path& p : UbicacionesManual(rutaManual)) {
        std::error_code ec;
        if (fs::is_regular_file(p, ec)) return p;
    }
    return std::nullopt;
}

std::optional<app::ConfiguracionOdbc> ConfiguracionOdbcPropia(const fs::path& carpeta, const fs::path& instalada) {
    std::error_code ec;
    const fs::path arriba = carpeta.parent_path();
    // Only a build tree holds a CMakeCache.txt: an installed program never reads a folder
    // that merely happens to be called "odbc" beside its own.
    if (fs::is_regular_file(arriba / "CMakeCache.txt", ec) && fs::is_regular_file(arriba / "odbc" / "agentes" / "odbc.ini", ec))
        return app::ConfiguracionOdbc{arriba / "odbc", arriba / "odbc" / "agentes" / "odbc.ini"};
    if (instalada.empty()) return std::nullopt;
    const fs::path c = (carpeta / instalada).lexically_normal();
    if (fs::is_regular_file(c / "odbcinst.ini", ec) && fs::is_regular_file(c / "odbc.ini", ec))
        return app::ConfiguracionOdbc{c, c / "odbc.ini"};
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
