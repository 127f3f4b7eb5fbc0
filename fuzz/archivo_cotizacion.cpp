// Quote files as they reach the reader: any bytes. A file is accepted whole or refused with a
// message; nothing else may happen.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "quote/archivo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string contenido(reinterpret_cast<const char*>(datos), n);
    try {
        const cv::cotizacion::CotizacionLeida q = cv::cotizacion::LeerCotizacion(contenido);
        if (q.encabezado.size() != 24) __builtin_trap();  // an accepted file has every header value
        if (q.lineas.size() > 20) __builtin_trap();
        for (const auto& l : q.lineas)
            if (l.CantidadBeneficios < 0 || l.CantidadBeneficios > 10) __builtin_trap();
    } catch (const std::runtime_error&) {
    }
    return 0;
}
