#pragma once
// A field value of the product database: empty (NULL), whole number, real number or text,
// exactly as the file stores it.
#include <cstdint>
#include <string>
#include <variant>

namespace cv::datos {

class Valor {
public:
    Valor() = default;
    Valor(int64_t n) : v_(n) {}
    Valor(int n) : v_(static_cast<int64_t>(n)) {}
    Valor(double x) : v_(x) {}
    Valor(std::string s) : v_(std::move(s)) {}
    Valor(const char* s) : v_(std::string(s)) {}

    bool EsNulo() const { return std::holds_alternative<std::monostate>(v_); }
    bool EsEntero() const { return std::holds_alternative<int64_t>(v_); }
    bool EsReal() const { return std::holds_alternative<double>(v_); }
    bool EsTexto() const { return std::holds_alternative<std::string>(v_); }
    bool EsNumero() const { return EsEntero() || EsReal(); }

    // The value as a number. A text converts when the whole text is a number; NULL and other
    // texts throw ErrorCatalogo (the message names the value; callers add the field).
    double ComoDouble() const;
    // The value as text: numbers in plain number text ("5.5", "16"), NULL as "".
    std::string ComoTexto() const;

    // Equality and order as the record-set criteria use them: numbers compare as numbers; a
    // text that is wholly a number compares as that number against a number; texts compare
    // byte for byte; NULL matches nothing (every comparison with it is false).
    // Returns -1, 0, 1, or nullopt-like 2 when the two cannot be compared.
    int Comparar(const Valor& otro) const;

    const std::variant<std::monostate, int64_t, double, std::string>& Variante() const { return v_; }

private:
    std::variant<std::monostate, int64_t, double, std::string> v_;
};

inline constexpr int kIncomparable = 2;

}  // namespace cv::datos
