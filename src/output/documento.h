#pragma once
// A printed document as pages of drawing operations, the way the printer receives them:
// pictures scaled to a rectangle, texts with a font at a position, new pages and the end of the
// document. Positions are twips (1/1440 inch) from the paper's top-left corner, X to the right
// and Y downwards; the Y of a text is the top of its line. The renderer in src/render paints a
// document on a printer or into a PDF; tests read the operations.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cv::salida {

// Letter paper, portrait.
inline constexpr double kAnchoPapel = 12240, kAltoPapel = 15840;
// The stationery of every page: the printable area of a Letter sheet on the insurer's printers,
// 7.9 × 10.5 inches. Every printed position lies inside it (up to Y 14 600 and X 11 400), so the
// picture stands upright: wide 11385 and high 15165.
inline constexpr double kAnchoPapeleria = 11385, kAltoPapeleria = 15165;

struct Fuente {
    std::string nombre = "Times New Roman";
    double tamano = 12;  // points
    bool negrita = false;
    bool operator==(const Fuente&) const = default;
};

enum class Anclaje {
    Izquierda,  // starts at the position given
    Derecha,    // ends at the position given: starts at X − measured width
    Centro,     // centred in a width: starts at (width − measured width) / 2, a whole twip
};

struct Imagen {
    std::string nombre;  // a picture of the stationery: <nombre>.svg
    double x = 0, y = 0, ancho = 0, alto = 0;
    bool operator==(const Imagen&) const = default;
};

struct Texto {
    Fuente fuente;
    double x = 0;  // where the text starts, its anchor worked out
    double y = 0;  // top of the text line
    std::string texto;
    Anclaje anclaje = Anclaje::Izquierda;
    double referencia = 0;  // the position given: left X, right X, or the width to centre in
};

struct NuevaPagina {
    bool operator==(const NuevaPagina&) const = default;
};
struct FinDocumento {
    bool operator==(const FinDocumento&) const = default;
};

using Operacion = std::variant<Imagen, Texto, NuevaPagina, FinDocumento>;

struct Documento {
    std::vector<Operacion> operaciones;

    int Paginas() const;  // 0 for an empty document
    // The operations of one page (1-based), without the page breaks.
    std::vector<Operacion> Pagina(int numero) const;
    std::vector<Texto> Textos(int pagina) const;
    std::vector<Imagen> Imagenes(int pagina) const;
};

// Printed widths and line heights as the printer measures them, in twips.
class MedidorTexto {
public:
    virtual ~MedidorTexto() = default;
    virtual double Ancho(const Fuente& fuente, std::string_view texto) = 0;
    // How far down one printed line moves the next one.
    virtual double AltoLinea(const Fuente& fuente) = 0;
};

// Writes a document as a program prints on a printer: a current font, a current line that moves
// down by the font's line height after each printed line.
class Lienzo {
public:
    Lienzo(Documento& documento, MedidorTexto& medidor) : doc_(documento), medidor_(medidor) {}

    Fuente fuente;
    double y = 0;  // the current line

    void Imagen(const std::string& nombre, double x, double y, double ancho, double alto);
    void Papeleria(const std::string& nombre) { Imagen(nombre, 0, 0, kAnchoPapeleria, kAltoPapeleria); }
    void Izquierda(double x, std::string texto);
    // Ends at `x`; the width is that of `medido` when given (a shorter form of the text).
    void Derecha(double x, std::string texto, std::string_view medido = {});
    void Centrado(double ancho, std::string texto);
    void SiguienteLinea() { y += medidor_.AltoLinea(fuente); }
    void NuevaPagina();
    void Fin();

    MedidorTexto& Medidor() { return medidor_; }

private:
    void Poner(double x, double referencia, Anclaje anclaje, std::string texto);
    Documento& doc_;
    MedidorTexto& medidor_;
};

}  // namespace cv::salida
