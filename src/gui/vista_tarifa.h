#pragma once
// The tariff sheet window "Tarifas": one row per age of the range, designed at 800 x 600 and
// fitted to the screen by the proportional resize; printed page by page, or exported as CSV.
#include <QDialog>

#include <vector>

#include "app/cotizador.h"
#include "engine/premium/calculo.h"
#include "gui/enlace.h"
#include "gui/interaccion_qt.h"
#include "output/hoja_tarifa.h"
#include "output/redimensionar.h"

class QPushButton;
class QTableWidget;

namespace cv::gui {

class VistaTarifa : public QDialog {
    Q_OBJECT
public:
    // `pantalla`: the screen's size in pixels; the window's own screen when not given.
    VistaTarifa(app::FrmCotizador& w, const Calculo& motor, const ResultadoCalculo& r, InteraccionQt& ui,
                QWidget* padre = nullptr, QSize pantalla = {});

    salida::FrmTarifa modelo;
    Enlace enlace;
    QTableWidget* dbgPlan;
    QPushButton *butImprimir, *butGuardarPdf, *butExportar, *butTerminar;
    salida::AjusteProporcional ajuste;

    // Writes the rows as CSV; false (after saying why) when the file cannot be written.
    bool Exportar(const QString& archivo);

public slots:
    void Imprimir();
    void GuardarPdf();
    void ElegirExportar();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Aplicar();

    app::FrmCotizador& w_;
    const Calculo& motor_;
    const ResultadoCalculo& resultado_;
    InteraccionQt& ui_;
    std::vector<QWidget*> widgets_;
    std::vector<salida::ControlEscalable> controles_;
    salida::Rectangulo ventana_;
};

}  // namespace cv::gui
