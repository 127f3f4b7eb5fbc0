#pragma once
// Currency: 64-bit fixed point money with four decimals (ten-thousandths).
// Conversions from double round half to even; arithmetic never wraps silently.
// The range is ±922,337,203,685,477.5807 (symmetric: the lowest int64 is not an amount, so
// a negation never fails); every checked operation throws ErrorDesbordamiento beyond it.
#include <cmath>
#include <compare>
#include <cstdint>
#include <string>

namespace cv {

class Currency {
public:
    static constexpr int64_t kEscala = 10000;

    constexpr Currency() = default;

    // Exact construction from ten-thousandths (unchecked).
    static constexpr Currency DesdeDiezmilesimos(int64_t d) { Currency c; c.d_ = d; return c; }
    // Rounds x * 10000 (the product taken in double: 0.00015 gives 1, not 2) to the nearest
    // integer, halves to even. Throws ErrorDesbordamiento when the amount does not fit,
    // ErrorConversion for NaN.
    static Currency DesdeDouble(double x) {
        // Common amounts take one conversion instruction: llrint rounds by the default mode,
        // to nearest with ties to even, which is the rule. Others go the checked way.
        const double r = x * static_cast<double>(kEscala);
        if (r > -4.5e15 && r < 4.5e15) return DesdeDiezmilesimos(std::llrint(r));
        return DesdeDoubleComprobado(x);
    }
    static Currency DesdeEntero(int64_t unidades);  // throws ErrorDesbordamiento

    constexpr int64_t Diezmilesimos() const { return d_; }
    double ComoDouble() const { return static_cast<double>(d_) / kEscala; }

    // Checked arithmetic (ErrorDesbordamiento on overflow).
    Currency operator+(Currency o) const {
        int64_t r;
        if (__builtin_add_overflow(d_, o.d_, &r) || r == INT64_MIN) DesbordeSuma();
        return DesdeDiezmilesimos(r);
    }
    Currency operator-(Currency o) const {
        int64_t r;
        if (__builtin_sub_overflow(d_, o.d_, &r) || r == INT64_MIN) DesbordeSuma();
        return DesdeDiezmilesimos(r);
    }
    Currency operator-() const;
    Currency& operator+=(Currency o) { return *this = *this + o; }
    Currency& operator-=(Currency o) { return *this = *this - o; }
    // Mixed arithmetic with doubles yields doubles, as money times a rate is not money yet.
    double operator*(double f) const { return ComoDouble() * f; }
    double operator/(double f) const { return ComoDouble() / f; }

    constexpr auto operator<=>(const Currency&) const = default;
    constexpr bool operator==(const Currency&) const = default;

    // Plain decimal text with the four decimals trimmed of trailing zeros: "1500000.5", "-0.0001", "0".
    std::string Texto() const;

private:
    static Currency DesdeDoubleComprobado(double x);
    [[noreturn]] static void DesbordeSuma();
    int64_t d_ = 0;
};

}  // namespace cv
