#pragma once
// Typed errors of the core conversions. Messages are Spanish: they may reach the user.
#include <stdexcept>
#include <string>

namespace cv {

// A value that does not fit the target type (a 16-bit whole number, a money amount).
class ErrorDesbordamiento : public std::overflow_error {
public:
    explicit ErrorDesbordamiento(const std::string& mensaje) : std::overflow_error(mensaje) {}
};

// A text or value that cannot be converted as asked.
class ErrorConversion : public std::invalid_argument {
public:
    explicit ErrorConversion(const std::string& mensaje) : std::invalid_argument(mensaje) {}
};

}  // namespace cv
