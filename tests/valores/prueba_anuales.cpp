// Year-by-year amounts of the lines: sums assured, surrender values and dividends in money,
// basic premiums, the yearly renewable term, the issue expense and the running totals.
#include <gtest/gtest.h>

#include <cmath>

#include "apoyo.h"

namespace valores {
namespace {

cv::Currency Pesos(double x) { return cv::Currency::DesdeDouble(x); }

// Sum assured of year k for a yearly growth g: it stops growing after year 16.
double SumaDelAno(double suma, float g, int k) {
    const int e = std::min(k, 16);
    return suma * (1 + static_cast<double>(static_cast<float>((e - 1) * static_cast<double>(g))));
}

TEST(ValoresAnuales, LaSumaCreceHastaElAno16) {
    Corrida correr(CatalogoMetodos().Motor());
    const cv::EstadoMotor& est = correr(UnaLinea(2, 25, 25, false, 5));
    EXPECT_EQ(est.SumaAseguradaAno[1], 100000.0);
    EXPECT_EQ(est.SumaAseguradaAno[16], 175000.0);
    for (int k = 1; k <= 25; ++k) {
        EXPECT_CERCA(est.SumaAseguradaAno[k], SumaDelAno(100000, 0.05f, k)) << "año " << k;
        EXPECT_EQ(est.ProteccionTotal[k], est.SumaAseguradaAno[k]) << "año " << k;
    }
    for (int k = 17; k <= 25; ++k) EXPECT_EQ(est.SumaAseguradaAno[k], 175000.0) << "año " << k;
}

TEST(ValoresAnuales, RescatePorLaSumaInicialDividendosPorLaDelAno) {
    CatalogoPrueba c;
    c.ConMortalidad(2, [](int a) { return PorMil(a); });
    Producto p;
    p.id = "40";
    p.mortalidadPrima = p.mortalidadRescate = 2;
    p.tasaTecnica = p.tasaReservas = 3;
    p.metodoRescate = 2;
    p.descuentoDividendos = 1;
    c.ConProducto(p);
    Corrida correr(c.Motor());
    const cv::EstadoMotor& est = correr(prueba::Entrada({Linea("40", 20, 20, 100, 5, true)}));
    for (int k = 3; k <= 20; ++k) {
        SCOPED_TRACE(::testing::Message() << "año " << k);
        ASSERT_GT(est.RescateMil[k], 0.0);
        ASSERT_GT(est.DividendoMil[k], 0.0);
        EXPECT_EQ(est.RescateLineaAno[k], Pesos(est.RescateMil[k] * 100000 / 1000));
        EXPECT_EQ(est.DividendoLineaAno[k], Pesos(est.DividendoMil[k] * SumaDelAno(100000, 0.05f, k) / 1000));
        EXPECT_EQ(est.ValorRescate[k], est.RescateLineaAno[k]);
        EXPECT_EQ(est.DividendosAcumulados[k], est.DividendoLineaAno[k].ComoDouble());
    }
}

// Yearly renewable term products: premium row 3 and surrender row 4 hold a rate of a/10 and
// a/10 + 1 per 1000 at age a.
CatalogoPrueba CatalogoTemporalAnual() {
    CatalogoPrueba c;
    c.ConMortalidad(3, [](int a) { return a / 10.0; });
    c.ConMortalidad(4, [](int a) { return a / 10.0 + 1; });
    for (const char* id : {"40", "41", "42"}) {
        Producto p;
        p.id = id;
        p.mortalidadPrima = 3;
        p.mortalidadRescate = 4;
        p.metodoPrima = std::string(id) == "42" ? 1 : 99;
        p.metodoRescate = 0;
        p.gastos = 250;
        c.ConProducto(p);
    }
    return c;
}

// A one-year term is shown over 10 years, each at the rate of the attained age, each with its
// issue expense: the tariff row for the tariff method, the surrender row for the others.
TEST(ValoresAnuales, TemporalAnualDiezAnos) {
    struct Caso {
        const char* que;
        const char* producto;
        const char* extraprima;
        double (*tasa)(int edad);
    };
    const Caso casos[] = {
        {"tarifa por edad", "40", "0", [](int a) { return a / 10.0; }},
        {"tarifa por edad con extraprima ocupacional", "40", "1.5", [](int a) { return a / 10.0 + 1.5; }},
        {"tabla de rescate", "42", "0", [](int a) { return a / 10.0 + 1; }},
    };
    Corrida correr(CatalogoTemporalAnual().Motor());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        cv::EntradaCalculo e = prueba::Entrada({Linea(c.producto, 1, 1)});
        e.txtExtraprimaOcupacional = c.extraprima;
        const cv::EstadoMotor& est = correr(e);
        EXPECT_EQ(est.MaxAnosIlustrar, 10);
        for (int k = 1; k <= 10; ++k) {
            const double prima = 250 + Pesos(c.tasa(40 + k - 1) * 100000 / 1000).ComoDouble();
            EXPECT_EQ(est.PrimaBasicaAno[k], prima) << "año " << k;
            EXPECT_EQ(est.PrimaAnualizada[k], prima + (k == 1 ? 600 : 0)) << "año " << k;
            EXPECT_EQ(est.ProteccionTotal[k], 100000.0) << "año " << k;
        }
        for (int k = 11; k <= 99; ++k) {
            EXPECT_EQ(est.PrimaBasicaAno[k], 0.0) << "año " << k;
            EXPECT_EQ(est.PrimaAnualizada[k], 0.0) << "año " << k;
        }
    }
}

// The sample's yearly renewable term: tariff row 90, issue expense 250, pesos fee 600.
TEST(ValoresAnualesMuestra, TemporalAnualRenovable) {
    Corrida correr(prueba::MotorMuestra());
    const cv::EstadoMotor& est = correr(prueba::Entrada({Linea("8", 1, 1)}));
    const cv::FilaPorEdad* tarifa = prueba::MotorMuestra()->Mortalidad(cv::datos::Valor(90));
    for (int k = 1; k <= 10; ++k) {
        // The rate of the row as it stands, without the product's fixed loading.
        const double tasa = tarifa->edad[static_cast<size_t>(40 + k - 1)].ComoDouble();
        const double prima = 250 + Pesos(tasa * 100000 / 1000).ComoDouble();
        EXPECT_CERCA(est.PrimaBasicaAno[k], prima) << "año " << k;
        EXPECT_CERCA(est.PrimaAnualizada[k], prima + (k == 1 ? 600 : 0)) << "año " << k;
    }
    EXPECT_EQ(est.PrimaAnualizada[11], 0.0);
}

// The issue expense is borne by the first line of each product only.
TEST(ValoresAnuales, GastoDeExpedicionUnaVezPorProducto) {
    struct Caso {
        const char* que;
        const char* segundo;
        int gastos;  // expenses in every year's premium
    };
    const Caso casos[] = {{"el mismo producto", "40", 250}, {"otro producto", "41", 500}};
    Corrida correr(CatalogoTemporalAnual().Motor());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        const cv::EstadoMotor& est = correr(prueba::Entrada({Linea("40", 1, 1, 50), Linea(c.segundo, 1, 1, 50)}));
        for (int k = 1; k <= 10; ++k) {
            const double linea = Pesos((40 + k - 1) / 10.0 * 50000 / 1000).ComoDouble();
            EXPECT_EQ(est.PrimaAnualizada[k], c.gastos + 2 * linea + (k == 1 ? 600 : 0)) << "año " << k;
        }
    }
}

