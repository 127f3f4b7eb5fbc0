// Additional contributions: the schedule by increment type, the amount from a target fund, one
// schedule per quote, and the accumulated fund.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "apoyo.h"

namespace valores {
namespace {

cv::Currency Pesos(double x) { return cv::Currency::DesdeDouble(x); }

// Level products at 10 per 1000; fund rates 5 % pesos and 4 % dollars; short endowments at
// 1000 per 1000, so that the endowment bought is the contribution itself.
CatalogoPrueba CatalogoAportaciones() {
    CatalogoPrueba c;
    c.ConOpcion("Tasa de Interes Pesos", 5.0).ConOpcion("Tasa de Interes Dolares", 4.0);
    c.ConMortalidad(10, Constante(10));
    for (const char* id : {"40", "41"}) {
        Producto p;
        p.id = id;
        p.mortalidadPrima = 10;
        p.metodoPrima = 99;
        p.metodoRescate = 0;
        c.ConProducto(p);
    }
    return c;
}

cv::EntradaCalculo ConAportaciones(std::vector<cv::LineaCotizacion> lineas, const char* tipo, int16_t pagos,
                                   double monto, int16_t incrementoPct, double fondoFinal = 0) {
    cv::EntradaCalculo e = prueba::Entrada(std::move(lineas));
    e.comTipoIncremento = tipo;
    e.AportNumPagos = pagos;
    e.AportMonto = monto;
    e.AportTasaIncrementoPct = incrementoPct;
    e.AportFondoFinal = fondoFinal;
    return e;
}

TEST(Aportaciones, CalendarioPorTipoDeIncremento) {
    struct Caso {
        const char* tipo;
        int16_t incrementoPct;
        double pagos[3];
    };
    const Caso casos[] = {
        {"Geometrico", 5, {1050, 1102.5, 1157.625}}, {"Aritmetico", 5, {1000, 1050, 1100}},
        {"Nivelado", 5, {1000, 1050, 1100}},  // the letter only changes the sum of a target fund
        {"Geometrico", 0, {1000, 1000, 1000}},       {"Aritmetico", 0, {1000, 1000, 1000}},
    };
    Corrida correr(CatalogoAportaciones().Motor());
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.tipo << " " << c.incrementoPct << " %");
        const cv::EstadoMotor& est = correr(ConAportaciones({Linea("40", 10, 10)}, c.tipo, 3, 1000, c.incrementoPct));
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(est.AportacionMostrada[k], static_cast<float>(c.pagos[k - 1])) << "año " << k;
            EXPECT_EQ(est.AportacionAno[k], c.pagos[k - 1]) << "año " << k;
        }
        for (int k = 4; k <= 10; ++k) {
            EXPECT_EQ(est.AportacionMostrada[k], 0.0f) << "año " << k;
            EXPECT_EQ(est.AportacionAno[k], 0.0) << "año " << k;
        }
        EXPECT_EQ(est.PrimeraAportacion, Pesos(c.pagos[0]));
    }
}

// The endowment bought is the contribution over the short-endowment premium per 1000.
TEST(Aportaciones, DotalDeCortoPlazo) {
    CatalogoPrueba c = CatalogoAportaciones();
    c.ConOpcion("Primas de Dotal a corto plazo pesos 12", 947.87);
    Corrida correr(c.Motor());
    const cv::EstadoMotor& est = correr(ConAportaciones({Linea("40", 10, 10)}, "Nivelado", 2, 1000, 0));
    const double f = static_cast<float>(947.87);
    for (int k = 1; k <= 2; ++k) {
        EXPECT_CERCA(est.AportacionAno[k], 1000 * 1000 / f);
        EXPECT_FLOAT_EQ(est.AportacionMostrada[k], 1000.0f);
    }
}

TEST(Aportaciones, SinAportacionesNoHayCalendario) {
    Corrida correr(CatalogoAportaciones().Motor());
    const cv::EstadoMotor& est = correr(ConAportaciones({Linea("40", 10, 10)}, "Geometrico", 0, 1000, 5, 50000));
    for (int k = 1; k <= 99; ++k) {
        EXPECT_EQ(est.AportacionMostrada[k], 0.0f) << "año " << k;
        EXPECT_EQ(est.AportacionAno[k], 0.0) << "año " << k;
        EXPECT_EQ(est.FondoAcumulado[k], cv::Currency()) << "año " << k;
    }
    EXPECT_EQ(est.PrimeraAportacion, cv::Currency());
}

