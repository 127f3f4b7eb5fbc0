#include "cli/conductor.h"

#include <algorithm>
#include <cctype>

#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"
#include "data/arranque.h"
#include "data/errores.h"

namespace cv::cli {

namespace {

std::string Unir(const std::vector<app::Mensaje>& m) {
    std::string s;
    for (const auto& x : m) s += (s.empty() ? "" : "\n") + x.texto;
    return s;
}

// A name compared as a person reads it: letter case, dots and blanks do not matter.
std::string Clave(const std::string& t) {
    std::string s;
    for (char c : Mayusculas(t))
        if (c != '.' && c != ' ' && c != '%') s += c;
    return s;
}

// The entry of a list equal to the text given, letter case aside; ErrorUso naming the choices
// when there is none.
std::string Elegir(const app::Lista& lista, const std::string& texto, const std::string& que) {
    for (const auto& e : lista.elementos)
        if (Mayusculas(e) == Mayusculas(Recortar(texto))) return e;
    std::string opciones;
    for (const auto& e : lista.elementos) opciones += (opciones.empty() ? "" : ", ") + e;
    throw ErrorUso(que + " \"" + texto + "\" no es una opción de la ventana (" + opciones + ").");
}

std::string Sexo(const std::string& t) {
    const std::string k = Clave(t);
    if (k == "M" || k == "H" || k == "MASCULINO" || k == "HOMBRE") return "Masculino";
    if (k == "F" || k == "FEMENINO" || k == "MUJER") return "Femenino";
    return t;
}

std::string Fuma(const std::string& t) {
    const std::string k = Clave(t);
    if (k == "S" || k == "SI" || k == "SÍ") return "Si";
    if (k == "N" || k == "NO") return "No";
    return t;
}

std::string Moneda(const std::string& t) {
    const std::string k = Clave(t);
    if (k == "PESOS" || k == "MXN" || k == "MXP") return "Pesos";
    if (k == "DÓLARES" || k == "DOLARES" || k == "USD") return "Dólares";
    return t;
}

}  // namespace

Rechazo::Rechazo(std::vector<app::Mensaje> m) : std::runtime_error(Unir(m)), mensajes(std::move(m)) {}

// The person at the screen: every message box is read and kept, and the two dialogs are
// answered with what the quote asks for.
class InteraccionCli : public app::Interaccion {
public:
    std::vector<app::Mensaje> mensajes;
    const Peticion* p = nullptr;
    app::FrmAportaciones::Resultado aportaciones = app::FrmAportaciones::Resultado::SinCambio;

    void MostrarMensaje(const app::Mensaje& m) override { mensajes.push_back(m); }

    void MostrarAportaciones(app::FrmAportaciones& d) override {
        auto escribir = [](app::CuadroTexto& c, const std::optional<std::string>& v, auto salir) {
            if (!v) return;
            c.texto = *v;
            salir();
        };
        escribir(d.txtNoPagos, p->aportaciones, [&] { d.txtNoPagos_LostFocus(); });
        escribir(d.txtmontoAportacion, p->montoAportacion, [&] { d.txtmontoAportacion_LostFocus(); });
        escribir(d.txtFondoFinal, p->fondoFinal, [&] { d.txtFondoFinal_LostFocus(); });
        aportaciones = d.butAceptar_Click();
    }

