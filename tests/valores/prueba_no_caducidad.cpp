// Non-forfeiture values bought by the surrender value: years of extended term and the reduced
// paid-up sum, on the surrender table at the reserve rate.
#include <gtest/gtest.h>

#include "apoyo.h"

namespace valores {
namespace {

const int kEdad = 40, kPlazo = 20;
const double kSuma = 100000;

// A 20-year line at age 40 on the rising mortality at 5 %, ready for the quote-wide steps.
class NoCaducidad : public ::testing::Test {
protected:
    void SetUp() override { PrepararLinea(calc, UnaLinea(3, kPlazo, kPlazo)); }
    void Valor(int j, double importe) { est.ValorRescate[j] = cv::Currency::DesdeDouble(importe); }

    // Cost per 1000 of year t + 1 of level term cover from age a.
    double Costo(int a, int t, bool descontado = true) const {
        const double muerte = base.q[static_cast<size_t>(a + t)] * base.Sobrevive(a, t) * 1000;
        return descontado ? base.idelta * muerte * base.v(t + 1) : muerte;
    }
    // Net single premium per unit of term cover from age x + j to the end of the term.
    double Seguro(int j) const {
        const int a = kEdad + j;
        double s = 0;
        for (int k = 1; k <= kPlazo - j; ++k)
            s += base.Sobrevive(a, k - 1) * base.q[static_cast<size_t>(a + k - 1)] * base.v(k) * base.idelta;
        return s;
    }
    double Dotal(int j) const { return base.v(kPlazo - j) * base.Sobrevive(kEdad + j, kPlazo - j); }

