#pragma once
// The calculation engine: one entry, CalcularCotizacion, over a snapshot of the quote; the
// steps are procedures over the engine state, named and ordered as the engine defines them.
// Steps are public so that each one can be exercised on a prepared state; callers use
// CalcularCotizacion.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <deque>
#include <functional>
#include <vector>

#include "engine/catalogo_motor.h"
#include "engine/errores.h"
#include "engine/state/entrada.h"
#include "engine/state/estado.h"

namespace cv {

// One row of a tariff: the values behind the eight grid columns.
struct FilaTarifa {
    int16_t Edad = 0;
    float PrimerRecibo = 0, ReciboSubsecuente = 0;
    double ProteccionTotal1 = 0;
    std::array<double, 4> rescate{};  // years 5, 10, 15, 20 (after the return-of-premium amendments)
};

// The eight columns of a tariff row as the grid and the tariff sheet show them.
std::array<std::string, 8> ColumnasTarifa(const FilaTarifa& fila);

struct MensajeMotor {
    std::string texto, titulo;  // information box
};

struct ResultadoCalculo {
    std::vector<FilaTarifa> filasTarifa;  // tariff modes: one row per age, in order
    bool hojaTarifa = false;              // tariff rows belong on the tariff sheet, shown even when empty
    std::optional<MensajeMotor> mensaje;  // age-range refusal of the main-window tariff path
};

// Header and column widths (twips) of the main window's tariff grid.
inline const std::array<const char*, 8> kEncabezadosTarifa = {"Edad",  "Prima SFP", "Recibos Subsecuentes",
                                                              "Suma Asegurada", "Año 5", "Año 10", "Año 15", "Año 20"};
inline constexpr std::array<int, 8> kAnchosTarifa = {750, 1500, 1650, 1500, 1500, 1500, 1500, 1500};
// The policy years whose surrender values a tariff row shows.
inline constexpr std::array<int, 4> kAnosFila = {5, 10, 15, 20};

class Calculo {
public:
    explicit Calculo(std::shared_ptr<const CatalogoMotor> catalogo);

    // Runs a whole calculation. Every call starts from a clear state, so equal inputs give equal
    // results whatever ran before. Throws ErrorCalculo for an input the engine cannot support;
    // the state is then left clear.
    ResultadoCalculo CalcularCotizacion(const EntradaCalculo& entrada);

    // Called once a line has its yearly values, with the state as that line leaves it: the
    // line's own columns (rating age, rates, sums and values by year) are overwritten by the
    // next line, so whoever needs them per line copies them here.
    std::function<void(const EstadoMotor&)> AlCalcularLinea;

    const EstadoMotor& Estado() const { return est; }
    EstadoMotor& Estado() { return est; }
    const EntradaCalculo& Entrada() const { return ent; }
    EntradaCalculo& Entrada() { return ent; }

    // ---- driver ----
    void CopiarEntradas();
    void CopiarLineas();
    ResultadoCalculo EjecutarCalculo();
    void CalcularLineas();
    void LimpiarResultados();
    void EtiquetarPlanes();
    FilaTarifa FilaDeTarifa();

    // ---- technical parameters ----
    void LeerOpcionesGerenciales();
    void LeerParametrosProducto();
    void GastosExpedicionUnicos();
    void AgruparProductos();
    void CalcularDescuentoVolumen();

    // ---- rating age, terms, mortality, premium ----
    void CalcularPrimaLinea();
    void CalcularEdadCalculo();
    void PrepararLinea();
    void CargarTablasMortalidad();
    void CalcularVPComisiones();
    void CalcularPrima();

    // ---- riders and the sum from a target premium ----
    void OrdenarLineas();
    void TarifaBeneficiosLinea();
    void ResolverSumaDesdePrima();

    // ---- value functions (per 1000, except the annuity, per unit) ----
    double AnualidadCreciente(int x, int n, float i, float g, int h, int col);
    double PrimaNetaNivelada(int x, int n, int m, int e, float i, float g, int b, int c, int col);
    double PrimaNetaDiscreta(int x, int n, int m, int e, float i, float g, int b, int c, int col);
    double PrimaUnicaCreciente(int x, int n, float i, float g, int16_t s, int col);

    // ---- values engine ----
    void CalcularValoresGarantizados();
    void CalcularAnualidadesPorDuracion();
    void CalcularReservaNivelada();
    void CalcularReservaRescate();
    void CalcularValoresRescate();
    void CalcularDividendos();
    void CalcularValoresAnuales();
    void ProyectarSumaAsegurada();
    void CalcularAportacionPorFondo();
    void ProyectarAportaciones();
    void CalcularPrimaBasicaAnual();
    void CalcularBeneficiosAnuales();
    void CalcularPrimaAnualizada();
    void CalcularRecibos();
    void AcumularFondo();
    void CalcularProrrogado();
    void CalcularSaldado();

