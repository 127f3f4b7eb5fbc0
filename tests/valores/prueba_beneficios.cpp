// Rider premiums by year: rates, sums and terms by age, the waiver on the basic premium, the
// single-premium line, the caps of the critical illness rider and the life cover to age 60.
#include <gtest/gtest.h>

#include <cmath>

#include "apoyo.h"

namespace valores {
namespace {

cv::Currency Pesos(double x) { return cv::Currency::DesdeDouble(x); }

cv::LineaCotizacion ConBeneficio(cv::LineaCotizacion l, int slot, const char* id, float participacionPct = 100) {
    l.Beneficio[static_cast<size_t>(slot)] = id;
    l.ParticipacionBeneficio[static_cast<size_t>(slot)] = participacionPct;
    return l;
}

// Product "40" at 10 per 1000 from its tariff row, no expense; riders 1 to 5 and 7 on lines of
// 10 years (10 or 1 premium years), tariff table 100 + rider: B.I.T 5 %, B.P.A.I. 0.3,
// M.A. 0.8, D.I. 1.2, T.I. 1.6, E.G. 2 per 1000.
std::shared_ptr<const cv::CatalogoMotor> MotorBeneficios(int incrementosBIT = 0) {
    CatalogoPrueba c;
    c.ConMortalidad(10, Constante(10));
    Producto p;
    p.id = "40";
    p.mortalidadPrima = 10;
    p.metodoPrima = 99;
    p.metodoRescate = 0;
    c.ConProducto(p);
    const double tasas[] = {0, 5, 0.3, 0.8, 1.2, 1.6, 0, 2};
    for (int id : {1, 2, 3, 4, 5, 7}) {
        c.ConTarifa(100 + id, Constante(tasas[id]));
        for (int pago : {10, 1}) c.ConTarifaBeneficio("40", std::to_string(id), 10, pago, 0, 0, 100 + id);
    }
    return MotorCon(c, {
                           {1, "B.I.T", 65, 70, 1, incrementosBIT},
                           {2, "B.P.A.I.", 65, 45, 0, 1},  // cancelled at 45
                           {3, "M.A.", 65, 70, 0, 1},
                           {4, "D.I.", 65, 35, 0, 1},  // cancelled before the insured's age
                           {5, "T.I.", 35, 70, 0, 1},  // not granted above 35
                           {7, "E.G.%25", 65, 70, 1, 0},
                       });
}

// Basic premium of 10 000 a year (1 000 000 at 10 per 1000), growing 5 % a year.
TEST(Beneficios, BITSobreLaPrimaBasica) {
    for (int incrementos : {0, 1}) {
        SCOPED_TRACE(::testing::Message() << "Aplican Incrementos " << incrementos);
        Corrida correr(MotorBeneficios(incrementos));
        cv::EntradaCalculo e = prueba::Entrada({ConBeneficio(Linea("40", 10, 10, 100, 5), 1, "1")});
        e.txtSumaAseguradaGlobal = "1,000,000";
        const cv::EstadoMotor& est = correr(e);
        EXPECT_EQ(est.NumBeneficios, 1);
        EXPECT_FLOAT_EQ(est.TarifaBIT[1], 5);
        EXPECT_EQ(est.PrimaBeneficiosLinea[1], Pesos(500));
        for (int k = 1; k <= 10; ++k) {
            SCOPED_TRACE(::testing::Message() << "año " << k);
            const double factor = static_cast<float>((k - 1) * static_cast<double>(0.05f));
            const double basica = Pesos(10 / 1000.0 * 1000000 * (1 + factor)).ComoDouble();
            const double bit = incrementos == 1 ? Pesos(5 * basica / 100).ComoDouble() : 500;
            EXPECT_EQ(est.PrimaBasicaAno[k], basica);
            EXPECT_EQ(est.PrimaBeneficiosAno[k], bit);
            EXPECT_EQ(est.PrimaAnualizada[k], basica + bit + (k == 1 ? 600 : 0));
        }
    }
}

TEST(Beneficios, EdadesDeCancelacionYMaxima) {
    struct Caso {
        const char* que;
        const char* id;
        double suma;
        int plazo;
        int anosConPrima;
        double prima;
    };
    const Caso casos[] = {
        {"cancelación antes de la edad: sin plazo ni suma", "4", 0, 0, 0, 0},
        {"edad máxima menor a la edad: tarifa 0, suma y plazos", "5", 100000, 10, 0, 0},
        {"cancelación a los 45: cinco años", "2", 100000, 5, 5, 30},
        {"sin límites", "3", 100000, 10, 10, 80},
    };
    Corrida correr(MotorBeneficios());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        const cv::EstadoMotor& est = correr(prueba::Entrada({ConBeneficio(Linea("40", 10, 10), 1, c.id)}));
        EXPECT_EQ(est.NumBeneficios, 1);
        EXPECT_EQ(est.SumaBeneficio[1][1], c.suma);
        EXPECT_EQ(est.PlazoSeguroBeneficio[1][1], c.plazo);
        EXPECT_EQ(est.PlazoPagoBeneficio[1][1], c.plazo);
        for (int k = 1; k <= 10; ++k)
            EXPECT_EQ(est.PrimaBeneficiosAno[k], k <= c.anosConPrima ? c.prima : 0) << "año " << k;
        EXPECT_EQ(est.PrimaBeneficioMostrada[1][1], c.anosConPrima > 0 ? c.prima : 0);
    }
}

TEST(Beneficios, PagoUnicoRepiteLaPrimaDiezAnos) {
    Corrida correr(MotorBeneficios());
    const cv::EstadoMotor& est = correr(prueba::Entrada({ConBeneficio(Linea("40", 10, 1), 1, "3")}));
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(est.PrimaBeneficiosAno[k], 80.0) << "año " << k;
        EXPECT_EQ(est.PrimaAnualizada[k], (k == 1 ? 1000 + 600 : 0) + 80.0) << "año " << k;
    }
}

