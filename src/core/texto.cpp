#include "core/texto.h"

#include <cstdint>

namespace cv {

namespace {

// Code points of the bytes 0x80..0x9F; the five bytes the code page leaves undefined keep
// their own value (C1 controls).
constexpr char32_t kAltos1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

void AgregarUtf8(std::string& s, char32_t cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        // Every code point of the table is in the Basic Multilingual Plane.
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The byte of code page 1252 for a code point, or -1 when it has none.
int ByteDe1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int k = 0; k < 32; ++k) {
        if (kAltos1252[k] == cp) return 0x80 + k;
    }
    return -1;
}

bool EsContinuacion(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::string Reemplazar(std::string_view texto, std::string_view buscar,
                       std::string_view reemplazo, int inicio) {
    std::string r(texto);
    if (buscar.empty()) return r;
    size_t desde = inicio > 1 ? static_cast<size_t>(inicio) - 1 : 0;
    while (desde <= r.size()) {
        size_t pos = r.find(buscar, desde);
        if (pos == std::string::npos) break;
        r.replace(pos, buscar.size(), reemplazo);
        desde = pos + reemplazo.size();
    }
    return r;
}

std::string Cp1252AUtf8(std::string_view bytes) {
    std::string r;
    r.reserve(bytes.size());
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        AgregarUtf8(r, b >= 0x80 && b <= 0x9F ? kAltos1252[b - 0x80] : char32_t{b});
    }
    return r;
}

std::string Utf8ACp1252(std::string_view utf8, bool* perdida) {
    std::string r;
    r.reserve(utf8.size());
    bool perdio = false;
    size_t i = 0;
    while (i < utf8.size()) {
        auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            r += static_cast<char>(b);
            ++i;
            continue;
        }
        // Length and allowed range of the second byte, which rule out overlong forms,
        // surrogates and code points past U+10FFFF.
        int largo = 0;
        unsigned char min2 = 0x80, max2 = 0xBF;
        char32_t cp = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            largo = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            largo = 3;
            cp = b & 0x0F;
            if (b == 0xE0) min2 = 0xA0;
            if (b == 0xED) max2 = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            largo = 4;
            cp = b & 0x07;
            if (b == 0xF0) min2 = 0x90;
            if (b == 0xF4) max2 = 0x8F;
        }
        size_t j = i + 1;
        bool valido = largo > 0;
        for (int k = 1; valido && k < largo; ++k, ++j) {
            if (j >= utf8.size()) {
                valido = false;
                break;
            }
            auto c = static_cast<unsigned char>(utf8[j]);
            bool enRango = k == 1 ? (c >= min2 && c <= max2) : EsContinuacion(c);
            if (!enRango) {
                valido = false;
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        // A malformed sequence becomes one "?" for the bytes read up to the fault.
        int byte = valido ? ByteDe1252(cp) : -1;
        if (byte < 0) {
            r += '?';
            perdio = true;
        } else {
            r += static_cast<char>(byte);
        }
        i = j;
    }
    if (perdida) *perdida = perdio;
    return r;
}

std::string Mayusculas(std::string_view utf8) {
    std::string r(utf8);
    for (size_t i = 0; i < r.size(); ++i) {
        auto c = static_cast<unsigned char>(r[i]);
        if (c >= 'a' && c <= 'z') {
            r[i] = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < r.size() && EsContinuacion(r[i + 1])) {
            // U+00E0..U+00FE are the lower case of U+00C0..U+00DE, except the sign U+00F7;
            // ß and ÿ have no capital in Latin-1 and stay as they are.
            auto s = static_cast<unsigned char>(r[i + 1]);
            if (s >= 0xA0 && s <= 0xBE && s != 0xB7) r[i + 1] = static_cast<char>(s - 0x20);
            ++i;
        }
    }
    return r;
}

std::string Recortar(std::string_view texto) {
    size_t a = texto.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    size_t b = texto.find_last_not_of(" \t");
    return std::string(texto.substr(a, b - a + 1));
}

}  // namespace cv
