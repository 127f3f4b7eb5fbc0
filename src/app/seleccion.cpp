// Product and plan selection on the line editor: currency, product, terms, plan kind,
// increments and the educational product's terms from the child's age.
#include <cmath>

#include "app/cotizador.h"
#include "core/errores.h"
#include "core/formato.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv::app {

namespace {

double Valor(const std::string& t) { return ValorNumericoSeguro(t, 1e300); }

}  // namespace

double FrmCotizador::CodigoProducto() const { return Valor(txtProducto.texto); }

void FrmCotizador::Habilitar(std::initializer_list<Control*> controles, bool habilitado) {
    for (Control* c : controles) c->habilitado = habilitado;
}

void FrmCotizador::FijarProducto(const std::string& codigo) {
    if (txtProducto.texto == codigo) return;
    txtProducto.texto = codigo;
    txtProducto_Change();
}

void FrmCotizador::FijarTextoProducto(const std::string& nombre) {
    if (dbcProducto.texto == nombre) return;
    dbcProducto.MostrarTexto(nombre);
    dbcProducto_Change();
}

void FrmCotizador::FijarPago(const std::string& texto) {
    if (dbcPago.texto == texto) return;
    dbcPago.MostrarTexto(texto);
    dbcPago_Change();
}

void FrmCotizador::FijarPlazo(const std::string& texto) {
    if (dbcPlazo.texto == texto) return;
    dbcPlazo.MostrarTexto(texto);
    dbcPlazo_Change();
}

void FrmCotizador::FijarEdadMenor(const std::string& texto) {
    if (txtedad_menor.texto == texto) return;
    txtedad_menor.texto = texto;
    txtedad_menor_Change();
}

// ---------------------------------------------------------------- currency and product

void FrmCotizador::comMoneda_Click() {
    FijarTextoProducto("");
    FijarProducto("");
    if (catalogo_) {
        catalogo_->ProductosDeMoneda(comMoneda.texto == "Pesos" ? "Pesos" : "Dólares");
        dbcProducto.Limpiar();
        for (auto& p = catalogo_->datProductos; !p.FinDeArchivo(); p.MoverSiguiente())
            dbcProducto.Agregar(p.Campo("Nombre").ComoTexto());
        catalogo_->datProductos.MoverPrimero();
    }
    dbcProducto.habilitado = true;
    Habilitar({&chkbit, &chkbpai, &chkma, &chkdi, &chkti, &chkenfgr, &Chkbitf, &Chkcat}, true);
}

void FrmCotizador::comMoneda_Change() { dbcProducto.texto.clear(); }

void FrmCotizador::OcultarPanelPlan() {
    for (Panel* p : {&planTemporal, &planTemporalAnual, &planVitalicio, &planDotal})
        if (p->Visible()) {
            p->Mostrar(false);
            return;
        }
}

