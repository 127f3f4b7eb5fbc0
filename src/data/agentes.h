#pragma once
// The insurer's agent system, reached over ODBC on the data source "OSTRIK167": the login
// lookup in "iusuarios" and the usage log "cotizavida". The connection opened at login is kept
// for the process; usage records it cannot take are kept in a local file and written, oldest
// first, at the next connection that opens.
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "data/odbc.h"
#include "data/pendientes.h"

namespace cv::datos {

inline constexpr char kCadenaConexionAgentes[] = "DSN=OSTRIK167";

// A row of "iusuarios", field names folded to lower case; NULL reads as an empty text.
using FilaUsuario = std::map<std::string, std::string>;

class ErrorAgentes : public std::runtime_error {
public:
    enum class Causa {
        Otra,
        SinOrigenDatos,          // the data source is not configured
        SinControlador,          // configured, but its driver is not registered
        ControladorNoCarga,      // the driver's library cannot be loaded
        CredencialesRechazadas,  // the server refuses the account or the password
        ServidorNoResponde,      // nothing answers at the server's address
        ConexionRechazada,       // the server or the driver refuses to connect for another reason
        ConexionPerdida,         // an open session went away
        SinConexion,             // nothing was opened yet
        Consulta,                // a statement failed on a live connection
        Pendientes,              // the local file of pending usage records
    };

    explicit ErrorAgentes(const std::string& mensaje, Causa causa = Causa::Otra, std::string estado = {})
        : std::runtime_error(mensaje), causa_(causa), estado_(std::move(estado)) {}

    Causa causa() const { return causa_; }
    const std::string& estado() const { return estado_; }  // SQLSTATE, when ODBC said one

private:
    Causa causa_;
    std::string estado_;
};

// The Spanish explanation of a failed ODBC call on the data source of `cadenaConexion`:
// which of the causes above, the ODBC state and the driver's own text.
ErrorAgentes ExplicarErrorOdbc(const odbc::ErrorOdbc& e, const std::string& cadenaConexion, bool alConectar);

class AgentesOdbc {
public:
    // `archivoPendientes`: where usage records wait when the agent system cannot take them.
    explicit AgentesOdbc(std::filesystem::path archivoPendientes, std::string cadenaConexion = kCadenaConexionAgentes);

    // Opens a new connection, which replaces the one kept (none is kept when it fails), then
    // writes the pending usage records. Throws ErrorAgentes saying why it could not connect.
    void Conectar();
    bool Conectado() const { return ConexionSistema.has_value(); }

    // The account's row: the legacy question ("SELECT * FROM iusuarios  WHERE nombre = ...")
    // with the name bound as a parameter, so quotes and apostrophes are just characters.
    std::optional<FilaUsuario> BuscarUsuario(const std::string& nombre);

    // Appends one record to "cotizavida". Without a live connection a new one is opened first;
    // pending records go before this one. A record that cannot be written is kept pending and
    // ErrorAgentes says so and why.
    void RegistrarUso(const RegistroUso& registro);

    const UsosPendientes& Pendientes() const { return pendientes_; }

    // The connection of the login, kept for the usage log.
    std::optional<odbc::Conexion> ConexionSistema;

private:
    void AbrirConexion();
    void EscribirPendientes();
    void Insertar(const RegistroUso& r);
    // A failure on the open connection: explained, and the connection dropped when it is gone.
    ErrorAgentes Falla(const odbc::ErrorOdbc& e);

    std::string cadena_;
    UsosPendientes pendientes_;
};

}  // namespace cv::datos
