#include "apoyo_documentos.h"

namespace prueba_documentos {

size_t MedidorFalso::Caracteres(std::string_view texto) {
    size_t n = 0;
    for (unsigned char c : texto)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

double MedidorFalso::Ancho(const Fuente& f, std::string_view texto) {
    return static_cast<double>(Caracteres(texto)) * f.tamano * (f.negrita ? 12 : 10);
}

Cotizacion::Cotizacion() : w(ui, proceso, "."), estado(std::make_unique<EstadoMotor>()), e(*estado) {
    e.NombrePlan = "Dotal Veralta";
    e.Moneda = "Pesos";
    w.comMoneda.texto = "Pesos";
    w.txtNombre.texto = "ANA LOPEZ";
    w.txtProducto.texto = "15";
    w.lblProducto.texto = "Dotal Veralta";
    w.txtNumAge.texto = "1207";
    w.txtAgente.texto = "CARLOS PEREZ";
    w.dbcPago.texto = "20";
    w.comSexo.MostrarTexto("Femenino");
    w.comFuma.texto = "No";
    w.comFormaPago.texto = "Anual";
    estudio.txtEdad.texto = "35";
    estudio.txtEdadCalculo.texto = "32";
    montos.PagoAnual = Currency::DesdeDouble(12345.5);
    montos.PagoAnualNeto = Currency::DesdeDouble(12000.1);
    montos.PagoMensual = Currency::DesdeDouble(1100.25);
    montos.PagoMensualNeto = Currency::DesdeDouble(1000.2);
    Linea(1, 1000000);
    Anos(20);
}

void Cotizacion::Linea(size_t linea, double suma, int beneficios) {
    e.SumaAseguradaMostrada[linea] = suma;
    e.TipoPlanLinea[linea] = " Dotal";
    e.PlazoSeguroMostrado[linea] = 20;
    e.PlazoPagoMostrado[linea] = 20;
    e.IncrementoMostrado[linea] = 0.05f;
    e.PrimaLineaPrimerAno[linea] = 45678.4;
    for (int n = 1; n <= beneficios; ++n) {
        const size_t i = static_cast<size_t>(n);
        e.NombreBeneficio[i][linea] = "Ben" + std::to_string(linea) + "." + std::to_string(n);
        e.SumaBeneficio[i][linea] = suma;
        e.PlazoSeguroBeneficio[i][linea] = 15;
        e.PlazoPagoBeneficio[i][linea] = 15;
        e.PrimaBeneficioMostrada[i][linea] = 100.0 * n;
    }
}

void Cotizacion::Anos(int maxAnos) {
    e.MaxAnosIlustrar = static_cast<int16_t>(maxAnos);
    for (size_t k = 1; k <= static_cast<size_t>(maxAnos); ++k) {
        e.ProteccionTotal[k] = 1000000;
        e.PrimaAnualizada[k] = 52753.68;
        e.ValorRescate[k] = Currency::DesdeDouble(1000.0 * static_cast<double>(k));
        e.AnosProrrogado[k] = 7;
        e.SeguroSaldado[k] = 5000;
    }
}

std::vector<Texto> En(const Documento& d, int pagina, double x) {
    std::vector<Texto> r;
    for (const Texto& t : d.Textos(pagina))
        if (t.referencia == x) r.push_back(t);
    return r;
}

std::optional<Texto> Buscar(const Documento& d, int pagina, const std::string& texto) {
    for (const Texto& t : d.Textos(pagina))
        if (t.texto == texto) return t;
    return std::nullopt;
}

}  // namespace prueba_documentos
