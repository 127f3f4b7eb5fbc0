#include "data/catalogo.h"

#include <vector>

#include "data/errores.h"
#include "data/sqlite_cifrado.h"

namespace cv::datos {

namespace {

struct Fuente {
    const char* tabla;  // table named in messages
    const char* sql;    // source of the record set
    std::vector<const char*> campos;  // fields the application reads by name
    size_t minimoCampos;              // fields read by position need this many columns
};

std::shared_ptr<Tabla> Leer(ConexionCifrada& con, const Fuente& f) {
    // A missing table is reported by name rather than by the engine's own wording.
    Sentencia existe = con.Preparar("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?;");
    existe.Vincular(1, Valor(std::string(f.tabla)));
    existe.Paso();
    if (existe.Columna(0).ComoDouble() == 0)
        throw ErrorBaseDatos("La base de datos " + con.NombreArchivo() + " no tiene la tabla \"" + f.tabla + "\".");

    Sentencia st = con.Preparar(f.sql);
    std::vector<std::string> campos;
    for (int i = 0; i < st.NumColumnas(); ++i) campos.push_back(st.NombreColumna(i));
    auto t = std::make_shared<Tabla>(f.tabla, campos);
    for (const char* c : f.campos)
        if (!t->Posicion(c))
            throw ErrorBaseDatos("La tabla \"" + std::string(f.tabla) + "\" de la base de datos " + con.NombreArchivo() +
                                 " no tiene el campo \"" + c + "\".");
    if (campos.size() < f.minimoCampos)
        throw ErrorBaseDatos("La tabla \"" + std::string(f.tabla) + "\" de la base de datos " + con.NombreArchivo() +
                             " tiene " + std::to_string(campos.size()) + " campos; se esperan al menos " +
                             std::to_string(f.minimoCampos) + ".");
    while (st.Paso()) {
        std::vector<Valor> fila;
        fila.reserve(campos.size());
        for (int i = 0; i < st.NumColumnas(); ++i) fila.push_back(st.Columna(i));
        t->AgregarFila(std::move(fila));
    }
    return t;
}

// Fields read by position must stand where the engine reads them.
void ExigirPosicion(const Tabla& t, const char* campo, size_t posicion, const std::string& archivo) {
    if (t.Posicion(campo) != posicion)
        throw ErrorBaseDatos("La tabla \"" + t.Nombre() + "\" de la base de datos " + archivo + " debe tener el campo \"" +
                             campo + "\" en la posición " + std::to_string(posicion) + ".");
}

}  // namespace

const std::vector<std::string>& CamposOpcionesGerenciales() {
    static const std::vector<std::string> campos = [] {
        std::vector<std::string> c = {"Tasa de Interes Pesos",
                                      "Tasa de Interes Dolares",
                                      "Recargo Mensual Dolares",
                                      "Recargo Trimestral Dolares",
                                      "Recargo Semestral Dolares",
                                      "Recargo Catorcenal Dolares",
                                      "Recargo Quincenal Dolares",
                                      "Edad Minima de Descuento",
                                      "Años de Descuento por no fumador",
                                      "Años de Descuento por mujer",
                                      "Riesgo Preferente",
                                      "Participacion de la Compañia en Dividendos"};
        // Numbered families always carry two digits.
        auto familia = [&](const std::string& base, int hasta) {
            for (int k = 1; k <= hasta; ++k) c.push_back(base + (k < 10 ? " 0" : " ") + std::to_string(k));
        };
        familia("Primas de Dotal a corto plazo pesos", 12);
        familia("Primas de Dotal a corto plazo dolares", 12);
        familia("Tope de Prima para Derecho de Poliza Pesos", 5);
        familia("Derecho de Poliza Pesos", 5);
        familia("Tope de Prima para Derecho de Poliza dolares", 5);
        familia("Derecho de Poliza dolares", 5);
        return c;
    }();
    return campos;
}

std::string ClaveDeConexion(std::string_view conexion) {
    std::string plegada(conexion);
    for (char& c : plegada)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    size_t p = plegada.find("pwd=");
    if (p == std::string::npos) return {};
    size_t ini = p + 4;
    size_t fin = conexion.find(';', ini);
    return std::string(conexion.substr(ini, fin == std::string_view::npos ? std::string_view::npos : fin - ini));
}

void CatalogoProductos::ProductosDeMoneda(const std::string& moneda) {
    datProductos = RecordSet(tablaProductos).Filtrar(Igual("Moneda", Valor(moneda)));
}

void CatalogoProductos::PlazosDeProducto(const std::string& codigo) {
    datPlazoProducto = RecordSet(tablaPlazoPorProducto).Filtrar(Igual("Id", Valor(codigo)), "PlazoPago");
}

CatalogoProductos VincularCatalogo(const std::filesystem::path& archivo, std::string_view conexion) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(archivo, ec))
        throw ErrorBaseDatos("No se encontró la base de datos " + archivo.filename().string() + ".");
    ConexionCifrada con(archivo, ClaveDeConexion(conexion), ConexionCifrada::Modo::Lectura);

    const std::vector<std::string>& nombresOpciones = CamposOpcionesGerenciales();
    std::vector<const char*> opciones;
    for (const auto& n : nombresOpciones) opciones.push_back(n.c_str());

    const Fuente fuentes[] = {
        {"Productos", "SELECT * FROM [Productos] ORDER BY rowid;",
         {"Id", "Nombre", "Moneda", "Tabla de Mortalidad (prima)", "Tabla de Mortalidad (rescate)",
          "Tasa de Interes Tecnica", "Interes sobre Reservas", "Recargo fijo", "Gastos de Expedicion",
          "Tabla de Comisiones", "Calculo de prima", "Calculo de rescate", "Años de crecimiento",
          "Descuento por Volumen", "Aplicacion de Descuentos", "Descuento por Dividendos", "Recargo a la Prima Neta"},
         0},
        {"Plazo por Producto",
         "SELECT [Plazo por Producto].* FROM [Plazo por Producto] ORDER BY [Plazo por Producto].Id, "
         "[Plazo por Producto].PlazoPago;",
         {"Id", "PlazoPago", "PlazoSeguro"}, 0},
        {"Beneficios Adicionales", "SELECT * FROM [Beneficios Adicionales] ORDER BY rowid;",
         {"Id", "Nombre", "Edad Maxima", "Edad de Cancelacion", "Tabla de Tarifas", "Aplican Descuentos en Edad",
          "Aplican Incrementos"},
         0},
        {"Catalogo de Paquetes", "SELECT * FROM [Catalogo de Paquetes] ORDER BY rowid;", {"Id"}, 2},
        {"Esquema de Comisiones",
         "SELECT [Esquema de Comisiones].* FROM [Esquema de Comisiones] ORDER BY [Esquema de Comisiones].Id, "
         "[Esquema de Comisiones].Plazo;",
         {"Id", "Plazo"}, 32},
        {"Tablas de Mortalidad", "SELECT * FROM [Tablas de Mortalidad] ORDER BY rowid;", {"No"}, 101},
        {"Descuento por Volumen", "SELECT * FROM [Descuento por Volumen] ORDER BY rowid;", {"Id"}, 32},
        {"Tarifas por Beneficio", "SELECT * FROM [Tarifas por Beneficio] ORDER BY rowid;",
         {"Producto", "Id", "Plazo de Seguro", "Plazo de Pago", "Dotal", "Edad Alcanzada", "Tabla de Tarifas"}, 0},
        {"Tarifas", "SELECT * FROM [Tarifas] ORDER BY rowid;", {"No", "18"}, 101},
        {"Opciones Gerenciales", "SELECT * FROM [Opciones Gerenciales] ORDER BY rowid;", opciones, 0},
        {"Crystal Reports", "SELECT * FROM [Crystal Reports] ORDER BY rowid;",
         {"Usuario", "AnoPoliza", "Edad", "PrimaAnualizada", "FondoAcumulado", "Rescate", "SeguroProrrogado",
          "SeguroSaldado", "ProteccionTotal"},
         0},
        {"Cobertura", "SELECT * FROM [Cobertura] ORDER BY rowid;",
         {"Usuario", "Numero", "Cobertura", "SumaAsegurada", "PlazoSeguro", "PlazoPago", "Crecimiento", "PrimaAnual"}, 0},
        {"Tarifario", "SELECT * FROM [Tarifario] ORDER BY rowid;", {}, 0},
    };

    std::shared_ptr<Tabla> t[std::size(fuentes)];
    for (size_t i = 0; i < std::size(fuentes); ++i) t[i] = Leer(con, fuentes[i]);

    const std::string nombre = con.NombreArchivo();
    ExigirPosicion(*t[4], "Id", 0, nombre);
    ExigirPosicion(*t[4], "Plazo", 1, nombre);
    ExigirPosicion(*t[5], "No", 0, nombre);
    ExigirPosicion(*t[6], "Id", 0, nombre);
    ExigirPosicion(*t[8], "No", 0, nombre);
    if (t[9]->NumFilas() == 0)
        throw ErrorBaseDatos("La tabla \"Opciones Gerenciales\" de la base de datos " + nombre + " no tiene registro.");

    CatalogoProductos c;
    c.ruta = archivo;
    c.tablaProductos = t[0];
    c.tablaPlazoPorProducto = t[1];
    RecordSet* holders[] = {&c.datProductos,         &c.datPlazoProducto,  &c.datBeneficiosAdicionales,
                            &c.datCatalogoPaquetes,  &c.datEsquemaComisiones, &c.datTablasMortalidad,
                            &c.datDescuentoVolumen,  &c.datTarifasBeneficio, &c.datTarifas,
                            &c.datOpcionesGerenciales, &c.datCrystalReports, &c.datReportsCrystal,
                            &c.datTarifario};
    for (size_t i = 0; i < std::size(holders); ++i) *holders[i] = RecordSet(t[i]);
    c.datBeneficiosAdicionales.EstablecerIndice("Id");
    c.datCatalogoPaquetes.EstablecerIndice("Id");
    c.datTablasMortalidad.EstablecerIndice("No");
    c.datDescuentoVolumen.EstablecerIndice("Id");
    c.datTarifas.EstablecerIndice("No");
    return c;
}

}  // namespace cv::datos
