#include "quote/archivo.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/dialogos.h"
#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv::cotizacion {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFin = "\r\n";

// ---- writing ----

class Escritor {
public:
    void Texto(const std::string& utf8, const char* campo) {
        if (utf8.find('"') != std::string::npos)
            throw std::runtime_error(std::string("el campo \"") + campo + "\" contiene comillas (\"), que el archivo no puede guardar");
        s_ += '"' + Utf8ACp1252(utf8) + '"' + kFin;
    }
    void Entero(long long n) { s_ += std::to_string(n) + kFin; }
    void Simple(float x) { s_ += TextoSimple(x) + kFin; }
    void Moneda(Currency c) {
        std::string t = c.Texto();
        if (t.rfind("0.", 0) == 0) t.erase(0, 1);
        if (t.rfind("-0.", 0) == 0) t.erase(1, 1);
        s_ += t + kFin;
    }
    void Logico(bool b) { s_ += std::string(b ? "#TRUE#" : "#FALSE#") + kFin; }
    const std::string& Resultado() const { return s_; }

    // The shortest form of a single-precision value, at most 7 significant digits, without
    // the zero before the point ("0.5" is ".5"), exponents as "1.5E+08".
    static std::string TextoSimple(float x) {
        if (x == 0) return "0";
        char b[40];
        std::snprintf(b, sizeof b, "%.7g", static_cast<double>(x));
        std::string t = b;
        if (auto e = t.find('e'); e != std::string::npos) t[e] = 'E';
        if (t.rfind("0.", 0) == 0) t.erase(0, 1);
        if (t.rfind("-0.", 0) == 0) t.erase(1, 1);
        return t;
    }

private:
    std::string s_;
};

// ---- reading ----

struct Ficha {
    std::string texto;
    bool comillas;
};

class Lector {
public:
    explicit Lector(const std::string& c) : c_(c) {}

    std::string Texto(const std::string& que) {
        Ficha f = Siguiente(que);
        if (!f.comillas) throw std::runtime_error(que + " debe ser un texto entre comillas");
        return Cp1252AUtf8(f.texto);
    }
    long long Entero(const std::string& que, long long minimo, long long maximo) {
        Ficha f = Siguiente(que);
        const std::string t = Recortar(f.texto);
        size_t i = (t.size() > 1 && t[0] == '-') ? 1 : 0;
        bool ok = !f.comillas && i < t.size();
        for (size_t k = i; ok && k < t.size(); ++k) ok = t[k] >= '0' && t[k] <= '9';
        long long n = 0;
        if (ok) {
            try {
                n = std::stoll(t);
            } catch (const std::exception&) {
                ok = false;
            }
        }
        if (!ok || n < minimo || n > maximo) throw std::runtime_error(que + " no es un número entero válido");
        return n;
    }
    double Numero(const std::string& que) {
        Ficha f = Siguiente(que);
        const std::string t = Recortar(f.texto);
        if (f.comillas || !EsNumerico(t) || t.find(',') != std::string::npos)
            throw std::runtime_error(que + " no es un número");
        return ValorNumerico(t);
    }
    bool Logico(const std::string& que) {
        Ficha f = Siguiente(que);
        const std::string t = Recortar(f.texto);
        if (!f.comillas && t == "#TRUE#") return true;
        if (!f.comillas && t == "#FALSE#") return false;
        throw std::runtime_error(que + " debe ser #TRUE# o #FALSE#");
    }

private:
    Ficha Siguiente(const std::string& que) {
        auto blanco = [&](char ch) { return ch == ' ' || ch == '\t'; };
        while (i_ < c_.size() && (blanco(c_[i_]) || c_[i_] == '\r' || c_[i_] == '\n')) ++i_;
        if (i_ >= c_.size()) throw std::runtime_error("el archivo termina antes de " + que);
        Ficha f{"", false};
        if (c_[i_] == '"') {
            size_t fin = c_.find('"', i_ + 1);
            if (fin == std::string::npos) throw std::runtime_error(que + " no cierra sus comillas");
            f = {c_.substr(i_ + 1, fin - i_ - 1), true};
            i_ = fin + 1;
            while (i_ < c_.size() && blanco(c_[i_])) ++i_;
        } else {
            size_t fin = c_.find_first_of(",\r\n", i_);
            if (fin == std::string::npos) fin = c_.size();
            f = {c_.substr(i_, fin - i_), false};
            i_ = fin;
        }
        if (i_ < c_.size() && c_[i_] == ',') ++i_;
        return f;
    }
    const std::string& c_;
    size_t i_ = 0;
};

