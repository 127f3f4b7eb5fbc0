// A calculation starts from a clear state, and one that meets an input the engine cannot
// support is abandoned with an error and leaves nothing behind.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "apoyo.h"

namespace valores {
namespace {

cv::LineaCotizacion ConBeneficios(cv::LineaCotizacion l, std::initializer_list<const char*> ids) {
    int slot = 1;
    for (const char* id : ids) {
        l.Beneficio[static_cast<size_t>(slot)] = id;
        l.ParticipacionBeneficio[static_cast<size_t>(slot)] = 100;
        ++slot;
    }
    return l;
}

// Quotes of the sample catalogue that leave much behind in the engine.
std::vector<std::pair<const char*, cv::EntradaCalculo>> Cotizaciones() {
    std::vector<std::pair<const char*, cv::EntradaCalculo>> v;
    {
        cv::LineaCotizacion l = ConBeneficios(Linea("11", 99, 20), {"1", "3", "6", "7"});
        l.Ordinario = 1;
        cv::EntradaCalculo e = prueba::Entrada({l, Linea("15", 20, 20, 0, 5, true)});
        e.txtSumaAseguradaGlobal = "2500000";
        e.comFormaPago = "Mensual";
        e.AportNumPagos = 5;
        e.AportMonto = 2000;
        e.AportTasaIncrementoPct = 10;
        e.comTipoIncremento = "Geometrico";
        v.emplace_back("vida entera con beneficios, dotal creciente y aportaciones", e);
    }
    {
        cv::LineaCotizacion l = Linea("12", 99, 99);
        l.Ordinario = 1;
        cv::EntradaCalculo e = prueba::Entrada({l});
        e.comMoneda = "Dólares";
        e.comFormaPago = "Quincenal";
        e.comFuma = "No";
        e.comSexo = "Femenino";
        v.emplace_back("vida entera en dólares, no fumadora", e);
    }
    {
        cv::EntradaCalculo e = prueba::Entrada({Linea("1", 20, 20, 60, 5), Linea("3", 15, 15, 40)});
        e.optDetalle = false;
        e.txtEdadInicial = "30";
        e.txtEdadFinal = "35";
        e.AportNumPagos = 3;
        e.AportFondoFinal = 80000;
        e.dbcPago = "20";
        v.emplace_back("tarifa de 30 a 35 con fondo final", e);
    }
    {
        cv::EntradaCalculo e = prueba::Entrada({Linea("16", 20, 20)});
        e.dbcPago = "20";
        e.dbcPlazo = "20";
        v.emplace_back("temporal con devolución de primas", e);
    }
    return v;
}

// What the result windows read of the probe quote.
void Comparar(const cv::EstadoMotor& a, const cv::EstadoMotor& b) {
    for (int k = 0; k <= 99; ++k) {
        SCOPED_TRACE(::testing::Message() << "año " << k);
        EXPECT_EQ(a.ReservaRescate[k], b.ReservaRescate[k]);
        EXPECT_EQ(a.ReservaNivelada[k], b.ReservaNivelada[k]);
        EXPECT_EQ(a.AnualidadDuracion[k], b.AnualidadDuracion[k]);
        EXPECT_EQ(a.RescateMil[k], b.RescateMil[k]);
        EXPECT_EQ(a.DividendoMil[k], b.DividendoMil[k]);
        EXPECT_EQ(a.ProteccionTotal[k], b.ProteccionTotal[k]);
        EXPECT_EQ(a.ValorRescate[k], b.ValorRescate[k]);
        EXPECT_EQ(a.PrimaBasicaAno[k], b.PrimaBasicaAno[k]);
        EXPECT_EQ(a.PrimaAnualizada[k], b.PrimaAnualizada[k]);
        EXPECT_EQ(a.PrimaBeneficiosAno[k], b.PrimaBeneficiosAno[k]);
        EXPECT_EQ(a.DividendosAcumulados[k], b.DividendosAcumulados[k]);
        EXPECT_EQ(a.FondoAcumulado[k], b.FondoAcumulado[k]);
        EXPECT_EQ(a.AportacionAno[k], b.AportacionAno[k]);
        EXPECT_EQ(a.AportacionMostrada[k], b.AportacionMostrada[k]);
        EXPECT_EQ(a.SeguroSaldado[k], b.SeguroSaldado[k]);
        EXPECT_EQ(a.AnosProrrogado[k], b.AnosProrrogado[k]);
    }
    for (int l = 1; l <= 10; ++l) {
        EXPECT_EQ(a.PrimaAcumuladaLineas[l], b.PrimaAcumuladaLineas[l]) << "línea " << l;
        EXPECT_EQ(a.PrimaBeneficiosLinea[l], b.PrimaBeneficiosLinea[l]) << "línea " << l;
        EXPECT_EQ(a.TipoPlanLinea[l], b.TipoPlanLinea[l]) << "línea " << l;
    }
    EXPECT_EQ(a.PrimaNeta, b.PrimaNeta);
    EXPECT_EQ(a.PrimaTarifa, b.PrimaTarifa);
    EXPECT_EQ(a.PrimerRecibo, b.PrimerRecibo);
    EXPECT_EQ(a.ReciboSubsecuente, b.ReciboSubsecuente);
    EXPECT_EQ(a.DerechoPoliza, b.DerechoPoliza);
    EXPECT_EQ(a.MontoAportacion, b.MontoAportacion);
    EXPECT_EQ(a.NumBeneficios, b.NumBeneficios);
    EXPECT_EQ(a.FactorCrecimiento, b.FactorCrecimiento);
}

// Two lines with growth (one without growth years in the product, so that it starts from the
// growth factor as found), riders, a contribution and whole life.
cv::EntradaCalculo Sonda() {
    cv::LineaCotizacion vida = ConBeneficios(Linea("11", 99, 99, 50, 5), {"3", "4"});
    vida.Ordinario2 = 1;  // the whole-life flag of lines after the first
    cv::EntradaCalculo e = prueba::Entrada({Linea("15", 25, 25, 25, 5, true), Linea("3", 20, 20, 25, 3), vida});
    e.AportNumPagos = 2;
    e.AportMonto = 1000;
    e.comTipoIncremento = "Aritmetico";
    e.comPlan = "Dotal";
    return e;
}

TEST(Estado, CadaCalculoEmpiezaLimpio) {
    const cv::EstadoMotor limpio = Corrida(prueba::MotorMuestra())(Sonda());
    for (const auto& [que, antes] : Cotizaciones()) {
        SCOPED_TRACE(que);
        Corrida correr(prueba::MotorMuestra());
        correr(antes);
        Comparar(correr(Sonda()), limpio);
    }
}

// Every age of a tariff is the individual quote of that age: nothing of one age reaches the next.
TEST(Estado, CadaEdadDeLaTarifaEsSuCotizacion) {
    cv::EntradaCalculo tarifa = prueba::Entrada(
        {Linea("15", 20, 20, 50, 5, true), Linea("3", 15, 15, 25), ConBeneficios(Linea("1", 20, 20, 25), {"1", "3"})});
    tarifa.dbcPago = "20";
    tarifa.comFormaPago = "Trimestral";
    tarifa.optDetalle = false;
    tarifa.txtEdadInicial = "36";
    tarifa.txtEdadFinal = "41";
    Corrida correr(prueba::MotorMuestra());
    correr(tarifa);
    const std::vector<cv::FilaTarifa> filas = correr.ultima.filasTarifa;
    ASSERT_EQ(filas.size(), 6u);
    for (const auto& f : filas) {
        SCOPED_TRACE(::testing::Message() << "edad " << f.Edad);
        cv::EntradaCalculo individual = tarifa;
        individual.optDetalle = true;
        individual.txtEdad = std::to_string(f.Edad);
        Corrida sola(prueba::MotorMuestra());
        const cv::EstadoMotor& est = sola(individual);
        EXPECT_EQ(f.PrimerRecibo, est.PrimerRecibo);
        EXPECT_EQ(f.ReciboSubsecuente, est.ReciboSubsecuente);
        EXPECT_EQ(f.ProteccionTotal1, est.ProteccionTotal[1]);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(f.rescate[static_cast<size_t>(i)], est.ValorRescate[5 * (i + 1)].ComoDouble())
                << "año " << 5 * (i + 1);
    }
    EXPECT_GT(filas[0].rescate[1], 0.0);
}

TEST(Estado, EntradaNoSoportadaLanzaErrorYDejaElEstadoLimpio) {
    CatalogoPrueba c;
    c.ConMortalidad(5, [](int a) { return a == 55 ? 1000 : 2; });
    Producto muere;
    muere.id = "45";
    muere.mortalidadPrima = 1;
    muere.mortalidadRescate = 5;
    muere.metodoRescate = 3;
    c.ConProducto(muere);
    Producto p;
    p.id = "40";
    c.ConProducto(p);
    const auto motor = c.Motor();

    struct Caso {
        const char* que;
        std::function<void(cv::EntradaCalculo&)> cambio;
    };
    const Caso casos[] = {
        {"once líneas", [](cv::EntradaCalculo& e) { e.lineas.resize(12, Linea("40", 10, 10, 10)); }},
        {"producto fuera del catálogo", [](cv::EntradaCalculo& e) { e.lineas[1].Producto = "99"; }},
        {"beneficio fuera del catálogo", [](cv::EntradaCalculo& e) { e.lineas[1].Beneficio[1] = "9"; }},
        {"forma de pago desconocida", [](cv::EntradaCalculo& e) { e.comFormaPago = "Semanal"; }},
        {"sobrevivencia nula dentro del plazo", [](cv::EntradaCalculo& e) { e.lineas[1].Producto = "45"; }},
        {"edad y plazo más allá de la tabla", [](cv::EntradaCalculo& e) { e.txtEdad = "90"; }},
        {"sin años de pago", [](cv::EntradaCalculo& e) { e.lineas[1].PlazoPago = 0; }},
        {"temporal anual más allá de la tabla",
         [](cv::EntradaCalculo& e) {
             e.txtEdad = "95";
             e.lineas[1].PlazoSeguro = e.lineas[1].PlazoPago = 1;
         }},
    };
    const cv::EntradaCalculo buena = prueba::Entrada({Linea("40", 20, 20, 100, 0, true)});
    const cv::EstadoMotor esperado = Corrida(motor)(buena);
    ASSERT_GT(esperado.PrimaAnualizada[1], 0.0);
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.que);
        Corrida correr(motor);
        correr(buena);
        cv::EntradaCalculo mala = buena;
        caso.cambio(mala);
        try {
            correr(mala);
            ADD_FAILURE() << "no lanzó ErrorCalculo";
        } catch (const cv::ErrorCalculo& ex) {
            EXPECT_GT(std::string(ex.what()).size(), 10u);
        } catch (const std::exception& ex) {
            ADD_FAILURE() << "lanzó otra excepción: " << ex.what();
        }
        const cv::EstadoMotor& est = correr.calc.Estado();
        EXPECT_EQ(est.NumLineas, 0);
        EXPECT_EQ(est.ProductoLinea[1], "");
        EXPECT_EQ(est.SumaAseguradaGlobal, cv::Currency());
        EXPECT_EQ(est.MaxAnosIlustrar, 0);
        EXPECT_EQ(est.PrimerRecibo, 0.0f);
        for (int k = 1; k <= 99; ++k) {
            EXPECT_EQ(est.PrimaAnualizada[k], 0.0) << "año " << k;
            EXPECT_EQ(est.ReservaRescate[k], 0.0) << "año " << k;
            EXPECT_EQ(est.RescateMil[k], 0.0) << "año " << k;
            EXPECT_EQ(est.ValorRescate[k], cv::Currency()) << "año " << k;
            EXPECT_EQ(est.ProteccionTotal[k], 0.0) << "año " << k;
        }
        // The engine goes on calculating as if nothing had happened.
        Comparar(correr(buena), esperado);
    }
}

}  // namespace
}  // namespace valores