TEST(Beneficios, SinTarifaElBeneficioSeDescarta) {
    Corrida correr(MotorBeneficios());
    // No tariff row for a line of 10 years with 5 premium years.
    const cv::EstadoMotor& est = correr(prueba::Entrada({ConBeneficio(Linea("40", 10, 5), 1, "3")}));
    EXPECT_EQ(est.NumBeneficios, 0);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(est.PrimaBeneficiosAno[k], 0.0) << "año " << k;
}

// Rider 8 is a percentage of each year's basic premium, even without increments.
TEST(Beneficios, BITFSobreLaPrimaBasicaDeCadaAno) {
    CatalogoPrueba c;
    c.ConMortalidad(10, Constante(10));
    Producto p;
    p.id = "40";
    p.mortalidadPrima = 10;
    p.metodoPrima = 99;
    p.metodoRescate = 0;
    c.ConProducto(p);
    c.ConTarifa(108, Constante(3));
    c.ConTarifaBeneficio("40", "8", 10, 10, 0, 0, 108);
    Corrida correr(MotorCon(c, {{8, "BITF", 55, 60, 0, 0}}));
    const cv::EstadoMotor& est = correr(prueba::Entrada({ConBeneficio(Linea("40", 10, 10, 100, 5), 1, "8")}));
    EXPECT_FLOAT_EQ(est.TarifaBITF[1], 3);
    for (int k = 1; k <= 10; ++k) {
        if (k > 1) {
            ASSERT_GT(est.PrimaBasicaAno[k], est.PrimaBasicaAno[k - 1]) << "año " << k;
        }
        EXPECT_EQ(est.PrimaBeneficiosAno[k], Pesos(3 * est.PrimaBasicaAno[k] / 100).ComoDouble()) << "año " << k;
    }
}

