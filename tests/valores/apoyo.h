#pragma once
// Helpers of the values tests: a tolerant comparison, reserves written prospectively straight
// from a mortality table, riders with their own ages and flags, and quote runs.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogo_prueba.h"

namespace valores {

using prueba::CatalogoPrueba;
using prueba::Constante;
using prueba::Producto;

// Relative agreement to 1e-9; absolute 1e-9 near zero.
::testing::AssertionResult Cerca(const char* ea, const char* eb, double a, double b);
#define EXPECT_CERCA(a, b) EXPECT_PRED_FORMAT2(::valores::Cerca, a, b)

// A growth factor by policy year; Nulo is no growth.
using Factor = std::function<double(int)>;
inline double Nulo(int) { return 0; }
// (min(t, h) − 1)·g in single precision, as the engine keeps its growth factor.
Factor Crecimiento(float g, int h);

// A valuation basis: q per unit by age and an interest rate held in single precision.
struct Base {
    std::array<double, 100> q{};
    double i = 0;       // 1 + i formed in double from the single-precision rate
    double idelta = 0;  // i/δ with δ in single precision
    Base(const std::array<double, 100>& q, float tasa);
    double v(int k) const;
    // Probability that a life aged a survives t years.
    double Sobrevive(int a, int t) const;
};

std::array<double, 100> QMuestra(int fila);                             // a row of the sample database
std::array<double, 100> QDe(const std::function<double(int)>& porMil);  // per 1000 by age

// At the end of year k of a plan issued at age x for n years, per 1000: the value of the death
// benefits of years k+1..n (benefit of year t: 1000·(1 + f(t)), paid at once: factor i/δ) plus,
// when e = 1, the endowment 1000·(1 + f(n)) at n.
double ValorBeneficios(const Base& b, int x, int n, int e, int k, const Factor& f = Nulo);
// At the end of year k, the value of a premium of 1·(1 + f(t)) due at the start of years k+1..m.
double ValorPrimas(const Base& b, int x, int m, int k, const Factor& f = Nulo);

// A rider row of "Beneficios Adicionales".
struct Beneficio {
    int id = 0;
    std::string nombre;
    int edadMaxima = 65, edadCancelacion = 70;
    int descuentosEdad = 0, incrementos = 1;
};
// The catalogue with "Beneficios Adicionales" holding exactly these riders.
std::shared_ptr<const cv::CatalogoMotor> MotorCon(const CatalogoPrueba& c, const std::vector<Beneficio>& beneficios);

// Per 1000 at age a: a mortality rising with age.
double PorMil(int a, double pendiente = 0.002);
// A product of every surrender method, id 100 + method, on that mortality (row 2 for both
// tables), premium method 1 without loadings or commissions.
CatalogoPrueba CatalogoMetodos(float tecnicaPct = 5, float reservasPct = 5, int anosCrecimiento = 0,
                               double pendiente = 0.002);
std::string ProductoDelMetodo(int metodo);
// A one-line quote of that product (the window shows it).
cv::EntradaCalculo UnaLinea(int metodo, int seguro, int pago, bool dotal = false, float incrementoPct = 0);

// A line in years that takes a share of the global sum; `dotal` is the endowment flag.
cv::LineaCotizacion Linea(const std::string& producto, int seguro, int pago, float participacionPct = 100,
                          float incrementoPct = 0, bool dotal = false);

// A run of CalcularCotizacion; the state is kept by the engine object.
struct Corrida {
    explicit Corrida(std::shared_ptr<const cv::CatalogoMotor> cat) : calc(std::move(cat)) {}
    const cv::EstadoMotor& operator()(const cv::EntradaCalculo& e) {
        ultima = calc.CalcularCotizacion(e);
        return calc.Estado();
    }
    cv::Calculo calc;
    cv::ResultadoCalculo ultima;
};

// Engine state of a one-line quote up to the line's premium (parameters, discount, rating age,
// terms, mortality, premium), as the driver leaves it before the line's values.
void PrepararLinea(cv::Calculo& c, const cv::EntradaCalculo& e);

}  // namespace valores
