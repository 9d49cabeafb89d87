#include "graph/fenetres/TResultatsEtude.h"

#include "app/fenetres/Disposition.h"
#include "funclang/Nombres.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

TResultatsEtude::TResultatsEtude(QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName("ResultatsEtude");
    setWindowTitle("Etude de la fonction");
    AideF1(this, "GRAPH");
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    auto* colonne = new QVBoxLayout(centre);
    titre_ = new QLabel(centre);
    titre_->setObjectName("TitreEtude");
    titre_->setWordWrap(true);
    colonne->addWidget(titre_);
    grille_ = new QTableWidget(0, 3, centre);
    grille_->setObjectName("GrilleEtude");
    grille_->setHorizontalHeaderLabels({"Nature", "x", "f(x)"});
    grille_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grille_->verticalHeader()->setVisible(false);
    grille_->setStatusTip("Ctrl+C copie les lignes choisies, toutes sans choix .");
    QFont chiffres("Liberation Mono");
    chiffres.setStyleHint(QFont::Monospace);
    grille_->setFont(chiffres);
    grille_->installEventFilter(this);
    colonne->addWidget(grille_, 1);
    auto* boutons = new QHBoxLayout;
    placer_ = BoutonDeLigne(centre, boutons, "PlacerCurseur", "&Placer le curseur",
                            "Place le curseur 1 sur le point de la ligne choisie .");
    connect(placer_, &QPushButton::clicked, this, &TResultatsEtude::PlaceCurseur);
    boutons->addStretch(1);
    colonne->addLayout(boutons);
    panneau_ = BarreDEtat(this, "BarreEtude");
    resize(480, 360);
}

void TResultatsEtude::Affiche(const Etude& etude, const QString& fonction)
{
    etude_ = etude;
    lignes_ = LignesEtude(etude);
    titre_->setText(QString("f(x) = %1 sur [%2 ; %3]%4")
                        .arg(fonction, QString::fromStdString(TexteCourt(etude.debut)), QString::fromStdString(TexteCourt(etude.fin)),
                             etude.interrompue ? QString(" : étude interrompue .") : QString()));
    grille_->clearContents();
    grille_->setRowCount(static_cast<int>(lignes_.size()));
    for (int r = 0; r < grille_->rowCount(); ++r) {
        const LigneEtude& l = lignes_[r];
        const QString textes[] = {QString::fromStdString(l.nature), QString::fromStdString(l.x),
                                  QString::fromStdString(l.y)};
        for (int c = 0; c < 3; ++c) {
            auto* cellule = new QTableWidgetItem(textes[c]);
            cellule->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            grille_->setItem(r, c, cellule);
        }
    }
    grille_->resizeColumnsToContents();
    if (grille_->rowCount() > 0)
        grille_->selectRow(0);
}

void TResultatsEtude::Copie()
{
    std::set<int> rangs;
    for (const QModelIndex& i : grille_->selectionModel()->selectedRows())
        rangs.insert(i.row());
    const std::vector<LigneEtude> copies = LignesEtude(etude_, true);
    std::string texte;
    for (int r = 0; r < static_cast<int>(copies.size()); ++r)
        if (rangs.empty() || rangs.count(r))
            texte += copies[r].nature + "\t" + copies[r].x + "\t" + copies[r].y + "\n";
    QGuiApplication::clipboard()->setText(QString::fromStdString(texte));
}

void TResultatsEtude::PlaceCurseur()
{
    const int r = grille_->currentRow();
    if (r < 0 || r >= static_cast<int>(lignes_.size()) || !lignes_[r].abscisse || !lignes_[r].ordonnee) {
        LaPlateforme().Bip();
        return;
    }
    if (placeCurseur)
        placeCurseur(*lignes_[r].abscisse, *lignes_[r].ordonnee);
}

bool TResultatsEtude::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == grille_ && evenement->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evenement)->matches(QKeySequence::Copy)) {
        Copie();
        return true;
    }
    return QMainWindow::eventFilter(objet, evenement);
}

bool TResultatsEtude::event(QEvent* evenement)
{
    // Ctrl+C reaches this window's copy, not the plotter's shortcut.
    if (evenement->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(evenement)->matches(QKeySequence::Copy)) {
        evenement->accept();
        return true;
    }
    if (evenement->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evenement)->matches(QKeySequence::Copy)) {
        Copie();
        return true;
    }
    if (MontreAstuce(evenement, panneau_))
        return true;
    return QMainWindow::event(evenement);
}

void TResultatsEtude::closeEvent(QCloseEvent* evenement)
{
    QMainWindow::closeEvent(evenement);
    if (fermee)
        fermee();
}
