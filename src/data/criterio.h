#pragma once
// Conditions for find-first and for the run-time queries. Values are carried as values, never
// spliced into a query text, so a name with an apostrophe is just a name.
#include <string>
#include <vector>

#include "data/valor.h"

namespace cv::datos {

enum class Operador { Igual, Distinto, Menor, MenorIgual, Mayor, MayorIgual };

struct Condicion {
    std::string campo;
    Operador operador;
    Valor valor;
};

// A conjunction of conditions ("A = x And B >= y").
class Criterio {
public:
    Criterio() = default;
    Criterio(std::string campo, Operador op, Valor valor) { Y(std::move(campo), op, std::move(valor)); }

    Criterio& Y(std::string campo, Operador op, Valor valor) {
        condiciones_.push_back({std::move(campo), op, std::move(valor)});
        return *this;
    }
    const std::vector<Condicion>& Condiciones() const { return condiciones_; }

    // Readable form for messages: Id = '16' And Plazo >= 5
    std::string Texto() const;

private:
    std::vector<Condicion> condiciones_;
};

inline Criterio Igual(std::string campo, Valor valor) { return Criterio(std::move(campo), Operador::Igual, std::move(valor)); }

}  // namespace cv::datos
