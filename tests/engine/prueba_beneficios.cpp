// Rider rates of a line, the order of the solve pass, and the global sum assured solved from a
// target premium.
#include <gtest/gtest.h>

#include <cmath>

#include "catalogo_prueba.h"
#include "core/numeros.h"
#include "referencia.h"

namespace prueba {
namespace {

using cv::Currency;

TEST(OrdenarLineas, FijasPrimeroLaUltimaAntes) {
    struct Caso {
        std::vector<double> sumas;  // 0: the line takes a share
        std::vector<int16_t> orden;
    };
    const Caso casos[] = {
        {{50000, 0, 30000}, {3, 1, 2}},
        {{0, 0, 0}, {1, 2, 3}},
        {{10, 20, 30}, {3, 2, 1}},
        {{0, 10, 0, 20}, {4, 2, 1, 3}},
        {{0, 0, 10}, {3, 1, 2}},
        {{0}, {1}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.sumas));
        std::vector<cv::LineaCotizacion> lineas;
        for (double s : c.sumas) lineas.push_back(Linea("1", 10, 10, s));
        cv::Calculo calc(CatalogoPrueba().Motor());
        Preparar(calc, Entrada(lineas));
        calc.OrdenarLineas();
        for (size_t j = 0; j < c.orden.size(); ++j) EXPECT_EQ(calc.Estado().OrdenLineas[j + 1], c.orden[j]) << j + 1;
    }
}

// ---- rider rates ----

// Product "5" (method 1, flat mortality, no commissions) with riders: BIT (1) at 3 %, M.A. (3) at
// 1.2, D.I. (4) at 0.8, B.P.A.I. (2) at a tenth of the age, E.G. (7) at a tenth of the age with
// the age set-backs, and life to 60 (6), each with a rate row for the 10- and 20-year plans.
class Beneficios : public ::testing::Test {
protected:
    Beneficios() {
        Producto p;
        p.id = "5";
        p.recargoFijo = 1.5;
        p.aplicaDescuentos = 1;
        cat.ConProducto(p)
            .ConBeneficio(1, "B.I.T", 1)
            .ConBeneficio(2, "B.P.A.I.", 0)
            .ConBeneficio(3, "M.A.", 0)
            .ConBeneficio(4, "D.I.", 0)
            .ConBeneficio(6, "Vida a 60", 1)
            .ConBeneficio(7, "E.G.", 1)
            .ConTarifa(101, Constante(3))
            .ConTarifa(102, [](int a) { return a / 10.0; })
            .ConTarifa(103, Constante(1.2))
            .ConTarifa(104, Constante(0.8))
            .ConTarifa(106, Constante(0));
        for (int plazo : {10, 20})
            for (auto [id, tabla] : {std::pair{"1", 101}, {"2", 102}, {"3", 103}, {"4", 104}, {"6", 106}, {"7", 102}})
                cat.ConTarifaBeneficio("5", id, plazo, plazo, 0, 0, tabla);
    }

    // Line 1 of the quote through its premium, then its rider rates.
    cv::EstadoMotor& Tarifar(cv::LineaCotizacion l, const std::string& edad = "40", const std::string& fuma = "No",
                             const std::string& sexo = "Femenino") {
        calc = std::make_unique<cv::Calculo>(cat.Motor());
        auto e = Entrada({std::move(l)});
        e.txtEdad = edad;
        e.comFuma = fuma;
        e.comSexo = sexo;
        Preparar(*calc, e);
        auto& est = calc->Estado();
        est.LineaActual = 1;
        calc->LeerParametrosProducto();
        calc->CalcularPrimaLinea();
        calc->TarifaBeneficiosLinea();
        return est;
    }

    static cv::LineaCotizacion ConBeneficios(cv::LineaCotizacion l,
                                             std::vector<std::pair<std::string, float>> beneficios) {
        for (size_t r = 0; r < beneficios.size(); ++r) {
            l.Beneficio[r + 1] = beneficios[r].first;
            l.ParticipacionBeneficio[r + 1] = beneficios[r].second;
        }
        return l;
    }

