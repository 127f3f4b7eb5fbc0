// The calculation run on the window: a quote calculated end to end, its grid and premium
// fields, the premium of every payment frequency, and a calculation the engine abandons.
#include <gtest/gtest.h>

#include <cmath>

#include "apoyo.h"
#include "core/formato.h"
#include "data/catalogo.h"
#include "quote/corrida.h"

namespace prueba_app {
namespace {

using cv::cotizacion::CalcularMontos;
using cv::cotizacion::CorridaCalculo;
using cv::cotizacion::FlujoLineas;

std::shared_ptr<const cv::CatalogoMotor> Motor() {
    static auto m = std::make_shared<const cv::CatalogoMotor>(cv::datos::VincularCatalogo(CV_BASE_MUESTRA));
    return m;
}

struct Calculando : Sesion {
    FlujoLineas f{w};
    CorridaCalculo c{w, f, Motor()};
    Calculando() {
        Nombre("ANA LOPEZ");
        Edad("35");
        w.comFuma.MostrarTexto("No");
        w.txtNumAge.texto = "7";
        w.FijarSumaAsegurada("1,000,000.00");
        w.txtSumaAseguradaGlobal_LostFocus();
    }
};

TEST(Corrida, UnaLineaDeExtremoAExtremo) {
    Calculando s;
    s.Producto("1");
    s.Pago("20");
    s.SalirParticipacion();
    s.w.chkma.marcada = true;
    s.w.chkma_Click();
    s.guion.mensajes.clear();
    s.c.butCalcular_Click();
    ASSERT_TRUE(s.guion.mensajes.empty()) << s.guion.mensajes[0].texto;
    ASSERT_TRUE(s.c.calculado);
    const cv::EstadoMotor& e = s.c.Motor().Estado();
    EXPECT_EQ(s.f.tabla.NumLineasCotizacion, 1);
    EXPECT_EQ(s.w.ModoEdicion, 0);
    EXPECT_TRUE(s.w.butGenerar.habilitado);

    auto& g = s.w.dbgProductosCotizacion;
    ASSERT_GE(g.filas, 3);
    EXPECT_EQ(g.Celda(0, 1), "Suma Asegurada");
    EXPECT_EQ(g.Celda(1, 0), "Básica " + s.NombreProducto("1"));
    EXPECT_EQ(g.Celda(1, 1), "1,000,000.00 ");
    EXPECT_EQ(g.Celda(1, 3), "350.00 ");  // the product's issue expense
    EXPECT_EQ(g.Celda(2, 0), "M.A.");
    EXPECT_EQ(g.Celda(2, 2), "800.00 ");  // 0.80 per 1000
    // Basic premium: the tariff rate per 1000 less the volume discount of a sum of 1 000 000
    // (0.5 per 1000), times the sum, plus the expense.
    EXPECT_FLOAT_EQ(e.DescuentoVolumen[1], 0.5f);
    const double basica = std::round((e.PrimaTarifa - 0.5) * 1000 * 100) / 100 + 350;
    EXPECT_EQ(g.Celda(1, 4), cv::Formatear(basica, cv::kF2));
    EXPECT_EQ(s.w.txtprimaneta.texto, cv::Formatear(basica + 800, cv::kF1));
    EXPECT_EQ(s.w.txtderechopoliza.texto, "600.00 ");
    EXPECT_EQ(s.w.txtSubsecuentes.texto, cv::Formatear(basica + 800, cv::kF1));  // annual: one receipt
    EXPECT_EQ(s.w.txt1erRecibo.texto, cv::Formatear(basica + 800 + 600, cv::kF1));
    EXPECT_EQ(s.w.txtTotal.texto, cv::Formatear(basica + 800 + 600, cv::kF1));
    EXPECT_EQ(s.w.txtPagoFraccionado.texto, "0.00 ");
}

TEST(Corrida, MontosPorFrecuencia) {
    auto pesos = CalcularMontos("Pesos", 10000, 600, false);
    EXPECT_EQ(pesos.PagoSemestralNeto, cv::Currency::DesdeDouble(5185.00));
    EXPECT_EQ(pesos.PagoTrimestralNeto, cv::Currency::DesdeDouble(2637.50));
    EXPECT_EQ(pesos.PagoMensualNeto, cv::Currency::DesdeDouble(887.50));
    EXPECT_EQ(pesos.PagoAnual, cv::Currency::DesdeDouble(10600));
    EXPECT_EQ(pesos.PagoMensual, cv::Currency::DesdeDouble(1487.50));
    auto dolares = CalcularMontos("Dólares", 10000, 45, false);
    EXPECT_EQ(dolares.PagoSemestralNeto, cv::Currency::DesdeDouble(5105.00));
    EXPECT_EQ(dolares.PagoTrimestralNeto, cv::Currency::DesdeDouble(2580.00));
    EXPECT_EQ(dolares.PagoMensualNeto, cv::Currency::DesdeDouble(865.83));
    auto otra = CalcularMontos("Euros", 10000, 45, false);
    EXPECT_EQ(otra.PagoAnualNeto, cv::Currency());
    EXPECT_EQ(otra.PagoMensualNeto, cv::Currency());
    EXPECT_EQ(CalcularMontos("Euros", 10000.126, 0, true).PagoAnualNeto, cv::Currency::DesdeDouble(10000.13));
}

TEST(Corrida, UnCalculoAbandonadoNoDejaResultados) {
    Calculando s;
    s.Producto("1");
    s.Pago("20");
    s.SalirParticipacion();
    s.c.butCalcular_Click();
    ASSERT_TRUE(s.c.calculado);
    ASSERT_FALSE(s.w.txtprimaneta.texto.empty());
    // An amount no money field holds: the engine refuses the quote.
    s.w.txtSumaAseguradaGlobal.texto = "1E300";
    s.guion.mensajes.clear();
    s.c.butGenerar_Click();
    EXPECT_FALSE(s.c.calculado);
    ASSERT_EQ(s.guion.mensajes.size(), 1u);
    EXPECT_NE(s.guion.mensajes[0].texto.find("suma asegurada"), std::string::npos) << s.guion.mensajes[0].texto;
    EXPECT_EQ(s.w.txtprimaneta.texto, "");
    EXPECT_EQ(s.w.dbgProductosCotizacion.filas, 0);
}

}  // namespace
}  // namespace prueba_app

