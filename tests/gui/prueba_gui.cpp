// The desktop windows on real widgets (offscreen): typing, clicking and keys reach the window
// models' rules and what the models hold comes back on screen; screenshots of every window.
#include <QAbstractItemView>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "app/aplicacion.h"
#include "app/cotizador.h"
#include "gui/interaccion_qt.h"
#include "gui/plataforma.h"
#include "gui/vista_cotizador.h"
#include "gui/vista_dialogos.h"
#include "gui/vista_estudio.h"
#include "gui/vista_tarifa.h"
#include "gui/vista_usuario.h"

using namespace cv;
using cv::gui::Q;
using cv::gui::S;
namespace fs = std::filesystem;

namespace {

constexpr Fecha kHoy{2025, 6, 15};
const QString kEdad18a55 = "La Edad Minima para contratar este Beneficio es de 18 años y la Máxima es de 55";

// The window made the active one, as a click on its title would: keys and shortcuts go to it.
void Activar(QWidget* w) {
    QApplication::setActiveWindow(w);
    w->windowHandle()->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// The person at the screen as the tests play it: message boxes are read and closed, the modal
// windows are shown and handed to the test while open, the desktop "open" is recorded.
class InteraccionPrueba : public gui::InteraccionQt {
public:
    std::vector<app::Mensaje> mensajes;
    std::vector<QString> ventanas;  // object names of the modal windows shown, in order
    std::map<QString, std::function<void(QDialog&)>> alMostrar;
    std::vector<fs::path> abiertos;
    std::optional<fs::path> baseElegida;

    InteraccionPrueba() { hoy = [] { return kHoy; }; }
    void MostrarMensaje(const app::Mensaje& m) override { mensajes.push_back(m); }
    void Ejecutar(QDialog& d) override {
        ventanas.push_back(d.objectName());
        QWidget* activa = QApplication::activeWindow();
        d.show();
        Activar(&d);
        auto it = alMostrar.find(d.objectName());
        if (it != alMostrar.end()) it->second(d);
        d.hide();
        if (activa) Activar(activa);
    }
    std::optional<fs::path> ElegirBaseDatos() override { return baseElegida; }
    // The printer dialog is cancelled; the PDF goes where the test says.
    int impresorasPedidas = 0;
    std::optional<fs::path> pdf;
    bool ElegirImpresora(QPrinter&, const std::string&) override { return ++impresorasPedidas, false; }
    std::optional<fs::path> ElegirArchivoGuardar(const std::string&, const std::string&) override { return pdf; }
    QStringList Textos() const {
        QStringList l;
        for (const auto& m : mensajes) l << Q(m.texto);
        return l;
    }

protected:
    bool AbrirConEscritorio(const fs::path& p) override {
        abiertos.push_back(p);
        return true;
    }
};

class AgentesPrueba : public app::SistemaAgentes {
public:
    std::map<std::string, app::FilaUsuario> cuentas;
    void Conectar() override {}
    std::optional<app::FilaUsuario> BuscarUsuario(const std::string& nombre) override {
        auto it = cuentas.find(nombre);
        if (it == cuentas.end()) return std::nullopt;
        return it->second;
    }
    std::vector<app::RegistroUso> usos;
    void RegistrarUso(const app::RegistroUso& r) override { usos.push_back(r); }
};

// A text typed one character at a time (non-ASCII included), as keys reach the field.
void Teclear(QWidget* w, const QString& texto) {
    for (QChar ch : texto) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// The field entered with Tab, its text replaced by typing, and left with Tab to `siguiente`.
void Escribir(QLineEdit* e, const QString& texto, QWidget* siguiente = nullptr) {
    e->setFocus(Qt::TabFocusReason);
    e->selectAll();
    if (texto.isEmpty())
        QTest::keyClick(e, Qt::Key_Backspace);
    else
        Teclear(e, texto);
    if (siguiente) siguiente->setFocus(Qt::TabFocusReason);
}

// An entry chosen from a combo's list with the mouse.
void Elegir(QComboBox* c, const QString& texto) {
    const int i = c->findText(texto);
    QVERIFY2(i >= 0, qPrintable("no está en la lista: " + texto));
    c->setFocus(Qt::TabFocusReason);
    c->showPopup();
    QAbstractItemView* lista = c->view();
    const QModelIndex indice = lista->model()->index(i, c->modelColumn(), lista->rootIndex());
    lista->scrollTo(indice);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualRect(indice).center());
    QTRY_VERIFY(!lista->isVisible());
    Activar(c->window());
}

// The main window after start-up over the sample database, at 1024 x 768.
struct Pantalla {
    QTemporaryDir carpeta;
    InteraccionPrueba ui;
    AgentesPrueba agentes;
    app::EstadoProceso proceso;
    std::unique_ptr<app::FrmCotizador> w;
    std::unique_ptr<gui::VistaCotizador> v;
    bool terminado = false;

    explicit Pantalla(const char* perfil = "Agentes") {
        QFile::copy(CV_BASE_MUESTRA, carpeta.filePath("031208.svi"));
        w = std::make_unique<app::FrmCotizador>(ui, proceso, S(carpeta.path()));
        w->PerfilUsuario = perfil;
        w->Form_Load(kHoy);
        v = std::make_unique<gui::VistaCotizador>(*w, ui, &agentes);
        v->terminar = [this] { terminado = true; };
        v->resize(1024, 768);
        v->show();
        Activar(v.get());
        v->txtNombre->setFocus(Qt::OtherFocusReason);
    }
    ~Pantalla() {
        v.reset();
        w.reset();
    }

    void Asegurado(const QString& nombre, const QString& edad) {
        Escribir(v->txtNombre, nombre, v->txtEdad);
        Escribir(v->txtEdad, edad, v->txtFechaNacimiento);
        v->txtFechaNacimiento->setFocus(Qt::TabFocusReason);
        Elegir(v->comFuma, "No");
        Escribir(v->txtSumaAseguradaGlobal, "1000000", v->txtPrimaTotal);
        Escribir(v->txtNumAge, "1207", v->txtAgente);
    }
    // Currency, product and payment term as a person picks them, leaving each list.
    void Linea(const QString& moneda, const QString& producto, const QString& pago) {
        Elegir(v->comMoneda, moneda);
        Elegir(v->dbcProducto, producto);
        if (!pago.isEmpty()) Elegir(v->dbcPago, pago);
        v->txtParticipacion->setFocus(Qt::TabFocusReason);
        v->comIncremento->setFocus(Qt::TabFocusReason);
    }
    void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2)); }
    QString Celda(QTableWidget* t, int fila, int columna) {
        auto* i = t->item(fila, columna);
        return i ? i->text() : QString();
    }
};