void FrmCotizador::dbcProducto_Change() {
    // Surrender values of a previous calculation are cleared by the engine's own run.
    ReiniciarEditor();
    RefrescarEducacional();
    DesmarcarBeneficios();
    OcultarPanelPlan();
    OcultarPanelBeneficios();

    dbcPago.visible = dbcPlazo.visible = true;
    txtPago.visible = txtPlazo.visible = false;
    fEducacionalVeralta.visible = false;

    bool encontrado = false;
    if (catalogo_) {
        datos::RecordSet& p = catalogo_->datProductos;
        encontrado = p.BuscarPrimero(datos::Igual("Nombre", datos::Valor(dbcProducto.texto)));
        if (encontrado) {
            FijarProducto(p.Campo("Id").ComoTexto());
            txtParticipacion.texto = "100";
        }
    }
    if (!encontrado) {
        lblProducto.texto.clear();
        DeshabilitarEditor();
        dbcProducto.habilitado = dbcPlazo.habilitado = true;
    } else {
        const double n = CodigoProducto();
        if (n == 1 || n == 2) planTemporal.Mostrar(true);
        if (n == 7 || n == 10) planTemporalAnual.Mostrar(true);
        if (n == 11 || n == 12) planVitalicio.Mostrar(true);
        if (n == 15 || n == 25) planDotal.Mostrar(true);
        if (n == 1 || n == 2 || n == 7 || n == 10 || n == 11 || n == 12 || n == 15 || n == 25)
            Habilitar({&Chkbitf, &Chkcat, &lblbitf, &lblcaf}, false);
        if (n == 6) {
            if (ValorEdad() > 18) {
                fEducacionalVeralta.visible = fEducacionalVeralta.habilitado = true;
                Habilitar({&txtedad_menor, &List1, &lblProductoEducacional, &lblEdadMenor}, true);
                lblProductoEducacional.visible = lblEdadMenor.visible = true;
                Habilitar({&Chkbitf, &Chkcat, &lblbitf, &lblcaf}, false);
                Habilitar({&chkbpai, &chkbit, &lblbpai, &lblbit}, true);
                // Nothing is ticked after a product change: no accident rider excludes another.
                Habilitar({&chkma, &chkdi, &chkti, &lblma, &lbldi, &lblti}, true);
                Habilitar({&chkenfgr, &lblenfgr}, false);
                txtPago.visible = txtPlazo.visible = true;
                txtPago.habilitado = txtPlazo.habilitado = false;
                txtedad_menor.habilitado = true;
            } else {
                // The prospect is the child.
                FijarEdadMenor(txtEdad.texto);
                txtedad_menor.habilitado = false;
                Habilitar({&Chkbitf, &Chkcat, &lblbitf, &lblcaf}, true);
                Habilitar({&chkdi, &chkti, &chkma, &chkenfgr, &chkbit, &chkbpai, &lbldi, &lblti, &lblma, &lblenfgr,
                           &lblbit, &lblbpai},
                          false);
                ReiniciarEditor();
                fEducacionalVeralta.visible = fEducacionalVeralta.habilitado = true;
                chkDotal.marcada = true;
                Habilitar({&txtParticipacion, &comIncremento}, false);
                dbcPago.habilitado = dbcPlazo.habilitado = false;
                dbcPago.visible = dbcPlazo.visible = false;
                txtPago.texto.clear();
                txtPlazo.texto.clear();
                txtPago.visible = txtPlazo.visible = true;
                txtPago.habilitado = txtPlazo.habilitado = false;
                chkEdad.marcada = chkOrdinario.marcada = false;
            }
        }
        if (n == 26) {
            habbenef();
            txtParticipacion.habilitado = false;
            Habilitar({&Chkbitf, &Chkcat, &lblbitf, &lblcaf}, false);
        }
    }
    // The child's age is open to typing, except when the prospect is the child.
    if (!(CodigoProducto() == 6 && ValorEdad() <= 18)) txtedad_menor.habilitado = true;
    butGenerar.habilitado = false;
}

void FrmCotizador::dbcProducto_Click() { dbcPago.habilitado = true; }

void FrmCotizador::dbcProducto_LostFocus() {
    ReiniciarEditor();
    RefrescarEducacional();
    dbcPlazo.habilitado = true;
    const double c = CodigoProducto();
    if (c >= 7 && c <= 10) {
        Habilitar({&chkbit, &chkbpai, &chkma, &chkdi, &chkti, &chkenfgr, &Chkbitf, &Chkcat, &lblbit, &lblbpai, &lblma,
                   &lbldi, &lblti, &lblenfgr, &lblbitf, &lblcaf},
                  false);
        Habilitar({&chkma, &chkdi, &chkti, &lblma, &lbldi, &lblti}, true);
    } else if (c != 6) {
        habbenef();
    }
}

