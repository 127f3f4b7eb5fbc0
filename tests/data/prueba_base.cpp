#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/arranque.h"
#include "data/catalogo.h"
#include "data/construir.h"
#include "data/errores.h"

using namespace cv::datos;
namespace fs = std::filesystem;

namespace {

// A scratch folder per test, removed afterwards.
class CarpetaTemporal {
public:
    CarpetaTemporal() {
        ruta_ = fs::temp_directory_path() /
                ("cv_prueba_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(ruta_);
        fs::create_directories(ruta_);
    }
    ~CarpetaTemporal() { fs::remove_all(ruta_); }
    const fs::path& Ruta() const { return ruta_; }

private:
    fs::path ruta_;
};

// A copy of the sample catalogue's sources that a test may spoil.
fs::path CopiarFuentes(const fs::path& destino) {
    fs::path f = destino / "fuentes";
    fs::create_directories(f);
    for (const auto& e : fs::directory_iterator(CV_CARPETA_CATALOGO))
        if (e.path().extension() == ".csv") fs::copy_file(e.path(), f / e.path().filename());
    return f;
}

std::string Leer(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void Escribir(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

std::string MensajeAlVincular(const fs::path& archivo, std::string_view conexion = kConexionBaseDatos) {
    try {
        VincularCatalogo(archivo, conexion);
    } catch (const ErrorBaseDatos& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(BaseDatos, ClaveDeLaCadenaDeConexion) {
    EXPECT_EQ(ClaveDeConexion(";pwd=918262"), "918262");
    EXPECT_EQ(ClaveDeConexion(";PWD=abc;otra=1"), "abc");
    EXPECT_EQ(ClaveDeConexion(""), "");
}

TEST(BaseDatos, ElArchivoEstaCifradoYSoloAbreConSuContrasena) {
    CarpetaTemporal tmp;
    fs::path svi = tmp.Ruta() / "031208.svi";
    ConstruirBaseDatos(CopiarFuentes(tmp.Ruta()), svi, "918262");

    // Nothing of the plain SQLite header nor of the catalogue's texts is readable in the file.
    std::string bytes = Leer(svi);
    EXPECT_EQ(bytes.find("SQLite format 3"), std::string::npos);
    EXPECT_EQ(bytes.find("Productos"), std::string::npos);

    for (std::string_view conexion : {std::string_view(""), std::string_view(";pwd=123456")}) {
        SCOPED_TRACE(conexion);
        std::string m = MensajeAlVincular(svi, conexion);
        EXPECT_NE(m.find("031208.svi"), std::string::npos) << m;
        EXPECT_NE(m.find("contraseña no corresponde"), std::string::npos) << m;
    }
    CatalogoProductos c = VincularCatalogo(svi);
    EXPECT_EQ(c.datProductos.NumRegistros(), 14u);
}

TEST(BaseDatos, ArchivoDanadoOAusenteDaMensajeConSuNombre) {
    CarpetaTemporal tmp;
    fs::path svi = tmp.Ruta() / "031208.svi";
    Escribir(svi, std::string(4096, 'x'));
    EXPECT_NE(MensajeAlVincular(svi).find("031208.svi"), std::string::npos);
    EXPECT_NE(MensajeAlVincular(tmp.Ruta() / "otra.svi").find("otra.svi"), std::string::npos);
}

TEST(BaseDatos, TablaOCampoFaltanteSeNombraAlVincular) {
    struct Caso {
        const char* archivo;
        const char* de;  // text replaced in the source ("" removes the file)
        const char* por;
        const char* esperado;
    };
    const Caso casos[] = {
        {"Tarifas.csv", "", "", "no tiene la tabla \"Tarifas\""},
        {"Productos.csv", "\"Recargo fijo\"", "\"Recargo\"", "no tiene el campo \"Recargo fijo\""},
        {"Opciones Gerenciales.csv", "\"Derecho de Poliza dolares 05\"", "\"Derecho dolares 05\"",
         "no tiene el campo \"Derecho de Poliza dolares 05\""},
        {"Tablas de Mortalidad.csv", "\"No\",", "\"Clave\",", "no tiene el campo \"No\""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.esperado);
        CarpetaTemporal tmp;
        fs::path fuentes = CopiarFuentes(tmp.Ruta());
        fs::path archivo = fuentes / c.archivo;
        if (std::string(c.de).empty()) {
            fs::remove(archivo);
        } else {
            std::string s = Leer(archivo);
            ASSERT_NE(s.find(c.de), std::string::npos);
            s.replace(s.find(c.de), std::string(c.de).size(), c.por);
            Escribir(archivo, s);
        }
        fs::path svi = tmp.Ruta() / "031208.svi";
        ConstruirBaseDatos(fuentes, svi, "918262");
        std::string m = MensajeAlVincular(svi);
        EXPECT_NE(m.find(c.esperado), std::string::npos) << m;
        EXPECT_NE(m.find("031208.svi"), std::string::npos) << m;
    }
}

TEST(BaseDatos, UnaConstruccionFallidaNoTocaLaBaseAnterior) {
    CarpetaTemporal tmp;
    fs::path fuentes = CopiarFuentes(tmp.Ruta());
    fs::path svi = tmp.Ruta() / "031208.svi";
    ConstruirBaseDatos(fuentes, svi, "918262");
    const std::string antes = Leer(svi);

    Escribir(fuentes / "Tarifas.csv", "\"No\",\"0\"\n1,2,3\n");
    try {
        ConstruirBaseDatos(fuentes, svi, "918262");
        FAIL() << "se esperaba un error";
    } catch (const ErrorBaseDatos& e) {
        EXPECT_NE(std::string(e.what()).find("Tarifas.csv, línea 2"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Leer(svi), antes);
    EXPECT_FALSE(fs::exists(tmp.Ruta() / "031208.svi.tmp"));
}

TEST(Arranque, BuscaElArchivoPorSuNombreExacto) {
    CarpetaTemporal tmp;
    fs::path fuentes = CopiarFuentes(tmp.Ruta());
    fs::path app = tmp.Ruta() / "app";
    fs::create_directories(app);

    BaseAbierta sinArchivo = AbrirBaseDatosDeCarpeta(app);
    EXPECT_FALSE(sinArchivo.catalogo);
    EXPECT_EQ(sinArchivo.mensaje, "Asegurese que el Archivo 031208.SVI, se encuentre en el mismo lugar que la aplicación.");

    ConstruirBaseDatos(fuentes, app / "031208.SVI", "918262");  // letter case differs
    EXPECT_FALSE(HayBaseDatosEnCarpeta(app));
    EXPECT_EQ(AbrirBaseDatosDeCarpeta(app).mensaje, kMensajeFaltaBaseDatos);

    ConstruirBaseDatos(fuentes, app / "031208.svi", "otra");  // right name, wrong password
    BaseAbierta mal = AbrirBaseDatosDeCarpeta(app);
    EXPECT_FALSE(mal.catalogo);
    EXPECT_NE(mal.mensaje.find("031208.svi"), std::string::npos) << mal.mensaje;

    ConstruirBaseDatos(fuentes, app / "031208.svi", "918262");
    BaseAbierta bien = AbrirBaseDatosDeCarpeta(app);
    ASSERT_TRUE(bien.catalogo);
    EXPECT_TRUE(bien.mensaje.empty());
}

TEST(Arranque, VincularDosVecesDejaElMismoCatalogo) {
    auto leer = [] {
        CatalogoProductos c = VincularCatalogo(CV_BASE_MUESTRA);
        c.ProductosDeMoneda("Dólares");
        std::string r;
        for (; !c.datProductos.FinDeArchivo(); c.datProductos.MoverSiguiente())
            r += c.datProductos.Campo("Id").ComoTexto() + ",";
        return r;
    };
    EXPECT_EQ(leer(), leer());
}
