#include "gui/vista_dialogos.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace cv::gui {

namespace {

QPushButton* BotonSinDefecto(QWidget* padre) {
    auto* b = new QPushButton(padre);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* Numero(QWidget* padre) {
    auto* e = new QLineEdit(padre);
    e->setAlignment(Qt::AlignRight);
    return e;
}

}  // namespace

VistaAportaciones::VistaAportaciones(app::FrmAportaciones& d, QWidget* padre) : QDialog(padre), d_(d) {
    setObjectName("frmAportaciones");
    setWindowTitle("Aportaciones");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* marco = new QGroupBox("Aportaciones Adicionales", this);
    auto* f = new QFormLayout(marco);
    txtNoPagos = Numero(marco);
    txtmontoAportacion = Numero(marco);
    txtFondoFinal = Numero(marco);
    txtTasaIncremento = Numero(marco);
    auto* lblTasa = new QLabel(marco);
    auto* lblTipo = new QLabel(marco);
    auto* comTipo = new QComboBox(marco);
    f->addRow("No. Aportaciones", txtNoPagos);
    f->addRow("Monto de la Aportacion", txtmontoAportacion);
    f->addRow("Fondo Final", txtFondoFinal);
    f->addRow(lblTasa, txtTasaIncremento);
    f->addRow(lblTipo, comTipo);
    butAceptar = BotonSinDefecto(this);
    butCancelar = BotonSinDefecto(this);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(butAceptar);
    botones->addWidget(butCancelar);
    auto* v = new QVBoxLayout(this);
    v->addWidget(marco);
    v->addLayout(botones);

    enlace.Texto(txtNoPagos, d.txtNoPagos, "txtNoPagos", {}, [&d] { d.txtNoPagos_LostFocus(); });
    enlace.Texto(txtmontoAportacion, d.txtmontoAportacion, "txtmontoAportacion", {},
                 [&d] { d.txtmontoAportacion_LostFocus(); });
    enlace.Texto(txtFondoFinal, d.txtFondoFinal, "txtFondoFinal", {}, [&d] { d.txtFondoFinal_LostFocus(); });
    enlace.Texto(txtTasaIncremento, d.txtTasaIncremento, "txtTasaIncremento", [&d] { d.txtTasaIncremento_Change(); },
                 [&d] { d.txtTasaIncremento_LostFocus(); });
    enlace.Etiqueta(lblTasa, d.lblTasaIncremento);
    enlace.Etiqueta(lblTipo, d.lblTipoIncremento);
    enlace.Lista(comTipo, d.comTipoIncremento, "comTipoIncremento");
    enlace.Boton(butAceptar, d.butAceptar, "butAceptar", [this, &d] { resultado = d.butAceptar_Click(); });
    enlace.Boton(butCancelar, d.butCancelar, "butCancelar", [&d] { d.butCancelar_Click(); });
    enlace.despues = [this, &d] {
        if (!d.abierto) done(resultado == app::FrmAportaciones::Resultado::SinCambio ? Rejected : Accepted);
    };
    d.abierto = true;
    enlace.Refrescar();
    txtNoPagos->setFocus();
}

void VistaAportaciones::reject() {
    d_.butCancelar_Click();
    QDialog::reject();
}

VistaEdad::VistaEdad(app::FrmEdad& d, Fecha hoy, QWidget* padre) : QDialog(padre), enlace(&d.foco), d_(d) {
    setObjectName("frmedad");
    setWindowTitle("Edad del Padre o Tutor");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    txtFechaNacimiento = new QLineEdit(this);
    txtFechaNacimiento->setMaxLength(10);
    txtEdad = Numero(this);
    cmdregresa = BotonSinDefecto(this);
    auto* f = new QFormLayout;
    f->addRow("Fecha de Nacimiento (dia/mes/año)", txtFechaNacimiento);
    f->addRow("Edad", txtEdad);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdregresa);
    auto* v = new QVBoxLayout(this);
    v->addLayout(f);
    v->addLayout(botones);
    v->setSizeConstraint(QLayout::SetFixedSize);

    enlace.Texto(txtFechaNacimiento, d.txtFechaNacimiento, "txtFechaNacimiento", {},
                 [&d, hoy] { d.txtFechaNacimiento_LostFocus(hoy); });
    enlace.Texto(txtEdad, d.txtEdad, "txtEdad", [&d] { d.txtEdad_Change(); }, [&d] { d.txtEdad_LostFocus(); });
    enlace.Boton(cmdregresa, d.cmdregresa, "cmdregresa", [&d] { d.cmdregresa_Click(); });
    enlace.despues = [this, &d] {
        if (!d.abierto) accept();
    };
    d.abierto = true;
    enlace.Refrescar();
    txtFechaNacimiento->setFocus();
}

void VistaEdad::reject() {
    d_.abierto = false;
    QDialog::reject();
}

}  // namespace cv::gui
