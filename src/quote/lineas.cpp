#include "quote/lineas.h"

#include <cmath>

#include "app/dialogos.h"
#include "core/errores.h"
#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv::cotizacion {

using app::Casilla;
using app::CuadroTexto;
using app::FrmCotizador;
using app::Informacion;
using app::Simple;

namespace {

double Valor(const std::string& t) { return ValorNumericoSeguro(t, 1e300); }

int16_t Entero(const std::string& t) {
    try {
        return AEntero(Valor(t));
    } catch (const ErrorDesbordamiento&) {
        return Valor(t) < 0 ? INT16_MIN : INT16_MAX;
    }
}

bool EsProducto6(const FrmCotizador& w) { return Recortar(w.txtProducto.texto) == "6"; }

// The insurance and payment terms as the checks read them: the text boxes of the educational
// product, the combos of every other one.
std::string& TextoSeguro(FrmCotizador& w) { return EsProducto6(w) ? w.txtPlazo.texto : w.dbcPlazo.texto; }
std::string& TextoPago(FrmCotizador& w) { return EsProducto6(w) ? w.txtPago.texto : w.dbcPago.texto; }
app::Control& CampoSeguro(FrmCotizador& w) { return EsProducto6(w) ? static_cast<app::Control&>(w.txtPlazo) : w.dbcPlazo; }
app::Control& CampoPago(FrmCotizador& w) { return EsProducto6(w) ? static_cast<app::Control&>(w.txtPago) : w.dbcPago; }
const char* NombreSeguro(const FrmCotizador& w) { return EsProducto6(w) ? "txtPlazo" : "dbcPlazo"; }
const char* NombrePago(const FrmCotizador& w) { return EsProducto6(w) ? "txtPago" : "dbcPago"; }

app::Mensaje Validacion(std::string texto) { return Informacion(std::move(texto), "Validación"); }
app::Mensaje ValidacionSinAcento(std::string texto) { return Informacion(std::move(texto), "Validacion"); }

}  // namespace

void TablaLineas::Limpiar() {
    NumLineasCotizacion = 0;
    for (int k = 1; k <= 10; ++k) {
        LineaCotizacion& l = LineasCotizacion[static_cast<size_t>(k)];
        l.Producto.clear();
        l.PlazoSeguro = l.PlazoPago = l.AnosCrecimiento = 0;
        l.Incremento = l.Participacion = 0;
        l.SumaAsegurada = Currency();
        l.TipoPlan = "0";
        l.Dotal = l.EdadAlcanzada = l.Ordinario = 0;
        l.BIT = l.BITF = l.CAF = l.BPAI = l.MA = l.DI = l.TI = l.EG = 0;
        l.CantidadBeneficios = 0;
    }
}

const std::array<CajaBeneficio, 8>& CajasBeneficio() {
    static const std::array<CajaBeneficio, 8> c = {{
        {"BIT", &FrmCotizador::chkbit, &FrmCotizador::chkbit_Click, "1"},
        {"BPAI", &FrmCotizador::chkbpai, &FrmCotizador::chkbpai_Click, "2"},
        {"MA", &FrmCotizador::chkma, &FrmCotizador::chkma_Click, "3"},
        {"DI", &FrmCotizador::chkdi, &FrmCotizador::chkdi_Click, "4"},
        {"TI", &FrmCotizador::chkti, &FrmCotizador::chkti_Click, "5"},
        {"EG", &FrmCotizador::chkenfgr, &FrmCotizador::chkenfgr_Click, "7"},
        {"BITF", &FrmCotizador::Chkbitf, &FrmCotizador::Chkbitf_Click, "8"},
        {"CAF", &FrmCotizador::Chkcat, &FrmCotizador::Chkcat_Click, "9"},
    }};
    return c;
}

void LlenarBeneficios(FrmCotizador& w) {
    const auto& cajas = CajasBeneficio();
    for (size_t k = 0; k < cajas.size(); ++k)
        if ((w.*cajas[k].caja).marcada) {
            w.txtBeneficio[k].texto = cajas[k].id;
            w.txtBeneficioParticipacion[k].texto = "100";
        }
}

