#include "gui/interaccion_qt.h"

#include <QPrintDialog>
#include <QPrinter>

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "gui/enlace.h"
#include "gui/plataforma.h"
#include "gui/vista_dialogos.h"

namespace cv::gui {

InteraccionQt::InteraccionQt() {
    hoy = [] { return Hoy(); };
}

void InteraccionQt::Avisar(const QString& texto) {
    if (avisar) avisar(texto);
}

void InteraccionQt::MostrarMensaje(const app::Mensaje& m) {
    const bool simple = m.estilo == app::EstiloMensaje::Simple;
    QMessageBox caja(simple ? QMessageBox::NoIcon : QMessageBox::Information,
                     simple || m.titulo.empty() ? QString(kTituloAplicacion) : Q(m.titulo), Q(m.texto), QMessageBox::Ok,
                     propietario);
    caja.exec();
}

void InteraccionQt::MostrarAportaciones(app::FrmAportaciones& d) {
    resultadoAportaciones = app::FrmAportaciones::Resultado::SinCambio;
    VistaAportaciones vista(d, propietario);
    Ejecutar(vista);
    resultadoAportaciones = vista.resultado;
}

void InteraccionQt::MostrarEdadPadreTutor(app::FrmEdad& d) {
    VistaEdad vista(d, hoy ? hoy() : Hoy(), propietario);
    Ejecutar(vista);
}

void InteraccionQt::Ejecutar(QDialog& dialogo) { dialogo.exec(); }

bool InteraccionQt::AbrirConEscritorio(const std::filesystem::path& archivo) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(archivo.string())));
}

std::optional<std::filesystem::path> InteraccionQt::ElegirBaseDatos() {
    const QString f = QFileDialog::getOpenFileName(propietario, "Base de Datos", QString(), Q(FiltroQt(kFiltroBaseDatos)));
    if (f.isEmpty()) return std::nullopt;
    return std::filesystem::path(S(f));
}

std::optional<std::filesystem::path> InteraccionQt::ElegirArchivoAbrir(const std::string& propuesto,
                                                                       const std::string& filtro) {
    const QString f = QFileDialog::getOpenFileName(propietario, "Abrir", Q(propuesto), Q(FiltroQt(filtro)));
    if (f.isEmpty()) return std::nullopt;
    return std::filesystem::path(S(f));
}

std::optional<std::filesystem::path> InteraccionQt::ElegirArchivoGuardar(const std::string& propuesto,
                                                                         const std::string& filtro) {
    const QString f = QFileDialog::getSaveFileName(propietario, "Guardar", Q(propuesto), Q(FiltroQt(filtro)));
    if (f.isEmpty()) return std::nullopt;
    return std::filesystem::path(S(f));
}

bool InteraccionQt::ElegirImpresora(QPrinter& impresora, const std::string& titulo) {
    QPrintDialog dialogo(&impresora, propietario);
    dialogo.setWindowTitle(Q(titulo));
    return dialogo.exec() == QDialog::Accepted;
}

void InteraccionQt::AbrirDocumento(const std::filesystem::path& ruta) {
    const auto manual = BuscarManual(ruta);
    if (!manual) {
        Avisar(QString("No se encontró el manual de usuario (%1 ni manual/manual.pdf) junto al programa.")
                   .arg(Q(ruta.filename().string())));
        return;
    }
    if (AbrirConEscritorio(*manual))
        Avisar("Abriendo el manual de usuario: " + Q(manual->string()));
    else
        Avisar("No hay un programa que abra el manual de usuario: " + Q(manual->string()));
}

}  // namespace cv::gui
