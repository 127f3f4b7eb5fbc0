// Reserves by surrender method against the prospective reserve (value of future benefits less
// value of future premiums) computed straight from the mortality table, and the rules of the
// first year, the floors and the missing renewal period.
#include <gtest/gtest.h>

#include <cmath>

#include "apoyo.h"

namespace valores {
namespace {

// How the premium of the reserve is fixed, for the prospective formula.
enum class Prima {
    Nivelada,         // the level premium at the reserve basis: R(0) = 0
    PlazoPreliminar,  // year 1 pays its own cover, years 2.. the level premium from age x + 1: R(1) = 0
    Modificada,       // first-year premium by the 20-year comparison, renewal levelled over n years
};

struct CasoMuestra {
    const char* que;
    cv::LineaCotizacion linea;
    const char* moneda;
    int n, m;  // years of cover and of premiums at age 40
    float tasaPct;
    bool rescate;  // ReservaRescate; otherwise ReservaNivelada
    Prima prima;
    int h;  // growth years of the reserve; 0 without growth
};

cv::LineaCotizacion Dotal(const char* producto, int seguro, int pago, float incrementoPct = 0) {
    return Linea(producto, seguro, pago, 100, incrementoPct, true);
}
cv::LineaCotizacion Vitalicio(const char* producto, int pago) {
    cv::LineaCotizacion l = Linea(producto, 99, pago);
    l.Ordinario = 1;
    return l;
}
cv::LineaCotizacion HastaLaEdad(const char* producto, int edad) {
    cv::LineaCotizacion l = Dotal(producto, edad, edad);
    l.EdadAlcanzada = 1;
    return l;
}

// Expected reserve per 1000 at the end of years 1..n.
std::vector<double> Prospectiva(const Base& b, int x, int n, int m, int e, const Factor& f, Prima prima) {
    std::vector<double> r(static_cast<size_t>(n + 1), 0.0);
    double p = 0;
    switch (prima) {
        case Prima::Nivelada:
            p = ValorBeneficios(b, x, n, e, 0, f) / ValorPrimas(b, x, m, 0, f);
            break;
        case Prima::PlazoPreliminar:
            p = ValorBeneficios(b, x, n, e, 1, f) / ValorPrimas(b, x, m, 1, f);
            break;
        case Prima::Modificada: {
            const double pn = ValorBeneficios(b, x, n, e, 0) / ValorPrimas(b, x, m, 0);
            const double p20 = ValorBeneficios(b, x, 20, 1, 0) / ValorPrimas(b, x, 20, 0);
            const double c1 = b.idelta * b.q[static_cast<size_t>(x)] * 1000;
            const double p1 = pn > p20 ? c1 + (pn - p20) : c1 / (1 + b.i);
            const double a = ValorPrimas(b, x, n, 0);
            p = (pn * a - p1) / (a - 1);
            break;
        }
    }
    for (int k = 1; k <= n; ++k)
        r[static_cast<size_t>(k)] = ValorBeneficios(b, x, n, e, k, f) - p * ValorPrimas(b, x, m, k, f);
    return r;
}

TEST(ReservasMuestra, CoincidenConLaReservaProspectiva) {
    const CasoMuestra casos[] = {
        {"temporal 20 años, método 3, nivelada", Linea("3", 20, 20), "Pesos", 20, 20, 5.5f, false, Prima::Nivelada, 0},
        {"dotal 20 años pagos 10, método 3, nivelada", Dotal("3", 20, 10), "Pesos", 20, 10, 5.5f, false,
         Prima::Nivelada, 0},
        {"dotal 20 años, método 3, modificada", Dotal("3", 20, 20), "Pesos", 20, 20, 5.5f, true, Prima::Modificada, 0},
        {"dotal 10 años, método 3, modificada, prima mayor a la de 20 años", Dotal("3", 10, 10), "Pesos", 10, 10, 5.5f,
         true, Prima::Modificada, 0},
        {"temporal 20 años, método 1, nivelada", Linea("2", 20, 20), "Dólares", 20, 20, 4.0f, false, Prima::Nivelada,
         0},
        {"vida entera pagos 20, método 11, nivelada", Vitalicio("11", 20), "Pesos", 59, 20, 4.5f, false,
         Prima::Nivelada, 0},
        {"vida entera pagos vitalicios, método 11, modificada", Vitalicio("11", 99), "Pesos", 59, 59, 4.5f, true,
         Prima::Modificada, 0},
        {"vida entera pagos vitalicios, método 12, nivelada", Vitalicio("12", 99), "Dólares", 59, 59, 3.0f, false,
         Prima::Nivelada, 0},
        {"temporal creciente 5 %, método 2, rescate", Linea("1", 20, 20, 100, 5), "Pesos", 20, 20, 5.5f, true,
         Prima::PlazoPreliminar, 20},
        {"temporal creciente 5 %, método 2, nivelada", Linea("1", 20, 20, 100, 5), "Pesos", 20, 20, 5.5f, false,
         Prima::PlazoPreliminar, 20},
        {"dotal creciente 5 % 20 años, método 6", Dotal("15", 20, 20, 5), "Pesos", 20, 20, 5.5f, true,
         Prima::PlazoPreliminar, 20},
        // 20 growth years of the product: the benefit grows to year 21 and stays level after.
        {"dotal creciente 5 % 25 años, método 6", Dotal("15", 25, 25, 5), "Pesos", 25, 25, 5.5f, true,
         Prima::PlazoPreliminar, 21},
        {"retiro a los 65, método 10 sin crecimiento", HastaLaEdad("26", 65), "Dólares", 25, 25, 4.0f, true,
         Prima::PlazoPreliminar, 0},
    };
    Corrida correr(prueba::MotorMuestra());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        cv::EntradaCalculo entrada = prueba::Entrada({c.linea});
        entrada.comMoneda = c.moneda;
        const cv::EstadoMotor& est = correr(entrada);
        ASSERT_EQ(est.EdadCalculo, 40);
        ASSERT_EQ(est.PlazoSeguro, c.n);
        ASSERT_EQ(est.PlazoPago, c.m);
        const Base b(QMuestra(8), static_cast<float>(c.tasaPct / 100.0));
        const float g = static_cast<float>(c.linea.Incremento / 100.0);
        const Factor f = c.h > 0 ? Crecimiento(g, c.h) : Factor(Nulo);
        const int e = (c.linea.Dotal || c.linea.Ordinario) ? 1 : 0;
        const auto esperada = Prospectiva(b, 40, c.n, c.m, e, f, c.prima);
        const auto& r = c.rescate ? est.ReservaRescate : est.ReservaNivelada;
        for (int k = 1; k <= c.n; ++k) {
            SCOPED_TRACE(::testing::Message() << "año " << k);
            EXPECT_CERCA(r[k], esperada[static_cast<size_t>(k)]);
        }
        for (int k = c.n + 1; k <= 99; ++k) EXPECT_EQ(r[k], 0.0) << "año " << k;
        if (c.prima == Prima::PlazoPreliminar) {
            EXPECT_EQ(r[1], 0.0);
        }
    }
}

TEST(ReservasMetodos, CrecienteConPlazoPreliminarCoincideConLaProspectiva) {
    struct Caso {
        int metodo;
        bool dotal;
        float g;
    };
    // 9 growth years in the product: the engine counts one more (h = 10).
    const Caso casos[] = {{10, false, 0.05f}, {10, true, 0.05f}, {12, false, 0.04f}, {6, true, 0.03f}};
    Corrida correr(CatalogoMetodos(5, 5, 9).Motor());
    const Base b(QDe([](int a) { return PorMil(a); }), 0.05f);
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "método " << c.metodo << (c.dotal ? " dotal" : " temporal"));
        const cv::EstadoMotor& est = correr(UnaLinea(c.metodo, 25, 25, c.dotal, c.g * 100));
        ASSERT_EQ(est.AnosCrecimiento, 10);
        const auto esperada =
            Prospectiva(b, 40, 25, 25, c.dotal, Crecimiento(est.IncrementoActual, 10), Prima::PlazoPreliminar);
        EXPECT_EQ(est.ReservaRescate[1], 0.0);
        for (int k = 2; k <= 25; ++k)
            EXPECT_CERCA(est.ReservaRescate[k], esperada[static_cast<size_t>(k)]) << "año " << k;
    }
}

