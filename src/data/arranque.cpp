#include "data/arranque.h"

#include <system_error>

#include "data/errores.h"

namespace cv::datos {

namespace fs = std::filesystem;

fs::path CarpetaAplicacion() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path();
    return exe.parent_path();
}

bool HayBaseDatosEnCarpeta(const fs::path& carpeta) {
    // A listing, not an existence test: the name must match to the letter even on a
    // file system that ignores letter case.
    std::error_code ec;
    for (fs::directory_iterator it(carpeta, ec), fin; !ec && it != fin; it.increment(ec))
        if (it->path().filename() == kArchivoBaseDatos) return true;
    return false;
}

BaseAbierta AbrirBaseDatosDeCarpeta(const fs::path& carpeta) {
    BaseAbierta r;
    if (!HayBaseDatosEnCarpeta(carpeta)) {
        r.mensaje = kMensajeFaltaBaseDatos;
        return r;
    }
    try {
        r.catalogo = VincularCatalogo(carpeta / kArchivoBaseDatos);
    } catch (const ErrorBaseDatos& e) {
        r.mensaje = e.what();
    }
    return r;
}

}  // namespace cv::datos
