#include "cli/salida.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv::cli {

namespace {

// ---------------------------------------------------------------- small writers

std::string Numero(double x) {
    if (!std::isfinite(x)) return "null";
    char b[32];
    auto r = std::to_chars(b, b + sizeof b, x);
    return std::string(b, r.ptr);
}

std::string Dinero(double x) { return Formatear(x, "0.00"); }
std::string Dinero(Currency x) { return Formatear(x, "0.00"); }

// Characters on screen: UTF-8 continuation bytes take no column.
size_t Ancho(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

bool PareceNumero(const std::string& s) {
    const std::string t = Recortar(s);
    return !t.empty() && (std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '-') && LeerImporte(t).has_value();
}

// A table of cells with a header row: numbers right-aligned, texts left-aligned.
void Tabla(const std::vector<std::vector<std::string>>& filas, std::ostream& out, const std::string& sangria = "  ") {
    if (filas.empty()) return;
    size_t columnas = 0;
    for (const auto& f : filas) columnas = std::max(columnas, f.size());
    std::vector<size_t> ancho(columnas, 0);
    for (const auto& f : filas)
        for (size_t c = 0; c < f.size(); ++c) ancho[c] = std::max(ancho[c], Ancho(Recortar(f[c])));
    for (size_t r = 0; r < filas.size(); ++r) {
        std::string linea = sangria;
        for (size_t c = 0; c < columnas; ++c) {
            const std::string t = c < filas[r].size() ? Recortar(filas[r][c]) : "";
            const std::string relleno(ancho[c] - Ancho(t), ' ');
            linea += (r > 0 && PareceNumero(t)) ? relleno + t : t + relleno;
            if (c + 1 < columnas) linea += "  ";
        }
        while (!linea.empty() && linea.back() == ' ') linea.pop_back();
        out << linea << "\n";
    }
}

std::vector<std::vector<std::string>> Celdas(const app::Rejilla& g, int columnas = -1) {
    std::vector<std::vector<std::string>> t;
    for (const auto& fila : g.celdas) {
        if (std::all_of(fila.begin(), fila.end(), [](const std::string& x) { return Recortar(x).empty(); })) continue;
        t.emplace_back(fila.begin(), columnas < 0 ? fila.end() : fila.begin() + std::min<long>(columnas, static_cast<long>(fila.size())));
    }
    return t;
}

// A JSON object or array written as it goes.
class Json {
public:
    explicit Json(std::ostream& out) : out_(out) {}
    Json& Objeto(const char* clave = nullptr) { return Abrir(clave, '{'); }
    Json& Lista(const char* clave = nullptr) { return Abrir(clave, '['); }
    Json& Fin() {
        out_ << (pila_.back() == '{' ? '}' : ']');
        pila_.pop_back();
        primero_ = false;
        return *this;
    }
    Json& Texto(const char* clave, const std::string& v) { return Crudo(clave, TextoJson(v)); }
    Json& Valor(const char* clave, double v) { return Crudo(clave, Numero(v)); }
    Json& Entero(const char* clave, long v) { return Crudo(clave, std::to_string(v)); }
    Json& Logico(const char* clave, bool v) { return Crudo(clave, v ? "true" : "false"); }
    Json& Crudo(const char* clave, const std::string& v) {
        Clave(clave);
        out_ << v;
        return *this;
    }

private:
    Json& Abrir(const char* clave, char c) {
        Clave(clave);
        out_ << c;
        pila_.push_back(c);
        primero_ = true;
        return *this;
    }
    void Clave(const char* clave) {
        if (!pila_.empty() && !primero_) out_ << ',';
        primero_ = false;
        if (clave) out_ << TextoJson(clave) << ':';
    }
    std::ostream& out_;
    std::string pila_;
    bool primero_ = true;
};

void FilaCsv(const std::vector<std::string>& campos, std::ostream& out) {
    for (size_t i = 0; i < campos.size(); ++i) out << (i ? "," : "") << CampoCsv(campos[i]);
    out << "\r\n";
}

// ---------------------------------------------------------------- the quote's parts

struct DatosLinea {
    int numero;
    std::string producto, nombre;
    int pago, seguro;
    std::string participacion, incremento;
    std::vector<std::string> beneficios;
};

std::vector<DatosLinea> LineasDe(const cotizacion::TablaLineas& t) {
    std::vector<DatosLinea> r;
    for (int k = 1; k <= t.NumLineasCotizacion; ++k) {
        const LineaCotizacion& l = t.LineasCotizacion[static_cast<size_t>(k)];
        DatosLinea d{k, l.Producto, t.NombresLinea[static_cast<size_t>(k)], l.PlazoPago, l.PlazoSeguro,
                     TextoNumero(l.Participacion), TextoNumero(l.Incremento), {}};
        // The rider slots hold the ids the rider boxes write.
        const auto& cajas = cotizacion::CajasBeneficio();
        for (int e = 1; e <= std::min<int>(l.CantidadBeneficios, 10); ++e) {
            const std::string id = Recortar(l.Beneficio[static_cast<size_t>(e)]);
            if (id.empty()) continue;
            auto c = std::find_if(cajas.begin(), cajas.end(), [&](const auto& x) { return id == x.id; });
            d.beneficios.push_back(c != cajas.end() ? c->clave : id);
        }
        r.push_back(std::move(d));
    }
    return r;
}

std::string Lista(const std::vector<std::string>& v, const char* sep = " ") {
    std::string s;
    for (const auto& x : v) s += (s.empty() ? "" : sep) + x;
    return s;
}

struct Frecuencia {
    const char* nombre;
    const char* clave;  // field name in JSON and batch rows
    Currency primero, siguientes;
};

std::vector<Frecuencia> Frecuencias(const cotizacion::MontosPorFrecuencia& m) {
    return {{"Anual", "anual", m.PagoAnual, m.PagoAnualNeto},
            {"Semestral", "semestral", m.PagoSemestral, m.PagoSemestralNeto},
            {"Trimestral", "trimestral", m.PagoTrimestral, m.PagoTrimestralNeto},
            {"Mensual", "mensual", m.PagoMensual, m.PagoMensualNeto}};
}

struct CampoPrima {
    const char* clave;
    const app::Etiqueta* etiqueta;
    const app::CuadroTexto* campo;
};

std::vector<CampoPrima> CamposPrima(const app::FrmCotizador& w) {
    return {{"prima_neta", &w.lblPrimaNeta, &w.txtprimaneta},
            {"pago_fraccionado", &w.lblPagoFraccionado, &w.txtPagoFraccionado},
            {"derecho_poliza", &w.lblDerechoPoliza, &w.txtderechopoliza},
            {"prima_total", &w.lblPrimaTotal, &w.txtTotal},
            {"primer_recibo", &w.lbl1erRecibo, &w.txt1erRecibo},
            {"subsecuentes", &w.lblSubsecuentes, &w.txtSubsecuentes}};
}

void Prospecto(app::FrmCotizador& w, std::ostream& out) {
    out << "Prospecto: " << w.txtNombre.texto << "   Edad: " << w.txtEdad.texto;
    if (!w.txtFechaNacimiento.texto.empty()) out << "   Nacimiento: " << w.txtFechaNacimiento.texto;
    out << "   Sexo: " << w.comSexo.texto << "   Fuma: " << w.comFuma.texto << "\n";
    out << "Moneda: " << w.comMoneda.texto << "   Forma de pago: " << w.comFormaPago.texto;
    if (!Recortar(w.txtSumaAseguradaGlobal.texto).empty()) out << "   Suma asegurada: " << Recortar(w.txtSumaAseguradaGlobal.texto);
    if (!Recortar(w.txtPrimaTotal.texto).empty()) out << "   Prima global: " << Recortar(w.txtPrimaTotal.texto);
    out << "\n";
    if (!w.txtNumAge.texto.empty() || !w.txtAgente.texto.empty())
        out << "Agente: " << w.txtNumAge.texto << (w.txtNumAge.texto.empty() ? "" : " ") << w.txtAgente.texto << "\n";
}

void JsonProspecto(app::FrmCotizador& w, Json& j) {
    j.Objeto("prospecto")
        .Texto("nombre", w.txtNombre.texto)
        .Texto("edad", Recortar(w.txtEdad.texto))
        .Texto("fecha_nacimiento", w.txtFechaNacimiento.texto)
        .Texto("sexo", w.comSexo.texto)
        .Texto("fuma", w.comFuma.texto)
        .Fin();
    j.Texto("moneda", w.comMoneda.texto)
        .Texto("forma_pago", w.comFormaPago.texto)
        .Texto("suma_asegurada", Decimal(w.txtSumaAseguradaGlobal.texto))
        .Texto("prima_global", Decimal(w.txtPrimaTotal.texto))
        .Texto("numero_agente", w.txtNumAge.texto)
        .Texto("agente", w.txtAgente.texto);
}

// A line's own fields; the object is left open for what follows.
Json& JsonLinea(const DatosLinea& l, Json& j) {
    j.Objeto()
        .Entero("linea", l.numero)
        .Texto("producto", l.producto)
        .Texto("nombre", l.nombre)
        .Entero("plazo_pago", l.pago)
        .Entero("plazo_seguro", l.seguro)
        .Texto("participacion", l.participacion)
        .Texto("incremento", l.incremento)
        .Lista("beneficios");
    for (const auto& b : l.beneficios) j.Texto(nullptr, b);
    return j.Fin();
}

void TextoLineas(const std::vector<DatosLinea>& lineas, std::ostream& out) {
    out << "Líneas\n";
    std::vector<std::vector<std::string>> t = {
        {"#", "Producto", "Nombre", "P.Pago", "P. Seguro", "% Participación", "% Incremento", "Beneficios"}};
    for (const auto& l : lineas)
        t.push_back({std::to_string(l.numero), l.producto, l.nombre, std::to_string(l.pago), std::to_string(l.seguro),
                     l.participacion, l.incremento, Lista(l.beneficios)});
    Tabla(t, out);
}

}  // namespace

// ---------------------------------------------------------------- shared writers

std::string CampoCsv(const std::string& t) {
    if (t.find_first_of(",\"\r\n") == std::string::npos) return t;
    std::string s = "\"";
    for (char c : t) {
        if (c == '"') s += '"';
        s += c;
    }
    return s + "\"";
}

std::string TextoJson(const std::string& t) {
    std::string s = "\"";
    for (unsigned char c : t) {
        switch (c) {
            case '"': s += "\\\""; break;
            case '\\': s += "\\\\"; break;
            case '\n': s += "\\n"; break;
            case '\r': s += "\\r"; break;
            case '\t': s += "\\t"; break;
            default:
                if (c < 0x20) {
                    char b[8];
                    std::snprintf(b, sizeof b, "\\u%04x", c);
                    s += b;
                } else {
                    s += static_cast<char>(c);
                }
        }
    }
    return s + "\"";
}

std::string Decimal(const std::string& celda) {
    std::string s;
    for (char c : celda)
        if (c != ',' && c != ' ') s += c;
    return s;
}

// ---------------------------------------------------------------- quote

void ImprimirCotizacion(Conductor& c, Formato f, std::ostream& out) {
    app::FrmCotizador& w = c.Ventana();
    const auto lineas = LineasDe(c.Lineas());
    const auto& resumen = w.dbgProductosCotizacion;
    const auto& estudio = c.Estudio();
    const auto frecuencias = Frecuencias(c.Corrida().montos);

    if (f == Formato::Csv) {
        // The illustration, one row per policy year.
        FilaCsv({"ano", "edad", "proteccion_total", "prima_anualizada", "fondo_acumulado", "valor_rescate", "seguro_saldado",
                 "anos_prorrogados"},
                out);
        for (int k = 1; k < estudio.dbgPlan.filas; ++k) {
            std::vector<std::string> fila;
            for (int col = 0; col < 8; ++col) fila.push_back(Decimal(estudio.dbgPlan.Celda(k, col)));
            FilaCsv(fila, out);
        }
        return;
    }

    if (f == Formato::Texto) {
        out << "Cotización\n";
        Prospecto(w, out);
        out << "\n";
        TextoLineas(lineas, out);
        out << "\nPrimas\n";
        Tabla(Celdas(resumen), out);
        for (const auto& p : CamposPrima(w))
            out << "  " << Recortar(p.etiqueta->texto) << ": " << Recortar(p.campo->texto) << "\n";
        out << "\nRecibos por forma de pago\n";
        std::vector<std::vector<std::string>> t = {{"Forma de pago", "1er Recibo", "Subsecuentes"}};
        for (const auto& q : frecuencias) t.push_back({q.nombre, Formatear(q.primero, kF2), Formatear(q.siguientes, kF2)});
        Tabla(t, out);
        out << "\n" << estudio.caption << "\n";
        Tabla(Celdas(estudio.dbgPlan), out);
        out << "  " << estudio.Label3.texto << ": " << Recortar(estudio.Label5.texto) << "   " << estudio.Label4.texto << ": "
            << Recortar(estudio.Label6.texto) << "\n";
        return;
    }

    Json j(out);
    j.Objeto().Texto("tipo", "cotizacion");
    JsonProspecto(w, j);
    j.Lista("lineas");
    const auto& detalle = c.Detalle();
    for (size_t i = 0; i < lineas.size(); ++i) {
        JsonLinea(lineas[i], j);
        if (i < detalle.size()) {
            const DetalleLinea& d = detalle[i];
            j.Texto("plan", d.nombrePlan)
                .Entero("edad_calculo", d.edadCalculo)
                .Entero("anos_seguro", d.anosSeguro)
                .Entero("anos_pago", d.anosPago)
                .Valor("prima_neta_mil", d.primaNeta)
                .Valor("prima_tarifa_mil", d.primaTarifa)
                .Valor("descuento_volumen_mil", d.descuentoVolumen);
            j.Lista("anos");
            for (size_t k = 0; k < d.anos.size(); ++k) {
                const AnoLinea& a = d.anos[k];
                j.Objeto()
                    .Entero("ano", static_cast<long>(k + 1))
                    .Texto("suma_asegurada", Dinero(a.sumaAsegurada))
                    .Texto("prima_basica", Dinero(a.primaBasica))
                    .Valor("rescate_mil", a.rescateMil)
                    .Texto("valor_rescate", Dinero(a.valorRescate))
                    .Valor("dividendo_mil", a.dividendoMil)
                    .Texto("dividendo", Dinero(a.dividendo))
                    .Fin();
            }
            j.Fin();
        }
        j.Fin();
    }
    j.Fin();

    j.Objeto("primas").Lista("filas");
    for (int r = 1; r < resumen.filas; ++r) {
        const auto& fila = resumen.celdas[static_cast<size_t>(r)];
        if (std::all_of(fila.begin(), fila.end(), [](const std::string& x) { return x.empty(); })) continue;
        j.Objeto()
            .Texto("concepto", fila[0])
            .Texto("suma_asegurada", Decimal(fila[1]))
            .Texto("prima_neta", Decimal(fila[2]))
            .Texto("recargo_fijo", Decimal(fila[3]))
            .Texto("subtotal", Decimal(fila[4]))
            .Fin();
    }
    j.Fin();
    for (const auto& p : CamposPrima(w)) j.Texto(p.clave, Decimal(p.campo->texto));
    j.Fin();

    j.Objeto("recibos");
    for (const auto& q : frecuencias) {
        j.Objeto(q.clave).Texto("primer_recibo", Dinero(q.primero)).Texto("subsecuentes", Dinero(q.siguientes)).Fin();
    }
    j.Fin();

    j.Objeto("ilustracion")
        .Texto("primer_recibo", Decimal(estudio.Label5.texto))
        .Texto("subsecuentes", Decimal(estudio.Label6.texto))
        .Lista("anos");
    const EstadoMotor& e = c.Corrida().Motor().Estado();
    for (int k = 1; k < estudio.dbgPlan.filas; ++k) {
        const auto& g = estudio.dbgPlan;
        j.Objeto()
            .Entero("ano", k)
            .Entero("edad", static_cast<long>(ValorNumericoSeguro(g.Celda(k, 1), 0)))
            .Texto("proteccion_total", Decimal(g.Celda(k, 2)))
            .Texto("prima_anualizada", Decimal(g.Celda(k, 3)))
            .Texto("fondo_acumulado", Decimal(g.Celda(k, 4)))
            .Texto("valor_rescate", Decimal(g.Celda(k, 5)))
            .Texto("seguro_saldado", Decimal(g.Celda(k, 6)))
            .Texto("anos_prorrogados", Decimal(g.Celda(k, 7)))
            .Valor("anos_prorrogados_exactos", e.AnosProrrogado[static_cast<size_t>(k)])
            .Fin();
    }
    j.Fin().Fin();
    j.Fin();
    out << "\n";
}

// ---------------------------------------------------------------- tariff

void ImprimirTarifa(Conductor& c, Formato f, std::ostream& out) {
    app::FrmCotizador& w = c.Ventana();
    const auto& hoja = c.Hoja();
    const auto& ventana = w.dbgProductosCotizacion;
    const EstadoMotor& e = c.Corrida().Motor().Estado();
    static const char* kClaves[] = {"edad",          "prima_sfp",  "recibos_subsecuentes", "suma_asegurada",
                                    "valor_rescate_5", "valor_rescate_10", "valor_rescate_15", "valor_rescate_20"};

    if (f == Formato::Csv) {
        FilaCsv(std::vector<std::string>(std::begin(kClaves), std::end(kClaves)), out);
        for (int r = 1; r < hoja.dbgPlan.filas; ++r) {
            std::vector<std::string> fila;
            for (int col = 0; col < 8; ++col) fila.push_back(Decimal(hoja.dbgPlan.Celda(r, col)));
            FilaCsv(fila, out);
        }
        return;
    }

    // The sheet's coverage list: each line with its terms, then its riders while their sums last.
    struct Cobertura {
        std::string nombre;
        int seguro, pago;
        double incremento;
        bool beneficio;
    };
    std::vector<Cobertura> coberturas;
    for (int l = 1; l <= 10 && e.SumaAseguradaMostrada[static_cast<size_t>(l)] > 0 && coberturas.size() < 10; ++l) {
        const size_t i = static_cast<size_t>(l);
        coberturas.push_back({e.TipoPlanLinea[i], e.PlazoSeguroMostrado[i], e.PlazoPagoMostrado[i], e.IncrementoMostrado[i] * 100.0, false});
        for (int n = 1; n <= 15 && e.SumaBeneficio[n][l] > 0 && coberturas.size() < 10; ++n) {
            std::string nombre = e.NombreBeneficio[n][l];
            if (nombre.size() > 14) nombre = nombre.substr(0, 15);
            coberturas.push_back({nombre, e.PlazoSeguroBeneficio[n][l], e.PlazoPagoBeneficio[n][l],
                                  e.IncrementoBeneficio[n][l] * 100.0, true});
        }
    }
    std::vector<std::string> rangos;
    if (w.chkbpai.marcada || w.chkbit.marcada) rangos.push_back(" 18 A 55 AÑOS (INVALIDEZ),");
    if (w.chkti.marcada || w.chkdi.marcada || w.chkma.marcada) rangos.push_back(" 18 A 65 AÑOS (ACCIDENTE),");
    if (w.chkenfgr.marcada) rangos.push_back(" 18 A 65 AÑOS (ENFERMEDAD),");
    const std::string fecha = FechaLarga(c.Hoy());
    const std::string tasa = TextoNumero(static_cast<double>(static_cast<float>(e.TasaFondo * 100)));

    if (f == Formato::Texto) {
        out << "Tarifa\n";
        Prospecto(w, out);
        out << "\n";
        TextoLineas(LineasDe(c.Lineas()), out);
        out << "\nVentana principal (Ca&lcular)\n";
        Tabla(Celdas(ventana), out);
        out << "\n" << hoja.caption << ": " << e.NombrePlan << "\n";
        out << "  " << w.txtNombre.texto << "\n  " << e.Moneda << " | " << w.comFormaPago.texto << " | " << w.comSexo.texto
            << " | Fuma: " << w.comFuma.texto << "\n";
        std::vector<std::vector<std::string>> t = {{"Cobertura", "P. Seguro", "P.Pago", "% Incremento"}};
        for (const auto& k : coberturas)
            t.push_back({(k.beneficio ? "   " : "") + k.nombre, Formatear(k.seguro, kFEdad), Formatear(k.pago, kFEdad),
                         Formatear(k.incremento, kFEdad)});
        Tabla(t, out);
        out << "\n";
        Tabla(Celdas(hoja.dbgPlan, 8), out);
        out << "  Agente: " << w.txtAgente.texto << "   Fecha: " << fecha << "   Tasa del fondo: " << tasa << " %\n";
        if (!rangos.empty()) out << " " << Lista(rangos, "") << "\n";
        return;
    }

    Json j(out);
    j.Objeto().Texto("tipo", "tarifa");
    JsonProspecto(w, j);
    j.Texto("plan", e.NombrePlan).Texto("edad_inicial", w.txtEdadInicial.texto).Texto("edad_final", w.txtEdadFinal.texto);
    j.Lista("lineas");
    for (const auto& l : LineasDe(c.Lineas())) JsonLinea(l, j).Fin();
    j.Fin();
    auto filas = [&](const char* clave, const app::Rejilla& g) {
        j.Lista(clave);
        for (int r = 1; r < g.filas; ++r) {
            j.Objeto();
            j.Entero(kClaves[0], static_cast<long>(ValorNumericoSeguro(g.Celda(r, 0), 0)));
            for (int col = 1; col < 8; ++col) j.Texto(kClaves[col], Decimal(g.Celda(r, col)));
            j.Fin();
        }
        j.Fin();
    };
    filas("filas_ventana", ventana);
    j.Objeto("hoja").Texto("titulo", hoja.caption).Lista("coberturas");
    for (const auto& k : coberturas)
        j.Objeto()
            .Texto("nombre", k.nombre)
            .Logico("beneficio", k.beneficio)
            .Entero("plazo_seguro", k.seguro)
            .Entero("plazo_pago", k.pago)
            .Valor("incremento", k.incremento)
            .Fin();
    j.Fin();
    filas("filas", hoja.dbgPlan);
    j.Texto("agente", w.txtAgente.texto).Texto("fecha", fecha).Texto("tasa_fondo", tasa).Lista("rangos_edad");
    for (const auto& r : rangos) j.Texto(nullptr, r);
    j.Fin().Fin();
    j.Fin();
    out << "\n";
}

// ---------------------------------------------------------------- catalogue

void ImprimirCatalogo(const std::shared_ptr<const datos::CatalogoProductos>& catalogo, const Fecha& hoy,
                      const std::filesystem::path& carpeta, Formato f, std::ostream& out) {
    Conductor c(catalogo, hoy, carpeta);
    const datos::Tabla& t = *catalogo->tablaProductos;
    const size_t id = *t.Posicion("Id"), nombre = *t.Posicion("Nombre"), moneda = *t.Posicion("Moneda");
    Json j(out);
    if (f == Formato::Json) j.Objeto().Texto("tipo", "catalogo").Texto("base_datos", catalogo->ruta.string()).Lista("productos");
    if (f == Formato::Csv)
        FilaCsv({"moneda", "producto", "nombre", "plazo_pago", "plazo_seguro", "incrementos", "beneficios",
                 "beneficios_menor"},
                out);
    for (const char* m : {"Pesos", "Dólares"}) {
        if (f == Formato::Texto) out << m << "\n";
        for (size_t i = 0; i < t.NumFilas(); ++i) {
            const auto& fila = t.Fila(i);
            if (fila[moneda].ComoTexto() != m) continue;
            const std::string codigo = fila[id].ComoTexto();
            const OfertaProducto adulto = c.Oferta(codigo, "35");
            const OfertaProducto menor = c.Oferta(codigo, "10");
            if (f == Formato::Texto) {
                out << "  " << codigo << "  " << fila[nombre].ComoTexto() << "\n    Plazos (pago/seguro):";
                for (const auto& p : adulto.plazos)
                    out << " " << p.pago << "/" << p.seguro << (p.incrementos.empty() ? "" : " [+" + Lista(p.incrementos, ",") + " %]");
                out << "\n    Beneficios: " << (adulto.beneficios.empty() ? "ninguno" : Lista(adulto.beneficios));
                if (menor.beneficios != adulto.beneficios)
                    out << "   (prospecto menor de edad: " << (menor.beneficios.empty() ? "ninguno" : Lista(menor.beneficios)) << ")";
                out << "\n";
            } else if (f == Formato::Csv) {
                for (const auto& p : adulto.plazos)
                    FilaCsv({m, codigo, fila[nombre].ComoTexto(), p.pago, p.seguro, Lista(p.incrementos), Lista(adulto.beneficios),
                             Lista(menor.beneficios)},
                            out);
            } else {
                j.Objeto().Texto("moneda", m).Texto("producto", codigo).Texto("nombre", fila[nombre].ComoTexto()).Lista("plazos");
                for (const auto& p : adulto.plazos) {
                    j.Objeto().Texto("plazo_pago", p.pago).Texto("plazo_seguro", p.seguro).Lista("incrementos");
                    for (const auto& x : p.incrementos) j.Texto(nullptr, x);
                    j.Fin().Fin();
                }
                j.Fin().Lista("beneficios");
                for (const auto& b : adulto.beneficios) j.Texto(nullptr, b);
                j.Fin().Lista("beneficios_menor");
                for (const auto& b : menor.beneficios) j.Texto(nullptr, b);
                j.Fin().Fin();
            }
        }
    }
    if (f == Formato::Json) {
        j.Fin().Fin();
        out << "\n";
    }
}

// ---------------------------------------------------------------- batch rows

const std::vector<std::string>& ColumnasResultadoLote() {
    static const std::vector<std::string> c = {
        "id",           "estado",         "mensaje",          "suma_asegurada",    "prima_neta",         "pago_fraccionado",
        "derecho_poliza", "prima_total",  "primer_recibo",    "subsecuentes",      "anual_primer_recibo", "anual_subsecuentes",
        "semestral_primer_recibo", "semestral_subsecuentes", "trimestral_primer_recibo", "trimestral_subsecuentes",
        "mensual_primer_recibo", "mensual_subsecuentes"};
    return c;
}

FilaResultado ResultadoLote(Conductor& c, const std::string& id) {
    app::FrmCotizador& w = c.Ventana();
    const EstadoMotor& e = c.Corrida().Motor().Estado();
    FilaResultado r = {{"id", id}, {"estado", "ok"}, {"mensaje", ""}, {"suma_asegurada", Dinero(e.SumaAseguradaGlobal)}};
    for (const auto& p : CamposPrima(w)) r.emplace_back(p.clave, Decimal(p.campo->texto));
    for (const auto& q : Frecuencias(c.Corrida().montos)) {
        r.emplace_back(std::string(q.clave) + "_primer_recibo", Dinero(q.primero));
        r.emplace_back(std::string(q.clave) + "_subsecuentes", Dinero(q.siguientes));
    }
    return r;
}

FilaResultado RechazoLote(const std::string& id, const std::string& estado, const std::string& mensaje) {
    FilaResultado r;
    for (const auto& col : ColumnasResultadoLote()) r.emplace_back(col, "");
    r[0].second = id;
    r[1].second = estado;
    r[2].second = mensaje;
    return r;
}

}  // namespace cv::cli
