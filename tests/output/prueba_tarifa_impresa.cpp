// The printed tariff sheet: pages of 27 age rows, and what every page carries.
#include <gtest/gtest.h>

#include "apoyo_documentos.h"
#include "output/hoja_tarifa.h"
#include "output/tarifa_impresa.h"

namespace prueba_documentos {
namespace {

using Paginas = std::vector<std::pair<int, int>>;

TEST(PaginasTarifa, VeintisieteEdadesPorPagina) {
    struct Caso {
        int edadInicial, edadFinal;
        Paginas paginas;
    };
    for (const Caso& c : {Caso{15, 70, {{1, 27}, {28, 54}, {55, 56}}}, Caso{30, 55, {{1, 26}}}, Caso{30, 56, {{1, 27}}},
                          Caso{30, 57, {{1, 27}, {28, 28}}}, Caso{15, 68, {{1, 27}, {28, 54}}}, Caso{40, 40, {{1, 1}}}}) {
        // The grid holds the header row and one row per age.
        EXPECT_EQ(PaginasTarifa(c.edadFinal - c.edadInicial + 2), c.paginas) << c.edadInicial << " a " << c.edadFinal;
    }
}

class HojaTarifa : public testing::Test {
protected:
    Cotizacion c;
    FrmTarifa hoja;

    void Edades(int desde, int hasta) {
        hoja.dbgPlan.Dimensionar(hasta - desde + 2, 9);
        for (int r = 1; r < hoja.dbgPlan.filas; ++r) {
            hoja.dbgPlan.Celda(r, 0) = std::to_string(desde + r - 1);
            hoja.dbgPlan.Celda(r, 1) = "4,361.84";
            hoja.dbgPlan.Celda(r, 2) = "3761.8";
            for (int col = 3; col < 8; ++col) hoja.dbgPlan.Celda(r, col) = "1,000,000.00";
        }
    }
    Documento Construir() { return ConstruirHojaTarifa({c.e, c.w, hoja, Fecha{2025, 6, 15}}, c.medidor); }
};

TEST_F(HojaTarifa, QuinceASetentaDaTresPaginas) {
    Edades(15, 70);
    const Documento d = Construir();
    ASSERT_EQ(d.Paginas(), 3);
    const std::vector<size_t> filas = {27, 27, 2};
    for (int p = 1; p <= 3; ++p) {
        const auto edades = En(d, p, 1008);
        ASSERT_EQ(edades.size(), filas[static_cast<size_t>(p - 1)]) << "página " << p;
        EXPECT_DOUBLE_EQ(edades[0].y, 6638.4);
        EXPECT_DOUBLE_EQ(edades[1].y, 6638.4 + 160);
        EXPECT_EQ(d.Imagenes(p), (std::vector<Imagen>{{"picLogo", 0, 0, kAnchoPapeleria, kAltoPapeleria}}));
        EXPECT_TRUE(Buscar(d, p, "Dotal Veralta")) << "each page has its title";
    }
    EXPECT_EQ(En(d, 2, 1008)[0].texto, "42");
    EXPECT_EQ(En(d, 3, 1008)[1].texto, "70");
    EXPECT_TRUE(std::holds_alternative<FinDocumento>(d.operaciones.back()));
}

TEST_F(HojaTarifa, CeldasEnElFormatoDeSuColumnaYLaUltimaVacia) {
    Edades(30, 30);
    const Documento d = Construir();
    EXPECT_EQ(En(d, 1, 3456)[0].texto, "3,761.80");
    const auto suma = En(d, 1, 4896);
    ASSERT_EQ(suma.size(), 1u);
    EXPECT_EQ(suma[0].texto, "1,000,000.00");
    EXPECT_DOUBLE_EQ(suma[0].x, 4896 - 12 * 8 * 10);
    EXPECT_EQ(suma[0].fuente, (Fuente{"Arial", 8, false}));
    EXPECT_TRUE(En(d, 1, 10339.2).empty());
}

TEST_F(HojaTarifa, EncabezadoProspectoYCoberturas) {
    Edades(30, 31);
    c.Linea(1, 1000000, 3);
    c.e.SumaBeneficio[2][1] = 0;  // the second rider ends the list
    c.w.txtAgente.texto = "CARLOS PEREZ";
    c.e.TasaFondo = 0.055f;
    const Documento d = Construir();
    const auto titulo = Buscar(d, 1, "Dotal Veralta");
    ASSERT_TRUE(titulo);
    EXPECT_EQ(titulo->x, 5760 - 13 * 12 * 10 / 2);
    EXPECT_EQ(titulo->y, 1728);
    EXPECT_EQ(titulo->fuente, (Fuente{"Times New Roman", 12, false}));
    for (auto [texto, x, y] : {std::tuple{"  ANA LOPEZ", 1440.0, 2116.8},
                               {"  Pesos", 7156.8, 3672.0},
                               {"Anual", 7372.8, 4017.6},
                               {"Femenino", 7372.8, 4291.2},
                               {"No", 7372.8, 4608.0},
                               {"CARLOS PEREZ", 2952.0, 12556.8},
                               {"15 junio 2025", 6408.0, 14040.0},
                               {"5.5", 7632.0, 13176.0}}) {
        const auto t = Buscar(d, 1, texto);
        ASSERT_TRUE(t) << texto;
        EXPECT_EQ(t->x, x) << texto;
        EXPECT_EQ(t->y, y) << texto;
    }
    std::vector<std::string> coberturas;
    for (const Texto& t : d.Textos(1))
        if (t.referencia == 576 || t.referencia == 432) coberturas.push_back(t.texto);
    EXPECT_EQ(coberturas, (std::vector<std::string>{" Dotal", "   Ben1.1"}));
    EXPECT_EQ(En(d, 1, 3355.2)[1].texto, "15");
    EXPECT_DOUBLE_EQ(En(d, 1, 432)[0].y, 4017.6 + 200);
}

TEST_F(HojaTarifa, RangosDeEdadEnSusPosiciones) {
    Edades(30, 31);
    EXPECT_TRUE(En(Construir(), 1, 4248).empty());
    c.w.chkbpai.marcada = c.w.chkti.marcada = c.w.chkenfgr.marcada = true;
    const Documento d = Construir();
    for (auto [texto, x] : {std::pair{" 18 A 55 AÑOS (INVALIDEZ),", 4248.0},
                            {" 18 A 65 AÑOS (ACCIDENTE),", 6120.0},
                            {" 18 A 65 AÑOS (ENFERMEDAD),", 8424.0}}) {
        const auto t = Buscar(d, 1, texto);
        ASSERT_TRUE(t) << texto;
        EXPECT_EQ(t->x, x);
        EXPECT_EQ(t->y, 14587.2);
        EXPECT_EQ(t->fuente, (Fuente{"Arial", 7, false}));
    }
}

}  // namespace
}  // namespace prueba_documentos
