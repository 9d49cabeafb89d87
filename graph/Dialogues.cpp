#include "graph/Dialogues.h"

#include "app/Disposition.h"

TDialogueGraphe::TDialogueGraphe(const char* nom, const QString& titre, QWidget* parent)
    : QDialog(parent, Qt::Tool)
{
    setObjectName(nom);
    setWindowTitle(titre);
    setModal(true);
    CentreSurEcran(this);
}

TDonnees::TDonnees(QWidget* parent)
    : TDialogueGraphe("Donnees", "Axes des abscisses et ordonnées", parent) {}

TIntervalle::TIntervalle(QWidget* parent)
    : TDialogueGraphe("Intervalle", "Intervalle d'étude de la variable", parent) {}

TScaleEcran::TScaleEcran(QWidget* parent)
    : TDialogueGraphe("ScaleEcran", "Echelle sur les axes", parent) {}

TZoomChoose::TZoomChoose(QWidget* parent) : TDialogueGraphe("ZoomChoose", "Zoom", parent) {}
