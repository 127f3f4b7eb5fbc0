// Surrender values per 1000 by surrender method, the plans without surrender values, and
// dividends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "apoyo.h"

namespace valores {
namespace {

const int kMetodosConValores[] = {1, 2, 3, 4, 6, 10, 11, 12};

TEST(Rescates, AnosUnoYDosSinValor) {
    Corrida correr(CatalogoMetodos().Motor());
    for (int metodo : kMetodosConValores) {
        SCOPED_TRACE(::testing::Message() << "método " << metodo);
        const cv::EstadoMotor& est = correr(UnaLinea(metodo, 10, 10, true));
        EXPECT_EQ(est.RescateMil[1], 0.0);
        EXPECT_EQ(est.RescateMil[2], 0.0);
        EXPECT_GT(est.RescateMil[3], 0.0);
        EXPECT_GT(est.RescateMil[10], 0.0);
    }
}

TEST(Rescates, PlazoDeDosAnosSinValores) {
    Corrida correr(CatalogoMetodos().Motor());
    for (int metodo : kMetodosConValores)
        for (bool dotal : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "método " << metodo << (dotal ? " dotal" : " temporal"));
            const cv::EstadoMotor& est = correr(UnaLinea(metodo, 2, 2, dotal));
            for (int k = 1; k <= 99; ++k) EXPECT_EQ(est.RescateMil[k], 0.0) << "año " << k;
        }
}

TEST(Rescates, Metodos2y10SonEl95PorCientoDeLaReserva) {
    Corrida correr(CatalogoMetodos(5, 5, 9).Motor());
    for (int metodo : {2, 10})
        for (float incremento : {0.0f, 5.0f}) {
            SCOPED_TRACE(::testing::Message() << "método " << metodo << " incremento " << incremento);
            const cv::EstadoMotor& est = correr(UnaLinea(metodo, 20, 20, true, incremento));
            for (int k = 3; k <= 20; ++k) {
                ASSERT_GT(est.ReservaRescate[k], 0.0) << "año " << k;
                EXPECT_CERCA(est.RescateMil[k], 0.95 * est.ReservaRescate[k]) << "año " << k;
            }
        }
}

// Method 4: the percentage starts at 75 % (85 % below 10 premium years) and rises by
// 1.26^k / B(m) a year to 100 %.
TEST(Rescates, Metodo4PorcentajeCreciente) {
    struct Caso {
        int seguro, pago;
        double inicio, b;
    };
    const Caso casos[] = {
        {20, 20, 0.75, 1858.70}, {25, 25, 0.75, 1858.70}, {20, 5, 0.85, 66.32},   {20, 9, 0.85, 150.70},
        {20, 10, 0.75, 150.70},  {20, 11, 0.75, 199.58},  {20, 12, 0.75, 261.16}, {20, 13, 0.75, 338.76},
        {20, 14, 0.75, 436.53},  {20, 15, 0.75, 559.70},  {20, 16, 0.75, 714.95}, {20, 17, 0.75, 910.53},
        {20, 18, 0.75, 1156.96}, {20, 19, 0.75, 1467.46},
    };
    Corrida correr(CatalogoMetodos().Motor());
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "plazo " << c.seguro << " pagos " << c.pago);
        const cv::EstadoMotor& est = correr(UnaLinea(4, c.seguro, c.pago, true));
        double f = c.inicio;
        for (int k = 3; k <= c.seguro; ++k) {
            f = static_cast<float>(std::min(1.0, f + std::pow(1.26, k) / c.b));
            const double r = est.ReservaRescate[k];
            ASSERT_GT(r, 1.0) << "año " << k;
            // The percentage is held in single precision.
            EXPECT_NEAR(est.RescateMil[k] / r, f, 1e-7) << "año " << k;
        }
    }
    const cv::EstadoMotor& est = correr(UnaLinea(4, 20, 20, true));
    EXPECT_NEAR(est.RescateMil[3], (0.75 + 1.26 * 1.26 * 1.26 / 1858.70) * est.ReservaRescate[3],
                1e-7 * est.ReservaRescate[3]);
}

