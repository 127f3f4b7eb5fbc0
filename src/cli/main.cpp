// cotizador-cli: quotes, tariffs, quote files, the catalogue and batches without a window. It
// drives the same window models a person drives, so every check and message holds here too.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/conductor.h"
#include "cli/lote.h"
#include "cli/salida.h"
#include "core/fechas.h"
#include "data/arranque.h"
#include "data/errores.h"
#include "render/render.h"

namespace fs = std::filesystem;
using namespace cv::cli;

namespace {

const char* const kAyudaGeneral = R"(Uso: cotizador-cli ORDEN [opciones]

Órdenes:
  cotizar    calcula una cotización individual (primas, recibos e ilustración)
  tarifa     calcula una tarifa sobre un rango de edades
  catalogo   lista los productos por moneda con plazos, incrementos y beneficios
  lote       calcula un archivo CSV de cotizaciones, un resultado por renglón
  ayuda      muestra esta ayuda; "cotizador-cli ORDEN --help" la de cada orden

Estado de salida: 0 correcto; 1 falla de archivo, base de datos o programa; 2 opciones no
válidas; 3 la ventana rechazó la cotización (su mensaje sale por la salida de errores).
)";

const char* const kAyudaDatos = R"(
Prospecto y cotización (lo que se escribe en la ventana "Cotizador de Vida"):
  --nombre TEXTO              nombre del prospecto
  --edad N                    edad cumplida
  --fecha-nacimiento FECHA    dd/mm/aaaa (la edad sale de la fecha)
  --sexo M|F                  Masculino o Femenino
  --fuma si|no
  --moneda Pesos|Dólares      (si falta, la del primer producto)
  --forma-pago F              Anual, Semestral, Trimestral o Mensual
  --suma-asegurada IMPORTE    suma asegurada global
  --prima-global IMPORTE      prima global (la suma asegurada se despeja)
  --numero-agente N           número de agente
  --agente TEXTO              nombre del agente (después del número)
  --aportaciones N            aportaciones adicionales: número de aportaciones,
  --monto-aportacion IMPORTE    monto de cada una,
  --fondo-final IMPORTE         o el fondo final que se busca
  --edad-tutor N              edad del padre o tutor (beneficios BITF y CAF)
  --riesgo-selecto si|no, --extraprima-ocupacional N, --extraprima-medica N,
  --tasa-interes N, --tipo-incremento Aritmetico|Geometrico   campos gerenciales
  --linea DATOS               una línea de la cotización (se repite para varias):
        producto=CODIGO|NOMBRE,pago=N,seguro=N,participacion=N,incremento=N,
        beneficios=BIT+BPAI+MA+DI+TI+EG+BITF+CAF,edad_menor=N,edad_alcanzada=22
        (la primera entrada sin "=" es el producto: --linea 1,pago=20)

Archivos y salida:
  --abrir ARCHIVO.cvi         abre una cotización guardada (las opciones la modifican;
                              las líneas dadas reemplazan a las del archivo)
  --guardar ARCHIVO.cvi       guarda la cotización calculada
  --formato texto|json|csv    (texto por omisión)
  --base-datos ARCHIVO.svi    otra base de datos de productos
  --fecha dd/mm/aaaa          la fecha de hoy (edades por fecha de nacimiento, fecha impresa)
)";

const char* const kAyudaCotizar = R"(Uso: cotizador-cli cotizar [opciones] [--pdf ARCHIVO.pdf]

Llena la ventana como lo haría una persona, oprime "Ca&lcular" y "&Generar" e imprime las
líneas, el resumen de primas, el primer recibo y los subsecuentes de cada forma de pago y la
ilustración año por año. En CSV se imprime la ilustración.

Propuesta impresa:
  --pdf ARCHIVO.pdf           escribe la propuesta (páginas 1 a 3) en un PDF; no se anota
                              en el registro de uso del sistema de agentes
  --descripcion-beneficios    con la página de descripción de los beneficios adicionales
                              ("Impresión de la descripción de los Beneficios Adicionales")
  --valores-garantizados      con los valores garantizados ("Impresión de Valores Garantizados")
)";

const char* const kAyudaTarifa = R"(Uso: cotizador-cli tarifa [opciones] [--edad-inicial N] [--edad-final N] [--pdf ARCHIVO.pdf]