// The first contribution that, with the schedule's increments and the loading, reaches the
// target fund at the end of the term: F (1 + j)^(1 − n) / (S (1 + L)).
TEST(Aportaciones, MontoDesdeElFondoFinal) {
    struct Caso {
        const char* tipo;
        const char* moneda;
        int16_t incrementoPct;
        float j, carga;
    };
    const Caso casos[] = {
        {"Nivelado", "Pesos", 0, 0.05f, 0.025999f},
        {"Aritmetico", "Pesos", 5, 0.05f, 0.025999f},
        {"Geometrico", "Dólares", 5, 0.04f, 0.031395f},
    };
    Corrida correr(CatalogoAportaciones().Motor());
    const int n = 10, pagos = 4;
    const double fondo = 100000;
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.tipo << " en " << c.moneda);
        cv::EntradaCalculo e = ConAportaciones({Linea("40", n, n)}, c.tipo, pagos, 0, c.incrementoPct, fondo);
        e.comMoneda = c.moneda;
        const cv::EstadoMotor& est = correr(e);
        const double j = c.j, g = static_cast<float>(c.incrementoPct / 100.0);
        double s = 0;
        for (int t = 1; t <= pagos; ++t) {
            const double peso = c.tipo[0] == 'G' ? std::pow(1 + g, t - 1) : c.tipo[0] == 'A' ? 1 + g * (t - 1) : 1;
            s += peso * std::pow(1 + j, 1 - t);
        }
        const double inicial =
            Pesos(fondo * std::pow(1 + j, 1 - n) / (s * (1 + static_cast<double>(c.carga)))).ComoDouble();
        double monto = inicial;
        for (int k = 1; k <= pagos; ++k) {
            if (g > 0)
                monto = Pesos(c.tipo[0] == 'G' ? monto * (1 + g) : static_cast<float>(inicial) * (1 + g * (k - 1)))
                            .ComoDouble();
            EXPECT_EQ(est.AportacionAno[k], monto) << "año " << k;
        }
        EXPECT_EQ(est.AportacionMostrada[pagos + 1], 0.0f);
    }
}

// Contributions are scheduled once for the quote: more lines pay what one line pays.
TEST(Aportaciones, UnSoloCalendarioParaVariasLineas) {
    struct Caso {
        const char* tipo;
        double pagos[3];
    };
    const Caso casos[] = {{"Geometrico", {1050, 1102.5, 1157.625}}, {"Aritmetico", {1000, 1050, 1100}}};
    Corrida correr(CatalogoAportaciones().Motor());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tipo);
        const cv::EstadoMotor& est = correr(ConAportaciones(
            {Linea("40", 10, 10, 50), Linea("41", 10, 10, 30), Linea("40", 10, 10, 20)}, c.tipo, 3, 1000, 5));
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(est.AportacionAno[k], c.pagos[k - 1]) << "año " << k;
        EXPECT_EQ(est.PrimeraAportacion, Pesos(c.pagos[0]));
        EXPECT_EQ(est.FondoAcumulado[1], Pesos(c.pagos[0]));
    }
}

TEST(Fondo, Acumulacion) {
    struct Caso {
        const char* que;
        std::vector<double> aportaciones, dividendos, fondo;  // years 1..4
    };
    const Caso casos[] = {
        {"1000 al año tres años", {1000, 1000, 1000, 0}, {0, 0, 0, 0}, {1000, 2050, 3152.5, 3310.125}},
        {"dividendos del año 2: no entran", {0, 0, 0, 0}, {0, 100, 0, 0}, {0, 0, 0, 0}},
        {"dividendos del año 3: entran", {0, 0, 0, 0}, {0, 0, 100, 0}, {0, 0, 100, 105}},
        {"sin dividendos ni aportaciones", {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"ambos", {1000, 0, 0, 0}, {50, 50, 50, 50}, {1000, 1050, 1152.5, 1260.125}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        cv::Calculo calc(CatalogoAportaciones().Motor());
        auto& est = calc.Estado();
        est.TasaFondo = 0.05f;
        est.MaxAnosIlustrar = 4;
        for (int k = 1; k <= 4; ++k) {
            est.AportacionAno[k] = c.aportaciones[static_cast<size_t>(k - 1)];
            est.DividendosAcumulados[k] = c.dividendos[static_cast<size_t>(k - 1)];
        }
        calc.AcumularFondo();
        EXPECT_EQ(est.FondoAcumulado[0], cv::Currency());
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(est.FondoAcumulado[k], Pesos(c.fondo[static_cast<size_t>(k - 1)])) << "año " << k;
    }
}

TEST(Fondo, DeLaCotizacion) {
    Corrida correr(CatalogoAportaciones().Motor());
    const cv::EstadoMotor& est = correr(ConAportaciones({Linea("40", 10, 10)}, "Nivelado", 3, 1000, 0));
    double fondo = 0;
    for (int k = 1; k <= 10; ++k) {
        fondo = Pesos(fondo * (1 + static_cast<double>(0.05f)) + (k <= 3 ? 1000 : 0)).ComoDouble();
        EXPECT_EQ(est.FondoAcumulado[k], Pesos(fondo)) << "año " << k;
    }
    EXPECT_EQ(est.FondoAcumulado[1], Pesos(1000));
    EXPECT_EQ(est.FondoAcumulado[2], Pesos(2050));
    EXPECT_EQ(est.FondoAcumulado[3], Pesos(3152.5));
}

}  // namespace
}  // namespace valores
