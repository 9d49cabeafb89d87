#include "graph/fenetres/TGraph.h"

#include "app/fenetres/Disposition.h"
#include "app/fenetres/Fenetres.h"
#include "app/fenetres/Plateforme.h"
#include "app/modele/Options.h"
#include "graph/fenetres/Controles.h"
#include "graph/fenetres/EcranDigit.h"
#include "graph/fenetres/Icones.h"
#include "graph/fenetres/Lecture.h"
#include "graph/fenetres/TTableau.h"
#include "graph/toile/Toile.h"

#include <QActionGroup>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr const char* Affiche = "Affiche la liste des fonctions utilisables .";
constexpr const char* Cache = "Cache la liste des fonctions utilisables .";
constexpr const char* DeriveesGenerique =
    "Courbe(s) représentative(s) de la (des) dérivée(s) de la (des) fonction(s) .";
constexpr const char* AideConique = "Conique ( de la forme : a*y^2+b*y+c où b et c peuvent être "
                                    "des fonctions polynômiales de x ) .";

// What choosing each curve type shows.
struct Presentation {
    const char* tip;
    const char* entree;
    bool derivee;
    const char* aideDerivee;
};
Presentation PresentationDe(TypeCourbe type)
{
    switch (type) {
    case TypeCourbe::Carte:
        return {"(Fonction cartésienne)", "Entrez la fonction f(x) çi-dessous :", true,
                "Traçe en bleu clair la dérivée de f(x) ."};
    case TypeCourbe::Polr:
        return {"(Courbe polaire)", "Entrez la fonction ro(t) çi-dessous :", false, DeriveesGenerique};
    case TypeCourbe::Para:
        return {"(Courbe paramétrique)", "Entrez la fonction x(t) çi-dessous :", true,
                "Traçe en vert la dérivée de x(t) et en bleu clair celle de y(t) ."};
    case TypeCourbe::Cone:
    case TypeCourbe::Aucune: break;
    }
    return {"(Conique)", "Entrez la fonction f(x,y)=0 çi-dessous :", false, DeriveesGenerique};
}

void Aide(QObject* o, const QString& aide)
{
    if (auto* w = qobject_cast<QWidget*>(o)) {
        w->setStatusTip(aide);
        w->setToolTip(aide);
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        a->setStatusTip(aide);
    }
}

} // namespace

TGraph::TGraph(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Graph");
    setWindowTitle("Module graphique");
    auto* centre = new QWidget(this);
    centre->setFixedSize(570, 400);
    setCentralWidget(centre);
    CreeOutils(); // first in the Tab order, as it comes first in reading order
    CreePanneaux(centre);
    CreeMenus();
    ConnecteEchelles();
    ConnecteSouris();
    ConnecteFichiers();
    panneau_ = BarreDEtat(this, "BarreEtat");
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Creation: the texts empty, nothing validated, the cursors dropped.
    modele_.OublieCurseurs();
    AppliqueCommandes();
    copieEcran_ = NouvelleImage();
    CentreSurEcran(this);
}

