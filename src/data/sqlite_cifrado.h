#pragma once
// Thin RAII layer over the encrypted SQLite engine, private to the data layer.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/valor.h"

struct sqlite3;
struct sqlite3_stmt;

namespace cv::datos {

class Sentencia;

class ConexionCifrada {
public:
    enum class Modo { Lectura, Creacion };
    // Opens (or creates) the file and keys it; probes the schema so that a wrong password or
    // a file that is not a database fails here, with ErrorBaseDatos naming the file.
    ConexionCifrada(const std::filesystem::path& archivo, const std::string& clave, Modo modo);
    ~ConexionCifrada();
    ConexionCifrada(const ConexionCifrada&) = delete;
    ConexionCifrada& operator=(const ConexionCifrada&) = delete;

    void Ejecutar(const std::string& sql);
    Sentencia Preparar(const std::string& sql);
    const std::string& NombreArchivo() const { return nombreArchivo_; }

private:
    friend class Sentencia;
    [[noreturn]] void Fallar(const std::string& que) const;
    sqlite3* db_ = nullptr;
    std::string nombreArchivo_;
};

class Sentencia {
public:
    Sentencia(Sentencia&& o) noexcept : con_(o.con_), st_(o.st_) { o.st_ = nullptr; }
    ~Sentencia();
    void Vincular(int posicion, const Valor& v);  // 1-based parameter
    bool Paso();                                    // true while a row is available
    void Reiniciar();
    int NumColumnas() const;
    std::string NombreColumna(int i) const;
    Valor Columna(int i) const;

private:
    friend class ConexionCifrada;
    Sentencia(ConexionCifrada& con, sqlite3_stmt* st) : con_(&con), st_(st) {}
    ConexionCifrada* con_;
    sqlite3_stmt* st_;
};

// Quotes a table or field name for SQL text: [name]. Names cannot contain "]".
std::string NombreSql(const std::string& nombre);

}  // namespace cv::datos
