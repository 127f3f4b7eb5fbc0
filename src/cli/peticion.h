#pragma once
// A quote as the command line receives it: the texts a person would type or choose in the main
// window, field by field. What is not given is left as the window (or the opened quote file)
// has it.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cv::cli {

struct PeticionLinea {
    std::string producto;                    // code ("1") or name as the product list shows it
    std::optional<std::string> pago;         // payment term, as the term list shows it
    std::optional<std::string> seguro;       // insurance term, when the product offers several
    std::optional<std::string> edadMenor;    // educational product: the child's age
    std::optional<std::string> edadAlcanzada;  // educational product: "E.A. 22" or "22"
    std::optional<std::string> participacion;  // percent of the global sum; the window's "100" otherwise
    std::optional<std::string> incremento;     // percent, one of those the product offers
    std::vector<std::string> beneficios;       // riders by their short names: BIT, BPAI, MA, DI, TI, EG, BITF, CAF
};

struct Peticion {
    std::optional<std::filesystem::path> abrir;    // a quote file put on the window first
    std::optional<std::filesystem::path> guardar;  // the quote saved to this file once calculated

    std::optional<std::string> nombre, edad, fechaNacimiento, sexo, fuma;
    std::optional<std::string> moneda, formaPago, sumaAsegurada, primaGlobal;
    std::optional<std::string> numeroAgente, agente;
    // The management fields, hidden from agents.
    std::optional<bool> riesgoSelecto;
    std::optional<std::string> extraprimaOcupacional, extraprimaMedica, tasaInteres, tipoIncremento;
    // "Aportaciones": number of contributions, amount, final fund.
    std::optional<std::string> aportaciones, montoAportacion, fondoFinal;
    std::optional<std::string> edadTutor;  // "Edad del Padre o Tutor"
    // Tariff range.
    std::optional<std::string> edadInicial, edadFinal;

    std::vector<PeticionLinea> lineas;
};

}  // namespace cv::cli

namespace cv::cli {

// Riders written as "BIT+MA", "BIT MA" or "BIT;MA".
std::vector<std::string> ListaBeneficios(const std::string& texto);

// A line written as "producto=1,pago=20,seguro=20,participacion=60,incremento=5,
// beneficios=BIT+MA,edad_menor=5,edad_alcanzada=22"; a first entry without "=" is the product.
// Throws ErrorUso (conductor.h) for an unknown key.
PeticionLinea LeerLinea(const std::string& texto);

// "si"/"no" and their usual spellings; nothing for anything else.
std::optional<bool> LeerSiNo(const std::string& texto);

}  // namespace cv::cli