    CatalogoPrueba cat;
    std::unique_ptr<cv::Calculo> calc;
};

TEST_F(Beneficios, SumaPorParticipacion) {
    const auto& est = Tarifar(ConBeneficios(Linea("5", 10, 10), {{"3", 100}, {"4", 50}}));
    EXPECT_NEAR(est.TarifaBeneficios, 1.6, 1e-6);
    EXPECT_DOUBLE_EQ(est.TarifaBeneficios, static_cast<double>(1.2f) + static_cast<double>(0.8f) * 0.5);
    EXPECT_EQ(est.PorcentajeBIT, 0);
}

TEST_F(Beneficios, BITEsUnPorcentajeAparte) {
    const auto& est = Tarifar(ConBeneficios(Linea("5", 10, 10), {{"1", 100}, {"3", 25}}));
    EXPECT_EQ(est.PorcentajeBIT, 3);
    EXPECT_DOUBLE_EQ(est.TarifaBeneficios, static_cast<double>(1.2f) * 0.25);
}

// A 40-year-old non-smoking woman is rated at 35; riders without the set-backs take 40.
TEST_F(Beneficios, EdadDeLaTarifa) {
    auto& est = Tarifar(ConBeneficios(Linea("5", 10, 10), {{"2", 100}}));
    ASSERT_EQ(est.EdadCalculo, 35);
    EXPECT_FLOAT_EQ(static_cast<float>(est.TarifaBeneficios), 4.0f);
    Tarifar(ConBeneficios(Linea("5", 10, 10), {{"7", 100}}));
    EXPECT_FLOAT_EQ(static_cast<float>(calc->Estado().TarifaBeneficios), 3.5f);
}

// A rider rated at the actual age takes age 1 for a newborn, and the engine's age becomes 1.
TEST_F(Beneficios, EdadCeroSeTomaComoUno) {
    calc = std::make_unique<cv::Calculo>(cat.Motor());
    auto e = Entrada({ConBeneficios(Linea("5", 10, 10), {{"2", 100}, {"7", 100}})});
    e.txtEdad = "0";
    Preparar(*calc, e);
    auto& est = calc->Estado();
    est.LineaActual = 1;
    est.EdadCalculo = 15;
    calc->TarifaBeneficiosLinea();
    EXPECT_EQ(est.Edad, 1);
    EXPECT_NEAR(est.TarifaBeneficios, 0.1 + 1.5, 1e-6);
}

TEST_F(Beneficios, SinRenglonDeTarifaNoSumaNada) {
    cat.ConBeneficio(5, "T.I.", 0).ConTarifaBeneficio("5", "5", 10, 10, 0, 0, 999);  // table 999 does not exist
    struct Caso {
        const char* nombre;
        cv::LineaCotizacion linea;
    };
    auto dotal = Linea("5", 10, 10);
    dotal.Dotal = 1;
    const Caso casos[] = {
        {"plazo sin renglón", ConBeneficios(Linea("5", 15, 15), {{"3", 100}})},
        {"dotal sin renglón", ConBeneficios(dotal, {{"3", 100}})},
        {"plazo de pago distinto", ConBeneficios(Linea("5", 10, 5), {{"3", 100}})},
        {"tabla de tarifas inexistente", ConBeneficios(Linea("5", 10, 10), {{"5", 100}})},
        {"id con otro texto", ConBeneficios(Linea("5", 10, 10), {{"03", 100}})},
        {"sin beneficios", Linea("5", 10, 10)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        const auto& est = Tarifar(c.linea);
        EXPECT_EQ(est.TarifaBeneficios, 0);
        EXPECT_EQ(est.PorcentajeBIT, 0);
    }
}

TEST_F(Beneficios, EntradasVaciasSeSaltan) {
    auto l = Linea("5", 10, 10);
    l.Beneficio[2] = "3";
    l.ParticipacionBeneficio[2] = 100;
    l.Beneficio[10] = "4";
    l.ParticipacionBeneficio[10] = 100;
    EXPECT_NEAR(Tarifar(l).TarifaBeneficios, 2.0, 1e-6);
}

TEST_F(Beneficios, BeneficioInexistente) {
    const std::string m = Mensaje([&] { Tarifar(ConBeneficios(Linea("5", 10, 10), {{"9", 100}})); });
    EXPECT_NE(m.find("9"), std::string::npos) << m;
    EXPECT_NE(m.find("Beneficios Adicionales"), std::string::npos) << m;
}

// Life to 60 is priced as the line's own plan with cover and payments ending at the actual age 60.
TEST_F(Beneficios, VidaA60) {
    struct Caso {
        const char* edad;
        const char* fuma;
        const char* sexo;
        int x, anos;
    };
    for (const auto& c : {Caso{"50", "Si", "Masculino", 50, 10}, Caso{"52", "No", "Femenino", 47, 8}}) {
        SCOPED_TRACE(c.edad);
        const auto& est = Tarifar(ConBeneficios(Linea("5", 20, 20), {{"6", 50}}), c.edad, c.fuma, c.sexo);
        ASSERT_EQ(est.EdadCalculo, c.x);
        std::array<double, 100> q;
        q.fill(0.001);
        const float i = 0.05f;
        const Conmutacion z(q, i);
        const double neta60 = IDelta(i) * z.Seguro(c.x, c.anos) * 1000 / z.Anualidad(c.x, c.anos);
        const double neta20 = IDelta(i) * z.Seguro(c.x, 20) * 1000 / z.Anualidad(c.x, 20);
        EXPECT_FLOAT_EQ(est.TarifaBeneficio, static_cast<float>(cv::RedondearDecimales(neta60 + 1.5, 4)));
        EXPECT_NEAR(est.TarifaBeneficios, 0.5 * static_cast<double>(est.TarifaBeneficio), 1e-12);
        // The line's own terms and premiums are back.
        EXPECT_EQ(est.PlazoSeguro, 20);
        EXPECT_EQ(est.PlazoPago, 20);
        EXPECT_REL(est.PrimaNeta, neta20);
        EXPECT_NEAR(est.PrimaTarifa, cv::RedondearDecimales(neta20 + 1.5, 4), 1e-12);
    }
}

TEST_F(Beneficios, VidaA60RestauraLaTarifaDotal) {
    Producto p;
    p.id = "5";
    p.metodoPrima = 13;
    p.recargoFijo = 1.5;
    cat.ConProducto(p);
    cat.ConTarifaBeneficio("5", "6", 20, 20, 1, 0, 106);
    auto l = ConBeneficios(Linea("5", 20, 20), {{"6", 100}});
    l.Dotal = 1;
    cv::Calculo sin(cat.Motor());
    auto e = Entrada({Linea("5", 20, 20)});
    e.lineas[1].Dotal = 1;
    e.txtEdad = "45";
    Preparar(sin, e);
    sin.Estado().LineaActual = 1;
    sin.LeerParametrosProducto();
    sin.CalcularPrimaLinea();
    const auto& propio = sin.Estado();
    ASSERT_NE(propio.PrimaTarifa2, 0);

    const auto& est = Tarifar(l, "45", "Si", "Masculino");
    EXPECT_GT(est.TarifaBeneficio, 0);
    EXPECT_NE(static_cast<double>(est.TarifaBeneficio), propio.PrimaTarifa);
    EXPECT_EQ(est.PrimaNeta, propio.PrimaNeta);
    EXPECT_EQ(est.PrimaTarifa, propio.PrimaTarifa);
    EXPECT_EQ(est.PrimaTarifa2, propio.PrimaTarifa2);
    EXPECT_EQ(est.PlazoSeguro, 20);
    EXPECT_EQ(est.PlazoPago, 20);
}

TEST_F(Beneficios, VidaA60SinAnosAntesDeLos60) {
    for (const char* edad : {"60", "65"}) {
        SCOPED_TRACE(edad);
        const auto& est = Tarifar(ConBeneficios(Linea("5", 10, 10), {{"6", 100}, {"3", 100}}), edad, "Si", "Masculino");
        EXPECT_EQ(est.TarifaBeneficio, 1.2f);  // the last rider's rate
        EXPECT_NEAR(est.TarifaBeneficios, 1.2, 1e-6);
        EXPECT_EQ(est.PlazoSeguro, 10);
        EXPECT_TRUE(std::isfinite(est.PrimaTarifa));
    }
}

// The return-of-premium plan is priced with the rider rows of product 1.
TEST(BeneficiosProducto16, UsaLosRenglonesDelProducto1) {
    cv::Calculo calc(MotorMuestra());
    auto l = Linea("16", 10, 10);
    l.Beneficio[1] = "3";
    l.ParticipacionBeneficio[1] = 100;
    l.Beneficio[2] = "4";
    l.ParticipacionBeneficio[2] = 50;
    Preparar(calc, Entrada({l}));
    auto& est = calc.Estado();
    est.LineaActual = 1;
    calc.LeerParametrosProducto();
    calc.CalcularPrimaLinea();
    calc.TarifaBeneficiosLinea();
    // Sample tables 7 (M.A., 0.80) and 8 (D.I., 1.20) from product 1's 10-year rows.
    EXPECT_NEAR(est.TarifaBeneficios, 0.8 + 0.6, 1e-6);
}

// The same rows serve the solve pass: the line's rate counts with product 1's rider rates.
TEST(BeneficiosProducto16, EnLaSumaDesdePrima) {
    cv::Calculo calc(MotorMuestra());
    auto l = Linea("16", 10, 10);
    l.Beneficio[1] = "3";
    l.ParticipacionBeneficio[1] = 100;
    auto e = Entrada({l});
    e.txtSumaAseguradaGlobal = "";
    e.txtPrimaTotal = "20000";
    Preparar(calc, e);
    calc.ResolverSumaDesdePrima();
    const auto& est = calc.Estado();
    EXPECT_NEAR(est.TarifaBeneficios, 0.8, 1e-6);
    EXPECT_DOUBLE_EQ(est.TarifaTotal, cv::RedondearDecimales(est.PrimaTarifa + static_cast<double>(0.8f), 4));
}

// ---- the sum assured from a target premium ----

// Products with tariff rates of their own (method 99): "A" at 5 per 1000, "B" at 4, "C" at 6.
class SumaDesdePrima : public ::testing::Test {
protected:
    SumaDesdePrima() {
        auto tabla = [&](const char* id, int fila, double tasa, double gastos, Valor volumen) {
            Producto p;
            p.id = id;
            p.metodoPrima = 99;
            p.mortalidadPrima = fila;
            p.gastos = gastos;
            p.descuentoVolumen = volumen;
            cat.ConProducto(p).ConMortalidad(fila, Constante(tasa));
        };
        tabla("A", 50, 5, 0, "1");
        tabla("B", 40, 4, 0, "3");
        tabla("C", 60, 6, 0, "2");
        tabla("G", 51, 5, 300, "1");
        cat.ConVolumen("3", {{999999999999.0, 0, 0}}).ConVolumen("2", {{999999999999.0, 1, 0}});
        cat.ConBeneficio(1, "B.I.T", 1).ConBeneficio(3, "M.A.", 0).ConBeneficio(4, "D.I.", 0);
        cat.ConTarifa(101, Constante(3)).ConTarifa(103, Constante(1.2)).ConTarifa(104, Constante(0.8));
        for (auto [id, t] : {std::pair{"1", 101}, {"3", 103}, {"4", 104}}) cat.ConTarifaBeneficio("A", id, 10, 10, 0, 0, t);
    }

    // The solve pass alone, for the quote's age.
    cv::EstadoMotor& Resolver(const cv::EntradaCalculo& e) {
        calc = std::make_unique<cv::Calculo>(cat.Motor());
        Preparar(*calc, e);
        calc->ResolverSumaDesdePrima();
        return calc->Estado();
    }
    static cv::EntradaCalculo Objetivo(std::vector<cv::LineaCotizacion> lineas, const std::string& prima) {
        auto e = Entrada(std::move(lineas));
        e.txtSumaAseguradaGlobal = "";
        e.txtPrimaTotal = prima;
        return e;
    }

    CatalogoPrueba cat;
    std::unique_ptr<cv::Calculo> calc;
};

TEST_F(SumaDesdePrima, UnaLineaConGastos) {
    const auto& est = Resolver(Objetivo({Linea("G", 10, 10)}, "10300"));
    EXPECT_EQ(est.ModoSumaDesdePrima, 1);
    EXPECT_EQ(est.PrimaObjetivo, 10300);
    EXPECT_DOUBLE_EQ(est.TarifaTotal, 5);
    EXPECT_EQ(est.PrimaTotal, Currency::DesdeEntero(10000));
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeEntero(2000000));
}

TEST_F(SumaDesdePrima, PagoMensualEnPesos) {
    auto e = Objetivo({Linea("G", 10, 10)}, "10,969.50");
    e.comFormaPago = "Mensual";
    const auto& est = Resolver(e);
    EXPECT_DOUBLE_EQ(est.PrimaObjetivo, 10969.5 / (1 + static_cast<double>(0.065f)));
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeEntero(2000000));
}

