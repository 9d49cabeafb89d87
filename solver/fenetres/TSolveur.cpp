#include "solver/fenetres/TSolveur.h"

#include "app/fenetres/Disposition.h"
#include "app/fenetres/Fenetres.h"
#include "app/fenetres/Plateforme.h"
#include "app/modele/Options.h"
#include "funclang/Evaluateur.h"
#include "funclang/Nombres.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

constexpr const char* Montrer = "Montrer la liste des fonctions utilisables";
constexpr const char* Cacher = "Cacher la liste des fonctions utilisables";

} // namespace

TSolveur::TSolveur(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Solveur");
    setWindowTitle("Module solveur");
    auto* centre = new QWidget(this);
    centre->setFixedSize(420, 276);
    setCentralWidget(centre);

    Etiquette(centre, "ChoixLabel", "Type de calcul :", 10, 12, 130, 20);
    choix_ = new QComboBox(centre);
    choix_->setObjectName("Choix");
    choix_->setGeometry(150, 10, 260, 24);
    choix_->addItems({"Recherche de zéro d'une fonction", "Calcul intégral", "Calcul différentiel"});
    listeLabel_ = Etiquette(centre, "ListeLabel", "Méthode de calcul :", 10, 42, 130, 20);
    listeChoix_ = new QListWidget(centre);
    listeChoix_->setObjectName("ListeChoix");
    listeChoix_->setGeometry(150, 42, 260, 58);

    Etiquette(centre, "InputFonc", "Entrez la fonction f(x) çi-dessous :", 10, 108, 300, 20);
    speedButton1_ = new QToolButton(centre);
    speedButton1_->setObjectName("SpeedButton1");
    speedButton1_->setText("f(x)");
    speedButton1_->setAccessibleName("Liste des fonctions");
    speedButton1_->setGeometry(370, 104, 40, 24);
    speedButton1_->setStatusTip(Montrer);
    speedButton1_->setToolTip(Montrer);
    fonc_ = Champ(centre, "Fonc", QRect(10, 130, 400, 24));

    label1_ = Etiquette(centre, "Label1", "Borne inférieure :", 10, 164, 170, 20);
    acquisInf_ = Champ(centre, "AcquisInf", QRect(185, 162, 120, 24));
    label2_ = Etiquette(centre, "Label2", "Borne supérieure :", 10, 192, 170, 20);
    acquisSup_ = Champ(centre, "AcquisSup", QRect(185, 190, 120, 24));
    label3_ = Etiquette(centre, "Label3", "eps :", 10, 220, 170, 20);
    acquisPlus_ = Champ(centre, "AcquisPlus", QRect(185, 218, 120, 24));
    calculBtn_ = new QPushButton("Go ...", centre);
    calculBtn_->setObjectName("CalculBtn");
    calculBtn_->setGeometry(320, 216, 90, 28);
    calculBtn_->setStatusTip("Lance le calcul");
    calculBtn_->setToolTip("Lance le calcul");
    Etiquette(centre, "Toto", "Résultat du calcul :", 10, 250, 170, 20);
    resultat_ = Etiquette(centre, "Resultat", "----", 185, 250, 225, 20);
    resultat_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ActionCopier(this, resultat_, "CopierResultat");

    QWidget::setTabOrder(fonc_, acquisInf_);
    QWidget::setTabOrder(acquisInf_, acquisSup_);
    QWidget::setTabOrder(acquisSup_, acquisPlus_);
    QWidget::setTabOrder(acquisPlus_, calculBtn_);
    for (QLineEdit* champ : {fonc_, acquisInf_, acquisSup_, acquisPlus_})
        champ->installEventFilter(this);

    QAction* ciao = menuBar()->addAction("&Fermer");
    ciao->setObjectName("Ciao");
    connect(ciao, &QAction::triggered, this, &QWidget::close);
    QAction* aide = menuBar()->addAction("&?");
    aide->setObjectName("Aide");
    aide->setShortcut(Qt::Key_F1);
    aide->setStatusTip("Aide sur le module solveur .");
    connect(aide, &QAction::triggered, this, [] { LaPlateforme().Aide("SOLVEUR"); });

    panneau_ = BarreDEtat(this, "BarreEtat2");
    progression_ = new QProgressBar(this);
    progression_->setObjectName("ProgressionCalcul");
    progression_->setFixedWidth(120);
    progression_->setTextVisible(false);
    progression_->setAccessibleName("Avancement du calcul");
    arret_ = new QPushButton("Arrêter", this);
    arret_->setObjectName("ArretCalcul");
    arret_->setStatusTip("Arrête le calcul en cours (Echap) .");
    arret_->setToolTip(arret_->statusTip());
    arret_->setShortcut(Qt::Key_Escape);
    statusBar()->addPermanentWidget(progression_);
    statusBar()->addPermanentWidget(arret_);
    progression_->hide();
    arret_->hide();
    travail_ = new Travail(this);
    connect(arret_, &QPushButton::clicked, travail_, &Travail::Arrete);
    connect(travail_, &Travail::Termine, this, &TSolveur::CalculTermine);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(choix_, &QComboBox::currentIndexChanged, this, &TSolveur::ChoixChange);
    connect(listeChoix_, &QListWidget::currentRowChanged, this, &TSolveur::ListeChoixClick);
    connect(calculBtn_, &QPushButton::clicked, this, &TSolveur::CalculBtnClick);
    connect(speedButton1_, &QToolButton::clicked, this, &TSolveur::SpeedButton1Click);
    CentreSurEcran(this);
}

