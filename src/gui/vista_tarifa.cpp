#include "gui/vista_tarifa.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTableWidget>

#include <cmath>

namespace cv::gui {

VistaTarifa::VistaTarifa(app::FrmCotizador& w, const Calculo& motor, const ResultadoCalculo& r, InteraccionQt& ui,
                         QWidget* padre, QSize pantalla)
    : QDialog(padre), w_(w), motor_(motor), resultado_(r), ui_(ui) {
    setObjectName("frmTarifa");
    setWindowTitle(Q(modelo.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);

    // The window as designed, at 800 x 600 pixels.
    dbgPlan = new QTableWidget(this);
    dbgPlan->setGeometry(10, 10, 780, 530);
    butImprimir = new QPushButton(this);
    butImprimir->setGeometry(10, 552, 110, 32);
    butGuardarPdf = new QPushButton("Guardar PDF", this);
    butGuardarPdf->setGeometry(130, 552, 110, 32);
    butExportar = new QPushButton("Exportar", this);
    butExportar->setGeometry(250, 552, 110, 32);
    butTerminar = new QPushButton(this);
    butTerminar->setGeometry(680, 552, 110, 32);
    for (QPushButton* b : {butImprimir, butGuardarPdf, butExportar, butTerminar}) b->setAutoDefault(false);

    modelo.Form_Load(motor.Estado(), w, r.filasTarifa);
    enlace.Rejilla(dbgPlan, modelo.dbgPlan, "dbgPlan");
    enlace.Boton(butImprimir, modelo.butImprimir, "butImprimir", [this] { Imprimir(); });
    connect(butGuardarPdf, &QPushButton::clicked, this, &VistaTarifa::GuardarPdf);
    connect(butExportar, &QPushButton::clicked, this, &VistaTarifa::ElegirExportar);
    enlace.Boton(butTerminar, modelo.butTerminar, "butTerminar", [this] { modelo.butTerminar_Click(); });
    enlace.despues = [this] {
        if (!modelo.abierto) accept();
    };
    enlace.Refrescar();
    setWindowTitle(Q(modelo.caption));

    for (QWidget* c : {static_cast<QWidget*>(dbgPlan), static_cast<QWidget*>(butImprimir),
                       static_cast<QWidget*>(butGuardarPdf), static_cast<QWidget*>(butExportar),
                       static_cast<QWidget*>(butTerminar)}) {
        const QRect g = c->geometry();
        widgets_.push_back(c);
        controles_.push_back({{double(g.x()), double(g.y()), double(g.width()), double(g.height())},
                              c->font().pointSizeF(), qobject_cast<QComboBox*>(c) != nullptr});
    }
    ventana_ = {0, 0, salida::AjusteProporcional::kAnchoDiseno, salida::AjusteProporcional::kAltoDiseno};
    if (!pantalla.isValid()) {
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        pantalla = s ? s->size() : QSize(800, 600);
    }
    ajuste.Cargar(pantalla.width(), pantalla.height(), controles_, ventana_);
    Aplicar();
    if (ajuste.moverVentana)
        setGeometry(int(std::lround(ventana_.izquierda)), int(std::lround(ventana_.arriba)),
                    int(std::lround(ventana_.ancho)), int(std::lround(ventana_.alto)));
    setWindowState(windowState() | Qt::WindowMaximized);
}

void VistaTarifa::Aplicar() {
    for (size_t i = 0; i < widgets_.size(); ++i) {
        const salida::ControlEscalable& c = controles_[i];
        QWidget* w = widgets_[i];
        w->setGeometry(int(std::lround(c.r.izquierda)), int(std::lround(c.r.arriba)), int(std::lround(c.r.ancho)),
                       int(std::lround(c.r.alto)));
        if (c.tamanoFuente > 0) {
            QFont f = w->font();
            f.setPointSizeF(c.tamanoFuente);
            w->setFont(f);
        }
    }
    // Rows as tall as the grid's font, columns as wide.
    dbgPlan->verticalHeader()->setDefaultSectionSize(dbgPlan->fontMetrics().height() + 6);
    enlace.Refrescar();
}

void VistaTarifa::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    if (ajuste.AlRedimensionar(e->size().width(), e->size().height(), controles_, ventana_)) Aplicar();
}

bool VistaTarifa::Exportar(const QString& archivo) {
    QFile f(archivo);
    const std::string csv = salida::TarifaCsv(modelo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size())) {
        ui_.MostrarMensaje(app::Simple("No se pudo escribir el archivo " + S(archivo) + ": " + S(f.errorString())));
        return false;
    }
    return true;
}

void VistaTarifa::ElegirExportar() {
    const QString archivo = QFileDialog::getSaveFileName(this, "Exportar", "tarifas.csv", "CSV (*.csv)");
    if (archivo.isEmpty()) return;
    if (Exportar(archivo) && ui_.avisar) ui_.avisar("Tarifas exportadas a " + archivo);
}

}  // namespace cv::gui
