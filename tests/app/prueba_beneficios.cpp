// Rider rules: age limits, missing product or age, the accident riders that exclude each
// other, the description panel, and the parent's age for BITF and CAF.
#include <algorithm>

#include "apoyo.h"

namespace prueba_app {
namespace {

const Mensaje kSinProducto = Simple("Debe seleccionar primero un producto");
const Mensaje kIngreseEdad = Simple("Ingrese la edad");
const Mensaje kBitfMaxima = Simple("La edad maxima para el beneficio BITF es de 55 años");
const Mensaje kCafMaxima = Simple("La edad maxima para el beneficio CAF es de 65 años");

using Regla = void (FrmCotizador::*)();

struct Beneficio {
    const char* nombre;
    Casilla FrmCotizador::*caja;
    Regla regla;
    int minima, maxima;
    const Panel FrmCotizador::*panel;
};

const Beneficio kBIT{"BIT", &FrmCotizador::chkbit, &FrmCotizador::chkbit_Click, 18, 55, &FrmCotizador::porInvalidez};
const Beneficio kBPAI{"BPAI", &FrmCotizador::chkbpai, &FrmCotizador::chkbpai_Click, 18, 55, &FrmCotizador::porInvalidez};
const Beneficio kMA{"MA", &FrmCotizador::chkma, &FrmCotizador::chkma_Click, 15, 65, &FrmCotizador::porAccidente};
const Beneficio kDI{"DI", &FrmCotizador::chkdi, &FrmCotizador::chkdi_Click, 15, 65, &FrmCotizador::porAccidente};
const Beneficio kTI{"TI", &FrmCotizador::chkti, &FrmCotizador::chkti_Click, 15, 65, &FrmCotizador::porAccidente};
const Beneficio kEG{"EG", &FrmCotizador::chkenfgr, &FrmCotizador::chkenfgr_Click, 15, 65, &FrmCotizador::porEnfermedad};
const std::vector<Beneficio> kSeis = {kBIT, kBPAI, kMA, kDI, kTI, kEG};

// A prospect with a name, the age typed (none when empty) and the product chosen (only the
// currency when empty, which enables the boxes).
void Preparar(Sesion& s, const std::string& edad, const std::string& codigo) {
    s.Nombre("ana");
    if (!edad.empty()) s.Edad(edad);
    if (codigo.empty())
        s.Moneda("Pesos");
    else
        s.Producto(codigo);
    s.guion.mensajes.clear();
}

void Marcar(Sesion& s, const Beneficio& b) { s.Alternar(s.w.*b.caja, b.regla); }

TEST(Beneficios, LimitesDeEdad) {
    for (const auto& b : kSeis) {
        const std::string mensaje = b.minima == 18 ? kEdad18a55 : kEdad15a65;
        for (int edad : {b.minima - 1, b.minima, b.maxima, b.maxima + 1}) {
            const bool acepta = edad >= b.minima && edad <= b.maxima;
            SCOPED_TRACE(std::string(b.nombre) + " a los " + std::to_string(edad));
            Sesion s;
            Preparar(s, std::to_string(edad), "1");
            s.w.butGenerar.habilitado = true;
            Marcar(s, b);
            EXPECT_EQ((s.w.*b.caja).marcada, acepta);
            EXPECT_EQ(s.guion.mensajes, acepta ? Mensajes{} : Mensajes{Validacion(mensaje)});
            EXPECT_EQ((s.w.*b.panel).Visible(), acepta);
            EXPECT_EQ(s.w.lblBeneficiosAdicionales.visible, acepta);
            // Every accepted rider but TI takes "&Generar" away.
            EXPECT_EQ(s.w.butGenerar.habilitado, !acepta || b.caja == &FrmCotizador::chkti);
        }
    }
}

struct Falta {
    const Beneficio* beneficio;
    std::string edad, producto;
    Mensajes mensajes;
    bool marcada;
};

TEST(Beneficios, FaltaProductoOEdad) {
    const std::vector<Falta> casos = {
        // Age missing.
        {&kBIT, "", "1", {kIngreseEdad}, false},
        {&kBPAI, "", "1", {Validacion(kEdad18a55)}, false},
        {&kMA, "", "1", {kIngreseEdad}, false},
        {&kDI, "", "1", {kIngreseEdad}, false},
        {&kTI, "", "1", {kIngreseEdad}, false},
        {&kEG, "", "1", {kIngreseEdad}, false},
        // Product missing.
        {&kBIT, "30", "", {kSinProducto}, false},
        {&kBPAI, "30", "", {kSinProducto}, false},
        {&kMA, "30", "", {kSinProducto}, false},
        {&kDI, "30", "", {kSinProducto}, false},
        {&kTI, "30", "", {kSinProducto}, false},
        {&kEG, "30", "", {kSinProducto}, false},
        // Both missing.
        {&kBIT, "", "", {kSinProducto}, false},
        {&kBPAI, "", "", {kSinProducto}, false},
        {&kMA, "", "", {kSinProducto, kIngreseEdad}, false},
        {&kDI, "", "", {kIngreseEdad}, false},
        {&kTI, "", "", {kIngreseEdad}, false},
        {&kEG, "", "", {kIngreseEdad}, false},
        // A box already unticked for the product is not refused for the age as well.
        {&kMA, "70", "", {kSinProducto}, false},
        {&kMA, "10", "", {kSinProducto}, false},
        // An age that is not a number is outside every limit.
        {&kBIT, "abc", "1", {Validacion(kEdad18a55)}, false},
        {&kBPAI, "abc", "1", {Validacion(kEdad18a55)}, false},
        {&kMA, "abc", "1", {Validacion(kEdad15a65)}, false},
        {&kDI, "abc", "1", {Validacion(kEdad15a65)}, false},
        {&kTI, "abc", "1", {Validacion(kEdad15a65)}, false},
        {&kEG, "abc", "1", {Validacion(kEdad15a65)}, false},
        {&kMA, "30años", "1", {Validacion(kEdad15a65)}, false},
        // The advance payment of product 26 has no age limit; BIT keeps its own.
        {&kBPAI, "10", "26", {}, true},
        {&kBPAI, "60", "26", {}, true},
        {&kBPAI, "70", "26", {}, true},
        {&kBPAI, "", "26", {}, true},
        {&kBIT, "60", "26", {Validacion(kEdad18a55)}, false},
        {&kBIT, "30", "26", {}, true},
        // BIT of the educational product keeps the common limits and message.
        {&kBIT, "60", "6", {Validacion(kEdad18a55)}, false},
        {&kBIT, "10", "6", {Validacion(kEdad18a55)}, false},
        {&kBIT, "40", "6", {}, true},
    };
    for (const auto& c : casos) {
        const Beneficio& b = *c.beneficio;
        SCOPED_TRACE(std::string(b.nombre) + " edad '" + c.edad + "' producto '" + c.producto + "'");
        Sesion s;
        Preparar(s, c.edad, c.producto);
        s.w.foco = "chk";
        Marcar(s, b);
        EXPECT_EQ(s.guion.mensajes, c.mensajes);
        EXPECT_EQ((s.w.*b.caja).marcada, c.marcada);
        EXPECT_EQ((s.w.*b.panel).Visible(), c.marcada);
        if (c.mensajes.size() && c.mensajes.back() == kIngreseEdad) {
            EXPECT_EQ(s.w.foco, "txtEdad");
        }
    }
}

TEST(Beneficios, AccidentesSeExcluyen) {
    const std::vector<std::pair<const Beneficio*, std::vector<const Beneficio*>>> casos = {
        {&kMA, {&kDI, &kTI}},
        {&kDI, {&kTI, &kMA}},
        {&kTI, {&kDI, &kMA}},
    };
    const std::vector<std::pair<const Beneficio*, Etiqueta FrmCotizador::*>> rotulos = {
        {&kMA, &FrmCotizador::lblma}, {&kDI, &FrmCotizador::lbldi}, {&kTI, &FrmCotizador::lblti}};
    for (const auto& [marcado, excluidos] : casos) {
        SCOPED_TRACE(marcado->nombre);
        Sesion s;
        Preparar(s, "30", "1");
        Marcar(s, *marcado);
        ASSERT_TRUE((s.w.*marcado->caja).marcada);
        for (const auto& [b, rotulo] : rotulos) {
            const bool excluido = std::find(excluidos.begin(), excluidos.end(), b) != excluidos.end();
            SCOPED_TRACE(std::string("marcado; ") + b->nombre);
            EXPECT_EQ((s.w.*b->caja).habilitado, !excluido);
            EXPECT_EQ((s.w.*rotulo).habilitado, !excluido);
        }
        Marcar(s, *marcado);
        EXPECT_FALSE((s.w.*marcado->caja).marcada);
        for (const auto& [b, rotulo] : rotulos) {
            SCOPED_TRACE(std::string("desmarcado; ") + b->nombre);
            EXPECT_TRUE((s.w.*b->caja).habilitado);
            EXPECT_TRUE((s.w.*rotulo).habilitado);
        }
        EXPECT_FALSE(s.w.porAccidente.Visible());
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

struct Paneles {
    bool invalidez, accidente, enfermedad;
};

TEST(Beneficios, PanelDescriptivo) {
    struct Caso {
        const char* nombre;
        std::vector<const Beneficio*> pulsos;  // each one toggles its box
        Paneles paneles;
    };
    const std::vector<Caso> casos = {
        {"BIT", {&kBIT}, {true, false, false}},
        {"BPAI", {&kBPAI}, {true, false, false}},
        {"BPAI, MA", {&kBPAI, &kMA}, {false, true, false}},
        {"BPAI, MA, sin MA", {&kBPAI, &kMA, &kMA}, {true, false, false}},
        {"BPAI, EG", {&kBPAI, &kEG}, {false, false, true}},
        {"BPAI, EG, sin EG", {&kBPAI, &kEG, &kEG}, {true, false, false}},
        {"EG, MA", {&kEG, &kMA}, {false, true, false}},
        {"EG, DI", {&kEG, &kDI}, {false, true, true}},
        {"MA, BIT", {&kMA, &kBIT}, {true, false, false}},
        {"MA, BIT, sin BIT", {&kMA, &kBIT, &kBIT}, {false, true, false}},
        {"BPAI, sin BPAI", {&kBPAI, &kBPAI}, {false, false, false}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Sesion s;
        Preparar(s, "30", "1");
        for (const Beneficio* b : c.pulsos) Marcar(s, *b);
        EXPECT_EQ(s.w.porInvalidez.Visible(), c.paneles.invalidez);
        EXPECT_EQ(s.w.porAccidente.Visible(), c.paneles.accidente);
        EXPECT_EQ(s.w.porEnfermedad.Visible(), c.paneles.enfermedad);
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

TEST(Beneficios, CambioDeProductoDesmarcaYOcultaElPanel) {
    for (const std::string codigo : {"15", "11", "3", "6"}) {
        SCOPED_TRACE("a producto " + codigo);
        Sesion s;
        Preparar(s, "30", "1");
        Marcar(s, kBPAI);
        ASSERT_TRUE(s.w.porInvalidez.Visible());
        s.w.txtBeneficio[0].texto = "2";
        s.w.txtBeneficioParticipacion[0].texto = "100";
        s.Producto(codigo);
        EXPECT_FALSE(s.w.chkbpai.marcada);
        EXPECT_EQ(s.w.txtBeneficio[0].texto, "");
        EXPECT_EQ(s.w.txtBeneficioParticipacion[0].texto, "");
        EXPECT_FALSE(s.w.porInvalidez.Visible());
        EXPECT_FALSE(s.w.lblBeneficiosAdicionales.visible);
    }
}

// Once the accident rider is gone with the product, the other two are offered again.
TEST(Beneficios, CambioDeProductoDevuelveLosAccidentesExcluidos) {
    for (const std::string codigo : {"15", "11", "8", "6"}) {
        SCOPED_TRACE("a producto " + codigo);
        Sesion s;
        Preparar(s, "30", "1");
        // MA ticked, holding DI and TI off.
        s.w.chkma.marcada = true;
        for (Control* c : std::initializer_list<Control*>{&s.w.chkdi, &s.w.chkti, &s.w.lbldi, &s.w.lblti})
            c->habilitado = false;
        s.Producto(codigo);
        EXPECT_FALSE(s.w.chkma.marcada);
        EXPECT_FALSE(s.w.porAccidente.Visible());
        for (const Control* c : std::initializer_list<const Control*>{&s.w.chkma, &s.w.chkdi, &s.w.chkti, &s.w.lblma,
                                                                      &s.w.lbldi, &s.w.lblti})
            EXPECT_TRUE(c->habilitado);
    }
}

// ---------------------------------------------------------------- BITF and CAF

struct Tutor {
    bool bitf;  // else CAF
    std::string edad;
    bool marcada;
    Mensajes mensajes;
    int16_t edadPadreTutor;
};

TEST(BeneficiosDelTutor, EdadDelPadreOTutor) {
    const std::vector<Tutor> casos = {
        {true, "17", false, {}, 0},
        {true, "18", true, {}, 18},
        {true, "40", true, {}, 40},
        {true, "55", true, {}, 55},
        {true, "56", false, {kBitfMaxima}, 56},
        {true, "66", false, {kBitfMaxima}, 66},
        {false, "17", false, {}, 0},
        {false, "18", true, {}, 18},
        {false, "40", true, {}, 40},
        {false, "56", true, {}, 56},
        {false, "65", true, {}, 65},
        {false, "66", false, {kCafMaxima}, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.bitf ? "BITF" : "CAF") + " con tutor de " + c.edad);
        Sesion s;
        Preparar(s, "10", "6");
        ASSERT_FALSE(s.w.txtedad_menor.habilitado);
        ASSERT_TRUE(s.w.Chkbitf.habilitado && s.w.Chkcat.habilitado);
        s.guion.edadTutor = c.edad;
        if (c.bitf)
            s.w.FijarBITF(true);
        else
            s.w.FijarCAF(true);
        EXPECT_EQ(s.guion.vecesEdadTutor, 1);
        EXPECT_EQ(c.bitf ? s.w.Chkbitf.marcada : s.w.Chkcat.marcada, c.marcada);
        EXPECT_FALSE(c.bitf ? s.w.Chkcat.marcada : s.w.Chkbitf.marcada);
        EXPECT_EQ(s.guion.mensajes, c.mensajes);
        EXPECT_EQ(s.proceso.EdadPadreTutor, c.edadPadreTutor);
        // Product 6 keeps both boxes open.
        EXPECT_TRUE(s.w.Chkbitf.habilitado && s.w.Chkcat.habilitado);
    }
}

TEST(BeneficiosDelTutor, ElSegundoNoVuelveAPreguntar) {
    struct Caso {
        bool bitfPrimero;
        std::string edad;
        bool bitf, caf;
        Mensajes mensajes;
    };
    const std::vector<Caso> casos = {
        {true, "40", true, true, {}},
        {false, "40", true, true, {}},
        {false, "60", false, true, {kBitfMaxima}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.bitfPrimero ? "BITF" : "CAF") + " primero, tutor de " + c.edad);
        Sesion s;
        Preparar(s, "10", "6");
        s.guion.edadTutor = c.edad;
        if (c.bitfPrimero) {
            s.w.FijarBITF(true);
            s.w.FijarCAF(true);
        } else {
            s.w.FijarCAF(true);
            s.w.FijarBITF(true);
        }
        EXPECT_EQ(s.guion.vecesEdadTutor, 1);
        EXPECT_EQ(s.w.Chkbitf.marcada, c.bitf);
        EXPECT_EQ(s.w.Chkcat.marcada, c.caf);
        EXPECT_EQ(s.guion.mensajes, c.mensajes);
    }
}

TEST(BeneficiosDelTutor, DesmarcarNoPregunta) {
    Sesion s;
    Preparar(s, "10", "6");
    s.w.FijarBITF(true);
    ASSERT_EQ(s.guion.vecesEdadTutor, 1);
    s.w.FijarBITF(false);
    EXPECT_EQ(s.guion.vecesEdadTutor, 1);
    EXPECT_FALSE(s.w.Chkbitf.marcada);
    EXPECT_TRUE(s.guion.mensajes.empty());
}

TEST(BeneficiosDelTutor, FaltaProductoOEdad) {
    struct Caso {
        bool bitf;
        std::string edad, producto;
        Mensajes mensajes;
    };
    const std::vector<Caso> casos = {
        {true, "10", "", {kSinProducto}},
        {false, "10", "", {kSinProducto}},
        {true, "", "6", {kIngreseEdad}},
        {false, "", "6", {kIngreseEdad}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.bitf ? "BITF" : "CAF") + " edad '" + c.edad + "' producto '" + c.producto + "'");
        Sesion s;
        Preparar(s, c.edad, c.producto);
        s.w.foco = "Chkbitf";
        if (c.bitf)
            s.w.FijarBITF(true);
        else
            s.w.FijarCAF(true);
        EXPECT_EQ(s.guion.mensajes, c.mensajes);
        EXPECT_FALSE(s.w.Chkbitf.marcada || s.w.Chkcat.marcada);
        EXPECT_EQ(s.guion.vecesEdadTutor, 0);
        if (c.mensajes == Mensajes{kIngreseEdad}) {
            EXPECT_EQ(s.w.foco, "txtEdad");
        }
    }
}

TEST(BeneficiosDelTutor, OtroProductoLosDeshabilita) {
    Sesion s;
    Preparar(s, "10", "3");
    ASSERT_TRUE(s.w.Chkbitf.habilitado);
    s.w.FijarBITF(true);
    for (const Control* c : std::initializer_list<const Control*>{&s.w.Chkbitf, &s.w.Chkcat, &s.w.lblbitf, &s.w.lblcaf})
        EXPECT_FALSE(c->habilitado);
}

}  // namespace
}  // namespace prueba_app
