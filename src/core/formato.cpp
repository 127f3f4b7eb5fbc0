#include "core/formato.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/errores.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv {

namespace {

bool EsMarcador(char c) { return c == '#' || c == '0'; }

struct Patron {
    int minEnteros = 0;
    int decimales = 0;
    bool agrupar = false;
    std::string_view sufijo;
};

[[noreturn]] void PatronInvalido(std::string_view patron) {
    throw ErrorConversion("Formato numérico no válido: \"" + std::string(patron) + "\"");
}

Patron Analizar(std::string_view patron) {
    Patron p;
    size_t i = 0;
    int marcadores = 0;
    for (; i < patron.size(); ++i) {
        char c = patron[i];
        if (EsMarcador(c)) {
            ++marcadores;
            if (c == '0') ++p.minEnteros;
        } else if (c == ',') {
            if (i == 0 || !EsMarcador(patron[i - 1]) || i + 1 >= patron.size() ||
                !EsMarcador(patron[i + 1])) {
                PatronInvalido(patron);
            }
            p.agrupar = true;
        } else {
            break;
        }
    }
    if (i < patron.size() && patron[i] == '.') {
        for (++i; i < patron.size() && EsMarcador(patron[i]); ++i) ++p.decimales;
        if (p.decimales == 0) PatronInvalido(patron);
        marcadores += p.decimales;
    }
    if (marcadores == 0) PatronInvalido(patron);
    p.sufijo = patron.substr(i);
    // A placeholder or separator after the number is a mistyped pattern, not literal text.
    if (p.sufijo.find_first_of("#0") != std::string_view::npos ||
        (!p.sufijo.empty() && (p.sufijo[0] == '.' || p.sufijo[0] == ','))) {
        PatronInvalido(patron);
    }
    return p;
}

// The value is 0.<digitos> x 10^punto: the first `punto` digits are the integer part.
std::string Componer(bool negativo, std::string digitos, int punto, const Patron& p) {
    size_t primero = digitos.find_first_not_of('0');
    if (primero == std::string::npos) {
        digitos.clear();
    } else {
        digitos.erase(0, primero);
        punto -= static_cast<int>(primero);
    }

    // Half away from zero on the decimal digits: only the first dropped digit decides.
    long conservar = static_cast<long>(punto) + p.decimales;
    if (conservar < static_cast<long>(digitos.size())) {
        if (conservar < 0) {
            digitos.clear();
        } else {
            bool subir = digitos[conservar] >= '5';
            digitos.resize(conservar);
            if (subir) {
                size_t k = digitos.size();
                while (k > 0 && digitos[k - 1] == '9') digitos[--k] = '0';
                if (k == 0) {
                    digitos.insert(digitos.begin(), '1');
                    ++punto;
                } else {
                    ++digitos[k - 1];
                }
            }
        }
    }
    bool cero = digitos.find_first_not_of('0') == std::string::npos;

    std::string entero;
    if (!cero && punto > 0) {
        for (int k = 0; k < punto; ++k) {
            entero += k < static_cast<int>(digitos.size()) ? digitos[k] : '0';
        }
    }
    if (static_cast<int>(entero.size()) < p.minEnteros) {
        entero.insert(0, p.minEnteros - entero.size(), '0');
    }
    if (p.agrupar) {
        for (int k = static_cast<int>(entero.size()) - 3; k > 0; k -= 3) entero.insert(k, 1, ',');
    }

    std::string r;
    if (negativo && !cero) r += '-';
    r += entero;
    if (p.decimales > 0) {
        r += '.';
        for (int k = 0; k < p.decimales; ++k) {
            long idx = static_cast<long>(punto) + k;
            r += !cero && idx >= 0 && idx < static_cast<long>(digitos.size()) ? digitos[idx] : '0';
        }
    }
    r += p.sufijo;
    return r;
}

// The 15 significant digits of |x| (finite) and its decimal exponent: |x| ~ d.dddd x 10^exp.
void Digitos15(double x, std::string& digitos, int& exponente) {
    char buf[40];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    std::string_view s(buf, res.ptr - buf);  // "d.dddddddddddddde+XX", independent of locale
    size_t e = s.find('e');
    digitos.assign(1, s[0]);
    digitos.append(s.substr(2, e - 2));
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exponente);
}

void ExigirFinito(double x) {
    if (!std::isfinite(x)) throw ErrorConversion("No se puede dar formato a un valor no finito");
}

}  // namespace

