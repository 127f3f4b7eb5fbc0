// The command-line program run as a process: a quote by options and the same quote from its
// saved file, the three output formats, refusals with the window's message and status, the
// tariff, the catalogue and a batch of mixed rows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "apoyo_cli.h"

namespace fs = std::filesystem;

namespace prueba_cli {
namespace {

const std::vector<std::string> kProspecto = {"--nombre", "Ana López", "--edad", "35", "--sexo", "F", "--fuma", "no",
                                             "--numero-agente", "1207", "--fecha", "11/12/2026"};

std::vector<std::string> Con(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

fs::path Temporal(const std::string& nombre) {
    return fs::temp_directory_path() / ("cv_cli_" + std::to_string(::getpid()) + "_" + nombre);
}

struct CasoArchivo {
    const char* nombre;
    std::vector<std::string> opciones;
    std::vector<std::string> alReabrir = {};  // what the file does not keep
};

void PrintTo(const CasoArchivo& c, std::ostream* os) { *os << c.nombre; }

class CotizacionYArchivo : public testing::TestWithParam<CasoArchivo> {};

TEST_P(CotizacionYArchivo, DaLasMismasCifras) {
    const fs::path cvi = Temporal(std::string(GetParam().nombre) + ".cvi");
    const Ejecucion original =
        Ejecutar(Con(Con({"cotizar"}, kProspecto), Con(GetParam().opciones, {"--guardar", cvi.string(), "--formato", "json"})));
    ASSERT_EQ(original.estado, 0) << original.errores;
    ASSERT_TRUE(fs::exists(cvi));
    // The file keeps no agent number: it is typed again, as in the window.
    const Ejecucion abierta = Ejecutar(Con({"cotizar", "--abrir", cvi.string(), "--numero-agente", "1207", "--fecha",
                                            "11/12/2026", "--formato", "json"},
                                           GetParam().alReabrir));
    ASSERT_EQ(abierta.estado, 0) << abierta.errores;
    if (abierta.salida != original.salida) {
        size_t i = 0;
        while (i < abierta.salida.size() && i < original.salida.size() && abierta.salida[i] == original.salida[i]) ++i;
        const size_t desde = i > 80 ? i - 80 : 0;
        ADD_FAILURE() << "first difference at " << i << ":\n  by options: " << original.salida.substr(desde, 160)
                      << "\n  from file:  " << abierta.salida.substr(desde, 160);
    }
    const Json j = LeerJson(original.salida);
    EXPECT_GT(j["ilustracion"]["anos"].size(), 0u);
    fs::remove(cvi);
}

INSTANTIATE_TEST_SUITE_P(
    Cotizaciones, CotizacionYArchivo,
    testing::Values(CasoArchivo{"una_linea", {"--suma-asegurada", "1,000,000.00", "--linea", "1,pago=20,beneficios=BIT+MA"}},
                    CasoArchivo{"dos_lineas_aportaciones",
                                {"--suma-asegurada", "2,000,000.00", "--forma-pago", "Mensual", "--aportaciones", "5",
                                 "--monto-aportacion", "10000", "--linea", "1,pago=20,participacion=60,beneficios=EG",
                                 "--linea", "15,pago=20,participacion=40,beneficios=MA"}},
                    CasoArchivo{"dolares_por_prima", {"--prima-global", "3,000.00", "--linea", "12,pago=20,beneficios=DI"}},
                    CasoArchivo{"educacional_del_menor",
                                {"--edad", "10", "--edad-tutor", "40", "--suma-asegurada", "250,000.00", "--linea",
                                 "6,edad_alcanzada=22,beneficios=BITF+CAF"},
                                {"--edad-tutor", "40"}}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(Programa, CadaFormatoSeLee) {
    const auto opciones = Con(Con({"cotizar"}, kProspecto), {"--suma-asegurada", "1,000,000.00", "--linea", "15,pago=20,beneficios=MA"});
    const Ejecucion texto = Ejecutar(opciones);
    ASSERT_EQ(texto.estado, 0) << texto.errores;
    EXPECT_NE(texto.salida.find("Estudio resultante para : ANA LÓPEZ"), std::string::npos);
    EXPECT_NE(texto.salida.find("Recibos por forma de pago"), std::string::npos);

    const Ejecucion json = Ejecutar(Con(opciones, {"--formato", "json"}));
    ASSERT_EQ(json.estado, 0) << json.errores;
    const Json j = LeerJson(json.salida);
    EXPECT_EQ(j["tipo"].texto(), "cotizacion");
    EXPECT_EQ(j["prospecto"]["nombre"].texto(), "ANA LÓPEZ");
    const Json& linea = j["lineas"][0];
    EXPECT_EQ(linea["producto"].texto(), "15");
    EXPECT_EQ(linea["anos_seguro"].numero(), 20);
    EXPECT_EQ(linea["anos_pago"].numero(), 20);
    EXPECT_GT(linea["prima_tarifa_mil"].numero(), linea["prima_neta_mil"].numero());
    ASSERT_EQ(linea["anos"].size(), 20u);
    // Amounts are decimal strings with two decimals; the surrender value in money is the
    // rate per 1000 times the first year's sum.
    const Json& ano10 = linea["anos"][9];
    EXPECT_EQ(ano10["suma_asegurada"].texto(), "1000000.00");
    const double rescate = std::stod(ano10["valor_rescate"].texto());
    EXPECT_NEAR(rescate, ano10["rescate_mil"].numero() * 1000, 0.005);
    for (const char* f : {"anual", "semestral", "trimestral", "mensual"}) {
        const std::string& r = j["recibos"][f]["primer_recibo"].texto();
        ASSERT_GE(r.size(), 4u) << f;
        EXPECT_EQ(r[r.size() - 3], '.') << f << " " << r;
    }
    // The illustration's year-10 surrender value is the line's (one line).
    EXPECT_EQ(j["ilustracion"]["anos"][9]["valor_rescate"].texto(), ano10["valor_rescate"].texto());

    const Ejecucion csv = Ejecutar(Con(opciones, {"--formato", "csv"}));
    ASSERT_EQ(csv.estado, 0) << csv.errores;
    const auto filas = LeerCsvTexto(csv.salida);
    ASSERT_EQ(filas.size(), 21u);  // header and 20 years
    EXPECT_EQ(filas[0][0], "ano");
    for (const auto& f : filas) EXPECT_EQ(f.size(), 8u);
    EXPECT_EQ(filas[10][5], ano10["valor_rescate"].texto());
}

TEST(Programa, UnRechazoDaElMensajeDeLaVentanaYSuEstado) {
    struct Caso {
        std::vector<std::string> opciones;
        int estado;
        std::string mensaje;
    };
    const std::vector<Caso> casos = {
        {{"cotizar", "--nombre", "ana", "--edad", "35", "--suma-asegurada", "1000000", "--linea", "1,pago=20"}, 3,
         "Validación: Falta el Agente"},
        {Con(Con({"cotizar"}, kProspecto), {"--edad", "71", "--suma-asegurada", "1000000", "--linea", "1,pago=20"}), 3,
         "La Edad Máxima de aceptación  es de 70 de años."},
        {Con(Con({"cotizar"}, kProspecto), {"--suma-asegurada", "1000000", "--linea", "1,pago=7"}), 3,
         "el plazo no corresponde al producto"},
        {Con(Con({"cotizar"}, kProspecto), {"--edad", "60", "--suma-asegurada", "1000000", "--linea", "1,pago=20,beneficios=BIT"}),
         3, "La Edad Minima para contratar este Beneficio es de 18 años y la Máxima es de 55"},
        {Con(Con({"cotizar"}, kProspecto), {"--suma-asegurada", "1000000", "--linea", "1,pago=20,participacion=60",
                                            "--linea", "15,pago=20,participacion=30"}),
         3, "La composición del paquete es diferente del 100%"},
        {Con(Con({"cotizar"}, kProspecto), {"--suma-asegurada", "1000000", "--linea", "99,pago=20"}), 2, "No hay un producto"},
        {Con(Con({"cotizar"}, kProspecto), {"--suma-asegurada", "1000000", "--linea", "1,pago=20,beneficios=XYZ"}), 2,
         "No hay un beneficio"},
        {Con(Con({"cotizar"}, kProspecto), {"--edad", "10", "--suma-asegurada", "250000", "--linea",
                                            "6,edad_alcanzada=22,beneficios=CAF"}),
         3, "pide la edad del padre o tutor"},
        {{"cotizar", "--color", "rojo"}, 2, "No existe la opción --color"},
        {{"cotizar", "--base-datos", "/no/existe.svi", "--linea", "1"}, 1, "existe.svi"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mensaje);
        const Ejecucion e = Ejecutar(c.opciones);
        EXPECT_EQ(e.estado, c.estado) << e.errores;
        EXPECT_NE(e.errores.find(c.mensaje), std::string::npos) << e.errores;
        EXPECT_EQ(e.salida, "");
    }
}

TEST(Programa, TarifaEnLaVentanaYEnLaHoja) {
    const Ejecucion e = Ejecutar(Con(Con({"tarifa"}, kProspecto), {"--suma-asegurada", "1,000,000.00", "--linea", "1,pago=20,beneficios=MA",
                                                                     "--edad-inicial", "30", "--edad-final", "56", "--formato", "json"}));
    ASSERT_EQ(e.estado, 0) << e.errores;
    const Json j = LeerJson(e.salida);
    const Json& ventana = j["filas_ventana"];
    const Json& hoja = j["hoja"]["filas"];
    ASSERT_EQ(ventana.size(), 27u);
    ASSERT_EQ(hoja.size(), 27u);
    for (size_t r = 0; r < 27; ++r) {
        EXPECT_EQ(hoja[r]["edad"].numero(), 30 + static_cast<double>(r));
        EXPECT_EQ(hoja[r]["prima_sfp"].texto(), ventana[r]["prima_sfp"].texto());
    }
    EXPECT_EQ(j["hoja"]["titulo"].texto(), "Tarifas");
    EXPECT_EQ(j["hoja"]["fecha"].texto(), "11 diciembre 2026");
    EXPECT_EQ(j["hoja"]["coberturas"][1]["nombre"].texto(), "M.A.");

    // The age-35 row of the tariff is the individual quote of a prospect of 35.
    const Ejecucion q = Ejecutar(Con(Con({"cotizar"}, kProspecto),
                                     {"--suma-asegurada", "1,000,000.00", "--linea", "1,pago=20,beneficios=MA", "--formato", "json"}));
    ASSERT_EQ(q.estado, 0) << q.errores;
    const Json c = LeerJson(q.salida);
    EXPECT_EQ(hoja[5]["prima_sfp"].texto(), c["recibos"]["anual"]["primer_recibo"].texto());
    EXPECT_EQ(hoja[5]["valor_rescate_10"].texto(), c["ilustracion"]["anos"][9]["valor_rescate"].texto());

    const Ejecucion csv = Ejecutar(Con(Con({"tarifa"}, kProspecto), {"--suma-asegurada", "1000000", "--linea", "1,pago=20",
                                                                       "--edad-inicial", "40", "--edad-final", "42", "--formato", "csv"}));
    ASSERT_EQ(csv.estado, 0) << csv.errores;
    EXPECT_EQ(LeerCsvTexto(csv.salida).size(), 4u);
}

TEST(Programa, CatalogoPorMoneda) {
    const Ejecucion e = Ejecutar({"catalogo", "--formato", "json"});
    ASSERT_EQ(e.estado, 0) << e.errores;
    const Json j = LeerJson(e.salida);
    const Json& productos = j["productos"];
    ASSERT_GT(productos.size(), 10u);
    bool temporalConIncrementos = false, educacionalDelMenor = false;
    for (size_t i = 0; i < productos.size(); ++i) {
        const Json& p = productos[i];
        EXPECT_TRUE(p["moneda"].texto() == "Pesos" || p["moneda"].texto() == "Dólares");
        EXPECT_GT(p["plazos"].size(), 0u) << p["producto"].texto();
        if (p["producto"].texto() == "1")
            for (size_t t = 0; t < p["plazos"].size(); ++t)
                temporalConIncrementos |= p["plazos"][t]["plazo_pago"].texto() == "20" && p["plazos"][t]["incrementos"].size() == 4;
        if (p["producto"].texto() == "6") {
            const Json& b = p["beneficios_menor"];
            educacionalDelMenor = b.size() == 2 && b[0].texto() == "BITF" && b[1].texto() == "CAF";
        }
    }
    EXPECT_TRUE(temporalConIncrementos);
    EXPECT_TRUE(educacionalDelMenor);
    const Ejecucion texto = Ejecutar({"catalogo"});
    EXPECT_EQ(texto.salida.rfind("Pesos\n", 0), 0u);
    EXPECT_NE(texto.salida.find("\nDólares\n"), std::string::npos);
}

TEST(Programa, BaseDeDatosPropiaDeLaAseguradora) {
    // An insurer edits the catalogue sources, builds its own database and quotes with it.
    const fs::path base = ConstruirBase("propia", [](const fs::path& carpeta) {
        std::string productos = LeerArchivo(carpeta / "Productos.csv");
        const std::string antes = "\"Temporal Veralta\"", despues = "\"Temporal Propio\"";
        ASSERT_NE(productos.find(antes), std::string::npos);
        productos.replace(productos.find(antes), antes.size(), despues);
        EscribirArchivo(carpeta / "Productos.csv", productos);
    });
    const fs::path carpeta = base.parent_path();
    const Ejecucion e = Ejecutar({"catalogo", "--base-datos", base.string()});
    ASSERT_EQ(e.estado, 0) << e.errores;
    EXPECT_NE(e.salida.find("Temporal Propio"), std::string::npos);
    const Ejecucion q = Ejecutar(Con(Con({"cotizar"}, kProspecto), {"--base-datos", base.string(), "--suma-asegurada", "1000000",
                                                                     "--linea", "Temporal Propio,pago=20", "--formato", "json"}));
    ASSERT_EQ(q.estado, 0) << q.errores;
    EXPECT_EQ(LeerJson(q.salida)["lineas"][0]["nombre"].texto(), "Temporal Propio");
    // A file that is not a product database is refused with a message naming it.
    EscribirArchivo(carpeta / "basura.svi", "no soy una base de datos");
    const Ejecucion mala = Ejecutar({"catalogo", "--base-datos", (carpeta / "basura.svi").string()});
    EXPECT_EQ(mala.estado, 1);
    EXPECT_NE(mala.errores.find("basura.svi"), std::string::npos) << mala.errores;
    fs::remove_all(carpeta);
}

TEST(Programa, LoteDeRenglonesBuenosYMalos) {
    const std::string lote =
        "id,nombre,edad,fuma,numero_agente,suma_asegurada,producto,plazo_pago,beneficios,producto_2,plazo_pago_2,participacion,participacion_2\r\n"
        "a1,Ana,35,no,7,\"1,000,000.00\",1,20,MA,,,,\r\n"
        "a2,Luis,71,no,7,1000000,1,20,,,,,\r\n"                 // the window refuses the age
        "a3,Eva,40,si,7,1000000,1,20,BIT+MA,15,20,60,40\r\n"   // two lines
        "a4,Raúl,40,no,7,1000000,77,20,,,,,\r\n"               // no such product
        "a5,Rosa,40,no,7,1000000,1,20\r\n"                     // a row short of cells
        "a6,Ana,35,no,7,\"1,000,000.00\",1,20,MA,,,,\r\n";     // the first row again
    const Ejecucion e = Ejecutar({"lote", "-", "--fecha", "11/12/2026"}, lote);
    ASSERT_EQ(e.estado, 0) << e.errores;
    const auto filas = LeerCsvTexto(e.salida);
    ASSERT_EQ(filas.size(), 7u);
    EXPECT_EQ(filas[0][0], "id");
    const std::vector<std::pair<std::string, std::string>> esperado = {
        {"a1", "ok"}, {"a2", "rechazada"}, {"a3", "ok"}, {"a4", "error"}, {"a5", "error"}, {"a6", "ok"}};
    for (size_t i = 0; i < esperado.size(); ++i) {
        SCOPED_TRACE(esperado[i].first);
        ASSERT_EQ(filas[i + 1].size(), filas[0].size());
        EXPECT_EQ(filas[i + 1][0], esperado[i].first);
        EXPECT_EQ(filas[i + 1][1], esperado[i].second);
    }
    EXPECT_EQ(filas[2][2], "La Edad Máxima de aceptación  es de 70 de años.");
    // A batch row gives what the same quote alone gives, whatever ran before it.
    EXPECT_EQ(filas[6], [&] {
        auto f = filas[1];
        f[0] = "a6";
        return f;
    }());
    const Ejecucion sola = Ejecutar({"cotizar", "--nombre", "Ana", "--edad", "35", "--fuma", "no", "--numero-agente", "7",
                                     "--suma-asegurada", "1,000,000.00", "--linea", "1,pago=20,beneficios=MA", "--formato", "json"});
    ASSERT_EQ(sola.estado, 0) << sola.errores;
    const Json j = LeerJson(sola.salida);
    const auto& cab = filas[0];
    auto columna = [&](const std::string& n) { return static_cast<size_t>(std::find(cab.begin(), cab.end(), n) - cab.begin()); };
    EXPECT_EQ(filas[1][columna("mensual_primer_recibo")], j["recibos"]["mensual"]["primer_recibo"].texto());
    EXPECT_EQ(filas[1][columna("prima_neta")], j["primas"]["prima_neta"].texto());

    const Ejecucion json = Ejecutar({"lote", "--formato", "json", "--fecha", "11/12/2026"}, lote);
    ASSERT_EQ(json.estado, 0) << json.errores;
    std::istringstream renglones(json.salida);
    std::string r;
    int n = 0;
    while (std::getline(renglones, r)) {
        const Json x = LeerJson(r);
        EXPECT_EQ(x["id"].texto(), esperado[static_cast<size_t>(n++)].first);
    }
    EXPECT_EQ(n, 6);

    const Ejecucion malo = Ejecutar({"lote"}, "id,color\r\nx,rojo\r\n");
    EXPECT_EQ(malo.estado, 2);
    EXPECT_NE(malo.errores.find("color"), std::string::npos);
}

}  // namespace
}  // namespace prueba_cli
