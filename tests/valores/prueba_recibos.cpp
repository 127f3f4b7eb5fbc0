// Receipts by payment frequency: the policy fee, the fractional surcharge, the fortnightly and
// fourteen-day receipts, and receipts of quotes of several lines.
#include <gtest/gtest.h>

#include "apoyo.h"

namespace valores {
namespace {

// Product "40" at 10 per 1000 from its tariff row with an issue expense of 300, product "41"
// the same without expense; the sample's dollar fee scale.
CatalogoPrueba CatalogoRecibos() {
    CatalogoPrueba c;
    c.ConMortalidad(10, Constante(10));
    for (const char* id : {"40", "41"}) {
        Producto p;
        p.id = id;
        p.mortalidadPrima = 10;
        p.metodoPrima = 99;
        p.metodoRescate = 0;
        p.gastos = std::string(id) == "40" ? 300 : 0;
        c.ConProducto(p);
    }
    const double topes[] = {500, 1000, 2500, 5000, 10000}, derechos[] = {25, 35, 45, 55, 65};
    for (int k = 1; k <= 5; ++k) {
        c.ConOpcion("Tope de Prima para Derecho de Poliza dolares 0" + std::to_string(k), topes[k - 1]);
        c.ConOpcion("Derecho de Poliza dolares 0" + std::to_string(k), derechos[k - 1]);
    }
    return c;
}

TEST(Recibos, UnaLineaAnualEnPesos) {
    Corrida correr(CatalogoRecibos().Motor());
    const cv::EstadoMotor& est = correr(prueba::Entrada({Linea("40", 10, 10)}));
    EXPECT_EQ(est.DerechoPoliza, 600.0f);
    EXPECT_EQ(est.PrimerRecibo, 1300.0f + 600);
    EXPECT_EQ(est.ReciboSubsecuente, 1300.0f);
    EXPECT_EQ(est.ReciboNeto, 1300.0f);
    EXPECT_EQ(est.PrimaAnual, 1300.0f);
    EXPECT_EQ(est.PrimaAnualizada[1], 1900.0);
}

// Whatever the number of lines, the first receipt is the net receipt plus the fee, and the fee
// counts once in the first year's premium.
TEST(Recibos, DeLaCotizacionConCualquierNumeroDeLineas) {
    struct Caso {
        const char* forma;
        int pagos;
        float recargo;
    };
    const Caso formas[] = {
        {"Anual", 1, 0}, {"Semestral", 2, 0.037f}, {"Trimestral", 4, 0.055f}, {"Mensual", 12, 0.065f}};
    const std::vector<std::vector<float>> participaciones = {{100}, {50, 50}, {50, 25, 25}};
    Corrida correr(CatalogoRecibos().Motor());
    for (const auto& f : formas)
        for (const auto& partes : participaciones) {
            SCOPED_TRACE(::testing::Message() << f.forma << ", " << partes.size() << " líneas");
            std::vector<cv::LineaCotizacion> lineas;
            for (float p : partes) lineas.push_back(Linea("40", 10, 10, p));
            cv::EntradaCalculo e = prueba::Entrada(lineas);
            e.comFormaPago = f.forma;
            const cv::EstadoMotor& est = correr(e);
            // 1000 of premium and the first line's expense of 300.
            const float r = static_cast<float>((1 + static_cast<double>(f.recargo)) * 1300 / f.pagos);
            EXPECT_FLOAT_EQ(est.ReciboSubsecuente, r);
            EXPECT_FLOAT_EQ(est.ReciboNeto, r);
            EXPECT_FLOAT_EQ(est.PrimerRecibo, r + 600);
            EXPECT_FLOAT_EQ(est.PrimaAnualRecargada, static_cast<float>((1 + static_cast<double>(f.recargo)) * 1300));
            EXPECT_EQ(est.PrimaAnualizada[1], 1900.0);
            EXPECT_EQ(est.PrimaAnualizada[2], 1300.0);
        }
}

// The receipt step alone, on a first-year premium A and a first contribution C.
struct Recibo {
    const char* moneda;
    const char* forma;
    int16_t pagos;
    float recargo;
    const char* modo;
    double a, c;
};

cv::EstadoMotor SoloRecibos(const Recibo& r) {
    cv::Calculo calc(CatalogoRecibos().Motor());
    prueba::Preparar(calc, prueba::Entrada({Linea("40", 10, 10)}));
    auto& est = calc.Estado();
    est.NumLineas = 1;
    est.LineaActual = est.LineaCalculada = 1;
    est.Moneda = r.moneda;
    est.FormaPago = r.forma;
    est.PagosPorAno = r.pagos;
    est.RecargoFraccionado = r.recargo;
    est.ModoCalculo = r.modo;
    est.PrimaAnualizada[1] = r.a;
    est.AportacionMostrada[1] = static_cast<float>(r.c);
    calc.CalcularRecibos();
    return est;
}

TEST(Recibos, DerechoEnDolaresPorTramos) {
    struct Caso {
        double prima, aportacion;
        float derecho;
    };
    const Caso casos[] = {
        {400, 0, 25},  {500, 0, 25},  {500.01, 0, 35}, {700, 0, 35},   {2000, 0, 45},
        {3000, 0, 55}, {6000, 0, 65}, {20000, 0, 65},  {400, 200, 35}, {9000, 2000, 65},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "prima " << c.prima << " aportación " << c.aportacion);
        const cv::EstadoMotor est = SoloRecibos({"Dólares", "Anual", 1, 0, "D", c.prima, c.aportacion});
        EXPECT_EQ(est.DerechoPoliza, c.derecho);
        EXPECT_FLOAT_EQ(est.PrimerRecibo, static_cast<float>(c.aportacion + c.prima) + c.derecho);
    }
}

TEST(Recibos, QuincenalYCatorcenal) {
    struct Caso {
        Recibo r;
        double recibo;
    };
    const double s = 1 + static_cast<double>(0.042f), t = 1 + static_cast<double>(0.044f);
    const Caso casos[] = {
        // The fee spread over the 24 receipts; the contribution only in a tariff.
        {{"Pesos", "Quincenal", 24, 0, "D", 12000, 500}, (600 + 12000) / 24.0},
        {{"Pesos", "Quincenal", 24, 0, "R", 12000, 500}, (600 + 12000 + 500) / 24.0},
        {{"Dólares", "Quincenal", 24, 0.042f, "D", 1200, 50}, s * (45 + 1200) / 24},
        {{"Pesos", "Catorcenal", 26, 0, "D", 13000, 520}, (520 + 13000 + 600) / 26.0},
        {{"Dólares", "Catorcenal", 26, 0.044f, "D", 1300, 52}, (52 + 1300 + 45) * t / 26},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.r.forma << " " << c.r.moneda << " modo " << c.r.modo);
        const cv::EstadoMotor est = SoloRecibos(c.r);
        EXPECT_FLOAT_EQ(est.PrimerRecibo, static_cast<float>(c.recibo));
        EXPECT_FLOAT_EQ(est.ReciboSubsecuente, static_cast<float>(c.recibo));
        EXPECT_FLOAT_EQ(est.ReciboNeto, static_cast<float>(c.recibo));
        // The fee is not added into the first year's premium.
        EXPECT_EQ(est.PrimaAnualizada[1], c.r.a + (c.r.modo[0] == 'R' ? c.r.c : 0));
    }
}

