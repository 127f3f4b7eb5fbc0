// The quote-line table and the checks before a calculation, in their order and with their
// exact messages.
#include <gtest/gtest.h>

#include "apoyo.h"
#include "quote/lineas.h"

namespace prueba_app {
namespace {

using cv::LineaCotizacion;
using cv::cotizacion::ChequeoCotizacion;
using cv::cotizacion::ChequeoEntrada;
using cv::cotizacion::ChequeoLinea;
using cv::cotizacion::GuardarLinea;
using cv::cotizacion::JuegoBanderas;
using cv::cotizacion::TablaLineas;

// A prospect ready to quote: name, age, agent, sum assured; then a product and its term.
struct Cotizando : Sesion {
    TablaLineas t;
    explicit Cotizando(const std::string& edad = "35") {
        Nombre("JUAN PEREZ");
        Edad(edad);
        w.txtNumAge.texto = "123";
        w.FijarSumaAsegurada("1,000,000.00");
    }
    void Plan(const std::string& codigo, const std::string& pago) {
        Producto(codigo);
        Pago(pago);
        SalirParticipacion();
    }
    void Linea(int k, float participacion, int seguro = 20, uint8_t edadAlcanzada = 0) {
        LineaCotizacion& l = t.LineasCotizacion[static_cast<size_t>(k)];
        l.Producto = "1";
        l.Participacion = participacion;
        l.PlazoSeguro = static_cast<int16_t>(seguro);
        l.EdadAlcanzada = edadAlcanzada;
        t.NumLineasCotizacion = static_cast<int16_t>(std::max<int>(t.NumLineasCotizacion, k));
    }
};

TEST(ChequeoCotizacion, LasParticipacionesSeRedondeanLineaPorLinea) {
    struct Caso {
        float a, b;
        bool pasa;
    };
    const Caso casos[] = {{100, 0, true}, {33.4f, 66.4f, false}, {33.6f, 66.4f, true}, {50.5f, 49.5f, true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.a << " + " << c.b);
        Cotizando s;
        s.Linea(1, c.a);
        if (c.b > 0) s.Linea(2, c.b);
        s.guion.mensajes.clear();
        EXPECT_EQ(ChequeoCotizacion(s.w, s.t), c.pasa);
        if (!c.pasa) {
            EXPECT_EQ(s.guion.mensajes, Mensajes{Validacion("La composición del paquete es diferente del 100%")});
            EXPECT_EQ(s.t.NumLineasCotizacion, 2);  // the lines are kept
        } else {
            EXPECT_TRUE(s.guion.mensajes.empty());
        }
    }
}

TEST(ChequeoCotizacion, ElPrimerFalloEsElQueSeInforma) {
    struct Caso {
        const char* nombre;
        std::function<void(Cotizando&)> preparar;
        Mensaje mensaje;
        std::string foco;
    };
    const Caso casos[] = {
        {"sin nombre", [](Cotizando& s) { s.w.txtNombre.texto.clear(); s.w.txtEdad.texto.clear(); },
         Validacion("Se requiere el nombre del Prospecto"), "sin mover"},
        {"sin edad", [](Cotizando& s) { s.w.txtEdad.texto.clear(); }, Validacion("Se requiere la edad del Prospecto"), "txtEdad"},
        {"extraprima ocupacional", [](Cotizando& s) { s.w.txtExtraprimaOcupacional.texto = "x"; },
         Validacion("La Extraprima Ocupacional requiere valor numérico"), "txtExtraprimaOcupacional"},
        {"extraprima médica", [](Cotizando& s) { s.w.txtExtraPrimaMedica.texto = ""; },
         Validacion("La Extraprima Médica requiere valor numérico"), "txtExtraPrimaMedica"},
        {"forma de pago", [](Cotizando& s) { s.w.comFormaPago.texto.clear(); },
         Validacion("No se ha seleccionado la Forma de Pago"), "comFormaPago"},
        {"interés del fondo", [](Cotizando& s) { s.w.txtTasaInteres.texto = "0"; },
         Validacion("El interés del fondo debe tener valor numérico"), "txtTasaInteres"},
        {"ni suma ni prima", [](Cotizando& s) { s.w.FijarSumaAsegurada(""); },
         Validacion("Se requiere la Suma Asegurada Global o la Prima Global"), "txtSumaAseguradaGlobal"},
        {"edad alcanzada ya pasada", [](Cotizando& s) { s.Linea(1, 100, 30, 1); },
         Validacion("El Plazo de Seguro del plan 1 no puede se menor que la edad del prospecto"), "sin mover"},
        {"sin agente", [](Cotizando& s) { s.w.txtNumAge.texto.clear(); }, Validacion("Falta el Agente"), "txtNumAge"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Cotizando s;
        s.Linea(1, 100);
        c.preparar(s);
        s.guion.mensajes.clear();
        s.w.foco = "sin mover";
        EXPECT_FALSE(ChequeoCotizacion(s.w, s.t));
        EXPECT_EQ(s.guion.mensajes, Mensajes{c.mensaje});
        EXPECT_EQ(s.w.foco, c.foco);
    }
}

TEST(ChequeoCotizacion, NormalizaEdadesDelRangoYSigue) {
    Cotizando s;
    s.Linea(1, 100);
    s.w.txtEdadInicial.texto = "abc";
    s.w.txtEdadFinal.texto = "-3";
    EXPECT_TRUE(ChequeoCotizacion(s.w, s.t));
    EXPECT_EQ(s.w.txtEdadInicial.texto, "15");
    EXPECT_EQ(s.w.txtEdadFinal.texto, "70");
}

TEST(ChequeoLinea, ReglasDePlazosYEdades) {
    struct Caso {
        const char* edad;
        const char* producto;
        const char* pago;
        bool pasa;
        const char* mensaje;  // "" when it passes
    };
    const Caso casos[] = {
        {"55", "1", "60", true, ""},
        {"56", "1", "60", false, "Para Edad Alcanzada la Edad de la persona debe ser menor o igual a 55"},
        {"60", "1", "65", true, ""},
        {"61", "1", "65", false, "Para Edad Alcanzada la Edad de la persona debe ser menor o igual a 60"},
        // An endowment to attained age 60 at 56 passes the attained-age rule, not the age limit.
        {"56", "15", "60", false, "Para Edad Alcanzada la Edad de la persona debe ser menor o igual a 55"},
        {"50", "1", "20", true, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.producto << " " << c.pago << " a los " << c.edad);
        Cotizando s(c.edad);
        s.Plan(c.producto, c.pago);
        s.guion.mensajes.clear();
        EXPECT_EQ(ChequeoLinea(s.w), c.pasa);
        if (!c.pasa) {
            EXPECT_EQ(s.guion.mensajes, Mensajes{Validacion(c.mensaje)});
        }
    }
}

TEST(ChequeoLinea, PlazosInvalidosYNormalizaciones) {
    {
        Cotizando s;
        s.Plan("1", "20");
        s.w.dbcPlazo.texto = "100";
        s.w.comIncremento.texto = "abc";
        s.guion.mensajes.clear();
        EXPECT_FALSE(ChequeoLinea(s.w));
        EXPECT_EQ(s.guion.mensajes, Mensajes{Validacion("El Plazo de Seguro no puede se mayor a 99")});
        EXPECT_EQ(s.w.foco, "dbcPlazo");
        EXPECT_EQ(s.w.comIncremento.texto, "0");  // the normalisation stays after the failure
    }
    {
        Cotizando s;
        s.Plan("1", "20");
        s.w.dbcPago.texto = "25";
        s.guion.mensajes.clear();
        EXPECT_FALSE(ChequeoLinea(s.w));
        EXPECT_EQ(s.guion.mensajes, Mensajes{Validacion("El Plazo de Pago no puede ser mayor al Plazo de Seguro")});
        EXPECT_EQ(s.w.foco, "dbcPago");
    }
    {
        Cotizando s;
        s.Plan("1", "20");
        s.w.dbcPlazo.texto = " ";
        s.guion.mensajes.clear();
        EXPECT_FALSE(ChequeoLinea(s.w));
        EXPECT_EQ(s.guion.mensajes, Mensajes{Informacion("El plazo de seguro no puede ser 0", "Validacion")});
    }
    {
        Cotizando s("90");
        s.w.txtProducto.texto.clear();
        s.guion.mensajes.clear();
        EXPECT_FALSE(ChequeoLinea(s.w));
        EXPECT_EQ(s.guion.mensajes, Mensajes{Informacion("El producto no puede quedar vacio", "Validacion")});
        EXPECT_EQ(s.w.foco, "txtNombre");
    }
    {
        Cotizando s("45");
        s.Plan("1", "20");
        s.w.txtParticipacion.texto = "0";
        s.guion.mensajes.clear();
        EXPECT_FALSE(ChequeoLinea(s.w));
        EXPECT_EQ(s.guion.mensajes, Mensajes{Simple(" La participacion debe ser mayor a 0.")});
    }
    {
        // A term in years beyond age 99: the longest term possible is offered.
        Cotizando s("65");
        s.Plan("15", "25");
        s.w.dbcPlazo.texto = "25";
        s.w.dbcPago.texto = "35";
        s.w.dbcPlazo.texto = "40";
        s.guion.mensajes.clear();
        EXPECT_FALSE(ChequeoLinea(s.w));
        EXPECT_EQ(s.guion.mensajes, Mensajes{Validacion("El Plazo de Seguro máximo posible es -5")});
    }
}

TEST(ChequeoEntrada, OrdenDeLasComprobacionesDeCalcular) {
    {
        Cotizando s;
        s.w.txtEdadInicial.texto = "40";
        s.w.txtEdadFinal.texto = "30";
        EXPECT_FALSE(ChequeoEntrada(s.w, s.t));
        EXPECT_EQ(s.guion.mensajes.back(), Validacion("La Edad Final no puede ser menor a la Edad Inicial"));
        EXPECT_EQ(s.w.foco, "txtEdadFinal");
    }
    {
        Cotizando s;
        s.guion.mensajes.clear();
        EXPECT_FALSE(ChequeoEntrada(s.w, s.t));
        EXPECT_EQ(s.guion.mensajes, Mensajes{Simple("Porfavor ingrese un producto")});
    }
    {
        Cotizando s("14");
        s.Plan("11", "20");
        s.guion.mensajes.clear();
        EXPECT_FALSE(ChequeoEntrada(s.w, s.t));
        EXPECT_EQ(s.guion.mensajes, Mensajes{Simple("La edad minima es de 15 años")});
    }
    {
        Cotizando s;
        s.Plan("1", "20");
        s.w.chkma.marcada = true;
        s.guion.mensajes.clear();
        EXPECT_TRUE(ChequeoEntrada(s.w, s.t));
        EXPECT_EQ(s.w.txtBeneficio[2].texto, "3");  // the ticked riders fill their slots
        EXPECT_EQ(s.t.NombresLinea[1], s.w.dbcProducto.texto);
        EXPECT_EQ(s.w.comPlan.texto, "Temporal");
    }
}

TEST(TablaLineas, GuardarYLimpiar) {
    Cotizando s;
    s.Plan("15", "20");
    s.w.Chkcat.marcada = true;  // only the last slot
    GuardarLinea(s.w, s.t, 1, JuegoBanderas::PrimeraLinea, true);
    const LineaCotizacion& l = s.t.LineasCotizacion[1];
    EXPECT_EQ(l.Producto, "15");
    EXPECT_EQ(l.PlazoSeguro, 20);
    EXPECT_EQ(l.PlazoPago, 20);
    EXPECT_EQ(l.Dotal, 1);
    EXPECT_EQ(l.TipoPlan, "Dotal");
    EXPECT_FLOAT_EQ(l.Participacion, 100);
    EXPECT_EQ(l.CantidadBeneficios, 8);
    EXPECT_EQ(l.Beneficio[8], "9");
    EXPECT_FLOAT_EQ(l.ParticipacionBeneficio[8], 100);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(l.Beneficio[static_cast<size_t>(k)], "");

    s.w.chkenfgr.marcada = true;
    GuardarLinea(s.w, s.t, 2, JuegoBanderas::LineasSiguientes, false);
    EXPECT_EQ(s.t.LineasCotizacion[2].Beneficio[6], "7");
    EXPECT_EQ(s.t.LineasCotizacion[2].Dotal2, 1);
    EXPECT_EQ(s.t.LineasCotizacion[2].Dotal, 0);  // the first-line set is left alone

    s.t.Limpiar();
    EXPECT_EQ(s.t.NumLineasCotizacion, 0);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(s.t.LineasCotizacion[static_cast<size_t>(k)].TipoPlan, "0");
    EXPECT_EQ(s.t.LineasCotizacion[2].Dotal2, 1);  // the second set survives a clearing
}

}  // namespace
}  // namespace prueba_app