TEST_F(SumaDesdePrima, LineaFijaYLineaDeParticipacion) {
    const auto& est = Resolver(Objetivo({Linea("B", 10, 10, 500000), Linea("A", 10, 10)}, "12000"));
    EXPECT_EQ(est.PrimaTotal, Currency::DesdeEntero(10000));
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeEntero(2000000));
}

TEST_F(SumaDesdePrima, BITSobreLaTarifaDeLaLinea) {
    auto l = Linea("A", 10, 10);
    l.Beneficio[1] = "1";
    l.ParticipacionBeneficio[1] = 100;
    const auto& est = Resolver(Objetivo({l}, "10300"));
    EXPECT_DOUBLE_EQ(est.TarifaTotal, 5.15);
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeEntero(2000000));
}

TEST_F(SumaDesdePrima, BeneficiosPorParticipacion) {
    auto l = Linea("A", 10, 10);
    l.Beneficio[1] = "3";
    l.ParticipacionBeneficio[1] = 100;
    l.Beneficio[2] = "4";
    l.ParticipacionBeneficio[2] = 50;
    const auto& est = Resolver(Objetivo({l}, "13200"));
    EXPECT_NEAR(est.TarifaBeneficios, 1.6, 1e-6);
    EXPECT_DOUBLE_EQ(est.TarifaTotal, 6.6);  // rounded to four decimals
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeEntero(2000000));
}

