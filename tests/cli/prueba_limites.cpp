// Ages, sums, shares and line counts at and beyond the bounds the checks name, through the
// program: each is calculated or refused with its message, never a crash or a wrong status.
#include <gtest/gtest.h>

#include <memory>

#include "apoyo_cli.h"
#include "data/catalogo.h"
#include "engine/catalogo_motor.h"
#include "engine/premium/calculo.h"

namespace prueba_cli {
namespace {

std::vector<std::string> Cotizacion(std::vector<std::string> mas) {
    std::vector<std::string> a = {"cotizar", "--nombre", "a", "--fuma", "no", "--numero-agente", "7", "--formato", "json"};
    a.insert(a.end(), mas.begin(), mas.end());
    return a;
}

TEST(Limites, EnYMasAllaDeCadaLimite) {
    struct Caso {
        std::vector<std::string> opciones;
        std::string mensaje;  // empty: calculated
    };
    const std::string edadMaxima = "La Edad Máxima de aceptación  es de 70 de años.";
    const std::vector<Caso> casos = {
        {{"--edad", "0", "--suma-asegurada", "1000000", "--linea", "1,pago=1"}, ""},
        {{"--edad", "15", "--suma-asegurada", "1000000", "--linea", "1,pago=20"}, ""},
        {{"--edad", "70", "--suma-asegurada", "1000000", "--linea", "1,pago=1"}, ""},
        {{"--edad", "71", "--suma-asegurada", "1000000", "--linea", "1,pago=1"}, edadMaxima},
        {{"--edad", "99", "--suma-asegurada", "1000000", "--linea", "1,pago=1"}, edadMaxima},
        {{"--edad", "100", "--suma-asegurada", "1000000", "--linea", "1,pago=1"}, edadMaxima},
        // The quote check takes an age that is not a positive number as 0.
        {{"--edad", "-1", "--suma-asegurada", "1000000", "--linea", "1,pago=1"}, ""},
        {{"--edad", "35", "--suma-asegurada", "0", "--linea", "1,pago=20"}, "Se requiere la Suma Asegurada Global o la Prima Global"},
        {{"--edad", "35", "--suma-asegurada", "-1000", "--linea", "1,pago=20"}, "Se requiere la Suma Asegurada Global o la Prima Global"},
        {{"--edad", "35", "--suma-asegurada", "0.01", "--linea", "1,pago=20"}, ""},
        // The largest sum money holds is calculated; one beyond it is refused.
        {{"--edad", "35", "--suma-asegurada", "922,337,203,685,477.00", "--linea", "1,pago=20,beneficios=BIT+MA"}, ""},
        {{"--edad", "35", "--suma-asegurada", "922,337,203,685,478.00", "--linea", "1,pago=20"}, "suma asegurada"},
        {{"--edad", "35", "--suma-asegurada", "1E300", "--linea", "1,pago=20"}, "suma asegurada"},
        {{"--edad", "35", "--prima-global", "1E300", "--linea", "1,pago=20"}, "prima global"},
        {{"--edad", "35", "--suma-asegurada", "1000000", "--linea", "1,pago=20,participacion=100.5"}, ""},
        {{"--edad", "35", "--suma-asegurada", "1000000", "--linea", "1,pago=20,participacion=0", "--linea",
          "15,pago=20,participacion=100"},
         "La participacion debe ser mayor a 0."},
        {{"--edad", "35", "--suma-asegurada", "1000000", "--linea", "1,pago=99"}, "el plazo no corresponde al producto"},
    };
    for (const Caso& c : casos) {
        std::string nombre;
        for (const auto& o : c.opciones) nombre += o + " ";
        SCOPED_TRACE(nombre);
        const Ejecucion e = Ejecutar(Cotizacion(c.opciones));
        if (c.mensaje.empty()) {
            ASSERT_EQ(e.estado, 0) << e.errores;
            const Json j = LeerJson(e.salida);
            EXPECT_GT(j["ilustracion"]["anos"].size(), 0u);
            EXPECT_GT(j["primas"]["filas"].size(), 0u);  // the results grid survives "&Generar"
            EXPECT_FALSE(j["primas"]["prima_neta"].texto().empty());
        } else {
            EXPECT_EQ(e.estado, 3) << e.errores;
            EXPECT_NE(e.errores.find(c.mensaje), std::string::npos) << e.errores;
            EXPECT_EQ(e.salida, "");
        }
    }
}

TEST(Limites, DiezLineasConTodosSusBeneficiosYNingunaMas) {
    std::vector<std::string> o = {"--edad", "35", "--suma-asegurada", "10,000,000.00"};
    for (int i = 0; i < 10; ++i) o.insert(o.end(), {"--linea", "1,pago=20,participacion=10,beneficios=BIT+BPAI+MA+EG"});
    const Ejecucion diez = Ejecutar(Cotizacion(o));
    ASSERT_EQ(diez.estado, 0) << diez.errores;
    const Json j = LeerJson(diez.salida);
    ASSERT_EQ(j["lineas"].size(), 10u);
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(j["lineas"][i]["beneficios"].size(), 4u);
    o.insert(o.end(), {"--linea", "15,pago=20,participacion=10"});
    const Ejecucion once = Ejecutar(Cotizacion(o));
    EXPECT_EQ(once.estado, 3);
    EXPECT_NE(once.errores.find("La cotización admite como máximo 10 planes"), std::string::npos) << once.errores;
}

}  // namespace
}  // namespace prueba_cli

