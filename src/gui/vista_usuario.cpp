#include "gui/vista_usuario.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/vista_cotizador.h"

namespace cv::gui {

QPixmap Logo(int ancho) {
    QSvgRenderer svg(QString(":/logo.svg"));
    const QSize tam = svg.defaultSize().scaled(ancho, ancho, Qt::KeepAspectRatio);
    QPixmap p(tam);
    p.fill(Qt::white);
    QPainter pintor(&p);
    svg.render(&pintor);
    return p;
}

namespace {

void Centrar(QWidget* w) {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return;
    w->adjustSize();
    QRect r = w->frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    w->move(r.topLeft());
}

void Blanco(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::white);
    w->setPalette(p);
}

}  // namespace

VistaLogo::VistaLogo(QWidget* padre) : QWidget(padre, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("frmLogo");
    Blanco(this);
    auto* l = new QLabel(this);
    l->setPixmap(Logo(480));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(1, 1, 1, 1);
    v->addWidget(l);
    setStyleSheet("#frmLogo { border: 1px solid #1f3f6e; }");
    Centrar(this);
}

VistaUsuario::VistaUsuario(app::FrmUsuario& login, QWidget* padre)
    : QWidget(padre, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), enlace(&login.foco) {
    setObjectName("frmUsuario");
    setWindowTitle(" ");
    Blanco(this);
    auto* logo = new QLabel(this);
    logo->setPixmap(Logo(220));
    logo->setAlignment(Qt::AlignCenter);
    auto* Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    QFont f = Label1->font();
    f.setPointSizeF(f.pointSizeF() * 1.2);
    f.setBold(true);
    Label1->setFont(f);
    txtUsuario = new QLineEdit(this);
    txtUsuario->setAlignment(Qt::AlignCenter);
    txtUsuario->setMinimumWidth(220);
    Command1 = new QPushButton(this);
    Command1->setDefault(true);
    auto* boton = new QHBoxLayout;
    boton->addStretch();
    boton->addWidget(Command1);
    boton->addStretch();
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(30, 20, 30, 24);
    v->setSpacing(12);
    v->addWidget(logo);
    v->addWidget(Label1);
    v->addWidget(txtUsuario);
    v->addLayout(boton);

    enlace.Etiqueta(Label1, login.Label1);
    enlace.Texto(txtUsuario, login.txtUsuario, "txtUsuario", {}, [&login] { login.txtUsuario_LostFocus(); });
    enlace.Boton(Command1, login.Command1, "Command1", [this] {
        if (entrar && entrar()) emit aceptado();
    });
    // Enter in the account box is "&Aceptar", as the window's default button.
    connect(txtUsuario, &QLineEdit::returnPressed, Command1, &QPushButton::click);
    enlace.Refrescar();
    txtUsuario->setFocus();
    Centrar(this);
}

Arranque::Arranque(app::Aplicacion& aplicacion, InteraccionQt& ui, app::SistemaAgentes* agentes, QObject* padre)
    : QObject(padre), app_(aplicacion), ui_(ui), agentes_(agentes) {}

Arranque::~Arranque() {
    delete principal_;
    delete login_;
}

void Arranque::Presentar(std::function<void()> luego) {
    auto* logo = new VistaLogo;
    logo->show();
    QTimer::singleShot(msPresentacion, this, [logo, luego = std::move(luego)] {
        logo->close();
        logo->deleteLater();
        luego();
    });
}

void Arranque::Iniciar() {
    login_ = new VistaUsuario(app_.login);
    login_->entrar = [this] { return app_.Entrar(ui_.hoy ? ui_.hoy() : Hoy()); };
    connect(login_, &VistaUsuario::aceptado, this, [this] { Presentar([this] { AbrirPrincipal(); }); });
    ui_.propietario = login_;
    Presentar([this] {
        login_->show();
        login_->activateWindow();
        emit loginMostrado();
    });
}

void Arranque::AbrirPrincipal() {
    if (!app_.Principal()) return;
    principal_ = new VistaCotizador(*app_.Principal(), ui_, agentes_);
    principal_->setWindowModality(Qt::ApplicationModal);
    connect(principal_, &VistaCotizador::cerrada, this, [this] { CerrarPrincipal(); }, Qt::QueuedConnection);
    principal_->showMaximized();
    emit principalAbierta(principal_);
}

void Arranque::CerrarPrincipal() {
    // The view goes before the window model it shows.
    delete principal_;
    principal_ = nullptr;
    app_.CerrarPrincipal();
    ui_.propietario = login_;
    if (login_) login_->activateWindow();
}

}  // namespace cv::gui
