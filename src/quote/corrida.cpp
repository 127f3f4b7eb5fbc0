#include "quote/corrida.h"

#include <cmath>

#include "core/errores.h"
#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv::cotizacion {

namespace {

double Valor(const std::string& t) { return ValorNumericoSeguro(t, 0); }

// A value rounded through a format: formatted, then read back.
Currency PorFormato(double x, std::string_view patron) {
    return LeerImporteMoneda(Formatear(x, patron)).value_or(Currency());
}

}  // namespace

EntradaCalculo Instantanea(app::FrmCotizador& w, const TablaLineas& t) {
    EntradaCalculo e;
    e.txtEdad = w.txtEdad.texto;
    e.txtExtraprimaOcupacional = w.txtExtraprimaOcupacional.texto;
    e.txtExtraPrimaMedica = w.txtExtraPrimaMedica.texto;
    e.chkRiesgoSelecto = w.chkRiesgoSelecto.marcada;
    e.comFuma = w.comFuma.texto;
    e.comSexo = w.comSexo.texto;
    e.comFormaPago = w.comFormaPago.texto;
    e.comMoneda = w.comMoneda.texto;
    e.txtSumaAseguradaGlobal = w.txtSumaAseguradaGlobal.texto;
    e.txtPrimaTotal = w.txtPrimaTotal.texto;
    e.txtTasaInteres = w.txtTasaInteres.texto;
    e.comTipoIncremento = w.comTipoIncremento.texto;
    e.optDetalle = w.optDetalle.seleccionado;
    e.txtEdadInicial = w.txtEdadInicial.texto;
    e.txtEdadFinal = w.txtEdadFinal.texto;
    e.chkcalc = w.chkcalc.marcada;
    const app::EstadoProceso& p = w.Proceso();
    e.AportNumPagos = p.AportNumPagos;
    e.AportMonto = p.AportMonto;
    e.AportFondoFinal = p.AportFondoFinal;
    e.AportTasaIncrementoPct = p.AportTasaIncrementoPct;
    e.EdadContratante = p.EdadContratante;
    e.EdadPadreTutor = p.EdadPadreTutor;
    e.txtProducto = w.txtProducto.texto;
    e.comPlan = w.comPlan.texto;
    e.dbcPago = w.dbcPago.texto;
    e.dbcPlazo = w.dbcPlazo.texto;
    e.chkEdad = w.chkEdad.marcada;
    e.dbcPaquete = w.dbcPaquete.texto;
    e.lineas.assign(t.LineasCotizacion.begin(), t.LineasCotizacion.begin() + t.NumLineasCotizacion + 1);
    return e;
}

MontosPorFrecuencia CalcularMontos(const std::string& moneda, double p, double d, bool conPrimaGlobal) {
    MontosPorFrecuencia m;
    const bool pesos = moneda == "Pesos", dolares = moneda == "Dólares";
    const Currency derecho = Currency::DesdeDouble(d);
    auto neto = [&](double pesosFactor, double dolaresFactor, int pagos) {
        if (!pesos && !dolares) return Currency();
        return PorFormato((pesos ? pesosFactor : dolaresFactor) * p / pagos, kF1);
    };
    m.PagoAnualNeto = (pesos || dolares || conPrimaGlobal) ? PorFormato(p, conPrimaGlobal ? kF2 : kF1) : Currency();
    m.PagoAnual = PorFormato((m.PagoAnualNeto + derecho).ComoDouble(), kF1);
    m.PagoSemestralNeto = neto(1 + 3.7 / 100, 1.021, 2);
    m.PagoSemestral = PorFormato((m.PagoSemestralNeto + derecho).ComoDouble(), kF1);
    m.PagoTrimestralNeto = neto(1 + 5.5 / 100, 1.032, 4);
    m.PagoTrimestral = PorFormato((m.PagoTrimestralNeto + derecho).ComoDouble(), kF1);
    m.PagoMensualNeto = neto(1 + 6.5 / 100, 1.039, 12);
    m.PagoMensual = PorFormato((m.PagoMensualNeto + derecho).ComoDouble(), kF1);
    return m;
}

CorridaCalculo::CorridaCalculo(app::FrmCotizador& ventana, FlujoLineas& flujo, std::shared_ptr<const CatalogoMotor> catalogo)
    : CorridaCalculo(ventana, flujo, std::make_shared<Calculo>(std::move(catalogo))) {}

