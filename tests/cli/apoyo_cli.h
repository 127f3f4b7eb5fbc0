#pragma once
// Support for the command-line tests: the program run as a process, and a small JSON reader to
// check that what it prints parses and holds the expected fields.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace prueba_cli {

struct Ejecucion {
    int estado = -1;
    std::string salida, errores;
};

// A word for the shell, quoted so that it reaches the program as it is.
std::string Citar(const std::string& a);

// Runs cotizador-cli with the arguments (and the text as standard input, when given).
Ejecucion Ejecutar(const std::vector<std::string>& argumentos, const std::string& entrada = {});

struct Json;
using JsonObjeto = std::map<std::string, Json>;
using JsonLista = std::vector<Json>;
struct Json {
    std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<JsonLista>, std::shared_ptr<JsonObjeto>> v;
    const Json& operator[](const std::string& clave) const;
    const Json& operator[](size_t i) const;
    size_t size() const;
    const std::string& texto() const;
    double numero() const;
    bool tiene(const std::string& clave) const;
};
// Throws std::runtime_error with the position for a text that is not exactly one JSON value.
Json LeerJson(const std::string& texto);

// A product database built from a copy of the sample catalogue sources after `cambiar` edits
// them (the folder holds one CSV per table); its path, in a temporary folder of its own.
std::filesystem::path ConstruirBase(const std::string& nombre, const std::function<void(const std::filesystem::path&)>& cambiar);
// Text of a file, and a file written whole.
std::string LeerArchivo(const std::filesystem::path& p);
void EscribirArchivo(const std::filesystem::path& p, const std::string& texto);

// Records of a CSV text (quoted fields, doubled quotes, CR LF).
std::vector<std::vector<std::string>> LeerCsvTexto(const std::string& texto);

}  // namespace prueba_cli
