#include "calc/fenetres/TVariables.h"

#include "app/fenetres/Disposition.h"
#include "funclang/Nombres.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TVariables::TVariables(QWidget* parent, std::function<const MemoireLigne&()> memoire,
                       std::function<void(const std::string&)> supprime, std::function<void()> efface)
    : QMainWindow(parent, Qt::Tool), memoire_(std::move(memoire)), supprime_(std::move(supprime)),
      efface_(std::move(efface))
{
    setObjectName("TVariables");
    setWindowTitle("Variables");
    AideF1(this, "COMPLEX");
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(4, 4, 4, 4);

    liste_ = new QTableWidget(0, 2, centre);
    liste_->setObjectName("ListeVariables");
    liste_->setHorizontalHeaderLabels({"Nom", "Valeur"});
    liste_->horizontalHeader()->setStretchLastSection(true);
    liste_->verticalHeader()->hide();
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_->setStatusTip("Les variables définies par une ligne « nom = expression », avec leur valeur .");
    colonne->addWidget(liste_);

    auto* boutons = new QHBoxLayout;
    connect(BoutonDeLigne(centre, boutons, "SupprimerVariable", "Supprimer", "Supprime la variable choisie ."),
            &QPushButton::clicked, this, [this] {
                const int rang = liste_->currentRow();
                if (rang >= 0)
                    supprime_(liste_->item(rang, 0)->text().toStdString());
                Actualise();
            });
    connect(BoutonDeLigne(centre, boutons, "EffacerVariables", "Tout effacer", "Supprime toutes les variables ."),
            &QPushButton::clicked, this, [this] {
                efface_();
                Actualise();
            });
    colonne->addLayout(boutons);
    panneau_ = BarreDEtat(this, "BarreVariables");
    resize(360, 260);
}

void TVariables::Actualise()
{
    const auto& variables = memoire_().variables;
    liste_->setRowCount(static_cast<int>(variables.size()));
    int rang = 0;
    for (const auto& [nom, valeur] : variables) {
        liste_->setItem(rang, 0, new QTableWidgetItem(QString::fromStdString(nom)));
        liste_->setItem(rang, 1, new QTableWidgetItem(QString::fromStdString(TexteCourt(valeur))));
        ++rang;
    }
    liste_->resizeColumnToContents(0);
}

void TVariables::showEvent(QShowEvent* evenement)
{
    Actualise();
    QMainWindow::showEvent(evenement);
}

bool TVariables::event(QEvent* evenement)
{
    if (MontreAstuce(evenement, panneau_))
        return true;
    return QMainWindow::event(evenement);
}
