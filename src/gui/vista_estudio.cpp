#include "gui/vista_estudio.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include "core/formato.h"

namespace cv::gui {

VistaEstudio::VistaEstudio(app::FrmCotizador& w, Calculo& motor, const cotizacion::CorridaCalculo& corrida,
                           InteraccionQt& ui, app::SistemaAgentes* agentes, QWidget* padre)
    : QDialog(padre), w_(w), motor_(motor), corrida_(corrida), ui_(ui), agentes_(agentes) {
    setObjectName("frmEstudio");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    modelo.Form_Load(motor.Estado(), w);
    setWindowTitle(Q(modelo.caption));

    dbgPlan = new QTableWidget(this);
    grafica = new QChartView(this);
    grafica->setRenderHint(QPainter::Antialiasing);
    grafica->setMinimumHeight(220);
    auto* lbl3 = new QLabel(this);
    auto* lbl4 = new QLabel(this);
    Label5 = new QLabel(this);
    Label6 = new QLabel(this);
    for (QLabel* l : {Label5, Label6}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(110);
        l->setStyleSheet("font-weight: bold");
    }
    chkImpresionDescripcion = new QCheckBox(this);
    ChckImprimeProrrogado = new QCheckBox(this);
    Impresoras = new QPushButton(this);
    butGuardarPdf = new QPushButton("Guardar PDF", this);
    butTerminar = new QPushButton(this);
    for (QPushButton* b : {Impresoras, butGuardarPdf, butTerminar}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
    }

    auto* recibos = new QGridLayout;
    recibos->addWidget(lbl3, 0, 0);
    recibos->addWidget(Label5, 0, 1);
    recibos->addWidget(lbl4, 1, 0);
    recibos->addWidget(Label6, 1, 1);
    auto* opciones = new QVBoxLayout;
    opciones->addWidget(chkImpresionDescripcion);
    opciones->addWidget(ChckImprimeProrrogado);
    auto* botones = new QHBoxLayout;
    botones->addWidget(Impresoras);
    botones->addWidget(butGuardarPdf);
    botones->addWidget(butTerminar);
    auto* abajo = new QHBoxLayout;
    abajo->addLayout(recibos);
    abajo->addSpacing(24);
    abajo->addLayout(opciones);
    abajo->addStretch();
    abajo->addLayout(botones);
    auto* v = new QVBoxLayout(this);
    v->addWidget(dbgPlan, 3);
    v->addWidget(grafica, 2);
    v->addLayout(abajo);

    enlace.Rejilla(dbgPlan, modelo.dbgPlan, "dbgPlan");
    enlace.Etiqueta(lbl3, modelo.Label3);
    enlace.Etiqueta(lbl4, modelo.Label4);
    enlace.Etiqueta(Label5, modelo.Label5);
    enlace.Etiqueta(Label6, modelo.Label6);
    enlace.Casilla(chkImpresionDescripcion, modelo.chkImpresionDescripcion, "chkImpresionDescripcion");
    enlace.Casilla(ChckImprimeProrrogado, modelo.ChckImprimeProrrogado, "ChckImprimeProrrogado");
    enlace.Boton(Impresoras, modelo.Impresoras, "Impresoras", [this] { Imprimir(); });
    connect(butGuardarPdf, &QPushButton::clicked, this, &VistaEstudio::GuardarPdf);
    enlace.Boton(butTerminar, modelo.butTerminar, "butTerminar", [this] { modelo.butTerminar_Click(); });
    enlace.despues = [this] {
        if (!modelo.abierto) accept();
    };
    enlace.Refrescar();
    Graficar();
    resize(1000, 690);
}

void VistaEstudio::Graficar() {
    // The chart draws what the grid shows, year by year.
    struct Serie {
        int columna;
        const char* nombre;
        QColor color;
    };
    const Serie series[] = {{2, "Protección Total", QColor("#1f5fa8")},
                            {5, "Valor de Rescate", QColor("#c2571a")},
                            {4, "Fondo Acumulado", QColor("#2e8b57")}};
    auto* chart = new QChart;
    chart->setTitle("Protección, valor de rescate y fondo acumulado por año");
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    const app::Rejilla& g = modelo.dbgPlan;
    double maximo = 0;
    for (const Serie& s : series) {
        auto* linea = new QLineSeries;
        linea->setName(QString::fromUtf8(s.nombre));
        linea->setColor(s.color);
        for (int k = 1; k < g.filas; ++k) {
            const double y = LeerImporte(g.Celda(k, s.columna)).value_or(0);
            linea->append(k, y);
            maximo = std::max(maximo, y);
        }
        chart->addSeries(linea);
    }
    auto* ejeX = new QValueAxis;
    ejeX->setTitleText("Año");
    ejeX->setLabelFormat("%d");
    ejeX->setRange(1, std::max(2, g.filas - 1));
    ejeX->setTickCount(std::min(11, std::max(2, g.filas - 1)));
    // Sums of millions read better in thousands.
    const double escala = maximo >= 100000 ? 1000 : 1;
    if (escala != 1)
        for (QAbstractSeries* s : chart->series()) {
            auto* linea = static_cast<QLineSeries*>(s);
            QList<QPointF> puntos = linea->points();
            for (QPointF& p : puntos) p.setY(p.y() / escala);
            linea->replace(puntos);
        }
    auto* ejeY = new QValueAxis;
    ejeY->setLabelFormat("%.0f");
    ejeY->setTitleText(escala != 1 ? "Miles de " + Q(w_.comMoneda.texto) : Q(w_.comMoneda.texto));
    ejeY->setRange(0, maximo > 0 ? maximo / escala * 1.05 : 1);
    ejeY->applyNiceNumbers();
    chart->addAxis(ejeX, Qt::AlignBottom);
    chart->addAxis(ejeY, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(ejeX);
        s->attachAxis(ejeY);
    }
    grafica->setChart(chart);
}

}  // namespace cv::gui
