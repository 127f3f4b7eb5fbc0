// Writes the large regular tables of the sample catalogue: mortality rows from the published
// tables in fuentes/, rider tariffs, rider tariff assignments, commission schedules and the
// terms of every product. The output is committed beside this program; a test checks that it
// is exactly what this program writes.
//
//   generar_catalogo <carpeta de fuentes> <carpeta de salida>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// ---- CSV output: texts are always quoted so that keys such as "16" stay texts ----

std::string Texto(const std::string& s) {
    std::string r = "\"";
    for (char c : s) r += (c == '"') ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

std::string Numero(double x, int decimales) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimales, x);
    return buf;
}

void Escribir(const fs::path& archivo, const std::vector<std::vector<std::string>>& filas) {
    std::ofstream out(archivo, std::ios::binary);
    for (const auto& f : filas) {
        for (size_t i = 0; i < f.size(); ++i) out << (i ? "," : "") << f[i];
        out << "\n";
    }
    if (!out) throw std::runtime_error("no se pudo escribir " + archivo.string());
}

std::vector<std::string> Encabezado(std::vector<std::string> campos) {
    for (auto& c : campos) c = Texto(c);
    return campos;
}

std::vector<std::string> ColumnasPorEdad(const std::string& clave) {
    std::vector<std::string> c = {clave};
    for (int a = 0; a <= 99; ++a) c.push_back(std::to_string(a));
    c.push_back("Nombre");
    return c;
}

// ---- published mortality, kept as decimal text so that no binary rounding creeps in ----

// q per 1 as written in the source -> q per 1000, by moving the decimal point.
std::string PorMil(const std::string& q) {
    std::string entero = q, fraccion;
    if (auto p = q.find('.'); p != std::string::npos) {
        entero = q.substr(0, p);
        fraccion = q.substr(p + 1);
    }
    while (fraccion.size() < 3) fraccion += '0';
    entero += fraccion.substr(0, 3);
    fraccion = fraccion.substr(3);
    while (!fraccion.empty() && fraccion.back() == '0') fraccion.pop_back();
    size_t nz = entero.find_first_not_of('0');
    entero = nz == std::string::npos ? "0" : entero.substr(nz);
    return fraccion.empty() ? entero : entero + "." + fraccion;
}

std::map<int, std::string> LeerTabla(const fs::path& archivo) {
    std::ifstream in(archivo);
    if (!in) throw std::runtime_error("no se pudo leer " + archivo.string());
    std::map<int, std::string> q;
    std::string linea;
    std::getline(in, linea);  // age,qx
    while (std::getline(in, linea)) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        if (linea.empty()) continue;
        auto coma = linea.find(',');
        q[std::stoi(linea.substr(0, coma))] = linea.substr(coma + 1);
    }
    return q;
}

// Ages 0..99 per 1000; ages the source lacks come from `relleno`.
std::vector<std::string> Edades(const std::map<int, std::string>& tabla, const std::map<int, std::string>* relleno) {
    std::vector<std::string> r;
    for (int a = 0; a <= 99; ++a) {
        auto it = tabla.find(a);
        if (it == tabla.end()) {
            if (!relleno || !relleno->count(a)) throw std::runtime_error("falta la edad " + std::to_string(a));
            r.push_back(PorMil(relleno->at(a)));
        } else {
            r.push_back(PorMil(it->second));
        }
    }
    return r;
}

// ---- products: terms as the window offers them and as a stored line carries them ----

struct Plazo {
    int pago, seguro;
};

struct Producto {
    std::string id;
    std::vector<Plazo> plazos;     // rows of "Plazo por Producto"
    int dotal;                     // plan flag of a stored line
    int edadAlcanzadaDesde;        // terms from this value on are attained ages (0: never)
    bool vitalicio;                // stored lines carry insurance term 99
    std::vector<int> beneficios;   // riders with a tariff
    bool unAnio;                   // one-year temporary: a single commission row
};

std::vector<Plazo> Iguales(std::initializer_list<int> v) {
    std::vector<Plazo> r;
    for (int n : v) r.push_back({n, n});
    return r;
}

const std::vector<int> kPrincipales = {1, 2, 3, 4, 5, 6, 7};  // BIT BPAI MA DI TI life-to-60 EG
const std::vector<int> kAccidentes = {3, 4, 5};