TEST(Rescates, PorcentajesDeLosMetodos6_11y12) {
    struct Caso {
        int metodo;
        double (*porcentaje)(int);
        int cien;  // first year at 100 %
    };
    const Caso casos[] = {
        {6, [](int k) { return 0.75 + 0.025 * (k - 3); }, 13},
        {11, [](int k) { return 0.75 + (0.25 * k - 0.75) / 9; }, 12},
        {12, [](int k) { return 0.6 + 0.4 * (k - 3) / 9; }, 12},
    };
    Corrida correr(CatalogoMetodos().Motor());
    for (const auto& c : casos)
        for (int n : {10, 20})
            for (bool dotal : {false, true}) {
                SCOPED_TRACE(::testing::Message() << "método " << c.metodo << (dotal ? " dotal " : " temporal ") << n);
                const cv::EstadoMotor& est = correr(UnaLinea(c.metodo, n, n, dotal));
                EXPECT_LT(c.porcentaje(c.cien - 1), 1.0);
                EXPECT_GE(c.porcentaje(c.cien), 1.0 - 1e-12);
                for (int k = 3; k <= n; ++k) {
                    const double r = est.ReservaRescate[k];
                    const bool final = dotal && k == n && c.metodo != 6;  // the endowment pays the whole reserve
                    const double f = final ? 1.0 : static_cast<float>(std::min(1.0, c.porcentaje(k)));
                    // A negative value in a premium year shows 0.
                    EXPECT_NEAR(est.RescateMil[k], std::max(0.0, f * r), 1e-7 * std::fabs(r) + 1e-9) << "año " << k;
                }
            }
}

// Method 3 on the sample product: the value cut from the level reserve by the loading, never
// above the surrender reserve, the reserve itself from the last premium year and at the end.
TEST(RescatesMuestra, Metodo3) {
    Corrida correr(prueba::MotorMuestra());
    for (bool dotal : {false, true}) {
        SCOPED_TRACE(dotal ? "dotal" : "temporal");
        const int n = 20, m = 15, x = 40;
        const cv::EstadoMotor& est = correr(prueba::Entrada({Linea("3", n, m, 100, 0, dotal)}));
        // The net level premium on the premium table (row 4) at the technical rate.
        const Base prima(QMuestra(4), 0.055f);
        const double x3 = ValorBeneficios(prima, x, n, dotal, 0) / ValorPrimas(prima, x, m, 0);
        for (int k = 1; k <= 99; ++k) {
            SCOPED_TRACE(::testing::Message() << "año " << k);
            const double rm = est.RescateMil[k], r = est.ReservaRescate[k];
            if (k <= 2 || k > n) {
                EXPECT_EQ(rm, 0.0);
                continue;
            }
            if (k >= m || k == n) {
                EXPECT_EQ(rm, r);
                continue;
            }
            double valor = est.ReservaNivelada[k] - (0.95 * est.PrimaTarifa - x3) * est.AnualidadDuracion[k + 1];
            if (valor < 1) valor = 0;
            EXPECT_CERCA(rm, std::min(valor, r));
        }
    }
}

// Method 1 on the sample product: never negative, never above the surrender reserve, and the
// reserve itself from the last premium year.
TEST(RescatesMuestra, Metodo1) {
    Corrida correr(prueba::MotorMuestra());
    for (bool dotal : {false, true}) {
        SCOPED_TRACE(dotal ? "dotal" : "temporal");
        cv::EntradaCalculo e = prueba::Entrada({Linea("2", 20, 15, 100, 0, dotal)});
        e.comMoneda = "Dólares";
        e.dbcPago = "15";
        const cv::EstadoMotor& est = correr(e);
        int positivos = 0;
        for (int k = 3; k <= 20; ++k) {
            const double rm = est.RescateMil[k], r = est.ReservaRescate[k];
            EXPECT_GE(rm, 0.0) << "año " << k;
            EXPECT_LE(rm, r) << "año " << k;
            if (k >= 15) {
                EXPECT_EQ(rm, r) << "año " << k;
            }
            positivos += rm > 0;
        }
        EXPECT_GT(positivos, 0);
    }
}

