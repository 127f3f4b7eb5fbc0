#pragma once
// Independent actuarial formulation for the checks: commutation columns D, N, S, C, M, R of a
// mortality table at one interest rate, and the values of level and increasing benefits and
// annuities written in them. Growth of the benefit in policy year k:
//   f(k) = f0 before year max(b, 1); (k - b)·g from there to year c; (c - b)·g afterwards.
#include <algorithm>
#include <array>
#include <cmath>
#include <iomanip>

#include <gtest/gtest.h>

namespace prueba {

// The rate a value function is given is single precision; 1 + i is formed in double from it.
inline double UnoMas(float i) { return 1.0 + static_cast<double>(i); }
// i/δ with the force of interest in single precision.
inline double IDelta(float i) {
    const float delta = static_cast<float>(std::log(UnoMas(i)));
    return static_cast<double>(i) / static_cast<double>(delta);
}

class Conmutacion {
public:
    // q by age 0..99, per unit.
    Conmutacion(const std::array<double, 100>& q, float i) {
        std::array<double, 101> l{};
        l[0] = 100000;
        for (int y = 0; y < 100; ++y) l[y + 1] = l[y] * (1 - q[y]);
        for (int y = 0; y <= 100; ++y) D_[y] = std::pow(UnoMas(i), -y) * l[y];
        for (int y = 0; y < 100; ++y) C_[y] = std::pow(UnoMas(i), -(y + 1)) * (l[y] - l[y + 1]);
        for (int y = 100; y >= 0; --y) {
            N_[y] = D_[y] + N_[y + 1];
            M_[y] = C_[y] + M_[y + 1];
        }
        for (int y = 100; y >= 0; --y) {
            S_[y] = N_[y] + S_[y + 1];
            R_[y] = M_[y] + R_[y + 1];
        }
    }

    double D(int y) const { return D_[y]; }

    // Annuity-due over m years with growth f(k): Σ D(x+k-1)·(1 + f(k)) / D(x).
    double Anualidad(int x, int m, int b = 0, int c = 0, double g = 0, double f0 = 0) const {
        return (Tramos(N_, S_, x, m, b, c, g, f0)) / D_[x];
    }
    // Death benefit at the end of the year of death over n years: Σ C(x+k-1)·(1 + f(k)) / D(x).
    double Seguro(int x, int n, int b = 0, int c = 0, double g = 0, double f0 = 0) const {
        return (Tramos(M_, R_, x, n, b, c, g, f0)) / D_[x];
    }
    double Dotal(int x, int n) const { return D_[x + n] / D_[x]; }

    double C(int y) const { return C_[y]; }

    // The same sums year by year, for a growth factor given by a function of the year.
    template <typename F>
    double AnualidadPorAno(int x, int m, F f) const {
        double s = 0;
        for (int k = 1; k <= m; ++k) s += D_[x + k - 1] * (1 + f(k));
        return s / D_[x];
    }
    template <typename F>
    double SeguroPorAno(int x, int n, F f) const {
        double s = 0;
        for (int k = 1; k <= n; ++k) s += C_[x + k - 1] * (1 + f(k));
        return s / D_[x];
    }

    // f(n) for a window b..c over n years.
    static double FactorFinal(int n, int b, int c, double g, double f0) {
        const int k1 = std::max(b, 1);
        if (k1 > c || n < k1) return f0;
        return (std::min(c, n) - b) * g;
    }

private:
    // Σ over k = 1..t of column(x+k-1)·(1 + f(k)), from the column (N or M) and its sum (S or R).
    template <typename A>
    static double Tramos(const A& col, const A& suma, int x, int t, int b, int c, double g, double f0) {
        auto total = [&](int a, int z) { return a > z ? 0.0 : col[x + a - 1] - col[x + z]; };
        auto creciente = [&](int a, int z) {  // Σ (k - a)·column(x+k-1), k = a..z
            return a > z ? 0.0 : (suma[x + a] - suma[x + z]) - (z - a) * col[x + z];
        };
        double r = total(1, t);
        const int k1 = std::max(b, 1);
        if (k1 > c) return r + f0 * total(1, t);
        const int k2 = std::min(c, t);
        r += f0 * total(1, std::min(k1 - 1, t));
        r += g * (creciente(k1, k2) + (k1 - b) * total(k1, k2));
        r += (c - b) * g * total(c + 1, t);
        return r;
    }

    std::array<double, 103> D_{}, N_{}, S_{}, C_{}, M_{}, R_{};
};

// Relative agreement to 1e-9 (absolute below 1e-12).
inline ::testing::AssertionResult Relativo(const char* ea, const char* eb, double a, double b) {
    const double tol = std::max(1e-9 * std::fabs(b), 1e-12);
    if (std::fabs(a - b) <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ea << " = " << std::setprecision(17) << a << " y " << eb << " = " << b
                                         << " difieren en " << std::fabs(a - b) / std::max(std::fabs(b), 1e-300)
                                         << " relativo";
}
#define EXPECT_REL(a, b) EXPECT_PRED_FORMAT2(::prueba::Relativo, a, b)

}  // namespace prueba
