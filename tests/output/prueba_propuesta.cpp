// The printed proposal as drawing operations: the stationery chosen, the coverage list with its
// riders and its ten-row limit, the years and columns of the value table, the agent, the date,
// the rider ranges, the fund rate, the premiums by frequency, page 2 and page 3.
#include <gtest/gtest.h>

#include "apoyo_documentos.h"
#include "output/propuesta.h"

namespace prueba_documentos {
namespace {

class Propuesta : public testing::Test {
protected:
    Cotizacion c;
    std::vector<Documento> Construir() { return ConstruirPropuesta(Datos(), c.medidor); }
    DatosPropuesta Datos() { return {c.e, c.w, c.proceso, c.estudio, c.montos, Fecha{2025, 6, 15}}; }
    // The value table's column at `x` (other texts of the page may share that X).
    std::vector<Texto> Columna(const Documento& d, double x) {
        std::vector<Texto> r;
        for (const Texto& t : En(d, 1, x))
            if (t.y >= 6984 && t.y < 12484.8) r.push_back(t);
        return r;
    }
    // The coverage list: the texts at its first column.
    std::vector<std::string> Coberturas(const Documento& d) {
        std::vector<std::string> r;
        for (const Texto& t : En(d, 1, 892.8)) r.push_back(t.texto);
        return r;
    }
};

struct CasoPapeleria {
    int aportaciones;
    bool garantizados;
    const char* producto;
    const char* papeleria;
    double xFecha, yFecha, xRangos, yRangos;
};

// The case's name in the test list, the same at every build.
void PrintTo(const CasoPapeleria& c, std::ostream* os) {
    *os << "producto" << c.producto << "_aportaciones" << c.aportaciones << (c.garantizados ? "_garantizados" : "") << "_"
        << c.papeleria;
}

class Papeleria : public Propuesta, public testing::WithParamInterface<CasoPapeleria> {};

TEST_P(Papeleria, SeEligePorAportacionesYValoresGarantizados) {
    const CasoPapeleria& p = GetParam();
    c.e.NumAportaciones = static_cast<int16_t>(p.aportaciones);
    c.estudio.ChckImprimeProrrogado.marcada = p.garantizados;
    c.w.txtProducto.texto = p.producto;
    const auto d = Construir();
    const auto imagenes = d[0].Imagenes(1);
    ASSERT_EQ(imagenes.size(), 1u);
    EXPECT_EQ(imagenes[0], (Imagen{p.papeleria, 0, 0, kAnchoPapeleria, kAltoPapeleria}));
    // The date and the rider ranges stand where that stationery leaves room for them.
    const auto fecha = Buscar(d[0], 1, ".15 junio 2025");
    ASSERT_TRUE(fecha);
    EXPECT_EQ(fecha->x, p.xFecha);
    EXPECT_EQ(fecha->y, p.yFecha);
    const auto rangos = Buscar(d[0], 1, "...");
    ASSERT_TRUE(rangos);
    EXPECT_EQ(rangos->x, p.xRangos);
    EXPECT_EQ(rangos->y, p.yRangos);
}

INSTANTIATE_TEST_SUITE_P(Casos, Papeleria,
                         testing::Values(CasoPapeleria{0, false, "15", "piccaratula2", 7041.6, 13464, 4968, 14126.4},
                                         CasoPapeleria{0, true, "15", "picamplio2", 6595.2, 13651.2, 4291.2, 14227.2},
                                         CasoPapeleria{3, false, "15", "piccaratula", 7416, 13564.8, 4723.2, 14270.4},
                                         CasoPapeleria{1, true, "15", "picamplio", 6321.6, 13996.8, 5832, 14328},
                                         // The return-of-premium plan always prints guaranteed values.
                                         CasoPapeleria{0, false, "16", "picamplio2", 6595.2, 13651.2, 4291.2, 14227.2},
                                         CasoPapeleria{2, false, "16", "picamplio", 6321.6, 13996.8, 5832, 14328}));

TEST_F(Propuesta, DosCoberturasConTresBeneficiosCadaUnaDanOchoRenglones) {
    c.Linea(1, 1000000, 3);
    c.Linea(2, 500000, 3);
    const auto d = Construir();
    EXPECT_EQ(Coberturas(d[0]), (std::vector<std::string>{" Dotal", "   Ben1.1", "   Ben1.2", "   Ben1.3", " Dotal", "   Ben2.1",
                                                          "   Ben2.2", "   Ben2.3"}));
    // One text line each, from Y 3859.2, 7.5 points high.
    const auto filas = En(d[0], 1, 892.8);
    for (size_t i = 0; i < filas.size(); ++i) EXPECT_DOUBLE_EQ(filas[i].y, 3859.2 + 150.0 * static_cast<double>(i));
    // A rider's premium comes from its slot, its sum from the rider found.
    const auto primas = En(d[0], 1, 5472);
    ASSERT_EQ(primas.size(), 6u);
    EXPECT_EQ(primas[0].texto, "100");
    EXPECT_EQ(primas[2].texto, "300");
    EXPECT_EQ(En(d[0], 1, 2606.4)[5].texto, "500,000");
}

TEST_F(Propuesta, LaListaDeCoberturasSeDetieneEnDiezRenglones) {
    for (size_t l = 1; l <= 4; ++l) c.Linea(l, 100000, 3);
    EXPECT_EQ(Coberturas(Construir()[0]).size(), 10u);
}

TEST_F(Propuesta, UnaLineaSinSumaTerminaLaLista) {
    c.Linea(2, 0);
    c.Linea(3, 100000, 2);
    EXPECT_EQ(Coberturas(Construir()[0]), (std::vector<std::string>{" Dotal"}));
}

TEST_F(Propuesta, UnBeneficioSinPrimaSeSaltaYLosDatosSiguenPorBeneficioEncontrado) {
    c.Linea(1, 1000000, 2);
    c.e.PrimaBeneficioMostrada[1][1] = 0;
    c.e.PrimaBeneficioMostrada[3][1] = 700;
    const auto d = Construir();
    EXPECT_EQ(Coberturas(d[0]), (std::vector<std::string>{" Dotal", "   Ben1.1", "   Ben1.2"}));
    EXPECT_EQ(En(d[0], 1, 5472)[0].texto, "200");
    EXPECT_EQ(En(d[0], 1, 5472)[1].texto, "700");
}

TEST_F(Propuesta, NombreDeBeneficioLargoSeCortaA15Caracteres) {
    EXPECT_EQ(NombreBeneficioImpreso("Muerte Accidental"), "Muerte Accident");
    EXPECT_EQ(NombreBeneficioImpreso("Doble Indemnizó"), "Doble Indemnizó");  // 15 characters, 16 bytes
    EXPECT_EQ(NombreBeneficioImpreso("Exención de Pago"), "Exención de Pag");
    EXPECT_EQ(NombreBeneficioImpreso("B.I.T"), "B.I.T");
}

TEST_F(Propuesta, AlineadoADerechaConElAnchoMedido) {
    const auto d = Construir();
    // "20" in Times New Roman 7.5 bold: 2 × 7.5 × 12 twips.
    const auto plazo = En(d[0], 1, 3096);
    ASSERT_EQ(plazo.size(), 1u);
    EXPECT_EQ(plazo[0].texto, "20");
    EXPECT_EQ(plazo[0].anclaje, Anclaje::Derecha);
    EXPECT_DOUBLE_EQ(plazo[0].x, 3096 - 180);
    EXPECT_EQ(En(d[0], 1, 4320)[0].texto, "5");
    EXPECT_EQ(En(d[0], 1, 5500.8)[0].texto, "45,678");
    // The value table measures the whole amount and prints its cents past the point.
    const auto prima = Columna(d[0], 4968);
    ASSERT_EQ(prima.size(), 20u);
    EXPECT_EQ(prima[0].texto, "52,753.68");
    EXPECT_DOUBLE_EQ(prima[0].x, 4968 - 6 * 7 * 12);  // "52,754", Arial 7 bold
    EXPECT_EQ(prima[0].fuente, (Fuente{"Arial", 7, true}));
}

TEST_F(Propuesta, TituloCentradoYDatosDelProspecto) {
    const auto d = Construir();
    const auto titulo = Buscar(d[0], 1, "Dotal Veralta");
    ASSERT_TRUE(titulo);
    // (11520 − 13 × 14 × 12) / 2 = 4668, Times New Roman 14 bold at Y 1699.
    EXPECT_EQ(titulo->x, 4668);
    EXPECT_EQ(titulo->y, 1699);
    EXPECT_EQ(titulo->fuente, (Fuente{"Times New Roman", 14, true}));
    const auto nombre = Buscar(d[0], 1, "  ANA LOPEZ");
    ASSERT_TRUE(nombre);
    EXPECT_EQ(nombre->x, 1296);
    EXPECT_EQ(nombre->fuente.tamano, 12);
    for (auto [texto, x] : {std::pair{"35", 1742.0}, {"32", 3614.0}, {"Femenino", 5011.2}, {"No", 7560.0}, {"  Pesos", 9000.0}}) {
        const auto t = Buscar(d[0], 1, texto);
        ASSERT_TRUE(t) << texto;
        EXPECT_EQ(t->x, x);
        EXPECT_EQ(t->y, 2520);
    }
}

TEST_F(Propuesta, SexoYFumadorComparadosSinMayusculas) {
    c.w.comSexo.texto = "FEMENINO";
    c.w.comFuma.texto = "no";
    auto d = Construir();
    EXPECT_TRUE(Buscar(d[0], 1, "Femenino"));
    EXPECT_TRUE(Buscar(d[0], 1, "No"));
    c.w.comSexo.texto = "Masculino";
    c.w.comFuma.texto = "Sí";
    d = Construir();
    EXPECT_TRUE(Buscar(d[0], 1, "Masculino"));
    EXPECT_TRUE(Buscar(d[0], 1, "Si"));
}

TEST(AnosImpresos, MasDe28AnosSaltanDeCincoEnCinco) {
    std::vector<int> esperados;
    for (int k = 1; k <= 20; ++k) esperados.push_back(k);
    std::vector<int> con40 = esperados;
    con40.insert(con40.end(), {25, 30, 35, 40});
    EXPECT_EQ(AnosImpresos(40), con40);
    std::vector<int> con41 = esperados;
    con41.insert(con41.end(), {25, 30, 35, 40, 41});
    EXPECT_EQ(AnosImpresos(41), con41);
    std::vector<int> todos;
    for (int k = 1; k <= 28; ++k) todos.push_back(k);
    EXPECT_EQ(AnosImpresos(28), todos);
    EXPECT_TRUE(AnosImpresos(0).empty());
}

struct CasoTabla {
    int anos;
    bool garantizados;
    std::vector<double> columnas;  // right edges, year to total protection
    size_t renglones;
};

void PrintTo(const CasoTabla& c, std::ostream* os) { *os << c.anos << "_anos" << (c.garantizados ? "_garantizados" : ""); }

class TablaValores : public Propuesta, public testing::WithParamInterface<CasoTabla> {};

TEST_P(TablaValores, ColumnasSegunAnosYValoresGarantizados) {
    const CasoTabla& p = GetParam();
    c.Anos(p.anos);
    c.estudio.ChckImprimeProrrogado.marcada = p.garantizados;
    const auto d = Construir();
    for (double x : p.columnas) {
        const auto col = Columna(d[0], x);
        ASSERT_EQ(col.size(), p.renglones) << "columna en " << x;
        EXPECT_DOUBLE_EQ(col[0].y, 6984);
        EXPECT_DOUBLE_EQ(col[1].y, 6984 + 140);
    }
    EXPECT_EQ(Columna(d[0], p.columnas[0]).back().texto, std::to_string(p.anos));
    EXPECT_EQ(Columna(d[0], p.columnas[1]).back().texto, std::to_string(35 + p.anos - 1));
    EXPECT_EQ(Columna(d[0], p.columnas.back())[0].texto, "1,000,000.00");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TablaValores,
    testing::Values(CasoTabla{40, true, {1152, 2390.4, 3744, 5040, 6292.8, 7488, 9000, 10512}, 24},
                    CasoTabla{28, true, {1152, 2448, 3744, 5040, 6580.8, 7646.4, 9360, 10512}, 28},
                    CasoTabla{40, false, {1411.2, 3182.4, 4968, 6840, 8424, 10224}, 24},
                    CasoTabla{28, false, {1411.2, 3182.4, 4968, 6552, 8352, 10224}, 28}));

TEST_F(Propuesta, SinValoresGarantizadosNoHayProrrogadosNiSaldados) {
    const auto d = Construir();
    for (double x : {7488.0, 7646.4, 9000.0, 9360.0}) EXPECT_TRUE(Columna(d[0], x).empty()) << x;
}

TEST_F(Propuesta, DevolucionDePrimasAPagoCincoImprimeCeroEnLosPrimerosAnos) {
    c.w.txtProducto.texto = "16";
    c.w.dbcPago.texto = "5";
    c.Anos(5);
    const auto d = Construir();
    const auto rescate = Columna(d[0], 6580.8);
    ASSERT_EQ(rescate.size(), 5u);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(rescate[static_cast<size_t>(k)].texto, "0.00");
    EXPECT_EQ(rescate[4].texto, "5,000.00");
    for (const Texto& t : Columna(d[0], 7646.4)) EXPECT_EQ(t.texto, "0.00");
    // The engine's tables are left as they are.
    EXPECT_EQ(c.e.ValorRescate[1], Currency::DesdeDouble(1000));
}

TEST_F(Propuesta, RetiroEnDolaresImprimeCeroAnosProrrogados) {
    c.w.txtProducto.texto = "26";
    c.w.comMoneda.texto = "Dólares";
    c.estudio.ChckImprimeProrrogado.marcada = true;
    for (const Texto& t : Columna(Construir()[0], 7646.4)) EXPECT_EQ(t.texto, "0.00");
    c.w.comMoneda.texto = "Pesos";
    for (const Texto& t : Columna(Construir()[0], 7646.4)) EXPECT_EQ(t.texto, "7.00");
    c.Anos(40);
    for (const Texto& t : Columna(Construir()[0], 7488)) EXPECT_EQ(t.texto, "0.00");
}

TEST_F(Propuesta, LaProteccionTotalSumaElFondo) {
    c.e.FondoAcumulado[1] = Currency::DesdeDouble(250.5);
    EXPECT_EQ(Columna(Construir()[0], 10224)[0].texto, "1,000,250.50");
}

TEST_F(Propuesta, AgenteOLaAseguradoraSinNumeroDeAgente) {
    for (auto [numero, agente] : {std::pair{"1207", "CARLOS PEREZ"}, {"0", "VERALTA,S.A.B."}, {"", "VERALTA,S.A.B."}}) {
        c.w.txtNumAge.texto = numero;
        const auto t = Buscar(Construir()[0], 1, agente);
        ASSERT_TRUE(t) << numero;
        EXPECT_EQ(t->x, 2880);
        EXPECT_EQ(t->y, 12484.8);
        EXPECT_EQ(t->fuente, (Fuente{"Arial", 10, true}));
    }
}

TEST_F(Propuesta, FechaConPuntoYMesEnEspanol) {
    const auto t = Buscar(Construir()[0], 1, ".15 junio 2025");
    ASSERT_TRUE(t);
    EXPECT_FALSE(t->fuente.negrita);
}

TEST_F(Propuesta, RangosDeEdadDeLosBeneficiosMarcados) {
    EXPECT_EQ(RangosEdadBeneficios(c.w), "...");
    c.w.chkbit.marcada = true;
    EXPECT_EQ(RangosEdadBeneficios(c.w), ",18 A 55 AÑOS (INVALIDEZ)..");
    c.w.chkdi.marcada = true;
    c.w.chkenfgr.marcada = true;
    EXPECT_EQ(RangosEdadBeneficios(c.w), ",18 A 55 AÑOS (INVALIDEZ),18 A 65 AÑOS (ACCIDENTE),18 A 65 AÑOS (ENFERMEDAD)");
    c.w.chkbit.marcada = c.w.chkdi.marcada = false;
    c.w.chkma.marcada = true;
    EXPECT_EQ(RangosEdadBeneficios(c.w), ".,18 A 65 AÑOS (ACCIDENTE),18 A 65 AÑOS (ENFERMEDAD)");
    const auto t = Buscar(Construir()[0], 1, ".,18 A 65 AÑOS (ACCIDENTE),18 A 65 AÑOS (ENFERMEDAD)");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->fuente, (Fuente{"Arial", 7, false}));
}

TEST_F(Propuesta, TasaDelFondoSoloConAportaciones) {
    EXPECT_FALSE(Buscar(Construir()[0], 1, "5.5%"));
    c.e.NumAportaciones = 1;
    auto t = Buscar(Construir()[0], 1, "5.5%");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->x, 8668.8);
    EXPECT_EQ(t->y, 13089.6);
    c.e.Moneda = "Dólares";
    c.estudio.ChckImprimeProrrogado.marcada = true;
    t = Buscar(Construir()[0], 1, "4%");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->x, 7891.2);
    EXPECT_EQ(t->y, 12888);
}