const fs::path kCapturas = CV_CAPTURAS;

void Capturar(QWidget* w, const char* nombre) {
    fs::create_directories(kCapturas);
    QApplication::processEvents();
    QVERIFY(w->grab().save(Q((kCapturas / nombre).string())));
}

}  // namespace

// ---------------------------------------------------------------- pure desktop helpers

class PruebaPlataforma : public QObject {
    Q_OBJECT
private slots:
    void filtros_data() {
        QTest::addColumn<QString>("vb");
        QTest::addColumn<QString>("qt");
        QTest::newRow("base") << gui::kFiltroBaseDatos << "Seguro de Vida (*.svi);;All Files (*.*)";
        QTest::newRow("sin paréntesis") << "Cotizaciones|*.cvi" << "Cotizaciones (*.cvi)";
        QTest::newRow("varios patrones") << "Texto|*.txt;*.csv" << "Texto (*.txt *.csv)";
    }
    void filtros() {
        QFETCH(QString, vb);
        QFETCH(QString, qt);
        QCOMPARE(Q(gui::FiltroQt(S(vb))), qt);
    }
    void manualLegadoPrimeroLuegoElPdf() {
        QTemporaryDir d;
        const fs::path pps = S(d.filePath("MANUAL DE USUARIO.pps"));
        QVERIFY(!gui::BuscarManual(pps));
        QDir(d.path()).mkpath("manual");
        QFile(d.filePath("manual/manual.pdf")).open(QIODevice::WriteOnly);
        QCOMPARE(Q(gui::BuscarManual(pps)->string()), d.filePath("manual/manual.pdf"));
        QFile(Q(pps.string())).open(QIODevice::WriteOnly);
        QCOMPARE(Q(gui::BuscarManual(pps)->string()), Q(pps.string()));
    }
    // The installed layout: the manual in the documentation folder, two levels above the program.
    void manualInstalado() {
        QTemporaryDir d;
        QDir(d.path()).mkpath("lib/cotizador-vida");
        QDir(d.path()).mkpath("share/doc/cotizador-vida");
        QFile(d.filePath("share/doc/cotizador-vida/manual.pdf")).open(QIODevice::WriteOnly);
        const fs::path pps = S(d.filePath("lib/cotizador-vida/MANUAL DE USUARIO.pps"));
        QVERIFY(gui::BuscarManual(pps));
        QCOMPARE(Q(gui::BuscarManual(pps)->string()), d.filePath("share/doc/cotizador-vida/manual.pdf"));
    }
    // Which ODBC configuration the program in lib/cotizador-vida takes as its own, by what lies
    // around it: a build tree's only with its CMakeCache.txt, an installation's only when both
    // files are there.
    void configuracionOdbcPropia_data() {
        QTest::addColumn<QStringList>("archivos");
        QTest::addColumn<QString>("sysini");
        QTest::addColumn<QString>("ini");
        const QStringList compilacion{"lib/CMakeCache.txt", "lib/odbc/odbcinst.ini", "lib/odbc/agentes/odbc.ini"};
        const QStringList instalada{"etc/cotizador-vida/odbcinst.ini", "etc/cotizador-vida/odbc.ini"};
        QTest::newRow("árbol de compilación") << compilacion << "lib/odbc" << "lib/odbc/agentes/odbc.ini";
        QTest::newRow("compilación antes que instalación") << compilacion + instalada << "lib/odbc" << "lib/odbc/agentes/odbc.ini";
        QTest::newRow("carpeta odbc sin CMakeCache") << QStringList{"lib/odbc/odbcinst.ini", "lib/odbc/agentes/odbc.ini"} << "" << "";
        QTest::newRow("instalada") << instalada << "etc/cotizador-vida" << "etc/cotizador-vida/odbc.ini";
        QTest::newRow("instalada sin odbcinst.ini") << QStringList{"etc/cotizador-vida/odbc.ini"} << "" << "";
        QTest::newRow("instalada sin odbc.ini") << QStringList{"etc/cotizador-vida/odbcinst.ini"} << "" << "";
        QTest::newRow("nada") << QStringList{} << "" << "";
    }
    void configuracionOdbcPropia() {
        QFETCH(QStringList, archivos);
        QFETCH(QString, sysini);
        QFETCH(QString, ini);
        QTemporaryDir d;
        QDir(d.path()).mkpath("lib/cotizador-vida");
        for (const QString& a : archivos) {
            QDir(d.path()).mkpath(QFileInfo(d.filePath(a)).path());
            QVERIFY(QFile(d.filePath(a)).open(QIODevice::WriteOnly));
        }
        const auto c = gui::ConfiguracionOdbcPropia(S(d.filePath("lib/cotizador-vida")), "../../etc/cotizador-vida");
        if (sysini.isEmpty()) {
            QVERIFY(!c);
            return;
        }
        QVERIFY(c);
        QCOMPARE(Q(c->odbcsysini.string()), d.filePath(sysini));
        QCOMPARE(Q(c->odbcini.string()), d.filePath(ini));
    }
};