TEST_F(SumaDesdePrima, ParticipacionParcial) {
    const auto& est = Resolver(Objetivo({Linea("A", 10, 10, 0, 60), Linea("B", 10, 10, 0, 40)}, "9200"));
    EXPECT_DOUBLE_EQ(est.TarifaTotal, 4.6);  // 3 + 1.6, each step to four decimals
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeEntero(2000000));
}

// The pass visits the fixed line first: when it comes after a share line of its product, neither
// has met the other yet, and both bear the issue expense.
TEST_F(SumaDesdePrima, GastosEnElOrdenDelPaso) {
    const auto& est = Resolver(Objetivo({Linea("G", 10, 10), Linea("G", 10, 10, 100000)}, "10600"));
    EXPECT_EQ(est.OrdenLineas[1], 2);
    EXPECT_EQ(est.PrimaTotal, Currency::DesdeEntero(10600 - 500 - 300 - 300));
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeEntero(1900000));
    // In table order the second line of the product bears none.
    const auto& otro = Resolver(Objetivo({Linea("G", 10, 10, 100000), Linea("G", 10, 10)}, "10600"));
    EXPECT_EQ(otro.PrimaTotal, Currency::DesdeEntero(10600 - 500 - 300));
}

// The tiers searched are those of the share line's product, whatever line comes last.
TEST_F(SumaDesdePrima, TramosDelProductoDeParticipacion) {
    const auto& est = Resolver(Objetivo({Linea("C", 10, 10), Linea("B", 10, 10, 100000)}, "10400"));
    EXPECT_EQ(est.PrimaTotal, Currency::DesdeEntero(10000));
    EXPECT_DOUBLE_EQ(est.TarifaTotal, 6);
    // Discount 1 per 1000 taken once per line of the quote: 10 000 / (6 - 2·1) per 1000.
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeEntero(2500000));
}

