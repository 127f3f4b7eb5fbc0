#pragma once
// Values that live for the whole process, outside any window's fields: the contributions and
// contracting ages set by the two small dialogs, and the logged-in account.
#include <cstdint>
#include <string>

#include "core/moneda.h"

namespace cv::app {

struct EstadoProceso {
    int16_t AportNumPagos = 0;
    double AportMonto = 0;
    double AportFondoFinal = 0;
    float AportTasaIncremento = 0;
    int16_t AportTasaIncrementoPct = 0;  // no step of the application sets it
    Currency EdadContratante;
    int16_t EdadPadreTutor = 0;
    std::string UsuarioSistema;
};

}  // namespace cv::app
