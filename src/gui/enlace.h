#pragma once
// The binding of widgets to the controls of a window model: one binder per kind of control.
// A user edit writes the control and fires its event; after every event the whole window is
// read back from the model (texts, enabled, visible, ticks, lists, grid cells, focus).
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/controles.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QWidget;

namespace cv::gui {

QString Q(const std::string& s);
std::string S(const QString& s);
// Grid widths are kept in twips; the screen shows 15 twips to a pixel at 96 dpi.
int PixelesDeTwips(int twips);

class Enlace : public QObject {
    Q_OBJECT
public:
    using Evento = std::function<void()>;

    // `foco`: the model's record of the control with the focus (by name), or none.
    explicit Enlace(std::string* foco = nullptr, QObject* padre = nullptr);

    // Runs after every event and its read-back (a view checks, say, whether to end the program).
    Evento despues;

    // A text box: each keystroke writes the text and fires `alCambiar`; leaving it fires
    // `alSalir`; a mouse click into it fires `alClic`.
    void Texto(QLineEdit* w, app::CuadroTexto& c, const char* nombre, Evento alCambiar = {}, Evento alSalir = {},
               Evento alClic = {});
    // A combo box: choosing an entry (mouse or keyboard) calls `alElegir` with its text, or
    // just shows it in the control; leaving it fires `alSalir`. A text that is no entry is shown
    // as the combo's placeholder.
    void Lista(QComboBox* w, app::Lista& c, const char* nombre, std::function<void(const std::string&)> alElegir = {},
               Evento alSalir = {});
    // A list box: choosing an entry selects it in the control and fires `alElegir`.
    void Lista(QListWidget* w, app::Lista& c, const char* nombre, Evento alElegir = {});
    // A check box: a toggle by the user writes the tick (or calls `alCambiar` with it, for a
    // box whose rules run on every change); a mouse button released over the box afterwards
    // fires `alSoltarRaton`, so a tick with the space bar runs no mouse rules.
    void Casilla(QCheckBox* w, app::Casilla& c, const char* nombre, std::function<void(bool)> alCambiar = {},
                 Evento alSoltarRaton = {});
    // Option buttons of one group: choosing one selects it and unselects the others.
    void Opciones(std::vector<std::pair<QPushButton*, app::BotonOpcion*>> grupo);
    void Boton(QPushButton* w, app::Boton& c, const char* nombre, Evento alPulsar);
    void Menu(QAction* a, app::EntradaMenu& c, Evento alElegir);
    void Marco(QGroupBox* w, app::Marco& c);
    void Etiqueta(QLabel* w, app::Etiqueta& c);
    // A caption the model has no control for, shown and enabled with the control it names.
    void Acompanar(QWidget* w, const app::Control& c);
    // A grid: row 0 of the model is the header; the current cell changed by the user calls
    // `alCambiarFila` with the model's row number.
    void Rejilla(QTableWidget* w, app::Rejilla& c, const char* nombre, std::function<void(int fila)> alCambiarFila = {});
    // Any other read-back step of the view.
    void Leer(Evento leer) { lecturas_.push_back(std::move(leer)); }

    // Runs one event of the user: the model's rule, then the read-back.
    void Disparar(const Evento& regla);
    // The whole window from the model.
    void Refrescar();

    QWidget* Widget(const std::string& nombre) const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct Salida {
        std::string nombre;
        Evento alSalir, alClic;
    };
    void Registrar(QWidget* w, const char* nombre, Evento alSalir = {}, Evento alClic = {});
    void AplicarFoco();

    std::string* foco_;
    std::vector<Evento> lecturas_;
    std::map<std::string, QWidget*> porNombre_;
    std::map<QObject*, Salida> salidas_;
    std::map<QObject*, bool> soltandoRaton_;
    int profundidad_ = 0;
    bool leyendo_ = false;
};

}  // namespace cv::gui
