#pragma once
// The quote file (.cvi): the prospect, the quote options, the contributions and the quote
// lines, one value per line, CR LF, Windows-1252, in a fixed order.
#include <filesystem>
#include <string>
#include <vector>

#include "quote/flujo.h"

namespace cv::cotizacion {

// The text of a quote file for the window's quote; throws std::runtime_error with a Spanish
// message naming the field when a text cannot be stored (it holds a double quote).
std::string EscribirCotizacion(app::FrmCotizador& w, const TablaLineas& t);

// A quote read and checked whole, not yet on the window.
struct CotizacionLeida {
    std::vector<std::string> encabezado;  // texts of values 1..24 (8 as "0"/"1", 22 and 23 as "1"/"0")
    std::vector<LineaCotizacion> lineas;
};
// Throws std::runtime_error naming what is wrong (ends early, wrong type, too many lines or riders).
CotizacionLeida LeerCotizacion(const std::string& contenido);

class ArchivoCotizacion {
public:
    ArchivoCotizacion(app::FrmCotizador& w, FlujoLineas& flujo) : w_(w), flujo_(flujo) {}

    std::filesystem::path ruta;  // the current quote file, empty at start

    void mnuAbrir_Click();
    void mnuGuardar_Click();
    void mnuGuardarComo_Click();
    // Reads, checks and puts a file on the window; false (after saying why) when refused.
    bool Abrir(const std::filesystem::path& archivo);
    // Writes beside the file and renames over it; false (after saying why) when it failed.
    bool Guardar(const std::filesystem::path& archivo);

private:
    app::FrmCotizador& w_;
    FlujoLineas& flujo_;
};

}  // namespace cv::cotizacion
