// Rating age, plan terms, mortality columns, commission value and the premium by method.
#include <algorithm>
#include <bit>
#include <cmath>

#include "core/numeros.h"
#include "engine/premium/calculo.h"
#include "engine/premium/comun.h"

namespace cv {

using namespace motor;

void Calculo::CalcularPrimaLinea() {
    CalcularEdadCalculo();
    PrepararLinea();
    CargarTablasMortalidad();
    CalcularVPComisiones();
    CalcularPrima();
    est.AnosIlustrar = est.PlazoSeguro == 1 ? int16_t{10} : static_cast<int16_t>(est.PlazoSeguro - est.AnosAjuste);
    if (est.AnosIlustrar > est.MaxAnosIlustrar) est.MaxAnosIlustrar = est.AnosIlustrar;
}

void Calculo::CalcularEdadCalculo() {
    est.EdadCalculo = est.Edad;
    if (est.AplicaDescuentosEdad != 1) return;
    if (est.Fuma == "No") est.EdadCalculo -= est.AnosDescuentoNoFumador;
    if (est.Sexo == "Femenino") est.EdadCalculo -= est.AnosDescuentoMujer;
    if (est.SinRiesgoSelecto == 0) est.EdadCalculo -= est.AnosRiesgoPreferente;
    if (est.EdadCalculo < est.EdadMinimaDescuento) est.EdadCalculo = est.EdadMinimaDescuento;
}

void Calculo::PrepararLinea() {
    const int k = est.LineaActual;
    est.ProductoActual = est.ProductoLinea[k];
    est.EsVitalicio = est.VitalicioLinea[k];
    est.IncrementoActual = est.IncrementoLinea[k];
    est.EsEdadAlcanzada = est.EdadAlcanzadaLinea[k];

    const int16_t seguro = est.PlazoSeguroLinea[k], pago = est.PlazoPagoLinea[k];
    if (est.EsVitalicio == 1) {
        est.AnosAjuste = static_cast<int16_t>(est.Edad - est.EdadCalculo);
        est.AnosAjustePago = pago >= 50 ? est.AnosAjuste : int16_t{0};
    } else {
        est.AnosAjuste = 0;
        est.AnosAjustePago = 0;
    }
    int16_t n, m;
    if (est.EsEdadAlcanzada != 1 && est.EsVitalicio != 1) {
        n = seguro;
        m = pago;
    } else {
        if (seguro < 99) {
            n = static_cast<int16_t>(seguro - est.Edad);
            m = pago >= 50 ? static_cast<int16_t>(pago - est.Edad) : pago;
        } else {
            n = static_cast<int16_t>(seguro - est.EdadCalculo);
            if (pago >= 50)
                m = static_cast<int16_t>(pago - est.EdadCalculo);
            else
                m = (pago + est.Edad > 99) ? static_cast<int16_t>(99 - est.EdadCalculo) : pago;
        }
        if (m > n) m = n;
    }
    est.PlazoSeguro = n;
    est.PlazoPago = m;
    est.PlazoSeguroMostrado[k] = static_cast<int16_t>(n - est.AnosAjuste);
    est.PlazoPagoMostrado[k] = static_cast<int16_t>(m - est.AnosAjustePago);
    est.EsDotal = est.DotalLinea[k];
    if (est.EsVitalicio == 1) est.EsDotal = 1;
    if (n == 1) {
        est.AnosIlustrar = 10;
        est.TemporalAnual = 1;
    } else {
        est.TemporalAnual = 0;
        est.AnosIlustrar = static_cast<int16_t>(n - est.AnosAjuste);
        // An attained age already passed: ten years stand in for the negative term.
        if (n < 0) est.PlazoSeguro = 10;
    }
    if (est.PlazoPago < 0) est.PlazoPago = 10;
    if (est.AnosCrecimiento > est.PlazoSeguro) est.AnosCrecimiento = est.PlazoSeguro;
}

void Calculo::CargarTablasMortalidad() {
    const std::string* claves[3] = {nullptr, &est.TablaMortalidadPrima, &est.TablaMortalidadRescate};
    for (int t = 1; t <= 2; ++t) {
        const FilaPorEdad* f = FilaMortalidad(*claves[t]);
        if (!f)
            throw ErrorCalculo("No existe la tabla de mortalidad \"" + *claves[t] + "\" del producto " +
                               est.ProductoLinea[est.LineaActual] + ".");
        filaMortalidadActual = f;
        // Already in place from an earlier line or age of this run.
        if (cargada[t].fila == f && cargada[t].factor == est.FactorExtraprimaMedica) continue;
        // The columns of a row under a factor are the same numbers every time: build them once.
        const Columna* col = nullptr;
        for (const auto& c : columnas)
            if (c.fila == f && c.factor == est.FactorExtraprimaMedica) col = &c;
        if (!col) {
            Columna c{f, est.FactorExtraprimaMedica, {}, {}, {}};
            for (int a = 1; a <= 99; ++a) {
                if (!f->numerica[a])
                    throw ErrorCalculo("El valor de la edad " + std::to_string(a) + " de la tabla de mortalidad " +
                                       *claves[t] + " no es numérico.");
                double q = f->tasa[a] * est.FactorExtraprimaMedica / 1000;
                if (q > 1) q = 1;
                c.q[a] = q;
                c.p[a] = 1 - q;
            }
            // Ages a recursion can divide by without a doubt (see ReservasPrescindibles), counted
            // below each age.
            for (int a = 0; a <= 99; ++a) {
                const bool dudosa = !(c.p[a] >= 0.01 && c.p[a] <= 1 && c.q[a] >= 0 && c.q[a] <= 0.99);
                c.dudosas[a + 1] = static_cast<int16_t>(c.dudosas[a] + dudosa);
            }
            if (columnas.size() >= 8) columnas.pop_front();
            columnas.push_back(c);
            col = &columnas.back();
        }
        for (int a = 1; a <= 99; ++a) {
            est.Q[t][a] = col->q[a];
            est.P[t][a] = col->p[a];
        }
        if (t == 2) dudosasRescate = col->dudosas;
        if (enCorrida) cargada[t] = {f, est.FactorExtraprimaMedica};
        ++versionP[t];
    }
}

void Calculo::CalcularVPComisiones() {
    est.VPComisiones = 0;
    est.FactorCrecimiento = 0;
    est.Sobrevivencia[0] = 1;
    est.Descuento[0] = 1;
    // The return-of-premium plan values its commissions with its own life table.
    if (ProductoVentanaEs(16)) return;
    const int x = est.EdadCalculo, m = est.PlazoPago;
    RevisarPlazo(x, m);
    const auto& v = Potencias(1.0 + est.TasaTecnica);
    if (est.IncrementoActual == 0) {
        // No growth: (1 + factor) is exactly 1 and is left out of the same products; the factor
        // ends as the last year of growth leaves it.
        double* sob = est.Sobrevivencia.data();
        double* des = est.Descuento.data();
        const double* p = est.P[1] + x;
        const float* comision = est.Comision.data();
        double s = 0;
        double vivos = 1;  // survival to the start of year k, kept out of the array
        for (int k = 1; k <= m; ++k) {
            s += comision[k] * des[k - 1] * vivos;
            vivos = p[k - 1] * vivos;
            sob[k] = vivos;
            des[k] = v[k];
        }
        est.VPComisiones = s;
        const int ultimo = std::min<int>(m, est.AnosCrecimiento);
        if (ultimo >= 1) est.FactorCrecimiento = Simple((ultimo - 1) * static_cast<double>(est.IncrementoActual));
        return;
    }
    for (int k = 1; k <= m; ++k) {
        est.Sobrevivencia[k] = est.P[1][x + k - 1] * est.Sobrevivencia[k - 1];
        if (k <= est.AnosCrecimiento) est.FactorCrecimiento = Simple((k - 1) * static_cast<double>(est.IncrementoActual));
        est.Descuento[k] = v[k];
        est.VPComisiones += est.Comision[k] * est.Descuento[k - 1] * est.Sobrevivencia[k - 1] * (1.0 + est.FactorCrecimiento);
    }
}

void Calculo::CalcularPrima() {
    const int x = est.EdadCalculo, n = est.PlazoSeguro, m = est.PlazoPago, e = est.EsDotal;
    const int ac = est.AnosCrecimiento;
    const float it = est.TasaTecnica, ir = est.TasaReservas, g = est.IncrementoActual;
    const double rf = est.RecargoFijo;
    auto NN = [&](int b, int c) { return PrimaNetaNivelada(x, n, m, e, it, g, b, c, 1); };
    auto ND = [&](int b, int c) { return PrimaNetaDiscreta(x, n, m, e, it, g, b, c, 1); };
    auto A = [&](float tasa, int h) { return AnualidadCreciente(x, m, tasa, g, h, 1); };
    // Right after NN(1, ac), the premium annuity over the same growth years at the same rate is
    // the one NN has just summed (the same terms in the same order, on the same survival and
    // discount values): it is taken as is, with the growth factor A would leave.
    auto AN = [&](float tasa) {
        if (!enCorrida || std::bit_cast<uint32_t>(tasa) != std::bit_cast<uint32_t>(it) || m < 0 || m > n ||
            ProductoVentanaEs(16))
            return A(tasa, ac);
        const int u = std::min(ac, m);
        if (u >= 1) est.FactorCrecimiento = Simple((u - 1) * static_cast<double>(g));
        return est.ValorAnualidad;
    };
    // The net single premium of the line itself, in the form its value function returns it.
    auto S = [&] {
        PrimaUnicaCreciente(x, n, it, g, static_cast<int16_t>(e), 1);
        return (it / static_cast<double>(est.FuerzaTecnica)) * est.ValorSeguro * 1000 + e * est.ValorDotal * 1000;
    };
    auto tarifa = [&](double numerador, double anualidad) {
        const double c = Dividir(est.VPComisiones, anualidad, "la prima de tarifa (anualidad de primas nula)");
        return Dividir(numerador, 1 - c, "la prima de tarifa (las comisiones igualan a la prima)");
    };
    auto descartarPrimaUnica = [&] {
        // Its quotient is not used; it only leaves the scratch values as the later steps expect.
        PrimaUnicaCreciente(x, n, it, 0, static_cast<int16_t>(e), 1);
        // Over one year more than the cover, as far as the table reaches.
        AnualidadCreciente(x, std::max(0, std::min(n - est.AnosAjuste + 1, 100 - x)), it, g, ac, 1);
    };

    bool redondear = true;
    switch (est.MetodoPrima) {
        case 1:
            est.PrimaNeta = NN(0, 0);
            est.PrimaTarifa = tarifa(est.PrimaNeta + rf, A(ir, 0));
            break;
        case 2:
            est.PrimaNeta = NN(1, ac);
            est.PrimaTarifa = tarifa(0.95 * (est.PrimaNeta + rf), AN(ir));
            break;
        case 3:
            est.PrimaNeta = NN(0, 0);
            est.PrimaTarifa = tarifa(est.PrimaNeta * (x < 55 ? 0.9 : 1.1) + rf, A(it, ac));
            descartarPrimaUnica();
            break;
        case 4: {
            est.PrimaNeta = ND(0, ac);
            const double anualidad = A(it, ac);
            float f = Simple((35 - x) * 0.005 + 0.1);
            if (f < 0.1f) f = 0.1f;
            if (f > 0.2f) f = 0.2f;
            est.FactorGastoMetodo4 = f / 2;
            const double c = Dividir(est.VPComisiones, anualidad, "la prima de tarifa (anualidad de primas nula)");
            est.PrimaTarifa =
                Dividir(est.PrimaNeta + rf, (1 - static_cast<double>(est.FactorGastoMetodo4)) - c, "la prima de tarifa");
            break;
        }
        case 5: {
            const double s = S();
            est.PrimaNeta = Dividir(s, A(ir, ac), "la prima neta (anualidad de primas nula)");
            est.PrimaTarifa = tarifa(est.PrimaNeta + rf, A(ir, ac));
            break;
        }
        case 6:
            est.PrimaNeta = NN(1, ac);
            est.PrimaTarifa = tarifa(est.PrimaNeta + rf, AN(ir));
            if (x <= 50) {
                est.PrimaTarifa = Dividir(static_cast<int16_t>(x - 5) * est.PrimaTarifa, x, "el factor de edad");
            } else {
                est.PrimaTarifa = std::pow(static_cast<double>(static_cast<int16_t>(x - 5)) / x, 0.5) * est.PrimaTarifa;
            }
            break;
        case 7:
        case 8: {
            const double s = S();
            est.PrimaNeta = Dividir(s, A(ir, 0), "la prima neta (anualidad de primas nula)");
            est.PrimaTarifa = tarifa(est.PrimaNeta + rf, A(ir, est.MetodoPrima == 7 ? ac : 0));
            break;
        }
        case 10:
            est.PrimaNeta = (1 - static_cast<double>(est.RecargoPrimaNeta)) * NN(1, ac);
            est.PrimaTarifa = tarifa(est.PrimaNeta + rf, A(ir, 0));
            break;
        case 11: {
            est.PrimaNeta = NN(0, 0);
            const double f = e == 1 ? 1.0 : (x < 55 ? 0.8 : 1.2);
            est.PrimaTarifa = tarifa(est.PrimaNeta * f + rf, A(it, ac));
            descartarPrimaUnica();
            break;
        }
        case 12:
            est.PrimaNeta = NN(1, ac);
            est.PrimaTarifa = tarifa(est.PrimaNeta + rf, AN(it));
            break;
        case 13:
            est.PrimaNeta = NN(1, ac);
            if ((n + est.Edad >= 99 || e == 0) && x > 50) est.PrimaNeta *= 1.25;
            est.PrimaTarifa = RedondearDecimales(tarifa(est.PrimaNeta + rf, AN(it)), 4);
            est.PrimaTarifa2 = tarifa(static_cast<double>(static_cast<float>(est.DotalMil)) + rf - 0.5, AN(it));
            redondear = false;  // the tariff is already rounded; the endowment part is not
            break;
        case 14:
            est.PrimaNeta = NN(1, ac);
            est.PrimaTarifa = tarifa(est.PrimaNeta + rf, AN(it));
            // The return-of-premium plan: its own commission value, no fixed loading.
            if (ProductoVentanaEs(16))
                est.PrimaTarifa = Dividir(est.PrimaNeta, 1 - est.VPComisiones - 0.06, "la prima de tarifa");
            break;
        case 99: {
            // The premium table holds tariff rates per 1000 instead of mortality rates.
            const FilaPorEdad* fila = FilaMortalidad(est.TablaMortalidadPrima);
            if (!fila)
                throw ErrorCalculo("No existe la tabla de tarifas \"" + est.TablaMortalidadPrima + "\" del producto " +
                                   est.ProductoActual + ".");
            if (x < 0 || x > 99) throw ErrorCalculo("La edad " + std::to_string(x) + " está fuera de la tabla de tarifas.");
            filaMortalidadActual = fila;
            est.PrimaNeta = 0;  // no net premium of its own; never one left by another line
            est.PrimaTarifa = rf + Numero(fila->edad[static_cast<size_t>(x)],
                                          "la edad " + std::to_string(x) + " de la tabla " + est.TablaMortalidadPrima);
            break;
        }
        default:
            est.PrimaNeta = 0;
            est.PrimaTarifa = 0;
            redondear = false;
            break;
    }
    if (redondear) est.PrimaTarifa = RedondearDecimales(est.PrimaTarifa, 4);
    if (ProductoVentanaEs(1) && x > 50) est.PrimaNeta *= 1.25;
    if (!std::isfinite(est.PrimaNeta) || !std::isfinite(est.PrimaTarifa) || !std::isfinite(est.PrimaTarifa2))
        throw ErrorCalculo("La prima del producto " + est.ProductoActual + " no se pudo calcular para la edad " +
                           std::to_string(x) + ".");
}

}  // namespace cv