void GuardarLinea(FrmCotizador& w, TablaLineas& t, int posicion, JuegoBanderas juego, bool conTipoYBanderas) {
    LlenarBeneficios(w);
    LineaCotizacion& l = t.LineasCotizacion.at(static_cast<size_t>(posicion));
    l.Producto = w.txtProducto.texto;
    l.PlazoSeguro = Entero(EsProducto6(w) ? w.txtPlazo.texto : w.dbcPlazo.texto);
    l.PlazoPago = Entero(EsProducto6(w) ? w.txtPago.texto : w.dbcPago.texto);
    l.Incremento = static_cast<float>(Valor(w.comIncremento.texto));
    try {
        l.SumaAsegurada = Currency::DesdeDouble(Valor(w.txtSumaAsegurada.texto));
    } catch (const std::exception&) {
        l.SumaAsegurada = Currency();
    }
    l.AnosCrecimiento = Entero(w.txtAnosCrecimiento.texto);
    l.Participacion = static_cast<float>(Valor(w.txtParticipacion.texto));
    const uint8_t dotal = w.chkDotal.marcada, edad = w.chkEdad.marcada, ordinario = w.chkOrdinario.marcada;
    if (juego == JuegoBanderas::PrimeraLinea) {
        l.Dotal = dotal;
        l.EdadAlcanzada = edad;
        l.Ordinario = ordinario;
    } else {
        l.Dotal2 = dotal;
        l.EdadAlcanzada2 = edad;
        l.Ordinario2 = ordinario;
    }
    if (conTipoYBanderas) {
        l.TipoPlan = w.comPlan.texto;
        l.BIT = w.chkbit.marcada;
        l.BITF = w.Chkbitf.marcada;
        l.CAF = w.Chkcat.marcada;
        l.BPAI = w.chkbpai.marcada;
        l.MA = w.chkma.marcada;
        l.DI = w.chkdi.marcada;
        l.TI = w.chkti.marcada;
        l.EG = w.chkenfgr.marcada;
    }
    for (size_t k = 0; k < 8; ++k) {
        l.Beneficio[k + 1] = w.txtBeneficio[k].texto;
        l.ParticipacionBeneficio[k + 1] = static_cast<float>(Valor(w.txtBeneficioParticipacion[k].texto));
        if (!w.txtBeneficio[k].texto.empty()) l.CantidadBeneficios = static_cast<int16_t>(k + 1);
    }
}

