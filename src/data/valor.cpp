#include "data/valor.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "core/formato.h"
#include "data/errores.h"

namespace cv::datos {

namespace {

// A text that is wholly a number (blanks around it allowed), read exactly.
std::optional<double> NumeroDeTexto(const std::string& s) {
    size_t a = s.find_first_not_of(" \t");
    size_t b = s.find_last_not_of(" \t");
    if (a == std::string::npos) return std::nullopt;
    const char* ini = s.data() + a;
    const char* fin = s.data() + b + 1;
    if (*ini == '+') ++ini;
    double x = 0;
    auto [p, ec] = std::from_chars(ini, fin, x);
    if (ec != std::errc() || p != fin || !std::isfinite(x)) return std::nullopt;
    return x;
}

std::optional<double> ComoNumero(const Valor& v) {
    const auto& var = v.Variante();
    if (auto* n = std::get_if<int64_t>(&var)) return static_cast<double>(*n);
    if (auto* x = std::get_if<double>(&var)) return *x;
    if (auto* s = std::get_if<std::string>(&var)) return NumeroDeTexto(*s);
    return std::nullopt;
}

}  // namespace

double Valor::ComoDouble() const {
    if (auto x = ComoNumero(*this)) return *x;
    if (EsNulo()) throw ErrorCatalogo("el campo está vacío");
    throw ErrorCatalogo("el valor \"" + std::get<std::string>(v_) + "\" no es un número");
}

std::string Valor::ComoTexto() const {
    if (auto* n = std::get_if<int64_t>(&v_)) return std::to_string(*n);
    if (auto* x = std::get_if<double>(&v_)) return TextoNumero(*x);
    if (auto* s = std::get_if<std::string>(&v_)) return *s;
    return {};
}

int Valor::Comparar(const Valor& otro) const {
    if (EsNulo() || otro.EsNulo()) return kIncomparable;
    if (EsTexto() && otro.EsTexto()) {
        int c = std::get<std::string>(v_).compare(std::get<std::string>(otro.v_));
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    if (EsEntero() && otro.EsEntero()) {
        int64_t a = std::get<int64_t>(v_), b = std::get<int64_t>(otro.v_);
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    auto a = ComoNumero(*this);
    auto b = ComoNumero(otro);
    if (!a || !b) return kIncomparable;
    return *a < *b ? -1 : (*a > *b ? 1 : 0);
}

}  // namespace cv::datos
