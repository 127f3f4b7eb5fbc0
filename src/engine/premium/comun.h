#pragma once
// Conversions shared by the engine steps: catalogue values to the engine's types, with the
// Spanish message that names what is wrong. The message is only built when it is needed: a
// `que` is either a text or a callable that returns it.
#include <cmath>
#include <string>
#include <type_traits>

#include "core/moneda.h"
#include "core/numeros.h"
#include "data/errores.h"
#include "data/valor.h"
#include "engine/errores.h"

namespace cv::motor {

template <typename Que>
std::string Texto(Que&& que) {
    if constexpr (std::is_invocable_v<Que>)
        return que();
    else
        return std::string(que);
}

template <typename Que>
double Numero(const datos::Valor& v, Que&& que) {
    try {
        return v.ComoDouble();
    } catch (const datos::ErrorCatalogo&) {
        throw ErrorCalculo("El valor de " + Texto(que) + " no es numérico (\"" + v.ComoTexto() + "\").");
    }
}

template <typename Que>
int16_t Entero(double x, Que&& que) {
    try {
        return AEntero(x);
    } catch (const std::exception&) {
        throw ErrorCalculo("El valor de " + Texto(que) + " no cabe en un número entero.");
    }
}

template <typename Que>
int16_t Entero(const datos::Valor& v, Que&& que) {
    return Entero(Numero(v, que), que);
}

template <typename Que>
[[gnu::noinline]] Currency MonedaComprobada(double x, Que&& que) {
    try {
        return Currency::DesdeDouble(x);
    } catch (const std::exception&) {
        std::string cual = Texto(que);
        // "de el fondo" is written "del fondo".
        cual = cual.rfind("el ", 0) == 0 ? "del " + cual.substr(3) : "de " + cual;
        throw ErrorCalculo("El importe " + cual + " no es válido o es demasiado grande.");
    }
}

// Common amounts take the conversion inline, as Currency::DesdeDouble does them; the others
// (and NaN, which fails both tests) go the checked way.
template <typename Que>
inline Currency Moneda(double x, Que&& que) {
    const double r = x * static_cast<double>(Currency::kEscala);
    if (r > -4.5e15 && r < 4.5e15) [[likely]]
        return Currency::DesdeDiezmilesimos(std::llrint(r));
    return MonedaComprobada(x, que);
}

inline float Simple(double x) { return static_cast<float>(x); }

// A quotient the formulas need; a zero divisor or a non-finite result abandons the calculation.
inline double Dividir(double a, double b, const char* que) {
    double r = a / b;
    if (b == 0 || !std::isfinite(r)) throw ErrorCalculo(std::string("No se puede calcular ") + que + ": división entre cero.");
    return r;
}

}  // namespace cv::motor