std::vector<Producto> Productos() {
    std::vector<Plazo> educacional;
    for (int n = 4; n <= 22; ++n) educacional.push_back({n, n});
    auto temporal = Iguales({1, 5, 10, 15, 20, 60, 65});
    auto dotal = Iguales({5, 10, 15, 20, 25, 60, 65});
    return {
        {"1", temporal, 0, 60, false, kPrincipales, false},
        {"2", temporal, 0, 60, false, kPrincipales, false},
        {"3", Iguales({5, 10, 15, 20}), 0, 0, false, kPrincipales, false},
        {"6", educacional, 1, 0, false, {1, 2, 3, 4, 5, 8, 9}, false},
        {"7", Iguales({1}), 0, 0, false, kAccidentes, true},
        {"8", Iguales({1}), 0, 0, false, kAccidentes, true},
        {"9", Iguales({1}), 0, 0, false, kAccidentes, true},
        {"10", Iguales({1}), 0, 0, false, kAccidentes, true},
        {"11", Iguales({20, 99}), 0, 0, true, kPrincipales, false},
        {"12", Iguales({20, 99}), 0, 0, true, kPrincipales, false},
        {"15", dotal, 1, 60, false, kPrincipales, false},
        // Its riders are priced with the rows of product 1.
        {"16", Iguales({5, 10, 15, 20}), 0, 0, false, {}, false},
        {"25", dotal, 1, 60, false, kPrincipales, false},
        {"26", Iguales({60, 65}), 1, 60, false, kPrincipales, false},
    };
}

// ---- rider tariffs (per 1000 of sum assured; BIT and BITF in percent of the premium) ----

double Acotar(double x, double lo, double hi) { return std::fmin(hi, std::fmax(lo, x)); }

struct TablaTarifa {
    int no;
    std::string nombre;
    std::function<double(int)> tasa;
};

std::vector<TablaTarifa> Tarifas() {
    auto bit = [](double base, double paso, double tope) {
        return [=](int a) { return Acotar(base + paso * (a - 18), base, tope); };
    };
    return {
        {1, "BIT pagos hasta 10 años (% de la prima)", bit(2.0, 0.08, 6.0)},
        {2, "BIT pagos de 11 a 20 años (% de la prima)", bit(2.5, 0.10, 7.0)},
        {3, "BIT pagos de más de 20 años (% de la prima)", bit(3.0, 0.12, 8.0)},
        // Whole life is only insured with BIT from age 18; younger rating ages read age 18.
        {4, "BIT vida entera (% de la prima)", [](int a) { return a < 18 ? 0.0 : Acotar(3.0 + 0.12 * (a - 18), 3.0, 8.0); }},
        {5, "BPAI (por millar)", [](int a) { return Acotar(0.3 * std::pow(10.0, (a - 25) / 30.0), 0.3, 3.0); }},
        // Life cover to age 60 is priced by the engine; the row only has to exist.
        {6, "Vida a 60 (tarifa calculada)", [](int) { return 0.0; }},
        {7, "Muerte accidental (por millar)", [](int) { return 0.8; }},
        {8, "Doble indemnizacion (por millar)", [](int) { return 1.2; }},
        {9, "Triple indemnizacion (por millar)", [](int) { return 1.6; }},
        {10, "Enfermedades graves (por millar)", [](int a) { return Acotar(0.5 * std::pow(16.0, (a - 25) / 40.0), 0.5, 8.0); }},
        {11, "BITF edad del contratante (% de la prima)", bit(2.5, 0.10, 6.5)},
        {12, "CAF edad del contratante (por millar)", [](int a) { return Acotar(std::pow(8.0, (a - 18) / 47.0), 1.0, 8.0); }},
    };
}

int TablaDeBeneficio(const Producto& p, int beneficio, int pago) {
    switch (beneficio) {
        case 1:
            if (p.id == "11") return 4;
            if (pago > 20) return 3;  // attained ages 60, 65 and whole life too
            return pago > 10 ? 2 : 1;
        case 2: return 5;
        case 3: return 7;
        case 4: return 8;
        case 5: return 9;
        case 6: return 6;
        case 7: return 10;
        case 8: return 11;
        case 9: return 12;
    }
    throw std::runtime_error("beneficio sin tarifa");
}

// ---- commissions: first year, second year, then 5 % while premiums are paid ----

struct Escala {
    int plazo;
    double primerAnio, segundoAnio;
};

