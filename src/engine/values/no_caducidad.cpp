// Quote-wide values after the lines: the accumulated fund, extended-term years and reduced
// paid-up sums bought by the surrender value (surrender table, reserve rate).
#include <array>
#include <cmath>

#include "core/numeros.h"
#include "engine/premium/calculo.h"
#include "engine/premium/comun.h"

namespace cv {

using namespace motor;

namespace {

// Life table from age 12 on the surrender column: l(12) = 1 000 000, deaths d(a) = q(a) l(a).
struct TablaVida {
    std::array<double, 201> l{}, d{};
    explicit TablaVida(const EstadoMotor& e) {
        l[12] = 1000000;
        for (int a = 13; a <= 99; ++a) l[a] = l[a - 1] - e.Q[2][a - 1] * l[a - 1];
        for (int a = 13; a <= 99; ++a) d[a] = e.Q[2][a] * l[a];
    }
};

// Years the non-forfeiture values run: the line's cover, or to age 99 for whole life.
int PlazoNoCaducidad(const EstadoMotor& e, const EntradaCalculo& ent) {
    int n = e.PlazoSeguro;
    if (ent.comPlan == "Vitalicio") n = Entero(99 - ValorNumerico(ent.txtEdad), "el plazo del plan vitalicio");
    return n > 99 ? 99 : n;
}

bool PlanConDotal(const std::string& plan) {
    return plan == "Dotal con Edad Alcanzada" || plan == "Dotal" || plan == "Vitalicio";
}

}  // namespace

void Calculo::AcumularFondo() {
    est.FondoAcumulado[0] = Currency();
    for (int k = 1; k <= est.MaxAnosIlustrar; ++k) {
        double fondo = est.FondoAcumulado[k - 1].ComoDouble() * (1 + static_cast<double>(est.TasaFondo)) + est.AportacionAno[k];
        if (k >= 3) fondo += est.DividendosAcumulados[k];  // dividends enter the fund from the third year
        est.FondoAcumulado[k] = Moneda(fondo, "el fondo acumulado");
    }
}

void Calculo::CalcularProrrogado() {
    CalcularEdadCalculo();
    const int x = est.EdadCalculo;
    const int n = PlazoNoCaducidad(est, ent);
    const TablaVida t(est);
    const double i = est.TasaReservas;
    const double k = i / est.FuerzaReservas;
    const auto& u = PotenciasPositivas(1 + i);
    const bool devolucion = ProductoVentanaEs(16);
    const double suma = est.SumaAseguradaGlobal.ComoDouble();
    std::array<double, 202> acumulado{};
    for (int j = 1; j <= n; ++j) {
        const int a = x + j;
        // Without a sum or below the life table's first age there is no term cover to buy.
        if (suma == 0 || a < 12 || a > 99 || t.l[a] == 0) {
            est.AnosProrrogado[j] = 0;
            continue;
        }
        acumulado[a - 1] = 0;
        int anos = 0;
        const double valor = 1000 * est.ValorRescate[j].ComoDouble() / suma;
        while (j + anos < n && a + anos <= 99) {
            const double costo = devolucion ? t.d[a + anos] * 1000 / t.l[a] : k * 1000 * t.d[a + anos] / (u[anos + 1] * t.l[a]);
            acumulado[a + anos] = costo + acumulado[a + anos - 1];
            if (valor >= acumulado[a + anos])
                ++anos;
            else
                break;
        }
        est.AnosProrrogado[j] = anos;
    }
}

void Calculo::CalcularSaldado() {
    for (int j = 0; j <= 99; ++j) est.SeguroSaldado[j] = 0;
    const int x = est.EdadCalculo;
    const int n = PlazoNoCaducidad(est, ent);
    const TablaVida t(est);
    const double i = est.TasaReservas;
    const double idelta = i / est.FuerzaReservas;
    const auto& v = Potencias(1 + i);
    const auto& u = PotenciasPositivas(1 + i);
    const bool dotal = PlanConDotal(ent.comPlan);
    if (!ProductoVentanaEs(16)) {
        for (int j = 3; j <= n; ++j) {
            const int a0 = x + j;
            if (a0 > 99 || a0 < 12 || t.l[a0] == 0) continue;
            double seguro = 0;
            for (int k = 1; k <= n - j; ++k) {
                const int a = a0 + k - 1;
                if (a > 99) break;
                seguro += t.l[a] / t.l[a0] * est.Q[2][a] * v[k] * idelta;
            }
            if (!(seguro > 0)) continue;
            const double rescate = est.ValorRescate[j].ComoDouble();
            if (!dotal) {
                est.SeguroSaldado[j] = rescate / seguro;
            } else {
                const double dotalPuro = t.l[x + n] / (u[n - j] * t.l[a0]);
                est.SeguroSaldado[j] = rescate / (seguro + dotalPuro);
            }
        }
    } else if (PagoVentana() != 5) {
        for (int j = 3; j <= n; ++j)
            if (est.SeguroDuracion[j] > 0 && est.ValorRescate[j] > Currency())
                est.SeguroSaldado[j] = est.ValorRescate[j].ComoDouble() / 100 / (est.SeguroDuracion[j] * 1000) * 100000;
        if (n >= 0) est.SeguroSaldado[n] = 0;
    }
    // At the end of an endowment the paid-up sum is the full sum.
    if (dotal && n >= 0) est.SeguroSaldado[n] = est.SumaAseguradaGlobal.ComoDouble();
}

}  // namespace cv
