#include "engine/catalogo_motor.h"

#include <algorithm>
#include <charconv>

#include "data/errores.h"
#include "data/tabla.h"
#include "engine/errores.h"

namespace cv {

using datos::ClaveCanonica;
using datos::RecordSet;

namespace {

std::string ClaveBeneficio(const std::string& producto, const std::string& beneficio, const Valor& seguro,
                           const Valor& pago, const Valor& dotal, const Valor& ea) {
    const char s = '\x1f';
    return producto + s + beneficio + s + ClaveCanonica(seguro) + s + ClaveCanonica(pago) + s + ClaveCanonica(dotal) +
           s + ClaveCanonica(ea);
}

// The whole number of a canonical numeric key ("n16"), if it is one.
std::optional<int> EnteroDeClave(const std::string& clave) {
    if (clave.size() < 2 || clave[0] != 'n') return std::nullopt;
    int n = 0;
    auto [p, ec] = std::from_chars(clave.data() + 1, clave.data() + clave.size(), n);
    if (ec != std::errc() || p != clave.data() + clave.size()) return std::nullopt;
    return n;
}

void LeerPorEdad(RecordSet rs, std::unordered_map<std::string, FilaPorEdad>& destino) {
    const auto pos18 = rs.Fuente().Posicion("18");
    for (rs.MoverPrimero(); !rs.FinDeArchivo(); rs.MoverSiguiente()) {
        FilaPorEdad f;
        f.clave = rs.Campo(size_t{0}).ComoTexto();
        for (size_t a = 0; a < 100; ++a) {
            f.edad[a] = rs.Campo(a + 1);
            try {
                f.tasa[a] = f.edad[a].ComoDouble();
                f.numerica[a] = true;
            } catch (const datos::ErrorCatalogo&) {
                f.numerica[a] = false;  // reported when a calculation reads it
            }
        }
        if (pos18) f.campo18 = rs.Campo(*pos18);
        destino.emplace(ClaveCanonica(rs.Campo(size_t{0})), std::move(f));  // seek finds the first
    }
}

}  // namespace

CatalogoMotor::CatalogoMotor(const datos::CatalogoProductos& c) {
    for (RecordSet rs(c.tablaProductos); !rs.FinDeArchivo(); rs.MoverSiguiente()) {
        ProductoMotor p;
        p.Id = rs.Campo("Id").ComoTexto();
        p.Nombre = rs.Campo("Nombre").ComoTexto();
        p.TablaMortalidadPrima = rs.Campo("Tabla de Mortalidad (prima)");
        p.TablaMortalidadRescate = rs.Campo("Tabla de Mortalidad (rescate)");
        p.TasaInteresTecnica = rs.Campo("Tasa de Interes Tecnica");
        p.InteresSobreReservas = rs.Campo("Interes sobre Reservas");
        p.RecargoFijo = rs.Campo("Recargo fijo");
        p.GastosExpedicion = rs.Campo("Gastos de Expedicion");
        p.TablaComisiones = rs.Campo("Tabla de Comisiones");
        p.CalculoPrima = rs.Campo("Calculo de prima");
        p.CalculoRescate = rs.Campo("Calculo de rescate");
        p.AnosCrecimiento = rs.Campo("Años de crecimiento");
        p.DescuentoPorVolumen = rs.Campo("Descuento por Volumen");
        p.AplicacionDescuentos = rs.Campo("Aplicacion de Descuentos");
        p.DescuentoPorDividendos = rs.Campo("Descuento por Dividendos");
        p.RecargoPrimaNeta = rs.Campo("Recargo a la Prima Neta");
        productos_.emplace(p.Id, std::move(p));
    }
    LeerPorEdad(c.datTablasMortalidad, mortalidad_);
    LeerPorEdad(c.datTarifas, tarifas_);

    // Rows in the holder's order (Id, then Plazo), so the first row not below m is the one found.
    RecordSet rs = c.datEsquemaComisiones;
    for (rs.MoverPrimero(); !rs.FinDeArchivo(); rs.MoverSiguiente()) {
        FilaComision f;
        for (size_t i = 0; i < f.campos.size(); ++i) f.campos[i] = rs.Campo(i);
        try {
            f.plazo = f.campos[1].ComoDouble();
        } catch (const datos::ErrorCatalogo&) {
            continue;  // a row without a numeric term never satisfies "Plazo >= m"
        }
        comisiones_[f.campos[0].ComoTexto()].push_back(std::move(f));
    }
    rs = c.datDescuentoVolumen;
    for (rs.MoverPrimero(); !rs.FinDeArchivo(); rs.MoverSiguiente()) {
        std::vector<Valor> campos;
        for (size_t i = 0; i < rs.NumCampos(); ++i) campos.push_back(rs.Campo(i));
        volumen_.emplace(ClaveCanonica(rs.Campo("Id")), std::move(campos));
    }
    rs = c.datBeneficiosAdicionales;
    for (rs.MoverPrimero(); !rs.FinDeArchivo(); rs.MoverSiguiente()) {
        BeneficioMotor b{rs.Campo("Id"),          rs.Campo("Nombre"),
                         rs.Campo("Edad Maxima"), rs.Campo("Edad de Cancelacion"),
                         rs.Campo("Aplican Descuentos en Edad"), rs.Campo("Aplican Incrementos")};
        beneficios_.emplace(ClaveCanonica(b.Id), std::move(b));
    }
    rs = c.datTarifasBeneficio;
    for (rs.MoverPrimero(); !rs.FinDeArchivo(); rs.MoverSiguiente())
        tarifasBeneficio_.emplace(ClaveBeneficio(rs.Campo("Producto").ComoTexto(), rs.Campo("Id").ComoTexto(),
                                                 rs.Campo("Plazo de Seguro"), rs.Campo("Plazo de Pago"),
                                                 rs.Campo("Dotal"), rs.Campo("Edad Alcanzada")),
                                  rs.Campo("Tabla de Tarifas"));
    for (auto& [id, p] : productos_) {
        p.filaPrima = Mortalidad(p.TablaMortalidadPrima);
        p.filaRescate = Mortalidad(p.TablaMortalidadRescate);
    }
    // Keys that are whole numbers are also found by number, without building their text.
    for (const auto& [clave, registro] : volumen_)
        if (auto n = EnteroDeClave(clave)) volumenPorNumero_.emplace(*n, &registro);
    for (const auto& [clave, b] : beneficios_)
        if (auto n = EnteroDeClave(clave)) beneficiosPorNumero_.emplace(*n, &b);
    rs = c.datOpcionesGerenciales;
    rs.MoverPrimero();
    if (rs.HayActual())
        for (size_t i = 0; i < rs.NumCampos(); ++i) opciones_.emplace(rs.Fuente().Campos()[i], rs.Campo(i));
}

const ProductoMotor* CatalogoMotor::Producto(const std::string& id) const {
    auto it = productos_.find(id);
    return it == productos_.end() ? nullptr : &it->second;
}

const FilaPorEdad* CatalogoMotor::Mortalidad(const Valor& clave) const {
    auto it = mortalidad_.find(ClaveCanonica(clave));
    return it == mortalidad_.end() ? nullptr : &it->second;
}

const FilaPorEdad* CatalogoMotor::Tarifa(const Valor& clave) const {
    auto it = tarifas_.find(ClaveCanonica(clave));
    return it == tarifas_.end() ? nullptr : &it->second;
}

const FilaComision* CatalogoMotor::Comision(const std::string& tabla, int m) const {
    auto it = comisiones_.find(tabla);
    if (it == comisiones_.end()) return nullptr;
    for (const auto& f : it->second)
        if (f.plazo >= m) return &f;
    return nullptr;
}

const std::vector<Valor>* CatalogoMotor::Volumen(const Valor& clave) const {
    auto it = volumen_.find(ClaveCanonica(clave));
    return it == volumen_.end() ? nullptr : &it->second;
}

const std::vector<Valor>* CatalogoMotor::Volumen(int clave) const {
    auto it = volumenPorNumero_.find(clave);
    return it == volumenPorNumero_.end() ? nullptr : it->second;
}

const BeneficioMotor* CatalogoMotor::Beneficio(int id) const {
    auto it = beneficiosPorNumero_.find(id);
    return it == beneficiosPorNumero_.end() ? nullptr : it->second;
}

const BeneficioMotor* CatalogoMotor::Beneficio(const Valor& id) const {
    auto it = beneficios_.find(ClaveCanonica(id));
    return it == beneficios_.end() ? nullptr : &it->second;
}

const Valor* CatalogoMotor::TablaDeBeneficio(const std::string& producto, const std::string& beneficio,
                                             int plazoSeguro, int plazoPago, int dotal, int edadAlcanzada) const {
    auto it = tarifasBeneficio_.find(
        ClaveBeneficio(producto, beneficio, Valor(plazoSeguro), Valor(plazoPago), Valor(dotal), Valor(edadAlcanzada)));
    return it == tarifasBeneficio_.end() ? nullptr : &it->second;
}

const Valor& CatalogoMotor::Opcion(const std::string& nombre) const {
    // Option names are matched as the record set matches fields: ASCII letter case ignored.
    auto it = opciones_.find(nombre);
    if (it != opciones_.end()) return it->second;
    for (const auto& [k, v] : opciones_)
        if (k.size() == nombre.size() &&
            std::equal(k.begin(), k.end(), nombre.begin(), [](char a, char b) {
                auto f = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
                return f(a) == f(b);
            }))
            return v;
    throw ErrorCalculo("Falta la opción \"" + nombre + "\" en la tabla \"Opciones Gerenciales\".");
}

}  // namespace cv
