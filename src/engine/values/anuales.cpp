// Year-by-year amounts of a line: sums assured, surrender values, dividends, basic premiums,
// additional contributions, the annualized premium and the receipts.
#include <algorithm>
#include <cmath>

#include "engine/premium/calculo.h"
#include "engine/premium/comun.h"

namespace cv {

using namespace motor;

void Calculo::CalcularValoresAnuales() {
    if (AnualesAbreviables()) {
        // Only year 1 and the row's surrender years feed the row: no contributions (the fund is
        // not in the run), no riders, a single premium rate.
        anualesFila = true;
        ProyectarSumaAseguradaFila();
        est.MontoAportacion = Moneda(ent.AportMonto, "la aportación");
        if (est.MaxAnosIlustrar >= 1) {
            est.AportacionMostrada[1] = 0;
            est.PrimeraAportacion = Moneda(est.AportacionMostrada[1], "la primera aportación");
        }
        GastosExpedicionUnicos();
        CalcularPrimaBasicaAnual();
        CalcularBeneficiosAnuales();
        CalcularPrimaAnualizada();
        anualesFila = false;
        CalcularRecibos();
        return;
    }
    anosCompletos = true;
    ProyectarSumaAsegurada();
    if (est.FondoFinal > Currency() && est.NumAportaciones > 0) CalcularAportacionPorFondo();
    ProyectarAportaciones();
    GastosExpedicionUnicos();
    CalcularPrimaBasicaAnual();
    CalcularBeneficiosAnuales();
    CalcularPrimaAnualizada();
    CalcularRecibos();
}

// Whether this line's yearly amounts can be cut to what the tariff row reads: no fund in the run
// (so no contribution and no dividend is ever other than 0), no rider, not a yearly renewable
// term, premiums paid within the years illustrated; and no amount of the years left out can fail
// its conversion to currency: the largest of them (with a margin for rounding) stays inside the
// range the conversion takes without a check.
bool Calculo::AnualesAbreviables() {
    if (!abreviada || fondoEnCorrida || est.TemporalAnual == 1) return false;
    const int linea = est.LineaActual;
    if (!lineaSinBeneficios[linea]) return false;
    const int anos = est.AnosIlustrar, m = std::min<int>(est.PlazoPago, 99);
    if (anos < 1 || anos > 99 || m > anos) return false;
    const double g = est.IncrementoActual;
    const double crecimiento = Simple((std::min(anos, 16) - 1) * g);
    if (!std::isfinite(crecimiento)) return false;
    const double suma = std::fabs(est.SumaAseguradaGlobal.ComoDouble() * est.ParticipacionLinea[linea]);
    const double limite = 0.99 * 4.5e15 / static_cast<double>(Currency::kEscala);
    double rescate = 0;  // at least the largest value, and not a number if one is not
    for (int k = 1; k <= anos; ++k) rescate += std::fabs(est.RescateMil[k]);
    if (!(rescate * suma / 1000 < limite) || !(suma < limite)) return false;
    if (linea == 1) {
        if (!(std::fabs(est.GastosExpedicion.ComoDouble()) < 1e14)) return false;
        const double tarifa = std::fabs(static_cast<double>(Simple(est.PrimaTarifa - est.DescuentoVolumen[est.GrupoLinea[linea]])));
        if (!(tarifa / 1000.0 * suma * std::max(1.0, std::fabs(1.0 + crecimiento)) < limite)) return false;
    }
    return true;
}

// The sums assured of year 1 and the row's surrender years, as ProyectarSumaAsegurada makes them.
void Calculo::ProyectarSumaAseguradaFila() {
    const int linea = est.LineaActual;
    est.SumaAseguradaActual = Moneda(est.SumaAseguradaGlobal.ComoDouble() * est.ParticipacionLinea[linea], "la suma asegurada de la línea");
    est.SumaAseguradaMostrada[linea] = est.SumaAseguradaActual.ComoDouble();
    est.IncrementoMostrado[linea] = est.IncrementoActual;
    const double g = est.IncrementoActual;
    est.FactorCrecimiento = Simple(0 * g);
    est.SumaAseguradaAno[1] = est.SumaAseguradaActual.ComoDouble() * (1.0 + est.FactorCrecimiento);
    est.ProteccionTotal[1] += est.SumaAseguradaAno[1];
    for (int k : kAnosFila)
        if (k <= est.AnosIlustrar)
            est.ValorRescate[k] += Moneda(est.RescateMil[k] * est.SumaAseguradaAno[1] / 1000, "el valor de rescate");
    // The growth factor of the last year illustrated.
    est.FactorCrecimiento = Simple((std::min<int>(est.AnosIlustrar, 16) - 1) * g);
}

void Calculo::ProyectarSumaAsegurada() {
    const int linea = est.LineaActual;
    for (int k = 1; k <= std::min<int>(est.PlazoSeguro, 99); ++k) {
        est.SumaAseguradaAno[k] = 0;
        est.SeguroSaldado[k] = 0;
        est.AnosProrrogado[k] = 0;
    }
    est.SumaAseguradaActual = Moneda(est.SumaAseguradaGlobal.ComoDouble() * est.ParticipacionLinea[linea], "la suma asegurada de la línea");
    est.SumaAseguradaMostrada[linea] = est.SumaAseguradaActual.ComoDouble();
    est.IncrementoMostrado[linea] = est.IncrementoActual;
    for (int k = 1; k <= est.AnosIlustrar; ++k) {
        // The sum assured stops growing after year 16.
        const int e = std::min(k, 16);
        est.FactorCrecimiento = Simple((e - 1) * static_cast<double>(est.IncrementoActual));
        est.SumaAseguradaAno[k] = est.SumaAseguradaActual.ComoDouble() * (1.0 + est.FactorCrecimiento);
        // Surrender values are always scaled by the first year's sum; dividends by the year's.
        est.RescateLineaAno[k] = Moneda(est.RescateMil[k] * est.SumaAseguradaAno[1] / 1000, "el valor de rescate");
        if (est.DividendoMil[k] == 0 && est.DividendosAcumulados[k] == 0 && std::isfinite(est.SumaAseguradaAno[k])) {
            // No dividend, none accumulated: the conversions below would give exactly these zeros.
            est.DividendoLineaAno[k] = Currency();
            est.ProteccionTotal[k] += est.SumaAseguradaAno[k];
            est.DividendosAcumulados[k] = 0;
        } else {
            est.DividendoLineaAno[k] = Moneda(est.DividendoMil[k] * est.SumaAseguradaAno[k] / 1000, "el dividendo");
            est.ProteccionTotal[k] += est.SumaAseguradaAno[k];
            est.DividendosAcumulados[k] =
                (Moneda(est.DividendosAcumulados[k], "los dividendos") + est.DividendoLineaAno[k]).ComoDouble();
        }
        est.ValorRescate[k] += est.RescateLineaAno[k];
    }
}

void Calculo::CalcularAportacionPorFondo() {
    for (int k = 1; k <= 99; ++k) est.RescateLineaAno[k] = Currency();
    const double j = est.TasaFondo, g = est.AportTasaIncremento;
    double s = 0;
    for (int t = 1; t <= est.NumAportaciones; ++t) {
        const double descuento = std::pow(1 + j, 1 - t);
        if (est.TipoIncremento == "G")
            s += std::pow(1 + g, t - 1) * descuento;
        else if (est.TipoIncremento == "A")
            s += (1 + g * (t - 1)) * descuento;
        else
            s += descuento;
    }
    const double carga = est.Moneda == "Dólares" ? static_cast<double>(0.031395f) : static_cast<double>(0.025999f);
    est.MontoAportacion = Moneda(Dividir(est.FondoFinal.ComoDouble() * std::pow(1 + j, 1 - est.PlazoSeguro), s * (1 + carga),
                                         "la aportación del fondo"),
                                 "la aportación");
}

void Calculo::ProyectarAportaciones() {
    // One schedule per quote: every line starts again from the contribution as entered, so
    // several lines pay what one line would.
    if (!(est.FondoFinal > Currency() && est.NumAportaciones > 0))
        est.MontoAportacion = Moneda(ent.AportMonto, "la aportación");
    const double f = est.Moneda == "Dólares" ? est.PrimaDotalCortoDolares[12] : est.PrimaDotalCortoPesos[12];
    const double c0 = static_cast<float>(est.MontoAportacion.ComoDouble());
    const double g = est.AportTasaIncremento;
    for (int k = 1; k <= est.MaxAnosIlustrar; ++k) {
        if (k <= est.NumAportaciones) {
            if (g > 0) {
                if (est.TipoIncremento == "G")
                    est.MontoAportacion = Moneda(est.MontoAportacion.ComoDouble() * (1 + g), "la aportación");
                else
                    est.MontoAportacion = Moneda(c0 * (1 + g * (k - 1)), "la aportación");
            }
            est.AportacionAno[k] = Dividir(est.MontoAportacion.ComoDouble() * 1000, f, "la aportación (prima del dotal a corto plazo)");
            est.AportacionMostrada[k] = Simple(f * est.AportacionAno[k] / 1000);
        } else {
            est.AportacionMostrada[k] = 0;
        }
        // Year 1's contribution is not written again in the later years.
        if (k == 1) est.PrimeraAportacion = Moneda(est.AportacionMostrada[1], "la primera aportación");
    }
}

void Calculo::CalcularPrimaBasicaAnual() {
    const int linea = est.LineaActual, x = est.EdadCalculo;
    const double descuento = est.DescuentoVolumen[est.GrupoLinea[linea]];
    est.TarifaConDescuento = Simple(est.PrimaTarifa - descuento);
    int ultimo;
    if (est.TemporalAnual == 1) {
        // A yearly renewable term: each year at the rate of the attained age, from the table
        // row positioned last, and its issue expense every year.
        if (!filaMortalidadActual) throw ErrorCalculo("No hay tabla de tarifas para el plan temporal anual.");
        if (x + 9 > 99) throw ErrorCalculo("La edad " + std::to_string(x) + " rebasa la tabla del plan temporal anual.");
        for (int k = 1; k <= 10; ++k) {
            est.PrimaTarifa = Numero(filaMortalidadActual->edad[static_cast<size_t>(x + k - 1)],
                                     [&] { return "la edad " + std::to_string(x + k - 1) + " de la tabla " + filaMortalidadActual->clave; });
            est.PrimaBasicaAno[k] =
                (est.GastosExpedicion +
                 Moneda((est.PrimaTarifa - descuento + est.ExtraprimaOcupacional) * est.SumaAseguradaAno[k] / 1000, "la prima"))
                    .ComoDouble();
        }
        ultimo = 10;
    } else {
        // An age that only gives its row takes year 1 (AnualesAbreviables checked the others).
        const int m = std::min<int>(est.PlazoPago, anualesFila ? 1 : 99);
        for (int k = 1; k <= m; ++k) {
            if (linea == 1) {
                est.PrimaBasicaAno[k] =
                    (Moneda(est.TarifaConDescuento / 1000.0 * est.SumaAseguradaAno[k], "la prima") + est.GastosExpedicion).ComoDouble();
                est.PrimaLineaMostrada[1] = est.TarifaConDescuento / 1000.0 * est.SumaAseguradaAno[k];
                est.PrimaSegundaTarifa = est.SumaAseguradaAno[k] / 1000 * est.PrimaTarifa2;
            } else {
                est.PrimaBasicaAno[k] = est.TarifaConDescuento / 1000.0 * est.SumaAseguradaAno[k];
                est.PrimaLineaMostrada[linea] = est.PrimaBasicaAno[k];
            }
        }
        ultimo = m;
    }
    // Years after the line's premium years pay nothing for this line (a row reads year 1 only).
    if (!anualesFila)
        for (int k = std::max(ultimo, 0) + 1; k <= 100; ++k) est.PrimaBasicaAno[k] = 0;
    else if (ultimo < 1)
        est.PrimaBasicaAno[1] = 0;
    est.PrimaLineaPrimerAno[linea] = est.PrimaBasicaAno[1];
    const Currency primerAno = Moneda(est.PrimaLineaPrimerAno[linea], "la prima del primer año");
    if (linea == 1) {
        est.PrimaBasicaSinGastos = primerAno - est.GastosExpedicion;
        est.PrimaPrimeraLinea = primerAno;
    }
    // Running first-year totals over every line of the quote.
    const Currency sinGastosAnterior = linea > 1 ? est.PrimaAcumuladaSinGastos[linea - 1] : Currency();
    const double lineasAnterior = linea > 1 ? est.PrimaAcumuladaLineas[linea - 1].ComoDouble() : 0.0;
    est.PrimaAcumuladaSinGastos[linea] = sinGastosAnterior + (primerAno - est.GastosExpedicion);
    est.PrimaAcumuladaLineas[linea] =
        linea == 1 ? est.PrimaPrimeraLinea : Moneda(lineasAnterior + est.PrimaLineaPrimerAno[linea], "la prima acumulada");
}

void Calculo::CalcularPrimaAnualizada() {
    const int linea = est.LineaActual;
    const int anos = anualesFila ? std::min<int>(est.AnosIlustrar, 1) : est.AnosIlustrar;
    for (int k = 1; k <= anos; ++k) est.PrimaAnualizada[k] += est.PrimaBasicaAno[k] + est.PrimaBeneficiosAno[k];
    est.PrimaBeneficiosLinea[linea] = Moneda(est.PrimaBeneficiosAno[1], "la prima de beneficios");
    est.PrimaAnualizadaInicial = Moneda(est.PrimaAnualizada[1], "la prima anualizada");
}

void Calculo::CalcularRecibos() {
    // The quote's first-year premium without the fee and the contribution already counted in
    // it: what every line adds to, whatever the number of lines.
    const double c = est.AportacionMostrada[1];
    const double base = est.PrimaAnualizada[1] - derechoIncluido - (aportacionIncluida ? c : 0.0);
    if (est.Moneda == "Pesos") {
        est.DerechoPoliza = 600;
    } else if (est.Moneda == "Dólares") {
        for (int k = 1; k < 6 && c + base > est.TopePrimaDerechoDolares[k - 1]; ++k)
            est.DerechoPoliza = Simple(est.DerechoPolizaDolares[k]);
    }
    double a = base;
    if (est.ModoCalculo != "D") {
        // A tariff counts the first contribution in the first year's premium, once.
        a += c;
        est.PrimaAnualizada[1] = a + derechoIncluido;
        aportacionIncluida = true;
    }
    const double s = 1 + static_cast<double>(est.RecargoFraccionado);
    const double f = est.DerechoPoliza;
    const double pagos = est.PagosPorAno;
    if (pagos == 0) throw ErrorCalculo("La forma de pago \"" + est.FormaPago + "\" no es válida.");
    if (est.FormaPago == "Quincenal") {
        const float r = Simple(s * (f + a) / pagos);
        est.ReciboSubsecuente = est.PrimerRecibo = est.ReciboNeto = r;
    } else if (est.FormaPago == "Catorcenal") {
        const float r = Simple((c + (a + f)) * s / pagos);
        est.ReciboSubsecuente = est.PrimerRecibo = est.ReciboNeto = r;
    } else {
        const float r = Simple(s * (c + a) / pagos);
        est.PrimaAnual = Simple(c + a);
        est.PrimaAnualRecargada = Simple(s * (c + a));
        est.ReciboSubsecuente = r;
        // The fee goes on the first receipt and once into the first year's premium.
        est.PrimerRecibo = Simple(r + f);
        est.ReciboNeto = r;
        est.PrimaAnualizada[1] = a + f;
        derechoIncluido = f;
    }
}

}  // namespace cv
