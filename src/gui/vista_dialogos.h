#pragma once
// The two small modal dialogs: "Aportaciones" and "Edad del Padre o Tutor".
#include <QDialog>

#include "app/dialogos.h"
#include "core/fechas.h"
#include "gui/enlace.h"

class QLineEdit;
class QPushButton;

namespace cv::gui {

class VistaAportaciones : public QDialog {
    Q_OBJECT
public:
    VistaAportaciones(app::FrmAportaciones& d, QWidget* padre = nullptr);

    app::FrmAportaciones::Resultado resultado = app::FrmAportaciones::Resultado::SinCambio;
    QLineEdit *txtNoPagos, *txtmontoAportacion, *txtFondoFinal, *txtTasaIncremento;
    QPushButton *butAceptar, *butCancelar;
    Enlace enlace;

protected:
    void reject() override;  // the close box hides it, as "Cancelar" does

private:
    app::FrmAportaciones& d_;
};

class VistaEdad : public QDialog {
    Q_OBJECT
public:
    VistaEdad(app::FrmEdad& d, Fecha hoy, QWidget* padre = nullptr);

    QLineEdit *txtFechaNacimiento, *txtEdad;
    QPushButton* cmdregresa;
    Enlace enlace;

protected:
    void reject() override;  // the close box: the values stay as the last rule set them

private:
    app::FrmEdad& d_;
};

}  // namespace cv::gui
