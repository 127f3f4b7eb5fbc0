#include "output/tarifa_impresa.h"

#include <cstdio>

#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"
#include "output/propuesta.h"

namespace cv::salida {

namespace {

struct Columna {
    double x;
    std::string_view formato;
};
constexpr Columna kColumnas[] = {
    {1008, "#0"},          {2304, "#,###,##0.00"},  {3456, "#,###,##0.00"},  {4896, "#,###,###0.00"}, {5904, "#,###,###0.00"},
    {7056, "#,###,###0.00"}, {8352, "#,###,###0.00"}, {9504, "#,###,###0.00"}, {10339.2, "#,###,###0.00"},
};

// A grid cell printed in its column's format; an empty cell stays empty, and a text that is not
// an amount is printed as it is.
std::string Celda(const std::string& texto, std::string_view formato) {
    if (Recortar(texto).empty()) return "";
    const auto valor = LeerImporte(texto);
    return valor ? Formatear(*valor, formato) : texto;
}

// A single-precision number as the printer prints it: up to 7 significant digits.
std::string TextoSimple(float v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.7g", static_cast<double>(v));
    return b;
}

std::string Entero(double v) { return Formatear(v, "#0"); }

void Pagina(Lienzo& l, const DatosHojaTarifa& d, int desde, int hasta) {
    const EstadoMotor& e = d.e;
    const app::FrmCotizador& w = d.w;
    l.Papeleria("picLogo");
    l.fuente = {"Times New Roman", 12, false};
    l.y = 1728;
    l.Centrado(11520, e.NombrePlan);
    l.y = 2116.8;
    l.Izquierda(1440, "  " + w.txtNombre.texto);
    l.fuente.tamano = 10;
    l.y = 3672;
    l.Izquierda(7156.8, "  " + e.Moneda);
    l.y = 4017.6;
    l.Izquierda(7372.8, w.comFormaPago.texto);
    l.y = 4291.2;
    l.Izquierda(7372.8, w.comSexo.texto);
    l.y = 4608;
    l.Izquierda(7372.8, w.comFuma.texto);

    l.y = 4017.6;
    int filas = 0;
    for (size_t linea = 1; linea <= 10 && e.SumaAseguradaMostrada[linea] > 0 && filas < 10; ++linea) {
        l.Izquierda(576, e.TipoPlanLinea[linea]);
        l.Derecha(3355.2, Entero(e.PlazoSeguroMostrado[linea]));
        l.Derecha(4075.2, Entero(e.PlazoPagoMostrado[linea]));
        l.Derecha(5054.4, Entero(e.IncrementoMostrado[linea] * 100.0f));
        l.SiguienteLinea();
        ++filas;
        for (size_t n = 1; n <= 10 && e.SumaBeneficio[n][linea] > 0 && filas < 10; ++n) {
            l.Izquierda(432, "   " + NombreBeneficioImpreso(e.NombreBeneficio[n][linea]));
            l.Derecha(3355.2, Entero(e.PlazoSeguroBeneficio[n][linea]));
            l.Derecha(4075.2, Entero(e.PlazoPagoBeneficio[n][linea]));
            l.Derecha(5054.4, Entero(e.IncrementoBeneficio[n][linea] * 100.0f));
            l.SiguienteLinea();
            ++filas;
        }
    }

    l.fuente = {"Arial", 8, false};
    l.y = 6638.4;
    const app::Rejilla& g = d.hoja.dbgPlan;
    for (int r = desde; r <= hasta && r < g.filas; ++r) {
        for (int c = 0; c < 9 && c < g.columnas; ++c) {
            const std::string texto = Celda(g.Celda(r, c), kColumnas[c].formato);
            if (!texto.empty()) l.Derecha(kColumnas[c].x, texto);
        }
        l.SiguienteLinea();
    }

    l.y = 12556.8;
    l.Izquierda(2952, w.txtAgente.texto);
    l.y = 14040;
    l.Izquierda(6408, FechaLarga(d.hoy));
    l.y = 13176;
    l.Izquierda(7632, TextoSimple(e.TasaFondo * 100));

    l.fuente.tamano = 7;
    l.y = 14587.2;
    if (w.chkbpai.marcada || w.chkbit.marcada) l.Izquierda(4248, " 18 A 55 AÑOS (INVALIDEZ),");
    if (w.chkti.marcada || w.chkdi.marcada || w.chkma.marcada) l.Izquierda(6120, " 18 A 65 AÑOS (ACCIDENTE),");
    if (w.chkenfgr.marcada) l.Izquierda(8424, " 18 A 65 AÑOS (ENFERMEDAD),");
}

}  // namespace

std::vector<std::pair<int, int>> PaginasTarifa(int filasRejilla) {
    std::vector<std::pair<int, int>> paginas;
    const int r = filasRejilla;
    if (r < 28) {
        paginas.emplace_back(1, r - 1);
        return paginas;
    }
    for (int s = 1;;) {
        int e = s + kFilasPorPagina - 1;
        if (e >= r) e = r - 1;
        paginas.emplace_back(s, e);
        if (e == r - 1) break;
        s = e + 1;
    }
    return paginas;
}

Documento ConstruirHojaTarifa(const DatosHojaTarifa& d, MedidorTexto& medidor) {
    Documento doc;
    Lienzo l(doc, medidor);
    const auto paginas = PaginasTarifa(d.hoja.dbgPlan.filas);
    for (size_t i = 0; i < paginas.size(); ++i) {
        if (i > 0) l.NuevaPagina();
        Pagina(l, d, paginas[i].first, paginas[i].second);
    }
    l.Fin();
    return doc;
}

}  // namespace cv::salida
