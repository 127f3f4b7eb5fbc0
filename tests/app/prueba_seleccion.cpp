// Product and plan selection on the line editor: currency, product, payment and insurance
// terms, plan kind, increments, tariff final age and the educational product.
#include <algorithm>
#include <memory>
#include <tuple>

#include "apoyo.h"
#include "core/numeros.h"
#include "core/texto.h"
#include "data/catalogo.h"

namespace prueba_app {
namespace {

using cv::Recortar;
using Textos = std::vector<std::string>;
const Textos kIncrementos = {"5", "10", "20", "30"};
const Mensaje kPlazoNoCorresponde = Simple("el plazo no corresponde al producto");

Textos Nombres(const Sesion& s, const Textos& codigos) {
    Textos r;
    for (const auto& c : codigos) r.push_back(s.NombreProducto(c));
    return r;
}

TEST(Seleccion, MonedaCargaSusProductos) {
    const std::vector<std::pair<std::string, Textos>> casos = {
        {"Pesos", {"1", "3", "6", "7", "8", "11", "15", "16"}},
        {"Dólares", {"2", "9", "10", "12", "25", "26"}},
    };
    for (const auto& [moneda, codigos] : casos) {
        SCOPED_TRACE(moneda);
        Sesion s;
        s.Moneda(moneda);
        EXPECT_EQ(s.w.dbcProducto.elementos, Nombres(s, codigos));
        EXPECT_TRUE(s.w.dbcProducto.habilitado);
        EXPECT_EQ(s.w.dbcProducto.texto, "");
        EXPECT_EQ(s.w.txtProducto.texto, "");
        for (const Casilla* c : {&s.w.chkbit, &s.w.chkbpai, &s.w.chkma, &s.w.chkdi, &s.w.chkti, &s.w.chkenfgr,
                                 &s.w.Chkbitf, &s.w.Chkcat})
            EXPECT_TRUE(c->habilitado) << c->titulo;
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

TEST(Seleccion, CambiarLaMonedaVaciaElProductoYRecargaLaLista) {
    Sesion s;
    s.Nombre("ana");
    s.Edad("30");
    s.Producto("1");
    s.Pago("20");
    ASSERT_EQ(s.w.txtProducto.texto, "1");
    ASSERT_TRUE(s.w.planTemporal.Visible());

    s.Moneda("Dólares");
    EXPECT_EQ(s.w.dbcProducto.texto, "");
    EXPECT_EQ(s.w.txtProducto.texto, "");
    EXPECT_EQ(s.w.lblProducto.texto, "");
    EXPECT_EQ(s.w.dbcProducto.elementos, Nombres(s, {"2", "9", "10", "12", "25", "26"}));
    EXPECT_TRUE(s.w.dbcPago.elementos.empty());
    EXPECT_EQ(Recortar(s.w.dbcPago.texto), "");
    EXPECT_EQ(Recortar(s.w.dbcPlazo.texto), "");
    EXPECT_FALSE(s.w.planTemporal.Visible());

    s.Moneda("Pesos");
    EXPECT_EQ(s.w.dbcProducto.elementos, Nombres(s, {"1", "3", "6", "7", "8", "11", "15", "16"}));
    EXPECT_TRUE(s.guion.mensajes.empty());
}

TEST(Seleccion, EscribirEnLaMonedaSoloVaciaElTextoDelProducto) {
    Sesion s;
    s.Producto("1");
    s.w.comMoneda_Change();
    EXPECT_EQ(s.w.dbcProducto.texto, "");
    EXPECT_EQ(s.w.txtProducto.texto, "1");
}

struct ProductoElegido {
    std::string codigo;
    Textos pagos;
    const Panel FrmCotizador::*panel;  // none for the codes without a description
    bool bitfCaf;                      // BITF and CAF still enabled (adult prospect)
    bool participacion;                // participation open to typing
};

TEST(Seleccion, ProductoElegido) {
    const std::vector<ProductoElegido> casos = {
        {"1", {"1", "5", "10", "15", "20", "60", "65"}, &FrmCotizador::planTemporal, false, true},
        {"2", {"1", "5", "10", "15", "20", "60", "65"}, &FrmCotizador::planTemporal, false, true},
        {"3", {"5", "10", "15", "20"}, nullptr, true, true},
        {"7", {"1"}, &FrmCotizador::planTemporalAnual, false, true},
        {"10", {"1"}, &FrmCotizador::planTemporalAnual, false, true},
        {"8", {"1"}, nullptr, false, true},
        {"11", {"20", "99"}, &FrmCotizador::planVitalicio, false, true},
        {"12", {"20", "99"}, &FrmCotizador::planVitalicio, false, true},
        {"15", {"5", "10", "15", "20", "25", "60", "65"}, &FrmCotizador::planDotal, false, true},
        {"25", {"5", "10", "15", "20", "25", "60", "65"}, &FrmCotizador::planDotal, false, true},
        {"16", {"5", "10", "15", "20"}, nullptr, true, true},
        {"26", {"60", "65"}, nullptr, false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("producto " + c.codigo);
        Sesion s;
        s.Nombre("ana");
        s.Edad("30");
        s.Producto(c.codigo);
        const FrmCotizador& w = s.w;
        EXPECT_EQ(w.txtProducto.texto, c.codigo);
        EXPECT_EQ(w.lblProducto.texto, s.NombreProducto(c.codigo));
        EXPECT_EQ(w.dbcProducto.texto, s.NombreProducto(c.codigo));
        EXPECT_EQ(w.txtParticipacion.texto, "100");
        EXPECT_EQ(w.txtParticipacion.habilitado, c.participacion);
        EXPECT_EQ(w.dbcPago.elementos, c.pagos);
        EXPECT_TRUE(w.dbcPago.habilitado);
        EXPECT_TRUE(w.dbcPlazo.habilitado);
        EXPECT_TRUE(w.dbcPago.visible && w.dbcPlazo.visible);
        EXPECT_FALSE(w.txtPago.visible || w.txtPlazo.visible);
        EXPECT_FALSE(w.fEducacionalVeralta.visible);
        for (const Panel FrmCotizador::*p : {&FrmCotizador::planTemporal, &FrmCotizador::planTemporalAnual,
                                            &FrmCotizador::planVitalicio, &FrmCotizador::planDotal})
            EXPECT_EQ((w.*p).Visible(), p == c.panel);
        for (const Control* b : std::initializer_list<const Control*>{&w.Chkbitf, &w.Chkcat})
            EXPECT_EQ(b->habilitado, c.bitfCaf);
        EXPECT_FALSE(w.butGenerar.habilitado);
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

TEST(Seleccion, PanelDelPlanSigueAlProducto) {
    const std::vector<std::pair<std::string, const Panel FrmCotizador::*>> secuencia = {
        {"1", &FrmCotizador::planTemporal},  {"7", &FrmCotizador::planTemporalAnual},
        {"11", &FrmCotizador::planVitalicio}, {"15", &FrmCotizador::planDotal},
        {"3", nullptr},                       {"16", nullptr},
        {"12", &FrmCotizador::planVitalicio}, {"26", nullptr},
        {"25", &FrmCotizador::planDotal},     {"2", &FrmCotizador::planTemporal},
        {"10", &FrmCotizador::planTemporalAnual}, {"9", nullptr},
    };
    Sesion s;
    s.Nombre("ana");
    s.Edad("30");
    for (const auto& [codigo, panel] : secuencia) {
        SCOPED_TRACE("producto " + codigo);
        s.Producto(codigo);
        for (const Panel FrmCotizador::*p : {&FrmCotizador::planTemporal, &FrmCotizador::planTemporalAnual,
                                            &FrmCotizador::planVitalicio, &FrmCotizador::planDotal})
            EXPECT_EQ((s.w.*p).Visible(), p == panel);
    }
}

struct PlazoElegido {
    std::string codigo, pago;
    std::string plazoSeguro;
    std::string plan;  // comPlan text after the classification
    bool ordinario, edad, dotal;
    Textos incrementos;
};

TEST(Seleccion, PlazosTipoDePlanEIncrementos) {
    const std::vector<PlazoElegido> casos = {
        {"1", "20", "20", "Temporal", false, false, false, kIncrementos},
        {"1", " 20 ", "20", "Temporal", false, false, false, kIncrementos},
        {"1", "5", "5", "Temporal", false, false, false, {}},
        {"1", "60", "60", "Edad Alcanzada", false, true, false, {}},
        {"1", "65", "65", "Edad Alcanzada", false, true, false, {}},
        {"2", "10", "10", "Temporal", false, false, false, {}},
        {"2", "20", "20", "Temporal", false, false, false, {}},
        {"2", "60", "60", "Edad Alcanzada", false, true, false, {}},
        {"3", "10", "10", "", false, false, false, {}},
        {"7", "1", "1", "", false, false, false, {"10", "20", "30"}},
        {"8", "1", "1", "", false, false, false, {}},
        {"9", "1", "1", "", false, false, false, {}},
        {"10", "1", "1", "", false, false, false, {}},
        {"11", "20", "20", "Vitalicio", true, false, false, {}},
        {"11", "99", "99", "Vitalicio", true, false, false, kIncrementos},
        {"12", "20", "20", "Vitalicio", true, false, false, {}},
        {"12", "99", "99", "Vitalicio", true, false, false, {}},
        {"15", "5", "5", "Dotal", false, false, true, {}},
        {"15", "10", "10", "Dotal", false, false, true, kIncrementos},
        {"15", "15", "15", "Dotal", false, false, true, kIncrementos},
        {"15", "20", "20", "Dotal", false, false, true, kIncrementos},
        {"15", "25", "25", "Dotal", false, false, true, {}},
        {"15", "60", "60", "Dotal con Edad Alcanzada", false, true, true, {}},
        {"15", "65", "65", "Dotal con Edad Alcanzada", false, true, true, {}},
        {"25", "25", "25", "Dotal", false, false, true, {}},
        {"25", "65", "65", "Dotal con Edad Alcanzada", false, true, true, {}},
        {"16", "20", "20", "Temporal", false, false, false, {}},
        {"26", "60", "60", "Dotal con Edad Alcanzada", false, true, true, {}},
        {"26", "65", "65", "Dotal con Edad Alcanzada", false, true, true, {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("producto " + c.codigo + " pago '" + c.pago + "'");
        Sesion s;
        s.Nombre("ana");
        s.Edad("30");
        s.Producto(c.codigo);
        s.w.butGenerar.habilitado = true;
        s.Pago(c.pago);
        EXPECT_EQ(s.w.dbcPlazo.texto, c.plazoSeguro);
        EXPECT_FALSE(s.w.butGenerar.habilitado);
        EXPECT_EQ(s.w.comIncremento.elementos, c.incrementos);
        EXPECT_EQ(s.w.comIncremento.habilitado, !c.incrementos.empty());
        EXPECT_EQ(s.w.lblIncremento.habilitado, !c.incrementos.empty());
        s.SalirParticipacion();
        EXPECT_EQ(s.w.comPlan.texto, c.plan);
        EXPECT_EQ(s.w.chkOrdinario.marcada, c.ordinario);
        EXPECT_EQ(s.w.chkEdad.marcada, c.edad);
        EXPECT_EQ(s.w.chkDotal.marcada, c.dotal);
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

TEST(Seleccion, VidaEnteraConPlazoSinTipoNoCambiaElPlan) {
    Sesion s;
    s.Nombre("ana");
    s.Edad("30");
    s.Producto("11");
    s.w.FijarPlazo("25");
    s.SalirParticipacion();
    EXPECT_EQ(s.w.comPlan.texto, "");
    EXPECT_FALSE(s.w.chkOrdinario.marcada || s.w.chkEdad.marcada || s.w.chkDotal.marcada);

    s.Pago("99");
    s.SalirParticipacion();
    ASSERT_EQ(s.w.comPlan.texto, "Vitalicio");
    s.w.FijarPlazo("25");
    s.SalirParticipacion();
    EXPECT_EQ(s.w.comPlan.texto, "Vitalicio");
    EXPECT_TRUE(s.w.chkOrdinario.marcada);
    EXPECT_FALSE(s.w.chkEdad.marcada || s.w.chkDotal.marcada);
    EXPECT_TRUE(s.guion.mensajes.empty());
}

TEST(Seleccion, PlazoDePagoQueNoCorrespondeAlProducto) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"1", "25"}, {"1", "0"},   {"1", "abc"}, {"1", "20abc"}, {"1", "-20"},
        {"11", "5"}, {"7", "5"},   {"26", "20"}, {"15", "1"},    {"3", "1"},
    };
    for (const auto& [codigo, pago] : casos) {
        SCOPED_TRACE("producto " + codigo + " pago '" + pago + "'");
        Sesion s;
        s.Nombre("ana");
        s.Edad("30");
        s.Producto(codigo);
        s.w.FijarPago(pago);
        EXPECT_EQ(s.guion.mensajes, Mensajes{kPlazoNoCorresponde});
        EXPECT_EQ(s.w.dbcPago.texto, " ");
        EXPECT_EQ(s.w.dbcPlazo.texto, " ");

        // The plan cannot be classified without an insurance term; a right term still works.
        s.guion.mensajes.clear();
        s.SalirParticipacion();
        EXPECT_EQ(s.guion.mensajes, Mensajes{Simple("Falta Selecionar el Plazo")});
        EXPECT_EQ(s.w.foco, "txtNombre");
        s.guion.mensajes.clear();
        s.Pago(s.w.dbcPago.elementos.at(0));
        EXPECT_EQ(s.w.dbcPlazo.texto, s.w.dbcPago.elementos.at(0));
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

TEST(Seleccion, PlazoDePagoSinProducto) {
    Sesion s;
    s.Moneda("Pesos");
    s.Pago("20");
    EXPECT_EQ(s.w.dbcPlazo.texto, "20");
    EXPECT_FALSE(s.w.comIncremento.habilitado);
    EXPECT_TRUE(s.guion.mensajes.empty());

    // Both the term and the product empty: the focus goes back to the product list.
    s.w.FijarPago("");
    s.w.dbcPago_Click();
    s.w.foco = "dbcPago";
    s.w.dbcPago_LostFocus();
    EXPECT_EQ(s.w.foco, "dbcProducto");
    EXPECT_TRUE(s.w.comIncremento.elementos.empty());
    EXPECT_FALSE(s.w.comIncremento.habilitado);
    EXPECT_FALSE(s.w.lblIncremento.habilitado);
}

TEST(Seleccion, ClasificarSinProductoNoAvisa) {
    Sesion s;
    s.Producto("1");
    s.Moneda("Dólares");  // empties the product and resets the editor
    ASSERT_EQ(s.w.dbcPlazo.texto, " ");
    s.w.foco = "txtParticipacion";
    s.SalirParticipacion();
    EXPECT_TRUE(s.guion.mensajes.empty());
    EXPECT_EQ(s.w.foco, "txtNombre");
}

TEST(Seleccion, ClasificarConProductoSinPlazoAvisa) {
    Sesion s;
    s.Producto("15");
    s.SalirParticipacion();
    EXPECT_EQ(s.guion.mensajes, Mensajes{Simple("Falta Selecionar el Plazo")});
    EXPECT_EQ(s.w.foco, "txtNombre");
    EXPECT_EQ(s.w.comPlan.texto, "");
}

TEST(Seleccion, ModoTarifaFijaLaEdadFinalPorElPlazo) {
    const std::vector<std::tuple<std::string, std::string, std::string>> casos = {
        {"1", "65", "60"}, {"1", "60", "55"}, {"1", "20", "70"}, {"15", "65", "60"},
        {"15", "60", "55"}, {"26", "60", "55"}, {"26", "65", "60"}, {"11", "99", "70"},
    };
    for (const auto& [codigo, pago, final] : casos) {
        SCOPED_TRACE("producto " + codigo + " pago " + pago);
        Sesion s;
        s.Producto(codigo);
        s.w.txtEdadFinal.visible = s.w.lblEdadFinal.visible = true;
        s.w.txtEdadFinal.texto = "42";
        s.Pago(pago);
        EXPECT_EQ(s.w.txtEdadFinal.texto, final);
    }
}

TEST(Seleccion, FueraDelModoTarifaLaEdadFinalNoCambia) {
    Sesion s;
    s.Producto("1");
    s.Pago("65");
    EXPECT_EQ(s.w.txtEdadFinal.texto, "70");
}

TEST(Seleccion, EdadFinalDeLaTarifa) {
    struct Caso {
        std::string pago, final;
        Mensajes mensajes;
    };
    const std::vector<Caso> casos = {
        {"60", "55", {}},
        {"60", "56", {Informacion("La edad no puede ser mayor a 55", "Edad Final")}},
        {"60", "70", {Informacion("La edad no puede ser mayor a 55", "Edad Final")}},
        {"65", "60", {}},
        {"65", "61", {Informacion("La edad no puede ser mayor a 60", "Edad Final")}},
        {"65", "56", {}},
        {"20", "70", {}},
        {"20", "99", {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("plazo " + c.pago + " edad final " + c.final);
        Sesion s;
        s.Producto("1");
        s.w.txtEdadFinal.visible = true;
        s.Pago(c.pago);
        s.w.txtEdadFinal.texto = c.final;
        s.w.txtEdadFinal_LostFocus();
        EXPECT_EQ(s.guion.mensajes, c.mensajes);
        EXPECT_EQ(s.w.txtEdadFinal.texto, c.final);
    }
}

TEST(Seleccion, ProductoQueNoEstaEnElCatalogo) {
    Sesion s;
    s.Moneda("Pesos");
    s.w.FijarTextoProducto("Producto Inexistente");
    EXPECT_EQ(s.w.lblProducto.texto, "");
    for (const Control* c : std::initializer_list<const Control*>{&s.w.txtProducto, &s.w.comPlan, &s.w.txtParticipacion,
                                                                  &s.w.comIncremento, &s.w.dbcPago, &s.w.List1})
        EXPECT_FALSE(c->habilitado);
    EXPECT_TRUE(s.w.dbcProducto.habilitado);
    EXPECT_TRUE(s.w.dbcPlazo.habilitado);
    EXPECT_TRUE(s.guion.mensajes.empty());
}

TEST(Seleccion, NombreConApostrofoEligeSuProducto) {
    Sesion s;
    auto& catalogo = *s.w.Catalogo();
    const cv::datos::Tabla& base = *catalogo.tablaProductos;
    auto tabla = std::make_shared<cv::datos::Tabla>(base.Nombre(), base.Campos());
    for (size_t i = 0; i < base.NumFilas(); ++i) tabla->AgregarFila(base.Fila(i));
    std::vector<cv::datos::Valor> fila = base.Fila(0);
    fila[*base.Posicion("Id")] = cv::datos::Valor("27");
    fila[*base.Posicion("Nombre")] = cv::datos::Valor("Dotal O'Higgins");
    tabla->AgregarFila(fila);
    catalogo.tablaProductos = tabla;

    s.Moneda("Pesos");
    ASSERT_EQ(s.w.dbcProducto.elementos.back(), "Dotal O'Higgins");
    s.ProductoPorNombre("Dotal O'Higgins");
    EXPECT_EQ(s.w.txtProducto.texto, "27");
    EXPECT_EQ(s.w.lblProducto.texto, "Dotal O'Higgins");
    EXPECT_EQ(s.w.txtParticipacion.texto, "100");
    EXPECT_TRUE(s.w.txtParticipacion.habilitado);
    EXPECT_TRUE(s.guion.mensajes.empty());
}

TEST(Seleccion, ProductoUnoAUnoAnualSoloOfreceAccidentes) {
    for (const std::string codigo : {"7", "8", "9", "10"}) {
        SCOPED_TRACE("producto " + codigo);
        Sesion s;
        s.Nombre("ana");
        s.Edad("30");
        s.Producto(codigo);
        const FrmCotizador& w = s.w;
        for (const Control* c : std::initializer_list<const Control*>{&w.chkma, &w.chkdi, &w.chkti, &w.lblma, &w.lbldi,
                                                                      &w.lblti})
            EXPECT_TRUE(c->habilitado);
        for (const Control* c : std::initializer_list<const Control*>{&w.chkbit, &w.chkbpai, &w.chkenfgr, &w.Chkbitf,
                                                                      &w.Chkcat, &w.lblbit, &w.lblbpai, &w.lblenfgr,
                                                                      &w.lblbitf, &w.lblcaf})
            EXPECT_FALSE(c->habilitado);
    }
}

TEST(Seleccion, OtrosProductosHabilitanLosSeisBeneficios) {
    for (const std::string codigo : {"1", "3", "11", "15", "16", "26"}) {
        SCOPED_TRACE("producto " + codigo);
        Sesion s;
        s.Nombre("ana");
        s.Edad("30");
        s.Producto("8");
        s.Producto(codigo);
        const FrmCotizador& w = s.w;
        for (const Control* c : std::initializer_list<const Control*>{&w.chkbit, &w.chkbpai, &w.chkma, &w.chkdi, &w.chkti,
                                                                      &w.chkenfgr, &w.lblbit, &w.lblbpai, &w.lblma,
                                                                      &w.lbldi, &w.lblti, &w.lblenfgr})
            EXPECT_TRUE(c->habilitado);
    }
}

// ---------------------------------------------------------------- educational product

struct EleccionesMenor {
    std::string edad;
    Textos elecciones;
};

const std::vector<EleccionesMenor> kEleccionesMenor = {
    {"0", {"E.A. 15", "E.A. 18", "E.A. 22"}},
    {"1", {"E.A. 15", "E.A. 18", "E.A. 22"}},
    {"10", {"E.A. 15", "E.A. 18", "E.A. 22"}},
    {"11", {"E.A. 18", "E.A. 22"}},
    {"13", {"E.A. 18", "E.A. 22"}},
    {"14", {"E.A. 22"}},
    {"17", {"E.A. 22"}},
    {"18", {"E.A. 22"}},
    {"19", {}},
    {"25", {}},
    {"-1", {}},
};

TEST(Educacional, EleccionesPorEdadDelMenorEscrita) {
    for (const auto& c : kEleccionesMenor) {
        SCOPED_TRACE("menor de " + c.edad);
        Sesion s;
        s.Nombre("ana");
        s.Edad("35");
        s.Producto("6");
        ASSERT_TRUE(s.w.txtedad_menor.habilitado);
        s.w.FijarEdadMenor(c.edad);
        EXPECT_EQ(s.w.List1.elementos, c.elecciones);
        EXPECT_TRUE(s.w.List1.visible);
        EXPECT_EQ(s.w.List1.habilitado, !c.elecciones.empty());
        EXPECT_EQ(s.w.List1.seleccion, c.elecciones.empty() ? -1 : 0);
    }
}

TEST(Educacional, ProspectoMenorEsElNino) {
    for (const auto& c : kEleccionesMenor) {
        if (c.edad == "-1" || cv::ValorNumerico(c.edad) >= 18) continue;
        SCOPED_TRACE("prospecto de " + c.edad);
        Sesion s;
        s.Nombre("luis");
        s.Edad(c.edad);
        s.Producto("6");
        const FrmCotizador& w = s.w;
        EXPECT_EQ(w.txtedad_menor.texto, c.edad);
        EXPECT_FALSE(w.txtedad_menor.habilitado);
        EXPECT_EQ(w.List1.elementos, c.elecciones);
        EXPECT_TRUE(w.List1.habilitado);
        EXPECT_TRUE(w.fEducacionalVeralta.visible && w.fEducacionalVeralta.habilitado);
        EXPECT_FALSE(w.dbcPago.visible || w.dbcPlazo.visible);
        EXPECT_FALSE(w.dbcPago.habilitado);
        EXPECT_TRUE(w.txtPago.visible && w.txtPlazo.visible);
        EXPECT_FALSE(w.txtPago.habilitado || w.txtPlazo.habilitado);
        EXPECT_EQ(w.comPlan.texto, "Dotal");
        EXPECT_FALSE(w.comPlan.habilitado);
        EXPECT_EQ(w.txtParticipacion.texto, "100");
        EXPECT_FALSE(w.txtParticipacion.habilitado);
        EXPECT_FALSE(w.comIncremento.habilitado);
        for (const Control* b : std::initializer_list<const Control*>{&w.Chkbitf, &w.Chkcat, &w.lblbitf, &w.lblcaf})
            EXPECT_TRUE(b->habilitado);
        for (const Control* b : std::initializer_list<const Control*>{&w.chkbit, &w.chkbpai, &w.chkma, &w.chkdi, &w.chkti,
                                                                      &w.chkenfgr, &w.lblbit, &w.lblbpai, &w.lblma,
                                                                      &w.lbldi, &w.lblti, &w.lblenfgr})
            EXPECT_FALSE(b->habilitado);
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

TEST(Educacional, ProspectoAdulto) {
    Sesion s;
    s.Nombre("ana");
    s.Edad("35");
    s.Producto("6");
    const FrmCotizador& w = s.w;
    EXPECT_TRUE(w.fEducacionalVeralta.visible && w.fEducacionalVeralta.habilitado);
    EXPECT_EQ(w.txtedad_menor.texto, "");
    EXPECT_TRUE(w.txtedad_menor.habilitado);
    EXPECT_TRUE(w.List1.habilitado);
    EXPECT_TRUE(w.lblEdadMenor.visible && w.lblEdadMenor.habilitado);
    EXPECT_TRUE(w.lblProductoEducacional.visible && w.lblProductoEducacional.habilitado);
    EXPECT_TRUE(w.txtPago.visible && w.txtPlazo.visible);
    EXPECT_FALSE(w.txtPago.habilitado || w.txtPlazo.habilitado);
    EXPECT_FALSE(w.dbcPago.habilitado);
    EXPECT_EQ(w.comPlan.texto, "Dotal");
    EXPECT_FALSE(w.comPlan.habilitado);
    EXPECT_EQ(w.txtParticipacion.texto, "100");
    EXPECT_FALSE(w.txtParticipacion.habilitado);
    for (const Control* b : std::initializer_list<const Control*>{&w.Chkbitf, &w.Chkcat, &w.lblbitf, &w.lblcaf,
                                                                  &w.chkenfgr, &w.lblenfgr})
        EXPECT_FALSE(b->habilitado);
    for (const Control* b : std::initializer_list<const Control*>{&w.chkbit, &w.chkbpai, &w.lblbit, &w.lblbpai})
        EXPECT_TRUE(b->habilitado);
    EXPECT_TRUE(s.guion.mensajes.empty());
}

TEST(Educacional, PlazosPorEdadAlcanzada) {
    struct Caso {
        std::string menor;
        std::string eleccion;
        std::string plazo;
    };
    const std::vector<Caso> casos = {
        {"18", "E.A. 22", "4"}, {"17", "E.A. 22", "5"},  {"0", "E.A. 15", "15"}, {"0", "E.A. 22", "22"},
        {"10", "E.A. 15", "5"}, {"10", "E.A. 22", "12"}, {"13", "E.A. 18", "5"}, {"11", "E.A. 22", "11"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("menor de " + c.menor + " con " + c.eleccion);
        Sesion s;
        s.Nombre("ana");
        s.Edad("35");
        s.Producto("6");
        s.w.FijarEdadMenor(c.menor);
        const auto& e = s.w.List1.elementos;
        const auto i = std::find(e.begin(), e.end(), c.eleccion);
        ASSERT_NE(i, e.end());
        s.w.butGenerar.habilitado = true;
        s.w.List1.seleccion = static_cast<int>(i - e.begin());
        s.w.List1_Click();
        EXPECT_EQ(s.w.txtPago.texto, c.plazo);
        EXPECT_EQ(s.w.txtPlazo.texto, c.plazo);
        EXPECT_FALSE(s.w.butGenerar.habilitado);
        s.SalirParticipacion();
        EXPECT_EQ(s.w.comPlan.texto, "Dotal");
        EXPECT_TRUE(s.w.chkDotal.marcada);
        EXPECT_FALSE(s.w.chkOrdinario.marcada || s.w.chkEdad.marcada);
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

TEST(Educacional, NinoConPlazoElegido) {
    Sesion s;
    s.Nombre("luis");
    s.Edad("8");
    s.Producto("6");
    s.w.List1.seleccion = 1;  // "E.A. 18"
    s.w.List1_Click();
    EXPECT_EQ(s.w.txtPago.texto, "10");
    EXPECT_EQ(s.w.txtPlazo.texto, "10");
    s.SalirParticipacion();
    EXPECT_TRUE(s.w.chkDotal.marcada);
    EXPECT_TRUE(s.guion.mensajes.empty());
}

TEST(Educacional, SinPlazoElegidoFaltaElPlazo) {
    Sesion s;
    s.Nombre("ana");
    s.Edad("35");
    s.Producto("6");
    s.SalirParticipacion();
    EXPECT_EQ(s.guion.mensajes, Mensajes{Simple("Falta Selecionar el Plazo")});
}

// The child's age follows the prospect's; its choices have to follow too.
TEST(Educacional, CambiarLaEdadDelNinoRenuevaSusElecciones) {
    const std::vector<EleccionesMenor> casos = {
        {"14", {"E.A. 22"}},
        {"12", {"E.A. 18", "E.A. 22"}},
        {"3", {"E.A. 15", "E.A. 18", "E.A. 22"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("de 9 a " + c.edad);
        Sesion s;
        s.Nombre("luis");
        s.Edad("9");
        s.Producto("6");
        ASSERT_EQ(s.w.List1.elementos.size(), 3u);
        s.Edad(c.edad);
        EXPECT_EQ(s.w.txtedad_menor.texto, c.edad);
        EXPECT_EQ(s.w.List1.elementos, c.elecciones);
    }
}

TEST(Educacional, FechaDelNinoRenuevaSusElecciones) {
    const std::vector<std::pair<std::string, EleccionesMenor>> casos = {
        {"15/06/2011", {"14", {"E.A. 22"}}},
        {"15/06/2013", {"12", {"E.A. 18", "E.A. 22"}}},
    };
    for (const auto& [fecha, c] : casos) {
        SCOPED_TRACE(fecha);
        Sesion s;
        s.Nombre("luis");
        s.Edad("9");
        s.Producto("6");
        s.FechaNacimiento(fecha);
        EXPECT_EQ(s.w.txtedad_menor.texto, c.edad);
        EXPECT_EQ(s.w.List1.elementos, c.elecciones);
    }
}

}  // namespace
}  // namespace prueba_app
