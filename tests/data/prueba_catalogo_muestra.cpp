// The sample catalogue read back through the record sets, and checked for the consistency
// the windows and the engine rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "data/catalogo.h"

using namespace cv::datos;
namespace fs = std::filesystem;

namespace {

class CatalogoMuestra : public ::testing::Test {
protected:
    static void SetUpTestSuite() { catalogo_ = new CatalogoProductos(VincularCatalogo(CV_BASE_MUESTRA)); }
    static void TearDownTestSuite() {
        delete catalogo_;
        catalogo_ = nullptr;
    }
    static CatalogoProductos& C() { return *catalogo_; }
    static CatalogoProductos* catalogo_;
};
CatalogoProductos* CatalogoMuestra::catalogo_ = nullptr;

double Num(const RecordSet& rs, const char* campo) { return rs.Campo(campo).ComoDouble(); }

// A quote line as the window stores it from one row of the product's terms.
struct Linea {
    std::string producto;
    int plazoSeguro, plazoPago, dotal, edadAlcanzada, ordinario;
};

// Plan kind of the window's classification by product code and insurance term.
void Clasificar(int c, int t, Linea& l) {
    l.dotal = l.edadAlcanzada = l.ordinario = 0;
    if ((c == 1 || c == 2 || c == 16) && t >= 60) l.edadAlcanzada = 1;
    if (c == 11 || c == 12) l.ordinario = 1;
    if (c == 15 || c == 25 || c == 26 || c == 6) l.dotal = 1;
    if ((c == 15 || c == 25 || c == 26) && t >= 60) l.edadAlcanzada = 1;
}

// Terms of the educational product: its attained-age choices by the child's age.
std::set<int> PlazosEducacionales() {
    std::set<int> r;
    for (int a = 0; a <= 18; ++a) {
        int elige = a == 0 ? 1 : (a == 18 ? 17 : a);
        for (int ea : {15, 18, 22})
            if ((ea == 15 && elige <= 10) || (ea == 18 && elige <= 13) || ea == 22) r.insert(ea - a);
    }
    return r;
}

std::vector<Linea> LineasPosibles(CatalogoProductos& c, const std::string& producto) {
    std::vector<Linea> r;
    const int codigo = std::stoi(producto);
    if (codigo == 6) {
        for (int n : PlazosEducacionales()) r.push_back({producto, n, n, 1, 0, 0});
        return r;
    }
    c.PlazosDeProducto(producto);
    for (auto& p = c.datPlazoProducto; !p.FinDeArchivo(); p.MoverSiguiente()) {
        Linea l{producto, static_cast<int>(Num(p, "PlazoSeguro")), static_cast<int>(Num(p, "PlazoPago")), 0, 0, 0};
        Clasificar(codigo, l.plazoSeguro, l);
        if (l.ordinario) l.plazoSeguro = 99;  // the line check stores whole life as 99
        r.push_back(l);
    }
    return r;
}

// Riders the window lets the user tick for a product.
std::vector<int> BeneficiosOfrecidos(int codigo) {
    if (codigo >= 7 && codigo <= 10) return {3, 4, 5};
    if (codigo == 6) return {1, 2, 3, 4, 5, 8, 9};
    return {1, 2, 3, 4, 5, 7};
}

std::vector<std::string> IdsProductos(CatalogoProductos& c) {
    std::vector<std::string> r;
    RecordSet rs(c.tablaProductos);
    for (; !rs.FinDeArchivo(); rs.MoverSiguiente()) r.push_back(rs.Campo("Id").ComoTexto());
    return r;
}

std::string Leer(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

TEST_F(CatalogoMuestra, CadaTablaSeLeeConSusCamposEnPosicion) {
    const std::pair<RecordSet*, size_t> registros[] = {
        {&C().datBeneficiosAdicionales, 9}, {&C().datCatalogoPaquetes, 2},   {&C().datTablasMortalidad, 5},
        {&C().datDescuentoVolumen, 3},      {&C().datOpcionesGerenciales, 1}, {&C().datTarifas, 12},
        {&C().datCrystalReports, 0},        {&C().datReportsCrystal, 0},      {&C().datTarifario, 0}};
    for (const auto& [rs, n] : registros) {
        SCOPED_TRACE(rs->Fuente().Nombre());
        EXPECT_EQ(rs->NumRegistros(), n);
    }
    // Age a of a mortality or tariff row is the field at position a + 1, named after the age.
    for (RecordSet* rs : {&C().datTablasMortalidad, &C().datTarifas}) {
        const Tabla& t = rs->Fuente();
        EXPECT_EQ(t.Campos()[0], "No");
        for (int a = 0; a <= 99; ++a) EXPECT_EQ(t.Posicion(std::to_string(a)), static_cast<size_t>(a + 1));
    }
    const Tabla& com = C().datEsquemaComisiones.Fuente();
    EXPECT_EQ(com.Campos()[0], "Id");
    EXPECT_EQ(com.Campos()[1], "Plazo");
    EXPECT_EQ(com.Campos().size(), 32u);
    EXPECT_EQ(C().datDescuentoVolumen.Fuente().Campos().size(), 32u);  // Id, Descripcion, 10 tiers
}

TEST_F(CatalogoMuestra, ProductosPorMonedaCubrenCadaTipoDePlanYCadaMetodo) {
    std::map<std::string, std::set<std::string>> porMoneda;
    std::set<int> metodosPrima, metodosRescate;
    for (const char* moneda : {"Pesos", "Dólares"}) {
        C().ProductosDeMoneda(moneda);
        for (auto& p = C().datProductos; !p.FinDeArchivo(); p.MoverSiguiente()) {
            EXPECT_EQ(p.Campo("Moneda").ComoTexto(), moneda);
            porMoneda[moneda].insert(p.Campo("Id").ComoTexto());
            metodosPrima.insert(static_cast<int>(Num(p, "Calculo de prima")));
            metodosRescate.insert(static_cast<int>(Num(p, "Calculo de rescate")));
        }
    }
    EXPECT_EQ(porMoneda["Pesos"], (std::set<std::string>{"1", "3", "6", "7", "8", "11", "15", "16"}));
    EXPECT_EQ(porMoneda["Dólares"], (std::set<std::string>{"2", "9", "10", "12", "25", "26"}));
    for (int m : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 99}) EXPECT_TRUE(metodosPrima.count(m)) << m;
    for (int m : {1, 2, 3, 4, 6, 10, 11, 12}) EXPECT_TRUE(metodosRescate.count(m)) << m;

    // The return-of-premium plan takes the method with its own path; the tariff-table method
    // goes with a surrender method that has no values.
    RecordSet p(C().tablaProductos);
    ASSERT_TRUE(p.BuscarPrimero(Igual("ID", Valor("16"))));
    EXPECT_EQ(Num(p, "Calculo de prima"), 14);
    EXPECT_EQ(Num(p, "Calculo de rescate"), 12);
    ASSERT_TRUE(p.BuscarPrimero(Igual("Calculo de prima", Valor(99))));
    EXPECT_EQ(Num(p, "Calculo de rescate"), 0);
}

TEST_F(CatalogoMuestra, PlazosDeLosPlanesSegunSuDescripcion) {
    auto plazos = [&](const char* id) {
        std::string r;
        C().PlazosDeProducto(id);
        for (auto& p = C().datPlazoProducto; !p.FinDeArchivo(); p.MoverSiguiente())
            r += p.Campo("PlazoPago").ComoTexto() + "/" + p.Campo("PlazoSeguro").ComoTexto() + " ";
        return r;
    };
    EXPECT_EQ(plazos("1"), "1/1 5/5 10/10 15/15 20/20 60/60 65/65 ");
    EXPECT_EQ(plazos("15"), "5/5 10/10 15/15 20/20 25/25 60/60 65/65 ");
    EXPECT_EQ(plazos("11"), "20/20 99/99 ");
    EXPECT_EQ(plazos("7"), "1/1 ");
    EXPECT_EQ(plazos("26"), "60/60 65/65 ");
    EXPECT_EQ(plazos("16"), "5/5 10/10 15/15 20/20 ");
    EXPECT_EQ(plazos("99"), "");
    for (const auto& id : IdsProductos(C())) EXPECT_FALSE(plazos(id.c_str()).empty()) << id;
}

TEST_F(CatalogoMuestra, TablasDeMortalidadPublicadasPorMillar) {
    auto& m = C().datTablasMortalidad;
    struct Caso {
        int tabla, edad;
        double porMil;
    };
    const Caso publicados[] = {
        {8, 40, 3.53},   {8, 0, 7.08},    {8, 99, 1000},  // CSO 1958 male, ANB
        {15, 30, 1.508}, {15, 60, 13.86}, {15, 5, 1.35},   // CNSF 2000-I; age 5 from CSO 1958
        {4, 60, 14.92},  {5, 50, 6.71},                    // Experiencia Mexicana 82-89; CSO 1980 male
    };
    for (const auto& c : publicados) {
        SCOPED_TRACE(std::to_string(c.tabla) + " edad " + std::to_string(c.edad));
        ASSERT_TRUE(m.Buscar(Valor(c.tabla)));
        EXPECT_DOUBLE_EQ(m.Campo(static_cast<size_t>(c.edad + 1)).ComoDouble(), c.porMil);
        EXPECT_DOUBLE_EQ(m.Campo(std::to_string(c.edad)).ComoDouble(), c.porMil);
    }
    // Every table a product names, and rows 8 and 15 read by number, exist; every rate of a
    // premium or surrender table is a rate per 1000 with survivors up to age 98.
    std::set<std::string> claves = {"8", "15"};
    RecordSet p(C().tablaProductos);
    for (; !p.FinDeArchivo(); p.MoverSiguiente()) {
        claves.insert(p.Campo("Tabla de Mortalidad (prima)").ComoTexto());
        claves.insert(p.Campo("Tabla de Mortalidad (rescate)").ComoTexto());
    }
    for (const auto& k : claves) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(m.Buscar(Valor(k)));
        for (int a = 0; a <= 99; ++a) {
            double q = m.Campo(static_cast<size_t>(a + 1)).ComoDouble();
            EXPECT_GT(q, 0);
            if (a < 99) {
                EXPECT_LT(q, 1000) << a;
            }
        }
    }
}

