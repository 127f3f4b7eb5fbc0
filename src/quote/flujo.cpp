#include "quote/flujo.h"

#include "app/dialogos.h"
#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv::cotizacion {

using app::Control;

namespace {

double Valor(const std::string& t) { return ValorNumericoSeguro(t, 0); }

}  // namespace

FlujoLineas::FlujoLineas(app::FrmCotizador& ventana) : w(ventana) {
    w.CambioParticipacion = [this](bool clic) { CambioParticipacion(clic); };
}

// ---------------------------------------------------------------- the lines grid

void FlujoLineas::PrepararRejilla() {
    w.dbgProductosPaquete.Dimensionar(8, 4);
    const char* encabezados[] = {"Nombre", "% Participación", "P. Seguro", "P.Pago"};
    const int anchos[] = {1500, 1500, 1000, 1000};
    for (int c = 0; c < 4; ++c) {
        w.dbgProductosPaquete.Celda(0, c) = encabezados[c];
        w.dbgProductosPaquete.anchos[static_cast<size_t>(c)] = anchos[c];
    }
}

void FlujoLineas::RefrescarRejilla() {
    auto& g = w.dbgProductosPaquete;
    const int filas = tabla.NumLineasCotizacion + 1;
    auto celdas = g.celdas;
    g.Dimensionar(filas, 4);
    for (int c = 0; c < 4 && !celdas.empty(); ++c) g.Celda(0, c) = celdas[0][static_cast<size_t>(c)];
    for (int k = 1; k < filas; ++k) {
        const LineaCotizacion& l = tabla.LineasCotizacion[static_cast<size_t>(k)];
        g.Celda(k, 0) = tabla.NombresLinea[static_cast<size_t>(k)];
        g.Celda(k, 1) = TextoNumero(l.Participacion);
        g.Celda(k, 2) = std::to_string(l.PlazoSeguro);
        g.Celda(k, 3) = std::to_string(l.PlazoPago);
    }
}

void FlujoLineas::VaciarRejilla() {
    auto& g = w.dbgProductosPaquete;
    const int filas = tabla.NumLineasCotizacion + 1;
    auto celdas = g.celdas;
    g.Dimensionar(filas, 4);
    for (int f = 0; f < filas && f < static_cast<int>(celdas.size()); ++f)
        for (int c = 2; c < 4; ++c) g.Celda(f, c) = celdas[static_cast<size_t>(f)][static_cast<size_t>(c)];
    if (!celdas.empty())
        for (int c = 0; c < 2; ++c) g.Celda(0, c) = celdas[0][static_cast<size_t>(c)];
}

void FlujoLineas::dbgProductosPaquete_RowColChange(int fila, bool activa) {
    tabla.LineaSeleccionada = static_cast<int16_t>(fila);
    w.dbgProductosPaquete.filaActual = fila;
    if (fila <= 0 || !activa || fila > tabla.NumLineasCotizacion) return;
    const LineaCotizacion& l = tabla.LineasCotizacion[static_cast<size_t>(fila)];
    w.FijarProducto(l.Producto);
    w.txtSumaAsegurada.texto = l.SumaAsegurada.Texto();
    w.FijarPlazo(std::to_string(l.PlazoSeguro));
    w.FijarPago(std::to_string(l.PlazoPago));
    w.txtAnosCrecimiento.texto = std::to_string(l.AnosCrecimiento);
    w.txtParticipacion.texto = TextoNumero(l.Participacion);
    w.comIncremento.texto = TextoNumero(l.Incremento);
}

// ---------------------------------------------------------------- clearing steps

void FlujoLineas::LimpiarPlan() {
    w.chkOrdinario.marcada = w.chkDotal.marcada = w.chkEdad.marcada = false;
    if (Recortar(w.txtProducto.texto) == "6") {
        w.txtPago.texto = " ";
        w.txtPlazo.texto = " ";
    } else {
        w.FijarPago(" ");
        w.FijarPlazo(" ");
    }
    w.comPlan.Limpiar();
    w.comIncremento.texto = " ";
    w.FijarEdadMenor("");
    w.txtParticipacion.texto.clear();
    w.List1.Limpiar();
    w.List1.visible = true;
    w.List1.habilitado = false;
}

void FlujoLineas::LimpiarRanuras() {
    for (auto* ranuras : {&w.txtBeneficio, &w.txtBeneficioParticipacion})
        for (auto& c : *ranuras) {
            c.texto.clear();
            c.habilitado = false;
        }
}

void FlujoLineas::LimpiarBeneficios() {
    for (app::Casilla* c : {&w.chkbit, &w.chkbpai, &w.chkma, &w.chkdi, &w.chkti, &w.chkenfgr, &w.Chkbitf, &w.Chkcat})
        c->marcada = false;
    LimpiarRanuras();
}

