#include "app/usuario.h"

#include "core/texto.h"

namespace cv::app {

FrmUsuario::FrmUsuario(Interaccion& ui, EstadoProceso& proceso, SistemaAgentes& agentes)
    : ui_(ui), proceso_(proceso), agentes_(agentes) {
    Label1.texto = "¿Cual es tu cuenta del OSTRIK?";
    Command1.titulo = "&Aceptar";
}

void FrmUsuario::txtUsuario_LostFocus() { proceso_.UsuarioSistema = txtUsuario.texto; }

bool FrmUsuario::Command1_Click() {
    try {
        agentes_.Conectar();
    } catch (const ErrorSistemaAgentes& e) {
        ui_.MostrarMensaje(Informacion(std::string("No se pudo conectar con el sistema de agentes: ") + e.what(), "Validación"));
        return false;
    }
    proceso_.UsuarioSistema = txtUsuario.texto;
    std::optional<FilaUsuario> fila;
    try {
        fila = agentes_.BuscarUsuario(txtUsuario.texto);
    } catch (const ErrorSistemaAgentes& e) {
        ui_.MostrarMensaje(Informacion(std::string("No se pudo consultar el sistema de agentes: ") + e.what(), "Validación"));
        return false;
    }
    if (!fila) {
        ui_.MostrarMensaje(Informacion("No existe ese Login en el Sistema", "Validación"));
        txtUsuario.texto.clear();
        foco = "txtUsuario";
        return false;
    }
    // The row's role (column "perfil"), when the agent system keeps one; without it the user
    // is an agent. Blanks are trimmed: a fixed-width column pads its values.
    auto perfil = fila->find("perfil");
    PerfilUsuario = perfil != fila->end() ? Recortar(perfil->second) : "";
    if (PerfilUsuario.empty()) PerfilUsuario = "Agentes";
    return true;
}

RegistroUso RegistroDeImpresion(const EstadoProceso& proceso, const std::string& numAgente, const std::string& producto,
                                const Fecha& hoy) {
    return {proceso.UsuarioSistema, FechaCorta(hoy), numAgente, producto};
}

bool AnotarUso(Interaccion& ui, SistemaAgentes& agentes, const RegistroUso& registro) {
    try {
        agentes.RegistrarUso(registro);
        return true;
    } catch (const ErrorSistemaAgentes& e) {
        ui.MostrarMensaje(Simple(std::string("No se pudo anotar la cotización en el sistema de agentes: ") + e.what()));
        return false;
    }
}

}  // namespace cv::app
