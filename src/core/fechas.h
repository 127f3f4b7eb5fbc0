#pragma once
// Calendar dates as the windows read and print them.
#include <optional>
#include <string>
#include <string_view>

namespace cv {

struct Fecha {
    int anio = 0;
    int mes = 0;   // 1..12
    int dia = 0;   // 1..31
    auto operator<=>(const Fecha&) const = default;
};

bool EsFechaValida(int anio, int mes, int dia);

// Day/month/year text: "dd/mm/aaaa" and its variants: one- or two-digit day and month;
// "/", "-" or "." as separator, the same one twice; four-digit years, or two-digit years
// taken as 1930..2029 (00..29 are 2000..2029). Surrounding blanks are ignored. Nothing for
// any other text or an impossible date (31/02/2020, a year outside 100..9999).
std::optional<Fecha> LeerFecha(std::string_view texto);

// Today's date on the machine's local clock.
Fecha Hoy();

// "DD/MM/YYYY", day and month with two digits.
std::string FechaCorta(const Fecha& f);
// "dd mmmm yyyy" with the Spanish month name in lower case: "01 septiembre 2024".
// Throws ErrorConversion for a month outside 1..12.
std::string FechaLarga(const Fecha& f);

// Whole years completed between a birth date and a reference date, by the legacy formula:
// months of 30.4375 days, years of 365 days, both steps rounded to four decimals half to
// even, then the whole part (negative when the birth date is after the reference).
int EdadCumplida(const Fecha& nacimiento, const Fecha& referencia);

}  // namespace cv
