#pragma once
// Proportional resize: a window designed at one size fitted to another by scaling every
// control's position and size, and its font by the mean of the two factors. Pure geometry,
// so any window can use it and it is tested without a display.
#include <vector>

namespace cv::salida {

struct Rectangulo {
    double izquierda = 0, arriba = 0, ancho = 0, alto = 0;
    bool operator==(const Rectangulo&) const = default;
};

struct ControlEscalable {
    Rectangulo r;
    double tamanoFuente = 0;  // points; 0 for a control without a font of its own
    bool esCombo = false;     // a combo box keeps its height: it is sized by its font
};

// Scales the controls, in their order, by fx across and fy down, and their fonts by the mean of
// the two; the window too when `ventana` is given.
void Redimensionar(double fx, double fy, std::vector<ControlEscalable>& controles, Rectangulo* ventana);

// The resize state of a window designed at 800 x 600 pixels: at load it is fitted to the
// screen; the first resize event after that is the window's own and is let through; every
// later one scales the controls by how much the window changed, leaving the window where the
// user put it.
class AjusteProporcional {
public:
    static constexpr double kAnchoDiseno = 800, kAltoDiseno = 600;

    void Cargar(double anchoPantalla, double altoPantalla, std::vector<ControlEscalable>& controles,
                Rectangulo& ventana);
    // True when the controls were scaled.
    bool AlRedimensionar(double ancho, double alto, std::vector<ControlEscalable>& controles, Rectangulo& ventana);

    bool moverVentana = false;
    bool primerEventoVisto = false;
    double anchoRecordado = 0, altoRecordado = 0;
};

}  // namespace cv::salida