// ---------------------------------------------------------------- the windows

class PruebaVentanas : public QObject {
    Q_OBJECT
private slots:
    void inicio() {
        Pantalla p;
        QCOMPARE(p.v->windowTitle(), QString("Cotizador de Vida"));
        QVERIFY(p.v->comMoneda->isEnabled());
        QVERIFY(!p.v->dbcProducto->isEnabled());
        QVERIFY(!p.v->chkbit->isEnabled());
        QVERIFY(p.v->butCalcular->isVisible());
        QCOMPARE(p.v->butCalcular->text(), QString("Ca&lcular"));
        QVERIFY(!p.v->butGenerar->isEnabled());
        QVERIFY(!p.v->dbgProductosPaquete->isVisible());
        QCOMPARE(p.v->comFormaPago->currentText(), QString("Anual"));
        QCOMPARE(p.v->comSexo->currentText(), QString("Masculino"));
        QCOMPARE(p.v->lbldate->text(), QString("15/06/2025"));
        QVERIFY(!p.v->mnuAbrir->isEnabled());
        QVERIFY(!p.v->mnuBaseDatos->isVisible());  // agents
        QVERIFY(!p.v->txtTasaInteres->isVisible());
    }

    void edadTecleadaDisparaLasReglas_data() {
        QTest::addColumn<QString>("edad");
        QTest::addColumn<QString>("menor");
        QTest::addColumn<bool>("menorHabilitado");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("adulto") << "35" << " " << true << "";
        QTest::newRow("menor") << "12" << "12" << false << "";
        QTest::newRow("70 se acepta") << "70" << " " << true << "";
        QTest::newRow("701 se rechaza") << "701" << "" << false << "La Edad Máxima de aceptación  es de 70 de años.";
    }
    void edadTecleadaDisparaLasReglas() {
        QFETCH(QString, edad);
        QFETCH(QString, menor);
        QFETCH(bool, menorHabilitado);
        QFETCH(QString, mensaje);
        Pantalla p;
        Escribir(p.v->txtNombre, "ana lópez", p.v->txtEdad);
        QCOMPARE(p.v->txtNombre->text(), QString("ANA LÓPEZ"));  // the name left: capitals
        Escribir(p.v->txtEdad, edad);  // still in the field
        QCOMPARE(p.v->txtedad_menor->text(), menor);
        // Its own state: the educational frame around it stays hidden and disabled for now.
        QCOMPARE(p.v->txtedad_menor->isEnabledTo(p.v->txtedad_menor->parentWidget()), menorHabilitado);
        // Every age typed passes through a first digit below 19, which answers "No" for the smoker.
        QCOMPARE(p.v->comFuma->currentText(), QString("No"));
        if (mensaje.isEmpty()) {
            QVERIFY(p.ui.mensajes.empty());
            QCOMPARE(p.v->txtEdad->text(), edad);
            // Riders follow the age: the six main ones offered once an age is typed.
            QVERIFY(p.v->chkma->isEnabled());
        } else {
            QCOMPARE(p.ui.Textos(), QStringList{mensaje});
            QCOMPARE(Q(p.ui.mensajes[0].titulo), QString("Validación"));
            QVERIFY(p.ui.mensajes[0].estilo == app::EstiloMensaje::Informacion);
            QCOMPARE(p.v->txtEdad->text(), QString());
        }
    }

