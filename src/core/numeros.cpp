#include "core/numeros.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "core/errores.h"
#include "core/formato.h"

namespace cv {

namespace {

bool EsDigito(char c) { return c >= '0' && c <= '9'; }
bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

// Exact powers of ten; doubles hold them exactly up to 1e22.
constexpr double kPotencias[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxDecimales = 22;

std::string Describir(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x > 0 ? "infinito" : "-infinito";
    return TextoNumero(x);
}

}  // namespace

double ValorNumerico(std::string_view texto) {
    // Copy of the text without the blanks the reader ignores, so the scan below sees one run.
    std::string s;
    s.reserve(texto.size());
    for (char c : texto) {
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
    }

    size_t i = 0;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negativo = s[i] == '-';
        ++i;
    }

    // "limpio" gets the digits and point in the form std::from_chars reads.
    std::string limpio;
    bool hayDigitos = false;
    bool todoCero = true;
    // Decimal position of the first significant digit, to tell overflow from underflow.
    long posicion = 0;
    while (i < s.size() && EsDigito(s[i])) {
        hayDigitos = true;
        if (s[i] != '0') todoCero = false;
        if (!todoCero) ++posicion;
        limpio.push_back(s[i++]);
    }
    if (i < s.size() && s[i] == '.') {
        limpio.push_back('.');
        ++i;
        while (i < s.size() && EsDigito(s[i])) {
            hayDigitos = true;
            if (todoCero) {
                if (s[i] != '0') todoCero = false;
                else --posicion;
            }
            limpio.push_back(s[i++]);
        }
    }
    if (!hayDigitos) return 0.0;

    long exponente = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        bool expNegativo = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            expNegativo = s[j] == '-';
            ++j;
        }
        if (j < s.size() && EsDigito(s[j])) {
            limpio.push_back('e');
            if (expNegativo) limpio.push_back('-');
            while (j < s.size() && EsDigito(s[j])) {
                // Saturated: past this size the value is infinite or zero anyway.
                if (exponente < 100000) exponente = exponente * 10 + (s[j] - '0');
                limpio.push_back(s[j++]);
            }
            if (expNegativo) exponente = -exponente;
        }
        // Otherwise the "E" is not part of the number and reading ends before it.
    }
    if (todoCero) return 0.0;

    double valor = 0.0;
    const char* inicio = limpio.data();
    const char* fin = inicio + limpio.size();
    auto [ptr, ec] = std::from_chars(inicio, fin, valor, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (posicion + exponente > 0) {
            throw ErrorDesbordamiento("Desbordamiento: el valor numérico de \"" +
                                      std::string(texto) + "\" excede el rango permitido");
        }
        return 0.0;  // underflow
    }
    if (ec != std::errc() || ptr != fin) {
        // The scan above only builds texts from_chars accepts.
        throw ErrorConversion("Valor numérico ilegible: \"" + std::string(texto) + "\"");
    }
    return negativo ? -valor : valor;
}

double ValorNumericoSeguro(std::string_view texto, double siDesborda) {
    try {
        return ValorNumerico(texto);
    } catch (const ErrorDesbordamiento&) {
        return siDesborda;
    }
}

bool EsNumerico(std::string_view texto) {
    size_t a = 0, b = texto.size();
    while (a < b && EsBlanco(texto[a])) ++a;
    while (b > a && EsBlanco(texto[b - 1])) --b;
    std::string_view s = texto.substr(a, b - a);

    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;

    // Integer part: digits, with "," only between whole groups of three.
    size_t digitosGrupo = 0;
    bool hayComas = false;
    bool hayDigitos = false;
    while (i < s.size()) {
        if (EsDigito(s[i])) {
            ++digitosGrupo;
            hayDigitos = true;
        } else if (s[i] == ',') {
            if (digitosGrupo == 0 || (hayComas ? digitosGrupo != 3 : digitosGrupo > 3)) return false;
            hayComas = true;
            digitosGrupo = 0;
        } else {
            break;
        }
        ++i;
    }
    if (hayComas && digitosGrupo != 3) return false;

    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && EsDigito(s[i])) {
            hayDigitos = true;
            ++i;
        }
    }
    if (!hayDigitos) return false;

    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (i >= s.size() || !EsDigito(s[i])) return false;
        while (i < s.size() && EsDigito(s[i])) ++i;
    }
    return i == s.size();
}

double RedondearPar(double x) {
    // The program never leaves the default rounding mode, round to nearest with ties to even,
    // so the hardware rounding is exactly the rule (and keeps the sign of a zero).
    return std::nearbyint(x);
}

double RedondearDecimales(double x, int decimales) {
    if (decimales < -kMaxDecimales || decimales > kMaxDecimales) {
        throw ErrorConversion("Número de decimales fuera de rango: " + std::to_string(decimales));
    }
    if (!std::isfinite(x)) return x;
    if (decimales >= 0) {
        double p = kPotencias[decimales];
        double escalado = x * p;
        // A product this large has no fraction left to round.
        if (!std::isfinite(escalado)) return x;
        return RedondearPar(escalado) / p;
    }
    double p = kPotencias[-decimales];
    return RedondearPar(x / p) * p;
}

int16_t AEntero(double x) {
    double r = RedondearPar(x);
    if (!(r >= -32768.0 && r <= 32767.0)) {
        throw ErrorDesbordamiento("Desbordamiento: el valor no cabe en un entero (" +
                                  Describir(x) + ")");
    }
    return static_cast<int16_t>(r);
}

int32_t ALargo(double x) {
    double r = RedondearPar(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
        throw ErrorDesbordamiento("Desbordamiento: el valor no cabe en un entero largo (" +
                                  Describir(x) + ")");
    }
    return static_cast<int32_t>(r);
}

float ASimple(double x) {
    // Halfway between the largest float and 2^128: from here on the nearest float is infinity.
    constexpr double kLimite = 0x1.ffffffp127;
    if (std::isfinite(x) && std::fabs(x) >= kLimite) {
        throw ErrorDesbordamiento("Desbordamiento: el valor no cabe en precisión simple (" +
                                  Describir(x) + ")");
    }
    return static_cast<float>(x);
}

}  // namespace cv
