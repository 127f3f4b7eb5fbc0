#pragma once
// The two small modal dialogs: "Aportaciones" (additional contributions) and "Edad del Padre o
// Tutor" (age of the adult who contracts for a minor).
#include "app/controles.h"
#include "app/interaccion.h"
#include "app/proceso.h"
#include "core/fechas.h"

namespace cv::app {

class FrmAportaciones {
public:
    FrmAportaciones(Interaccion& ui, EstadoProceso& proceso);

    CuadroTexto txtNoPagos, txtmontoAportacion, txtFondoFinal, txtTasaIncremento;
    Etiqueta lblTasaIncremento, lblTipoIncremento;
    Lista comTipoIncremento;
    Boton butAceptar, butCancelar;
    bool abierto = false;  // shown modally

    void txtNoPagos_LostFocus();
    void txtmontoAportacion_LostFocus();
    void txtFondoFinal_LostFocus();
    void txtTasaIncremento_Change();
    void txtTasaIncremento_LostFocus();
    // Closes the dialog and puts its fields back to their start texts; true when contributions
    // were accepted ("N&o" to be offered on the main window), false when all three are "0",
    // nothing when neither (the main window's buttons stay as they are).
    enum class Resultado { ConAportaciones, SinAportaciones, SinCambio };
    Resultado butAceptar_Click();
    void butCancelar_Click();  // hides it; fields keep their texts
    void Reiniciar();          // start texts

private:
    void Monto(CuadroTexto& campo, void (*guardar)(EstadoProceso&, double));
    Interaccion& ui_;
    EstadoProceso& proceso_;
};

class FrmEdad {
public:
    FrmEdad(Interaccion& ui, EstadoProceso& proceso);

    CuadroTexto txtFechaNacimiento, txtEdad;
    Boton cmdregresa;  // "Listo"
    std::string foco;
    bool abierto = true;

    void txtEdad_Change();
    void txtEdad_LostFocus();
    void txtFechaNacimiento_LostFocus(const Fecha& hoy);
    void cmdregresa_Click();
    void FijarEdad(const std::string& texto);  // a typed or computed change of the age

private:
    Interaccion& ui_;
    EstadoProceso& proceso_;
};

}  // namespace cv::app