Pasa la ventana a "Generador Tarifas", calcula cada edad del rango (15 a 70 si no se dice) e
imprime los renglones de la ventana principal y los de la hoja de tarifas. En CSV, la hoja.
Con --pdf escribe además la hoja de tarifas impresa (27 edades por página) en un PDF.
)";

const char* const kAyudaCatalogo = R"(Uso: cotizador-cli catalogo [--formato texto|json|csv] [--base-datos ARCHIVO.svi]

Lista los productos de cada moneda con sus plazos de pago y de seguro, los incrementos que
ofrece cada plazo y los beneficios adicionales que la ventana habilita (para un prospecto de
35 años y, cuando difieren, para uno menor de edad).
)";

const char* const kAyudaLote = R"(Uso: cotizador-cli lote [ENTRADA.csv|-] [--salida ARCHIVO] [--formato csv|json]
                         [--base-datos ARCHIVO.svi] [--fecha dd/mm/aaaa]

Lee un CSV con encabezados (columnas en el README: id, nombre, edad, ..., producto,
plazo_pago, ..., producto_2, ...), calcula una cotización por renglón y escribe un renglón
de resultado por cada uno, en el mismo orden; un renglón rechazado lleva el mensaje de la
ventana. En JSON, un objeto por renglón. El avance sale por la salida de errores.
)";

struct Opciones {
    std::string orden;
    Peticion peticion;
    Formato formato = Formato::Texto;
    bool formatoDado = false;
    fs::path baseDatos, salida, entrada;
    fs::path pdf;                                 // the printed proposal or tariff sheet
    bool descripciones = false, garantizados = false;  // the illustration window's print boxes
    std::optional<cv::Fecha> fecha;
    bool ayuda = false;
};

Formato LeerFormato(const std::string& v) {
    if (v == "texto") return Formato::Texto;
    if (v == "json") return Formato::Json;
    if (v == "csv") return Formato::Csv;
    throw ErrorUso("El formato \"" + v + "\" no existe: texto, json o csv.");
}

