#pragma once
// The editing workflow of the main window: the lines grid, the clearing steps and the buttons
// that enter one line, hold several whose shares add up to 100 %, add a further one, and start
// over.
#include "app/cotizador.h"
#include "quote/lineas.h"

namespace cv::cotizacion {

class FlujoLineas {
public:
    explicit FlujoLineas(app::FrmCotizador& ventana);
    FlujoLineas(const FlujoLineas&) = delete;
    FlujoLineas& operator=(const FlujoLineas&) = delete;

    TablaLineas tabla;

    // The lines grid.
    void PrepararRejilla();
    void RefrescarRejilla();
    void VaciarRejilla();
    // The grid's current row changed; `activa` when the grid is the window's active control.
    void dbgProductosPaquete_RowColChange(int fila, bool activa);

    // Clearing steps.
    void LimpiarPlan();
    void LimpiarBeneficios();
    void LimpiarRanuras();
    void LimpiarMontosAportacion();
    void LimpiarProducto();
    void BloquearEntrada();

    // Buttons.
    void butAgregar_Click();
    void butAceptar_Click();
    void butCancelar_Click();
    void butBorrar_Click();  // "&Nueva"

    // The two modes of the window: "Generador Tarifas" and "Cotizador ".
    void butTarifas_Click();
    void butCotizador_Click();

    // The share field left (or clicked): one line with the whole share, or several.
    void CambioParticipacion(bool clic);

private:
    void ReiniciarAportaciones();
    void MostrarCamposPrima(bool visible);
    void MostrarRangoTarifa(bool visible);
    app::FrmCotizador& w;
};

}  // namespace cv::cotizacion
