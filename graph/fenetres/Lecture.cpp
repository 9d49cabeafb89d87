#include "graph/fenetres/Lecture.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

// A read-out is named after its caption ("X minimum") and tells its number
// as its value, so a screen reader says both.
class LectureAccessible final : public QAccessibleWidget {
public:
    explicit LectureAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        const QString valeur = static_cast<const QLabel*>(widget())->text();
        if (t == QAccessible::Value || (t == QAccessible::Name && widget()->accessibleName().isEmpty()))
            return valeur;
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* FabriqueLecture(const QString& classe, QObject* objet)
{
    if (classe == "Lecture" && objet && objet->isWidgetType())
        return new LectureAccessible(static_cast<QWidget*>(objet));
    return nullptr;
}

} // namespace

Lecture::Lecture(const QString& texte, QWidget* parent) : QLabel(texte, parent)
{
    static const bool installee = (QAccessible::installFactory(FabriqueLecture), true);
    (void)installee;
}

void Lecture::paintEvent(QPaintEvent* evenement)
{
    const QRect zone = contentsRect();
    QFont police = font();
    if (QFontMetrics(police).horizontalAdvance(text()) <= zone.width()) {
        QLabel::paintEvent(evenement);
        return;
    }
    // Smaller by steps of a tenth of a point until the text fits.
    qreal taille = QFontInfo(police).pointSizeF();
    while (taille > 1.0 && QFontMetrics(police).horizontalAdvance(text()) > zone.width()) {
        taille -= 0.1;
        police.setPointSizeF(taille);
    }
    QPainter p(this);
    p.setFont(police);
    p.setPen(palette().color(foregroundRole()));
    p.drawText(zone, static_cast<int>(alignment()) | Qt::TextSingleLine, text());
}
