#include "gui/enlace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace cv::gui {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }
int PixelesDeTwips(int twips) { return (twips + 7) / 15; }

namespace {

void Estado(QWidget* w, const app::Control& c) {
    // The widget's own flag: a disabled frame greys its children without changing theirs.
    w->setEnabled(c.habilitado);
    if (w->isHidden() == c.visible) w->setHidden(!c.visible);
}

// Amounts and ages read right-aligned, names left.
bool PareceNumero(const QString& t) {
    if (t.isEmpty() || !(t[0].isDigit() || t[0] == '-')) return false;
    for (QChar ch : t)
        if (!ch.isDigit() && ch != ',' && ch != '.' && ch != '-' && ch != ' ') return false;
    return true;
}

}  // namespace

Enlace::Enlace(std::string* foco, QObject* padre) : QObject(padre), foco_(foco) {}

void Enlace::Registrar(QWidget* w, const char* nombre, Evento alSalir, Evento alClic) {
    porNombre_[nombre] = w;
    salidas_[w] = Salida{nombre, std::move(alSalir), std::move(alClic)};
    w->installEventFilter(this);
}

QWidget* Enlace::Widget(const std::string& nombre) const {
    auto it = porNombre_.find(nombre);
    return it == porNombre_.end() ? nullptr : it->second;
}

void Enlace::Disparar(const Evento& regla) {
    // A rule that moves the focus may make the field it leaves fire its own rule; nothing
    // goes round for ever.
    if (profundidad_ > 6) return;
    ++profundidad_;
    regla();
    --profundidad_;
    Refrescar();
    if (profundidad_ == 0 && despues) despues();
}

void Enlace::Refrescar() {
    leyendo_ = true;
    for (const auto& l : lecturas_) l();
    leyendo_ = false;
    AplicarFoco();
}

void Enlace::AplicarFoco() {
    if (!foco_ || foco_->empty()) return;
    QWidget* w = Widget(*foco_);
    if (!w || !w->isVisible() || !w->isEnabled()) return;
    QWidget* actual = QApplication::focusWidget();
    if (actual && (actual == w || w->isAncestorOf(actual))) return;
    w->setFocus(Qt::OtherFocusReason);
}

bool Enlace::eventFilter(QObject* o, QEvent* e) {
    auto it = salidas_.find(o);
    if (it == salidas_.end()) return false;
    switch (e->type()) {
    case QEvent::FocusIn:
        if (foco_) *foco_ = it->second.nombre;
        break;
    case QEvent::FocusOut: {
        // Focus going to a message box, a popup or a menu is not leaving the field.
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        if (r == Qt::PopupFocusReason || r == Qt::ActiveWindowFocusReason || r == Qt::MenuBarFocusReason) break;
        if (foco_) {
            // The rule of the field left sees where the focus went, as the window's would.
            std::string siguiente;
            for (QWidget* w = QApplication::focusWidget(); w && siguiente.empty(); w = w->parentWidget()) {
                auto s = salidas_.find(w);
                if (s != salidas_.end()) siguiente = s->second.nombre;
            }
            *foco_ = siguiente;
        }
        if (it->second.alSalir) Disparar(it->second.alSalir);
        break;
    }
    case QEvent::MouseButtonPress:
        soltandoRaton_[o] = false;
        break;
    case QEvent::MouseButtonRelease: {
        auto* w = static_cast<QWidget*>(o);
        soltandoRaton_[o] = w->rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (it->second.alClic && soltandoRaton_[o]) Disparar(it->second.alClic);
        break;
    }
    case QEvent::KeyPress:
        soltandoRaton_[o] = false;
        break;
    default:
        break;
    }
    return false;
}

void Enlace::Texto(QLineEdit* w, app::CuadroTexto& c, const char* nombre, Evento alCambiar, Evento alSalir,
                   Evento alClic) {
    Registrar(w, nombre, std::move(alSalir), std::move(alClic));
    connect(w, &QLineEdit::textEdited, this, [this, &c, alCambiar](const QString& t) {
        Disparar([&c, alCambiar, texto = S(t)] {
            c.texto = texto;
            if (alCambiar) alCambiar();
        });
    });
    lecturas_.push_back([w, &c] {
        if (c.longitudMaxima > 0 && w->maxLength() != c.longitudMaxima) w->setMaxLength(c.longitudMaxima);
        const QString t = Q(c.texto);
        if (w->text() != t) {
            QSignalBlocker b(w);
            const int pos = w->cursorPosition();
            w->setText(t);
            w->setCursorPosition(std::min(pos, static_cast<int>(t.size())));
        }
        Estado(w, c);
    });
}

