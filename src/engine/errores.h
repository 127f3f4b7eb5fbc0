#pragma once
// A calculation that meets an input it cannot support is abandoned with this error; its
// message is Spanish and names what is missing. No partial result survives it.
#include <stdexcept>
#include <string>

namespace cv {

class ErrorCalculo : public std::runtime_error {
public:
    explicit ErrorCalculo(const std::string& mensaje) : std::runtime_error(mensaje) {}
};

}  // namespace cv