void FrmCotizador::txtProducto_Change() {
    bool encontrado = false;
    if (catalogo_) {
        datos::RecordSet& p = catalogo_->datProductos;
        encontrado = p.BuscarPrimero(datos::Igual("Id", datos::Valor(txtProducto.texto)));
        if (encontrado) {
            lblProducto.texto = p.Campo("Nombre").ComoTexto();
            dbcProducto.MostrarTexto(lblProducto.texto);  // the list follows the label, no event
            txtParticipacion.texto = "100";
        }
        catalogo_->PlazosDeProducto(txtProducto.texto);
        dbcPago.Limpiar();
        dbcPlazo.Limpiar();
        for (auto& t = catalogo_->datPlazoProducto; !t.FinDeArchivo(); t.MoverSiguiente()) {
            dbcPago.Agregar(t.Campo("PlazoPago").ComoTexto());
            dbcPlazo.Agregar(t.Campo("PlazoSeguro").ComoTexto());
        }
        catalogo_->datPlazoProducto.MoverPrimero();
    }
    if (!encontrado) {
        lblProducto.texto.clear();
        DeshabilitarEditor();
        dbcProducto.habilitado = dbcPlazo.habilitado = true;
    }
    butGenerar.habilitado = false;
}

void FrmCotizador::txtProducto_LostFocus() {
    ReiniciarEditor();
    RefrescarEducacional();
}

void FrmCotizador::ReiniciarEditor() {
    chkOrdinario.marcada = chkEdad.marcada = chkDotal.marcada = false;
    if (Recortar(txtProducto.texto) == "6") {
        txtPago.texto = " ";
        txtPlazo.texto = " ";
        txtPlazo_Change();
    } else {
        FijarPago(" ");
        FijarPlazo(" ");
    }
    comPlan.Limpiar();
    comPlan.texto.clear();
    comIncremento.texto = " ";
    FijarEdadMenor("");
    txtParticipacion.texto.clear();
    List1.Limpiar();
    List1.habilitado = false;
}

void FrmCotizador::DeshabilitarEditor() {
    Habilitar({&txtProducto, &comPlan, &txtParticipacion, &comIncremento, &dbcPago, &dbcPlazo, &List1, &txtedad_menor},
              false);
    dbcProducto.habilitado = true;
}

void FrmCotizador::RefrescarEducacional() {
    if (!EsNumerico(txtProducto.texto)) return;
    const double c = CodigoProducto();
    auto participacion100 = [&] {
        if (!(Valor(txtParticipacion.texto) > 0)) txtParticipacion.texto = "100";
    };
    if (c == 6) {
        fEducacionalVeralta.habilitado = true;
        comPlan.MostrarTexto("Dotal");
        comPlan.habilitado = false;
        lblParticipacion.habilitado = true;
        txtParticipacion.habilitado = false;
        participacion100();
        Habilitar({&comIncremento, &dbcPago, &dbcPlazo, &lblPlazoSeguro, &lblPlazoPago, &lblEdadInicialCaption,
                   &lblInteresFondo},
                  false);
        Habilitar({&txtedad_menor, &List1}, true);
        if (ValorEdad() >= 18) {
            FijarEdadMenor("");
            txtedad_menor.habilitado = true;
        } else {
            FijarEdadMenor(txtEdad.texto);
            txtedad_menor.habilitado = false;
        }
    } else {
        lblParticipacion.habilitado = true;
        txtParticipacion.habilitado = c != 26;
        participacion100();
        Habilitar({&lblEdadInicialCaption, &lblInteresFondo, &lblPlazoSeguro, &lblPlazoPago, &dbcPago, &dbcPlazo}, true);
        Habilitar({&comIncremento, &txtedad_menor}, false);
        List1.Limpiar();
        List1.habilitado = false;
    }
}

// ---------------------------------------------------------------- terms and increments