TEST_F(CatalogoMuestra, CadaPlazoDeCadaProductoTieneSuEsquemaDeComisiones) {
    RecordSet p(C().tablaProductos);
    int revisados = 0;
    for (; !p.FinDeArchivo(); p.MoverSiguiente()) {
        const std::string id = p.Campo("Id").ComoTexto();
        const std::string tabla = id == "16" ? "16" : p.Campo("Tabla de Comisiones").ComoTexto();
        for (const Linea& l : LineasPosibles(C(), id)) {
            // Payment years of the lookup: the line's term, or the years to the attained age.
            std::vector<int> ms;
            if (l.edadAlcanzada)
                for (int edad = 15; edad <= (l.plazoPago == 60 ? 55 : 60); ++edad) ms.push_back(l.plazoPago - edad);
            else
                ms.push_back(l.plazoPago);
            for (int m : ms) {
                SCOPED_TRACE(id + " m=" + std::to_string(m));
                Criterio c = Igual("Id", Valor(tabla));
                c.Y("Plazo", Operador::MayorIgual, Valor(m));
                ASSERT_TRUE(C().datEsquemaComisiones.BuscarPrimero(c));
                // The tiers fill every policy year the premiums are paid.
                std::vector<double> comision(100, -1);
                for (int t = 1, j = 1; t <= 15; ++t) {
                    int hasta = static_cast<int>(C().datEsquemaComisiones.Campo(static_cast<size_t>(2 * t)).ComoDouble());
                    double tasa = C().datEsquemaComisiones.Campo(static_cast<size_t>(2 * t + 1)).ComoDouble();
                    if (hasta > 100) hasta = 99;
                    for (; j <= hasta; ++j) comision[j] = tasa / 100;
                }
                for (int j = 1; j <= std::min(m, 99); ++j) {
                    EXPECT_GE(comision[j], 0.05) << j;
                    EXPECT_LE(comision[j], 0.5) << j;
                }
                ++revisados;
            }
        }
    }
    EXPECT_GT(revisados, 100);
}

