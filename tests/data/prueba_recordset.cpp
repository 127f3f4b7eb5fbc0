#include <gtest/gtest.h>

#include <memory>

#include "data/errores.h"
#include "data/tabla.h"

using namespace cv::datos;

namespace {

std::shared_ptr<Tabla> Productos() {
    auto t = std::make_shared<Tabla>("Productos", std::vector<std::string>{"Id", "Nombre", "Moneda", "Plazo"});
    t->AgregarFila({Valor("1"), Valor("Temporal"), Valor("Pesos"), Valor(20)});
    t->AgregarFila({Valor("2"), Valor("Vida O'Higgins"), Valor("Dólares"), Valor(5)});
    t->AgregarFila({Valor("16"), Valor("Devolución"), Valor("Pesos"), Valor(10)});
    t->AgregarFila({Valor("26"), Valor("Retiro"), Valor("Dólares"), Valor(5)});
    return t;
}

}  // namespace

TEST(RecordSet, RecorreEnOrdenYTerminaEnFinDeArchivo) {
    RecordSet rs(Productos());
    std::string ids;
    for (rs.MoverPrimero(); !rs.FinDeArchivo(); rs.MoverSiguiente()) ids += rs.Campo("Id").ComoTexto() + ";";
    EXPECT_EQ(ids, "1;2;16;26;");
    EXPECT_THROW(rs.Campo("Id"), ErrorCatalogo);  // past the end there is no current row
}

TEST(RecordSet, BuscarPrimeroConApostrofeYSinCoincidencia) {
    RecordSet rs(Productos());
    ASSERT_TRUE(rs.BuscarPrimero(Igual("Nombre", Valor("Vida O'Higgins"))));
    EXPECT_EQ(rs.Campo("id").ComoTexto(), "2");  // field names ignore letter case
    EXPECT_EQ(rs.Campo(2).ComoTexto(), "Dólares");

    EXPECT_FALSE(rs.BuscarPrimero(Igual("Nombre", Valor("No existe"))));
    EXPECT_TRUE(rs.SinCoincidencia());
    EXPECT_THROW(rs.Campo("Id"), ErrorCatalogo);  // never a stale row after a failed search

    // Conjunctions with order comparisons, first match in the record set's order.
    Criterio c = Igual("Moneda", Valor("Dólares"));
    c.Y("Plazo", Operador::MayorIgual, Valor(5));
    ASSERT_TRUE(rs.BuscarPrimero(c));
    EXPECT_EQ(rs.Campo("Id").ComoTexto(), "2");
    EXPECT_EQ(c.Texto(), "Moneda = 'Dólares' And Plazo >= 5");
    EXPECT_THROW(rs.BuscarPrimero(Igual("Inexistente", Valor(1))), ErrorCatalogo);
}

TEST(RecordSet, TextoYNumeroSeComparanComoNumeroCuandoElTextoLoEs) {
    RecordSet rs(Productos());
    EXPECT_TRUE(rs.BuscarPrimero(Igual("Id", Valor(16))));    // the number 16 finds the text "16"
    EXPECT_TRUE(rs.BuscarPrimero(Igual("Plazo", Valor("10"))));
    EXPECT_EQ(rs.Campo("Id").ComoTexto(), "16");
    EXPECT_FALSE(rs.BuscarPrimero(Igual("Id", Valor())));    // NULL matches nothing
}

TEST(RecordSet, BuscarEnIndicePrimeroIgual) {
    RecordSet rs(Productos());
    EXPECT_THROW(rs.Buscar(Valor(1)), ErrorCatalogo);  // no index set yet
    rs.EstablecerIndice("Plazo");
    ASSERT_TRUE(rs.Buscar(Valor("5")));
    EXPECT_EQ(rs.Campo("Id").ComoTexto(), "2");  // the first of the two rows with key 5
    EXPECT_TRUE(rs.Buscar(Valor(5.0)));
    EXPECT_FALSE(rs.Buscar(Valor(7)));
    EXPECT_TRUE(rs.SinCoincidencia());
    EXPECT_THROW(rs.Campo(0), ErrorCatalogo);
    EXPECT_THROW(rs.EstablecerIndice("Otro"), ErrorCatalogo);
}

TEST(RecordSet, FiltrarOrdenaDeFormaEstableYSeParaEnElPrimero) {
    RecordSet rs(Productos());
    RecordSet dolares = rs.Filtrar(Igual("Moneda", Valor("Dólares")));
    ASSERT_EQ(dolares.NumRegistros(), 2u);
    EXPECT_EQ(dolares.Campo("Id").ComoTexto(), "2");

    RecordSet porPlazo = rs.Filtrar(Criterio(), "Plazo");
    std::string ids;
    for (; !porPlazo.FinDeArchivo(); porPlazo.MoverSiguiente()) ids += porPlazo.Campo("Id").ComoTexto() + ";";
    EXPECT_EQ(ids, "2;26;16;1;");  // ties (plazo 5) keep table order

    RecordSet vacio = rs.Filtrar(Igual("Moneda", Valor("Euros")));
    EXPECT_TRUE(vacio.FinDeArchivo());
    EXPECT_THROW(vacio.Campo("Id"), ErrorCatalogo);
    EXPECT_THROW(RecordSet().Campo("Id"), ErrorCatalogo);
}

TEST(RecordSet, ValoresNoNumericosFallanConMensaje) {
    EXPECT_THROW(Valor().ComoDouble(), ErrorCatalogo);
    EXPECT_THROW(Valor("5,5").ComoDouble(), ErrorCatalogo);
    EXPECT_DOUBLE_EQ(Valor(" 5.5 ").ComoDouble(), 5.5);
    EXPECT_EQ(Valor(5.5).ComoTexto(), "5.5");
    EXPECT_EQ(Valor(int64_t{999999999999}).ComoTexto(), "999999999999");
    EXPECT_THROW(Tabla("T", {"a"}).AgregarFila({Valor(1), Valor(2)}), ErrorBaseDatos);
}
