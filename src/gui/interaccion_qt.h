#pragma once
// The window models' message boxes, modal dialogs, file dialogs and the shell's "Open",
// answered with Qt. Tests derive from it to read the messages and play the dialogs on the real
// dialog widgets instead of waiting for a person.
#include <QString>

#include <functional>

#include "app/dialogos.h"
#include "app/interaccion.h"
#include "core/fechas.h"

class QDialog;
class QPrinter;
class QWidget;

namespace cv::gui {

class InteraccionQt : public app::Interaccion {
public:
    InteraccionQt();

    QWidget* propietario = nullptr;                  // owner of the boxes and dialogs
    std::function<Fecha()> hoy;                      // today, for the parent's birth date
    std::function<void(const QString&)> avisar;      // a line for the status bar
    // What "Aportaciones" was closed with: the main window offers "N&o" or "S&i" after it.
    app::FrmAportaciones::Resultado resultadoAportaciones = app::FrmAportaciones::Resultado::SinCambio;

    void MostrarMensaje(const app::Mensaje& m) override;
    void MostrarAportaciones(app::FrmAportaciones& dialogo) override;
    void MostrarEdadPadreTutor(app::FrmEdad& dialogo) override;
    std::optional<std::filesystem::path> ElegirBaseDatos() override;
    std::optional<std::filesystem::path> ElegirArchivoAbrir(const std::string& propuesto,
                                                            const std::string& filtro) override;
    std::optional<std::filesystem::path> ElegirArchivoGuardar(const std::string& propuesto,
                                                              const std::string& filtro) override;
    // The user manual: the file named, else our PDF manual beside the program; the status
    // bar says so when there is none.
    void AbrirDocumento(const std::filesystem::path& ruta) override;

    // Shows a dialog modally and returns when it closes (every modal window of the views
    // goes through here).
    virtual void Ejecutar(QDialog& dialogo);
    // The printer dialog with its title; false when cancelled. The printer keeps the choice.
    virtual bool ElegirImpresora(QPrinter& impresora, const std::string& titulo);

protected:
    // The desktop's "open" on a file; false when no program took it.
    virtual bool AbrirConEscritorio(const std::filesystem::path& archivo);
    void Avisar(const QString& texto);
};

// The title of a plain message box: the application's.
inline constexpr const char* kTituloAplicacion = "Cotizador de Vida";

}  // namespace cv::gui