TEST_F(Propuesta, RenglonDeAportacionPorCobertura) {
    c.e.NumAportaciones = 1;
    c.proceso.AportNumPagos = 10;
    c.e.FondoAcumulado[1] = Currency::DesdeDouble(1234.5);
    c.e.AportacionMostrada[1] = 20000;
    c.Linea(1, 1000000, 1);
    const auto d = Construir();
    const auto t = En(d[0], 1, 604.8);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].texto, "Aportacion Ad    1,234.50         10         10" + std::string(41, ' ') + "20,000.00");
    EXPECT_DOUBLE_EQ(t[0].y, 3859.2 + 2 * 150);
}

TEST_F(Propuesta, PrimasPorFormaDePagoDesdeElPuntoDado) {
    const auto d = Construir();
    for (auto [texto, x, y] : {std::tuple{"12,345.50", 9892.8, 4118.4},
                               {"12,000.10", 9892.8, 4636.8},
                               {"1,100.25", 7084.8, 4118.4},
                               {"1,000.20", 7084.8, 4636.8}}) {
        const auto t = Buscar(d[0], 1, texto);
        ASSERT_TRUE(t) << texto;
        EXPECT_EQ(t->anclaje, Anclaje::Izquierda);
        EXPECT_EQ(t->x, x);
        EXPECT_EQ(t->y, y);
        EXPECT_EQ(t->fuente, (Fuente{"Arial", 7, true}));
    }
    EXPECT_EQ(En(d[0], 1, 8035.2).size(), 2u);
    EXPECT_EQ(En(d[0], 1, 8035.2)[0].texto, "0.00");
}