void TGraph::CreePanneaux(QWidget* centre)
{
    ecran_ = new EcranDigit(centre);
    ecran_->move(8, 8);
    // The hint says what the buttons do from the start.
    boutonsSouris_ = static_cast<int>(LitBoutonsSouris());
    Aide(ecran_, AideZone());
    ecran_->installEventFilter(this); // the keys of trace mode
    ecran_->setAccessibleName("Zone de tracé");
    ecran_->setAccessibleDescription(QString::fromStdString(modele_.DescriptionEcran(false)));

    QFont chiffres("Liberation Mono");
    chiffres.setPixelSize(12);
    Etiquette(centre, nullptr, "x =", 8, 252, 22, 18);
    Etiquette(centre, nullptr, "y =", 212, 252, 22, 18);
    for (auto [nom, x] : {std::pair{"CoordXCurs", 30}, std::pair{"CoordYCurs", 234}}) {
        QLabel* l = Etiquette(centre, nom, SansValeur, x, 252, 170, 18);
        l->setFont(chiffres);
    }

    auto* cadre = new QFrame(centre);
    cadre->setObjectName("CadreParametres");
    cadre->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    cadre->setGeometry(336, 8, 226, 148);
    static const std::pair<const char*, const char*> Lignes[] = {
        {"xminval", "X minimum :"}, {"xmaxval", "X maximum :"}, {"yminval", "Y minimum :"},
        {"ymaxval", "Y maximum :"}, {"VarMin", "Variable de :"}, {"VarMax", "à :"},
        {"Label2", "Graduation :"}, {"Fine", "Précision :"},
    };
    int y = 4;
    for (auto [nom, titre] : Lignes) {
        Etiquette(cadre, nullptr, titre, 6, y, 90, 17);
        lectures_[nom] = Etiquette<Lecture>(cadre, nom, QString(), 98, y, 124, 17);
        y += 17;
    }
    tip_ = Etiquette(centre, "Tip", QString(), 336, 160, 226, 18);
    tip_->setAlignment(Qt::AlignCenter);

    auto* curseurs = new QFrame(centre);
    curseurs->setObjectName("CadreCurseurs");
    curseurs->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    curseurs->setGeometry(336, 182, 226, 66);
    Aide(curseurs, "Position des curseurs .");
    Etiquette(curseurs, nullptr, "x", 84, 2, 66, 16)->setAlignment(Qt::AlignCenter);
    Etiquette(curseurs, nullptr, "y", 152, 2, 66, 16)->setAlignment(Qt::AlignCenter);
    Etiquette(curseurs, nullptr, "Curseur 1 :", 6, 22, 76, 18);
    Etiquette(curseurs, nullptr, "Curseur 2 :", 6, 42, 76, 18);
    for (auto [nom, x, y2] : {std::tuple{"Cur1X", 84, 22}, std::tuple{"Cur1Y", 152, 22},
                              std::tuple{"Cur2X", 84, 42}, std::tuple{"Cur2Y", 152, 42}})
        lectures_[nom] = Etiquette<Lecture>(curseurs, nom, SansValeur, x, y2, 66, 18);

    entreFoncXouRo_ = Etiquette(centre, "EntreFoncXouRo", QString(), 8, 276, 440, 18);
    fonctionXouRo_ = Champ(centre, "FonctionXouRo", QRect(8, 296, 440, 24));
    entreFoncY_ = Etiquette(centre, "EntreFoncY", "Entrez la fonction y(t) çi-dessous :", 8, 324, 440, 18);
    fonctionY_ = Champ(centre, "FonctionY", QRect(8, 344, 440, 24));
    calculBtn_ = new QPushButton("Go ...", centre);
    calculBtn_->setObjectName("CalculBtn");
    calculBtn_->setGeometry(462, 294, 100, 28);
    calculBtn_->setAutoDefault(true); // Enter on the focused button plots
    Aide(calculBtn_, "Trace la courbe .");
    drawProgress_ = new QProgressBar(centre);
    drawProgress_->setObjectName("DrawProgress");
    drawProgress_->setGeometry(8, 378, 554, 14);
    drawProgress_->setTextVisible(false);
    drawProgress_->hide();
    arret_ = new QPushButton("Arrêter", centre);
    arret_->setObjectName("ArretTrace");
    arret_->setGeometry(482, 372, 80, 24);
    Aide(arret_, "Arrête le tracé en cours (Echap) .");
    arret_->setShortcut(Qt::Key_Escape);
    arret_->hide();
    connect(arret_, &QPushButton::clicked, this, &TGraph::ArreteTrace);
    travail_ = new Travail(this);
    connect(travail_, &Travail::Termine, this, &TGraph::TraceTermine);
    for (QWidget* w : {static_cast<QWidget*>(entreFoncXouRo_), static_cast<QWidget*>(fonctionXouRo_),
                       static_cast<QWidget*>(entreFoncY_), static_cast<QWidget*>(fonctionY_)})
        w->hide();
    fonctionXouRo_->installEventFilter(this);
    fonctionY_->installEventFilter(this);
    QWidget::setTabOrder(fonctionXouRo_, fonctionY_);
    QWidget::setTabOrder(fonctionY_, calculBtn_);
    connect(calculBtn_, &QPushButton::clicked, this, &TGraph::CalculBtnClick);
}