// Limited-pay plans of methods 3 and 11 (a 20-pay whole life, an endowment paid in 10 years):
// the modified reserve must reach the sum at the end, and no surrender value is negative.
TEST(RescatesMuestra, PagosLimitadosLleganALaSumaSinValoresNegativos) {
    struct Caso {
        const char* que;
        cv::LineaCotizacion linea;
        int n;
    };
    cv::LineaCotizacion vida = Linea("11", 99, 20);
    vida.Ordinario = 1;
    const Caso casos[] = {
        {"vida entera pagos 20, método 11", vida, 59},
        {"dotal 20 años pagos 10, método 3", Linea("3", 20, 10, 100, 0, true), 20},
    };
    Corrida correr(prueba::MotorMuestra());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        const cv::EstadoMotor& est = correr(prueba::Entrada({c.linea}));
        ASSERT_EQ(est.PlazoSeguro, c.n);
        EXPECT_NEAR(est.ReservaRescate[c.n], 1000, 1e-6);
        EXPECT_NEAR(est.ValorRescate[c.n].ComoDouble(), 100000, 0.01);
        int primero = 0;  // first year with a negative surrender value
        for (int k = c.n; k >= 1; --k)
            if (est.ValorRescate[k] < cv::Currency()) primero = k;
        EXPECT_EQ(primero, 0) << "valor de rescate " << est.ValorRescate[primero].ComoDouble();
    }
}

// Plans whose window product has no surrender values show none, whatever the table held.
TEST(Rescates, PlanesSinValoresDeRescate) {
    struct Caso {
        const char* producto;
        const char* pago;
        bool sinValores;
    };
    const Caso casos[] = {
        {"7", "20", true},  {"10", "20", true}, {"1", "5", true},  {"1", "", true},  {"2", "3", true},
        {"1", "10", false}, {"2", "6", false},  {"3", "5", false}, {"7", "5", true},
    };
    CatalogoPrueba c;
    c.ConMortalidad(2, [](int a) { return PorMil(a); });
    for (const char* id : {"1", "2", "3", "7", "10"}) {
        Producto p;
        p.id = id;
        p.mortalidadPrima = p.mortalidadRescate = 2;
        p.metodoRescate = 2;
        c.ConProducto(p);
    }
    const auto motor = c.Motor();
    for (const auto& caso : casos) {
        SCOPED_TRACE(::testing::Message() << "producto " << caso.producto << " pago \"" << caso.pago << "\"");
        cv::Calculo calc(motor);
        cv::EntradaCalculo e = prueba::Entrada({Linea(caso.producto, 20, 20, 100, 0, true)});
        e.dbcPago = caso.pago;
        PrepararLinea(calc, e);
        auto& est = calc.Estado();
        est.RescateMil.fill(7);  // what an earlier line or age would have left
        calc.CalcularValoresGarantizados();
        for (int k = 1; k <= 99; ++k) {
            const bool cero = caso.sinValores || k <= 2 || k > 20;
            EXPECT_CERCA(est.RescateMil[k], cero ? 0.0 : 0.95 * est.ReservaRescate[k]) << "año " << k;
        }
    }
}