namespace prueba_app {
namespace {

TEST(ModoTarifa, CambioDeModoYEdadFinalPorPlazo) {
    struct Caso {
        const char* pago;
        const char* edadFinal;
    };
    for (const Caso& c : {Caso{"65", "60"}, Caso{"60", "55"}, Caso{"", "70"}, Caso{"20", "70"}}) {
        SCOPED_TRACE(c.pago);
        Calculando s;
        s.Producto("1");
        if (*c.pago) s.Pago(c.pago);
        s.w.dbcPlazo.texto = c.pago;
        s.f.butTarifas_Click();
        EXPECT_EQ(s.w.txtEdadFinal.texto, c.edadFinal);
        EXPECT_EQ(s.f.tabla.ModoTarifa, 1);
        EXPECT_TRUE(s.w.optResumen.seleccionado);
        EXPECT_TRUE(s.w.Frame4.visible);
        EXPECT_TRUE(s.w.butCotizador.visible);
        EXPECT_FALSE(s.w.butTarifas.visible);
        EXPECT_FALSE(s.w.txtprimaneta.visible);
        EXPECT_FALSE(s.w.lblSubsecuentes.visible);
    }
    Calculando s;
    s.f.butTarifas_Click();
    s.f.butCotizador_Click();
    EXPECT_EQ(s.f.tabla.ModoTarifa, 0);
    EXPECT_TRUE(s.w.optDetalle.seleccionado);
    EXPECT_TRUE(s.w.txtprimaneta.visible);
    EXPECT_FALSE(s.w.Frame4.visible);
    EXPECT_EQ(s.w.txtProducto.texto, "0");
}

TEST(ModoTarifa, CalcularEscribeUnaFilaPorEdadYGenerarLlevaALaHoja) {
    Calculando s;
    s.Producto("1");
    s.Pago("20");
    s.SalirParticipacion();
    s.f.butTarifas_Click();
    s.w.txtEdadInicial.texto = "40";
    s.w.txtEdadFinal.texto = "42";
    s.guion.mensajes.clear();
    s.c.butCalcular_Click();
    ASSERT_TRUE(s.guion.mensajes.empty()) << s.guion.mensajes[0].texto;
    const auto& g = s.w.dbgProductosCotizacion;
    ASSERT_EQ(g.filas, 4);  // header and three ages
    EXPECT_EQ(g.Celda(0, 0), "Edad");
    EXPECT_EQ(g.Celda(0, 7), "Año 20");
    EXPECT_EQ(g.Celda(1, 0), "40");
    EXPECT_EQ(g.Celda(3, 0), "42");
    EXPECT_EQ(g.Celda(1, 3), "1,000,000.00");
    EXPECT_EQ(s.w.txtprimaneta.texto, "");  // the premium fields are not filled in this mode

    int hojas = 0, estudios = 0;
    s.c.MostrarHojaTarifa = [&](const cv::Calculo&, const cv::ResultadoCalculo& r) {
        ++hojas;
        EXPECT_EQ(r.filasTarifa.size(), 3u);
    };
    s.c.MostrarEstudio = [&](const cv::Calculo&) { ++estudios; };
    s.c.butGenerar_Click();
    EXPECT_TRUE(s.w.chkcalc.marcada);
    EXPECT_EQ(hojas, 1);
    EXPECT_EQ(estudios, 0);
    s.w.optResumen.seleccionado = false;
    s.w.optDetalle.seleccionado = true;
    s.c.butGenerar_Click();
    EXPECT_EQ(hojas, 1);
    EXPECT_EQ(estudios, 1);
}

}  // namespace
}  // namespace prueba_app