void TGraph::CreeOutils()
{
    auto* outils = addToolBar("Outils");
    outils->setObjectName("ToolBar");
    outils->setMovable(false);
    outils->setIconSize(QSize(24, 24));
    struct Outil {
        const char* nom;
        const char* parle; // what a screen reader says for its picture
        const char* aide;
        std::function<void()> action;
    };
    const Outil liste[] = {
        {"SpeedButton1", "Liste des fonctions", Affiche, [this] { SpeedButton1Click(); }},
        {"SpeedButton2", "Fonction cartésienne", "Fonction cartésienne .", [this] { ChoisitType(TypeCourbe::Carte); }},
        {"SpeedButton3", "Courbe polaire", "Courbe polaire .", [this] { ChoisitType(TypeCourbe::Polr); }},
        {"SpeedButton4", "Courbe paramétrique", "Courbe paramétrique .", [this] { ChoisitType(TypeCourbe::Para); }},
        {"SpeedButton10", "Conique", AideConique, [this] { ChoisitType(TypeCourbe::Cone); }},
        {"SpeedButton7", "Coordonnées de l'écran", "Coordonnées de l'écran .", {}},
        {"SpeedButton5", "Intervalle d'étude", "Intervalle d'étude de la variable .", {}},
        {"SpeedButton6", "Echelle sur les axes", "Echelle sur les axes .", {}},
        {"SpeedButton9", "Zoom", "Zoom .", {}},
        {"ZoomButton", "Zoom entre les curseurs", "Zoom sur la zone définie par les curseurs .", {}},
        {"SpeedButton8", "Efface l'écran", "Efface l'écran .", [this] { CleanUpClick(); }},
        {"dXButton", "Dérivées", DeriveesGenerique, [this] { dXButtonClick(); }},
        {"SomButton", "Intégrale", "Intégrale de f(x) entre les deux curseurs .", {}},
        {"ZeroButton", "Zéro", "Zéro de f(x) entre les deux curseurs .", {}},
        {"ExtremumButton", "Extremum", "Maximum et minimum de f(x) entre les deux curseurs .", {}},
        {"EtudeButton", "Etude de la fonction",
         "Etude de f(x) sur un intervalle : zéros, extremums, points d'inflexion, pôles, intégrale .",
         [this] { EtudeFonctionClick(); }},
        {"Secours", "Aide", "Aide sur le module graphique .", [] { LaPlateforme().Aide("GRAPH"); }},
    };
    for (const Outil& o : liste) {
        auto* bouton = new QToolButton(outils);
        bouton->setObjectName(o.nom);
        bouton->setIcon(IconeOutil(o.nom));
        bouton->setAccessibleName(QString::fromUtf8(o.parle));
        Aide(bouton, o.aide);
        outils->addWidget(bouton);
        if (o.action)
            connect(bouton, &QToolButton::clicked, this, o.action);
        if (std::string_view(o.nom) == "SpeedButton10" || std::string_view(o.nom) == "SpeedButton8" ||
            std::string_view(o.nom) == "ZoomButton" || std::string_view(o.nom) == "Secours")
            outils->addSeparator();
    }
}

QAction* TGraph::Action(QMenu* menu, const char* nom, const QString& titre, const QString& aide)
{
    QAction* a = menu ? menu->addAction(titre) : menuBar()->addAction(titre);
    a->setObjectName(nom);
    if (!aide.isEmpty())
        a->setStatusTip(aide);
    return a;
}

