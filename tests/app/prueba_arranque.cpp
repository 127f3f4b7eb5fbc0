// Start-up of the main window: the database found or not, the start state of every control,
// the fixed lists and texts, the date and the lines-grid header.
#include <optional>

#include "apoyo.h"

namespace prueba_app {
namespace {

const std::string kFaltaBase =
    "Asegurese que el Archivo 031208.SVI, se encuentre en el mismo lugar que la aplicación.";

struct Arranque {
    const char* nombre;
    const char* archivo;  // name of the copied database, none for an empty folder
    bool vinculada;
    std::string tasaInteres;
    Mensajes mensajes;
};

const std::vector<Arranque> kArranques = {
    {"con la base", "031208.svi", true, "5.5", {}},
    {"carpeta vacía", nullptr, false, "18", {Simple(kFaltaBase)}},
    {"nombre en mayúsculas", "031208.SVI", false, "18", {Simple(kFaltaBase)}},
};

TEST(Arranque, BaseDeDatosYTasaDeInteres) {
    for (const auto& a : kArranques) {
        SCOPED_TRACE(a.nombre);
        Sesion s(a.archivo);
        EXPECT_EQ(s.guion.mensajes, a.mensajes);
        EXPECT_EQ(s.w.Catalogo().has_value(), a.vinculada);
        EXPECT_EQ(s.w.txtTasaInteres.texto, a.tasaInteres);
        EXPECT_EQ(s.w.RutaBaseDatos, s.carpeta.Ruta() / "031208.svi");
        EXPECT_EQ(s.w.RutaManual, s.carpeta.Ruta() / "MANUAL DE USUARIO.pps");
    }
}

struct EstadoControl {
    const char* nombre;
    const Control& control;
    std::optional<bool> habilitado, visible;
};

std::vector<EstadoControl> EstadoInicial(const FrmCotizador& w) {
    const bool si = true, no = false;
    const std::optional<bool> igual;
    return {
        {"txtProducto", w.txtProducto, no, igual},
        {"dbcProducto", w.dbcProducto, no, si},
        {"dbcPago", w.dbcPago, no, si},
        {"dbcPlazo", w.dbcPlazo, no, si},
        {"comPlan", w.comPlan, no, no},
        {"txtParticipacion", w.txtParticipacion, no, igual},
        {"comIncremento", w.comIncremento, no, igual},
        {"lblIncremento", w.lblIncremento, no, igual},
        {"List1", w.List1, no, igual},
        {"txtedad_menor", w.txtedad_menor, no, igual},
        {"txtPago", w.txtPago, igual, no},
        {"txtPlazo", w.txtPlazo, igual, no},
        {"dbgProductosPaquete", w.dbgProductosPaquete, igual, no},
        {"lblBeneficiosAdicionales", w.lblBeneficiosAdicionales, igual, no},
        {"chkbit", w.chkbit, no, igual},
        {"chkbpai", w.chkbpai, no, igual},
        {"chkma", w.chkma, no, igual},
        {"chkdi", w.chkdi, no, igual},
        {"chkti", w.chkti, no, igual},
        {"chkenfgr", w.chkenfgr, no, igual},
        {"Chkbitf", w.Chkbitf, no, igual},
        {"Chkcat", w.Chkcat, no, igual},
        {"lblbit", w.lblbit, no, igual},
        {"lblbpai", w.lblbpai, no, igual},
        {"lblma", w.lblma, no, igual},
        {"lbldi", w.lbldi, no, igual},
        {"lblti", w.lblti, no, igual},
        {"lblenfgr", w.lblenfgr, no, igual},
        {"lblbitf", w.lblbitf, no, igual},
        {"lblcaf", w.lblcaf, no, igual},
        {"fEducacionalVeralta", w.fEducacionalVeralta, no, no},
        {"comMoneda", w.comMoneda, si, si},
        {"butCalcular", w.butCalcular, si, si},
        {"butCancelar", w.butCancelar, si, si},
        {"butAceptar", w.butAceptar, igual, no},
        {"butCalcular1", w.butCalcular1, igual, no},
        {"butNo", w.butNo, igual, no},
        {"butCotizador", w.butCotizador, igual, no},
        {"cmdPrimasAdicionales", w.cmdPrimasAdicionales, si, si},
        {"butAgregar", w.butAgregar, no, no},
        {"butEditar", w.butEditar, no, no},
        {"butEliminar", w.butEliminar, no, no},
        {"butGenerar", w.butGenerar, no, igual},
        {"butBorrar", w.butBorrar, no, igual},
        {"lblEdadInicial", w.lblEdadInicial, igual, no},
        {"lblEdadFinal", w.lblEdadFinal, igual, no},
        {"txtEdadInicial", w.txtEdadInicial, igual, no},
        {"txtEdadFinal", w.txtEdadFinal, igual, no},
        {"Frame4", w.Frame4, igual, no},
        {"mnuAbrir", w.mnuAbrir, no, igual},
        {"mnuGuardar", w.mnuGuardar, no, igual},
        {"mnuGuardarComo", w.mnuGuardarComo, no, igual},
        {"mnuBaseDatos", w.mnuBaseDatos, no, igual},
        {"mnuSalir", w.mnuSalir, si, si},
        {"mnuAyuda", w.mnuAyuda, si, si},
        // Management fields, hidden for every user.
        {"chkRiesgoSelecto", w.chkRiesgoSelecto, igual, no},
        {"txtExtraprimaOcupacional", w.txtExtraprimaOcupacional, igual, no},
        {"txtExtraPrimaMedica", w.txtExtraPrimaMedica, igual, no},
        {"txtTasaInteres", w.txtTasaInteres, igual, no},
        {"comTipoIncremento", w.comTipoIncremento, igual, no},
        {"txtSumaAsegurada", w.txtSumaAsegurada, igual, no},
        {"dbcPaquete", w.dbcPaquete, igual, no},
        // The prospect's fields are open from the start.
        {"txtNombre", w.txtNombre, si, si},
        {"txtEdad", w.txtEdad, si, si},
        {"txtFechaNacimiento", w.txtFechaNacimiento, si, si},
        {"comSexo", w.comSexo, si, si},
        {"comFuma", w.comFuma, si, si},
        {"comFormaPago", w.comFormaPago, si, si},
        {"txtSumaAseguradaGlobal", w.txtSumaAseguradaGlobal, si, si},
        {"txtPrimaTotal", w.txtPrimaTotal, si, si},
        {"Text1", w.Text1, no, si},
    };
}

TEST(Arranque, EstadoDeLosControles) {
    for (const auto& a : kArranques) {
        SCOPED_TRACE(a.nombre);
        Sesion s(a.archivo);
        for (const auto& e : EstadoInicial(s.w)) {
            SCOPED_TRACE(e.nombre);
            if (e.habilitado) {
                EXPECT_EQ(e.control.habilitado, *e.habilitado);
            }
            if (e.visible) {
                EXPECT_EQ(e.control.visible, *e.visible);
            }
        }
        for (const Panel* p : {&s.w.planTemporal, &s.w.planTemporalAnual, &s.w.planVitalicio, &s.w.planDotal,
                               &s.w.porInvalidez, &s.w.porAccidente, &s.w.porEnfermedad})
            EXPECT_FALSE(p->Visible());
        for (const Casilla* c : {&s.w.chkbit, &s.w.chkbpai, &s.w.chkma, &s.w.chkdi, &s.w.chkti, &s.w.chkenfgr,
                                 &s.w.Chkbitf, &s.w.Chkcat, &s.w.chkRiesgoSelecto})
            EXPECT_FALSE(c->marcada);
        EXPECT_EQ(s.w.ModoEdicion, 1);
    }
}

struct ListaEsperada {
    const char* nombre;
    const Lista& lista;
    std::vector<std::string> elementos;
    std::string texto;
    int seleccion;
};

TEST(Arranque, ListasFijas) {
    for (const auto& a : kArranques) {
        SCOPED_TRACE(a.nombre);
        Sesion s(a.archivo);
        const std::vector<ListaEsperada> listas = {
            {"comFormaPago", s.w.comFormaPago, {"Mensual", "Trimestral", "Semestral", "Anual"}, "Anual", 3},
            {"comTipoIncremento", s.w.comTipoIncremento, {"Aritmetico", "Geometrico"}, "Aritmetico", 0},
            {"comMoneda", s.w.comMoneda, {"Pesos", "Dólares"}, "", -1},
            {"comSexo", s.w.comSexo, {"Femenino", "Masculino"}, "Masculino", 1},
            {"comFuma", s.w.comFuma, {"No", "Si"}, "", -1},
        };
        for (const auto& l : listas) {
            SCOPED_TRACE(l.nombre);
            EXPECT_EQ(l.lista.elementos, l.elementos);
            EXPECT_EQ(l.lista.texto, l.texto);
            EXPECT_EQ(l.lista.seleccion, l.seleccion);
        }
        EXPECT_TRUE(s.w.dbcProducto.elementos.empty());
        EXPECT_TRUE(s.w.dbcProducto.texto.empty());
    }
}

TEST(Arranque, Textos) {
    Sesion s;
    const FrmCotizador& w = s.w;
    const std::vector<std::pair<std::string, std::string>> textos = {
        {w.txtNombre.texto, ""},
        {w.txtEdad.texto, ""},
        {w.txtFechaNacimiento.texto, ""},
        {w.lblFechaFormato.texto, "dd/mm/aaaa"},
        {w.txtNumAge.texto, ""},
        {w.txtAgente.texto, ""},
        {w.txtSumaAseguradaGlobal.texto, ""},
        {w.txtPrimaTotal.texto, ""},
        {w.txtExtraprimaOcupacional.texto, "0"},
        {w.txtExtraPrimaMedica.texto, "100"},
        {w.txtSumaAsegurada.texto, ""},
        {w.txtEdadInicial.texto, "15"},
        {w.txtEdadFinal.texto, "70"},
        {w.txtProducto.texto, ""},
        {w.lblProducto.texto, ""},
        {w.optDetalle.titulo, "Individual"},
        {w.optResumen.titulo, "Tarifa"},
        {w.Frame4.titulo, "Salida"},
        {w.cmdPrimasAdicionales.titulo, "S&i"},
        {w.butNo.titulo, "N&o"},
        {w.butCalcular.titulo, "Ca&lcular"},
        {w.butCancelar.titulo, "&Cancelar"},
        {w.butAceptar.titulo, "&Aceptar"},
        {w.butCalcular1.titulo, "Calcular."},
        {w.butCotizador.titulo, "Cotizador "},
        {w.butAgregar.titulo, "Ag&regar"},
        {w.butEditar.titulo, "Editar"},
        {w.butEliminar.titulo, "Eliminar"},
        {w.butGenerar.titulo, "&Generar"},
        {w.butBorrar.titulo, "&Nueva"},
        {w.Command1.titulo, "&Salir"},
        {w.mnuBaseDatos.titulo, "&Base de Datos"},
        {w.mnuAbrir.titulo, "&Abrir"},
        {w.mnuGuardar.titulo, "&Guardar"},
        {w.mnuGuardarComo.titulo, "Guardar &Como"},
        {w.mnuSalir.titulo, "&Salir"},
        {w.mnuAyuda.titulo, "A&yuda"},
        {w.lblPlazoPago.texto, "Plazo de Pago"},
        {w.lblPlazoSeguro.texto, "Plazo de Seguro"},
        {w.lblParticipacion.texto, "% de Participacion"},
        {w.lblIncremento.texto, "% de Incremento"},
        {w.fEducacionalVeralta.titulo, "Datos Educacional Veralta"},
        {w.lblEdadMenor.texto, "Edad del Menor"},
        {w.lblProductoEducacional.texto, "Producto"},
        {w.lblbit.texto, "Exención de Pago de Primas por Invalidez"},
        {w.lblbpai.texto, "Pago Anticipado por Invalidez Total"},
        {w.lblma.texto, "Muerte Accidental"},
        {w.lbldi.texto, "Doble Indemnización "},
        {w.lblti.texto, "Triple Indemnización"},
        {w.lblenfgr.texto, "Enfermedades Graves 25%"},
        {w.lblbitf.texto, "BITF"},
        {w.lblcaf.texto, "CAF"},
    };
    for (size_t i = 0; i < textos.size(); ++i) {
        SCOPED_TRACE(textos[i].second + " #" + std::to_string(i));
        EXPECT_EQ(textos[i].first, textos[i].second);
    }
    EXPECT_TRUE(w.optDetalle.seleccionado);
    EXPECT_FALSE(w.optResumen.seleccionado);
    EXPECT_EQ(w.txtFechaNacimiento.longitudMaxima, 10);
    EXPECT_FALSE(w.Text1.texto.empty());
}

TEST(Arranque, FechaDeHoyEnElPie) {
    const std::vector<std::pair<Fecha, std::string>> casos = {
        {{2025, 6, 15}, "15/06/2025"},
        {{2025, 3, 7}, "07/03/2025"},
        {{2024, 12, 31}, "31/12/2024"},
        {{2000, 1, 1}, "01/01/2000"},
    };
    for (const auto& [hoy, texto] : casos) {
        SCOPED_TRACE(texto);
        Sesion s("031208.svi", hoy);
        EXPECT_EQ(s.w.lbldate.texto, texto);
    }
}

TEST(Arranque, EncabezadoDeLaRejillaDeLineas) {
    Sesion s;
    const Rejilla& r = s.w.dbgProductosPaquete;
    ASSERT_EQ(r.filas, 5);
    ASSERT_EQ(r.columnas, 4);
    EXPECT_EQ(r.celdas[0], (std::vector<std::string>{"Nombre", "% Participación", "P. Seguro", "P.Pago"}));
    EXPECT_EQ(r.anchos, (std::vector<int>{1500, 1500, 1000, 1000}));
    EXPECT_FALSE(r.visible);
}

TEST(Arranque, SinBaseLaVentanaSigueRespondiendo) {
    Sesion s(nullptr);
    s.guion.mensajes.clear();
    s.Nombre("ana");
    s.Edad("30");
    s.Moneda("Pesos");
    EXPECT_TRUE(s.w.dbcProducto.habilitado);
    EXPECT_TRUE(s.w.dbcProducto.elementos.empty());
    s.w.FijarTextoProducto("Temporal Veralta");
    s.w.dbcProducto_LostFocus();
    EXPECT_EQ(s.w.txtProducto.texto, "");
    EXPECT_EQ(s.w.lblProducto.texto, "");
    s.Pago("20");
    s.SalirParticipacion();
    EXPECT_TRUE(s.guion.mensajes.empty());
}

}  // namespace
}  // namespace prueba_app
