// Technical parameters: management options, product parameters, commission schedule,
// payment-frequency surcharge, issue expense once per product, product groups, volume discount.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "catalogo_prueba.h"

namespace prueba {
namespace {

using cv::Currency;

TEST(OpcionesGerenciales, SeLeenPorNombreYPosicion) {
    CatalogoPrueba c;
    c.ConOpcion("Tasa de Interes Pesos", 6.5).ConOpcion("Recargo Trimestral Dolares", 3.0);
    for (int k = 1; k <= 12; ++k) {
        char n[64];
        std::snprintf(n, sizeof n, "Primas de Dotal a corto plazo pesos %02d", k);
        c.ConOpcion(n, 900.0 + k);
    }
    c.ConOpcion("Tope de Prima para Derecho de Poliza dolares 05", 5000.0).ConOpcion("Derecho de Poliza Pesos 03", 600.0);
    cv::Calculo calc(c.Motor());
    calc.LeerOpcionesGerenciales();
    const auto& est = calc.Estado();
    EXPECT_EQ(est.TasaInteresPesos, 6.5f);  // percent as stored
    EXPECT_EQ(est.TasaInteresDolares, 4.0f);
    EXPECT_EQ(est.RecargoTrimestralDolares, static_cast<float>(3.0 / 100));
    EXPECT_EQ(est.RecargoQuincenalDolares, static_cast<float>(4.2 / 100));
    EXPECT_EQ(est.EdadMinimaDescuento, 15);
    EXPECT_EQ(est.AnosDescuentoNoFumador, 2);
    EXPECT_EQ(est.AnosDescuentoMujer, 3);
    EXPECT_EQ(est.AnosRiesgoPreferente, 1);
    EXPECT_EQ(est.ParticipacionDividendos, 0.5f);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(est.PrimaDotalCortoPesos[k], static_cast<float>(900 + k)) << k;
    EXPECT_EQ(est.PrimaDotalCortoPesos[0], 0);
    EXPECT_EQ(est.TopePrimaDerechoDolares[5], 5000);
    EXPECT_EQ(est.TopePrimaDerechoDolares[6], 0);
    EXPECT_EQ(est.DerechoPolizaPesos[3], 600);
}

// Pesos surcharges are the company's fixed values, whatever the database holds.
TEST(OpcionesGerenciales, RecargosEnPesosFijos) {
    CatalogoPrueba c;
    c.ConOpcion("Recargo Mensual Pesos", 9.0).ConOpcion("Recargo Trimestral Pesos", 9.0);
    cv::Calculo calc(c.Motor());
    calc.LeerOpcionesGerenciales();
    const auto& est = calc.Estado();
    EXPECT_EQ(est.RecargoMensualPesos, static_cast<float>(6.5 / 100));
    EXPECT_EQ(est.RecargoTrimestralPesos, static_cast<float>(5.5 / 100));
    EXPECT_EQ(est.RecargoSemestralPesos, static_cast<float>(3.7 / 100));
    EXPECT_EQ(est.RecargoCatorcenalPesos, 0);
    EXPECT_EQ(est.RecargoQuincenalPesos, 0);
}

TEST(OpcionesGerenciales, OpcionFaltanteAbandona) {
    cv::datos::CatalogoProductos base = CatalogoPrueba().Construir();
    // The options table without its first field.
    const auto& t = base.datOpcionesGerenciales.Fuente();
    std::vector<std::string> campos(t.Campos().begin() + 1, t.Campos().end());
    auto sin = std::make_shared<cv::datos::Tabla>("Opciones Gerenciales", campos);
    std::vector<Valor> fila(t.Fila(0).begin() + 1, t.Fila(0).end());
    sin->AgregarFila(fila);
    base.datOpcionesGerenciales = cv::datos::RecordSet(sin);
    cv::Calculo calc(std::make_shared<cv::CatalogoMotor>(base));
    const std::string m = Mensaje([&] { calc.LeerOpcionesGerenciales(); });
    EXPECT_NE(m.find("Tasa de Interes Pesos"), std::string::npos) << m;
}

// ---- product parameters ----

class Parametros : public ::testing::Test {
protected:
    // Runs LeerParametrosProducto for line k of a prepared quote.
    cv::EstadoMotor& Leer(const cv::EntradaCalculo& e, int k = 1) {
        if (!calc) calc = std::make_unique<cv::Calculo>(cat.Motor());
        Preparar(*calc, e);
        calc->Estado().LineaActual = static_cast<int16_t>(k);
        calc->LeerParametrosProducto();
        return calc->Estado();
    }
    CatalogoPrueba cat;
    std::unique_ptr<cv::Calculo> calc;
};

TEST_F(Parametros, CamposDelProducto) {
    Producto p;
    p.id = "7";
    p.nombre = "Temporal Creciente";
    p.mortalidadPrima = 15;
    p.mortalidadRescate = 8;
    p.tasaTecnica = 5.5;
    p.tasaReservas = 4.5;
    p.recargoFijo = 1.5;
    p.gastos = 350.25;
    p.comisiones = "C7";
    p.metodoPrima = 6;
    p.metodoRescate = 2;
    p.anosCrecimiento = 10;
    p.descuentoVolumen = "2";
    p.aplicaDescuentos = 1;
    p.descuentoDividendos = 1;
    p.recargoPrimaNeta = 0.05;
    cat.ConProducto(p).ConComisiones("C7", {{99, {{99, 0}}}});
    const auto& est = Leer(Entrada({Linea("7", 10, 10)}));

    EXPECT_EQ(est.TablaMortalidadPrima, "15");
    EXPECT_EQ(est.TablaMortalidadRescate, "8");
    EXPECT_EQ(est.TasaTecnica, static_cast<float>(5.5 / 100));
    EXPECT_EQ(est.TasaReservas, static_cast<float>(4.5 / 100));
    EXPECT_EQ(est.RecargoFijo, 1.5f);
    EXPECT_EQ(est.GastosExpedicion, Currency::DesdeDiezmilesimos(3502500));
    EXPECT_EQ(est.GastosExpedicionLinea[1], est.GastosExpedicion);
    EXPECT_EQ(est.TablaComisiones, "C7");
    EXPECT_EQ(est.MetodoPrima, 6);
    EXPECT_EQ(est.MetodoRescate, 2);
    EXPECT_EQ(est.AnosCrecimiento, 11);
    EXPECT_EQ(est.TablaDescuentoVolumen, 2);
    EXPECT_EQ(est.AplicaDescuentosEdad, 1);
    EXPECT_EQ(est.DescuentoDividendos, 1);
    EXPECT_EQ(est.RecargoPrimaNeta, 0.05f);
    EXPECT_EQ(est.Moneda, "Pesos");
    EXPECT_EQ(est.FuerzaTecnica, static_cast<float>(std::log(1.0 + static_cast<double>(est.TasaTecnica))));
    EXPECT_EQ(est.FuerzaReservas, static_cast<float>(std::log(1.0 + static_cast<double>(est.TasaReservas))));
    EXPECT_EQ(est.TasaFondo, static_cast<float>(5.5 / 100));
}

TEST_F(Parametros, TasaDelFondoPorMoneda) {
    auto e = Entrada({Linea("1", 10, 10)});
    e.comMoneda = "Dólares";
    EXPECT_EQ(Leer(e).TasaFondo, static_cast<float>(4.0 / 100));
    e.comMoneda = "Pesos";
    EXPECT_EQ(Leer(e).TasaFondo, static_cast<float>(5.5 / 100));
}

TEST_F(Parametros, AnosDeCrecimiento) {
    for (auto [campo, esperado] : {std::pair{0, 0}, {5, 6}, {1, 2}, {20, 21}}) {
        SCOPED_TRACE(campo);
        Producto p;
        p.anosCrecimiento = campo;
        cat.ConProducto(p);
        calc.reset();
        EXPECT_EQ(Leer(Entrada({Linea("1", 10, 10)})).AnosCrecimiento, esperado);
    }
}

// The return-of-premium product takes schedule "16" whatever its record names.
TEST_F(Parametros, ComisionesDelProducto16) {
    Producto p;
    p.id = "16";
    p.comisiones = "1";
    cat.ConProducto(p).ConComisiones("16", {{99, {{1, 40}, {99, 5}}}});
    const auto& est = Leer(Entrada({Linea("16", 10, 10)}));
    EXPECT_EQ(est.TablaComisiones, "16");
    EXPECT_EQ(est.Comision[1], 0.4f);
    EXPECT_EQ(est.Comision[2], 0.05f);
}

TEST_F(Parametros, NombreDelPlan) {
    Producto a, b;
    a.id = "1";
    a.nombre = "Temporal Uno";
    b.id = "2";
    b.nombre = "Temporal Dos";
    cat.ConProducto(a).ConProducto(b);
    auto e = Entrada({Linea("1", 10, 10), Linea("2", 10, 10)});
    EXPECT_EQ(Leer(e, 1).NombrePlan, "Temporal Uno");
    calc->Estado().LineaActual = 2;
    calc->LeerParametrosProducto();
    EXPECT_EQ(calc->Estado().NombrePlan, "Temporal Uno");  // later lines leave it

    e.dbcPaquete = "Patrimonial Veralta";
    EXPECT_EQ(Leer(e, 2).NombrePlan, "Patrimonial Veralta");

    e = Entrada({Linea("2", 10, 10), Linea("1", 10, 10)});
    EXPECT_EQ(Leer(e, 1).NombrePlan, "Temporal Dos");
}

TEST_F(Parametros, ProductoInexistente) {
    const std::string m = Mensaje([&] { Leer(Entrada({Linea("44", 10, 10)})); });
    EXPECT_NE(m.find("producto"), std::string::npos) << m;
    EXPECT_NE(m.find("44"), std::string::npos) << m;
}

TEST_F(Parametros, ValorNoNumericoDelProducto) {
    Producto p;
    p.id = "1";
    cat.ConProducto(p);
    auto base = cat.Construir();
    // A technical rate stored as a word.
    const auto& t = base.tablaProductos;
    auto copia = std::make_shared<cv::datos::Tabla>("Productos", t->Campos());
    auto fila = t->Fila(0);
    fila[*t->Posicion("Tasa de Interes Tecnica")] = Valor("cinco");
    copia->AgregarFila(fila);
    base.tablaProductos = copia;
    base.datProductos = cv::datos::RecordSet(copia);
    calc = std::make_unique<cv::Calculo>(std::make_shared<cv::CatalogoMotor>(base));
    const std::string m = Mensaje([&] { Leer(Entrada({Linea("1", 10, 10)})); });
    EXPECT_NE(m.find("Tasa de Interes Tecnica"), std::string::npos) << m;
    EXPECT_NE(m.find("cinco"), std::string::npos) << m;
}

// ---- payment frequency ----

struct CasoFrecuencia {
    const char* moneda;
    const char* forma;
    int16_t pagos;
    float recargo;
};

TEST_F(Parametros, RecargoPorFormaDePago) {
    cat.ConOpcion("Recargo Mensual Dolares", 7.0);
    const CasoFrecuencia casos[] = {
        {"Dólares", "Mensual", 12, static_cast<float>(7.0 / 100)},
        {"Pesos", "Mensual", 12, static_cast<float>(6.5 / 100)},
        {"Pesos", "Quincenal", 24, 0},
        {"Dólares", "Quincenal", 24, static_cast<float>(4.2 / 100)},
        {"Pesos", "Catorcenal", 26, 0},
        {"Dólares", "Catorcenal", 26, static_cast<float>(4.4 / 100)},
        {"Pesos", "Trimestral", 4, static_cast<float>(5.5 / 100)},
        {"Dólares", "Trimestral", 4, static_cast<float>(3.2 / 100)},
        {"Pesos", "Semestral", 2, static_cast<float>(3.7 / 100)},
        {"Dólares", "Semestral", 2, static_cast<float>(2.1 / 100)},
        {"Pesos", "Anual", 1, 0},
        {"Dólares", "Anual", 1, 0},
        // Unknown frequency or currency: left as they were.
        {"Pesos", "Bimestral", 7, 0.3f},
        {"Dólares", "mensual", 7, 0.3f},
        {"Euros", "Mensual", 7, 0.3f},
        {"", "Anual", 7, 0.3f},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.moneda << " " << c.forma);
        auto e = Entrada({Linea("1", 10, 10)});
        e.comMoneda = c.moneda;
        e.comFormaPago = c.forma;
        if (!calc) calc = std::make_unique<cv::Calculo>(cat.Motor());
        Preparar(*calc, e);
        auto& est = calc->Estado();
        est.PagosPorAno = 7;
        est.RecargoFraccionado = 0.3f;
        est.LineaActual = 1;
        calc->LeerParametrosProducto();
        EXPECT_EQ(est.PagosPorAno, c.pagos);
        EXPECT_EQ(est.RecargoFraccionado, c.recargo);
    }
}

// ---- commission schedule ----

struct CasoComision {
    const char* nombre;
    std::vector<std::pair<double, double>> tramos;
    std::vector<std::pair<int, float>> esperado;  // (last year, rate) in runs from year 1
};

TEST_F(Parametros, TramosDeComision) {
    const CasoComision casos[] = {
        {"tres tramos", {{1, 50}, {2, 20}, {10, 5}}, {{1, 0.5f}, {2, 0.2f}, {10, 0.05f}, {99, 0.77f}}},
        {"límite sobre 99", {{1, 30}, {120, 5}}, {{1, 0.3f}, {99, 0.05f}}},
        {"límite 100", {{1, 30}, {100, 5}}, {{1, 0.3f}, {99, 0.05f}}},
        {"límite 99", {{1, 30}, {99, 5}}, {{1, 0.3f}, {99, 0.05f}}},
        {"tramo que no avanza", {{3, 10}, {2, 99}, {5, 1}}, {{3, 0.1f}, {5, 0.01f}, {99, 0.77f}}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        cat.ConComisiones("1", {{99, c.tramos}});
        calc = std::make_unique<cv::Calculo>(cat.Motor());
        Preparar(*calc, Entrada({Linea("1", 10, 10)}));
        auto& est = calc->Estado();
        est.Comision.fill(0.77f);  // years after the last tier keep what they held
        est.LineaActual = 1;
        calc->LeerParametrosProducto();
        int desde = 1;
        for (auto [hasta, tasa] : c.esperado) {
            for (int j = desde; j <= hasta; ++j) EXPECT_EQ(est.Comision[j], tasa) << "año " << j;
            desde = hasta + 1;
        }
    }
}

// The row with the key and the smallest term not below the line's payment term.
TEST_F(Parametros, RenglonDeComisionPorPlazoDePago) {
    cat.ConComisiones("1", {{20, {{1, 20}}}, {5, {{1, 5}}}, {30, {{1, 30}}}, {10, {{1, 10}}}});
    const std::pair<int, float> casos[] = {{1, 0.05f}, {5, 0.05f}, {7, 0.10f}, {10, 0.10f}, {11, 0.20f}, {25, 0.30f}};
    for (auto [m, tasa] : casos) {
        SCOPED_TRACE(m);
        calc.reset();
        EXPECT_EQ(Leer(Entrada({Linea("1", m, m)})).Comision[1], tasa);
    }
    // Attained-age box: the payment age less the typed age.
    auto e = Entrada({Linea("1", 65, 65)});
    e.chkEdad = true;
    e.dbcPago = "65";
    e.txtEdad = "40";
    EXPECT_EQ(Leer(e).Comision[1], 0.30f);
    e.txtEdad = "57";
    EXPECT_EQ(Leer(e).Comision[1], 0.10f);
    // 65 - 40.5 = 24.5 rounds to the even 24.
    cat.ConComisiones("1", {{24, {{1, 24}}}, {25, {{1, 25}}}});
    calc.reset();
    e.txtEdad = "40.5";
    EXPECT_EQ(Leer(e).Comision[1], 0.24f);
    cat.ConComisiones("1", {{20, {{1, 20}}}, {5, {{1, 5}}}, {30, {{1, 30}}}, {10, {{1, 10}}}});
    calc.reset();

    const std::string m = Mensaje([&] { Leer(Entrada({Linea("1", 31, 31)})); });
    EXPECT_NE(m.find("comisiones"), std::string::npos) << m;
    EXPECT_NE(m.find("31"), std::string::npos) << m;
}

// ---- issue expense once per product ----

struct CasoGastos {
    std::vector<std::string> productos;
    std::vector<double> gastos;  // of each line after the rule
};

TEST_F(Parametros, GastosDeExpedicionUnaVezPorProducto) {
    Producto a, b, c;
    a.id = "1";
    a.gastos = 300;
    b.id = "2";
    b.gastos = 250;
    c.id = "01";
    c.gastos = 200;
    cat.ConProducto(a).ConProducto(b).ConProducto(c);
    const CasoGastos casos[] = {
        {{"1", "01"}, {300, 200}},  // codes compared as texts
        {{"1", "1"}, {300, 0}},
        {{"1", "2"}, {300, 250}},
        {{"1", "2", "1", "2"}, {300, 250, 0, 0}},
        {{"2", "1", "1"}, {250, 300, 0}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.productos));
        std::vector<cv::LineaCotizacion> lineas;
        for (const auto& p : c.productos) lineas.push_back(Linea(p, 10, 10, 50000));
        calc = std::make_unique<cv::Calculo>(cat.Motor());
        Preparar(*calc, Entrada(lineas));
        auto& est = calc->Estado();
        for (size_t k = 1; k <= c.productos.size(); ++k) {
            est.LineaActual = static_cast<int16_t>(k);
            calc->LeerParametrosProducto();
            calc->GastosExpedicionUnicos();
            EXPECT_EQ(est.GastosExpedicion.ComoDouble(), c.gastos[k - 1]) << "línea " << k;
            EXPECT_EQ(est.ProductoVisto[k], c.productos[k - 1]);
            EXPECT_GT(est.GastosExpedicionLinea[k], Currency());  // the results grid keeps the product's expense
        }
    }
}

// ---- product groups ----

TEST(AgruparProductos, SumaPorProducto) {
    cv::Calculo calc(CatalogoPrueba().Motor());
    auto e = Entrada({Linea("6", 10, 10, 40000), Linea("3", 10, 10, 0, 50), Linea("6", 10, 10, 30000)});
    e.txtSumaAseguradaGlobal = "200,000";
    Preparar(calc, e);
    const auto& est = calc.Estado();
    EXPECT_EQ(est.NumGruposProducto, 2);
    EXPECT_EQ(est.ProductoGrupo[1], 6);
    EXPECT_EQ(est.ProductoGrupo[2], 3);
    // The first line of a product counts with its share of the global sum, not its own sum.
    EXPECT_DOUBLE_EQ(est.SumaProducto[1], 30000);
    EXPECT_DOUBLE_EQ(est.SumaProducto[2], 100000);
    EXPECT_EQ(est.GrupoLinea[1], 1);
    EXPECT_EQ(est.GrupoLinea[2], 2);
    EXPECT_EQ(est.GrupoLinea[3], 1);
}

TEST(AgruparProductos, SeRehaceDesdeCero) {
    cv::Calculo calc(CatalogoPrueba().Motor());
    auto e = Entrada({Linea("1", 10, 10, 0, 60), Linea("01", 10, 10, 0, 40), Linea("2", 10, 10, 10000)});
    Preparar(calc, e);
    auto& est = calc.Estado();
    // Product numbers are compared as numbers: "01" joins product 1.
    EXPECT_EQ(est.NumGruposProducto, 2);
    EXPECT_DOUBLE_EQ(est.SumaProducto[1], 100000 * static_cast<double>(0.6f) + 100000 * static_cast<double>(0.4f));
    EXPECT_DOUBLE_EQ(est.SumaProducto[2], 0);
    est.SumaAseguradaGlobal = Currency::DesdeEntero(200000);
    est.SumaProducto[3] = 99;
    calc.AgruparProductos();
    EXPECT_EQ(est.NumGruposProducto, 2);
    EXPECT_DOUBLE_EQ(est.SumaProducto[1], 200000 * static_cast<double>(0.6f) + 200000 * static_cast<double>(0.4f));
    EXPECT_DOUBLE_EQ(est.SumaProducto[3], 0);
}

// ---- volume discount ----

class DescuentoVolumen : public ::testing::Test {
protected:
    // The discount of one group of sum s, with the window's product and plan.
    float Descuento(double s, const std::string& producto = "1", const std::string& plan = "") {
        calc = std::make_unique<cv::Calculo>(cat.Motor());
        auto e = Entrada({Linea("1", 10, 10)});
        e.txtProducto = producto;
        e.comPlan = plan;
        Preparar(*calc, e);
        auto& est = calc->Estado();
        est.LineaActual = 1;
        calc->LeerParametrosProducto();
        est.NumGruposProducto = 1;
        est.ProductoGrupo[1] = 6;
        est.SumaProducto[1] = s;
        calc->CalcularDescuentoVolumen();
        return est.DescuentoVolumen[1];
    }
    CatalogoPrueba cat;
    std::unique_ptr<cv::Calculo> calc;
};

TEST_F(DescuentoVolumen, TramoQueLaSumaRebasa) {
    cat.ConVolumen("1", {{100000, 3, 3}, {999999999, 3, 2}});
    const std::pair<double, float> casos[] = {{150000, 1}, {100000, 0}, {100000.0001, 1}, {1, 0}, {0.5, 0}, {999999999, 1}};
    for (auto [s, d] : casos) {
        SCOPED_TRACE(s);
        EXPECT_EQ(Descuento(s), d);
    }
    const auto& est = calc->Estado();
    EXPECT_EQ(est.LimiteVolumen[0], Currency::DesdeEntero(1));
    EXPECT_EQ(est.LimiteVolumen[1], Currency::DesdeEntero(100000));
    EXPECT_EQ(est.LimiteVolumen[2], Currency::DesdeEntero(999999999));
    EXPECT_EQ(est.LimiteVolumen[3], Currency());
    EXPECT_EQ(est.VolumenColumnaB[2], 2);
}

TEST_F(DescuentoVolumen, CadaGrupoConSuSuma) {
    cat.ConVolumen("1", {{100000, 3, 3}, {999999999, 3, 2}});
    auto e = Entrada({Linea("1", 10, 10, 0, 75), Linea("2", 10, 10, 0, 25), Linea("1", 10, 10, 10000)});
    e.txtSumaAseguradaGlobal = "200000";
    cat.ConProducto([] {
        Producto p;
        p.id = "2";
        return p;
    }());
    calc = std::make_unique<cv::Calculo>(cat.Motor());
    Preparar(*calc, e);
    auto& est = calc->Estado();
    est.LineaActual = 1;
    calc->LeerParametrosProducto();
    calc->CalcularDescuentoVolumen();
    EXPECT_EQ(est.DescuentoVolumen[1], 1);  // 160 000
    EXPECT_EQ(est.DescuentoVolumen[2], 0);  // 50 000
}

TEST_F(DescuentoVolumen, ClaveInexistente) {
    Producto p;
    p.descuentoVolumen = "9";
    cat.ConProducto(p);
    const std::string m = Mensaje([&] { Descuento(1000); });
    EXPECT_NE(m.find("volumen"), std::string::npos) << m;
    EXPECT_NE(m.find("9"), std::string::npos) << m;
}

TEST_F(DescuentoVolumen, DiezTramosSinCierre) {
    std::vector<Tramo> tramos;
    for (int t = 1; t <= 10; ++t) tramos.emplace_back(100000.0 * t, 1, 0);
    cat.ConVolumen("1", tramos);
    const std::string m = Mensaje([&] { Descuento(150000); });
    EXPECT_NE(m.find("volumen"), std::string::npos) << m;
    EXPECT_NE(m.find("\"1\""), std::string::npos) << m;
}

struct CasoFijo {
    const char* producto;
    const char* plan;
    double suma;
    float descuento;
};

// Fixed discounts of the endowment plans, by the window's product and plan; 0.125 is the tier's.
TEST_F(DescuentoVolumen, DescuentosFijosPorProductoYPlan) {
    cat.ConVolumen("1", {{999999999999.0, 3, 2.875}});
    const CasoFijo casos[] = {
        {"1", "Dotal", 499999, 0.125f},  {"1", "Dotal", 500000, 0.5f},    {"1", "Dotal", 999999, 0.5f},
        {"1", "Dotal", 999999.5, 0.125f}, {"1", "Dotal", 1000000, 1},     {"1", "Dotal", 5000000, 1},
        {"6", "Dotal", 49999, 0.125f},   {"6", "Dotal", 50000, 0.25f},    {"6", "Dotal", 99999, 0.25f},
        {"6", "Dotal", 99999.5, 0.125f}, {"6", "Dotal", 100000, 0.5f},    {"3", "Dotal", 60000, 0.25f},
        {"3", "Dotal", 2000000, 0.5f},   {"2", "Dotal", 50000, 0.5f},     {"2", "Dotal", 99999, 0.5f},
        {"2", "Dotal", 100000, 1},       {"1", "Temporal", 1000000, 0.125f}, {"15", "Dotal", 1000000, 0.125f},
        {"1", "dotal", 1000000, 0.125f},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.producto << " " << c.plan << " " << c.suma);
        EXPECT_EQ(Descuento(c.suma, c.producto, c.plan), c.descuento);
    }
}

}  // namespace
}  // namespace prueba
