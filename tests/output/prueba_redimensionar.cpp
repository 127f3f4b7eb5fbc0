// The proportional resize of a window designed at 800 x 600, and the tariff sheet's CSV.
#include <gtest/gtest.h>

#include "output/hoja_tarifa.h"
#include "output/redimensionar.h"

namespace {

using cv::salida::AjusteProporcional;
using cv::salida::ControlEscalable;
using cv::salida::Rectangulo;

// A grid, a button and a combo box, as placed on the 800 x 600 design.
std::vector<ControlEscalable> Controles() {
    return {{{10, 20, 700, 400}, 8, false}, {{600, 550, 100, 30}, 10, false}, {{50, 500, 200, 22}, 9, true}};
}

TEST(Redimensionar, PantallaDe1024x768EscalaTodoPor128) {
    auto c = Controles();
    Rectangulo v{0, 0, 800, 600};
    AjusteProporcional a;
    a.Cargar(1024, 768, c, v);
    EXPECT_EQ(v, (Rectangulo{0, 0, 1024, 768}));
    EXPECT_DOUBLE_EQ(c[0].r.izquierda, 12.8);
    EXPECT_DOUBLE_EQ(c[0].r.arriba, 25.6);
    EXPECT_DOUBLE_EQ(c[0].r.ancho, 896);
    EXPECT_DOUBLE_EQ(c[0].r.alto, 512);
    EXPECT_DOUBLE_EQ(c[0].tamanoFuente, 8 * 1.28);
    EXPECT_DOUBLE_EQ(c[1].tamanoFuente, 12.8);
    // The combo box moves and widens but keeps its height; its font grows like the others.
    EXPECT_EQ(c[2].r, (Rectangulo{64, 640, 256, 22}));
    EXPECT_DOUBLE_EQ(c[2].tamanoFuente, 9 * 1.28);
    EXPECT_TRUE(a.moverVentana);
    EXPECT_DOUBLE_EQ(a.anchoRecordado, 1024);
    EXPECT_DOUBLE_EQ(a.altoRecordado, 768);
}

TEST(Redimensionar, FactoresDistintosEscalanLaFuentePorSuMedia) {
    struct Caso {
        double ancho, alto, fx, fy;
    };
    for (const Caso& k : {Caso{1280, 600, 1.6, 1.0}, Caso{800, 600, 1, 1}, Caso{640, 900, 0.8, 1.5}}) {
        SCOPED_TRACE(k.ancho);
        auto c = Controles();
        Rectangulo v{0, 0, 800, 600};
        AjusteProporcional().Cargar(k.ancho, k.alto, c, v);
        EXPECT_DOUBLE_EQ(c[1].r.izquierda, 600 * k.fx);
        EXPECT_DOUBLE_EQ(c[1].r.alto, 30 * k.fy);
        EXPECT_DOUBLE_EQ(c[1].tamanoFuente, 10 * (k.fx + k.fy) / 2);
        EXPECT_DOUBLE_EQ(c[2].r.alto, 22);
    }
}

TEST(Redimensionar, SinVentanaSoloLosControles) {
    auto c = Controles();
    cv::salida::Redimensionar(2, 2, c, nullptr);
    EXPECT_EQ(c[1].r, (Rectangulo{1200, 1100, 200, 60}));
}

TEST(Redimensionar, ElPrimerEventoSeIgnoraYLosSiguientesEscalanPorElCambio) {
    auto c = Controles();
    Rectangulo v{0, 0, 800, 600};
    AjusteProporcional a;
    a.Cargar(1024, 768, c, v);
    const auto cargados = c;
    // The window taking its size after load.
    EXPECT_FALSE(a.AlRedimensionar(1024, 768, c, v));
    EXPECT_EQ(c[0].r, cargados[0].r);
    EXPECT_TRUE(a.moverVentana);
    // The user halves the width: controls follow across only; the window is not moved.
    v = {30, 40, 512, 768};
    EXPECT_TRUE(a.AlRedimensionar(512, 768, c, v));
    EXPECT_FALSE(a.moverVentana);
    EXPECT_DOUBLE_EQ(c[0].r.ancho, cargados[0].r.ancho / 2);
    EXPECT_DOUBLE_EQ(c[0].r.alto, cargados[0].r.alto);
    EXPECT_DOUBLE_EQ(c[0].tamanoFuente, cargados[0].tamanoFuente * 0.75);
    EXPECT_EQ(v, (Rectangulo{30, 40, 512, 768}));
    EXPECT_DOUBLE_EQ(a.anchoRecordado, 512);
    // Back to the full width: the next event scales from the size remembered.
    EXPECT_TRUE(a.AlRedimensionar(1024, 768, c, v));
    EXPECT_DOUBLE_EQ(c[0].r.ancho, cargados[0].r.ancho);
    // A window with no size left keeps its controls as they are.
    const auto antes = c;
    EXPECT_FALSE(a.AlRedimensionar(0, 768, c, v));
    EXPECT_EQ(c[0].r, antes[0].r);
}

TEST(TarifaCsv, EncabezadoYFilasConLasCeldasComoSeMuestran) {
    cv::salida::FrmTarifa h;
    h.dbgPlan.Dimensionar(3, 9);
    const char* enc[] = {"Edad", "Prima SFP", "Recibos Subsecuentes", "Suma Asegurada", "Año 5", "Año 10", "Año 15", "Año 20", ""};
    for (int c = 0; c < 9; ++c) h.dbgPlan.Celda(0, c) = enc[c];
    const char* f1[] = {"40", "1,234.50", "617.25", "1,000,000.00", "0.00", "12.00", "30.50", "50.00"};
    for (int c = 0; c < 8; ++c) h.dbgPlan.Celda(1, c) = f1[c];
    h.dbgPlan.Celda(2, 0) = "41";
    h.dbgPlan.Celda(2, 1) = "a \"b\"";
    EXPECT_EQ(cv::salida::TarifaCsv(h),
              "Edad,Prima SFP,Recibos Subsecuentes,Suma Asegurada,Año 5,Año 10,Año 15,Año 20\n"
              "40,\"1,234.50\",617.25,\"1,000,000.00\",0.00,12.00,30.50,50.00\n"
              "41,\"a \"\"b\"\"\",,,,,,\n");
}

}  // namespace