// Level products at 10 per 1000 from the tariff row, issue expense 300.
CatalogoPrueba CatalogoNivel() {
    CatalogoPrueba c;
    c.ConMortalidad(10, Constante(10));
    for (const char* id : {"40", "41"}) {
        Producto p;
        p.id = id;
        p.mortalidadPrima = 10;
        p.metodoPrima = 99;
        p.metodoRescate = 0;
        p.gastos = 300;
        c.ConProducto(p);
    }
    return c;
}

// A line adds to the quote only its own premium years, even when a shorter line follows it.
TEST(ValoresAnuales, CadaLineaSumaSoloSusAnosDePago) {
    Corrida correr(CatalogoNivel().Motor());
    const cv::EstadoMotor& est = correr(prueba::Entrada({Linea("40", 10, 10, 50), Linea("40", 10, 5, 50)}));
    for (int k = 1; k <= 10; ++k) {
        // Line 1: 500 plus its expense of 300; line 2 (same product, no expense): 500 in years 1 to 5.
        const double esperada = 800 + (k <= 5 ? 500 : 0) + (k == 1 ? 600 : 0);
        EXPECT_EQ(est.PrimaAnualizada[k], esperada) << "año " << k;
    }
    for (int k = 6; k <= 99; ++k) EXPECT_EQ(est.PrimaBasicaAno[k], 0.0) << "año " << k;
}

