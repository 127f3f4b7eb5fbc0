#include "data/pendientes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>

namespace cv::datos {

namespace fs = std::filesystem;

namespace {

std::string Causa() { return std::strerror(errno); }

std::string Escapar(const std::string& s) {
    std::string e;
    for (char c : s) {
        switch (c) {
            case '\\': e += "\\\\"; break;
            case '\t': e += "\\t"; break;
            case '\n': e += "\\n"; break;
            case '\r': e += "\\r"; break;
            default: e += c;
        }
    }
    return e;
}

std::string Linea(const RegistroUso& r) {
    return Escapar(r.usu_cotiza) + '\t' + Escapar(r.fec_cotiza) + '\t' + Escapar(r.age_cotiza) + '\t' +
           Escapar(r.plan_cotiza);
}

std::optional<RegistroUso> Interpretar(const std::string& linea) {
    std::vector<std::string> campos(1);
    for (size_t i = 0; i < linea.size(); ++i) {
        const char c = linea[i];
        if (c == '\t') {
            campos.emplace_back();
        } else if (c == '\\') {
            if (++i == linea.size()) return std::nullopt;
            switch (linea[i]) {
                case '\\': campos.back() += '\\'; break;
                case 't': campos.back() += '\t'; break;
                case 'n': campos.back() += '\n'; break;
                case 'r': campos.back() += '\r'; break;
                default: return std::nullopt;
            }
        } else {
            campos.back() += c;
        }
    }
    if (campos.size() != 4) return std::nullopt;
    return RegistroUso{campos[0], campos[1], campos[2], campos[3]};
}

// Exclusive use of the file between programs (and between two objects of one program).
class Cerrojo {
public:
    explicit Cerrojo(const fs::path& ruta) {
        std::error_code ec;
        fs::create_directories(ruta.parent_path(), ec);
        const fs::path nombre = ruta.string() + ".bloqueo";
        fd_ = ::open(nombre.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) throw ErrorPendientes("no se pudo abrir " + nombre.string() + ": " + Causa());
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno == EINTR) continue;
            const std::string m = "no se pudo bloquear " + nombre.string() + ": " + Causa();
            ::close(fd_);
            throw ErrorPendientes(m);
        }
    }
    ~Cerrojo() { ::close(fd_); }
    Cerrojo(const Cerrojo&) = delete;
    Cerrojo& operator=(const Cerrojo&) = delete;

private:
    int fd_;
};

std::vector<std::string> LeerLineas(const fs::path& ruta) {
    std::vector<std::string> lineas;
    std::ifstream f(ruta, std::ios::binary);
    if (!f) {
        if (!fs::exists(ruta)) return lineas;
        throw ErrorPendientes("no se pudo leer " + ruta.string());
    }
    for (std::string l; std::getline(f, l);)
        if (!l.empty()) lineas.push_back(std::move(l));
    if (f.bad()) throw ErrorPendientes("no se pudo leer " + ruta.string());
    return lineas;
}

void EscribirLineas(const fs::path& ruta, const std::vector<std::string>& lineas) {
    if (lineas.empty()) {
        std::error_code ec;
        fs::remove(ruta, ec);
        if (ec) throw ErrorPendientes("no se pudo borrar " + ruta.string() + ": " + ec.message());
        return;
    }
    std::string contenido;
    for (const auto& l : lineas) contenido += l + '\n';
    const fs::path temporal = ruta.string() + ".nuevo";
    const int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw ErrorPendientes("no se pudo crear " + temporal.string() + ": " + Causa());
    size_t hecho = 0;
    while (hecho < contenido.size()) {
        const ssize_t n = ::write(fd, contenido.data() + hecho, contenido.size() - hecho);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string m = "no se pudo escribir " + temporal.string() + ": " + Causa();
            ::close(fd);
            ::unlink(temporal.c_str());
            throw ErrorPendientes(m);
        }
        hecho += static_cast<size_t>(n);
    }
    // On disk before it replaces the old content.
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const std::string m = "no se pudo escribir " + temporal.string() + ": " + Causa();
        ::unlink(temporal.c_str());
        throw ErrorPendientes(m);
    }
    if (::rename(temporal.c_str(), ruta.c_str()) != 0) {
        const std::string m = "no se pudo reemplazar " + ruta.string() + ": " + Causa();
        ::unlink(temporal.c_str());
        throw ErrorPendientes(m);
    }
}

}  // namespace

fs::path RutaUsosPendientes() {
    const char* estado = std::getenv("XDG_STATE_HOME");
    const char* casa = std::getenv("HOME");
    fs::path base = estado && *estado ? fs::path(estado)
                    : casa && *casa   ? fs::path(casa) / ".local" / "state"
                                      : fs::temp_directory_path();
    return base / "cotizador-vida" / "cotizavida-pendientes.txt";
}

std::vector<RegistroUso> UsosPendientes::Leer() const {
    Cerrojo c(ruta_);
    std::vector<RegistroUso> r;
    for (const auto& l : LeerLineas(ruta_))
        if (auto x = Interpretar(l)) r.push_back(std::move(*x));
    return r;
}

void UsosPendientes::Agregar(const RegistroUso& r) {
    Cerrojo c(ruta_);
    auto lineas = LeerLineas(ruta_);
    lineas.push_back(Linea(r));
    EscribirLineas(ruta_, lineas);
}

size_t UsosPendientes::Escribir(const std::function<Resultado(const RegistroUso&)>& escribir) {
    Cerrojo c(ruta_);
    auto lineas = LeerLineas(ruta_);
    size_t escritos = 0;
    for (size_t i = 0; i < lineas.size();) {
        const auto r = Interpretar(lineas[i]);
        if (!r) {
            ++i;
            continue;
        }
        const Resultado res = escribir(*r);
        if (res == Resultado::Detener) break;
        if (res == Resultado::Rechazado) {
            ++i;
            continue;
        }
        // Gone from the file before the next one is tried: a record written is never written again.
        lineas.erase(lineas.begin() + static_cast<std::ptrdiff_t>(i));
        EscribirLineas(ruta_, lineas);
        ++escritos;
    }
    return escritos;
}

}  // namespace cv::datos