    void MostrarEdadPadreTutor(app::FrmEdad& d) override {
        if (!p || !p->edadTutor) {
            d.abierto = false;  // nobody to answer: the close box
            return;
        }
        d.foco = "txtEdad";
        d.FijarEdad(*p->edadTutor);
        d.txtEdad_LostFocus();
        if (!d.cmdregresa.habilitado) {
            d.abierto = false;
            return;
        }
        d.cmdregresa_Click();
        // The window's request for the age is answered by the dialog, not a refusal.
        if (!mensajes.empty() && mensajes.back().texto == "introduzca la edad del tutor") mensajes.pop_back();
    }
};

struct Conductor::Sesion {
    Sesion(const std::filesystem::path& carpeta, std::shared_ptr<Calculo> motor)
        : w(ui, proceso, carpeta), flujo(w), corrida(w, flujo, std::move(motor)), archivo(w, flujo) {}
    InteraccionCli ui;
    app::EstadoProceso proceso;
    app::FrmCotizador w;
    cotizacion::FlujoLineas flujo;
    cotizacion::CorridaCalculo corrida;
    cotizacion::ArchivoCotizacion archivo;
};

std::shared_ptr<const datos::CatalogoProductos> AbrirCatalogo(const std::filesystem::path& archivo,
                                                              const std::filesystem::path& carpeta) {
    if (!archivo.empty()) return std::make_shared<const datos::CatalogoProductos>(datos::VincularCatalogo(archivo));
    datos::BaseAbierta base = datos::AbrirBaseDatosDeCarpeta(carpeta);
    if (!base.catalogo) throw std::runtime_error(base.mensaje);
    return std::make_shared<const datos::CatalogoProductos>(std::move(*base.catalogo));
}

Conductor::Conductor(std::shared_ptr<const datos::CatalogoProductos> catalogo, Fecha hoy, std::filesystem::path carpeta)
    : catalogo_(std::move(catalogo)),
      motor_(std::make_shared<Calculo>(std::make_shared<const CatalogoMotor>(*catalogo_))),
      hoy_(hoy),
      carpeta_(std::move(carpeta)) {
    motor_->AlCalcularLinea = [this](const EstadoMotor& e) {
        if (!conDetalle_) return;
        if (e.LineaActual == 1) detalle_.clear();
        DetalleLinea d;
        d.producto = e.ProductoActual;
        d.nombrePlan = e.NombrePlan;
        d.edadCalculo = e.EdadCalculo;
        d.anosSeguro = e.PlazoSeguro;
        d.anosPago = e.PlazoPago;
        d.primaNeta = e.PrimaNeta;
        d.primaTarifa = e.PrimaTarifa;
        d.descuentoVolumen = e.DescuentoVolumen[static_cast<size_t>(e.GrupoLinea[static_cast<size_t>(e.LineaActual)])];
        const int anos = std::clamp<int>(e.AnosIlustrar, 0, 99);
        d.anos.resize(static_cast<size_t>(anos));
        for (int k = 1; k <= anos; ++k) {
            const size_t i = static_cast<size_t>(k);
            d.anos[i - 1] = {e.SumaAseguradaAno[i], e.PrimaBasicaAno[i], e.RescateMil[i], e.DividendoMil[i],
                             e.RescateLineaAno[i], e.DividendoLineaAno[i]};
        }
        detalle_.push_back(std::move(d));
    };
}

Conductor::~Conductor() = default;

app::FrmCotizador& Conductor::Ventana() { return s_->w; }
const cotizacion::TablaLineas& Conductor::Lineas() const { return s_->flujo.tabla; }
cotizacion::CorridaCalculo& Conductor::Corrida() { return s_->corrida; }

void Conductor::Revisar() {
    if (s_->ui.mensajes.empty()) return;
    std::vector<app::Mensaje> m = std::move(s_->ui.mensajes);
    s_->ui.mensajes.clear();
    throw Rechazo(std::move(m));
}

void Conductor::Nueva() {
    // A freshly loaded main window for every quote, over the catalogue read once: nothing of
    // an earlier quote can reach this one.
    s_.reset();
    s_ = std::make_unique<Sesion>(carpeta_, motor_);
    s_->ui.p = peticion_;
    s_->w.PerfilUsuario = "Oficina";
    s_->w.Form_Load(hoy_, *catalogo_);
    estudio_ = salida::FrmEstudio();
    hoja_ = salida::FrmTarifa();
    detalle_.clear();
    Revisar();
}

void Conductor::Asegurado(const Peticion& p) {
    app::FrmCotizador& w = s_->w;
    if (p.nombre) {
        w.foco = "txtNombre";
        w.txtNombre.texto = *p.nombre;
        w.txtNombre_LostFocus();
    }
    if (p.edad) {
        w.foco = "txtEdad";
        w.FijarEdad(*p.edad);
        w.foco = "txtFechaNacimiento";
        w.txtEdad_LostFocus();
        Revisar();
    }
    if (p.fechaNacimiento) {
        w.txtFechaNacimiento.texto = *p.fechaNacimiento;
        w.foco = "comSexo";
        w.txtFechaNacimiento_LostFocus(hoy_);
        Revisar();
    }
    if (p.sexo) w.comSexo.MostrarTexto(Elegir(w.comSexo, Sexo(*p.sexo), "El sexo"));
    if (p.fuma) w.comFuma.MostrarTexto(Elegir(w.comFuma, Fuma(*p.fuma), "La respuesta de fumador"));
    if (p.moneda) {
        w.comMoneda.MostrarTexto(Elegir(w.comMoneda, Moneda(*p.moneda), "La moneda"));
        w.comMoneda_Click();
    }
    if (p.formaPago) w.comFormaPago.MostrarTexto(Elegir(w.comFormaPago, *p.formaPago, "La forma de pago"));
    if (p.sumaAsegurada) {
        w.foco = "txtSumaAseguradaGlobal";
        w.FijarSumaAsegurada(*p.sumaAsegurada);
        w.txtSumaAseguradaGlobal_LostFocus();
        Revisar();
    }
    if (p.primaGlobal) {
        w.foco = "txtPrimaTotal";
        w.FijarPrimaTotal(*p.primaGlobal);
        w.txtPrimaTotal_LostFocus();
        Revisar();
    }
    if (p.numeroAgente) {
        w.txtNumAge.texto = *p.numeroAgente;
        w.txtNumAge_LostFocus();
    }
    if (p.agente) {
        w.txtAgente.texto = *p.agente;
        w.txtAgente_LostFocus();
    }
    if (p.riesgoSelecto) w.chkRiesgoSelecto.marcada = *p.riesgoSelecto;
    if (p.extraprimaOcupacional) w.txtExtraprimaOcupacional.texto = *p.extraprimaOcupacional;
    if (p.extraprimaMedica) w.txtExtraPrimaMedica.texto = *p.extraprimaMedica;
    if (p.tasaInteres) w.txtTasaInteres.texto = *p.tasaInteres;
    if (p.tipoIncremento) w.comTipoIncremento.MostrarTexto(Elegir(w.comTipoIncremento, *p.tipoIncremento, "El tipo de incremento"));
    if (p.aportaciones || p.montoAportacion || p.fondoFinal) {
        s_->ui.aportaciones = app::FrmAportaciones::Resultado::SinCambio;
        w.cmdPrimasAdicionales_Click();
        w.AportacionesAceptadas(s_->ui.aportaciones);
        Revisar();
    }
}

void Conductor::Producto(const std::string& producto) {
    app::FrmCotizador& w = s_->w;
    const datos::Tabla& t = *catalogo_->tablaProductos;
    const size_t id = *t.Posicion("Id"), nombre = *t.Posicion("Nombre"), moneda = *t.Posicion("Moneda");
    const std::string buscado = Recortar(producto);
    const std::vector<datos::Valor>* fila = nullptr;
    for (size_t i = 0; i < t.NumFilas() && !fila; ++i)
        if (t.Fila(i)[id].ComoTexto() == buscado) fila = &t.Fila(i);
    for (size_t i = 0; i < t.NumFilas() && !fila; ++i)
        if (Mayusculas(t.Fila(i)[nombre].ComoTexto()) == Mayusculas(buscado)) fila = &t.Fila(i);
    if (!fila) throw ErrorUso("No hay un producto \"" + producto + "\" en el catálogo.");
    const std::string suMoneda = (*fila)[moneda].ComoTexto();
    if (w.comMoneda.texto.empty()) {
        // A person chooses the currency first; the product's own is the only one that lists it.
        w.comMoneda.MostrarTexto(suMoneda);
        w.comMoneda_Click();
    } else if (w.comMoneda.texto != suMoneda) {
        throw ErrorUso("El producto " + (*fila)[nombre].ComoTexto() + " se cotiza en " + suMoneda + ", no en " +
                       w.comMoneda.texto + ".");
    }
    w.foco = "dbcProducto";
    w.FijarTextoProducto((*fila)[nombre].ComoTexto());
    w.dbcProducto_Click();
    w.dbcProducto_LostFocus();
    Revisar();
}

void Conductor::Beneficio(const std::string& nombre) {
    app::FrmCotizador& w = s_->w;
    std::string k = Clave(nombre);
    if (k == "EG25" || k == "ENFGR") k = "EG";
    for (const cotizacion::CajaBeneficio& c : cotizacion::CajasBeneficio()) {
        if (k != c.clave) continue;
        app::Casilla& caja = w.*c.caja;
        if (!caja.habilitado || !caja.visible)
            throw Rechazo({app::Simple("El beneficio " + caja.titulo + " no se puede contratar en esta línea.")});
        if (caja.marcada) return;
        caja.marcada = true;
        (w.*c.regla)();
        Revisar();
        if (!caja.marcada) {
            if ((k == "BITF" || k == "CAF") && !(peticion_ && peticion_->edadTutor))
                throw Rechazo({app::Simple("El beneficio " + caja.titulo +
                                           " pide la edad del padre o tutor (--edad-tutor, columna edad_tutor).")});
            throw Rechazo({app::Simple("El beneficio " + caja.titulo + " no se puede contratar en esta línea.")});
        }
        return;
    }
    throw ErrorUso("No hay un beneficio \"" + nombre + "\" (BIT, BPAI, MA, DI, TI, EG, BITF, CAF).");
}

void Conductor::Linea(const PeticionLinea& l, size_t numero, size_t total) {
    app::FrmCotizador& w = s_->w;
    cotizacion::FlujoLineas& f = s_->flujo;
    if (numero > 1) {
        f.butAgregar_Click();
        Revisar();
    }
    Producto(l.producto);
    const bool educacional = Recortar(w.txtProducto.texto) == "6";
    if (educacional) {
        if (l.edadMenor) {
            if (!w.txtedad_menor.habilitado)
                throw Rechazo({app::Simple("La edad del menor es la del prospecto: no se escribe aparte.")});
            w.FijarEdadMenor(*l.edadMenor);
        }
        if (l.edadAlcanzada) {
            std::string buscada = Clave(*l.edadAlcanzada);
            if (buscada.rfind("EA", 0) != 0) buscada = "EA" + buscada;
            auto& e = w.List1.elementos;
            auto i = std::find_if(e.begin(), e.end(), [&](const std::string& x) { return Clave(x) == buscada; });
            if (!w.List1.habilitado || i == e.end()) {
                std::string opciones;
                for (const auto& x : e) opciones += (opciones.empty() ? "" : ", ") + x;
                throw Rechazo({app::Simple("La edad alcanzada " + *l.edadAlcanzada + " no se ofrece para esta edad del menor" +
                                           (opciones.empty() ? "." : " (" + opciones + ")."))});
            }
            w.List1.seleccion = static_cast<int>(i - e.begin());
            w.List1_Click();
        }
        if (l.pago || l.seguro)
            throw ErrorUso("El plazo del producto educacional sale de la edad alcanzada: use edad_alcanzada.");
    } else {
        if (l.pago) {
            w.foco = "dbcPago";
            w.FijarPago(*l.pago);
            w.dbcPago_Click();
            w.dbcPago_LostFocus();
            Revisar();
        }
        if (l.seguro && Recortar(*l.seguro) != Recortar(w.dbcPlazo.texto)) {
            // Only a pair of terms the product lists can be chosen.
            const auto& pagos = w.dbcPago.elementos;
            const auto& seguros = w.dbcPlazo.elementos;
            bool hay = false;
            for (size_t i = 0; i < pagos.size() && i < seguros.size(); ++i)
                hay = hay || (pagos[i] == Recortar(w.dbcPago.texto) && seguros[i] == Recortar(*l.seguro));
            if (!hay) throw Rechazo({app::Simple("el plazo no corresponde al producto")});
            w.FijarPlazo(Recortar(*l.seguro));
        }
    }
    if (l.incremento && ValorNumericoSeguro(*l.incremento, 1) != 0) {
        if (!w.comIncremento.habilitado || w.comIncremento.elementos.empty())
            throw Rechazo({app::Simple("Este plan no ofrece incremento de la suma asegurada.")});
        w.comIncremento.MostrarTexto(Elegir(w.comIncremento, *l.incremento, "El incremento"));
        w.comIncremento_Change();
    }
    if (l.participacion) {
        if (!w.txtParticipacion.habilitado && Recortar(*l.participacion) != Recortar(w.txtParticipacion.texto))
            throw Rechazo({app::Simple("La participación de este producto no se puede cambiar.")});
        w.txtParticipacion.texto = *l.participacion;
    }
    w.foco = "txtParticipacion";
    w.txtParticipacion_LostFocus();
    Revisar();
    for (const auto& b : l.beneficios) Beneficio(b);
    if (total > 1) {
        if (ValorNumericoSeguro(w.txtParticipacion.texto, 0) == 100)
            throw Rechazo({app::Simple("Con varias líneas cada una lleva parte de la suma: la línea " + std::to_string(numero) +
                                       " tiene participación de 100.")});
        f.butAceptar_Click();
        Revisar();
        if (f.tabla.NumLineasCotizacion != static_cast<int>(numero))
            throw Rechazo({app::Simple("La línea " + std::to_string(numero) + " no se pudo agregar a la cotización.")});
    }
}

void Conductor::MostrarUltimaLinea() {
    // The line editor shows the last line as it was entered: the calculation reads the product,
    // terms and plan the editor shows, so an opened quote calculates as the quote typed in.
    cotizacion::TablaLineas& t = s_->flujo.tabla;
    const int n = t.NumLineasCotizacion;
    if (n < 1) return;
    const LineaCotizacion l = t.LineasCotizacion[static_cast<size_t>(n)];
    app::FrmCotizador& w = s_->w;
    Producto(l.Producto);
    if (Recortar(w.txtProducto.texto) == "6") {
        w.txtPago.texto = w.txtPlazo.texto = std::to_string(l.PlazoSeguro);
        w.txtPlazo_Change();
    } else {
        w.FijarPago(std::to_string(l.PlazoPago));
        w.dbcPago_Click();
        w.dbcPago_LostFocus();
        if (Recortar(w.dbcPlazo.texto) != std::to_string(l.PlazoSeguro)) w.FijarPlazo(std::to_string(l.PlazoSeguro));
    }
    if (l.Incremento != 0) w.comIncremento.texto = TextoNumero(l.Incremento);
    w.txtParticipacion.texto = TextoNumero(l.Participacion);
    w.ClasificarPlan();
    t.LineaSeleccionada = static_cast<int16_t>(n);
    Revisar();
}

void Conductor::Llenar(const Peticion& p, bool tarifa) {
    peticion_ = &p;
    Nueva();
    if (p.abrir) {
        s_->archivo.Abrir(p.abrir->is_absolute() ? *p.abrir : std::filesystem::absolute(*p.abrir));
        Revisar();
        if (!p.lineas.empty()) {
            // Lines given replace those of the file, as "&Cancelar" does: the prospect stays.
            s_->flujo.butCancelar_Click();
            Revisar();
        } else {
            MostrarUltimaLinea();
        }
    }
    Asegurado(p);
    if (p.abrir && p.edadTutor && s_->proceso.EdadPadreTutor == 0) {
        // The file keeps no parent's or tutor's age, and "&Generar" never asks for it: it is
        // given through the dialog the riders of a minor open.
        app::FrmEdad dialogo(s_->ui, s_->proceso);
        s_->ui.MostrarEdadPadreTutor(dialogo);
        Revisar();
    }
    if (tarifa) {
        s_->flujo.butTarifas_Click();
        Revisar();
    }
    for (size_t i = 0; i < p.lineas.size(); ++i) Linea(p.lineas[i], i + 1, p.lineas.size());
    if (tarifa) {
        app::FrmCotizador& w = s_->w;
        if (p.edadInicial) w.txtEdadInicial.texto = *p.edadInicial;
        if (p.edadFinal) {
            w.txtEdadFinal.texto = *p.edadFinal;
            w.txtEdadFinal_LostFocus();
        }
        Revisar();
    }
}

void Conductor::Calcular() {
    cotizacion::CorridaCalculo& c = s_->corrida;
    c.butCalcular_Click();
    Revisar();
    if (!c.calculado) throw Rechazo({app::Simple("La cotización no se pudo calcular.")});
}

void Conductor::Guardar(const Peticion& p) {
    if (!p.guardar) return;
    s_->archivo.Guardar(p.guardar->is_absolute() ? *p.guardar : std::filesystem::absolute(*p.guardar));
    Revisar();
}

OfertaProducto Conductor::Oferta(const std::string& producto, const std::string& edad) {
    Peticion p;
    p.edad = edad;
    peticion_ = &p;
    Nueva();
    Asegurado(p);
    Producto(producto);
    app::FrmCotizador& w = s_->w;
    OfertaProducto o;
    for (const cotizacion::CajaBeneficio& c : cotizacion::CajasBeneficio())
        if ((w.*c.caja).habilitado && (w.*c.caja).visible) o.beneficios.push_back(c.clave);
    const std::vector<std::string> pagos = w.dbcPago.elementos, seguros = w.dbcPlazo.elementos;
    const bool educacional = Recortar(w.txtProducto.texto) == "6";
    for (size_t i = 0; i < pagos.size() && i < seguros.size(); ++i) {
        PlazoOfrecido t{pagos[i], seguros[i], {}};
        if (!educacional) {
            w.FijarPago(pagos[i]);
            w.dbcPago_Click();
            w.dbcPago_LostFocus();
            if (w.comIncremento.habilitado) t.incrementos = w.comIncremento.elementos;
        }
        o.plazos.push_back(std::move(t));
    }
    s_->ui.mensajes.clear();
    peticion_ = nullptr;
    return o;
}

void Conductor::Cotizar(const Peticion& p, bool conEstudio) {
    conDetalle_ = conEstudio;
    Llenar(p, false);
    cotizacion::CorridaCalculo& c = s_->corrida;
    // A quote opened from a file holds its lines already: "&Generar" calculates them.
    const bool soloGenerar = p.abrir && p.lineas.empty();
    if (p.lineas.empty() && !p.abrir) throw ErrorUso("La cotización necesita al menos una línea (--linea).");
    if (!soloGenerar) Calcular();
    bool mostrado = false;
    c.MostrarEstudio = [&](Calculo& motor) {
        mostrado = true;
        if (conEstudio) estudio_.Form_Load(motor.Estado(), s_->w);
    };
    c.butGenerar_Click();
    Revisar();
    if (!c.calculado || !mostrado) throw Rechazo({app::Simple("La cotización no se pudo calcular.")});
    if (soloGenerar) c.MostrarResultados();
    Guardar(p);
}

void Conductor::Tarifa(const Peticion& p) {
    conDetalle_ = false;
    Llenar(p, true);
    if (p.lineas.empty() && !p.abrir) throw ErrorUso("La tarifa necesita al menos una línea (--linea).");
    cotizacion::CorridaCalculo& c = s_->corrida;
    if (!(p.abrir && p.lineas.empty())) Calcular();
    bool mostrada = false;
    c.MostrarHojaTarifa = [&](const Calculo& motor, const ResultadoCalculo& r) {
        mostrada = true;
        hoja_.Form_Load(motor.Estado(), s_->w, r.filasTarifa);
    };
    c.butGenerar_Click();
    Revisar();
    if (!c.calculado || !mostrada) throw Rechazo({app::Simple("La tarifa no se pudo calcular.")});
    Guardar(p);
}

}  // namespace cv::cli
