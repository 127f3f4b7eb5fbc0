// The prospect's data: capitals, the agent, the age typed or from a birth date, what an age
// change does to the rest of the window, and the sum assured against the global premium.
#include "apoyo.h"

namespace prueba_app {
namespace {

const std::string kMaximaAceptacion = "La Edad Máxima de aceptación  es de 70 de años.";
const std::string kMaximaServicios = "La Edad Máxima para contratar estos Servicios es de 70";

TEST(Asegurado, NombreYAgenteEnMayusculas) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"juan pérez", "JUAN PÉREZ"}, {"ñoño núñez", "ÑOÑO NÚÑEZ"}, {"Ana María", "ANA MARÍA"},
        {"ya EN mayúsculas 123", "YA EN MAYÚSCULAS 123"}, {"", ""},
    };
    for (const auto& [escrito, visto] : casos) {
        SCOPED_TRACE(escrito);
        Sesion s;
        s.w.txtNombre.texto = escrito;
        s.w.txtNombre_LostFocus();
        EXPECT_EQ(s.w.txtNombre.texto, visto);
        s.w.txtAgente.texto = escrito;
        s.w.txtAgente_LostFocus();
        EXPECT_EQ(s.w.txtAgente.texto, visto);
    }
}

TEST(Asegurado, NumeroDeAgenteFijaElAgente) {
    for (const std::string agente : {"", "PEDRO LÓPEZ", "otro"}) {
        SCOPED_TRACE(agente);
        Sesion s;
        s.w.txtAgente.texto = agente;
        s.w.txtNumAge.texto = "12345";
        s.w.txtNumAge_LostFocus();
        EXPECT_EQ(s.w.txtAgente.texto, "Veralta,S.A.B.");
        EXPECT_EQ(s.w.txtNumAge.texto, "12345");
    }
}

struct EdadTecleada {
    std::vector<std::string> teclas;
    std::string edad;
    Mensajes mensajes;
    std::string menor, fuma;  // child age and smoker while typing
    bool menorHabilitado;
    std::string menorAlSalir;
};

TEST(Asegurado, EdadTecleada) {
    const Mensajes rechazo = {Validacion(kMaximaAceptacion)};
    const std::vector<EdadTecleada> casos = {
        {{"7"}, "7", {}, "7", "No", false, "7"},
        {{"7", "70"}, "70", {}, " ", "No", true, " "},
        {{"70"}, "70", {}, " ", "Si", true, " "},
        {{"7", "70", "701"}, "", rechazo, "", "No", false, ""},
        {{"71"}, "", rechazo, "", "No", false, ""},
        {{"150"}, "", rechazo, "", "No", false, ""},
        {{"0"}, "0", {}, "0", "No", false, "0"},
        {{"17"}, "17", {}, "17", "No", false, "17"},
        {{"18"}, "18", {}, "18", "No", false, " "},
        {{"19"}, "19", {}, " ", "Si", true, " "},
        {{"1", "18"}, "18", {}, "18", "No", false, " "},
    };
    for (const auto& c : casos) {
        std::string nombre;
        for (const auto& t : c.teclas) nombre += "'" + t + "' ";
        SCOPED_TRACE(nombre);
        Sesion s;
        s.Nombre("Ana");
        s.FechaNacimiento("15/06/1990");
        s.w.comFuma.MostrarTexto("Si");
        s.guion.mensajes.clear();

        s.Edad(c.teclas, false);
        EXPECT_EQ(s.w.txtEdad.texto, c.edad);
        EXPECT_EQ(s.guion.mensajes, c.mensajes);
        EXPECT_EQ(s.w.txtFechaNacimiento.texto, "");  // typing the age drops the date
        EXPECT_EQ(s.w.txtNombre.texto, "ANA");       // a refused age keeps the name
        EXPECT_EQ(s.w.txtedad_menor.texto, c.menor);
        EXPECT_EQ(s.w.txtedad_menor.habilitado, c.menorHabilitado);
        EXPECT_EQ(s.w.comFuma.texto, c.fuma);

        s.w.txtEdad_LostFocus();
        EXPECT_EQ(s.w.txtedad_menor.texto, c.menorAlSalir);
        EXPECT_EQ(s.guion.mensajes, c.mensajes);
    }
}