    cv::Calculo calc{CatalogoMetodos().Motor()};
    cv::EstadoMotor& est = calc.Estado();
    const Base base{QDe([](int a) { return PorMil(a); }), 0.05f};
};

TEST_F(NoCaducidad, AnosProrrogados) {
    // Cost per 1000 of the first t years of cover from age x + j.
    auto costo = [&](int j, int t) {
        double c = 0;
        for (int u = 0; u < t; ++u) c += Costo(kEdad + j, u);
        return c;
    };
    struct Caso {
        int j;
        double porMil;
        int anos;
    };
    const Caso casos[] = {
        {3, costo(3, 4) + Costo(kEdad + 3, 4) / 2, 4},  // four years and half the fifth
        {6, costo(6, 7) * 0.999, 6},                    // just short of seven years
        {9, costo(9, 2) * 1.0001, 2},                   // just over two years
        {5, 0, 0},
        {8, 1e7, kPlazo - 8},  // more than all the remaining years cost
        {19, 1e7, 1},
        {kPlazo, 1e7, 0},
    };
    for (const auto& c : casos) Valor(c.j, c.porMil * kSuma / 1000);
    calc.CalcularProrrogado();
    for (const auto& c : casos) EXPECT_EQ(est.AnosProrrogado[c.j], c.anos) << "año " << c.j;
}

// The return-of-premium plan buys its extended term at the undiscounted cost.
TEST_F(NoCaducidad, AnosProrrogadosDelPlanConDevolucion) {
    calc.Entrada().txtProducto = "16";
    const int j = 4;
    double ocho = 0, nueveDescontados = 0;
    for (int t = 0; t < 9; ++t) {
        if (t < 8) ocho += Costo(kEdad + j, t, false);
        nueveDescontados += Costo(kEdad + j, t);
    }
    // Enough for eight years undiscounted; discounted it would buy nine or more.
    const double valor = ocho + Costo(kEdad + j, 8, false) / 100;
    ASSERT_GT(valor, nueveDescontados);
    Valor(j, valor * kSuma / 1000);
    calc.CalcularProrrogado();
    EXPECT_EQ(est.AnosProrrogado[j], 8.0);
}

TEST_F(NoCaducidad, AnosProrrogadosDeVidaEntera) {
    calc.Entrada().comPlan = "Vitalicio";
    Valor(10, 1e9);
    calc.CalcularProrrogado();
    EXPECT_EQ(est.AnosProrrogado[10], 99 - kEdad - 10.0);
}

TEST_F(NoCaducidad, SeguroSaldado) {
    struct Caso {
        const char* plan;
        bool dotal;
    };
    const Caso casos[] = {{"Temporal", false}, {"Dotal", true}, {"Dotal con Edad Alcanzada", true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.plan);
        calc.Entrada().comPlan = c.plan;
        for (int j = 1; j <= kPlazo; ++j) Valor(j, 1000.0 * j);
        calc.CalcularProrrogado();
        calc.CalcularSaldado();
        EXPECT_EQ(est.SeguroSaldado[1], 0.0);
        EXPECT_EQ(est.SeguroSaldado[2], 0.0);
        for (int j = 3; j < kPlazo; ++j) {
            const double esperado = 1000.0 * j / (Seguro(j) + (c.dotal ? Dotal(j) : 0));
            EXPECT_CERCA(est.SeguroSaldado[j], esperado) << "año " << j;
        }
        // At the end of an endowment the paid-up sum is the whole sum.
        EXPECT_EQ(est.SeguroSaldado[kPlazo], c.dotal ? kSuma : 0.0);
        for (int j = kPlazo + 1; j <= 99; ++j) EXPECT_EQ(est.SeguroSaldado[j], 0.0) << "año " << j;
    }
}

// The return-of-premium plan divides by its own death-benefit value, and has none with five
// premium years.
TEST_F(NoCaducidad, SeguroSaldadoDelPlanConDevolucion) {
    calc.Entrada().txtProducto = "16";
    calc.Entrada().comPlan = "Temporal";
    for (int j = 1; j <= kPlazo; ++j) {
        Valor(j, j == 7 ? 0 : 500.0 * j);
        est.SeguroDuracion[j] = 0.002 * (kPlazo - j);
    }
    for (const char* pago : {"10", "5"}) {
        SCOPED_TRACE(::testing::Message() << "pagos " << pago);
        calc.Entrada().dbcPago = pago;
        calc.CalcularProrrogado();
        calc.CalcularSaldado();
        for (int j = 0; j <= 99; ++j) {
            const bool valor = pago[0] != '5' && j >= 3 && j < kPlazo && j != 7;
            const double esperado = valor ? 500.0 * j / (0.002 * (kPlazo - j)) : 0.0;
            EXPECT_CERCA(est.SeguroSaldado[j], esperado) << "año " << j;
        }
    }
}

// Whole years of term cover from age x + j, at most N − j, that S per 1000 pays for.
int AnosQuePaga(const Base& b, int x, int n, int j, double s) {
    const int a = x + j;
    double acumulado = 0;
    int t = 0;
    for (; j + t < n; ++t) {
        acumulado += b.idelta * 1000 * b.q[static_cast<size_t>(a + t)] * b.Sobrevive(a, t) * b.v(t + 1);
        if (s < acumulado) break;
    }
    return t;
}

// The whole quote: an endowment of the sample catalogue.
TEST(NoCaducidadMuestra, DotalDeLaCotizacion) {
    Corrida correr(prueba::MotorMuestra());
    cv::EntradaCalculo e = prueba::Entrada({Linea("15", 20, 20, 100, 0, true)});
    e.comPlan = "Dotal";
    const cv::EstadoMotor& est = correr(e);
    EXPECT_EQ(est.SeguroSaldado[1], 0.0);
    EXPECT_EQ(est.SeguroSaldado[2], 0.0);
    EXPECT_EQ(est.SeguroSaldado[20], 100000.0);
    for (int j = 3; j < 20; ++j) {
        ASSERT_GT(est.ValorRescate[j].ComoDouble(), 0.0) << "año " << j;
        // A paid-up endowment costs more than its surrender value and less than the whole sum.
        EXPECT_GT(est.SeguroSaldado[j], est.ValorRescate[j].ComoDouble()) << "año " << j;
        EXPECT_LT(est.SeguroSaldado[j], 100000.0) << "año " << j;
        const Base b(QMuestra(8), 0.055f);
        EXPECT_EQ(est.AnosProrrogado[j], AnosQuePaga(b, 40, 20, j, 1000 * est.ValorRescate[j].ComoDouble() / 100000))
            << "año " << j;
    }
}

}  // namespace
}  // namespace valores