// A rider is rated at the rating age when its age discounts apply, otherwise at the actual age:
// a non-smoking woman of 40 is rated at 35 on this product.
TEST(Beneficios, EdadDeLaTarifa) {
    CatalogoPrueba c;
    c.ConMortalidad(10, Constante(10));
    Producto p;
    p.id = "40";
    p.mortalidadPrima = 10;
    p.metodoPrima = 99;
    p.metodoRescate = 0;
    p.aplicaDescuentos = 1;
    c.ConProducto(p);
    for (int id : {3, 7}) {
        c.ConTarifa(100 + id, [](int edad) { return edad / 10.0; });
        c.ConTarifaBeneficio("40", std::to_string(id), 10, 10, 0, 0, 100 + id);
    }
    Corrida correr(MotorCon(c, {{3, "M.A.", 65, 70, 0, 1}, {7, "E.G.%25", 65, 70, 1, 0}}));
    cv::EntradaCalculo e = prueba::Entrada({ConBeneficio(ConBeneficio(Linea("40", 10, 10), 1, "3"), 2, "7")});
    e.comFuma = "No";
    e.comSexo = "Femenino";
    const cv::EstadoMotor& est = correr(e);
    ASSERT_EQ(est.EdadCalculo, 35);
    EXPECT_FLOAT_EQ(est.TarifaMA[1], 4.0f);
    EXPECT_FLOAT_EQ(est.TarifaEG[1], 3.5f);
    EXPECT_EQ(est.PrimaBeneficioSlot[1], Pesos(static_cast<float>(4.0) * 100000.0 / 1000));
    EXPECT_EQ(est.PrimaBeneficioSlot[2], Pesos(static_cast<float>(3.5) * 100000.0 / 1000));
}

// Rider 7 covers at most 1 600 000 pesos or 160 000 dollars; in slot 6 its premium follows the
// capped sum, or 400 000 four times over when a quarter of the sum exceeds 400 000.
TEST(Beneficios, TopesDelBeneficio7) {
    struct Caso {
        const char* moneda;
        const char* suma;
        double sumaBeneficio, prima;
    };
    const Caso casos[] = {
        {"Pesos", "1000000", 250000, 500},   // 2 per 1000 on 25 % of 1 000 000
        {"Pesos", "2000000", 400000, 800},   // 25 % of 1 600 000; 2 x 400 000 x 25 % x 4 / 1000
        {"Dólares", "100000", 25000, 50},    // 2 per 1000 on 25 % of 100 000
        {"Dólares", "500000", 40000, 80},    // 25 % of 160 000
        {"Dólares", "2000000", 40000, 800},  // a quarter of the sum above 400 000
    };
    Corrida correr(MotorBeneficios());
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.suma << " " << c.moneda);
        cv::EntradaCalculo e = prueba::Entrada({ConBeneficio(Linea("40", 10, 10), 6, "7", 25)});
        e.comMoneda = c.moneda;
        e.txtSumaAseguradaGlobal = c.suma;
        const cv::EstadoMotor& est = correr(e);
        EXPECT_CERCA(est.SumaBeneficio[1][1], c.sumaBeneficio);
        EXPECT_FLOAT_EQ(est.TarifaEG[1], 2);
        for (int k = 1; k <= 10; ++k) EXPECT_EQ(est.PrimaBeneficiosAno[k], c.prima) << "año " << k;
        EXPECT_EQ(est.PrimaBeneficioSlot[6], Pesos(c.prima));
    }
}

// Rider 6 is the line's own plan ending at age 60: product "50", endowment at 1 per 1000 and 5 %.
std::shared_ptr<const cv::CatalogoMotor> MotorVidaA60(int metodoPrima) {
    CatalogoPrueba c;
    Producto p;
    p.id = "50";
    p.metodoPrima = metodoPrima;
    p.metodoRescate = 2;
    c.ConProducto(p);
    c.ConTarifa(60, Constante(0));
    c.ConTarifaBeneficio("50", "6", 30, 30, 1, 0, 60);
    return MotorCon(c, {{6, "Vida a 60", 59, 60, 1, 0}});
}

