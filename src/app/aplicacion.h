#pragma once
// The start-up order as a flow: the login window first; a successful login opens a freshly
// initialised main window; closing it returns to the login window with the account still
// shown; "&Salir" ends the process. The splash and the modal showing belong to the view.
#include <filesystem>
#include <memory>

#include "app/cotizador.h"
#include "app/usuario.h"
#include "core/fechas.h"

namespace cv::app {

class Aplicacion {
public:
    Aplicacion(Interaccion& ui, SistemaAgentes& agentes, std::filesystem::path carpeta)
        : ui_(ui), carpeta_(std::move(carpeta)), login(ui, proceso, agentes) {}


    // "&Aceptar" of the login window; true when the main window is open.
    bool Entrar(const Fecha& hoy) {
        if (!login.Command1_Click()) return false;
        principal_ = std::make_unique<FrmCotizador>(ui_, proceso, carpeta_);
        principal_->PerfilUsuario = login.PerfilUsuario;
        principal_->Form_Load(hoy);
        return true;
    }
    FrmCotizador* Principal() { return principal_.get(); }
    // The main window's close box: back to the login window.
    void CerrarPrincipal() { principal_.reset(); }

private:
    Interaccion& ui_;
    std::filesystem::path carpeta_;

public:
    EstadoProceso proceso;  // before the login window, which holds a reference to it
    FrmUsuario login;

private:
    std::unique_ptr<FrmCotizador> principal_;
};

}  // namespace cv::app
