#include "app/cotizador.h"

#include <cmath>

#include "core/errores.h"
#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"
#include "data/arranque.h"
#include "data/errores.h"

namespace cv::app {

namespace {

Panel Etiquetas(std::initializer_list<const char*> textos) {
    Panel p;
    for (const char* t : textos) p.etiquetas.push_back(Etiqueta{{true, false}, t});
    return p;
}

// A number too large to read is beyond every limit the rules test.
double Numero(const std::string& texto) { return ValorNumericoSeguro(texto, 1e300); }

}  // namespace

bool Panel::Visible() const {
    for (const auto& e : etiquetas)
        if (e.visible) return true;
    return false;
}

void Panel::Mostrar(bool v) {
    for (auto& e : etiquetas) e.visible = v;
}

FrmCotizador::FrmCotizador(Interaccion& interaccion, EstadoProceso& proceso, std::filesystem::path carpetaAplicacion)
    : ui_(interaccion), proceso_(proceso), carpeta_(std::move(carpetaAplicacion)), aportaciones_(interaccion, proceso) {
    // The window as designed, before its start-up steps run.
    txtFechaNacimiento.longitudMaxima = 10;
    lblFechaFormato.texto = "dd/mm/aaaa";
    lblSumaAsegurada.texto = "Suma Asegurada";
    lblPrimaGlobal.texto = "Prima Global";
    comSexo.elementos = {"Femenino", "Masculino"};
    comSexo.MostrarTexto("Masculino");
    comFuma.elementos = {"No", "Si"};
    chkRiesgoSelecto.titulo = "Riesgo Selecto";
    txtExtraprimaOcupacional.texto = "0";
    txtExtraPrimaMedica.texto = "100";
    for (Control* c : std::initializer_list<Control*>{&chkRiesgoSelecto, &txtExtraprimaOcupacional, &txtExtraPrimaMedica,
                                                      &txtTasaInteres, &comTipoIncremento, &txtSumaAsegurada,
                                                      &txtAnosCrecimiento, &dbcPaquete, &comPlan, &chkOrdinario, &chkEdad,
                                                      &chkDotal, &Text2, &chkcalc})
        c->visible = false;
    for (auto* t : {&txtBeneficio, &txtBeneficioParticipacion})
        for (auto& c : *t) c.visible = false;
    Frame4.titulo = "Salida";
    optDetalle.titulo = "Individual";
    optResumen.titulo = "Tarifa";
    txtEdadInicial.texto = "15";
    txtEdadFinal.texto = "70";
    lblEdadInicial.texto = "Edad Inicial";
    lblEdadFinal.texto = "Edad Final";
    cmdPrimasAdicionales.titulo = "S&i";
    butNo.titulo = "N&o";
    lblPlazoPago.texto = "Plazo de Pago";
    lblPlazoSeguro.texto = "Plazo de Seguro";
    lblParticipacion.texto = "% de Participacion";
    lblIncremento.texto = "% de Incremento";
    lblEdadInicialCaption.texto = "Edad Inicial";
    lblInteresFondo.texto = "Int. del Fondo %";
    fEducacionalVeralta.titulo = "Datos Educacional Veralta";
    lblEdadMenor.texto = "Edad del Menor";
    lblProductoEducacional.texto = "Producto";

    chkbit.titulo = lblbit.texto = "Exención de Pago de Primas por Invalidez";
    chkbpai.titulo = lblbpai.texto = "Pago Anticipado por Invalidez Total";
    chkma.titulo = lblma.texto = "Muerte Accidental";
    chkdi.titulo = lbldi.texto = "Doble Indemnización ";
    chkti.titulo = lblti.texto = "Triple Indemnización";
    chkenfgr.titulo = lblenfgr.texto = "Enfermedades Graves 25%";
    Chkbitf.titulo = lblbitf.texto = "BITF";
    Chkcat.titulo = lblcaf.texto = "CAF";

    planTemporal = Etiquetas({"Plan Temporal",
                              "Son Planes que deben ofrecerse al asegurador cuando este busca sólo protección por un "
                              "Período especifico de tiempo y a bajo costo.",
                              "Tipos de Planes", "1,5,10,15,20 Edad Alcanzada 60 años y Edad Alcanzada 65 años"});
    planTemporalAnual = Etiquetas({"Plan Temporal a 1 año",
                                   "Funcional tambien como instrumento de ahorro pues durante la vigencia del seguro se "
                                   "pueden comprar dotales a corto plazo con los cuales se forma un fondo de ahorro que "
                                   "otorga tasas de interés optimas"});
    planVitalicio = Etiquetas({"Plan Vitalicio",
                               "Son Seguros diseñados para quienes buscan una protección que se mantenga por toda la vida "
                               "o hasta el momento en que el asegurado transmute la protección de patrimonio.",
                               "Tipos de Planes", "Ordinario de Vida y Pago limitados a 20 años"});
    planDotal = Etiquetas({"Plan Dotal",
                           "Es un plan que brinda la protección por un periodo de tiempo especifico y que a la vez son un "
                           "instrumento de ahorro garantizado.",
                           "Tipos de Planes", "5,10,15,20,25, Edad Alcanzada 60 años y Edad Alcanzada 65 años"});
    lblBeneficiosAdicionales = Etiqueta{{true, false}, "Beneficios Adicionales"};
    porInvalidez = Etiquetas({"Por Invalidez",
                              " * Beneficio de exención de pago de primas por invalidez total y permanente (B.I.T).",
                              "*Beneficio de pago anticipado por invalidez total y permanente (B.P.A.I). Este beneficio se "
                              "cobra a edad real.",
                              "Los beneficios B.I.T. y B.P.A.I no se otorgan para planes Temporales 1 año"});
    porAccidente = Etiquetas({"Por Accidente", " * Beneficio por Muerte Accidente (M.A.)",
                              " * Doble Indemnización y perdidas Organicas  (D.I.)",
                              " * Triple indemnización por Muerte Colectiva (T.I.)"});
    porEnfermedad = Etiquetas(
        {"Por Enfermedad",
         " * Beneficio de Enfermedades Graves (E.G). Cobertura equivalente al 25% de la suma asegurada básica con un "
         "maximo de 400,000 pesos, este beneficio tiene suma asegurada propia por lo tanto en caso de operar no "
         "disminuye el monto del beneficio básico.",
         " * Beneficio de enfermedad terminal(Este beneficio se otorga sin costo alguno y cubre el 30% de la "
         "sumaasegurada con un máximo de 180 salarios mínimosmensuales del D.F. Este beneficio al operar disminuye el "
         "monto del benefico básico."});

    butCalcular.titulo = "Ca&lcular";
    butCancelar.titulo = "&Cancelar";
    butAceptar.titulo = "&Aceptar";
    butCalcular1.titulo = "Calcular.";
    butCotizador.titulo = "Cotizador ";
    butTarifas.titulo = "Generador Tarifas";
    lblPrimaNeta.texto = "Prima neta";
    lblPagoFraccionado.texto = " Pago Fraccionado";
    lblDerechoPoliza.texto = "Derecho de Poliza";
    lblPrimaTotal.texto = "Prima Total";
    lbl1erRecibo.texto = "1er Recibo";
    lblSubsecuentes.texto = "Subsecuentes";
    butAgregar.titulo = "Ag&regar";
    butEditar.titulo = "Editar";
    butEliminar.titulo = "Eliminar";
    butGenerar.titulo = "&Generar";
    butBorrar.titulo = "&Nueva";
    Command1.titulo = "&Salir";
    mnuBaseDatos.titulo = "&Base de Datos";
    mnuAbrir.titulo = "&Abrir";
    mnuGuardar.titulo = "&Guardar";
    mnuGuardarComo.titulo = "Guardar &Como";
    mnuSalir.titulo = "&Salir";
    mnuAyuda.titulo = "A&yuda";
    Text1.habilitado = false;
    Text1.texto = "Veralta Seguros de Vida, S.A.B. - Paseo de la Reforma 350, Col. Juárez, México, D.F. - Tel. (55) 5000 0000";
}

void FrmCotizador::Form_Load(const Fecha& hoy) {
    // Steps 1 and 2 (splash, payment-term list unchanged) belong to the view.
    datos::BaseAbierta base = datos::AbrirBaseDatosDeCarpeta(carpeta_);
    if (!base.catalogo) MostrarMensaje(Simple(base.mensaje));
    Cargar(hoy, std::move(base.catalogo), carpeta_ / datos::kArchivoBaseDatos);
}

void FrmCotizador::Form_Load(const Fecha& hoy, const datos::CatalogoProductos& vinculado) {
    Cargar(hoy, vinculado, vinculado.ruta);
}

void FrmCotizador::Cargar(const Fecha& hoy, std::optional<datos::CatalogoProductos> catalogo,
                          const std::filesystem::path& ruta) {
    RutaBaseDatos = ruta;
    RutaManual = carpeta_ / "MANUAL DE USUARIO.pps";
    catalogo_ = std::move(catalogo);
    txtTasaInteres.texto = "18";
    if (catalogo_) {
        datos::RecordSet& op = catalogo_->datOpcionesGerenciales;
        op.MoverPrimero();
        if (op.HayActual()) txtTasaInteres.texto = op.Campo("Tasa de Interes Pesos").ComoTexto();
    }

    dbgProductosPaquete.Dimensionar(5, 4);
    const char* encabezados[] = {"Nombre", "% Participación", "P. Seguro", "P.Pago"};
    const int anchos[] = {1500, 1500, 1000, 1000};
    for (int c = 0; c < 4; ++c) {
        dbgProductosPaquete.Celda(0, c) = encabezados[c];
        dbgProductosPaquete.anchos[static_cast<size_t>(c)] = anchos[c];
    }

    comFormaPago.elementos = {"Mensual", "Trimestral", "Semestral", "Anual"};
    comTipoIncremento.elementos = {"Aritmetico", "Geometrico"};
    comMoneda.elementos = {"Pesos", "Dólares"};
    comFormaPago.MostrarTexto("Anual");
    comTipoIncremento.MostrarTexto("Aritmetico");
    optDetalle.seleccionado = true;
    optResumen.seleccionado = false;

    // Start state.
    for (Control* c : std::initializer_list<Control*>{&txtProducto, &dbcProducto, &dbcPago, &dbcPlazo, &comPlan,
                                                      &txtParticipacion, &comIncremento, &lblIncremento, &List1,
                                                      &txtedad_menor})
        c->habilitado = false;
    txtPago.visible = txtPlazo.visible = false;
    dbgProductosPaquete.visible = false;
    for (Panel* p : {&planTemporal, &planTemporalAnual, &planVitalicio, &planDotal, &porInvalidez, &porAccidente, &porEnfermedad})
        p->Mostrar(false);
    lblBeneficiosAdicionales.visible = false;
    for (Control* c : std::initializer_list<Control*>{&chkbit, &chkbpai, &chkma, &chkdi, &chkti, &chkenfgr, &Chkbitf, &Chkcat,
                                                      &lblbit, &lblbpai, &lblma, &lbldi, &lblti, &lblenfgr, &lblbitf, &lblcaf})
        c->habilitado = false;
    fEducacionalVeralta.visible = fEducacionalVeralta.habilitado = false;
    comMoneda.habilitado = true;
    for (Boton* b : {&butCalcular, &butCancelar}) b->visible = b->habilitado = true;
    for (Boton* b : {&butAceptar, &butCalcular1, &butNo, &butCotizador}) b->visible = false;
    for (Boton* b : {&butAgregar, &butEditar, &butEliminar}) b->visible = b->habilitado = false;
    butGenerar.habilitado = butBorrar.habilitado = false;
    for (Control* c : std::initializer_list<Control*>{&lblEdadInicial, &lblEdadFinal, &txtEdadInicial, &txtEdadFinal, &Frame4})
        c->visible = false;
    mnuAbrir.habilitado = mnuGuardar.habilitado = mnuGuardarComo.habilitado = false;
    mnuBaseDatos.habilitado = false;
    cmdPrimasAdicionales.visible = true;

    lbldate.texto = FechaCorta(hoy);
    ModoEdicion = 1;
    refrescar();
    AplicarPerfil();
}

void FrmCotizador::AplicarPerfil() {
    // Agents see the quote only; other roles (office staff) may choose another product database
    // and reach the management fields.
    // Without a known role the window stays as designed: the menu entry shown but disabled.
    const bool agente = PerfilUsuario == "Agentes";
    const bool gestion = !PerfilUsuario.empty() && !agente;
    mnuBaseDatos.visible = !agente;
    mnuBaseDatos.habilitado = gestion;
    for (Control* c : std::initializer_list<Control*>{&chkRiesgoSelecto, &txtExtraprimaOcupacional, &txtExtraPrimaMedica,
                                                      &txtTasaInteres})
        c->visible = gestion;
}

void FrmCotizador::mnuBaseDatos_Click() {
    auto elegido = ui_.ElegirBaseDatos();
    if (!elegido || elegido->empty()) return;
    // The chosen file replaces the catalogue only when it can be read whole.
    try {
        datos::CatalogoProductos nuevo = datos::VincularCatalogo(*elegido);
        catalogo_ = std::move(nuevo);
    } catch (const datos::ErrorBaseDatos& e) {
        MostrarMensaje(Simple(e.what()));
        return;
    }
    RutaBaseDatos = *elegido;
    for (Control* c : std::initializer_list<Control*>{&butGenerar, &butBorrar, &mnuAbrir, &mnuGuardar, &mnuGuardarComo})
        c->habilitado = true;
}

void FrmCotizador::mnuAyuda_Click() { ui_.AbrirDocumento(RutaManual); }

double FrmCotizador::ValorEdad() const { return Numero(txtEdad.texto); }

// ---------------------------------------------------------------- insured data

void FrmCotizador::txtNombre_LostFocus() { txtNombre.texto = Mayusculas(txtNombre.texto); }
void FrmCotizador::txtAgente_LostFocus() { txtAgente.texto = Mayusculas(txtAgente.texto); }
void FrmCotizador::txtNumAge_LostFocus() { txtAgente.texto = "Veralta,S.A.B."; }

void FrmCotizador::FijarEdad(const std::string& texto) {
    // Setting a box to the text it holds is no change: its change rules do not run.
    if (txtEdad.texto == texto) return;
    txtEdad.texto = texto;
    txtEdad_Change();
}

void FrmCotizador::txtEdad_Change() {
    const double a = ValorEdad();
    txtedad_menor.habilitado = true;
    habbenef();
    if (a >= 71) {
        MostrarMensaje(Informacion("La Edad Máxima de aceptación  es de 70 de años.", "Validación"));
        // The prospect's name stays: only the refused age and the date that gave it go.
        txtFechaNacimiento.texto.clear();
        FijarEdad("");
    } else {
        if (foco == "txtEdad") txtFechaNacimiento.texto.clear();
        DesmarcarBeneficios();
        if (a >= 19) {
            FijarEdadMenor(" ");
        } else {
            FijarEdadMenor(txtEdad.texto);
            txtedad_menor.habilitado = false;
            comFuma.MostrarTexto("No");
        }
        if (a > 17) proceso_.EdadContratante = Currency::DesdeDouble(a);
        if (Recortar(txtProducto.texto) == "6") ReglasEducacionalBeneficios();
        if (!txtNombre.texto.empty() && !txtEdad.texto.empty()) comMoneda.habilitado = true;
        ReiniciarResultados();
    }
    refrescar();
}

void FrmCotizador::txtEdad_LostFocus() {
    const double a = ValorEdad();
    if (a >= 18) {
        FijarEdadMenor(" ");
    } else {
        FijarEdadMenor(txtEdad.texto);
        txtedad_menor.habilitado = false;
    }
    proceso_.EdadContratante = Currency::DesdeDouble(std::fabs(a) < 1e6 ? a : 0);
    const std::string producto = Recortar(txtProducto.texto);
    if (!producto.empty()) {
        const double c = Numero(producto);
        if (c >= 7 && c <= 10)
            for (Control* b : std::initializer_list<Control*>{&chkbit, &chkbpai, &chkma, &chkdi, &chkti, &chkenfgr})
                b->habilitado = false;
    } else {
        foco = "comFuma";
    }
}

void FrmCotizador::txtFechaNacimiento_LostFocus(const Fecha& hoy) {
    auto fecha = LeerFecha(txtFechaNacimiento.texto);
    if (!fecha) {
        if (Recortar(txtEdad.texto).empty()) {
            MostrarMensaje(Simple("Introduzca una fecha valida o Edad"));
            txtFechaNacimiento.texto.clear();
        }
        return;
    }
    if (*fecha > hoy) {
        MostrarMensaje(Simple("fecha invalida verifique"));
        txtFechaNacimiento.texto.clear();
        foco = "txtFechaNacimiento";
        return;
    }
    const int edad = EdadCumplida(*fecha, hoy);
    const std::string anterior = foco;
    foco = "txtFechaNacimiento";  // the age rules keep the date when the change comes from it
    FijarEdad(std::to_string(edad));
    foco = anterior;
    if (edad >= 18) {
        if (edad <= 70) {
            txtedad_menor.habilitado = true;
            FijarEdadMenor("");
        } else {
            MostrarMensaje(Informacion("La Edad Máxima para contratar estos Servicios es de 70", "Validación"));
            txtFechaNacimiento.texto.clear();
            FijarEdad("");
        }
    } else {
        FijarEdadMenor(std::to_string(edad));
        txtedad_menor.habilitado = false;
    }
}

void FrmCotizador::FijarSumaAsegurada(const std::string& texto) {
    // Setting a box to the text it holds is no change: its change rules do not run.
    if (txtSumaAseguradaGlobal.texto == texto) return;
    txtSumaAseguradaGlobal.texto = texto;
    txtSumaAseguradaGlobal_Change();
}

void FrmCotizador::FijarPrimaTotal(const std::string& texto) {
    // Setting a box to the text it holds is no change: its change rules do not run.
    if (txtPrimaTotal.texto == texto) return;
    txtPrimaTotal.texto = texto;
    txtPrimaTotal_Change();
}

void FrmCotizador::txtSumaAseguradaGlobal_Change() {
    // An empty field is allowed; only a text that is not a number is refused.
    if (!txtSumaAseguradaGlobal.texto.empty() && !EsNumerico(txtSumaAseguradaGlobal.texto)) {
        if (!SuprimirAvisoSuma) MostrarMensaje(Simple("Ingresa un Numero"));
        SuprimirAvisoSuma = true;
        FijarSumaAsegurada("");
        SuprimirAvisoSuma = false;
    }
    const bool cero = Numero(Reemplazar(txtSumaAseguradaGlobal.texto, ",", "")) == 0;
    txtPrimaTotal.habilitado = lblPrimaGlobal.habilitado = cero;
}

void FrmCotizador::txtPrimaTotal_Change() {
    const bool vacia = txtPrimaTotal.texto.empty();
    txtSumaAseguradaGlobal.habilitado = lblSumaAsegurada.habilitado = vacia;
}

// A number, with or without thousands separators or an exponent, shown in the field's format;
// any other text, or a number too large to show, stays as typed.
static void Reformatear(CuadroTexto& campo, std::string_view patron) {
    if (!EsNumerico(campo.texto)) return;
    try {
        campo.texto = Formatear(ValorNumerico(Reemplazar(campo.texto, ",", "")), patron);
    } catch (const std::exception&) {
    }
}

void FrmCotizador::txtSumaAseguradaGlobal_LostFocus() { Reformatear(txtSumaAseguradaGlobal, kF2); }
void FrmCotizador::txtPrimaTotal_LostFocus() { Reformatear(txtPrimaTotal, kF1); }

// ---------------------------------------------------------------- contributions

void FrmCotizador::cmdPrimasAdicionales_Click() {
    aportaciones_.abierto = true;
    ui_.MostrarAportaciones(aportaciones_);
    // The dialog's own buttons decide what the main window offers afterwards.
}

void FrmCotizador::AportacionesAceptadas(FrmAportaciones::Resultado r) {
    if (r == FrmAportaciones::Resultado::ConAportaciones) {
        butNo.visible = true;
        cmdPrimasAdicionales.visible = false;
    } else if (r == FrmAportaciones::Resultado::SinAportaciones) {
        butNo.visible = false;
        cmdPrimasAdicionales.visible = true;
    }
}

void FrmCotizador::butNo_Click() {
    butNo.visible = false;
    cmdPrimasAdicionales.visible = true;
    proceso_.AportFondoFinal = 0;
    proceso_.AportMonto = 0;
    proceso_.AportNumPagos = 0;
    proceso_.AportTasaIncremento = 0;
    aportaciones_.Reiniciar();
    comTipoIncremento.MostrarTexto("Aritmetico");
    txtEdadInicial.texto = "15";
    txtEdadFinal.texto = "70";
    optDetalle.seleccionado = true;
    optResumen.seleccionado = false;
}

// ---------------------------------------------------------------- riders by age

void FrmCotizador::habbenef() {
    for (Control* c : std::initializer_list<Control*>{&chkbit, &chkbpai, &chkma, &chkdi, &chkti, &chkenfgr, &lblbit,
                                                      &lblbpai, &lblma, &lbldi, &lblti, &lblenfgr})
        c->habilitado = true;
}

void FrmCotizador::deshabilitabyc() {
    for (Control* c : std::initializer_list<Control*>{&Chkbitf, &Chkcat, &lblbitf, &lblcaf}) c->habilitado = false;
}

void FrmCotizador::DesmarcarBeneficios() {
    for (Casilla* c : {&chkbit, &chkbpai, &chkma, &chkdi, &chkti, &chkenfgr, &Chkbitf, &Chkcat}) c->marcada = false;
    for (auto* t : {&txtBeneficio, &txtBeneficioParticipacion})
        for (auto& c : *t) {
            c.texto.clear();
            c.habilitado = false;
        }
}

void FrmCotizador::ReglasEducacionalBeneficios() {
    if (ValorEdad() <= 17) {
        for (Control* c : std::initializer_list<Control*>{&Chkbitf, &Chkcat, &lblbitf, &lblcaf}) c->habilitado = true;
        for (Control* c : std::initializer_list<Control*>{&chkbit, &chkbpai, &chkma, &chkdi, &chkti, &chkenfgr, &lblbit,
                                                          &lblbpai, &lblma, &lbldi, &lblti, &lblenfgr})
            c->habilitado = false;
    }
}

void FrmCotizador::refrescar() {
    if (Recortar(txtEdad.texto).empty()) return;
    const double a = ValorEdad();
    if (a > 17) {
        habbenef();
        deshabilitabyc();
    } else if (Recortar(txtProducto.texto) == "6") {
        ReglasEducacionalBeneficios();
    } else {
        habbenef();
    }
}

void FrmCotizador::ReiniciarResultados() {
    for (CuadroTexto* t : {&txtprimaneta, &txtPagoFraccionado, &txtderechopoliza, &txtTotal, &txt1erRecibo, &txtSubsecuentes})
        t->texto.clear();
    dbgProductosCotizacion.Dimensionar(0, 0);
}

}  // namespace cv::app