Opciones LeerOpciones(int argc, char** argv) {
    Opciones o;
    if (argc < 2) {
        o.ayuda = true;
        return o;
    }
    o.orden = argv[1];
    if (o.orden == "ayuda" || o.orden == "--help" || o.orden == "-h") {
        o.orden = argc > 2 ? argv[2] : "";
        o.ayuda = true;
        return o;
    }
    if (o.orden != "cotizar" && o.orden != "tarifa" && o.orden != "catalogo" && o.orden != "lote")
        throw ErrorUso("No existe la orden \"" + o.orden + "\" (cotizar, tarifa, catalogo, lote, ayuda).");
    Peticion& p = o.peticion;
    using Texto = std::optional<std::string> Peticion::*;
    const std::map<std::string, Texto> textos = {
        {"--nombre", &Peticion::nombre},
        {"--edad", &Peticion::edad},
        {"--fecha-nacimiento", &Peticion::fechaNacimiento},
        {"--sexo", &Peticion::sexo},
        {"--fuma", &Peticion::fuma},
        {"--moneda", &Peticion::moneda},
        {"--forma-pago", &Peticion::formaPago},
        {"--suma-asegurada", &Peticion::sumaAsegurada},
        {"--prima-global", &Peticion::primaGlobal},
        {"--numero-agente", &Peticion::numeroAgente},
        {"--agente", &Peticion::agente},
        {"--extraprima-ocupacional", &Peticion::extraprimaOcupacional},
        {"--extraprima-medica", &Peticion::extraprimaMedica},
        {"--tasa-interes", &Peticion::tasaInteres},
        {"--tipo-incremento", &Peticion::tipoIncremento},
        {"--aportaciones", &Peticion::aportaciones},
        {"--monto-aportacion", &Peticion::montoAportacion},
        {"--fondo-final", &Peticion::fondoFinal},
        {"--edad-tutor", &Peticion::edadTutor},
        {"--edad-inicial", &Peticion::edadInicial},
        {"--edad-final", &Peticion::edadFinal},
    };
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            o.ayuda = true;
            continue;
        }
        if (a == "--descripcion-beneficios" || a == "--valores-garantizados") {
            if (o.orden != "cotizar") throw ErrorUso("La opción " + a + " es de la orden cotizar.");
            (a == "--descripcion-beneficios" ? o.descripciones : o.garantizados) = true;
            continue;
        }
        if (o.orden == "lote" && (a == "-" || a.rfind("--", 0) != 0)) {
            if (!o.entrada.empty()) throw ErrorUso("El lote lee un solo archivo.");
            o.entrada = a;
            continue;
        }
        std::string valor;
        const size_t igual = a.find('=');
        if (a.rfind("--", 0) == 0 && igual != std::string::npos) {
            valor = a.substr(igual + 1);
            a = a.substr(0, igual);
        } else {
            if (i + 1 >= argc) throw ErrorUso("Falta el valor de " + a + ".");
            valor = argv[++i];
        }
        if (o.orden == "lote" || o.orden == "catalogo") {
            if (a != "--formato" && a != "--base-datos" && a != "--fecha" && !(o.orden == "lote" && a == "--salida"))
                throw ErrorUso("La orden " + o.orden + " no lleva la opción " + a + ".");
        } else if ((a == "--edad-inicial" || a == "--edad-final") && o.orden != "tarifa") {
            throw ErrorUso("La opción " + a + " es de la orden tarifa.");
        }
        if (auto t = textos.find(a); t != textos.end()) {
            p.*(t->second) = valor;
        } else if (a == "--linea") {
            p.lineas.push_back(LeerLinea(valor));
        } else if (a == "--riesgo-selecto") {
            auto b = LeerSiNo(valor);
            if (!b) throw ErrorUso("--riesgo-selecto es si o no.");
            p.riesgoSelecto = *b;
        } else if (a == "--abrir") {
            p.abrir = valor;
        } else if (a == "--guardar") {
            p.guardar = valor;
        } else if (a == "--formato") {
            o.formato = LeerFormato(valor);
            o.formatoDado = true;
        } else if (a == "--base-datos") {
            o.baseDatos = valor;
        } else if (a == "--pdf") {
            if (o.orden != "cotizar" && o.orden != "tarifa") throw ErrorUso("La opción --pdf es de las órdenes cotizar y tarifa.");
            if (valor.empty()) throw ErrorUso("Falta el nombre del archivo de --pdf.");
            o.pdf = valor;
        } else if (a == "--salida") {
            o.salida = valor;
        } else if (a == "--fecha") {
            auto f = cv::LeerFecha(valor);
            if (!f) throw ErrorUso("La fecha \"" + valor + "\" no es una fecha dd/mm/aaaa.");
            o.fecha = *f;
        } else {
            throw ErrorUso("No existe la opción " + a + " (cotizador-cli " + o.orden + " --help).");
        }
    }
    if (o.orden == "lote" && !o.formatoDado) o.formato = Formato::Csv;
    if (o.orden == "lote" && o.formato == Formato::Texto) throw ErrorUso("El lote escribe csv o json.");
    return o;
}

void Ayuda(const std::string& orden) {
    if (orden == "cotizar")
        std::cout << kAyudaCotizar << kAyudaDatos;
    else if (orden == "tarifa")
        std::cout << kAyudaTarifa << kAyudaDatos;
    else if (orden == "catalogo")
        std::cout << kAyudaCatalogo;
    else if (orden == "lote")
        std::cout << kAyudaLote;
    else
        std::cout << kAyudaGeneral;
}

// Messages of the print commands go to standard error.
class MensajesError : public cv::app::Interaccion {
public:
    void MostrarMensaje(const cv::app::Mensaje& m) override { std::cerr << m.texto << "\n"; }
    void MostrarAportaciones(cv::app::FrmAportaciones&) override {}
    void MostrarEdadPadreTutor(cv::app::FrmEdad&) override {}
};

