#pragma once
// The local file of usage records that the agent system could not take when they were made.
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cv::datos {

// One record of the usage log "cotizavida", its four columns as texts.
struct RegistroUso {
    std::string usu_cotiza;   // the logged-in account
    std::string fec_cotiza;   // "dd/mm/yyyy"
    std::string age_cotiza;   // the agent number
    std::string plan_cotiza;  // the product name shown
    bool operator==(const RegistroUso&) const = default;
};

// Where this user's pending records are kept: $XDG_STATE_HOME/cotizador-vida/cotizavida-pendientes.txt,
// or the same under ~/.local/state when that variable is not set.
std::filesystem::path RutaUsosPendientes();

class ErrorPendientes : public std::runtime_error {
public:
    explicit ErrorPendientes(const std::string& m) : std::runtime_error(m) {}
};

// One record a line, oldest first, the four columns separated by tabs (tab, line feed, carriage
// return and backslash escaped as \t \n \r \\). Every change writes the whole new content to a
// temporary file and renames it over the old one, under a lock shared with other programs, so
// the file is always either the old or the new content.
class UsosPendientes {
public:
    explicit UsosPendientes(std::filesystem::path ruta) : ruta_(std::move(ruta)) {}
    const std::filesystem::path& Ruta() const { return ruta_; }

    // The records that can be read. A line that cannot (a damaged file) stays in the file untouched.
    std::vector<RegistroUso> Leer() const;
    void Agregar(const RegistroUso& r);

    enum class Resultado {
        Escrito,    // taken: removed from the file at once
        Rechazado,  // refused for what it holds: kept, the next ones are tried
        Detener,    // the agent system is gone: kept, and so are all the following ones
    };
    // Hands every record to `escribir`, oldest first; returns how many were written.
    size_t Escribir(const std::function<Resultado(const RegistroUso&)>& escribir);

private:
    std::filesystem::path ruta_;
};

}  // namespace cv::datos
