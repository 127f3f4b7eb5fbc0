#pragma once
// The reference deck: quotes that cover every product, premium and surrender method, riders,
// growth, contributions, target premiums, tariffs, pesos and dollars; and the full results of
// one, written as lines "key<TAB>kind<TAB>value" (kind M money, D double, E whole, T text).
#include <string>
#include <vector>

#include "engine/premium/calculo.h"

namespace cv::referencia {

struct Caso {
    std::string nombre;
    EntradaCalculo entrada;
};

std::vector<Caso> Mazo();

struct Valor {
    std::string clave;
    char tipo;  // 'M', 'D', 'E', 'T'
    std::string texto;
};

// Runs the quote and lists every result an illustration, a proposal or a tariff reads.
std::vector<Valor> Resultados(Calculo& calculo, const Caso& caso);

std::string Escribir(const std::vector<Valor>& valores);
std::vector<Valor> Leer(const std::string& texto);

// First difference between expected and computed results: money, whole numbers and texts
// exactly, doubles to 1e-9 relative. Empty when they agree.
std::string PrimeraDiferencia(const std::vector<Valor>& esperado, const std::vector<Valor>& calculado);

}  // namespace cv::referencia
