#include "apoyo_cli.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace prueba_cli {

std::string Citar(const std::string& a) {
    std::string s = "'";
    for (char c : a) s += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return s + "'";
}

namespace {

std::string Leer(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class Lector {
public:
    explicit Lector(const std::string& t) : t_(t) {}
    Json Valor() {
        Blancos();
        if (i_ >= t_.size()) Falla("fin inesperado");
        const char c = t_[i_];
        if (c == '{') return Objeto();
        if (c == '[') return Lista();
        if (c == '"') return Json{Texto()};
        if (t_.compare(i_, 4, "true") == 0) return i_ += 4, Json{true};
        if (t_.compare(i_, 5, "false") == 0) return i_ += 5, Json{false};
        if (t_.compare(i_, 4, "null") == 0) return i_ += 4, Json{nullptr};
        return Numero();
    }
    void Fin() {
        Blancos();
        if (i_ != t_.size()) Falla("texto después del valor");
    }

private:
    [[noreturn]] void Falla(const std::string& que) const {
        throw std::runtime_error("JSON no válido en la posición " + std::to_string(i_) + ": " + que);
    }
    void Blancos() {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n' || t_[i_] == '\r' || t_[i_] == '\t')) ++i_;
    }
    void Esperar(char c) {
        Blancos();
        if (i_ >= t_.size() || t_[i_] != c) Falla(std::string("se esperaba ") + c);
        ++i_;
    }
    std::string Texto() {
        Esperar('"');
        std::string s;
        while (i_ < t_.size() && t_[i_] != '"') {
            char c = t_[i_++];
            if (static_cast<unsigned char>(c) < 0x20) Falla("carácter de control en un texto");
            if (c == '\\') {
                if (i_ >= t_.size()) Falla("escape incompleto");
                const char e = t_[i_++];
                if (e == 'n') c = '\n';
                else if (e == 't') c = '\t';
                else if (e == 'r') c = '\r';
                else if (e == 'u') {
                    if (i_ + 4 > t_.size()) Falla("escape \\u incompleto");
                    c = static_cast<char>(std::stoi(t_.substr(i_, 4), nullptr, 16));
                    i_ += 4;
                } else if (e == '"' || e == '\\' || e == '/') c = e;
                else Falla("escape desconocido");
            }
            s += c;
        }
        Esperar('"');
        return s;
    }
    Json Numero() {
        const size_t inicio = i_;
        while (i_ < t_.size() && (std::isdigit(static_cast<unsigned char>(t_[i_])) || t_[i_] == '-' || t_[i_] == '+' ||
                                  t_[i_] == '.' || t_[i_] == 'e' || t_[i_] == 'E'))
            ++i_;
        if (inicio == i_) Falla("valor desconocido");
        size_t usado = 0;
        const double x = std::stod(t_.substr(inicio, i_ - inicio), &usado);
        if (usado != i_ - inicio) Falla("número mal formado");
        return Json{x};
    }
    Json Lista() {
        Esperar('[');
        auto l = std::make_shared<JsonLista>();
        Blancos();
        if (i_ < t_.size() && t_[i_] == ']') return ++i_, Json{l};
        for (;;) {
            l->push_back(Valor());
            Blancos();
            if (i_ < t_.size() && t_[i_] == ',') {
                ++i_;
                continue;
            }
            Esperar(']');
            return Json{l};
        }
    }
    Json Objeto() {
        Esperar('{');
        auto o = std::make_shared<JsonObjeto>();
        Blancos();
        if (i_ < t_.size() && t_[i_] == '}') return ++i_, Json{o};
        for (;;) {
            Blancos();
            std::string k = Texto();
            Esperar(':');
            if (o->count(k)) Falla("clave repetida " + k);
            (*o)[k] = Valor();
            Blancos();
            if (i_ < t_.size() && t_[i_] == ',') {
                ++i_;
                continue;
            }
            Esperar('}');
            return Json{o};
        }
    }
    const std::string& t_;
    size_t i_ = 0;
};

}  // namespace

Ejecucion Ejecutar(const std::vector<std::string>& argumentos, const std::string& entrada) {
    static int n = 0;
    const fs::path base = fs::temp_directory_path() / ("cv_cli_" + std::to_string(getpid()) + "_" + std::to_string(++n));
    std::string orden = Citar(CV_PROGRAMA);
    for (const auto& a : argumentos) orden += " " + Citar(a);
    if (!entrada.empty()) {
        std::ofstream(base.string() + ".in", std::ios::binary) << entrada;
        orden += " < " + Citar(base.string() + ".in");
    }
    orden += " > " + Citar(base.string() + ".out") + " 2> " + Citar(base.string() + ".err");
    const int r = std::system(orden.c_str());
    Ejecucion e;
    e.estado = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    e.salida = Leer(base.string() + ".out");
    e.errores = Leer(base.string() + ".err");
    for (const char* ext : {".in", ".out", ".err"}) fs::remove(base.string() + ext);
    return e;
}

std::string LeerArchivo(const fs::path& p) { return Leer(p); }

void EscribirArchivo(const fs::path& p, const std::string& texto) { std::ofstream(p, std::ios::binary) << texto; }

fs::path ConstruirBase(const std::string& nombre, const std::function<void(const fs::path&)>& cambiar) {
    const fs::path carpeta = fs::temp_directory_path() / ("cv_cli_" + std::to_string(getpid()) + "_" + nombre);
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    for (const auto& f : fs::directory_iterator(CV_CATALOGO))
        if (f.path().extension() == ".csv") fs::copy_file(f.path(), carpeta / f.path().filename());
    cambiar(carpeta);
    const fs::path base = carpeta / (nombre + ".svi");
    const std::string orden = "'" CV_CONSTRUIR "' '" + carpeta.string() + "' '" + base.string() + "' > /dev/null 2>&1";
    if (std::system(orden.c_str()) != 0) throw std::runtime_error("no se pudo construir " + base.string());
    return base;
}

const Json& Json::operator[](const std::string& clave) const {
    const auto& o = *std::get<std::shared_ptr<JsonObjeto>>(v);
    auto i = o.find(clave);
    if (i == o.end()) throw std::out_of_range("no hay clave " + clave);
    return i->second;
}
const Json& Json::operator[](size_t i) const { return std::get<std::shared_ptr<JsonLista>>(v)->at(i); }
size_t Json::size() const {
    if (auto l = std::get_if<std::shared_ptr<JsonLista>>(&v)) return (*l)->size();
    return std::get<std::shared_ptr<JsonObjeto>>(v)->size();
}
const std::string& Json::texto() const { return std::get<std::string>(v); }
double Json::numero() const { return std::get<double>(v); }
bool Json::tiene(const std::string& clave) const { return std::get<std::shared_ptr<JsonObjeto>>(v)->count(clave) > 0; }

Json LeerJson(const std::string& texto) {
    Lector l(texto);
    Json j = l.Valor();
    l.Fin();
    return j;
}

std::vector<std::vector<std::string>> LeerCsvTexto(const std::string& t) {
    std::vector<std::vector<std::string>> filas(1);
    std::string campo;
    bool comillas = false;
    for (size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (comillas) {
            if (c == '"' && i + 1 < t.size() && t[i + 1] == '"') campo += '"', ++i;
            else if (c == '"') comillas = false;
            else campo += c;
        } else if (c == '"') {
            comillas = true;
        } else if (c == ',') {
            filas.back().push_back(campo), campo.clear();
        } else if (c == '\n') {
            if (!campo.empty() && campo.back() == '\r') campo.pop_back();
            filas.back().push_back(campo), campo.clear();
            filas.emplace_back();
        } else {
            campo += c;
        }
    }
    if (!campo.empty() || !filas.back().empty()) filas.back().push_back(campo);
    if (filas.back().empty()) filas.pop_back();
    return filas;
}

}  // namespace prueba_cli