// Tiers whose discount falls as the sum grows: no assumed tier is consistent, the last sum stands.
TEST_F(SumaDesdePrima, SinTramoConsistente) {
    cat.ConVolumen("1", {{2500000, 2, 0}, {999999999, 0, 0}});
    const auto& est = Resolver(Objetivo({Linea("A", 10, 10)}, "10000"));
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeEntero(2000000));
    EXPECT_TRUE(std::isfinite(est.TarifaTotal));
}

TEST_F(SumaDesdePrima, SinLineaDeParticipacion) {
    const std::string m = Mensaje([&] { Resolver(Objetivo({Linea("A", 10, 10, 100000)}, "10000")); });
    EXPECT_NE(m.find("participación"), std::string::npos) << m;
    cv::Calculo c(cat.Motor());
    EXPECT_THROW(c.CalcularCotizacion(Objetivo({Linea("A", 10, 10, 100000)}, "10000")), cv::ErrorCalculo);
    EXPECT_EQ(c.Estado().SumaAseguradaGlobal, Currency());
    EXPECT_EQ(c.Estado().PrimaTotal, Currency());
    EXPECT_EQ(c.Estado().PrimaTarifa, 0);
    EXPECT_EQ(c.Estado().ModoSumaDesdePrima, 0);
}

// Tariff mode: every age starts again from the first age's target net of the surcharge.
TEST_F(SumaDesdePrima, TarifaReusaElObjetivoDeLaPrimeraEdad) {
    Producto p;
    p.id = "E";
    p.metodoPrima = 99;
    p.mortalidadPrima = 70;
    p.gastos = 300;
    cat.ConProducto(p).ConMortalidad(70, [](int a) { return a - 35.0; });  // 5 per 1000 at 40, 6 at 41, 7 at 42
    auto e = Objetivo({Linea("E", 10, 10)}, "10969.5");
    e.comFormaPago = "Mensual";
    e.optDetalle = false;
    e.txtEdadInicial = "40";
    e.txtEdadFinal = "42";
    calc = std::make_unique<cv::Calculo>(cat.Motor());
    Preparar(*calc, e);
    auto& est = calc->Estado();
    const double objetivo = 10969.5 / (1 + static_cast<double>(0.065f));
    for (int16_t edad = 40; edad <= 42; ++edad) {
        SCOPED_TRACE(edad);
        est.Edad = edad;
        calc->ResolverSumaDesdePrima();
        EXPECT_DOUBLE_EQ(est.PrimaObjetivo, objetivo);
        EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeDouble(1000 * (10000.0 / (edad - 35))));
    }
}

