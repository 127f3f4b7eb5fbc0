// The actuarial value functions against commutation columns built straight from the mortality
// tables of the sample catalogue, and their edge cases.
#include <gtest/gtest.h>

#include <cmath>

#include "catalogo_prueba.h"
#include "referencia.h"

namespace prueba {
namespace {

std::array<double, 100> QDeTabla(int no, double factor = 1) {
    const cv::FilaPorEdad* f = MotorMuestra()->Mortalidad(Valor(no));
    std::array<double, 100> q{};
    for (int a = 0; a < 100; ++a) q[a] = std::min(1.0, f->edad[a].ComoDouble() * factor / 1000);
    return q;
}

class FuncionesValor : public ::testing::Test {
protected:
    // Premium table in column 1, surrender table in column 2, as the line's product names them.
    void Cargar(int prima, int rescate, float factor = 1) {
        est.FactorExtraprimaMedica = factor;
        est.TablaMortalidadPrima = std::to_string(prima);
        est.TablaMortalidadRescate = std::to_string(rescate);
        calc.CargarTablasMortalidad();
        tablas = {prima, rescate};
    }
    Conmutacion Columnas(int col, float i) const { return Conmutacion(QDeTabla(col == 1 ? tablas[0] : tablas[1]), i); }

    cv::Calculo calc{MotorMuestra()};
    cv::EstadoMotor& est = calc.Estado();
    std::array<int, 2> tablas{};
};

struct CasoAnualidad {
    int prima, rescate, col, x, n;
    float i, g;
    int h;
};

TEST_F(FuncionesValor, AnualidadCrecienteSegunConmutados) {
    const CasoAnualidad casos[] = {
        {15, 8, 1, 35, 20, 0.055f, 0, 0},         // level
        {15, 8, 1, 35, 20, 0.055f, 0.0625f, 20},  // growing every year
        {15, 8, 2, 50, 30, 0.04f, 0.03125f, 10},  // growing 10 years, then level
        {4, 5, 1, 60, 39, 0.03f, 0.0625f, 50},    // window longer than the term
        {4, 5, 2, 1, 99, 0.045f, 0.125f, 5},      // to the end of the table
        {4, 5, 1, 20, 1, 0.07f, 0.0625f, 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "tabla " << (c.col == 1 ? c.prima : c.rescate) << " x " << c.x << " n "
                                          << c.n << " i " << c.i << " g " << c.g << " h " << c.h);
        Cargar(c.prima, c.rescate);
        est.FactorCrecimiento = 0;
        const Conmutacion z = Columnas(c.col, c.i);
        EXPECT_REL(calc.AnualidadCreciente(c.x, c.n, c.i, c.g, c.h, c.col), z.Anualidad(c.x, c.n, 1, c.h, c.g));
        EXPECT_DOUBLE_EQ(est.FactorCrecimiento, Conmutacion::FactorFinal(c.n, 1, c.h, c.g, 0));
        EXPECT_EQ(est.Sobrevivencia[0], 1.0);
        EXPECT_EQ(est.Descuento[0], 1.0);
        EXPECT_REL(est.Sobrevivencia[c.n], z.Dotal(c.x, c.n) * std::pow(UnoMas(c.i), c.n));
        EXPECT_DOUBLE_EQ(est.Descuento[c.n], std::pow(UnoMas(c.i), -c.n));
    }
}

struct CasoPrima {
    int prima, rescate, col, x, n, m, e;
    float i, g;
    int b, c;
};

const CasoPrima kCasosPrima[] = {
    {15, 8, 1, 35, 20, 20, 0, 0.055f, 0, 0, 0},          // level term
    {15, 8, 1, 35, 20, 20, 1, 0.055f, 0, 0, 0},          // level endowment
    {15, 8, 1, 40, 25, 10, 1, 0.055f, 0.0625f, 1, 21},   // growth years 1..21, premiums 10 years
    {15, 8, 2, 30, 30, 20, 0, 0.045f, 0.03125f, 1, 10},  // surrender table
    {4, 5, 1, 45, 54, 54, 1, 0.045f, 0, 0, 0},           // whole life to 99
    {4, 5, 2, 1, 99, 99, 1, 0.03f, 0, 0, 0},             // the whole table
    {4, 5, 1, 50, 15, 15, 0, 0.04f, 0.125f, 3, 7},       // a window inside the term
    {5, 8, 1, 25, 40, 20, 1, 0.07f, 0.0625f, 0, 12},     // window from year 0: k·g
    {5, 8, 1, 60, 10, 10, 1, 0.04f, 0.0625f, 1, 30},     // window beyond the term
};

TEST_F(FuncionesValor, PrimaNetaNiveladaSegunConmutados) {
    for (const auto& c : kCasosPrima) {
        SCOPED_TRACE(::testing::Message() << "tabla " << (c.col == 1 ? c.prima : c.rescate) << " x " << c.x << " n "
                                          << c.n << " m " << c.m << " e " << c.e << " i " << c.i << " g " << c.g
                                          << " b " << c.b << " c " << c.c);
        Cargar(c.prima, c.rescate);
        est.FactorCrecimiento = 0;
        const Conmutacion z = Columnas(c.col, c.i);
        const double seguro = z.Seguro(c.x, c.n, c.b, c.c, c.g);
        const double dotal = z.Dotal(c.x, c.n) * (1 + Conmutacion::FactorFinal(c.n, c.b, c.c, c.g, 0));
        const double anualidad = z.Anualidad(c.x, c.m, c.b, c.c, c.g);
        const double esperado = (IDelta(c.i) * seguro * 1000 + c.e * dotal * 1000) / anualidad;

        EXPECT_REL(calc.PrimaNetaNivelada(c.x, c.n, c.m, c.e, c.i, c.g, c.b, c.c, c.col), esperado);
        EXPECT_REL(est.ValorSeguro, seguro);
        EXPECT_REL(est.ValorDotal, dotal);
        EXPECT_REL(est.ValorAnualidad, anualidad);
        EXPECT_DOUBLE_EQ(est.FactorCrecimiento, Conmutacion::FactorFinal(c.n, c.b, c.c, c.g, 0));
        if (c.e == 1) {
            EXPECT_EQ(est.DotalMil, std::nearbyint(dotal * 1000 / anualidad));
        }
    }
}

TEST_F(FuncionesValor, PrimaNetaDiscretaSegunConmutados) {
    for (const auto& c : kCasosPrima) {
        SCOPED_TRACE(::testing::Message() << "tabla " << (c.col == 1 ? c.prima : c.rescate) << " x " << c.x << " n "
                                          << c.n << " m " << c.m << " e " << c.e << " i " << c.i << " g " << c.g
                                          << " b " << c.b << " c " << c.c);
        Cargar(c.prima, c.rescate);
        est.FactorCrecimiento = 0;
        const Conmutacion z = Columnas(c.col, c.i);
        const double seguro = z.Seguro(c.x, c.n, c.b, c.c, c.g);
        const double dotal = z.Dotal(c.x, c.n) * (1 + Conmutacion::FactorFinal(c.n, c.b, c.c, c.g, 0));
        const double anualidad = z.Anualidad(c.x, c.m, c.b, c.c, c.g);

        EXPECT_REL(calc.PrimaNetaDiscreta(c.x, c.n, c.m, c.e, c.i, c.g, c.b, c.c, c.col),
                   (seguro * 1000 + c.e * dotal * 1000) / anualidad);
        EXPECT_REL(est.ValorDotal, dotal);
        EXPECT_REL(est.ValorAnualidad, anualidad);
    }
}

struct CasoUnica {
    int prima, rescate, col, x, n;
    float i, g;
    int16_t s;
};

TEST_F(FuncionesValor, PrimaUnicaCrecienteSegunConmutados) {
    const CasoUnica casos[] = {
        {15, 8, 1, 35, 20, 0.055f, 0, 0},   {15, 8, 1, 35, 20, 0.055f, 0, 1},      {15, 8, 2, 40, 25, 0.045f, 0.0625f, 0},
        {4, 5, 1, 60, 39, 0.04f, 0.125f, 1}, {5, 8, 1, 1, 99, 0.03f, 0.03125f, 1}, {5, 8, 2, 70, 1, 0.07f, 0.0625f, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "tabla " << (c.col == 1 ? c.prima : c.rescate) << " x " << c.x << " n "
                                          << c.n << " i " << c.i << " g " << c.g << " s " << c.s);
        Cargar(c.prima, c.rescate);
        est.FactorCrecimiento = 0.5f;  // not read: the growth is set in every year
        const Conmutacion z = Columnas(c.col, c.i);
        const double seguro = z.Seguro(c.x, c.n, 1, c.n, c.g);
        EXPECT_REL(calc.PrimaUnicaCreciente(c.x, c.n, c.i, c.g, c.s, c.col),
                   IDelta(c.i) * seguro * 1000 + c.s * z.Dotal(c.x, c.n) * 1000);
        EXPECT_REL(est.ValorSeguro, seguro);
        EXPECT_REL(est.ValorDotal, z.Dotal(c.x, c.n));  // no growth on the survival benefit
        EXPECT_DOUBLE_EQ(est.FactorCrecimiento, (c.n - 1) * static_cast<double>(c.g));
    }
}

// A growth rate that single precision does not hold exactly: the yearly factor is the
// single-precision (k - b)·g.
TEST_F(FuncionesValor, CrecimientoEnPrecisionSimple) {
    Cargar(15, 8);
    const float i = 0.055f, g = 0.05f;
    const int x = 30, n = 30, m = 20, b = 1, c = 20;
    const Conmutacion z = Columnas(1, i);
    auto f = [&](int k) {
        const int j = std::min(k, c);
        return static_cast<double>(static_cast<float>((j - b) * static_cast<double>(g)));
    };
    est.FactorCrecimiento = 0;
    const double seguro = z.SeguroPorAno(x, n, f), anualidad = z.AnualidadPorAno(x, m, f);
    const double dotal = z.Dotal(x, n) * (1 + f(n));
    EXPECT_REL(calc.PrimaNetaNivelada(x, n, m, 1, i, g, b, c, 1), (IDelta(i) * seguro + dotal) * 1000 / anualidad);
    est.FactorCrecimiento = 0;
    EXPECT_REL(calc.AnualidadCreciente(x, m, i, g, c, 1), anualidad);
    EXPECT_REL(calc.PrimaUnicaCreciente(x, n, i, g, 0, 1),
               IDelta(i) * z.SeguroPorAno(x, n, [&](int k) { return static_cast<double>(static_cast<float>((k - 1) * static_cast<double>(g))); }) * 1000);
}

// The continuous-death factor is i/δ with δ in single precision, and only the level premium has it.
TEST_F(FuncionesValor, FactorDeMuerteContinua) {
    Cargar(15, 8);
    for (float i : {0.03f, 0.04f, 0.045f, 0.055f, 0.07f}) {
        SCOPED_TRACE(i);
        est.FactorCrecimiento = 0;
        const double nivelada = calc.PrimaNetaNivelada(40, 20, 20, 0, i, 0, 0, 0, 1);
        const double discreta = calc.PrimaNetaDiscreta(40, 20, 20, 0, i, 0, 0, 0, 1);
        EXPECT_NEAR(nivelada / discreta, IDelta(i), 1e-13);
        // A double-precision force would be off by more than the tolerance of the checks.
        EXPECT_GT(std::fabs(IDelta(i) - static_cast<double>(i) / std::log(UnoMas(i))), 5e-9);
    }
}

TEST_F(FuncionesValor, UnAnoTemporalEsElCostoDelAnoDescontado) {
    Cargar(15, 8);
    const auto q = QDeTabla(15);
    for (int x : {1, 40, 80, 98}) {
        SCOPED_TRACE(x);
        const float i = 0.055f;
        EXPECT_REL(calc.PrimaNetaNivelada(x, 1, 1, 0, i, 0, 0, 0, 1), IDelta(i) * q[x] / UnoMas(i) * 1000);
        EXPECT_REL(est.ValorAnualidad, 1.0);
    }
}

struct CasoSinMortalidad {
    float i;
    int n;
    int16_t dotalMil;
};

// No deaths: an endowment returns 1000·v^n / ä and its endowment part rounded half to even.
TEST_F(FuncionesValor, DotalSinMortalidad) {
    for (int a = 0; a < 100; ++a) est.P[1][a] = 1, est.Q[1][a] = 0;
    const CasoSinMortalidad casos[] = {
        {0.055f, 10, 74},  // 73.62
        {15.0f, 1, 62},    // 1000 / 16 = 62.5: to the even neighbour
        {1.0f, 1, 500},
        {0.04f, 30, 17},   // 17.14
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "i " << c.i << " n " << c.n);
        double anualidad = 0;
        for (int k = 0; k < c.n; ++k) anualidad += std::pow(UnoMas(c.i), -k);
        const double esperado = 1000 * std::pow(UnoMas(c.i), -c.n) / anualidad;
        est.FactorCrecimiento = 0;
        EXPECT_REL(calc.PrimaNetaNivelada(20, c.n, c.n, 1, c.i, 0, 0, 0, 1), esperado);
        EXPECT_EQ(est.DotalMil, c.dotalMil);
    }
}

// With no growth rate, the growth windows change nothing when the factor enters at 0.
TEST_F(FuncionesValor, SinCrecimientoLasVentanasNoCambianNada) {
    Cargar(15, 8);
    const float i = 0.055f;
    const Conmutacion z = Columnas(1, i);
    const double nivelada = (IDelta(i) * z.Seguro(40, 20) + z.Dotal(40, 20)) * 1000 / z.Anualidad(40, 15);
    const double discreta = (z.Seguro(40, 20) + z.Dotal(40, 20)) * 1000 / z.Anualidad(40, 15);
    const std::pair<int, int> ventanas[] = {{0, 0}, {1, 21}, {0, 5}, {3, 7}, {25, 30}, {1, 1}};
    for (auto [b, c] : ventanas) {
        SCOPED_TRACE(::testing::Message() << "b " << b << " c " << c);
        est.FactorCrecimiento = 0;
        EXPECT_REL(calc.PrimaNetaNivelada(40, 20, 15, 1, i, 0, b, c, 1), nivelada);
        est.FactorCrecimiento = 0;
        EXPECT_REL(calc.PrimaNetaDiscreta(40, 20, 15, 1, i, 0, b, c, 1), discreta);
        est.FactorCrecimiento = 0;
        EXPECT_REL(calc.AnualidadCreciente(40, 15, i, 0, c, 1), z.Anualidad(40, 15));
    }
}

// The growth factor is engine-wide: outside a function's window it keeps the value it entered with.
TEST_F(FuncionesValor, FactorDeCrecimientoSobreviveEntreLlamadas) {
    Cargar(15, 8);
    const float i = 0.055f, g = 0.0625f;
    const Conmutacion z = Columnas(1, i);

    est.FactorCrecimiento = 0.25f;
    EXPECT_REL(calc.AnualidadCreciente(40, 20, i, g, 0, 1), 1.25 * z.Anualidad(40, 20));
    EXPECT_EQ(est.FactorCrecimiento, 0.25f);

    // Years 1..4 carry the entry value, 5..8 grow from 0, later years keep 3·g.
    est.FactorCrecimiento = 0.25f;
    const double seguro = z.Seguro(40, 20, 5, 8, g, 0.25), anualidad = z.Anualidad(40, 20, 5, 8, g, 0.25);
    const double dotal = z.Dotal(40, 20) * (1 + 3 * g);
    EXPECT_REL(calc.PrimaNetaNivelada(40, 20, 20, 1, i, g, 5, 8, 1), (IDelta(i) * seguro + dotal) * 1000 / anualidad);
    EXPECT_EQ(est.FactorCrecimiento, 3 * g);

    // A window that starts after the term leaves the entry value in every year.
    est.FactorCrecimiento = 0.5f;
    EXPECT_REL(calc.PrimaNetaDiscreta(40, 20, 20, 0, i, g, 30, 40, 1), z.Seguro(40, 20) * 1000 / z.Anualidad(40, 20));
    EXPECT_REL(est.ValorAnualidad, 1.5 * z.Anualidad(40, 20));
    EXPECT_EQ(est.FactorCrecimiento, 0.5f);

    // The single premium leaves (n - 1)·g behind, which a level annuity then applies to every year.
    calc.PrimaUnicaCreciente(40, 10, i, g, 1, 1);
    EXPECT_REL(calc.AnualidadCreciente(40, 20, i, g, 0, 1), (1 + 9 * g) * z.Anualidad(40, 20));
}

TEST_F(FuncionesValor, DescuentoPorExponenciacion) {
    Cargar(15, 8);
    const float i = 0.055f;
    est.FactorCrecimiento = 0;
    calc.PrimaNetaNivelada(1, 99, 99, 1, i, 0, 0, 0, 1);
    for (int k = 0; k <= 99; ++k) EXPECT_EQ(est.Descuento[k], std::pow(1.0 + static_cast<double>(i), -k)) << k;
}

TEST_F(FuncionesValor, PlazoFueraDeLasTablas) {
    Cargar(15, 8);
    EXPECT_THROW(calc.PrimaNetaNivelada(60, 41, 41, 1, 0.055f, 0, 0, 0, 1), cv::ErrorCalculo);
    EXPECT_THROW(calc.AnualidadCreciente(1, 100, 0.055f, 0, 0, 1), cv::ErrorCalculo);
    EXPECT_THROW(calc.PrimaUnicaCreciente(99, 2, 0.055f, 0, 0, 1), cv::ErrorCalculo);
    EXPECT_THROW(calc.PrimaNetaDiscreta(50, 51, 51, 0, 0.055f, 0, 0, 0, 1), cv::ErrorCalculo);
    try {
        calc.PrimaNetaNivelada(60, 41, 41, 1, 0.055f, 0, 0, 0, 1);
    } catch (const cv::ErrorCalculo& e) {
        EXPECT_NE(std::string(e.what()).find("tablas"), std::string::npos) << e.what();
    }
}

TEST_F(FuncionesValor, AnualidadNulaNoDejaInfinitos) {
    Cargar(15, 8);
    EXPECT_THROW(calc.PrimaNetaNivelada(40, 10, 0, 0, 0.055f, 0, 0, 0, 1), cv::ErrorCalculo);
    EXPECT_THROW(calc.PrimaNetaDiscreta(40, 10, 0, 1, 0.055f, 0, 0, 0, 1), cv::ErrorCalculo);
    EXPECT_TRUE(std::isfinite(est.ValorSeguro) && std::isfinite(est.ValorDotal));
}

// ---- the return-of-premium plan ----

struct CasoDevolucion {
    int x, n, m;
    float iDada, factor;
    int plazoPago;
};

class Devolucion : public ::testing::Test {
protected:
    Devolucion() {
        cv::EntradaCalculo e;
        e.txtProducto = "16";
        calc.Entrada() = e;
        // Commissions as the product's 10-year schedule, later years marked so that a read past 15 shows.
        est.Comision[1] = 0.25f;
        est.Comision[2] = 0.10f;
        for (int k = 3; k <= 15; ++k) est.Comision[k] = 0.05f;
        for (int k = 16; k <= 30; ++k) est.Comision[k] = 0.9f;
        est.Descuento[0] = 1;  // as every step before it leaves it
    }
    cv::Calculo calc{MotorMuestra()};
    cv::EstadoMotor& est = calc.Estado();
};

// P·ä = A + n·P·nEx on the life table of row 15: A over the premium years, ä and nEx over the term.
TEST_F(Devolucion, PrimaSegunFormulaDirecta) {
    const CasoDevolucion casos[] = {
        {35, 5, 5, 0.055f, 1, 5},    {35, 5, 5, 0.20f, 1, 5},  // 7 % whatever the rate given
        {40, 10, 10, 0.07f, 1, 10},  {30, 20, 15, 0.055f, 1.5f, 15},
        {50, 15, 15, 0.04f, 1, 15},  {25, 20, 20, 0.055f, 1, 20},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "x " << c.x << " n " << c.n << " m " << c.m << " i " << c.iDada
                                          << " factor " << c.factor);
        est.FactorExtraprimaMedica = c.factor;
        est.PlazoPago = static_cast<int16_t>(c.plazoPago);
        for (int a = 0; a < 100; ++a) est.Q[1][a] = 0.777, est.P[1][a] = 0.5;
        const float tasa = c.n == 5 ? 0.07f : 0.055f;
        const Conmutacion z(QDeTabla(15, c.factor), tasa);
        const double a = z.Seguro(c.x, c.m), adue = z.Anualidad(c.x, c.n), nex = z.Dotal(c.x, c.n);
        const double prima = 1000 * a / (adue - c.n * nex);

        EXPECT_REL(calc.PrimaNetaNivelada(c.x, c.n, c.m, 0, c.iDada, 0, 0, 0, 1), prima);
        EXPECT_REL(prima * adue / 1000, a + c.n * prima / 1000 * nex);  // the equation itself
        EXPECT_REL(est.AnualidadDevolucion, adue);
        EXPECT_REL(est.ValorAnualidad, a);
        EXPECT_REL(est.ValorDotal, nex);
        for (int k = 1; k <= c.n; ++k)
            EXPECT_REL(est.FlujoDevolucion[k] / est.FlujoDevolucion[1], z.D(c.x + k - 1) / z.D(c.x)) << k;

        // Commission value per unit of the annuity, years beyond 15 at the 15th year's rate.
        double vp = 0;
        for (int k = 1; k <= c.plazoPago; ++k) vp += est.Comision[std::min(k, 15)] * z.D(c.x + k - 1) / z.D(c.x);
        EXPECT_REL(est.VPComisiones, vp / adue);

        // The premium column is overwritten with the row-15 rates for the ages of the term.
        const auto q = QDeTabla(15, c.factor);
        for (int y = 1; y < c.x + c.n; ++y) EXPECT_REL(est.Q[1][y], q[y]) << y;
        EXPECT_EQ(est.Q[1][c.x + c.n], 0.777);
        EXPECT_EQ(est.P[1][c.x], 0.5);
    }
}

TEST_F(Devolucion, OtraVentanaNoUsaLaTablaPropia) {
    cv::EntradaCalculo e;
    e.txtProducto = "1";
    calc.Entrada() = e;
    est.FactorExtraprimaMedica = 1;
    est.TablaMortalidadPrima = "4";
    est.TablaMortalidadRescate = "8";
    calc.CargarTablasMortalidad();
    est.FactorCrecimiento = 0;
    const Conmutacion z(QDeTabla(4), 0.055f);
    EXPECT_REL(calc.PrimaNetaNivelada(40, 5, 5, 0, 0.055f, 0, 0, 0, 1),
               IDelta(0.055f) * z.Seguro(40, 5) * 1000 / z.Anualidad(40, 5));
}

}  // namespace
}  // namespace prueba
