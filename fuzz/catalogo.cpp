// Catalogue sources and the conditions asked of them: any CSV text becomes a table or is
// refused; every condition over its fields and values finds, filters and sorts without harm.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "data/criterio.h"
#include "data/csv.h"
#include "data/errores.h"
#include "data/tabla.h"

using namespace cv::datos;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    if (n < 2) return 0;
    const uint8_t control = datos[0];
    const std::string contenido(reinterpret_cast<const char*>(datos) + 1, n - 1);
    ArchivoCsv csv;
    try {
        csv = LeerCsv(contenido, "fuzz.csv");
    } catch (const ErrorBaseDatos&) {
        return 0;
    }
    auto tabla = std::make_shared<Tabla>("fuzz", csv.campos);
    for (auto& f : csv.filas) {
        try {
            tabla->AgregarFila(f);
        } catch (const ErrorBaseDatos&) {
            return 0;
        }
    }
    RecordSet rs(tabla);
    const size_t campos = csv.campos.size();
    if (campos == 0) return 0;
    const size_t campo = control % campos;
    const Operador op = static_cast<Operador>((control >> 3) % 6);
    Criterio c;
    // Values from the table itself (every type it holds) and one field name it lacks.
    for (size_t i = 0; i < csv.filas.size() && i < 3; ++i) c.Y(csv.campos[(campo + i) % campos], op, csv.filas[i][(campo + i) % campos]);
    if (control & 0x80) c.Y("no existe", Operador::Igual, Valor(1));
    try {
        if (rs.BuscarPrimero(c)) {
            for (size_t k = 0; k < rs.NumCampos(); ++k) (void)rs.Campo(k);
        } else if (rs.HayActual()) {
            __builtin_trap();  // no match leaves no current row
        }
        RecordSet f = rs.Filtrar(c, csv.campos[campo]);
        for (f.MoverPrimero(); !f.FinDeArchivo(); f.MoverSiguiente()) (void)f.Campo(csv.campos[campo]);
        rs.EstablecerIndice(csv.campos[campo]);
        if (!csv.filas.empty()) (void)rs.Buscar(csv.filas.back()[campo]);
        (void)c.Texto();
    } catch (const ErrorCatalogo&) {
    }
    return 0;
}
