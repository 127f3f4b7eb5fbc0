// The print commands in their order, over a device that records what it receives: the dialog,
// the proposal's documents, the end of the job, the usage record; cancelling, a device that
// fails and a usage log that cannot be written.
#include <gtest/gtest.h>

#include "apoyo.h"
#include "apoyo_documentos.h"
#include "output/impresion.h"

namespace prueba_documentos {
namespace {

// What the device and the agent system were asked, in order.
using Bitacora = std::vector<std::string>;

class DestinoFalso : public DestinoImpresion {
public:
    DestinoFalso(Bitacora& b, int fallaEnDocumento, bool fallaAlTerminar, bool archivo)
        : b_(b), falla_(fallaEnDocumento), fallaAlTerminar_(fallaAlTerminar), archivo_(archivo) {}
    MedidorTexto& Medidor() override { return medidor_; }
    void Imprimir(const Documento& d) override {
        if (++documentos_ == falla_) throw ErrorImpresion("sin papel");
        std::string t = "documento " + std::to_string(d.Paginas());
        for (int p = 1; p <= d.Paginas(); ++p) t += " " + d.Imagenes(p).at(0).nombre;
        b_.push_back(t);
    }
    void Terminar() override {
        if (fallaAlTerminar_) throw ErrorImpresion("disco lleno");
        b_.push_back("terminar");
    }
    bool EsArchivo() const override { return archivo_; }

private:
    Bitacora& b_;
    MedidorFalso medidor_;
    int falla_, documentos_ = 0;
    bool fallaAlTerminar_, archivo_;
};

class AgentesAnotados : public prueba_app::AgentesFalsos {
public:
    explicit AgentesAnotados(Bitacora& b) : b_(b) {}
    void RegistrarUso(const app::RegistroUso& r) override {
        b_.push_back("registro");
        AgentesFalsos::RegistrarUso(r);
    }

private:
    Bitacora& b_;
};

class Impresion : public testing::Test {
protected:
    Cotizacion c;
    Bitacora bitacora;
    AgentesAnotados agentes{bitacora};
    bool cancelar = false, archivo = false, fallaAlTerminar = false;
    int fallaEnDocumento = 0;
    std::string titulo = "(sin abrir)";

