#pragma once
// The main quote window "Cotizador de Vida" as a model: its controls, named as the window names
// them, and its rules, one method per event. The Qt view binds the widgets to these members;
// the command line drives the same methods as a person would.
#include <array>
#include <functional>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/controles.h"
#include "app/dialogos.h"
#include "app/interaccion.h"
#include "app/proceso.h"
#include "core/fechas.h"
#include "data/catalogo.h"

namespace cv::app {

// A description panel: its labels, shown and hidden together.
struct Panel {
    std::vector<Etiqueta> etiquetas;
    bool Visible() const;
    void Mostrar(bool visible);
};

// The plan kind of a product code and insurance term: the plan text (none for some products)
// and the three plan flags; `clasificado` false when no rule applies and nothing changes.
struct ClasePlan {
    const char* plan = nullptr;
    bool ordinario = false, edadAlcanzada = false, dotal = false;
    bool clasificado = false;
};
ClasePlan ClasificarPlanDe(double codigo, double plazoSeguro);

class FrmCotizador {
public:
    FrmCotizador(Interaccion& interaccion, EstadoProceso& proceso, std::filesystem::path carpetaAplicacion);

    // ---- frame "Asegurado" ----
    CuadroTexto txtNombre, txtEdad, txtFechaNacimiento, txtNumAge, txtAgente;
    Etiqueta lblFechaFormato;  // "dd/mm/aaaa"
    Lista comFuma, comSexo, comMoneda, comFormaPago;
    CuadroTexto txtSumaAseguradaGlobal, txtPrimaTotal;
    Etiqueta lblSumaAsegurada, lblPrimaGlobal;
    // Management fields, hidden for every user.
    Casilla chkRiesgoSelecto;
    CuadroTexto txtExtraprimaOcupacional, txtExtraPrimaMedica, txtTasaInteres;
    Lista comTipoIncremento;
    // ---- frame "Primas": output and tariff range ----
    Marco Frame4;  // "Salida"
    BotonOpcion optDetalle, optResumen;
    CuadroTexto txtEdadInicial, txtEdadFinal;
    Etiqueta lblEdadInicial, lblEdadFinal;
    Boton cmdPrimasAdicionales, butNo;  // "S&i", "N&o" of "Aportaciones Adicionales"

    // ---- frame "Seleccion de Productos" ----
    Lista dbcProducto;
    CuadroTexto txtProducto;
    Etiqueta lblProducto;
    Lista dbcPago, dbcPlazo;
    CuadroTexto txtPago, txtPlazo;
    Etiqueta lblPlazoPago, lblPlazoSeguro;  // "Plazo de Pago", "Plazo de Seguro"
    Lista comPlan;
    Casilla chkOrdinario, chkEdad, chkDotal;
    CuadroTexto txtParticipacion;
    Etiqueta lblParticipacion;  // "% de Participacion"
    Lista comIncremento;
    Etiqueta lblIncremento;  // "% de Incremento"
    CuadroTexto txtSumaAsegurada, txtAnosCrecimiento;
    Etiqueta lblEdadInicialCaption, lblInteresFondo;  // "Edad Inicial", "Int. del Fondo %"
    Marco fEducacionalVeralta;     // "Datos Educacional Veralta"
    CuadroTexto txtedad_menor;
    Lista List1;
    Etiqueta lblEdadMenor, lblProductoEducacional;  // "Edad del Menor", "Producto"
    Lista dbcPaquete;

    // ---- riders ----
    Casilla chkbit, chkbpai, chkma, chkdi, chkti, chkenfgr, Chkbitf, Chkcat;
    Etiqueta lblbit, lblbpai, lblma, lbldi, lblti, lblenfgr, lblbitf, lblcaf;
    std::array<CuadroTexto, 8> txtBeneficio, txtBeneficioParticipacion;

    // ---- description panels ----
    Panel planTemporal, planTemporalAnual, planVitalicio, planDotal;
    Etiqueta lblBeneficiosAdicionales;  // heading shared by the rider panels
    Panel porInvalidez, porAccidente, porEnfermedad;  // the labels after the heading

    // ---- premiums shown (frame "Primas") ----
    CuadroTexto txtprimaneta, txtPagoFraccionado, txtderechopoliza, txtTotal, txt1erRecibo, txtSubsecuentes;
    Etiqueta lblPrimaNeta, lblPagoFraccionado, lblDerechoPoliza, lblPrimaTotal, lbl1erRecibo, lblSubsecuentes;
    Boton butTarifas;  // "Generador Tarifas"

    // ---- commands, grids, footer ----
    Boton butCalcular, butCancelar, butAceptar, butCalcular1, butCotizador, butAgregar, butEditar, butEliminar,
        butGenerar, butBorrar, Command1;
    EntradaMenu mnuBaseDatos, mnuAbrir, mnuGuardar, mnuGuardarComo, mnuSalir, mnuAyuda;
    Rejilla dbgProductosPaquete, dbgProductosCotizacion;
    Etiqueta lbldate;
    CuadroTexto Text1, Text2;
    Casilla chkcalc;

    // The control with the focus, by name ("txtEdad"); the view keeps it in step.
    std::string foco;
    int16_t ModoEdicion = 0;
    bool SuprimirAvisoSuma = false;

