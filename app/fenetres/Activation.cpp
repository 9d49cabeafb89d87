#include "app/fenetres/Activation.h"

#include <QApplication>
#include <QEvent>

namespace {
QPointer<QWidget> derniere;
}

void SuiviActivation::Installe(QApplication& application)
{
    static SuiviActivation filtre;
    application.installEventFilter(&filtre);
}

void SuiviActivation::Activee(QWidget* fenetre)
{
    auto* activable = dynamic_cast<FenetreActivable*>(fenetre);
    if (!activable || derniere == fenetre)
        return;
    derniere = fenetre;
    activable->FormActivate();
}

void SuiviActivation::Oublie() { derniere = nullptr; }

bool SuiviActivation::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::WindowActivate && objet->isWidgetType()) {
        auto* w = static_cast<QWidget*>(objet);
        if (w->isWindow())
            Activee(w);
    }
    return QObject::eventFilter(objet, evenement);
}
