// Rider rates of a line and the global sum assured solved from a target premium.
#include "core/numeros.h"
#include "engine/premium/calculo.h"
#include "engine/premium/comun.h"

namespace cv {

using namespace motor;

void Calculo::OrdenarLineas() {
    for (int k = 1; k <= est.NumLineas; ++k) {
        if (est.SumaAseguradaLinea[k] == Currency()) {
            est.OrdenLineas[k] = static_cast<int16_t>(k);
        } else {
            for (int j = k; j >= 2; --j) est.OrdenLineas[j] = est.OrdenLineas[j - 1];
            est.OrdenLineas[1] = static_cast<int16_t>(k);
        }
    }
}

void Calculo::TarifaBeneficiosLinea() {
    const int k = est.LineaActual;
    est.TarifaBeneficios = 0;
    est.PorcentajeBIT = 0;
    const LineaCotizacion& linea = ent.lineas[k];
    // The return-of-premium plan is priced with the rider rows of product 1.
    const std::string producto = NumeroProductoLinea(k) == 16 ? std::string("1") : est.ProductoLinea[k];
    for (int r = 1; r <= 10; ++r) {
        const std::string& idTexto = linea.Beneficio[r];
        if (idTexto.empty()) continue;
        const int16_t id = Entero(ValorNumerico(idTexto), [&] { return "el beneficio \"" + idTexto + "\""; });
        const double participacion = linea.ParticipacionBeneficio[r] / 100.0;
        const BeneficioMotor* ben = cat->Beneficio(id);
        if (!ben)
            throw ErrorCalculo("El beneficio adicional " + idTexto + " de la línea " + std::to_string(k) +
                               " no está en \"Beneficios Adicionales\".");
        const Valor* tabla = cat->TablaDeBeneficio(producto, idTexto, est.PlazoSeguroLinea[k], est.PlazoPagoLinea[k],
                                                   est.DotalLinea[k], est.EsEdadAlcanzada);
        if (!tabla) continue;  // no rate for this plan: the rider adds nothing
        const FilaPorEdad* tarifa = cat->Tarifa(*tabla);
        if (!tarifa) continue;

        if (id != 6) {
            int a;
            if (Numero(ben->AplicanDescuentosEdad, [&] { return "\"Aplican Descuentos en Edad\" del beneficio " + idTexto; }) == 1) {
                a = est.EdadCalculo;
            } else {
                if (est.Edad == 0) est.Edad = 1;
                a = est.Edad;
            }
            if (a < 0 || a > 99)
                throw ErrorCalculo("La edad " + std::to_string(a) + " está fuera de la tarifa del beneficio " + idTexto + ".");
            est.TarifaBeneficio = Simple(Numero(tarifa->edad[static_cast<size_t>(a)], [&] {
                return "la edad " + std::to_string(a) + " de la tarifa " + tarifa->clave;
            }));
        } else {
            ConPlazosHasta60([&] {
                CalcularPrima();
                est.TarifaBeneficio = Simple(est.PrimaTarifa);
            });
        }
        if (id == 1)
            est.PorcentajeBIT = est.TarifaBeneficio;
        else
            est.TarifaBeneficios += est.TarifaBeneficio * participacion;
    }
}

void Calculo::ResolverSumaDesdePrima() {
    est.ModoSumaDesdePrima = 1;
    est.TarifaTotal = 0;
    double cargasBIT = 0;
    OrdenarLineas();
    const std::vector<Valor>* tramos = nullptr;  // volume tiers of the share lines' product
    std::string claveTramos;
    for (int j = 1; j <= est.NumLineas; ++j) {
        est.LineaActual = est.OrdenLineas[j];
        const int k = est.LineaActual;
        LeerParametrosProducto();
        if (j == 1) {
            if (est.ModoCalculo == "D" || (est.ModoCalculo == "R" && est.Edad == est.EdadInicial))
                est.PrimaObjetivo = est.PrimaTotal.ComoDouble() / (1 + static_cast<double>(est.RecargoFraccionado));
            est.PrimaTotal = Moneda(est.PrimaObjetivo, "la prima objetivo");
        }
        CalcularPrimaLinea();
        TarifaBeneficiosLinea();
        GastosExpedicionUnicos();
        if (est.SumaAseguradaLinea[k] > Currency()) {
            est.PrimaTotal = est.PrimaTotal -
                             Moneda(est.SumaAseguradaLinea[k].ComoDouble() * est.PrimaTarifa / 1000, "la prima de la línea") -
                             est.GastosExpedicion;
        } else {
            est.PrimaTotal -= est.GastosExpedicion;
            est.TarifaTotal = RedondearDecimales(
                est.TarifaTotal + ((est.PorcentajeBIT / 100.0 + 1) * est.PrimaTarifa + est.TarifaBeneficios) *
                                      est.ParticipacionLinea[k],
                4);
            cargasBIT += est.PorcentajeBIT;
            if (!tramos) {
                claveTramos = std::to_string(est.TablaDescuentoVolumen);
                tramos = cat->Volumen(Valor(claveTramos));
                if (!tramos) throw ErrorCalculo("No existe el descuento por volumen \"" + claveTramos + "\" en el catálogo.");
            }
        }
    }
    if (est.TarifaTotal == 0)
        throw ErrorCalculo("No se puede obtener la suma asegurada desde la prima: ninguna línea toma participación "
                           "de la suma asegurada global.");
    const double primaTotal = est.PrimaTotal.ComoDouble();
    est.SumaAseguradaGlobal = Moneda(Dividir(1000 * primaTotal, est.TarifaTotal, "la suma asegurada"), "la suma asegurada");

    LeerTramosVolumen(*tramos);
    const double f = cargasBIT / 100 + est.NumLineas;
    // Assume a tier, solve the sum, and keep it when the sum falls in a tier of the same
    // discount. No consistent tier down to 0: the last solved sum stands.
    int t = 7;
    double x = 0;
    while (est.PrimaTotal != Moneda(x, "la prima") && t > 0) {
        double d = est.VolumenColumnaA[t - 1] - est.VolumenColumnaB[t - 1];
        --t;
        est.SumaAseguradaGlobal =
            Moneda(Dividir(1000 * primaTotal, est.TarifaTotal - f * d, "la suma asegurada"), "la suma asegurada");
        const double suma = est.SumaAseguradaGlobal.ComoDouble();
        for (int k = 1; k < 11 && suma > est.LimiteVolumen[k - 1].ComoDouble(); ++k)
            d = est.VolumenColumnaA[k] - est.VolumenColumnaB[k];
        x = suma * (est.TarifaTotal - f * d) / 1000;
    }
}

}  // namespace cv