TEST(ReservasMetodos, PlazoPreliminarCompletoSinReservaEnElPrimerAno) {
    struct Caso {
        int metodo;
        float incrementoPct;
    };
    const Caso casos[] = {{2, 0}, {2, 5}, {6, 0}, {6, 5}, {10, 0}, {10, 5}, {12, 5}};
    Corrida correr(CatalogoMetodos(5, 5, 9).Motor());
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "método " << c.metodo << " incremento " << c.incrementoPct);
        const cv::EstadoMotor& est = correr(UnaLinea(c.metodo, 20, 20, true, c.incrementoPct));
        EXPECT_EQ(est.ReservaRescate[1], 0.0);
        EXPECT_GT(est.ReservaRescate[2], 0.0);
    }
}

// The premium of the level reserve is the level premium at the technical rate; the recursion
// runs at the reserve rate. The reserve is then the prospective one plus the accumulated
// surplus of that premium at the reserve basis.
TEST(ReservasMetodos, NiveladaConPrimaAlaTasaTecnica) {
    const int metodos[] = {1, 11, 12};
    Corrida correr(CatalogoMetodos(4, 6).Motor());
    const auto q = QDe([](int a) { return PorMil(a); });
    const Base tecnica(q, 0.04f), reservas(q, 0.06f);
    for (int metodo : metodos)
        for (bool dotal : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "método " << metodo << (dotal ? " dotal" : " temporal"));
            const cv::EstadoMotor& est = correr(UnaLinea(metodo, 20, 15, dotal));
            const int x = 40, n = 20, m = 15, e = dotal;
            const double p = ValorBeneficios(tecnica, x, n, e, 0) / ValorPrimas(tecnica, x, m, 0);
            const double inicial = ValorBeneficios(reservas, x, n, e, 0) - p * ValorPrimas(reservas, x, m, 0);
            for (int k = 1; k <= n; ++k) {
                const double esperada = ValorBeneficios(reservas, x, n, e, k) - p * ValorPrimas(reservas, x, m, k) -
                                        inicial / (reservas.v(k) * reservas.Sobrevive(x, k));
                EXPECT_CERCA(est.ReservaNivelada[k], esperada) << "año " << k;
            }
        }
}