bool ChequeoLinea(FrmCotizador& w) {
    auto ui = [&](const app::Mensaje& m) { w.Ui().MostrarMensaje(m); };
    if (w.txtProducto.texto.empty()) {
        ui(ValidacionSinAcento("El producto no puede quedar vacio"));
        w.foco = "txtNombre";
        return false;
    }
    auto fallaCampo = [&](app::Control& c, const char* nombre) {
        c.habilitado = true;
        w.foco = nombre;
        return false;
    };
    const std::string seguroTexto = TextoSeguro(w), pagoTexto = TextoPago(w);
    if (!EsNumerico(seguroTexto) || Valor(seguroTexto) <= 0) {
        ui(ValidacionSinAcento("El plazo de seguro no puede ser 0"));
        return fallaCampo(CampoSeguro(w), NombreSeguro(w));
    }
    if (!EsNumerico(pagoTexto) || Valor(pagoTexto) <= 0) {
        ui(ValidacionSinAcento("El plazo de pago no puede se 0"));
        return fallaCampo(CampoPago(w), NombrePago(w));
    }
    const double seguro = Valor(seguroTexto), pago = Valor(pagoTexto);
    if (seguro < pago) {
        ui(Validacion("El Plazo de Pago no puede ser mayor al Plazo de Seguro"));
        return fallaCampo(CampoPago(w), NombrePago(w));
    }
    if (!EsNumerico(w.comIncremento.texto)) w.comIncremento.texto = "0";
    if (!EsNumerico(w.txtParticipacion.texto)) w.txtParticipacion.texto = "0";
    if (!EsProducto6(w)) {
        const double participacion = Valor(w.txtParticipacion.texto);
        if (participacion <= 0) {
            ui(Simple(" La participacion debe ser mayor a " + TextoNumero(participacion) + "."));
            return false;
        }
    }
    if (!EsNumerico(w.txtSumaAsegurada.texto)) w.txtSumaAsegurada.texto = "0";
    if (!EsNumerico(w.txtAnosCrecimiento.texto)) w.txtAnosCrecimiento.texto = "0";
    for (auto& c : w.txtBeneficioParticipacion)
        if (!EsNumerico(c.texto)) c.texto = "0";
    if (seguro > 99) {
        ui(Validacion("El Plazo de Seguro no puede se mayor a 99"));
        return fallaCampo(CampoSeguro(w), NombreSeguro(w));
    }
    const double edad = Valor(w.txtEdad.texto);
    if (w.chkEdad.marcada && seguro < edad) {
        ui(Validacion("El Plazo de Seguro no puede se mayor que la edad del prospecto"));
        return fallaCampo(CampoSeguro(w), NombreSeguro(w));
    }
    if (!w.chkOrdinario.marcada && !w.chkEdad.marcada && edad + (EsProducto6(w) ? seguro : pago) > 99) {
        int16_t maximo;
        try {
            maximo = AEntero(100 - seguro - edad);
        } catch (const ErrorDesbordamiento&) {
            maximo = 0;
        }
        ui(Validacion("El Plazo de Seguro máximo posible es " + std::to_string(maximo)));
        return fallaCampo(CampoSeguro(w), NombreSeguro(w));
    }
    if (w.comPlan.texto == "Vitalicio") {
        if (EsProducto6(w))
            w.txtPlazo.texto = "99";
        else
            w.FijarPlazo("99");
    }
    if (EsProducto6(w)) {
        // The educational product reads the payment-term combo and refuses silently.
        const double combo = Valor(w.dbcPago.texto);
        if ((combo == 60 && edad >= 55) || (combo == 65 && edad >= 60)) return false;
    } else {
        if (pago == 60 && edad > 55) {
            ui(Validacion("Para Edad Alcanzada la Edad de la persona debe ser menor o igual a 55"));
            return false;
        }
        if (pago == 65 && edad > 60) {
            ui(Validacion("Para Edad Alcanzada la Edad de la persona debe ser menor o igual a 60"));
            return false;
        }
    }
    return true;
}

bool ChequeoEntrada(FrmCotizador& w, TablaLineas& t) {
    auto ui = [&](const app::Mensaje& m) { w.Ui().MostrarMensaje(m); };
    if (Valor(w.txtEdadFinal.texto) < Valor(w.txtEdadInicial.texto)) {
        ui(Validacion("La Edad Final no puede ser menor a la Edad Inicial"));
        w.foco = "txtEdadFinal";
        return false;
    }
    if (w.txtProducto.texto.empty()) {
        ui(Simple("Porfavor ingrese un producto"));
        return false;
    }
    if (w.txtEdad.texto.empty()) {
        ui(Simple("Ingrese la edad"));
        w.foco = "txtEdad";
        return false;
    }
    auto prepararBeneficios = [&] {
        w.dbgProductosCotizacion.Dimensionar(0, 0);
        for (auto* slots : {&w.txtBeneficio, &w.txtBeneficioParticipacion})
            for (auto& c : *slots) c.texto.clear();
        LlenarBeneficios(w);
        app::FrmAportaciones& a = w.Aportaciones();
        a.txtmontoAportacion.texto.clear();
        a.txtFondoFinal.texto.clear();
        a.txtNoPagos.texto.clear();
    };
    const double edad = Valor(w.txtEdad.texto);
    if ((w.Chkbitf.marcada && edad < 18 && EsProducto6(w)) || w.Chkcat.marcada) {
        if (w.Proceso().EdadPadreTutor == 0) {
            ui(Simple("introduzca la edad del tutor"));
            app::FrmEdad dialogo(w.Ui(), w.Proceso());
            w.Ui().MostrarEdadPadreTutor(dialogo);
        } else {
            w.foco = "txtNombre";
            w.txtEdad.habilitado = true;
            prepararBeneficios();
        }
    }
    prepararBeneficios();
    if (Recortar(w.dbcProducto.texto).empty()) {
        ui(Simple("No ha Seleccionado ningun Plan"));
        return false;
    }
    const bool sinPlazo = (!w.dbcPlazo.visible && w.txtPlazo.texto.empty()) ||
                          (!w.txtPlazo.visible && Recortar(w.dbcPlazo.texto).empty());
    if (sinPlazo) {
        ui(Simple("No ha Seleccionado ningun Plazo"));
    } else {
        w.chkcalc.marcada = false;
        if (Recortar(w.txtProducto.texto) == "11" && edad < 15) {
            ui(Simple("La edad minima es de 15 años"));
            return false;
        }
        // Each line keeps its own display name at its own position.
        const int posicion = w.ModoEdicion == 1 ? t.NumLineasCotizacion + 1 : std::max<int>(t.LineaSeleccionada, 1);
        if (posicion >= 1 && posicion < static_cast<int>(t.NombresLinea.size()))
            t.NombresLinea[static_cast<size_t>(posicion)] = w.dbcProducto.texto;
    }
    if (EsProducto6(w)) {
        w.comPlan.MostrarTexto("Dotal");
        w.chkDotal.marcada = true;
    } else {
        w.ClasificarPlan();
    }
    return ChequeoLinea(w);
}