namespace prueba_cli {
namespace {

// Below the window, whose rules never give a line all eight riders: the engine with every line
// and every rider slot filled. Ten identical lines must come out identical, slot by slot.
TEST(Limites, ElMotorConDiezLineasDeOchoBeneficios) {
    auto catalogo = std::make_shared<const cv::CatalogoMotor>(cv::datos::VincularCatalogo(CV_BASE_MUESTRA));
    cv::Calculo calc(catalogo);
    cv::EntradaCalculo in;
    in.txtEdad = "35";
    in.comFuma = "No";
    in.comMoneda = "Pesos";
    in.txtSumaAseguradaGlobal = "10,000,000.00";
    in.txtProducto = "3";
    in.dbcPlazo = "20";
    in.EdadPadreTutor = 40;
    in.lineas.resize(1);
    const char* ids[] = {"1", "2", "3", "4", "5", "7", "8", "9"};
    for (int k = 1; k <= 10; ++k) {
        cv::LineaCotizacion l;
        l.Producto = "3";
        l.PlazoSeguro = l.PlazoPago = 20;
        l.Participacion = 10;
        for (int s = 1; s <= 8; ++s) {
            l.Beneficio[s] = ids[s - 1];
            l.ParticipacionBeneficio[s] = 100;
        }
        in.lineas.push_back(l);
    }
    ASSERT_NO_THROW(calc.CalcularCotizacion(in));
    const cv::EstadoMotor& e = calc.Estado();
    EXPECT_EQ(e.NumLineas, 10);
    int conPrima = 0;
    for (int s = 1; s <= 8; ++s) {
        SCOPED_TRACE("casilla " + std::to_string(s));
        // Slot 1 (BIT) is a share of the basic premium, which on the first line carries the
        // policy expenses.
        for (int k = s == 1 ? 3 : 1; k <= 10; ++k)
            EXPECT_EQ(e.PrimaBeneficioMostrada[s][k], e.PrimaBeneficioMostrada[s][2]) << "línea " << k;
        EXPECT_GE(e.PrimaBeneficioMostrada[s][2], 0);
        conPrima += e.PrimaBeneficioMostrada[s][2] > 0;
    }
    EXPECT_GE(conPrima, 6);
    // The first line carries the policy expenses; every other adds the same premium.
    const cv::Currency segunda = e.PrimaAcumuladaLineas[2] - e.PrimaAcumuladaLineas[1];
    EXPECT_GT(segunda, cv::Currency());
    for (int k = 3; k <= 10; ++k) EXPECT_EQ(e.PrimaAcumuladaLineas[k] - e.PrimaAcumuladaLineas[k - 1], segunda) << "línea " << k;
    EXPECT_GT(e.PrimerRecibo, 0);
}

}  // namespace
}  // namespace prueba_cli
