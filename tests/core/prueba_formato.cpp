#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/errores.h"
#include "core/formato.h"

namespace {

using cv::Currency;
using cv::ErrorConversion;
using cv::ErrorDesbordamiento;
using cv::Formatear;

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

struct CasoFormato {
    double valor;
    std::string patron;
    std::string esperado;
};

std::string Traza(double v, const std::string& patron) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return std::string("valor ") + buf + ", patron \"" + patron + "\"";
}

TEST(Formatear, PatronesDelSistema) {
    const std::vector<CasoFormato> casos = {
        {1500000.5, "###,##0.00", "1,500,000.50"},
        {0.5, "###,##0.00", "0.50"},
        {0, "#,###,##0.00", "0.00"},
        {1234567, "#,###,##0", "1,234,567"},
        {1234567, "#,###,###0", "1,234,567"},
        {45, "#0", "45"},
        {0, "#0", "0"},
        {-1234.5, "###,##0.00 ", "-1,234.50 "},
        {400000, std::string(cv::kF1), "400,000.00 "},
        {1234.5, "#,###0.00", "1,234.50"},
        {1234567.891, "#,###,###0.00", "1,234,567.89"},
        {999.5, "#,##0.00", "999.50"},
        {1000, "#,##0.00", "1,000.00"},
        {12.345, "0.00", "12.35"},
        {7, "0", "7"},
        {123.456, "0.0", "123.5"},
        {0.1, "0.00000", "0.10000"},
        {5, "000", "005"},
        {1234, "000,000", "001,234"},
        {0.5, ".00", ".50"},
        {0.5, "#.00", ".50"},
        {1234.5, ".00", "1234.50"},
        {1234.567, "#,##0.00 M.N.", "1,234.57 M.N."},
        {45, "#0 años", "45 años"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(Traza(c.valor, c.patron));
        EXPECT_EQ(Formatear(c.valor, c.patron), c.esperado);
    }
}

TEST(Formatear, MitadesLejosDelCeroSobreElValorDecimal) {
    // 2.675, 1.005 and 0.995 sit just below the half in binary; the 15-digit step puts them
    // back on it.
    const std::vector<CasoFormato> casos = {
        {2.675, "0.00", "2.68"},
        {0.125, "0.00", "0.13"},
        {1.005, "0.00", "1.01"},
        {-2.675, "0.00", "-2.68"},
        {-0.005, "0.00", "-0.01"},
        {1234.5, "0", "1235"},
        {1233.5, "0", "1234"},
        {-0.5, "0", "-1"},
        {0.5, "#0", "1"},
        {0.994999, "0.00", "0.99"},
        {0.995, "0.00", "1.00"},
        {999999.995, "###,##0.00", "1,000,000.00"},
        {0.006, "0.00", "0.01"},
        {0.0006, "0.00", "0.00"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(Traza(c.valor, c.patron));
        EXPECT_EQ(Formatear(c.valor, c.patron), c.esperado);
    }
}

TEST(Formatear, CeroSinSigno) {
    const std::vector<CasoFormato> casos = {
        {0.004, "#,##0.00", "0.00"},
        {-0.004, "#,##0.00", "0.00"},
        {-0.0, "0.00", "0.00"},
        {-0.4, "#0", "0"},
        {-1e-20, "###,##0.00 ", "0.00 "},
        {1e-20, "0.00", "0.00"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(Traza(c.valor, c.patron));
        EXPECT_EQ(Formatear(c.valor, c.patron), c.esperado);
    }
}

TEST(Formatear, QuinceDigitosYValoresGrandes) {
    const std::vector<CasoFormato> casos = {
        {1e15, "#,###,##0", "1,000,000,000,000,000"},
        {999999999999999.0, "#,###,###0", "999,999,999,999,999"},
        {123456789012.34, "###,##0.00", "123,456,789,012.34"},
        {9876543210123.45, "#,###,##0.00", "9,876,543,210,123.45"},
        {-987654321098765.0, "#,##0", "-987,654,321,098,765"},
        // Beyond 15 significant digits the rest print as zeros.
        {1234567890123456.0, "#,##0", "1,234,567,890,123,460"},
        {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"},
        {1.0 / 3.0, "0.0000000000000000000", "0.3333333333333330000"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(Traza(c.valor, c.patron));
        EXPECT_EQ(Formatear(c.valor, c.patron), c.esperado);
    }
}

TEST(Formatear, MonedaConSusDigitosExactos) {
    const std::vector<std::tuple<int64_t, std::string, std::string>> casos = {
        {15000005000, "###,##0.00", "1,500,000.50"},
        {kMax, "#,###,##0.0000", "922,337,203,685,477.5807"},
        {kMax, "#,##0.00", "922,337,203,685,477.58"},
        {kMin, "#,##0.00", "-922,337,203,685,477.58"},
        {-kMax, "#,##0", "-922,337,203,685,478"},
        {50, "0.00", "0.01"},
        {-50, "0.00", "-0.01"},
        {49, "0.00", "0.00"},
        {-49, "0.00", "0.00"},
        {26750, "0.00", "2.68"},  // the double 2.675 is below the half; money is not
        {0, "###,##0.00 ", "0.00 "},
        {99995, "0.00", "10.00"},
        {12345, "0.000000", "1.234500"},
        {5000, "#0", "1"},
        {-12345678, "#,##0.00", "-1,234.57"},
    };
    for (const auto& [d, patron, esperado] : casos) {
        SCOPED_TRACE("d = " + std::to_string(d) + ", patron \"" + patron + "\"");
        EXPECT_EQ(Formatear(Currency::DesdeDiezmilesimos(d), patron), esperado);
    }
}

TEST(Formatear, PatronesInvalidos) {
    const std::vector<std::string> patrones = {
        "", "abc", "$#,##0", "#,", ",##0", "##,,#", "0,.00", "0.", "0.00.00",
        "0.0,0", "#0 0", "0.00 #", "0.00,", ".",
    };
    for (const auto& p : patrones) {
        SCOPED_TRACE("patron \"" + p + "\"");
        EXPECT_THROW(Formatear(1.0, p), ErrorConversion);
        EXPECT_THROW(Formatear(Currency::DesdeEntero(1), p), ErrorConversion);
    }
}

TEST(Formatear, NoFinitosLanzanError) {
    EXPECT_THROW(Formatear(std::numeric_limits<double>::quiet_NaN(), "0.00"), ErrorConversion);
    EXPECT_THROW(Formatear(std::numeric_limits<double>::infinity(), "0.00"), ErrorConversion);
    EXPECT_THROW(Formatear(-std::numeric_limits<double>::infinity(), "0.00"), ErrorConversion);
}

TEST(TextoNumero, Casos) {
    const std::vector<std::pair<double, std::string>> casos = {
        {150, "150"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {0, "0"},
        {-0.0, "0"},
        {-3, "-3"},
        {12.5, "12.5"},
        {1500000.5, "1500000.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {100, "100"},
        {1e14, "100000000000000"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        // Exponent form from 1E+15 up and below 1E-04.
        {1e15, "1E+15"},
        {1e16, "1E+16"},
        {-1e16, "-1E+16"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {999999999999999.9, "1E+15"},  // 15 digits round it up to 1E+15
        {0.00001, "1E-05"},
        {-0.000025, "-2.5E-05"},
        {0.0000999999, "9.99999E-05"},
        {std::nextafter(0.0001, 0.0), "0.0001"},  // 15 digits round it up, then it prints fixed
        {1e100, "1E+100"},
        {DBL_MAX, "1.79769313486232E+308"},
        {5e-324, "4.94065645841247E-324"},
    };
    for (const auto& [v, esperado] : casos) {
        SCOPED_TRACE(Traza(v, ""));
        EXPECT_EQ(cv::TextoNumero(v), esperado);
    }
    EXPECT_THROW(cv::TextoNumero(std::numeric_limits<double>::quiet_NaN()), ErrorConversion);
    EXPECT_THROW(cv::TextoNumero(std::numeric_limits<double>::infinity()), ErrorConversion);
}

TEST(LeerImporte, ImportesValidos) {
    const std::vector<std::pair<std::string, double>> casos = {
        {"1,500,000.50", 1500000.5},
        {"400,000.00 ", 400000},
        {"  -1,234.50\t", -1234.5},
        {"0.50", 0.5},
        {"12", 12},
        {".5", 0.5},
        {"1500000.5", 1500000.5},
        {"001,234", 1234},
        {"0.1", 0.1},
    };
    for (const auto& [texto, esperado] : casos) {
        SCOPED_TRACE("texto: \"" + texto + "\"");
        std::optional<double> v = cv::LeerImporte(texto);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(*v, esperado);
    }
    std::optional<double> cero = cv::LeerImporte("-0.00");
    ASSERT_TRUE(cero.has_value());
    EXPECT_FALSE(std::signbit(*cero));
}

TEST(LeerImporte, TextosQueNoSonImportes) {
    const std::vector<std::string> casos = {
        "", " ", "abc", "1.2.3", "12a", "1,50", "+5", "1e3", "-", ".", "1 000", "--5", "$100",
        "- 5", "1,500 .5",
    };
    for (const auto& t : casos) {
        SCOPED_TRACE("texto: \"" + t + "\"");
        EXPECT_FALSE(cv::LeerImporte(t).has_value());
        EXPECT_FALSE(cv::LeerImporteMoneda(t).has_value());
    }
}

TEST(LeerImporte, VueltaDesdeFormatear) {
    for (double x : {0.0, 0.5, 1234.5, -1234.5, 1500000.5, 999999999999.99, -0.01}) {
        SCOPED_TRACE(Traza(x, ""));
        for (std::string_view patron : {cv::kF1, cv::kF2, cv::kFTabla}) {
            std::optional<double> v = cv::LeerImporte(Formatear(x, patron));
            ASSERT_TRUE(v.has_value());
            EXPECT_EQ(*v, x);
        }
    }
}

TEST(LeerImporte, DesbordamientoLanzaError) {
    EXPECT_THROW(cv::LeerImporte("1" + std::string(400, '0')), ErrorDesbordamiento);
}

TEST(LeerImporteMoneda, RedondeaAlParSobreLosDigitosExactos) {
    const std::vector<std::pair<std::string, int64_t>> casos = {
        {"1,500,000.50", 15000005000},
        {"400,000.00 ", 4000000000},
        {"0.00005", 0},
        {"0.00015", 2},
        {"0.00025", 2},
        {"0.000250001", 3},
        {"1.00005", 10000},
        {"-0.00015", -2},
        {"1.23456", 12346},
        {"-1.23454", -12345},
        {"0.99995", 10000},
        {"-0.00004", 0},
        {"922,337,203,685,477.5807", kMax},
        {"922337203685477.58074", kMax},
        {"-922,337,203,685,477.5807", -kMax},
    };
    for (const auto& [texto, d] : casos) {
        SCOPED_TRACE("texto: \"" + texto + "\"");
        std::optional<Currency> c = cv::LeerImporteMoneda(texto);
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->Diezmilesimos(), d);
    }
    for (std::string t : {"922,337,203,685,477.58075", "922337203685477.5808",
                          "-922337203685477.5808", "1,000,000,000,000,000"}) {
        SCOPED_TRACE("texto: \"" + t + "\"");
        EXPECT_THROW(cv::LeerImporteMoneda(t), ErrorDesbordamiento);
    }
}

}  // namespace
