#include "Banc.h"

#include "app/fenetres/Activation.h"

#include <QApplication>
#include <QWidget>

bool Banc::MontreActive(QWidget* fenetre, bool suivi)
{
    fenetre->show();
    QApplication::setActiveWindow(fenetre);
    if (!QTest::qWaitForWindowActive(fenetre))
        return false;
    if (suivi)
        SuiviActivation::Activee(fenetre);
    p_->Vide();
    return true;
}
