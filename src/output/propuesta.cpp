#include "output/propuesta.h"

#include <algorithm>
#include <cctype>

#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv::salida {

namespace {

constexpr std::string_view kFImporte = "#,###,##0";
constexpr std::string_view kFEntero = "#0";
constexpr std::string_view kFTabla = "#,###,###0.00";
constexpr std::string_view kFTablaMedida = "#,###,###0";
constexpr std::string_view kFRecibo = "#,###,##0.00";

bool IgualSinMayusculas(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Entero(double v) { return Formatear(v, kFEntero); }

double Producto(const app::FrmCotizador& w) { return ValorNumericoSeguro(w.txtProducto.texto, 0); }

struct Renglon {
    int blancos;
    const char* texto;
};
std::string ConBlancos(const Renglon& r) { return std::string(static_cast<size_t>(r.blancos), ' ') + r.texto; }

// Indents of page 2: body lines, bullets, and the lines that continue a bullet.
constexpr int kCuerpo = 16, kVineta = 26, kSigueVineta = 30;

const Renglon kLineasMA[] = {
    {kCuerpo, "En caso de que el asegurado  sufra un accidente que le provoque la muerte en el  transcurso de los 90 días  posteriores a"},
    {kCuerpo, "la fecha del accidente. La  Compañía pagara la  suma  asegurada para este beneficio."},
};
const Renglon kPerdidasOrganicas[] = {
    {kCuerpo, "En caso de pérdidas orgánicas por un accidente,la Compañía pagara al asegurado la proporción de suma asegurada de esta"},
    {kCuerpo, "cobertura según la tabla de indemnización, siempre y cuando la pérdida orgánica ocurra dentro de los 90 días siguientes"},
    {kCuerpo, "al accidente."},
};

struct Beneficio {
    const app::Casilla* caja;
    std::vector<Renglon> encabezado;
    double tamanoEncabezado;
    std::vector<Renglon> cuerpo;
    bool cuerpoNegrita;
};

template <size_t N>
void Agregar(std::vector<Renglon>& v, const Renglon (&r)[N]) {
    v.insert(v.end(), r, r + N);
}

std::vector<Beneficio> Beneficios(const app::FrmCotizador& w) {
    std::vector<Beneficio> b;
    b.push_back({&w.chkbit,
                 {{40, "EXENCION DEL PAGO DE PRIMAS POR INVALIDEZ (B.I.T.)"}},
                 12,
                 {{kCuerpo, "Si dentro del plazo de seguro de este beneficio, el asegurado se invalida total y permanentemente,causa de un accidente"},
                  {kCuerpo, "o enfermedad, la Compañía lo eximirá  del pago de  las primas  que venzan  despues de la fecha en  que se  compruebe el"},
                  {kCuerpo, "estado de invalidez del asegurado."}},
                 false});
    b.push_back({&w.chkbpai,
                 {{27, "PAGO ANTICIPADO DE LA SUMA ASEGURADA POR INVALIDEZ (B.P.A.I.)"}},
                 12,
                 {{kCuerpo, "Si dentro del plazo de seguro  el asegurado se invalida total y permanentemente, a causa de un  accidente o enfermedad,"},
                  {kCuerpo, "la Compañía pagara la suma asegurada  contratada para este beneficio en una sola exhibición, previa comprobación de la"},
                  {kCuerpo, "invalidez,a partir del momento en que el asegurado cumpla seis  meses en estado de invalidez total y continua"}},
                 false});
    Beneficio ma{&w.chkma, {{53, "BENEFICIO DE MUERTE ACCIDENTAL (M.A.)"}}, 12, {}, false};
    Agregar(ma.cuerpo, kLineasMA);
    b.push_back(ma);
    Beneficio di{&w.chkdi, {{16, "BENEFICIO DE DOBLE INDEMNIZACION POR ACCIDENTE Y/O PERDIDAS ORGANICAS (D.I.)"}}, 11, {}, false};
    Agregar(di.cuerpo, kLineasMA);
    Agregar(di.cuerpo, kPerdidasOrganicas);
    b.push_back(di);
    Beneficio ti{&w.chkti,
                 {{34, "BENEFICIO DE TRIPLE INDEMNIZACION POR ACCIDENTE (T.I.)"}},
                 12,
                 {{kCuerpo, "En  caso de que el asegurado  sufra un accidente que le provoque la muerte en el transcurso de los 90 días  posteriores"},
                  {kCuerpo, "a la fecha del accidente. La  Compañía pagara la  suma  asegurada para este beneficio."}},
                 false};
    Agregar(ti.cuerpo, kPerdidasOrganicas);
    ti.cuerpo.push_back({kCuerpo, "En  caso de que el asegurado fallezca a consecuencia de un  accidente en algún lugar público,la suma  asegurada de esta"});
    ti.cuerpo.push_back({kCuerpo, "cobertura se duplicará."});
    b.push_back(ti);
    b.push_back({&w.chkenfgr,
                 {{60, "ENFERMEDADES GRAVES (E.G.)"}},
                 12,
                 {{kCuerpo, "La compañía pagara al asegurado el 25% de la suma asegurada contratada en la cobertura básica si dentro del plazo del"},
                  {kCuerpo, "seguro llegara a padecer,cualquiera de los padecimientos citados a continuación:"},
                  {kVineta, "*   Infarto al Miocardio."},
                  {kVineta, "*   Embolia Cerebral"},
                  {kVineta, "*   Enfermedad de las arterias coronarias que requiere cirugía."},
                  {kVineta, "*   Cáncer"},
                  {kVineta, "*   Deficiencia renal"},
                  {kVineta, "*   Transplantes"},
                  {kVineta, "*   Al momento de pago de este beneficio, la suma asegurada de la cobertura básica y prima se reduciran en"},
                  {kSigueVineta, "proporción a la cantidad pagada por este beneficio."}},
                 false});
    b.push_back({&w.Chkbitf,
                 {{9, "EXENCION DE PAGO DE PRIMAS POR INVALIDEZ TOTAL O MUERTE DEL CONTRATANTE"}, {60, "(B.I.T.F)"}},
                 12,
                 {{kCuerpo, "Si durante el periodo de cobertura de la presente clausula ocurre cualquiera de los siguientes eventos para el contratante:"},
                  {0, ""},
                  {kVineta, "*   Fallecimiento"},
                  {kVineta, "*   Invalidez Total y Permanente"},
                  {kVineta, "*   La compañía eximira del pago de primas al asegurado, del plan basico que se tuviera contratado durante los años que"},
                  {kVineta, "*   faltaran para terminar el periodo de pago señalado en la caratula de la poliza"}},
                 true});
    b.push_back({&w.Chkcat,
                 {{25, "CLAUSULA ADICIONAL  DE FALLECIMIENTO DEL CONTRATANTE (C.A.F)"}},
                 12,
                 {{kCuerpo, "Si durante el periodo de cobertura de la presente clausula ocurre el fallecimiento del contratante, se pagara a los beneficiarios"},
                  {kCuerpo, "la suma asegurada contratada"}},
                 false});
    return b;
}

bool AlgunBeneficio(const app::FrmCotizador& w) {
    for (const app::Casilla* c : {&w.chkbit, &w.chkbpai, &w.chkma, &w.chkdi, &w.chkti, &w.chkenfgr, &w.Chkbitf, &w.Chkcat})
        if (c->marcada) return true;
    return false;
}

struct Posicion {
    double x, y;
};

// Where each stationery leaves room for the date and the rider ranges.
Posicion PosicionFecha(bool aportaciones, bool garantizados) {
    if (!aportaciones) return garantizados ? Posicion{6595.2, 13651.2} : Posicion{7041.6, 13464};
    return garantizados ? Posicion{6321.6, 13996.8} : Posicion{7416, 13564.8};
}
Posicion PosicionRangos(bool aportaciones, bool garantizados) {
    if (!aportaciones) return garantizados ? Posicion{4291.2, 14227.2} : Posicion{4968, 14126.4};
    return garantizados ? Posicion{5832, 14328} : Posicion{4723.2, 14270.4};
}

void Coberturas(Lienzo& l, const DatosPropuesta& d, bool aportaciones) {
    const EstadoMotor& e = d.e;
    l.fuente.tamano = 7.5;
    l.y = 3859.2;
    int filas = 0;
    for (size_t linea = 1; linea <= 10 && e.SumaAseguradaMostrada[linea] > 0 && filas < kFilasCoberturas; ++linea) {
        l.Izquierda(892.8, e.TipoPlanLinea[linea]);
        l.Derecha(2606.4, Formatear(e.SumaAseguradaMostrada[linea], kFImporte));
        l.Derecha(3096, Entero(e.PlazoSeguroMostrado[linea]));
        l.Derecha(3571.2, Entero(e.PlazoPagoMostrado[linea]));
        l.Derecha(4320, Entero(e.IncrementoMostrado[linea] * 100.0f));
        l.Derecha(5500.8, Formatear(e.PrimaLineaPrimerAno[linea], kFImporte));
        l.SiguienteLinea();
        ++filas;
        // Names, sums, terms and growth are kept per rider found, premiums per slot.
        size_t n = 0;
        for (size_t r = 1; r <= 10 && filas < kFilasCoberturas; ++r) {
            if (!(e.PrimaBeneficioMostrada[r][linea] > 0)) continue;
            ++n;
            l.Izquierda(892.8, "   " + NombreBeneficioImpreso(e.NombreBeneficio[n][linea]));
            l.Derecha(2606.4, Formatear(e.SumaBeneficio[n][linea], kFImporte));
            l.Derecha(3096, Entero(e.PlazoSeguroBeneficio[n][linea]));
            l.Derecha(3571.2, Entero(e.PlazoPagoBeneficio[n][linea]));
            l.Derecha(4320, Entero(e.IncrementoBeneficio[n][linea] * 100.0f));
            l.Derecha(5472, Formatear(e.PrimaBeneficioMostrada[r][linea], kFImporte));
            l.SiguienteLinea();
            ++filas;
        }
        if (aportaciones) {
            const std::string pagos = std::to_string(d.proceso.AportNumPagos);
            l.Izquierda(604.8, "Aportacion Ad    " + Formatear(e.FondoAcumulado[linea], kFTabla) + std::string(9, ' ') + pagos +
                                   std::string(9, ' ') + pagos + std::string(41, ' ') +
                                   Formatear(static_cast<double>(e.AportacionMostrada[linea]), kFTabla));
            l.SiguienteLinea();
        }
    }
}

void TablaValores(Lienzo& l, const DatosPropuesta& d, bool garantizados) {
    const EstadoMotor& e = d.e;
    const int n = std::clamp<int>(e.MaxAnosIlustrar, 0, 99);
    const bool largo = n > 28;
    const double producto = Producto(d.w);
    const double edad = ValorNumericoSeguro(d.estudio.txtEdad.texto, 0);
    // An empty payment term reads as 0.
    const std::string pago = Recortar(d.w.dbcPago.texto).empty() ? "0" : d.w.dbcPago.texto;
    const bool devolucionCorta = producto == 16 && ValorNumericoSeguro(pago, 0) == 5;
    const bool retiroDolares = producto == 26 && d.w.comMoneda.texto == "Dólares";
    auto importe = [&](double x, auto valor) { l.Derecha(x, Formatear(valor, kFTabla), Formatear(valor, kFTablaMedida)); };

    l.fuente.nombre = "Arial";
    l.fuente.tamano = 7;
    l.y = 6984;
    for (const int k : AnosImpresos(n)) {
        const size_t i = static_cast<size_t>(k);
        Currency rescate = e.ValorRescate[i];
        double prorrogado = e.AnosProrrogado[i];
        if (garantizados && !largo) {
            if (devolucionCorta && k <= 4) rescate = Currency();
            if (devolucionCorta || retiroDolares) prorrogado = 0;
        }
        if (garantizados && largo && producto == 26) prorrogado = 0;

        l.Derecha(garantizados ? 1152 : 1411.2, Entero(k));
        l.Derecha(garantizados ? (largo ? 2390.4 : 2448) : 3182.4, Entero(edad + k - 1));
        importe(garantizados ? 3744 : 4968, e.PrimaAnualizada[i]);
        importe(garantizados ? 5040 : (largo ? 6840 : 6552), e.FondoAcumulado[i]);
        importe(garantizados ? (largo ? 6292.8 : 6580.8) : (largo ? 8424 : 8352), rescate);
        if (garantizados) {
            importe(largo ? 7488 : 7646.4, prorrogado);
            importe(largo ? 9000 : 9360, e.SeguroSaldado[i]);
        }
        importe(garantizados ? 10512 : 10224, e.FondoAcumulado[i].ComoDouble() + e.ProteccionTotal[i]);
        l.SiguienteLinea();
    }
}

void PrimasPorFrecuencia(Lienzo& l, const cotizacion::MontosPorFrecuencia& m) {
    l.fuente.negrita = true;
    l.fuente.tamano = 7;
    l.y = 4118.4;
    l.Izquierda(9892.8, Formatear(m.PagoAnual, kFRecibo));
    l.Izquierda(9043.2, Formatear(m.PagoSemestral, kFRecibo));
    l.Izquierda(8035.2, Formatear(m.PagoTrimestral, kFRecibo));
    l.Izquierda(7084.8, Formatear(m.PagoMensual, kFRecibo));
    l.y = 4636.8;
    l.Izquierda(9892.8, Formatear(m.PagoAnualNeto, kFRecibo));
    l.Izquierda(9043.2, Formatear(m.PagoSemestralNeto, kFRecibo));
    l.Izquierda(8035.2, Formatear(m.PagoTrimestralNeto, kFRecibo));
    l.Izquierda(7084.8, Formatear(m.PagoMensualNeto, kFRecibo));
}

void Portada(Lienzo& l, const DatosPropuesta& d) {
    const EstadoMotor& e = d.e;
    const app::FrmCotizador& w = d.w;
    const bool aportaciones = ConAportaciones(e), garantizados = ConValoresGarantizados(d);
    l.Papeleria(PapeleriaPropuesta(aportaciones, garantizados));

    l.fuente = {"Times New Roman", 14, true};
    l.y = 1699;
    l.Centrado(11520, e.NombrePlan);
    l.fuente.tamano = 12;
    l.y = 2088;
    l.Izquierda(1296, "  " + w.txtNombre.texto);
    l.fuente.tamano = 10;
    l.y = 2520;
    l.Izquierda(1742, d.estudio.txtEdad.texto);
    l.Izquierda(3614, d.estudio.txtEdadCalculo.texto);
    l.Izquierda(5011.2, IgualSinMayusculas(w.comSexo.texto, "Femenino") ? "Femenino" : "Masculino");
    l.Izquierda(7560, IgualSinMayusculas(w.comFuma.texto, "No") ? "No" : "Si");
    l.Izquierda(9000, "  " + e.Moneda);

    Coberturas(l, d, aportaciones);
    TablaValores(l, d, garantizados);

    l.fuente.tamano = 10;
    l.y = 12484.8;
    l.Izquierda(2880, ValorNumericoSeguro(w.txtNumAge.texto, 0) != 0 ? w.txtAgente.texto : "VERALTA,S.A.B.");
    l.fuente.negrita = false;

    const Posicion fecha = PosicionFecha(aportaciones, garantizados);
    l.y = fecha.y;
    l.Izquierda(fecha.x, "." + FechaLarga(d.hoy));

    l.fuente.tamano = 7;
    const Posicion rangos = PosicionRangos(aportaciones, garantizados);
    l.y = rangos.y;
    l.Izquierda(rangos.x, RangosEdadBeneficios(w));

    if (aportaciones) {
        l.y = garantizados ? 12888 : 13089.6;
        l.Izquierda(garantizados ? 7891.2 : 8668.8, e.Moneda != "Pesos" ? "4%" : "5.5%");
    }
    PrimasPorFrecuencia(l, d.montos);
}

void Descripciones(Lienzo& l, const app::FrmCotizador& w) {
    l.Papeleria("picBlanco");
    l.fuente = {"Times New Roman", 12, false};
    l.y = 2376;
    for (const Beneficio& b : Beneficios(w)) {
        if (!b.caja->marcada) continue;
        l.fuente.negrita = true;
        l.fuente.tamano = b.tamanoEncabezado;
        for (const Renglon& r : b.encabezado) {
            l.Izquierda(0, ConBlancos(r));
            l.SiguienteLinea();
        }
        l.fuente.negrita = b.cuerpoNegrita;
        l.fuente.tamano = 10;
        for (const Renglon& r : b.cuerpo) {
            if (*r.texto) l.Izquierda(0, ConBlancos(r));
            l.SiguienteLinea();
        }
    }
}

}  // namespace

std::string NombreBeneficioImpreso(const std::string& nombre) {
    // Characters, not bytes: the names are UTF-8.
    size_t caracteres = 0, corte = nombre.size();
    for (size_t i = 0; i < nombre.size(); ++i) {
        if ((static_cast<unsigned char>(nombre[i]) & 0xC0) == 0x80) continue;
        if (caracteres == 15) corte = i;
        ++caracteres;
    }
    return caracteres > 14 ? nombre.substr(0, corte) : nombre;
}

bool ConAportaciones(const EstadoMotor& e) { return e.NumAportaciones >= 1; }

bool ConValoresGarantizados(const DatosPropuesta& d) {
    return d.estudio.ChckImprimeProrrogado.marcada || Producto(d.w) == 16;
}

std::string PapeleriaPropuesta(bool aportaciones, bool garantizados) {
    if (aportaciones) return garantizados ? "picamplio" : "piccaratula";
    return garantizados ? "picamplio2" : "piccaratula2";
}

bool ConDescripciones(const DatosPropuesta& d) { return d.estudio.chkImpresionDescripcion.marcada && AlgunBeneficio(d.w); }

std::vector<int> AnosImpresos(int maxAnos) {
    std::vector<int> anos;
    if (maxAnos <= 28) {
        for (int k = 1; k <= maxAnos; ++k) anos.push_back(k);
        return anos;
    }
    for (int k = 1; k <= 20; ++k) anos.push_back(k);
    for (int k = 25; k <= maxAnos - 1; k += 5) anos.push_back(k);
    anos.push_back(maxAnos);
    return anos;
}

std::string RangosEdadBeneficios(const app::FrmCotizador& w) {
    std::string t = w.chkbpai.marcada || w.chkbit.marcada ? ",18 A 55 AÑOS (INVALIDEZ)" : ".";
    t += w.chkti.marcada || w.chkdi.marcada || w.chkma.marcada ? ",18 A 65 AÑOS (ACCIDENTE)" : ".";
    t += w.chkenfgr.marcada ? ",18 A 65 AÑOS (ENFERMEDAD)" : ".";
    return t;
}

std::vector<Documento> ConstruirPropuesta(const DatosPropuesta& d, MedidorTexto& medidor) {
    std::vector<Documento> documentos(1);
    {
        Lienzo l(documentos[0], medidor);
        Portada(l, d);
        if (ConDescripciones(d)) {
            l.NuevaPagina();
            Descripciones(l, d.w);
        }
        l.Fin();
    }
    if (Producto(d.w) == 26) {
        Lienzo l(documentos.emplace_back(), medidor);
        l.Papeleria("RETIRO_02");
        l.fuente = {"Times New Roman", 10, true};
        l.y = 10526;
        l.Centrado(18316.8, "$ " + Formatear(d.e.PrimaSegundaTarifa, kFRecibo) + " U.S");
        l.Fin();
    }
    return documentos;
}

}  // namespace cv::salida
