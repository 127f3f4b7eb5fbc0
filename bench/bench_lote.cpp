// The command line's batch: one-line quotes with riders, each driven through a freshly loaded
// main window as a person would, the result row written; input and output in memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <sstream>

#include "cli/conductor.h"
#include "cli/lote.h"
#include "data/catalogo.h"

namespace {

using namespace cv::cli;

std::string Lote(int filas) {
    std::ostringstream s;
    s << "id,nombre,edad,sexo,fuma,numero_agente,suma_asegurada,forma_pago,producto,plazo_pago,beneficios\r\n";
    const char* productos[][3] = {{"1", "20", "BIT+MA"}, {"15", "20", "BPAI+DI"}, {"11", "20", "MA+EG"}, {"1", "10", "TI"}};
    const char* formas[] = {"Anual", "Semestral", "Trimestral", "Mensual"};
    for (int i = 0; i < filas; ++i) {
        const auto& p = productos[i % 4];
        s << i << ",Prospecto " << i << "," << 20 + i % 35 << "," << (i % 2 ? "F" : "M") << "," << (i % 3 ? "no" : "si")
          << ",7," << 250000 + 5000 * (i % 97) << "," << formas[i % 4] << "," << p[0] << "," << p[1] << "," << p[2] << "\r\n";
    }
    return s.str();
}

long RssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Discards what it is given, counting it.
struct Sumidero : std::streambuf {
    long n = 0;
    int overflow(int c) override { return ++n, c; }
    std::streamsize xsputn(const char*, std::streamsize k) override { return n += k, k; }
};

void BM_LoteDeCotizaciones(benchmark::State& st) {
    static auto catalogo = std::make_shared<const cv::datos::CatalogoProductos>(cv::datos::VincularCatalogo(CV_BASE_MUESTRA));
    const int filas = static_cast<int>(st.range(0));
    const std::string texto = Lote(filas);
    Conductor c(catalogo, cv::Fecha{2026, 12, 11}, std::filesystem::temp_directory_path());
    long correctas = 0;
    const long antes = RssKb();
    for (auto _ : st) {
        std::istringstream entrada(texto);
        Sumidero s;
        std::ostream salida(&s);
        const TotalesLote t = EjecutarLote(c, entrada, salida, Formato::Csv);
        correctas = t.correctas;
        benchmark::DoNotOptimize(s.n);
    }
    if (correctas != filas) st.SkipWithError("a row of the benchmark batch was refused");
    st.SetItemsProcessed(st.iterations() * filas);
    st.counters["maxrss_kB"] = static_cast<double>(RssKb());
    st.counters["crecimiento_rss_kB"] = static_cast<double>(RssKb() - antes);
}
BENCHMARK(BM_LoteDeCotizaciones)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