void FlujoLineas::LimpiarMontosAportacion() {
    app::FrmAportaciones& a = w.Aportaciones();
    a.txtFondoFinal.texto.clear();
    a.txtmontoAportacion.texto.clear();
    a.txtNoPagos.texto.clear();
}

void FlujoLineas::LimpiarProducto() {
    w.FijarProducto("");
    w.dbcProducto.habilitado = w.dbcProducto.visible = true;
    w.dbcProducto.texto.clear();
    w.lblProducto.visible = w.lblProducto.habilitado = true;
    w.lblProducto.texto.clear();
}

void FlujoLineas::BloquearEntrada() {
    for (Control* c : std::initializer_list<Control*>{&w.txtProducto, &w.comPlan, &w.txtParticipacion, &w.comIncremento,
                                                      &w.dbcPago, &w.dbcPlazo, &w.List1, &w.txtedad_menor})
        c->habilitado = false;
    w.dbcProducto.habilitado = true;
}

void FlujoLineas::ReiniciarAportaciones() {
    app::FrmAportaciones& a = w.Aportaciones();
    a.txtNoPagos.texto = "0";
    a.txtTasaIncremento.texto = "0";
    w.comTipoIncremento.MostrarTexto("Aritmetico");
    a.txtmontoAportacion.texto = "0";
    a.txtFondoFinal.texto = "0";
    w.txtEdadInicial.texto = "15";
    w.txtEdadFinal.texto = "70";
    w.optDetalle.seleccionado = true;
    w.optResumen.seleccionado = false;
}

// ---------------------------------------------------------------- buttons

void FlujoLineas::butAgregar_Click() {
    w.dbcPaquete.texto.clear();
    for (auto* ranuras : {&w.txtBeneficio, &w.txtBeneficioParticipacion})
        for (auto& c : *ranuras) c.texto.clear();
    w.butAgregar.visible = false;
    w.butAceptar.visible = w.butCancelar.visible = true;
    w.txtProducto.habilitado = true;
    w.dbcProducto.visible = w.dbcProducto.habilitado = true;
    w.lblProducto.visible = false;
    w.foco = "txtProducto";
    for (auto* ranuras : {&w.txtBeneficio, &w.txtBeneficioParticipacion})
        for (auto& c : *ranuras) c.habilitado = true;
    w.dbgProductosPaquete.habilitado = w.butGenerar.habilitado = w.butBorrar.habilitado = false;
    for (Control* c : std::initializer_list<Control*>{&w.chkbit, &w.chkbpai, &w.chkma, &w.chkdi, &w.chkti, &w.chkenfgr,
                                                      &w.lblbit, &w.lblbpai, &w.lblma, &w.lbldi, &w.lblti, &w.lblenfgr})
        c->habilitado = true;
    for (app::Casilla* c : {&w.chkbit, &w.chkbpai, &w.chkma, &w.chkdi, &w.chkti, &w.chkenfgr}) c->marcada = false;
    if (w.dbcPago.visible) w.dbcPago.habilitado = true;
    w.ModoEdicion = 1;
}

void FlujoLineas::butAceptar_Click() {
    LlenarBeneficios(w);
    if (!ChequeoLinea(w)) return;
    if (Valor(w.txtParticipacion.texto) == 100) return;  // a whole share is stored by "Ca&lcular"
    const bool primera = tabla.NombresLinea[1].empty();
    const int posicion = primera ? 1 : tabla.NumLineasCotizacion + 1;
    if (posicion > 10) {
        w.Ui().MostrarMensaje(app::Informacion("La cotización admite como máximo 10 planes", "Validación"));
        return;
    }
    tabla.NumLineasCotizacion = static_cast<int16_t>(posicion);
    tabla.LineaSeleccionada = tabla.NumLineasCotizacion;
    tabla.NombresLinea[static_cast<size_t>(posicion)] = w.dbcProducto.texto;  // each line keeps its own name
    GuardarLinea(w, tabla, posicion, primera ? JuegoBanderas::PrimeraLinea : JuegoBanderas::LineasSiguientes, false);
    RefrescarRejilla();
    for (Control* c : std::initializer_list<Control*>{&w.txtProducto, &w.txtSumaAsegurada, &w.txtPlazo, &w.txtPago,
                                                      &w.txtAnosCrecimiento, &w.chkEdad, &w.txtParticipacion, &w.chkDotal,
                                                      &w.chkOrdinario, &w.comIncremento})
        c->habilitado = false;
    for (auto* ranuras : {&w.txtBeneficio, &w.txtBeneficioParticipacion})
        for (auto& c : *ranuras) c.habilitado = false;
    w.dbcProducto.visible = false;
    w.lblProducto.visible = true;
    w.butAgregar.visible = w.butAgregar.habilitado = true;
    w.butAceptar.visible = false;
    w.butCalcular.visible = w.butCancelar.visible = true;
    w.dbgProductosPaquete.habilitado = w.butGenerar.habilitado = w.butBorrar.habilitado = true;
    w.ModoEdicion = 0;
    for (Control* c : std::initializer_list<Control*>{&w.chkbit, &w.chkbpai, &w.chkma, &w.chkdi, &w.chkti, &w.chkenfgr,
                                                      &w.lblbit, &w.lblbpai, &w.lblma, &w.lbldi, &w.lblti, &w.lblenfgr})
        c->habilitado = false;
    if (w.dbcPago.visible) w.dbcPago.habilitado = false;
}