CorridaCalculo::CorridaCalculo(app::FrmCotizador& ventana, FlujoLineas& flujo, std::shared_ptr<Calculo> motor)
    : w(ventana), flujo_(flujo), motor_(std::move(motor)) {}

bool CorridaCalculo::Calcular() {
    const EntradaCalculo entrada = Instantanea(w, flujo_.tabla);
    try {
        resultado_ = motor_->CalcularCotizacion(entrada);
        // A quote stated by its premium is run again, as the window always did.
        if (!w.txtPrimaTotal.texto.empty() && !w.chkcalc.marcada) resultado_ = motor_->CalcularCotizacion(entrada);
    } catch (const ErrorCalculo& e) {
        w.Ui().MostrarMensaje(app::Informacion(e.what(), "Validación"));
        LimpiarResultados();
        calculado = false;
        return false;
    }
    if (resultado_.mensaje) {
        w.Ui().MostrarMensaje(app::Informacion(resultado_.mensaje->texto, resultado_.mensaje->titulo));
        w.foco = "txtEdadFinal";
    }
    calculado = true;
    lineasCalculadas_ = flujo_.tabla.NumLineasCotizacion;
    return true;
}

void CorridaCalculo::LimpiarResultados() {
    w.dbgProductosCotizacion.Dimensionar(0, 0);
    for (app::CuadroTexto* t : {&w.txtprimaneta, &w.txtPagoFraccionado, &w.txtderechopoliza, &w.txtTotal, &w.txt1erRecibo,
                                &w.txtSubsecuentes})
        t->texto.clear();
}

void CorridaCalculo::butCalcular_Click() {
    TablaLineas& t = flujo_.tabla;
    t.ModoTarifa = 0;
    if (!ChequeoEntrada(w, t)) return;
    if (w.ModoEdicion == 1) {
        if (t.NumLineasCotizacion >= 10) {
            w.Ui().MostrarMensaje(app::Informacion("La cotización admite como máximo 10 planes", "Validación"));
            return;
        }
        ++t.NumLineasCotizacion;
        t.LineaSeleccionada = t.NumLineasCotizacion;
    }
    if (t.LineaSeleccionada < 1) t.LineaSeleccionada = 1;
    if (Recortar(w.txtProducto.texto) == "6") {
        w.comPlan.MostrarTexto("Dotal");
    } else {
        w.ClasificarPlan();
    }
    GuardarLinea(w, t, t.LineaSeleccionada, JuegoBanderas::PrimeraLinea, true);
    flujo_.PrepararRejilla();
    flujo_.RefrescarRejilla();
    w.dbgProductosPaquete.habilitado = w.butGenerar.habilitado = w.butBorrar.habilitado = true;
    w.ModoEdicion = 0;
    if (!ChequeoCotizacion(w, t)) return;
    if (!Calcular()) return;
    const bool generador = w.butCotizador.visible;
    if (!generador) {
        LlenarResultados();
    } else if (!w.optDetalle.seleccionado) {
        // Tariff rows of the main window.
        auto& g = w.dbgProductosCotizacion;
        g.Dimensionar(static_cast<int>(resultado_.filasTarifa.size()) + 1, 8);
        for (int c = 0; c < 8; ++c) {
            g.Celda(0, c) = kEncabezadosTarifa[static_cast<size_t>(c)];
            g.anchos[static_cast<size_t>(c)] = kAnchosTarifa[static_cast<size_t>(c)];
        }
        int fila = 1;
        for (const auto& f : resultado_.filasTarifa) {
            const auto columnas = ColumnasTarifa(f);
            for (int c = 0; c < 8; ++c) g.Celda(fila, c) = columnas[static_cast<size_t>(c)];
            ++fila;
        }
    }
    w.butCancelar.visible = true;
}