// Methods 1 and 12 (without growth): the first-year premium by the 20-year comparison premium,
// the renewal premium levelled over the premium annuity. Method 1 keeps no reserve below 1 per
// 1000; otherwise the reserve is the prospective one of these premiums.
TEST(ReservasMetodos, ModificadaConPrimaTopeDe20Anos) {
    struct Caso {
        const char* que;
        int metodo, seguro, pago;
        bool dotal, pequenas;  // some prospective reserves fall between 0 and 1
    };
    const Caso casos[] = {
        {"temporal 20 años: reservas pequeñas al principio y al final", 1, 20, 20, false, true},
        {"temporal 20 años pagos 12", 1, 20, 12, false, false},
        {"dotal 10 años: prima mayor a la tope de 20 años", 1, 10, 10, true, false},
        {"dotal 25 años pagos 15", 1, 25, 15, true, false},
        {"método 12, temporal 20 años", 12, 20, 20, false, true},
        {"método 12, dotal 10 años", 12, 10, 10, true, false},
        {"método 12, dotal 25 años pagos 15", 12, 25, 15, true, false},
    };
    // A gentle slope: the term reserves stay below 1 per 1000 in the first and last years.
    const double pendiente = 0.0005;
    Corrida correr(CatalogoMetodos(5, 5, 0, pendiente).Motor());
    const Base b(QDe([&](int a) { return PorMil(a, pendiente); }), 0.05f);
    const int x = 40;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        const cv::EstadoMotor& est = correr(UnaLinea(c.metodo, c.seguro, c.pago, c.dotal));
        const int n = c.seguro, m = c.pago, e = c.dotal;
        const double pn = ValorBeneficios(b, x, n, e, 0) / ValorPrimas(b, x, m, 0);
        const double a20 = ValorPrimas(b, x, 20, 0);
        const double p20 = (1 - b.i / (1 + b.i) * a20) * 1000 * b.idelta / a20;
        const double c1 = b.idelta * b.q[x] * 1000;
        const double p1 = p20 >= pn ? c1 / (1 + b.i) : c1 / (1 + b.i) + (pn - p20) * (1 - b.q[x]);
        const double w = ValorPrimas(b, x, m, 0);
        const double pr = (pn * w - p1) / (w - 1);
        EXPECT_CERCA(est.PrimaTope20, p20);
        EXPECT_CERCA(est.PrimaPrimerAno, p1);
        EXPECT_CERCA(est.PrimaRenovacion, pr);
        int pequenas = 0;
        for (int k = 1; k <= n; ++k) {
            SCOPED_TRACE(::testing::Message() << "año " << k);
            const double prospectiva = ValorBeneficios(b, x, n, e, k) - pr * ValorPrimas(b, x, m, k);
            const double r = est.ReservaRescate[k];
            pequenas += prospectiva > 1e-9 && prospectiva < 1;
            if (c.metodo == 1 && prospectiva < 1)
                EXPECT_EQ(r, 0.0);
            else
                EXPECT_CERCA(r, prospectiva);
        }
        if (c.pequenas) {
            EXPECT_GT(pequenas, 0) << "el caso no tiene reservas entre 0 y 1";
        }
    }
}

