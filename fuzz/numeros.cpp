// Typed numbers and the number formats: the numeric value of any text, the checks and
// conversions, and any pattern applied to any value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/errores.h"
#include "core/formato.h"
#include "core/moneda.h"
#include "core/numeros.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string texto(reinterpret_cast<const char*>(datos), n);
    double valor = 0;
    try {
        valor = cv::ValorNumerico(texto);
        if (std::isnan(valor)) __builtin_trap();
    } catch (const cv::ErrorDesbordamiento&) {
    }
    // A text the checks call numeric always has a value.
    if (cv::EsNumerico(texto)) {
        try {
            (void)cv::ValorNumerico(texto);
        } catch (const cv::ErrorDesbordamiento&) {
        }
    }
    (void)cv::ValorNumericoSeguro(texto, 0);
    try {
        (void)cv::LeerImporte(texto);
        (void)cv::LeerImporteMoneda(texto);
    } catch (const cv::ErrorDesbordamiento&) {
    }
    for (auto conversion : {+[](double x) { (void)cv::AEntero(x); }, +[](double x) { (void)cv::ALargo(x); },
                            +[](double x) { (void)cv::ASimple(x); }, +[](double x) { (void)cv::Currency::DesdeDouble(x); }}) {
        try {
            conversion(valor);
        } catch (const cv::ErrorDesbordamiento&) {
        }
    }
    // The first eight bytes as a double, the rest as a pattern.
    if (n >= 8) {
        double x;
        std::memcpy(&x, datos, 8);
        const std::string patron(reinterpret_cast<const char*>(datos) + 8, n - 8);
        try {
            (void)cv::Formatear(x, patron);
        } catch (const cv::ErrorConversion&) {
        }
        // An amount as the windows print it reads back as itself, to the cent (the legacy
        // rounding first takes the value to 15 significant digits, so allow that step too).
        if (std::isfinite(x) && std::fabs(x) < 1e12) {
            const std::optional<double> leido = cv::LeerImporte(cv::Formatear(x, cv::kF1));
            if (!leido || std::fabs(*leido - x) > 0.005 + std::fabs(x) * 1e-14) __builtin_trap();
        }
        try {
            (void)cv::TextoNumero(x);
            (void)cv::RedondearDecimales(x, static_cast<int>(datos[0] % 50) - 25);
        } catch (const cv::ErrorConversion&) {
        }
        try {
            (void)cv::Formatear(cv::Currency::DesdeDouble(x), patron);
        } catch (const cv::ErrorConversion&) {
        } catch (const cv::ErrorDesbordamiento&) {
        }
    }
    return 0;
}
