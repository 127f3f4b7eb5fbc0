// Faults from outside: a product database that is damaged or lacks what the engine reads, and
// a quote file that cannot be written. Each gives its message and status, prints no partial
// result and leaves what was there before.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "apoyo_cli.h"

namespace fs = std::filesystem;

namespace prueba_cli {
namespace {

const std::vector<std::string> kCotizacion = {"cotizar", "--nombre", "Ana", "--edad", "35", "--fuma", "no", "--numero-agente", "7",
                                              "--suma-asegurada", "1,000,000.00", "--linea", "1,pago=20", "--fecha", "11/12/2026"};

std::vector<std::string> ConBase(const fs::path& base) {
    auto a = kCotizacion;
    a.insert(a.end(), {"--base-datos", base.string()});
    return a;
}

// Replaces the cells of one row of a catalogue source: the row whose first cell is `clave`.
void CambiarFila(const fs::path& archivo, const std::string& clave, const std::function<std::string(std::string)>& cambio) {
    std::string texto = LeerArchivo(archivo), salida;
    size_t inicio = 0;
    bool hallada = false;
    while (inicio < texto.size()) {
        size_t fin = texto.find('\n', inicio);
        if (fin == std::string::npos) fin = texto.size();
        std::string linea = texto.substr(inicio, fin - inicio);
        if (linea.rfind(clave + ",", 0) == 0) {
            linea = cambio(linea);
            hallada = true;
        }
        if (!linea.empty() || fin < texto.size()) salida += linea + (fin < texto.size() ? "\n" : "");
        inicio = fin + 1;
    }
    ASSERT_TRUE(hallada) << clave << " en " << archivo;
    EscribirArchivo(archivo, salida);
}

// A sample database changed by SQL after it was built.
fs::path Alterar(const std::string& nombre, const std::string& sql) {
    const fs::path base = ConstruirBase(nombre, [](const fs::path&) {});
    const std::string orden = "printf \"PRAGMA key='918262';\\n" + sql + "\\n\" | sqlcipher " + Citar(base.string()) + " > /dev/null";
    if (std::system(orden.c_str()) != 0) throw std::runtime_error("sqlcipher: " + sql);
    return base;
}

TEST(Fallas, BaseDeDatosDanadaOIncompleta) {
    struct Caso {
        const char* nombre;
        std::function<fs::path()> base;
        int estado;
        std::string mensaje;
    };
    const fs::path muestra = fs::path(CV_BASE_MUESTRA);
    const std::vector<Caso> casos = {
        {"no existe", [] { return fs::path("/no/existe/031208.svi"); }, 1, "031208.svi"},
        {"truncada",
         [&] {
             const fs::path p = fs::temp_directory_path() / "cv_cli_truncada.svi";
             const std::string todo = LeerArchivo(muestra);
             EscribirArchivo(p, todo.substr(0, todo.size() / 2));
             return p;
         },
         1, "cv_cli_truncada.svi"},
        {"otra clave",
         [] {
             const fs::path base = ConstruirBase("otra_clave", [](const fs::path&) {});
             const fs::path otra = base.parent_path() / "otra.svi";
             const std::string orden = Citar(CV_CONSTRUIR) + " " + Citar(base.parent_path().string()) + " " +
                                       Citar(otra.string()) + " ';pwd=123' > /dev/null 2>&1";
             if (std::system(orden.c_str()) != 0) throw std::runtime_error("construir");
             return otra;
         },
         1, "otra.svi"},
        // The builder refuses such sources, so the built file is altered afterwards.
        {"sin tabla", [] { return Alterar("sin_tabla", "DROP TABLE Tarifas;"); }, 1, "Tarifas"},
        {"sin columna",
         [] {
             return Alterar("sin_columna",
                            "ALTER TABLE Productos RENAME TO Viejos; CREATE TABLE Productos AS SELECT Id, Nombre, Moneda FROM Viejos; "
                            "DROP TABLE Viejos;");
         },
         1, "Productos"},
        {"sin la tabla de mortalidad del producto",
         [] {
             return ConstruirBase("sin_fila", [](const fs::path& c) {
                 CambiarFila(c / "Tablas de Mortalidad.csv", "15", [](std::string) { return std::string(); });
             });
         },
         3, "15"},
        {"sobrevivencia cero en el plazo",
         [] {
             return ConstruirBase("sobrevivencia_cero", [](const fs::path& c) {
                 for (const char* tabla : {"15", "8"})
                     CambiarFila(c / "Tablas de Mortalidad.csv", tabla, [](std::string l) {
                         // Every age from 40 on dies within the year (1000 per 1000).
                         std::vector<std::string> celdas;
                         size_t i = 0;
                         for (size_t j; (j = l.find(',', i)) != std::string::npos; i = j + 1) celdas.push_back(l.substr(i, j - i));
                         celdas.push_back(l.substr(i));
                         for (size_t a = 41; a <= 100 && a < celdas.size(); ++a) celdas[a] = "1000";
                         std::string r;
                         for (size_t k = 0; k < celdas.size(); ++k) r += (k ? "," : "") + celdas[k];
                         return r;
                     });
             });
         },
         3, ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const fs::path base = c.base();
        const Ejecucion e = Ejecutar(ConBase(base));
        if (base.parent_path().filename().string().rfind("cv_cli_", 0) == 0) fs::remove_all(base.parent_path());
        EXPECT_EQ(e.estado, c.estado) << e.errores;
        EXPECT_EQ(e.salida, "");  // no partial results
        EXPECT_FALSE(e.errores.empty());
        EXPECT_NE(e.errores.find(c.mensaje), std::string::npos) << e.errores;
        EXPECT_EQ(e.errores.find("nan"), std::string::npos) << e.errores;
    }
    fs::remove(fs::temp_directory_path() / "cv_cli_truncada.svi");
}

TEST(Fallas, UnaCotizacionQueNoSePuedeGuardarDejaElArchivoAnterior) {
    const fs::path cvi = fs::temp_directory_path() / ("cv_cli_lleno_" + std::to_string(::getpid()) + ".cvi");
    auto opciones = kCotizacion;
    opciones.insert(opciones.end(), {"--guardar", cvi.string()});
    ASSERT_EQ(Ejecutar(opciones).estado, 0);
    const std::string antes = LeerArchivo(cvi);
    ASSERT_FALSE(antes.empty());
    // A full disk: no byte may be written (and the signal that would kill the writer ignored).
    std::string orden = "trap '' XFSZ; ulimit -f 0; exec " + Citar(CV_PROGRAMA);
    auto otra = opciones;
    otra[4] = "50";  // another quote
    for (const auto& a : otra) orden += " " + Citar(a);
    // The messages go through a pipe, which the limit does not reach.
    const int r = std::system(("bash -c \"" + orden + "\" 2>&1 > /dev/null | cat > " + Citar(cvi.string() + ".err")).c_str());
    (void)r;
    EXPECT_NE(LeerArchivo(cvi.string() + ".err").find("No se pudo guardar la cotización"), std::string::npos)
        << LeerArchivo(cvi.string() + ".err");
    EXPECT_EQ(LeerArchivo(cvi), antes);
    EXPECT_FALSE(fs::exists(cvi.string() + ".tmp"));
    // A folder that does not exist.
    auto lejos = kCotizacion;
    lejos.insert(lejos.end(), {"--guardar", "/no/existe/q.cvi"});
    const Ejecucion e = Ejecutar(lejos);
    EXPECT_EQ(e.estado, 3);
    EXPECT_NE(e.errores.find("No se pudo guardar la cotización q.cvi"), std::string::npos) << e.errores;
    fs::remove(cvi);
    fs::remove(cvi.string() + ".err");
}

TEST(Fallas, UnaCarpetaDeSoloLecturaDejaElArchivoAnterior) {
    const fs::path carpeta = fs::temp_directory_path() / ("cv_cli_lectura_" + std::to_string(::getpid()));
    fs::create_directories(carpeta);
    const fs::path cvi = carpeta / "q.cvi";
    auto opciones = kCotizacion;
    opciones.insert(opciones.end(), {"--guardar", cvi.string()});
    ASSERT_EQ(Ejecutar(opciones).estado, 0);
    const std::string antes = LeerArchivo(cvi);
    // Root writes anywhere: the second run is then another user's, for whom the folder is
    // read-only; anyone else has the write bits taken away.
    std::string orden = Citar(CV_PROGRAMA);
    if (::geteuid() == 0) {
        orden = "setpriv --reuid=65534 --regid=65534 --clear-groups " + orden;
        if (std::system((orden + " ayuda > /dev/null 2>&1").c_str()) != 0) {
            fs::remove_all(carpeta);
            GTEST_SKIP() << "the unprivileged user cannot reach the program in this folder";
        }
    } else
        fs::permissions(carpeta, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    opciones[4] = "50";
    for (const auto& a : opciones) orden += " " + Citar(a);
    const fs::path err = fs::temp_directory_path() / ("cv_cli_lectura_" + std::to_string(::getpid()) + ".err");
    const int r = std::system((orden + " > /dev/null 2> " + Citar(err.string())).c_str());
    EXPECT_TRUE(WIFEXITED(r) && WEXITSTATUS(r) == 3) << r;
    EXPECT_NE(LeerArchivo(err).find("No se pudo guardar la cotización q.cvi"), std::string::npos) << LeerArchivo(err);
    EXPECT_EQ(LeerArchivo(cvi), antes);
    EXPECT_EQ(std::distance(fs::directory_iterator(carpeta), fs::directory_iterator()), 1);  // no temporary left
    fs::permissions(carpeta, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(carpeta);
    fs::remove(err);
}

}  // namespace
}  // namespace prueba_cli

namespace prueba_cli {
namespace {

TEST(Inyeccion, ComillasPuntoYComaYComentariosSonSoloTexto) {
    // A product whose name carries what would break a spliced query, quoted by that name.
    const std::string nombre = "Temporal O'Brien; -- DROP TABLE Productos";
    const fs::path base = ConstruirBase("inyeccion", [&](const fs::path& carpeta) {
        std::string t = LeerArchivo(carpeta / "Productos.csv");
        t.replace(t.find("\"Temporal Veralta\""), 18, "\"" + nombre + "\"");
        EscribirArchivo(carpeta / "Productos.csv", t);
    });
    const fs::path cvi = base.parent_path() / "q.cvi";
    const std::string prospecto = "Ana O'Brien; DELETE FROM iusuarios; -- ñandú";
    const Ejecucion e = Ejecutar({"cotizar", "--base-datos", base.string(), "--nombre", prospecto, "--edad", "35", "--fuma", "no",
                                  "--numero-agente", "7", "--suma-asegurada", "1000000", "--linea", nombre + ",pago=20",
                                  "--guardar", cvi.string(), "--formato", "json"});
    ASSERT_EQ(e.estado, 0) << e.errores;
    const Json j = LeerJson(e.salida);
    EXPECT_EQ(j["lineas"][0]["nombre"].texto(), nombre);
    EXPECT_EQ(j["prospecto"]["nombre"].texto(), "ANA O'BRIEN; DELETE FROM IUSUARIOS; -- ÑANDÚ");
    // The saved file gives the same quote back, name included.
    const Ejecucion otra = Ejecutar({"cotizar", "--base-datos", base.string(), "--abrir", cvi.string(), "--numero-agente", "7",
                                     "--formato", "json"});
    ASSERT_EQ(otra.estado, 0) << otra.errores;
    EXPECT_EQ(otra.salida, e.salida);
    // The catalogue still lists every product: nothing was dropped.
    const Ejecucion cat = Ejecutar({"catalogo", "--base-datos", base.string(), "--formato", "json"});
    ASSERT_EQ(cat.estado, 0) << cat.errores;
    EXPECT_EQ(LeerJson(cat.salida)["productos"].size(), LeerJson(Ejecutar({"catalogo", "--formato", "json"}).salida)["productos"].size());
    fs::remove_all(base.parent_path());
}

}  // namespace
}  // namespace prueba_cli
