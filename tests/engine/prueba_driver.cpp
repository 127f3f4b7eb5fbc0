// The calculation driver: the copy of the window's inputs and lines, the plan labels, the two
// modes and their rows, the tariff row, a clear start for every run, abandoned calculations.
#include <gtest/gtest.h>

#include <cmath>

#include "catalogo_prueba.h"

namespace prueba {
namespace {

using cv::Currency;

// ---- inputs copied from the window ----

cv::EstadoMotor& Copiar(cv::Calculo& c, const cv::EntradaCalculo& e) {
    c.Entrada() = e;
    c.CopiarEntradas();
    return c.Estado();
}

TEST(CopiarEntradas, ExtraprimaMedica) {
    cv::Calculo c(CatalogoPrueba().Motor());
    const std::pair<const char*, float> casos[] = {{"0", 1},      {"", 1},   {"150", 1.5f}, {"100", 1},
                                                   {"abc", 1},    {" 75 ", 0.75f}, {"200", 2}, {"0.0", 1}};
    for (auto [texto, factor] : casos) {
        cv::EntradaCalculo e;
        e.txtExtraPrimaMedica = texto;
        EXPECT_EQ(Copiar(c, e).FactorExtraprimaMedica, factor) << '"' << texto << '"';
    }
}

TEST(CopiarEntradas, Importes) {
    cv::Calculo c(CatalogoPrueba().Motor());
    const std::pair<const char*, int64_t> casos[] = {
        {"1,500,000.50", 15000005000}, {" 250000 ", 2500000000}, {"", 0}, {"1,000", 10000000},
        {"12abc", 120000},             {"1,2,3", 1230000},       {"-5", -50000},
    };
    for (auto [texto, diezmilesimos] : casos) {
        cv::EntradaCalculo e;
        e.txtSumaAseguradaGlobal = texto;
        e.txtPrimaTotal = texto;
        const auto& est = Copiar(c, e);
        EXPECT_EQ(est.SumaAseguradaGlobal, Currency::DesdeDiezmilesimos(diezmilesimos)) << '"' << texto << '"';
        EXPECT_EQ(est.PrimaTotal, Currency::DesdeDiezmilesimos(diezmilesimos)) << '"' << texto << '"';
    }
}

TEST(CopiarEntradas, EdadesRedondeadasAlPar) {
    cv::Calculo c(CatalogoPrueba().Motor());
    const std::pair<const char*, int16_t> casos[] = {{"34.5", 34}, {"35.5", 36}, {"40", 40}, {"", 0},
                                                     {"40.49", 40}, {" 4 1", 41}, {"0.5", 0}, {"1.5", 2}};
    for (auto [texto, edad] : casos) {
        cv::EntradaCalculo e;
        e.txtEdad = texto;
        e.txtEdadInicial = texto;
        e.txtEdadFinal = texto;
        const auto& est = Copiar(c, e);
        EXPECT_EQ(est.Edad, edad) << '"' << texto << '"';
        EXPECT_EQ(est.EdadInicial, edad) << '"' << texto << '"';
        EXPECT_EQ(est.EdadFinal, edad) << '"' << texto << '"';
    }
}

TEST(CopiarEntradas, TextosDelPerfil) {
    cv::Calculo c(CatalogoPrueba().Motor());
    for (auto [texto, fuma] : {std::pair{"", "Si"}, {"No", "No"}, {"no", "Si"}, {"Si", "Si"}, {"No ", "Si"}}) {
        cv::EntradaCalculo e;
        e.comFuma = texto;
        EXPECT_EQ(Copiar(c, e).Fuma, fuma) << '"' << texto << '"';
    }
    for (auto [texto, sexo] : {std::pair{"", "Masculino"}, {"Femenino", "Femenino"}, {"femenino", "Masculino"},
                               {"Masculino", "Masculino"}}) {
        cv::EntradaCalculo e;
        e.comSexo = texto;
        EXPECT_EQ(Copiar(c, e).Sexo, sexo) << '"' << texto << '"';
    }
    for (auto [texto, tipo] : {std::pair{"Aritmetico", "A"}, {"Geometrico", "G"}, {"", ""}}) {
        cv::EntradaCalculo e;
        e.comTipoIncremento = texto;
        EXPECT_EQ(Copiar(c, e).TipoIncremento, tipo) << '"' << texto << '"';
    }
}

TEST(CopiarEntradas, OtrosCampos) {
    cv::Calculo c(CatalogoPrueba().Motor());
    cv::EntradaCalculo e;
    e.chkRiesgoSelecto = true;
    e.optDetalle = false;
    e.comFormaPago = "Trimestral";
    e.txtTasaInteres = "18";
    e.txtExtraprimaOcupacional = "2.5";
    e.AportNumPagos = 7;
    e.AportMonto = 1234.56789;
    e.AportFondoFinal = 50000;
    e.AportTasaIncrementoPct = 5;
    e.EdadPadreTutor = 38;
    const auto& est = Copiar(c, e);
    EXPECT_EQ(est.SinRiesgoSelecto, 0);
    EXPECT_EQ(est.ModoCalculo, "R");
    EXPECT_EQ(est.FormaPago, "Trimestral");
    EXPECT_EQ(est.TasaFondo, 0.18f);
    EXPECT_EQ(est.ExtraprimaOcupacional, 2.5f);
    EXPECT_EQ(est.NumAportaciones, 7);
    EXPECT_EQ(est.MontoAportacion, Currency::DesdeDiezmilesimos(12345679));
    EXPECT_EQ(est.FondoFinal, Currency::DesdeEntero(50000));
    EXPECT_EQ(est.AportTasaIncremento, 0.05f);
    EXPECT_EQ(est.EdadPadreTutor, 38);
    e.chkRiesgoSelecto = false;
    e.optDetalle = true;
    EXPECT_EQ(Copiar(c, e).SinRiesgoSelecto, 1);
    EXPECT_EQ(c.Estado().ModoCalculo, "D");
}

TEST(CopiarLineas, BanderasPorLinea) {
    cv::Calculo c(CatalogoPrueba().Motor());
    auto uno = Linea("1", 99, 65, 0, 50);
    uno.Dotal = 1;
    uno.EdadAlcanzada = 0;
    uno.Ordinario = 1;
    uno.Dotal2 = 0;
    uno.EdadAlcanzada2 = 1;
    uno.Ordinario2 = 0;
    uno.Incremento = 10;
    auto dos = Linea("15", 65, 60, 25000.5);
    dos.Dotal = 0;
    dos.EdadAlcanzada = 0;
    dos.Ordinario = 1;
    dos.Dotal2 = 1;
    dos.EdadAlcanzada2 = 1;
    dos.Ordinario2 = 0;
    dos.AnosCrecimiento = 7;  // not used by the engine
    c.Entrada() = Entrada({uno, dos});
    c.CopiarLineas();
    const auto& est = c.Estado();
    EXPECT_EQ(est.NumLineas, 2);
    EXPECT_EQ(est.ProductoLinea[1], "1");
    EXPECT_EQ(est.ProductoLinea[2], "15");
    EXPECT_EQ(est.IncrementoLinea[1], 0.1f);
    EXPECT_EQ(est.PlazoSeguroLinea[1], 99);
    EXPECT_EQ(est.PlazoPagoLinea[2], 60);
    EXPECT_EQ(est.SumaAseguradaLinea[1], Currency());
    EXPECT_EQ(est.SumaAseguradaLinea[2], Currency::DesdeDiezmilesimos(250005000));
    EXPECT_EQ(est.ParticipacionLinea[1], 0.5f);
    // Line 1 carries its flags in the first set, later lines in the second.
    EXPECT_EQ(est.DotalLinea[1], 1);
    EXPECT_EQ(est.EdadAlcanzadaLinea[1], 0);
    EXPECT_EQ(est.VitalicioLinea[1], 1);
    EXPECT_EQ(est.DotalLinea[2], 1);
    EXPECT_EQ(est.EdadAlcanzadaLinea[2], 1);
    EXPECT_EQ(est.VitalicioLinea[2], 0);
}

// ---- plan labels ----

TEST(EtiquetarPlanes, PorBanderasYMoneda) {
    struct Caso {
        const char* moneda;
        int16_t dotal, vitalicio;
        const char* etiqueta;
    };
    const Caso casos[] = {
        {"Pesos", 0, 0, " Temporal"},   {"Pesos", 1, 0, " Dotal"},   {"Pesos", 0, 1, " Vitalicio"},
        {"Pesos", 1, 1, " Vitalicio"},  {"Dólares", 0, 0, " Temporal"}, {"Dólares", 1, 0, " Dotal"},
        {"Dólares", 0, 1, " Vitalicio"}, {"Dólares", 1, 1, " Dotal"},  {"", 1, 1, " Vitalicio"},
    };
    cv::Calculo c(CatalogoPrueba().Motor());
    auto& est = c.Estado();
    est.NumLineas = static_cast<int16_t>(std::size(casos));
    for (size_t k = 0; k < std::size(casos); ++k) {
        SCOPED_TRACE(k);
        est.Moneda = casos[k].moneda;
        est.DotalLinea[k + 1] = casos[k].dotal;
        est.VitalicioLinea[k + 1] = casos[k].vitalicio;
        c.EtiquetarPlanes();
        EXPECT_EQ(est.TipoPlanLinea[k + 1], casos[k].etiqueta);
    }
}

// ---- the modes ----

class Modos : public ::testing::Test {
protected:
    static cv::EntradaCalculo Tarifa(const std::string& inicial, const std::string& final, bool hoja) {
        auto e = Entrada({Linea("1", 10, 10)});
        e.optDetalle = false;
        e.chkcalc = hoja;
        e.txtEdadInicial = inicial;
        e.txtEdadFinal = final;
        return e;
    }
    cv::Calculo calc{CatalogoPrueba().Motor()};
};

TEST_F(Modos, TarifaEnLaVentanaUnaFilaPorEdad) {
    const auto r = calc.CalcularCotizacion(Tarifa("15", "70", false));
    EXPECT_FALSE(r.mensaje);
    EXPECT_FALSE(r.hojaTarifa);
    ASSERT_EQ(r.filasTarifa.size(), 56u);
    for (size_t k = 0; k < r.filasTarifa.size(); ++k) {
        EXPECT_EQ(r.filasTarifa[k].Edad, static_cast<int16_t>(15 + k));
        EXPECT_EQ(cv::ColumnasTarifa(r.filasTarifa[k])[0], std::to_string(15 + k));
    }
    EXPECT_EQ(calc.Estado().Edad, 71);  // the loop stands one past the last age

    const auto una = calc.CalcularCotizacion(Tarifa("40", "40", false));
    ASSERT_EQ(una.filasTarifa.size(), 1u);
    EXPECT_EQ(una.filasTarifa[0].Edad, 40);
}

TEST_F(Modos, EdadFinalMenorEnLaVentana) {
    for (auto [inicial, final] : {std::pair{"40", "30"}, {"40.4", "40.2"}}) {
        SCOPED_TRACE(::testing::Message() << inicial << ".." << final);
        const auto r = calc.CalcularCotizacion(Tarifa(inicial, final, false));
        ASSERT_TRUE(r.mensaje);
        EXPECT_EQ(r.mensaje->texto, "La Edad Final no puede ser menor a la Edad Inicial");
        EXPECT_EQ(r.mensaje->titulo, "Validación");
        EXPECT_TRUE(r.filasTarifa.empty());
        EXPECT_FALSE(r.hojaTarifa);
        EXPECT_EQ(calc.Estado().PrimaTarifa, 0);  // no age computed
        EXPECT_EQ(calc.Estado().TipoPlanLinea[1], "");  // and no labels
        EXPECT_EQ(calc.Estado().Edad, 40);              // the typed age
    }
}

TEST_F(Modos, HojaDeTarifa) {
    const auto vacia = calc.CalcularCotizacion(Tarifa("40", "30", true));
    EXPECT_TRUE(vacia.hojaTarifa);
    EXPECT_FALSE(vacia.mensaje);
    EXPECT_TRUE(vacia.filasTarifa.empty());
    EXPECT_EQ(calc.Estado().Edad, 40);
    EXPECT_EQ(calc.Estado().PrimaTarifa, 0);
    EXPECT_EQ(calc.Estado().TipoPlanLinea[1], " Temporal");  // the sheet is labelled even when empty

    const auto r = calc.CalcularCotizacion(Tarifa("40", "42", true));
    EXPECT_TRUE(r.hojaTarifa);
    ASSERT_EQ(r.filasTarifa.size(), 3u);
    EXPECT_EQ(r.filasTarifa[2].Edad, 42);
    EXPECT_EQ(calc.Estado().Edad, 43);
}

TEST_F(Modos, Individual) {
    auto e = Entrada({Linea("1", 10, 10), Linea("1", 20, 20)});
    e.lineas[2].Dotal2 = 1;
    const auto r = calc.CalcularCotizacion(e);
    EXPECT_TRUE(r.filasTarifa.empty());
    EXPECT_FALSE(r.mensaje);
    EXPECT_FALSE(r.hojaTarifa);
    const auto& est = calc.Estado();
    EXPECT_EQ(est.Edad, 40);
    EXPECT_EQ(est.MaxAnosIlustrar, 20);
    EXPECT_EQ(est.TipoPlanLinea[1], " Temporal");
    EXPECT_EQ(est.TipoPlanLinea[2], " Dotal");
    EXPECT_GT(est.PrimaTarifa, 0);
}

TEST_F(Modos, DiezLineas) {
    std::vector<cv::LineaCotizacion> lineas;
    for (int k = 1; k <= 10; ++k) lineas.push_back(Linea("1", k, k, 1000.0 * k));
    calc.CalcularCotizacion(Entrada(lineas));
    EXPECT_EQ(calc.Estado().NumLineas, 10);
    EXPECT_EQ(calc.Estado().MaxAnosIlustrar, 10);
    EXPECT_EQ(calc.Estado().PlazoSeguroMostrado[10], 10);
}

// ---- clearing the results of an age ----

TEST(LimpiarResultados, AnosYLineas) {
    cv::Calculo calc(CatalogoPrueba().Motor());
    Preparar(calc, Entrada({Linea("1", 10, 10), Linea("1", 20, 20)}));
    auto& est = calc.Estado();
    est.MaxAnosIlustrar = 30;
    for (int k = 1; k <= 99; ++k) {
        est.PrimaBasicaAno[k] = est.PrimaAnualizada[k] = est.PrimaBeneficiosAno[k] = est.ProteccionTotal[k] = 1;
        est.DividendosAcumulados[k] = est.AportacionAno[k] = 1;
        est.AportacionMostrada[k] = 1;
        est.ValorRescate[k] = est.FondoAcumulado[k] = Currency::DesdeEntero(1);
    }
    est.TipoPlanLinea[1] = " Dotal";
    est.NombreBeneficio[3][2] = "M.A.";
    calc.LimpiarResultados();
    EXPECT_EQ(est.MaxAnosIlustrar, 0);
    for (int k = 1; k <= 99; ++k) {
        EXPECT_EQ(est.PrimaBasicaAno[k] + est.PrimaAnualizada[k] + est.PrimaBeneficiosAno[k] + est.ProteccionTotal[k] +
                      est.DividendosAcumulados[k] + est.AportacionAno[k] + est.AportacionMostrada[k],
                  0)
            << k;
        EXPECT_EQ(est.ValorRescate[k], Currency()) << k;
        EXPECT_EQ(est.FondoAcumulado[k], Currency()) << k;
    }
    // Texts of every line 1..10 and rider 1..10 become two blanks.
    std::vector<int> sinLimpiar;
    for (int l = 1; l <= 10; ++l) {
        bool limpia = est.TipoPlanLinea[l] == "  ";
        for (int b = 1; b <= 10; ++b) limpia = limpia && est.NombreBeneficio[b][l] == "  ";
        if (!limpia) sinLimpiar.push_back(l);
    }
    EXPECT_TRUE(sinLimpiar.empty()) << "líneas con textos sin limpiar: " << ::testing::PrintToString(sinLimpiar);
}

// Lines beyond the quote's are not labelled: they keep the cleared text.
TEST(LimpiarResultados, EtiquetaDeLineasSinUsar) {
    cv::Calculo calc(CatalogoPrueba().Motor());
    calc.CalcularCotizacion(Entrada({Linea("1", 10, 10), Linea("1", 20, 20)}));
    EXPECT_EQ(calc.Estado().TipoPlanLinea[2], " Temporal");
    EXPECT_EQ(calc.Estado().TipoPlanLinea[3], "  ");
    EXPECT_EQ(calc.Estado().TipoPlanLinea[10], "  ");
}

// ---- the tariff row ----

struct CasoFila {
    const char* producto;
    const char* plazo;
    std::array<const char*, 4> rescates;
};

TEST(FilaDeTarifa, ColumnasYDevolucionDePrimas) {
    const CasoFila casos[] = {
        {"16", "5", {"6,172.50", "0.00", "0.00", "0.00"}},
        {"16", "10", {"1,000.50", "12,345.00", "0.00", "0.00"}},
        {"16", "15", {"1,000.50", "2,000.00", "18,517.50", "0.00"}},
        {"16", "20", {"1,000.50", "2,000.00", "3,000.00", "24,690.00"}},
        {"16", " 10", {"1,000.50", "12,345.00", "0.00", "0.00"}},
        {"16", "7", {"1,000.50", "2,000.00", "3,000.00", "4,000.00"}},
        {"1", "10", {"1,000.50", "2,000.00", "3,000.00", "4,000.00"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.producto << " plazo " << c.plazo);
        cv::Calculo calc(CatalogoPrueba().Motor());
        calc.Entrada().txtProducto = c.producto;
        calc.Entrada().dbcPlazo = c.plazo;
        auto& est = calc.Estado();
        est.Edad = 40;
        est.PrimerRecibo = 100.25f;
        est.ReciboSubsecuente = 50.5f;
        est.ProteccionTotal[1] = 1500000;
        est.ValorRescate[5] = Currency::DesdeDouble(1000.5);
        est.ValorRescate[10] = Currency::DesdeEntero(2000);
        est.ValorRescate[15] = Currency::DesdeEntero(3000);
        est.ValorRescate[20] = Currency::DesdeEntero(4000);
        est.PrimaBasicaAno[1] = 1234.5;
        const cv::FilaTarifa f = calc.FilaDeTarifa();
        const auto columnas = cv::ColumnasTarifa(f);
        EXPECT_EQ(columnas[0], "40");
        EXPECT_EQ(columnas[1], "100.25");
        EXPECT_EQ(columnas[2], "50.50");
        EXPECT_EQ(columnas[3], "1,500,000.00");
        for (int i = 0; i < 4; ++i) EXPECT_EQ(columnas[4 + i], c.rescates[i]) << "columna " << 4 + i;
        EXPECT_EQ(f.PrimerRecibo, 100.25f);
        EXPECT_EQ(f.ProteccionTotal1, 1500000);
    }
}

// On a whole run of the return-of-premium plan the columns after its term come out zero.
TEST(FilaDeTarifa, Producto16EnUnaTarifa) {
    cv::Calculo calc(MotorMuestra());
    auto e = Entrada({Linea("16", 10, 10)});
    e.optDetalle = false;
    e.txtEdadInicial = "40";
    e.txtEdadFinal = "41";
    e.dbcPlazo = "10";
    const auto r = calc.CalcularCotizacion(e);
    ASSERT_EQ(r.filasTarifa.size(), 2u);
    for (const auto& f : r.filasTarifa) {
        EXPECT_EQ(cv::ColumnasTarifa(f)[6], "0.00");
        EXPECT_EQ(cv::ColumnasTarifa(f)[7], "0.00");
    }
}

// ---- every run from a clear state ----

struct Resultado {
    double primaNeta, primaTarifa, vpComisiones, tarifaTotal, primaObjetivo;
    Currency suma, primaTotal;
    int16_t modo, maxAnos;
    std::array<float, 100> comision;
    std::string nombre;
    bool operator==(const Resultado&) const = default;
};

Resultado Tomar(const cv::EstadoMotor& e) {
    return {e.PrimaNeta,   e.PrimaTarifa,         e.VPComisiones,     e.TarifaTotal,
            e.PrimaObjetivo, e.SumaAseguradaGlobal, e.PrimaTotal,       e.ModoSumaDesdePrima,
            e.MaxAnosIlustrar, e.Comision,          e.NombrePlan};
}

class EstadoLimpio : public ::testing::Test {
protected:
    EstadoLimpio() {
        Producto largo, corto, tabla;
        largo.id = "20";
        largo.nombre = "Largo";
        largo.comisiones = "20";
        corto.id = "5";
        corto.nombre = "Corto";
        corto.comisiones = "5";
        corto.gastos = 300;
        tabla.id = "8";
        tabla.metodoPrima = 99;
        tabla.metodoRescate = 0;
        tabla.mortalidadPrima = 90;
        tabla.gastos = 250;
        cat.ConProducto(largo)
            .ConProducto(corto)
            .ConProducto(tabla)
            .ConMortalidad(90, Constante(5))
            .ConComisiones("20", {{99, {{20, 5}}}})
            .ConComisiones("5", {{99, {{5, 10}}}});
        motor = cat.Motor();
    }
    Resultado Fresco(const cv::EntradaCalculo& e) {
        cv::Calculo c(motor);
        c.CalcularCotizacion(e);
        return Tomar(c.Estado());
    }
    CatalogoPrueba cat;
    std::shared_ptr<const cv::CatalogoMotor> motor;
};

TEST_F(EstadoLimpio, IgualesEntradasIgualesResultados) {
    auto largo = Entrada({Linea("20", 20, 20)});
    auto corto = Entrada({Linea("5", 20, 20)});  // its schedule fills years 1..5 only
    auto objetivo = Entrada({Linea("8", 1, 1), Linea("8", 1, 1, 100000)});
    objetivo.txtSumaAseguradaGlobal = "0";
    objetivo.txtPrimaTotal = "10,000";
    auto otraEdad = corto;
    otraEdad.txtEdad = "55";
    otraEdad.dbcPaquete = "Paquete";

    const cv::EntradaCalculo* secuencia[] = {&largo, &corto, &objetivo, &objetivo, &corto, &otraEdad, &largo, &corto};
    cv::Calculo c(motor);
    for (const auto* e : secuencia) {
        SCOPED_TRACE(e->lineas[1].Producto + " edad " + e->txtEdad);
        c.CalcularCotizacion(*e);
        EXPECT_EQ(Tomar(c.Estado()), Fresco(*e));
    }
    // After a long schedule, the short one leaves the later years at 0, not at the earlier rates.
    c.CalcularCotizacion(largo);
    c.CalcularCotizacion(corto);
    EXPECT_EQ(c.Estado().Comision[6], 0);
    EXPECT_EQ(c.Estado().Comision[5], 0.1f);
}

TEST_F(EstadoLimpio, ElPlanDeLaPrimeraLinea) {
    cv::Calculo c(motor);
    c.CalcularCotizacion(Entrada({Linea("5", 10, 10), Linea("20", 10, 10)}));
    EXPECT_EQ(c.Estado().NombrePlan, "Corto");
    EXPECT_EQ(c.Estado().Moneda, "Pesos");
    c.CalcularCotizacion(Entrada({Linea("20", 10, 10), Linea("5", 10, 10)}));
    EXPECT_EQ(c.Estado().NombrePlan, "Largo");
}

// ---- abandoned calculations ----

struct CasoAbandono {
    const char* nombre;
    std::function<void(CatalogoPrueba&, cv::EntradaCalculo&)> preparar;
    std::vector<const char*> palabras;
};

TEST(Abandono, MensajeYEstadoLimpio) {
    const CasoAbandono casos[] = {
        {"producto inexistente", [](CatalogoPrueba&, cv::EntradaCalculo& e) { e.lineas[1].Producto = "99"; },
         {"producto", "99"}},
        {"tabla de mortalidad inexistente",
         [](CatalogoPrueba& c, cv::EntradaCalculo& e) {
             Producto p;
             p.id = "2";
             p.mortalidadRescate = 77;
             c.ConProducto(p);
             e.lineas[1].Producto = "2";
         },
         {"mortalidad", "77"}},
        {"esquema de comisiones inexistente",
         [](CatalogoPrueba& c, cv::EntradaCalculo& e) {
             Producto p;
             p.id = "2";
             p.comisiones = "Z";
             c.ConProducto(p);
             e.lineas[1].Producto = "2";
         },
         {"comisiones", "Z"}},
        {"descuento por volumen inexistente",
         [](CatalogoPrueba& c, cv::EntradaCalculo& e) {
             Producto p;
             p.id = "2";
             p.descuentoVolumen = "9";
             c.ConProducto(p);
             e.lineas[1].Producto = "2";
         },
         {"volumen", "9"}},
        {"anualidad de primas nula", [](CatalogoPrueba&, cv::EntradaCalculo& e) { e.lineas[1].PlazoPago = 0; },
         {"anualidad"}},
        {"comisiones iguales a la prima",
         [](CatalogoPrueba& c, cv::EntradaCalculo& e) {
             Producto p;
             p.id = "2";
             p.comisiones = "2";
             c.ConProducto(p).ConComisiones("2", {{99, {{99, 100}}}});
             e.lineas[1] = Linea("2", 1, 1);
         },
         {"prima de tarifa", "cero"}},
        {"edad y plazo fuera de las tablas", [](CatalogoPrueba&, cv::EntradaCalculo& e) { e.txtEdad = "90"; },
         {"rebasa", "90"}},
        {"más de diez líneas",
         [](CatalogoPrueba&, cv::EntradaCalculo& e) {
             for (int k = 0; k < 10; ++k) e.lineas.push_back(Linea("1", 10, 10, 1000));
         },
         {"11", "10"}},
        {"sin línea de participación",
         [](CatalogoPrueba&, cv::EntradaCalculo& e) {
             e.lineas[1] = Linea("1", 20, 20, 50000);
             e.txtSumaAseguradaGlobal = "";
             e.txtPrimaTotal = "5000";
         },
         {"participación"}},
        {"tasa de mortalidad vacía",
         [](CatalogoPrueba& c, cv::EntradaCalculo& e) {
             Producto p;
             p.id = "2";
             p.mortalidadPrima = 6;
             c.ConProducto(p).ConMortalidad(6, [](int a) { return a == 47 ? std::nan("") : 1.0; });
             e.lineas[1].Producto = "2";
         },
         {"47", "mortalidad", "no es numérico"}},
        {"edad fuera de rango", [](CatalogoPrueba&, cv::EntradaCalculo& e) { e.txtEdad = "40000"; }, {"edad"}},
        {"suma asegurada fuera de rango",
         [](CatalogoPrueba&, cv::EntradaCalculo& e) { e.txtSumaAseguradaGlobal = "1E300"; }, {"suma asegurada"}},
        {"beneficio inexistente",
         [](CatalogoPrueba&, cv::EntradaCalculo& e) {
             e.lineas[1].Beneficio[1] = "4";
             e.lineas[1].ParticipacionBeneficio[1] = 100;
             e.txtSumaAseguradaGlobal = "";
             e.txtPrimaTotal = "5000";
         },
         {"beneficio", "4"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        CatalogoPrueba cat;
        auto e = Entrada({Linea("1", 20, 20)});
        c.preparar(cat, e);
        cv::Calculo calc(cat.Motor());
        // A good run first, so that a partial result would show.
        calc.CalcularCotizacion(Entrada({Linea("1", 10, 10)}));
        ASSERT_GT(calc.Estado().PrimaTarifa, 0);
        std::string mensaje;
        try {
            calc.CalcularCotizacion(e);
        } catch (const cv::ErrorCalculo& ex) {
            mensaje = ex.what();
        }
        ASSERT_FALSE(mensaje.empty()) << "sin error";
        for (const char* p : c.palabras) EXPECT_NE(mensaje.find(p), std::string::npos) << mensaje << " / " << p;
        const auto& est = calc.Estado();
        EXPECT_EQ(est.PrimaTarifa, 0);
        EXPECT_EQ(est.PrimaNeta, 0);
        EXPECT_EQ(est.SumaAseguradaGlobal, Currency());
        EXPECT_EQ(est.PrimaTotal, Currency());
        EXPECT_EQ(est.NumLineas, 0);
        EXPECT_EQ(est.Edad, 0);
        EXPECT_EQ(est.MaxAnosIlustrar, 0);
        EXPECT_EQ(est.VPComisiones, 0);
        EXPECT_EQ(est.ProductoLinea[1], "");
        // And the engine still computes afterwards.
        calc.CalcularCotizacion(Entrada({Linea("1", 10, 10)}));
        EXPECT_GT(calc.Estado().PrimaTarifa, 0);
    }
}

TEST(Abandono, SinInfinitosNiIndeterminados) {
    // Rates of 1000 per 1000 from age 45: survival ends inside the term.
    CatalogoPrueba cat;
    cat.ConMortalidad(1, [](int a) { return a >= 45 ? 1000.0 : 1.0; });
    cv::Calculo calc(cat.Motor());
    auto e = Entrada({Linea("1", 20, 20)});
    try {
        calc.CalcularCotizacion(e);
    } catch (const cv::ErrorCalculo&) {
    }
    const auto& est = calc.Estado();
    for (double v : {est.PrimaNeta, est.PrimaTarifa, est.PrimaTarifa2, est.VPComisiones, est.ValorSeguro, est.ValorDotal,
                     est.ValorAnualidad})
        EXPECT_TRUE(std::isfinite(v)) << v;
    for (int k = 0; k <= 100; ++k) EXPECT_TRUE(std::isfinite(est.Sobrevivencia[k])) << k;
}

}  // namespace
}  // namespace prueba
