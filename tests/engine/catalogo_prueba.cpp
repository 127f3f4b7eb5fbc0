#include "catalogo_prueba.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "data/tabla.h"

namespace prueba {

using cv::datos::RecordSet;
using cv::datos::Tabla;

namespace {

std::string Dos(const char* base, int k) {
    char b[96];
    std::snprintf(b, sizeof b, "%s %02d", base, k);
    return b;
}

std::vector<std::string> CamposPorEdad() {
    std::vector<std::string> c = {"No"};
    for (int a = 0; a <= 99; ++a) c.push_back(std::to_string(a));
    c.push_back("Nombre");
    return c;
}

std::shared_ptr<Tabla> TablaPorEdad(const char* nombre, const std::vector<std::pair<Valor, PorEdad>>& filas) {
    auto t = std::make_shared<Tabla>(nombre, CamposPorEdad());
    for (const auto& [no, f] : filas) {
        std::vector<Valor> fila(102, Valor(std::string("fila de prueba")));
        fila[0] = no;
        for (size_t a = 0; a <= 99; ++a) {
            const double v = f(static_cast<int>(a));
            fila[a + 1] = std::isnan(v) ? Valor() : Valor(v);
        }
        t->AgregarFila(std::move(fila));
    }
    return t;
}

template <typename T>
void Reemplazar(std::vector<std::pair<Valor, T>>& v, const Valor& clave, T dato) {
    for (auto& [k, d] : v)
        if (cv::datos::ClaveCanonica(k) == cv::datos::ClaveCanonica(clave)) {
            d = std::move(dato);
            return;
        }
    v.emplace_back(clave, std::move(dato));
}

}  // namespace

CatalogoPrueba::CatalogoPrueba() {
    const std::vector<std::pair<std::string, Valor>> opciones = {
        {"Tasa de Interes Pesos", 5.5},
        {"Tasa de Interes Dolares", 4.0},
        {"Recargo Mensual Dolares", 3.9},
        {"Recargo Trimestral Dolares", 3.2},
        {"Recargo Semestral Dolares", 2.1},
        {"Recargo Catorcenal Dolares", 4.4},
        {"Recargo Quincenal Dolares", 4.2},
        {"Edad Minima de Descuento", 15},
        {"Años de Descuento por no fumador", 2},
        {"Años de Descuento por mujer", 3},
        {"Riesgo Preferente", 1},
        {"Participacion de la Compañia en Dividendos", 0.5},
    };
    opciones_ = opciones;
    for (int k = 1; k <= 12; ++k) opciones_.emplace_back(Dos("Primas de Dotal a corto plazo pesos", k), 1000.0);
    for (int k = 1; k <= 12; ++k) opciones_.emplace_back(Dos("Primas de Dotal a corto plazo dolares", k), 1000.0);
    for (const char* f : {"Tope de Prima para Derecho de Poliza Pesos", "Derecho de Poliza Pesos",
                          "Tope de Prima para Derecho de Poliza dolares", "Derecho de Poliza dolares"})
        for (int k = 1; k <= 5; ++k) opciones_.emplace_back(Dos(f, k), 0.0);

    ConProducto(Producto{});
    ConMortalidad(1, Constante(1));
    ConComisiones("1", {{99, {{99, 0}}}});
    ConVolumen("1", {{999999999999.0, 0, 0}});
}

CatalogoPrueba& CatalogoPrueba::ConProducto(const Producto& p) {
    if (!productos_.count(p.id)) ordenProductos_.push_back(p.id);
    productos_[p.id] = p;
    return *this;
}

CatalogoPrueba& CatalogoPrueba::ConMortalidad(Valor no, PorEdad porMil) {
    Reemplazar(mortalidad_, no, std::move(porMil));
    return *this;
}

CatalogoPrueba& CatalogoPrueba::ConTarifa(Valor no, PorEdad porMil) {
    Reemplazar(tarifas_, no, std::move(porMil));
    return *this;
}

CatalogoPrueba& CatalogoPrueba::ConComisiones(
    const std::string& id, std::vector<std::pair<int, std::vector<std::pair<double, double>>>> filas) {
    comisiones_[id] = std::move(filas);
    return *this;
}

CatalogoPrueba& CatalogoPrueba::ConVolumen(Valor id, std::vector<Tramo> tramos) {
    Reemplazar(volumen_, id, std::move(tramos));
    return *this;
}

CatalogoPrueba& CatalogoPrueba::ConBeneficio(int id, const std::string& nombre, int aplicanDescuentosEdad, Valor tabla) {
    beneficios_.push_back({Valor(id), Valor(nombre), Valor(65), Valor(70), tabla, Valor(aplicanDescuentosEdad), Valor(1)});
    return *this;
}

CatalogoPrueba& CatalogoPrueba::ConTarifaBeneficio(const std::string& producto, const std::string& beneficio,
                                                   int plazoSeguro, int plazoPago, int dotal, int edadAlcanzada,
                                                   Valor tabla) {
    tarifasBeneficio_.push_back({Valor(producto), Valor(beneficio), Valor(plazoSeguro), Valor(plazoPago), Valor(dotal),
                                 Valor(edadAlcanzada), tabla});
    return *this;
}

CatalogoPrueba& CatalogoPrueba::ConOpcion(const std::string& nombre, Valor valor) {
    for (auto& [n, v] : opciones_)
        if (n == nombre) {
            v = std::move(valor);
            return *this;
        }
    opciones_.emplace_back(nombre, std::move(valor));
    return *this;
}

cv::datos::CatalogoProductos CatalogoPrueba::Construir() const {
    auto productos = std::make_shared<Tabla>(
        "Productos", std::vector<std::string>{"Id", "Nombre", "Moneda", "Tabla de Mortalidad (prima)",
                                              "Tabla de Mortalidad (rescate)", "Tasa de Interes Tecnica",
                                              "Interes sobre Reservas", "Recargo fijo", "Gastos de Expedicion",
                                              "Tabla de Comisiones", "Calculo de prima", "Calculo de rescate",
                                              "Años de crecimiento", "Descuento por Volumen",
                                              "Aplicacion de Descuentos", "Descuento por Dividendos",
                                              "Recargo a la Prima Neta"});
    for (const auto& id : ordenProductos_) {
        const Producto& p = productos_.at(id);
        productos->AgregarFila({Valor(p.id), Valor(p.nombre), Valor(p.moneda), p.mortalidadPrima, p.mortalidadRescate,
                                Valor(p.tasaTecnica), Valor(p.tasaReservas), Valor(p.recargoFijo), Valor(p.gastos),
                                p.comisiones, Valor(p.metodoPrima), Valor(p.metodoRescate), Valor(p.anosCrecimiento),
                                p.descuentoVolumen, Valor(p.aplicaDescuentos), Valor(p.descuentoDividendos),
                                Valor(p.recargoPrimaNeta)});
    }
    auto plazos = std::make_shared<Tabla>("Plazo por Producto", std::vector<std::string>{"Id", "PlazoPago", "PlazoSeguro"});

    auto beneficios = std::make_shared<Tabla>(
        "Beneficios Adicionales", std::vector<std::string>{"Id", "Nombre", "Edad Maxima", "Edad de Cancelacion",
                                                           "Tabla de Tarifas", "Aplican Descuentos en Edad",
                                                           "Aplican Incrementos"});
    for (const auto& f : beneficios_) beneficios->AgregarFila(f);

    auto paquetes = std::make_shared<Tabla>("Catalogo de Paquetes", std::vector<std::string>{"Id", "Paquete"});
    paquetes->AgregarFila({Valor(1), Valor("Paquete de prueba")});

    std::vector<std::string> camposComision = {"Id", "Plazo"};
    for (int t = 1; t <= 15; ++t) {
        camposComision.push_back(Dos("Hasta", t));
        camposComision.push_back(Dos("Porcentaje", t));
    }
    auto comisiones = std::make_shared<Tabla>("Esquema de Comisiones", camposComision);
    // Ordered by Id and then Plazo, as the window's query returns them.
    std::vector<std::pair<std::string, std::pair<int, std::vector<std::pair<double, double>>>>> filasComision;
    for (const auto& [id, filas] : comisiones_)
        for (const auto& f : filas) filasComision.emplace_back(id, f);
    std::stable_sort(filasComision.begin(), filasComision.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.first < b.second.first;
    });
    for (const auto& [id, f] : filasComision) {
        std::vector<Valor> fila = {Valor(id), Valor(f.first)};
        for (size_t t = 0; t < 15; ++t) {
            fila.push_back(t < f.second.size() ? Valor(f.second[t].first) : Valor(0));
            fila.push_back(t < f.second.size() ? Valor(f.second[t].second) : Valor(0.0));
        }
        comisiones->AgregarFila(std::move(fila));
    }