    // v^k = (1 + tasa)^(-k) for k = 0..100, computed once per rate by exponentiation.
    const std::array<double, 101>& Potencias(double uno_mas_tasa);
    // (1 + tasa)^k for k = 0..100, the same way.
    const std::array<double, 101>& PotenciasPositivas(double uno_mas_tasa);

private:
    double PrimaNetaNiveladaDevolucion(int x, int n, int m, float i, float g, int b, int c);
    // Rider 6: the line's plan with cover and payments ending at age 60. Runs `calcular` with the
    // terms capped (when any year is left) and restores the line's terms and premiums; the rate
    // is 0 when no year is left before 60.
    template <typename F>
    void ConPlazosHasta60(F&& calcular);
    void SumarNivelada(int x, int n, int m, float i, float g, int b, int c, int col);
    void ReservaDevolucionPrimas();
    // Survivors l(1..x+n) of the return-of-premium plan from mortality row `fila` (position a holds
    // age a − 1) with l(1) = `raiz`; each q, under the medical factor and capped at 1, goes into
    // Q(`columna`, age).
    std::array<double, 102> VidaDevolucion(int fila, double raiz, int columna, int x, int n);
    // Reserve recursions over years 2..n' of `r`: level, growing (growth to year H) and annual.
    void RecursionNivelada(Arreglo<double, 101>& r, double prima);
    void RecursionCreciente(Arreglo<double, 101>& r, double prima, int h);
    void RecursionAnual(Arreglo<double, 101>& r, double prima);
    void LimpiarEstado();
    double Costo(int k) const;  // c(k) = (i/δ) q(k) 1000 on the surrender table
    // Within an age that only gives its tariff row (see EjecutarCalculo).
    bool ReservasPrescindibles();
    bool AnualesAbreviables();
    void ProyectarSumaAseguradaFila();
    void RevisarPlazo(int x, int n) const {
        if (x < 0 || n < 0 || n > 99 || x + n > 100) [[unlikely]]
            PlazoFueraDeTabla(x, n);
    }
    [[noreturn]] static void PlazoFueraDeTabla(int x, int n);
    bool tarifaEnCurso = false;  // inside the age loop of a tariff
    // The message of an abandoned run (the tariff's age first) with the state cleared.
    std::string Abandonar(std::string mensaje);
    bool ProductoVentanaEs(int codigo) {  // the number in the window's product field
        if (!ventanaLeida) LeerProductoVentana();
        return numeroVentana == codigo;
    }
    void LeerProductoVentana();
    double NumeroProductoLinea(int k);   // the number of line k's product code
    double PagoVentana();                // the number in the window's payment-term combo
    const FilaPorEdad* FilaMortalidad(const std::string& clave);
    void LeerTramosVolumen(const std::vector<Valor>& registro);

    std::shared_ptr<const CatalogoMotor> cat;
    EntradaCalculo ent;
    EstadoMotor est;
    const FilaPorEdad* filaMortalidadActual = nullptr;  // the mortality row positioned last

    // The fee and the first contribution are counted once in the quote's first-year premium.
    double derechoIncluido = 0;
    bool aportacionIncluida = false;

