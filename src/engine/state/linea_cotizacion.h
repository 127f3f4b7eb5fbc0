#pragma once
// One quote line as the quote-line table stores it. The window fills it, the quote file saves
// it, the engine reads it.
#include <array>
#include <cstdint>
#include <string>

#include "core/moneda.h"

namespace cv {

struct LineaCotizacion {
    std::string Producto;
    int16_t PlazoSeguro = 0;
    int16_t PlazoPago = 0;
    float Incremento = 0;  // percent
    Currency SumaAsegurada;
    int16_t AnosCrecimiento = 0;
    std::string TipoPlan;
    uint8_t Dotal = 0, EdadAlcanzada = 0, Ordinario = 0;     // flags of line 1
    uint8_t Dotal2 = 0, EdadAlcanzada2 = 0, Ordinario2 = 0;  // flags of lines 2 onward
    float Participacion = 0;                                 // percent
    int16_t Auxiliar1 = 0, Auxiliar2 = 0;
    uint8_t BIT = 0, BITF = 0, CAF = 0, BPAI = 0, MA = 0, DI = 0, TI = 0, EG = 0;
    int16_t CantidadBeneficios = 0;
    std::array<std::string, 11> Beneficio{};         // entries 1..10: rider id text
    std::array<float, 11> ParticipacionBeneficio{};  // entries 1..10: percent
};

}  // namespace cv
