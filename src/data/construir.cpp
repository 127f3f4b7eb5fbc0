#include "data/construir.h"

#include <algorithm>
#include <map>
#include <strings.h>
#include <vector>

#include "data/csv.h"
#include "data/errores.h"
#include "data/sqlite_cifrado.h"

namespace cv::datos {

namespace fs = std::filesystem;

namespace {

// Tables the application opens directly and positions by a key.
const std::map<std::string, std::string> kIndices = {
    {"Beneficios Adicionales", "Id"}, {"Catalogo de Paquetes", "Id"}, {"Tablas de Mortalidad", "No"},
    {"Descuento por Volumen", "Id"},  {"Tarifas", "No"},
};

}  // namespace

void ConstruirBaseDatos(const fs::path& carpeta, const fs::path& destino, const std::string& clave) {
    std::vector<fs::path> fuentes;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(carpeta, ec))
        if (e.is_regular_file() && e.path().extension() == ".csv") fuentes.push_back(e.path());
    if (ec) throw ErrorBaseDatos("No se pudo leer la carpeta " + carpeta.string() + ": " + ec.message() + ".");
    if (fuentes.empty()) throw ErrorBaseDatos("La carpeta " + carpeta.string() + " no tiene archivos .csv.");
    std::sort(fuentes.begin(), fuentes.end());

    fs::path temporal = destino;
    temporal += ".tmp";
    fs::remove(temporal, ec);
    try {
        ConexionCifrada con(temporal, clave, ConexionCifrada::Modo::Creacion);
        con.Ejecutar("BEGIN;");
        for (const auto& f : fuentes) {
            ArchivoCsv csv = LeerArchivoCsv(f);
            const std::string tabla = f.stem().string();
            std::string crear = "CREATE TABLE " + NombreSql(tabla) + " (";
            std::string insertar = "INSERT INTO " + NombreSql(tabla) + " VALUES (";
            for (size_t i = 0; i < csv.campos.size(); ++i) {
                // No declared type: every value keeps the storage class the source gave it.
                crear += (i ? ", " : "") + NombreSql(csv.campos[i]);
                insertar += i ? ", ?" : "?";
            }
            con.Ejecutar(crear + ");");
            Sentencia ins = con.Preparar(insertar + ");");
            for (const auto& fila : csv.filas) {
                for (size_t i = 0; i < fila.size(); ++i) ins.Vincular(static_cast<int>(i + 1), fila[i]);
                ins.Paso();
                ins.Reiniciar();
            }
            auto ix = kIndices.find(tabla);
            // A table without its key field is still built; binding reports what is missing.
            auto tieneCampo = [&](const std::string& campo) {
                for (const auto& c : csv.campos)
                    if (strcasecmp(c.c_str(), campo.c_str()) == 0) return true;
                return false;
            };
            if (ix != kIndices.end() && tieneCampo(ix->second))
                con.Ejecutar("CREATE INDEX " + NombreSql(tabla + " " + ix->second) + " ON " + NombreSql(tabla) + " (" +
                             NombreSql(ix->second) + ");");
        }
        con.Ejecutar("COMMIT;");
    } catch (...) {
        fs::remove(temporal, ec);
        throw;
    }
    fs::rename(temporal, destino, ec);
    if (ec) {
        fs::remove(temporal);
        throw ErrorBaseDatos("No se pudo escribir " + destino.string() + ": " + ec.message() + ".");
    }
}

}  // namespace cv::datos
