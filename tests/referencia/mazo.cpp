#include "mazo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace cv::referencia {

namespace {

struct Linea {
    const char* producto;
    int seguro, pago;
    float participacion = 100;
    float incremento = 0;
    std::vector<const char*> beneficios = {};
};

LineaCotizacion Armar(const Linea& d, bool primera) {
    LineaCotizacion l;
    l.Producto = d.producto;
    l.PlazoSeguro = static_cast<int16_t>(d.seguro);
    l.PlazoPago = static_cast<int16_t>(d.pago);
    l.Participacion = d.participacion;
    l.Incremento = d.incremento;
    const int c = std::stoi(d.producto);
    const uint8_t dotal = (c == 6 || c == 15 || c == 25 || c == 26) ? 1 : 0;
    const uint8_t vitalicio = (c == 11 || c == 12) ? 1 : 0;
    const uint8_t alcanzada = (!vitalicio && d.seguro >= 60) ? 1 : 0;
    (primera ? l.Dotal : l.Dotal2) = dotal;
    (primera ? l.Ordinario : l.Ordinario2) = vitalicio;
    (primera ? l.EdadAlcanzada : l.EdadAlcanzada2) = alcanzada;
    // The first-line set is what a stored line always carries.
    l.Dotal = dotal;
    l.Ordinario = vitalicio;
    l.EdadAlcanzada = alcanzada;
    int slot = 0;
    for (const char* b : d.beneficios) {
        l.Beneficio[++slot] = b;
        l.ParticipacionBeneficio[slot] = 100;
    }
    l.CantidadBeneficios = static_cast<int16_t>(slot);
    return l;
}

struct Cotizacion {
    const char* nombre;
    const char* edad;
    const char* moneda;
    std::vector<Linea> lineas;
    const char* suma = "1,000,000.00";
    const char* prima = "";
    const char* forma = "Anual";
    const char* sexo = "Masculino";
    const char* fuma = "No";
};

Caso Armar(const Cotizacion& q) {
    Caso c;
    c.nombre = q.nombre;
    EntradaCalculo& in = c.entrada;
    in.txtEdad = q.edad;
    in.comMoneda = q.moneda;
    in.txtSumaAseguradaGlobal = q.suma;
    in.txtPrimaTotal = q.prima;
    in.comFormaPago = q.forma;
    in.comSexo = q.sexo;
    in.comFuma = q.fuma;
    in.txtTasaInteres = std::string(q.moneda) == "Pesos" ? "5.5" : "4";
    in.EdadContratante = Currency::DesdeDouble(std::stod(q.edad));
    for (size_t i = 0; i < q.lineas.size(); ++i) in.lineas.push_back(Armar(q.lineas[i], i == 0));
    // The window shows the last line entered.
    const Linea& ultima = q.lineas.back();
    const int codigo = std::stoi(ultima.producto);
    in.txtProducto = ultima.producto;
    in.dbcPago = std::to_string(ultima.pago);
    in.dbcPlazo = std::to_string(ultima.seguro);
    in.chkEdad = in.lineas.back().EdadAlcanzada == 1;
    in.comPlan = (codigo == 11 || codigo == 12) ? "Vitalicio"
                 : (codigo == 6 || codigo == 15 || codigo == 25 || codigo == 26)
                     ? (in.chkEdad ? "Dotal con Edad Alcanzada" : "Dotal")
                     : (in.chkEdad ? "Edad Alcanzada" : "Temporal");
    return c;
}

void Tarifa(Caso& c, const char* inicial, const char* final, bool hoja) {
    c.entrada.optDetalle = false;
    c.entrada.txtEdadInicial = inicial;
    c.entrada.txtEdadFinal = final;
    c.entrada.chkcalc = hoja;
}

}  // namespace

