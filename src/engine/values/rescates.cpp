// Surrender values per 1000 by surrender method, and dividends.
#include <algorithm>
#include <cmath>

#include "core/numeros.h"
#include "engine/premium/calculo.h"
#include "engine/premium/comun.h"

namespace cv {

using namespace motor;

namespace {

// Method 4: the divisor of the yearly rise of the surrender percentage, by premium years.
double B4(int m) {
    static const double tabla[] = {199.58, 261.16, 338.76, 436.53, 559.70, 714.95, 910.53, 1156.96, 1467.46};
    if (m <= 5) return 66.32;
    if (m <= 10) return 150.70;
    if (m >= 20) return 1858.70;
    return tabla[m - 11];
}

}  // namespace

void Calculo::CalcularValoresGarantizados() {
    const double pago = PagoVentana();
    const bool sinRescate = ProductoVentanaEs(7) || ProductoVentanaEs(10) ||
                            ((ProductoVentanaEs(1) || ProductoVentanaEs(2)) && pago <= 5);
    const int metodo = est.MetodoRescate;
    // What a tariff row needs of the two first steps: methods 1 and 3 cut their surrender values
    // from the level reserve and the annuities, the surrender reserve of methods 1 and 12 starts
    // from the first annuity, and method 4's level premium is the one its dividends take.
    const bool anualidades = metodo == 1 || metodo == 3 || metodo == 12;
    const bool nivelada = ((metodo == 1 || metodo == 3) && !sinRescate) || (metodo == 4 && est.DescuentoDividendos == 1);
    if (abreviada && !(anualidades && nivelada) && ReservasPrescindibles()) {
        const float g = est.IncrementoActual;
        if (anualidades)
            CalcularAnualidadesPorDuracion();
        else  // the growth factor the annuities leave
            est.FactorCrecimiento = est.PlazoPago >= 2 ? Simple((est.PlazoPago - 1) * static_cast<double>(g)) : 0.0f;
        if (nivelada) {
            CalcularReservaNivelada();
        } else if (metodo == 2 && est.PlazoSeguro - est.AnosAjuste > 0) {
            // The growth factor method 2's level reserve leaves: its renewal premium's, then its
            // recursion's.
            if (est.PlazoSeguro > 1 && est.PlazoPago > 1) est.FactorCrecimiento = Simple((est.PlazoSeguro - 1) * static_cast<double>(g));
            const int np = est.PlazoSeguro - est.AnosAjuste;
            if (np >= 2) est.FactorCrecimiento = Simple((np - 1) * static_cast<double>(g));
        }
    } else {
        CalcularAnualidadesPorDuracion();
        CalcularReservaNivelada();
    }
    CalcularReservaRescate();
    if (sinRescate)
        est.RescateMil.fill(0);  // plans without surrender values show none, never an earlier line's
    else
        CalcularValoresRescate();
    CalcularDividendos();
}

// Whether the annuities by duration and the level reserve of this line can be left out of an age
// that only gives its row without hiding a failure: every age they read survives with a
// probability of at least 0.01, the rates lie in [0.0001, 1], growth in [0, 0.25] and the growth
// factor they start from in [0, 25]. Every divisor is then at least 0.005, no value grows past
// 200^99 times its start (well inside a double), annuities are at least 1 and the endowment part
// of a premium stays below 26 000. The return-of-premium plan and the life cover to 60 (which
// reruns these steps for the rider) always run them.
bool Calculo::ReservasPrescindibles() {
    if (ProductoVentanaEs(16)) return false;
    if (lineaConVidaA60[est.LineaActual]) return false;
    const int x = est.EdadCalculo, n = est.PlazoSeguro, m = est.PlazoPago;
    if (x < 0 || m < 1 || m > n || n > 99 || x + n > 100) return false;
    if (est.AnosAjuste < 0 || est.AnosAjustePago < 0 || n - est.AnosAjuste < 1 || m - est.AnosAjustePago < 1) return false;
    auto entre = [](double v, double a, double b) { return v >= a && v <= b; };
    if (!entre(est.TasaReservas, 1e-4, 1) || !entre(est.FuerzaReservas, 1e-5, 1) || !entre(est.TasaTecnica, 1e-4, 1) ||
        !entre(est.IncrementoActual, 0, 0.25) || !entre(est.FactorCrecimiento, 0, 25) || !entre(est.PrimaNeta, -1e40, 1e40))
        return false;
    return dudosasRescate[static_cast<size_t>(x + n)] == dudosasRescate[static_cast<size_t>(x)];
}

void Calculo::CalcularValoresRescate() {
    auto& rm = est.RescateMil;
    for (int k = 1; k <= 99; ++k) rm[k] = 0;
    const int x = est.EdadCalculo, n = est.PlazoSeguro, m = est.PlazoPago, e = est.EsDotal;
    const int np = n - est.AnosAjuste, mp = m - est.AnosAjustePago;
    if (np <= 0) return;  // no year of cover, no surrender value
    const auto& r = est.ReservaRescate;
    const auto& v = est.ReservaNivelada;
    const auto& w = est.AnualidadDuracion;
    auto porcentaje = [&](double f) {
        est.FactorRescate = Simple(std::min(f, 1.0));
        return static_cast<double>(est.FactorRescate);
    };
    switch (est.MetodoRescate) {
        case 1: {
            const double p = est.PrimaTarifa, c = est.VPComisiones;
            for (int k = 3; k <= np; ++k) {
                if (k >= mp) {
                    rm[k] = r[k];
                    continue;
                }
                double valor = v[k] - (c * p * w[k + 1] / w[1] - 0.05 * p * w[k + 1]);
                if (valor < 0) valor = 0;
                rm[k] = std::min(valor, r[k]);
            }
            break;
        }
        case 2:
        case 10:
            for (int k = 1; k <= np; ++k) rm[k] = 0.95 * r[k];
            break;
        case 3: {
            const double x3 = PrimaNetaNivelada(x, np, m - est.AnosAjuste, e, est.TasaTecnica, est.IncrementoActual, 0, 0, 1);
            for (int k = 3; k <= np; ++k) {
                if (k >= mp) {
                    rm[k] = r[k];
                    continue;
                }
                double valor = v[k] - (0.95 * est.PrimaTarifa - x3) * w[k + 1];
                if (valor < 1) valor = 0;
                rm[k] = std::min(valor, r[k]);
            }
            if (np >= 1) rm[np] = r[np];
            break;
        }
        case 4: {
            double f = m < 10 ? 0.85 : 0.75;
            for (int k = 3; k <= np; ++k) {
                f = porcentaje(f + std::pow(1.26, k) / B4(m));
                double valor = f * r[k];
                rm[k] = valor < 1 ? 0 : valor;
            }
            break;
        }
        case 6:
            for (int k = 3; k <= np; ++k) rm[k] = porcentaje(0.75 + 0.025 * (k - 3)) * r[k];
            break;
        case 11:
            for (int k = 3; k <= np; ++k)
                rm[k] = (e == 1 && k == n) ? r[k] : porcentaje(0.75 + (0.25 * k - 0.75) / 9) * r[k];
            break;
        case 12: {
            const bool devolucion = ProductoVentanaEs(16);
            for (int k = 3; k <= np; ++k) {
                const double f = porcentaje(0.6 + 0.4 * (k - 3) / 9);
                rm[k] = (e == 1 && k == n) ? r[k] : f * (devolucion ? est.ReservaDevolucion[k] : r[k]);
            }
            break;
        }
        default:
            return;  // no surrender values
    }
    rm[1] = 0;
    rm[2] = 0;
    for (int k = 1; k <= std::min(m, 99); ++k)
        if (rm[k] < 0) rm[k] = 0;
}

void Calculo::CalcularDividendos() {
    const int n = est.PlazoSeguro, x = est.EdadCalculo;
    for (int k = 1; k <= std::min(n, 99); ++k) est.DividendoMil[k] = 0;
    if (est.DescuentoDividendos != 1) return;
    fondoEnCorrida = true;
    const double j = est.TasaFondo;
    const double raiz = std::pow(1 + j, 0.5);  // the same in every year
    for (int k = 1; k <= n; ++k) {
        const double reserva = k == 1 ? 0.0 : est.ReservaRescate[k - 1];
        double d = (j - est.TasaTecnica) * (est.PrimaNeta + reserva) * est.ParticipacionDividendos -
                   (raiz - 1) * est.Q[2][x + k - 1] * 1000;
        est.DividendoMil[k] = d < 0 ? 0 : d;
    }
}

}  // namespace cv
