#include "core/fechas.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "core/errores.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv {

namespace {

constexpr const char* kMeses[] = {"enero",      "febrero", "marzo",     "abril",
                                  "mayo",       "junio",   "julio",     "agosto",
                                  "septiembre", "octubre", "noviembre", "diciembre"};

bool EsBisiesto(int anio) { return (anio % 4 == 0 && anio % 100 != 0) || anio % 400 == 0; }

int DiasDelMes(int anio, int mes) {
    static constexpr int kDias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && EsBisiesto(anio) ? 29 : kDias[mes - 1];
}

// Reads a run of digits at `i`; gives the count read (0 when there is no digit).
int LeerDigitos(std::string_view s, size_t& i, int& valor) {
    int n = 0;
    valor = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && n < 5) {
        valor = valor * 10 + (s[i] - '0');
        ++i;
        ++n;
    }
    return n;
}

}  // namespace

bool EsFechaValida(int anio, int mes, int dia) {
    if (anio < 100 || anio > 9999 || mes < 1 || mes > 12) return false;
    return dia >= 1 && dia <= DiasDelMes(anio, mes);
}

std::optional<Fecha> LeerFecha(std::string_view texto) {
    std::string s = Recortar(texto);
    size_t i = 0;
    Fecha f;
    int n = LeerDigitos(s, i, f.dia);
    if (n < 1 || n > 2 || i >= s.size()) return std::nullopt;
    char separador = s[i];
    if (separador != '/' && separador != '-' && separador != '.') return std::nullopt;
    ++i;
    n = LeerDigitos(s, i, f.mes);
    if (n < 1 || n > 2 || i >= s.size() || s[i] != separador) return std::nullopt;
    ++i;
    n = LeerDigitos(s, i, f.anio);
    if (i != s.size()) return std::nullopt;
    if (n == 2) {
        f.anio += f.anio < 30 ? 2000 : 1900;
    } else if (n != 4) {
        return std::nullopt;
    }
    if (!EsFechaValida(f.anio, f.mes, f.dia)) return std::nullopt;
    return f;
}

Fecha Hoy() {
    std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return Fecha{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string FechaCorta(const Fecha& f) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", f.dia, f.mes, f.anio);
    return buf;
}

std::string FechaLarga(const Fecha& f) {
    if (f.mes < 1 || f.mes > 12) {
        throw ErrorConversion("Mes fuera de rango: " + std::to_string(f.mes));
    }
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d %s %04d", f.dia, kMeses[f.mes - 1], f.anio);
    return buf;
}

int EdadCumplida(const Fecha& nacimiento, const Fecha& referencia) {
    // Each term is a multiple of 1/16, so both sides and their difference are exact.
    double dias = (referencia.anio * 365.0 + referencia.mes * 30.4375 + referencia.dia) -
                  (nacimiento.anio * 365.0 + nacimiento.mes * 30.4375 + nacimiento.dia);
    dias = RedondearDecimales(dias, 4);
    double anios = RedondearDecimales(dias / 365.0, 4);
    return static_cast<int>(std::floor(anios));
}

}  // namespace cv