std::vector<Caso> Mazo() {
    std::vector<Caso> m;
    auto agregar = [&](const Cotizacion& q) -> Caso& { return m.emplace_back(Armar(q)); };

    agregar({"temporal_20", "35", "Pesos", {{"1", 20, 20, 100, 0, {"1", "3"}}}});
    agregar({"temporal_creciente_mensual", "40", "Pesos", {{"1", 20, 20, 100, 5, {"1", "2", "4"}}}, "500,000.00", "",
             "Mensual", "Femenino", "Si"});
    agregar({"temporal_edad_alcanzada_65", "40", "Pesos", {{"1", 65, 65, 100, 0, {"5"}}}});
    agregar({"temporal_dolares_ea60_trimestral", "45", "Dólares", {{"2", 60, 60, 100, 0, {"4"}}}, "200,000.00", "",
             "Trimestral"});
    agregar({"temporal_dolares_5", "30", "Dólares", {{"2", 5, 5}}, "100,000.00"});
    agregar({"empresarial_56_semestral", "56", "Pesos", {{"3", 15, 15, 100, 0, {"3"}}}, "2,500,000.00", "", "Semestral"});
    {
        Caso& c = agregar({"educacional_adulto", "35", "Pesos", {{"6", 17, 17, 100, 0, {"1", "2", "3"}}}, "300,000.00"});
        c.entrada.comPlan = "Dotal";
    }
    {
        Caso& c = agregar({"educacional_menor", "10", "Pesos", {{"6", 12, 12, 100, 0, {"8", "9"}}}, "250,000.00"});
        c.entrada.EdadContratante = Currency::DesdeEntero(40);
        c.entrada.EdadPadreTutor = 40;
    }
    agregar({"temporal_1_ano_creciente", "30", "Pesos", {{"7", 1, 1, 100, 20, {"3"}}}});
    agregar({"temporal_anual_renovable", "45", "Pesos", {{"8", 1, 1, 100, 0, {"4"}}}});
    agregar({"temporal_anual_dolares", "50", "Dólares", {{"9", 1, 1}}, "150,000.00"});
    agregar({"temporal_1_ano_dolares", "28", "Dólares", {{"10", 1, 1, 100, 0, {"5"}}}, "80,000.00"});
    {
        Caso& c = agregar({"vida_entera_creciente_aportaciones", "35", "Pesos", {{"11", 99, 99, 100, 10, {"1", "3", "7"}}}});
        c.entrada.AportNumPagos = 12;
        c.entrada.AportMonto = 5000;
    }
    agregar({"vida_entera_20_pagos_joven", "17", "Pesos", {{"11", 99, 20, 100, 0, {"1", "2"}}}, "750,000.00", "", "Anual",
             "Femenino", "No"});
    {
        Caso& c = agregar({"vida_entera_dolares_fondo", "52", "Dólares", {{"12", 99, 99, 100, 0, {"1", "3"}}}, "250,000.00"});
        c.entrada.AportNumPagos = 10;
        c.entrada.AportFondoFinal = 100000;
        c.entrada.comTipoIncremento = "Geometrico";
    }
    agregar({"dotal_20_creciente", "30", "Pesos", {{"15", 20, 20, 100, 10, {"1", "3", "7"}}}});
    agregar({"dotal_edad_alcanzada_60", "45", "Pesos", {{"15", 60, 60, 100, 0, {"2"}}}, "400,000.00", "", "Mensual"});
    agregar({"devolucion_10", "40", "Pesos", {{"16", 10, 10, 100, 0, {"1", "3"}}}});
    agregar({"devolucion_5", "33", "Pesos", {{"16", 5, 5}}});
    agregar({"dotal_dolares_25", "33", "Dólares", {{"25", 25, 25, 100, 0, {"7"}}}, "120,000.00", "", "Mensual"});
    agregar({"retiro_dolares_65", "40", "Dólares", {{"26", 65, 65, 100, 0, {"1", "2"}}}, "90,000.00"});
    agregar({"prima_objetivo_dos_lineas", "38", "Pesos", {{"1", 20, 20, 60, 0, {"3"}}, {"15", 20, 20, 40}}, "", "30,000.00",
             "Mensual"});
    {
        Caso& c = agregar({"tres_lineas_aportacion_creciente",
                           "42",
                           "Pesos",
                           {{"11", 99, 20, 50, 0, {"1", "3"}}, {"1", 15, 15, 30, 0, {"2"}}, {"15", 25, 25, 20, 5}},
                           "3,000,000.00",
                           "",
                           "Trimestral"});
        c.entrada.AportNumPagos = 8;
        c.entrada.AportMonto = 20000;
        c.entrada.AportTasaIncrementoPct = 5;
    }
    {
        Caso& c = agregar({"vida_a_60_extraprimas", "44", "Pesos", {{"15", 20, 20, 100, 0, {"6", "3"}}}});
        c.entrada.txtExtraprimaOcupacional = "2";
        c.entrada.txtExtraPrimaMedica = "150";
        c.entrada.chkRiesgoSelecto = true;
    }
    Tarifa(agregar({"tarifa_temporal_20", "35", "Pesos", {{"1", 20, 20}}}), "15", "70", false);
    Tarifa(agregar({"tarifa_hoja_devolucion_10", "35", "Pesos", {{"16", 10, 10}}}), "20", "60", true);
    Tarifa(agregar({"tarifa_prima_objetivo_dolares", "30", "Dólares", {{"2", 20, 20}}, "", "2,500.00"}), "25", "45", false);
    return m;
}

