// A tariff over a range of ages gives, at every age, the very row (to the bit) of a tariff of
// that age alone, and leaves the engine as that one-age tariff of its last age does; a tariff
// that cannot be calculated stops with the message it always gave.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "data/catalogo.h"
#include "engine/premium/calculo.h"
#include "tarifas_muestra.h"

namespace {

using namespace cv;

std::shared_ptr<const CatalogoMotor> Catalogo() {
    static auto c = std::make_shared<const CatalogoMotor>(datos::VincularCatalogo(CV_BASE_MUESTRA));
    return c;
}

template <typename T>
bool MismosBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

::testing::AssertionResult MismaFila(const FilaTarifa& a, const FilaTarifa& b) {
    if (a.Edad == b.Edad && MismosBits(a.PrimerRecibo, b.PrimerRecibo) && MismosBits(a.ReciboSubsecuente, b.ReciboSubsecuente) &&
        MismosBits(a.ProteccionTotal1, b.ProteccionTotal1) && MismosBits(a.rescate, b.rescate) &&
        ColumnasTarifa(a) == ColumnasTarifa(b))
        return ::testing::AssertionSuccess();
    auto texto = [](const FilaTarifa& f) {
        std::string s;
        for (const auto& c : ColumnasTarifa(f)) s += c + " ";
        return s;
    };
    return ::testing::AssertionFailure() << "edad " << a.Edad << ": " << texto(a) << "\n    frente a " << texto(b);
}

// What the result windows and the tariff sheet read after a run, and the year-by-year columns
// of the years shown. (The value-function scratch and the per-line columns past the years
// shown keep whatever an earlier age left in them; nothing reads them.)
void CompararEstado(const EstadoMotor& a, const EstadoMotor& b) {
#define IGUAL(campo) EXPECT_TRUE(MismosBits(a.campo, b.campo)) << #campo
#define IGUAL_TEXTO(campo) EXPECT_EQ(a.campo, b.campo) << #campo
    IGUAL(Edad);
    IGUAL(EdadCalculo);
    IGUAL_TEXTO(NombrePlan);
    IGUAL_TEXTO(Moneda);
    IGUAL(SumaAseguradaGlobal);
    IGUAL(PrimaTotal);
    IGUAL(MaxAnosIlustrar);
    IGUAL(PlazoSeguro);
    IGUAL(PlazoPago);
    IGUAL(AnosIlustrar);
    IGUAL(PrimaNeta);
    IGUAL(PrimaTarifa);
    IGUAL(PrimaTarifa2);
    IGUAL(VPComisiones);
    IGUAL(FactorCrecimiento);
    IGUAL(DerechoPoliza);
    IGUAL(ReciboNeto);
    IGUAL(PrimaAnual);
    IGUAL(PrimaAnualRecargada);
    IGUAL(PrimerRecibo);
    IGUAL(ReciboSubsecuente);
    IGUAL(PrimeraAportacion);
    IGUAL(MontoAportacion);
    IGUAL(PrimaAnualizadaInicial);
    IGUAL(PrimaPrimeraLinea);
    IGUAL(PrimaBasicaSinGastos);
    IGUAL(SumaAseguradaActual);
    IGUAL(TarifaConDescuento);
    IGUAL(PrimaSegundaTarifa);
    IGUAL(NumBeneficios);
    IGUAL(BeneficioId);
    IGUAL(PorcentajeBeneficio);
    IGUAL(EdadMaximaBeneficio);
    IGUAL(EdadCancelacionBeneficio);
    IGUAL(TarifaBeneficio);
    IGUAL(PlazoSeguroMostrado);
    IGUAL(PlazoPagoMostrado);
    IGUAL(SumaAseguradaMostrada);
    IGUAL(PrimaLineaMostrada);
    IGUAL(PrimaLineaPrimerAno);
    IGUAL(IncrementoMostrado);
    IGUAL(PrimaAcumuladaLineas);
    IGUAL(PrimaAcumuladaSinGastos);
    IGUAL(PrimaBeneficiosLinea);
    IGUAL(GastosExpedicionLinea);
    IGUAL(PrimaBeneficioSlot);
    IGUAL(PrimaBeneficioMostrada);
    IGUAL(SumaBeneficio);
    IGUAL(IncrementoBeneficio);
    IGUAL(PlazoSeguroBeneficio);
    IGUAL(PlazoPagoBeneficio);
    for (auto t : {&EstadoMotor::TarifaBIT, &EstadoMotor::TarifaBPAI, &EstadoMotor::TarifaMA, &EstadoMotor::TarifaDI,
                   &EstadoMotor::TarifaTI, &EstadoMotor::TarifaEG, &EstadoMotor::TarifaBITF, &EstadoMotor::TarifaCAF})
        EXPECT_TRUE(MismosBits(a.*t, b.*t));
    for (int l = 0; l <= 10; ++l) {
        IGUAL_TEXTO(TipoPlanLinea[l]);
        IGUAL_TEXTO(NombreBeneficioSlot[l]);
        for (int r = 0; r <= 15; ++r) IGUAL_TEXTO(NombreBeneficio[r][l]);
    }
    IGUAL(RescateMil);
    for (int k = 0; k <= std::min<int>(a.PlazoSeguro, 99); ++k) IGUAL(DividendoMil[k]);
    IGUAL(ReservaRescate);
    IGUAL(ReservaNivelada);
    IGUAL(AnualidadDuracion);
    IGUAL(PrimaBasicaAno);
    IGUAL(PrimaBeneficiosAno);
    IGUAL(SeguroSaldado);
    IGUAL(AnosProrrogado);
    for (int k = 0; k <= a.MaxAnosIlustrar; ++k) {
        SCOPED_TRACE(k);
        IGUAL(ProteccionTotal[k]);
        IGUAL(ValorRescate[k]);
        IGUAL(PrimaAnualizada[k]);
        IGUAL(DividendosAcumulados[k]);
        IGUAL(FondoAcumulado[k]);
        IGUAL(AportacionAno[k]);
        IGUAL(AportacionMostrada[k]);
    }
    for (int k = 0; k <= a.AnosIlustrar; ++k) {
        SCOPED_TRACE(k);
        IGUAL(SumaAseguradaAno[k]);
        IGUAL(RescateLineaAno[k]);
        IGUAL(DividendoLineaAno[k]);
    }
#undef IGUAL
#undef IGUAL_TEXTO
}

EntradaCalculo UnaEdad(EntradaCalculo in, int edad) {
    in.txtEdadInicial = in.txtEdadFinal = std::to_string(edad);
    return in;
}

TEST(TarifaPorFila, CadaEdadDaLaFilaDeUnaTarifaDeEsaSolaEdad) {
    Calculo tarifa(Catalogo()), sola(Catalogo());
    int filas = 0;
    for (const auto& caso : valores::TarifasMuestra()) {
        SCOPED_TRACE(caso.nombre);
        const EntradaCalculo& in = caso.entrada;
        ResultadoCalculo r;
        ASSERT_NO_THROW(r = tarifa.CalcularCotizacion(in));
        const int inicial = std::stoi(in.txtEdadInicial), final = std::stoi(in.txtEdadFinal);
        ASSERT_GT(final, inicial);
        ASSERT_EQ(r.filasTarifa.size(), static_cast<size_t>(final - inicial + 1));
        for (int edad = inicial; edad <= final; ++edad) {
            ResultadoCalculo uno;
            ASSERT_NO_THROW(uno = sola.CalcularCotizacion(UnaEdad(in, edad))) << edad;
            ASSERT_EQ(uno.filasTarifa.size(), 1u);
            EXPECT_TRUE(MismaFila(r.filasTarifa[static_cast<size_t>(edad - inicial)], uno.filasTarifa[0]));
            ++filas;
        }
        // `sola` last ran the last age alone.
        EXPECT_EQ(r.hojaTarifa, in.chkcalc);
        CompararEstado(tarifa.Estado(), sola.Estado());
    }
    EXPECT_GT(filas, 1000);
}

// The same tariff twice in a row, and after other calculations, gives the same rows and state.
TEST(TarifaPorFila, UnaTarifaRepetidaDaLoMismo) {
    Calculo calc(Catalogo()), otro(Catalogo());
    const auto casos = valores::TarifasMuestra();
    std::vector<std::vector<FilaTarifa>> primeras;
    for (const auto& caso : casos) primeras.push_back(calc.CalcularCotizacion(caso.entrada).filasTarifa);
    for (size_t i = casos.size(); i-- > 0;) {
        SCOPED_TRACE(casos[i].nombre);
        const auto filas = calc.CalcularCotizacion(casos[i].entrada).filasTarifa;
        ASSERT_EQ(filas.size(), primeras[i].size());
        for (size_t k = 0; k < filas.size(); ++k) EXPECT_TRUE(MismaFila(filas[k], primeras[i][k]));
        otro.CalcularCotizacion(casos[i].entrada);
        CompararEstado(calc.Estado(), otro.Estado());
    }
}

// Tariffs whose ages reach what the tables cannot give: the first age that fails stops the
// whole tariff with its message, as it did when every age ran in full.
TEST(TarifaPorFila, UnaTarifaQueNoSePuedeCalcularDaSuMensaje) {
    Calculo calc(Catalogo());
    auto casos = valores::TarifasMuestra();
    auto buscar = [&](const std::string& nombre) {
        for (const auto& c : casos)
            if (c.nombre == nombre) return c.entrada;
        ADD_FAILURE() << nombre;
        return EntradaCalculo{};
    };
    struct Caso {
        const char* nombre;
        EntradaCalculo entrada;
        const char* mensaje;
    };
    std::vector<Caso> fallidas;
    {
        // q of age 98 above 1 under the extra premium: a survival probability of 0 in the term.
        EntradaCalculo in = buscar("vida_entera");
        in.txtExtraPrimaMedica = "150";
        fallidas.push_back({"vida entera al 150 %", in, "Edad 15 de la tarifa: No se puede calcular la reserva: división entre cero."});
    }
    {
        EntradaCalculo in = buscar("temporal_20");
        in.txtEdadInicial = "75";
        in.txtEdadFinal = "85";
        fallidas.push_back({"temporal de 20 años hasta los 85", in, "Edad 82 de la tarifa: No se puede calcular la reserva: división entre cero."});
    }
    {
        EntradaCalculo in = buscar("temporal_20");
        in.txtExtraPrimaMedica = "600";
        in.txtEdadInicial = "50";
        fallidas.push_back({"temporal de 20 años al 600 %", in, "Edad 69 de la tarifa: No se puede calcular la reserva: división entre cero."});
    }
    {
        EntradaCalculo in = buscar("temporal_edad_alcanzada_65");
        in.txtEdadFinal = "70";
        fallidas.push_back({"edad alcanzada 65 hasta los 70", in,
                            "Edad 65 de la tarifa: No se puede calcular la prima neta nivelada (anualidad nula): división entre cero."});
    }
    // Each message names the first age of the range that cannot be priced.
    for (const auto& f : fallidas) {
        SCOPED_TRACE(f.nombre);
        try {
            calc.CalcularCotizacion(f.entrada);
            ADD_FAILURE() << "se calculó";
        } catch (const ErrorCalculo& e) {
            EXPECT_STREQ(e.what(), f.mensaje);
        }
        // A failed run leaves the state clear, and the next tariff computes as usual.
        EXPECT_EQ(calc.Estado().NumLineas, 0);
        EXPECT_EQ(calc.CalcularCotizacion(buscar("temporal_20")).filasTarifa.size(), 56u);
    }
}

}  // namespace
