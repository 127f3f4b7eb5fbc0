#pragma once
// The state of the engine: every variable and fixed array the calculation steps read and write,
// under its own name and type. Integer = int16_t, Long = int32_t, Single = float,
// Double = double, Currency = cv::Currency. Per-line arrays have positions 0..10 (0 unused),
// per-year arrays 0..99 or 0..100 (years 1..99 used). Result windows read it after a run.
#include <array>
#include <cstdint>
#include <string>

#include "core/moneda.h"

namespace cv {

template <typename T, size_t N>
using Arreglo = std::array<T, N>;

struct EstadoMotor {
    // ---- quote inputs copied from the window ----
    int16_t Edad = 0;
    float ExtraprimaOcupacional = 0;
    float FactorExtraprimaMedica = 0;
    int16_t SinRiesgoSelecto = 0;
    std::string Fuma, Sexo, FormaPago;
    Currency SumaAseguradaGlobal, PrimaTotal;
    float AportTasaIncremento = 0;
    float TasaFondo = 0;
    std::string TipoIncremento;
    int16_t NumAportaciones = 0;
    Currency MontoAportacion, FondoFinal;
    int16_t EdadInicial = 0, EdadFinal = 0;
    std::string ModoCalculo;
    Currency EdadContratante;
    int16_t EdadPadreTutor = 0;

    // ---- quote lines ----
    int16_t NumLineas = 0;
    Arreglo<std::string, 11> ProductoLinea{};
    Arreglo<float, 11> IncrementoLinea{};
    Arreglo<int16_t, 11> PlazoSeguroLinea{}, PlazoPagoLinea{};
    Arreglo<Currency, 11> SumaAseguradaLinea{};
    Arreglo<float, 11> ParticipacionLinea{};
    Arreglo<int16_t, 11> DotalLinea{}, EdadAlcanzadaLinea{}, VitalicioLinea{};

    // ---- the line being computed ----
    int16_t LineaActual = 0, LineaCalculada = 0;
    std::string ProductoActual;
    float IncrementoActual = 0;
    int16_t EsDotal = 0, EsEdadAlcanzada = 0, EsVitalicio = 0;
    int16_t EdadCalculo = 0, PlazoSeguro = 0, PlazoPago = 0;
    int16_t AnosAjuste = 0, AnosAjustePago = 0, AnosIlustrar = 0, TemporalAnual = 0, AnosCrecimiento = 0;
    Arreglo<int16_t, 11> PlazoSeguroMostrado{}, PlazoPagoMostrado{};

    // ---- management options ----
    float TasaInteresPesos = 0, TasaInteresDolares = 0;
    float RecargoMensualDolares = 0, RecargoTrimestralDolares = 0, RecargoSemestralDolares = 0;
    float RecargoCatorcenalDolares = 0, RecargoQuincenalDolares = 0;
    float RecargoMensualPesos = 0, RecargoTrimestralPesos = 0, RecargoSemestralPesos = 0;
    float RecargoCatorcenalPesos = 0, RecargoQuincenalPesos = 0;
    int16_t EdadMinimaDescuento = 0, AnosDescuentoNoFumador = 0, AnosDescuentoMujer = 0, AnosRiesgoPreferente = 0;
    float ParticipacionDividendos = 0;
    Arreglo<float, 13> PrimaDotalCortoPesos{}, PrimaDotalCortoDolares{};
    Arreglo<double, 7> TopePrimaDerechoPesos{}, TopePrimaDerechoDolares{};
    Arreglo<double, 6> DerechoPolizaPesos{}, DerechoPolizaDolares{};

    // ---- product parameters of the line ----
    std::string TablaMortalidadPrima, TablaMortalidadRescate;
    float TasaTecnica = 0, TasaReservas = 0, RecargoFijo = 0;
    Currency GastosExpedicion;
    std::string TablaComisiones;
    int16_t MetodoPrima = 0, MetodoRescate = 0;
    int16_t TablaDescuentoVolumen = 0, AplicaDescuentosEdad = 0, DescuentoDividendos = 0;
    float RecargoPrimaNeta = 0;
    std::string NombrePlan;
    float FuerzaTecnica = 0, FuerzaReservas = 0;
    Arreglo<Currency, 100> GastosExpedicionLinea{};
    std::string Moneda;
    int16_t PagosPorAno = 0;
    float RecargoFraccionado = 0;
    Arreglo<float, 100> Comision{};

    // ---- product groups and volume discount ----
    int16_t NumGruposProducto = 0;
    Arreglo<int16_t, 11> ProductoGrupo{};
    Arreglo<double, 11> SumaProducto{};
    Arreglo<int16_t, 11> GrupoLinea{};
    Arreglo<Currency, 12> LimiteVolumen{};  // tiers 0..10, and the closing tier 11 when read
    Arreglo<float, 12> VolumenColumnaA{}, VolumenColumnaB{};
    Arreglo<float, 11> DescuentoVolumen{};
    Arreglo<std::string, 11> ProductoVisto{};

