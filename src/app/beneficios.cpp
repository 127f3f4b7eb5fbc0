// Rider rules of the line editor: age limits, the riders that exclude each other, the parent's
// age for the riders of a minor, and the description panel.
#include "app/cotizador.h"
#include "core/errores.h"
#include "core/numeros.h"
#include "core/texto.h"

namespace cv::app {

void FrmCotizador::OcultarPanelBeneficios() {
    if (porAccidente.Visible()) {
        porAccidente.Mostrar(false);
    } else if (porEnfermedad.Visible()) {
        porEnfermedad.Mostrar(false);
    } else {
        lblBeneficiosAdicionales.visible = false;
        porInvalidez.Mostrar(false);
    }
}

void FrmCotizador::RefrescarPanelBeneficios() {
    if (chkbit.marcada || chkbpai.marcada) {
        lblBeneficiosAdicionales.visible = true;
        porInvalidez.Mostrar(true);
        porAccidente.Mostrar(false);
    } else if (chkma.marcada || chkdi.marcada || chkti.marcada) {
        lblBeneficiosAdicionales.visible = true;
        porAccidente.Mostrar(true);
        porInvalidez.Mostrar(false);
    } else if (!chkenfgr.marcada) {
        // nothing ticked: the panel stays as it is
    } else {
        lblBeneficiosAdicionales.visible = false;
        porInvalidez.Mostrar(false);
        porAccidente.Mostrar(false);
    }
}

void FrmCotizador::ActualizarPanel(Casilla& caja) {
    const bool t = caja.marcada;
    auto mostrar = [&](Panel& p) {
        lblBeneficiosAdicionales.visible = true;
        p.Mostrar(true);
    };
    if (&caja == &chkbpai || &caja == &chkbit) {
        if (t) {
            mostrar(porInvalidez);
            porAccidente.Mostrar(false);
        } else {
            porInvalidez.Mostrar(false);
            RefrescarPanelBeneficios();
        }
    } else if (&caja == &chkma || &caja == &chkdi || &caja == &chkti) {
        // Accidental death, double and triple indemnity exclude each other.
        if (&caja == &chkma)
            Habilitar({&chkdi, &chkti, &lbldi, &lblti}, !t);
        else if (&caja == &chkdi)
            Habilitar({&chkti, &chkma, &lblti, &lblma}, !t);
        else
            Habilitar({&chkdi, &chkma, &lbldi, &lblma}, !t);
        if (t) {
            mostrar(porAccidente);
            if (&caja == &chkdi) {
                porInvalidez.Mostrar(false);
            } else {
                porInvalidez.Mostrar(false);
                porEnfermedad.Mostrar(false);
            }
        } else {
            porAccidente.Mostrar(false);
            RefrescarPanelBeneficios();
        }
    } else if (&caja == &chkenfgr) {
        if (t) {
            mostrar(porEnfermedad);
            porInvalidez.Mostrar(false);
            porAccidente.Mostrar(false);
        } else {
            porEnfermedad.Mostrar(false);
            RefrescarPanelBeneficios();
        }
    }
}

void FrmCotizador::ReglaBeneficio(Casilla& caja, int minima, int maxima, bool edadPrimero, bool sigueSinProducto) {
    const bool sinProducto = Recortar(txtProducto.texto).empty();
    const bool sinEdad = Recortar(txtEdad.texto).empty();
    auto sinProductoMensaje = [&] {
        MostrarMensaje(Simple("Debe seleccionar primero un producto"));
        caja.marcada = false;
    };
    auto pedirEdad = [&] {
        MostrarMensaje(Simple("Ingrese la edad"));
        foco = "txtEdad";
        caja.marcada = false;
    };
    // A box just unticked has nothing to refuse; its panel and exclusions still follow.
    if (caja.marcada) {
        if (edadPrimero) {  // DI, TI, EG
            if (sinEdad) return pedirEdad();
            if (sinProducto) return sinProductoMensaje();
        } else if (sigueSinProducto) {  // MA: both messages may show
            if (sinProducto) sinProductoMensaje();
            if (sinEdad) return pedirEdad();
        } else {  // BIT, BPAI
            if (sinProducto) return sinProductoMensaje();
            if (sinEdad && &caja == &chkbit) return pedirEdad();
        }
    }
    if (&caja == &chkbpai && CodigoProducto() == 26) {
        ActualizarPanel(caja);
        butGenerar.habilitado = false;
        return;
    }
    // An age that is not a number is outside every limit.
    double edad;
    try {
        edad = EsNumerico(txtEdad.texto) ? ValorNumerico(txtEdad.texto) : -1;
    } catch (const ErrorDesbordamiento&) {
        edad = -1;
    }
    if (edad >= minima && edad <= maxima) {
        ActualizarPanel(caja);
        if (&caja != &chkti) butGenerar.habilitado = false;
        return;
    }
    if (!caja.marcada) return;
    MostrarMensaje(Informacion(minima == 18 ? "La Edad Minima para contratar este Beneficio es de 18 años y la Máxima es de 55"
                                            : "La Edad Minima para contratar este Beneficio es de 15 años y la Máxima es de 65",
                               "Validación"));
    caja.marcada = false;
}

void FrmCotizador::chkbit_Click() { ReglaBeneficio(chkbit, 18, 55, false, false); }
void FrmCotizador::chkbpai_Click() { ReglaBeneficio(chkbpai, 18, 55, false, false); }
void FrmCotizador::chkma_Click() { ReglaBeneficio(chkma, 15, 65, false, true); }
void FrmCotizador::chkdi_Click() { ReglaBeneficio(chkdi, 15, 65, true, false); }
void FrmCotizador::chkti_Click() { ReglaBeneficio(chkti, 15, 65, true, false); }
void FrmCotizador::chkenfgr_Click() { ReglaBeneficio(chkenfgr, 15, 65, true, false); }

void FrmCotizador::FijarBITF(bool marcada) {
    if (Chkbitf.marcada == marcada) return;
    Chkbitf.marcada = marcada;
    Chkbitf_Click();
}

void FrmCotizador::FijarCAF(bool marcada) {
    if (Chkcat.marcada == marcada) return;
    Chkcat.marcada = marcada;
    Chkcat_Click();
}

void FrmCotizador::Chkbitf_Click() { ReglasBitfCaf(true); }
void FrmCotizador::Chkcat_Click() { ReglasBitfCaf(false); }

void FrmCotizador::ReglasBitfCaf(bool esBitf) {
    Casilla& caja = esBitf ? Chkbitf : Chkcat;
    Casilla& otra = esBitf ? Chkcat : Chkbitf;
    auto desmarcar = [&](bool bitf) { bitf ? FijarBITF(false) : FijarCAF(false); };
    if (caja.marcada) {
        if (Recortar(txtProducto.texto).empty()) {
            MostrarMensaje(Simple("Debe seleccionar primero un producto"));
            return desmarcar(esBitf);
        }
        if (Recortar(txtEdad.texto).empty()) {
            MostrarMensaje(Simple("Ingrese la edad"));
            foco = "txtEdad";
            return desmarcar(esBitf);
        }
    }
    if (Recortar(txtProducto.texto) != "6") Habilitar({&Chkbitf, &Chkcat, &lblbitf, &lblcaf}, false);
    if (!txtedad_menor.habilitado && caja.marcada && !otra.marcada) {
        FrmEdad dialogo(ui_, proceso_);
        ui_.MostrarEdadPadreTutor(dialogo);
    }
    const int16_t tutor = proceso_.EdadPadreTutor;
    if (esBitf) {
        if (tutor > 55 && Chkbitf.marcada) {
            MostrarMensaje(Simple("La edad maxima para el beneficio BITF es de 55 años"));
            FijarBITF(false);
        } else if (Chkbitf.marcada && tutor < 18) {
            FijarBITF(false);
        }
    } else if (Chkcat.marcada) {
        if (tutor < 18) {
            FijarCAF(false);
        } else if (tutor > 55 && Chkbitf.marcada) {
            MostrarMensaje(Simple("La edad maxima para el beneficio BITF es de 55 años"));
            FijarBITF(false);
        } else if (tutor > 65 && !Chkbitf.marcada) {
            MostrarMensaje(Simple("La edad maxima para el beneficio CAF es de 65 años"));
            FijarCAF(false);
            proceso_.EdadPadreTutor = 0;
        }
    }
}

}  // namespace cv::app
