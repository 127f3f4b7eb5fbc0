// Login, the start-up flow, the user's role, the menus and the commands that leave or help.
#include <gtest/gtest.h>

#include "apoyo.h"
#include "app/aplicacion.h"

namespace prueba_app {
namespace {

// The person also answers the file-open dialog and watches what the shell is asked to open.
class GuionCompleto : public Guion {
public:
    std::optional<std::filesystem::path> archivoElegido;
    std::vector<std::filesystem::path> abiertos;
    std::optional<std::filesystem::path> ElegirBaseDatos() override { return archivoElegido; }
    void AbrirDocumento(const std::filesystem::path& p) override { abiertos.push_back(p); }
};

TEST(Inicio, LoginAceptaSoloCuentasDelSistema) {
    Carpeta carpeta("031208.svi");
    GuionCompleto ui;
    AgentesFalsos agentes;
    agentes.cuentas["jperez"] = {{"nombre", "jperez"}, {"perfil", "Agentes"}};
    Aplicacion app(ui, agentes, carpeta.Ruta());
    EXPECT_EQ(app.login.Label1.texto, "¿Cual es tu cuenta del OSTRIK?");
    EXPECT_EQ(app.login.Command1.titulo, "&Aceptar");

    // Sent exactly as typed: another letter case is another account, an apostrophe is no quote.
    for (const char* nombre : {"JPEREZ", "jperez ", "o'brien"}) {
        SCOPED_TRACE(nombre);
        ui.mensajes.clear();
        app.login.txtUsuario.texto = nombre;
        app.login.txtUsuario_LostFocus();
        EXPECT_EQ(app.proceso.UsuarioSistema, nombre);
        EXPECT_FALSE(app.Entrar(kHoy));
        EXPECT_EQ(ui.mensajes, Mensajes{Validacion("No existe ese Login en el Sistema")});
        EXPECT_EQ(app.login.txtUsuario.texto, "");
        EXPECT_EQ(app.login.foco, "txtUsuario");
        EXPECT_EQ(app.Principal(), nullptr);
        EXPECT_EQ(agentes.consultas.back(), nombre);
    }

    ui.mensajes.clear();
    app.login.txtUsuario.texto = "jperez";
    ASSERT_TRUE(app.Entrar(kHoy));
    EXPECT_TRUE(ui.mensajes.empty());
    EXPECT_EQ(app.proceso.UsuarioSistema, "jperez");
    ASSERT_NE(app.Principal(), nullptr);
    EXPECT_EQ(app.Principal()->lbldate.texto, "15/06/2025");  // initialised on opening
    EXPECT_EQ(app.Principal()->txtTasaInteres.texto, "5.5");
}

TEST(Inicio, SinSistemaDeAgentesSeExplicaYNoSeEntra) {
    Carpeta carpeta("031208.svi");
    GuionCompleto ui;
    AgentesFalsos agentes;
    agentes.sinConexion = true;
    Aplicacion app(ui, agentes, carpeta.Ruta());
    app.login.txtUsuario.texto = "jperez";
    EXPECT_FALSE(app.Entrar(kHoy));
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_NE(ui.mensajes[0].texto.find("No se pudo conectar con el sistema de agentes"), std::string::npos);
    EXPECT_NE(ui.mensajes[0].texto.find("IM002"), std::string::npos);
    EXPECT_EQ(app.login.txtUsuario.texto, "jperez");  // nothing typed is lost
}

// A computer without the data source (the first run of a new installation) is told how to point
// the program at the agent server, or at the sample agent system when the installation has one;
// a failure of a configured server is left to the driver's own text.
TEST(Inicio, SinOrigenDeDatosSeExplicaComoConfigurarlo) {
    using Causa = ErrorSistemaAgentes::Causa;
    const ConfiguracionOdbc muestra{"/opt/cv/etc", "/opt/cv/etc/odbc.ini"};
    struct Caso {
        Causa causa;
        bool conMuestra;
        std::vector<std::string> dice;
        std::vector<std::string> noDice;
    };
    const std::string kServidor = "escribir la sección [OSTRIK167] (controlador, servidor, puerto y base de datos)";
    const std::string kMuestra = "sistema de agentes de muestra (cuentas jperez, de agente, y rgarcia, de oficina)";
    const std::string kVariables = "ODBCINI=/opt/cv/etc/odbc.ini y ODBCSYSINI=/opt/cv/etc.";
    const Caso casos[] = {
        {Causa::SinOrigenDatos, true, {"no tiene configurado el origen de datos OSTRIK167", kServidor, "ODBCINI apuntando", kMuestra, kVariables}, {}},
        {Causa::SinOrigenDatos, false, {"no tiene configurado el origen de datos OSTRIK167", kServidor}, {kMuestra}},
        {Causa::SinControlador, true, {"nombra un controlador ODBC que no está registrado", "odbcinst.ini", kMuestra, kVariables}, {kServidor}},
        {Causa::ControladorNoCarga, true, {"libsqliteodbc", "odbc-postgresql", kMuestra}, {kServidor}},
        {Causa::CredencialesRechazadas, true, {}, {kServidor, kMuestra, "\n"}},
        {Causa::ServidorNoResponde, true, {}, {kServidor, kMuestra, "\n"}},
        {Causa::Otra, true, {}, {kServidor, kMuestra, "\n"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(static_cast<int>(c.causa) * 10 + c.conMuestra);
        Carpeta carpeta("031208.svi");
        GuionCompleto ui;
        AgentesFalsos agentes;
        agentes.sinConexion = true;
        agentes.causaSinConexion = c.causa;
        Aplicacion app(ui, agentes, carpeta.Ruta());
        if (c.conMuestra) app.login.odbcMuestra = muestra;
        app.login.txtUsuario.texto = "jperez";
        EXPECT_FALSE(app.Entrar(kHoy));
        ASSERT_EQ(ui.mensajes.size(), 1u);
        EXPECT_EQ(ui.mensajes[0].titulo, "Validación");
        const std::string& m = ui.mensajes[0].texto;
        // The driver's own explanation always comes first.
        EXPECT_TRUE(m.starts_with("No se pudo conectar con el sistema de agentes: IM002 Data source name not found")) << m;
        for (const auto& d : c.dice) EXPECT_NE(m.find(d), std::string::npos) << m << "\n  sin: " << d;
        for (const auto& d : c.noDice) EXPECT_EQ(m.find(d), std::string::npos) << m << "\n  con: " << d;
        EXPECT_EQ(app.login.txtUsuario.texto, "jperez");
        EXPECT_EQ(app.Principal(), nullptr);
    }
}

TEST(Inicio, CerrarLaVentanaPrincipalVuelveAlLoginYEntrarLaReinicia) {
    Carpeta carpeta("031208.svi");
    GuionCompleto ui;
    AgentesFalsos agentes;
    agentes.cuentas["ana"] = {{"nombre", "ana"}};
    Aplicacion app(ui, agentes, carpeta.Ruta());
    app.login.txtUsuario.texto = "ana";
    ASSERT_TRUE(app.Entrar(kHoy));
    app.Principal()->txtNombre.texto = "ANA";
    app.CerrarPrincipal();
    EXPECT_EQ(app.Principal(), nullptr);
    EXPECT_EQ(app.login.txtUsuario.texto, "ana");  // the account stays shown
    ASSERT_TRUE(app.Entrar(kHoy));
    EXPECT_EQ(app.Principal()->txtNombre.texto, "");  // a freshly initialised window
    EXPECT_EQ(app.Principal()->ModoEdicion, 1);
}

TEST(Inicio, ElPerfilDecideBaseDeDatosYCamposDeGestion) {
    struct Caso {
        const char* perfil;
        bool menuVisible, menuHabilitado, camposVisibles;
    };
    const Caso casos[] = {
        {"Agentes", false, false, false},  // agents quote only
        {"Oficina", true, true, true},     // office staff reach the database and the management fields
        {"", true, false, false},          // no role known: the window as designed
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.perfil);
        Carpeta carpeta("031208.svi");
        GuionCompleto ui;
        AgentesFalsos agentes;
        FilaUsuario fila = {{"nombre", "u"}};
        if (*c.perfil) fila["perfil"] = c.perfil;
        agentes.cuentas["u"] = fila;
        Aplicacion app(ui, agentes, carpeta.Ruta());
        app.login.txtUsuario.texto = "u";
        ASSERT_TRUE(app.Entrar(kHoy));
        FrmCotizador& w = *app.Principal();
        EXPECT_EQ(w.PerfilUsuario, *c.perfil ? c.perfil : "Agentes");
        if (!*c.perfil) {
            // The row had no role: the account is an agent's.
            EXPECT_FALSE(w.mnuBaseDatos.visible);
            continue;
        }
        EXPECT_EQ(w.mnuBaseDatos.visible, c.menuVisible);
        EXPECT_EQ(w.mnuBaseDatos.habilitado, c.menuHabilitado);
        for (const Control* campo : std::initializer_list<const Control*>{
                 &w.chkRiesgoSelecto, &w.txtExtraprimaOcupacional, &w.txtExtraPrimaMedica, &w.txtTasaInteres})
            EXPECT_EQ(campo->visible, c.camposVisibles);
    }
}

TEST(Inicio, BaseDeDatosElegidaSeVinculaEnteraOSeExplica) {
    Sesion s;
    GuionCompleto ui;
    EstadoProceso proceso;
    FrmCotizador w(ui, proceso, s.carpeta.Ruta());
    w.PerfilUsuario = "Oficina";
    w.Form_Load(kHoy);
    ASSERT_TRUE(w.Catalogo());

    // Cancelled: nothing changes.
    w.mnuBaseDatos_Click();
    EXPECT_FALSE(w.butGenerar.habilitado);
    EXPECT_FALSE(w.mnuAbrir.habilitado);

    // A file that is not a product database: said, and the catalogue in use stays.
    const auto otra = s.carpeta.Ruta() / "otra.svi";
    std::filesystem::copy_file(CV_BASE_MUESTRA, otra);
    std::filesystem::resize_file(otra, 1000);
    ui.archivoElegido = otra;
    w.mnuBaseDatos_Click();
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_NE(ui.mensajes[0].texto.find("otra.svi"), std::string::npos);
    EXPECT_TRUE(w.Catalogo());
    EXPECT_FALSE(w.mnuGuardar.habilitado);
    EXPECT_EQ(w.RutaBaseDatos.filename(), "031208.svi");

    // A good one under any name: bound, and the file commands enabled.
    const auto buena = s.carpeta.Ruta() / "Productos 2025.svi";
    std::filesystem::copy_file(CV_BASE_MUESTRA, buena);
    ui.archivoElegido = buena;
    w.mnuBaseDatos_Click();
    EXPECT_EQ(w.RutaBaseDatos, buena);
    EXPECT_EQ(w.Catalogo()->ruta, buena);
    for (const Control* c : std::initializer_list<const Control*>{&w.butGenerar, &w.butBorrar, &w.mnuAbrir, &w.mnuGuardar,
                                                                  &w.mnuGuardarComo})
        EXPECT_TRUE(c->habilitado);
}

TEST(Inicio, AyudaAbreElManualYSalirTermina) {
    Carpeta carpeta("031208.svi");
    GuionCompleto ui;
    EstadoProceso proceso;
    FrmCotizador w(ui, proceso, carpeta.Ruta());
    w.Form_Load(kHoy);
    w.mnuAyuda_Click();
    ASSERT_EQ(ui.abiertos.size(), 1u);
    EXPECT_EQ(ui.abiertos[0], carpeta.Ruta() / "MANUAL DE USUARIO.pps");
    EXPECT_EQ(w.mnuSalir.titulo, "&Salir");
    EXPECT_EQ(w.mnuAyuda.titulo, "A&yuda");
    EXPECT_FALSE(w.TerminarAplicacion());
    w.Command1_Click();
    EXPECT_TRUE(w.TerminarAplicacion());
    FrmCotizador w2(ui, proceso, carpeta.Ruta());
    w2.mnuSalir_Click();
    EXPECT_TRUE(w2.TerminarAplicacion());
}

TEST(Inicio, PerfilVacioORellenadoSeLeeSinBlancos) {
    // A NULL reads as empty and a fixed-width column pads: neither may give office rights.
    const std::pair<const char*, const char*> casos[] = {{"", "Agentes"}, {"Agentes   ", "Agentes"}, {" Oficina ", "Oficina"}};
    for (const auto& [leido, perfil] : casos) {
        SCOPED_TRACE(leido);
        GuionCompleto ui;
        EstadoProceso proceso;
        AgentesFalsos agentes;
        agentes.cuentas["u"] = {{"nombre", "u"}, {"perfil", leido}};
        FrmUsuario login(ui, proceso, agentes);
        login.txtUsuario.texto = "u";
        ASSERT_TRUE(login.Command1_Click());
        EXPECT_EQ(login.PerfilUsuario, perfil);
    }
}

TEST(Inicio, LaImpresionSeAnotaConLaCuentaDelLogin) {
    Carpeta carpeta("031208.svi");
    GuionCompleto ui;
    AgentesFalsos agentes;
    agentes.cuentas["núñez"] = {{"nombre", "núñez"}, {"perfil", "Agentes"}};
    Aplicacion app(ui, agentes, carpeta.Ruta());
    app.login.txtUsuario.texto = "núñez";
    ASSERT_TRUE(app.Entrar(kHoy));

    const RegistroUso r = RegistroDeImpresion(app.proceso, "1234", "Vida Entera Pesos", Fecha{2025, 3, 5});
    EXPECT_EQ(r, (RegistroUso{"núñez", "05/03/2025", "1234", "Vida Entera Pesos"}));
    EXPECT_TRUE(AnotarUso(ui, agentes, r));
    EXPECT_EQ(agentes.registros, std::vector<RegistroUso>{r});
    EXPECT_TRUE(ui.mensajes.empty());

    // A record that has to wait is said, in a plain box, with the agent system's reason.
    agentes.sinConexion = true;
    EXPECT_FALSE(AnotarUso(ui, agentes, r));
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].estilo, EstiloMensaje::Simple);
    EXPECT_EQ(ui.mensajes[0].texto,
              "No se pudo anotar la cotización en el sistema de agentes: el registro de uso quedó pendiente: sin conexión");
}

}  // namespace
}  // namespace prueba_app
