#pragma once
// A thin layer over unixODBC's C API: one connection with its own environment, prepared
// statements with text parameters bound (never spliced into the SQL), rows read as texts.
// Texts are UTF-8 both ways; the ANSI entry points pass them through to the driver untouched.
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cv::datos::odbc {

// One diagnostic record of a failed call.
struct Diagnostico {
    std::string estado;  // SQLSTATE, five characters
    int32_t nativo = 0;  // the driver's own error number
    std::string texto;   // the driver's text, white space runs folded to one blank
};

class ErrorOdbc : public std::runtime_error {
public:
    ErrorOdbc(std::string operacion, std::vector<Diagnostico> diagnosticos, bool conexionPerdida = false);

    const std::string& Operacion() const { return operacion_; }
    const std::vector<Diagnostico>& Diagnosticos() const { return diagnosticos_; }
    // The first record's state and text; empty when the call left none.
    std::string Estado() const;
    std::string Texto() const;
    // The driver says the connection is gone: the session cannot be used again.
    bool ConexionPerdida() const { return conexionPerdida_; }

private:
    std::string operacion_;
    std::vector<Diagnostico> diagnosticos_;
    bool conexionPerdida_;
};

// The value of one keyword of a connection string ("DSN" in "DSN=OSTRIK167;PWD=x"), keywords
// compared without regard to letter case.
std::string ValorCadenaConexion(const std::string& cadena, const std::string& clave);

// The data sources the driver manager knows (user and system), with the driver each names.
struct OrigenDatos {
    std::string nombre;
    std::string controlador;
};
std::vector<OrigenDatos> OrigenesConfigurados();

using Fila = std::vector<std::optional<std::string>>;  // nothing for NULL

class Conexion;
struct ManijasConexion;

// Keeps its connection's handles alive: a statement may outlive the Conexion it came from.
class Sentencia {
public:
    Sentencia(Sentencia&&) noexcept;
    Sentencia& operator=(Sentencia&&) noexcept;
    ~Sentencia();

    // Runs the statement with `parametros` bound in order as texts; the previous result, if
    // any, is closed first.
    void Ejecutar(const std::vector<std::string>& parametros = {});
    // Column names of the result, as the driver gives them.
    std::vector<std::string> Columnas() const;
    // The next row of the result, or nothing at its end.
    std::optional<Fila> Siguiente();

private:
    friend class Conexion;
    struct Manija;
    Sentencia(std::shared_ptr<ManijasConexion> conexion, std::unique_ptr<Manija> manija);
    [[noreturn]] void Fallar(const char* operacion) const;

    std::shared_ptr<ManijasConexion> conexion_;
    std::unique_ptr<Manija> manija_;  // freed before the connection's handles
};

class Conexion {
public:
    // Connects with the connection string, without prompting; throws ErrorOdbc.
    explicit Conexion(const std::string& cadena);
    Conexion(Conexion&&) noexcept;
    Conexion& operator=(Conexion&&) noexcept;
    ~Conexion();

    Sentencia Preparar(const std::string& sql) const;
    // Prepares and runs a statement that returns no rows.
    void Ejecutar(const std::string& sql, const std::vector<std::string>& parametros = {}) const;
    // The driver reports the connection dead (a server that went away).
    bool Perdida() const;

private:
    std::shared_ptr<ManijasConexion> manijas_;
};

}  // namespace cv::datos::odbc
