#include "data/criterio.h"

namespace cv::datos {

std::string Criterio::Texto() const {
    static const char* const kOp[] = {" = ", " <> ", " < ", " <= ", " > ", " >= "};
    std::string t;
    for (const auto& c : condiciones_) {
        if (!t.empty()) t += " And ";
        t += c.campo;
        t += kOp[static_cast<int>(c.operador)];
        t += c.valor.EsTexto() ? "'" + c.valor.ComoTexto() + "'" : c.valor.ComoTexto();
    }
    return t;
}

}  // namespace cv::datos