const char* const kCampos[] = {"Nombre",
                               "Edad",
                               "Fecha de Nacimiento",
                               "ExtPr. Ocup.",
                               "ExtPr. Med.",
                               "Fuma",
                               "Sexo",
                               "Riesgo Selecto",
                               "Moneda",
                               "Forma de Pago",
                               "Int. del Fondo %",
                               "Suma Asegurada",
                               "Prima Global",
                               "No. Aportaciones",
                               "Tasa de Incremento",
                               "Tipo de Incremento",
                               "Monto de la Aportacion",
                               "Fondo Final",
                               "Edad Inicial",
                               "Edad Final",
                               "Agente",
                               "Individual",
                               "Tarifa",
                               "Paquete",
                               "número de líneas"};

}  // namespace

std::string EscribirCotizacion(app::FrmCotizador& w, const TablaLineas& t) {
    Escritor e;
    app::FrmAportaciones& a = w.Aportaciones();
    const std::string* textos[] = {&w.txtNombre.texto, &w.txtEdad.texto, &w.txtFechaNacimiento.texto,
                                   &w.txtExtraprimaOcupacional.texto, &w.txtExtraPrimaMedica.texto, &w.comFuma.texto,
                                   &w.comSexo.texto};
    for (int i = 0; i < 7; ++i) e.Texto(*textos[i], kCampos[i]);
    e.Entero(w.chkRiesgoSelecto.marcada ? 1 : 0);
    // "Aceptar" empties the dialog, so its boxes no longer hold the contributions the quote
    // uses; those are saved, so that the file reopens the same quote.
    const app::EstadoProceso& p = w.Proceso();
    const bool aportaciones = p.AportNumPagos != 0 || p.AportMonto != 0 || p.AportFondoFinal != 0;
    const std::string noPagos = aportaciones ? std::to_string(p.AportNumPagos) : a.txtNoPagos.texto;
    const std::string monto = aportaciones ? TextoNumero(p.AportMonto) : a.txtmontoAportacion.texto;
    const std::string fondo = aportaciones ? TextoNumero(p.AportFondoFinal) : a.txtFondoFinal.texto;
    const std::string* resto[] = {&w.comMoneda.texto,        &w.comFormaPago.texto,      &w.txtTasaInteres.texto,
                                  &w.txtSumaAseguradaGlobal.texto, &w.txtPrimaTotal.texto, &noPagos,
                                  &a.txtTasaIncremento.texto, &w.comTipoIncremento.texto, &monto,
                                  &fondo,                    &w.txtEdadInicial.texto,    &w.txtEdadFinal.texto,
                                  &w.txtAgente.texto};
    for (int i = 0; i < 13; ++i) e.Texto(*resto[i], kCampos[8 + i]);
    e.Logico(w.optDetalle.seleccionado);
    e.Logico(w.optResumen.seleccionado);
    e.Texto(w.dbcPaquete.texto, kCampos[23]);
    e.Entero(t.NumLineasCotizacion);
    for (int k = 1; k <= t.NumLineasCotizacion; ++k) {
        const LineaCotizacion& l = t.LineasCotizacion[static_cast<size_t>(k)];
        e.Texto(l.Producto, "Producto");
        e.Entero(l.PlazoSeguro);
        e.Entero(l.Auxiliar1);
        e.Entero(l.PlazoPago);
        e.Entero(l.Auxiliar2);
        e.Simple(l.Incremento);
        e.Moneda(l.SumaAsegurada);
        e.Simple(l.Participacion);
        for (uint8_t b : {l.Dotal, l.EdadAlcanzada, l.Ordinario}) e.Entero(b);
        e.Texto(l.TipoPlan, "TipoPlan");
        for (uint8_t b : {l.BIT, l.BPAI, l.MA, l.DI, l.TI, l.EG, l.BITF, l.CAF}) e.Entero(b);
        e.Entero(l.CantidadBeneficios);
        for (int r = 1; r <= l.CantidadBeneficios && r <= 10; ++r) {
            e.Texto(l.Beneficio[static_cast<size_t>(r)], "Beneficio");
            e.Simple(l.ParticipacionBeneficio[static_cast<size_t>(r)]);
        }
    }
    return e.Resultado();
}