cv::EntradaCalculo Tarifa(std::vector<cv::LineaCotizacion> lineas, double aportacion) {
    cv::EntradaCalculo e = prueba::Entrada(std::move(lineas));
    e.optDetalle = false;
    e.txtEdadInicial = e.txtEdadFinal = "40";
    e.AportNumPagos = 1;
    e.AportMonto = aportacion;
    e.comTipoIncremento = "Nivelado";
    return e;
}

// In a tariff the first contribution is counted once in the first year's premium, whatever
// the number of lines.
TEST(Recibos, TarifaCuentaLaAportacionUnaVez) {
    Corrida correr(CatalogoRecibos().Motor());
    const std::vector<std::vector<float>> participaciones = {{100}, {50, 50}, {50, 25, 25}};
    for (const auto& partes : participaciones) {
        SCOPED_TRACE(::testing::Message() << partes.size() << " líneas");
        std::vector<cv::LineaCotizacion> lineas;
        for (float p : partes) lineas.push_back(Linea("40", 10, 10, p));
        const cv::EstadoMotor& est = correr(Tarifa(lineas, 1000));
        ASSERT_EQ(correr.ultima.filasTarifa.size(), 1u);
        EXPECT_EQ(est.PrimaAnualizada[1], 1300.0 + 1000 + 600);
    }
}

// The dollar fee of a tariff with a contribution follows the quote's premium, not the number
// of lines: 400 of premium and 350 of contribution fall in the 35 tier.
TEST(Recibos, DerechoEnDolaresDeLaTarifaNoDependeDelNumeroDeLineas) {
    Corrida correr(CatalogoRecibos().Motor());
    const std::vector<std::vector<float>> participaciones = {{100}, {50, 50}};
    for (const char* modo : {"individual", "tarifa"})
        for (const auto& partes : participaciones) {
            SCOPED_TRACE(::testing::Message() << modo << ", " << partes.size() << " líneas");
            std::vector<cv::LineaCotizacion> lineas;
            for (float p : partes) lineas.push_back(Linea("41", 10, 10, p));
            cv::EntradaCalculo e = Tarifa(lineas, 350);
            e.optDetalle = modo[0] == 'i';
            e.comMoneda = "Dólares";
            e.txtSumaAseguradaGlobal = "40000";
            const cv::EstadoMotor& est = correr(e);
            EXPECT_EQ(est.DerechoPoliza, 35.0f);
            EXPECT_FLOAT_EQ(est.PrimerRecibo - est.ReciboSubsecuente, 35.0f);
        }
}

}  // namespace
}  // namespace valores
