#pragma once
// The catalogue as the engine reads it: every table of the product database taken once from
// the bound record sets into lookups keyed as the engine's searches are (seek on a key, first
// row of a criterion), so that a calculation does no I/O and no text search.
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/catalogo.h"
#include "data/valor.h"

namespace cv {

using datos::Valor;

struct FilaPorEdad;

struct ProductoMotor {
    std::string Id, Nombre;
    // Rows its keys name, found once when the catalogue is read (null: not in the catalogue).
    const FilaPorEdad* filaPrima = nullptr;
    const FilaPorEdad* filaRescate = nullptr;
    Valor TablaMortalidadPrima, TablaMortalidadRescate, TasaInteresTecnica, InteresSobreReservas, RecargoFijo,
        GastosExpedicion, TablaComisiones, CalculoPrima, CalculoRescate, AnosCrecimiento, DescuentoPorVolumen,
        AplicacionDescuentos, DescuentoPorDividendos, RecargoPrimaNeta;
};

// A row of "Tablas de Mortalidad" or "Tarifas": the field at position a + 1 for age a.
struct FilaPorEdad {
    std::string clave;
    std::array<Valor, 100> edad;
    Valor campo18;  // the field named "18"
    // The same fields as numbers, for the loops over ages; `numerica` tells which ones are.
    std::array<double, 100> tasa{};
    std::array<bool, 100> numerica{};
};

struct FilaComision {
    double plazo = 0;
    std::array<Valor, 32> campos;  // by position: Id, Plazo, then 15 pairs of last year and rate
};

struct BeneficioMotor {
    Valor Id, Nombre, EdadMaxima, EdadCancelacion, AplicanDescuentosEdad, AplicanIncrementos;
};

class CatalogoMotor {
public:
    // Throws datos::ErrorBaseDatos for a catalogue whose tables lack what the engine reads.
    explicit CatalogoMotor(const datos::CatalogoProductos& c);

    // "ID='" + code + "'" on the products: exact text.
    const ProductoMotor* Producto(const std::string& id) const;
    // Seek "=" on "No".
    const FilaPorEdad* Mortalidad(const Valor& clave) const;
    const FilaPorEdad* Tarifa(const Valor& clave) const;
    // "Id = '" + table + "' And Plazo >= " + m: the schedule's row with the smallest term not below m.
    const FilaComision* Comision(const std::string& tabla, int m) const;
    // Seek "=" on "Id": the 31 fields of the record.
    const std::vector<Valor>* Volumen(const Valor& clave) const;
    const std::vector<Valor>* Volumen(int clave) const;
    const BeneficioMotor* Beneficio(const Valor& id) const;
    const BeneficioMotor* Beneficio(int id) const;
    // First row of "Tarifas por Beneficio" for product, rider and line terms; its "Tabla de Tarifas".
    const Valor* TablaDeBeneficio(const std::string& producto, const std::string& beneficio, int plazoSeguro,
                                  int plazoPago, int dotal, int edadAlcanzada) const;
    // A field of the single "Opciones Gerenciales" record.
    const Valor& Opcion(const std::string& nombre) const;

private:
    std::unordered_map<std::string, ProductoMotor> productos_;
    std::unordered_map<std::string, FilaPorEdad> mortalidad_, tarifas_;
    std::unordered_map<std::string, std::vector<FilaComision>> comisiones_;
    std::unordered_map<std::string, std::vector<Valor>> volumen_;
    std::unordered_map<int, const std::vector<Valor>*> volumenPorNumero_;
    std::unordered_map<std::string, BeneficioMotor> beneficios_;
    std::unordered_map<int, const BeneficioMotor*> beneficiosPorNumero_;
    std::unordered_map<std::string, Valor> tarifasBeneficio_;
    std::unordered_map<std::string, Valor> opciones_;
};

}  // namespace cv