CotizacionLeida LeerCotizacion(const std::string& contenido) {
    Lector r(contenido);
    CotizacionLeida q;
    auto que = [](int i) { return std::string("el valor ") + std::to_string(i + 1) + " (" + kCampos[i] + ")"; };
    for (int i = 0; i < 7; ++i) q.encabezado.push_back(r.Texto(que(i)));
    q.encabezado.push_back(r.Entero(que(7), -32768, 32767) != 0 ? "1" : "0");
    for (int i = 8; i < 21; ++i) q.encabezado.push_back(r.Texto(que(i)));
    q.encabezado.push_back(r.Logico(que(21)) ? "1" : "0");
    q.encabezado.push_back(r.Logico(que(22)) ? "1" : "0");
    q.encabezado.push_back(r.Texto(que(23)));
    const long long n = r.Entero(que(24), -32768, 32767);
    if (n < 0 || n > 20) throw std::runtime_error("la cotización tiene " + std::to_string(n) + " líneas; caben hasta 20");
    for (int k = 1; k <= n; ++k) {
        const std::string linea = "de la línea " + std::to_string(k);
        auto campo = [&](const char* nombre) { return std::string("el campo ") + nombre + " " + linea; };
        LineaCotizacion l;
        l.Producto = r.Texto(campo("Producto"));
        l.PlazoSeguro = static_cast<int16_t>(r.Entero(campo("PlazoSeguro"), -32768, 32767));
        l.Auxiliar1 = static_cast<int16_t>(r.Entero(campo("Auxiliar1"), -32768, 32767));
        l.PlazoPago = static_cast<int16_t>(r.Entero(campo("PlazoPago"), -32768, 32767));
        l.Auxiliar2 = static_cast<int16_t>(r.Entero(campo("Auxiliar2"), -32768, 32767));
        l.Incremento = static_cast<float>(r.Numero(campo("Incremento")));
        const double suma = r.Numero(campo("SumaAsegurada"));
        try {
            l.SumaAsegurada = Currency::DesdeDouble(suma);
        } catch (const std::exception&) {
            throw std::runtime_error(campo("SumaAsegurada") + " no es un importe válido");
        }
        l.Participacion = static_cast<float>(r.Numero(campo("Participacion")));
        for (uint8_t* b : {&l.Dotal, &l.EdadAlcanzada, &l.Ordinario})
            *b = static_cast<uint8_t>(r.Entero(campo("de plan"), 0, 255));
        l.TipoPlan = r.Texto(campo("TipoPlan"));
        for (uint8_t* b : {&l.BIT, &l.BPAI, &l.MA, &l.DI, &l.TI, &l.EG, &l.BITF, &l.CAF})
            *b = static_cast<uint8_t>(r.Entero(campo("de beneficio"), 0, 255));
        const long long m = r.Entero(campo("CantidadBeneficios"), -32768, 32767);
        if (m < 0 || m > 10)
            throw std::runtime_error("la línea " + std::to_string(k) + " tiene " + std::to_string(m) + " beneficios; caben hasta 10");
        l.CantidadBeneficios = static_cast<int16_t>(m);
        for (int e = 1; e <= m; ++e) {
            l.Beneficio[static_cast<size_t>(e)] = r.Texto(campo("Beneficio"));
            l.ParticipacionBeneficio[static_cast<size_t>(e)] = static_cast<float>(r.Numero(campo("ParticipacionBeneficio")));
        }
        q.lineas.push_back(l);
    }
    return q;
}

