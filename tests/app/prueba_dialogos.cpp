// The two small dialogs: "Aportaciones" opened from the main window, and "Edad del Padre o
// Tutor".
#include <optional>
#include <tuple>

#include "apoyo.h"

namespace prueba_app {
namespace {

using Resultado = FrmAportaciones::Resultado;

const Mensaje kEnBlanco = Simple("El Valor no puede quedar en blanco");

void Teclear(CuadroTexto& campo, const std::string& texto, FrmAportaciones& d, void (FrmAportaciones::*salir)()) {
    campo.texto = texto;
    (d.*salir)();
}

struct Aportacion {
    std::string pagos, monto, fondo;
};

// Opens "Aportaciones" from the main window, types the three fields (leaving each) and
// accepts; the dialog's answer.
std::optional<Resultado> Aceptar(Sesion& s, const Aportacion& a) {
    std::optional<Resultado> r;
    s.guion.enAportaciones = [&](FrmAportaciones& d) {
        EXPECT_TRUE(d.abierto);
        Teclear(d.txtNoPagos, a.pagos, d, &FrmAportaciones::txtNoPagos_LostFocus);
        Teclear(d.txtmontoAportacion, a.monto, d, &FrmAportaciones::txtmontoAportacion_LostFocus);
        Teclear(d.txtFondoFinal, a.fondo, d, &FrmAportaciones::txtFondoFinal_LostFocus);
        r = d.butAceptar_Click();
    };
    s.w.cmdPrimasAdicionales_Click();
    return r;
}

TEST(Aportaciones, AlAbrir) {
    Sesion s;
    FrmAportaciones& d = s.w.Aportaciones();
    for (const CuadroTexto* c : {&d.txtNoPagos, &d.txtmontoAportacion, &d.txtFondoFinal, &d.txtTasaIncremento})
        EXPECT_EQ(c->texto, "0");
    for (const Control* c : std::initializer_list<const Control*>{&d.txtTasaIncremento, &d.lblTasaIncremento,
                                                                  &d.comTipoIncremento, &d.lblTipoIncremento})
        EXPECT_FALSE(c->visible);
    EXPECT_TRUE(d.comTipoIncremento.elementos.empty());
    EXPECT_EQ(d.butAceptar.titulo, "Aceptar");
    EXPECT_EQ(d.butCancelar.titulo, "Cancelar");
    bool visto = false;
    s.guion.enAportaciones = [&](FrmAportaciones& abierto) {
        visto = abierto.abierto && &abierto == &d;
        abierto.butCancelar_Click();
    };
    s.w.cmdPrimasAdicionales_Click();
    EXPECT_TRUE(visto);
    EXPECT_FALSE(d.abierto);
}

struct Campo {
    const char* nombre;
    CuadroTexto FrmAportaciones::*campo;
    void (FrmAportaciones::*salir)();
};

const std::vector<Campo> kCampos = {
    {"txtNoPagos", &FrmAportaciones::txtNoPagos, &FrmAportaciones::txtNoPagos_LostFocus},
    {"txtmontoAportacion", &FrmAportaciones::txtmontoAportacion, &FrmAportaciones::txtmontoAportacion_LostFocus},
    {"txtFondoFinal", &FrmAportaciones::txtFondoFinal, &FrmAportaciones::txtFondoFinal_LostFocus},
};

void Guardados(const EstadoProceso& p, int pagos, double monto, double fondo) {
    EXPECT_EQ(p.AportNumPagos, pagos);
    EXPECT_DOUBLE_EQ(p.AportMonto, monto);
    EXPECT_DOUBLE_EQ(p.AportFondoFinal, fondo);
}

TEST(Aportaciones, CampoEnBlanco) {
    for (const auto& c : kCampos) {
        SCOPED_TRACE(c.nombre);
        Sesion s;
        s.proceso.AportNumPagos = 5;
        s.proceso.AportMonto = 100;
        s.proceso.AportFondoFinal = 200;
        FrmAportaciones& d = s.w.Aportaciones();
        Teclear(d.*c.campo, "", d, c.salir);
        EXPECT_EQ(s.guion.mensajes, Mensajes{kEnBlanco});
        EXPECT_EQ((d.*c.campo).texto, "0");
        Guardados(s.proceso, 5, 100, 200);
    }
}

TEST(Aportaciones, ValorAlSalirDelCampo) {
    struct Caso {
        size_t campo;
        std::string texto;
        int pagos;
        double monto, fondo;
    };
    // Start values 5, 100, 200: a zero typed leaves them.
    const std::vector<Caso> casos = {
        {0, "3", 3, 100, 200},          {0, "2.5", 2, 100, 200},       {0, "3.5", 4, 100, 200},
        {0, "0", 5, 100, 200},          {0, "abc", 5, 100, 200},       {1, "1500.75", 5, 1500.75, 200},
        {1, "0", 5, 100, 200},          {2, "250000", 5, 100, 250000}, {2, "0", 5, 100, 200},
        {2, "0.00", 5, 100, 200},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(kCampos[c.campo].nombre) + " '" + c.texto + "'");
        Sesion s;
        s.proceso.AportNumPagos = 5;
        s.proceso.AportMonto = 100;
        s.proceso.AportFondoFinal = 200;
        FrmAportaciones& d = s.w.Aportaciones();
        Teclear(d.*kCampos[c.campo].campo, c.texto, d, kCampos[c.campo].salir);
        EXPECT_EQ((d.*kCampos[c.campo].campo).texto, c.texto);
        Guardados(s.proceso, c.pagos, c.monto, c.fondo);
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

TEST(Aportaciones, Aceptar) {
    struct Caso {
        Aportacion tecleado;
        Resultado resultado;
        int pagos;
        double monto, fondo;
    };
    const std::vector<Caso> casos = {
        {{"3", "1000", "0"}, Resultado::ConAportaciones, 3, 1000, 0},
        {{"3", "0", "0"}, Resultado::ConAportaciones, 3, 0, 0},
        {{"2.5", "500", "80000"}, Resultado::ConAportaciones, 2, 500, 80000},
        {{"0", "0", "0"}, Resultado::SinAportaciones, 0, 0, 0},
        {{"abc", "0", "0"}, Resultado::SinAportaciones, 0, 0, 0},
        {{"0", "500", "0"}, Resultado::SinCambio, 0, 500, 0},
        {{"0", "0", "100000"}, Resultado::SinCambio, 0, 0, 100000},
        {{"abc", "100", "0"}, Resultado::SinCambio, 0, 100, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("'" + c.tecleado.pagos + "' '" + c.tecleado.monto + "' '" + c.tecleado.fondo + "'");
        Sesion s;
        const auto r = Aceptar(s, c.tecleado);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(*r, c.resultado);
        Guardados(s.proceso, c.pagos, c.monto, c.fondo);
        FrmAportaciones& d = s.w.Aportaciones();
        EXPECT_FALSE(d.abierto);
        for (const CuadroTexto* t : {&d.txtNoPagos, &d.txtmontoAportacion, &d.txtFondoFinal, &d.txtTasaIncremento})
            EXPECT_EQ(t->texto, "0");
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

TEST(Aportaciones, CeroTecleadoSoloCuentaAlAceptar) {
    Sesion s;
    ASSERT_EQ(Aceptar(s, {"5", "1000", "0"}), Resultado::ConAportaciones);
    ASSERT_EQ(s.proceso.AportNumPagos, 5);

    std::optional<Resultado> r;
    s.guion.enAportaciones = [&](FrmAportaciones& d) {
        Teclear(d.txtNoPagos, "0", d, &FrmAportaciones::txtNoPagos_LostFocus);
        Teclear(d.txtmontoAportacion, "0", d, &FrmAportaciones::txtmontoAportacion_LostFocus);
        EXPECT_EQ(s.proceso.AportNumPagos, 5);
        EXPECT_DOUBLE_EQ(s.proceso.AportMonto, 1000);
        r = d.butAceptar_Click();
    };
    s.w.cmdPrimasAdicionales_Click();
    EXPECT_EQ(r, Resultado::SinAportaciones);
    Guardados(s.proceso, 0, 0, 0);
}

TEST(Aportaciones, CancelarConservaLosTextos) {
    Sesion s;
    s.guion.enAportaciones = [&](FrmAportaciones& d) {
        Teclear(d.txtNoPagos, "4", d, &FrmAportaciones::txtNoPagos_LostFocus);
        d.txtmontoAportacion.texto = "750";
        d.butCancelar_Click();
    };
    s.w.cmdPrimasAdicionales_Click();
    FrmAportaciones& d = s.w.Aportaciones();
    EXPECT_FALSE(d.abierto);
    EXPECT_EQ(d.txtNoPagos.texto, "4");
    EXPECT_EQ(d.txtmontoAportacion.texto, "750");
    Guardados(s.proceso, 4, 0, 0);
}

TEST(Aportaciones, NoCancelaLasAportaciones) {
    Sesion s;
    s.guion.enAportaciones = [&](FrmAportaciones& d) {
        Teclear(d.txtNoPagos, "3", d, &FrmAportaciones::txtNoPagos_LostFocus);
        Teclear(d.txtmontoAportacion, "1000", d, &FrmAportaciones::txtmontoAportacion_LostFocus);
        Teclear(d.txtFondoFinal, "50000", d, &FrmAportaciones::txtFondoFinal_LostFocus);
        d.txtTasaIncremento.texto = "2";
        d.txtTasaIncremento_Change();
        d.butCancelar_Click();
    };
    s.w.cmdPrimasAdicionales_Click();
    ASSERT_EQ(s.proceso.AportNumPagos, 3);
    ASSERT_FLOAT_EQ(s.proceso.AportTasaIncremento, 2);
    // As the view leaves it after contributions were accepted, in tariff mode.
    s.w.butNo.visible = true;
    s.w.cmdPrimasAdicionales.visible = false;
    s.w.comTipoIncremento.MostrarTexto("Geometrico");
    s.w.txtEdadInicial.texto = "20";
    s.w.txtEdadFinal.texto = "60";
    s.w.optDetalle.seleccionado = false;
    s.w.optResumen.seleccionado = true;

    s.w.butNo_Click();
    EXPECT_FALSE(s.w.butNo.visible);
    EXPECT_TRUE(s.w.cmdPrimasAdicionales.visible);
    Guardados(s.proceso, 0, 0, 0);
    EXPECT_EQ(s.proceso.AportTasaIncremento, 0);
    FrmAportaciones& d = s.w.Aportaciones();
    for (const CuadroTexto* t : {&d.txtNoPagos, &d.txtmontoAportacion, &d.txtFondoFinal, &d.txtTasaIncremento})
        EXPECT_EQ(t->texto, "0");
    EXPECT_EQ(s.w.comTipoIncremento.texto, "Aritmetico");
    EXPECT_EQ(s.w.txtEdadInicial.texto, "15");
    EXPECT_EQ(s.w.txtEdadFinal.texto, "70");
    EXPECT_TRUE(s.w.optDetalle.seleccionado);
    EXPECT_FALSE(s.w.optResumen.seleccionado);
    EXPECT_TRUE(s.guion.mensajes.empty());
}

TEST(Aportaciones, TasaDeIncremento) {
    const std::vector<std::tuple<std::string, float, std::string>> casos = {
        {"2.5", 2.5f, "2.50"}, {"1234.5", 1234.5f, "1,234.50"}, {"abc", 0, "abc"}, {"", 0, ""},
    };
    for (const auto& [texto, tasa, alSalir] : casos) {
        SCOPED_TRACE("'" + texto + "'");
        Sesion s;
        FrmAportaciones& d = s.w.Aportaciones();
        d.txtTasaIncremento.texto = texto;
        d.txtTasaIncremento_Change();
        EXPECT_FLOAT_EQ(s.proceso.AportTasaIncremento, tasa);
        d.txtTasaIncremento_LostFocus();
        EXPECT_EQ(d.txtTasaIncremento.texto, alSalir);
    }
}

// A number too large for a double is typed like any other text; no rule lets it escape.
TEST(Aportaciones, NumeroDesbordadoNoEscapa) {
    const std::string enorme = "1E999";
    for (const auto& c : kCampos) {
        SCOPED_TRACE(c.nombre);
        Sesion s;
        FrmAportaciones& d = s.w.Aportaciones();
        EXPECT_NO_THROW(Teclear(d.*c.campo, enorme, d, c.salir));
        EXPECT_NO_THROW(d.butAceptar_Click());
    }
    Sesion s;
    FrmAportaciones& d = s.w.Aportaciones();
    d.txtTasaIncremento.texto = enorme;
    EXPECT_NO_THROW(d.txtTasaIncremento_Change());
    EXPECT_NO_THROW(d.txtTasaIncremento_LostFocus());
}

// ---------------------------------------------------------------- "Edad del Padre o Tutor"

struct Dialogo {
    Guion guion;
    EstadoProceso proceso;
    FrmEdad d{guion, proceso};
};

TEST(EdadDelTutor, AlAbrir) {
    Dialogo x;
    EXPECT_EQ(x.d.cmdregresa.titulo, "Listo");
    EXPECT_FALSE(x.d.cmdregresa.habilitado);
    EXPECT_TRUE(x.d.abierto);
    x.d.cmdregresa_Click();
    EXPECT_FALSE(x.d.abierto);
}

TEST(EdadDelTutor, EdadTecleada) {
    struct Caso {
        std::string edad;
        bool listo;
        int16_t tutor;
        double contratante;
    };
    const std::vector<Caso> casos = {
        {"17", false, 33, 17}, {"17.5", false, 33, 17.5}, {"18", true, 18, 18}, {"40", true, 40, 40},
        {"0", false, 33, 0},   {"", false, 33, 0},        {"abc", false, 33, 0}, {"70", true, 70, 70},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("'" + c.edad + "'");
        Dialogo x;
        x.proceso.EdadPadreTutor = 33;
        x.d.foco = "txtEdad";
        x.d.FijarEdad(c.edad);
        EXPECT_EQ(x.d.cmdregresa.habilitado, c.listo);
        EXPECT_EQ(x.proceso.EdadPadreTutor, c.tutor);
        EXPECT_DOUBLE_EQ(x.proceso.EdadContratante.ComoDouble(), c.contratante);
        EXPECT_EQ(x.d.foco, c.listo ? "cmdregresa" : "txtEdad");
        x.d.txtEdad_LostFocus();
        EXPECT_EQ(x.d.cmdregresa.habilitado, c.listo);
        EXPECT_EQ(x.proceso.EdadPadreTutor, c.tutor);
        EXPECT_TRUE(x.guion.mensajes.empty());
    }
}

TEST(EdadDelTutor, NumeroDesbordadoNoEscapa) {
    Dialogo x;
    EXPECT_NO_THROW(x.d.FijarEdad("1E999"));
    EXPECT_NO_THROW(x.d.txtEdad_LostFocus());
}

TEST(EdadDelTutor, BajarDe18AlSalirDeshabilitaListo) {
    Dialogo x;
    x.d.FijarEdad("4");
    x.d.FijarEdad("40");
    ASSERT_TRUE(x.d.cmdregresa.habilitado);
    x.d.FijarEdad("4");
    x.d.FijarEdad("");
    x.d.FijarEdad("1");
    x.d.FijarEdad("17");
    x.d.txtEdad_LostFocus();
    EXPECT_FALSE(x.d.cmdregresa.habilitado);
    EXPECT_EQ(x.proceso.EdadPadreTutor, 40);
    EXPECT_DOUBLE_EQ(x.proceso.EdadContratante.ComoDouble(), 17);
}

TEST(EdadDelTutor, FechaDeNacimiento) {
    struct Caso {
        std::string fecha, edadPrevia;
        Mensajes mensajes;
        std::string fechaQueda, edad;
        bool listo;
        int16_t tutor;
    };
    const Mensajes invalida = {Simple("Introduzca una fecha valida")};
    const std::vector<Caso> casos = {
        {"15/06/1985", "", {}, "15/06/1985", "40", true, 40},
        {"15/06/2007", "", {}, "15/06/2007", "18", true, 18},
        {"16/06/2007", "", {}, "16/06/2007", "17", false, 0},
        {"16/06/2007", "40", {}, "16/06/2007", "17", true, 40},
        {"", "", invalida, "", "", false, 0},
        {"", "40", invalida, "", "40", false, 40},
        {"31/02/1980", "40", invalida, "", "40", false, 40},
        {"abc", "", invalida, "", "", false, 0},
        {"16/06/2025", "", {Simple("fecha invalida verifique")}, "", "", false, 0},
        {"16/06/2025", "40", {Simple("fecha invalida verifique")}, "", "40", true, 40},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("'" + c.fecha + "' con edad '" + c.edadPrevia + "'");
        Dialogo x;
        if (!c.edadPrevia.empty()) {
            x.d.FijarEdad(c.edadPrevia);
            x.d.txtEdad_LostFocus();
        }
        x.d.txtFechaNacimiento.texto = c.fecha;
        x.d.txtFechaNacimiento_LostFocus(kHoy);
        EXPECT_EQ(x.guion.mensajes, c.mensajes);
        EXPECT_EQ(x.d.txtFechaNacimiento.texto, c.fechaQueda);
        EXPECT_EQ(x.d.txtEdad.texto, c.edad);
        EXPECT_EQ(x.d.cmdregresa.habilitado, c.listo);
        EXPECT_EQ(x.proceso.EdadPadreTutor, c.tutor);
        if (c.listo && c.mensajes.empty()) {
            EXPECT_EQ(x.d.foco, "cmdregresa");
        }
    }
}

}  // namespace
}  // namespace prueba_app
