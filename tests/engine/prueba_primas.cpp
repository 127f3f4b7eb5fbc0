// Net and tariff premium by calculation method, against the method table written in
// commutation columns, on a synthetic product and on the sample catalogue.
#include <gtest/gtest.h>

#include <cmath>

#include "catalogo_prueba.h"
#include "core/numeros.h"
#include "referencia.h"

namespace prueba {
namespace {

// What the method table asks for, on a product basis and a plan.
struct Base {
    std::array<double, 100> q{};  // premium table, per unit
    float it = 0, ir = 0, rf = 0, rpn = 0, g = 0;
    std::array<float, 100> comision{};
    int metodo = 0;
    int ac = 0;          // growth years after the +1 and the cap to the term
    double ventana = 0;  // the window's product number
    std::array<double, 100> tarifa{};  // method 99: the premium table's rates per 1000
};

struct Plan {
    int edad, x, n, m, e;
};

struct Primas {
    double neta = 0, tarifa = 0, tarifa2 = 0;
    float factorGasto = 0;
};

Primas Esperadas(const Base& b, const Plan& p) {
    Primas r;
    if (b.metodo == 99) {
        r.tarifa = cv::RedondearDecimales(b.rf + b.tarifa[p.x], 4);
        return r;
    }
    const Conmutacion zt(b.q, b.it), zr(b.q, b.ir);
    const int x = p.x, n = p.n, m = p.m, e = p.e;
    const double g = b.g;

    // Commissions at the start of each premium year, on the premium growing in the growth years.
    double c = 0;
    for (int k = 1; k <= m; ++k) {
        const double f = b.ac >= 1 ? (std::min(k, b.ac) - 1) * g : 0;
        c += b.comision[k] * zt.D(x + k - 1) / zt.D(x) * (1 + f);
    }
    double f = b.ac >= 1 ? (std::min(m, b.ac) - 1) * g : 0;  // growth factor the commissions leave
    int16_t dotalMil = 0;

    auto NN = [&](int bb, int cc, bool continua) {
        const double seguro = zt.Seguro(x, n, bb, cc, g, f);
        const double dotal = zt.Dotal(x, n) * (1 + Conmutacion::FactorFinal(n, bb, cc, g, f));
        const double anualidad = zt.Anualidad(x, m, bb, cc, g, f);
        f = Conmutacion::FactorFinal(n, bb, cc, g, f);
        if (e == 1) dotalMil = static_cast<int16_t>(std::nearbyint(dotal * 1000 / anualidad));
        return ((continua ? IDelta(b.it) : 1.0) * seguro * 1000 + e * dotal * 1000) / anualidad;
    };
    auto A = [&](const Conmutacion& z, int h) {
        const double a = z.Anualidad(x, m, 1, h, g, f);
        f = Conmutacion::FactorFinal(m, 1, h, g, f);
        return a;
    };
    auto S = [&] {
        f = (n - 1) * g;
        return IDelta(b.it) * zt.Seguro(x, n, 1, n, g) * 1000 + e * zt.Dotal(x, n) * 1000;
    };
    auto T = [&](double numerador, double anualidad) { return numerador / (1 - c / anualidad); };
    const double rf = b.rf;

    switch (b.metodo) {
        case 1:
            r.neta = NN(0, 0, true);
            r.tarifa = T(r.neta + rf, A(zr, 0));
            break;
        case 2:
            r.neta = NN(1, b.ac, true);
            r.tarifa = T(0.95 * (r.neta + rf), A(zr, b.ac));
            break;
        case 3:
            r.neta = NN(0, 0, true);
            r.tarifa = T(r.neta * (x < 55 ? 0.9 : 1.1) + rf, A(zt, b.ac));
            break;
        case 4: {
            r.neta = NN(0, b.ac, false);
            const double a = A(zt, b.ac);
            r.factorGasto = x <= 15 ? 0.1f : x >= 35 ? 0.05f : static_cast<float>(((35 - x) * 0.005 + 0.1) / 2);
            r.tarifa = (r.neta + rf) / ((1 - static_cast<double>(r.factorGasto)) - c / a);
            break;
        }
        case 5: {
            const double s = S();
            r.neta = s / A(zr, b.ac);
            r.tarifa = T(r.neta + rf, A(zr, b.ac));
            break;
        }
        case 6: {
            r.neta = NN(1, b.ac, true);
            r.tarifa = T(r.neta + rf, A(zr, b.ac));
            r.tarifa *= x <= 50 ? (x - 5.0) / x : std::sqrt((x - 5.0) / x);
            break;
        }
        case 7:
        case 8: {
            const double s = S();
            r.neta = s / A(zr, 0);
            r.tarifa = T(r.neta + rf, A(zr, b.metodo == 7 ? b.ac : 0));
            break;
        }
        case 10:
            r.neta = (1 - static_cast<double>(b.rpn)) * NN(1, b.ac, true);
            r.tarifa = T(r.neta + rf, A(zr, 0));
            break;
        case 11: {
            r.neta = NN(0, 0, true);
            const double factor = e == 1 ? 1 : (x < 55 ? 0.8 : 1.2);
            r.tarifa = T(r.neta * factor + rf, A(zt, b.ac));
            break;
        }
        case 12:
        case 14:
            r.neta = NN(1, b.ac, true);
            r.tarifa = T(r.neta + rf, A(zt, b.ac));
            break;
        case 13:
            r.neta = NN(1, b.ac, true);
            if ((n + p.edad >= 99 || e == 0) && x > 50) r.neta *= 1.25;
            r.tarifa = T(r.neta + rf, A(zt, b.ac));
            r.tarifa2 = T(dotalMil + rf - 0.5, A(zt, b.ac));
            break;
        default:
            return r;
    }
    r.tarifa = cv::RedondearDecimales(r.tarifa, 4);
    if (b.ventana == 1 && x > 50) r.neta *= 1.25;
    return r;
}

// The rates of a commission record: tiers of (last year, percent), limits above 99 as 99.
std::array<float, 100> Comisiones(const std::vector<std::pair<double, double>>& tramos) {
    std::array<float, 100> c{};
    int j = 1;
    for (auto [hasta, pct] : tramos)
        for (; j <= std::min(hasta, 99.0); ++j) c[j] = static_cast<float>(pct / 100);
    return c;
}

// Runs the driver's per-line premium steps for lines 1..k of a prepared quote.
void PrimaDeLineas(cv::Calculo& calc, const cv::EntradaCalculo& e, int hasta) {
    Preparar(calc, e);
    auto& est = calc.Estado();
    est.Edad = static_cast<int16_t>(cv::ValorNumerico(e.txtEdad));
    for (est.LineaActual = 1; est.LineaActual <= hasta; ++est.LineaActual) {
        calc.LeerParametrosProducto();
        calc.CalcularDescuentoVolumen();
        calc.CalcularPrimaLinea();
    }
    est.LineaActual = static_cast<int16_t>(hasta);
}

// ---- one synthetic product per method ----

struct CasoMetodo {
    const char* nombre;
    int metodo;
    int16_t edad;
    int16_t seguro, pago;
    uint8_t dotal, vitalicio;
    int n, m, e;
    float incrementoPct;
    int anosCrecimiento;  // the product's field
    bool comisiones;
    const char* producto;
    double rpn;
};

const std::vector<std::pair<double, double>> kTramos = {{1, 30}, {2, 10}, {99, 5}};

class Metodos : public ::testing::Test {
protected:
    // Technical 5 %, reserves 4 %, loading 1.5 per 1000; mortality rising with age.
    static double TasaPorMil(int a) { return 0.5 + 0.05 * a + (a > 60 ? 0.4 * (a - 60) : 0); }

