#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/texto.h"

namespace {

TEST(Reemplazar, Casos) {
    struct Caso {
        std::string texto, buscar, reemplazo;
        int inicio;
        std::string esperado;
    };
    const std::vector<Caso> casos = {
        {"1,500,000.50", ",", "", 1, "1500000.50"},
        {"%NOMBRE% y %NOMBRE%", "%NOMBRE%", "Ana", 1, "Ana y Ana"},
        // The inserted text is skipped, so these end and nothing is replaced twice.
        {"aaa", "a", "aa", 1, "aaaaaa"},
        {"aab", "ab", "b", 1, "ab"},
        {"abab", "ab", "b", 1, "bb"},
        // Start position, 1-based.
        {"a,b,c", ",", ";", 2, "a;b;c"},
        {"a,b,c", ",", ";", 3, "a,b;c"},
        {"abc", "c", "x", 3, "abx"},
        {"abc", "b", "x", 10, "abc"},
        {"abc", "b", "x", 0, "axc"},
        {"abc", "", "x", 1, "abc"},
        {"xyz", "xyzw", "a", 1, "xyz"},
        {"", "a", "b", 1, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("\"" + c.texto + "\", \"" + c.buscar + "\" -> \"" + c.reemplazo +
                     "\" desde " + std::to_string(c.inicio));
        EXPECT_EQ(cv::Reemplazar(c.texto, c.buscar, c.reemplazo, c.inicio), c.esperado);
    }
    EXPECT_EQ(cv::Reemplazar("1,2", ",", ""), "12");  // start defaults to 1
}

TEST(CodigoDePagina, LosDoscientosCincuentaYSeisBytesVanYVuelven) {
    std::string todos;
    for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
    bool perdida = true;
    std::string utf8 = cv::Cp1252AUtf8(todos);
    EXPECT_EQ(cv::Utf8ACp1252(utf8, &perdida), todos);
    EXPECT_FALSE(perdida);
}

TEST(CodigoDePagina, De1252AUtf8) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"D\xF3lares", "Dólares"},
        {"N\xFA\xF1" "ez", "Núñez"},
        {"\x80", "€"},
        {"\x82\x83\x84\x85\x86\x87\x88\x89", "‚ƒ„…†‡ˆ‰"},
        {"\x8A\x8B\x8C\x8E", "Š‹ŒŽ"},
        {"\x91\x92\x93\x94\x95\x96\x97", "‘’“”•–—"},
        {"\x98\x99\x9A\x9B\x9C\x9E\x9F", "˜™š›œžŸ"},
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"\xA0\xBF\xC0\xFF", "\xC2\xA0¿Àÿ"},
        {"abc", "abc"},
    };
    for (const auto& [cp1252, utf8] : casos) {
        SCOPED_TRACE(utf8);
        EXPECT_EQ(cv::Cp1252AUtf8(cp1252), utf8);
    }
}

TEST(CodigoDePagina, DeUtf8A1252) {
    struct Caso {
        std::string utf8, cp1252;
        bool perdida;
    };
    const std::vector<Caso> casos = {
        {"Dólares", "D\xF3lares", false},
        {"Núñez", "N\xFA\xF1" "ez", false},
        {"€ 5", "\x80 5", false},
        {"™ Ÿ", "\x99 \x9F", false},
        {"日本", "??", true},
        {"\xF0\x9F\x98\x80", "?", true},        // outside the BMP
        {"\xC2\x80", "?", true},                // U+0080: byte 0x80 is the euro sign
        {"\xC3", "?", true},                    // cut short
        {"\xE2\x82x", "?x", true},              // cut short before a plain letter
        {"\xC0\xAF", "??", true},               // overlong form
        {"\xED\xA0\x80", "???", true},          // surrogate
        {"\xF4\x90\x80\x80", "????", true},     // past U+10FFFF
        {"a\xFF" "b", "a?b", true},
        {"\xA9", "?", true},                    // stray continuation byte
        {"", "", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.utf8);
        bool perdida = !c.perdida;
        EXPECT_EQ(cv::Utf8ACp1252(c.utf8, &perdida), c.cp1252);
        EXPECT_EQ(perdida, c.perdida);
    }
    EXPECT_EQ(cv::Utf8ACp1252("ñ"), "\xF1");  // the flag is optional
}

TEST(Texto, Mayusculas) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"núñez", "NÚÑEZ"},
        {"árbol éxito índice óvalo único", "ÁRBOL ÉXITO ÍNDICE ÓVALO ÚNICO"},
        {"pingüino", "PINGÜINO"},
        {"àèç âêô ãõ åæø þ", "ÀÈÇ ÂÊÔ ÃÕ ÅÆØ Þ"},
        {"Dólares 123", "DÓLARES 123"},
        {"ÁÉÍÓÚÑ", "ÁÉÍÓÚÑ"},
        {"÷ ß ÿ € µ", "÷ ß ÿ € µ"},
        {"\xC3" "a", "\xC3" "A"},  // a malformed lead byte does not swallow the letter
    };
    for (const auto& [texto, esperado] : casos) {
        SCOPED_TRACE(texto);
        EXPECT_EQ(cv::Mayusculas(texto), esperado);
    }
}

TEST(Texto, Recortar) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"  a b \t", "a b"}, {"", ""}, {" \t ", ""}, {"x", "x"}, {"\na\n", "\na\n"},
    };
    for (const auto& [texto, esperado] : casos) {
        SCOPED_TRACE("\"" + texto + "\"");
        EXPECT_EQ(cv::Recortar(texto), esperado);
    }
}

}  // namespace