std::string Formatear(double valor, std::string_view patron) {
    Patron p = Analizar(patron);
    ExigirFinito(valor);
    std::string digitos;
    int exponente = 0;
    Digitos15(valor, digitos, exponente);
    return Componer(std::signbit(valor), digitos, exponente + 1, p);
}

std::string Formatear(Currency valor, std::string_view patron) {
    Patron p = Analizar(patron);
    int64_t d = valor.Diezmilesimos();
    uint64_t m = d < 0 ? uint64_t{0} - static_cast<uint64_t>(d) : static_cast<uint64_t>(d);
    std::string digitos = std::to_string(m);
    return Componer(d < 0, digitos, static_cast<int>(digitos.size()) - 4, p);
}

std::string TextoNumero(double valor) {
    ExigirFinito(valor);
    if (valor == 0.0) return "0";
    std::string digitos;
    int exponente = 0;
    Digitos15(valor, digitos, exponente);
    digitos.erase(digitos.find_last_not_of('0') + 1);

    std::string r = valor < 0 ? "-" : "";
    if (exponente >= 15 || exponente < -4) {
        r += digitos[0];
        if (digitos.size() > 1) {
            r += '.';
            r.append(digitos, 1);
        }
        r += exponente < 0 ? "E-" : "E+";
        int a = exponente < 0 ? -exponente : exponente;
        if (a < 10) r += '0';
        r += std::to_string(a);
    } else if (exponente < 0) {
        r += "0.";
        r.append(-exponente - 1, '0');
        r += digitos;
    } else {
        size_t enteros = static_cast<size_t>(exponente) + 1;
        if (digitos.size() <= enteros) {
            r += digitos;
            r.append(enteros - digitos.size(), '0');
        } else {
            r.append(digitos, 0, enteros);
            r += '.';
            r.append(digitos, enteros);
        }
    }
    return r;
}

namespace {

// The amount without blanks and commas ("-1500000.50"), or nothing when it is not an amount.
std::optional<std::string> Limpiar(std::string_view texto) {
    std::string s = Recortar(texto);
    // EsNumerico also takes a "+" sign and exponents, which a formatted amount never has.
    if (s.find_first_of("+eEdD") != std::string::npos || !EsNumerico(s)) return std::nullopt;
    std::string limpio;
    for (char c : s) {
        if (c != ',') limpio += c;
    }
    return limpio;
}

}  // namespace

std::optional<double> LeerImporte(std::string_view texto) {
    auto limpio = Limpiar(texto);
    if (!limpio) return std::nullopt;
    return ValorNumerico(*limpio);
}

std::optional<Currency> LeerImporteMoneda(std::string_view texto) {
    auto limpio = Limpiar(texto);
    if (!limpio) return std::nullopt;
    std::string_view s = *limpio;
    bool negativo = !s.empty() && s[0] == '-';
    if (negativo) s.remove_prefix(1);
    size_t punto = s.find('.');
    std::string_view entero = s.substr(0, punto);
    std::string_view fraccion = punto == std::string_view::npos ? "" : s.substr(punto + 1);

    // Exact ten-thousandths from the decimal digits; doubles would misplace halves.
    auto desborde = [&] {
        throw ErrorDesbordamiento("Desbordamiento: el importe \"" + std::string(texto) +
                                  "\" excede el rango de importes");
    };
    int64_t d = 0;
    for (char c : entero) {
        if (__builtin_mul_overflow(d, int64_t{10}, &d) ||
            __builtin_add_overflow(d, int64_t{c - '0'}, &d)) {
            desborde();
        }
    }
    if (__builtin_mul_overflow(d, Currency::kEscala, &d)) desborde();
    int64_t f = 0;
    for (size_t k = 0; k < 4; ++k) f = f * 10 + (k < fraccion.size() ? fraccion[k] - '0' : 0);
    if (__builtin_add_overflow(d, f, &d)) desborde();
    if (fraccion.size() > 4) {
        char siguiente = fraccion[4];
        bool restoCero = fraccion.find_first_not_of('0', 5) == std::string_view::npos;
        bool subir = siguiente > '5' || (siguiente == '5' && (!restoCero || d % 2 != 0));
        if (subir && __builtin_add_overflow(d, int64_t{1}, &d)) desborde();
    }
    // d is at most the int64 maximum, so the negation always fits the symmetric range.
    return negativo ? -Currency::DesdeDiezmilesimos(d) : Currency::DesdeDiezmilesimos(d);
}

}  // namespace cv
