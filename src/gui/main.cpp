// The desktop application: the login window, the splash and the main quote window.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QStyleFactory>
#include <QTimer>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "app/agentes_odbc.h"
#include "app/aplicacion.h"
#include "data/arranque.h"
#include "data/catalogo.h"
#include "data/pendientes.h"
#include "gui/interaccion_qt.h"
#include "gui/plataforma.h"
#include "gui/vista_usuario.h"
#include "render/render.h"

#ifndef CV_ODBC_INSTALADA
#define CV_ODBC_INSTALADA ""
#endif

namespace {

namespace fs = std::filesystem;

std::string Variable(const char* nombre) {
    const char* v = std::getenv(nombre);
    return v ? v : "";
}

// --probar-arranque: what the installed program found, printed once the login window is up.
void InformarArranque(const fs::path& carpeta, const cv::gui::VistaUsuario& login) {
    auto estado = [](const fs::path& p) {
        std::error_code ec;
        return p.string() + (fs::exists(p, ec) ? "" : " (no está)");
    };
    const auto manual = cv::gui::BuscarManual(carpeta / "MANUAL DE USUARIO.pps");
    std::cout << "programa: " << carpeta.string() << '\n'
              << "base de datos: " << estado(carpeta / cv::datos::kArchivoBaseDatos) << '\n'
              << "papelería: " << estado(cv::render::CarpetaPapeleria()) << '\n'
              << "manual: " << (manual ? manual->string() : std::string("(no está)")) << '\n'
              << "ODBCSYSINI: " << Variable("ODBCSYSINI") << '\n'
              << "ODBCINI: " << Variable("ODBCINI") << '\n';
    std::cout << "ventana: " << login.objectName().toStdString() << ' ' << (login.isVisible() ? "visible" : "oculta");
    for (const QLabel* l : login.findChildren<QLabel*>())
        if (!l->text().isEmpty()) std::cout << " \"" << l->text().toStdString() << '"';
    std::cout << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    bool probarArranque = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--probar-arranque") == 0) probarArranque = true;

    const fs::path carpeta = cv::datos::CarpetaAplicacion();
    // The agent system of this installation (or of the build tree), unless the caller points
    // ODBC at another one; set before the first ODBC call reads the environment.
    const auto propia = cv::gui::ConfiguracionOdbcPropia(carpeta, CV_ODBC_INSTALADA);
    if (propia && !std::getenv("ODBCSYSINI") && !std::getenv("ODBCINI")) {
        setenv("ODBCSYSINI", propia->odbcsysini.c_str(), 0);
        setenv("ODBCINI", propia->odbcini.c_str(), 0);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(cv::gui::kTituloAplicacion);
    QApplication::setApplicationDisplayName(cv::gui::kTituloAplicacion);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QFont fuente("Liberation Sans");
    fuente.setPointSizeF(9);
    QApplication::setFont(fuente);

    cv::gui::InteraccionQt ui;
    cv::app::SistemaAgentesOdbc agentes(cv::datos::RutaUsosPendientes());
    cv::app::Aplicacion aplicacion(ui, agentes, carpeta);
    // The login offers this installation's sample agent system when another one in use fails.
    if (propia && fs::path(Variable("ODBCINI")) != propia->odbcini) aplicacion.login.odbcMuestra = propia;
    cv::gui::Arranque arranque(aplicacion, ui, &agentes);
    if (probarArranque)
        QObject::connect(&arranque, &cv::gui::Arranque::loginMostrado, &app, [&] {
            InformarArranque(carpeta, *arranque.Login());
            QTimer::singleShot(0, &app, &QApplication::quit);
        });
    arranque.Iniciar();
    return app.exec();
}
