#pragma once
// The login window, the splash with the insurer's logo, and the start-up order that joins
// them to the main window.
#include <QWidget>

#include <functional>

#include "app/aplicacion.h"
#include "gui/enlace.h"
#include "gui/interaccion_qt.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace cv::gui {

// The insurer's logo drawn at a width.
QPixmap Logo(int ancho);

// frmLogo: no frame, not in the task bar, centred on the screen.
class VistaLogo : public QWidget {
    Q_OBJECT
public:
    explicit VistaLogo(QWidget* padre = nullptr);
};

// frmUsuario: white, no control box.
class VistaUsuario : public QWidget {
    Q_OBJECT
public:
    VistaUsuario(app::FrmUsuario& login, QWidget* padre = nullptr);

    QLineEdit* txtUsuario;
    QPushButton* Command1;
    Enlace enlace;
    // "&Aceptar": the account is checked by this; true opens the main window.
    std::function<bool()> entrar;

signals:
    void aceptado();
};

class VistaCotizador;

// The start-up order: the splash, the login window; a good login loads the main window,
// shows the splash again and then the main window, maximised and modal; its close box goes
// back to the login window. The splash waits on a timer: the event loop keeps running.
class Arranque : public QObject {
    Q_OBJECT
public:
    Arranque(app::Aplicacion& aplicacion, InteraccionQt& ui, app::SistemaAgentes* agentes, QObject* padre = nullptr);
    ~Arranque() override;

    int msPresentacion = 1000;
    void Iniciar();

    VistaUsuario* Login() { return login_; }
    VistaCotizador* Principal() { return principal_; }

signals:
    void loginMostrado();
    void principalAbierta(VistaCotizador* vista);

private:
    void Presentar(std::function<void()> luego);
    void AbrirPrincipal();
    void CerrarPrincipal();

    app::Aplicacion& app_;
    InteraccionQt& ui_;
    app::SistemaAgentes* agentes_;
    VistaUsuario* login_ = nullptr;
    VistaCotizador* principal_ = nullptr;
};

}  // namespace cv::gui
