#pragma once
// A table or query result held in memory, and the record sets over it.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/criterio.h"
#include "data/valor.h"

namespace cv::datos {

// Rows of one table or query, in the order the source gave them.
class Tabla {
public:
    Tabla(std::string nombre, std::vector<std::string> campos);

    const std::string& Nombre() const { return nombre_; }
    const std::vector<std::string>& Campos() const { return campos_; }
    // Position of a field; letter case is not significant. Nothing when the table lacks it.
    std::optional<size_t> Posicion(std::string_view campo) const;

    void AgregarFila(std::vector<Valor> fila);  // throws ErrorBaseDatos on a wrong field count
    size_t NumFilas() const { return filas_.size(); }
    const std::vector<Valor>& Fila(size_t i) const { return filas_[i]; }

private:
    std::string nombre_;
    std::vector<std::string> campos_;
    std::unordered_map<std::string, size_t> posiciones_;  // folded name -> position
    std::vector<std::vector<Valor>> filas_;
};

// A record set: an ordered view of some rows of a table with a current row. Walking, find
// first, seek on an index and the fields of the current row. When a search fails there is no
// current row: reading a field then throws instead of giving a stale value.
class RecordSet {
public:
    RecordSet() = default;  // unbound: no table, no rows
    explicit RecordSet(std::shared_ptr<const Tabla> tabla);            // every row, in order
    RecordSet(std::shared_ptr<const Tabla> tabla, std::vector<size_t> filas);

    bool Vinculado() const { return tabla_ != nullptr; }
    const Tabla& Fuente() const;  // throws ErrorCatalogo when unbound
    size_t NumRegistros() const { return filas_.size(); }

    // Walking in order. After MoverSiguiente past the last row FinDeArchivo() is true.
    void MoverPrimero();
    void MoverSiguiente();
    bool FinDeArchivo() const { return !actual_ || *actual_ >= filas_.size(); }
    bool HayActual() const { return actual_ && *actual_ < filas_.size(); }

    // First row, in this record set's order, that satisfies every condition. True when found;
    // otherwise SinCoincidencia() and no current row.
    bool BuscarPrimero(const Criterio& criterio);
    // Seek "=" on the index field set by EstablecerIndice: the first row whose key equals.
    void EstablecerIndice(std::string_view campo);  // throws ErrorCatalogo for an unknown field
    bool Buscar(const Valor& clave);                // throws ErrorCatalogo when no index is set
    bool SinCoincidencia() const { return sinCoincidencia_; }

    // Fields of the current row, by name (letter case not significant) or by position.
    const Valor& Campo(std::string_view nombre) const;
    const Valor& Campo(size_t posicion) const;
    size_t NumCampos() const;

    // A new record set over the rows of this one that satisfy the criterion, in this order or
    // sorted by one field (a stable sort, so ties keep this order); it stands on its first row.
    RecordSet Filtrar(const Criterio& criterio, std::optional<std::string_view> ordenarPor = {}) const;

private:
    size_t FilaActual() const;  // throws ErrorCatalogo without a current row
    bool Cumple(const std::vector<Valor>& fila, const std::vector<std::pair<size_t, const Condicion*>>& c) const;
    std::vector<std::pair<size_t, const Condicion*>> Resolver(const Criterio& criterio) const;

    std::shared_ptr<const Tabla> tabla_;
    std::vector<size_t> filas_;
    std::optional<size_t> actual_;
    bool sinCoincidencia_ = false;
    std::optional<size_t> indice_;
    std::shared_ptr<const std::unordered_map<std::string, size_t>> claves_;  // key -> first view position
};

// Canonical text of a key so that the number 8 and the text "8" find the same row.
std::string ClaveCanonica(const Valor& v);

}  // namespace cv::datos
