#include "cli/lote.h"

#include <map>

#include "core/texto.h"

namespace cv::cli {

bool LectorCsv::Siguiente(std::vector<std::string>& campos) {
    campos.clear();
    linea_ = siguiente_;
    std::string campo;
    bool entreComillas = false, hayAlgo = false, citado = false;
    for (;;) {
        const int c = in_.get();
        if (c == std::char_traits<char>::eof()) {
            if (entreComillas) throw ErrorUso("Línea " + std::to_string(linea_) + ": falta cerrar unas comillas.");
            if (!hayAlgo && campos.empty()) return false;
            campos.push_back(std::move(campo));
            return true;
        }
        hayAlgo = true;
        const char ch = static_cast<char>(c);
        if (entreComillas) {
            if (ch == '"') {
                if (in_.peek() == '"') {
                    in_.get();
                    campo += '"';
                } else {
                    entreComillas = false;
                }
            } else {
                if (ch == '\n') ++siguiente_;
                campo += ch;
            }
            continue;
        }
        if (ch == '"' && campo.empty() && !citado) {
            entreComillas = citado = true;
        } else if (ch == ',') {
            campos.push_back(std::move(campo));
            campo.clear();
            citado = false;
        } else if (ch == '\n') {
            ++siguiente_;
            if (!campo.empty() && campo.back() == '\r' && !citado) campo.pop_back();
            campos.push_back(std::move(campo));
            return true;
        } else if (ch == '\r' && in_.peek() == '\n') {
            // the line feed ends the record
        } else {
            campo += ch;
        }
    }
}

namespace {

using Campo = std::optional<std::string> Peticion::*;

const std::map<std::string, Campo>& CamposEncabezado() {
    static const std::map<std::string, Campo> m = {
        {"nombre", &Peticion::nombre},
        {"edad", &Peticion::edad},
        {"fecha_nacimiento", &Peticion::fechaNacimiento},
        {"sexo", &Peticion::sexo},
        {"fuma", &Peticion::fuma},
        {"moneda", &Peticion::moneda},
        {"forma_pago", &Peticion::formaPago},
        {"suma_asegurada", &Peticion::sumaAsegurada},
        {"prima_global", &Peticion::primaGlobal},
        {"numero_agente", &Peticion::numeroAgente},
        {"agente", &Peticion::agente},
        {"extraprima_ocupacional", &Peticion::extraprimaOcupacional},
        {"extraprima_medica", &Peticion::extraprimaMedica},
        {"tasa_interes", &Peticion::tasaInteres},
        {"tipo_incremento", &Peticion::tipoIncremento},
        {"aportaciones", &Peticion::aportaciones},
        {"monto_aportacion", &Peticion::montoAportacion},
        {"fondo_final", &Peticion::fondoFinal},
        {"edad_tutor", &Peticion::edadTutor},
    };
    return m;
}

const std::vector<std::string>& CamposLinea() {
    static const std::vector<std::string> c = {"producto",   "plazo_pago",     "plazo_seguro", "edad_menor",
                                               "edad_alcanzada", "participacion", "incremento",   "beneficios"};
    return c;
}

// "plazo_pago_3" is the column "plazo_pago" of line 3; a name without a suffix is line 1.
bool ColumnaDeLinea(const std::string& columna, std::string& campo, int& linea) {
    for (const auto& c : CamposLinea()) {
        if (columna == c) {
            campo = c;
            linea = 1;
            return true;
        }
        if (columna.rfind(c + "_", 0) == 0) {
            const std::string n = columna.substr(c.size() + 1);
            if (n.empty() || n.size() > 2 || n.find_first_not_of("0123456789") != std::string::npos) continue;
            linea = std::stoi(n);
            if (linea < 1 || linea > 10) return false;
            campo = c;
            return true;
        }
    }
    return false;
}

bool Conocida(const std::string& columna) {
    std::string campo;
    int linea;
    return columna == "id" || columna == "abrir" || columna == "riesgo_selecto" || CamposEncabezado().count(columna) ||
           ColumnaDeLinea(columna, campo, linea);
}

}  // namespace

void ComprobarColumnas(const std::vector<std::string>& columnas) {
    for (const auto& c : columnas)
        if (!Conocida(Recortar(c))) throw ErrorUso("La columna \"" + c + "\" no es una columna del lote.");
}

Peticion PeticionDeFila(const std::vector<std::string>& columnas, const std::vector<std::string>& celdas) {
    Peticion p;
    std::map<int, PeticionLinea> lineas;
    for (size_t i = 0; i < columnas.size() && i < celdas.size(); ++i) {
        const std::string columna = Recortar(columnas[i]);
        const std::string& v = celdas[i];
        if (Recortar(v).empty() || columna == "id") continue;
        if (columna == "abrir") {
            p.abrir = v;
            continue;
        }
        if (columna == "riesgo_selecto") {
            auto b = LeerSiNo(v);
            if (!b) throw ErrorUso("riesgo_selecto es \"si\" o \"no\", no \"" + v + "\".");
            p.riesgoSelecto = *b;
            continue;
        }
        if (auto c = CamposEncabezado().find(columna); c != CamposEncabezado().end()) {
            p.*(c->second) = v;
            continue;
        }
        std::string campo;
        int n;
        if (!ColumnaDeLinea(columna, campo, n)) throw ErrorUso("La columna \"" + columna + "\" no es una columna del lote.");
        PeticionLinea& l = lineas[n];
        if (campo == "producto") l.producto = Recortar(v);
        else if (campo == "plazo_pago") l.pago = v;
        else if (campo == "plazo_seguro") l.seguro = v;
        else if (campo == "edad_menor") l.edadMenor = v;
        else if (campo == "edad_alcanzada") l.edadAlcanzada = v;
        else if (campo == "participacion") l.participacion = v;
        else if (campo == "incremento") l.incremento = v;
        else l.beneficios = ListaBeneficios(v);
    }
    int esperada = 1;
    for (auto& [n, l] : lineas) {
        if (n != esperada) throw ErrorUso("Faltan los datos de la línea " + std::to_string(esperada) + ".");
        if (l.producto.empty()) throw ErrorUso("La línea " + std::to_string(n) + " no dice el producto.");
        p.lineas.push_back(std::move(l));
        ++esperada;
    }
    return p;
}

namespace {

void Escribir(const FilaResultado& r, Formato f, std::ostream& out) {
    if (f == Formato::Json) {
        out << '{';
        for (size_t i = 0; i < r.size(); ++i) out << (i ? "," : "") << TextoJson(r[i].first) << ':' << TextoJson(r[i].second);
        out << "}\n";
    } else {
        for (size_t i = 0; i < r.size(); ++i) out << (i ? "," : "") << CampoCsv(r[i].second);
        out << "\r\n";
    }
}

}  // namespace

TotalesLote EjecutarLote(Conductor& c, std::istream& entrada, std::ostream& salida, Formato f,
                         const std::function<void(const TotalesLote&)>& progreso, long cada) {
    LectorCsv lector(entrada);
    std::vector<std::string> columnas, celdas;
    if (!lector.Siguiente(columnas)) throw ErrorUso("El lote está vacío: falta el renglón de encabezados.");
    for (auto& col : columnas) col = Recortar(col);
    if (!columnas.empty() && columnas[0].rfind("\xEF\xBB\xBF", 0) == 0) columnas[0].erase(0, 3);  // a spreadsheet's BOM
    ComprobarColumnas(columnas);
    size_t posId = columnas.size();
    for (size_t i = 0; i < columnas.size(); ++i)
        if (columnas[i] == "id") posId = i;

    if (f != Formato::Json) {
        const auto& nombres = ColumnasResultadoLote();
        for (size_t i = 0; i < nombres.size(); ++i) salida << (i ? "," : "") << nombres[i];
        salida << "\r\n";
    }
    TotalesLote t;
    while (lector.Siguiente(celdas)) {
        if (celdas.size() == 1 && Recortar(celdas[0]).empty()) continue;  // a blank line
        ++t.filas;
        const std::string id = posId < celdas.size() ? celdas[posId] : std::to_string(t.filas);
        FilaResultado r;
        try {
            if (celdas.size() != columnas.size())
                throw ErrorUso("El renglón de la línea " + std::to_string(lector.Linea()) + " tiene " +
                               std::to_string(celdas.size()) + " columnas y el encabezado " +
                               std::to_string(columnas.size()) + ".");
            c.Cotizar(PeticionDeFila(columnas, celdas), false);
            r = ResultadoLote(c, id);
            ++t.correctas;
        } catch (const Rechazo& e) {
            r = RechazoLote(id, "rechazada", e.what());
            ++t.rechazadas;
        } catch (const std::exception& e) {
            r = RechazoLote(id, "error", e.what());
            ++t.errores;
        }
        Escribir(r, f, salida);
        if (progreso && cada > 0 && t.filas % cada == 0) progreso(t);
    }
    salida.flush();
    return t;
}

}  // namespace cv::cli