// An endowment paid over fewer years than its term: the modified reserve of every method that
// has one ends at the sum assured, as the level reserve does.
TEST(ReservasMetodos, ModificadaConPagosLimitadosLlegaALaSuma) {
    Corrida correr(CatalogoMetodos().Motor());
    for (int metodo : {1, 3, 4, 11, 12}) {
        SCOPED_TRACE(::testing::Message() << "método " << metodo);
        const cv::EstadoMotor& est = correr(UnaLinea(metodo, 25, 15, true));
        EXPECT_NEAR(est.ReservaRescate[25], 1000, 1e-6);
    }
}

// Method 4 on the annual basis: the reserve of its modified premiums has no factor i/δ, while
// its level reserve charges the continuous cost against the annual premium.
TEST(ReservasMetodos, Metodo4BaseAnual) {
    struct Caso {
        int seguro;
        bool dotal;
    };
    const Caso casos[] = {{10, true}, {20, true}, {25, true}, {20, false}};
    Corrida correr(CatalogoMetodos().Motor());
    const Base b(QDe([](int a) { return PorMil(a); }), 0.05f);
    Base anual = b;
    anual.idelta = 1;
    const int x = 40;
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << (c.dotal ? "dotal " : "temporal ") << c.seguro);
        const cv::EstadoMotor& est = correr(UnaLinea(4, c.seguro, c.seguro, c.dotal));
        const int n = c.seguro, e = c.dotal;
        const double pn = ValorBeneficios(anual, x, n, e, 0) / ValorPrimas(b, x, n, 0);
        EXPECT_CERCA(est.PrimaNeta, pn);
        const double p20 = ValorBeneficios(b, x, 20, 1, 0) / ValorPrimas(b, x, 20, 0);
        const double p20anual = ValorBeneficios(anual, x, 20, 1, 0) / ValorPrimas(b, x, 20, 0);
        const double p1 = pn > p20 ? b.idelta * b.q[x] * 1000 + (pn - p20anual) : 1000 * b.q[x] / (1 + b.i);
        const double a = ValorPrimas(b, x, n, 0);
        const double pr = (pn * a - p1) / (a - 1);
        const double desbalance = ValorBeneficios(b, x, n, e, 0) - pn * a;
        for (int k = 1; k <= n; ++k) {
            SCOPED_TRACE(::testing::Message() << "año " << k);
            EXPECT_CERCA(est.ReservaRescate[k], ValorBeneficios(anual, x, n, e, k) - pr * ValorPrimas(b, x, n, k));
            EXPECT_CERCA(est.ReservaNivelada[k], ValorBeneficios(b, x, n, e, k) - pn * ValorPrimas(b, x, n, k) -
                                                     desbalance / (b.v(k) * b.Sobrevive(x, k)));
        }
    }
}

