#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/errores.h"
#include "core/moneda.h"

namespace {

using cv::Currency;
using cv::ErrorConversion;
using cv::ErrorDesbordamiento;

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

Currency D(int64_t d) { return Currency::DesdeDiezmilesimos(d); }

TEST(Moneda, DesdeDoubleRedondeaElProductoAlPar) {
    // The expected values follow x * 10000.0 as computed in double, e.g.
    // 0.00015 * 10000.0 = 1.4999999999999998 and 1.00005 * 10000.0 = 10000.500000000002.
    const std::vector<std::pair<double, int64_t>> casos = {
        {1.5, 15000},       {0.00005, 0},        {0.00015, 1},      {0.00025, 2},
        {0.00035, 4},       {1.00005, 10001},    {2.00005, 20000},  {-2.00005, -20000},
        {1.23455, 12346},   {1.23445, 12344},    {-1.23456, -12346}, {-0.00005, 0},
        {0.0, 0},           {1500000.5, 15000005000},
        // Largest magnitude below the limit: the product rounds to 2^63 - 1024.
        {922337203685477.5, 9223372036854774784},
        {-922337203685477.5, -9223372036854774784},
    };
    for (const auto& [x, d] : casos) {
        SCOPED_TRACE("x = " + std::to_string(x));
        EXPECT_EQ(Currency::DesdeDouble(x).Diezmilesimos(), d);
    }
}

TEST(Moneda, DesdeDoubleFueraDeRango) {
    const double sobre = std::nextafter(922337203685477.5, 1e300);
    const double bajo = std::nextafter(-922337203685477.5, -1e300);  // product is exactly -2^63
    for (double x : {sobre, bajo, 1e300, -1e300, std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE("x = " + std::to_string(x));
        EXPECT_THROW(Currency::DesdeDouble(x), ErrorDesbordamiento);
    }
    EXPECT_THROW(Currency::DesdeDouble(std::numeric_limits<double>::quiet_NaN()), ErrorConversion);
}

TEST(Moneda, DesdeEntero) {
    EXPECT_EQ(Currency::DesdeEntero(922337203685477).Diezmilesimos(), 9223372036854770000);
    EXPECT_EQ(Currency::DesdeEntero(-922337203685477).Diezmilesimos(), -9223372036854770000);
    EXPECT_EQ(Currency::DesdeEntero(0).Diezmilesimos(), 0);
    EXPECT_THROW(Currency::DesdeEntero(922337203685478), ErrorDesbordamiento);
    EXPECT_THROW(Currency::DesdeEntero(-922337203685478), ErrorDesbordamiento);
    EXPECT_THROW(Currency::DesdeEntero(kMin), ErrorDesbordamiento);
}

TEST(Moneda, AritmeticaExacta) {
    EXPECT_EQ(Currency::DesdeDouble(0.1) + Currency::DesdeDouble(0.2), Currency::DesdeDouble(0.3));
    EXPECT_EQ(D(15000) - D(22500), D(-7500));
    EXPECT_EQ(-D(15000), D(-15000));
    Currency total;
    for (int i = 0; i < 10; ++i) total += Currency::DesdeDouble(0.1);
    EXPECT_EQ(total, Currency::DesdeEntero(1));
    total -= D(1);
    EXPECT_EQ(total.Diezmilesimos(), 9999);
    EXPECT_LT(D(-1), D(0));
    EXPECT_EQ(D(15000) * 2.0, 3.0);
    EXPECT_EQ(D(15000) / 4.0, 0.375);
    EXPECT_EQ(D(-12345).ComoDouble(), -1.2345);
}

TEST(Moneda, AritmeticaEnLosLimites) {
    EXPECT_EQ((D(kMax - 1) + D(1)).Diezmilesimos(), kMax);
    EXPECT_EQ((D(-kMax + 1) - D(1)).Diezmilesimos(), -kMax);
    EXPECT_EQ((-D(kMax)).Diezmilesimos(), -kMax);
    EXPECT_THROW(D(kMax) + D(1), ErrorDesbordamiento);
    EXPECT_THROW(D(kMax) - D(-1), ErrorDesbordamiento);
    EXPECT_THROW(D(-kMax) + D(-1), ErrorDesbordamiento);  // would be the lowest int64
    EXPECT_THROW(D(-kMax) - D(1), ErrorDesbordamiento);
    EXPECT_THROW(D(kMin) + D(-1), ErrorDesbordamiento);
    EXPECT_THROW(-D(kMin), ErrorDesbordamiento);
    Currency c = D(kMax);
    EXPECT_THROW(c += D(1), ErrorDesbordamiento);
    EXPECT_EQ(c.Diezmilesimos(), kMax);  // unchanged after the failed sum
}

TEST(Moneda, Texto) {
    const std::vector<std::pair<int64_t, std::string>> casos = {
        {15000005000, "1500000.5"},
        {-1, "-0.0001"},
        {0, "0"},
        {10000, "1"},
        {-5000, "-0.5"},
        {100, "0.01"},
        {12345678, "1234.5678"},
        {10001000, "1000.1"},
        {kMax, "922337203685477.5807"},
        {kMin, "-922337203685477.5808"},
    };
    for (const auto& [d, texto] : casos) {
        SCOPED_TRACE("d = " + std::to_string(d));
        EXPECT_EQ(D(d).Texto(), texto);
    }
}

}  // namespace