    std::pair<Primas, const cv::EstadoMotor*> Calcular(const CasoMetodo& c) {
        Producto p;
        p.id = c.producto;
        p.metodoPrima = c.metodo;
        p.tasaTecnica = 5;
        p.tasaReservas = 4;
        p.recargoFijo = 1.5;
        p.mortalidadPrima = 2;
        p.mortalidadRescate = 1;
        p.anosCrecimiento = c.anosCrecimiento;
        p.recargoPrimaNeta = c.rpn;
        cat.ConProducto(p)
            .ConMortalidad(2, TasaPorMil)
            .ConComisiones("1", {{99, c.comisiones ? kTramos : std::vector<std::pair<double, double>>{{99, 0}}}});
        calc = std::make_unique<cv::Calculo>(cat.Motor());
        auto l = Linea(c.producto, c.seguro, c.pago);
        l.Dotal = c.dotal;
        l.Ordinario = c.vitalicio;
        l.Incremento = c.incrementoPct;
        auto e = Entrada({l});
        e.txtEdad = std::to_string(c.edad);
        PrimaDeLineas(*calc, e, 1);

        Base b;
        for (int a = 0; a < 100; ++a) b.q[a] = TasaPorMil(a) / 1000;
        b.it = static_cast<float>(5 / 100.0);
        b.ir = static_cast<float>(4 / 100.0);
        b.rf = 1.5f;
        b.rpn = static_cast<float>(c.rpn);
        b.g = static_cast<float>(c.incrementoPct / 100.0);
        if (c.comisiones) b.comision = Comisiones(kTramos);
        b.metodo = c.metodo;
        b.ac = std::min(c.anosCrecimiento > 0 ? c.anosCrecimiento + 1 : 0, c.n);
        b.ventana = cv::ValorNumerico(c.producto);
        return {Esperadas(b, {c.edad, c.edad, c.n, c.m, c.e}), &calc->Estado()};
    }

