#include "graph/fenetres/TTableau.h"

#include "app/fenetres/Disposition.h"
#include "app/fenetres/Disque.h"
#include "app/fenetres/Plateforme.h"
#include "funclang/Nombres.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <set>

TTableau::TTableau(QWidget* parent, const ModeleGraphe& modele) : QMainWindow(parent, Qt::Window), modele_(modele)
{
    travail_ = new Travail(this);
    AideF1(this, "GRAPH");
    setObjectName("TTableau");
    setWindowTitle("Tableau de valeurs");
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    auto* colonne = new QVBoxLayout(centre);
    auto* champs = new QHBoxLayout;
    auto champ = [&](const char* nom, const QString& titre, const QString& aide) {
        auto* etiquette = new QLabel(titre, centre);
        auto* c = new QLineEdit(centre);
        c->setObjectName(nom);
        c->setStatusTip(aide);
        c->installEventFilter(this);
        etiquette->setBuddy(c);
        champs->addWidget(etiquette);
        champs->addWidget(c, 1);
        return c;
    };
    debut_ = champ("DebutTableau", "&Début :", "Première valeur de la variable (Entrée : recalcule le tableau) .");
    pas_ = champ("PasTableau", "&Pas :", "Ecart entre deux lignes (Entrée : recalcule le tableau) .");
    lignes_ = champ("LignesTableau", "&Lignes :", "Nombre de lignes, de 1 à 10000 (Entrée : recalcule le tableau) .");
    colonne->addLayout(champs);

    grille_ = new QTableWidget(centre);
    grille_->setObjectName("GrilleTableau");
    grille_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grille_->setStatusTip("Ctrl+C copie les lignes choisies .");
    QFont chiffres("Liberation Mono");
    chiffres.setStyleHint(QFont::Monospace);
    grille_->setFont(chiffres);
    grille_->verticalHeader()->setVisible(false);
    colonne->addWidget(grille_, 1);
    // Ctrl+C copies whole rows (the view alone would copy one cell).
    grille_->installEventFilter(this);

    auto* boutons = new QHBoxLayout;
    auto bouton = [&](const char* nom, const QString& titre, const QString& aide) {
        return BoutonDeLigne(centre, boutons, nom, titre, aide);
    };
    connect(bouton("CalculTableau", "&Calculer", "Recalcule le tableau ."), &QPushButton::clicked, this,
            &TTableau::Calcule);
    connect(bouton("EnregistrerTableau", "&Enregistrer ...",
                   "Enregistre le tableau en CSV pour un tableur (point-virgule, virgule décimale) ."),
            &QPushButton::clicked, this, &TTableau::Enregistre);
    seconde_ = new QCheckBox("Dérivée &seconde", centre);
    seconde_->setObjectName("DeriveeSeconde");
    seconde_->setStatusTip("Ajoute la colonne f″(x) d'une fonction cartésienne .");
    connect(seconde_, &QCheckBox::toggled, this, &TTableau::Calcule);
    boutons->addWidget(seconde_);
    boutons->addStretch(1);
    colonne->addLayout(boutons);
    panneau_ = BarreDEtat(this, "BarreTableau");
    resize(640, 420);
}

void TTableau::Initialise()
{
    const Etendu a = modele_.EtudeMin(), b = modele_.EtudeMax();
    debut_->setText(QString::fromStdString(TexteCourt(a)));
    pas_->setText(QString::fromStdString(TexteCourt((b - a) / 20.0L)));
    lignes_->setText("21");
    Calcule();
}

void TTableau::Calcule()
{
    const auto debut = LitNombre(debut_->text().toStdString());
    const auto pas = LitNombre(pas_->text().toStdString());
    const auto lignes = LitNombre(lignes_->text().toStdString());
    if (!debut || !pas || !lignes || *lignes < 1 || *lignes > LignesTableauMax || *lignes != std::floor(*lignes)) {
        LaPlateforme().Bip();
        return;
    }
    // Off the window's thread, on a copy of the plotter's state: a table
    // asked again (the function validated anew) cancels the one running,
    // whose rows never show.
    setCursor(Qt::BusyCursor);
    travail_->Lance([this, m = modele_, debut = *debut, pas = *pas, n = static_cast<int>(*lignes),
                     seconde = seconde_->isChecked()](Travail::Canal& c) {
        c.Envoie([this, t = CalculeTableau(m, debut, pas, n, seconde)] { Affiche(t); });
    });
}

void TTableau::Affiche(const TableauValeurs& tableau)
{
    unsetCursor();
    tableau_ = tableau;
    grille_->clear();
    grille_->setColumnCount(static_cast<int>(tableau_.titres.size()));
    grille_->setRowCount(static_cast<int>(tableau_.lignes.size()));
    QStringList titres;
    for (const std::string& t : tableau_.titres)
        titres << QString::fromStdString(t);
    grille_->setHorizontalHeaderLabels(titres);
    for (int r = 0; r < grille_->rowCount(); ++r)
        for (int c = 0; c < grille_->columnCount(); ++c) {
            auto* cellule = new QTableWidgetItem(QString::fromStdString(tableau_.lignes[r][c].Texte()));
            cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grille_->setItem(r, c, cellule);
        }
    grille_->resizeColumnsToContents();
}

void TTableau::Copie()
{
    std::set<int> rangs;
    for (const QModelIndex& i : grille_->selectionModel()->selectedIndexes())
        rangs.insert(i.row());
    if (rangs.empty() && grille_->currentRow() >= 0)
        rangs.insert(grille_->currentRow());
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(CopieLignes(tableau_, std::vector<int>(rangs.begin(), rangs.end()))));
}

void TTableau::Enregistre()
{
    const auto nom = LaPlateforme().DialogueEnregistrer("Tableau CSV (*.csv)", "csv");
    if (!nom)
        return;
    if (const auto faute = EcritFichierDisque(QString::fromStdString(*nom), TexteCsv(tableau_)))
        RaconteJournal({*faute}, modele_.SonsActifs);
}

bool TTableau::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == grille_ && evenement->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evenement)->matches(QKeySequence::Copy)) {
        Copie();
        return true;
    }
    if ((objet == debut_ || objet == pas_ || objet == lignes_) && EstToucheEntree(evenement)) {
        Calcule();
        return true;
    }
    return QMainWindow::eventFilter(objet, evenement);
}

bool TTableau::event(QEvent* evenement)
{
    if (MontreAstuce(evenement, panneau_))
        return true;
    return QMainWindow::event(evenement);
}
