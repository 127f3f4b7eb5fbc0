#include "render/render.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QSvgRenderer>
#include <unistd.h>

#include <map>
#include <system_error>

#include "data/arranque.h"

namespace fs = std::filesystem;

namespace cv::render {

namespace {

QString Q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

// Paints documents on a printer within one painter session: a PDF file takes several documents,
// a printer one per session (one job each).
class Pintor {
public:
    Pintor(QPrinter& impresora, fs::path papeleria) : impresora_(impresora), papeleria_(std::move(papeleria)) {}
    ~Pintor() {
        if (painter_.isActive()) painter_.end();
    }

    bool Comenzar(std::string& error) {
        if (painter_.begin(&impresora_)) {
            paginas_ = 0;
            return true;
        }
        error = impresora_.outputFormat() == QPrinter::PdfFormat
                    ? "no se puede escribir el archivo " + impresora_.outputFileName().toStdString()
                    : "la impresora " + impresora_.printerName().toStdString() + " no acepta el documento";
        return false;
    }

    bool Pintar(const salida::Documento& d, std::string& error) {
        // Each document starts on a page of its own.
        if (paginas_ > 0 && !NuevaPagina(error)) return false;
        bool paginaVacia = true;
        for (const auto& op : d.operaciones) {
            if (std::holds_alternative<salida::FinDocumento>(op)) break;
            if (std::holds_alternative<salida::NuevaPagina>(op)) {
                if (!NuevaPagina(error)) return false;
                paginaVacia = true;
                continue;
            }
            if (paginaVacia) {
                ++paginas_;
                paginaVacia = false;
            }
            if (auto i = std::get_if<salida::Imagen>(&op)) {
                if (!Imagen(*i, error)) return false;
            } else if (auto t = std::get_if<salida::Texto>(&op)) {
                Texto(*t);
            }
        }
        return true;
    }

    bool Terminar(std::string& error) {
        if (!painter_.isActive()) return true;
        if (painter_.end()) return true;
        error = "el documento no se pudo terminar en la impresora";
        return false;
    }

private:
    double Px(double twips) const { return twips * impresora_.resolution() / 1440.0; }

    bool NuevaPagina(std::string& error) {
        if (impresora_.newPage()) return true;
        error = "la impresora no aceptó una página nueva";
        return false;
    }

    bool Imagen(const salida::Imagen& i, std::string& error) {
        auto it = svg_.find(i.nombre);
        if (it == svg_.end()) {
            const fs::path ruta = papeleria_ / (i.nombre + ".svg");
            std::error_code ec;
            auto r = fs::is_regular_file(ruta, ec) ? std::make_unique<QSvgRenderer>(QString::fromStdString(ruta.string()))
                                                   : std::make_unique<QSvgRenderer>();
            if (!r->isValid()) {
                error = "falta la papelería \"" + i.nombre + "\" (" + ruta.string() + ")";
                return false;
            }
            it = svg_.emplace(i.nombre, std::move(r)).first;
        }
        it->second->render(&painter_, QRectF(Px(i.x), Px(i.y), Px(i.ancho), Px(i.alto)));
        return true;
    }

    void Texto(const salida::Texto& t) {
        const QFont f = FuenteQt(t.fuente);
        painter_.setFont(f);
        painter_.setPen(Qt::black);
        // The stationery shows between the letters.
        painter_.setBackgroundMode(Qt::TransparentMode);
        const QFontMetricsF fm(f, &impresora_);
        // The Y of a text is the top of its line.
        painter_.drawText(QPointF(Px(t.x), Px(t.y) + fm.ascent()), Q(t.texto));
    }

