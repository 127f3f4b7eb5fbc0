#pragma once
// The login window and the agent system it asks: an account exists when the agent system has a
// row with that name; there is no password.
#include <filesystem>
#include <optional>
#include <string>

#include "app/controles.h"
#include "app/interaccion.h"
#include "app/proceso.h"
#include "core/fechas.h"
#include "data/agentes.h"

namespace cv::app {

// A row of "iusuarios", field names folded to lower case.
using FilaUsuario = datos::FilaUsuario;
// A record of the usage log "cotizavida".
using RegistroUso = datos::RegistroUso;
// Says in Spanish what failed: which cause, the ODBC state and the driver's text.
using ErrorSistemaAgentes = datos::ErrorAgentes;

// The agent system behind the data source "OSTRIK167": one connection, replaced at each login
// and kept open for the usage log.
class SistemaAgentes {
public:
    virtual ~SistemaAgentes() = default;
    virtual void Conectar() = 0;  // throws ErrorSistemaAgentes with the reason
    // The account's row, looked up with the name as a bound value.
    virtual std::optional<FilaUsuario> BuscarUsuario(const std::string& nombre) = 0;
    // Appends one record to the usage log. A record the agent system cannot take now is kept
    // and written later; ErrorSistemaAgentes then says so and why.
    virtual void RegistrarUso(const RegistroUso& registro) = 0;
};

// The usage record of a printed proposal: the logged-in account, today as "dd/mm/yyyy", the
// agent number (`txtNumAge`) and the product name shown (`lblProducto`).
RegistroUso RegistroDeImpresion(const EstadoProceso& proceso, const std::string& numAgente, const std::string& producto,
                                const Fecha& hoy);
// The last step of printing a proposal: the record appended to the usage log. When it has to
// wait, a plain message says so; true when it was written now.
bool AnotarUso(Interaccion& ui, SistemaAgentes& agentes, const RegistroUso& registro);

// An ODBC configuration as unixODBC reads it from the environment: the folder of odbcinst.ini
// (ODBCSYSINI) and the odbc.ini with the data sources (ODBCINI).
struct ConfiguracionOdbc {
    std::filesystem::path odbcsysini;
    std::filesystem::path odbcini;
};

// What to do when the login finds no usable data source on this computer (it is not configured,
// its driver is not registered or does not load): how IT points the program at the insurer's
// agent server, and how to use the sample agent system of `muestra` (when there is one besides
// the configuration in use). Empty for any other failure, which the driver's text explains.
std::string QueHacerSinOrigenDatos(ErrorSistemaAgentes::Causa causa, const std::optional<ConfiguracionOdbc>& muestra);

class FrmUsuario {
public:
    FrmUsuario(Interaccion& ui, EstadoProceso& proceso, SistemaAgentes& agentes);

    Etiqueta Label1;
    CuadroTexto txtUsuario;
    Boton Command1;  // "&Aceptar"
    std::string foco = "txtUsuario";
    std::string PerfilUsuario;  // the role read from the account's row
    // The sample agent system of this installation, offered when nothing is configured.
    std::optional<ConfiguracionOdbc> odbcMuestra;

    void txtUsuario_LostFocus();
    // True when the account exists: the main window is to be opened.
    bool Command1_Click();

private:
    Interaccion& ui_;
    EstadoProceso& proceso_;
    SistemaAgentes& agentes_;
};

}  // namespace cv::app