void FrmCotizador::dbcPago_Change() {
    const std::string codigo = Recortar(txtProducto.texto);
    const std::string pago = Recortar(dbcPago.texto);
    if (!codigo.empty() && codigo != "6") {
        if (!pago.empty()) {
            // A term that is not a whole number is not one of the product's terms.
            bool hay = false;
            int16_t plazo = 0;
            if (EsNumerico(pago)) {
                try {
                    plazo = AEntero(ValorNumerico(pago));
                    hay = true;
                } catch (const ErrorDesbordamiento&) {
                }
            }
            bool coincide = false;
            if (hay && catalogo_) {
                datos::RecordSet& t = catalogo_->datPlazoProducto;
                for (t.MoverPrimero(); !t.FinDeArchivo() && !coincide; t.MoverSiguiente())
                    coincide = t.Campo("PlazoPago").ComoDouble() == plazo;
            }
            if (!coincide) {
                MostrarMensaje(Simple("el plazo no corresponde al producto"));
                FijarPago(" ");
                if (catalogo_) catalogo_->datPlazoProducto.MoverPrimero();
                return;
            }
            datos::RecordSet& t = catalogo_->datPlazoProducto;
            datos::Criterio c = datos::Igual("plazoPago", datos::Valor(plazo));
            c.Y("Id", datos::Operador::Igual, datos::Valor(std::to_string(AEntero(CodigoProducto()))));
            if (t.BuscarPrimero(c)) FijarPlazo(t.Campo("PlazoSeguro").ComoTexto());
        }
    } else {
        FijarPlazo(dbcPago.texto);
    }
    if (txtEdadFinal.visible) {
        const std::string seguro = Recortar(dbcPlazo.texto);
        txtEdadFinal.texto = seguro == "60" ? "55" : (seguro == "65" ? "60" : "70");
    }
    butGenerar.habilitado = false;
}

void FrmCotizador::dbcPago_Click() { comIncremento.habilitado = lblIncremento.habilitado = true; }

void FrmCotizador::dbcPago_LostFocus() {
    const std::string pago = Recortar(dbcPago.texto), codigo = Recortar(txtProducto.texto), seguro = Recortar(dbcPlazo.texto);
    auto ofrecer = [&](std::vector<std::string> incrementos) {
        comIncremento.elementos = std::move(incrementos);
        comIncremento.seleccion = -1;
    };
    auto ninguno = [&] {
        comIncremento.Limpiar();
        comIncremento.habilitado = lblIncremento.habilitado = false;
    };
    if (pago.empty() && codigo.empty()) {
        ninguno();
        foco = "dbcProducto";
    } else if (pago == "20" && codigo == "1") {
        ofrecer({"5", "10", "20", "30"});
    } else if (pago == "1" && codigo == "7") {
        ofrecer({"10", "20", "30"});
    } else if (seguro == "99" && codigo == "11") {
        ofrecer({"5", "10", "20", "30"});
    } else if ((pago == "10" || pago == "15" || pago == "20") && codigo == "15") {
        ofrecer({"5", "10", "20", "30"});
    } else {
        ninguno();
    }
}

void FrmCotizador::dbcPlazo_Change() { butGenerar.habilitado = false; }
void FrmCotizador::comIncremento_Change() { butGenerar.habilitado = false; }
void FrmCotizador::txtPlazo_Change() { butGenerar.habilitado = false; }

void FrmCotizador::txtParticipacion_LostFocus() {
    if (CambioParticipacion) CambioParticipacion(false);
    ClasificarPlan();
}

void FrmCotizador::txtParticipacion_Click() {
    if (CambioParticipacion) CambioParticipacion(true);
    ClasificarPlan();
    butGenerar.habilitado = false;
}

