#pragma once
// The printed proposal of an individual quote: page 1 (prospect, coverages with their riders,
// the value table, agent, date and the premiums by payment frequency) over one of four
// stationery pictures, page 2 with the descriptions of the riders taken, and for the retirement
// product a second document with page 3.
#include <string>
#include <vector>

#include "app/cotizador.h"
#include "app/proceso.h"
#include "core/fechas.h"
#include "engine/state/estado.h"
#include "output/documento.h"
#include "output/estudio.h"
#include "quote/corrida.h"

namespace cv::salida {

struct DatosPropuesta {
    const EstadoMotor& e;
    const app::FrmCotizador& w;
    const app::EstadoProceso& proceso;  // the contributions' number of payments
    const FrmEstudio& estudio;
    cotizacion::MontosPorFrecuencia montos;  // "&Generar"'s premiums of the four frequencies
    Fecha hoy;
};

inline constexpr int kFilasCoberturas = 10;  // rows of the coverage list, riders included

bool ConAportaciones(const EstadoMotor& e);
// The guaranteed-value columns: asked for in the illustration window, always for product 16.
bool ConValoresGarantizados(const DatosPropuesta& d);
// The stationery of page 1.
std::string PapeleriaPropuesta(bool aportaciones, bool garantizados);
// Page 2: asked for, and at least one rider box of the main window ticked.
bool ConDescripciones(const DatosPropuesta& d);
// The years of the value table: every year up to 28, else 1..20, 25, 30, ... below N, and N.
std::vector<int> AnosImpresos(int maxAnos);
// A rider's name in a coverage list: its first 15 characters when longer than 14.
std::string NombreBeneficioImpreso(const std::string& nombre);
// The rider age ranges of page 1: three parts, each a range or ".".
std::string RangosEdadBeneficios(const app::FrmCotizador& w);

// One document (pages 1 and 2), and a second one (page 3) for product 26.
std::vector<Documento> ConstruirPropuesta(const DatosPropuesta& d, MedidorTexto& medidor);

}  // namespace cv::salida