namespace {

class Lista {
public:
    void M(const std::string& k, Currency c) { v.push_back({k, 'M', c.Texto()}); }
    void D(const std::string& k, double d) {
        char b[40];
        std::snprintf(b, sizeof b, "%.17g", d);
        v.push_back({k, 'D', b});
    }
    void E(const std::string& k, long long n) { v.push_back({k, 'E', std::to_string(n)}); }
    void T(const std::string& k, const std::string& t) { v.push_back({k, 'T', t}); }
    std::vector<Valor> v;
};

std::string Indice(const char* nombre, int i) { return std::string(nombre) + "[" + std::to_string(i) + "]"; }
std::string Indice(const char* nombre, int i, int j) {
    return std::string(nombre) + "[" + std::to_string(i) + "," + std::to_string(j) + "]";
}

}  // namespace

std::vector<Valor> Resultados(Calculo& calculo, const Caso& caso) {
    Lista r;
    ResultadoCalculo res;
    try {
        res = calculo.CalcularCotizacion(caso.entrada);
    } catch (const ErrorCalculo& e) {
        r.T("Error", e.what());
        return r.v;
    }
    const EstadoMotor& e = calculo.Estado();
    if (res.mensaje) r.T("Mensaje", res.mensaje->texto);
    if (!caso.entrada.optDetalle) {
        r.E("HojaTarifa", res.hojaTarifa);
        for (const auto& f : res.filasTarifa) {
            const auto columnas = ColumnasTarifa(f);
            for (int c = 0; c < 8; ++c) r.T(Indice("Tarifa", f.Edad, c), columnas[c]);
        }
        r.M("SumaAseguradaGlobal", e.SumaAseguradaGlobal);
        return r.v;
    }
    r.E("Edad", e.Edad);
    r.E("EdadCalculo", e.EdadCalculo);
    r.E("MaxAnosIlustrar", e.MaxAnosIlustrar);
    r.M("SumaAseguradaGlobal", e.SumaAseguradaGlobal);
    r.M("PrimaTotal", e.PrimaTotal);
    r.T("NombrePlan", e.NombrePlan);
    r.T("Moneda", e.Moneda);
    r.D("PrimaNeta", e.PrimaNeta);
    r.D("PrimaTarifa", e.PrimaTarifa);
    r.D("PrimaTarifa2", e.PrimaTarifa2);
    r.D("VPComisiones", e.VPComisiones);
    r.D("PrimerRecibo", e.PrimerRecibo);
    r.D("ReciboSubsecuente", e.ReciboSubsecuente);
    r.D("ReciboNeto", e.ReciboNeto);
    r.D("DerechoPoliza", e.DerechoPoliza);
    r.D("PrimaAnual", e.PrimaAnual);
    r.D("PrimaAnualRecargada", e.PrimaAnualRecargada);
    r.M("PrimeraAportacion", e.PrimeraAportacion);
    r.M("PrimaAnualizadaInicial", e.PrimaAnualizadaInicial);
    for (int l = 1; l <= e.NumLineas; ++l) {
        r.T(Indice("TipoPlanLinea", l), e.TipoPlanLinea[l]);
        r.E(Indice("PlazoSeguroMostrado", l), e.PlazoSeguroMostrado[l]);
        r.E(Indice("PlazoPagoMostrado", l), e.PlazoPagoMostrado[l]);
        r.D(Indice("SumaAseguradaMostrada", l), e.SumaAseguradaMostrada[l]);
        r.D(Indice("PrimaLineaPrimerAno", l), e.PrimaLineaPrimerAno[l]);
        r.D(Indice("PrimaLineaMostrada", l), e.PrimaLineaMostrada[l]);
        r.M(Indice("GastosExpedicionLinea", l), e.GastosExpedicionLinea[l]);
        r.M(Indice("PrimaAcumuladaLineas", l), e.PrimaAcumuladaLineas[l]);
        r.M(Indice("PrimaAcumuladaSinGastos", l), e.PrimaAcumuladaSinGastos[l]);
        r.M(Indice("PrimaBeneficiosLinea", l), e.PrimaBeneficiosLinea[l]);
        for (int s = 1; s <= 8; ++s) r.D(Indice("PrimaBeneficioMostrada", s, l), e.PrimaBeneficioMostrada[s][l]);
        for (int b = 1; b <= 8; ++b) {
            r.T(Indice("NombreBeneficio", b, l), e.NombreBeneficio[b][l]);
            r.D(Indice("SumaBeneficio", b, l), e.SumaBeneficio[b][l]);
            r.E(Indice("PlazoSeguroBeneficio", b, l), e.PlazoSeguroBeneficio[b][l]);
            r.E(Indice("PlazoPagoBeneficio", b, l), e.PlazoPagoBeneficio[b][l]);
        }
    }
    for (int k = 1; k <= e.MaxAnosIlustrar; ++k) {
        r.D(Indice("ProteccionTotal", k), e.ProteccionTotal[k]);
        r.M(Indice("ValorRescate", k), e.ValorRescate[k]);
        r.D(Indice("PrimaAnualizada", k), e.PrimaAnualizada[k]);
        r.D(Indice("PrimaBasicaAno", k), e.PrimaBasicaAno[k]);
        r.D(Indice("DividendosAcumulados", k), e.DividendosAcumulados[k]);
        r.M(Indice("FondoAcumulado", k), e.FondoAcumulado[k]);
        r.D(Indice("AportacionMostrada", k), e.AportacionMostrada[k]);
        r.D(Indice("SeguroSaldado", k), e.SeguroSaldado[k]);
        r.D(Indice("AnosProrrogado", k), e.AnosProrrogado[k]);
    }
    return r.v;
}