    auto mortalidad = TablaPorEdad("Tablas de Mortalidad", mortalidad_);

    std::vector<std::string> camposVolumen = {"Id", "Descripcion"};
    for (int t = 1; t <= 10; ++t) {
        camposVolumen.push_back(Dos("Limite", t));
        camposVolumen.push_back(Dos("Columna A", t));
        camposVolumen.push_back(Dos("Columna B", t));
    }
    auto volumen = std::make_shared<Tabla>("Descuento por Volumen", camposVolumen);
    for (const auto& [id, tramos] : volumen_) {
        std::vector<Valor> fila = {id, Valor("descuento de prueba")};
        for (size_t t = 0; t < 10; ++t) {
            const Tramo z = t < tramos.size() ? tramos[t] : Tramo{0, 0, 0};
            fila.push_back(Valor(std::get<0>(z)));
            fila.push_back(Valor(std::get<1>(z)));
            fila.push_back(Valor(std::get<2>(z)));
        }
        volumen->AgregarFila(std::move(fila));
    }

    auto tarifasBeneficio = std::make_shared<Tabla>(
        "Tarifas por Beneficio", std::vector<std::string>{"Producto", "Id", "Plazo de Seguro", "Plazo de Pago", "Dotal",
                                                          "Edad Alcanzada", "Tabla de Tarifas"});
    for (const auto& f : tarifasBeneficio_) tarifasBeneficio->AgregarFila(f);

