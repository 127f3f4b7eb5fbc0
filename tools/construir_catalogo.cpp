// Builds the product database from the catalogue sources.
//
//   construir_catalogo <carpeta de fuentes .csv> <archivo .svi> [cadena de conexión]
#include <filesystem>
#include <iostream>

#include "data/catalogo.h"
#include "data/construir.h"
#include "data/errores.h"

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "uso: construir_catalogo <carpeta de fuentes> <archivo .svi> [\";pwd=clave\"]\n";
        return 2;
    }
    try {
        const std::string conexion = argc == 4 ? argv[3] : std::string(cv::datos::kConexionBaseDatos);
        cv::datos::ConstruirBaseDatos(argv[1], argv[2], cv::datos::ClaveDeConexion(conexion));
        // Reading it back with the window's binding proves the file has what the program needs.
        try {
            cv::datos::VincularCatalogo(argv[2], conexion);
        } catch (...) {
            std::filesystem::remove(argv[2]);
            throw;
        }
    } catch (const std::exception& e) {
        std::cerr << "construir_catalogo: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
