#pragma once
// Numeric value of a text and the whole-number, single and double conversions.
#include <cstdint>
#include <string_view>

namespace cv {

// The number at the start of a text: blanks, tabs and line feeds are ignored wherever they
// stand; "." is the decimal point whatever the locale; an optional sign; an exponent with
// "E" or "D" (either case), an optional sign and digits; reading stops at the first
// character that cannot continue the number; an empty or non-numeric text gives 0.
// A comma stops the reading ("1,500" gives 1). Throws ErrorDesbordamiento when the value
// does not fit a double ("1E999").
double ValorNumerico(std::string_view texto);

// The same, for the windows' rules: a text whose number does not fit a double gives
// `siDesborda` instead of an error (a value beyond every limit, or none, as the rule needs).
double ValorNumericoSeguro(std::string_view texto, double siDesborda);

// True when the whole text, trimmed of blanks, reads as a number: optional sign, digits with
// optional "," thousands separators in the integer part (whole groups of three: "1,500" yes,
// "1,50" no), at most one ".", optional exponent as in ValorNumerico. At least one digit;
// an empty text is not numeric.
bool EsNumerico(std::string_view texto);

// Round half to even to a whole number.
double RedondearPar(double x);
// Round half to even to the given number of decimals (x scaled by 10^decimales first, the
// product taken in double). A negative count rounds to tens, hundreds...; beyond ±22 decimals
// throws ErrorConversion.
double RedondearDecimales(double x, int decimales);

// Integer (16-bit): half to even; out of range or NaN throws ErrorDesbordamiento.
int16_t AEntero(double x);
// Long (32-bit): half to even; out of range or NaN throws ErrorDesbordamiento.
int32_t ALargo(double x);
// Single: nearest float; a finite double beyond the float range throws ErrorDesbordamiento.
float ASimple(double x);

// Whole number of a text: the numeric value rounded half to even into 16 bits.
inline int16_t EnteroDeTexto(std::string_view texto) { return AEntero(ValorNumerico(texto)); }

}  // namespace cv
