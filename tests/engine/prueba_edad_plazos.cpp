// Rating age, plan terms, mortality columns and the present value of the commissions.
#include <gtest/gtest.h>

#include <cmath>

#include "catalogo_prueba.h"

namespace prueba {
namespace {

struct CasoEdad {
    int16_t edad;
    const char* fuma;
    const char* sexo;
    bool selecto;
    int aplica;
    int16_t esperada;
};

// Set-backs of the sample options: non-smoker 2, woman 3, select risk 1, lowest age 15.
TEST(EdadCalculo, DescuentosPorPerfil) {
    const CasoEdad casos[] = {
        {40, "No", "Femenino", false, 1, 35}, {40, "No", "Femenino", false, 0, 40}, {12, "Si", "Masculino", false, 1, 15},
        {12, "Si", "Masculino", false, 0, 12}, {40, "No", "Femenino", true, 1, 34},  {40, "Si", "Masculino", true, 1, 39},
        {17, "No", "Femenino", false, 1, 15}, {40, "no", "Femenino", false, 1, 37}, {40, "No", "femenino", false, 1, 38},
        {40, "No", "Femenino", true, 2, 40},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.edad << " " << c.fuma << " " << c.sexo << " selecto " << c.selecto
                                          << " aplica " << c.aplica);
        Producto p;
        p.aplicaDescuentos = c.aplica;
        cv::Calculo calc(CatalogoPrueba().ConProducto(p).Motor());
        auto e = Entrada({Linea("1", 10, 10)});
        e.txtEdad = std::to_string(c.edad);
        e.comFuma = c.fuma;
        e.comSexo = c.sexo;
        e.chkRiesgoSelecto = c.selecto;
        Preparar(calc, e);
        calc.Estado().LineaActual = 1;
        calc.LeerParametrosProducto();
        calc.CalcularEdadCalculo();
        EXPECT_EQ(calc.Estado().EdadCalculo, c.esperada);
    }
}

struct CasoPlazos {
    const char* nombre;
    int16_t edad, edadCalculo;
    int16_t seguro, pago;
    uint8_t dotal, edadAlcanzada, vitalicio;
    int16_t anosCrecimiento;
    // expected
    int16_t n, m, ajuste, ajustePago, seguroMostrado, pagoMostrado, ilustrar, temporalAnual, esDotal, crecimiento;
};

TEST(PrepararLinea, PlazosDeLaLinea) {
    const CasoPlazos casos[] = {
        {"vida entera a 99 pagos a los 65", 40, 35, 99, 65, 0, 0, 1, 0, 64, 30, 5, 5, 59, 25, 59, 0, 1, 0},
        {"edad alcanzada 65 pagos a los 60", 40, 37, 65, 60, 0, 1, 0, 0, 25, 20, 0, 0, 25, 20, 25, 0, 0, 0},
        {"años 20 pagos 25", 40, 40, 20, 25, 0, 0, 0, 0, 20, 25, 0, 0, 20, 25, 20, 0, 0, 0},
        {"edad alcanzada 60 pagos a los 65", 40, 40, 60, 65, 0, 1, 0, 0, 20, 20, 0, 0, 20, 20, 20, 0, 0, 0},
        {"un año", 40, 40, 1, 1, 0, 0, 0, 0, 1, 1, 0, 0, 1, 1, 10, 1, 0, 0},
        {"vida entera pagos 20 años", 40, 35, 99, 20, 0, 0, 1, 0, 64, 20, 5, 0, 59, 20, 59, 0, 1, 0},
        {"vida entera pagos que rebasan 99", 85, 80, 99, 20, 0, 0, 1, 0, 19, 19, 5, 0, 14, 19, 14, 0, 1, 0},
        {"edad alcanzada ya pasada", 65, 65, 60, 60, 0, 1, 0, 0, 10, 10, 0, 0, -5, -5, -5, 0, 0, 0},
        {"edad alcanzada 99 sin vida entera", 40, 35, 99, 65, 1, 1, 0, 0, 64, 30, 0, 0, 64, 30, 64, 0, 1, 0},
        {"dotal en años", 40, 38, 15, 10, 1, 0, 0, 0, 15, 10, 0, 0, 15, 10, 15, 0, 1, 0},
        {"crecimiento limitado al plazo", 40, 40, 10, 10, 0, 0, 0, 21, 10, 10, 0, 0, 10, 10, 10, 0, 0, 10},
        {"crecimiento dentro del plazo", 40, 40, 10, 10, 0, 0, 0, 6, 10, 10, 0, 0, 10, 10, 10, 0, 0, 6},
        {"crecimiento con plazo corregido", 65, 65, 60, 60, 0, 1, 0, 21, 10, 10, 0, 0, -5, -5, -5, 0, 0, 10},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        cv::Calculo calc(CatalogoPrueba().Motor());
        auto& est = calc.Estado();
        est.NumLineas = 2;
        est.LineaActual = 2;
        est.Edad = c.edad;
        est.EdadCalculo = c.edadCalculo;
        est.ProductoLinea[2] = "7";
        est.IncrementoLinea[2] = 0.1f;
        est.PlazoSeguroLinea[2] = c.seguro;
        est.PlazoPagoLinea[2] = c.pago;
        est.DotalLinea[2] = c.dotal;
        est.EdadAlcanzadaLinea[2] = c.edadAlcanzada;
        est.VitalicioLinea[2] = c.vitalicio;
        est.AnosCrecimiento = c.anosCrecimiento;
        calc.PrepararLinea();
        EXPECT_EQ(est.ProductoActual, "7");
        EXPECT_EQ(est.IncrementoActual, 0.1f);
        EXPECT_EQ(est.EsVitalicio, c.vitalicio);
        EXPECT_EQ(est.EsEdadAlcanzada, c.edadAlcanzada);
        EXPECT_EQ(est.PlazoSeguro, c.n);
        EXPECT_EQ(est.PlazoPago, c.m);
        EXPECT_EQ(est.AnosAjuste, c.ajuste);
        EXPECT_EQ(est.AnosAjustePago, c.ajustePago);
        EXPECT_EQ(est.PlazoSeguroMostrado[2], c.seguroMostrado);
        EXPECT_EQ(est.PlazoPagoMostrado[2], c.pagoMostrado);
        EXPECT_EQ(est.AnosIlustrar, c.ilustrar);
        EXPECT_EQ(est.TemporalAnual, c.temporalAnual);
        EXPECT_EQ(est.EsDotal, c.esDotal);
        EXPECT_EQ(est.AnosCrecimiento, c.crecimiento);
    }
}

// ---- mortality columns ----

class Mortalidad : public ::testing::Test {
protected:
    Mortalidad() {
        cat.ConMortalidad(3, [](int a) { return 0.5 + 0.1 * a; })
            .ConMortalidad(4, [](int a) { return a == 50 ? 1200.0 : (a == 60 ? 600.0 : 2.0); });
        calc = std::make_unique<cv::Calculo>(cat.Motor());
    }
    cv::EstadoMotor& Cargar(float factor, const std::string& prima = "3", const std::string& rescate = "4") {
        auto& est = calc->Estado();
        est.FactorExtraprimaMedica = factor;
        est.TablaMortalidadPrima = prima;
        est.TablaMortalidadRescate = rescate;
        calc->CargarTablasMortalidad();
        return est;
    }
    CatalogoPrueba cat;
    std::unique_ptr<cv::Calculo> calc;
};

TEST_F(Mortalidad, TasasPorMilConElFactorMedico) {
    struct Caso {
        float factor;
        int t, edad;
        double q;
    };
    const Caso casos[] = {
        {1, 1, 1, 0.6 / 1000},    {1, 1, 99, 10.4 / 1000},  {1, 2, 50, 1},       {1, 2, 60, 0.6},
        {1, 2, 61, 0.002},        {2, 1, 40, 2 * 4.5 / 1000}, {2, 2, 60, 1},     {2, 2, 61, 0.004},
        {1.5f, 1, 20, 1.5 * 2.5 / 1000},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "factor " << c.factor << " tabla " << c.t << " edad " << c.edad);
        const auto& est = Cargar(c.factor);
        EXPECT_DOUBLE_EQ(est.Q[c.t][c.edad], c.q);
        EXPECT_DOUBLE_EQ(est.P[c.t][c.edad], 1 - c.q);
    }
}