void FlujoLineas::butCancelar_Click() {
    // The engine's tables of the previous calculation are rebuilt by the next one.
    tabla.LineasCotizacion[1].CantidadBeneficios = tabla.LineasCotizacion[2].CantidadBeneficios = 0;
    tabla.NumLineasCotizacion = 0;
    VaciarRejilla();
    w.butCalcular.habilitado = true;
    ReiniciarAportaciones();
    LimpiarPlan();
    LimpiarBeneficios();
    LimpiarProducto();
    LimpiarMontosAportacion();
    BloquearEntrada();
    w.dbgProductosPaquete.Dimensionar(0, 0);
    PrepararRejilla();
    for (app::CuadroTexto* t : {&w.txtprimaneta, &w.txtderechopoliza, &w.txtTotal, &w.txt1erRecibo, &w.txtSubsecuentes,
                                &w.txtPagoFraccionado})
        t->texto.clear();
    w.butCalcular.visible = w.butCancelar.visible = true;
    w.butAgregar.visible = w.butAceptar.visible = false;
    w.Proceso().EdadPadreTutor = 0;
    for (app::Panel* p : {&w.planTemporal, &w.planTemporalAnual, &w.planVitalicio, &w.planDotal}) p->Mostrar(false);
    w.ModoEdicion = 1;
    w.txtProducto.habilitado = false;
    w.chkDotal.marcada = w.chkEdad.marcada = w.chkOrdinario.marcada = false;
    w.dbcProducto.visible = true;
    w.foco = "dbcProducto";
    w.dbgProductosPaquete.visible = false;
    w.dbgProductosCotizacion.Dimensionar(0, 0);
    for (auto& n : tabla.NombresLinea) n.clear();
    w.txtEdad.habilitado = true;
}

void FlujoLineas::butBorrar_Click() {
    app::EstadoProceso& p = w.Proceso();
    p.AportFondoFinal = p.AportMonto = 0;
    p.AportNumPagos = 0;
    p.AportTasaIncremento = 0;
    for (app::Panel* panel : {&w.planTemporal, &w.planTemporalAnual, &w.planVitalicio, &w.planDotal}) panel->Mostrar(false);
    const bool educacional = Recortar(w.txtProducto.texto) == "6";
    if (!educacional)
        for (Control* c : std::initializer_list<Control*>{&w.chkbit, &w.chkbpai, &w.chkma, &w.chkdi, &w.chkti, &w.chkenfgr,
                                                          &w.Chkbitf, &w.Chkcat})
            c->habilitado = true;
    w.dbgProductosCotizacion.Dimensionar(0, 0);
    w.txtNumAge.texto.clear();
    w.comFormaPago.texto.clear();
    w.comFormaPago.seleccion = -1;
    w.comMoneda.texto.clear();
    w.comMoneda.seleccion = -1;
    butCotizador_Click();
    if (educacional) {
        w.fEducacionalVeralta.visible = false;
        w.FijarEdadMenor("");
        w.List1.Limpiar();
        w.txtPago.texto.clear();
        w.txtPlazo.texto.clear();
        w.txtPago.visible = w.txtPlazo.visible = false;
        w.dbcPago.visible = w.dbcPlazo.visible = true;
    }
    w.txtNombre.texto.clear();
    w.FijarEdad("");
    w.txtFechaNacimiento.texto.clear();
    w.comFuma.texto.clear();
    w.comFuma.seleccion = -1;
    w.comSexo.texto.clear();
    w.comSexo.seleccion = -1;
    w.chkRiesgoSelecto.marcada = false;
    w.txtExtraprimaOcupacional.texto = "0";
    w.txtExtraPrimaMedica.texto = "100";
    w.comFormaPago.MostrarTexto("Anual");
    if (w.Catalogo()) {
        auto& op = w.Catalogo()->datOpcionesGerenciales;
        op.MoverPrimero();
        if (op.HayActual()) w.txtTasaInteres.texto = op.Campo("Tasa de Interes Pesos").ComoTexto();
    }
    // Emptying the sum from here is no typing mistake: no "Ingresa un Numero".
    w.SuprimirAvisoSuma = true;
    w.FijarSumaAsegurada("");
    w.SuprimirAvisoSuma = false;
    w.FijarPrimaTotal("");
    w.txtAgente.texto.clear();
    w.dbcPaquete.texto.clear();
    tabla.LineasCotizacion[1].CantidadBeneficios = tabla.LineasCotizacion[2].CantidadBeneficios = 0;
    tabla.NumLineasCotizacion = 0;
    VaciarRejilla();
    ReiniciarAportaciones();
    LimpiarPlan();
    LimpiarBeneficios();
    LimpiarProducto();
    BloquearEntrada();
    w.dbgProductosPaquete.Dimensionar(0, 0);
    PrepararRejilla();
    for (app::CuadroTexto* t : {&w.txtprimaneta, &w.txtderechopoliza, &w.txtTotal, &w.txt1erRecibo, &w.txtSubsecuentes})
        t->texto.clear();
    w.txtPagoFraccionado.texto = " ";
    w.butCalcular.visible = w.butCancelar.visible = true;
    w.butAgregar.visible = false;
    w.butGenerar.habilitado = w.butBorrar.habilitado = false;
    for (Control* c : std::initializer_list<Control*>{&w.chkbit, &w.chkbpai, &w.chkma, &w.chkdi, &w.chkti, &w.chkenfgr})
        c->habilitado = false;
    w.dbcProducto.habilitado = false;
    w.foco = "txtNombre";
    w.ModoEdicion = 1;
    w.chkDotal.marcada = w.chkEdad.marcada = w.chkOrdinario.marcada = false;
    w.dbgProductosPaquete.visible = false;
    for (auto& n : tabla.NombresLinea) n.clear();
}