// The printed proposal or tariff sheet into the PDF file. The command line has no login: no
// usage record is written.
bool EscribirPdf(Conductor& c, const Opciones& o, const cv::Fecha& hoy) {
    cv::render::SinPantalla qt;
    MensajesError ui;
    auto destino = cv::render::EnArchivoPdf(o.pdf);
    const cv::EstadoMotor& e = c.Corrida().Motor().Estado();
    cv::salida::ResultadoImpresion r;
    if (o.orden == "cotizar") {
        cv::salida::FrmEstudio estudio = c.Estudio();
        estudio.chkImpresionDescripcion.marcada = o.descripciones;
        estudio.ChckImprimeProrrogado.marcada = o.garantizados;
        r = cv::salida::ImprimirPropuesta(ui, destino, estudio, c.Ventana(), e, c.Corrida().montos, hoy, nullptr);
    } else {
        r = cv::salida::ImprimirTarifas(ui, destino, c.Hoja(), c.Ventana(), e, hoy);
    }
    return r == cv::salida::ResultadoImpresion::Completa;
}

int Lote(Conductor& c, const Opciones& o) {
    std::ifstream archivo;
    std::istream* entrada = &std::cin;
    if (!o.entrada.empty() && o.entrada != "-") {
        archivo.open(o.entrada, std::ios::binary);
        if (!archivo) {
            std::cerr << "No se puede leer el lote " << o.entrada.string() << ".\n";
            return kSalidaError;
        }
        entrada = &archivo;
    }
    // Results go beside the target and are renamed over it only when the batch ends.
    std::ofstream archivoSalida;
    fs::path temporal;
    std::ostream* salida = &std::cout;
    if (!o.salida.empty()) {
        temporal = o.salida;
        temporal += ".tmp";
        archivoSalida.open(temporal, std::ios::binary | std::ios::trunc);
        if (!archivoSalida) {
            std::cerr << "No se puede escribir " << o.salida.string() << ".\n";
            return kSalidaError;
        }
        salida = &archivoSalida;
    }
    const bool terminal = isatty(STDERR_FILENO);
    const auto inicio = std::chrono::steady_clock::now();
    auto segundos = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count(); };
    auto avance = [&](const TotalesLote& t) {
        std::fprintf(stderr, "%slote: %ld cotizaciones (%ld correctas, %ld rechazadas, %ld con error), %.1f s%s",
                     terminal ? "\r" : "", t.filas, t.correctas, t.rechazadas, t.errores, segundos(), terminal ? "" : "\n");
    };
    const long cada = terminal ? 500 : 10000;
    const TotalesLote t = EjecutarLote(c, *entrada, *salida, o.formato, avance, cada);
    if ((t.filas >= 1000 || terminal) && (terminal || t.filas % cada != 0)) {
        avance(t);
        if (terminal) std::fputc('\n', stderr);
    }
    if (!o.salida.empty()) {
        archivoSalida.close();
        std::error_code ec;
        if (!archivoSalida || (fs::rename(temporal, o.salida, ec), ec)) {
            fs::remove(temporal, ec);
            std::cerr << "No se pudo escribir " << o.salida.string() << ".\n";
            return kSalidaError;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    Opciones o;
    try {
        o = LeerOpciones(argc, argv);
    } catch (const ErrorUso& e) {
        std::cerr << e.what() << "\n";
        return kSalidaUso;
    }
    if (o.ayuda) {
        Ayuda(o.orden);
        return 0;
    }
    const fs::path carpeta = cv::datos::CarpetaAplicacion();
    const cv::Fecha hoy = o.fecha.value_or(cv::Hoy());
    try {
        auto catalogo = AbrirCatalogo(o.baseDatos, carpeta);
        if (o.orden == "catalogo") {
            ImprimirCatalogo(catalogo, hoy, carpeta, o.formato, std::cout);
            return 0;
        }
        Conductor c(catalogo, hoy, carpeta);
        if (o.orden == "lote") return Lote(c, o);
        if (o.orden == "cotizar") {
            c.Cotizar(o.peticion);
            ImprimirCotizacion(c, o.formato, std::cout);
        } else {
            c.Tarifa(o.peticion);
            ImprimirTarifa(c, o.formato, std::cout);
        }
        std::cout.flush();
        if (!o.pdf.empty() && !EscribirPdf(c, o, hoy)) return kSalidaError;
        return std::cout ? 0 : kSalidaError;
    } catch (const Rechazo& e) {
        for (const auto& m : e.mensajes) std::cerr << (m.titulo.empty() ? "" : m.titulo + ": ") << m.texto << "\n";
        return kSalidaRechazo;
    } catch (const ErrorUso& e) {
        std::cerr << e.what() << "\n";
        return kSalidaUso;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return kSalidaError;
    }
}
