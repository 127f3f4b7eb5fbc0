#pragma once
// The illustration window "Estudio": the year-by-year values of the quote just calculated,
// the receipts, the two print options, and a chart of protection, surrender value and fund by
// year under the grid.
#include <QDialog>

#include "app/cotizador.h"
#include "app/usuario.h"
#include "engine/premium/calculo.h"
#include "gui/enlace.h"
#include "gui/interaccion_qt.h"
#include "output/estudio.h"
#include "quote/corrida.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QChartView;

namespace cv::gui {

class VistaEstudio : public QDialog {
    Q_OBJECT
public:
    VistaEstudio(app::FrmCotizador& w, Calculo& motor, const cotizacion::CorridaCalculo& corrida, InteraccionQt& ui,
                 app::SistemaAgentes* agentes, QWidget* padre = nullptr);

    salida::FrmEstudio modelo;
    Enlace enlace;
    QTableWidget* dbgPlan;
    QChartView* grafica;
    QCheckBox *chkImpresionDescripcion, *ChckImprimeProrrogado;
    QPushButton *Impresoras, *butGuardarPdf, *butTerminar;
    QLabel *Label5, *Label6;

public slots:
    // The proposal on the printer chosen, and the same pages as a PDF file.
    void Imprimir();
    void GuardarPdf();

private:
    void Graficar();

    app::FrmCotizador& w_;
    Calculo& motor_;
    const cotizacion::CorridaCalculo& corrida_;
    InteraccionQt& ui_;
    app::SistemaAgentes* agentes_;
};

}  // namespace cv::gui
