#pragma once
// Drives the main window's model as a person would: fills the fields in the window's order,
// fires the same events, presses the same buttons. Every check and message of the window
// therefore holds on the command line; a message box the window shows stops the run.
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/cotizador.h"
#include "app/interaccion.h"
#include "cli/peticion.h"
#include "core/fechas.h"
#include "data/catalogo.h"
#include "engine/premium/calculo.h"
#include "output/estudio.h"
#include "output/hoja_tarifa.h"
#include "quote/archivo.h"
#include "quote/corrida.h"
#include "quote/flujo.h"

namespace cv::cli {

// Exit statuses of the program.
inline constexpr int kSalidaError = 1;    // a file, the database or the program itself failed
inline constexpr int kSalidaUso = 2;      // options or batch columns that are not understood
inline constexpr int kSalidaRechazo = 3;  // the window refused the quote (its message is said)

// The window showed one or more message boxes: the quote stops there, as it would for a person.
class Rechazo : public std::runtime_error {
public:
    explicit Rechazo(std::vector<app::Mensaje> m);
    std::vector<app::Mensaje> mensajes;
};

// An option value the window offers no way to enter (an unknown product, rider or list entry).
class ErrorUso : public std::runtime_error {
public:
    explicit ErrorUso(const std::string& m) : std::runtime_error(m) {}
};

// One line's own values, copied as the engine computed it (the engine keeps only the last
// line's columns).
struct AnoLinea {
    double sumaAsegurada = 0, primaBasica = 0, rescateMil = 0, dividendoMil = 0;
    Currency valorRescate, dividendo;
};
struct DetalleLinea {
    std::string producto, nombrePlan;
    int edadCalculo = 0, anosSeguro = 0, anosPago = 0;
    double primaNeta = 0, primaTarifa = 0;
    double descuentoVolumen = 0;
    std::vector<AnoLinea> anos;  // years 1..anosIlustrar
};

// What the window offers for a product: its terms with the increments of each, and the riders
// whose boxes it enables for a prospect of a given age.
struct PlazoOfrecido {
    std::string pago, seguro;
    std::vector<std::string> incrementos;
};
struct OfertaProducto {
    std::vector<PlazoOfrecido> plazos;
    std::vector<std::string> beneficios;  // short names
};

class Conductor {
public:
    // `carpeta` is the application folder (the manual, and the base of relative quote files).
    Conductor(std::shared_ptr<const datos::CatalogoProductos> catalogo, Fecha hoy, std::filesystem::path carpeta);
    ~Conductor();

    // An individual quote: the fields, "Ca&lcular", "&Generar" (the illustration window and the
    // lines' own values kept when `conEstudio`), then the quote file saved when asked. Throws
    // Rechazo or ErrorUso.
    void Cotizar(const Peticion& p, bool conEstudio = true);
    // A tariff: "Generador Tarifas", the fields and range, "Ca&lcular" (the window's rows) and
    // "&Generar" (the tariff sheet).
    void Tarifa(const Peticion& p);

    OfertaProducto Oferta(const std::string& producto, const std::string& edad);

    // What the last run left on the windows.
    app::FrmCotizador& Ventana();
    const cotizacion::TablaLineas& Lineas() const;
    cotizacion::CorridaCalculo& Corrida();
    const salida::FrmEstudio& Estudio() const { return estudio_; }
    const salida::FrmTarifa& Hoja() const { return hoja_; }
    const std::vector<DetalleLinea>& Detalle() const { return detalle_; }
    const Fecha& Hoy() const { return hoy_; }

private:
    struct Sesion;
    void Nueva();
    void Llenar(const Peticion& p, bool tarifa);
    void MostrarUltimaLinea();
    void Asegurado(const Peticion& p);
    void Linea(const PeticionLinea& l, size_t numero, size_t total);
    void Producto(const std::string& producto);
    void Beneficio(const std::string& nombre);
    void Calcular();
    void Guardar(const Peticion& p);
    void Revisar();  // throws Rechazo when the window said anything

    std::shared_ptr<const datos::CatalogoProductos> catalogo_;
    std::shared_ptr<Calculo> motor_;
    Fecha hoy_;
    std::filesystem::path carpeta_;
    std::unique_ptr<Sesion> s_;
    salida::FrmEstudio estudio_;
    salida::FrmTarifa hoja_;
    std::vector<DetalleLinea> detalle_;
    const Peticion* peticion_ = nullptr;
    bool conDetalle_ = true;
};

// The catalogue for the command line: the file given, or the one in the application folder.
// Throws datos::ErrorBaseDatos (or std::runtime_error with the window's message when missing).
std::shared_ptr<const datos::CatalogoProductos> AbrirCatalogo(const std::filesystem::path& archivo,
                                                              const std::filesystem::path& carpeta);

}  // namespace cv::cli