    CatalogoPrueba cat;
    std::unique_ptr<cv::Calculo> calc;
};

TEST_F(Metodos, SegunLaTablaDeMetodos) {
    const CasoMetodo casos[] = {
        {"1", 1, 40, 20, 20, 0, 0, 20, 20, 0, 0, 0, true, "5", 0},
        {"1 dotal", 1, 40, 20, 15, 1, 0, 20, 15, 1, 0, 0, true, "5", 0},
        {"1 con crecimiento: el factor que dejan las comisiones", 1, 40, 20, 20, 0, 0, 20, 20, 0, 6.25f, 9, true, "5", 0},
        {"2", 2, 40, 20, 15, 1, 0, 20, 15, 1, 6.25f, 10, true, "5", 0},
        {"2 crecimiento más largo que el plazo", 2, 35, 10, 10, 0, 0, 10, 10, 0, 12.5f, 20, true, "5", 0},
        {"3 a los 54", 3, 54, 15, 15, 0, 0, 15, 15, 0, 0, 0, true, "5", 0},
        {"3 a los 55", 3, 55, 15, 15, 0, 0, 15, 15, 0, 0, 0, true, "5", 0},
        {"4 a los 25", 4, 25, 20, 20, 1, 0, 20, 20, 1, 0, 0, true, "5", 0},
        {"4 a los 10", 4, 10, 20, 20, 1, 0, 20, 20, 1, 0, 0, true, "5", 0},
        {"4 a los 60", 4, 60, 20, 20, 0, 0, 20, 20, 0, 0, 0, true, "5", 0},
        {"4 con crecimiento", 4, 30, 20, 20, 0, 0, 20, 20, 0, 6.25f, 4, true, "5", 0},
        {"5", 5, 40, 10, 10, 1, 0, 10, 10, 1, 0, 0, true, "5", 0},
        {"5 con crecimiento", 5, 40, 10, 10, 1, 0, 10, 10, 1, 6.25f, 4, true, "5", 0},
        {"6 a los 50", 6, 50, 10, 10, 0, 0, 10, 10, 0, 0, 0, true, "5", 0},
        {"6 a los 51", 6, 51, 10, 10, 0, 0, 10, 10, 0, 0, 0, true, "5", 0},
        {"6 un año creciente", 6, 30, 1, 1, 0, 0, 1, 1, 0, 10, 10, true, "5", 0},
        {"7", 7, 40, 20, 20, 1, 0, 20, 20, 1, 0, 0, true, "5", 0},
        {"7 con crecimiento", 7, 40, 20, 20, 1, 0, 20, 20, 1, 6.25f, 4, true, "5", 0},
        {"8", 8, 40, 1, 1, 0, 0, 1, 1, 0, 0, 0, true, "5", 0},
        {"8 con crecimiento", 8, 40, 10, 10, 0, 0, 10, 10, 0, 6.25f, 4, true, "5", 0},
        {"10", 10, 40, 10, 10, 0, 0, 10, 10, 0, 0, 0, true, "5", 0.05},
        {"10 con crecimiento", 10, 40, 10, 10, 0, 0, 10, 10, 0, 12.5f, 4, true, "5", 0.05},
        {"11 vida entera a los 60", 11, 60, 99, 20, 0, 1, 39, 20, 1, 0, 0, true, "5", 0},
        {"11 temporal a los 54", 11, 54, 20, 20, 0, 0, 20, 20, 0, 0, 0, true, "5", 0},
        {"11 temporal a los 55", 11, 55, 20, 20, 0, 0, 20, 20, 0, 0, 0, true, "5", 0},
        {"11 dotal a los 40", 11, 40, 20, 20, 1, 0, 20, 20, 1, 0, 0, true, "5", 0},
        {"12", 12, 40, 20, 20, 1, 0, 20, 20, 1, 6.25f, 20, true, "5", 0},
        {"13 vida entera a los 51", 13, 51, 99, 65, 0, 1, 48, 14, 1, 0, 0, true, "5", 0},
        {"13 vida entera a los 50", 13, 50, 99, 65, 0, 1, 49, 15, 1, 0, 0, true, "5", 0},
        {"13 temporal a los 51", 13, 51, 20, 20, 0, 0, 20, 20, 0, 0, 0, true, "5", 0},
        {"13 dotal a los 51", 13, 51, 20, 20, 1, 0, 20, 20, 1, 0, 0, true, "5", 0},
        {"14", 14, 40, 15, 15, 1, 0, 15, 15, 1, 6.25f, 5, true, "5", 0},
        {"1 en la ventana del producto 1 a los 51", 1, 51, 10, 10, 0, 0, 10, 10, 0, 0, 0, true, "1", 0},
        {"1 en la ventana del producto 1 a los 50", 1, 50, 10, 10, 0, 0, 10, 10, 0, 0, 0, true, "1", 0},
        {"2 en la ventana del producto 1 a los 60", 2, 60, 10, 10, 1, 0, 10, 10, 1, 0, 0, true, "1", 0},
        {"9", 9, 40, 10, 10, 0, 0, 10, 10, 0, 0, 0, true, "5", 0},
        {"0", 0, 40, 10, 10, 0, 0, 10, 10, 0, 0, 0, true, "5", 0},
        {"15", 15, 40, 10, 10, 0, 0, 10, 10, 0, 0, 0, true, "5", 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        auto [esperado, est] = Calcular(c);
        ASSERT_EQ(est->PlazoSeguro, c.n);
        ASSERT_EQ(est->PlazoPago, c.m);
        ASSERT_EQ(est->EsDotal, c.e);
        EXPECT_REL(est->PrimaNeta, esperado.neta);
        EXPECT_NEAR(est->PrimaTarifa, esperado.tarifa, 1e-9);
        EXPECT_EQ(est->PrimaTarifa, cv::RedondearDecimales(est->PrimaTarifa, 4));
        if (c.metodo == 13) {
            EXPECT_REL(est->PrimaTarifa2, esperado.tarifa2);
        }
        if (c.metodo == 4) {
            EXPECT_FLOAT_EQ(est->FactorGastoMetodo4, esperado.factorGasto);
        }
    }
}

// The examples of the rules, stated directly.
TEST_F(Metodos, SinComisiones) {
    struct Caso {
        int metodo;
        double factor;
    };
    for (auto [metodo, factor] : {Caso{1, 1.0}, Caso{2, 0.95}, Caso{12, 1.0}}) {
        SCOPED_TRACE(metodo);
        auto [esperado, est] = Calcular({"", metodo, 40, 20, 20, 0, 0, 20, 20, 0, 0, 0, false, "5", 0});
        EXPECT_EQ(est->VPComisiones, 0);
        EXPECT_EQ(est->PrimaTarifa, cv::RedondearDecimales(factor * (est->PrimaNeta + 1.5), 4));
    }
}

TEST_F(Metodos, FactorDeGastoDelMetodo4) {
    const std::pair<int16_t, float> casos[] = {{25, 0.075f}, {10, 0.1f}, {15, 0.1f}, {60, 0.05f}, {35, 0.05f}, {20, 0.0875f}};
    for (auto [x, f] : casos) {
        SCOPED_TRACE(x);
        auto [esperado, est] = Calcular({"", 4, x, 10, 10, 0, 0, 10, 10, 0, 0, 0, false, "5", 0});
        EXPECT_FLOAT_EQ(est->FactorGastoMetodo4, f);
        EXPECT_NEAR(est->PrimaTarifa, cv::RedondearDecimales((est->PrimaNeta + 1.5) / (1 - static_cast<double>(f)), 4),
                    1e-9);
    }
}

// The divisor (1 - f) - C/ä is formed in double from the single-precision expense share.
TEST_F(Metodos, Metodo4DivisorEnDoblePrecision) {
    Producto p;
    p.id = "5";
    p.metodoPrima = 4;
    p.recargoFijo = 2.11;
    p.mortalidadPrima = 3;
    cat.ConProducto(p).ConMortalidad(3, Constante(0));
    calc = std::make_unique<cv::Calculo>(cat.Motor());
    auto e = Entrada({Linea("5", 10, 10)});
    e.txtEdad = "16";
    PrimaDeLineas(*calc, e, 1);
    const auto& est = calc->Estado();
    // No deaths, no commissions: the tariff is the loading over 1 - f, f = 0.0975 in single precision.
    ASSERT_EQ(est.PrimaNeta, 0);
    ASSERT_EQ(est.FactorGastoMetodo4, 0.0975f);
    const double esperada = static_cast<double>(2.11f) / (1 - static_cast<double>(0.0975f));  // 2.337950...
    EXPECT_EQ(cv::RedondearDecimales(esperada, 4), 2.338);
    EXPECT_EQ(est.PrimaTarifa, 2.338);
}

// Four decimals, halves to the even neighbour: no deaths, so the tariff is the loading itself.
TEST_F(Metodos, TarifaRedondeadaAlPar) {
    cat.ConMortalidad(3, Constante(0));
    for (auto [recargo, tarifa] : {std::pair{1.28125, 1.2812}, {1.34375, 1.3438}, {0.03125, 0.0312}}) {
        SCOPED_TRACE(recargo);
        Producto p;
        p.id = "5";
        p.recargoFijo = recargo;
        p.mortalidadPrima = 3;
        cat.ConProducto(p);
        calc = std::make_unique<cv::Calculo>(cat.Motor());
        PrimaDeLineas(*calc, Entrada({Linea("5", 10, 10)}), 1);
        ASSERT_EQ(calc->Estado().PrimaNeta, 0);
        EXPECT_EQ(calc->Estado().PrimaTarifa, tarifa);
    }
}

TEST_F(Metodos, FactorDeEdadDelMetodo6) {
    const std::pair<int16_t, double> casos[] = {{50, 0.9}, {51, std::sqrt(46.0 / 51)}, {30, 25.0 / 30}};
    for (auto [x, factor] : casos) {
        SCOPED_TRACE(x);
        auto [esperado, est] = Calcular({"", 6, x, 10, 10, 0, 0, 10, 10, 0, 0, 0, false, "5", 0});
        EXPECT_NEAR(est->PrimaTarifa, cv::RedondearDecimales(factor * (est->PrimaNeta + 1.5), 4), 1e-9);
    }
}

TEST_F(Metodos, RecargoDelProducto1SoloEnLaNeta) {
    auto [a, est51] = Calcular({"", 1, 51, 10, 10, 0, 0, 10, 10, 0, 0, 0, false, "1", 0});
    const double neta51 = est51->PrimaNeta, tarifa51 = est51->PrimaTarifa;
    auto [b, otra] = Calcular({"", 1, 51, 10, 10, 0, 0, 10, 10, 0, 0, 0, false, "5", 0});
    EXPECT_REL(neta51, 1.25 * otra->PrimaNeta);
    EXPECT_EQ(tarifa51, otra->PrimaTarifa);
    EXPECT_EQ(tarifa51, cv::RedondearDecimales(otra->PrimaNeta + 1.5, 4));
}

TEST_F(Metodos, Metodo13SobreLaNeta) {
    auto [a, est] = Calcular({"", 13, 51, 99, 65, 0, 1, 48, 14, 1, 0, 0, false, "5", 0});
    const double neta = est->PrimaNeta, tarifa = est->PrimaTarifa;
    auto [b, sin] = Calcular({"", 12, 51, 99, 65, 0, 1, 48, 14, 1, 0, 0, false, "5", 0});
    EXPECT_REL(neta, 1.25 * sin->PrimaNeta);
    EXPECT_NEAR(tarifa, cv::RedondearDecimales(1.25 * sin->PrimaNeta + 1.5, 4), 1e-9);
}

TEST_F(Metodos, MetodosSinPrima) {
    for (int metodo : {9, 0, 15, -1}) {
        SCOPED_TRACE(metodo);
        auto [esperado, est] = Calcular({"", metodo, 40, 10, 10, 0, 0, 10, 10, 0, 0, 0, true, "5", 0});
        EXPECT_EQ(est->PrimaNeta, 0);
        EXPECT_EQ(est->PrimaTarifa, 0);
    }
}

// The premium table holds tariff rates per 1000; no net premium, even after a line that had one.
TEST_F(Metodos, Metodo99TarifaDeLaTabla) {
    Producto tabla;
    tabla.id = "8";
    tabla.metodoPrima = 99;
    tabla.recargoFijo = 1;
    tabla.mortalidadPrima = 90;
    cat.ConProducto(tabla).ConProducto(Producto{}).ConMortalidad(90, [](int a) { return 2 + a / 1000.0 + 0.000049; });
    calc = std::make_unique<cv::Calculo>(cat.Motor());
    auto e = Entrada({Linea("1", 10, 10), Linea("8", 1, 1)});
    PrimaDeLineas(*calc, e, 1);
    ASSERT_GT(calc->Estado().PrimaNeta, 0);
    PrimaDeLineas(*calc, e, 2);
    const auto& est = calc->Estado();
    EXPECT_EQ(est.PrimaNeta, 0);
    EXPECT_NEAR(est.PrimaTarifa, 3.04, 1e-12);  // 1 + 2.040049 to four decimals
}

// ---- the return-of-premium product ----

TEST(Producto16, TarifaConSuValorDeComisiones) {
    struct Caso {
        int n;
        float tasa;
        std::vector<std::pair<double, double>> tramos;
    };
    const Caso casos[] = {
        {5, 0.07f, {{1, 15}, {2, 7}, {5, 5}}},
        {10, 0.055f, {{1, 25}, {2, 10}, {10, 5}}},
        {20, 0.055f, {{1, 35}, {2, 15}, {20, 5}}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.n);
        cv::Calculo calc(MotorMuestra());
        auto e = Entrada({Linea("16", c.n, c.n)});
        e.txtEdad = "42";
        PrimaDeLineas(calc, e, 1);
        const auto& est = calc.Estado();
        ASSERT_EQ(est.EdadCalculo, 42);

        std::array<double, 100> q{};
        const auto* fila = MotorMuestra()->Mortalidad(Valor(15));
        for (int a = 0; a < 100; ++a) q[a] = fila->edad[a].ComoDouble() / 1000;
        const Conmutacion z(q, c.tasa);
        const int x = 42;
        const double adue = z.Anualidad(x, c.n);
        const double neta = 1000 * z.Seguro(x, c.n) / (adue - c.n * z.Dotal(x, c.n));
        const auto com = Comisiones(c.tramos);
        double vp = 0;
        for (int k = 1; k <= c.n; ++k) vp += com[std::min(k, 15)] * z.D(x + k - 1) / z.D(x);
        vp /= adue;

        EXPECT_REL(est.PrimaNeta, neta);
        EXPECT_REL(est.VPComisiones, vp);
        EXPECT_NEAR(est.PrimaTarifa, cv::RedondearDecimales(neta / (1 - vp - 0.06), 4), 1e-9);
    }
}

// ---- the sample catalogue, product by product ----

struct CasoMuestra {
    const char* producto;
    int16_t edad;
    const char* fuma;
    const char* sexo;
    int16_t seguro, pago;
    uint8_t dotal, edadAlcanzada, vitalicio;
    float incrementoPct;
    int x, n, m, e;
};

double Campo(const Valor& v) { return v.ComoDouble(); }

TEST(CatalogoMuestra, PrimasPorProducto) {
    const CasoMuestra casos[] = {
        {"2", 40, "Si", "Masculino", 10, 10, 0, 0, 0, 0, 40, 10, 10, 0},
        {"2", 40, "No", "Femenino", 20, 20, 0, 0, 0, 0, 35, 20, 20, 0},
        {"3", 54, "No", "Masculino", 20, 20, 0, 0, 0, 0, 52, 20, 20, 0},
        {"3", 58, "Si", "Masculino", 15, 15, 0, 0, 0, 0, 58, 15, 15, 0},
        {"6", 5, "Si", "Masculino", 13, 13, 1, 0, 0, 0, 15, 13, 13, 1},
        {"7", 30, "Si", "Masculino", 1, 1, 0, 0, 0, 10, 30, 1, 1, 0},
        {"7", 58, "Si", "Masculino", 1, 1, 0, 0, 0, 20, 58, 1, 1, 0},
        {"8", 45, "No", "Femenino", 1, 1, 0, 0, 0, 0, 45, 1, 1, 0},
        {"9", 45, "Si", "Masculino", 1, 1, 0, 0, 0, 0, 45, 1, 1, 0},
        {"10", 45, "Si", "Masculino", 1, 1, 0, 0, 0, 0, 45, 1, 1, 0},
        {"11", 40, "No", "Femenino", 99, 20, 0, 0, 1, 0, 35, 64, 20, 1},
        {"11", 57, "Si", "Masculino", 20, 20, 0, 0, 0, 0, 57, 20, 20, 0},
        {"12", 40, "No", "Femenino", 99, 65, 0, 0, 1, 0, 35, 64, 30, 1},
        {"12", 60, "No", "Femenino", 99, 65, 0, 0, 1, 0, 55, 44, 10, 1},
        {"15", 40, "Si", "Masculino", 20, 20, 1, 0, 0, 0, 40, 20, 20, 1},
        {"25", 30, "Si", "Masculino", 15, 15, 1, 0, 0, 0, 30, 15, 15, 1},
        {"26", 40, "No", "Femenino", 65, 65, 1, 1, 0, 0, 35, 25, 25, 1},
        {"1", 56, "No", "Femenino", 20, 20, 0, 0, 0, 0, 51, 20, 20, 0},
        {"1", 40, "Si", "Masculino", 65, 65, 0, 1, 0, 0, 40, 25, 25, 0},
    };
    const auto motor = MotorMuestra();
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "producto " << c.producto << " edad " << c.edad << " " << c.seguro << "/"
                                          << c.pago);
        cv::Calculo calc(motor);
        auto l = Linea(c.producto, c.seguro, c.pago);
        l.Dotal = c.dotal;
        l.EdadAlcanzada = c.edadAlcanzada;
        l.Ordinario = c.vitalicio;
        l.Incremento = c.incrementoPct;
        auto e = Entrada({l});
        e.txtEdad = std::to_string(c.edad);
        e.comFuma = c.fuma;
        e.comSexo = c.sexo;
        e.comMoneda = motor->Producto(c.producto)->Nombre.find("Dólares") != std::string::npos ? "Dólares" : "Pesos";
        PrimaDeLineas(calc, e, 1);
        const auto& est = calc.Estado();
        ASSERT_EQ(est.EdadCalculo, c.x);
        ASSERT_EQ(est.PlazoSeguro, c.n);
        ASSERT_EQ(est.PlazoPago, c.m);
        ASSERT_EQ(est.EsDotal, c.e);

        const cv::ProductoMotor& p = *motor->Producto(c.producto);
        Base b;
        const auto* fila = motor->Mortalidad(p.TablaMortalidadPrima);
        for (int a = 0; a < 100; ++a) {
            b.q[a] = std::min(1.0, Campo(fila->edad[a]) / 1000);
            b.tarifa[a] = Campo(fila->edad[a]);
        }
        b.it = static_cast<float>(Campo(p.TasaInteresTecnica) / 100);
        b.ir = static_cast<float>(Campo(p.InteresSobreReservas) / 100);
        b.rf = static_cast<float>(Campo(p.RecargoFijo));
        b.rpn = static_cast<float>(Campo(p.RecargoPrimaNeta));
        b.g = static_cast<float>(c.incrementoPct / 100.0);
        b.metodo = static_cast<int>(Campo(p.CalculoPrima));
        const int ac = static_cast<int>(Campo(p.AnosCrecimiento));
        b.ac = std::min(ac > 0 ? ac + 1 : 0, c.n);
        b.ventana = cv::ValorNumerico(c.producto);
        // The schedule row of the smallest term not below the line's payment field.
        const cv::FilaComision* com = motor->Comision(p.TablaComisiones.ComoTexto(), c.pago);
        ASSERT_NE(com, nullptr);
        std::vector<std::pair<double, double>> tramos;
        for (int t = 1; t <= 15; ++t) tramos.emplace_back(Campo(com->campos[2 * t]), Campo(com->campos[2 * t + 1]));
        b.comision = Comisiones(tramos);

        const Primas esperado = Esperadas(b, {c.edad, c.x, c.n, c.m, c.e});
        if (b.metodo != 99) {
            EXPECT_REL(est.PrimaNeta, esperado.neta);
        }
        EXPECT_NEAR(est.PrimaTarifa, esperado.tarifa, 1e-9);
        if (b.metodo == 13) {
            EXPECT_REL(est.PrimaTarifa2, esperado.tarifa2);
        }
        EXPECT_GT(est.PrimaTarifa, 0);
    }
}

}  // namespace
}  // namespace prueba
