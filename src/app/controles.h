#pragma once
// The controls of a window as plain values: what a text box, a list, a check box, a button or
// a label holds. A window model is a class whose members are its controls, named as the window
// names them; the Qt view binds each widget to its control and re-reads the model after every
// event.
#include <string>
#include <vector>

namespace cv::app {

struct Control {
    bool habilitado = true;
    bool visible = true;
};

struct Etiqueta : Control {
    std::string texto;
};

struct CuadroTexto : Control {
    std::string texto;
    int longitudMaxima = 0;  // 0: no limit
};

struct Casilla : Control {
    bool marcada = false;
    std::string titulo;
};

struct BotonOpcion : Control {
    bool seleccionado = false;
    std::string titulo;
};

struct Boton : Control {
    std::string titulo;
};

struct EntradaMenu : Control {
    std::string titulo;
};

struct Marco : Control {
    std::string titulo;
};

// A list or combo: its entries, the selected entry (-1 none) and the text it shows, which a
// combo may hold without being one of the entries.
struct Lista : Control {
    std::vector<std::string> elementos;
    int seleccion = -1;
    std::string texto;

    void Limpiar() {
        elementos.clear();
        seleccion = -1;
    }
    void Agregar(std::string e) { elementos.push_back(std::move(e)); }
    // Selects the entry equal to the text, or none; the text is shown either way.
    void MostrarTexto(const std::string& t) {
        texto = t;
        seleccion = -1;
        for (size_t i = 0; i < elementos.size(); ++i)
            if (elementos[i] == t) seleccion = static_cast<int>(i);
    }
};

// A grid: rows and columns of cell texts, column widths in twips.
struct Rejilla : Control {
    int filas = 0, columnas = 0;
    std::vector<std::vector<std::string>> celdas;
    std::vector<int> anchos;
    int filaActual = 0, columnaActual = 0;

    void Dimensionar(int f, int c) {
        filas = f;
        columnas = c;
        celdas.assign(static_cast<size_t>(f), std::vector<std::string>(static_cast<size_t>(c)));
        anchos.resize(static_cast<size_t>(c), 0);
    }
    std::string& Celda(int f, int c) { return celdas.at(static_cast<size_t>(f)).at(static_cast<size_t>(c)); }
    const std::string& Celda(int f, int c) const { return celdas.at(static_cast<size_t>(f)).at(static_cast<size_t>(c)); }
};

}  // namespace cv::app