void TGraph::CreeMenus()
{
    QMenuBar* barre = menuBar();
    QMenu* fichiers = barre->addMenu("Fichier&s");
    fichiers->setObjectName("Fichiers");
    Action(fichiers, "Ouvrir", "&Ouvrir", "Ouvre un fichier du module graphique")->setShortcut(QKeySequence("Ctrl+O"));
    Action(fichiers, "Sauve", "&Enregistrer", "Enregistre le graphique dans son fichier")
        ->setShortcut(QKeySequence("Ctrl+S"));
    Action(fichiers, "SauveSous", "Enregistrer &sous ...", "Enregistre le graphique sous un autre nom");
    Action(fichiers, "Fermer", "&Fermer", "Ferme le fichier du module graphique en cours d'utilisation");
    fichiers->addSeparator();
    Action(fichiers, "ExporteImage", "E&xporter l'image ...", "Enregistre le dessin en image PNG ou SVG .");
    Action(fichiers, "CopieImage", "&Copier l'image", "Copie le dessin dans le presse-papiers .");
    QAction* trait = fichiers->addSeparator();
    trait->setObjectName("TraitFichiers");
    trait->setVisible(false);
    for (int k = 0; k < 4; ++k) {
        const QByteArray nom = "No" + QByteArray::number(k);
        QAction* a = Action(fichiers, nom.constData(), "&" + QString::number(k), QString());
        a->setCheckable(true);
        a->setVisible(false);
    }

    QMenu* types = barre->addMenu("&Type de graphique");
    types->setObjectName("TypeGraphique");
    const std::tuple<const char*, const char*, const char*, TypeCourbe> Types[] = {
        {"tyCartesian", "Fonction &cartésienne", "SpeedButton2", TypeCourbe::Carte},
        {"tyPol", "Courbe &polaire", "SpeedButton3", TypeCourbe::Polr},
        {"tyPara", "Courbe p&aramétrique", "SpeedButton4", TypeCourbe::Para},
        {"tyCone", "Co&nique", "SpeedButton10", TypeCourbe::Cone},
    };
    for (auto [nom, titre, bouton, type] : Types) {
        QAction* a = Action(types, nom, titre, Bouton(bouton)->statusTip());
        connect(a, &QAction::triggered, this, [this, t = type] { ChoisitType(t); });
    }

    QMenu* echelles = barre->addMenu("Ec&helles");
    echelles->setObjectName("Echelles");
    Action(echelles, "Coords", "Coordonné&es de l'écran", "Coordonnées des coins de l'écran graphique .")
        ->setShortcut(QKeySequence("Alt+E"));
    Action(echelles, "ScaleInterval", "&Intervalle d'étude de la variable", "Intervalle d'étude de la variable .")
        ->setShortcut(QKeySequence("Alt+I"));
    Action(echelles, "ScaleScreen", "Echelle sur les &axes", "Echelle représentée sur les axes .")
        ->setShortcut(QKeySequence("Alt+A"));
    Action(echelles, "AjusteY", "Ajuster &Y", "Règle Y min et Y max sur les valeurs de la fonction à l'écran .");
    echelles->addSeparator();
    QMenu* zoom = echelles->addMenu("&Zoom");
    zoom->setObjectName("ZoomMenu");
    Action(zoom, "Zoom12", "1 : 2", "Multiplie par 1/2 les paramètres de traçage .");
    Action(zoom, "Zoom21", "2 : 1", "Multiplie par 2 les paramètres de traçage .");
    Action(zoom, "ZoomUser", "&Autre ...",
           "Multiplie indépendamment l'axe de abscisses et des ordonnées par un facteur choisis .");
    echelles->addSeparator();
    Action(echelles, "ReInit", "&Réinitialisation des paramètres de traçage",
           "Réinitialise les paramètres de traçage à leurs valeurs par défaut .")
        ->setShortcut(QKeySequence("Alt+R"));
    echelles->addSeparator();
    QMenu* loupe = echelles->addMenu("A&grandissement");
    loupe->setObjectName("Agrandissement");
    auto* loupes = new QActionGroup(loupe);
    for (int k = 1; k <= 3; ++k) {
        QAction* a = Action(loupe, qPrintable("Loupe" + QString::number(k)), "×" + QString::number(k),
                            k == 1 ? QString("Le dessin à sa taille : un point par pixel .")
                                   : QString("Le dessin agrandi %1 fois .").arg(k));
        a->setCheckable(true);
        loupes->addAction(a);
        connect(a, &QAction::triggered, this, [this, k] { AgrandissementClick(k); });
    }
    echelles->addSeparator();
    QMenu* precision = echelles->addMenu("&Précision");
    precision->setObjectName("PrecisionMenu");
    const std::tuple<const char*, const char*, const char*, void (TGraph::*)()> Precisions[] = {
        {"MiniPrecis", "&Minimum", "Un point calculé par pixel .", &TGraph::MiniPrecisClick},
        {"MaxiPrecis", "Maxim&um", "Dix points calculés par pixel .", &TGraph::MaxiPrecisClick},
        {"PlusPrecis", "&Augmenter", "Un point de plus par pixel .", &TGraph::PlusPrecisClick},
        {"MoinsPrecis", "&Diminuer", "Un point de moins par pixel .", &TGraph::MoinsPrecisClick},
    };
    for (auto [nom, titre, aide, action] : Precisions)
        connect(Action(precision, nom, titre, aide), &QAction::triggered, this, action);

    QMenu* calculs = barre->addMenu("&Calculs");
    calculs->setObjectName("Calculs");
    Action(calculs, "CalcInt", "&Intégration", Bouton("SomButton")->statusTip());
    Action(calculs, "CalcZero", "Recherche de &zéro", Bouton("ZeroButton")->statusTip());
    Action(calculs, "CalcExtremum", "Recherche d'&extremum", Bouton("ExtremumButton")->statusTip());
    QAction* etude = Action(calculs, "EtudeFonction", "E&tude de la fonction ...", Bouton("EtudeButton")->statusTip());
    // Ctrl+E never reaches the window while a field has the focus.
    etude->setShortcut(QKeySequence("Ctrl+Shift+E"));
    connect(etude, &QAction::triggered, this, &TGraph::EtudeFonctionClick);
    calculs->addSeparator();
    QAction* suivi = Action(calculs, "SuiviCourbe", "&Suivre la courbe",
                            "Un repère suit la courbe au clavier : flèches, Entrée pour un curseur, Echap pour finir .");
    suivi->setShortcut(QKeySequence(Qt::Key_T));
    connect(suivi, &QAction::triggered, this, &TGraph::SuiviCourbeClick);
    QAction* tableau = Action(calculs, "TableauValeurs", "&Tableau de valeurs ...",
                              "Tableau des valeurs de la courbe, avec un début, un pas et un nombre de lignes .");
    tableau->setShortcut(QKeySequence("Ctrl+T"));
    connect(tableau, &QAction::triggered, this, &TGraph::TableauValeursClick);
    connect(Action(calculs, "CalcDeriv", "&Dérivée(s)", DeriveesGenerique), &QAction::triggered, this,
            &TGraph::CalcDerivClick);

    connect(Action(nullptr, "CleanUp", "E&ffacer l'écran", "Efface l'écran ."), &QAction::triggered, this,
            &TGraph::CleanUpClick);
    connect(Action(nullptr, "Vamos", "&Quitter", "Ferme le module graphique ."), &QAction::triggered, this,
            &TGraph::VamosClick);
    QMenu* sos = barre->addMenu("&?");
    sos->setObjectName("Aide");
    QAction* aide = Action(sos, "ModOp", "&Aide sur le module graphique", "Aide sur le module graphique .");
    aide->setShortcut(Qt::Key_F1);
    connect(aide, &QAction::triggered, this, [] { LaPlateforme().Aide("GRAPH"); });
    connect(Action(sos, "ModOp1", "&Présentation du logiciel", "Présentation du logiciel ."),
            &QAction::triggered, this, [] { LaPlateforme().Aide("PRESENT"); });

    // The context menu of the drawing area.
    auto* popup = popup_ = new QMenu(this);
    popup->setObjectName("GrafPopupMenu");
    Action(popup, "Zoom1", "&Zoom", "Zoom sur la zone encadrée .");
    Action(popup, "Intgration", "&Intégration", Bouton("SomButton")->statusTip());
    Action(popup, "Recherchedezro", "Recherche de &zéro", Bouton("ZeroButton")->statusTip());
    Action(popup, "Extremum", "Recherche d'&extremum", Bouton("ExtremumButton")->statusTip());
    connect(Action(popup, "EtudeContexte", "E&tude de la fonction ...", Bouton("EtudeButton")->statusTip()),
            &QAction::triggered, this, &TGraph::EtudeFonctionClick);
    Action(popup, "Rinitialisationdesparamtres", "&Réinitialisation des paramètres",
           "Réinitialise les paramètres de traçage à leurs valeurs par défaut .");
}