void Enlace::Lista(QComboBox* w, app::Lista& c, const char* nombre, std::function<void(const std::string&)> alElegir,
                   Evento alSalir) {
    Registrar(w, nombre, std::move(alSalir));
    connect(w, &QComboBox::activated, this, [this, w, &c, alElegir](int i) {
        if (i < 0) return;
        Disparar([&c, alElegir, texto = S(w->itemText(i))] {
            if (alElegir)
                alElegir(texto);
            else
                c.MostrarTexto(texto);
        });
    });
    lecturas_.push_back([w, &c] {
        QSignalBlocker b(w);
        QStringList entradas;
        for (const auto& e : c.elementos) entradas << Q(e);
        bool iguales = w->count() == entradas.size();
        for (int i = 0; iguales && i < w->count(); ++i) iguales = w->itemText(i) == entradas[i];
        if (!iguales) {
            w->clear();
            w->addItems(entradas);
        }
        int i = c.seleccion;
        if (i < 0 || i >= w->count() || w->itemText(i) != Q(c.texto)) i = w->findText(Q(c.texto));
        if (w->currentIndex() != i) w->setCurrentIndex(i);
        w->setPlaceholderText(i < 0 ? Q(c.texto) : QString());
        Estado(w, c);
    });
}

void Enlace::Lista(QListWidget* w, app::Lista& c, const char* nombre, Evento alElegir) {
    Registrar(w, nombre);
    connect(w, &QListWidget::currentRowChanged, this, [this, &c, alElegir](int fila) {
        Disparar([&c, alElegir, fila] {
            c.seleccion = fila;
            if (fila >= 0 && fila < static_cast<int>(c.elementos.size())) c.texto = c.elementos[static_cast<size_t>(fila)];
            if (alElegir) alElegir();
        });
    });
    lecturas_.push_back([w, &c] {
        QSignalBlocker b(w);
        QStringList entradas;
        for (const auto& e : c.elementos) entradas << Q(e);
        bool iguales = w->count() == entradas.size();
        for (int i = 0; iguales && i < w->count(); ++i) iguales = w->item(i)->text() == entradas[i];
        if (!iguales) {
            w->clear();
            w->addItems(entradas);
        }
        if (w->currentRow() != c.seleccion) w->setCurrentRow(c.seleccion);
        Estado(w, c);
    });
}

void Enlace::Casilla(QCheckBox* w, app::Casilla& c, const char* nombre, std::function<void(bool)> alCambiar,
                     Evento alSoltarRaton) {
    Registrar(w, nombre);
    connect(w, &QCheckBox::clicked, this, [this, w, &c, alCambiar, alSoltarRaton](bool marcada) {
        const bool conRaton = soltandoRaton_[w];
        soltandoRaton_[w] = false;
        Disparar([&c, alCambiar, alSoltarRaton, marcada, conRaton] {
            if (alCambiar)
                alCambiar(marcada);
            else
                c.marcada = marcada;
            if (conRaton && alSoltarRaton) alSoltarRaton();
        });
    });
    lecturas_.push_back([w, &c] {
        QSignalBlocker b(w);
        if (w->text() != Q(c.titulo)) w->setText(Q(c.titulo));
        if (w->isChecked() != c.marcada) w->setChecked(c.marcada);
        Estado(w, c);
    });
}

void Enlace::Opciones(std::vector<std::pair<QPushButton*, app::BotonOpcion*>> grupo) {
    for (auto [w, c] : grupo) {
        w->setCheckable(true);
        w->setAutoExclusive(false);
        connect(w, &QPushButton::clicked, this, [this, grupo, c = c] {
            Disparar([grupo, c] {
                for (auto [_, otro] : grupo) otro->seleccionado = otro == c;
            });
        });
        lecturas_.push_back([w = w, c = c] {
            QSignalBlocker b(w);
            if (w->text() != Q(c->titulo)) w->setText(Q(c->titulo));
            if (w->isChecked() != c->seleccionado) w->setChecked(c->seleccionado);
            Estado(w, *c);
        });
    }
}