TEST(Asegurado, EdadContratante) {
    struct Caso {
        std::string edad;
        double alTeclear, alSalir;
    };
    const std::vector<Caso> casos = {
        {"30", 30, 30}, {"18", 18, 18}, {"17.5", 17.5, 17.5}, {"17", 44, 17}, {"5", 44, 5},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.edad);
        Sesion s;
        s.proceso.EdadContratante = cv::Currency::DesdeEntero(44);
        s.Edad({c.edad}, false);
        EXPECT_DOUBLE_EQ(s.proceso.EdadContratante.ComoDouble(), c.alTeclear);
        s.w.txtEdad_LostFocus();
        EXPECT_DOUBLE_EQ(s.proceso.EdadContratante.ComoDouble(), c.alSalir);
    }
}

TEST(Asegurado, SalirDeLaEdadSinProductoVaAFuma) {
    Sesion s;
    s.Edad({"30"}, false);
    s.w.txtEdad_LostFocus();
    EXPECT_EQ(s.w.foco, "comFuma");
}

TEST(Asegurado, CambioDeEdadLimpiaBeneficiosYResultados) {
    for (const std::string edad : {"40", "71", ""}) {
        SCOPED_TRACE("'" + edad + "'");
        Sesion s;
        s.Nombre("ana");
        s.Edad("30");
        s.Producto("1");
        s.w.chkbpai.marcada = true;
        s.w.chkbpai_Click();
        ASSERT_TRUE(s.w.chkbpai.marcada);
        // MA ticked, DI and TI held off by it.
        s.w.chkma.marcada = s.w.Chkcat.marcada = true;
        s.w.chkdi.habilitado = s.w.chkti.habilitado = false;
        for (auto* t : {&s.w.txtBeneficio, &s.w.txtBeneficioParticipacion})
            for (auto& c : *t) {
                c.texto = "3";
                c.habilitado = true;
            }
        for (CuadroTexto* t : {&s.w.txtprimaneta, &s.w.txtPagoFraccionado, &s.w.txtderechopoliza, &s.w.txtTotal,
                               &s.w.txt1erRecibo, &s.w.txtSubsecuentes})
            t->texto = "1,234.00";
        s.w.dbgProductosCotizacion.Dimensionar(3, 4);
        s.guion.mensajes.clear();

        s.Edad(edad);
        for (const Casilla* c : {&s.w.chkbit, &s.w.chkbpai, &s.w.chkma, &s.w.chkdi, &s.w.chkti, &s.w.chkenfgr,
                                 &s.w.Chkbitf, &s.w.Chkcat})
            EXPECT_FALSE(c->marcada) << c->titulo;
        for (const auto* t : {&s.w.txtBeneficio, &s.w.txtBeneficioParticipacion})
            for (const auto& c : *t) {
                EXPECT_EQ(c.texto, "");
                EXPECT_FALSE(c.habilitado);
            }
        for (const CuadroTexto* t : {&s.w.txtprimaneta, &s.w.txtPagoFraccionado, &s.w.txtderechopoliza, &s.w.txtTotal,
                                     &s.w.txt1erRecibo, &s.w.txtSubsecuentes})
            EXPECT_EQ(t->texto, "");
        EXPECT_EQ(s.w.dbgProductosCotizacion.filas, 0);
        EXPECT_EQ(s.guion.mensajes, edad == "71" ? Mensajes{Validacion(kMaximaAceptacion)} : Mensajes{});
        EXPECT_TRUE(s.w.chkdi.habilitado && s.w.chkti.habilitado);
    }
}