    QPrinter& impresora_;
    fs::path papeleria_;
    QPainter painter_;
    std::map<std::string, std::unique_ptr<QSvgRenderer>> svg_;
    int paginas_ = 0;
};

class DestinoQt : public salida::DestinoImpresion {
public:
    explicit DestinoQt(fs::path papeleria) : papeleria_(std::move(papeleria)), medidor_(impresora) {}
    QPrinter impresora{QPrinter::HighResolution};
    salida::MedidorTexto& Medidor() override { return medidor_; }

protected:
    fs::path papeleria_;
    MedidorQt medidor_;
};

// Every document a job of its own.
class DestinoImpresora : public DestinoQt {
public:
    using DestinoQt::DestinoQt;
    void Imprimir(const salida::Documento& d) override {
        std::string error;
        if (!ImprimirDocumento(d, impresora, error, papeleria_)) throw salida::ErrorImpresion(error);
    }
};

// Every document into one file, put in place at the end.
class DestinoPdf : public DestinoQt {
public:
    DestinoPdf(fs::path archivo, fs::path papeleria)
        : DestinoQt(std::move(papeleria)), archivo_(std::move(archivo)), parcial_(archivo_), pintor_(impresora, papeleria_) {
        parcial_ += ".parcial";
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(QString::fromStdString(parcial_.string()));
        PrepararImpresora(impresora);
    }
    ~DestinoPdf() override {
        std::string ignorado;
        pintor_.Terminar(ignorado);
        std::error_code ec;
        fs::remove(parcial_, ec);
    }
    bool EsArchivo() const override { return true; }