TEST_F(CatalogoMuestra, CadaBeneficioQueOfreceLaVentanaTieneTarifa) {
    const std::map<int, std::string> nombres = {{1, "B.I.T"}, {2, "B.P.A.I."}, {3, "M.A."}, {4, "D.I."},
                                                {5, "T.I."},  {7, "E.G.%25"}, {8, "BITF"}, {9, "CAF"}};
    auto& ben = C().datBeneficiosAdicionales;
    for (int id = 1; id <= 9; ++id) {
        ASSERT_TRUE(ben.Buscar(Valor(id))) << id;
        if (nombres.count(id)) {
            EXPECT_EQ(ben.Campo("Nombre").ComoTexto(), nombres.at(id));
        }
        EXPECT_GE(Num(ben, "Edad de Cancelacion"), Num(ben, "Edad Maxima"));
    }
    const std::map<int, int> edadMaxima = {{1, 55}, {2, 55}, {3, 65}, {4, 65}, {5, 65}, {7, 65}, {8, 55}, {9, 65}};
    for (auto [id, edad] : edadMaxima) {
        ben.Buscar(Valor(id));
        EXPECT_EQ(Num(ben, "Edad Maxima"), edad) << id;
    }

    int revisadas = 0;
    for (const auto& id : IdsProductos(C())) {
        const int codigo = std::stoi(id);
        for (const Linea& l : LineasPosibles(C(), id)) {
            for (int b : BeneficiosOfrecidos(codigo)) {
                if (codigo == 26 && (b == 8 || b == 9)) continue;  // never offered with that plan
                SCOPED_TRACE(id + " beneficio " + std::to_string(b) + " plazo " + std::to_string(l.plazoSeguro) + "/" +
                             std::to_string(l.plazoPago));
                Criterio c = Igual("Producto", Valor(codigo == 16 ? std::string("1") : id));
                c.Y("Id", Operador::Igual, Valor(std::to_string(b)))
                    .Y("Plazo de Seguro", Operador::Igual, Valor(l.plazoSeguro))
                    .Y("Plazo de Pago", Operador::Igual, Valor(l.plazoPago))
                    .Y("Dotal", Operador::Igual, Valor(l.dotal))
                    .Y("Edad Alcanzada", Operador::Igual, Valor(l.edadAlcanzada));
                ASSERT_TRUE(C().datTarifasBeneficio.BuscarPrimero(c));
                ASSERT_TRUE(C().datTarifas.Buscar(C().datTarifasBeneficio.Campo("Tabla de Tarifas")));
                // Priced at every age the rider accepts (the whole-life waiver from 18).
                ben.Buscar(Valor(b));
                const int desde = (b == 1 || b == 2 || b == 8) ? 18 : 15;
                for (int a = desde; a <= Num(ben, "Edad Maxima"); ++a)
                    EXPECT_GT(C().datTarifas.Campo(std::to_string(a)).ComoDouble(), 0) << a;
                ++revisadas;
            }
        }
    }
    EXPECT_GT(revisadas, 300);
}

