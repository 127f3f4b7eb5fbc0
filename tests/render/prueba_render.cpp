// The Qt painter: documents into PDF files and onto a printer set up as a PDF, widths measured
// with the printer's fonts, and the failures it reports (missing stationery, a file it cannot
// write) without leaving a half-written file behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QPrinter>
#include <filesystem>
#include <fstream>

#include "render/render.h"

namespace fs = std::filesystem;
using namespace cv;
using namespace cv::salida;

namespace {

class Render : public testing::Test {
protected:
    fs::path carpeta = fs::temp_directory_path() / ("cv_render_" + std::to_string(::getpid()));
    fs::path papeleria = carpeta / "papeleria";
    void SetUp() override {
        fs::create_directories(papeleria);
        std::ofstream(papeleria / "hoja.svg")
            << R"(<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" viewBox="0 0 100 100" )"
            << R"(preserveAspectRatio="none"><rect x="5" y="5" width="90" height="90" fill="none" stroke="black"/></svg>)";
    }
    void TearDown() override { fs::remove_all(carpeta); }

    Documento DosPaginas(const std::string& imagen = "hoja") {
        Documento d;
        QPrinter p(QPrinter::HighResolution);
        render::MedidorQt m(p);
        Lienzo l(d, m);
        l.Papeleria(imagen);
        l.fuente = {"Arial", 10, true};
        l.y = 1440;
        l.Derecha(6000, "Primera página: 1,234.56");
        l.NuevaPagina();
        l.Papeleria(imagen);
        l.fuente = {"Times New Roman", 12, false};
        l.Centrado(11520, "Segunda página");
        l.Fin();
        return d;
    }
    static std::string Inicio(const fs::path& archivo) {
        std::ifstream f(archivo, std::ios::binary);
        std::string s(5, '\0');
        f.read(s.data(), 5);
        return s;
    }
};

TEST_F(Render, MedidorConLasFuentesDeLaImpresora) {
    QPrinter p(QPrinter::HighResolution);
    render::MedidorQt m(p);
    const Fuente arial{"Arial", 10, false};
    // Liberation Sans keeps Arial's widths: a digit is 0.556 em, 111 twips at 10 points.
    EXPECT_NEAR(m.Ancho(arial, "0"), 111.2, 1.0);
    EXPECT_NEAR(m.Ancho(arial, "0000000000"), 10 * m.Ancho(arial, "0"), 0.5);
    EXPECT_GT(m.Ancho({"Times New Roman", 10, true}, "aaa"), m.Ancho({"Times New Roman", 10, false}, "aaa"));
    EXPECT_GT(m.Ancho(arial, "WWW"), m.Ancho(arial, "iii"));
    // A line of 10 points is about 11.5 points high.
    EXPECT_NEAR(m.AltoLinea(arial), 230, 10);
    EXPECT_NEAR(m.Ancho({"Times New Roman", 12, false}, " "), 60, 1.0);
}

TEST_F(Render, PdfDeVariosDocumentosEnUnArchivo) {
    const fs::path pdf = carpeta / "dos.pdf";
    std::string error;
    ASSERT_TRUE(render::GuardarPdf({DosPaginas(), DosPaginas()}, pdf, error, papeleria)) << error;
    EXPECT_EQ(Inicio(pdf), "%PDF-");
    EXPECT_FALSE(fs::exists(pdf.string() + ".parcial"));
}

TEST_F(Render, ImpresoraComoPdf) {
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    const fs::path pdf = carpeta / "impresora.pdf";
    p.setOutputFileName(QString::fromStdString(pdf.string()));
    std::string error;
    ASSERT_TRUE(render::ImprimirDocumento(DosPaginas(), p, error, papeleria)) << error;
    EXPECT_EQ(Inicio(pdf), "%PDF-");
    EXPECT_EQ(p.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_TRUE(p.fullPage());
}

TEST_F(Render, SinPapeleriaNoQuedaArchivo) {
    const fs::path pdf = carpeta / "sin.pdf";
    std::ofstream(pdf) << "anterior";
    std::string error;
    EXPECT_FALSE(render::GuardarPdf({DosPaginas("nohay")}, pdf, error, papeleria));
    EXPECT_NE(error.find("falta la papelería \"nohay\""), std::string::npos) << error;
    // The earlier file stays as it was; nothing half-written beside it.
    std::ifstream f(pdf);
    std::string anterior;
    f >> anterior;
    EXPECT_EQ(anterior, "anterior");
    EXPECT_FALSE(fs::exists(pdf.string() + ".parcial"));
}

TEST_F(Render, CarpetaQueNoExisteSeDice) {
    std::string error;
    const fs::path pdf = carpeta / "no" / "existe.pdf";
    EXPECT_FALSE(render::GuardarPdf({DosPaginas()}, pdf, error, papeleria));
    EXPECT_NE(error.find("no se puede escribir el archivo"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(Render, LaPapeleriaDelProgramaEstaCompleta) {
    for (const char* n : {"piccaratula2", "picamplio2", "piccaratula", "picamplio", "picBlanco", "RETIRO_02", "picLogo"})
        EXPECT_TRUE(fs::exists(fs::path(CV_PAPELERIA) / (std::string(n) + ".svg"))) << n;
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    render::SinPantalla qt;
    return RUN_ALL_TESTS();
}