TEST(ReservasMetodos, PlazoDeUnAnoSoloTieneElPrimerAno) {
    Corrida correr(CatalogoMetodos().Motor());
    for (int metodo : {1, 2, 3, 4, 6, 10, 11, 12}) {
        SCOPED_TRACE(::testing::Message() << "método " << metodo);
        const cv::EstadoMotor& est = correr(UnaLinea(metodo, 1, 1));
        for (int k = 2; k <= 99; ++k) {
            EXPECT_EQ(est.ReservaRescate[k], 0.0) << "año " << k;
            EXPECT_EQ(est.ReservaNivelada[k], 0.0) << "año " << k;
        }
    }
}

// A single premium leaves no renewal period to value: the renewal premium is 0.
TEST(ReservasMetodos, SinPeriodoDeRenovacionLaPrimaDeRenovacionEsCero) {
    struct Caso {
        int metodo, seguro, pago;
        float incrementoPct;
    };
    const Caso casos[] = {{1, 10, 1, 0}, {2, 10, 1, 0}, {2, 1, 1, 0}, {6, 10, 1, 0}, {10, 10, 1, 0}, {12, 10, 1, 5}};
    Corrida correr(CatalogoMetodos(5, 5, 9).Motor());
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << "método " << c.metodo << " plazo " << c.seguro << " pagos " << c.pago);
        const cv::EstadoMotor* est = nullptr;
        ASSERT_NO_THROW(est = &correr(UnaLinea(c.metodo, c.seguro, c.pago, false, c.incrementoPct)));
        EXPECT_EQ(est->PrimaRenovacion, 0.0);
        for (int k = 1; k <= 99; ++k) {
            EXPECT_TRUE(std::isfinite(est->ReservaRescate[k])) << "año " << k;
            EXPECT_TRUE(std::isfinite(est->ReservaNivelada[k])) << "año " << k;
        }
    }
}

TEST(ReservasMetodos, MetodosSinReserva) {
    Corrida correr(CatalogoMetodos().Motor());
    for (int metodo : {0, 5, 7, 8, 9}) {
        SCOPED_TRACE(::testing::Message() << "método " << metodo);
        const cv::EstadoMotor& est = correr(UnaLinea(metodo, 20, 20, true));
        for (int k = 1; k <= 99; ++k) {
            EXPECT_EQ(est.ReservaRescate[k], 0.0) << "año " << k;
            EXPECT_EQ(est.ReservaNivelada[k], 0.0) << "año " << k;
            EXPECT_EQ(est.RescateMil[k], 0.0) << "año " << k;
        }
    }
    const cv::EstadoMotor& est = correr(UnaLinea(6, 20, 20, true));
    for (int k = 1; k <= 99; ++k) EXPECT_EQ(est.ReservaNivelada[k], 0.0) << "método 6, año " << k;
}

// Premiums still to pay at the start of year k, per unit, when both rates are equal.
TEST(ReservasMuestra, AnualidadesPorDuracion) {
    Corrida correr(prueba::MotorMuestra());
    const cv::EstadoMotor& est = correr(prueba::Entrada({Linea("3", 20, 15)}));
    const Base b(QMuestra(8), 0.055f);
    for (int k = 1; k <= 15; ++k) EXPECT_CERCA(est.AnualidadDuracion[k], ValorPrimas(b, 40, 15, k - 1)) << "año " << k;
}

}  // namespace
}  // namespace valores
