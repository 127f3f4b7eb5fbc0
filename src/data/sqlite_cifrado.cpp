#include "data/sqlite_cifrado.h"

#include <sqlite3.h>

#include "data/errores.h"

namespace cv::datos {

namespace {
constexpr int kCifradoOIncorrecto = SQLITE_NOTADB;  // 26: wrong key, or not a database
}

ConexionCifrada::ConexionCifrada(const std::filesystem::path& archivo, const std::string& clave, Modo modo)
    : nombreArchivo_(archivo.filename().string()) {
    int flags = modo == Modo::Lectura ? SQLITE_OPEN_READONLY : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    int rc = sqlite3_open_v2(archivo.string().c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string detalle = db_ ? sqlite3_errmsg(db_) : "sin memoria";
        sqlite3_close(db_);
        db_ = nullptr;
        throw ErrorBaseDatos("No se pudo abrir la base de datos " + nombreArchivo_ + ": " + detalle + ".");
    }
    if (!clave.empty() && sqlite3_key(db_, clave.data(), static_cast<int>(clave.size())) != SQLITE_OK) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw ErrorBaseDatos("No se pudo abrir la base de datos " + nombreArchivo_ + ".");
    }
    // The key is only checked by the first read of the file.
    rc = sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db_);
        db_ = nullptr;
        if (rc == kCifradoOIncorrecto)
            throw ErrorBaseDatos("La base de datos " + nombreArchivo_ +
                                 " no se pudo abrir: la contraseña no corresponde o el archivo está dañado.");
        throw ErrorBaseDatos("La base de datos " + nombreArchivo_ + " no se pudo leer (código " +
                             std::to_string(rc) + ").");
    }
}

ConexionCifrada::~ConexionCifrada() { sqlite3_close(db_); }

void ConexionCifrada::Fallar(const std::string& que) const {
    throw ErrorBaseDatos("Error en la base de datos " + nombreArchivo_ + " (" + que + "): " + sqlite3_errmsg(db_) + ".");
}

void ConexionCifrada::Ejecutar(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string detalle = error ? error : "";
        sqlite3_free(error);
        throw ErrorBaseDatos("Error en la base de datos " + nombreArchivo_ + ": " + detalle + ".");
    }
}

Sentencia ConexionCifrada::Preparar(const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) Fallar(sql);
    return Sentencia(*this, st);
}

Sentencia::~Sentencia() { sqlite3_finalize(st_); }

void Sentencia::Vincular(int posicion, const Valor& v) {
    const auto& var = v.Variante();
    int rc;
    if (auto* n = std::get_if<int64_t>(&var))
        rc = sqlite3_bind_int64(st_, posicion, *n);
    else if (auto* x = std::get_if<double>(&var))
        rc = sqlite3_bind_double(st_, posicion, *x);
    else if (auto* s = std::get_if<std::string>(&var))
        rc = sqlite3_bind_text(st_, posicion, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    else
        rc = sqlite3_bind_null(st_, posicion);
    if (rc != SQLITE_OK) con_->Fallar("parámetro " + std::to_string(posicion));
}

bool Sentencia::Paso() {
    int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    con_->Fallar(sqlite3_sql(st_));
}

void Sentencia::Reiniciar() {
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

int Sentencia::NumColumnas() const { return sqlite3_column_count(st_); }

std::string Sentencia::NombreColumna(int i) const {
    const char* n = sqlite3_column_name(st_, i);
    return n ? n : "";
}

Valor Sentencia::Columna(int i) const {
    switch (sqlite3_column_type(st_, i)) {
        case SQLITE_INTEGER: return Valor(static_cast<int64_t>(sqlite3_column_int64(st_, i)));
        case SQLITE_FLOAT: return Valor(sqlite3_column_double(st_, i));
        case SQLITE_NULL: return Valor();
        default: {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st_, i));
            int n = sqlite3_column_bytes(st_, i);
            return Valor(std::string(t ? t : "", static_cast<size_t>(n)));
        }
    }
}

std::string NombreSql(const std::string& nombre) {
    if (nombre.empty() || nombre.find(']') != std::string::npos)
        throw ErrorBaseDatos("Nombre no válido para la base de datos: \"" + nombre + "\".");
    return "[" + nombre + "]";
}

}  // namespace cv::datos