    // ---- start-up ----
    void Form_Load(const Fecha& hoy);
    // The same start-up over a catalogue already read (the command line reads the file once
    // for every quote it runs).
    void Form_Load(const Fecha& hoy, const datos::CatalogoProductos& vinculado);
    const std::optional<datos::CatalogoProductos>& Catalogo() const { return catalogo_; }
    std::optional<datos::CatalogoProductos>& Catalogo() { return catalogo_; }
    std::filesystem::path RutaBaseDatos, RutaManual;
    std::string PerfilUsuario;

    // ---- menus and commands ----
    void mnuBaseDatos_Click();
    void mnuAyuda_Click();
    // "&Salir" (button and menu) ends the whole process at once.
    void Command1_Click() { terminar_ = true; }
    void mnuSalir_Click() { terminar_ = true; }
    bool TerminarAplicacion() const { return terminar_; }
    // The role of the logged-in user: "Agentes" hides the management fields and "&Base de Datos".
    void AplicarPerfil();

    // ---- insured data ----
    void txtNombre_LostFocus();
    void txtEdad_Change();
    void txtEdad_LostFocus();
    void txtFechaNacimiento_LostFocus(const Fecha& hoy);
    void txtNumAge_LostFocus();
    void txtAgente_LostFocus();
    void txtSumaAseguradaGlobal_Change();
    void txtSumaAseguradaGlobal_LostFocus();
    void txtPrimaTotal_Change();
    void txtPrimaTotal_LostFocus();
    // Programmatic text changes that fire the field's change rules, as a typed change would.
    void FijarEdad(const std::string& texto);
    void FijarSumaAsegurada(const std::string& texto);
    void FijarPrimaTotal(const std::string& texto);

    // ---- product and plan selection ----
    void comMoneda_Click();
    void comMoneda_Change();  // typing in the currency box
    void dbcProducto_Change();
    void dbcProducto_Click();
    void dbcProducto_LostFocus();
    void txtProducto_Change();
    void txtProducto_LostFocus();
    void dbcPago_Change();
    void dbcPago_Click();
    void dbcPago_LostFocus();
    void dbcPlazo_Change();
    void comIncremento_Change();
    void txtPlazo_Change();
    void txtParticipacion_LostFocus();
    void txtParticipacion_Click();
    void txtedad_menor_Change();
    void List1_Click();
    void txtEdadFinal_LostFocus();
    void ClasificarPlan();  // the plan kind from the product code and the insurance term
    void ReiniciarEditor();
    void DeshabilitarEditor();
    void RefrescarEducacional();
    // The switch between the single-line and the multi-line way of working, run by the
    // participation events (left, or clicked) before the plan is classified; the quote-line
    // workflow sets it.
    std::function<void(bool clic)> CambioParticipacion;
    // Programmatic changes that fire the field's rules when its text changes.
    void FijarProducto(const std::string& codigo);
    void FijarTextoProducto(const std::string& nombre);
    void FijarPago(const std::string& texto);
    void FijarPlazo(const std::string& texto);
    void FijarEdadMenor(const std::string& texto);

    // ---- riders: a box's rules after it toggled, by mouse or keyboard ----
    void chkbit_Click();
    void chkbpai_Click();
    void chkma_Click();
    void chkdi_Click();
    void chkti_Click();
    void chkenfgr_Click();
    void Chkbitf_Click();
    void Chkcat_Click();
    void FijarBITF(bool marcada);
    void FijarCAF(bool marcada);
    void RefrescarPanelBeneficios();
    void OcultarPanelBeneficios();
    void OcultarPanelPlan();

    // ---- additional contributions and the parent's age ----
    void cmdPrimasAdicionales_Click();  // opens "Aportaciones"
    void butNo_Click();                 // cancels the contributions
    // What "Aceptar" of "Aportaciones" leaves on this window: "N&o" offered, or "S&i" again.
    void AportacionesAceptadas(FrmAportaciones::Resultado r);
    FrmAportaciones& Aportaciones() { return aportaciones_; }

    // ---- rider availability, used by the age rules (riders' own rules elsewhere) ----
    void refrescar();
    void habbenef();
    void deshabilitabyc();
    void DesmarcarBeneficios();
    void ReglasEducacionalBeneficios();
    void ReiniciarResultados();

    Interaccion& Ui() { return ui_; }
    EstadoProceso& Proceso() { return proceso_; }

private:
    Interaccion& ui_;
    EstadoProceso& proceso_;
    std::filesystem::path carpeta_;
    std::optional<datos::CatalogoProductos> catalogo_;
    FrmAportaciones aportaciones_;
    void MostrarMensaje(const Mensaje& m) { ui_.MostrarMensaje(m); }
    void Cargar(const Fecha& hoy, std::optional<datos::CatalogoProductos> catalogo, const std::filesystem::path& ruta);
    double ValorEdad() const;
    double CodigoProducto() const;  // numeric value of the product code, 0 when empty
    void ReglaBeneficio(Casilla& caja, int edadMinima, int edadMaxima, bool pideEdad, bool productoPrimero);
    void ActualizarPanel(Casilla& caja);
    void ReglasBitfCaf(bool esBitf);
    void Habilitar(std::initializer_list<Control*> controles, bool habilitado);
    bool terminar_ = false;
};

}  // namespace cv::app