bool ChequeoCotizacion(FrmCotizador& w, TablaLineas& t) {
    auto ui = [&](const app::Mensaje& m) { w.Ui().MostrarMensaje(m); };
    if (w.txtNombre.texto.empty()) {
        ui(Validacion("Se requiere el nombre del Prospecto"));
        return false;
    }
    if (w.txtEdad.texto.empty()) {
        ui(Validacion("Se requiere la edad del Prospecto"));
        w.foco = "txtEdad";
        return false;
    }
    if (!EsNumerico(w.txtEdad.texto) || Valor(w.txtEdad.texto) <= 0) w.FijarEdad("0");
    auto falla = [&](const char* texto, const char* foco) {
        ui(Validacion(texto));
        w.foco = foco;
        return false;
    };
    if (!EsNumerico(w.txtExtraprimaOcupacional.texto))
        return falla("La Extraprima Ocupacional requiere valor numérico", "txtExtraprimaOcupacional");
    if (!EsNumerico(w.txtExtraPrimaMedica.texto))
        return falla("La Extraprima Médica requiere valor numérico", "txtExtraPrimaMedica");
    if (w.comFormaPago.texto.empty()) return falla("No se ha seleccionado la Forma de Pago", "comFormaPago");
    if (!EsNumerico(w.txtTasaInteres.texto) || Valor(w.txtTasaInteres.texto) <= 0)
        return falla("El interés del fondo debe tener valor numérico", "txtTasaInteres");
    const double suma = Valor(Reemplazar(w.txtSumaAseguradaGlobal.texto, ",", ""));
    const double prima = Valor(Reemplazar(w.txtPrimaTotal.texto, ",", ""));
    if (!(suma > 0) && !(prima > 0))
        return falla("Se requiere la Suma Asegurada Global o la Prima Global",
                     w.txtSumaAseguradaGlobal.habilitado ? "txtSumaAseguradaGlobal" : "txtPrimaTotal");
    if (w.Proceso().AportTasaIncremento < 0) w.Aportaciones().txtTasaIncremento.texto = "0";
    if (!EsNumerico(w.txtEdadInicial.texto) || Valor(w.txtEdadInicial.texto) <= 0) w.txtEdadInicial.texto = "15";
    if (!EsNumerico(w.txtEdadFinal.texto) || Valor(w.txtEdadFinal.texto) <= 0) w.txtEdadFinal.texto = "70";
    const double edad = Valor(w.txtEdad.texto);
    double participaciones = 0;
    for (int k = 1; k <= t.NumLineasCotizacion; ++k) {
        const LineaCotizacion& l = t.LineasCotizacion[static_cast<size_t>(k)];
        if (edad > l.PlazoSeguro && l.EdadAlcanzada == 1) {
            ui(Validacion("El Plazo de Seguro del plan " + std::to_string(k) + " no puede se menor que la edad del prospecto"));
            return false;
        }
        participaciones = RedondearPar(participaciones + l.Participacion);
    }
    if (participaciones != 100) {
        // The lines stay: "&Cancelar" is the way to start over.
        ui(Validacion("La composición del paquete es diferente del 100%"));
        return false;
    }
    if (w.txtNumAge.texto.empty()) return falla("Falta el Agente", "txtNumAge");
    return true;
}

}  // namespace cv::cotizacion