QAction* TGraph::ActionNommee(const char* nom) const { return findChild<QAction*>(nom); }

QToolButton* TGraph::Bouton(const char* nom) const { return findChild<QToolButton*>(nom); }

void TGraph::AppliqueCommandes()
{
    if (traceEnCours_)
        return; // the plot's lock holds until its end
    const EnsembleCommandes actives = CommandesActives(modele_);
    for (std::size_t k = 0; k < NombreCommandes; ++k) {
        const Commande c = static_cast<Commande>(k);
        for (const char* nom : ControlesDe(c)) {
            if (QAction* a = ActionNommee(nom))
                a->setEnabled(actives.Contient(c));
            else if (QToolButton* b = Bouton(nom))
                b->setEnabled(actives.Contient(c));
        }
    }
}

void TGraph::MontreLectures()
{
    const LecturesGraphe& l = modele_.Textes();
    const std::pair<const char*, const std::string*> Textes[] = {
        {"xminval", &l.xminval}, {"xmaxval", &l.xmaxval}, {"yminval", &l.yminval}, {"ymaxval", &l.ymaxval},
        {"VarMin", &l.VarMin},   {"VarMax", &l.VarMax},   {"Label2", &l.Label2},   {"Fine", &l.Fine},
    };
    for (auto [nom, texte] : Textes)
        lectures_[nom]->setText(QString::fromStdString(*texte));
    const char* const Curseurs[] = {"Cur1X", "Cur1Y", "Cur2X", "Cur2Y"};
    for (int k = 0; k < 4; ++k)
        lectures_[Curseurs[k]]->setText(QString::fromStdString(modele_.TextesCurseurs()[k]));
}

