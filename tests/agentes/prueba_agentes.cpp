// The agent system over ODBC, on a real data source: the login lookup, the usage log, the
// records kept while the agent system cannot take them, and the explanation of each failure.
// The same suite runs on SQLite and on PostgreSQL: --motor=SQLite|PostgreSQL picks the build's
// ODBC configuration of that back end (the PostgreSQL one is written by tools/postgres-prueba.sh).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "apoyo.h"
#include "app/agentes_odbc.h"
#include "app/aplicacion.h"
#include "data/agentes.h"
#include "data/odbc.h"

namespace cv::datos {
void PrintTo(const RegistroUso& r, std::ostream* os) {
    *os << '{' << r.usu_cotiza << " | " << r.fec_cotiza << " | " << r.age_cotiza << " | " << r.plan_cotiza << '}';
}
}  // namespace cv::datos

namespace prueba_agentes {
namespace {

using namespace prueba_app;
using cv::datos::ErrorAgentes;
using cv::datos::UsosPendientes;
using Causa = ErrorAgentes::Causa;
namespace odbc = cv::datos::odbc;
namespace fs = std::filesystem;

bool enPostgreSQL = false;
bool EnPostgreSQL() { return enPostgreSQL; }

const std::string kNoConecta = "No se pudo conectar con el sistema de agentes: ";

// Everything "cotizavida" holds, in the order the rows went in.
std::vector<RegistroUso> Registros() {
    odbc::Conexion c(cv::datos::kCadenaConexionAgentes);
    // Neither table has a key of its own: a fresh table's physical order is its insertion order.
    odbc::Sentencia s = c.Preparar(std::string("SELECT usu_cotiza, fec_cotiza, age_cotiza, plan_cotiza FROM cotizavida ") +
                                   (EnPostgreSQL() ? "ORDER BY ctid" : "ORDER BY rowid"));
    s.Ejecutar();
    std::vector<RegistroUso> r;
    while (auto f = s.Siguiente()) r.push_back({*(*f)[0], *(*f)[1], *(*f)[2], *(*f)[3]});
    return r;
}

std::string Contenido(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// An empty usage log and a pending file of the test's own.
class Agentes : public ::testing::Test {
protected:
    void SetUp() override { odbc::Conexion(cv::datos::kCadenaConexionAgentes).Ejecutar("DELETE FROM cotizavida"); }

    Carpeta carpeta{"031208.svi"};
    const fs::path pendientes = carpeta.Ruta() / "pendientes.txt";
};

TEST_F(Agentes, LoginPorNombreExactoConComillasYAcentos) {
    struct Caso {
        const char* nombre;
        const char* perfil;  // nullptr: no such account
        const char* completo;
    };
    const Caso casos[] = {
        {"jperez", "Agentes", "Juan Pérez Gómez"},
        {"rgarcia", "Oficina", "Rosa García Treviño"},
        {"o'brien", "Agentes", "Patricia O'Brien Salas"},
        {"el \"jefe\"", "Oficina", "Arturo Mendoza Cárdenas"},
        {"núñez", "Agentes", "José Núñez Ibáñez"},
        {"JPEREZ", nullptr, nullptr},
        {"jperez ", nullptr, nullptr},
        {"nunez", nullptr, nullptr},
        {"o'", nullptr, nullptr},
        {"el \"", nullptr, nullptr},
        {"' OR '1'='1", nullptr, nullptr},
        {"x'; DELETE FROM iusuarios; --", nullptr, nullptr},
    };
    Guion ui;
    SistemaAgentesOdbc agentes(pendientes);
    Aplicacion app(ui, agentes, carpeta.Ruta());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        ui.mensajes.clear();
        app.CerrarPrincipal();
        app.login.txtUsuario.texto = c.nombre;
        const bool entro = app.Entrar(kHoy);
        ASSERT_EQ(entro, c.perfil != nullptr);
        if (!entro) {
            EXPECT_EQ(ui.mensajes, Mensajes{Validacion("No existe ese Login en el Sistema")});
            EXPECT_EQ(app.login.txtUsuario.texto, "");
            EXPECT_EQ(app.login.foco, "txtUsuario");
            continue;
        }
        EXPECT_TRUE(ui.mensajes.empty());
        EXPECT_EQ(app.proceso.UsuarioSistema, c.nombre);
        EXPECT_EQ(app.Principal()->PerfilUsuario, c.perfil);
        ASSERT_TRUE(app.Principal()->Catalogo());  // the product database opens beside the agent system
        // The row comes back byte for byte.
        const auto fila = agentes.BuscarUsuario(c.nombre);
        ASSERT_TRUE(fila);
        EXPECT_EQ(fila->at("nombre"), c.nombre);
        EXPECT_EQ(fila->at("nombre_completo"), c.completo);
    }
    odbc::Sentencia s = odbc::Conexion(cv::datos::kCadenaConexionAgentes).Preparar("SELECT count(*) FROM iusuarios");
    s.Ejecutar();
    EXPECT_EQ(s.Siguiente()->at(0), "7");
}

TEST_F(Agentes, ElRegistroDeUsoSeLeeComoSeEscribio) {
    Guion ui;
    SistemaAgentesOdbc agentes(pendientes);
    Aplicacion app(ui, agentes, carpeta.Ruta());
    app.login.txtUsuario.texto = "núñez";
    ASSERT_TRUE(app.Entrar(kHoy));

    const RegistroUso r1 = RegistroDeImpresion(app.proceso, "1234", "Dotal 20 \"Plus\" d'Oro", cv::Fecha{2025, 3, 5});
    const RegistroUso r2 = RegistroDeImpresion(app.proceso, "", "Vitalicio Dólares", cv::Fecha{2024, 12, 31});
    EXPECT_TRUE(AnotarUso(ui, agentes, r1));
    EXPECT_TRUE(AnotarUso(ui, agentes, r2));
    EXPECT_TRUE(ui.mensajes.empty());
    EXPECT_EQ(Registros(), (std::vector<RegistroUso>{{"núñez", "05/03/2025", "1234", "Dotal 20 \"Plus\" d'Oro"},
                                                     {"núñez", "31/12/2024", "", "Vitalicio Dólares"}}));
    EXPECT_FALSE(fs::exists(pendientes));
}

TEST_F(Agentes, LosPendientesSeEscribenUnaVezAlConectarLosMasViejosPrimero) {
    const RegistroUso p1{"jperez", "01/06/2025", "10", "Temporal 10"};
    const RegistroUso p2{"o'brien", "02/06/2025", "20", "tab\tsalto\nbarra\\ retorno\r fin"};
    const RegistroUso p3{"núñez", "03/06/2025", "30", "Educacional"};
    UsosPendientes archivo(pendientes);
    archivo.Agregar(p1);
    archivo.Agregar(p2);
    // A damaged line is nobody's record to drop: it stays in the file.
    std::ofstream(pendientes, std::ios::app) << "línea\tdañada\n";
    archivo.Agregar(p3);
    ASSERT_EQ(archivo.Leer(), (std::vector<RegistroUso>{p1, p2, p3}));

    SistemaAgentesOdbc agentes(pendientes);
    agentes.Conectar();
    EXPECT_EQ(Registros(), (std::vector<RegistroUso>{p1, p2, p3}));
    EXPECT_EQ(Contenido(pendientes), "línea\tdañada\n");

    agentes.Conectar();  // a second login writes nothing again
    const RegistroUso p4{"jperez", "04/06/2025", "10", "Vitalicio"};
    agentes.RegistrarUso(p4);
    EXPECT_EQ(Registros(), (std::vector<RegistroUso>{p1, p2, p3, p4}));
}

// Data sources of the tests' configuration that cannot be opened, each for its own reason.
TEST(FallasDeConexion, CadaCausaSeExplicaYNadaSePierde) {
    struct Caso {
        const char* cadena;
        Causa causa;
        std::vector<std::string> dice;
    };
    const Caso casos[] = {
        {"DSN=NoConfigurado",
         Causa::SinOrigenDatos,
         {"el origen de datos ODBC \"NoConfigurado\" no está configurado (ODBCINI=", "IM002",
          "Data source name not found"}},
        {"DSN=ControladorSinRegistrar",
         Causa::SinControlador,
         {"el origen de datos ODBC \"ControladorSinRegistrar\" está configurado, pero su controlador \"Controlador "
          "Inexistente\" no está registrado en odbcinst.ini (ODBCSYSINI=",
          "IM002"}},
        {"DSN=SinControlador",
         Causa::ControladorNoCarga,
         {"no se pudo cargar el controlador ODBC del origen de datos ODBC \"SinControlador\" (estado ODBC 01000:",
          "libcontrolador.so"}},
        {"DSN=BaseInaccesible", Causa::ConexionRechazada, {"el origen de datos ODBC \"BaseInaccesible\" no aceptó la conexión (estado ODBC HY000:"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.cadena);
        Carpeta carpeta(nullptr);
        const fs::path pendientes = carpeta.Ruta() / "pendientes.txt";
        SistemaAgentesOdbc agentes(pendientes, c.cadena);
        try {
            agentes.Conectar();
            ADD_FAILURE() << "conectó";
        } catch (const ErrorAgentes& e) {
            EXPECT_EQ(e.causa(), c.causa) << e.what();
        }

        // The login window says it and stays as it was.
        Guion ui;
        EstadoProceso proceso;
        FrmUsuario login(ui, proceso, agentes);
        login.txtUsuario.texto = "jperez";
        for (int vez = 0; vez < 2; ++vez) {
            ui.mensajes.clear();
            EXPECT_FALSE(login.Command1_Click());
            ASSERT_EQ(ui.mensajes.size(), 1u);
            EXPECT_EQ(ui.mensajes[0].titulo, "Validación");
            const std::string& m = ui.mensajes[0].texto;
            EXPECT_TRUE(m.starts_with(kNoConecta)) << m;
            for (const auto& d : c.dice) EXPECT_NE(m.find(d), std::string::npos) << m << "\n  sin: " << d;
            EXPECT_EQ(login.txtUsuario.texto, "jperez");
        }

        // A proposal printed meanwhile keeps its record.
        const RegistroUso r{"jperez", "15/06/2025", "7", "Temporal"};
        EXPECT_FALSE(AnotarUso(ui, agentes, r));
        EXPECT_NE(ui.mensajes.back().texto.find("quedó pendiente en " + pendientes.string()), std::string::npos);
        EXPECT_NE(ui.mensajes.back().texto.find(c.dice[0]), std::string::npos);
        EXPECT_EQ(UsosPendientes(pendientes).Leer(), std::vector<RegistroUso>{r});
    }
}

// Only a server refuses credentials, goes down, or enforces the columns' sizes.
class AgentesPostgreSQL : public Agentes {
protected:
    void Servidor(const char* orden) {
        const std::string linea = std::string("'") + CV_GUION_POSTGRES + "' " + orden + " '" + CV_CARPETA_POSTGRES + "'";
        ASSERT_EQ(std::system(linea.c_str()), 0) << linea;
        detenido_ = std::string(orden) == "detener";
    }
    void TearDown() override {
        if (detenido_) Servidor("reanudar");
    }

private:
    bool detenido_ = false;
};

TEST_F(AgentesPostgreSQL, ElServidorQueRechazaSeExplica) {
    struct Caso {
        const char* cadena;
        Causa causa;
        std::vector<std::string> dice;
    };
    const Caso casos[] = {
        {"DSN=OSTRIK167;PWD=mala",
         Causa::CredencialesRechazadas,
         {"el servidor del origen de datos ODBC \"OSTRIK167\" rechazó la cuenta o la contraseña (estado ODBC 08001:",
          "password authentication failed for user \"agente\""}},
        {"DSN=OSTRIK167;UID=intruso",
         Causa::CredencialesRechazadas,
         {"rechazó la cuenta o la contraseña", "\"intruso\""}},
        {"DSN=OSTRIK167;Port=1",
         Causa::ServidorNoResponde,
         {"el servidor del origen de datos ODBC \"OSTRIK167\" no responde (estado ODBC 08001:", "Connection refused"}},
        {"DSN=OSTRIK167;Database=otra",
         Causa::ConexionRechazada,
         {"el origen de datos ODBC \"OSTRIK167\" no aceptó la conexión", "database \"otra\" does not exist"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.cadena);
        SistemaAgentesOdbc agentes(pendientes, c.cadena);
        try {
            agentes.Conectar();
            ADD_FAILURE() << "conectó";
        } catch (const ErrorAgentes& e) {
            EXPECT_EQ(e.causa(), c.causa) << e.what();
            EXPECT_EQ(e.estado(), "08001");
        }
        Guion ui;
        EstadoProceso proceso;
        FrmUsuario login(ui, proceso, agentes);
        login.txtUsuario.texto = "jperez";
        EXPECT_FALSE(login.Command1_Click());
        ASSERT_EQ(ui.mensajes.size(), 1u);
        const std::string& m = ui.mensajes[0].texto;
        EXPECT_TRUE(m.starts_with(kNoConecta)) << m;
        for (const auto& d : c.dice) EXPECT_NE(m.find(d), std::string::npos) << m << "\n  sin: " << d;
    }
}

TEST_F(AgentesPostgreSQL, ServidorDetenidoEnPlenaSesionNoPierdeNiDuplicaRegistros) {
    Guion ui;
    SistemaAgentesOdbc agentes(pendientes);
    Aplicacion app(ui, agentes, carpeta.Ruta());
    app.login.txtUsuario.texto = "jperez";
    ASSERT_TRUE(app.Entrar(kHoy));
    const RegistroUso r1 = RegistroDeImpresion(app.proceso, "11", "Temporal 10", kHoy);
    const RegistroUso r2 = RegistroDeImpresion(app.proceso, "22", "Dotal 20", kHoy);
    const RegistroUso r3 = RegistroDeImpresion(app.proceso, "33", "Vitalicio", kHoy);

    Servidor("detener");
    // The kept session is found dead and a new one cannot be opened.
    EXPECT_FALSE(AnotarUso(ui, agentes, r1));
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].estilo, EstiloMensaje::Simple);
    EXPECT_TRUE(ui.mensajes[0].texto.starts_with(
        "No se pudo anotar la cotización en el sistema de agentes: el registro de uso quedó pendiente en " +
        pendientes.string() + " y se escribirá en la próxima conexión: el servidor del origen de datos ODBC "
                              "\"OSTRIK167\" no responde (estado ODBC 08001:"))
        << ui.mensajes[0].texto;
    EXPECT_FALSE(AnotarUso(ui, agentes, r2));
    EXPECT_EQ(UsosPendientes(pendientes).Leer(), (std::vector<RegistroUso>{r1, r2}));

    // Logging in while it is down is explained; the window stays.
    ui.mensajes.clear();
    app.CerrarPrincipal();
    EXPECT_FALSE(app.Entrar(kHoy));
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_TRUE(ui.mensajes[0].texto.starts_with(kNoConecta + "el servidor del origen de datos ODBC \"OSTRIK167\" no responde"))
        << ui.mensajes[0].texto;
    EXPECT_EQ(app.login.txtUsuario.texto, "jperez");

    Servidor("reanudar");
    ASSERT_TRUE(app.Entrar(kHoy));
    EXPECT_EQ(Registros(), (std::vector<RegistroUso>{r1, r2}));
    EXPECT_TRUE(UsosPendientes(pendientes).Leer().empty());
    app.CerrarPrincipal();
    ASSERT_TRUE(app.Entrar(kHoy));
    EXPECT_TRUE(AnotarUso(ui, agentes, r3));
    EXPECT_EQ(Registros(), (std::vector<RegistroUso>{r1, r2, r3}));
}

TEST_F(AgentesPostgreSQL, UnaSesionQueElServidorCortoSeRenuevaSola) {
    // The server restarted while the window was open: the next record goes out on a new session.
    SistemaAgentesOdbc agentes(pendientes);
    agentes.Conectar();
    Servidor("detener");
    Servidor("reanudar");
    const RegistroUso r{"jperez", "15/06/2025", "11", "Temporal 10"};
    agentes.RegistrarUso(r);
    EXPECT_EQ(Registros(), std::vector<RegistroUso>{r});
    EXPECT_FALSE(fs::exists(pendientes));
}

TEST_F(AgentesPostgreSQL, UnPendienteRechazadoNoDetieneALosDemas) {
    const RegistroUso p1{"jperez", "01/06/2025", "10", "Temporal 10"};
    const RegistroUso largo{"jperez", "02/06/2025", "10", std::string(200, 'x')};  // plan_cotiza holds 120
    const RegistroUso p2{"jperez", "03/06/2025", "10", "Dotal 20"};
    UsosPendientes archivo(pendientes);
    for (const auto& r : {p1, largo, p2}) archivo.Agregar(r);
    SistemaAgentesOdbc agentes(pendientes);
    agentes.Conectar();
    EXPECT_EQ(Registros(), (std::vector<RegistroUso>{p1, p2}));
    EXPECT_EQ(archivo.Leer(), std::vector<RegistroUso>{largo});
}

}  // namespace
}  // namespace prueba_agentes

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::string motor = "SQLite";
    for (int i = 1; i < argc; ++i)
        if (std::string a = argv[i]; a.starts_with("--motor=")) motor = a.substr(8);
    if (motor != "SQLite" && motor != "PostgreSQL") {
        std::cerr << "uso: prueba_agentes [--motor=SQLite|PostgreSQL] [opciones de GoogleTest]\n";
        return 2;
    }
    // Before any ODBC call: the driver manager reads its configuration once per process.
    prueba_agentes::enPostgreSQL = motor == "PostgreSQL";
    const std::string ini = prueba_agentes::enPostgreSQL ? std::string(CV_CARPETA_POSTGRES) + "/odbc.ini"
                                                         : std::string(CV_CARPETA_ODBC) + "/pruebas/odbc.ini";
    setenv("ODBCSYSINI", CV_CARPETA_ODBC, 1);
    setenv("ODBCINI", ini.c_str(), 1);
    // The driver manager unloads a driver when its last connection closes, and the leak checker
    // then cannot name the memory a driver keeps for the process: pinned here, the suppressions
    // find it by library name.
    for (const char* controlador : {CV_CONTROLADOR_SQLITE, CV_CONTROLADOR_POSTGRESQL})
        dlopen(controlador, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    return RUN_ALL_TESTS();
}
