#include "app/fenetres/Accessibilite.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

QString SansEsperluette(QString texte) { return texte.remove('&'); }

QString SansDeuxPoints(QString texte)
{
    return SansEsperluette(texte).remove(QRegularExpression("\\s*:\\s*$")).trimmed();
}

bool Controle(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) || w->inherits("Lecture");
}

// The caption of a control laid out by hand: the nearest label on its left on
// the same row, else the nearest label just above it.
QLabel* Legende(QWidget* w)
{
    QLabel* gauche = nullptr;
    QLabel* dessus = nullptr;
    const QRect r = w->geometry();
    for (QObject* o : w->parent()->children()) {
        auto* l = qobject_cast<QLabel*>(o);
        if (!l || l == w || l->inherits("Lecture") || l->text().isEmpty())
            continue;
        const QRect g = l->geometry();
        const bool memeLigne = g.top() < r.bottom() && g.bottom() > r.top();
        if (memeLigne && g.right() <= r.left() && (!gauche || g.right() > gauche->geometry().right()))
            gauche = l;
        const bool auDessus = g.bottom() <= r.top() && r.top() - g.bottom() < 30 && g.left() < r.right() &&
                              g.right() > r.left();
        if (auDessus && (!dessus || g.bottom() > dessus->geometry().bottom()))
            dessus = l;
    }
    return gauche ? gauche : dessus;
}

// The hint of the control or of the frame holding it, else the title of its
// group or of its window.
QString Description(QWidget* w)
{
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (!p->statusTip().isEmpty())
            return p->statusTip();
        if (auto* g = qobject_cast<QGroupBox*>(p); g && !g->title().isEmpty())
            return SansEsperluette(g->title()) + " .";
        if (p->isWindow())
            return p->windowTitle() + " .";
    }
    return QString();
}

} // namespace

void CompleteAccessibilite(QWidget* fenetre)
{
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (!Controle(w))
            continue;
        const auto* bouton = qobject_cast<QAbstractButton*>(w);
        const bool sansTexte = bouton ? bouton->text().isEmpty() : !qobject_cast<QLabel*>(w);
        if (w->accessibleName().isEmpty() && sansTexte) {
            if (QLabel* l = Legende(w)) {
                // A buddy keeps the name in step with a caption that changes
                // (the plotter's "Entrez la fonction ..." follows the curve type).
                // Lists and grids take only a name.
                if (w->focusPolicy() != Qt::NoFocus && !qobject_cast<QAbstractItemView*>(w))
                    l->setBuddy(w);
                else
                    w->setAccessibleName(SansDeuxPoints(l->text()));
            }
        }
        if (w->inherits("Lecture") && w->accessibleName().isEmpty())
            if (QLabel* l = Legende(w))
                w->setAccessibleName(SansDeuxPoints(l->text()));
        if (w->accessibleDescription().isEmpty() && w->toolTip().isEmpty())
            w->setAccessibleDescription(Description(w));
    }
}