namespace prueba_app {
namespace {

TEST(Corrida, RejillaConLosBeneficiosDeCadaLineaYLaAportacion) {
    Calculando s;
    s.w.FijarSumaAsegurada("2,000,000.00");
    // Line 1: 60 % of a term with critical illness (slot 6); line 2: 40 % of an endowment with MA.
    s.Producto("1");
    s.Pago("20");
    s.w.txtParticipacion.texto = "60";
    s.SalirParticipacion();
    s.w.chkenfgr.marcada = true;
    s.w.chkenfgr_Click();
    s.f.butAceptar_Click();
    s.f.butAgregar_Click();
    s.Producto("15");
    s.Pago("20");
    s.w.txtParticipacion.texto = "40";
    s.SalirParticipacion();
    s.w.chkma.marcada = true;
    s.w.chkma_Click();
    s.f.butAceptar_Click();
    ASSERT_EQ(s.f.tabla.NumLineasCotizacion, 2);
    s.w.Proceso().AportNumPagos = 5;
    s.w.Proceso().AportMonto = 10000;
    s.guion.mensajes.clear();
    s.c.butCalcular_Click();
    ASSERT_TRUE(s.guion.mensajes.empty()) << s.guion.mensajes[0].texto;
    ASSERT_TRUE(s.c.calculado);
    const auto& g = s.w.dbgProductosCotizacion;
    std::vector<std::string> columna0;
    for (int f = 1; f < g.filas; ++f) columna0.push_back(g.Celda(f, 0));
    ASSERT_GE(columna0.size(), 5u);
    EXPECT_EQ(columna0[0], "Básica " + s.NombreProducto("1"));
    EXPECT_EQ(columna0[1], "E.G.%25");  // line 1's own rider, under its basic row
    EXPECT_EQ(g.Celda(2, 1), "400,000.00 ");  // 25 % of 2 000 000, capped at 400 000
    EXPECT_EQ(columna0[2], "Dotal");          // the first contribution
    EXPECT_EQ(columna0[3], "Básica " + s.NombreProducto("15"));
    EXPECT_EQ(columna0[4], "M.A.");
    const cv::EstadoMotor& e = s.c.Motor().Estado();
    const cv::Currency esperado = e.PrimeraAportacion + e.PrimaAcumuladaLineas[2] + e.PrimaBeneficiosLinea[1] +
                                  e.PrimaBeneficiosLinea[2];
    EXPECT_EQ(s.w.txtprimaneta.texto, cv::Formatear(esperado, cv::kF1));
    EXPECT_EQ(e.PrimeraAportacion, cv::Currency::DesdeEntero(10000));
}

}  // namespace
}  // namespace prueba_app

namespace prueba_app {
namespace {

TEST(Corrida, GenerarConservaLosResultadosDeUnRecienNacido) {
    // The quote check writes "0" into an age of 0: the same text, so no change rule runs and
    // the results grid "Ca&lcular" filled stays.
    Calculando s;
    s.Edad("0");
    s.Producto("1");
    s.Pago("1");
    s.SalirParticipacion();
    s.c.butCalcular_Click();
    ASSERT_TRUE(s.c.calculado);
    const std::string prima = s.w.txtprimaneta.texto;
    ASSERT_FALSE(prima.empty());
    s.c.butGenerar_Click();
    EXPECT_EQ(s.w.txtprimaneta.texto, prima);
    EXPECT_GT(s.w.dbgProductosCotizacion.filas, 1);
}

}  // namespace
}  // namespace prueba_app
