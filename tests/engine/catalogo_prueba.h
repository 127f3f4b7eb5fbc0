#pragma once
// Test fixtures of the engine: a product catalogue assembled in memory (every table the
// engine binds, with the database's field names), the sample database, and quote builders.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/catalogo.h"
#include "engine/catalogo_motor.h"
#include "engine/errores.h"
#include "engine/premium/calculo.h"

namespace prueba {

using cv::datos::Valor;

// One record of "Productos". Defaults: level term, method 1, 5 % technical and reserve
// interest, no loading, no expense, mortality row 1 for both tables, commissions "1",
// volume discount "1", no age set-backs.
struct Producto {
    std::string id = "1";
    std::string nombre = "Producto de prueba";
    std::string moneda = "Pesos";
    Valor mortalidadPrima = 1, mortalidadRescate = 1;
    double tasaTecnica = 5, tasaReservas = 5;
    double recargoFijo = 0, gastos = 0;
    Valor comisiones = "1";
    int metodoPrima = 1, metodoRescate = 1;
    int anosCrecimiento = 0;
    Valor descuentoVolumen = "1";
    int aplicaDescuentos = 0, descuentoDividendos = 0;
    double recargoPrimaNeta = 0;
};

// Per 1000 by age 0..99; NaN stores an empty field.
using PorEdad = std::function<double(int)>;
inline PorEdad Constante(double v) {
    return [v](int) { return v; };
}

// A tier of "Descuento por Volumen": limit, column A, column B.
using Tramo = std::tuple<double, double, double>;

// A catalogue built in memory. The constructor leaves a minimal usable one: the management
// options (set-backs 2/3/1 to a lowest age of 15, dollar surcharges), mortality row 1 flat at
// 1 per 1000, product "1" as in Producto{}, commission schedule "1" at 0 % for every term up
// to 99 and volume discount "1" with no discount for any sum.
class CatalogoPrueba {
public:
    CatalogoPrueba();

    CatalogoPrueba& ConProducto(const Producto& p);  // replaces a product of the same id
    CatalogoPrueba& ConMortalidad(Valor no, PorEdad porMil);
    CatalogoPrueba& ConTarifa(Valor no, PorEdad porMil);
    // Replaces the schedule's rows; each row is (payment term, tiers of (last year, percent)).
    CatalogoPrueba& ConComisiones(const std::string& id,
                                  std::vector<std::pair<int, std::vector<std::pair<double, double>>>> filas);
    // The tiers are followed by one of limit 0, as the database ends them (unless ten are given).
    CatalogoPrueba& ConVolumen(Valor id, std::vector<Tramo> tramos);
    CatalogoPrueba& ConBeneficio(int id, const std::string& nombre, int aplicanDescuentosEdad, Valor tabla = 0);
    CatalogoPrueba& ConTarifaBeneficio(const std::string& producto, const std::string& beneficio, int plazoSeguro,
                                       int plazoPago, int dotal, int edadAlcanzada, Valor tabla);
    CatalogoPrueba& ConOpcion(const std::string& nombre, Valor valor);

    cv::datos::CatalogoProductos Construir() const;
    std::shared_ptr<const cv::CatalogoMotor> Motor() const;

private:
    std::map<std::string, Producto> productos_;
    std::vector<std::string> ordenProductos_;
    std::vector<std::pair<Valor, PorEdad>> mortalidad_, tarifas_;
    std::map<std::string, std::vector<std::pair<int, std::vector<std::pair<double, double>>>>> comisiones_;
    std::vector<std::pair<Valor, std::vector<Tramo>>> volumen_;
    std::vector<std::vector<Valor>> beneficios_, tarifasBeneficio_;
    std::vector<std::pair<std::string, Valor>> opciones_;
};

// The sample product database built from catalog/, bound once per test program.
const cv::datos::CatalogoProductos& CatalogoMuestra();
std::shared_ptr<const cv::CatalogoMotor> MotorMuestra();

// A quote line in years (plan flags off). A sum assured of 0 takes the share instead.
cv::LineaCotizacion Linea(const std::string& producto, int plazoSeguro, int plazoPago, double suma = 0,
                          float participacionPct = 100);

// An individual quote of one 40-year-old male smoker, pesos, annual, global sum 100 000, with
// the given lines; the window's product field shows line 1's product.
cv::EntradaCalculo Entrada(std::vector<cv::LineaCotizacion> lineas);

// What CalcularCotizacion does before running the steps: options, inputs, lines, groups.
void Preparar(cv::Calculo& c, const cv::EntradaCalculo& e);

// The message of the ErrorCalculo that f throws; "(sin error)" when it throws none.
std::string Mensaje(const std::function<void()>& f);

}  // namespace prueba