    // Lookups that give the same answer every time they are asked, kept between lines and runs
    // (the catalogue never changes under a Calculo).
    struct Comisiones {
        std::vector<float> porAno;  // years 1..n filled by the schedule's tiers
    };
    struct Parametros {
        std::string tablaPrima, tablaRescate, tablaComisiones;
        float tasaTecnica, tasaReservas, recargoFijo, recargoPrimaNeta, fuerzaTecnica, fuerzaReservas;
        Currency gastos;
        int16_t metodoPrima, metodoRescate, anosCrecimiento, descuentoVolumen, aplicaDescuentos, descuentoDividendos;
        std::vector<std::pair<int, const Comisiones*>> esquemas;  // the schedules found, by payment term
    };
    std::unordered_map<const ProductoMotor*, Parametros> parametros;
    int lineaLeida = 0;                           // the line LeerParametrosProducto read last in this run
    const Parametros* parametrosLeidos = nullptr;  // and its parameters
    std::unordered_map<std::string, Comisiones> comisiones;  // by schedule key and term
    std::vector<const Valor*> opciones;                       // the options in reading order
    std::string textoVentana;
    double numeroVentana = 0;
    std::string textoPago;
    double numeroPago = 0;
    std::array<std::string, 11> textoProductoLinea;
    std::array<double, 11> numeroProductoLinea{};
    // Within CalcularCotizacion the texts above are read once; a step called on its own
    // compares them every time, as its caller may have changed the snapshot.
    bool enCorrida = false, ventanaLeida = false, pagoLeido = false;
    std::array<bool, 11> productoLeido{};
    std::array<const ProductoMotor*, 11> productoCatalogo{};  // each line's product, found once a run
    bool lineasLimpias = false;  // display values of every line cleared once in this run
    // This age of a tariff only gives its row: the steps leave out what no row reads and what
    // provably cannot stop the calculation, and keep every value a later step reads.
    bool abreviada = false;
    bool fondoEnCorrida = false;  // contributions or dividends in this run: the fund and its years run in full
    bool anualesFila = false;     // the line's yearly amounts are cut to the row's (AnualesAbreviables)
    bool anosCompletos = false;   // a line of this age added to every year of the surrender values
    struct Tramos {
        int n = 0;  // tiers read, the closing one included
        std::array<Currency, 12> limite{};
        std::array<float, 12> a{}, b{};
    };
    std::unordered_map<const std::vector<Valor>*, Tramos> tramos;
    std::string claveFila[2];
    const FilaPorEdad* fila[2] = {nullptr, nullptr};
    struct Columna {
        const FilaPorEdad* fila;
        float factor;
        std::array<double, 100> q, p;
        std::array<int16_t, 101> dudosas;  // ages below a whose q is not in [0, 0.99] (age 0 among them)
    };
    std::array<int16_t, 101> dudosasRescate{};
    // Per line of the run: no rider at all; a rider that may be the life cover to 60.
    std::array<bool, 11> lineaSinBeneficios{}, lineaConVidaA60{};
    const std::vector<Valor>* tramosLeidos = nullptr;  // the volume tiers in the state, in this run  // those of the surrender column Q(2), P(2)
    std::deque<Columna> columnas;  // q and p of a row under a medical extra premium factor
    // The row and factor whose columns Q(t) and P(t) hold, as far as this run knows.
    struct Cargada {
        const FilaPorEdad* fila = nullptr;
        float factor = 0;
    };
    std::array<Cargada, 3> cargada{};
    std::array<uint32_t, 3> versionP{};  // counts the loads of P(t) in a run

    // The last series of a kind, keyed by its arguments, the growth factor it started from and
    // the version of the mortality column it read; with its sums and the growth factor it left.
    struct Serie {
        bool valida = false;
        int x = 0, n = 0, m = 0, b = 0, c = 0, col = 0;
        uint32_t i = 0, g = 0, f0 = 0;  // bit patterns
        uint32_t version = 0;
        float f = 0;
        double s1 = 0, s2 = 0, s3 = 0;
        bool Es(int x, int n, int m, float i, float g, int b, int c, int col, float f0, uint32_t version) const;
        void Guardar(int x, int n, int m, float i, float g, int b, int c, int col, float f0, uint32_t version, float f);
    };
    void ReponerSerie(const Serie& s, const double* p, const std::array<double, 101>& v);
    struct Recursion {
        bool valida = false;
        int x = 0, n = 0, m = 0, h = 0;
        uint32_t version = 0, i = 0, fuerza = 0, g = 0, f0 = 0;  // bit patterns but the version
        uint64_t prima = 0, r1 = 0;
        float f = 0;
        std::array<double, 101> r;  // years 2..n
    } memoRecursion;  // the last growing reserve recursion of the run
    Serie memoAnualidad, memoNivelada;

    struct Potencia {
        double base;
        std::array<double, 101> v, u;
        float delta;  // the force of interest ln(base) in single precision
    };
    const Potencia& BuscarPotencia(double base);
    std::deque<Potencia> potencias;  // references stay valid as rates are added
};

template <typename F>
void Calculo::ConPlazosHasta60(F&& calcular) {
    const int16_t seguro = est.PlazoSeguro, pago = est.PlazoPago;
    const double neta = est.PrimaNeta, tarifa = est.PrimaTarifa, tarifa2 = est.PrimaTarifa2;
    if (est.PlazoSeguro + est.Edad > 60) est.PlazoSeguro = static_cast<int16_t>(60 - est.Edad);
    if (est.PlazoPago + est.Edad > 60) est.PlazoPago = static_cast<int16_t>(60 - est.Edad);
    if (est.PlazoSeguro > 0 && est.PlazoPago > 0)
        calcular();
    else
        est.TarifaBeneficio = 0;
    est.PlazoSeguro = seguro;
    est.PlazoPago = pago;
    est.PrimaNeta = neta;
    est.PrimaTarifa = tarifa;
    est.PrimaTarifa2 = tarifa2;
}

}  // namespace cv