const std::vector<Escala> kEscalas = {{5, 25, 12}, {10, 35, 15}, {15, 40, 18}, {20, 45, 20}, {25, 50, 22}, {99, 50, 25}};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "uso: generar_catalogo <carpeta de fuentes> <carpeta de salida>\n";
        return 2;
    }
    try {
        const fs::path fuentes = argv[1], salida = argv[2];
        fs::create_directories(salida);
        const auto productos = Productos();

        // Tablas de Mortalidad
        auto cso58 = LeerTabla(fuentes / "cso1958_male.csv");
        auto cso80 = LeerTabla(fuentes / "cso1980_male.csv");
        auto cnsf = LeerTabla(fuentes / "cnsf2000i.csv");
        auto expmex = LeerTabla(fuentes / "exp_mex_1982_89_individual.csv");
        std::vector<std::vector<std::string>> mort = {Encabezado(ColumnasPorEdad("No"))};
        auto filaMort = [&](int no, const std::vector<std::string>& edades, const std::string& nombre) {
            std::vector<std::string> f = {std::to_string(no)};
            f.insert(f.end(), edades.begin(), edades.end());
            f.push_back(Texto(nombre));
            mort.push_back(f);
        };
        filaMort(4, Edades(expmex, &cso58), "Experiencia Mexicana 1982-1989 Individual; edades 0 a 11: CSO 1958 Hombres");
        filaMort(5, Edades(cso80, nullptr), "CSO 1980 Hombres, edad mas proxima");
        filaMort(8, Edades(cso58, nullptr), "CSO 1958 Hombres, edad mas proxima");
        filaMort(15, Edades(cnsf, &cso58), "CNSF 2000-I; edades 0 a 11: CSO 1958 Hombres");
        {
            // A tariff row read by the tariff-table method: 1.25 times CNSF 2000-I plus 0.60 per 1000.
            std::vector<std::string> tar;
            for (const auto& q : Edades(cnsf, &cso58)) tar.push_back(Numero(1.25 * std::stod(q) + 0.60, 2));
            filaMort(90, tar, "Tarifa Temporal Anual Renovable Pesos, por millar");
        }
        Escribir(salida / "Tablas de Mortalidad.csv", mort);

        // Tarifas
        std::vector<std::vector<std::string>> tarifas = {Encabezado(ColumnasPorEdad("No"))};
        for (const auto& t : Tarifas()) {
            std::vector<std::string> f = {std::to_string(t.no)};
            for (int a = 0; a <= 99; ++a) f.push_back(Numero(t.tasa(a), 2));
            f.push_back(Texto(t.nombre));
            tarifas.push_back(f);
        }
        Escribir(salida / "Tarifas.csv", tarifas);

        // Plazo por Producto and Tarifas por Beneficio
        std::vector<std::vector<std::string>> plazos = {Encabezado({"Id", "PlazoPago", "PlazoSeguro"})};
        std::vector<std::vector<std::string>> porBeneficio = {Encabezado(
            {"Producto", "Id", "Plazo de Seguro", "Plazo de Pago", "Dotal", "Edad Alcanzada", "Tabla de Tarifas"})};
        for (const auto& p : productos) {
            for (const auto& pl : p.plazos) {
                plazos.push_back({Texto(p.id), std::to_string(pl.pago), std::to_string(pl.seguro)});
                const int seguro = p.vitalicio ? 99 : pl.seguro;
                const int ea = (p.edadAlcanzadaDesde && pl.seguro >= p.edadAlcanzadaDesde) ? 1 : 0;
                for (int b : p.beneficios)
                    porBeneficio.push_back({Texto(p.id), Texto(std::to_string(b)), std::to_string(seguro),
                                            std::to_string(pl.pago), std::to_string(p.dotal), std::to_string(ea),
                                            std::to_string(TablaDeBeneficio(p, b, pl.pago))});
            }
        }
        Escribir(salida / "Plazo por Producto.csv", plazos);
        Escribir(salida / "Tarifas por Beneficio.csv", porBeneficio);

        // Esquema de Comisiones: Id, Plazo, then 15 pairs of last policy year and rate in percent
        std::vector<std::string> enc = {"Id", "Plazo"};
        for (int t = 1; t <= 15; ++t) {
            char n[8];
            std::snprintf(n, sizeof n, "%02d", t);
            enc.push_back(std::string("Hasta ") + n);
            enc.push_back(std::string("Porcentaje ") + n);
        }
        std::vector<std::vector<std::string>> comisiones = {Encabezado(enc)};
        auto filaComision = [&](const std::string& id, int plazo, std::vector<std::pair<int, double>> tramos) {
            std::vector<std::string> f = {Texto(id), std::to_string(plazo)};
            tramos.resize(15, {0, 0.0});
            for (const auto& [hasta, tasa] : tramos) {
                f.push_back(std::to_string(hasta));
                f.push_back(Numero(tasa, 1));
            }
            comisiones.push_back(f);
        };
        for (const auto& p : productos) {
            filaComision(p.id, 1, {{1, 15.0}});
            if (p.unAnio) continue;
            // The return-of-premium plan pays ten points less in the first two years.
            const double menos = p.id == "16" ? 10.0 : 0.0;
            for (const auto& e : kEscalas)
                filaComision(p.id, e.plazo, {{1, e.primerAnio - menos}, {2, e.segundoAnio - menos / 2}, {e.plazo, 5.0}});
        }
        Escribir(salida / "Esquema de Comisiones.csv", comisiones);
    } catch (const std::exception& e) {
        std::cerr << "generar_catalogo: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
