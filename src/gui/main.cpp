// The desktop application: the login window, the splash and the main quote window.
#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include <cstdlib>
#include <filesystem>

#include "app/agentes_odbc.h"
#include "app/aplicacion.h"
#include "data/arranque.h"
#include "data/pendientes.h"
#include "gui/interaccion_qt.h"
#include "gui/vista_usuario.h"

namespace {

// Run from the build tree without tools/ejecutar.sh: the build's own agent system, when the
// caller has not pointed ODBC at another one.
void ConfiguracionOdbcDeLaCompilacion(const std::filesystem::path& carpeta) {
    if (std::getenv("ODBCSYSINI") || std::getenv("ODBCINI")) return;
    const std::filesystem::path odbc = carpeta.parent_path() / "odbc";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(odbc / "agentes" / "odbc.ini", ec)) return;
    setenv("ODBCSYSINI", odbc.c_str(), 0);
    setenv("ODBCINI", (odbc / "agentes" / "odbc.ini").c_str(), 0);
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path carpeta = cv::datos::CarpetaAplicacion();
    ConfiguracionOdbcDeLaCompilacion(carpeta);

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
    cv::gui::Arranque arranque(aplicacion, ui, &agentes);
    arranque.Iniciar();
    return app.exec();
}