    void Imprimir(const salida::Documento& d) override {
        std::string error;
        if (!comenzado_) {
            if (!pintor_.Comenzar(error)) throw salida::ErrorImpresion(error);
            comenzado_ = true;
        }
        if (!pintor_.Pintar(d, error)) throw salida::ErrorImpresion(error);
    }
    void Terminar() override {
        std::string error;
        if (!pintor_.Terminar(error)) throw salida::ErrorImpresion(error);
        std::error_code ec;
        if (!fs::exists(parcial_, ec) || fs::file_size(parcial_, ec) == 0 || (fs::rename(parcial_, archivo_, ec), ec))
            throw salida::ErrorImpresion("no se puede escribir el archivo " + archivo_.string());
    }

private:
    fs::path archivo_, parcial_;
    Pintor pintor_;
    bool comenzado_ = false;
};

}  // namespace

fs::path CarpetaPapeleria() { return datos::CarpetaAplicacion() / "papeleria"; }

void PrepararImpresora(QPrinter& impresora) {
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    impresora.setFullPage(true);
    // The dialog's copies and page range are not used: one copy of every page.
    impresora.setCopyCount(1);
    impresora.setPrintRange(QPrinter::AllPages);
    impresora.setFromTo(0, 0);
}

QFont FuenteQt(const salida::Fuente& fuente) {
    static const bool sustitutos = [] {
        QFont::insertSubstitution("Times New Roman", "Liberation Serif");
        QFont::insertSubstitution("Arial", "Liberation Sans");
        return true;
    }();
    (void)sustitutos;
    QFont f(Q(fuente.nombre));
    f.setPointSizeF(fuente.tamano);
    f.setBold(fuente.negrita);
    // Widths as printed, not as snapped to a screen's pixels.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double MedidorQt::Ancho(const salida::Fuente& fuente, std::string_view texto) {
    const QFontMetricsF fm(FuenteQt(fuente), &d_);
    return fm.horizontalAdvance(Q(texto)) * 1440.0 / d_.logicalDpiX();
}

double MedidorQt::AltoLinea(const salida::Fuente& fuente) {
    const QFontMetricsF fm(FuenteQt(fuente), &d_);
    return fm.lineSpacing() * 1440.0 / d_.logicalDpiY();
}

bool ImprimirDocumento(const salida::Documento& documento, QPrinter& impresora, std::string& error,
                       const fs::path& papeleria) {
    PrepararImpresora(impresora);
    Pintor p(impresora, papeleria);
    if (!p.Comenzar(error)) return false;
    if (!p.Pintar(documento, error)) {
        impresora.abort();
        return false;
    }
    return p.Terminar(error);
}

bool GuardarPdf(const std::vector<salida::Documento>& documentos, const fs::path& archivo, std::string& error,
                const fs::path& papeleria) {
    try {
        DestinoPdf d(archivo, papeleria);
        for (const auto& doc : documentos) d.Imprimir(doc);
        d.Terminar();
        return true;
    } catch (const salida::ErrorImpresion& e) {
        error = e.what();
        return false;
    }
}

salida::ElegirDestino EnImpresora(DialogoImpresora dialogo, fs::path papeleria) {
    return [dialogo = std::move(dialogo), papeleria = std::move(papeleria)](
               const std::string& titulo) -> std::unique_ptr<salida::DestinoImpresion> {
        auto d = std::make_unique<DestinoImpresora>(papeleria);
        PrepararImpresora(d->impresora);
        if (!dialogo(d->impresora, titulo)) return nullptr;
        PrepararImpresora(d->impresora);
        return d;
    };
}

salida::ElegirDestino EnPdf(DialogoArchivo dialogo, fs::path papeleria) {
    return [dialogo = std::move(dialogo), papeleria = std::move(papeleria)](
               const std::string& titulo) -> std::unique_ptr<salida::DestinoImpresion> {
        const auto archivo = dialogo(titulo);
        if (!archivo) return nullptr;
        return std::make_unique<DestinoPdf>(*archivo, papeleria);
    };
}

salida::ElegirDestino EnArchivoPdf(fs::path archivo, fs::path papeleria) {
    return [archivo = std::move(archivo), papeleria = std::move(papeleria)](
               const std::string&) -> std::unique_ptr<salida::DestinoImpresion> {
        return std::make_unique<DestinoPdf>(archivo, papeleria);
    };
}

salida::ResultadoImpresion Impresoras(app::Interaccion& ui, const DialogoImpresora& dialogo, salida::FrmEstudio& estudio,
                                      app::FrmCotizador& w, const EstadoMotor& e,
                                      const cotizacion::MontosPorFrecuencia& montos, app::SistemaAgentes& agentes,
                                      const Fecha& hoy) {
    return salida::ImprimirPropuesta(ui, EnImpresora(dialogo), estudio, w, e, montos, hoy, &agentes);
}

salida::ResultadoImpresion GuardarPropuestaPdf(app::Interaccion& ui, const DialogoArchivo& dialogo,
                                               salida::FrmEstudio& estudio, app::FrmCotizador& w, const EstadoMotor& e,
                                               const cotizacion::MontosPorFrecuencia& montos,
                                               app::SistemaAgentes* agentes, const Fecha& hoy) {
    return salida::ImprimirPropuesta(ui, EnPdf(dialogo), estudio, w, e, montos, hoy, agentes);
}

salida::ResultadoImpresion ImprimirTarifas(app::Interaccion& ui, const DialogoImpresora& dialogo,
                                           const salida::FrmTarifa& hoja, const app::FrmCotizador& w,
                                           const EstadoMotor& e, const Fecha& hoy) {
    return salida::ImprimirTarifas(ui, EnImpresora(dialogo), hoja, w, e, hoy);
}

salida::ResultadoImpresion GuardarTarifasPdf(app::Interaccion& ui, const DialogoArchivo& dialogo,
                                             const salida::FrmTarifa& hoja, const app::FrmCotizador& w,
                                             const EstadoMotor& e, const Fecha& hoy) {
    return salida::ImprimirTarifas(ui, EnPdf(dialogo), hoja, w, e, hoy);
}

SinPantalla::SinPantalla() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session (a batch job, a container) Qt wants a private runtime folder.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        std::error_code ec;
        const fs::path carpeta = fs::temp_directory_path(ec) / ("cotizador-" + std::to_string(::getuid()));
        if (!ec && (fs::create_directories(carpeta, ec), !ec)) {
            fs::permissions(carpeta, fs::perms::owner_all, ec);
            if (!ec) qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(carpeta.string()));
        }
    }
    static int argc = 1;
    static char nombre[] = "cotizador";
    static char* argv[] = {nombre, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

SinPantalla::~SinPantalla() = default;

}  // namespace cv::render
