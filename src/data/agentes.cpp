#include "data/agentes.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace cv::datos {

namespace {

using Causa = ErrorAgentes::Causa;

bool Contiene(const std::string& texto, std::initializer_list<const char*> trozos) {
    std::string t = texto;
    for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return std::any_of(trozos.begin(), trozos.end(), [&](const char* x) { return t.find(x) != std::string::npos; });
}

std::string Variable(const char* nombre) {
    const char* v = std::getenv(nombre);
    return std::string(nombre) + "=" + (v && *v ? v : "sin definir");
}

// "origen de datos ODBC "OSTRIK167"", to follow "el" or "del".
std::string Origen(const std::string& cadena) {
    const std::string dsn = odbc::ValorCadenaConexion(cadena, "DSN");
    return dsn.empty() ? "origen de datos ODBC" : "origen de datos ODBC \"" + dsn + "\"";
}

}  // namespace

ErrorAgentes ExplicarErrorOdbc(const odbc::ErrorOdbc& e, const std::string& cadena, bool alConectar) {
    const std::string estado = e.Estado();
    const std::string texto = e.Texto();
    const std::string origen = Origen(cadena);
    std::string que;
    Causa causa;
    if (!alConectar) {
        if (e.ConexionPerdida() || estado.starts_with("08")) {
            causa = Causa::ConexionPerdida;
            que = "se perdió la conexión con el " + origen;
        } else {
            causa = Causa::Consulta;
            que = "el " + origen + " no aceptó la operación (" + e.Operacion() + ")";
        }
    } else if (estado == "IM002") {
        // The driver manager says the same when the data source is missing and when it names a
        // driver that odbcinst.ini does not list; the list of data sources tells them apart.
        const std::string dsn = odbc::ValorCadenaConexion(cadena, "DSN");
        const auto origenes = odbc::OrigenesConfigurados();
        auto o = std::find_if(origenes.begin(), origenes.end(), [&](const auto& x) { return x.nombre == dsn; });
        if (!dsn.empty() && o != origenes.end()) {
            causa = Causa::SinControlador;
            que = "el " + origen + " está configurado, pero su controlador \"" + o->controlador +
                  "\" no está registrado en odbcinst.ini (" + Variable("ODBCSYSINI") + ")";
        } else {
            causa = Causa::SinOrigenDatos;
            que = "el " + origen + " no está configurado (" + Variable("ODBCINI") + ", " + Variable("ODBCSYSINI") + ")";
        }
    } else if (estado == "IM003" || Contiene(texto, {"can't open lib"})) {
        causa = Causa::ControladorNoCarga;
        que = "no se pudo cargar el controlador ODBC del " + origen;
    } else if (estado.starts_with("28") ||
               Contiene(texto, {"password", "authentication", "contraseña", "autenticación", "autentificación"})) {
        causa = Causa::CredencialesRechazadas;
        que = "el servidor del " + origen + " rechazó la cuenta o la contraseña";
    } else if (estado == "HYT00" || estado == "HYT01" ||
               Contiene(texto, {"connection refused", "could not connect", "timeout expired", "timed out", "no route to host",
                                "network is unreachable", "could not translate host name", "conexión rehusada"})) {
        causa = Causa::ServidorNoResponde;
        que = "el servidor del " + origen + " no responde";
    } else {
        causa = Causa::ConexionRechazada;
        que = "el " + origen + " no aceptó la conexión";
    }
    std::string detalle;
    for (const auto& d : e.Diagnosticos()) detalle += (detalle.empty() ? "" : "; ") + d.estado + ": " + d.texto;
    if (detalle.empty()) detalle = "sin diagnóstico del controlador";
    return ErrorAgentes(que + " (estado ODBC " + detalle + ")", causa, estado);
}

AgentesOdbc::AgentesOdbc(std::filesystem::path archivoPendientes, std::string cadenaConexion)
    : cadena_(std::move(cadenaConexion)), pendientes_(std::move(archivoPendientes)) {}

