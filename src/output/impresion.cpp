#include "output/impresion.h"

#include <vector>

#include "core/numeros.h"
#include "output/propuesta.h"
#include "output/tarifa_impresa.h"

namespace cv::salida {

namespace {

// Keeps what the usage-log step says, to say it together with what was printed.
class Captura : public app::Interaccion {
public:
    explicit Captura(app::Interaccion& ui) : ui_(ui) {}
    std::vector<app::Mensaje> mensajes;
    void MostrarMensaje(const app::Mensaje& m) override { mensajes.push_back(m); }
    void MostrarAportaciones(app::FrmAportaciones& d) override { ui_.MostrarAportaciones(d); }
    void MostrarEdadPadreTutor(app::FrmEdad& d) override { ui_.MostrarEdadPadreTutor(d); }

private:
    app::Interaccion& ui_;
};

std::string ListaPaginas(const std::vector<int>& paginas) {
    std::string t = paginas.size() == 1 ? "página " : "páginas ";
    for (size_t i = 0; i < paginas.size(); ++i) {
        if (i > 0) t += i + 1 == paginas.size() ? " y " : ", ";
        t += std::to_string(paginas[i]);
    }
    return t;
}

}  // namespace

ResultadoImpresion ImprimirPropuesta(app::Interaccion& ui, const ElegirDestino& elegir, FrmEstudio& estudio,
                                     app::FrmCotizador& w, const EstadoMotor& e,
                                     const cotizacion::MontosPorFrecuencia& montos, const Fecha& hoy,
                                     app::SistemaAgentes* agentes) {
    std::unique_ptr<DestinoImpresion> destino = elegir("");
    if (!destino) return ResultadoImpresion::Cancelada;
    const std::string se = destino->EsArchivo() ? "se guardó" : "se imprimió";
    const std::string no = destino->EsArchivo() ? "No se pudo guardar" : "No se pudo imprimir";
    const std::string sinRegistro = agentes ? " La cotización no se anotó en el sistema de agentes." : "";

    if (ValorNumericoSeguro(w.txtProducto.texto, 0) == 16) estudio.ChckImprimeProrrogado.marcada = true;
    std::vector<Documento> documentos;
    try {
        documentos = ConstruirPropuesta({e, w, w.Proceso(), estudio, montos, hoy}, destino->Medidor());
    } catch (const std::exception& x) {
        ui.MostrarMensaje(app::Simple(no + " la propuesta: " + x.what() + ". No " + se + " ninguna página." + sinRegistro));
        return ResultadoImpresion::Fallida;
    }

    std::vector<int> hechas;
    auto falla = [&](const std::string& que, const std::string& porque) {
        std::string t;
        if (hechas.empty() || destino->EsArchivo())
            t = no + " la propuesta: " + porque + ". No " + se + " ninguna página.";
        else
            t = "La propuesta " + se + " (" + ListaPaginas(hechas) + "), pero no " + que + ": " + porque + ".";
        ui.MostrarMensaje(app::Simple(t + sinRegistro));
        return ResultadoImpresion::Fallida;
    };
    try {
        destino->Imprimir(documentos[0]);
    } catch (const ErrorImpresion& x) {
        return falla("", x.what());
    }
    for (int p = 1; p <= documentos[0].Paginas(); ++p) hechas.push_back(p);
    if (documentos.size() > 1) {
        try {
            destino->Imprimir(documentos[1]);
        } catch (const ErrorImpresion& x) {
            return falla("la página 3 del plan de retiro", x.what());
        }
        hechas.push_back(3);
    }
    try {
        destino->Terminar();
    } catch (const ErrorImpresion& x) {
        hechas.clear();
        return falla("", x.what());
    }

    if (!agentes) return ResultadoImpresion::Completa;
    Captura captura(ui);
    const app::RegistroUso registro =
        app::RegistroDeImpresion(w.Proceso(), w.txtNumAge.texto, w.lblProducto.texto, hoy);
    if (app::AnotarUso(captura, *agentes, registro)) return ResultadoImpresion::Completa;
    std::string t = "La propuesta " + se + " (" + ListaPaginas(hechas) + ").";
    for (const app::Mensaje& m : captura.mensajes) t += " " + m.texto;
    ui.MostrarMensaje(app::Simple(t));
    return ResultadoImpresion::SinRegistro;
}

ResultadoImpresion ImprimirTarifas(app::Interaccion& ui, const ElegirDestino& elegir, const FrmTarifa& hoja,
                                   const app::FrmCotizador& w, const EstadoMotor& e, const Fecha& hoy) {
    std::unique_ptr<DestinoImpresion> destino = elegir(kTituloImpresionTarifas);
    if (!destino) return ResultadoImpresion::Cancelada;
    const std::string no = destino->EsArchivo() ? "No se pudo guardar" : "No se pudo imprimir";
    try {
        const Documento d = ConstruirHojaTarifa({e, w, hoja, hoy}, destino->Medidor());
        destino->Imprimir(d);
        destino->Terminar();
    } catch (const std::exception& x) {
        ui.MostrarMensaje(app::Simple(no + " la hoja de tarifas: " + x.what() + ". No se " +
                                      (destino->EsArchivo() ? "guardó" : "imprimió") + " ninguna página."));
        return ResultadoImpresion::Fallida;
    }
    return ResultadoImpresion::Completa;
}

}  // namespace cv::salida
