// The editing workflow: which commands are offered after each step, the lines grid, and what
// "&Cancelar" and "&Nueva" keep and clear.
#include <gtest/gtest.h>

#include "apoyo.h"
#include "quote/flujo.h"

namespace prueba_app {
namespace {

using cv::cotizacion::FlujoLineas;

struct Estados {
    bool calcularVisible, cancelarVisible, aceptarVisible, agregarVisible, rejillaVisible;
};

Estados Leer(const FrmCotizador& w) {
    return {w.butCalcular.visible, w.butCancelar.visible, w.butAceptar.visible, w.butAgregar.visible,
            w.dbgProductosPaquete.visible};
}

void Esperar(const FrmCotizador& w, Estados e) {
    const Estados r = Leer(w);
    EXPECT_EQ(r.calcularVisible, e.calcularVisible) << "Ca&lcular";
    EXPECT_EQ(r.cancelarVisible, e.cancelarVisible) << "&Cancelar";
    EXPECT_EQ(r.aceptarVisible, e.aceptarVisible) << "&Aceptar";
    EXPECT_EQ(r.agregarVisible, e.agregarVisible) << "Ag&regar";
    EXPECT_EQ(r.rejillaVisible, e.rejillaVisible) << "rejilla";
}

struct Flujo : Sesion {
    FlujoLineas f{w};
    Flujo() {
        Nombre("ANA LOPEZ");
        Edad("40");
        w.txtNumAge.texto = "7";
        w.FijarSumaAsegurada("1,000,000.00");
    }
    void Linea(const std::string& codigo, const std::string& pago, const std::string& participacion) {
        Producto(codigo);
        Pago(pago);
        w.txtParticipacion.texto = participacion;
        SalirParticipacion();
    }
};

TEST(Flujo, VariasLineasConAceptarYAgregar) {
    Flujo s;
    Esperar(s.w, {true, true, false, false, false});  // window start
    EXPECT_EQ(s.w.ModoEdicion, 1);

    s.Linea("1", "20", "100");
    Esperar(s.w, {true, true, false, false, false});  // share left at 100
    s.f.butAceptar_Click();                            // a whole share: nothing happens
    EXPECT_EQ(s.f.tabla.NumLineasCotizacion, 0);

    s.w.txtParticipacion.texto = "60";
    s.SalirParticipacion();
    Esperar(s.w, {false, false, true, false, true});  // share left not 100
    s.f.butAceptar_Click();
    Esperar(s.w, {true, true, false, true, true});
    EXPECT_TRUE(s.w.butGenerar.habilitado);
    EXPECT_TRUE(s.w.butBorrar.habilitado);
    EXPECT_EQ(s.w.ModoEdicion, 0);
    ASSERT_EQ(s.f.tabla.NumLineasCotizacion, 1);
    EXPECT_EQ(s.w.dbgProductosPaquete.filas, 2);
    EXPECT_EQ(s.w.dbgProductosPaquete.Celda(1, 0), s.NombreProducto("1"));
    EXPECT_EQ(s.w.dbgProductosPaquete.Celda(1, 1), "60");
    EXPECT_EQ(s.w.dbgProductosPaquete.Celda(1, 2), "20");
    EXPECT_EQ(s.w.dbgProductosPaquete.Celda(1, 3), "20");

    s.f.butAgregar_Click();
    Esperar(s.w, {true, true, true, false, true});
    EXPECT_FALSE(s.w.butGenerar.habilitado);
    EXPECT_FALSE(s.w.dbgProductosPaquete.habilitado);
    EXPECT_EQ(s.w.ModoEdicion, 1);

    s.Linea("15", "20", "40");
    s.f.butAceptar_Click();
    ASSERT_EQ(s.f.tabla.NumLineasCotizacion, 2);
    EXPECT_EQ(s.f.tabla.NombresLinea[2], s.NombreProducto("15"));  // its own name at its own row
    EXPECT_EQ(s.f.tabla.LineasCotizacion[2].Dotal2, 1);           // lines after the first: second flag set
    EXPECT_EQ(s.w.dbgProductosPaquete.Celda(2, 1), "40");

    // Selecting the header loads nothing; a line row loads the line back.
    s.f.dbgProductosPaquete_RowColChange(0, true);
    EXPECT_EQ(s.f.tabla.LineaSeleccionada, 0);
    s.f.dbgProductosPaquete_RowColChange(1, true);
    EXPECT_EQ(s.w.txtProducto.texto, "1");
    EXPECT_EQ(s.w.txtParticipacion.texto, "60");
}

TEST(Flujo, OnceLineasNoCaben) {
    Flujo s;
    for (int k = 1; k <= 10; ++k) {
        if (k > 1) s.f.butAgregar_Click();
        s.Linea("1", "20", "10");
        s.f.butAceptar_Click();
    }
    ASSERT_EQ(s.f.tabla.NumLineasCotizacion, 10);
    s.guion.mensajes.clear();
    s.f.butAgregar_Click();
    s.Linea("1", "20", "10");
    s.f.butAceptar_Click();
    EXPECT_EQ(s.f.tabla.NumLineasCotizacion, 10);
    EXPECT_EQ(s.guion.mensajes, Mensajes{Validacion("La cotización admite como máximo 10 planes")});
}

TEST(Flujo, CancelarConservaAlProspectoYNuevaLoBorra) {
    Flujo s;
    s.Linea("1", "20", "60");
    s.f.butAceptar_Click();
    s.w.txtprimaneta.texto = "5,000.00 ";
    s.w.Proceso().EdadPadreTutor = 40;
    s.f.butCancelar_Click();
    Esperar(s.w, {true, true, false, false, false});
    EXPECT_EQ(s.w.txtNombre.texto, "ANA LOPEZ");
    EXPECT_EQ(s.w.txtEdad.texto, "40");
    EXPECT_EQ(s.f.tabla.NumLineasCotizacion, 0);
    EXPECT_EQ(s.f.tabla.NombresLinea[1], "");
    EXPECT_EQ(s.w.txtprimaneta.texto, "");
    EXPECT_EQ(s.w.Proceso().EdadPadreTutor, 0);
    EXPECT_EQ(s.w.ModoEdicion, 1);
    EXPECT_EQ(s.w.Aportaciones().txtNoPagos.texto, "");

    s.Linea("1", "20", "100");
    s.guion.mensajes.clear();
    s.f.butBorrar_Click();
    EXPECT_TRUE(s.guion.mensajes.empty());  // emptying the sum from "&Nueva" is no typing mistake
    Esperar(s.w, {true, true, false, false, false});
    EXPECT_EQ(s.w.txtNombre.texto, "");
    EXPECT_EQ(s.w.txtEdad.texto, "");
    EXPECT_EQ(s.w.txtSumaAseguradaGlobal.texto, "");
    EXPECT_EQ(s.w.comFormaPago.texto, "Anual");
    EXPECT_EQ(s.w.txtTasaInteres.texto, "5.5");
    EXPECT_EQ(s.w.txtPagoFraccionado.texto, " ");
    EXPECT_FALSE(s.w.butGenerar.habilitado);
    EXPECT_FALSE(s.w.butBorrar.habilitado);
    EXPECT_FALSE(s.w.dbcProducto.habilitado);
    EXPECT_EQ(s.w.foco, "txtNombre");
}

}  // namespace
}  // namespace prueba_app