void FlujoLineas::MostrarCamposPrima(bool visible) {
    for (Control* c : std::initializer_list<Control*>{&w.txtprimaneta, &w.txtPagoFraccionado, &w.txtderechopoliza,
                                                      &w.txtTotal, &w.txt1erRecibo, &w.txtSubsecuentes, &w.lblPrimaNeta,
                                                      &w.lblPagoFraccionado, &w.lblDerechoPoliza, &w.lblPrimaTotal,
                                                      &w.lbl1erRecibo, &w.lblSubsecuentes})
        c->visible = visible;
}

void FlujoLineas::MostrarRangoTarifa(bool visible) {
    for (Control* c : std::initializer_list<Control*>{&w.lblEdadInicial, &w.lblEdadFinal, &w.Frame4, &w.txtEdadInicial,
                                                      &w.txtEdadFinal})
        c->visible = visible;
}

void FlujoLineas::butTarifas_Click() {
    tabla.ModoTarifa = 1;
    MostrarRangoTarifa(true);
    w.butTarifas.visible = false;
    w.butCotizador.visible = true;
    w.optResumen.seleccionado = true;
    w.optDetalle.seleccionado = false;
    MostrarCamposPrima(false);
    w.dbgProductosCotizacion.Dimensionar(0, 0);
    const std::string seguro = Recortar(w.dbcPlazo.texto);
    if (seguro == "65")
        w.txtEdadFinal.texto = "60";
    else if (seguro == "60")
        w.txtEdadFinal.texto = "55";
    else if (seguro.empty())
        w.txtEdadFinal.texto = "70";
}

void FlujoLineas::butCotizador_Click() {
    tabla.ModoTarifa = 0;
    MostrarRangoTarifa(false);
    w.butTarifas.visible = true;
    w.butCotizador.visible = false;
    w.optResumen.seleccionado = false;
    w.optDetalle.seleccionado = true;
    w.chkcalc.marcada = false;
    MostrarCamposPrima(true);
    w.dbgProductosCotizacion.Dimensionar(0, 0);
    w.FijarProducto("0");
}

void FlujoLineas::CambioParticipacion(bool clic) {
    const double participacion = Valor(w.txtParticipacion.texto);
    if (!clic) {
        if (participacion != 100) {
            w.dbgProductosPaquete.visible = true;
            w.butAgregar.visible = false;
            w.butAceptar.visible = true;
            w.butCalcular.visible = w.butCancelar.visible = false;
        } else {
            w.dbgProductosPaquete.visible = false;
            w.butAgregar.visible = w.butAgregar.habilitado = false;
            w.butCalcular.visible = w.butCancelar.visible = true;
        }
    } else if (participacion < 100) {
        w.dbgProductosPaquete.visible = w.butAceptar.visible = true;
        w.butCalcular.visible = false;
        w.butCancelar.visible = true;
    } else if (participacion == 100) {
        w.butCancelar.visible = true;
        w.dbgProductosPaquete.visible = false;
    }
}

}  // namespace cv::cotizacion