std::string Escribir(const std::vector<Valor>& valores) {
    std::string s;
    for (const auto& v : valores) s += v.clave + "\t" + v.tipo + "\t" + v.texto + "\n";
    return s;
}

std::vector<Valor> Leer(const std::string& texto) {
    std::vector<Valor> r;
    std::istringstream in(texto);
    std::string linea;
    while (std::getline(in, linea)) {
        auto a = linea.find('\t');
        auto b = a == std::string::npos ? a : linea.find('\t', a + 1);
        if (b == std::string::npos) continue;
        r.push_back({linea.substr(0, a), linea[a + 1], linea.substr(b + 1)});
    }
    return r;
}

std::string PrimeraDiferencia(const std::vector<Valor>& esperado, const std::vector<Valor>& calculado) {
    const size_t n = std::min(esperado.size(), calculado.size());
    for (size_t i = 0; i < n; ++i) {
        const Valor& a = esperado[i];
        const Valor& b = calculado[i];
        if (a.clave != b.clave || a.tipo != b.tipo) return "se esperaba " + a.clave + " y se obtuvo " + b.clave;
        if (a.tipo == 'D') {
            const double x = std::stod(a.texto), y = std::stod(b.texto);
            const double escala = std::max({std::fabs(x), std::fabs(y), 1e-300});
            if (std::fabs(x - y) > 1e-9 * escala && std::fabs(x - y) > 1e-12)
                return a.clave + ": se esperaba " + a.texto + " y se obtuvo " + b.texto;
        } else if (a.texto != b.texto) {
            return a.clave + ": se esperaba \"" + a.texto + "\" y se obtuvo \"" + b.texto + "\"";
        }
    }
    if (esperado.size() != calculado.size())
        return "se esperaban " + std::to_string(esperado.size()) + " valores y se obtuvieron " + std::to_string(calculado.size());
    return "";
}

}  // namespace cv::referencia
