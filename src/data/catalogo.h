#pragma once
// The product database as the main window binds it: one record set per table or query, the
// whole catalogue read into memory once, so that later lookups do no I/O.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/tabla.h"

namespace cv::datos {

inline constexpr std::string_view kArchivoBaseDatos = "031208.svi";
inline constexpr std::string_view kConexionBaseDatos = ";pwd=918262";

// The fields of "Opciones Gerenciales" the program reads, in the order it reads them.
const std::vector<std::string>& CamposOpcionesGerenciales();

// The password of a connect string (";pwd=918262"): the text after "pwd=" up to the next ";".
std::string ClaveDeConexion(std::string_view conexion);

struct CatalogoProductos {
    std::filesystem::path ruta;  // the file the record sets were read from

    // Holders, in binding order.
    RecordSet datProductos;              // "Productos"; then the products of a currency
    RecordSet datPlazoProducto;          // "Plazo Producto"; then the terms of a product
    RecordSet datBeneficiosAdicionales;  // index "Id"
    RecordSet datCatalogoPaquetes;       // index "Id"
    RecordSet datEsquemaComisiones;      // ordered by Id, Plazo
    RecordSet datTablasMortalidad;       // index "No"
    RecordSet datDescuentoVolumen;       // index "Id"
    RecordSet datTarifasBeneficio;
    RecordSet datTarifas;                // index "No"
    RecordSet datOpcionesGerenciales;
    RecordSet datCrystalReports;         // bound, not used
    RecordSet datReportsCrystal;         // "Cobertura", bound, not used
    RecordSet datTarifario;              // bound, not used

    // The whole tables behind the two holders whose source changes while the user works.
    std::shared_ptr<const Tabla> tablaProductos;
    std::shared_ptr<const Tabla> tablaPlazoPorProducto;

    // datProductos becomes the products whose Moneda equals `moneda`, in table order.
    void ProductosDeMoneda(const std::string& moneda);
    // datPlazoProducto becomes the terms of a product code, ordered by PlazoPago.
    void PlazosDeProducto(const std::string& codigo);
};

// Reads every table and query of the window from the file. All or nothing: a wrong password,
// a damaged file, or a missing table or field throws ErrorBaseDatos with a message naming
// the file and what is missing.
CatalogoProductos VincularCatalogo(const std::filesystem::path& archivo,
                                   std::string_view conexion = kConexionBaseDatos);

}  // namespace cv::datos