void Enlace::Boton(QPushButton* w, app::Boton& c, const char* nombre, Evento alPulsar) {
    Registrar(w, nombre);
    connect(w, &QPushButton::clicked, this, [this, alPulsar] { Disparar(alPulsar); });
    lecturas_.push_back([w, &c] {
        if (w->text() != Q(c.titulo)) w->setText(Q(c.titulo));
        Estado(w, c);
    });
}

void Enlace::Menu(QAction* a, app::EntradaMenu& c, Evento alElegir) {
    connect(a, &QAction::triggered, this, [this, alElegir] { Disparar(alElegir); });
    lecturas_.push_back([a, &c] {
        if (a->text() != Q(c.titulo)) a->setText(Q(c.titulo));
        a->setEnabled(c.habilitado);
        a->setVisible(c.visible);
    });
}

void Enlace::Marco(QGroupBox* w, app::Marco& c) {
    lecturas_.push_back([w, &c] {
        if (w->title() != Q(c.titulo)) w->setTitle(Q(c.titulo));
        Estado(w, c);
    });
}

void Enlace::Etiqueta(QLabel* w, app::Etiqueta& c) {
    w->setTextFormat(Qt::PlainText);
    lecturas_.push_back([w, &c] {
        if (w->text() != Q(c.texto)) w->setText(Q(c.texto));
        Estado(w, c);
    });
}

void Enlace::Acompanar(QWidget* w, const app::Control& c) {
    lecturas_.push_back([w, &c] { Estado(w, c); });
}

void Enlace::Rejilla(QTableWidget* w, app::Rejilla& c, const char* nombre, std::function<void(int)> alCambiarFila) {
    Registrar(w, nombre);
    w->setEditTriggers(QAbstractItemView::NoEditTriggers);
    w->setSelectionBehavior(QAbstractItemView::SelectRows);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->verticalHeader()->setVisible(false);
    w->verticalHeader()->setDefaultSectionSize(20);
    if (alCambiarFila)
        connect(w, &QTableWidget::currentCellChanged, this, [this, &c, alCambiarFila](int fila, int columna, int, int) {
            if (fila < 0) return;
            Disparar([&c, alCambiarFila, fila, columna] {
                c.filaActual = fila + 1;
                c.columnaActual = columna;
                alCambiarFila(fila + 1);
            });
        });
    lecturas_.push_back([w, &c] {
        QSignalBlocker b(w);
        const int filas = std::max(c.filas - 1, 0);
        if (w->rowCount() != filas) w->setRowCount(filas);
        if (w->columnCount() != c.columnas) w->setColumnCount(c.columnas);
        for (int col = 0; col < c.columnas; ++col) {
            const QString titulo = c.filas > 0 ? Q(c.Celda(0, col)) : QString();
            QTableWidgetItem* h = w->horizontalHeaderItem(col);
            if (!h) w->setHorizontalHeaderItem(col, h = new QTableWidgetItem);
            if (h->text() != titulo) h->setText(titulo);
        }
        for (int f = 1; f < c.filas; ++f)
            for (int col = 0; col < c.columnas; ++col) {
                const QString t = Q(c.Celda(f, col));
                QTableWidgetItem* i = w->item(f - 1, col);
                if (!i) w->setItem(f - 1, col, i = new QTableWidgetItem);
                if (i->text() != t) {
                    i->setText(t);
                    i->setTextAlignment((PareceNumero(t) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
                }
            }
        // The designed widths, grown with the grid's font, and never narrower than what a
        // column shows: a header or an amount is read whole.
        const QFontMetrics m(w->font());
        const double escala = w->font().pointSizeF() > 0 ? w->font().pointSizeF() / 9.0 : 1.0;
        for (int col = 0; col < c.columnas; ++col) {
            const int twips = col < static_cast<int>(c.anchos.size()) ? c.anchos[static_cast<size_t>(col)] : 0;
            int ancho = twips > 0 ? static_cast<int>(PixelesDeTwips(twips) * escala) : 0;
            for (int f = 0; f < c.filas; ++f) ancho = std::max(ancho, m.horizontalAdvance(Q(c.Celda(f, col))) + 12);
            if (w->columnWidth(col) != ancho) w->setColumnWidth(col, ancho);
        }
        Estado(w, c);
    });
}

}  // namespace cv::gui