TEST_F(Mortalidad, EdadCeroYTablaCeroNoSeCargan) {
    const auto& est = Cargar(2);
    EXPECT_EQ(est.Q[1][0], 0);
    EXPECT_EQ(est.P[1][0], 0);
    EXPECT_EQ(est.P[2][0], 0);
    for (int a = 0; a < 100; ++a) EXPECT_EQ(est.P[0][a], 0) << a;
    // A second load applies the factor to the table again, not to the loaded rates.
    Cargar(2);
    EXPECT_DOUBLE_EQ(est.Q[1][40], 2 * 4.5 / 1000);
}

TEST_F(Mortalidad, ClaveInexistente) {
    try {
        Cargar(1, "3", "77");
        FAIL() << "sin error";
    } catch (const cv::ErrorCalculo& e) {
        EXPECT_NE(std::string(e.what()).find("mortalidad"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("77"), std::string::npos) << e.what();
    }
}

// ---- present value of commissions ----

class VPComisiones : public ::testing::Test {
protected:
    // A 40-year-old on flat mortality of 1 per 1000, technical rate 5 %, commissions 50 %, 20 %,
    // then 5 % to year 10 and 1 % afterwards.
    cv::EstadoMotor& Calcular(int m, float incrementoPct, int anosCrecimiento, const std::string& ventana = "1") {
        Producto p;
        p.anosCrecimiento = anosCrecimiento;
        p.tasaTecnica = 5;
        cat.ConProducto(p).ConComisiones("1", {{99, {{1, 50}, {2, 20}, {10, 5}, {99, 1}}}});
        calc = std::make_unique<cv::Calculo>(cat.Motor());
        auto l = Linea("1", m, m);
        l.Incremento = incrementoPct;
        auto e = Entrada({l});
        e.txtProducto = ventana;
        Preparar(*calc, e);
        auto& est = calc->Estado();
        est.LineaActual = 1;
        calc->LeerParametrosProducto();
        calc->CalcularEdadCalculo();
        calc->PrepararLinea();
        calc->CargarTablasMortalidad();
        est.FactorCrecimiento = 0.75f;
        calc->CalcularVPComisiones();
        return est;
    }
    static double Tasa(int k) { return k == 1 ? 0.5 : k == 2 ? 0.2 : k <= 10 ? 0.05 : 0.01; }
    CatalogoPrueba cat;
    std::unique_ptr<cv::Calculo> calc;
};

TEST_F(VPComisiones, SinCrecimiento) {
    const auto& est = Calcular(15, 0, 0);
    const double v = 1 / (1 + static_cast<double>(0.05f));
    double esperado = 0;
    for (int k = 1; k <= 15; ++k)
        esperado += static_cast<double>(static_cast<float>(Tasa(k))) * std::pow(v, k - 1) * std::pow(0.999, k - 1);
    EXPECT_NEAR(est.VPComisiones, esperado, 1e-12);
    EXPECT_EQ(est.FactorCrecimiento, 0);
    EXPECT_EQ(est.Sobrevivencia[0], 1);
    EXPECT_NEAR(est.Sobrevivencia[15], std::pow(0.999, 15), 1e-14);
    EXPECT_EQ(est.Descuento[0], 1);
    EXPECT_EQ(est.Descuento[15], std::pow(1 + static_cast<double>(0.05f), -15));
}

// The premium grows with the sum assured during the growth years and then stays.
TEST_F(VPComisiones, ConCrecimiento) {
    const auto& est = Calcular(10, 12.5f, 3);  // growth years 3 + 1 = 4
    const double v = 1 / (1 + static_cast<double>(0.05f));
    double esperado = 0;
    for (int k = 1; k <= 10; ++k) {
        const double f = (std::min(k, 4) - 1) * 0.125;
        esperado += static_cast<double>(static_cast<float>(Tasa(k))) * std::pow(v, k - 1) * std::pow(0.999, k - 1) * (1 + f);
    }
    EXPECT_NEAR(est.VPComisiones, esperado, 1e-12);
    EXPECT_EQ(est.FactorCrecimiento, 3 * 0.125f);  // (min(m, AC) - 1)·g
}

TEST_F(VPComisiones, ProductoConValorPropio) {
    const auto& est = Calcular(10, 12.5f, 3, "16");
    EXPECT_EQ(est.VPComisiones, 0);
    EXPECT_EQ(est.FactorCrecimiento, 0);
    EXPECT_EQ(est.Sobrevivencia[0], 1);
    EXPECT_EQ(est.Descuento[0], 1);
}

// ---- the line step ----

TEST(CalcularPrimaLinea, AnosAIlustrar) {
    cv::Calculo calc(CatalogoPrueba().Motor());
    auto vida = Linea("1", 99, 20);
    vida.Ordinario2 = 1;
    Preparar(calc, Entrada({Linea("1", 10, 10), Linea("1", 1, 1), vida, Linea("1", 20, 20)}));
    auto& est = calc.Estado();
    const int16_t ilustrar[] = {0, 10, 10, 59, 20};
    const int16_t maximo[] = {0, 10, 10, 59, 59};
    est.Edad = 40;
    for (int k = 1; k <= 4; ++k) {
        est.LineaActual = static_cast<int16_t>(k);
        calc.LeerParametrosProducto();
        if (k == 3) {
            // A product with set-backs for this line only: 40 rated at 35.
            est.AplicaDescuentosEdad = 1;
            est.Fuma = "No";
            est.Sexo = "Femenino";
        } else {
            est.AplicaDescuentosEdad = 0;
        }
        calc.CalcularPrimaLinea();
        EXPECT_EQ(est.AnosIlustrar, ilustrar[k]) << k;
        EXPECT_EQ(est.MaxAnosIlustrar, maximo[k]) << k;
    }
}

// An attained age already passed: ten years stand in for the term, and are the years shown.
TEST(CalcularPrimaLinea, EdadAlcanzadaPasada) {
    cv::Calculo calc(CatalogoPrueba().Motor());
    auto l = Linea("1", 60, 60);
    l.EdadAlcanzada = 1;
    auto e = Entrada({l});
    e.txtEdad = "65";
    Preparar(calc, e);
    auto& est = calc.Estado();
    est.LineaActual = 1;
    calc.LeerParametrosProducto();
    calc.CalcularPrimaLinea();
    EXPECT_EQ(est.PlazoSeguro, 10);
    EXPECT_EQ(est.PlazoPago, 10);
    EXPECT_EQ(est.PlazoSeguroMostrado[1], -5);
    EXPECT_EQ(est.AnosIlustrar, 10);
    EXPECT_EQ(est.MaxAnosIlustrar, 10);
    EXPECT_GT(est.PrimaTarifa, 0);
}

}  // namespace
}  // namespace prueba
