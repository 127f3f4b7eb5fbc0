#include "data/odbc.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <cctype>

namespace cv::datos::odbc {

namespace {

std::string Plegar(const char* texto, size_t n) {
    std::string s;
    bool blanco = false;
    for (size_t i = 0; i < n && texto[i]; ++i) {
        const unsigned char c = static_cast<unsigned char>(texto[i]);
        if (std::isspace(c)) {
            blanco = true;
            continue;
        }
        if (blanco && !s.empty()) s += ' ';
        blanco = false;
        s += static_cast<char>(c);
    }
    return s;
}

std::vector<Diagnostico> LeerDiagnosticos(SQLSMALLINT tipo, SQLHANDLE h) {
    std::vector<Diagnostico> d;
    if (!h) return d;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLCHAR estado[6] = {};
        SQLINTEGER nativo = 0;
        SQLCHAR texto[SQL_MAX_MESSAGE_LENGTH * 2] = {};
        SQLSMALLINT largo = 0;
        const SQLRETURN r = SQLGetDiagRec(tipo, h, i, estado, &nativo, texto, sizeof texto, &largo);
        if (!SQL_SUCCEEDED(r)) break;
        d.push_back({reinterpret_cast<const char*>(estado), static_cast<int32_t>(nativo),
                     Plegar(reinterpret_cast<const char*>(texto), sizeof texto)});
    }
    return d;
}

std::string Mensaje(const std::string& operacion, const std::vector<Diagnostico>& d) {
    std::string m = operacion;
    for (const auto& x : d) m += " [" + x.estado + "] " + x.texto;
    if (d.empty()) m += ": el controlador no dio diagnóstico";
    return m;
}

bool ConexionMuerta(SQLHDBC dbc) {
    SQLUINTEGER muerta = SQL_CD_FALSE;
    const SQLRETURN r = SQLGetConnectAttr(dbc, SQL_ATTR_CONNECTION_DEAD, &muerta, 0, nullptr);
    return SQL_SUCCEEDED(r) && muerta == SQL_CD_TRUE;
}

SQLHENV NuevoEntorno() {
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        throw ErrorOdbc("no se pudo crear el entorno ODBC", {});
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    return env;
}

}  // namespace

ErrorOdbc::ErrorOdbc(std::string operacion, std::vector<Diagnostico> diagnosticos, bool conexionPerdida)
    : std::runtime_error(Mensaje(operacion, diagnosticos)),
      operacion_(std::move(operacion)),
      diagnosticos_(std::move(diagnosticos)),
      conexionPerdida_(conexionPerdida) {}

std::string ErrorOdbc::Estado() const { return diagnosticos_.empty() ? std::string() : diagnosticos_[0].estado; }
std::string ErrorOdbc::Texto() const { return diagnosticos_.empty() ? std::string() : diagnosticos_[0].texto; }

std::string ValorCadenaConexion(const std::string& cadena, const std::string& clave) {
    auto mayusculas = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    };
    const std::string buscada = mayusculas(clave);
    size_t i = 0;
    while (i < cadena.size()) {
        const size_t fin = std::min(cadena.find(';', i), cadena.size());
        const std::string par = cadena.substr(i, fin - i);
        const size_t igual = par.find('=');
        if (igual != std::string::npos && mayusculas(Plegar(par.data(), igual)) == buscada)
            return Plegar(par.data() + igual + 1, par.size() - igual - 1);
        i = fin + 1;
    }
    return {};
}

std::vector<OrigenDatos> OrigenesConfigurados() {
    std::vector<OrigenDatos> o;
    SQLHENV env = NuevoEntorno();
    SQLCHAR nombre[SQL_MAX_DSN_LENGTH * 4 + 1], controlador[1024];
    SQLSMALLINT ln = 0, lc = 0;
    for (SQLUSMALLINT dir = SQL_FETCH_FIRST;
         SQL_SUCCEEDED(SQLDataSources(env, dir, nombre, sizeof nombre, &ln, controlador, sizeof controlador, &lc));
         dir = SQL_FETCH_NEXT)
        o.push_back({reinterpret_cast<const char*>(nombre), reinterpret_cast<const char*>(controlador)});
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return o;
}

// ---------------------------------------------------------------------------------------------

struct ManijasConexion {
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    bool conectada = false;
    ~ManijasConexion() {
        if (conectada) SQLDisconnect(dbc);
        if (dbc) SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        if (env) SQLFreeHandle(SQL_HANDLE_ENV, env);
    }
};

Conexion::Conexion(const std::string& cadena) : manijas_(std::make_shared<ManijasConexion>()) {
    manijas_->env = NuevoEntorno();
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, manijas_->env, &manijas_->dbc)))
        throw ErrorOdbc("no se pudo crear la conexión ODBC", LeerDiagnosticos(SQL_HANDLE_ENV, manijas_->env));
    // A server that does not answer must not hold the window for long.
    SQLSetConnectAttr(manijas_->dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(15), 0);
    std::string texto = cadena;
    SQLCHAR salida[1024];
    SQLSMALLINT largo = 0;
    const SQLRETURN r = SQLDriverConnect(manijas_->dbc, nullptr, reinterpret_cast<SQLCHAR*>(texto.data()), SQL_NTS, salida,
                                         sizeof salida, &largo, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(r)) throw ErrorOdbc("al conectar", LeerDiagnosticos(SQL_HANDLE_DBC, manijas_->dbc));
    manijas_->conectada = true;
}

Conexion::Conexion(Conexion&&) noexcept = default;
Conexion& Conexion::operator=(Conexion&&) noexcept = default;
Conexion::~Conexion() = default;

bool Conexion::Perdida() const { return ConexionMuerta(manijas_->dbc); }

