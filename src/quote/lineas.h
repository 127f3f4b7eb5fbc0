#pragma once
// The quote-line table kept by the main window, and the checks that guard a calculation.
#include <array>
#include <cstdint>
#include <string>

#include "app/cotizador.h"
#include "engine/state/linea_cotizacion.h"

namespace cv::cotizacion {

struct TablaLineas {
    std::array<LineaCotizacion, 21> LineasCotizacion{};  // positions 1..20; 0 is never a line
    int16_t NumLineasCotizacion = 0;
    int16_t LineaSeleccionada = 0;
    std::array<std::string, 100> NombresLinea{};  // display name of each line
    int16_t ModoTarifa = 0;                       // 1 in tariff-generator mode

    // Empties the table (positions 1..10) as opening a quote file needs it.
    void Limpiar();
};

// Which flag set of the record a stored line writes.
enum class JuegoBanderas { PrimeraLinea, LineasSiguientes };

// The eight rider boxes of the line editor: short name, the box, its rule after a toggle, and
// the rider id it writes into the hidden slots.
struct CajaBeneficio {
    const char* clave;
    app::Casilla app::FrmCotizador::*caja;
    void (app::FrmCotizador::*regla)();
    const char* id;
};
const std::array<CajaBeneficio, 8>& CajasBeneficio();

// Fills the hidden rider slots from the ticked rider boxes (id and a share of "100").
void LlenarBeneficios(app::FrmCotizador& w);

// Stores the line-entry fields into line `posicion` of the table.
void GuardarLinea(app::FrmCotizador& w, TablaLineas& t, int posicion, JuegoBanderas juego, bool conTipoYBanderas);

// The three groups of checks; each reports its first failing rule through the window's
// interaction and returns false.
bool ChequeoEntrada(app::FrmCotizador& w, TablaLineas& t);
bool ChequeoLinea(app::FrmCotizador& w);
bool ChequeoCotizacion(app::FrmCotizador& w, TablaLineas& t);

}  // namespace cv::cotizacion
