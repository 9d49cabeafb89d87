// One plot as the plotter runs it: the hourglass, the progress bar, the
// stop, the primitives painted and kept; and the derivative curves.
#include "graph/fenetres/TGraph.h"

#include "app/fenetres/Plateforme.h"
#include "graph/fenetres/EcranDigit.h"
#include "graph/toile/Toile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace {

// While a plot runs, the events are processed a few times a second so that
// the windows repaint and move; this filter lets no user input through but
// the stop (its button, Escape), so no command sees the model half-changed.
class GardeTrace : public QObject {
public:
    GardeTrace(QPushButton* arret, bool& demande) : arret_(arret), demande_(demande)
    {
        qApp->installEventFilter(this);
    }
    ~GardeTrace() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
                demande_ = true;
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return objet != arret_;
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Close:
            return true;
        default: return false;
        }
    }

private:
    QPushButton* arret_;
    bool& demande_;
};

} // namespace

bool TGraph::Dessine(const std::function<ResultatTrace(const Progression&)>& trace)
{
    drawProgress_->setValue(1);
    ResultatTrace r;
    {
        Sablier sablier;
        // The bar is repainted a few times a second, not at every sample.
        QElapsedTimer montre;
        montre.start();
        Progression progression;
        progression.total = [this](long n) { drawProgress_->setMaximum(static_cast<int>(std::max(n, 1L))); };
        progression.avance = [this, &montre](long n) {
            if (montre.elapsed() < 33)
                return;
            drawProgress_->setValue(static_cast<int>(std::min<long>(n, drawProgress_->maximum())));
            ecran_->update();
            QCoreApplication::processEvents(); // repaints; only the stop gets through
            montre.restart();
        };
        progression.arret = [this] { return arretDemande_; };
        // A long plot hands its primitives over as it goes: painted at once,
        // shown at the end.
        progression.vide = [this](Dessin& d) { GardeDessin(d); };
        arretDemande_ = false;
        // "Arrêter" at the right end of the bar, which leaves it room.
        const QRect barre = drawProgress_->geometry();
        drawProgress_->setGeometry(barre.adjusted(0, 0, -arret_->width() - 8, 0));
        arret_->move(barre.right() + 1 - arret_->width(), barre.center().y() - arret_->height() / 2);
        arret_->show();
        GardeTrace garde(arret_, arretDemande_);
        r = trace(progression);
        arret_->hide();
        drawProgress_->setGeometry(barre);
    }
    if (r.Fatal()) {
        EffaceEcran();
        drawProgress_->hide();
        RaconteJournal({*r.faute}, modele_.SonsActifs);
        return false;
    }
    GardeDessin(r.dessin);
    ecran_->update();
    ecran_->setAccessibleDescription(QString::fromStdString(modele_.DescriptionEcran(true)));
    if (arretDemande_) {
        // What was drawn stays; no sound, no warning.
        panneau_->setText(QString(" ") + TraceInterrompu);
        return true;
    }
    if (modele_.SonsActifs)
        JoueSon(DossierProgramme() + "Son2.wav");
    if (r.faute)
        RaconteJournal({*r.faute}, false); // the end of the plot has sounded
    return true;
}

void TGraph::GardeDessin(const Dessin& dessin)
{
    Peint(ecran_->Image(), dessin);
    // The SVG export draws the primitives again; past a bound the picture
    // stands in for them.
    if (dessinEcran_.size() + dessin.size() > DessinEcranMax) {
        dessinEcran_.clear();
        dessinEcranComplet_ = false;
    }
    if (dessinEcranComplet_)
        dessinEcran_.insert(dessinEcran_.end(), dessin.begin(), dessin.end());
}

void TGraph::Derivees(bool bipSansCourbe)
{
    const int n = modele_.NombreDerivees();
    if (n == 0) {
        if (bipSansCourbe)
            LaPlateforme().Bip();
        return;
    }
    drawProgress_->show();
    for (int rang = 0; rang < n; ++rang) {
        if (rang > 0) {
            repaint();
            drawProgress_->setValue(0);
        }
        if (!Dessine([this, rang](const Progression& p) { return modele_.TraceDerivee(rang, p); }) || arretDemande_)
            break;
        if (rang == n - 1)
            modele_.NoteDerivees();
    }
    drawProgress_->hide();
}

void TGraph::dXButtonClick() { Derivees(true); }

void TGraph::CalcDerivClick() { Derivees(false); }
