#pragma once
// Tariffs over the sample catalogue: every product, terms of years and attained ages, growth,
// riders (life cover to 60 among them), contributions and a target fund, target premiums, every
// payment frequency, both currencies, extra premiums, and quotes of two and three lines. Each
// range holds only ages the line check lets through, so that every age computes.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/state/entrada.h"

namespace valores {

struct TarifaMuestra {
    std::string nombre;
    cv::EntradaCalculo entrada;
};

namespace tarifas_detalle {

struct Linea {
    const char* producto;
    int seguro, pago;
    float participacion = 100;
    float incremento = 0;
    std::vector<const char*> beneficios = {};
};

inline cv::LineaCotizacion Armar(const Linea& d, bool primera) {
    cv::LineaCotizacion l;
    l.Producto = d.producto;
    l.PlazoSeguro = static_cast<int16_t>(d.seguro);
    l.PlazoPago = static_cast<int16_t>(d.pago);
    l.Participacion = d.participacion;
    l.Incremento = d.incremento;
    const int c = std::stoi(d.producto);
    const uint8_t dotal = (c == 6 || c == 15 || c == 25 || c == 26) ? 1 : 0;
    const uint8_t vitalicio = (c == 11 || c == 12) ? 1 : 0;
    const uint8_t alcanzada = (!vitalicio && d.seguro >= 60) ? 1 : 0;
    l.Dotal = l.Dotal2 = dotal;
    l.Ordinario = l.Ordinario2 = vitalicio;
    l.EdadAlcanzada = l.EdadAlcanzada2 = alcanzada;
    (void)primera;
    int slot = 0;
    for (const char* b : d.beneficios) {
        l.Beneficio[static_cast<size_t>(++slot)] = b;
        l.ParticipacionBeneficio[static_cast<size_t>(slot)] = 100;
    }
    l.CantidadBeneficios = static_cast<int16_t>(slot);
    return l;
}

struct Tarifa {
    const char* nombre;
    const char* moneda;
    std::vector<Linea> lineas;
    const char* forma = "Anual";
    const char* suma = "1,000,000.00";
    const char* prima = "";
    const char* sexo = "Masculino";
    const char* fuma = "No";
    int inicial = 15, final = 70;
};

// The ages a line of the window may be quoted at, as the sweep of every quote takes them.
inline bool EdadAdmitida(const Linea& l, int edad) {
    const int c = std::stoi(l.producto);
    const bool vitalicio = c == 11 || c == 12;
    const bool alcanzada = !vitalicio && l.seguro >= 60;
    if (alcanzada && l.seguro <= edad) return false;
    if ((l.pago == 60 && edad > 55) || (l.pago == 65 && edad > 60)) return false;
    if (!vitalicio && !alcanzada && edad + l.pago > 99) return false;
    return true;
}

inline TarifaMuestra Armar(const Tarifa& t) {
    TarifaMuestra m;
    m.nombre = t.nombre;
    cv::EntradaCalculo& in = m.entrada;
    in.txtEdad = std::to_string(t.inicial);
    in.comMoneda = t.moneda;
    in.txtSumaAseguradaGlobal = t.suma;
    in.txtPrimaTotal = t.prima;
    in.comFormaPago = t.forma;
    in.comSexo = t.sexo;
    in.comFuma = t.fuma;
    in.txtTasaInteres = std::string(t.moneda) == "Pesos" ? "5.5" : "4";
    in.EdadContratante = cv::Currency::DesdeEntero(40);
    in.EdadPadreTutor = 40;
    for (size_t i = 0; i < t.lineas.size(); ++i) in.lineas.push_back(Armar(t.lineas[i], i == 0));
    const Linea& ultima = t.lineas.back();
    const int codigo = std::stoi(ultima.producto);
    in.txtProducto = ultima.producto;
    in.dbcPago = std::to_string(ultima.pago);
    in.dbcPlazo = std::to_string(ultima.seguro);
    in.chkEdad = in.lineas.back().EdadAlcanzada == 1;
    in.comPlan = (codigo == 11 || codigo == 12) ? "Vitalicio"
                 : (codigo == 6 || codigo == 15 || codigo == 25 || codigo == 26)
                     ? (in.chkEdad ? "Dotal con Edad Alcanzada" : "Dotal")
                     : (in.chkEdad ? "Edad Alcanzada" : "Temporal");
    // The widest range every line admits.
    int inicial = t.inicial, final = t.final;
    while (final >= inicial &&
           !std::all_of(t.lineas.begin(), t.lineas.end(), [&](const Linea& l) { return EdadAdmitida(l, final); }))
        --final;
    in.optDetalle = false;
    in.txtEdadInicial = std::to_string(inicial);
    in.txtEdadFinal = std::to_string(final);
    return m;
}

}  // namespace tarifas_detalle

inline std::vector<TarifaMuestra> TarifasMuestra() {
    using tarifas_detalle::Armar;
    using tarifas_detalle::Tarifa;
    std::vector<TarifaMuestra> v;
    auto agregar = [&](const Tarifa& t) -> cv::EntradaCalculo& { return v.emplace_back(Armar(t)).entrada; };
    agregar({"temporal_20", "Pesos", {{"1", 20, 20}}});
    agregar({"temporal_20_creciente_mensual", "Pesos", {{"1", 20, 20, 100, 5, {"1", "3"}}}, "Mensual", "500,000.00", "",
             "Femenino", "Si"});
    agregar({"temporal_10_catorcenal", "Pesos", {{"1", 10, 10}}, "Catorcenal"});
    agregar({"temporal_5_sin_rescate", "Pesos", {{"1", 5, 5}}, "Quincenal"});
    agregar({"temporal_edad_alcanzada_65", "Pesos", {{"1", 65, 65, 100, 0, {"5"}}}});
    agregar({"temporal_dolares_ea60_trimestral", "Dólares", {{"2", 60, 60, 100, 0, {"4"}}}, "Trimestral", "200,000.00"});
    agregar({"temporal_dolares_20", "Dólares", {{"2", 20, 20}}, "Semestral", "150,000.00"});
    agregar({"temporal_dolares_5", "Dólares", {{"2", 5, 5}}, "Anual", "100,000.00"});
    agregar({"empresarial_15_semestral", "Pesos", {{"3", 15, 15, 100, 0, {"3"}}}, "Semestral", "2,500,000.00"});
    agregar({"educacional_17", "Pesos", {{"6", 17, 17, 100, 0, {"1", "2", "3"}}}, "Anual", "300,000.00"});
    agregar({"temporal_1_ano_creciente", "Pesos", {{"7", 1, 1, 100, 20, {"3"}}}});
    agregar({"temporal_anual_renovable", "Pesos", {{"8", 1, 1}}, "Mensual"});
    agregar({"temporal_anual_dolares", "Dólares", {{"9", 1, 1}}, "Anual", "150,000.00"});
    agregar({"temporal_1_ano_dolares", "Dólares", {{"10", 1, 1}}, "Trimestral", "80,000.00"});
    agregar({"vida_entera", "Pesos", {{"11", 99, 99}}});
    agregar({"vida_entera_20_pagos_creciente", "Pesos", {{"11", 99, 20, 100, 10, {"1", "3", "7"}}}, "Mensual"});
    {
        cv::EntradaCalculo& in = agregar({"vida_entera_aportaciones", "Pesos", {{"11", 99, 99}}});
        in.AportNumPagos = 12;
        in.AportMonto = 5000;
    }
    {
        cv::EntradaCalculo& in = agregar({"vida_entera_dolares_fondo", "Dólares", {{"12", 99, 99, 100, 0, {"1", "3"}}}, "Anual",
                                          "250,000.00"});
        in.AportNumPagos = 10;
        in.AportFondoFinal = 100000;
        in.comTipoIncremento = "Geometrico";
    }
    agregar({"dotal_20", "Pesos", {{"15", 20, 20}}});
    agregar({"dotal_20_creciente", "Pesos", {{"15", 20, 20, 100, 10}}, "Trimestral"});
    agregar({"dotal_edad_alcanzada_60", "Pesos", {{"15", 60, 60, 100, 0, {"2"}}}, "Mensual", "400,000.00"});
    agregar({"dotal_vida_a_60", "Pesos", {{"15", 20, 20, 100, 0, {"6", "3"}}}});
    agregar({"devolucion_10", "Pesos", {{"16", 10, 10, 100, 0, {"1", "3"}}}});
    agregar({"devolucion_5", "Pesos", {{"16", 5, 5}}});
    agregar({"dotal_dolares_25", "Dólares", {{"25", 25, 25, 100, 0, {"7"}}}, "Mensual", "120,000.00"});
    agregar({"retiro_dolares_65", "Dólares", {{"26", 65, 65}}, "Anual", "90,000.00"});
    agregar({"prima_objetivo", "Pesos", {{"1", 20, 20}}, "Mensual", "", "30,000.00"});
    agregar({"prima_objetivo_dolares", "Dólares", {{"2", 20, 20}}, "Anual", "", "2,500.00"});
    agregar({"prima_objetivo_dos_lineas", "Pesos", {{"1", 20, 20, 60, 0, {"3"}}, {"15", 20, 20, 40}}, "Mensual", "",
             "30,000.00"});
    agregar({"dos_lineas", "Pesos", {{"1", 20, 20, 60}, {"3", 10, 10, 40}}, "Semestral"});
    agregar({"tres_lineas", "Pesos", {{"11", 99, 20, 50, 0, {"1", "3"}}, {"1", 15, 15, 30, 0, {"2"}}, {"15", 25, 25, 20, 5}},
             "Trimestral", "3,000,000.00"});
    agregar({"tres_lineas_sin_beneficios", "Pesos", {{"1", 20, 20, 50}, {"1", 10, 10, 30}, {"15", 20, 20, 20, 5}}});
    {
        cv::EntradaCalculo& in = agregar({"extraprimas", "Pesos", {{"1", 20, 20}}});
        in.txtExtraprimaOcupacional = "2";
        in.txtExtraPrimaMedica = "150";
        in.chkRiesgoSelecto = true;
    }
    {
        cv::EntradaCalculo& in = agregar({"vida_entera_extraprima", "Pesos", {{"11", 99, 99}}});
        in.txtExtraPrimaMedica = "140";
    }
    {
        cv::EntradaCalculo& in = agregar({"hoja_tarifa", "Pesos", {{"1", 15, 15}}, "Mensual"});
        in.chkcalc = true;
    }
    return v;
}

}  // namespace valores
