#include "calc/fenetres/THistorique.h"

#include "app/fenetres/Disposition.h"
#include "app/fenetres/Disque.h"
#include "app/fenetres/Plateforme.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

THistorique::THistorique(QWidget* parent, Historique& historique,
                         std::function<void(const EntreeHistorique&)> ramene)
    : QMainWindow(parent, Qt::Tool), historique_(historique), ramene_(std::move(ramene))
{
    setObjectName("THistorique");
    setWindowTitle("Historique");
    AideF1(this, "COMPLEX");
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(4, 4, 4, 4);

    liste_ = new QListWidget(centre);
    liste_->setObjectName("ListeHistorique");
    liste_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste_->setStatusTip("Entrée ou double clic : ramène le résultat sur la pile ou l'expression sur la ligne .");
    liste_->installEventFilter(this);
    QFont police = liste_->font();
    police.setFamily("Liberation Mono");
    police.setStyleHint(QFont::Monospace);
    liste_->setFont(police);
    colonne->addWidget(liste_);
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { RameneCourante(); });

    auto* copier = new QAction("Copier", liste_);
    copier->setObjectName("CopierHistorique");
    copier->setShortcut(QKeySequence::Copy);
    copier->setShortcutContext(Qt::WidgetShortcut);
    liste_->addAction(copier);
    connect(copier, &QAction::triggered, this, &THistorique::Copie);

    auto* boutons = new QHBoxLayout;
    auto bouton = [&](const char* nom, const QString& titre, const QString& aide) {
        return BoutonDeLigne(centre, boutons, nom, titre, aide);
    };
    connect(bouton("EnregistrerHistorique", "Enregistrer l'historique ...",
                   "Enregistre l'historique dans un fichier texte ."),
            &QPushButton::clicked, this, &THistorique::Enregistre);
    connect(bouton("EffacerHistorique", "Effacer l'historique", "Vide l'historique ."), &QPushButton::clicked,
            this, &THistorique::Efface);
    colonne->addLayout(boutons);

    panneau_ = BarreDEtat(this, "BarreHistorique");
    resize(440, 300);
}

void THistorique::Actualise()
{
    const auto& entrees = historique_.Entrees();
    const std::size_t nouveaux = std::min(historique_.Total() - vus_, entrees.size());
    vus_ = historique_.Total();
    for (std::size_t k = entrees.size() - nouveaux; k < entrees.size(); ++k)
        liste_->addItem(QString::fromStdString(entrees[k].Texte()));
    // The oldest entries went (beyond the bound, or the history was emptied).
    while (static_cast<std::size_t>(liste_->count()) > entrees.size())
        delete liste_->takeItem(0);
    if (nouveaux)
        liste_->scrollToBottom();
}

void THistorique::showEvent(QShowEvent* evenement)
{
    Actualise();
    QMainWindow::showEvent(evenement);
}

void THistorique::RameneCourante()
{
    const int rang = liste_->currentRow();
    if (rang < 0 || static_cast<std::size_t>(rang) >= historique_.Entrees().size())
        return;
    ramene_(historique_.Entrees()[static_cast<std::size_t>(rang)]);
}

void THistorique::Copie()
{
    QStringList lignes;
    for (int k = 0; k < liste_->count(); ++k)
        if (liste_->item(k)->isSelected())
            lignes << QString::fromStdString(historique_.Entrees()[static_cast<std::size_t>(k)].Copie());
    if (!lignes.isEmpty())
        QGuiApplication::clipboard()->setText(lignes.join('\n'));
}

void THistorique::Enregistre()
{
    const auto nom = LaPlateforme().DialogueEnregistrer("Fichier texte (*.txt)", "txt");
    if (!nom)
        return;
    // A failed write leaves the old file and the history as they were.
    if (const auto faute = EcritFichierDisque(QString::fromStdString(*nom), historique_.TexteFichier()))
        RaconteJournal({*faute}, true);
}

void THistorique::Efface()
{
    historique_.Efface();
    Actualise();
}

bool THistorique::eventFilter(QObject* objet, QEvent* evenement)
{
    // Enter on the list brings the current entry back, as a double click does.
    if (objet == liste_ && EstToucheEntree(evenement)) {
        RameneCourante();
        return true;
    }
    return QMainWindow::eventFilter(objet, evenement);
}

bool THistorique::event(QEvent* evenement)
{
    if (MontreAstuce(evenement, panneau_))
        return true;
    return QMainWindow::event(evenement);
}
