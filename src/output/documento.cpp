#include "output/documento.h"

#include "core/numeros.h"

namespace cv::salida {

int Documento::Paginas() const {
    if (operaciones.empty() || std::holds_alternative<FinDocumento>(operaciones.front())) return 0;
    int paginas = 1;
    for (const auto& op : operaciones) {
        if (std::holds_alternative<FinDocumento>(op)) break;
        if (std::holds_alternative<NuevaPagina>(op)) ++paginas;
    }
    return paginas;
}

std::vector<Operacion> Documento::Pagina(int numero) const {
    std::vector<Operacion> r;
    int pagina = 1;
    for (const auto& op : operaciones) {
        if (std::holds_alternative<FinDocumento>(op)) break;
        if (std::holds_alternative<NuevaPagina>(op)) {
            ++pagina;
            continue;
        }
        if (pagina == numero) r.push_back(op);
    }
    return r;
}

std::vector<Texto> Documento::Textos(int pagina) const {
    std::vector<Texto> r;
    for (const auto& op : Pagina(pagina))
        if (auto t = std::get_if<Texto>(&op)) r.push_back(*t);
    return r;
}

std::vector<Imagen> Documento::Imagenes(int pagina) const {
    std::vector<Imagen> r;
    for (const auto& op : Pagina(pagina))
        if (auto i = std::get_if<Imagen>(&op)) r.push_back(*i);
    return r;
}

void Lienzo::Imagen(const std::string& nombre, double x, double y0, double ancho, double alto) {
    doc_.operaciones.emplace_back(salida::Imagen{nombre, x, y0, ancho, alto});
}

void Lienzo::Poner(double x, double referencia, Anclaje anclaje, std::string texto) {
    Texto t;
    t.fuente = fuente;
    t.x = x;
    t.y = y;
    t.texto = std::move(texto);
    t.anclaje = anclaje;
    t.referencia = referencia;
    doc_.operaciones.emplace_back(std::move(t));
}

void Lienzo::Izquierda(double x, std::string texto) { Poner(x, x, Anclaje::Izquierda, std::move(texto)); }

void Lienzo::Derecha(double x, std::string texto, std::string_view medido) {
    const double ancho = medidor_.Ancho(fuente, medido.empty() ? std::string_view(texto) : medido);
    Poner(x - ancho, x, Anclaje::Derecha, std::move(texto));
}

void Lienzo::Centrado(double ancho, std::string texto) {
    const double x = RedondearPar((ancho - medidor_.Ancho(fuente, texto)) / 2);
    Poner(x, ancho, Anclaje::Centro, std::move(texto));
}

void Lienzo::NuevaPagina() { doc_.operaciones.emplace_back(salida::NuevaPagina{}); }
void Lienzo::Fin() { doc_.operaciones.emplace_back(FinDocumento{}); }

}  // namespace cv::salida
