// Recomputes the reference deck and compares it with the committed results.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "data/catalogo.h"
#include "mazo.h"

namespace {

std::string Leer(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

TEST(Referencia, ElMazoReproduceLosResultadosGuardados) {
    auto catalogo = std::make_shared<const cv::CatalogoMotor>(cv::datos::VincularCatalogo(CV_BASE_MUESTRA));
    cv::Calculo calculo(catalogo);
    const std::filesystem::path carpeta = CV_CARPETA_REFERENCIA;
    std::set<std::string> nombres;
    for (const auto& caso : cv::referencia::Mazo()) {
        SCOPED_TRACE(caso.nombre);
        nombres.insert(caso.nombre + ".txt");
        const auto archivo = carpeta / (caso.nombre + ".txt");
        ASSERT_TRUE(std::filesystem::exists(archivo)) << "falta " << archivo << "; escríbalo con escribir_referencia";
        const auto esperado = cv::referencia::Leer(Leer(archivo));
        const auto calculado = cv::referencia::Resultados(calculo, caso);
        EXPECT_EQ(cv::referencia::PrimeraDiferencia(esperado, calculado), "") << "cotización " << caso.nombre;
        for (const auto& v : calculado) EXPECT_NE(v.clave, "Error") << v.texto;
    }
    // No stale file of a quote that left the deck.
    for (const auto& e : std::filesystem::directory_iterator(carpeta))
        EXPECT_TRUE(nombres.count(e.path().filename().string())) << e.path();
}

TEST(Referencia, LaComparacionSenalaElPrimerValorDistinto) {
    using cv::referencia::Valor;
    const std::vector<Valor> a = {{"PrimaTarifa", 'D', "5.2743"}, {"ValorRescate[3]", 'M', "3991.13"}};
    EXPECT_EQ(cv::referencia::PrimeraDiferencia(a, a), "");
    auto b = a;
    b[0].texto = "5.27430000001";  // within 1e-9 relative
    EXPECT_EQ(cv::referencia::PrimeraDiferencia(a, b), "");
    b[1].texto = "3991.1301";  // money is exact
    EXPECT_NE(cv::referencia::PrimeraDiferencia(a, b).find("ValorRescate[3]"), std::string::npos);
    b = a;
    b[0].texto = "5.2744";
    EXPECT_NE(cv::referencia::PrimeraDiferencia(a, b).find("PrimaTarifa"), std::string::npos);
}
