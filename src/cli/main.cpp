// Command-line front end. For now it opens the product database beside the program (or the
// file given with --base) and lists the catalogue: products by currency with their terms.
#include <filesystem>
#include <iostream>
#include <string>

#include "data/arranque.h"
#include "data/errores.h"

namespace {

using cv::datos::CatalogoProductos;

void ImprimirCatalogo(CatalogoProductos& c, std::ostream& out) {
    for (const char* moneda : {"Pesos", "Dólares"}) {
        c.ProductosDeMoneda(moneda);
        out << moneda << "\n";
        for (c.datProductos.MoverPrimero(); !c.datProductos.FinDeArchivo(); c.datProductos.MoverSiguiente()) {
            const std::string id = c.datProductos.Campo("Id").ComoTexto();
            out << "  " << id << "  " << c.datProductos.Campo("Nombre").ComoTexto() << "\n    Plazos (pago/seguro):";
            c.PlazosDeProducto(id);
            for (auto& p = c.datPlazoProducto; !p.FinDeArchivo(); p.MoverSiguiente())
                out << " " << p.Campo("PlazoPago").ComoTexto() << "/" << p.Campo("PlazoSeguro").ComoTexto();
            out << "\n";
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path base;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--base" && i + 1 < argc) {
            base = argv[++i];
        } else {
            std::cerr << "uso: cotizador [--base archivo.svi]\n";
            return 2;
        }
    }
    try {
        CatalogoProductos catalogo;
        if (base.empty()) {
            auto abierta = cv::datos::AbrirBaseDatosDeCarpeta(cv::datos::CarpetaAplicacion());
            if (!abierta.catalogo) {
                std::cerr << abierta.mensaje << "\n";
                return 1;
            }
            catalogo = std::move(*abierta.catalogo);
        } else {
            catalogo = cv::datos::VincularCatalogo(base);
        }
        ImprimirCatalogo(catalogo, std::cout);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