    void edadDeMenorAlSalirYFechaDeNacimiento() {
        Pantalla p;
        Escribir(p.v->txtEdad, "18", p.v->txtFechaNacimiento);
        QCOMPARE(p.v->txtedad_menor->text(), QString(" "));  // left at 18: no child
        Escribir(p.v->txtFechaNacimiento, "15/06/1990", p.v->comSexo);
        QCOMPARE(p.v->txtEdad->text(), QString("35"));
        QCOMPARE(p.v->txtFechaNacimiento->text(), QString("15/06/1990"));
        Escribir(p.v->txtFechaNacimiento, "01/01/2030", p.v->comSexo);
        QCOMPARE(p.ui.Textos(), QStringList{"fecha invalida verifique"});
        QCOMPARE(p.v->txtFechaNacimiento->text(), QString());
        QCOMPARE(QApplication::focusWidget(), p.v->txtFechaNacimiento);  // the rule puts it back
    }

    void bitRechazadoPorEdadConRatonNoConEspacio_data() {
        QTest::addColumn<bool>("conRaton");
        QTest::addColumn<int>("edad");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<bool>("marcada");
        QTest::newRow("ratón, 60 años") << true << 60 << QStringList{kEdad18a55} << false;
        QTest::newRow("ratón, 55 años") << true << 55 << QStringList{} << true;
        QTest::newRow("espacio, 60 años") << false << 60 << QStringList{} << true;
    }
    void bitRechazadoPorEdadConRatonNoConEspacio() {
        QFETCH(bool, conRaton);
        QFETCH(int, edad);
        QFETCH(QStringList, mensajes);
        QFETCH(bool, marcada);
        Pantalla p;
        p.Asegurado("ANA", QString::number(edad));
        p.Linea("Pesos", "Temporal Veralta", "20");
        QVERIFY(p.ui.mensajes.empty());
        QVERIFY(p.v->chkbit->isEnabled());
        if (conRaton) {
            QTest::mouseClick(p.v->chkbit, Qt::LeftButton, {}, QPoint(6, p.v->chkbit->height() / 2));
        } else {
            p.v->chkbit->setFocus(Qt::TabFocusReason);
            QTest::keyClick(p.v->chkbit, Qt::Key_Space);
        }
        QCOMPARE(p.ui.Textos(), mensajes);
        if (!mensajes.isEmpty()) QCOMPARE(Q(p.ui.mensajes[0].titulo), QString("Validación"));
        QCOMPARE(p.v->chkbit->isChecked(), marcada);
        QCOMPARE(p.w->chkbit.marcada, marcada);
    }

    void exclusionesDeAccidenteSeVen() {
        Pantalla p;
        p.Asegurado("ANA", "35");
        p.Linea("Pesos", "Temporal Veralta", "20");
        p.Clic(p.v->chkma);
        QVERIFY(p.v->chkma->isChecked());
        QVERIFY(!p.v->chkdi->isEnabled());
        QVERIFY(!p.v->chkti->isEnabled());
        p.Clic(p.v->chkma);
        QVERIFY(p.v->chkdi->isEnabled());
    }