// Two lines under a window product without surrender values: the first line's rider 6 fills the
// table with its own values, and the second line must not show them.
TEST(Rescates, LineaSinValoresNoHeredaLosDeOtraLinea) {
    CatalogoPrueba c;
    c.ConMortalidad(2, [](int a) { return PorMil(a); });
    Producto p;
    p.mortalidadPrima = p.mortalidadRescate = 2;
    p.metodoRescate = 2;
    c.ConProducto(p);
    c.ConTarifa(60, Constante(0));
    c.ConTarifaBeneficio("1", "6", 30, 30, 1, 0, 60);
    const auto motor = MotorCon(c, {{6, "Vida a 60", 59, 60, 1, 0}});
    cv::LineaCotizacion l1 = Linea("1", 30, 30, 50, 0, true);
    l1.Beneficio[1] = "6";
    l1.ParticipacionBeneficio[1] = 100;
    cv::EntradaCalculo e = prueba::Entrada({l1, Linea("1", 30, 30, 50, 0, true)});
    Corrida correr(motor);

    e.dbcPago = "10";  // with surrender values, for contrast
    const cv::EstadoMotor& con = correr(e);
    EXPECT_GT(con.ValorRescate[10].ComoDouble(), 0.0);

    e.dbcPago = "5";
    const cv::EstadoMotor& sin = correr(e);
    for (int k = 1; k <= 99; ++k) {
        EXPECT_EQ(sin.ValorRescate[k], cv::Currency()) << "año " << k;
        EXPECT_EQ(sin.RescateMil[k], 0.0) << "año " << k;
    }
}

// Products of the dividend tests: premium method 1, endowment, technical rate as named.
CatalogoPrueba CatalogoDividendos() {
    CatalogoPrueba c;
    c.ConMortalidad(2, [](int a) { return PorMil(a); });
    struct Def {
        const char* id;
        double tecnica;
        int rescate, dividendos;
    };
    for (const Def& d : {Def{"201", 3, 0, 1}, Def{"202", 3, 3, 1}, Def{"203", 7, 3, 1}, Def{"204", 3, 3, 0}}) {
        Producto p;
        p.id = d.id;
        p.mortalidadPrima = p.mortalidadRescate = 2;
        p.tasaTecnica = p.tasaReservas = d.tecnica;
        p.metodoRescate = d.rescate;
        p.descuentoDividendos = d.dividendos;
        c.ConProducto(p);
    }
    return c;
}

TEST(Dividendos, FormulaConYSinReserva) {
    Corrida correr(CatalogoDividendos().Motor());
    const float j = static_cast<float>(5.5f / 100.0);  // the pesos fund rate of the options
    const float it = 0.03f;
    const int x = 40, n = 10;
    const Base b(QDe([](int a) { return PorMil(a); }), it);
    const double neta = ValorBeneficios(b, x, n, 1, 0) / ValorPrimas(b, x, n, 0);
    for (const char* producto : {"201", "202"}) {
        SCOPED_TRACE(producto);
        const cv::EstadoMotor& est = correr(prueba::Entrada({Linea(producto, n, n, 100, 0, true)}));
        EXPECT_CERCA(est.PrimaNeta, neta);
        for (int k = 1; k <= n; ++k) {
            const double reserva = k == 1 ? 0 : est.ReservaRescate[k - 1];
            const double d = (static_cast<double>(j) - it) * (neta + reserva) * 0.5 -
                             (std::sqrt(1 + static_cast<double>(j)) - 1) * b.q[static_cast<size_t>(x + k - 1)] * 1000;
            ASSERT_GT(d, 0) << "año " << k;
            EXPECT_CERCA(est.DividendoMil[k], d) << "año " << k;
        }
    }
}

TEST(Dividendos, SinDividendos) {
    struct Caso {
        const char* que;
        const char* producto;
    };
    const Caso casos[] = {{"tasa del fondo menor a la técnica", "203"}, {"producto sin dividendos", "204"}};
    Corrida correr(CatalogoDividendos().Motor());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        const cv::EstadoMotor& est = correr(prueba::Entrada({Linea(c.producto, 10, 10, 100, 0, true)}));
        ASSERT_GT(est.ReservaRescate[5], 0.0);
        for (int k = 1; k <= 99; ++k) {
            EXPECT_EQ(est.DividendoMil[k], 0.0) << "año " << k;
            EXPECT_EQ(est.DividendosAcumulados[k], 0.0) << "año " << k;
        }
    }
}

}  // namespace
}  // namespace valores
