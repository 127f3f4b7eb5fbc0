#include "data/tabla.h"

#include <algorithm>
#include <charconv>

#include "data/errores.h"

namespace cv::datos {

namespace {

// Field names are matched without regard to ASCII letter case.
std::string Plegar(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

bool Satisface(int comparacion, Operador op) {
    if (comparacion == kIncomparable) return false;
    switch (op) {
        case Operador::Igual: return comparacion == 0;
        case Operador::Distinto: return comparacion != 0;
        case Operador::Menor: return comparacion < 0;
        case Operador::MenorIgual: return comparacion <= 0;
        case Operador::Mayor: return comparacion > 0;
        case Operador::MayorIgual: return comparacion >= 0;
    }
    return false;
}

}  // namespace

std::string ClaveCanonica(const Valor& v) {
    const auto& var = v.Variante();
    double x = 0;
    if (auto* n = std::get_if<int64_t>(&var)) {
        x = static_cast<double>(*n);
    } else if (auto* d = std::get_if<double>(&var)) {
        x = *d;
    } else if (auto* s = std::get_if<std::string>(&var)) {
        Valor texto(*s);
        try {
            x = texto.ComoDouble();
        } catch (const ErrorCatalogo&) {
            return "t" + *s;
        }
    } else {
        return "-";  // NULL keys are never found
    }
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, x);
    (void)ec;
    return "n" + std::string(buf, p);
}

Tabla::Tabla(std::string nombre, std::vector<std::string> campos)
    : nombre_(std::move(nombre)), campos_(std::move(campos)) {
    for (size_t i = 0; i < campos_.size(); ++i) posiciones_.emplace(Plegar(campos_[i]), i);
}

std::optional<size_t> Tabla::Posicion(std::string_view campo) const {
    auto it = posiciones_.find(Plegar(campo));
    if (it == posiciones_.end()) return std::nullopt;
    return it->second;
}

void Tabla::AgregarFila(std::vector<Valor> fila) {
    if (fila.size() != campos_.size())
        throw ErrorBaseDatos("La tabla \"" + nombre_ + "\" recibió una fila de " + std::to_string(fila.size()) +
                             " campos; tiene " + std::to_string(campos_.size()) + ".");
    filas_.push_back(std::move(fila));
}

RecordSet::RecordSet(std::shared_ptr<const Tabla> tabla) : tabla_(std::move(tabla)) {
    if (tabla_) {
        filas_.resize(tabla_->NumFilas());
        for (size_t i = 0; i < filas_.size(); ++i) filas_[i] = i;
    }
    MoverPrimero();
}

RecordSet::RecordSet(std::shared_ptr<const Tabla> tabla, std::vector<size_t> filas)
    : tabla_(std::move(tabla)), filas_(std::move(filas)) {
    MoverPrimero();
}

const Tabla& RecordSet::Fuente() const {
    if (!tabla_) throw ErrorCatalogo("El catálogo de productos no está abierto.");
    return *tabla_;
}

void RecordSet::MoverPrimero() {
    sinCoincidencia_ = false;
    if (filas_.empty())
        actual_.reset();
    else
        actual_ = 0;
}

void RecordSet::MoverSiguiente() {
    if (HayActual()) ++*actual_;
}

std::vector<std::pair<size_t, const Condicion*>> RecordSet::Resolver(const Criterio& criterio) const {
    const Tabla& t = Fuente();
    std::vector<std::pair<size_t, const Condicion*>> r;
    for (const auto& c : criterio.Condiciones()) {
        auto pos = t.Posicion(c.campo);
        if (!pos) throw ErrorCatalogo("La tabla \"" + t.Nombre() + "\" no tiene el campo \"" + c.campo + "\".");
        r.emplace_back(*pos, &c);
    }
    return r;
}

bool RecordSet::Cumple(const std::vector<Valor>& fila,
                       const std::vector<std::pair<size_t, const Condicion*>>& c) const {
    for (const auto& [pos, cond] : c)
        if (!Satisface(fila[pos].Comparar(cond->valor), cond->operador)) return false;
    return true;
}

bool RecordSet::BuscarPrimero(const Criterio& criterio) {
    auto c = Resolver(criterio);
    for (size_t i = 0; i < filas_.size(); ++i) {
        if (Cumple(tabla_->Fila(filas_[i]), c)) {
            actual_ = i;
            sinCoincidencia_ = false;
            return true;
        }
    }
    actual_.reset();
    sinCoincidencia_ = true;
    return false;
}

void RecordSet::EstablecerIndice(std::string_view campo) {
    const Tabla& t = Fuente();
    auto pos = t.Posicion(campo);
    if (!pos) throw ErrorCatalogo("La tabla \"" + t.Nombre() + "\" no tiene el campo \"" + std::string(campo) + "\".");
    auto claves = std::make_shared<std::unordered_map<std::string, size_t>>();
    for (size_t i = 0; i < filas_.size(); ++i) claves->emplace(ClaveCanonica(t.Fila(filas_[i])[*pos]), i);
    indice_ = pos;
    claves_ = std::move(claves);
}

bool RecordSet::Buscar(const Valor& clave) {
    if (!indice_) throw ErrorCatalogo("La tabla \"" + Fuente().Nombre() + "\" no tiene índice para buscar.");
    auto it = claves_->find(ClaveCanonica(clave));
    if (it == claves_->end()) {
        actual_.reset();
        sinCoincidencia_ = true;
        return false;
    }
    actual_ = it->second;
    sinCoincidencia_ = false;
    return true;
}

size_t RecordSet::FilaActual() const {
    if (!HayActual())
        throw ErrorCatalogo("La tabla \"" + Fuente().Nombre() + "\" no tiene un registro actual.");
    return filas_[*actual_];
}

const Valor& RecordSet::Campo(std::string_view nombre) const {
    size_t fila = FilaActual();
    auto pos = tabla_->Posicion(nombre);
    if (!pos) throw ErrorCatalogo("La tabla \"" + tabla_->Nombre() + "\" no tiene el campo \"" + std::string(nombre) + "\".");
    return tabla_->Fila(fila)[*pos];
}

const Valor& RecordSet::Campo(size_t posicion) const {
    size_t fila = FilaActual();
    if (posicion >= tabla_->Campos().size())
        throw ErrorCatalogo("La tabla \"" + tabla_->Nombre() + "\" no tiene un campo en la posición " +
                            std::to_string(posicion) + ".");
    return tabla_->Fila(fila)[posicion];
}

size_t RecordSet::NumCampos() const { return Fuente().Campos().size(); }

RecordSet RecordSet::Filtrar(const Criterio& criterio, std::optional<std::string_view> ordenarPor) const {
    auto c = Resolver(criterio);
    std::vector<size_t> filas;
    for (size_t f : filas_)
        if (Cumple(tabla_->Fila(f), c)) filas.push_back(f);
    if (ordenarPor) {
        auto pos = tabla_->Posicion(*ordenarPor);
        if (!pos)
            throw ErrorCatalogo("La tabla \"" + tabla_->Nombre() + "\" no tiene el campo \"" + std::string(*ordenarPor) + "\".");
        std::stable_sort(filas.begin(), filas.end(), [&](size_t a, size_t b) {
            // NULLs sort first, as the database engine orders them.
            const Valor& va = tabla_->Fila(a)[*pos];
            const Valor& vb = tabla_->Fila(b)[*pos];
            if (va.EsNulo() || vb.EsNulo()) return va.EsNulo() && !vb.EsNulo();
            return va.Comparar(vb) == -1;
        });
    }
    return RecordSet(tabla_, std::move(filas));
}

}  // namespace cv::datos
