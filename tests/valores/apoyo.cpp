#include "apoyo.h"

#include <algorithm>
#include <cmath>
#include <iomanip>

#include "data/tabla.h"

namespace valores {

::testing::AssertionResult Cerca(const char* ea, const char* eb, double a, double b) {
    const double tol = std::max(1e-9 * std::fabs(b), 1e-9);
    if (std::fabs(a - b) <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ea << " = " << std::setprecision(17) << a << "\n"
                                         << eb << " = " << b << "\ndiferencia " << (a - b);
}

Factor Crecimiento(float g, int h) {
    return [g, h](int t) {
        const int e = std::min(t, h);
        return e <= 1 ? 0.0 : static_cast<double>(static_cast<float>((e - 1) * static_cast<double>(g)));
    };
}

Base::Base(const std::array<double, 100>& qs, float tasa) : q(qs) {
    i = static_cast<double>(tasa);
    const float delta = static_cast<float>(std::log(1.0 + i));
    idelta = i / static_cast<double>(delta);
}

double Base::v(int k) const { return std::pow(1.0 + i, -k); }

double Base::Sobrevive(int a, int t) const {
    double s = 1;
    for (int u = 0; u < t; ++u) s *= 1 - q[static_cast<size_t>(a + u)];
    return s;
}

std::array<double, 100> QMuestra(int fila) {
    const cv::FilaPorEdad* f = prueba::MotorMuestra()->Mortalidad(cv::datos::Valor(fila));
    std::array<double, 100> q{};
    for (int a = 1; a < 100; ++a)
        q[static_cast<size_t>(a)] = std::min(1.0, f->edad[static_cast<size_t>(a)].ComoDouble() / 1000);
    return q;
}

std::array<double, 100> QDe(const std::function<double(int)>& porMil) {
    std::array<double, 100> q{};
    for (int a = 1; a < 100; ++a) q[static_cast<size_t>(a)] = std::min(1.0, porMil(a) / 1000);
    return q;
}

double ValorBeneficios(const Base& b, int x, int n, int e, int k, const Factor& f) {
    const int a = x + k;
    double s = 0;
    for (int t = k + 1; t <= n; ++t)
        s +=
            b.v(t - k) * b.Sobrevive(a, t - k - 1) * b.q[static_cast<size_t>(x + t - 1)] * b.idelta * 1000 * (1 + f(t));
    if (e == 1) s += 1000 * (1 + f(n)) * b.v(n - k) * b.Sobrevive(a, n - k);
    return s;
}

double ValorPrimas(const Base& b, int x, int m, int k, const Factor& f) {
    const int a = x + k;
    double s = 0;
    for (int t = k + 1; t <= m; ++t) s += b.v(t - k - 1) * b.Sobrevive(a, t - k - 1) * (1 + f(t));
    return s;
}

std::shared_ptr<const cv::CatalogoMotor> MotorCon(const CatalogoPrueba& c, const std::vector<Beneficio>& beneficios) {
    using cv::datos::Valor;
    cv::datos::CatalogoProductos cat = c.Construir();
    auto tabla = std::make_shared<cv::datos::Tabla>(
        "Beneficios Adicionales",
        std::vector<std::string>{"Id", "Nombre", "Edad Maxima", "Edad de Cancelacion", "Tabla de Tarifas",
                                 "Aplican Descuentos en Edad", "Aplican Incrementos"});
    for (const auto& b : beneficios)
        tabla->AgregarFila({Valor(b.id), Valor(b.nombre), Valor(b.edadMaxima), Valor(b.edadCancelacion), Valor(0),
                            Valor(b.descuentosEdad), Valor(b.incrementos)});
    cat.datBeneficiosAdicionales = cv::datos::RecordSet(tabla);
    cat.datBeneficiosAdicionales.EstablecerIndice("Id");
    return std::make_shared<cv::CatalogoMotor>(cat);
}

cv::LineaCotizacion Linea(const std::string& producto, int seguro, int pago, float participacionPct,
                          float incrementoPct, bool dotal) {
    cv::LineaCotizacion l;
    l.Producto = producto;
    l.PlazoSeguro = static_cast<int16_t>(seguro);
    l.PlazoPago = static_cast<int16_t>(pago);
    l.Participacion = participacionPct;
    l.Incremento = incrementoPct;
    l.Dotal = l.Dotal2 = dotal ? 1 : 0;
    return l;
}

double PorMil(int a, double pendiente) { return 1 + pendiente * a * a; }

CatalogoPrueba CatalogoMetodos(float tecnicaPct, float reservasPct, int anosCrecimiento, double pendiente) {
    CatalogoPrueba c;
    c.ConMortalidad(2, [pendiente](int a) { return PorMil(a, pendiente); });
    for (int metodo = 0; metodo <= 12; ++metodo) {
        Producto p;
        p.id = ProductoDelMetodo(metodo);
        p.mortalidadPrima = 2;
        p.mortalidadRescate = 2;
        p.tasaTecnica = tecnicaPct;
        p.tasaReservas = reservasPct;
        p.metodoRescate = metodo;
        p.anosCrecimiento = anosCrecimiento;
        c.ConProducto(p);
    }
    return c;
}

std::string ProductoDelMetodo(int metodo) { return std::to_string(100 + metodo); }

cv::EntradaCalculo UnaLinea(int metodo, int seguro, int pago, bool dotal, float incrementoPct) {
    return prueba::Entrada({Linea(ProductoDelMetodo(metodo), seguro, pago, 100, incrementoPct, dotal)});
}

void PrepararLinea(cv::Calculo& c, const cv::EntradaCalculo& e) {
    prueba::Preparar(c, e);
    c.LimpiarResultados();
    c.AgruparProductos();
    auto& est = c.Estado();
    est.LineaActual = est.LineaCalculada = 1;
    c.LeerParametrosProducto();
    c.CalcularDescuentoVolumen();
    c.CalcularPrimaLinea();
}

}  // namespace valores