TEST(Asegurado, EdadYNombreHabilitanLaMoneda) {
    struct Caso {
        std::string nombre, edad;
        bool moneda;
    };
    const std::vector<Caso> casos = {{"ana", "30", true}, {"", "30", false}, {"ana", "", false}, {"ana", "71", false}};
    for (const auto& c : casos) {
        SCOPED_TRACE("'" + c.nombre + "' '" + c.edad + "'");
        Sesion s;
        s.w.comMoneda.habilitado = false;
        s.w.txtNombre.texto = c.nombre;
        s.Edad(c.edad);
        EXPECT_EQ(s.w.comMoneda.habilitado, c.moneda);
    }
}

struct Disponibles {
    std::string producto, edad;
    bool seis, bitfCaf;
};

// The riders offered once the age is typed, after the product was chosen.
TEST(Asegurado, BeneficiosDisponiblesPorEdad) {
    const std::vector<Disponibles> casos = {
        {"6", "10", false, true}, {"6", "17", false, true}, {"6", "30", true, false},
        {"1", "10", true, false}, {"1", "30", true, false}, {"3", "17", true, true},
        {"3", "18", true, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("producto " + c.producto + " edad " + c.edad);
        Sesion s;
        s.Nombre("ana");
        s.Producto(c.producto);
        s.Edad(c.edad);
        const FrmCotizador& w = s.w;
        for (const Control* b : std::initializer_list<const Control*>{&w.chkbit, &w.chkbpai, &w.chkma, &w.chkdi, &w.chkti,
                                                                      &w.chkenfgr, &w.lblbit, &w.lblbpai, &w.lblma,
                                                                      &w.lbldi, &w.lblti, &w.lblenfgr})
            EXPECT_EQ(b->habilitado, c.seis);
        for (const Control* b : std::initializer_list<const Control*>{&w.Chkbitf, &w.Chkcat})
            EXPECT_EQ(b->habilitado, c.bitfCaf);
        if (c.producto == "6" || !c.bitfCaf) {
            for (const Control* b : std::initializer_list<const Control*>{&w.lblbitf, &w.lblcaf})
                EXPECT_EQ(b->habilitado, c.bitfCaf);
        }
    }
}

TEST(Asegurado, SalirDeLaEdadConTemporalAnualCierraLosSeis) {
    for (const std::string codigo : {"7", "8", "9", "10"}) {
        SCOPED_TRACE("producto " + codigo);
        Sesion s;
        s.Nombre("ana");
        s.Producto(codigo);
        s.Edad("40");
        for (const Casilla* c : {&s.w.chkbit, &s.w.chkbpai, &s.w.chkma, &s.w.chkdi, &s.w.chkti, &s.w.chkenfgr})
            EXPECT_FALSE(c->habilitado) << c->titulo;
    }
}

struct Nacimiento {
    std::string fecha, edadPrevia;
    std::string edad, fechaQueda;
    Mensajes mensajes;
    std::string menor;
    bool menorHabilitado;
    std::string foco;
};

TEST(Asegurado, FechaDeNacimiento) {
    const Mensajes invalida = {Simple("Introduzca una fecha valida o Edad")};
    const std::vector<Nacimiento> casos = {
        {"15/06/1990", "", "35", "15/06/1990", {}, "", true, "comSexo"},
        {"20/06/1990", "", "34", "20/06/1990", {}, "", true, "comSexo"},
        {"15/06/1990", "50", "35", "15/06/1990", {}, "", true, "comSexo"},
        {"15/06/1955", "", "70", "15/06/1955", {}, "", true, "comSexo"},
        {"16/06/1954", "", "70", "16/06/1954", {}, "", true, "comSexo"},
        {"15/06/1954", "", "", "", {Validacion(kMaximaAceptacion), Validacion(kMaximaServicios)}, "", false, "comSexo"},
        {"01/01/1930", "40", "", "", {Validacion(kMaximaAceptacion), Validacion(kMaximaServicios)}, "", false, "comSexo"},
        {"15/06/2007", "", "18", "15/06/2007", {}, "", true, "comSexo"},
        {"16/06/2007", "", "17", "16/06/2007", {}, "17", false, "comSexo"},
        {"15/06/2015", "", "10", "15/06/2015", {}, "10", false, "comSexo"},
        {"15/06/2025", "", "0", "15/06/2025", {}, "0", false, "comSexo"},
        {"16/06/2025", "", "", "", {Simple("fecha invalida verifique")}, "", false, "txtFechaNacimiento"},
        {"16/06/2025", "30", "30", "", {Simple("fecha invalida verifique")}, " ", true, "txtFechaNacimiento"},
        {"31/02/2000", "", "", "", invalida, "", false, "comSexo"},
        {"abc", "", "", "", invalida, "", false, "comSexo"},
        {"", "", "", "", invalida, "", false, "comSexo"},
        {"31/02/2000", "30", "30", "31/02/2000", {}, " ", true, "comSexo"},
        {"abc", "30", "30", "abc", {}, " ", true, "comSexo"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("'" + c.fecha + "' con edad '" + c.edadPrevia + "'");
        Sesion s;
        s.Nombre("ana");
        if (!c.edadPrevia.empty()) s.Edad(c.edadPrevia);
        s.guion.mensajes.clear();

        s.FechaNacimiento(c.fecha);
        EXPECT_EQ(s.guion.mensajes, c.mensajes);
        EXPECT_EQ(s.w.txtEdad.texto, c.edad);
        EXPECT_EQ(s.w.txtFechaNacimiento.texto, c.fechaQueda);
        EXPECT_EQ(s.w.txtNombre.texto, "ANA");
        EXPECT_EQ(s.w.txtedad_menor.texto, c.menor);
        EXPECT_EQ(s.w.txtedad_menor.habilitado, c.menorHabilitado);
        EXPECT_EQ(s.w.foco, c.foco);
    }
}

TEST(Asegurado, EdadTecleadaTrasLaFechaVaciaLaFecha) {
    Sesion s;
    s.FechaNacimiento("15/06/1990");
    ASSERT_EQ(s.w.txtEdad.texto, "35");
    ASSERT_EQ(s.w.txtFechaNacimiento.texto, "15/06/1990");
    s.Edad("36");
    EXPECT_EQ(s.w.txtFechaNacimiento.texto, "");
    EXPECT_EQ(s.w.txtEdad.texto, "36");
}

// ---------------------------------------------------------------- sum assured and premium

struct Suma {
    std::string texto;
    Mensajes mensajes;
    std::string queda;
    bool prima;  // global premium open
    std::string alSalir;
};

TEST(Asegurado, SumaAsegurada) {
    const Mensajes noNumero = {Simple("Ingresa un Numero")};
    const std::vector<Suma> casos = {
        {"1500000", {}, "1500000", false, "1,500,000.00"},
        {"1,500,000", {}, "1,500,000", false, "1,500,000.00"},
        {"1500000.5", {}, "1500000.5", false, "1,500,000.50"},
        {" 250000 ", {}, " 250000 ", false, "250,000.00"},
        {"999.999", {}, "999.999", false, "1,000.00"},
        {"0", {}, "0", true, "0.00"},
        {"0.00", {}, "0.00", true, "0.00"},
        {"", {}, "", true, ""},
        {"abc", noNumero, "", true, ""},
        {"15abc", noNumero, "", true, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("'" + c.texto + "'");
        Sesion s;
        s.Edad("30");
        s.w.FijarSumaAsegurada(c.texto);
        EXPECT_EQ(s.guion.mensajes, c.mensajes);
        EXPECT_EQ(s.w.txtSumaAseguradaGlobal.texto, c.queda);
        EXPECT_EQ(s.w.txtPrimaTotal.habilitado, c.prima);
        EXPECT_EQ(s.w.lblPrimaGlobal.habilitado, c.prima);
        EXPECT_EQ(s.w.txtEdad.texto, "30");
        s.w.txtSumaAseguradaGlobal_LostFocus();
        EXPECT_EQ(s.w.txtSumaAseguradaGlobal.texto, c.alSalir);
    }
}

// The change rule takes "1E6" for a number; leaving the field formats it as one.
TEST(Asegurado, SumaConExponenteSeFormatea) {
    Sesion s;
    s.w.FijarSumaAsegurada("1E6");
    ASSERT_TRUE(s.guion.mensajes.empty());
    ASSERT_FALSE(s.w.txtPrimaTotal.habilitado);
    s.w.txtSumaAseguradaGlobal_LostFocus();
    EXPECT_EQ(s.w.txtSumaAseguradaGlobal.texto, "1,000,000.00");
}

TEST(Asegurado, BorrarLaSumaNoAvisa) {
    Sesion s;
    s.Edad("30");
    for (const std::string t : {"1", "15", "150", "15", "1", ""}) s.w.FijarSumaAsegurada(t);
    EXPECT_TRUE(s.guion.mensajes.empty());
    EXPECT_TRUE(s.w.txtPrimaTotal.habilitado);
    EXPECT_EQ(s.w.txtEdad.texto, "30");
}

TEST(Asegurado, SumaSinAvisoCuandoSeSuprime) {
    Sesion s;
    s.w.SuprimirAvisoSuma = true;
    s.w.FijarSumaAsegurada("abc");
    EXPECT_TRUE(s.guion.mensajes.empty());
    EXPECT_EQ(s.w.txtSumaAseguradaGlobal.texto, "");
}

TEST(Asegurado, PrimaGlobal) {
    struct Caso {
        std::string texto;
        bool suma;  // sum assured open
        std::string alSalir;
    };
    const std::vector<Caso> casos = {
        {"2500", false, "2,500.00 "},
        {"1234567.891", false, "1,234,567.89 "},
        {"12,000", false, "12,000.00 "},
        {"0", false, "0.00 "},
        {"abc", false, "abc"},
        {"", true, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("'" + c.texto + "'");
        Sesion s;
        s.w.FijarPrimaTotal(c.texto);
        EXPECT_EQ(s.w.txtSumaAseguradaGlobal.habilitado, c.suma);
        EXPECT_EQ(s.w.lblSumaAsegurada.habilitado, c.suma);
        s.w.txtPrimaTotal_LostFocus();
        EXPECT_EQ(s.w.txtPrimaTotal.texto, c.alSalir);
        EXPECT_TRUE(s.guion.mensajes.empty());
    }
}

TEST(Asegurado, ImporteDesbordadoNoEscapa) {
    const std::string enorme = "1" + std::string(400, '0');
    Sesion s;
    s.w.FijarSumaAsegurada(enorme);
    EXPECT_FALSE(s.w.txtPrimaTotal.habilitado);
    EXPECT_NO_THROW(s.w.txtSumaAseguradaGlobal_LostFocus());
    s.w.FijarSumaAsegurada("");
    s.w.FijarPrimaTotal(enorme);
    EXPECT_NO_THROW(s.w.txtPrimaTotal_LostFocus());
    EXPECT_NO_THROW(s.Edad(enorme));
}

TEST(Asegurado, SumaYPrimaSeExcluyen) {
    Sesion s;
    s.w.FijarPrimaTotal("2500");
    ASSERT_FALSE(s.w.txtSumaAseguradaGlobal.habilitado);
    s.w.FijarPrimaTotal("");
    ASSERT_TRUE(s.w.txtSumaAseguradaGlobal.habilitado);
    s.w.FijarSumaAsegurada("100000");
    EXPECT_FALSE(s.w.txtPrimaTotal.habilitado);
    s.w.FijarSumaAsegurada("");
    EXPECT_TRUE(s.w.txtPrimaTotal.habilitado);
}

}  // namespace
}  // namespace prueba_app
