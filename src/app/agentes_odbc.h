#pragma once
// The agent system of the login window and the usage log, over ODBC.
#include <filesystem>
#include <string>

#include "app/usuario.h"
#include "data/agentes.h"

namespace cv::app {

class SistemaAgentesOdbc : public SistemaAgentes {
public:
    // `archivoPendientes`: the local file of usage records waiting for the agent system
    // (datos::RutaUsosPendientes() for this user's).
    explicit SistemaAgentesOdbc(std::filesystem::path archivoPendientes,
                                std::string cadenaConexion = datos::kCadenaConexionAgentes)
        : agentes(std::move(archivoPendientes), std::move(cadenaConexion)) {}

    void Conectar() override { agentes.Conectar(); }
    std::optional<FilaUsuario> BuscarUsuario(const std::string& nombre) override { return agentes.BuscarUsuario(nombre); }
    void RegistrarUso(const RegistroUso& registro) override { agentes.RegistrarUso(registro); }

    datos::AgentesOdbc agentes;
};

}  // namespace cv::app