void TGraph::showEvent(QShowEvent* evenement)
{
    QMainWindow::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    for (QWidget* w : {static_cast<QWidget*>(entreFoncXouRo_), static_cast<QWidget*>(fonctionXouRo_),
                       static_cast<QWidget*>(entreFoncY_), static_cast<QWidget*>(fonctionY_)})
        w->hide();
    modele_.InitialiseAffichage();
    AfficheParametres();
    // The factor chosen, or the largest that this screen still takes; the
    // settings keep the choice.
    for (int facteur = LitAgrandissement(); !Agrandit(facteur); --facteur) {
    }
    tip_->clear();
    EffaceEcran();
}

void TGraph::FormActivate()
{
    if (ListeFonctionsVisible())
        Aide(Bouton("SpeedButton1"), "Cache la liste des fonctions utilisables");
    LacheCurseurs();
    modele_.Activation();
    MontreLectures();
    for (const char* nom : {"CoordXCurs", "CoordYCurs"})
        findChild<QLabel*>(nom)->setText(SansValeur);
    AppliqueCommandes();
    Aide(Bouton("dXButton"), DeriveesGenerique);
    modele_.SonsActifs = LitSonsTraceur();
    boutonsSouris_ = static_cast<int>(LitBoutonsSouris());
    Aide(ecran_, AideZone());
    recents_ = LitFichiersRecents();
    AfficheRecents();
}

void TGraph::AfficheParametres()
{
    modele_.MontreParametres();
    MontreLectures();
    AppliqueCommandes();
    MarqueEtude();
}

void TGraph::RemetCurseursAZero()
{
    modele_.CacheCurseurs();
    MontreLectures();
}

void TGraph::EffaceEcran()
{
    EffaceImage(ecran_->Image());
    dessinEcran_.clear();
    dessinEcranComplet_ = true;
    ecran_->update();
    modele_.ApresEffacement();
    ecran_->setAccessibleDescription(QString::fromStdString(modele_.DescriptionEcran(false)));
    QuitteSuivi();
    AppliqueCommandes();
}

void TGraph::ChoisitType(TypeCourbe type)
{
    modele_.ChoisitType(type);
    PresenteType(type);
    fonctionXouRo_->setFocus();
}

