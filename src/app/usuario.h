#pragma once
// The login window and the agent system it asks: an account exists when the agent system has a
// row with that name; there is no password.
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/controles.h"
#include "app/interaccion.h"
#include "app/proceso.h"

namespace cv::app {

// A row of "iusuarios", field names folded to lower case.
using FilaUsuario = std::map<std::string, std::string>;

class ErrorSistemaAgentes : public std::runtime_error {
public:
    explicit ErrorSistemaAgentes(const std::string& m) : std::runtime_error(m) {}
};

// The agent system behind the data source "OSTRIK167": one connection, replaced at each login
// and kept open for the usage log.
class SistemaAgentes {
public:
    virtual ~SistemaAgentes() = default;
    virtual void Conectar() = 0;  // throws ErrorSistemaAgentes with the reason
    // The account's row, looked up with the name as a bound value.
    virtual std::optional<FilaUsuario> BuscarUsuario(const std::string& nombre) = 0;
};

class FrmUsuario {
public:
    FrmUsuario(Interaccion& ui, EstadoProceso& proceso, SistemaAgentes& agentes);

    Etiqueta Label1;
    CuadroTexto txtUsuario;
    Boton Command1;  // "&Aceptar"
    std::string foco = "txtUsuario";
    std::string PerfilUsuario;  // the role read from the account's row

    void txtUsuario_LostFocus();
    // True when the account exists: the main window is to be opened.
    bool Command1_Click();

private:
    Interaccion& ui_;
    EstadoProceso& proceso_;
    SistemaAgentes& agentes_;
};

}  // namespace cv::app
