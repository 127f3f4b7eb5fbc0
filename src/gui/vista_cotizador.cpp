#include "gui/vista_cotizador.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/arranque.h"
#include "gui/vista_estudio.h"
#include "gui/vista_tarifa.h"

namespace cv::gui {

namespace {

QLineEdit* Campo(QWidget* padre, bool numero = false) {
    auto* e = new QLineEdit(padre);
    if (numero) e->setAlignment(Qt::AlignRight);
    return e;
}

QComboBox* Combo(QWidget* padre) {
    auto* c = new QComboBox(padre);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(6);
    return c;
}

QPushButton* Boton(QWidget* padre) {
    auto* b = new QPushButton(padre);
    b->setAutoDefault(false);
    return b;
}

QLabel* Titulo(const char* texto, QWidget* padre) {
    auto* l = new QLabel(QString::fromUtf8(texto), padre);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QGroupBox* Grupo(const char* titulo, QWidget* padre) {
    auto* g = new QGroupBox(QString::fromUtf8(titulo), padre);
    return g;
}

QTableWidget* Rejilla(QWidget* padre) {
    auto* t = new QTableWidget(padre);
    t->horizontalHeader()->setHighlightSections(false);
    t->setAlternatingRowColors(true);
    return t;
}

}  // namespace

VistaCotizador::VistaCotizador(app::FrmCotizador& w, InteraccionQt& ui, app::SistemaAgentes* agentes, QWidget* padre)
    : QMainWindow(padre), enlace(&w.foco), w_(w), ui_(ui), agentes_(agentes) {
    setObjectName("frmCotizador");
    setWindowTitle("Cotizador de Vida");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    terminar = [] { QCoreApplication::exit(0); };
    ui_.propietario = this;
    ui_.avisar = [this](const QString& t) { statusBar()->showMessage(t, 15000); };
    flujo_ = std::make_unique<cotizacion::FlujoLineas>(w_);
    archivo_ = std::make_unique<cotizacion::ArchivoCotizacion>(w_, *flujo_);
    PrepararCorrida();
    Construir();
    Enlazar();
    enlace.Refrescar();
    txtNombre->setFocus();
}

VistaCotizador::~VistaCotizador() {
    if (ui_.propietario == this) ui_.propietario = nullptr;
    ui_.avisar = nullptr;
}

void VistaCotizador::PrepararCorrida() {
    // The engine reads the catalogue bound to the window: a new one chosen through
    // "&Base de Datos" gets an engine of its own.
    corrida_.reset();
    baseDeCorrida_ = w_.RutaBaseDatos;
    if (!w_.Catalogo()) return;
    corrida_ = std::make_unique<cotizacion::CorridaCalculo>(w_, *flujo_,
                                                            std::make_shared<const CatalogoMotor>(*w_.Catalogo()));
    corrida_->MostrarEstudio = [this](Calculo& motor) { MostrarEstudio(motor); };
    corrida_->MostrarHojaTarifa = [this](const Calculo& motor, const ResultadoCalculo& r) { MostrarHojaTarifa(motor, r); };
}

void VistaCotizador::Calcular(bool generar) {
    if (!corrida_) {
        ui_.MostrarMensaje(app::Simple(std::string(datos::kMensajeFaltaBaseDatos)));
        return;
    }
    generar ? corrida_->butGenerar_Click() : corrida_->butCalcular_Click();
}

void VistaCotizador::MostrarEstudio(Calculo& motor) {
    VistaEstudio v(w_, motor, *corrida_, ui_, agentes_, this);
    ui_.Ejecutar(v);
}

void VistaCotizador::MostrarHojaTarifa(const Calculo& motor, const ResultadoCalculo& r) {
    VistaTarifa v(w_, motor, r, ui_, this);
    ui_.Ejecutar(v);
}

void VistaCotizador::Construir() {
    // ---- menus ----
    QMenu* archivo = menuBar()->addMenu("&Archivo");
    mnuBaseDatos = archivo->addAction("&Base de Datos");
    QAction* raya0 = archivo->addSeparator();
    mnuAbrir = archivo->addAction("&Abrir");
    mnuGuardar = archivo->addAction("&Guardar");
    mnuGuardarComo = archivo->addAction("Guardar &Como");
    archivo->addSeparator();
    mnuSalir = archivo->addAction("&Salir");
    mnuSalir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuSalir->setShortcutContext(Qt::WindowShortcut);
    QMenu* ayuda = menuBar()->addMenu("?");
    mnuAyuda = ayuda->addAction("A&yuda");
    mnuAyuda->setShortcut(QKeySequence(Qt::Key_F1));
    mnuAyuda->setShortcutContext(Qt::WindowShortcut);
    enlace.Leer([this, raya0] { raya0->setVisible(w_.mnuBaseDatos.visible); });

    // The window scrolls when the screen is smaller than it.
    auto* desplazable = new QScrollArea(this);
    desplazable->setWidgetResizable(true);
    desplazable->setFrameShape(QFrame::NoFrame);
    auto* central = new QWidget(desplazable);
    desplazable->setWidget(central);
    setCentralWidget(desplazable);
    auto* rejilla = new QGridLayout(central);
    rejilla->setContentsMargins(6, 4, 6, 4);
    rejilla->setHorizontalSpacing(8);
    rejilla->setVerticalSpacing(4);

    // ---- "Asegurado" ----
    auto* asegurado = Grupo("Asegurado", central);
    auto* ga = new QGridLayout(asegurado);
    ga->setVerticalSpacing(3);
    txtNombre = Campo(asegurado);
    ga->addWidget(Titulo("Nombre", asegurado), 0, 0);
    ga->addWidget(txtNombre, 0, 1, 1, 3);
    txtEdad = Campo(asegurado, true);
    txtEdad->setMaximumWidth(50);
    txtFechaNacimiento = Campo(asegurado);
    txtFechaNacimiento->setMinimumWidth(84);
    auto* lblFecha = new QLabel(asegurado);
    auto* lblFormato = new QLabel(asegurado);
    ga->addWidget(Titulo("Edad", asegurado), 1, 0);
    ga->addWidget(txtEdad, 1, 1);
    ga->addWidget(lblFecha, 1, 2);
    lblFecha->setText("Fecha de Nacimiento");
    auto* fecha = new QHBoxLayout;
    fecha->addWidget(txtFechaNacimiento);
    fecha->addWidget(lblFormato);
    ga->addLayout(fecha, 1, 3);
    comSexo = Combo(asegurado);
    comFuma = Combo(asegurado);
    ga->addWidget(Titulo("Sexo", asegurado), 2, 0);
    ga->addWidget(comSexo, 2, 1);
    ga->addWidget(Titulo("Fuma", asegurado), 2, 2);
    ga->addWidget(comFuma, 2, 3);
    comMoneda = Combo(asegurado);
    comFormaPago = Combo(asegurado);
    ga->addWidget(Titulo("Moneda", asegurado), 3, 0);
    ga->addWidget(comMoneda, 3, 1);
    ga->addWidget(Titulo("Forma de Pago", asegurado), 3, 2);
    ga->addWidget(comFormaPago, 3, 3);
    txtSumaAseguradaGlobal = Campo(asegurado, true);
    txtPrimaTotal = Campo(asegurado, true);
    auto* lblSuma = new QLabel(asegurado);
    auto* lblPrima = new QLabel(asegurado);
    ga->addWidget(lblSuma, 4, 0, 1, 2);
    ga->addWidget(txtSumaAseguradaGlobal, 4, 2, 1, 2);
    ga->addWidget(lblPrima, 5, 0, 1, 2);
    ga->addWidget(txtPrimaTotal, 5, 2, 1, 2);
    txtNumAge = Campo(asegurado);
    txtNumAge->setMaximumWidth(60);
    txtAgente = Campo(asegurado);
    ga->addWidget(Titulo("Agente", asegurado), 6, 0);
    ga->addWidget(txtNumAge, 6, 1);
    ga->addWidget(txtAgente, 6, 2, 1, 2);
    // Management fields: shown to office staff only.
    chkRiesgoSelecto = new QCheckBox(asegurado);
    txtExtraprimaOcupacional = Campo(asegurado, true);
    txtExtraPrimaMedica = Campo(asegurado, true);
    txtTasaInteres = Campo(asegurado, true);
    comTipoIncremento = Combo(asegurado);
    auto* lblOcup = Titulo("ExtPr. Ocup.", asegurado);
    auto* lblMed = Titulo("ExtPr. Med.", asegurado);
    auto* lblInteres = Titulo("Int. del Fondo %", asegurado);
    ga->addWidget(chkRiesgoSelecto, 7, 0, 1, 2);
    ga->addWidget(lblInteres, 7, 2);
    ga->addWidget(txtTasaInteres, 7, 3);
    ga->addWidget(lblOcup, 8, 0);
    ga->addWidget(txtExtraprimaOcupacional, 8, 1);
    ga->addWidget(lblMed, 8, 2);
    ga->addWidget(txtExtraPrimaMedica, 8, 3);
    ga->addWidget(comTipoIncremento, 9, 0, 1, 2);
    ga->setRowStretch(10, 1);
    ga->setColumnStretch(3, 1);
    enlace.Etiqueta(lblFormato, w_.lblFechaFormato);
    enlace.Etiqueta(lblSuma, w_.lblSumaAsegurada);
    enlace.Etiqueta(lblPrima, w_.lblPrimaGlobal);
    enlace.Acompanar(lblOcup, w_.txtExtraprimaOcupacional);
    enlace.Acompanar(lblMed, w_.txtExtraPrimaMedica);
    enlace.Acompanar(lblInteres, w_.txtTasaInteres);

    // ---- "Seleccion de Productos" ----
    auto* seleccion = Grupo("Seleccion de Productos", central);
    auto* gs = new QGridLayout(seleccion);
    gs->setVerticalSpacing(3);
    auto* lblProducto = new QLabel(seleccion);
    lblProducto->setStyleSheet("font-weight: bold");
    gs->addWidget(lblProducto, 0, 1, 1, 3);
    txtProducto = Campo(seleccion, true);
    txtProducto->setMaximumWidth(36);
    dbcProducto = Combo(seleccion);
    gs->addWidget(Titulo("Tipo de Producto", seleccion), 1, 0);
    gs->addWidget(txtProducto, 1, 1);
    gs->addWidget(dbcProducto, 1, 2, 1, 2);
    auto* lblPago = new QLabel(seleccion);
    dbcPago = Combo(seleccion);
    txtPago = Campo(seleccion, true);
    auto* lblPlazo = new QLabel(seleccion);
    dbcPlazo = Combo(seleccion);
    txtPlazo = Campo(seleccion, true);
    gs->addWidget(lblPago, 2, 0);
    auto* pago = new QHBoxLayout;
    pago->addWidget(dbcPago);
    pago->addWidget(txtPago);
    gs->addLayout(pago, 2, 1, 1, 2);
    gs->addWidget(lblPlazo, 3, 0);
    auto* plazo = new QHBoxLayout;
    plazo->addWidget(dbcPlazo);
    plazo->addWidget(txtPlazo);
    gs->addLayout(plazo, 3, 1, 1, 2);
    auto* lblParticipacion = new QLabel(seleccion);
    txtParticipacion = Campo(seleccion, true);
    auto* lblIncremento = new QLabel(seleccion);
    comIncremento = Combo(seleccion);
    gs->addWidget(lblParticipacion, 4, 0);
    gs->addWidget(txtParticipacion, 4, 1, 1, 2);
    gs->addWidget(lblIncremento, 5, 0);
    gs->addWidget(comIncremento, 5, 1, 1, 2);
    auto* educacional = new QGroupBox(seleccion);
    auto* ge = new QGridLayout(educacional);
    ge->setContentsMargins(6, 2, 6, 2);
    auto* lblMenor = new QLabel(educacional);
    txtedad_menor = Campo(educacional, true);
    txtedad_menor->setMaximumWidth(50);
    auto* lblProdEdu = new QLabel(educacional);
    List1 = new QListWidget(educacional);
    List1->setMaximumHeight(56);
    ge->addWidget(lblMenor, 0, 0);
    ge->addWidget(txtedad_menor, 0, 1);
    ge->addWidget(lblProdEdu, 0, 2);
    ge->addWidget(List1, 0, 3, 2, 1);
    gs->addWidget(educacional, 6, 0, 1, 4);
    gs->setRowStretch(7, 1);
    gs->setColumnStretch(2, 1);
    enlace.Etiqueta(lblProducto, w_.lblProducto);
    enlace.Etiqueta(lblPago, w_.lblPlazoPago);
    enlace.Etiqueta(lblPlazo, w_.lblPlazoSeguro);
    enlace.Etiqueta(lblParticipacion, w_.lblParticipacion);
    enlace.Etiqueta(lblIncremento, w_.lblIncremento);
    enlace.Etiqueta(lblMenor, w_.lblEdadMenor);
    enlace.Etiqueta(lblProdEdu, w_.lblProductoEducacional);
    enlace.Marco(educacional, w_.fEducacionalVeralta);

    // ---- "Primas" ----
    auto* primas = Grupo("Primas", central);
    auto* gp = new QGridLayout(primas);
    gp->setVerticalSpacing(3);
    struct Prima {
        QLineEdit*& campo;
        app::CuadroTexto& control;
        app::Etiqueta& etiqueta;
        const char* nombre;
    };
    Prima filas[] = {{txtprimaneta, w_.txtprimaneta, w_.lblPrimaNeta, "txtprimaneta"},
                     {txtPagoFraccionado, w_.txtPagoFraccionado, w_.lblPagoFraccionado, "txtPagoFraccionado"},
                     {txtderechopoliza, w_.txtderechopoliza, w_.lblDerechoPoliza, "txtderechopoliza"},
                     {txtTotal, w_.txtTotal, w_.lblPrimaTotal, "txtTotal"},
                     {txt1erRecibo, w_.txt1erRecibo, w_.lbl1erRecibo, "txt1erRecibo"},
                     {txtSubsecuentes, w_.txtSubsecuentes, w_.lblSubsecuentes, "txtSubsecuentes"}};
    int f = 0;
    for (Prima& p : filas) {
        p.campo = Campo(primas, true);
        p.campo->setReadOnly(true);
        auto* l = new QLabel(primas);
        gp->addWidget(l, f, 0);
        gp->addWidget(p.campo, f, 1, 1, 2);
        enlace.Etiqueta(l, p.etiqueta);
        enlace.Texto(p.campo, p.control, p.nombre);
        ++f;
    }
    cmdPrimasAdicionales = Boton(primas);
    butNo = Boton(primas);
    gp->addWidget(Titulo("Aportaciones Adicionales", primas), f, 0);
    auto* siNo = new QHBoxLayout;
    siNo->addWidget(cmdPrimasAdicionales);
    siNo->addWidget(butNo);
    gp->addLayout(siNo, f++, 1, 1, 2);
    butTarifas = Boton(primas);
    butCotizador = Boton(primas);
    auto* modos = new QHBoxLayout;
    modos->addWidget(butTarifas);
    modos->addWidget(butCotizador);
    gp->addLayout(modos, f++, 0, 1, 3);
    auto* salida = new QGroupBox(primas);
    auto* hs = new QHBoxLayout(salida);
    hs->setContentsMargins(6, 2, 6, 2);
    optDetalle = Boton(salida);
    optResumen = Boton(salida);
    hs->addWidget(optDetalle);
    hs->addWidget(optResumen);
    gp->addWidget(salida, f++, 0, 1, 3);
    auto* lblIni = new QLabel(primas);
    auto* lblFin = new QLabel(primas);
    txtEdadInicial = Campo(primas, true);
    txtEdadFinal = Campo(primas, true);
    auto* rango = new QHBoxLayout;
    rango->addWidget(lblIni);
    rango->addWidget(txtEdadInicial);
    rango->addWidget(lblFin);
    rango->addWidget(txtEdadFinal);
    gp->addLayout(rango, f++, 0, 1, 3);
    gp->setRowStretch(f, 1);
    enlace.Marco(salida, w_.Frame4);
    enlace.Etiqueta(lblIni, w_.lblEdadInicial);
    enlace.Etiqueta(lblFin, w_.lblEdadFinal);

    // ---- "Beneficios Adicionales" ----
    auto* beneficios = Grupo("Beneficios Adicionales", central);
    auto* gb = new QGridLayout(beneficios);
    gb->setVerticalSpacing(2);
    chkbit = new QCheckBox(beneficios);
    chkbpai = new QCheckBox(beneficios);
    chkma = new QCheckBox(beneficios);
    chkdi = new QCheckBox(beneficios);
    chkti = new QCheckBox(beneficios);
    chkenfgr = new QCheckBox(beneficios);
    Chkbitf = new QCheckBox(beneficios);
    Chkcat = new QCheckBox(beneficios);
    int b = 0;
    for (QCheckBox* c : {chkbit, chkbpai, chkma, chkdi, chkti, chkenfgr}) gb->addWidget(c, b++, 0, 1, 2);
    gb->addWidget(Chkbitf, b, 0);
    gb->addWidget(Chkcat, b, 1);
    gb->setRowStretch(b + 1, 1);

    // ---- description panels, on one spot at the right ----
    auto* panel = new QWidget(central);
    auto* vp = new QVBoxLayout(panel);
    vp->setContentsMargins(4, 0, 4, 0);
    vp->setSpacing(2);
    auto etiquetas = [&](app::Panel& p, bool titular) {
        bool primera = titular;
        for (app::Etiqueta& e : p.etiquetas) {
            auto* l = new QLabel(panel);
            l->setWordWrap(true);
            if (primera) l->setStyleSheet("font-weight: bold; color: #1f3f6e");
            primera = false;
            vp->addWidget(l);
            enlace.Etiqueta(l, e);
        }
    };
    for (app::Panel* p : {&w_.planTemporal, &w_.planTemporalAnual, &w_.planVitalicio, &w_.planDotal}) etiquetas(*p, true);
    auto* encabezado = new QLabel(panel);
    encabezado->setStyleSheet("font-weight: bold; color: #1f3f6e");
    vp->addWidget(encabezado);
    enlace.Etiqueta(encabezado, w_.lblBeneficiosAdicionales);
    for (app::Panel* p : {&w_.porInvalidez, &w_.porAccidente, &w_.porEnfermedad}) etiquetas(*p, true);
    vp->addStretch();

    // ---- grids ----
    dbgProductosPaquete = Rejilla(central);
    dbgProductosCotizacion = Rejilla(central);
    dbgProductosPaquete->setMinimumHeight(110);
    dbgProductosCotizacion->setMinimumHeight(130);

    // ---- commands ----
    auto* comandos = new QHBoxLayout;
    butCalcular = Boton(central);
    butAceptar = Boton(central);
    butAgregar = Boton(central);
    butEditar = Boton(central);
    butEliminar = Boton(central);
    butCalcular1 = Boton(central);
    butCancelar = Boton(central);
    butBorrar = Boton(central);
    butGenerar = Boton(central);
    Command1 = Boton(central);
    for (QPushButton* c : {butCalcular, butAceptar, butAgregar, butEditar, butEliminar, butCalcular1, butCancelar, butBorrar,
                           butGenerar}) {
        c->setMinimumWidth(90);
        comandos->addWidget(c);
    }
    comandos->addStretch();
    Command1->setMinimumWidth(90);
    comandos->addWidget(Command1);

    // ---- footer ----
    Text1 = Campo(central);
    Text1->setAlignment(Qt::AlignCenter);
    lbldate = new QLabel(central);
    auto* pie = new QHBoxLayout;
    pie->addWidget(Text1, 1);
    pie->addWidget(lbldate);

    rejilla->addWidget(asegurado, 0, 0);
    rejilla->addWidget(seleccion, 0, 1);
    rejilla->addWidget(primas, 0, 2);
    rejilla->addWidget(beneficios, 1, 0);
    rejilla->addWidget(dbgProductosPaquete, 1, 1);
    rejilla->addWidget(panel, 1, 2);
    rejilla->addWidget(dbgProductosCotizacion, 2, 0, 1, 3);
    rejilla->addLayout(comandos, 3, 0, 1, 3);
    rejilla->addLayout(pie, 4, 0, 1, 3);
    rejilla->setColumnStretch(0, 10);
    rejilla->setColumnStretch(1, 10);
    rejilla->setColumnStretch(2, 10);
    rejilla->setRowStretch(1, 1);
    rejilla->setRowStretch(2, 1);
    enlace.Etiqueta(lbldate, w_.lbldate);

    // Ctrl+X ends the program from any field, as the menu says, rather than cutting text.
    for (QLineEdit* e : findChildren<QLineEdit*>()) e->installEventFilter(this);
}

bool VistaCotizador::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_X && k->modifiers() == Qt::ControlModifier) {
            e->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(o, e);
}

void VistaCotizador::Enlazar() {
    app::FrmCotizador& w = w_;
    cotizacion::FlujoLineas& f = *flujo_;
    Enlace& e = enlace;

    // ---- insured ----
    e.Texto(txtNombre, w.txtNombre, "txtNombre", {}, [&w] { w.txtNombre_LostFocus(); });
    e.Texto(txtEdad, w.txtEdad, "txtEdad", [&w] { w.txtEdad_Change(); }, [&w] { w.txtEdad_LostFocus(); });
    e.Texto(txtFechaNacimiento, w.txtFechaNacimiento, "txtFechaNacimiento", {},
            [this, &w] { w.txtFechaNacimiento_LostFocus(ui_.hoy ? ui_.hoy() : Hoy()); });
    e.Lista(comSexo, w.comSexo, "comSexo");
    e.Lista(comFuma, w.comFuma, "comFuma");
    e.Lista(comMoneda, w.comMoneda, "comMoneda", [&w](const std::string& t) {
        w.comMoneda.MostrarTexto(t);
        w.comMoneda_Click();
    });
    e.Lista(comFormaPago, w.comFormaPago, "comFormaPago");
    e.Texto(txtSumaAseguradaGlobal, w.txtSumaAseguradaGlobal, "txtSumaAseguradaGlobal",
            [&w] { w.txtSumaAseguradaGlobal_Change(); }, [&w] { w.txtSumaAseguradaGlobal_LostFocus(); });
    e.Texto(txtPrimaTotal, w.txtPrimaTotal, "txtPrimaTotal", [&w] { w.txtPrimaTotal_Change(); },
            [&w] { w.txtPrimaTotal_LostFocus(); });
    e.Texto(txtNumAge, w.txtNumAge, "txtNumAge", {}, [&w] { w.txtNumAge_LostFocus(); });
    e.Texto(txtAgente, w.txtAgente, "txtAgente", {}, [&w] { w.txtAgente_LostFocus(); });
    e.Casilla(chkRiesgoSelecto, w.chkRiesgoSelecto, "chkRiesgoSelecto");
    e.Texto(txtExtraprimaOcupacional, w.txtExtraprimaOcupacional, "txtExtraprimaOcupacional");
    e.Texto(txtExtraPrimaMedica, w.txtExtraPrimaMedica, "txtExtraPrimaMedica");
    e.Texto(txtTasaInteres, w.txtTasaInteres, "txtTasaInteres");
    e.Lista(comTipoIncremento, w.comTipoIncremento, "comTipoIncremento");

    // ---- product and plan ----
    e.Texto(txtProducto, w.txtProducto, "txtProducto", [&w] { w.txtProducto_Change(); },
            [&w] { w.txtProducto_LostFocus(); });
    e.Lista(
        dbcProducto, w.dbcProducto, "dbcProducto",
        [&w](const std::string& t) {
            w.FijarTextoProducto(t);
            w.dbcProducto_Click();
        },
        [&w] { w.dbcProducto_LostFocus(); });
    e.Lista(
        dbcPago, w.dbcPago, "dbcPago",
        [&w](const std::string& t) {
            w.FijarPago(t);
            w.dbcPago_Click();
        },
        [&w] { w.dbcPago_LostFocus(); });
    e.Lista(dbcPlazo, w.dbcPlazo, "dbcPlazo", [&w](const std::string& t) { w.FijarPlazo(t); });
    e.Texto(txtPago, w.txtPago, "txtPago");
    e.Texto(txtPlazo, w.txtPlazo, "txtPlazo", [&w] { w.txtPlazo_Change(); });
    e.Texto(txtParticipacion, w.txtParticipacion, "txtParticipacion", {}, [&w] { w.txtParticipacion_LostFocus(); },
            [&w] { w.txtParticipacion_Click(); });
    e.Lista(comIncremento, w.comIncremento, "comIncremento", [&w](const std::string& t) {
        w.comIncremento.MostrarTexto(t);
        w.comIncremento_Change();
    });
    e.Texto(txtedad_menor, w.txtedad_menor, "txtedad_menor", [&w] { w.txtedad_menor_Change(); });
    e.Lista(List1, w.List1, "List1", [&w] { w.List1_Click(); });

    // ---- riders: the six main ones check on a mouse release, BITF and CAF on every change ----
    e.Casilla(chkbit, w.chkbit, "chkbit", {}, [&w] { w.chkbit_Click(); });
    e.Casilla(chkbpai, w.chkbpai, "chkbpai", {}, [&w] { w.chkbpai_Click(); });
    e.Casilla(chkma, w.chkma, "chkma", {}, [&w] { w.chkma_Click(); });
    e.Casilla(chkdi, w.chkdi, "chkdi", {}, [&w] { w.chkdi_Click(); });
    e.Casilla(chkti, w.chkti, "chkti", {}, [&w] { w.chkti_Click(); });
    e.Casilla(chkenfgr, w.chkenfgr, "chkenfgr", {}, [&w] { w.chkenfgr_Click(); });
    e.Casilla(Chkbitf, w.Chkbitf, "Chkbitf", [&w](bool m) { w.FijarBITF(m); });
    e.Casilla(Chkcat, w.Chkcat, "Chkcat", [&w](bool m) { w.FijarCAF(m); });

    // ---- premiums, contributions, modes ----
    e.Boton(cmdPrimasAdicionales, w.cmdPrimasAdicionales, "cmdPrimasAdicionales", [this, &w] {
        ui_.resultadoAportaciones = app::FrmAportaciones::Resultado::SinCambio;
        w.cmdPrimasAdicionales_Click();
        w.AportacionesAceptadas(ui_.resultadoAportaciones);
    });
    e.Boton(butNo, w.butNo, "butNo", [&w] { w.butNo_Click(); });
    e.Boton(butTarifas, w.butTarifas, "butTarifas", [&f] { f.butTarifas_Click(); });
    e.Boton(butCotizador, w.butCotizador, "butCotizador", [&f] { f.butCotizador_Click(); });
    e.Opciones({{optDetalle, &w.optDetalle}, {optResumen, &w.optResumen}});
    e.Texto(txtEdadInicial, w.txtEdadInicial, "txtEdadInicial");
    e.Texto(txtEdadFinal, w.txtEdadFinal, "txtEdadFinal", {}, [&w] { w.txtEdadFinal_LostFocus(); });

    // ---- grids ----
    e.Rejilla(dbgProductosPaquete, w.dbgProductosPaquete, "dbgProductosPaquete", [this, &f](int fila) {
        f.dbgProductosPaquete_RowColChange(fila, dbgProductosPaquete->hasFocus());
    });
    e.Rejilla(dbgProductosCotizacion, w.dbgProductosCotizacion, "dbgProductosCotizacion");

    // ---- commands ----
    e.Boton(butCalcular, w.butCalcular, "butCalcular", [this] { Calcular(false); });
    e.Boton(butAceptar, w.butAceptar, "butAceptar", [&f] { f.butAceptar_Click(); });
    e.Boton(butAgregar, w.butAgregar, "butAgregar", [&f] { f.butAgregar_Click(); });
    e.Boton(butEditar, w.butEditar, "butEditar", [] {});
    e.Boton(butEliminar, w.butEliminar, "butEliminar", [] {});
    e.Boton(butCalcular1, w.butCalcular1, "butCalcular1", [] {});
    e.Boton(butCancelar, w.butCancelar, "butCancelar", [&f] { f.butCancelar_Click(); });
    e.Boton(butBorrar, w.butBorrar, "butBorrar", [&f] { f.butBorrar_Click(); });
    e.Boton(butGenerar, w.butGenerar, "butGenerar", [this] { Calcular(true); });
    e.Boton(Command1, w.Command1, "Command1", [&w] { w.Command1_Click(); });
    e.Texto(Text1, w.Text1, "Text1");

    // ---- menus ----
    e.Menu(mnuBaseDatos, w.mnuBaseDatos, [this, &w] {
        w.mnuBaseDatos_Click();
        if (w.RutaBaseDatos != baseDeCorrida_) PrepararCorrida();
    });
    e.Menu(mnuAbrir, w.mnuAbrir, [this] { archivo_->mnuAbrir_Click(); });
    e.Menu(mnuGuardar, w.mnuGuardar, [this] { archivo_->mnuGuardar_Click(); });
    e.Menu(mnuGuardarComo, w.mnuGuardarComo, [this] { archivo_->mnuGuardarComo_Click(); });
    e.Menu(mnuSalir, w.mnuSalir, [&w] { w.mnuSalir_Click(); });
    e.Menu(mnuAyuda, w.mnuAyuda, [&w] { w.mnuAyuda_Click(); });

    e.despues = [this] {
        if (w_.TerminarAplicacion() && terminar) terminar();
    };
}

void VistaCotizador::closeEvent(QCloseEvent* e) {
    e->accept();
    emit cerrada();
}

}  // namespace cv::gui
