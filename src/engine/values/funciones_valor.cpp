// Actuarial value functions: increasing annuity-due, net level premiums (continuous and
// curtate death benefit) and the net single premium of an increasing benefit. They work on the
// engine's mortality columns and leave their sums in the engine's scratch values.
#include <algorithm>
#include <bit>
#include <cmath>

#include "engine/premium/calculo.h"
#include "engine/premium/comun.h"

namespace cv {

using namespace motor;

const Calculo::Potencia& Calculo::BuscarPotencia(double base) {
    for (const auto& p : potencias)
        if (p.base == base) return p;
    // Few rates occur in a run (technical, reserve, fixed ones); keep the last handful.
    if (potencias.size() >= 8) potencias.pop_front();
    Potencia p{base, {}, {}, Simple(std::log(base))};
    for (int k = 0; k <= 100; ++k) {
        p.v[k] = std::pow(base, -static_cast<double>(k));
        p.u[k] = std::pow(base, static_cast<double>(k));
    }
    potencias.push_back(p);
    return potencias.back();
}

const std::array<double, 101>& Calculo::Potencias(double base) { return BuscarPotencia(base).v; }
const std::array<double, 101>& Calculo::PotenciasPositivas(double base) { return BuscarPotencia(base).u; }

void Calculo::PlazoFueraDeTabla(int x, int n) {
    throw ErrorCalculo("La edad de cálculo " + std::to_string(x) + " con un plazo de " + std::to_string(n) +
                       " años rebasa las tablas de mortalidad (edad 99).");
}

namespace {

uint32_t Bits(float f) { return std::bit_cast<uint32_t>(f); }

}  // namespace

// A series is a deterministic function of its arguments, the growth factor it starts from and
// the mortality column it reads. The premium, the reserves and the surrender values often ask
// for the same one in a row: within a run the last one of each kind is kept, and a repeated
// call writes its values again instead of summing them anew.
bool Calculo::Serie::Es(int x_, int n_, int m_, float i_, float g_, int b_, int c_, int col_, float f0_,
                        uint32_t version_) const {
    return valida && x == x_ && n == n_ && m == m_ && b == b_ && c == c_ && col == col_ && i == Bits(i_) &&
           g == Bits(g_) && f0 == Bits(f0_) && version == version_;
}

void Calculo::Serie::Guardar(int x_, int n_, int m_, float i_, float g_, int b_, int c_, int col_, float f0_,
                             uint32_t version_, float f_) {
    x = x_, n = n_, m = m_, b = b_, c = c_, col = col_;
    i = Bits(i_), g = Bits(g_), f0 = Bits(f0_);
    version = version_;
    f = f_;
    valida = true;
}

// Survival and discount of years 0..n as the loop leaves them, without its sums.
void Calculo::ReponerSerie(const Serie& s, const double* p, const std::array<double, 101>& v) {
    double* sob = est.Sobrevivencia.data();
    double* des = est.Descuento.data();
    const int n = s.n;
    sob[0] = 1;
    des[0] = 1;
    double vivos = 1;
    for (int k = 1; k <= n; ++k) {
        vivos = p[k - 1] * vivos;
        sob[k] = vivos;
        des[k] = v[k];
    }
    est.FactorCrecimiento = s.f;
}

double Calculo::AnualidadCreciente(int x, int n, float i, float g, int h, int col) {
    RevisarPlazo(x, n);
    const double* p = est.P[col] + x;
    const auto& v = Potencias(1.0 + i);
    // Growth assigned from year 1 to year h: a longer h changes nothing.
    const int hn = std::max(std::min(h, n), 0);
    if (enCorrida && memoAnualidad.Es(x, n, 0, i, g, hn, 0, col, est.FactorCrecimiento, versionP[col])) {
        ReponerSerie(memoAnualidad, p, v);
        return memoAnualidad.s1;
    }
    const float f0 = est.FactorCrecimiento;
    // Locals in the loop, the same operations in the same order as on the engine's variables.
    double* sob = est.Sobrevivencia.data();
    double* des = est.Descuento.data();
    float f = est.FactorCrecimiento;
    sob[0] = 1;
    des[0] = 1;
    double s = 0;
    if (g == 0 && f == 0) {
        // No growth: (1 + f) is exactly 1 in every year and is left out of the same products;
        // the factor ends as the last assignment of the loop leaves it.
        double vivos = 1;  // survival to the start of year k, kept out of the array
        for (int k = 1; k <= n; ++k) {
            s += des[k - 1] * vivos;
            vivos = p[k - 1] * vivos;
            sob[k] = vivos;
            des[k] = v[k];
        }
        if (std::min(h, n) >= 1) f = Simple((std::min(h, n) - 1) * static_cast<double>(g));
    } else {
        double vivos = 1;
        for (int k = 1; k <= n; ++k) {
            if (k <= h) f = Simple((k - 1) * static_cast<double>(g));
            s += des[k - 1] * vivos * (1.0 + f);
            vivos = p[k - 1] * vivos;
            sob[k] = vivos;
            des[k] = v[k];
        }
    }
    est.FactorCrecimiento = f;
    memoAnualidad.Guardar(x, n, 0, i, g, hn, 0, col, f0, versionP[col], f);
    memoAnualidad.s1 = s;
    return s;
}

// The loop the two net level premiums share: survival, deaths, discount, the death-benefit
// and premium-annuity values, with growth in years b..c.
void Calculo::SumarNivelada(int x, int n, int m, float i, float g, int b, int c, int col) {
    RevisarPlazo(x, n);
    const double* p = est.P[col] + x;
    const auto& v = Potencias(1.0 + i);
    if (enCorrida && memoNivelada.Es(x, n, m, i, g, b, c, col, est.FactorCrecimiento, versionP[col])) {
        ReponerSerie(memoNivelada, p, v);
        est.ValorSeguro = memoNivelada.s1;
        est.ValorAnualidad = memoNivelada.s2;
        est.ValorDotal = memoNivelada.s3;
        return;
    }
    const float f0 = est.FactorCrecimiento;
    double* sob = est.Sobrevivencia.data();
    double* des = est.Descuento.data();
    float f = est.FactorCrecimiento;
    sob[0] = 1;
    des[0] = 1;
    double seguro = 0, anualidad = 0;
    double muertes = 0;  // cumulative probability of death
    if (g == 0 && f == 0) {
        // No growth: as in AnualidadCreciente, the factor 1 is left out of the same products.
        const int pagos = std::min(m, n);
        // Survival carried in a local: reading it back from the array would put a store and a
        // load on the chain of products.
        double vivos = 1;
        int k = 1;
        for (; k <= pagos; ++k) {
            anualidad += des[k - 1] * vivos;
            vivos = p[k - 1] * vivos;
            sob[k] = vivos;
            const double acumulada = 1 - vivos;
            const double d = acumulada - muertes;
            muertes = acumulada;
            des[k] = v[k];
            seguro += d * des[k];
        }
        for (; k <= n; ++k) {
            vivos = p[k - 1] * vivos;
            sob[k] = vivos;
            const double acumulada = 1 - vivos;
            const double d = acumulada - muertes;
            muertes = acumulada;
            des[k] = v[k];
            seguro += d * des[k];
        }
        const int ultimo = std::min(c, n);
        if (std::max(b, 1) <= ultimo) f = Simple((ultimo - b) * static_cast<double>(g));
        est.ValorDotal = des[n] * sob[n];
    } else {
        double vivos = 1;
        for (int k = 1; k <= n; ++k) {
            if (b <= k && k <= c) f = Simple((k - b) * static_cast<double>(g));
            if (k <= m) anualidad += des[k - 1] * vivos * (1.0 + f);
            vivos = p[k - 1] * vivos;
            sob[k] = vivos;
            const double acumulada = 1 - vivos;
            const double d = acumulada - muertes;
            muertes = acumulada;
            des[k] = v[k];
            seguro += d * des[k] * (1.0 + f);
        }
        est.ValorDotal = des[n] * sob[n] * (1.0 + f);
    }
    est.FactorCrecimiento = f;
    est.ValorSeguro = seguro;
    est.ValorAnualidad = anualidad;
    memoNivelada.Guardar(x, n, m, i, g, b, c, col, f0, versionP[col], f);
    memoNivelada.s1 = est.ValorSeguro;
    memoNivelada.s2 = est.ValorAnualidad;
    memoNivelada.s3 = est.ValorDotal;
}

double Calculo::PrimaNetaNivelada(int x, int n, int m, int e, float i, float g, int b, int c, int col) {
    if (ProductoVentanaEs(16)) return PrimaNetaNiveladaDevolucion(x, n, m, i, g, b, c);
    SumarNivelada(x, n, m, i, g, b, c, col);
    const float delta = BuscarPotencia(1.0 + i).delta;
    const double idelta = static_cast<double>(i) / delta;
    if (e == 1) {
        const double r = Dividir(idelta * est.ValorSeguro * 1000 + est.ValorDotal * 1000, est.ValorAnualidad,
                                 "la prima neta nivelada (anualidad nula)");
        est.DotalMil = Entero(est.ValorDotal * 1000 / est.ValorAnualidad, "la parte dotal de la prima");
        return r;
    }
    return Dividir(idelta * est.ValorSeguro * 1000, est.ValorAnualidad, "la prima neta nivelada (anualidad nula)");
}

std::array<double, 102> Calculo::VidaDevolucion(int clave, double raiz, int columna, int x, int n) {
    RevisarPlazo(x, n);
    if (x < 1) throw ErrorCalculo("La edad de cálculo debe ser al menos 1 para el plan con devolución de primas.");
    const FilaPorEdad* fila = cat->Mortalidad(Valor(clave));
    if (!fila)
        throw ErrorCalculo("No existe la tabla de mortalidad \"" + std::to_string(clave) + "\" del plan con devolución de primas.");
    cargada[static_cast<size_t>(columna)] = {};  // Q(columna) is rewritten below
    std::array<double, 102> l{};
    l[1] = raiz;
    for (int a = 2; a <= x + n; ++a) {
        double q = Numero(fila->edad[static_cast<size_t>(a - 1)], [&] {
                       return "la edad " + std::to_string(a - 1) + " de la tabla de mortalidad " + std::to_string(clave);
                   }) *
                   est.FactorExtraprimaMedica / 1000;
        if (q > 1) q = 1;
        est.Q[columna][a - 1] = q;
        l[a] = (1 - q) * l[a - 1];
    }
    return l;
}

// Temporary plan returning the premiums paid: its own life table (mortality row 15) and rates.
double Calculo::PrimaNetaNiveladaDevolucion(int x, int n, int m, float i, float g, int b, int c) {
    (void)i;  // the plan fixes its own rate
    const float tasa = n == 5 ? 0.07f : 0.055f;
    const std::array<double, 102> l = VidaDevolucion(15, 9886800, 1, x, n);
    const auto& v = Potencias(1.0 + tasa);
    est.ValorAnualidad = 0;
    est.AnualidadDevolucion = 0;
    for (int k = 1; k <= n; ++k) {
        if (b <= k && k <= c) est.FactorCrecimiento = Simple((k - b) * static_cast<double>(g));
        const double d = l[x + k - 1] - l[x + k];
        est.Descuento[k] = v[k];
        if (k <= m) est.ValorAnualidad += d * est.Descuento[k];
        est.FlujoDevolucion[k] = l[x + k - 1] * est.Descuento[k - 1];
        est.AnualidadDevolucion += est.FlujoDevolucion[k];
    }
    const double lx = l[x];
    est.AnualidadDevolucion = Dividir(est.AnualidadDevolucion, lx, "la anualidad del plan con devolución");
    est.ValorAnualidad = est.ValorAnualidad / lx;
    est.ValorDotal = l[x + n] * est.Descuento[n] / lx;
    const double r = Dividir(est.ValorAnualidad, est.AnualidadDevolucion - n * est.ValorDotal,
                             "la prima del plan con devolución") * 1000;

    est.VPComisiones = 0;
    est.FactorCrecimiento = 0;
    est.Sobrevivencia[0] = 1;
    est.Descuento[0] = 1;
    RevisarPlazo(x, est.PlazoPago);
    for (int k = 1; k <= est.PlazoPago; ++k) {
        est.Descuento[k] = v[k];
        est.VPComisiones += est.Comision[std::min(k, 15)] * est.Descuento[k - 1] * l[x + k - 1] / lx;
    }
    est.VPComisiones = est.VPComisiones / est.AnualidadDevolucion;
    return r;
}

double Calculo::PrimaNetaDiscreta(int x, int n, int m, int e, float i, float g, int b, int c, int col) {
    SumarNivelada(x, n, m, i, g, b, c, col);
    const double numerador = e == 1 ? est.ValorDotal * 1000 + est.ValorSeguro * 1000 : est.ValorSeguro * 1000;
    return Dividir(numerador, est.ValorAnualidad, "la prima neta (anualidad nula)");
}

double Calculo::PrimaUnicaCreciente(int x, int n, float i, float g, int16_t s, int col) {
    RevisarPlazo(x, n);
    const auto& v = Potencias(1.0 + i);
    est.Sobrevivencia[0] = 1;
    est.Descuento[0] = 1;
    est.ValorSeguro = 0;
    double muertes = 0;
    for (int k = 1; k <= n; ++k) {
        est.FactorCrecimiento = Simple((k - 1) * static_cast<double>(g));
        est.Sobrevivencia[k] = est.P[col][x + k - 1] * est.Sobrevivencia[k - 1];
        const double acumulada = 1 - est.Sobrevivencia[k];
        const double d = acumulada - muertes;
        muertes = acumulada;
        est.Descuento[k] = v[k];
        est.ValorSeguro += d * est.Descuento[k] * (1.0 + est.FactorCrecimiento);
    }
    est.ValorDotal = est.Descuento[n] * est.Sobrevivencia[n];
    // The force of interest in single precision, as the premium functions take it.
    const float delta = BuscarPotencia(1.0 + i).delta;
    return static_cast<double>(i) / delta * est.ValorSeguro * 1000 + s * est.ValorDotal * 1000;
}

}  // namespace cv
