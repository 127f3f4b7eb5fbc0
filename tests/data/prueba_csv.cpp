#include <gtest/gtest.h>

#include "data/csv.h"
#include "data/errores.h"

using namespace cv::datos;

TEST(Csv, TipaLasCeldasSegunComillasYForma) {
    struct Caso {
        const char* celda;
        bool entero, real, texto, nulo;
    };
    const Caso casos[] = {
        {"16", true, false, false, false},     {"-3", true, false, false, false},
        {"5.5", false, true, false, false},    {".5", false, true, false, false},
        {"2.5e-3", false, true, false, false}, {"1e", false, false, true, false},
        {"-", false, false, true, false},      {"Pesos", false, false, true, false},
        {"1.2.3", false, false, true, false},  {"", false, false, false, true},
        {"999999999999", true, false, false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.celda);
        Valor v = ValorDeCeldaSinComillas(c.celda);
        EXPECT_EQ(v.EsEntero(), c.entero);
        EXPECT_EQ(v.EsReal(), c.real);
        EXPECT_EQ(v.EsTexto(), c.texto);
        EXPECT_EQ(v.EsNulo(), c.nulo);
    }
}

TEST(Csv, LeeEncabezadoFilasComillasYFinesDeLinea) {
    auto r = LeerCsv(
        "\xEF\xBB\xBF\"Id\",\"Nombre\",Tasa\r\n"
        "\"16\",\"Temporal, con \"\"Devolución\"\"\",5.5\r\n"
        "7,\"dos\nlíneas\",\n"
        "\n",
        "Productos.csv");
    ASSERT_EQ(r.campos, (std::vector<std::string>{"Id", "Nombre", "Tasa"}));
    ASSERT_EQ(r.filas.size(), 2u);
    EXPECT_TRUE(r.filas[0][0].EsTexto());  // quoted: stays the text "16"
    EXPECT_EQ(r.filas[0][0].ComoTexto(), "16");
    EXPECT_EQ(r.filas[0][1].ComoTexto(), "Temporal, con \"Devolución\"");
    EXPECT_DOUBLE_EQ(r.filas[0][2].ComoDouble(), 5.5);
    EXPECT_TRUE(r.filas[1][0].EsEntero());
    EXPECT_EQ(r.filas[1][1].ComoTexto(), "dos\nlíneas");
    EXPECT_TRUE(r.filas[1][2].EsNulo());
}

TEST(Csv, RechazaFuentesMalFormadasNombrandoArchivoYLinea) {
    struct Caso {
        const char* contenido;
        const char* esperado;
    };
    const Caso casos[] = {
        {"", "falta la fila de encabezados"},
        {"a,b\n1,2\n3\n", "Tarifas.csv, línea 3"},
        {"a,b\n\"1,2\n", "falta cerrar las comillas"},
        {"a,A\n", "está repetido"},
        {"a,,b\n", "nombre de campo vacío"},
        {"a\n\"x\"y\n", "después de las comillas"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.contenido);
        try {
            LeerCsv(c.contenido, "Tarifas.csv");
            FAIL() << "se esperaba un error";
        } catch (const ErrorBaseDatos& e) {
            EXPECT_NE(std::string(e.what()).find(c.esperado), std::string::npos) << e.what();
        }
    }
}
