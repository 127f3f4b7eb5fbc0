#pragma once
// Conversions shared by the engine steps: catalogue values to the engine's types, with the
// Spanish message that names what is wrong.
#include <cmath>
#include <string>

#include "core/moneda.h"
#include "core/numeros.h"
#include "data/errores.h"
#include "data/valor.h"
#include "engine/errores.h"

namespace cv::motor {

inline double Numero(const datos::Valor& v, const std::string& que) {
    try {
        return v.ComoDouble();
    } catch (const datos::ErrorCatalogo&) {
        throw ErrorCalculo("El valor de " + que + " no es numérico (\"" + v.ComoTexto() + "\").");
    }
}

// The same without building the message unless it is needed: for the loops over ages.
template <typename Que>
inline double NumeroEn(const datos::Valor& v, Que&& que) {
    try {
        return v.ComoDouble();
    } catch (const datos::ErrorCatalogo&) {
        throw ErrorCalculo("El valor de " + que() + " no es numérico (\"" + v.ComoTexto() + "\").");
    }
}

inline int16_t Entero(double x, const std::string& que) {
    try {
        return AEntero(x);
    } catch (const std::exception&) {
        throw ErrorCalculo("El valor de " + que + " no cabe en un número entero.");
    }
}

inline int16_t Entero(const datos::Valor& v, const std::string& que) { return Entero(Numero(v, que), que); }

inline Currency Moneda(double x, const std::string& que) {
    try {
        return Currency::DesdeDouble(x);
    } catch (const std::exception&) {
        throw ErrorCalculo("El importe de " + que + " no es válido o es demasiado grande.");
    }
}

inline float Simple(double x) { return static_cast<float>(x); }

// A quotient the formulas need; a zero or non-finite result abandons the calculation.
inline double Dividir(double a, double b, const std::string& que) {
    double r = a / b;
    if (b == 0 || !std::isfinite(r)) throw ErrorCalculo("No se puede calcular " + que + ": división entre cero.");
    return r;
}

}  // namespace cv::motor
