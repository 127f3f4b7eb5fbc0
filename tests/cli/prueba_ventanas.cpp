// The illustration and tariff-sheet windows filled by a quote driven through the main window:
// the product corrections of the illustration and the grid of the tariff sheet.
#include <gtest/gtest.h>

#include "cli/conductor.h"
#include "core/formato.h"
#include "core/numeros.h"
#include "data/catalogo.h"

namespace prueba_cli {
namespace {

using namespace cv::cli;

Conductor& Compartido() {
    static Conductor c(std::make_shared<const cv::datos::CatalogoProductos>(cv::datos::VincularCatalogo(CV_BASE_MUESTRA)),
                       cv::Fecha{2026, 12, 11}, std::filesystem::temp_directory_path());
    return c;
}

Peticion Prospecto(const std::string& edad) {
    Peticion p;
    p.nombre = "ana";
    p.edad = edad;
    p.fuma = "no";
    p.numeroAgente = "7";
    return p;
}

TEST(Estudio, DevolucionDePrimasACincoAnos) {
    Conductor& c = Compartido();
    Peticion p = Prospecto("40");
    p.sumaAsegurada = "500,000.00";
    p.lineas.push_back(LeerLinea("16,pago=5"));
    c.Cotizar(p);
    const auto& g = c.Estudio().dbgPlan;
    ASSERT_EQ(g.filas, 6);  // header and five years
    EXPECT_EQ(c.Estudio().caption, "Estudio resultante para : ANA");
    EXPECT_EQ(g.Celda(0, 5), "Valor de Rescate");
    EXPECT_EQ(g.Celda(1, 1), "40");
    EXPECT_EQ(g.Celda(5, 1), "44");
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(g.Celda(k, 5), "0.00") << k;
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(g.Celda(k, 6), "0.00") << k;
    // The last year returns five times the year's premium as shown.
    const cv::EstadoMotor& e = c.Corrida().Motor().Estado();
    const double prima = cv::LeerImporte(cv::Formatear(e.PrimaBasicaAno[5], "#,##0.00")).value();
    ASSERT_GT(prima, 0);
    EXPECT_EQ(g.Celda(5, 5), cv::Formatear(prima * 5, "#,##0.00"));
    EXPECT_EQ(e.ValorRescate[5], cv::Currency::DesdeDouble(prima * 5));  // written back for the proposal
    EXPECT_EQ(c.Estudio().Label6.texto, cv::Formatear(static_cast<double>(e.ReciboNeto), cv::kF1));
}

TEST(Estudio, ProrrogadoDelProducto26SoloEnPesos) {
    Conductor& c = Compartido();
    auto anos = [&](const char* moneda) {
        Peticion p = Prospecto("30");
        p.sumaAsegurada = "100,000.00";
        p.moneda = moneda;
        p.lineas.push_back(LeerLinea("26,pago=60"));
        c.Cotizar(p);
        double suma = 0;
        for (int k = 1; k < c.Estudio().dbgPlan.filas; ++k) suma += cv::ValorNumerico(c.Estudio().dbgPlan.Celda(k, 7));
        return suma;
    };
    // Product 26 is a dollar product in the sample catalogue: its extended-term years are shown as 0.
    EXPECT_EQ(anos("Dólares"), 0);
    EXPECT_EQ(c.Estudio().dbgPlan.filas, 31);  // to age 60
}

TEST(HojaTarifa, RenglonesDelRangoYColumnaVacia) {
    Conductor& c = Compartido();
    Peticion p = Prospecto("40");
    p.sumaAsegurada = "1,000,000.00";
    p.lineas.push_back(LeerLinea("1,pago=20,beneficios=MA"));
    c.Tarifa(p);  // the window's range: 15 to 70
    const auto& g = c.Hoja().dbgPlan;
    EXPECT_EQ(c.Hoja().caption, "Tarifas");
    ASSERT_EQ(g.filas, 57);
    ASSERT_EQ(g.columnas, 9);
    EXPECT_EQ(g.Celda(0, 2), "Recibos Subsecuentes");
    EXPECT_EQ(g.anchos[2], 1670);
    EXPECT_EQ(g.Celda(1, 0), "15");
    EXPECT_EQ(g.Celda(56, 0), "70");
    for (int r = 0; r < g.filas; ++r) EXPECT_EQ(g.Celda(r, 8), "");
    // The same rows as the main window's grid.
    const auto& v = c.Ventana().dbgProductosCotizacion;
    ASSERT_EQ(v.filas, 57);
    for (int r = 1; r < 57; ++r)
        for (int col = 0; col < 8; ++col) EXPECT_EQ(g.Celda(r, col), v.Celda(r, col));
}

}  // namespace
}  // namespace prueba_cli
