#include "output/estudio.h"

#include <algorithm>

#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv::salida {

namespace {

constexpr std::string_view kFValor = "#,##0.00";
constexpr std::string_view kFSaldado = "#,###0.00";

}  // namespace

FrmEstudio::FrmEstudio() {
    chkImpresionDescripcion.titulo = "Impresión de la descripción de los Beneficios Adicionales";
    ChckImprimeProrrogado.titulo = "Impresión de Valores Garantizados";
    Impresoras.titulo = "Impresoras";
    butTerminar.titulo = "Terminar";
    Label3.texto = "1er. Recibo";
    Label4.texto = "Subsecuentes";
    txtEdad.visible = txtEdadCalculo.visible = false;
}

void FrmEstudio::Form_Load(EstadoMotor& e, app::FrmCotizador& w) {
    abierto = true;
    chkImpresionDescripcion.marcada = ChckImprimeProrrogado.marcada = false;
    caption = "Estudio resultante para : " + w.txtNombre.texto;
    txtEdad.texto = std::to_string(e.Edad);
    txtEdadCalculo.texto = std::to_string(e.EdadCalculo);

    const int anos = std::clamp<int>(e.MaxAnosIlustrar, 0, 99);
    dbgPlan.Dimensionar(anos + 1, 8);
    const char* titulos[] = {"Año",           "Edad",           "Protección Total", "Prima Anualizada", "Fondo Acumulado",
                             "Valor de Rescate", "Seguro Saldado", "Años Prorrogados"};
    const int anchos[] = {750, 750, 1300, 1300, 1300, 1300, 1300, 1300};
    for (int c = 0; c < 8; ++c) {
        dbgPlan.Celda(0, c) = titulos[c];
        dbgPlan.anchos[static_cast<size_t>(c)] = anchos[c];
    }
    Label5.texto = Formatear(static_cast<double>(e.PrimerRecibo), kF1);
    Label6.texto = Formatear(static_cast<double>(e.ReciboNeto), kF1);

    const double producto = ValorNumericoSeguro(w.txtProducto.texto, 0);
    const bool devolucion = producto == 16, devolucionCorta = devolucion && e.PlazoSeguro <= 9;
    for (int k = 1; k <= anos; ++k) {
        const size_t i = static_cast<size_t>(k);
        dbgPlan.Celda(k, 0) = std::to_string(k);
        dbgPlan.Celda(k, 1) = Formatear(static_cast<double>(e.Edad + k - 1), kFEdad);
        dbgPlan.Celda(k, 2) = Formatear(e.ProteccionTotal[i], kFValor);
        dbgPlan.Celda(k, 3) = Formatear(e.PrimaAnualizada[i], kFValor);
        dbgPlan.Celda(k, 4) = Formatear(e.FondoAcumulado[i], kFValor);
        Currency rescate = devolucionCorta && k <= 4 ? Currency() : e.ValorRescate[i];
        if (devolucion && k == anos) {
            // The last year returns the premiums paid: the year's premium as shown, times the
            // years, written back for the proposal.
            w.Text2.texto = Formatear(e.PrimaBasicaAno[i], kFValor);
            const double prima = Recortar(w.Text2.texto).empty() ? 0 : LeerImporte(w.Text2.texto).value_or(0);
            e.ValorRescate[i] = Currency::DesdeDouble(prima * anos);
            rescate = e.ValorRescate[i];
        }
        dbgPlan.Celda(k, 5) = Formatear(rescate, kFValor);
        dbgPlan.Celda(k, 6) = Formatear(devolucionCorta ? 0.0 : e.SeguroSaldado[i], kFSaldado);
        if (producto == 26 && w.comMoneda.texto == "Dólares") e.AnosProrrogado[i] = 0;
        dbgPlan.Celda(k, 7) = Formatear(e.AnosProrrogado[i], kFValor);
    }
}

}  // namespace cv::salida