bool ArchivoCotizacion::Abrir(const fs::path& archivo) {
    std::string contenido;
    CotizacionLeida q;
    try {
        std::ifstream in(archivo, std::ios::binary);
        if (!in) throw std::runtime_error("no se puede leer el archivo");
        std::ostringstream ss;
        ss << in.rdbuf();
        contenido = ss.str();
        q = LeerCotizacion(contenido);
    } catch (const std::exception& e) {
        // Checked whole first: a refused file leaves the quote on the window as it was.
        w_.Ui().MostrarMensaje(app::Informacion(
            "No se pudo abrir la cotización " + archivo.filename().string() + ": " + e.what() + ".", "Validación"));
        return false;
    }
    ruta = archivo;
    TablaLineas& t = flujo_.tabla;
    t.Limpiar();
    const auto& h = q.encabezado;
    app::FrmAportaciones& a = w_.Aportaciones();
    w_.txtNombre.texto = h[0];
    w_.FijarEdad(h[1]);
    w_.txtFechaNacimiento.texto = h[2];
    w_.txtExtraprimaOcupacional.texto = h[3];
    w_.txtExtraPrimaMedica.texto = h[4];
    w_.comFuma.MostrarTexto(h[5]);
    w_.comSexo.MostrarTexto(h[6]);
    w_.chkRiesgoSelecto.marcada = h[7] == "1";
    w_.comMoneda.MostrarTexto(h[8]);
    w_.comMoneda_Click();
    w_.comFormaPago.MostrarTexto(h[9]);
    w_.txtTasaInteres.texto = h[10];
    w_.FijarPrimaTotal("");
    w_.FijarSumaAsegurada(h[11]);
    w_.FijarPrimaTotal(h[12]);
    a.txtNoPagos.texto = h[13];
    a.txtTasaIncremento.texto = h[14];
    a.txtTasaIncremento_Change();
    w_.comTipoIncremento.MostrarTexto(h[15]);
    a.txtmontoAportacion.texto = h[16];
    a.txtFondoFinal.texto = h[17];
    w_.txtEdadInicial.texto = h[18];
    w_.txtEdadFinal.texto = h[19];
    w_.txtAgente.texto = h[20];
    w_.optDetalle.seleccionado = h[21] == "1";
    w_.optResumen.seleccionado = h[22] == "1";
    w_.dbcPaquete.texto = h[23];
    // The contributions read are the ones the quote uses, as if the dialog had been accepted.
    const std::string noPagos = a.txtNoPagos.texto, monto = a.txtmontoAportacion.texto, fondo = a.txtFondoFinal.texto;
    const auto aportaciones = a.butAceptar_Click();
    a.txtNoPagos.texto = noPagos;
    a.txtmontoAportacion.texto = monto;
    a.txtFondoFinal.texto = fondo;
    a.txtTasaIncremento.texto = h[14];
    w_.AportacionesAceptadas(aportaciones);
    t.NumLineasCotizacion = static_cast<int16_t>(q.lineas.size());
    for (size_t k = 0; k < q.lineas.size(); ++k) {
        t.LineasCotizacion[k + 1] = q.lineas[k];
        if (k > 0) {
            // The file keeps only the first flag set, which lines after the first do not use:
            // their own set follows from product and term, as the window classified them.
            LineaCotizacion& l = t.LineasCotizacion[k + 1];
            const app::ClasePlan c = app::ClasificarPlanDe(ValorNumericoSeguro(l.Producto, 0), l.PlazoSeguro);
            l.Dotal2 = c.dotal;
            l.EdadAlcanzada2 = c.edadAlcanzada;
            l.Ordinario2 = c.ordinario;
        }
        // The file keeps no display names: each line shows its product's.
        std::string nombre;
        if (w_.Catalogo()) {
            datos::RecordSet productos(w_.Catalogo()->tablaProductos);
            if (productos.BuscarPrimero(datos::Igual("Id", datos::Valor(q.lineas[k].Producto))))
                nombre = productos.Campo("Nombre").ComoTexto();
        }
        t.NombresLinea[k + 1] = nombre;
    }
    flujo_.PrepararRejilla();
    flujo_.RefrescarRejilla();
    w_.ModoEdicion = 0;
    return true;
}

bool ArchivoCotizacion::Guardar(const fs::path& archivo) {
    const std::string nombre = archivo.filename().string();
    std::string texto;
    try {
        texto = EscribirCotizacion(w_, flujo_.tabla);
    } catch (const std::exception& e) {
        w_.Ui().MostrarMensaje(app::Informacion("No se puede guardar la cotización " + nombre + ": " + e.what() + ".", "Validación"));
        return false;
    }
    // Written beside the target and renamed over it: a failed save never destroys the last one.
    fs::path temporal = archivo;
    temporal += ".tmp";
    std::error_code ec;
    {
        std::ofstream out(temporal, std::ios::binary | std::ios::trunc);
        out << texto;
        out.close();
        if (!out) ec = std::make_error_code(std::errc::io_error);
    }
    if (!ec) fs::rename(temporal, archivo, ec);
    if (ec) {
        fs::remove(temporal, ec);
        w_.Ui().MostrarMensaje(app::Informacion("No se pudo guardar la cotización " + nombre + ".", "Validación"));
        return false;
    }
    return true;
}

void ArchivoCotizacion::mnuAbrir_Click() {
    auto elegido = w_.Ui().ElegirArchivoAbrir("Cotizacion.cvi", "Cotizacion Seguro de Vida (*.cvi)|*.cvi|All Files (*.*)|*.*");
    if (elegido && !elegido->empty()) Abrir(*elegido);
}

void ArchivoCotizacion::mnuGuardar_Click() {
    if (ruta.empty()) {
        auto elegido =
            w_.Ui().ElegirArchivoGuardar("Cotización.cvi", "Cotización Seguro de Vida (*.cvi)|*.cvi|All Files (*.*)|*.*");
        if (!elegido || elegido->empty()) return;
        ruta = *elegido;
    }
    Guardar(ruta);
}

void ArchivoCotizacion::mnuGuardarComo_Click() {
    auto elegido =
        w_.Ui().ElegirArchivoGuardar("Cotizacion.cvi", "Cotización Seguro de Vida (*.cvi)|*.cvi|All Files (*.*)|*.*");
    if (!elegido || elegido->empty()) return;
    ruta = *elegido;
    Guardar(ruta);
}

}  // namespace cv::cotizacion