    auto tarifas = TablaPorEdad("Tarifas", tarifas_);

    std::vector<std::string> camposOpciones;
    std::vector<Valor> filaOpciones;
    for (const auto& [n, v] : opciones_) {
        camposOpciones.push_back(n);
        filaOpciones.push_back(v);
    }
    auto opciones = std::make_shared<Tabla>("Opciones Gerenciales", camposOpciones);
    opciones->AgregarFila(filaOpciones);

    auto crystal = std::make_shared<Tabla>(
        "Crystal Reports", std::vector<std::string>{"Usuario", "AnoPoliza", "Edad", "PrimaAnualizada", "FondoAcumulado",
                                                    "Rescate", "SeguroProrrogado", "SeguroSaldado", "ProteccionTotal"});
    auto cobertura = std::make_shared<Tabla>(
        "Cobertura", std::vector<std::string>{"Usuario", "Numero", "Cobertura", "SumaAsegurada", "PlazoSeguro",
                                              "PlazoPago", "Crecimiento", "PrimaAnual"});
    auto tarifario =
        std::make_shared<Tabla>("Tarifario", std::vector<std::string>{"Producto", "Edad", "SumaAsegurada", "PrimaAnual"});

    cv::datos::CatalogoProductos c;
    c.ruta = "memoria";
    c.tablaProductos = productos;
    c.tablaPlazoPorProducto = plazos;
    c.datProductos = RecordSet(productos);
    c.datPlazoProducto = RecordSet(plazos);
    c.datBeneficiosAdicionales = RecordSet(beneficios);
    c.datCatalogoPaquetes = RecordSet(paquetes);
    c.datEsquemaComisiones = RecordSet(comisiones);
    c.datTablasMortalidad = RecordSet(mortalidad);
    c.datDescuentoVolumen = RecordSet(volumen);
    c.datTarifasBeneficio = RecordSet(tarifasBeneficio);
    c.datTarifas = RecordSet(tarifas);
    c.datOpcionesGerenciales = RecordSet(opciones);
    c.datCrystalReports = RecordSet(crystal);
    c.datReportsCrystal = RecordSet(cobertura);
    c.datTarifario = RecordSet(tarifario);
    c.datBeneficiosAdicionales.EstablecerIndice("Id");
    c.datCatalogoPaquetes.EstablecerIndice("Id");
    c.datTablasMortalidad.EstablecerIndice("No");
    c.datDescuentoVolumen.EstablecerIndice("Id");
    c.datTarifas.EstablecerIndice("No");
    return c;
}

std::shared_ptr<const cv::CatalogoMotor> CatalogoPrueba::Motor() const {
    return std::make_shared<cv::CatalogoMotor>(Construir());
}

const cv::datos::CatalogoProductos& CatalogoMuestra() {
    static const cv::datos::CatalogoProductos c = cv::datos::VincularCatalogo(CV_BASE_MUESTRA);
    return c;
}

std::shared_ptr<const cv::CatalogoMotor> MotorMuestra() {
    static const auto m = std::make_shared<const cv::CatalogoMotor>(CatalogoMuestra());
    return m;
}

cv::LineaCotizacion Linea(const std::string& producto, int plazoSeguro, int plazoPago, double suma,
                          float participacionPct) {
    cv::LineaCotizacion l;
    l.Producto = producto;
    l.PlazoSeguro = static_cast<int16_t>(plazoSeguro);
    l.PlazoPago = static_cast<int16_t>(plazoPago);
    l.SumaAsegurada = cv::Currency::DesdeDouble(suma);
    l.Participacion = suma > 0 ? 0 : participacionPct;
    return l;
}

cv::EntradaCalculo Entrada(std::vector<cv::LineaCotizacion> lineas) {
    cv::EntradaCalculo e;
    e.txtEdad = "40";
    e.comFuma = "Si";
    e.comSexo = "Masculino";
    e.comFormaPago = "Anual";
    e.comMoneda = "Pesos";
    e.txtSumaAseguradaGlobal = "100000";
    e.txtPrimaTotal = "0";
    e.lineas = std::vector<cv::LineaCotizacion>(1);
    for (auto& l : lineas) e.lineas.push_back(std::move(l));
    if (e.lineas.size() > 1) e.txtProducto = e.lineas[1].Producto;
    return e;
}

void Preparar(cv::Calculo& c, const cv::EntradaCalculo& e) {
    c.Entrada() = e;
    c.Estado() = cv::EstadoMotor{};
    c.LeerOpcionesGerenciales();
    c.CopiarEntradas();
    c.CopiarLineas();
    c.AgruparProductos();
}

std::string Mensaje(const std::function<void()>& f) {
    try {
        f();
    } catch (const cv::ErrorCalculo& e) {
        return e.what();
    }
    return "(sin error)";
}

}  // namespace prueba
