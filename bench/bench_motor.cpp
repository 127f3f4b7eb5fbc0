// Engine benchmarks on the sample catalogue: bench/README.md says how to run them.
#include <benchmark/benchmark.h>

#include "data/catalogo.h"
#include "engine/premium/calculo.h"

namespace {

using namespace cv;

std::shared_ptr<const CatalogoMotor> Catalogo() {
    static auto c = std::make_shared<const CatalogoMotor>(datos::VincularCatalogo(CV_BASE_MUESTRA));
    return c;
}

LineaCotizacion Linea(const char* producto, int seguro, int pago, float participacion) {
    LineaCotizacion l;
    l.Producto = producto;
    l.PlazoSeguro = static_cast<int16_t>(seguro);
    l.PlazoPago = static_cast<int16_t>(pago);
    l.Participacion = participacion;
    return l;
}

EntradaCalculo Cotizacion() {
    EntradaCalculo in;
    in.txtEdad = "35";
    in.comFuma = "No";
    in.comMoneda = "Pesos";
    in.txtSumaAseguradaGlobal = "1,000,000.00";
    in.txtProducto = "1";
    in.lineas.push_back(Linea("1", 20, 20, 100));
    return in;
}

// One 20-year line: rating age, terms, mortality columns, commissions and premium.
void BM_CalcularPrimaLinea(benchmark::State& s) {
    Calculo calc(Catalogo());
    calc.CalcularCotizacion(Cotizacion());
    calc.Estado().LineaActual = 1;
    calc.LeerParametrosProducto();
    for (auto _ : s) {
        calc.CalcularPrimaLinea();
        benchmark::DoNotOptimize(calc.Estado().PrimaTarifa);
    }
}
BENCHMARK(BM_CalcularPrimaLinea);

// The solve pass of a three-line quote with riders: a fixed-sum line and two share lines.
void BM_ResolverSumaDesdePrima(benchmark::State& s) {
    EntradaCalculo in = Cotizacion();
    in.txtSumaAseguradaGlobal.clear();
    in.txtPrimaTotal = "25,000.00";
    in.lineas.clear();
    in.lineas.resize(1);
    LineaCotizacion fija = Linea("3", 10, 10, 0);
    fija.SumaAsegurada = Currency::DesdeEntero(500000);
    LineaCotizacion temporal = Linea("1", 20, 20, 60);
    temporal.Beneficio[1] = "1";
    temporal.ParticipacionBeneficio[1] = 100;
    temporal.Beneficio[3] = "3";
    temporal.ParticipacionBeneficio[3] = 100;
    LineaCotizacion dotal = Linea("15", 20, 20, 40);
    dotal.Dotal2 = 1;
    dotal.Beneficio[6] = "7";
    dotal.ParticipacionBeneficio[6] = 100;
    in.lineas.push_back(fija);
    in.lineas.push_back(temporal);
    in.lineas.push_back(dotal);
    Calculo calc(Catalogo());
    calc.CalcularCotizacion(in);
    const Currency objetivo = Currency::DesdeEntero(25000);
    for (auto _ : s) {
        calc.Estado().PrimaTotal = objetivo;
        calc.ResolverSumaDesdePrima();
        benchmark::DoNotOptimize(calc.Estado().SumaAseguradaGlobal);
    }
}
BENCHMARK(BM_ResolverSumaDesdePrima);

// A whole individual calculation of one line, from the snapshot.
void BM_CalcularCotizacion(benchmark::State& s) {
    Calculo calc(Catalogo());
    const EntradaCalculo in = Cotizacion();
    for (auto _ : s) {
        calc.CalcularCotizacion(in);
        benchmark::DoNotOptimize(calc.Estado().PrimaTarifa);
    }
}
BENCHMARK(BM_CalcularCotizacion);

// A tariff of one 20-year line over ages 15 to 70, every value its rows need.
void BM_Tarifa20Anos(benchmark::State& s) {
    Calculo calc(Catalogo());
    EntradaCalculo in = Cotizacion();
    in.optDetalle = false;
    in.txtEdadInicial = "15";
    in.txtEdadFinal = "70";
    for (auto _ : s) {
        auto r = calc.CalcularCotizacion(in);
        benchmark::DoNotOptimize(r.filasTarifa.data());
    }
}
BENCHMARK(BM_Tarifa20Anos);

// An individual whole-life quote with three riders, illustration and non-forfeiture values.
void BM_VidaEnteraTresBeneficios(benchmark::State& s) {
    Calculo calc(Catalogo());
    EntradaCalculo in = Cotizacion();
    in.txtProducto = "11";
    in.comPlan = "Vitalicio";
    in.lineas[1] = Linea("11", 99, 99, 100);
    in.lineas[1].Ordinario = 1;
    for (int b = 1; b <= 3; ++b) in.lineas[1].ParticipacionBeneficio[b] = 100;
    in.lineas[1].Beneficio[1] = "1";
    in.lineas[1].Beneficio[2] = "3";
    in.lineas[1].Beneficio[3] = "7";
    for (auto _ : s) {
        calc.CalcularCotizacion(in);
        benchmark::DoNotOptimize(calc.Estado().SeguroSaldado.data());
    }
}
BENCHMARK(BM_VidaEnteraTresBeneficios);

// Ten lines with riders.
void BM_DiezLineas(benchmark::State& s) {
    Calculo calc(Catalogo());
    EntradaCalculo in = Cotizacion();
    in.lineas.resize(1);
    const char* productos[] = {"1", "3", "15", "11", "16", "1", "3", "15", "11", "16"};
    for (int k = 0; k < 10; ++k) {
        const bool vida = std::string(productos[k]) == "11";
        LineaCotizacion l = Linea(productos[k], vida ? 99 : 20, 20, 10);
        l.Ordinario = l.Ordinario2 = vida ? 1 : 0;
        l.Dotal = l.Dotal2 = std::string(productos[k]) == "15" ? 1 : 0;
        l.Beneficio[3] = "3";
        l.ParticipacionBeneficio[3] = 100;
        in.lineas.push_back(l);
    }
    for (auto _ : s) {
        calc.CalcularCotizacion(in);
        benchmark::DoNotOptimize(calc.Estado().PrimaAnualizada.data());
    }
}
BENCHMARK(BM_DiezLineas);

}  // namespace

BENCHMARK_MAIN();
