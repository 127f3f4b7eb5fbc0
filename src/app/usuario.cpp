#include "app/usuario.h"

#include "core/texto.h"

namespace cv::app {

FrmUsuario::FrmUsuario(Interaccion& ui, EstadoProceso& proceso, SistemaAgentes& agentes)
    : ui_(ui), proceso_(proceso), agentes_(agentes) {
    Label1.texto = "¿Cual es tu cuenta del OSTRIK?";
    Command1.titulo = "&Aceptar";
}

void FrmUsuario::txtUsuario_LostFocus() { proceso_.UsuarioSistema = txtUsuario.texto; }

std::string QueHacerSinOrigenDatos(ErrorSistemaAgentes::Causa causa, const std::optional<ConfiguracionOdbc>& muestra) {
    using Causa = ErrorSistemaAgentes::Causa;
    std::string s;
    switch (causa) {
        case Causa::SinOrigenDatos:
            s = "\n\nEste equipo no tiene configurado el origen de datos OSTRIK167 del sistema de agentes. "
                "Para conectarse al servidor de agentes de la aseguradora, el área de sistemas debe escribir la "
                "sección [OSTRIK167] (controlador, servidor, puerto y base de datos) en un archivo odbc.ini y "
                "abrir el programa con la variable ODBCINI apuntando a ese archivo, y ODBCSYSINI a la carpeta "
                "del odbcinst.ini que registra el controlador.";
            break;
        case Causa::SinControlador:
            s = "\n\nEl origen de datos OSTRIK167 nombra un controlador ODBC que no está registrado. El área de "
                "sistemas debe registrarlo, con la ruta completa de su biblioteca, en el odbcinst.ini de la "
                "carpeta ODBCSYSINI, o corregir la línea Driver= de [OSTRIK167] en el odbc.ini.";
            break;
        case Causa::ControladorNoCarga:
            s = "\n\nNo se pudo abrir la biblioteca del controlador ODBC. El área de sistemas debe instalar el "
                "controlador (paquete libsqliteodbc para SQLite, odbc-postgresql para PostgreSQL) o corregir su "
                "ruta en el odbcinst.ini.";
            break;
        default:
            return s;
    }
    if (!muestra) return s;
    return s + " Para trabajar con el sistema de agentes de muestra (cuentas jperez, de agente, y rgarcia, de "
               "oficina), abra el programa sin las variables ODBCINI y ODBCSYSINI, o con ODBCINI=" +
           muestra->odbcini.string() + " y ODBCSYSINI=" + muestra->odbcsysini.string() + ".";
}

bool FrmUsuario::Command1_Click() {
    try {
        agentes_.Conectar();
    } catch (const ErrorSistemaAgentes& e) {
        ui_.MostrarMensaje(Informacion(std::string("No se pudo conectar con el sistema de agentes: ") + e.what() +
                                           QueHacerSinOrigenDatos(e.causa(), odbcMuestra),
                                       "Validación"));
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
