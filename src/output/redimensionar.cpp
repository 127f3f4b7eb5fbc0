#include "output/redimensionar.h"

namespace cv::salida {

namespace {

void Escalar(Rectangulo& r, double fx, double fy, bool conAlto) {
    r.izquierda *= fx;
    r.arriba *= fy;
    r.ancho *= fx;
    if (conAlto) r.alto *= fy;
}

}  // namespace

void Redimensionar(double fx, double fy, std::vector<ControlEscalable>& controles, Rectangulo* ventana) {
    const double a = (fx + fy) / 2;
    for (ControlEscalable& c : controles) {
        Escalar(c.r, fx, fy, !c.esCombo);
        c.tamanoFuente *= a;
    }
    if (ventana) Escalar(*ventana, fx, fy, true);
}

void AjusteProporcional::Cargar(double anchoPantalla, double altoPantalla, std::vector<ControlEscalable>& controles,
                                Rectangulo& ventana) {
    moverVentana = true;
    primerEventoVisto = false;
    Redimensionar(anchoPantalla / kAnchoDiseno, altoPantalla / kAltoDiseno, controles, &ventana);
    anchoRecordado = ventana.ancho;
    altoRecordado = ventana.alto;
}

bool AjusteProporcional::AlRedimensionar(double ancho, double alto, std::vector<ControlEscalable>& controles,
                                         Rectangulo& ventana) {
    if (!primerEventoVisto) {
        primerEventoVisto = true;
        return false;
    }
    moverVentana = false;
    // A window shrunk to nothing has no proportion to keep.
    if (anchoRecordado <= 0 || altoRecordado <= 0 || ancho <= 0 || alto <= 0) return false;
    Redimensionar(ancho / anchoRecordado, alto / altoRecordado, controles, moverVentana ? &ventana : nullptr);
    anchoRecordado = ancho;
    altoRecordado = alto;
    ventana.ancho = ancho;
    ventana.alto = alto;
    return true;
}

}  // namespace cv::salida
