// Every product of the sample catalogue, every term it offers, every age the checks let through,
// both sexes, with riders (life cover to 60 included) and contributions: each quote computes,
// and nothing in it is infinite, undefined or a negative surrender value.
#include <gtest/gtest.h>

#include <cmath>

#include "data/catalogo.h"
#include "engine/premium/calculo.h"

namespace {

using namespace cv;

TEST(Barrido, TodaCotizacionQueLaVentanaDejaPasarSeCalcula) {
    datos::CatalogoProductos c = datos::VincularCatalogo(CV_BASE_MUESTRA);
    Calculo calc(std::make_shared<CatalogoMotor>(c));
    int calculadas = 0;
    datos::RecordSet p(c.tablaProductos);
    for (; !p.FinDeArchivo(); p.MoverSiguiente()) {
        const std::string id = p.Campo("Id").ComoTexto(), moneda = p.Campo("Moneda").ComoTexto();
        const int codigo = std::stoi(id);
        const bool vitalicio = codigo == 11 || codigo == 12;
        const bool dotal = codigo == 6 || codigo == 15 || codigo == 25 || codigo == 26;
        c.PlazosDeProducto(id);
        std::vector<std::pair<int, int>> plazos;
        for (auto& t = c.datPlazoProducto; !t.FinDeArchivo(); t.MoverSiguiente())
            plazos.emplace_back(static_cast<int>(t.Campo("PlazoPago").ComoDouble()),
                                static_cast<int>(t.Campo("PlazoSeguro").ComoDouble()));
        for (auto [pago, seguro] : plazos)
            for (int edad = 15; edad <= 70; ++edad)
                for (int mujer = 0; mujer < 2; ++mujer) {
                    const bool alcanzada = !vitalicio && seguro >= 60;
                    // What the line check refuses never reaches the engine.
                    if ((alcanzada && seguro <= edad) || (pago == 60 && edad > 55) || (pago == 65 && edad > 60) ||
                        (!vitalicio && !alcanzada && edad + pago > 99))
                        continue;
                    SCOPED_TRACE(::testing::Message() << "producto " << id << " " << pago << "/" << seguro << " edad " << edad);
                    EntradaCalculo in;
                    in.txtEdad = std::to_string(edad);
                    in.comFuma = mujer ? "No" : "Si";
                    in.comSexo = mujer ? "Femenino" : "Masculino";
                    in.comMoneda = moneda;
                    in.txtSumaAseguradaGlobal = "750,000";
                    in.comFormaPago = "Mensual";
                    in.txtProducto = id;
                    in.dbcPago = std::to_string(pago);
                    in.dbcPlazo = std::to_string(seguro);
                    in.chkEdad = alcanzada;
                    in.comPlan = vitalicio ? "Vitalicio" : dotal ? (alcanzada ? "Dotal con Edad Alcanzada" : "Dotal")
                                                               : (alcanzada ? "Edad Alcanzada" : "Temporal");
                    in.AportNumPagos = 5;
                    in.AportMonto = 1000;
                    LineaCotizacion l;
                    l.Producto = id;
                    l.Participacion = 100;
                    l.PlazoPago = static_cast<int16_t>(pago);
                    l.PlazoSeguro = static_cast<int16_t>(vitalicio ? 99 : seguro);
                    l.Ordinario = vitalicio;
                    l.Dotal = dotal;
                    l.EdadAlcanzada = alcanzada;
                    int slot = 0;
                    for (const char* b : {"1", "2", "3", "6", "7"}) {
                        l.Beneficio[static_cast<size_t>(++slot)] = b;
                        l.ParticipacionBeneficio[static_cast<size_t>(slot)] = 100;
                    }
                    in.lineas.push_back(l);
                    ASSERT_NO_THROW(calc.CalcularCotizacion(in));
                    const EstadoMotor& e = calc.Estado();
                    ASSERT_TRUE(std::isfinite(e.PrimaTarifa) && std::isfinite(e.PrimaNeta) && std::isfinite(e.PrimerRecibo));
                    for (int k = 1; k <= 99; ++k) {
                        ASSERT_TRUE(std::isfinite(e.SeguroSaldado[k]) && std::isfinite(e.AnosProrrogado[k]) &&
                                    std::isfinite(e.PrimaAnualizada[k]))
                            << k;
                        ASSERT_GE(e.ValorRescate[k], Currency()) << k;
                    }
                    ++calculadas;
                }
    }
    EXPECT_GT(calculadas, 7000);
}

}  // namespace
