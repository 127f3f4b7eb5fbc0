#pragma once
// Message boxes and modal dialogs go through this interface: the Qt layer answers with real
// windows, tests with a script that records every message shown.
#include <filesystem>
#include <optional>
#include <string>

namespace cv::app {

enum class EstiloMensaje {
    Simple,       // OK button, no icon, the application's title
    Informacion,  // information icon, OK button, its own title
};

struct Mensaje {
    std::string texto;
    std::string titulo;  // empty for a plain box
    EstiloMensaje estilo = EstiloMensaje::Simple;
    bool operator==(const Mensaje&) const = default;
};

class FrmAportaciones;
class FrmEdad;

class Interaccion {
public:
    virtual ~Interaccion() = default;
    virtual void MostrarMensaje(const Mensaje& m) = 0;
    // Modal dialogs: the view shows them and returns when they close; a script plays them.
    virtual void MostrarAportaciones(FrmAportaciones& dialogo) = 0;
    virtual void MostrarEdadPadreTutor(FrmEdad& dialogo) = 0;
    // The file-open dialog of "&Base de Datos" (filter "Seguro de Vida (*.svi)|*.svi|All Files
    // (*.*)|*.*", the file must exist); nothing when cancelled.
    virtual std::optional<std::filesystem::path> ElegirBaseDatos() { return std::nullopt; }
    // File dialogs of the quote file, with the proposed name and the filter; nothing when cancelled.
    virtual std::optional<std::filesystem::path> ElegirArchivoAbrir(const std::string& /*propuesto*/,
                                                                    const std::string& /*filtro*/) {
        return std::nullopt;
    }
    virtual std::optional<std::filesystem::path> ElegirArchivoGuardar(const std::string& /*propuesto*/,
                                                                      const std::string& /*filtro*/) {
        return std::nullopt;
    }
    // The shell's "Open" on a document (the user manual); the result is not examined.
    virtual void AbrirDocumento(const std::filesystem::path&) {}
};

inline Mensaje Simple(std::string texto) { return {std::move(texto), "", EstiloMensaje::Simple}; }
inline Mensaje Informacion(std::string texto, std::string titulo) {
    return {std::move(texto), std::move(titulo), EstiloMensaje::Informacion};
}

}  // namespace cv::app
