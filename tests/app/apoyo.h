#pragma once
// Support for the window-model tests: a scripted interaction that records every message and
// plays the two modal dialogs, a throw-away application folder, and a loaded main window
// driven as a person would drive it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/cotizador.h"
#include "app/dialogos.h"
#include "app/interaccion.h"
#include "app/proceso.h"
#include "app/usuario.h"
#include "core/fechas.h"

namespace cv::app {
void PrintTo(const Mensaje& m, std::ostream* os);
}  // namespace cv::app

namespace prueba_app {

using namespace cv::app;
using cv::Fecha;

inline constexpr Fecha kHoy{2025, 6, 15};

using Mensajes = std::vector<Mensaje>;

inline Mensaje Validacion(std::string texto) { return Informacion(std::move(texto), "Validación"); }
inline const std::string kEdad18a55 = "La Edad Minima para contratar este Beneficio es de 18 años y la Máxima es de 55";
inline const std::string kEdad15a65 = "La Edad Minima para contratar este Beneficio es de 15 años y la Máxima es de 65";

// Answers the window as a person at the screen: every message box is read and closed, the
// dialogs are played by the steps set here.
class Guion : public Interaccion {
public:
    Mensajes mensajes;

    // "Aportaciones": what the person does while it is open.
    std::function<void(FrmAportaciones&)> enAportaciones;

    // "Edad del Padre o Tutor": the age typed, then "Listo" when it is enabled, else the
    // close box.
    std::string edadTutor = "40";
    int vecesEdadTutor = 0;

    void MostrarMensaje(const Mensaje& m) override { mensajes.push_back(m); }
    void MostrarAportaciones(FrmAportaciones& d) override;
    void MostrarEdadPadreTutor(FrmEdad& d) override;
};

// The agent system: accounts by exact name, the usage records taken, or a data source that
// cannot be opened.
class AgentesFalsos : public SistemaAgentes {
public:
    std::map<std::string, FilaUsuario> cuentas;
    bool sinConexion = false;
    ErrorSistemaAgentes::Causa causaSinConexion = ErrorSistemaAgentes::Causa::Otra;
    std::vector<std::string> consultas;
    std::vector<RegistroUso> registros;

    void Conectar() override {
        if (sinConexion) throw ErrorSistemaAgentes("IM002 Data source name not found", causaSinConexion);
    }
    std::optional<FilaUsuario> BuscarUsuario(const std::string& nombre) override {
        consultas.push_back(nombre);
        auto it = cuentas.find(nombre);
        if (it == cuentas.end()) return std::nullopt;
        return it->second;
    }
    void RegistrarUso(const RegistroUso& r) override {
        if (sinConexion) throw ErrorSistemaAgentes("el registro de uso quedó pendiente: sin conexión");
        registros.push_back(r);
    }
};

// A folder of its own, removed afterwards; with the sample database copied in under `nombre`.
class Carpeta {
public:
    explicit Carpeta(const char* nombreBase);
    ~Carpeta();
    Carpeta(const Carpeta&) = delete;
    Carpeta& operator=(const Carpeta&) = delete;
    const std::filesystem::path& Ruta() const { return ruta_; }

private:
    std::filesystem::path ruta_;
};

// The main window after start-up, with the sample database or none.
class Sesion {
public:
    explicit Sesion(const char* nombreBase = "031208.svi", Fecha hoy = kHoy);

    Carpeta carpeta;
    Guion guion;
    EstadoProceso proceso;
    FrmCotizador w;

    // Name typed and left.
    void Nombre(const std::string& nombre);
    // Age typed one text at a time ("7", "70", ...) and, when `salir`, left.
    void Edad(const std::vector<std::string>& textos, bool salir = true);
    void Edad(const std::string& texto) { Edad(std::vector<std::string>{texto}); }
    // Birth date typed and left, the focus going on to `siguiente`.
    void FechaNacimiento(const std::string& texto, const std::string& siguiente = "comSexo");

    void Moneda(const std::string& moneda);
    // The product of a code picked from the list (the currency chosen first when it differs):
    // list text changed, list clicked, list left.
    void Producto(const std::string& codigo);
    void ProductoPorNombre(const std::string& nombre);
    // Payment term typed, list clicked, list left.
    void Pago(const std::string& texto);
    // The participation field left: the plan is classified.
    void SalirParticipacion();

    // A rider box toggled by the person, then its rules.
    void Alternar(Casilla& caja, void (FrmCotizador::*regla)());

    std::string NombreProducto(const std::string& codigo) const;
    std::string MonedaProducto(const std::string& codigo) const;
};

}  // namespace prueba_app
