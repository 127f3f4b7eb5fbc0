// The quote file: what it holds byte for byte, reading back every stored field, and files that
// are refused whole with the quote on the window untouched.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "apoyo.h"
#include "quote/archivo.h"

namespace prueba_app {
namespace {

using cv::cotizacion::ArchivoCotizacion;
using cv::cotizacion::EscribirCotizacion;
using cv::cotizacion::FlujoLineas;
using cv::cotizacion::LeerCotizacion;

std::string Leer(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct ConArchivo : Sesion {
    FlujoLineas f{w};
    ArchivoCotizacion a{w, f};
    void DosLineas() {
        Nombre("JOSÉ NÚÑEZ");
        Edad("40");
        w.comFuma.MostrarTexto("No");
        w.FijarSumaAsegurada("1,000,000.00");
        w.txtAgente.texto = "VERALTA,S.A.B.";
        w.dbcPaquete.texto = "";
        cv::LineaCotizacion l1;
        l1.Producto = "1";
        l1.PlazoSeguro = l1.PlazoPago = 20;
        l1.Participacion = 33.5f;
        l1.TipoPlan = "Temporal";
        l1.BIT = l1.TI = 1;
        l1.CantidadBeneficios = 5;
        l1.Beneficio[1] = "1";
        l1.ParticipacionBeneficio[1] = 100;
        l1.Beneficio[5] = "5";
        l1.ParticipacionBeneficio[5] = 100;
        l1.AnosCrecimiento = 7;
        cv::LineaCotizacion l2;
        l2.Producto = "15";
        l2.PlazoSeguro = l2.PlazoPago = 20;
        l2.Participacion = 66.5f;
        l2.Incremento = 0.5f;
        l2.Dotal = 1;
        l2.TipoPlan = "Dotal";
        l2.SumaAsegurada = cv::Currency::DesdeDouble(150000000);
        f.tabla.LineasCotizacion[1] = l1;
        f.tabla.LineasCotizacion[2] = l2;
        f.tabla.NumLineasCotizacion = 2;
    }
};

TEST(ArchivoCotizacion, ContenidoExactoDeUnaCotizacion) {
    ConArchivo s;
    s.DosLineas();
    const std::string t = EscribirCotizacion(s.w, s.f.tabla);
    const std::string encabezado =
        "\"JOS\xC9 N\xDA\xD1""EZ\"\r\n\"40\"\r\n\"\"\r\n\"0\"\r\n\"100\"\r\n\"No\"\r\n\"Masculino\"\r\n0\r\n\"\"\r\n"
        "\"Anual\"\r\n\"5.5\"\r\n\"1,000,000.00\"\r\n\"\"\r\n\"0\"\r\n\"0\"\r\n\"Aritmetico\"\r\n\"0\"\r\n\"0\"\r\n\"15\"\r\n"
        "\"70\"\r\n\"VERALTA,S.A.B.\"\r\n#TRUE#\r\n#FALSE#\r\n\"\"\r\n2\r\n";
    ASSERT_EQ(t.substr(0, encabezado.size()), encabezado);
    const std::string linea1 =
        "\"1\"\r\n20\r\n0\r\n20\r\n0\r\n0\r\n0\r\n33.5\r\n0\r\n0\r\n0\r\n\"Temporal\"\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n5\r\n"
        "\"1\"\r\n100\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"5\"\r\n100\r\n";
    ASSERT_EQ(t.substr(encabezado.size(), linea1.size()), linea1);
    const std::string linea2 = t.substr(encabezado.size() + linea1.size());
    const std::string inicio2 = "\"15\"\r\n20\r\n0\r\n20\r\n0\r\n.5\r\n150000000\r\n";
    EXPECT_EQ(linea2.substr(0, inicio2.size()), inicio2);
    EXPECT_NE(linea2.find("66.5\r\n1\r\n0\r\n0\r\n\"Dotal\""), std::string::npos);
    EXPECT_EQ(linea2.substr(linea2.size() - 3), "0\r\n");  // no riders: the record ends at the count
}

TEST(ArchivoCotizacion, GuardarYAbrirDevuelveCadaCampo) {
    ConArchivo s;
    s.DosLineas();
    s.w.optDetalle.seleccionado = false;
    s.w.optResumen.seleccionado = true;
    const auto archivo = s.carpeta.Ruta() / "cotizacion.cvi";
    ASSERT_TRUE(s.a.Guardar(archivo));

    ConArchivo t;
    ASSERT_TRUE(t.a.Abrir(archivo));
    EXPECT_EQ(t.w.txtNombre.texto, "JOSÉ NÚÑEZ");
    EXPECT_EQ(t.w.txtEdad.texto, "40");
    EXPECT_EQ(t.w.comFuma.texto, "No");
    EXPECT_EQ(t.w.txtSumaAseguradaGlobal.texto, "1,000,000.00");
    EXPECT_EQ(t.w.txtAgente.texto, "VERALTA,S.A.B.");
    EXPECT_FALSE(t.w.optDetalle.seleccionado);
    EXPECT_TRUE(t.w.optResumen.seleccionado);
    EXPECT_EQ(t.w.ModoEdicion, 0);
    ASSERT_EQ(t.f.tabla.NumLineasCotizacion, 2);
    const auto& a = s.f.tabla.LineasCotizacion;
    const auto& b = t.f.tabla.LineasCotizacion;
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(b[k].Producto, a[k].Producto);
        EXPECT_EQ(b[k].PlazoSeguro, a[k].PlazoSeguro);
        EXPECT_EQ(b[k].PlazoPago, a[k].PlazoPago);
        EXPECT_FLOAT_EQ(b[k].Incremento, a[k].Incremento);
        EXPECT_EQ(b[k].SumaAsegurada, a[k].SumaAsegurada);
        EXPECT_FLOAT_EQ(b[k].Participacion, a[k].Participacion);
        EXPECT_EQ(b[k].Dotal, a[k].Dotal);
        EXPECT_EQ(b[k].TipoPlan, a[k].TipoPlan);
        EXPECT_EQ(b[k].BIT, a[k].BIT);
        EXPECT_EQ(b[k].TI, a[k].TI);
        EXPECT_EQ(b[k].CantidadBeneficios, a[k].CantidadBeneficios);
        for (int r = 1; r <= 10; ++r) EXPECT_EQ(b[k].Beneficio[r], a[k].Beneficio[r]);
        EXPECT_EQ(b[k].AnosCrecimiento, 0);  // not in the file
    }
    EXPECT_EQ(t.f.tabla.NombresLinea[2], t.NombreProducto("15"));

    // "&Guardar" after opening writes to the opened file without asking.
    t.w.txtNombre.texto = "OTRO";
    t.a.mnuGuardar_Click();
    EXPECT_NE(Leer(archivo).find("\"OTRO\""), std::string::npos);
}

TEST(ArchivoCotizacion, ArchivosDanadosSeRechazanSinTocarLaCotizacion) {
    ConArchivo s;
    s.DosLineas();
    const std::string bueno = EscribirCotizacion(s.w, s.f.tabla);
    struct Caso {
        const char* nombre;
        std::string contenido;
        const char* esperado;
    };
    std::string tipo = bueno;
    tipo.replace(tipo.find("\r\n0\r\n\"\"\r\n\"Anual\""), 5, "\r\nx\r\n");
    std::string lineas = bueno;
    lineas.replace(lineas.find("#FALSE#\r\n\"\"\r\n2\r\n"), 17, "#FALSE#\r\n\"\"\r\n21\r\n");
    const Caso casos[] = {
        {"truncado", bueno.substr(0, bueno.size() / 2), "termina antes"},
        {"vacío", "", "termina antes"},
        {"tipo", tipo, "Riesgo Selecto"},
        {"demasiadas líneas", lineas, "21 líneas"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        ConArchivo t;
        t.Nombre("PROSPECTO ANTERIOR");
        t.guion.mensajes.clear();
        const auto archivo = t.carpeta.Ruta() / "mala.cvi";
        std::ofstream(archivo, std::ios::binary) << c.contenido;
        EXPECT_FALSE(t.a.Abrir(archivo));
        ASSERT_EQ(t.guion.mensajes.size(), 1u);
        EXPECT_NE(t.guion.mensajes[0].texto.find("mala.cvi"), std::string::npos) << t.guion.mensajes[0].texto;
        EXPECT_NE(t.guion.mensajes[0].texto.find(c.esperado), std::string::npos) << t.guion.mensajes[0].texto;
        EXPECT_EQ(t.w.txtNombre.texto, "PROSPECTO ANTERIOR");
        EXPECT_EQ(t.f.tabla.NumLineasCotizacion, 0);
        EXPECT_TRUE(t.a.ruta.empty());
    }
}

TEST(ArchivoCotizacion, UnTextoConComillasNoSeGuardaYElArchivoAnteriorQueda) {
    ConArchivo s;
    s.DosLineas();
    const auto archivo = s.carpeta.Ruta() / "c.cvi";
    ASSERT_TRUE(s.a.Guardar(archivo));
    const std::string antes = Leer(archivo);
    s.w.txtNombre.texto = "JUAN \"EL GÜERO\"";
    s.guion.mensajes.clear();
    EXPECT_FALSE(s.a.Guardar(archivo));
    ASSERT_EQ(s.guion.mensajes.size(), 1u);
    EXPECT_NE(s.guion.mensajes[0].texto.find("Nombre"), std::string::npos);
    EXPECT_EQ(Leer(archivo), antes);
}

TEST(ArchivoCotizacion, NumerosEnLaFormaCortaDeSiempre) {
    ConArchivo s;
    s.DosLineas();
    cv::LineaCotizacion& l = s.f.tabla.LineasCotizacion[2];
    struct Caso {
        float valor;
        const char* texto;
    };
    for (const Caso& c : {Caso{33.5f, "33.5"}, Caso{0.5f, ".5"}, Caso{1.5e8f, "1.5E+08"}, Caso{100, "100"}, Caso{-0.25f, "-.25"}}) {
        SCOPED_TRACE(c.texto);
        l.Participacion = c.valor;
        const std::string t = EscribirCotizacion(s.w, s.f.tabla);
        EXPECT_NE(t.find(std::string("\r\n") + c.texto + "\r\n1\r\n0\r\n0\r\n\"Dotal\""), std::string::npos);
        auto leida = LeerCotizacion(t);
        EXPECT_FLOAT_EQ(leida.lineas[1].Participacion, c.valor);
    }
}

}  // namespace
}  // namespace prueba_app
