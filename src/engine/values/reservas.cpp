// Reserves by surrender method: annuity values by duration, the net level reserve, the
// surrender (modified) reserve, and the reserve of the return-of-premium plan. All on the
// surrender table (column 2) at the reserve rate unless a step says otherwise.
#include <algorithm>
#include <bit>
#include <type_traits>
#include <cmath>

#include "engine/premium/calculo.h"
#include "engine/premium/comun.h"

namespace cv {

using namespace motor;

namespace {

int NPrima(const EstadoMotor& e) { return e.PlazoSeguro - e.AnosAjuste; }
int MPrima(const EstadoMotor& e) { return e.PlazoPago - e.AnosAjustePago; }

}  // namespace

double Calculo::Costo(int k) const {
    return static_cast<double>(est.TasaReservas) / est.FuerzaReservas * est.Q[2][est.EdadCalculo + k - 1] * 1000;
}

void Calculo::RecursionNivelada(Arreglo<double, 101>& r, double prima) {
    const int n = NPrima(est), m = MPrima(est);
    const double i = est.TasaReservas;
    const double idelta = i / est.FuerzaReservas;
    const double* q = est.Q[2] + est.EdadCalculo;
    const double* p = est.P[2] + est.EdadCalculo;
    // The previous year's reserve is carried in a local: reading it back from the array would
    // put a store and a load on the chain of dependent divisions.
    double anterior = r[1];
    for (int k = 2; k <= n; ++k) {
        const double pi = k <= m ? 1.0 : 0.0;
        anterior = Dividir((pi * prima + anterior) * (1 + i) - idelta * q[k - 1] * 1000, p[k - 1], "la reserva");
        r[k] = anterior;
    }
}

void Calculo::RecursionCreciente(Arreglo<double, 101>& r, double prima, int h) {
    const int n = NPrima(est), m = MPrima(est);
    const double i = est.TasaReservas;
    const double idelta = i / est.FuerzaReservas;
    const double* q = est.Q[2] + est.EdadCalculo;
    const double* p = est.P[2] + est.EdadCalculo;
    const float g = est.IncrementoActual;
    float fc = est.FactorCrecimiento;
    // The net level and the surrender reserve of a method often run the same recursion in a
    // row: within a run the last one is kept. Growth is assigned in years 2..h, so any h of n
    // or more is the same.
    auto& u = memoRecursion;
    const int hn = h < 2 ? 1 : std::min(h, n);
    const auto b = [](auto x) { return std::bit_cast<std::conditional_t<sizeof(x) == 8, uint64_t, uint32_t>>(x); };
    if (enCorrida && u.valida && u.x == est.EdadCalculo && u.n == n && u.m == m && u.h == hn && u.version == versionP[2] &&
        u.i == b(est.TasaReservas) && u.fuerza == b(est.FuerzaReservas) && u.g == b(g) && u.f0 == b(fc) &&
        u.prima == b(prima) && u.r1 == b(r[1])) {
        std::copy(u.r.begin() + 2, u.r.begin() + std::max(n, 1) + 1, r.begin() + 2);
        est.FactorCrecimiento = u.f;
        return;
    }
    u.valida = false;
    const float f0 = fc;
    if (g == 0 && fc == 0) {
        // No growth: the factor 1 is left out of the same products (x · 1 = x).
        double anterior = r[1];
        for (int k = 2; k <= n; ++k) {
            const double pi = k <= m ? 1.0 : 0.0;
            anterior = Dividir((pi * prima + anterior) * (1 + i) - idelta * q[k - 1] * 1000, p[k - 1], "la reserva");
            r[k] = anterior;
        }
        if (std::min(h, n) >= 2) fc = Simple((std::min(h, n) - 1) * static_cast<double>(g));
    } else {
        double anterior = r[1];
        for (int k = 2; k <= n; ++k) {
            if (k <= h) fc = Simple((k - 1) * static_cast<double>(g));
            const double pi = k <= m ? 1.0 : 0.0;
            const double f = 1.0 + fc;
            anterior = Dividir((f * pi * prima + anterior) * (1 + i) - idelta * q[k - 1] * 1000 * f, p[k - 1], "la reserva");
            r[k] = anterior;
        }
    }
    est.FactorCrecimiento = fc;
    if (!enCorrida) return;
    u = {true, est.EdadCalculo, n, m, hn, versionP[2], b(est.TasaReservas), b(est.FuerzaReservas), b(g), b(f0), b(prima),
         b(r[1]), fc, {}};
    std::copy(r.begin() + 2, r.begin() + std::max(n, 1) + 1, u.r.begin() + 2);
}

void Calculo::RecursionAnual(Arreglo<double, 101>& r, double prima) {
    const int n = NPrima(est), m = MPrima(est);
    const double i = est.TasaReservas;
    const double* q = est.Q[2] + est.EdadCalculo;
    const double* p = est.P[2] + est.EdadCalculo;
    // Premiums while they are paid, as in the other recursions: a limited-pay plan charged every
    // year would end above its sum.
    double anterior = r[1];
    for (int k = 2; k <= n; ++k) {
        const double pi = k <= m ? 1.0 : 0.0;
        anterior = Dividir((pi * prima + anterior) * (1 + i) - 1000 * q[k - 1], p[k - 1], "la reserva");
        r[k] = anterior;
    }
}

void Calculo::CalcularAnualidadesPorDuracion() {
    const int x = est.EdadCalculo, m = est.PlazoPago;
    est.AnualidadDuracion.fill(0);
    est.AnualidadDuracion[1] = AnualidadCreciente(x, m, est.TasaReservas, est.IncrementoActual, 0, 2);
    est.FactorCrecimiento = 0;
    const double v = 1 / (1 + static_cast<double>(est.TasaTecnica));
    for (int k = 2; k <= m; ++k) {
        est.FactorCrecimiento = Simple((k - 1) * static_cast<double>(est.IncrementoActual));
        est.AnualidadDuracion[k] = Dividir(est.AnualidadDuracion[k - 1] - 1,
                                           est.P[2][x + k - 2] * v * (1.0 + est.FactorCrecimiento),
                                           "la anualidad por duración");
    }
}

void Calculo::CalcularReservaNivelada() {
    auto& v = est.ReservaNivelada;
    v.fill(0);
    if (NPrima(est) <= 0) return;  // no year of cover to reserve for (a rider ending at 60, say)
    const int x = est.EdadCalculo, n = est.PlazoSeguro, m = est.PlazoPago, e = est.EsDotal;
    const int np = NPrima(est), mp = MPrima(est);
    const float i = est.TasaReservas, g = est.IncrementoActual;
    auto primerAno = [&](double prima) {
        return Dividir((1 + static_cast<double>(i)) * prima - Costo(1), est.P[2][x], "la reserva");
    };
    switch (est.MetodoRescate) {
        case 1:
        case 11:
        case 12: {
            if (ProductoVentanaEs(16)) {
                ReservaDevolucionPrimas();
                return;
            }
            const double p = PrimaNetaNivelada(x, np, mp, e, est.TasaTecnica, g, 0, 0, 2);
            est.PrimaPrimerAno = p;
            v[1] = primerAno(p);
            RecursionNivelada(v, p);
            break;
        }
        case 2: {
            est.PrimaPrimerAno = Costo(1);
            // A single year, or a single premium, leaves no renewal premium to value.
            const double pr = (n > 1 && m > 1) ? PrimaNetaNivelada(x + 1, n - 1, m - 1, e, i, g, 0, n - 1, 2) : 0;
            v[1] = 0;
            RecursionCreciente(v, pr, 100);
            break;
        }
        case 3: {
            const double p = PrimaNetaNivelada(x, np, mp, e, i, g, 0, 0, 2);
            v[1] = primerAno(p);
            RecursionNivelada(v, p);
            break;
        }
        case 4: {
            const double p = PrimaNetaDiscreta(x, n, m, e, i, g, 0, 0, 2);
            est.PrimaNeta = p;
            v[1] = primerAno(p);
            RecursionNivelada(v, p);
            break;
        }
        case 10: {
            const double p = est.PrimaNeta;
            v[1] = primerAno(p);
            RecursionNivelada(v, p);
            break;
        }
        default:
            break;  // no net level reserve
    }
}

// The plan that returns its premiums: mortality row 8 at 5.5 %.
void Calculo::ReservaDevolucionPrimas() {
    const int x = est.EdadCalculo, n = est.PlazoSeguro, m = est.PlazoPago;
    const std::array<double, 102> l = VidaDevolucion(8, 10000000, 0, x, n);
    std::array<double, 101> v{};
    for (int k = 0; k <= 100; ++k) v[k] = std::pow(1 / 1.055, k);
    est.ReservaDevolucion.fill(0);
    est.SeguroDuracion.fill(0);
    double p = 0;
    for (int j = 1; j <= n; ++j) {
        const double lj = l[x + j - 1];
        double a = 0, anualidad = 0;
        for (int t = j; t <= n; ++t) {
            if (t <= m) a += Dividir(l[x + t - 1] - l[x + t], lj, "la reserva del plan con devolución") * v[t - j + 1];
            anualidad += l[x + t - 1] / lj * v[t - j];
        }
        if (j == 1) p = Dividir(a, anualidad, "la prima del plan con devolución");
        est.ReservaDevolucion[j] = (a - anualidad * p) * 1000;
        est.SeguroDuracion[j] = a;
    }
}

void Calculo::CalcularReservaRescate() {
    auto& r = est.ReservaRescate;
    r.fill(0);
    if (NPrima(est) <= 0) return;  // no year of cover to reserve for
    const int x = est.EdadCalculo, n = est.PlazoSeguro, e = est.EsDotal, h = est.AnosCrecimiento;
    const int np = NPrima(est), mp = MPrima(est);
    const float i = est.TasaReservas, g = est.IncrementoActual;
    const double uno = 1 + static_cast<double>(i);
    const double p1q = est.P[2][x];
    // Only methods 1, 6 and 12 compare with a 20-year plan. An age that only gives its row
    // checks that plan's years against the tables, as the annuity does, and goes without it.
    const int16_t metodo = est.MetodoRescate;
    if (!abreviada || metodo == 1 || metodo == 6 || metodo == 12)
        est.Anualidad20 = AnualidadCreciente(x, 20, i, g, 0, 2);
    else
        RevisarPlazo(x, 20);

    auto reglaT = [&] {
        const double a20 = est.Anualidad20;
        est.PrimaTope20 = Dividir((1 - static_cast<double>(i) / uno * a20) * 1000 * (static_cast<double>(i) / est.FuerzaReservas),
                                  a20, "la prima tope de 20 años");
        return est.PrimaTope20;
    };
    // First-year premium of methods 1, 6 and 12; leaves the level premium in `pn`.
    auto primerAnoTope = [&](double& pn) {
        pn = PrimaNetaNivelada(x, np, mp, e, i, g, 0, 0, 2);
        const double p20 = reglaT();
        const double c1 = Costo(1) / uno;
        return p20 >= pn ? c1 : c1 + (pn - p20) * p1q;
    };
    // Renewal premium of the growing methods: nothing to value without renewal years.
    auto renovacion = [&](int ultimo) {
        return (np > 1 && mp > 1) ? PrimaNetaNivelada(x + 1, np - 1, mp - 1, e, i, g, 0, ultimo, 2) : 0.0;
    };
    // (Pn ä − P1) / (ä − 1); a single premium leaves nothing to spread.
    auto nivelar = [&](double pn, double a, double p1) { return a - 1 == 0 ? 0.0 : (pn * a - p1) / (a - 1); };
    auto primerReserva = [&](double p1, double costo) { return Dividir(uno * p1 - costo, p1q, "la reserva"); };

    switch (metodo) {
        case 1: {
            double pn = 0;
            const double p1 = primerAnoTope(pn);
            const double pr = nivelar(pn, est.AnualidadDuracion[1], p1);
            est.PrimaPrimerAno = p1;
            est.PrimaRenovacion = pr;
            r[1] = primerReserva(p1, Costo(1));
            if (r[1] < 1) r[1] = 0;
            RecursionNivelada(r, pr);
            for (int k = 1; k <= np; ++k)
                if (r[k] < 1) r[k] = 0;
            break;
        }
        case 2: {
            est.PrimaPrimerAno = Costo(1);
            est.PrimaRenovacion = renovacion(n - 1);
            r[1] = 0;
            RecursionCreciente(r, est.PrimaRenovacion, np);
            break;
        }
        case 3:
        case 11: {
            const double pn = PrimaNetaNivelada(x, np, mp, e, i, g, 0, 0, 2);
            const double p20 = PrimaNetaNivelada(x, 20, 20, 1, i, g, 0, 0, 2);
            const double p1 = pn > p20 ? Costo(1) + (pn - p20) : Costo(1) / uno;
            // The renewal premium is spread over the years it is paid: over all the years of
            // cover a limited-pay plan would never reach its sum.
            const double a = AnualidadCreciente(x, mp, i, g, 0, 2);
            est.ValorAnualidad = a;
            est.PrimaPrimerAno = p1;
            est.PrimaRenovacion = nivelar(pn, a, p1);
            r[1] = primerReserva(p1, Costo(1));
            RecursionNivelada(r, est.PrimaRenovacion);
            break;
        }
        case 4: {
            double pn = PrimaNetaDiscreta(x, np, mp, e, i, g, 0, 0, 2);
            double p20 = PrimaNetaNivelada(x, 20, 20, 1, i, g, 0, 0, 2);
            double p1;
            const double q1 = est.Q[2][x];
            if (pn > p20) {
                pn = PrimaNetaDiscreta(x, np, mp, e, i, g, 0, 0, 2);
                p20 = PrimaNetaDiscreta(x, 20, 20, 1, i, g, 0, 0, 2);
                p1 = Costo(1) + (pn - p20);
            } else {
                p1 = 1000 * q1 / uno;
            }
            const double a = AnualidadCreciente(x, mp, i, g, 0, 2);  // over the premium years, as above
            est.PrimaPrimerAno = p1;
            est.PrimaRenovacion = nivelar(pn, a, p1);
            r[1] = primerReserva(p1, 1000 * q1);
            RecursionAnual(r, est.PrimaRenovacion);
            break;
        }
        case 6:
        case 12: {
            // The comparison annuity of these methods grows over the product's growth years.
            est.Anualidad20 = AnualidadCreciente(x, 20, i, g, h, 2);
            double pn = 0;
            const double p1 = primerAnoTope(pn);
            est.PrimaPrimerAno = p1;
            if (est.MetodoRescate == 12 && g == 0) {
                const double w = est.AnualidadDuracion[1];
                est.PrimaRenovacion = w - 1 > 0 ? (pn * w - p1) / (w - 1) : Dividir(pn * w - p1, w, "la prima de renovación");
                r[1] = primerReserva(p1, Costo(1));
            } else {
                est.PrimaRenovacion = renovacion(h - 1);
                r[1] = 0;
            }
            RecursionCreciente(r, est.PrimaRenovacion, h);
            break;
        }
        case 10: {
            est.PrimaPrimerAno = Costo(1);
            est.PrimaRenovacion = renovacion(h - 1);
            r[1] = 0;
            RecursionCreciente(r, est.PrimaRenovacion, h);
            break;
        }
        default:
            break;  // no reserve
    }
}

}  // namespace cv