void FrmCotizador::ClasificarPlan() {
    const std::string codigo = Recortar(txtProducto.texto);
    const std::string& seguroTexto = codigo == "6" ? txtPlazo.texto : dbcPlazo.texto;
    if (codigo.empty()) {
        // Without a product there is no plan to classify.
        if (seguroTexto == " ") foco = "txtNombre";
        return;
    }
    if (seguroTexto == " ") {
        MostrarMensaje(Simple("Falta Selecionar el Plazo"));
        foco = "txtNombre";
        return;
    }
    const ClasePlan k = ClasificarPlanDe(CodigoProducto(), Valor(seguroTexto));
    if (!k.clasificado) return;
    if (k.plan) comPlan.MostrarTexto(k.plan);
    chkOrdinario.marcada = k.ordinario;
    chkEdad.marcada = k.edadAlcanzada;
    chkDotal.marcada = k.dotal;
}

ClasePlan ClasificarPlanDe(double c, double t) {
    auto tipo = [](const char* plan, bool ordinario, bool edad, bool dotal) { return ClasePlan{plan, ordinario, edad, dotal, true}; };
    if (c == 1 && t < 60) return tipo("Temporal", false, false, false);
    if (c == 11 && (t == 20 || t == 99)) return tipo("Vitalicio", true, false, false);
    if (c == 1 && t >= 60) return tipo("Edad Alcanzada", false, true, false);
    if (c == 2 && t < 60) return tipo("Temporal", false, false, false);
    if (c == 12 && (t == 20 || t == 99)) return tipo("Vitalicio", true, false, false);
    if (c == 2 && t >= 60) return tipo("Edad Alcanzada", false, true, false);
    if ((c == 15 || c == 25) && t < 60) return tipo("Dotal", false, false, true);
    if ((c == 15 || c == 25) && t >= 60) return tipo("Dotal con Edad Alcanzada", false, true, true);
    if (c >= 7 && c <= 10 && c == std::floor(c)) return tipo(nullptr, false, false, false);
    if (c == 26 && t >= 60) return tipo("Dotal con Edad Alcanzada", false, true, true);
    if (c == 6) return tipo(nullptr, false, false, true);
    if (c == 16 && t < 60) return tipo("Temporal", false, false, false);
    return {};
}

// ---------------------------------------------------------------- educational product

void FrmCotizador::txtedad_menor_Change() {
    double a;
    try {
        a = AEntero(Valor(txtedad_menor.texto));
    } catch (const ErrorDesbordamiento&) {
        a = 99;
    }
    if (a == 0) a = 1;
    if (a == 18) a = 17;
    List1.Limpiar();
    List1.visible = List1.habilitado = true;
    if (a >= 1 && a <= 10)
        List1.elementos = {"E.A. 15", "E.A. 18", "E.A. 22"};
    else if (a >= 11 && a <= 13)
        List1.elementos = {"E.A. 18", "E.A. 22"};
    else if (a >= 14 && a <= 17)
        List1.elementos = {"E.A. 22"};
    else
        List1.habilitado = false;
    List1.seleccion = List1.elementos.empty() ? -1 : 0;
}

void FrmCotizador::List1_Click() {
    if (List1.seleccion < 0 || List1.seleccion >= static_cast<int>(List1.elementos.size())) return;
    const std::string& e = List1.elementos[static_cast<size_t>(List1.seleccion)];
    const double edadAlcanzada = Valor(e.size() >= 5 ? e.substr(4, 3) : "");
    const double plazo = edadAlcanzada - Valor(txtedad_menor.texto);
    const std::string texto = TextoNumero(plazo);
    txtPago.texto = texto;
    txtPlazo.texto = texto;
    txtPlazo_Change();
}

void FrmCotizador::txtEdadFinal_LostFocus() {
    const double final = Valor(txtEdadFinal.texto);
    const std::string seguro = Recortar(dbcPlazo.texto);
    if (final > 55 && seguro == "60")
        MostrarMensaje(Informacion("La edad no puede ser mayor a 55", "Edad Final"));
    else if (final > 60 && seguro == "65")
        MostrarMensaje(Informacion("La edad no puede ser mayor a 60", "Edad Final"));
}

}  // namespace cv::app