void TSolveur::showEvent(QShowEvent* evenement)
{
    QMainWindow::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    modele_.OublieSaisies(); // every field must be confirmed again
    resultat_->setText("----");
    {
        const QSignalBlocker bloque(choix_); // the layout stays as it was
        choix_->setCurrentIndex(0);
    }
    modele_.Type = TypeCalcul::Zero;
    listeChoix_->addItems({"Méthode dichotomique", "Méthode de Newton"});
}

void TSolveur::closeEvent(QCloseEvent* evenement)
{
    // A calculation running ends first.
    travail_->Arrete();
    travail_->Acheve();
    listeChoix_->clear();
    modele_.Methode = -1;
    QMainWindow::closeEvent(evenement);
}

void TSolveur::FormActivate()
{
    if (ListeFonctionsVisible()) {
        speedButton1_->setStatusTip(Cacher);
        speedButton1_->setToolTip(Cacher);
    }
}

void TSolveur::ChoixChange(int type)
{
    OublieRefus();
    modele_.Type = static_cast<TypeCalcul>(type);
    const bool derivee = modele_.Type == TypeCalcul::Derivee;
    for (QWidget* w : std::initializer_list<QWidget*>{calculBtn_, label1_, acquisInf_, label2_,
                                                      acquisSup_, listeLabel_, listeChoix_})
        w->setVisible(!derivee);
    if (derivee) {
        label3_->setText("Valeur de x0 :");
        return;
    }
    const QSignalBlocker bloque(listeChoix_);
    listeChoix_->clear();
    modele_.Methode = -1;
    if (modele_.Type == TypeCalcul::Zero) {
        label3_->setText("eps :");
        listeChoix_->addItems({"Méthode dichotomique", "Méthode de Newton"});
    } else {
        label1_->setText("Borne inférieure :");
        label3_->setText("Intervalle de calcul (n) :");
        listeChoix_->addItems({"Méthode des rectangles", "Méthode des trapèzes", "Méthode de Simpson"});
    }
}

void TSolveur::OublieRefus()
{
    // The hint under the pointer takes the place of a refusal's message.
    panneau_->setText(" " + AstuceSousLePointeur(this));
}

void TSolveur::ListeChoixClick()
{
    OublieRefus();
    modele_.Methode = listeChoix_->currentRow();
    if (modele_.Type != TypeCalcul::Zero)
        return;
    const bool newton = modele_.Methode == 1;
    label1_->setText(newton ? "Valeur de départ :" : "Borne inférieure :");
    label2_->setVisible(!newton);
    acquisSup_->setVisible(!newton);
}

void TSolveur::Montre(const ReponseSolveur& reponse)
{
    if (reponse.texte)
        resultat_->setText(QString::fromStdString(*reponse.texte));
    // As the plotter tells a wrong text: the sound, then the box.
    RaconteJournal(reponse.journal, LitSons());
}

