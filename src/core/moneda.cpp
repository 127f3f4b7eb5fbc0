#include "core/moneda.h"

#include <cmath>
#include <limits>

#include "core/errores.h"
#include "core/numeros.h"

namespace cv {

namespace {

constexpr int64_t kMinimo = -std::numeric_limits<int64_t>::max();

[[noreturn]] void Desborde(const char* operacion) {
    throw ErrorDesbordamiento(std::string("Desbordamiento: ") + operacion +
                              " excede el rango de importes (±922,337,203,685,477.5807)");
}

// The range is symmetric, so the lowest int64 is never a result and negation cannot fail.
int64_t Verificar(int64_t d, const char* operacion) {
    if (d < kMinimo) Desborde(operacion);
    return d;
}

}  // namespace

Currency Currency::DesdeDoubleComprobado(double x) {
    if (std::isnan(x)) throw ErrorConversion("No se puede convertir NaN a un importe");
    double r = RedondearPar(x * static_cast<double>(kEscala));
    // 2^63 is the first double past the int64 range; every double below it converts exactly.
    constexpr double kLimite = 9223372036854775808.0;
    if (!(r > -kLimite && r < kLimite)) Desborde("el importe");
    return DesdeDiezmilesimos(static_cast<int64_t>(r));
}

Currency Currency::DesdeEntero(int64_t unidades) {
    int64_t d;
    if (__builtin_mul_overflow(unidades, kEscala, &d)) Desborde("el importe");
    return DesdeDiezmilesimos(Verificar(d, "el importe"));
}

void Currency::DesbordeSuma() { Desborde("la suma o resta"); }

Currency Currency::operator-() const {
    int64_t r;
    if (__builtin_sub_overflow(int64_t{0}, d_, &r)) Desborde("el cambio de signo");
    return DesdeDiezmilesimos(r);
}

std::string Currency::Texto() const {
    // Unsigned magnitude: also right for the lowest int64, which DesdeDiezmilesimos can hold.
    uint64_t m = d_ < 0 ? uint64_t{0} - static_cast<uint64_t>(d_) : static_cast<uint64_t>(d_);
    std::string s = d_ < 0 ? "-" : "";
    s += std::to_string(m / kEscala);
    uint64_t fraccion = m % kEscala;
    if (fraccion != 0) {
        std::string f = std::to_string(fraccion + kEscala).substr(1);  // four digits, zero padded
        f.erase(f.find_last_not_of('0') + 1);
        s += '.';
        s += f;
    }
    return s;
}

}  // namespace cv