void CorridaCalculo::LlenarResultados() {
    const EstadoMotor& e = motor_->Estado();
    auto& g = w.dbgProductosCotizacion;
    g.Dimensionar(1, 5);
    const int anchos[] = {3000, 1600, 1200, 1500, 1500};
    const char* titulos[] = {"", "Suma Asegurada", "Prima Neta", "Recargo Fijo", "SubTotal"};
    for (int c = 0; c < 5; ++c) {
        g.anchos[static_cast<size_t>(c)] = anchos[c];
        g.Celda(0, c) = titulos[c];
    }
    auto fila = [&](std::array<std::string, 5> celdas) {
        g.celdas.emplace_back(celdas.begin(), celdas.end());
        ++g.filas;
    };
    const double sumaGlobal = Valor(Reemplazar(w.txtSumaAseguradaGlobal.texto, ",", ""));
    const std::string sumaTexto = Formatear(sumaGlobal, kF1);
    Currency primaNeta = e.PrimeraAportacion;
    for (int j = 1; j <= e.NumLineas; ++j) {
        const Currency gastos = e.GastosExpedicionLinea[static_cast<size_t>(j)];
        const Currency primerAno = Currency::DesdeDouble(e.PrimaLineaPrimerAno[static_cast<size_t>(j)]);
        if (j == 1) {
            fila({"Básica " + flujo_.tabla.NombresLinea[1], Formatear(e.SumaAseguradaMostrada[1], kF1),
                  Formatear(primerAno - gastos, kF1), Formatear(gastos, kF1), Formatear(e.PrimaAcumuladaLineas[1], kF2)});
            w.Text2.texto = g.celdas.back()[4];
        } else {
            fila({"Básica " + flujo_.tabla.NombresLinea[static_cast<size_t>(j)],
                  Formatear(e.SumaAseguradaMostrada[static_cast<size_t>(j)], kF1),
                  Formatear(e.PrimaLineaPrimerAno[static_cast<size_t>(j)], kF1), Formatear(gastos, kF1),
                  Formatear(e.PrimaLineaPrimerAno[static_cast<size_t>(j)], kF1)});
        }
        // The line's own riders follow its basic row.
        for (int k = 1; k <= 8; ++k) {
            const double monto = e.PrimaBeneficioMostrada[k][j];
            if (!(monto > 0)) continue;
            std::string suma = sumaTexto;
            if (k == 6) {
                const double x = 0.25 * sumaGlobal;
                suma = Formatear(x > 400000 ? 400000.0 : x, kF1);
            }
            fila({e.NombreBeneficioSlot[static_cast<size_t>(k)], suma, Formatear(monto, kF1), "0", Formatear(monto, kF1)});
        }
        if (j == 1 && e.PrimeraAportacion > Currency()) {
            const std::string monto = Formatear(e.PrimeraAportacion, kF1);
            fila({"Dotal", sumaTexto, monto, "0", monto});
        }
        primaNeta += e.PrimaBeneficiosLinea[static_cast<size_t>(j)];
    }
    // The first contribution plus the first-year basic and rider premiums of every line.
    if (e.NumLineas > 0) primaNeta += e.PrimaAcumuladaLineas[static_cast<size_t>(e.NumLineas)];
    fila({"", "", "", "", ""});
    fila({"", "", "", "", ""});
    w.txtprimaneta.texto = Formatear(primaNeta, kF1);

    const double fraccionado = e.PagosPorAno * RedondearDecimales(e.ReciboNeto, 2) -
                               RedondearDecimales(Valor(Reemplazar(w.txtprimaneta.texto, ",", "")), 3);
    w.txtPagoFraccionado.texto = Formatear(fraccionado, kF1);
    if (Recortar(w.txtPagoFraccionado.texto) == "-0.01") w.txtPagoFraccionado.texto = "0";
    w.txtderechopoliza.texto = Formatear(static_cast<double>(e.DerechoPoliza), kF1);
    const float total = e.ReciboNeto * static_cast<float>(e.PagosPorAno) + e.DerechoPoliza;
    w.txtTotal.texto = Formatear(static_cast<double>(total), kF1);
    w.txt1erRecibo.texto = Formatear(static_cast<double>(e.ReciboSubsecuente + e.DerechoPoliza), kF1);
    w.txtSubsecuentes.texto = Formatear(static_cast<double>(e.ReciboNeto), kF1);
}

void CorridaCalculo::butGenerar_Click() {
    w.chkcalc.marcada = w.butCotizador.visible;  // tariff-generator mode
    if (!ChequeoCotizacion(w, flujo_.tabla)) return;
    if (!Calcular()) return;
    const EstadoMotor& e = motor_->Estado();
    montos = CalcularMontos(e.Moneda, e.PrimaAnual, e.DerechoPoliza, !w.txtPrimaTotal.texto.empty());
    if (e.ModoCalculo == "D") {
        if (MostrarEstudio) MostrarEstudio(*motor_);
    } else if (resultado_.hojaTarifa && MostrarHojaTarifa) {
        MostrarHojaTarifa(*motor_, resultado_);
    }
}

}  // namespace cv::cotizacion