void TGraph::PresenteType(TypeCourbe type)
{
    const Presentation p = PresentationDe(type);
    tip_->setText(p.tip);
    fonctionXouRo_->setText(QString::fromStdString(modele_.SaisieX()));
    if (type == TypeCourbe::Para)
        fonctionY_->setText(QString::fromStdString(modele_.SaisieYt));
    modele_.ApresPresentation();
    AppliqueCommandes();
    Aide(Bouton("dXButton"), p.aideDerivee);
    entreFoncY_->setVisible(type == TypeCourbe::Para);
    fonctionY_->setVisible(type == TypeCourbe::Para);
    entreFoncXouRo_->setText(p.entree);
    entreFoncXouRo_->show();
    fonctionXouRo_->show();
}

void TGraph::FonctionXouRoKeyPress()
{
    Journal journal;
    const ModeleGraphe::Saisie saisie = modele_.ValideX(fonctionXouRo_->text().toStdString(), journal);
    RaconteJournal(journal, modele_.SonsActifs);
    switch (saisie) {
    case ModeleGraphe::Saisie::Vide: LaPlateforme().Bip(); break;
    case ModeleGraphe::Saisie::Refusee: break;
    case ModeleGraphe::Saisie::Validee:
        if (modele_.Type == TypeCourbe::Para)
            SelectionneChamp(fonctionY_);
        else
            calculBtn_->setFocus();
        break;
    }
    ApresValidation();
}

void TGraph::ApresValidation()
{
    AppliqueCommandes();
    MarqueEtude();
    // The table follows the function.
    if (tableau_ && tableau_->isVisible() && modele_.PeutTracer())
        tableau_->Calcule();
}

void TGraph::FonctionYKeyPress()
{
    Journal journal;
    const ModeleGraphe::Saisie saisie = modele_.ValideY(fonctionY_->text().toStdString(), journal);
    RaconteJournal(journal, modele_.SonsActifs);
    switch (saisie) {
    case ModeleGraphe::Saisie::Vide: LaPlateforme().Bip(); break;
    case ModeleGraphe::Saisie::Refusee: break;
    case ModeleGraphe::Saisie::Validee: calculBtn_->setFocus(); break;
    }
    ApresValidation();
}

void TGraph::CleanUpClick()
{
    LacheCurseurs();
    modele_.SansCalculs();
    EffaceEcran();
    RemetCurseursAZero();
}

void TGraph::VamosClick()
{
    EffaceEcran();
    modele_.OublieCurseurs();
    close();
}

void TGraph::SpeedButton1Click()
{
    if (!LesFenetres().Fonctions)
        return;
    const char* aide = BasculeListeFonctions(this) ? Cache : Affiche;
    Aide(Bouton("SpeedButton1"), aide);
    panneau_->setText(QString(" ") + aide);
}

void TGraph::ChangePrecision(int precision)
{
    LacheCurseurs();
    modele_.ChangePrecision(precision);
    modele_.MontrePrecision();
    MontreLectures();
    AppliqueCommandes();
    Replot();
}

void TGraph::MiniPrecisClick() { ChangePrecision(1); }
void TGraph::MaxiPrecisClick() { ChangePrecision(10); }
void TGraph::PlusPrecisClick() { ChangePrecision(modele_.Precision() + 1); }
void TGraph::MoinsPrecisClick() { ChangePrecision(modele_.Precision() - 1); }

bool TGraph::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == ecran_) {
        if (evenement->type() == QEvent::KeyPress && SuiviKeyPress(static_cast<QKeyEvent*>(evenement)))
            return true;
        // Trace mode ends when the area loses the focus, not for a menu.
        if (evenement->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(evenement)->reason() != Qt::PopupFocusReason)
            QuitteSuivi();
        return QMainWindow::eventFilter(objet, evenement);
    }
    if (!EstToucheEntree(evenement))
        return QMainWindow::eventFilter(objet, evenement);
    objet == fonctionXouRo_ ? FonctionXouRoKeyPress() : FonctionYKeyPress();
    return true;
}

bool TGraph::event(QEvent* evenement)
{
    if (MontreAstuce(evenement, panneau_))
        return true;
    return QMainWindow::event(evenement);
}
