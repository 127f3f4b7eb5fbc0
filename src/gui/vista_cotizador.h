#pragma once
// The main quote window "Cotizador de Vida": every widget bound to its control of the window
// model, the quote-line workflow, the calculation run and the quote file.
#include <QMainWindow>

#include <functional>
#include <memory>

#include "app/cotizador.h"
#include "app/usuario.h"
#include "gui/enlace.h"
#include "gui/interaccion_qt.h"
#include "quote/archivo.h"
#include "quote/corrida.h"
#include "quote/flujo.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace cv::gui {

class VistaCotizador : public QMainWindow {
    Q_OBJECT
public:
    VistaCotizador(app::FrmCotizador& w, InteraccionQt& ui, app::SistemaAgentes* agentes = nullptr,
                   QWidget* padre = nullptr);
    ~VistaCotizador() override;

    app::FrmCotizador& Modelo() { return w_; }
    cotizacion::FlujoLineas& Flujo() { return *flujo_; }
    cotizacion::CorridaCalculo* Corrida() { return corrida_.get(); }
    Enlace enlace;
    // "&Salir": the whole program ends at once (a test records it instead).
    std::function<void()> terminar;

    // The widgets, named as the window names its controls.
    QLineEdit *txtNombre, *txtEdad, *txtFechaNacimiento, *txtNumAge, *txtAgente, *txtSumaAseguradaGlobal, *txtPrimaTotal;
    QComboBox *comSexo, *comFuma, *comMoneda, *comFormaPago, *comTipoIncremento;
    QCheckBox* chkRiesgoSelecto;
    QLineEdit *txtExtraprimaOcupacional, *txtExtraPrimaMedica, *txtTasaInteres;
    QLineEdit* txtProducto;
    QComboBox *dbcProducto, *dbcPago, *dbcPlazo, *comIncremento;
    QLineEdit *txtPago, *txtPlazo, *txtParticipacion, *txtedad_menor;
    QListWidget* List1;
    QCheckBox *chkbit, *chkbpai, *chkma, *chkdi, *chkti, *chkenfgr, *Chkbitf, *Chkcat;
    QLineEdit *txtprimaneta, *txtPagoFraccionado, *txtderechopoliza, *txtTotal, *txt1erRecibo, *txtSubsecuentes;
    QPushButton *cmdPrimasAdicionales, *butNo, *butTarifas, *butCotizador, *optDetalle, *optResumen;
    QLineEdit *txtEdadInicial, *txtEdadFinal;
    QPushButton *butCalcular, *butAceptar, *butAgregar, *butCancelar, *butBorrar, *butGenerar, *Command1, *butEditar,
        *butEliminar, *butCalcular1;
    QTableWidget *dbgProductosPaquete, *dbgProductosCotizacion;
    QLineEdit* Text1;
    QLabel* lbldate;
    QAction *mnuBaseDatos, *mnuAbrir, *mnuGuardar, *mnuGuardarComo, *mnuSalir, *mnuAyuda;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

signals:
    void cerrada();  // the close box: back to the login window

private:
    void Construir();
    void Enlazar();
    void PrepararCorrida();
    void Calcular(bool generar);
    void MostrarEstudio(Calculo& motor);
    void MostrarHojaTarifa(const Calculo& motor, const ResultadoCalculo& r);

    app::FrmCotizador& w_;
    InteraccionQt& ui_;
    app::SistemaAgentes* agentes_;
    std::unique_ptr<cotizacion::FlujoLineas> flujo_;
    std::unique_ptr<cotizacion::CorridaCalculo> corrida_;
    std::unique_ptr<cotizacion::ArchivoCotizacion> archivo_;
    std::filesystem::path baseDeCorrida_;
};

}  // namespace cv::gui
