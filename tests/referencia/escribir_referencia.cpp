// Writes the full results of the reference deck, one file per quote. A changed result is then
// a visible diff in review.
//
//   escribir_referencia <archivo .svi> <carpeta de salida>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "data/catalogo.h"
#include "mazo.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "uso: escribir_referencia <archivo .svi> <carpeta de salida>\n";
        return 2;
    }
    try {
        auto catalogo = std::make_shared<const cv::CatalogoMotor>(cv::datos::VincularCatalogo(argv[1]));
        cv::Calculo calculo(catalogo);
        std::filesystem::create_directories(argv[2]);
        for (const auto& caso : cv::referencia::Mazo()) {
            std::ofstream out(std::filesystem::path(argv[2]) / (caso.nombre + ".txt"), std::ios::binary);
            out << cv::referencia::Escribir(cv::referencia::Resultados(calculo, caso));
        }
    } catch (const std::exception& e) {
        std::cerr << "escribir_referencia: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
