#pragma once
// The number formats of the windows and printouts, and reading formatted amounts back.
#include <optional>
#include <string>
#include <string_view>

#include "core/moneda.h"

namespace cv {

// Format patterns used by the system, as written in the window designs.
inline constexpr std::string_view kF1 = "###,##0.00 ";       // amounts with a trailing blank
inline constexpr std::string_view kF2 = "###,##0.00";
inline constexpr std::string_view kFTabla = "#,###,##0.00";  // tariff rows
inline constexpr std::string_view kFEdad = "#0";

// Formats a number with a pattern made of "#", "0", ",", "." and literal trailing text.
// A "," between digit placeholders turns on grouping by thousands with "," (where it stands
// does not matter); the count of "0"/"#" after "." fixes the decimals; "0" placeholders
// before "." fix the minimum number of integer digits (with none, a zero integer part
// prints nothing: ".50"). Rounding to the shown decimals is half away from zero on the
// decimal value of the number (doubles are first taken to 15 significant digits, as the
// legacy formatter does). Negative values get a leading "-"; a value that rounds to zero
// prints without sign. Throws ErrorConversion for a pattern outside that grammar (no
// placeholder, a "," not between placeholders, a "." without decimals after it, trailing
// text with "#" or "0" or starting with "." or ",") and for an infinite or NaN value.
std::string Formatear(double valor, std::string_view patron);
std::string Formatear(Currency valor, std::string_view patron);

// Plain number text: at most 15 significant digits, "." decimal point, no grouping, no
// trailing zeros; a fraction keeps its leading zero ("0.5"); negative zero is "0".
// Exponent form when the value, taken to 15 digits, is 1E+15 or more or below 1E-04 in
// magnitude: mantissa without trailing zeros, "E", sign, at least two digits ("1E+15",
// "-2.5E-05", "1.79769313486232E+308"). Throws ErrorConversion for infinity or NaN.
std::string TextoNumero(double valor);

// Reads a formatted amount back: blanks trimmed, "," thousands separators accepted (whole
// groups of three, as EsNumerico), "." decimal point, optional leading "-"; no "+" and no
// exponent. Returns nothing for a text that is not such an amount; throws
// ErrorDesbordamiento for one that does not fit a double.
std::optional<double> LeerImporte(std::string_view texto);
// The same, as money rounded to four decimals half to even on the exact decimal digits
// ("0.00005" gives 0, "0.00015" gives 0.0002); throws ErrorDesbordamiento beyond the
// Currency range.
std::optional<Currency> LeerImporteMoneda(std::string_view texto);

}  // namespace cv
