#pragma once
// Support for the printed-document tests: a font metric whose widths are easy to work out by
// hand, and a quote put straight into the engine state and the windows the documents read.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/cotizador.h"
#include "app/interaccion.h"
#include "app/proceso.h"
#include "engine/state/estado.h"
#include "output/documento.h"
#include "output/estudio.h"
#include "quote/corrida.h"

namespace prueba_documentos {

using namespace cv;
using namespace cv::salida;

// 10 twips per character and point (bold: 12), lines of 20 twips per point.
class MedidorFalso : public MedidorTexto {
public:
    double Ancho(const Fuente& f, std::string_view texto) override;
    double AltoLinea(const Fuente& f) override { return f.tamano * 20; }
    static size_t Caracteres(std::string_view texto);
};

class SinMensajes : public app::Interaccion {
public:
    std::vector<app::Mensaje> mensajes;
    void MostrarMensaje(const app::Mensaje& m) override { mensajes.push_back(m); }
    void MostrarAportaciones(app::FrmAportaciones&) override {}
    void MostrarEdadPadreTutor(app::FrmEdad&) override {}
};

// A quote of one line ("Dotal Veralta", product 15, 20 years) with a 1 000 000 sum.
struct Cotizacion {
    Cotizacion();
    SinMensajes ui;
    app::EstadoProceso proceso;
    app::FrmCotizador w;
    std::unique_ptr<EstadoMotor> estado;
    EstadoMotor& e;
    FrmEstudio estudio;
    cotizacion::MontosPorFrecuencia montos;
    MedidorFalso medidor;

    // Line `linea` with its sum and terms; `beneficios` riders with premium, named "Ben<linea>.<n>".
    void Linea(size_t linea, double suma, int beneficios = 0);
    void Anos(int maxAnos);
};

// Texts of a page whose reference position is `x` (left, right or centring width).
std::vector<Texto> En(const Documento& d, int pagina, double x);
std::optional<Texto> Buscar(const Documento& d, int pagina, const std::string& texto);

}  // namespace prueba_documentos
