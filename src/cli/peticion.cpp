#include "cli/peticion.h"

#include "cli/conductor.h"
#include "core/texto.h"

namespace cv::cli {

std::vector<std::string> ListaBeneficios(const std::string& texto) {
    std::vector<std::string> r;
    std::string actual;
    for (char c : texto + "+") {
        if (c == '+' || c == ';' || c == ' ' || c == '\t') {
            if (!actual.empty()) r.push_back(actual);
            actual.clear();
        } else {
            actual += c;
        }
    }
    return r;
}

PeticionLinea LeerLinea(const std::string& texto) {
    PeticionLinea l;
    size_t inicio = 0;
    bool primera = true;
    while (inicio <= texto.size()) {
        size_t fin = texto.find(',', inicio);
        if (fin == std::string::npos) fin = texto.size();
        const std::string parte = Recortar(texto.substr(inicio, fin - inicio));
        inicio = fin + 1;
        if (parte.empty()) continue;
        const size_t igual = parte.find('=');
        if (igual == std::string::npos) {
            if (!primera) throw ErrorUso("En la línea \"" + texto + "\" falta \"=\" en \"" + parte + "\".");
            l.producto = parte;
            primera = false;
            continue;
        }
        primera = false;
        const std::string clave = Recortar(parte.substr(0, igual)), valor = Recortar(parte.substr(igual + 1));
        if (clave == "producto")
            l.producto = valor;
        else if (clave == "pago" || clave == "plazo_pago")
            l.pago = valor;
        else if (clave == "seguro" || clave == "plazo_seguro")
            l.seguro = valor;
        else if (clave == "participacion")
            l.participacion = valor;
        else if (clave == "incremento")
            l.incremento = valor;
        else if (clave == "beneficios")
            l.beneficios = ListaBeneficios(valor);
        else if (clave == "edad_menor")
            l.edadMenor = valor;
        else if (clave == "edad_alcanzada")
            l.edadAlcanzada = valor;
        else
            throw ErrorUso("La línea \"" + texto + "\" tiene una clave desconocida: \"" + clave + "\".");
    }
    if (l.producto.empty()) throw ErrorUso("La línea \"" + texto + "\" no dice el producto.");
    return l;
}

std::optional<bool> LeerSiNo(const std::string& texto) {
    const std::string t = Mayusculas(Recortar(texto));
    if (t == "SI" || t == "SÍ" || t == "S" || t == "1" || t == "VERDADERO") return true;
    if (t == "NO" || t == "N" || t == "0" || t == "FALSO") return false;
    return std::nullopt;
}

}  // namespace cv::cli