TEST_F(Propuesta, PaginaDosSoloSiSePideYHayBeneficios) {
    EXPECT_EQ(Construir()[0].Paginas(), 1);
    c.estudio.chkImpresionDescripcion.marcada = true;
    EXPECT_EQ(Construir()[0].Paginas(), 1) << "no rider ticked";
    c.estudio.chkImpresionDescripcion.marcada = false;
    c.w.chkma.marcada = true;
    EXPECT_EQ(Construir()[0].Paginas(), 1) << "not asked for";
    c.estudio.chkImpresionDescripcion.marcada = true;
    const auto d = Construir();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].Paginas(), 2);
    EXPECT_EQ(d[0].Imagenes(2)[0].nombre, "picBlanco");
    EXPECT_TRUE(std::holds_alternative<FinDocumento>(d[0].operaciones.back()));
}

TEST_F(Propuesta, DescripcionesEnSuOrdenYEstilo) {
    c.estudio.chkImpresionDescripcion.marcada = true;
    c.w.Chkcat.marcada = c.w.chkbit.marcada = c.w.Chkbitf.marcada = c.w.chkdi.marcada = true;
    const auto textos = Construir()[0].Textos(2);
    std::vector<std::string> encabezados;
    for (const Texto& t : textos)
        if (t.fuente.tamano > 10) encabezados.push_back(t.texto.substr(t.texto.find_first_not_of(' ')));
    EXPECT_EQ(encabezados, (std::vector<std::string>{
                               "EXENCION DEL PAGO DE PRIMAS POR INVALIDEZ (B.I.T.)",
                               "BENEFICIO DE DOBLE INDEMNIZACION POR ACCIDENTE Y/O PERDIDAS ORGANICAS (D.I.)",
                               "EXENCION DE PAGO DE PRIMAS POR INVALIDEZ TOTAL O MUERTE DEL CONTRATANTE",
                               "(B.I.T.F)",
                               "CLAUSULA ADICIONAL  DE FALLECIMIENTO DEL CONTRATANTE (C.A.F)",
                           }));
    ASSERT_FALSE(textos.empty());
    EXPECT_EQ(textos[0].y, 2376);
    EXPECT_EQ(textos[0].fuente, (Fuente{"Times New Roman", 12, true}));
    double y = 2376;
    for (const Texto& t : textos) {
        EXPECT_EQ(t.x, 0) << t.texto;
        EXPECT_GE(t.y, y) << t.texto;
        y = t.y;
        const std::string sin = t.texto.substr(t.texto.find_first_not_of(' '));
        const size_t blancos = t.texto.size() - sin.size();
        if (t.fuente.tamano > 10) {
            EXPECT_TRUE(blancos >= 9 && blancos <= 60) << t.texto;
            EXPECT_TRUE(t.fuente.negrita);
            EXPECT_EQ(t.fuente.tamano, sin.rfind("BENEFICIO DE DOBLE", 0) == 0 ? 11 : 12);
        } else if (sin[0] == '*') {
            EXPECT_TRUE(blancos >= 26 && blancos <= 30) << t.texto;
        }
    }
    // The body of BITF stays bold, the others do not.
    const auto bitf = Buscar(Construir()[0], 2, std::string(16, ' ') + "Si durante el periodo de cobertura de la presente clausula ocurre cualquiera de los siguientes eventos para el contratante:");
    ASSERT_TRUE(bitf);
    EXPECT_TRUE(bitf->fuente.negrita);
    const auto bit = Buscar(Construir()[0], 2, std::string(16, ' ') + "estado de invalidez del asegurado.");
    ASSERT_TRUE(bit);
    EXPECT_FALSE(bit->fuente.negrita);
    EXPECT_EQ(bit->fuente.tamano, 10);
}

TEST_F(Propuesta, ElRetiroImprimeSuPaginaTresComoSegundoDocumento) {
    EXPECT_EQ(Construir().size(), 1u);
    c.w.txtProducto.texto = "26";
    c.e.PrimaSegundaTarifa = 1234.5;
    const auto d = Construir();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1].Paginas(), 1);
    EXPECT_EQ(d[1].Imagenes(1)[0].nombre, "RETIRO_02");
    const auto t = Buscar(d[1], 1, "$ 1,234.50 U.S");
    ASSERT_TRUE(t);
    // (18316.8 − 14 × 10 × 12) / 2 = 8318.4, a whole twip.
    EXPECT_EQ(t->x, 8318);
    EXPECT_EQ(t->y, 10526);
    EXPECT_EQ(t->fuente, (Fuente{"Times New Roman", 10, true}));
}

}  // namespace
}  // namespace prueba_documentos