    // ---- mortality columns and value-function scratch ----
    double Q[3][100] = {};
    double P[3][100] = {};
    Arreglo<double, 101> Sobrevivencia{};
    Arreglo<double, 100> Descuento{};
    float FactorCrecimiento = 0;
    double VPComisiones = 0;
    double ValorSeguro = 0, ValorDotal = 0, ValorAnualidad = 0;
    int16_t DotalMil = 0;
    Arreglo<double, 101> FlujoDevolucion{};
    double AnualidadDevolucion = 0;

    // ---- premiums ----
    double PrimaNeta = 0, PrimaTarifa = 0, PrimaTarifa2 = 0;
    float FactorGastoMetodo4 = 0;

    // ---- riders and the sum from a target premium ----
    int16_t ModoSumaDesdePrima = 0;
    Arreglo<int16_t, 11> OrdenLineas{};
    double PrimaObjetivo = 0;
    double TarifaTotal = 0;
    float TarifaBeneficio = 0, PorcentajeBIT = 0;
    double TarifaBeneficios = 0;

    // ---- run-wide ----
    int16_t MaxAnosIlustrar = 0;
    Arreglo<std::string, 11> TipoPlanLinea{};
    int16_t NumBeneficios = 0;
    Arreglo<int16_t, 16> BeneficioId{};
    Arreglo<float, 16> PorcentajeBeneficio{};
    Arreglo<int16_t, 16> EdadMaximaBeneficio{}, EdadCancelacionBeneficio{};

    // ---- reserves, surrender values and dividends of the line (per 1000) ----
    Arreglo<double, 101> AnualidadDuracion{}, ReservaNivelada{}, ReservaRescate{}, ReservaDevolucion{}, SeguroDuracion{};
    double PrimaPrimerAno = 0, PrimaRenovacion = 0, PrimaTope20 = 0, Anualidad20 = 0;
    Arreglo<double, 101> RescateMil{}, DividendoMil{};
    float FactorRescate = 0;

    // ---- yearly amounts of the line ----
    Arreglo<double, 101> SumaAseguradaAno{};
    Arreglo<Currency, 101> RescateLineaAno{}, DividendoLineaAno{};
    Currency SumaAseguradaActual;
    float TarifaConDescuento = 0;
    double PrimaSegundaTarifa = 0;
    Currency PrimaPrimeraLinea, PrimaBasicaSinGastos, PrimaAnualizadaInicial;
    Arreglo<double, 11> SumaAseguradaMostrada{}, PrimaLineaMostrada{}, PrimaLineaPrimerAno{};
    Arreglo<float, 11> IncrementoMostrado{};
    Arreglo<Currency, 11> PrimaAcumuladaLineas{}, PrimaAcumuladaSinGastos{}, PrimaBeneficiosLinea{};

    // ---- contributions ----
    Currency PrimeraAportacion;

    // ---- riders by year: per rider b (1..15) and line (1..10), per slot (1..10) ----
    Arreglo<Currency, 101> PrimaBeneficioAno{};
    std::string NombreBeneficio[16][11];
    double SumaBeneficio[16][11] = {};
    float IncrementoBeneficio[16][11] = {};
    int16_t PlazoSeguroBeneficio[16][11] = {}, PlazoPagoBeneficio[16][11] = {};
    Arreglo<std::string, 11> NombreBeneficioSlot{};
    Arreglo<Currency, 11> PrimaBeneficioSlot{};
    double PrimaBeneficioMostrada[11][11] = {};  // [slot][line]
    Arreglo<float, 11> TarifaBIT{}, TarifaBPAI{}, TarifaMA{}, TarifaDI{}, TarifaTI{}, TarifaEG{}, TarifaBITF{}, TarifaCAF{};

    // ---- receipts ----
    float DerechoPoliza = 0, ReciboNeto = 0, PrimaAnual = 0, PrimaAnualRecargada = 0;

    // ---- year-by-year results of the quote ----
    Arreglo<double, 100> ProteccionTotal{};
    Arreglo<Currency, 101> ValorRescate{};
    Arreglo<double, 101> PrimaBasicaAno{};
    Arreglo<double, 101> PrimaAnualizada{};
    Arreglo<double, 101> PrimaBeneficiosAno{};
    Arreglo<double, 101> DividendosAcumulados{};
    Arreglo<Currency, 101> FondoAcumulado{};
    Arreglo<double, 101> AportacionAno{};
    Arreglo<float, 101> AportacionMostrada{};
    Arreglo<double, 100> SeguroSaldado{};
    Arreglo<double, 100> AnosProrrogado{};
    float PrimerRecibo = 0, ReciboSubsecuente = 0;
};

}  // namespace cv
