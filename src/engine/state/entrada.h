#pragma once
// What a calculation reads: the quote inputs as the window holds them (texts), the quote
// lines, the process-wide dialog values, and the few window fields the engine consults.
// The engine never touches a window; the caller copies these in.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/state/linea_cotizacion.h"

namespace cv {

struct EntradaCalculo {
    // Frame "Asegurado" and the hidden management fields.
    std::string txtEdad;
    std::string txtExtraprimaOcupacional = "0";
    std::string txtExtraPrimaMedica = "100";
    bool chkRiesgoSelecto = false;
    std::string comFuma;
    std::string comSexo = "Masculino";
    std::string comFormaPago = "Anual";
    std::string comMoneda;
    std::string txtSumaAseguradaGlobal;
    std::string txtPrimaTotal;
    std::string txtTasaInteres = "18";
    std::string comTipoIncremento = "Aritmetico";
    // Output and tariff range.
    bool optDetalle = true;  // "Individual"; false is "Tarifa"
    std::string txtEdadInicial = "15";
    std::string txtEdadFinal = "70";
    bool chkcalc = false;  // tariff output goes to the tariff sheet
    // Process-wide values of the dialogs.
    int16_t AportNumPagos = 0;
    double AportMonto = 0;
    double AportFondoFinal = 0;
    int16_t AportTasaIncrementoPct = 0;
    Currency EdadContratante;
    int16_t EdadPadreTutor = 0;
    // Line editor fields the engine reads for the line shown.
    std::string txtProducto;
    std::string comPlan;
    std::string dbcPago;
    std::string dbcPlazo;
    bool chkEdad = false;
    std::string dbcPaquete;
    // Lines 1..n of the quote-line table (index 0 unused, as in the table).
    std::vector<LineaCotizacion> lineas = std::vector<LineaCotizacion>(1);

    int16_t NumLineasCotizacion() const { return static_cast<int16_t>(lineas.size() - 1); }
};

}  // namespace cv