    void cotizacionCompletaCalculada() {
        Pantalla p;
        p.Asegurado("ana lopez", "35");
        p.Linea("Pesos", "Temporal Veralta", "20");
        QCOMPARE(p.v->txtProducto->text(), QString("1"));
        QCOMPARE(p.v->dbcPlazo->currentText(), QString("20"));
        QCOMPARE(p.v->txtParticipacion->text(), QString("100"));
        QCOMPARE(p.v->txtSumaAseguradaGlobal->text(), QString("1,000,000.00"));
        QCOMPARE(p.v->txtAgente->text(), QString("VERALTA,S.A.B."));  // the agent number, then the name left
        p.Clic(p.v->chkma);
        QVERIFY(p.ui.mensajes.empty());
        // "Ca&lcular" by its accelerator.
        // A button's accelerator presses it as a click would, once the press has been drawn.
        QTest::keyClick(p.v.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_VERIFY(p.v->butGenerar->isEnabled());
        QVERIFY2(p.ui.mensajes.empty(), qPrintable(p.ui.Textos().join("; ")));
        QTableWidget* g = p.v->dbgProductosCotizacion;
        QCOMPARE(g->horizontalHeaderItem(1)->text(), QString("Suma Asegurada"));
        QCOMPARE(g->horizontalHeaderItem(4)->text(), QString("SubTotal"));
        QCOMPARE(p.Celda(g, 0, 0), QString("Básica Temporal Veralta"));
        QCOMPARE(p.Celda(g, 0, 1), QString("1,000,000.00 "));
        QCOMPARE(p.Celda(g, 0, 3), QString("350.00 "));
        QCOMPARE(p.Celda(g, 1, 0), QString("M.A."));
        QCOMPARE(p.Celda(g, 1, 2), QString("800.00 "));
        QVERIFY(!p.v->txtprimaneta->text().isEmpty());
        QCOMPARE(p.v->txtprimaneta->text(), Q(p.w->txtprimaneta.texto));
        QCOMPARE(p.v->txtderechopoliza->text(), QString("600.00 "));
        QCOMPARE(p.v->txt1erRecibo->text(), Q(p.w->txt1erRecibo.texto));
        QVERIFY(p.v->butGenerar->isEnabled());
        QVERIFY(p.v->dbgProductosPaquete->isEnabled());
        QCOMPARE(p.Celda(p.v->dbgProductosPaquete, 0, 2), QString("20"));
    }

    void generarAbreElEstudio() {
        Pantalla p;
        p.Asegurado("ana lopez", "35");
        p.Linea("Pesos", "Temporal Veralta", "20");
        p.Clic(p.v->butCalcular);
        QVERIFY(p.ui.mensajes.empty());
        bool visto = false;
        p.ui.alMostrar["frmEstudio"] = [&](QDialog& d) {
            auto& e = static_cast<gui::VistaEstudio&>(d);
            visto = true;
            QCOMPARE(e.windowTitle(), QString("Estudio resultante para : ANA LOPEZ"));
            QTableWidget* g = e.dbgPlan;
            QCOMPARE(g->columnCount(), 8);
            QCOMPARE(g->rowCount(), 20);
            QCOMPARE(g->horizontalHeaderItem(2)->text(), QString("Protección Total"));
            QCOMPARE(g->horizontalHeaderItem(7)->text(), QString("Años Prorrogados"));
            QCOMPARE(g->item(0, 0)->text(), QString("1"));
            QCOMPARE(g->item(0, 1)->text(), QString("35"));
            QCOMPARE(g->item(19, 1)->text(), QString("54"));
            QCOMPARE(g->item(0, 2)->text(), QString("1,000,000.00"));
            QCOMPARE(g->columnWidth(0), 50);  // 750 twips
            // A column never cuts its header.
            QVERIFY(g->columnWidth(3) >= g->fontMetrics().horizontalAdvance("Prima Anualizada"));
            QCOMPARE(e.Label5->text(), Q(e.modelo.Label5.texto));
            QVERIFY(!e.Label5->text().isEmpty());
            QVERIFY(!e.chkImpresionDescripcion->isChecked());
            const auto series = e.grafica->chart()->series();
            QCOMPARE(series.size(), 3);
            QCOMPARE(static_cast<QLineSeries*>(series[0])->count(), 20);
            QCOMPARE(static_cast<QLineSeries*>(series[0])->at(0).y(), 1000.0);  // in thousands
            QCOMPARE(e.grafica->chart()->axes(Qt::Vertical).at(0)->titleText(), QString("Miles de Pesos"));
            // "Impresoras" cancelled at its dialog prints and records nothing; "Guardar PDF"
            // writes the proposal where the person says.
            e.Impresoras->click();
            QCOMPARE(p.ui.impresorasPedidas, 1);
            QVERIFY2(p.ui.mensajes.empty(), qPrintable(p.ui.Textos().join("; ")));
            QTemporaryDir carpeta;
            p.ui.pdf = fs::path(carpeta.filePath("propuesta.pdf").toStdString());
            e.butGuardarPdf->click();
            QVERIFY2(fs::exists(*p.ui.pdf) && fs::file_size(*p.ui.pdf) > 1000, qPrintable(p.ui.Textos().join("; ")));
            QCOMPARE(p.agentes.usos.size(), size_t{1});  // the saved proposal is recorded, the cancelled one not
            p.ui.mensajes.clear();
            e.butTerminar->click();
            QVERIFY(!e.modelo.abierto);
        };
        QTest::keyClick(p.v.get(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(visto);
        QVERIFY2(p.ui.mensajes.empty(), qPrintable(p.ui.Textos().join("; ")));
        QCOMPARE(p.ui.ventanas, std::vector<QString>{"frmEstudio"});
    }

    void modoTarifaHastaLaHoja() {
        Pantalla p;
        p.Asegurado("tarifa", "40");
        p.Linea("Pesos", "Temporal Veralta", "20");
        p.Clic(p.v->butTarifas);
        QVERIFY(!p.v->txtprimaneta->isVisible());
        QVERIFY(p.v->txtEdadFinal->isVisible());
        QVERIFY(p.v->butCotizador->isVisible());
        QVERIFY(p.v->optResumen->isChecked());
        Escribir(p.v->txtEdadInicial, "40", p.v->txtEdadFinal);
        Escribir(p.v->txtEdadFinal, "42", p.v->txtEdadInicial);
        p.Clic(p.v->butCalcular);
        QVERIFY2(p.ui.mensajes.empty(), qPrintable(p.ui.Textos().join("; ")));
        QCOMPARE(p.v->dbgProductosCotizacion->rowCount(), 3);
        QCOMPARE(p.Celda(p.v->dbgProductosCotizacion, 0, 0), QString("40"));
        QTemporaryDir d;
        bool visto = false;
        p.ui.alMostrar["frmTarifa"] = [&](QDialog& dlg) {
            auto& t = static_cast<gui::VistaTarifa&>(dlg);
            visto = true;
            QCOMPARE(t.windowTitle(), QString("Tarifas"));
            QCOMPARE(t.dbgPlan->columnCount(), 9);
            QCOMPARE(t.dbgPlan->rowCount(), 3);
            QCOMPARE(t.dbgPlan->horizontalHeaderItem(2)->text(), QString("Recibos Subsecuentes"));
            QCOMPARE(t.dbgPlan->item(2, 0)->text(), QString("42"));
            QVERIFY(t.Exportar(d.filePath("t.csv")));
            p.ui.pdf = fs::path(d.filePath("tarifas.pdf").toStdString());
            t.butGuardarPdf->click();
            QVERIFY2(fs::exists(*p.ui.pdf) && fs::file_size(*p.ui.pdf) > 1000, qPrintable(p.ui.Textos().join("; ")));
            p.ui.mensajes.clear();
            t.butTerminar->click();
        };
        p.Clic(p.v->butGenerar);
        QVERIFY(visto);
        QCOMPARE(p.ui.ventanas, std::vector<QString>{"frmTarifa"});
        QFile csv(d.filePath("t.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lineas = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lineas.size(), 4);
        QVERIFY(lineas[0].startsWith("Edad,Prima SFP,Recibos Subsecuentes"));
        QVERIFY(lineas[1].startsWith("40,"));
        // "Individual" in the same mode opens the illustration instead.
        p.Clic(p.v->optDetalle);
        QVERIFY(p.w->optDetalle.seleccionado && !p.w->optResumen.seleccionado);
        p.Clic(p.v->butGenerar);
        QCOMPARE(p.ui.ventanas.back(), QString("frmEstudio"));
    }

    void aportacionesYsuBotonNo() {
        Pantalla p;
        p.ui.alMostrar["frmAportaciones"] = [](QDialog& d) {
            auto& a = static_cast<gui::VistaAportaciones&>(d);
            QCOMPARE(a.txtNoPagos->text(), QString("0"));
            QVERIFY(!a.txtTasaIncremento->isVisible());
            Escribir(a.txtNoPagos, "3", a.txtmontoAportacion);
            Escribir(a.txtmontoAportacion, "", a.txtFondoFinal);  // left empty: back to "0"
            QCOMPARE(a.txtmontoAportacion->text(), QString("0"));
            Escribir(a.txtmontoAportacion, "1000", a.txtFondoFinal);
            QTest::mouseClick(a.butAceptar, Qt::LeftButton);
        };
        p.Clic(p.v->cmdPrimasAdicionales);
        QCOMPARE(p.ui.Textos(), QStringList{"El Valor no puede quedar en blanco"});
        QCOMPARE(p.proceso.AportNumPagos, 3);
        QCOMPARE(p.proceso.AportMonto, 1000.0);
        QVERIFY(p.v->butNo->isVisible());
        QVERIFY(!p.v->cmdPrimasAdicionales->isVisible());
        p.Clic(p.v->butNo);
        QVERIFY(p.v->cmdPrimasAdicionales->isVisible());
        QCOMPARE(p.proceso.AportNumPagos, 0);
    }

    void edadDelTutorParaElBitfDeUnMenor() {
        Pantalla p;
        p.Asegurado("NIÑO", "10");
        p.Linea("Pesos", "Educacional Veralta", "");
        QVERIFY(p.v->Chkbitf->isEnabled());
        p.ui.alMostrar["frmedad"] = [](QDialog& d) {
            auto& e = static_cast<gui::VistaEdad&>(d);
            QCOMPARE(e.windowTitle(), QString("Edad del Padre o Tutor"));
            QVERIFY(!e.cmdregresa->isEnabled());
            Escribir(e.txtEdad, "40");
            QVERIFY(e.cmdregresa->isEnabled());
            QCOMPARE(QApplication::focusWidget(), e.cmdregresa);
            QTest::keyClick(e.cmdregresa, Qt::Key_Space);
        };
        p.Clic(p.v->Chkbitf);
        QCOMPARE(p.ui.ventanas, std::vector<QString>{"frmedad"});
        QCOMPARE(p.proceso.EdadPadreTutor, 40);
        QVERIFY(p.v->Chkbitf->isChecked());
    }

    void salirConCtrlXYAyudaConF1() {
        Pantalla p;
        p.v->txtNombre->setFocus();
        QTest::keyClick(p.v->txtNombre, Qt::Key_F1);
        QVERIFY(p.ui.abiertos.empty());
        QVERIFY(p.v->statusBar()->currentMessage().contains("No se encontró el manual de usuario"));
        QDir(p.carpeta.path()).mkpath("manual");
        QFile(p.carpeta.filePath("manual/manual.pdf")).open(QIODevice::WriteOnly);
        QTest::keyClick(p.v->txtEdad, Qt::Key_F1);
        QCOMPARE(p.ui.abiertos.size(), size_t{1});
        QCOMPARE(Q(p.ui.abiertos[0].string()), p.carpeta.filePath("manual/manual.pdf"));
        QVERIFY(!p.terminado);
        QTest::keyClick(p.v->txtNombre, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(p.terminado);
    }

    void baseDeDatosParaOficina() {
        Pantalla p("Oficina");
        QVERIFY(p.v->mnuBaseDatos->isVisible());
        QVERIFY(p.v->mnuBaseDatos->isEnabled());
        QVERIFY(p.v->txtTasaInteres->isVisible());
        p.ui.baseElegida = S(p.carpeta.filePath("031208.svi"));
        p.v->mnuBaseDatos->trigger();
        QVERIFY(p.ui.mensajes.empty());
        QVERIFY(p.v->mnuAbrir->isEnabled());
        QVERIFY(p.v->mnuGuardarComo->isEnabled());
        // The engine follows the catalogue just bound.
        p.Asegurado("ana", "35");
        p.Linea("Pesos", "Temporal Veralta", "20");
        p.Clic(p.v->butCalcular);
        QVERIFY2(p.ui.mensajes.empty(), qPrintable(p.ui.Textos().join("; ")));
        QCOMPARE(p.Celda(p.v->dbgProductosCotizacion, 0, 1), QString("1,000,000.00 "));
    }

    void entradaDelUsuario() {
        InteraccionPrueba ui;
        AgentesPrueba agentes;
        agentes.cuentas["núñez"] = {{"perfil", "Agentes"}};
        QTemporaryDir carpeta;
        app::Aplicacion aplicacion(ui, agentes, S(carpeta.path()));
        gui::VistaUsuario v(aplicacion.login);
        int abiertas = 0;
        v.entrar = [&] { return aplicacion.Entrar(kHoy); };
        connect(&v, &gui::VistaUsuario::aceptado, [&] { ++abiertas; });
        v.show();
        Activar(&v);
        Escribir(v.txtUsuario, "nadie");
        QTest::mouseClick(v.Command1, Qt::LeftButton);
        QVERIFY(!ui.mensajes.empty());
        QCOMPARE(Q(ui.mensajes.back().texto), QString("No existe ese Login en el Sistema"));
        QCOMPARE(v.txtUsuario->text(), QString());
        QCOMPARE(abiertas, 0);
        Escribir(v.txtUsuario, "núñez");
        QTest::keyClick(v.txtUsuario, Qt::Key_Return);  // "&Aceptar" is the default button
        QCOMPARE(abiertas, 1);
        QCOMPARE(aplicacion.proceso.UsuarioSistema, std::string("núñez"));
        QVERIFY(aplicacion.Principal());
    }
};

// ---------------------------------------------------------------- screenshots

class PruebaCapturas : public QObject {
    Q_OBJECT
private slots:
    void ventanas() {
        {
            gui::VistaLogo logo;
            logo.show();
            Capturar(&logo, "frmLogo.png");
            InteraccionPrueba ui;
            AgentesPrueba agentes;
            app::Aplicacion aplicacion(ui, agentes, "/");
            gui::VistaUsuario login(aplicacion.login);
            login.show();
            Capturar(&login, "frmUsuario.png");
        }
        Pantalla p("Oficina");
        Capturar(p.v.get(), "frmCotizador-inicio.png");
        p.Asegurado("ana lópez ruiz", "35");
        p.Linea("Pesos", "Dotal Veralta", "20");
        p.Clic(p.v->chkbit);
        p.Clic(p.v->chkma);
        p.Clic(p.v->butCalcular);
        QVERIFY2(p.ui.mensajes.empty(), qPrintable(p.ui.Textos().join("; ")));
        Capturar(p.v.get(), "frmCotizador-calculada.png");
        p.ui.alMostrar["frmEstudio"] = [](QDialog& d) {
            d.resize(1024, 740);
            Capturar(&d, "frmEstudio.png");
        };
        p.Clic(p.v->butGenerar);
        p.ui.alMostrar["frmAportaciones"] = [](QDialog& d) {
            auto& a = static_cast<gui::VistaAportaciones&>(d);
            Escribir(a.txtNoPagos, "5", a.txtmontoAportacion);
            Capturar(&d, "frmAportaciones.png");
        };
        p.Clic(p.v->cmdPrimasAdicionales);
        {
            app::FrmEdad edad(p.ui, p.proceso);
            gui::VistaEdad v(edad, kHoy);
            v.show();
            Escribir(v.txtFechaNacimiento, "12/03/1985", v.txtEdad);
            Capturar(&v, "frmedad.png");
        }
        p.Clic(p.v->butTarifas);
        Escribir(p.v->txtEdadInicial, "25", p.v->txtEdadFinal);
        Escribir(p.v->txtEdadFinal, "60", p.v->txtEdadInicial);
        p.Clic(p.v->butCalcular);
        Capturar(p.v.get(), "frmCotizador-tarifa.png");
        p.ui.alMostrar["frmTarifa"] = [](QDialog& d) {
            d.setWindowState(Qt::WindowNoState);
            d.resize(1024, 768);
            Capturar(&d, "frmTarifa.png");
        };
        p.Clic(p.v->butGenerar);
        QCOMPARE(p.ui.ventanas.size(), size_t{3});
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    QFont fuente("Liberation Sans");
    fuente.setPointSizeF(9);
    QApplication::setFont(fuente);
    // The first argument names the group: plataforma, ventanas or capturas.
    const QString grupo = argc > 1 ? QString(argv[1]) : QString();
    QStringList resto;
    resto << argv[0];
    for (int i = 2; i < argc; ++i) resto << argv[i];
    int fallos = 0;
    if (grupo.isEmpty() || grupo == "plataforma") {
        PruebaPlataforma t;
        fallos += QTest::qExec(&t, resto);
    }
    if (grupo.isEmpty() || grupo == "ventanas") {
        PruebaVentanas t;
        fallos += QTest::qExec(&t, resto);
    }
    if (grupo.isEmpty() || grupo == "capturas") {
        PruebaCapturas t;
        fallos += QTest::qExec(&t, resto);
    }
    return fallos;
}

#include "prueba_gui.moc"
