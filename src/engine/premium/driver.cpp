// Calculation driver: the single entry, the copy of the quote into the engine, the two modes
// (an individual quote, a tariff over an age range) and the order of the steps.
#include <algorithm>
#include <cmath>
#include <memory>

#include "core/errores.h"
#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"
#include "engine/premium/calculo.h"
#include "engine/premium/comun.h"

namespace cv {

using namespace motor;

Calculo::Calculo(std::shared_ptr<const CatalogoMotor> catalogo) : cat(std::move(catalogo)) {
    if (!cat) throw ErrorCalculo("No hay catálogo de productos abierto.");
}

ResultadoCalculo Calculo::CalcularCotizacion(const EntradaCalculo& entrada) {
    ent = entrada;
    LimpiarEstado();
    filaMortalidadActual = nullptr;
    lineasLimpias = false;
    // Inside the run nothing else writes the snapshot or the line products: the numbers read
    // from them stay valid until it ends.
    struct Corrida {
        Calculo& c;
        explicit Corrida(Calculo& calc) : c(calc) { Fijar(true); }
        ~Corrida() { Fijar(false); }
        void Fijar(bool dentro) {
            c.enCorrida = dentro;
            c.ventanaLeida = c.pagoLeido = false;
            c.productoLeido.fill(false);
            c.cargada.fill({});
            c.productoCatalogo.fill(nullptr);
            c.memoAnualidad.valida = c.memoNivelada.valida = c.memoRecursion.valida = false;
            c.abreviada = c.fondoEnCorrida = c.anualesFila = c.anosCompletos = false;
            c.lineaLeida = 0;
            c.tramosLeidos = nullptr;
            c.tarifaEnCurso = false;
        }
    } corrida(*this);
    try {
        LeerOpcionesGerenciales();
        CopiarEntradas();
        CopiarLineas();
        AgruparProductos();
        return EjecutarCalculo();
    } catch (const ErrorCalculo& ex) {
        throw ErrorCalculo(Abandonar(ex.what()));
    } catch (const datos::ErrorCatalogo& ex) {
        throw ErrorCalculo(Abandonar(std::string("Error en el catálogo de productos: ") + ex.what()));
    } catch (const ErrorDesbordamiento& ex) {
        throw ErrorCalculo(Abandonar(std::string("Un valor de la cotización está fuera de rango: ") + ex.what()));
    }
}

std::string Calculo::Abandonar(std::string mensaje) {
    // Which age of a tariff could not be priced is what the person needs to know.
    if (tarifaEnCurso) mensaje = "Edad " + std::to_string(est.Edad) + " de la tarifa: " + mensaje;
    tarifaEnCurso = false;
    LimpiarEstado();
    return mensaje;
}

// A clear state, built in place rather than assigned from a temporary.
void Calculo::LimpiarEstado() {
    std::destroy_at(&est);
    std::construct_at(&est);
}

void Calculo::CopiarEntradas() {
    auto importe = [](const std::string& texto, const char* que) {
        return Moneda(ValorNumerico(Recortar(Reemplazar(texto, ",", "", 1))), que);
    };
    est.Edad = Entero(ValorNumerico(ent.txtEdad), "la edad");
    est.ExtraprimaOcupacional = Simple(ValorNumerico(ent.txtExtraprimaOcupacional));
    est.FactorExtraprimaMedica = Simple(ValorNumerico(ent.txtExtraPrimaMedica) / 100);
    if (est.FactorExtraprimaMedica == 0) est.FactorExtraprimaMedica = 1;
    est.SinRiesgoSelecto = ent.chkRiesgoSelecto ? 0 : 1;
    est.Fuma = ent.comFuma == "No" ? "No" : "Si";
    est.Sexo = ent.comSexo == "Femenino" ? "Femenino" : "Masculino";
    est.FormaPago = ent.comFormaPago;
    est.SumaAseguradaGlobal = importe(ent.txtSumaAseguradaGlobal, "la suma asegurada");
    est.PrimaTotal = importe(ent.txtPrimaTotal, "la prima global");
    est.AportTasaIncremento = Simple(ent.AportTasaIncrementoPct / 100.0);
    est.TasaFondo = Simple(ValorNumerico(ent.txtTasaInteres) / 100);
    est.TipoIncremento = ent.comTipoIncremento.substr(0, 1);
    est.NumAportaciones = ent.AportNumPagos;
    est.MontoAportacion = Moneda(ent.AportMonto, "la aportación");
    est.FondoFinal = Moneda(ent.AportFondoFinal, "el fondo final");
    est.EdadInicial = Entero(ValorNumerico(ent.txtEdadInicial), "la edad inicial");
    est.EdadFinal = Entero(ValorNumerico(ent.txtEdadFinal), "la edad final");
    est.ModoCalculo = ent.optDetalle ? "D" : "R";
    est.EdadContratante = ent.EdadContratante;
    est.EdadPadreTutor = ent.EdadPadreTutor;
}

void Calculo::CopiarLineas() {
    const int n = ent.NumLineasCotizacion();
    if (n > 10)
        throw ErrorCalculo("La cotización tiene " + std::to_string(n) + " líneas; se pueden calcular hasta 10.");
    est.NumLineas = static_cast<int16_t>(n);
    for (int k = 1; k <= n; ++k) {
        const LineaCotizacion& l = ent.lineas[k];
        est.ProductoLinea[k] = l.Producto;
        est.IncrementoLinea[k] = Simple(l.Incremento / 100.0);
        est.PlazoSeguroLinea[k] = l.PlazoSeguro;
        est.PlazoPagoLinea[k] = l.PlazoPago;
        est.SumaAseguradaLinea[k] = l.SumaAsegurada;
        est.ParticipacionLinea[k] = Simple(l.Participacion / 100.0);
        est.DotalLinea[k] = k == 1 ? l.Dotal : l.Dotal2;
        est.EdadAlcanzadaLinea[k] = k == 1 ? l.EdadAlcanzada : l.EdadAlcanzada2;
        est.VitalicioLinea[k] = k == 1 ? l.Ordinario : l.Ordinario2;
        // The rider slots the yearly values read (1..8), once a run.
        lineaSinBeneficios[k] = true;
        lineaConVidaA60[k] = false;
        for (int slot = 1; slot <= 8; ++slot) {
            const std::string& b = l.Beneficio[slot];
            if (b.empty()) continue;
            lineaSinBeneficios[k] = false;
            if (std::fabs(ValorNumerico(b) - 6) <= 0.5) lineaConVidaA60[k] = true;
        }
    }
}

ResultadoCalculo Calculo::EjecutarCalculo() {
    ResultadoCalculo r;
    est.ModoSumaDesdePrima = 0;
    if (est.ModoCalculo == "D") {
        CalcularLineas();
        EtiquetarPlanes();
        CalcularProrrogado();
        CalcularSaldado();
        return r;
    }
    if (ent.chkcalc) {
        r.hojaTarifa = true;
    } else if (ValorNumerico(ent.txtEdadFinal) < ValorNumerico(ent.txtEdadInicial)) {
        r.mensaje = MensajeMotor{"La Edad Final no puede ser menor a la Edad Inicial", "Validación"};
        return r;
    }
    // The loop variable is the engine's age; after the loop it stands one past the last age.
    int edad = est.EdadInicial;
    tarifaEnCurso = true;
    if (est.EdadFinal >= est.EdadInicial) r.filasTarifa.reserve(static_cast<size_t>(est.EdadFinal - est.EdadInicial + 1));
    for (; edad <= est.EdadFinal; ++edad) {
        est.Edad = static_cast<int16_t>(edad);
        // Every age but the last only has its row to give: it leaves out what no row reads. The
        // last one runs as a quote of that age, so the state after the tariff is that quote's.
        // Whoever watches the lines sees every age in full.
        abreviada = edad < est.EdadFinal && !AlCalcularLinea;
        CalcularLineas();
        r.filasTarifa.push_back(FilaDeTarifa());
    }
    abreviada = false;
    tarifaEnCurso = false;
    est.Edad = static_cast<int16_t>(std::min(edad, 32767));
    EtiquetarPlanes();
    return r;
}

FilaTarifa Calculo::FilaDeTarifa() {
    FilaTarifa f;
    f.Edad = est.Edad;
    f.PrimerRecibo = est.PrimerRecibo;
    f.ReciboSubsecuente = est.ReciboSubsecuente;
    f.ProteccionTotal1 = est.ProteccionTotal[1];
    for (int i = 0; i < 4; ++i) f.rescate[i] = est.ValorRescate[kAnosFila[i]].ComoDouble();
    // The return-of-premium plan shows the premiums it returns at the end of its term.
    if (ProductoVentanaEs(16)) {
        const double t = ValorNumerico(ent.dbcPlazo);
        const double devolucion = est.PrimaBasicaAno[1];
        for (int i = 0; i < 4; ++i) {
            const int anos = 5 * (i + 1);
            if (t == anos) {
                f.rescate[i] = anos * devolucion;
                for (int j = i + 1; j < 4; ++j) f.rescate[j] = 0;
            }
        }
    }
    return f;
}

std::array<std::string, 8> ColumnasTarifa(const FilaTarifa& f) {
    std::array<std::string, 8> c;
    c[0] = Formatear(static_cast<double>(f.Edad), kFEdad);
    c[1] = Formatear(static_cast<double>(f.PrimerRecibo), kFTabla);
    c[2] = Formatear(static_cast<double>(f.ReciboSubsecuente), kFTabla);
    c[3] = Formatear(f.ProteccionTotal1, kFTabla);
    for (int i = 0; i < 4; ++i) c[4 + i] = Formatear(f.rescate[i], kFTabla);
    return c;
}

void Calculo::CalcularLineas() {
    if ((est.SumaAseguradaGlobal == Currency() && est.PrimaTotal > Currency()) || est.ModoSumaDesdePrima == 1)
        ResolverSumaDesdePrima();
    // Contributions bring the fund into the run; dividends do so once a line computes them.
    if (est.NumAportaciones > 0) fondoEnCorrida = true;
    LimpiarResultados();
    AgruparProductos();
    for (est.LineaActual = 1; est.LineaActual <= est.NumLineas; ++est.LineaActual) {
        est.LineaCalculada = est.LineaActual;
        LeerParametrosProducto();
        CalcularDescuentoVolumen();
        CalcularPrimaLinea();
        CalcularValoresGarantizados();
        CalcularValoresAnuales();
        if (AlCalcularLinea) AlCalcularLinea(est);
    }
    // Without contributions or dividends every year of the fund is 0 (no row shows it); a rate
    // that is not a number still stops the calculation as the fund's conversion does.
    if (!abreviada || fondoEnCorrida || !std::isfinite(est.TasaFondo)) AcumularFondo();
}

void Calculo::LimpiarResultados() {
    est.MaxAnosIlustrar = 0;
    derechoIncluido = 0;
    aportacionIncluida = false;
    if (abreviada && !fondoEnCorrida && lineasLimpias) {
        // An age that only gives its row: the cells its lines add to and the row reads. The
        // rest keeps what an earlier age left; the last age clears it all.
        est.PrimaAnualizada[1] = 0;
        est.ProteccionTotal[1] = 0;
        est.AportacionMostrada[1] = 0;
        // Lines that ran their years in full added to every year: money must not pile up.
        if (anosCompletos)
            std::fill(est.ValorRescate.begin() + 1, est.ValorRescate.begin() + 100, Currency());
        else
            for (int k : kAnosFila) est.ValorRescate[k] = Currency();
        anosCompletos = false;
        return;
    }
    auto anos = [](auto& a) { std::fill(a.begin() + 1, a.begin() + 100, typename std::decay_t<decltype(a)>::value_type{}); };
    anos(est.PrimaBasicaAno);
    anos(est.PrimaAnualizada);
    anos(est.PrimaBeneficiosAno);
    anos(est.ProteccionTotal);
    anos(est.DividendosAcumulados);
    anos(est.ValorRescate);
    anos(est.FondoAcumulado);
    anos(est.AportacionAno);
    anos(est.AportacionMostrada);
    anosCompletos = false;
    // Lines beyond the quote's are never written in a run: once cleared they stay clear.
    const int hasta = lineasLimpias ? est.NumLineas : 10;
    lineasLimpias = true;
    for (int l = 1; l <= hasta; ++l) {
        est.SumaAseguradaMostrada[l] = 0;
        est.IncrementoMostrado[l] = 0;
        est.PrimaLineaMostrada[l] = 0;
        est.PrimaLineaPrimerAno[l] = 0;
        est.PrimaAcumuladaLineas[l] = Currency();
        est.PrimaAcumuladaSinGastos[l] = Currency();
        est.PrimaBeneficiosLinea[l] = Currency();
        est.TipoPlanLinea[l] = "  ";
        for (auto* t : {&est.TarifaBIT, &est.TarifaBPAI, &est.TarifaMA, &est.TarifaDI, &est.TarifaTI, &est.TarifaEG,
                        &est.TarifaBITF, &est.TarifaCAF})
            (*t)[l] = 0;
        for (int b = 1; b <= 10; ++b) {
            est.NombreBeneficio[b][l] = "  ";
            est.SumaBeneficio[b][l] = 0;
            est.IncrementoBeneficio[b][l] = 0;
            est.PlazoSeguroBeneficio[b][l] = 0;
            est.PlazoPagoBeneficio[b][l] = 0;
            est.PrimaBeneficioMostrada[b][l] = 0;
        }
    }
}

void Calculo::EtiquetarPlanes() {
    for (int k = 1; k <= est.NumLineas; ++k) {
        std::string& t = est.TipoPlanLinea[k];
        t = " Temporal";
        if (est.Moneda == "Dólares") {
            if (est.VitalicioLinea[k] == 1) t = " Vitalicio";
            if (est.DotalLinea[k] == 1) t = " Dotal";
        } else {
            if (est.DotalLinea[k] == 1) t = " Dotal";
            if (est.VitalicioLinea[k] == 1) t = " Vitalicio";
        }
    }
}

void Calculo::LeerProductoVentana() {
    if (ent.txtProducto != textoVentana) {
        textoVentana = ent.txtProducto;
        numeroVentana = ValorNumerico(textoVentana);
    }
    ventanaLeida = enCorrida;
}

double Calculo::NumeroProductoLinea(int k) {
    if (!productoLeido[k]) {
        if (est.ProductoLinea[k] != textoProductoLinea[k]) {
            textoProductoLinea[k] = est.ProductoLinea[k];
            numeroProductoLinea[k] = ValorNumerico(textoProductoLinea[k]);
        }
        productoLeido[k] = enCorrida;
    }
    return numeroProductoLinea[k];
}

double Calculo::PagoVentana() {
    if (!pagoLeido) {
        if (ent.dbcPago != textoPago) {
            textoPago = ent.dbcPago;
            numeroPago = ValorNumerico(textoPago);
        }
        pagoLeido = enCorrida;
    }
    return numeroPago;
}

const FilaPorEdad* Calculo::FilaMortalidad(const std::string& clave) {
    for (int i = 0; i < 2; ++i)
        if (fila[i] && claveFila[i] == clave) return fila[i];
    const FilaPorEdad* f = cat->Mortalidad(Valor(clave));
    claveFila[1] = claveFila[0];
    fila[1] = fila[0];
    claveFila[0] = clave;
    fila[0] = f;
    return f;
}

}  // namespace cv