// A whole tariff run from a target premium: each age solves its own sum from the first age's target.
TEST_F(SumaDesdePrima, TarifaCompleta) {
    Producto p;
    p.id = "E";
    p.metodoPrima = 99;
    p.metodoRescate = 0;
    p.mortalidadPrima = 70;
    p.gastos = 300;
    cat.ConProducto(p).ConMortalidad(70, [](int a) { return a - 35.0; });
    auto e = Objetivo({Linea("E", 10, 10)}, "10969.5");
    e.comFormaPago = "Mensual";
    e.optDetalle = false;
    e.txtEdadInicial = "40";
    e.txtEdadFinal = "42";
    cv::Calculo c(cat.Motor());
    const auto r = c.CalcularCotizacion(e);
    EXPECT_EQ(r.filasTarifa.size(), 3u);
    const auto& est = c.Estado();
    EXPECT_EQ(est.ModoSumaDesdePrima, 1);
    EXPECT_DOUBLE_EQ(est.PrimaObjetivo, 10969.5 / (1 + static_cast<double>(0.065f)));
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeDouble(1000 * 10000.0 / 7));
    // The normal pass groups the lines with the solved sum.
    EXPECT_DOUBLE_EQ(est.SumaProducto[1], est.SumaAseguradaGlobal.ComoDouble());
}

TEST_F(SumaDesdePrima, IndividualConLaSumaResuelta) {
    cv::Calculo c(cat.Motor());
    auto e = Objetivo({Linea("A", 10, 10, 0, 50), Linea("A", 10, 10, 0, 50)}, "10000");
    c.CalcularCotizacion(e);
    const auto& est = c.Estado();
    EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeEntero(2000000));
    EXPECT_DOUBLE_EQ(est.SumaProducto[1], 2000000);
    EXPECT_EQ(est.NumGruposProducto, 1);
}

}  // namespace
}  // namespace prueba
