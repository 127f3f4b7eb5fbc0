#include "app/dialogos.h"

#include <cmath>

#include "core/errores.h"
#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv::app {

namespace {

// A typed number too large for any field counts as none.
double Numero(const std::string& t) { return ValorNumericoSeguro(t, 0); }

}  // namespace

FrmAportaciones::FrmAportaciones(Interaccion& ui, EstadoProceso& proceso) : ui_(ui), proceso_(proceso) {
    butAceptar.titulo = "Aceptar";
    butCancelar.titulo = "Cancelar";
    lblTasaIncremento.texto = "Tasa de Incremento";
    lblTipoIncremento.texto = "Tipo de Incremento";
    // The increment rate and type stay hidden: nothing reads them into the calculation.
    txtTasaIncremento.visible = lblTasaIncremento.visible = false;
    comTipoIncremento.visible = lblTipoIncremento.visible = false;
    Reiniciar();
}

void FrmAportaciones::Reiniciar() {
    txtNoPagos.texto = "0";
    txtmontoAportacion.texto = "0";
    txtFondoFinal.texto = "0";
    txtTasaIncremento.texto = "0";
    comTipoIncremento.Limpiar();
    comTipoIncremento.texto.clear();
}

void FrmAportaciones::Monto(CuadroTexto& campo, void (*guardar)(EstadoProceso&, double)) {
    if (campo.texto.empty()) {
        ui_.MostrarMensaje(Simple("El Valor no puede quedar en blanco"));
        campo.texto = "0";
        return;
    }
    const double v = Numero(campo.texto);
    if (v != 0) guardar(proceso_, v);
}

void FrmAportaciones::txtNoPagos_LostFocus() {
    Monto(txtNoPagos, [](EstadoProceso& p, double v) {
        try {
            p.AportNumPagos = AEntero(v);
        } catch (const ErrorDesbordamiento&) {
            p.AportNumPagos = 0;  // a count beyond any plan buys no contributions
        }
    });
}

void FrmAportaciones::txtmontoAportacion_LostFocus() {
    Monto(txtmontoAportacion, [](EstadoProceso& p, double v) { p.AportMonto = v; });
}

void FrmAportaciones::txtFondoFinal_LostFocus() {
    Monto(txtFondoFinal, [](EstadoProceso& p, double v) { p.AportFondoFinal = v; });
}

void FrmAportaciones::txtTasaIncremento_Change() {
    proceso_.AportTasaIncremento = static_cast<float>(Numero(txtTasaIncremento.texto));
}

void FrmAportaciones::txtTasaIncremento_LostFocus() {
    if (EsNumerico(txtTasaIncremento.texto)) {
        try {
            txtTasaIncremento.texto = Formatear(Numero(Reemplazar(txtTasaIncremento.texto, ",", "")), kF2);
        } catch (const std::exception&) {
        }
    }
}

FrmAportaciones::Resultado FrmAportaciones::butAceptar_Click() {
    // What the dialog shows when accepted is what the calculation uses: a 0 typed is a 0, and a
    // count that is not a number is none.
    const double pagos = EsNumerico(txtNoPagos.texto) ? Numero(txtNoPagos.texto) : 0;
    const double monto = Numero(txtmontoAportacion.texto);
    const double fondo = Numero(txtFondoFinal.texto);
    try {
        proceso_.AportNumPagos = AEntero(pagos);
    } catch (const ErrorDesbordamiento&) {
        proceso_.AportNumPagos = 0;
    }
    proceso_.AportMonto = monto;
    proceso_.AportFondoFinal = fondo;
    Resultado r = Resultado::SinCambio;
    if (proceso_.AportNumPagos != 0)
        r = Resultado::ConAportaciones;
    else if (txtmontoAportacion.texto == "0" && txtFondoFinal.texto == "0")
        r = Resultado::SinAportaciones;
    abierto = false;
    Reiniciar();
    return r;
}

void FrmAportaciones::butCancelar_Click() { abierto = false; }

FrmEdad::FrmEdad(Interaccion& ui, EstadoProceso& proceso) : ui_(ui), proceso_(proceso) {
    cmdregresa.titulo = "Listo";
    cmdregresa.habilitado = false;
}

void FrmEdad::FijarEdad(const std::string& texto) {
    // Setting a box to the text it holds is no change: its change rules do not run.
    if (txtEdad.texto == texto) return;
    txtEdad.texto = texto;
    txtEdad_Change();
}

void FrmEdad::txtEdad_Change() {
    const double edad = Numero(txtEdad.texto);
    proceso_.EdadContratante = Currency::DesdeDouble(std::fabs(edad) < 1e6 ? edad : 0);
    if (edad >= 18 && edad < 32767.5) {
        proceso_.EdadPadreTutor = AEntero(edad);
        cmdregresa.habilitado = true;
        foco = "cmdregresa";
    }
}

void FrmEdad::txtEdad_LostFocus() {
    const double edad = Numero(txtEdad.texto);
    proceso_.EdadContratante = Currency::DesdeDouble(std::fabs(edad) < 1e6 ? edad : 0);
    if (edad < 18) {
        cmdregresa.habilitado = false;
    } else {
        cmdregresa.habilitado = true;
        foco = "cmdregresa";
    }
}

void FrmEdad::txtFechaNacimiento_LostFocus(const Fecha& hoy) {
    auto fecha = LeerFecha(txtFechaNacimiento.texto);
    if (!fecha) {
        ui_.MostrarMensaje(Simple("Introduzca una fecha valida"));
        txtFechaNacimiento.texto.clear();
        cmdregresa.habilitado = false;
        return;
    }
    if (*fecha > hoy) {
        ui_.MostrarMensaje(Simple("fecha invalida verifique"));
        txtFechaNacimiento.texto.clear();
        return;
    }
    FijarEdad(std::to_string(EdadCumplida(*fecha, hoy)));
    if (proceso_.EdadContratante >= Currency::DesdeEntero(18)) {
        cmdregresa.habilitado = true;
        foco = "cmdregresa";
    }
}

void FrmEdad::cmdregresa_Click() { abierto = false; }

}  // namespace cv::app
