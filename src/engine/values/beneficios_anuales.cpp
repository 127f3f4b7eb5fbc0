// Rider premiums of a line by year, with their sums, terms and rates for the printed proposal.
#include <algorithm>

#include "core/numeros.h"
#include "engine/premium/calculo.h"
#include "engine/premium/comun.h"

namespace cv {

using namespace motor;

void Calculo::CalcularBeneficiosAnuales() {
    const int linea = est.LineaActual;
    const int m = std::min<int>(est.PlazoPago, 99);
    const LineaCotizacion& registro = ent.lineas[linea];
    bool ninguno = true;
    for (int slot = 1; slot <= 8; ++slot) ninguno &= registro.Beneficio[slot].empty();
    if (ninguno) {
        // No rider: what the slots below leave, without their lookups. An age that only gives
        // its tariff row reads year 1.
        const int hasta = anualesFila ? 1 : 100;
        for (int k = 1; k <= hasta; ++k) est.PrimaBeneficiosAno[k] = 0;
        est.NumBeneficios = 0;
        Entero(est.EdadContratante.ComoDouble(), "la edad del contratante");
        for (int k = 1; k <= std::min(m, hasta); ++k) est.PrimaBeneficioAno[k] = Currency();
        for (int slot = 1; slot <= 8; ++slot) est.PrimaBeneficioSlot[slot] = est.PrimaBeneficioAno[1];
        return;
    }
    for (int k = 1; k <= 100; ++k) est.PrimaBeneficiosAno[k] = 0;
    est.NumBeneficios = 0;
    const bool educacional = NumeroProductoLinea(linea) == 6;
    const std::string producto = NumeroProductoLinea(linea) == 16 ? std::string("1") : est.ProductoLinea[linea];
    const double tope7 = est.Moneda == "Dólares" ? 160000.0 : 1600000.0;
    const int edadContratante = Entero(est.EdadContratante.ComoDouble(), "la edad del contratante");
    int a = 0;  // age of the cancellation test; a BITF of the educational plan keeps the previous rider's

    bool enCero = false;  // the rider's yearly premiums are all zero already
    auto ceroAnos = [&] {
        if (enCero) return;
        for (int k = 1; k <= m; ++k) est.PrimaBeneficioAno[k] = Currency();
        enCero = true;
    };
    auto tasaEdad = [&](const FilaPorEdad& t, int edad) {
        if (edad < 0 || edad > 99)
            throw ErrorCalculo("La edad " + std::to_string(edad) + " está fuera de la tarifa " + t.clave + ".");
        return Simple(Numero(t.edad[static_cast<size_t>(edad)],
                             [&] { return "la edad " + std::to_string(edad) + " de la tarifa " + t.clave; }));
    };

    for (int slot = 1; slot <= 8; ++slot) {
        const std::string& idTexto = registro.Beneficio[slot];
        const BeneficioMotor* ben = nullptr;
        const FilaPorEdad* tarifa = nullptr;
        int b = 0, id = 0;
        if (!idTexto.empty()) {
            b = ++est.NumBeneficios;
            id = Entero(ValorNumerico(idTexto), [&] { return "el beneficio \"" + idTexto + "\""; });
            est.BeneficioId[b] = static_cast<int16_t>(id);
            est.PorcentajeBeneficio[b] = Simple(registro.ParticipacionBeneficio[slot] / 100.0);
            ben = cat->Beneficio(id);
            if (!ben)
                throw ErrorCalculo("El beneficio adicional " + idTexto + " de la línea " + std::to_string(linea) +
                                   " no está en \"Beneficios Adicionales\".");
            auto campo = [&](const char* nombre) {
                return [&, nombre] { return "\"" + std::string(nombre) + "\" del beneficio " + idTexto; };
            };
            est.EdadMaximaBeneficio[b] = Entero(ben->EdadMaxima, campo("Edad Maxima"));
            est.EdadCancelacionBeneficio[b] =
                ((b == 1 || b == 2) && ProductoVentanaEs(26)) ? int16_t{65} : Entero(ben->EdadCancelacion, campo("Edad de Cancelacion"));
            est.NombreBeneficio[b][linea] = est.NombreBeneficioSlot[slot] = ben->Nombre.ComoTexto();
            const Valor* tabla = cat->TablaDeBeneficio(producto, idTexto, est.PlazoSeguroLinea[linea], est.PlazoPagoLinea[linea],
                                                       est.DotalLinea[linea], est.EsEdadAlcanzada);
            if (tabla) tarifa = cat->Tarifa(*tabla);
            if (!tarifa) --est.NumBeneficios;  // no rate for this plan: the rider is dropped
        }
        if (!tarifa) {
            ceroAnos();
        } else {
            enCero = false;
            const double aplicaDescuentos = Numero(ben->AplicanDescuentosEdad, [&] { return "\"Aplican Descuentos en Edad\" del beneficio " + idTexto; });
            const bool incrementos =
                Numero(ben->AplicanIncrementos, [&] { return "\"Aplican Incrementos\" del beneficio " + idTexto; }) == 1;
            if (id != 6) {
                if (aplicaDescuentos == 1) {
                    if (educacional && (id == 1 || id == 9)) {
                        est.TarifaBeneficio = tasaEdad(*tarifa, edadContratante);
                    } else {
                        est.TarifaBeneficio = tasaEdad(*tarifa, est.EdadCalculo);
                        // Whole life rated below 18 reads the age-18 rate where younger ages have none.
                        if (est.TarifaBeneficio == 0 && ProductoVentanaEs(11) && est.EdadCalculo < 18)
                            est.TarifaBeneficio = Simple(Numero(tarifa->campo18, [&] { return "el campo \"18\" de la tarifa " + tarifa->clave; }));
                    }
                    a = est.EdadCalculo;
                } else if (educacional && id == 8) {
                    est.TarifaBeneficio = tasaEdad(*tarifa, edadContratante);
                } else {
                    est.TarifaBeneficio = tasaEdad(*tarifa, est.Edad);
                    a = est.Edad;
                }
                if (id == 1) a = est.Edad;
                if (est.EdadMaximaBeneficio[b] < est.Edad) est.TarifaBeneficio = 0;
            } else {
                // Life cover to age 60, priced as the line's plan; its reserves and surrender values
                // are added to the line's.
                ConPlazosHasta60([&] {
                    CalcularPrima();
                    est.TarifaBeneficio = Simple(est.PrimaTarifa);
                    const auto rescate = est.RescateMil, reserva = est.ReservaRescate, nivelada = est.ReservaNivelada;
                    CalcularReservaNivelada();
                    CalcularReservaRescate();
                    CalcularValoresRescate();
                    for (int k = 1; k <= 99; ++k) {
                        est.RescateMil[k] += rescate[k];
                        est.ReservaRescate[k] += reserva[k];
                        est.ReservaNivelada[k] += nivelada[k];
                    }
                });
            }

            const float s = est.PorcentajeBeneficio[b];
            const double sumaLinea = est.SumaAseguradaActual.ComoDouble();
            est.SumaBeneficio[b][linea] = id == 7 ? std::min(sumaLinea, tope7) * s : sumaLinea * s;
            est.IncrementoBeneficio[b][linea] = incrementos ? est.IncrementoActual : 0.0f;
            const int cancelacion = est.EdadCancelacionBeneficio[b];
            if (cancelacion < est.PlazoSeguro + a) {
                int plazo = cancelacion - est.Edad;
                if (plazo < 0) {
                    plazo = 0;
                    est.SumaBeneficio[b][linea] = 0;
                }
                est.PlazoSeguroBeneficio[b][linea] = static_cast<int16_t>(plazo);
            } else {
                est.PlazoSeguroBeneficio[b][linea] = est.PlazoSeguro;
            }
            if (cancelacion < est.PlazoPago + a)
                est.PlazoPagoBeneficio[b][linea] = static_cast<int16_t>(std::max(cancelacion - est.Edad, 0));
            else
                est.PlazoPagoBeneficio[b][linea] = est.PlazoPago;

            const double r = est.TarifaBeneficio;
            for (int k = 1; k <= m; ++k) {
                double prima;
                if (id == 1) {
                    prima = r * (incrementos ? est.PrimaBasicaAno[k] : est.PrimaBasicaAno[1]) / 100;
                } else if (incrementos) {
                    prima = r * est.SumaAseguradaAno[k] * s / 1000;
                } else {
                    prima = r * sumaLinea * s / 1000;
                    if (id == 7 && slot == 6) {
                        // Critical illness covers 25 % of the sum, at most 400 000.
                        prima = 0.25 * sumaLinea > 400000 ? r * 400000 * s / 1000 * 4 : r * std::min(sumaLinea, tope7) * s / 1000;
                    }
                    if (id == 8) prima = r * est.PrimaBasicaAno[k] / 100;
                }
                est.PrimaBeneficioAno[k] = est.Edad + k > cancelacion ? Currency() : Moneda(prima, "la prima del beneficio");
            }
            est.PrimaBeneficioMostrada[slot][linea] = est.PrimaBeneficioAno[1].ComoDouble();
        }
        est.PrimaBeneficioSlot[slot] = est.PrimaBeneficioAno[1];
        if (enCero) continue;  // nothing to add, no rate to record
        if (est.PlazoPago == 1) {
            for (int k = 1; k <= 10; ++k) est.PrimaBeneficiosAno[k] += est.PrimaBeneficioAno[1].ComoDouble();
        } else {
            for (int k = 1; k <= m; ++k) est.PrimaBeneficiosAno[k] += est.PrimaBeneficioAno[k].ComoDouble();
        }
        const std::string& nombre = est.NombreBeneficioSlot[slot];
        float* destino = nombre == "B.I.T"      ? &est.TarifaBIT[linea]
                         : nombre == "B.P.A.I." ? &est.TarifaBPAI[linea]
                         : nombre == "M.A."     ? &est.TarifaMA[linea]
                         : nombre == "D.I."     ? &est.TarifaDI[linea]
                         : nombre == "T.I."     ? &est.TarifaTI[linea]
                         : nombre == "E.G.%25"  ? &est.TarifaEG[linea]
                         : nombre == "BITF"     ? &est.TarifaBITF[linea]
                         : nombre == "CAF"      ? &est.TarifaCAF[linea]
                                                : nullptr;
        if (destino) *destino = est.TarifaBeneficio;
    }
}

}  // namespace cv
