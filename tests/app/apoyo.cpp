#include "apoyo.h"

#include <cstdlib>
#include <stdexcept>

#include "data/catalogo.h"

namespace fs = std::filesystem;

namespace cv::app {

void PrintTo(const Mensaje& m, std::ostream* os) {
    *os << '{' << '"' << m.texto << "\", \"" << m.titulo << "\", "
        << (m.estilo == EstiloMensaje::Simple ? "Simple" : "Informacion") << '}';
}

}  // namespace cv::app

namespace prueba_app {

void Guion::MostrarAportaciones(FrmAportaciones& d) {
    if (enAportaciones) enAportaciones(d);
}

void Guion::MostrarEdadPadreTutor(FrmEdad& d) {
    ++vecesEdadTutor;
    d.foco = "txtEdad";
    d.FijarEdad(edadTutor);
    d.txtEdad_LostFocus();
    if (d.cmdregresa.habilitado)
        d.cmdregresa_Click();
    else
        d.abierto = false;  // the close box
}

Carpeta::Carpeta(const char* nombreBase) {
    std::string plantilla = (fs::temp_directory_path() / "cv_app_XXXXXX").string();
    if (!mkdtemp(plantilla.data())) throw std::runtime_error("no se pudo crear la carpeta temporal");
    ruta_ = plantilla;
    if (nombreBase) fs::copy_file(CV_BASE_MUESTRA, ruta_ / nombreBase);
}

Carpeta::~Carpeta() {
    std::error_code ec;
    fs::remove_all(ruta_, ec);
}

Sesion::Sesion(const char* nombreBase, Fecha hoy) : carpeta(nombreBase), w(guion, proceso, carpeta.Ruta()) {
    w.Form_Load(hoy);
}

void Sesion::Nombre(const std::string& nombre) {
    w.foco = "txtNombre";
    w.txtNombre.texto = nombre;
    w.txtNombre_LostFocus();
    w.foco = "txtEdad";
}

void Sesion::Edad(const std::vector<std::string>& textos, bool salir) {
    w.foco = "txtEdad";
    for (const auto& t : textos) w.FijarEdad(t);
    if (salir) {
        w.foco = "txtFechaNacimiento";
        w.txtEdad_LostFocus();
    }
}

void Sesion::FechaNacimiento(const std::string& texto, const std::string& siguiente) {
    w.txtFechaNacimiento.texto = texto;
    w.foco = siguiente;
    w.txtFechaNacimiento_LostFocus(kHoy);
}

void Sesion::Moneda(const std::string& moneda) {
    w.comMoneda.MostrarTexto(moneda);
    w.comMoneda_Click();
}

void Sesion::ProductoPorNombre(const std::string& nombre) {
    w.FijarTextoProducto(nombre);
    w.dbcProducto_Click();
    w.dbcProducto_LostFocus();
}

void Sesion::Producto(const std::string& codigo) {
    const std::string moneda = MonedaProducto(codigo);
    if (w.comMoneda.texto != moneda) Moneda(moneda);
    ProductoPorNombre(NombreProducto(codigo));
}

void Sesion::Pago(const std::string& texto) {
    w.FijarPago(texto);
    w.dbcPago_Click();
    w.dbcPago_LostFocus();
}

void Sesion::SalirParticipacion() { w.txtParticipacion_LostFocus(); }

void Sesion::Alternar(Casilla& caja, void (FrmCotizador::*regla)()) {
    caja.marcada = !caja.marcada;
    (w.*regla)();
}

namespace {

std::string Campo(const FrmCotizador& w, const std::string& codigo, const char* campo) {
    const cv::datos::Tabla& t = *w.Catalogo()->tablaProductos;
    const size_t id = *t.Posicion("Id"), c = *t.Posicion(campo);
    for (size_t i = 0; i < t.NumFilas(); ++i)
        if (t.Fila(i)[id].ComoTexto() == codigo) return t.Fila(i)[c].ComoTexto();
    throw std::invalid_argument("producto " + codigo + " no está en el catálogo de muestra");
}

}  // namespace

std::string Sesion::NombreProducto(const std::string& codigo) const { return Campo(w, codigo, "Nombre"); }
std::string Sesion::MonedaProducto(const std::string& codigo) const { return Campo(w, codigo, "Moneda"); }

}  // namespace prueba_app