// The running first-year totals add every line.
TEST(ValoresAnuales, PrimasAcumuladasDeTodasLasLineas) {
    Corrida correr(CatalogoNivel().Motor());
    const cv::EstadoMotor& est =
        correr(prueba::Entrada({Linea("40", 10, 10, 50), Linea("40", 10, 10, 25), Linea("40", 10, 10, 25)}));
    const double conGastos[] = {0, 800, 250, 250}, sinGastos[] = {0, 500, 250, 250};
    double acumulada = 0, acumuladaSinGastos = 0;
    for (int l = 1; l <= 3; ++l) {
        SCOPED_TRACE(::testing::Message() << "línea " << l);
        acumulada += conGastos[l];
        acumuladaSinGastos += sinGastos[l];
        EXPECT_EQ(est.PrimaLineaPrimerAno[l], conGastos[l]);
        EXPECT_EQ(est.PrimaLineaMostrada[l], sinGastos[l]);
        EXPECT_EQ(est.PrimaAcumuladaLineas[l], Pesos(acumulada));
        EXPECT_EQ(est.PrimaAcumuladaSinGastos[l], Pesos(acumuladaSinGastos));
    }
    EXPECT_EQ(est.PrimaPrimeraLinea, Pesos(800));
    EXPECT_EQ(est.PrimaBasicaSinGastos, Pesos(500));
}

// The quote's columns are the sums of its lines' amounts.
TEST(ValoresAnuales, LasColumnasSumanLasLineas) {
    CatalogoPrueba c = CatalogoMetodos(3, 3);
    Producto p;
    p.id = "40";
    p.mortalidadPrima = p.mortalidadRescate = 2;
    p.tasaTecnica = p.tasaReservas = 3;
    p.metodoRescate = 3;
    p.descuentoDividendos = 1;
    c.ConProducto(p);
    Corrida correr(c.Motor());
    const auto l1 = Linea("40", 20, 20, 60, 0, true), l2 = Linea(ProductoDelMetodo(2), 15, 15, 40, 5, true);
    // Each line alone, with its share of the global sum.
    const cv::EstadoMotor uno = correr(prueba::Entrada({l1})), dos = correr(prueba::Entrada({l2}));
    const cv::EstadoMotor& ambas = correr(prueba::Entrada({l1, l2}));
    for (int k = 1; k <= 20; ++k) {
        SCOPED_TRACE(::testing::Message() << "año " << k);
        EXPECT_CERCA(ambas.ProteccionTotal[k], uno.ProteccionTotal[k] + dos.ProteccionTotal[k]);
        EXPECT_EQ(ambas.ValorRescate[k], uno.ValorRescate[k] + dos.ValorRescate[k]);
        EXPECT_CERCA(ambas.DividendosAcumulados[k], uno.DividendosAcumulados[k] + dos.DividendosAcumulados[k]);
    }
    EXPECT_GT(ambas.ValorRescate[10].ComoDouble(), uno.ValorRescate[10].ComoDouble());
    EXPECT_GT(uno.DividendosAcumulados[5], 0.0);
}

}  // namespace
}  // namespace valores
