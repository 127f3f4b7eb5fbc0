// The printed proposal and tariff sheet as PDF files written by the program: pages, fonts
// embedded (pdffonts), the values on the pages (pdftotext), and a file it cannot write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "apoyo_cli.h"

namespace fs = std::filesystem;

namespace prueba_cli {
namespace {

const std::vector<std::string> kQuote = {"cotizar", "--nombre", "Ana López", "--edad", "35", "--sexo", "F", "--fuma", "no",
                                         "--numero-agente", "1207", "--agente", "Carlos Pérez", "--fecha", "11/12/2026",
                                         "--suma-asegurada", "1,500,000.00", "--forma-pago", "Mensual"};

std::vector<std::string> Con(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A poppler tool's output on the file.
std::string Herramienta(const std::string& herramienta, const fs::path& pdf) {
    const fs::path salida = fs::temp_directory_path() / ("cv_pdf_" + std::to_string(::getpid()) + ".txt");
    const std::string orden = herramienta + " '" + pdf.string() + "' " + (herramienta == "pdftotext" ? "- " : "") + "> '" +
                              salida.string() + "' 2>/dev/null";
    EXPECT_EQ(std::system(orden.c_str()), 0) << orden;
    std::ifstream f(salida);
    std::stringstream s;
    s << f.rdbuf();
    fs::remove(salida);
    return s.str();
}

int Paginas(const fs::path& pdf) {
    const std::string info = Herramienta("pdfinfo", pdf);
    const size_t i = info.find("Pages:");
    return i == std::string::npos ? -1 : std::atoi(info.c_str() + i + 6);
}

// Every font of the file is embedded, and the metric-compatible faces are the ones used.
void FuentesIncrustadas(const fs::path& pdf) {
    std::istringstream lineas(Herramienta("pdffonts", pdf));
    std::string linea;
    int fuentes = 0;
    bool serif = false, sans = false;
    std::getline(lineas, linea);
    std::getline(lineas, linea);
    while (std::getline(lineas, linea)) {
        if (linea.empty()) continue;
        ++fuentes;
        serif |= linea.rfind("LiberationSerif", 0) == 0;
        sans |= linea.rfind("LiberationSans", 0) == 0;
        std::istringstream campos(linea.substr(linea.find("Identity-H") == std::string::npos ? 0 : linea.find("Identity-H")));
        std::string codificacion, emb;
        campos >> codificacion >> emb;
        EXPECT_EQ(emb, "yes") << linea;
    }
    EXPECT_GE(fuentes, 2);
    EXPECT_TRUE(serif && sans);
}

// "5281.89" as printed: "5,281.89".
std::string ConComas(std::string importe) {
    const size_t punto = importe.find('.');
    for (int i = static_cast<int>(punto) - 3; i > 0; i -= 3) importe.insert(static_cast<size_t>(i), ",");
    return importe;
}

class Pdf : public testing::Test {
protected:
    fs::path carpeta = fs::temp_directory_path() / ("cv_pdf_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(carpeta); }
    void TearDown() override { fs::remove_all(carpeta); }
};

TEST_F(Pdf, PropuestaTipicaConSusValores) {
    const fs::path pdf = carpeta / "propuesta.pdf";
    const auto linea = std::vector<std::string>{"--linea", "15,pago=20,beneficios=BIT+MA"};
    const Ejecucion e = Ejecutar(Con(Con(kQuote, linea), {"--descripcion-beneficios", "--pdf", pdf.string()}));
    ASSERT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(e.errores, "");
    EXPECT_EQ(Paginas(pdf), 2);
    FuentesIncrustadas(pdf);
    const std::string texto = Herramienta("pdftotext", pdf);
    for (const char* t : {"Dotal Veralta", "ANA LÓPEZ", "CARLOS PÉREZ", ".11 diciembre 2026", "Femenino", "Pesos",
                          ",18 A 55 AÑOS (INVALIDEZ),18 A 65 AÑOS (ACCIDENTE).", "1,500,000",
                          "EXENCION DEL PAGO DE PRIMAS POR INVALIDEZ (B.I.T.)", "BENEFICIO DE MUERTE ACCIDENTAL (M.A.)"})
        EXPECT_NE(texto.find(t), std::string::npos) << t;
    // The premiums of every frequency, as the quote computed them.
    const Json j = LeerJson(Ejecutar(Con(Con(kQuote, linea), {"--formato", "json"})).salida);
    for (const char* f : {"anual", "semestral", "trimestral", "mensual"})
        for (const char* r : {"primer_recibo", "subsecuentes"}) {
            const std::string importe = ConComas(j["recibos"][f][r].texto());
            EXPECT_NE(texto.find(importe), std::string::npos) << f << " " << r << " " << importe;
        }
    // Without the box, no rider page.
    const Ejecucion sin = Ejecutar(Con(Con(kQuote, linea), {"--pdf", pdf.string()}));
    ASSERT_EQ(sin.estado, 0) << sin.errores;
    EXPECT_EQ(Paginas(pdf), 1);
}

TEST_F(Pdf, RetiroConSuPaginaTresYValoresGarantizados) {
    const fs::path pdf = carpeta / "retiro.pdf";
    const Ejecucion e = Ejecutar(Con(kQuote, {"--moneda", "Dólares", "--suma-asegurada", "100,000.00", "--linea", "26,pago=65",
                                              "--valores-garantizados", "--pdf", pdf.string()}));
    ASSERT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(Paginas(pdf), 2);
    const std::string texto = Herramienta("pdftotext", pdf);
    EXPECT_NE(texto.find("Retiro Dólares"), std::string::npos);
    EXPECT_NE(texto.find(" U.S"), std::string::npos);
}

TEST_F(Pdf, HojaDeTarifasDeTresPaginas) {
    const fs::path pdf = carpeta / "tarifa.pdf";
    const Ejecucion e = Ejecutar({"tarifa", "--nombre", "Tarifa Temporal", "--edad", "40", "--fuma", "no", "--moneda", "Pesos",
                                  "--suma-asegurada", "1,000,000.00", "--numero-agente", "1207", "--agente", "Carlos Pérez",
                                  "--linea", "1,pago=20,beneficios=MA", "--edad-inicial", "15", "--edad-final", "70", "--fecha",
                                  "11/12/2026", "--pdf", pdf.string()});
    ASSERT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(Paginas(pdf), 3);
    FuentesIncrustadas(pdf);
    const std::string texto = Herramienta("pdftotext", pdf);
    for (const char* t : {"Temporal Veralta", "TARIFA TEMPORAL", "11 diciembre 2026", "CARLOS PÉREZ", "1,000,000.00"})
        EXPECT_NE(texto.find(t), std::string::npos) << t;
}

TEST_F(Pdf, ArchivoQueNoSePuedeEscribir) {
    const fs::path pdf = carpeta / "no" / "existe.pdf";
    const Ejecucion e = Ejecutar(Con(kQuote, {"--linea", "15,pago=20", "--pdf", pdf.string()}));
    EXPECT_EQ(e.estado, 1);
    EXPECT_NE(e.errores.find("No se pudo guardar la propuesta: no se puede escribir el archivo"), std::string::npos)
        << e.errores;
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(Pdf, OpcionesDeImpresionSoloDondeSeImprime) {
    EXPECT_EQ(Ejecutar({"tarifa", "--descripcion-beneficios"}).estado, 2);
    EXPECT_EQ(Ejecutar({"catalogo", "--pdf", "x.pdf"}).estado, 2);
    EXPECT_EQ(Ejecutar({"lote", "--valores-garantizados"}).estado, 2);
}

}  // namespace
}  // namespace prueba_cli
