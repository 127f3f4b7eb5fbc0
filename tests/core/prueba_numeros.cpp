#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/errores.h"
#include "core/numeros.h"

namespace {

using cv::ErrorConversion;
using cv::ErrorDesbordamiento;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct CasoValor {
    std::string texto;
    double esperado;
};

TEST(ValorNumerico, LeeElNumeroDelPrincipio) {
    const std::vector<CasoValor> casos = {
        {"123", 123},
        {"1 2 3", 123},
        {"- 5", -5},
        {"+7", 7},
        {"\t12\n.5 ", 12.5},
        {"12abc", 12},
        {"1,500,000.50", 1},
        {"1.500.000", 1.5},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5},
        {"0x1A", 0},
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {".", 0},
        {"-", 0},
        {"+-5", 0},
        {"e5", 0},
        {"-0", 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("texto: \"" + c.texto + "\"");
        EXPECT_EQ(cv::ValorNumerico(c.texto), c.esperado);
    }
}

TEST(ValorNumerico, Exponentes) {
    const std::vector<CasoValor> casos = {
        {"1E3", 1000},   {"1e3", 1000},   {"1D3", 1000},    {"1d3", 1000},
        {"1.5E+2", 150}, {"2e-3", 0.002}, {"1E 3", 1000},   {"-2.5e1", -25},
        {"1e", 1},       {"1e+", 1},      {"1E-x", 1},      {"3Dx", 3},
        {"0E999", 0},    {"1E-999", 0},   {"-1e-400", 0},   {".5e1", 5},
        {"5.e3", 5000},  {".e3", 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("texto: \"" + c.texto + "\"");
        EXPECT_EQ(cv::ValorNumerico(c.texto), c.esperado);
    }
}

// Digit-by-digit accumulation in a double gets these wrong; the literals are correctly rounded.
TEST(ValorNumerico, RedondeoCorrectoDeLosDigitos) {
    const std::vector<CasoValor> casos = {
        {"0.1", 0.1},
        {"2.675", 2.675},
        {"4.35", 4.35},
        {"9007199254740993", 9007199254740992.0},
        {"0.000000000000000000000000000001", 1e-30},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"1.7976931348623157E308", DBL_MAX},
        {"2.2250738585072014e-308", DBL_MIN},
        {"0." + std::string(400, '0') + "1", 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("texto: \"" + c.texto + "\"");
        EXPECT_EQ(cv::ValorNumerico(c.texto), c.esperado);
    }
}

TEST(ValorNumerico, DesbordamientoLanzaError) {
    const std::vector<std::string> casos = {
        "1E999", "-1E999", "1.8e308", "1D400", "1" + std::string(400, '0'),
        "1e99999999999999999999",
    };
    for (const auto& t : casos) {
        SCOPED_TRACE("texto: \"" + t + "\"");
        try {
            cv::ValorNumerico(t);
            ADD_FAILURE() << "no lanzó";
        } catch (const ErrorDesbordamiento& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Desbordamiento: ", 0), 0u) << e.what();
        }
    }
}

TEST(EsNumerico, Casos) {
    const std::vector<std::pair<std::string, bool>> casos = {
        {"  12.5 ", true},   {"1,500,000.50", true}, {"-3", true},      {"+3", true},
        {"1e3", true},       {"1E+3", true},         {"2.5D-2", true},  {".5", true},
        {"5.", true},        {"\t7\t", true},        {"1,500", true},   {"999,999", true},
        {"", false},         {" ", false},           {"abc", false},    {"12a", false},
        {"1.2.3", false},    {".", false},           {"-", false},      {"1e", false},
        {"1e+", false},      {"- 3", false},         {"1 000", false},  {"1,50", false},
        {"12,345,67", false}, {"1234,567", false},   {",500", false},   {"1,,500", false},
        {"1,500,", false},   {"1.5,00", false},      {"--3", false},    {"e3", false},
    };
    for (const auto& [texto, esperado] : casos) {
        SCOPED_TRACE("texto: \"" + texto + "\"");
        EXPECT_EQ(cv::EsNumerico(texto), esperado);
    }
}

TEST(Redondeo, MitadesAlPar) {
    const std::vector<std::pair<double, double>> casos = {
        {34.5, 34},
        {35.5, 36},
        {-2.5, -2},
        {-3.5, -4},
        {0.5, 0},
        {1.5, 2},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {0.49999999999999994, 0},  // floor(x + 0.5) gives 1 here
        {2.5000000000000004, 3},
        {4503599627370497.0, 4503599627370497.0},
        {1e300, 1e300},
    };
    for (const auto& [x, esperado] : casos) {
        SCOPED_TRACE("x = " + std::to_string(x));
        EXPECT_EQ(cv::RedondearPar(x), esperado);
    }
    EXPECT_TRUE(std::isnan(cv::RedondearPar(kNaN)));
    EXPECT_EQ(cv::RedondearPar(kInf), kInf);
}

TEST(Redondeo, Decimales) {
    struct Caso {
        double x;
        int decimales;
        double esperado;
    };
    // The scaled product is taken in double: 0.00015 * 10000 is 1.4999999999999998.
    const std::vector<Caso> casos = {
        {1.23455, 4, 1.2346},   {1.23445, 4, 1.2344},  {1.00005, 4, 1.0001},
        {2.00005, 4, 2.0},      {0.00005, 4, 0.0},     {0.00015, 4, 0.0001},
        {0.00025, 4, 0.0002},   {-1.23456, 4, -1.2346}, {0.125, 2, 0.12},
        {0.375, 2, 0.38},       {2.5, 0, 2.0},         {1234.5, -1, 1230.0},
        {1235.0, -1, 1240.0},   {1e300, 10, 1e300},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("x = " + std::to_string(c.x) + ", decimales = " + std::to_string(c.decimales));
        EXPECT_EQ(cv::RedondearDecimales(c.x, c.decimales), c.esperado);
    }
    EXPECT_THROW(cv::RedondearDecimales(1.0, 23), ErrorConversion);
    EXPECT_THROW(cv::RedondearDecimales(1.0, -23), ErrorConversion);
}

TEST(Enteros, EnteroDe16Bits) {
    const std::vector<std::pair<double, int16_t>> casos = {
        {34.5, 34},        {35.5, 36},        {-2.5, -2},       {0.4, 0},
        {32767.4, 32767},  {32766.5, 32766},  {-32768.5, -32768}, {-32768.4, -32768},
        {-0.5, 0},
    };
    for (const auto& [x, esperado] : casos) {
        SCOPED_TRACE("x = " + std::to_string(x));
        EXPECT_EQ(cv::AEntero(x), esperado);
    }
    for (double x : {32767.5, 32768.0, -32769.0, -32768.6, 1e10, kNaN, kInf, -kInf}) {
        SCOPED_TRACE("x = " + std::to_string(x));
        EXPECT_THROW(cv::AEntero(x), ErrorDesbordamiento);
    }
}

TEST(Enteros, EnteroDe32Bits) {
    const std::vector<std::pair<double, int32_t>> casos = {
        {2147483647.49, 2147483647},
        {2147483646.5, 2147483646},
        {-2147483648.5, -2147483648},
        {40000.5, 40000},
        {-70001.5, -70002},
    };
    for (const auto& [x, esperado] : casos) {
        SCOPED_TRACE("x = " + std::to_string(x));
        EXPECT_EQ(cv::ALargo(x), esperado);
    }
    for (double x : {2147483647.5, -2147483649.0, -2147483648.6, kNaN, kInf}) {
        SCOPED_TRACE("x = " + std::to_string(x));
        EXPECT_THROW(cv::ALargo(x), ErrorDesbordamiento);
    }
}

TEST(Enteros, EnteroDeTexto) {
    EXPECT_EQ(cv::EnteroDeTexto("  34.5"), 34);
    EXPECT_EQ(cv::EnteroDeTexto("35.5 años"), 36);
    EXPECT_EQ(cv::EnteroDeTexto(""), 0);
    EXPECT_THROW(cv::EnteroDeTexto("40000"), ErrorDesbordamiento);
}

TEST(Simple, FlotanteMasCercano) {
    EXPECT_EQ(cv::ASimple(0.1), 0.1f);
    EXPECT_EQ(cv::ASimple(-2.5), -2.5f);
    EXPECT_EQ(cv::ASimple(FLT_MAX), FLT_MAX);
    // Just below the halfway point between FLT_MAX and 2^128 still rounds to FLT_MAX.
    EXPECT_EQ(cv::ASimple(0x1.fffffefffffffp127), FLT_MAX);
    EXPECT_EQ(cv::ASimple(1e-50), 0.0f);
    EXPECT_EQ(cv::ASimple(kInf), std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(cv::ASimple(kNaN)));
    for (double x : {0x1.ffffffp127, 1e39, -1e39, DBL_MAX}) {
        SCOPED_TRACE("x = " + std::to_string(x));
        EXPECT_THROW(cv::ASimple(x), ErrorDesbordamiento);
    }
}

}  // namespace