TEST_F(CatalogoMuestra, DescuentoPorVolumenTerminaEnUnTramoDeLimiteCero) {
    auto& dv = C().datDescuentoVolumen;
    RecordSet p(C().tablaProductos);
    for (; !p.FinDeArchivo(); p.MoverSiguiente()) {
        const std::string clave = p.Campo("Descuento por Volumen").ComoTexto();
        SCOPED_TRACE(clave);
        ASSERT_TRUE(dv.Buscar(Valor(clave)));
        double ultimo = 0;
        int n = 1;
        for (; n <= 10; ++n) {
            double limite = dv.Campo(static_cast<size_t>(3 * (n - 1) + 2)).ComoDouble();
            if (limite == 0) break;
            EXPECT_GT(limite, ultimo);
            double a = dv.Campo(static_cast<size_t>(3 * (n - 1) + 3)).ComoDouble();
            double b = dv.Campo(static_cast<size_t>(3 * (n - 1) + 4)).ComoDouble();
            EXPECT_GE(a - b, 0);
            ultimo = limite;
        }
        EXPECT_LE(n, 10) << "sin tramo de cierre";
        EXPECT_GE(ultimo, 99999999999.0);
    }
    // Pesos: nothing up to 500 000, then 0.5 and 1 per 1000 (a limit must be exceeded).
    ASSERT_TRUE(dv.Buscar(Valor("1")));
    auto descuento = [&](double suma) {
        double d = 0, limiteAnterior = 1;
        for (int n = 1; n <= 10 && suma > limiteAnterior; ++n) {
            d = dv.Campo(static_cast<size_t>(3 * n)).ComoDouble() - dv.Campo(static_cast<size_t>(3 * n + 1)).ComoDouble();
            limiteAnterior = dv.Campo(static_cast<size_t>(3 * n - 1)).ComoDouble();
        }
        return d;
    };
    EXPECT_DOUBLE_EQ(descuento(500000), 0);
    EXPECT_DOUBLE_EQ(descuento(500001), 0.5);
    EXPECT_DOUBLE_EQ(descuento(1000000), 0.5);
    EXPECT_DOUBLE_EQ(descuento(2000000), 1);
}

