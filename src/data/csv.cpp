#include "data/csv.h"

#include <charconv>
#include <fstream>
#include <set>
#include <sstream>

#include "data/errores.h"

namespace cv::datos {

namespace {

bool EsEnteroCsv(std::string_view s) {
    size_t i = (s.size() > 1 && s[0] == '-') ? 1 : 0;
    if (i == s.size()) return false;
    for (; i < s.size(); ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

bool EsRealCsv(std::string_view s) {
    // -?digits[.digits][e[+-]digits] with at least one digit before or after the point
    size_t i = 0;
    if (i < s.size() && s[i] == '-') ++i;
    size_t digitos = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digitos;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digitos;
    }
    if (digitos == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t exp = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++exp;
        if (exp == 0) return false;
    }
    return i == s.size();
}

}  // namespace

Valor ValorDeCeldaSinComillas(std::string_view celda) {
    if (celda.empty()) return Valor();
    if (EsEnteroCsv(celda)) {
        int64_t n = 0;
        auto [p, ec] = std::from_chars(celda.data(), celda.data() + celda.size(), n);
        if (ec == std::errc() && p == celda.data() + celda.size()) return Valor(n);
    }
    if (EsRealCsv(celda)) {
        double x = 0;
        auto [p, ec] = std::from_chars(celda.data(), celda.data() + celda.size(), x);
        if (ec == std::errc() && p == celda.data() + celda.size()) return Valor(x);
    }
    return Valor(std::string(celda));
}

ArchivoCsv LeerCsv(std::string_view c, const std::string& nombre) {
    struct Celda {
        std::string texto;
        bool comillas = false;
    };
    std::vector<std::vector<Celda>> registros;
    std::vector<int> lineas;  // line of the start of each record, for messages
    std::vector<Celda> registro;
    Celda celda;
    int linea = 1, lineaRegistro = 1;
    size_t i = 0;
    // Leading UTF-8 byte order mark, as some editors write it.
    if (c.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
    auto cerrarRegistro = [&] {
        registro.push_back(std::move(celda));
        celda = Celda{};
        bool vacio = registro.size() == 1 && registro[0].texto.empty() && !registro[0].comillas;
        if (!vacio) {
            registros.push_back(std::move(registro));
            lineas.push_back(lineaRegistro);
        }
        registro.clear();
    };
    while (i < c.size()) {
        char ch = c[i];
        if (ch == '"' && celda.texto.empty() && !celda.comillas) {
            celda.comillas = true;
            ++i;
            for (;;) {
                if (i >= c.size())
                    throw ErrorBaseDatos(nombre + ", línea " + std::to_string(linea) + ": falta cerrar las comillas.");
                if (c[i] == '"') {
                    if (i + 1 < c.size() && c[i + 1] == '"') {
                        celda.texto += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (c[i] == '\n') ++linea;
                celda.texto += c[i++];
            }
            if (i < c.size() && c[i] != ',' && c[i] != '\n' && c[i] != '\r')
                throw ErrorBaseDatos(nombre + ", línea " + std::to_string(linea) +
                                     ": hay texto después de las comillas de cierre.");
            continue;
        }
        if (ch == ',') {
            registro.push_back(std::move(celda));
            celda = Celda{};
            ++i;
        } else if (ch == '\r' && i + 1 < c.size() && c[i + 1] == '\n') {
            ++i;
        } else if (ch == '\n') {
            cerrarRegistro();
            ++i;
            lineaRegistro = ++linea;
        } else {
            if (celda.comillas)
                throw ErrorBaseDatos(nombre + ", línea " + std::to_string(linea) +
                                     ": hay texto después de las comillas de cierre.");
            celda.texto += ch;
            ++i;
        }
    }
    if (!celda.texto.empty() || celda.comillas || !registro.empty()) cerrarRegistro();

    if (registros.empty()) throw ErrorBaseDatos(nombre + ": falta la fila de encabezados con los nombres de los campos.");
    ArchivoCsv r;
    std::set<std::string> vistos;
    for (auto& h : registros[0]) {
        if (h.texto.empty()) throw ErrorBaseDatos(nombre + ": hay un nombre de campo vacío en el encabezado.");
        std::string plegado = h.texto;
        for (char& ch : plegado)
            if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        if (!vistos.insert(plegado).second)
            throw ErrorBaseDatos(nombre + ": el campo \"" + h.texto + "\" está repetido.");
        r.campos.push_back(h.texto);
    }
    for (size_t k = 1; k < registros.size(); ++k) {
        if (registros[k].size() != r.campos.size())
            throw ErrorBaseDatos(nombre + ", línea " + std::to_string(lineas[k]) + ": tiene " +
                                 std::to_string(registros[k].size()) + " campos y el encabezado " +
                                 std::to_string(r.campos.size()) + ".");
        std::vector<Valor> fila;
        fila.reserve(registros[k].size());
        for (auto& cel : registros[k])
            fila.push_back(cel.comillas ? Valor(std::move(cel.texto)) : ValorDeCeldaSinComillas(cel.texto));
        r.filas.push_back(std::move(fila));
    }
    return r;
}

ArchivoCsv LeerArchivoCsv(const std::filesystem::path& archivo) {
    std::ifstream in(archivo, std::ios::binary);
    if (!in) throw ErrorBaseDatos("No se pudo leer el archivo " + archivo.string() + ".");
    std::ostringstream ss;
    ss << in.rdbuf();
    return LeerCsv(ss.str(), archivo.filename().string());
}

}  // namespace cv::datos