void AgentesOdbc::AbrirConexion() {
    ConexionSistema.reset();
    try {
        ConexionSistema.emplace(cadena_);
    } catch (const odbc::ErrorOdbc& e) {
        throw ExplicarErrorOdbc(e, cadena_, true);
    }
}

void AgentesOdbc::Conectar() {
    AbrirConexion();
    EscribirPendientes();
}

ErrorAgentes AgentesOdbc::Falla(const odbc::ErrorOdbc& e) {
    ErrorAgentes x = ExplicarErrorOdbc(e, cadena_, false);
    if (x.causa() == Causa::ConexionPerdida) ConexionSistema.reset();
    return x;
}

std::optional<FilaUsuario> AgentesOdbc::BuscarUsuario(const std::string& nombre) {
    if (!ConexionSistema)
        throw ErrorAgentes("no hay conexión abierta con el " + Origen(cadena_), Causa::SinConexion);
    try {
        odbc::Sentencia s = ConexionSistema->Preparar(std::string("SELECT * FROM iusuarios ") + " WHERE nombre = ?");
        s.Ejecutar({nombre});
        const auto columnas = s.Columnas();
        const auto fila = s.Siguiente();
        if (!fila) return std::nullopt;
        FilaUsuario u;
        for (size_t i = 0; i < columnas.size() && i < fila->size(); ++i) {
            std::string campo = columnas[i];
            for (char& c : campo) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            u[campo] = (*fila)[i].value_or("");
        }
        return u;
    } catch (const odbc::ErrorOdbc& e) {
        throw Falla(e);
    }
}

void AgentesOdbc::Insertar(const RegistroUso& r) {
    try {
        ConexionSistema->Ejecutar(
            "INSERT INTO cotizavida (usu_cotiza, fec_cotiza, age_cotiza, plan_cotiza) VALUES (?, ?, ?, ?)",
            {r.usu_cotiza, r.fec_cotiza, r.age_cotiza, r.plan_cotiza});
    } catch (const odbc::ErrorOdbc& e) {
        throw Falla(e);
    }
}

void AgentesOdbc::EscribirPendientes() {
    try {
        pendientes_.Escribir([this](const RegistroUso& r) {
            if (!ConexionSistema) return UsosPendientes::Resultado::Detener;
            try {
                Insertar(r);
                return UsosPendientes::Resultado::Escrito;
            } catch (const ErrorAgentes&) {
                return ConexionSistema ? UsosPendientes::Resultado::Rechazado : UsosPendientes::Resultado::Detener;
            }
        });
    } catch (const ErrorPendientes&) {
        // An unreadable file loses nothing by waiting: its records stay for the next connection.
    }
}

void AgentesOdbc::RegistrarUso(const RegistroUso& registro) {
    std::optional<ErrorAgentes> falla;
    for (int intento = 0; intento < 2; ++intento) {
        try {
            if (!ConexionSistema) AbrirConexion();
            EscribirPendientes();
            if (!ConexionSistema)
                throw ErrorAgentes("se perdió la conexión con el " + Origen(cadena_), Causa::ConexionPerdida);
            Insertar(registro);
            return;
        } catch (const ErrorAgentes& e) {
            falla = e;
            // A session dropped by a server that has since come back: once more on a new one.
            if (e.causa() != Causa::ConexionPerdida) break;
        }
    }
    try {
        pendientes_.Agregar(registro);
    } catch (const ErrorPendientes& p) {
        throw ErrorAgentes(std::string("el registro de uso no se pudo escribir ni guardar como pendiente (") + p.what() +
                               "): " + falla->what(),
                           Causa::Pendientes, falla->estado());
    }
    throw ErrorAgentes("el registro de uso quedó pendiente en " + pendientes_.Ruta().string() +
                           " y se escribirá en la próxima conexión: " + falla->what(),
                       falla->causa(), falla->estado());
}

}  // namespace cv::datos
