#pragma once
// Text helpers: the replace-all of the calculation driver and the quote file's code page.
#include <string>
#include <string_view>

namespace cv {

// Replace-all from a 1-based start position: each occurrence of `buscar` at or after
// `inicio` becomes `reemplazo`; the search resumes after the inserted text, so a
// replacement that contains `buscar` is not replaced again. An empty `buscar` or a start
// beyond the text returns the text unchanged; a start below 1 counts as 1.
std::string Reemplazar(std::string_view texto, std::string_view buscar,
                       std::string_view reemplazo, int inicio = 1);

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined map to the
// C1 control characters of the same value, so every byte survives a round trip.
std::string Cp1252AUtf8(std::string_view bytes);
// UTF-8 to Windows-1252. A character the code page cannot hold, or a malformed UTF-8
// sequence (one "?" per byte run that cannot start or continue a character: overlong forms,
// surrogates, cut sequences), becomes "?"; `perdida` (when given) tells whether that happened.
std::string Utf8ACp1252(std::string_view utf8, bool* perdida = nullptr);

// ASCII upper case plus the lower-case letters of Latin-1 in UTF-8 (á→Á, ñ→Ñ, ü→Ü, ç→Ç ...);
// ß and ÿ, which have no capital there, and every other byte stay as they are.
std::string Mayusculas(std::string_view utf8);

// Trims blanks (spaces and tabs) at both ends.
std::string Recortar(std::string_view texto);

}  // namespace cv