    ElegirDestino Elegir() {
        return [this](const std::string& t) -> std::unique_ptr<DestinoImpresion> {
            titulo = t;
            bitacora.push_back("dialogo");
            if (cancelar) return nullptr;
            return std::make_unique<DestinoFalso>(bitacora, fallaEnDocumento, fallaAlTerminar, archivo);
        };
    }
    ResultadoImpresion Imprimir(bool conAgentes = true) {
        c.proceso.UsuarioSistema = "cperez";
        return ImprimirPropuesta(c.ui, Elegir(), c.estudio, c.w, c.e, c.montos, Fecha{2025, 6, 15}, conAgentes ? &agentes : nullptr);
    }
    void ConTresPaginas() {
        c.w.txtProducto.texto = "26";
        c.w.chkma.marcada = true;
        c.estudio.chkImpresionDescripcion.marcada = true;
    }
};

TEST_F(Impresion, CancelarNoImprimeNiAnotaNada) {
    cancelar = true;
    c.w.txtProducto.texto = "16";
    EXPECT_EQ(Imprimir(), ResultadoImpresion::Cancelada);
    EXPECT_EQ(bitacora, Bitacora{"dialogo"});
    EXPECT_TRUE(agentes.registros.empty());
    EXPECT_TRUE(c.ui.mensajes.empty());
    EXPECT_FALSE(c.estudio.ChckImprimeProrrogado.marcada);
}

TEST_F(Impresion, PaginasEnOrdenYLuegoElRegistroDeUso) {
    ConTresPaginas();
    EXPECT_EQ(Imprimir(), ResultadoImpresion::Completa);
    EXPECT_EQ(bitacora, (Bitacora{"dialogo", "documento 2 piccaratula2 picBlanco", "documento 1 RETIRO_02", "terminar", "registro"}));
    ASSERT_EQ(agentes.registros.size(), 1u);
    EXPECT_EQ(agentes.registros[0], (app::RegistroUso{"cperez", "15/06/2025", "1207", "Dotal Veralta"}));
    EXPECT_TRUE(c.ui.mensajes.empty());
}

TEST_F(Impresion, DevolucionDePrimasMarcaLosValoresGarantizados) {
    c.w.txtProducto.texto = "16";
    EXPECT_EQ(Imprimir(), ResultadoImpresion::Completa);
    EXPECT_TRUE(c.estudio.ChckImprimeProrrogado.marcada);
    EXPECT_EQ(bitacora[1], "documento 1 picamplio2");
}

TEST_F(Impresion, SinSistemaDeAgentesNoSeAnota) {
    EXPECT_EQ(Imprimir(false), ResultadoImpresion::Completa);
    EXPECT_EQ(bitacora, (Bitacora{"dialogo", "documento 1 piccaratula2", "terminar"}));
}

TEST_F(Impresion, UnaFallaDeImpresionSeDiceYNoSeAnota) {
    struct Caso {
        int documento;
        bool archivo, alTerminar;
        std::string mensaje;
    };
    const std::string noAnotada = " La cotización no se anotó en el sistema de agentes.";
    for (const Caso& caso : {
             Caso{1, false, false, "No se pudo imprimir la propuesta: sin papel. No se imprimió ninguna página." + noAnotada},
             Caso{2, false, false,
                  "La propuesta se imprimió (páginas 1 y 2), pero no la página 3 del plan de retiro: sin papel." + noAnotada},
             Caso{2, true, false, "No se pudo guardar la propuesta: sin papel. No se guardó ninguna página." + noAnotada},
             Caso{0, true, true, "No se pudo guardar la propuesta: disco lleno. No se guardó ninguna página." + noAnotada},
         }) {
        Impresion::SetUp();
        bitacora.clear();
        agentes.registros.clear();
        c.ui.mensajes.clear();
        ConTresPaginas();
        fallaEnDocumento = caso.documento;
        archivo = caso.archivo;
        fallaAlTerminar = caso.alTerminar;
        EXPECT_EQ(Imprimir(), ResultadoImpresion::Fallida);
        EXPECT_EQ(c.ui.mensajes, std::vector<app::Mensaje>{app::Simple(caso.mensaje)});
        EXPECT_TRUE(agentes.registros.empty());
    }
}

TEST_F(Impresion, UnRegistroQueNoSeEscribeSeDiceConLoImpreso) {
    agentes.sinConexion = true;
    c.w.chkma.marcada = true;
    c.estudio.chkImpresionDescripcion.marcada = true;
    EXPECT_EQ(Imprimir(), ResultadoImpresion::SinRegistro);
    ASSERT_EQ(c.ui.mensajes.size(), 1u);
    EXPECT_EQ(c.ui.mensajes[0].texto,
              "La propuesta se imprimió (páginas 1 y 2). No se pudo anotar la cotización en el sistema de agentes: el registro "
              "de uso quedó pendiente: sin conexión");
}

TEST_F(Impresion, HojaDeTarifasConSuDialogo) {
    FrmTarifa hoja;
    hoja.dbgPlan.Dimensionar(57, 9);
    EXPECT_EQ(ImprimirTarifas(c.ui, Elegir(), hoja, c.w, c.e, Fecha{2025, 6, 15}), ResultadoImpresion::Completa);
    EXPECT_EQ(titulo, "Impresión de las tarifas");
    EXPECT_EQ(bitacora, (Bitacora{"dialogo", "documento 3 picLogo picLogo picLogo", "terminar"}));

    bitacora.clear();
    cancelar = true;
    EXPECT_EQ(ImprimirTarifas(c.ui, Elegir(), hoja, c.w, c.e, Fecha{2025, 6, 15}), ResultadoImpresion::Cancelada);
    EXPECT_EQ(bitacora, Bitacora{"dialogo"});

    cancelar = false;
    fallaEnDocumento = 1;
    EXPECT_EQ(ImprimirTarifas(c.ui, Elegir(), hoja, c.w, c.e, Fecha{2025, 6, 15}), ResultadoImpresion::Fallida);
    EXPECT_EQ(c.ui.mensajes,
              std::vector<app::Mensaje>{app::Simple("No se pudo imprimir la hoja de tarifas: sin papel. No se imprimió ninguna página.")});
}

}  // namespace
}  // namespace prueba_documentos
