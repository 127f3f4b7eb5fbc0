// Every product and term of the sample catalogue as a tariff through the main window: over ages
// 0 to 99 each either gives a row per age with every cell a number or is refused with a message
// (ages whose term runs past the tables), nothing else; over 15 to 50 each gives its rows.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "cli/conductor.h"
#include "core/formato.h"
#include "data/catalogo.h"

namespace prueba_cli {
namespace {

using namespace cv::cli;

TEST(Carga, TarifaDeCeroANoventaYNueveParaCadaProductoYPlazo) {
    auto catalogo = std::make_shared<const cv::datos::CatalogoProductos>(cv::datos::VincularCatalogo(CV_BASE_MUESTRA));
    Conductor c(catalogo, cv::Fecha{2026, 12, 11}, std::filesystem::temp_directory_path());
    const cv::datos::Tabla& productos = *catalogo->tablaProductos;
    const size_t id = *productos.Posicion("Id");
    int tarifas = 0, rechazadas = 0, monedas = 0;
    std::set<std::string> vistas;
    for (size_t i = 0; i < productos.NumFilas(); ++i) {
        const std::string codigo = productos.Fila(i)[id].ComoTexto();
        vistas.insert(productos.Fila(i)[*productos.Posicion("Moneda")].ComoTexto());
        const OfertaProducto oferta = c.Oferta(codigo, "35");
        for (const PlazoOfrecido& t : oferta.plazos) {
            SCOPED_TRACE("producto " + codigo + " plazo " + t.pago + "/" + t.seguro);
            for (const auto& [inicial, final, siempre] : {std::tuple{"0", "99", false}, std::tuple{"15", "50", true}}) {
                Peticion p;
                p.nombre = "carga";
                p.edad = codigo == "6" ? "10" : "35";  // the educational product for a child
                p.fuma = "no";
                p.numeroAgente = "7";
                p.sumaAsegurada = "1,000,000.00";
                p.edadInicial = inicial;
                p.edadFinal = final;
                PeticionLinea l;
                l.producto = codigo;
                if (codigo == "6")
                    l.edadAlcanzada = "22";
                else
                    l.pago = t.pago;
                p.lineas.push_back(l);
                try {
                    c.Tarifa(p);
                } catch (const Rechazo& r) {
                    ++rechazadas;
                    EXPECT_FALSE(siempre) << r.what();
                    ASSERT_FALSE(r.mensajes.empty());
                    EXPECT_FALSE(r.mensajes[0].texto.empty());
                    continue;
                }
                ++tarifas;
                const auto& g = c.Hoja().dbgPlan;
                const int edades = std::stoi(final) - std::stoi(inicial) + 1;
                ASSERT_EQ(g.filas, edades + 1);
                for (int r = 1; r < g.filas; ++r) {
                    EXPECT_EQ(g.Celda(r, 0), std::to_string(std::stoi(inicial) + r - 1));
                    for (int col = 1; col < 8; ++col)
                        EXPECT_TRUE(cv::LeerImporte(g.Celda(r, col)).has_value()) << r << "," << col << ": " << g.Celda(r, col);
                }
            }
            if (codigo == "6") break;  // its terms come from the attained age, not the list
        }
    }
    monedas = static_cast<int>(vistas.size());
    EXPECT_EQ(monedas, 2);
    EXPECT_GT(tarifas, 10);
    RecordProperty("tarifas", tarifas);
    RecordProperty("rechazadas", rechazadas);
}

}  // namespace
}  // namespace prueba_cli
