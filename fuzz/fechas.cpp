// Dates as typed: any text is a date or not; a date read prints back as itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/errores.h"
#include "core/fechas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string texto(reinterpret_cast<const char*>(datos), n);
    const std::optional<cv::Fecha> f = cv::LeerFecha(texto);
    if (!f) return 0;
    if (f->mes < 1 || f->mes > 12 || f->dia < 1 || f->dia > 31) __builtin_trap();
    const std::optional<cv::Fecha> otra = cv::LeerFecha(cv::FechaCorta(*f));
    if (!otra || otra->anio != f->anio || otra->mes != f->mes || otra->dia != f->dia) __builtin_trap();
    try {
        (void)cv::FechaLarga(*f);
        (void)cv::EdadCumplida(*f, cv::Fecha{2026, 12, 11});
    } catch (const cv::ErrorConversion&) {
    } catch (const cv::ErrorDesbordamiento&) {
    }
    return 0;
}