void TSolveur::CalculBtnClick()
{
    if (travail_->EnCours())
        return;
    Verrouille(true);
    // On a copy of the state: the fields may change while it runs.
    travail_->Lance([this, m = modele_](Travail::Canal& canal) {
        auto dernier = std::chrono::steady_clock::now();
        SuiviCalcul suivi;
        suivi.arret = [&canal] { return canal.Arret(); };
        suivi.avance = [this, &canal, &dernier](long fait, long total) {
            const auto maintenant = std::chrono::steady_clock::now();
            if (maintenant - dernier < std::chrono::milliseconds(33))
                return;
            dernier = maintenant;
            canal.Envoie([this, fait, total] {
                progression_->setMaximum(static_cast<int>(total)); // 0: busy, the total unknown
                progression_->setValue(static_cast<int>(std::min(fait, total)));
            });
        };
        canal.Envoie([this, r = m.Calcule(suivi)] {
            Verrouille(false);
            if (r.interrompue)
                panneau_->setText(" Calcul interrompu .");
            Montre(r);
        });
    });
}

void TSolveur::Verrouille(bool verrou)
{
    for (QWidget* w : std::initializer_list<QWidget*>{choix_, listeChoix_, fonc_, acquisInf_, acquisSup_, acquisPlus_,
                                                      calculBtn_})
        w->setEnabled(!verrou);
    progression_->setValue(0);
    progression_->setVisible(verrou);
    arret_->setVisible(verrou);
    if (verrou)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void TSolveur::SpeedButton1Click()
{
    if (!LesFenetres().Fonctions)
        return;
    const char* aide = BasculeListeFonctions(this) ? Cacher : Montrer;
    speedButton1_->setStatusTip(aide);
    speedButton1_->setToolTip(aide);
    panneau_->setText(QString(" ") + aide);
}

bool TSolveur::ChampKeyPress(QLineEdit* champ)
{
    const std::string texte = champ->text().toStdString();
    if (texte.empty())
        return false;
    if (champ == fonc_) {
        Journal journal;
        const bool confirmee = modele_.ConfirmeFonction(texte, journal);
        RaconteJournal(journal, LitSons());
        if (confirmee)
            focusNextChild();
        return true;
    }
    const LectureNombre lu = LitChamp(texte);
    // A refused field is no longer confirmed: "Go ..." beeps until it
    // holds a value again, and the status bar says why.
    bool& confirme = champ == acquisInf_ ? modele_.InfSaisie : champ == acquisSup_ ? modele_.SupSaisie
                                                                                  : modele_.PlusSaisie;
    const bool pasDeTrop = champ == acquisPlus_ && modele_.Type == TypeCalcul::Integrale &&
                           std::trunc(lu.valeur) > IntervallesMax;
    if (lu.depassement || pasDeTrop) {
        confirme = false;
        LaPlateforme().Bip();
        panneau_->setText(QString(" ") + (lu.depassement ? HorsLimites : PasLimite));
        return true;
    }
    OublieRefus();
    if (champ == acquisInf_ || champ == acquisSup_) {
        (champ == acquisInf_ ? modele_.SolvBorneInf : modele_.SolvBorneSup) = lu.valeur;
        (champ == acquisInf_ ? modele_.InfSaisie : modele_.SupSaisie) = true;
        focusNextChild();
        return true;
    }
    modele_.ValeurPlus = lu.valeur;
    modele_.PlusSaisie = true;
    if (modele_.FoncSaisie && modele_.Type == TypeCalcul::Derivee)
        resultat_->setText(QString::fromStdString(modele_.Derivee()));
    else
        CalculBtnClick();
    return true;
}

bool TSolveur::eventFilter(QObject* objet, QEvent* evenement)
{
    if (EstToucheEntree(evenement) && ChampKeyPress(static_cast<QLineEdit*>(objet)))
        return true;
    return QMainWindow::eventFilter(objet, evenement);
}

bool TSolveur::event(QEvent* evenement)
{
    if (MontreAstuce(evenement, panneau_))
        return true;
    return QMainWindow::event(evenement);
}
