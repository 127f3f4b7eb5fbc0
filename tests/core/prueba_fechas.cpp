#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/errores.h"
#include "core/fechas.h"

namespace {

using cv::Fecha;

std::string Texto(const Fecha& f) {
    return std::to_string(f.dia) + "/" + std::to_string(f.mes) + "/" + std::to_string(f.anio);
}

TEST(Fechas, Calendario) {
    const std::vector<std::pair<Fecha, bool>> casos = {
        {{2024, 2, 29}, true},  {{2023, 2, 29}, false}, {{2020, 4, 31}, false},
        {{1900, 2, 29}, false}, {{2000, 2, 29}, true},  {{2024, 12, 31}, true},
        {{2024, 6, 30}, true},  {{2024, 6, 31}, false}, {{2024, 13, 1}, false},
        {{2024, 0, 1}, false},  {{2024, 1, 0}, false},  {{99, 1, 1}, false},
        {{100, 1, 1}, true},    {{9999, 12, 31}, true}, {{10000, 1, 1}, false},
    };
    for (const auto& [f, valida] : casos) {
        SCOPED_TRACE(Texto(f));
        EXPECT_EQ(cv::EsFechaValida(f.anio, f.mes, f.dia), valida);
    }
}

TEST(Fechas, LeerFecha) {
    const std::vector<std::pair<std::string, std::optional<Fecha>>> casos = {
        {"05/03/2024", Fecha{2024, 3, 5}},
        {"5/3/2024", Fecha{2024, 3, 5}},
        {" 29/02/2024 ", Fecha{2024, 2, 29}},
        {"\t05/03/2024", Fecha{2024, 3, 5}},
        {"31-12-1999", Fecha{1999, 12, 31}},
        {"1.1.2000", Fecha{2000, 1, 1}},
        {"01/01/0100", Fecha{100, 1, 1}},
        // Two-digit years fall in 1930..2029.
        {"05/03/24", Fecha{2024, 3, 5}},
        {"05/03/29", Fecha{2029, 3, 5}},
        {"05/03/30", Fecha{1930, 3, 5}},
        {"01/01/00", Fecha{2000, 1, 1}},
        {"31/12/99", Fecha{1999, 12, 31}},
        {"29/02/2023", std::nullopt},
        {"31/04/2020", std::nullopt},
        {"29/02/00", Fecha{2000, 2, 29}},
        {"29/02/30", std::nullopt},
        {"01/01/0099", std::nullopt},
        {"00/01/2024", std::nullopt},
        {"05/03-2024", std::nullopt},
        {"05/03/202", std::nullopt},
        {"05/03/20245", std::nullopt},
        {"005/03/2024", std::nullopt},
        {"05/003/2024", std::nullopt},
        {"2024/03/05", std::nullopt},
        {"05/03/2024x", std::nullopt},
        {"05 /03/2024", std::nullopt},
        {"05/03", std::nullopt},
        {"05/03/", std::nullopt},
        {"", std::nullopt},
        {"hoy", std::nullopt},
    };
    for (const auto& [texto, esperada] : casos) {
        SCOPED_TRACE("texto: \"" + texto + "\"");
        EXPECT_EQ(cv::LeerFecha(texto), esperada);
    }
}

TEST(Fechas, Hoy) {
    Fecha h = cv::Hoy();
    EXPECT_TRUE(cv::EsFechaValida(h.anio, h.mes, h.dia));
    EXPECT_GE(h.anio, 2024);
}

TEST(Fechas, FechaCorta) {
    EXPECT_EQ(cv::FechaCorta({2024, 3, 5}), "05/03/2024");
    EXPECT_EQ(cv::FechaCorta({1999, 12, 31}), "31/12/1999");
    EXPECT_EQ(cv::FechaCorta({100, 1, 1}), "01/01/0100");
}

TEST(Fechas, FechaLarga) {
    const std::vector<std::pair<Fecha, std::string>> casos = {
        {{2024, 1, 15}, "15 enero 2024"},     {{2024, 2, 29}, "29 febrero 2024"},
        {{2024, 3, 1}, "01 marzo 2024"},      {{2024, 4, 30}, "30 abril 2024"},
        {{2024, 5, 5}, "05 mayo 2024"},       {{2024, 6, 6}, "06 junio 2024"},
        {{2024, 7, 7}, "07 julio 2024"},      {{2024, 8, 8}, "08 agosto 2024"},
        {{2024, 9, 1}, "01 septiembre 2024"}, {{2024, 10, 12}, "12 octubre 2024"},
        {{2024, 11, 2}, "02 noviembre 2024"}, {{2024, 12, 31}, "31 diciembre 2024"},
    };
    for (const auto& [f, texto] : casos) {
        SCOPED_TRACE(Texto(f));
        EXPECT_EQ(cv::FechaLarga(f), texto);
    }
    EXPECT_THROW(cv::FechaLarga({2024, 0, 1}), cv::ErrorConversion);
    EXPECT_THROW(cv::FechaLarga({2024, 13, 1}), cv::ErrorConversion);
}

TEST(Fechas, EdadCumplida) {
    struct Caso {
        Fecha nacimiento;
        Fecha referencia;
        int edad;
    };
    // Days = years*365 + months*30.4375 + days, difference over 365, four decimals each.
    const std::vector<Caso> casos = {
        {{1990, 6, 15}, {2025, 6, 10}, 34},  // 12770 / 365 = 34.9863
        {{1990, 6, 15}, {2025, 6, 15}, 35},  // 12775 / 365 = 35
        {{2025, 6, 10}, {2025, 6, 10}, 0},   // born today
        {{2000, 2, 29}, {2001, 2, 28}, 0},   // 364
        {{2000, 2, 29}, {2001, 3, 1}, 1},    // 365 + 30.4375 - 28 = 367.4375
        {{2000, 2, 29}, {2004, 2, 29}, 4},   // 1460
        {{1990, 5, 31}, {2025, 5, 30}, 34},  // 12774
        {{1990, 5, 31}, {2025, 6, 1}, 35},   // 12775 + 30.4375 - 30 = 12775.4375
        {{1999, 12, 31}, {2000, 1, 1}, 0},   // 365 - 334.8125 - 30 = 0.1875
        {{1999, 12, 31}, {2000, 12, 30}, 0}, // 364
        {{1999, 12, 31}, {2000, 12, 31}, 1}, // 365
        {{2000, 1, 1}, {2000, 12, 31}, 0},   // 364.8125 / 365 = 0.99948.. -> 0.9995
        {{1960, 3, 1}, {2025, 2, 28}, 64},   // 23725 - 30.4375 + 27 = 23721.5625
        {{1960, 3, 1}, {2025, 3, 1}, 65},
        {{2025, 6, 10}, {2025, 6, 9}, -1},   // birth after the reference
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(Texto(c.nacimiento) + " a " + Texto(c.referencia));
        EXPECT_EQ(cv::EdadCumplida(c.nacimiento, c.referencia), c.edad);
    }
}

}  // namespace
