// construir_manual MANUAL.md CARPETA_IMAGENES SALIDA.pdf
//
// The user manual as a PDF from its Markdown source, with Qt's own Markdown reader and PDF
// printer (no other tool chain). Every chapter (level-1 heading) after the first starts a new
// page; pictures are the window screenshots of the test run, narrowed to the text width. A
// picture that is missing fails the build rather than leaving a hole in the manual.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// QTextDocument::print lays an unpaginated document out at 96 dots per inch with 2 cm margins:
// on Letter without printer margins that leaves 6.9 inches of text, about 660 dots.
constexpr double kAnchoImagen = 620;

int Fallar(const QString& texto) {
    std::fprintf(stderr, "construir_manual: %s\n", qPrintable(texto));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) return Fallar("uso: construir_manual MANUAL.md CARPETA_IMAGENES SALIDA.pdf");
    const QString fuente = QString::fromLocal8Bit(argv[1]);
    const QDir imagenes(QString::fromLocal8Bit(argv[2]));
    const QString salida = QString::fromLocal8Bit(argv[3]);

    QFile f(fuente);
    if (!f.open(QIODevice::ReadOnly)) return Fallar("no se puede leer " + fuente);
    QTextDocument doc;
    QFont letra("Liberation Sans");
    letra.setPointSizeF(10);
    doc.setDefaultFont(letra);
    doc.setMarkdown(QString::fromUtf8(f.readAll()), QTextDocument::MarkdownDialectGitHub);
    doc.setMetaInformation(QTextDocument::DocumentTitle, "Cotizador de Vida — Manual de usuario");

    // Pictures, and where chapters start. Fragments are gathered first: changing a format
    // while walking would split the fragments being walked.
    struct Imagen {
        int inicio, largo;
        QTextImageFormat formato;
    };
    std::vector<Imagen> porCambiar;
    bool primerCapitulo = true;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 1) {
            if (!primerCapitulo) {
                QTextCursor c(b);
                QTextBlockFormat bf = b.blockFormat();
                bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                c.setBlockFormat(bf);
            }
            primerCapitulo = false;
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            if (fr.isValid() && fr.charFormat().isImageFormat())
                porCambiar.push_back({fr.position(), fr.length(), fr.charFormat().toImageFormat()});
        }
    }
    for (Imagen& i : porCambiar) {
        const QString nombre = i.formato.name();
        QImage img(imagenes.filePath(nombre));
        if (img.isNull()) return Fallar("falta la imagen " + imagenes.filePath(nombre));
        doc.addResource(QTextDocument::ImageResource, QUrl(nombre), img);
        const double ancho = std::min<double>(img.width(), kAnchoImagen);
        i.formato.setWidth(ancho);
        i.formato.setHeight(ancho * img.height() / img.width());
        QTextCursor c(&doc);
        c.setPosition(i.inicio);
        c.setPosition(i.inicio + i.largo, QTextCursor::KeepAnchor);
        c.setCharFormat(i.formato);
    }

    // Tables read better with room around the cell texts and single rules between cells.
    for (QTextFrame* marco : doc.rootFrame()->childFrames())
        if (auto* tabla = qobject_cast<QTextTable*>(marco)) {
            QTextTableFormat tf = tabla->format();
            tf.setCellPadding(3);
            tf.setCellSpacing(0);
            tf.setBorderCollapse(true);
            tf.setBorderBrush(QColor("#808080"));
            tabla->setFormat(tf);
        }

    // Written beside its name and renamed over it when complete.
    const QString parcial = salida + ".parcial";
    QDir().mkpath(QFileInfo(salida).absolutePath());
    {
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(parcial);
        impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        impresora.setDocName("Cotizador de Vida — Manual de usuario");
        impresora.setCreator("Cotizador de Vida");
        doc.print(&impresora);
    }
    if (QFileInfo(parcial).size() == 0) return Fallar("no se escribió " + parcial);
    QFile::remove(salida);
    if (!QFile::rename(parcial, salida)) return Fallar("no se pudo renombrar " + parcial + " a " + salida);
    return 0;
}
