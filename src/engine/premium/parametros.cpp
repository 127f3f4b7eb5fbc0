// Technical parameters: management options, product parameters, commission schedule,
// payment-frequency surcharge, product groups and volume discounts.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/numeros.h"
#include "data/catalogo.h"
#include "engine/premium/calculo.h"
#include "engine/premium/comun.h"

namespace cv {

using namespace motor;

void Calculo::LeerOpcionesGerenciales() {
    const std::vector<std::string>& kNombres = datos::CamposOpcionesGerenciales();
    if (opciones.empty())
        for (const auto& n : kNombres) opciones.push_back(&cat->Opcion(n));
    size_t i = 0;
    auto num = [&]() {
        const size_t k = i++;
        return Numero(*opciones[k], [&] { return "\"" + kNombres[k] + "\" de \"Opciones Gerenciales\""; });
    };
    auto ent16 = [&]() {
        const size_t k = i;
        return Entero(num(), [&] { return "\"" + kNombres[k] + "\""; });
    };
    est.TasaInteresPesos = Simple(num());
    // Pesos surcharges are fixed by the company, whatever the database holds.
    est.RecargoCatorcenalPesos = 0;
    est.RecargoQuincenalPesos = 0;
    est.RecargoMensualPesos = Simple(6.5 / 100);
    est.RecargoTrimestralPesos = Simple(5.5 / 100);
    est.RecargoSemestralPesos = Simple(3.7 / 100);
    est.TasaInteresDolares = Simple(num());
    est.RecargoMensualDolares = Simple(num() / 100);
    est.RecargoTrimestralDolares = Simple(num() / 100);
    est.RecargoSemestralDolares = Simple(num() / 100);
    est.RecargoCatorcenalDolares = Simple(num() / 100);
    est.RecargoQuincenalDolares = Simple(num() / 100);
    est.EdadMinimaDescuento = ent16();
    est.AnosDescuentoNoFumador = ent16();
    est.AnosDescuentoMujer = ent16();
    est.AnosRiesgoPreferente = ent16();
    est.ParticipacionDividendos = Simple(num());
    for (int k = 1; k <= 12; ++k) est.PrimaDotalCortoPesos[k] = Simple(num());
    for (int k = 1; k <= 12; ++k) est.PrimaDotalCortoDolares[k] = Simple(num());
    for (int k = 1; k <= 5; ++k) est.TopePrimaDerechoPesos[k] = num();
    for (int k = 1; k <= 5; ++k) est.DerechoPolizaPesos[k] = num();
    for (int k = 1; k <= 5; ++k) est.TopePrimaDerechoDolares[k] = num();
    for (int k = 1; k <= 5; ++k) est.DerechoPolizaDolares[k] = num();
}

void Calculo::LeerParametrosProducto() {
    const int k = est.LineaActual;
    if (enCorrida && k == lineaLeida) {
        // The same line read again in this run (a tariff's next age): of what is read below,
        // only the growth years (capped by the rating-age step) and the expedition expense (cleared
        // for a repeated product) are ever written elsewhere; the rest still holds.
        const Parametros& q = *parametrosLeidos;
        est.GastosExpedicion = q.gastos;
        est.AnosCrecimiento = q.anosCrecimiento;
        if (est.AnosCrecimiento > 0) est.AnosCrecimiento += 1;
        return;
    }
    lineaLeida = 0;
    const std::string& codigo = est.ProductoLinea[k];
    const ProductoMotor* p = productoCatalogo[k];
    if (!p) {
        p = cat->Producto(codigo);
        if (enCorrida) productoCatalogo[k] = p;
    }
    if (!p) throw ErrorCalculo("El producto \"" + codigo + "\" de la línea " + std::to_string(k) + " no está en el catálogo.");

    // The plan name: the package when one is named, otherwise the first line's product.
    if (!ent.dbcPaquete.empty())
        est.NombrePlan = ent.dbcPaquete;
    else if (k == 1)
        est.NombrePlan = p->Nombre;

    // The message naming a field of this product, built only when a value is wrong.
    auto it = parametros.find(p);
    if (it == parametros.end()) {
        // The message naming a field of this product, built only when a value is wrong.
        auto campo = [&](const char* nombre) {
            return [&codigo, nombre] { return "\"" + std::string(nombre) + "\" del producto " + codigo; };
        };
        Parametros q;
        q.tablaPrima = p->TablaMortalidadPrima.ComoTexto();
        q.tablaRescate = p->TablaMortalidadRescate.ComoTexto();
        q.tasaTecnica = Simple(Numero(p->TasaInteresTecnica, campo("Tasa de Interes Tecnica")) / 100);
        q.tasaReservas = Simple(Numero(p->InteresSobreReservas, campo("Interes sobre Reservas")) / 100);
        q.recargoFijo = Simple(Numero(p->RecargoFijo, campo("Recargo fijo")));
        q.gastos = Moneda(Numero(p->GastosExpedicion, campo("Gastos de Expedicion")), campo("Gastos de Expedicion"));
        q.tablaComisiones = ValorNumerico(codigo) == 16 ? std::string("16") : p->TablaComisiones.ComoTexto();
        q.metodoPrima = Entero(p->CalculoPrima, campo("Calculo de prima"));
        q.metodoRescate = Entero(p->CalculoRescate, campo("Calculo de rescate"));
        q.anosCrecimiento = Entero(p->AnosCrecimiento, campo("Años de crecimiento"));
        q.descuentoVolumen = Entero(p->DescuentoPorVolumen, campo("Descuento por Volumen"));
        q.aplicaDescuentos = Entero(p->AplicacionDescuentos, campo("Aplicacion de Descuentos"));
        q.descuentoDividendos = Entero(p->DescuentoPorDividendos, campo("Descuento por Dividendos"));
        q.recargoPrimaNeta = Simple(Numero(p->RecargoPrimaNeta, campo("Recargo a la Prima Neta")));
        q.fuerzaTecnica = Simple(std::log(1.0 + q.tasaTecnica));
        q.fuerzaReservas = Simple(std::log(1.0 + q.tasaReservas));
        it = parametros.emplace(p, std::move(q)).first;
    }
    Parametros& q = it->second;
    est.TablaMortalidadPrima = q.tablaPrima;
    est.TablaMortalidadRescate = q.tablaRescate;
    est.TasaTecnica = q.tasaTecnica;
    est.TasaReservas = q.tasaReservas;
    est.RecargoFijo = q.recargoFijo;
    est.GastosExpedicion = q.gastos;
    est.TablaComisiones = q.tablaComisiones;
    est.MetodoPrima = q.metodoPrima;
    est.MetodoRescate = q.metodoRescate;
    est.AnosCrecimiento = q.anosCrecimiento;
    est.GastosExpedicionLinea[k] = est.GastosExpedicion;
    if (est.AnosCrecimiento > 0) est.AnosCrecimiento += 1;
    est.TablaDescuentoVolumen = q.descuentoVolumen;
    est.AplicaDescuentosEdad = q.aplicaDescuentos;
    est.DescuentoDividendos = q.descuentoDividendos;
    est.RecargoPrimaNeta = q.recargoPrimaNeta;

    est.Moneda = ent.comMoneda;
    est.TasaFondo = Simple((est.Moneda == "Pesos" ? est.TasaInteresPesos : est.TasaInteresDolares) / 100.0);
    est.FuerzaTecnica = q.fuerzaTecnica;
    est.FuerzaReservas = q.fuerzaReservas;

    // Commission schedule of the payment term; for attained-age plans, the years to that age.
    int m = est.PlazoPagoLinea[k];
    if (ent.chkEdad) m = Entero(PagoVentana() - ValorNumerico(ent.txtEdad), "el plazo de pago");
    const Comisiones* esquema = nullptr;
    for (const auto& [plazo, e] : q.esquemas)
        if (plazo == m) esquema = e;
    if (!esquema) {
        const std::string clave = est.TablaComisiones + '\x1f' + std::to_string(m);
        auto c = comisiones.find(clave);
        if (c == comisiones.end()) {
            const FilaComision* fila = cat->Comision(est.TablaComisiones, m);
            if (!fila)
                throw ErrorCalculo("No hay esquema de comisiones \"" + est.TablaComisiones + "\" para un plazo de pago de " +
                                   std::to_string(m) + " años.");
            Comisiones nueva;
            for (int t = 1; t <= 15; ++t) {
                auto tramo = [&] { return "el tramo " + std::to_string(t) + " del esquema de comisiones " + est.TablaComisiones; };
                const double r = Numero(fila->campos[2 * t + 1], tramo);
                int limite = Entero(fila->campos[2 * t], tramo);
                // The schedule holds years 1 to 99: any longer limit means every year.
                if (limite > 99) limite = 99;
                while (static_cast<int>(nueva.porAno.size()) < limite) nueva.porAno.push_back(Simple(r / 100));
            }
            c = comisiones.emplace(clave, std::move(nueva)).first;
        }
        esquema = &c->second;
        q.esquemas.emplace_back(m, esquema);
    }
    // Years after the last tier keep the rates they had.
    std::copy(esquema->porAno.begin(), esquema->porAno.end(), est.Comision.begin() + 1);
    lineaLeida = enCorrida ? k : 0;
    parametrosLeidos = &q;

    struct Frecuencia {
        const char* forma;
        int16_t pagos;
        float EstadoMotor::*pesos;
        float EstadoMotor::*dolares;
    };
    static const Frecuencia kFrecuencias[] = {
        {"Semestral", 2, &EstadoMotor::RecargoSemestralPesos, &EstadoMotor::RecargoSemestralDolares},
        {"Trimestral", 4, &EstadoMotor::RecargoTrimestralPesos, &EstadoMotor::RecargoTrimestralDolares},
        {"Mensual", 12, &EstadoMotor::RecargoMensualPesos, &EstadoMotor::RecargoMensualDolares},
        {"Quincenal", 24, &EstadoMotor::RecargoQuincenalPesos, &EstadoMotor::RecargoQuincenalDolares},
        {"Catorcenal", 26, &EstadoMotor::RecargoCatorcenalPesos, &EstadoMotor::RecargoCatorcenalDolares},
    };
    const bool pesos = est.Moneda == "Pesos", dolares = est.Moneda == "Dólares";
    if (!pesos && !dolares) return;  // another currency leaves the frequency as it was
    if (est.FormaPago == "Anual") {
        est.PagosPorAno = 1;
        est.RecargoFraccionado = 0;
        return;
    }
    for (const auto& f : kFrecuencias)
        if (est.FormaPago == f.forma) {
            est.PagosPorAno = f.pagos;
            est.RecargoFraccionado = est.*(pesos ? f.pesos : f.dolares);
        }
}

void Calculo::GastosExpedicionUnicos() {
    const int k = est.LineaActual;
    est.ProductoVisto[k] = est.ProductoLinea[k];
    for (int i = 1; i < k; ++i)
        if (est.ProductoVisto[i] == est.ProductoVisto[k]) {
            est.GastosExpedicion = Currency();
            return;
        }
}

void Calculo::AgruparProductos() {
    for (int g = 1; g <= 10; ++g) est.SumaProducto[g] = 0;
    est.NumGruposProducto = 0;
    for (int k = 1; k <= est.NumLineas; ++k) {
        const int16_t producto = Entero(NumeroProductoLinea(k),
                                       [k] { return "el producto de la línea " + std::to_string(k); });
        bool encontrado = false;
        for (int g = 1; g <= est.NumGruposProducto; ++g) {
            if (est.ProductoGrupo[g] != producto) continue;
            encontrado = true;
            if (est.SumaAseguradaLinea[k] > Currency())
                est.SumaProducto[g] += est.SumaAseguradaLinea[k].ComoDouble();
            else
                est.SumaProducto[g] += est.SumaAseguradaGlobal.ComoDouble() * est.ParticipacionLinea[k];
            est.GrupoLinea[k] = static_cast<int16_t>(g);
        }
        if (!encontrado) {
            // The first line of a product counts with its share of the global sum.
            const int g = ++est.NumGruposProducto;
            est.ProductoGrupo[g] = producto;
            est.SumaProducto[g] = est.SumaAseguradaGlobal.ComoDouble() * est.ParticipacionLinea[k];
            est.GrupoLinea[k] = static_cast<int16_t>(g);
        }
    }
}

void Calculo::LeerTramosVolumen(const std::vector<Valor>& registro) {
    // Nothing else writes the tiers: those of the record read last in this run are in place.
    if (enCorrida && tramosLeidos == &registro) return;
    // A record's tiers are the same numbers every time: read and convert them once.
    auto it = tramos.find(&registro);
    if (it == tramos.end()) {
        auto clave = [&] { return std::to_string(est.TablaDescuentoVolumen); };
        Tramos t;
        t.limite[0] = Currency::DesdeEntero(1);
        int n = 0;
        while (t.limite[n] > Currency() && n < 11) {
            ++n;
            const size_t base = static_cast<size_t>(3 * (n - 1) + 2);
            if (base + 2 >= registro.size())
                throw ErrorCalculo("El descuento por volumen \"" + clave() + "\" no termina con un tramo de límite 0.");
            auto tramo = [&] { return "el tramo " + std::to_string(n) + " del descuento por volumen " + clave(); };
            t.limite[n] = Moneda(Numero(registro[base], tramo), tramo);
            t.a[n] = Simple(Numero(registro[base + 1], tramo));
            t.b[n] = Simple(Numero(registro[base + 2], tramo));
        }
        t.n = n;
        it = tramos.emplace(&registro, t).first;
    }
    tramosLeidos = enCorrida ? &registro : nullptr;
    // Tiers past the ones read keep what an earlier record left, as the arrays are never cleared.
    const Tramos& t = it->second;
    est.LimiteVolumen[0] = t.limite[0];
    for (int n = 1; n <= t.n; ++n) {
        est.LimiteVolumen[n] = t.limite[n];
        est.VolumenColumnaA[n] = t.a[n];
        est.VolumenColumnaB[n] = t.b[n];
    }
}

void Calculo::CalcularDescuentoVolumen() {
    const std::vector<Valor>* registro = cat->Volumen(est.TablaDescuentoVolumen);
    if (!registro)
        throw ErrorCalculo("No existe el descuento por volumen \"" + std::to_string(est.TablaDescuentoVolumen) +
                           "\" en el catálogo.");
    for (int g = 1; g <= est.NumGruposProducto; ++g) {
        est.DescuentoVolumen[g] = 0;
        LeerTramosVolumen(*registro);
        const double s = est.SumaProducto[g];
        for (int i = 1; i < 11 && s > est.LimiteVolumen[i - 1].ComoDouble(); ++i)
            est.DescuentoVolumen[g] = est.VolumenColumnaA[i] - est.VolumenColumnaB[i];
        // Fixed discounts of the endowment plans, by the product and plan shown in the window.
        if (ent.comPlan == "Dotal") {
            if (ProductoVentanaEs(1)) {
                if (s >= 500000 && s <= 999999) est.DescuentoVolumen[g] = 0.5f;
                if (s >= 1000000) est.DescuentoVolumen[g] = 1;
            }
            if (ProductoVentanaEs(6) || ProductoVentanaEs(3)) {
                if (s >= 50000 && s <= 99999) est.DescuentoVolumen[g] = 0.25f;
                if (s >= 100000) est.DescuentoVolumen[g] = 0.5f;
            }
            if (ProductoVentanaEs(2)) {
                if (s >= 50000 && s <= 99999) est.DescuentoVolumen[g] = 0.5f;
                if (s >= 100000) est.DescuentoVolumen[g] = 1;
            }
        }
    }
}

}  // namespace cv
