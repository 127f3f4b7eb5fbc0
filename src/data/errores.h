#pragma once
// Errors of the product database layer. Messages are Spanish and name what is missing.
#include <stdexcept>
#include <string>

namespace cv::datos {

// The file cannot be opened or read: missing, wrong password, damaged, not a product database.
class ErrorBaseDatos : public std::runtime_error {
public:
    explicit ErrorBaseDatos(const std::string& mensaje) : std::runtime_error(mensaje) {}
};

// A lookup the caller relies on found nothing usable: no current row, an unknown field, a
// value that is not a number.
class ErrorCatalogo : public std::runtime_error {
public:
    explicit ErrorCatalogo(const std::string& mensaje) : std::runtime_error(mensaje) {}
};

}  // namespace cv::datos