struct Sentencia::Manija {
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    bool abierta = false;  // a result is open
    std::vector<std::string> valores;
    std::vector<SQLLEN> largos;
    ~Manija() {
        if (stmt) SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    }
};

Sentencia Conexion::Preparar(const std::string& sql) const {
    auto m = std::make_unique<Sentencia::Manija>();
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, manijas_->dbc, &m->stmt))) {
        m->stmt = SQL_NULL_HSTMT;
        throw ErrorOdbc("al preparar la consulta", LeerDiagnosticos(SQL_HANDLE_DBC, manijas_->dbc), Perdida());
    }
    Sentencia s(manijas_, std::move(m));
    std::string texto = sql;
    if (!SQL_SUCCEEDED(SQLPrepare(s.manija_->stmt, reinterpret_cast<SQLCHAR*>(texto.data()), SQL_NTS)))
        s.Fallar("al preparar la consulta");
    return s;
}

void Conexion::Ejecutar(const std::string& sql, const std::vector<std::string>& parametros) const {
    Preparar(sql).Ejecutar(parametros);
}

Sentencia::Sentencia(std::shared_ptr<ManijasConexion> conexion, std::unique_ptr<Manija> manija)
    : conexion_(std::move(conexion)), manija_(std::move(manija)) {}
Sentencia::Sentencia(Sentencia&&) noexcept = default;
Sentencia& Sentencia::operator=(Sentencia&&) noexcept = default;
Sentencia::~Sentencia() = default;

void Sentencia::Fallar(const char* operacion) const {
    auto d = LeerDiagnosticos(SQL_HANDLE_STMT, manija_->stmt);
    if (d.empty()) d = LeerDiagnosticos(SQL_HANDLE_DBC, conexion_->dbc);
    throw ErrorOdbc(operacion, std::move(d), ConexionMuerta(conexion_->dbc));
}

void Sentencia::Ejecutar(const std::vector<std::string>& parametros) {
    if (manija_->abierta) {
        SQLFreeStmt(manija_->stmt, SQL_CLOSE);
        manija_->abierta = false;
    }
    SQLFreeStmt(manija_->stmt, SQL_RESET_PARAMS);
    // The buffers stay with the statement: the driver reads them during SQLExecute.
    manija_->valores = parametros;
    manija_->largos.assign(parametros.size(), 0);
    for (size_t i = 0; i < parametros.size(); ++i) {
        std::string& v = manija_->valores[i];
        manija_->largos[i] = static_cast<SQLLEN>(v.size());
        const SQLULEN columna = std::max<SQLULEN>(v.size(), 1);
        if (!SQL_SUCCEEDED(SQLBindParameter(manija_->stmt, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, SQL_C_CHAR,
                                            SQL_VARCHAR, columna, 0, v.data(), static_cast<SQLLEN>(v.size()),
                                            &manija_->largos[i])))
            Fallar("al enlazar los parámetros");
    }
    const SQLRETURN r = SQLExecute(manija_->stmt);
    if (r == SQL_NO_DATA) return;  // an UPDATE or DELETE that touched no row
    if (!SQL_SUCCEEDED(r)) Fallar("al ejecutar la consulta");
    SQLSMALLINT columnas = 0;
    SQLNumResultCols(manija_->stmt, &columnas);
    manija_->abierta = columnas > 0;
}

std::vector<std::string> Sentencia::Columnas() const {
    SQLSMALLINT n = 0;
    if (!SQL_SUCCEEDED(SQLNumResultCols(manija_->stmt, &n))) Fallar("al leer las columnas");
    std::vector<std::string> c;
    for (SQLSMALLINT i = 1; i <= n; ++i) {
        SQLCHAR nombre[256] = {};
        SQLSMALLINT largo = 0, tipo = 0, decimales = 0, nulos = 0;
        SQLULEN tam = 0;
        if (!SQL_SUCCEEDED(SQLDescribeCol(manija_->stmt, static_cast<SQLUSMALLINT>(i), nombre, sizeof nombre, &largo, &tipo,
                                          &tam, &decimales, &nulos)))
            Fallar("al leer las columnas");
        c.emplace_back(reinterpret_cast<const char*>(nombre));
    }
    return c;
}

std::optional<Fila> Sentencia::Siguiente() {
    if (!manija_->abierta) return std::nullopt;
    SQLRETURN r = SQLFetch(manija_->stmt);
    if (r == SQL_NO_DATA) {
        SQLFreeStmt(manija_->stmt, SQL_CLOSE);
        manija_->abierta = false;
        return std::nullopt;
    }
    if (!SQL_SUCCEEDED(r)) Fallar("al leer el resultado");
    SQLSMALLINT n = 0;
    SQLNumResultCols(manija_->stmt, &n);
    Fila fila;
    for (SQLSMALLINT c = 1; c <= n; ++c) {
        std::optional<std::string> valor = std::string();
        char trozo[1024];
        for (;;) {
            SQLLEN ind = 0;
            r = SQLGetData(manija_->stmt, static_cast<SQLUSMALLINT>(c), SQL_C_CHAR, trozo, sizeof trozo, &ind);
            if (r == SQL_NO_DATA) break;
            if (!SQL_SUCCEEDED(r)) Fallar("al leer el resultado");
            if (ind == SQL_NULL_DATA) {
                valor.reset();
                break;
            }
            // A long value comes in pieces, each but the last filling the buffer.
            const bool trozoLleno = ind == SQL_NO_TOTAL || ind >= static_cast<SQLLEN>(sizeof trozo);
            valor->append(trozo, trozoLleno ? sizeof trozo - 1 : static_cast<size_t>(ind));
            if (!trozoLleno) break;
        }
        fila.push_back(std::move(valor));
    }
    return fila;
}

}  // namespace cv::datos::odbc