TEST_F(CatalogoMuestra, OpcionesGerencialesCoherentesConElSistema) {
    auto& o = C().datOpcionesGerenciales;
    o.MoverPrimero();
    EXPECT_EQ(Num(o, "Tasa de Interes Pesos"), 5.5);
    EXPECT_EQ(Num(o, "Tasa de Interes Dolares"), 4);
    // The dollar surcharges are the per-frequency factors 1.039, 1.032 and 1.021.
    EXPECT_EQ(Num(o, "Recargo Mensual Dolares"), 3.9);
    EXPECT_EQ(Num(o, "Recargo Trimestral Dolares"), 3.2);
    EXPECT_EQ(Num(o, "Recargo Semestral Dolares"), 2.1);
    EXPECT_EQ(Num(o, "Edad Minima de Descuento"), 15);
    EXPECT_EQ(Num(o, "Años de Descuento por no fumador"), 2);
    EXPECT_EQ(Num(o, "Años de Descuento por mujer"), 3);
    EXPECT_EQ(Num(o, "Riesgo Preferente"), 1);
    EXPECT_EQ(Num(o, "Participacion de la Compañia en Dividendos"), 0.5);
    // Short-term endowment premium per 1000 of k months: 1000 / (1 + i)^(k / 12).
    for (int k = 1; k <= 12; ++k) {
        char p[64], d[64];
        std::snprintf(p, sizeof p, "Primas de Dotal a corto plazo pesos %02d", k);
        std::snprintf(d, sizeof d, "Primas de Dotal a corto plazo dolares %02d", k);
        EXPECT_NEAR(Num(o, p), 1000 / std::pow(1.055, k / 12.0), 0.005) << k;
        EXPECT_NEAR(Num(o, d), 1000 / std::pow(1.04, k / 12.0), 0.005) << k;
    }
    double tope = 0;
    for (int k = 1; k <= 5; ++k) {
        char t[80], f[64];
        std::snprintf(t, sizeof t, "Tope de Prima para Derecho de Poliza dolares %02d", k);
        std::snprintf(f, sizeof f, "Derecho de Poliza dolares %02d", k);
        EXPECT_GT(Num(o, t), tope);
        tope = Num(o, t);
        EXPECT_EQ(Num(o, f), 15 + 10 * k);
        std::snprintf(f, sizeof f, "Derecho de Poliza Pesos %02d", k);
        EXPECT_EQ(Num(o, f), 600);
    }
}

TEST(FuentesCatalogo, LasTablasGeneradasSonLasQueEscribeElGenerador) {
    fs::path salida = fs::temp_directory_path() / "cv_catalogo_generado";
    fs::remove_all(salida);
    const fs::path catalogo = CV_CARPETA_CATALOGO;
    std::string orden = std::string("\"") + CV_GENERAR_CATALOGO + "\" \"" + (catalogo / "fuentes").string() + "\" \"" +
                        salida.string() + "\"";
    ASSERT_EQ(std::system(orden.c_str()), 0);
    int archivos = 0;
    for (const auto& e : fs::directory_iterator(salida)) {
        SCOPED_TRACE(e.path().filename().string());
        EXPECT_EQ(Leer(e.path()), Leer(catalogo / e.path().filename()));
        ++archivos;
    }
    EXPECT_EQ(archivos, 5);
    fs::remove_all(salida);
}