// The net level endowment premium per 1000 at 1 per 1000 and 5 %.
double DotalNivelado(int x, int n) {
    const Base b(QDe(Constante(1)), 0.05f);
    return ValorBeneficios(b, x, n, 1, 0) / ValorPrimas(b, x, n, 0);
}

TEST(Beneficios, VidaA60PrecioYPrimasDeLaLinea) {
    for (int metodo : {1, 13}) {
        SCOPED_TRACE(::testing::Message() << "método de prima " << metodo);
        Corrida correr(MotorVidaA60(metodo));
        const auto linea = Linea("50", 30, 30, 100, 0, true);
        const cv::EstadoMotor& est = correr(prueba::Entrada({ConBeneficio(linea, 1, "6")}));
        const double neta30 = DotalNivelado(40, 30), neta20 = DotalNivelado(40, 20);
        // The line keeps its own premiums.
        EXPECT_CERCA(est.PrimaNeta, neta30);
        EXPECT_CERCA(est.PrimaTarifa, cv::Currency::DesdeDouble(neta30).ComoDouble());
        if (metodo == 13) {
            const Base b(QDe(Constante(1)), 0.05f);
            const double dotal = std::nearbyint(1000 * b.v(30) * b.Sobrevive(40, 30) / ValorPrimas(b, 40, 30, 0));
            EXPECT_CERCA(est.PrimaTarifa2, dotal - 0.5);
        } else {
            EXPECT_EQ(est.PrimaTarifa2, 0.0);
        }
        // The rider: the same plan for 20 years, until age 60.
        const float tarifa = static_cast<float>(cv::Currency::DesdeDouble(neta20).ComoDouble());
        EXPECT_FLOAT_EQ(est.TarifaBeneficio, tarifa);
        for (int k = 1; k <= 30; ++k)
            EXPECT_EQ(est.PrimaBeneficiosAno[k], k <= 20 ? Pesos(tarifa * 100000.0 / 1000).ComoDouble() : 0.0)
                << "año " << k;
    }
}

// The surrender values of the line become its own plus the rider's.
TEST(Beneficios, VidaA60SumaSusValoresDeRescate) {
    Corrida correr(MotorVidaA60(1));
    const cv::EstadoMotor sola = correr(prueba::Entrada({Linea("50", 30, 30, 100, 0, true)}));
    const cv::EstadoMotor rider = correr(prueba::Entrada({Linea("50", 20, 20, 100, 0, true)}));
    const cv::EstadoMotor& con = correr(prueba::Entrada({ConBeneficio(Linea("50", 30, 30, 100, 0, true), 1, "6")}));
    for (int k = 1; k <= 99; ++k) {
        EXPECT_CERCA(con.RescateMil[k], sola.RescateMil[k] + rider.RescateMil[k]) << "año " << k;
        EXPECT_CERCA(con.ReservaRescate[k], sola.ReservaRescate[k] + rider.ReservaRescate[k]) << "año " << k;
    }
    // The line's own amounts were taken before the rider.
    for (int k = 1; k <= 30; ++k) EXPECT_EQ(con.ValorRescate[k], sola.ValorRescate[k]) << "año " << k;
}

TEST(Beneficios, VidaA60SinAnosAntesDeLos60) {
    for (const char* edad : {"60", "62"}) {
        SCOPED_TRACE(::testing::Message() << "edad " << edad);
        Corrida correr(MotorVidaA60(1));
        cv::EntradaCalculo e = prueba::Entrada({ConBeneficio(Linea("50", 30, 30, 100, 0, true), 1, "6")});
        e.txtEdad = edad;
        const cv::EstadoMotor* est = nullptr;
        ASSERT_NO_THROW(est = &correr(e));
        EXPECT_EQ(est->TarifaBeneficio, 0.0f);
        for (int k = 1; k <= 30; ++k) EXPECT_EQ(est->PrimaBeneficiosAno[k], 0.0) << "año " << k;
        EXPECT_CERCA(est->PrimaNeta, DotalNivelado(std::atoi(edad), 30));
    }
}

}  // namespace
}  // namespace valores
