#include "calc/fenetres/TCalculatrice.h"

#include "calc/fenetres/EcranLignes.h"
#include "calc/fenetres/THistorique.h"

#include "app/fenetres/Disposition.h"
#include "app/fenetres/Fenetres.h"
#include "app/fenetres/Plateforme.h"
#include "app/fenetres/TAboutBox.h"
#include "app/fenetres/TOptionCalc.h"
#include "app/modele/Options.h"
#include "calc/modele/LigneEntree.h"
#include "funclang/Nombres.h"
#include "graph/fenetres/TGraph.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBlock>

#include <algorithm>

namespace {

QFont PoliceNombres()
{
    QFont police("Times New Roman");
    police.setPixelSize(16);
    police.setBold(true);
    return police;
}

QFont PoliceCoord(bool polaire)
{
    QFont police("Times New Roman");
    police.setPointSize(polaire ? 10 : 12);
    return police;
}

void Indique(QWidget* w, const QString& aide)
{
    w->setStatusTip(aide);
    w->setToolTip(aide);
    // The hint of the control under the pointer changed: the status bar
    // shows the new one at once, not after the next move of the mouse.
    if (w->underMouse()) {
        QStatusTipEvent astuce(aide);
        QCoreApplication::sendEvent(w, &astuce);
    }
}

} // namespace

TCalculatrice::TCalculatrice(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
{
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    setObjectName("Calculatrice");
    setWindowTitle("Calculette");

    auto* centre = new QWidget(this);
    centre->setObjectName("Centre");
    centre->setFixedSize(486, 341);
    setCentralWidget(centre);
    CreeEcran(centre);
    CreeClavier(centre);
    CreeMenus();

    panneau_ = BarreDEtat(this, "BarreEtat");
    statusBar()->setFixedHeight(22); // with the central area, a client area of 486 x 363
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Creation: everything at zero, complex rectangular display; the first
    // activation applies the mode of the settings file.
    panneau_->setText(" ");
    acquisition_->clear();
    MontreAffichage();
    adjustSize();
    CentreSurEcran(this);
}

void TCalculatrice::CreeEcran(QWidget* centre)
{
    const QFont police = PoliceNombres();
    // Behind the lines, the stack display as one control: after an entry it
    // holds the focus, where Space and Enter do nothing and typing goes on.
    ecranPile_ = new QFrame(centre);
    ecranPile_->setObjectName("EcranPile");
    ecranPile_->setGeometry(2, 2, 482, 136);
    ecranPile_->setFocusPolicy(Qt::StrongFocus);
    ecranPile_->installEventFilter(this);
    Indique(ecranPile_, "Pile .");
    // Copy: line 1, or the line the user clicked.
    copier_ = new QAction("&Copier", ecranPile_);
    copier_->setObjectName("CopierPile");
    copier_->setShortcut(QKeySequence::Copy);
    copier_->setShortcutContext(Qt::WidgetShortcut);
    copier_->setStatusTip("Copie la ligne choisie de la pile (la ligne 1 sans autre choix) .");
    ecranPile_->addAction(copier_);
    ecranPile_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copier_, &QAction::triggered, this, [this] {
        QGuiApplication::clipboard()->setText(QString::fromStdString(TexteCopie(LaPile()[ligneChoisie_])));
    });
    cadreNumero_ = new QWidget(centre);
    cadreNumero_->setObjectName("CadreNumero");
    cadreNumero_->setGeometry(4, 4, 28, 130);
    for (int n = 1; n <= 5; ++n) {
        const int y = 4 + (5 - n) * 26; // line 1 at the bottom
        auto* numero = Etiquette(cadreNumero_, nullptr, QString("%1:").arg(n), 0, y, 26, 22);
        numero->setObjectName(QString("LabelLigne%1").arg(n));
        numero->setFont(police);
        auto place = [&](const QString& nom, int x, int largeur) {
            auto* l = Etiquette(centre, nullptr, QString(), x, 4 + y, largeur, 22);
            l->setObjectName(nom.arg(n));
            l->setFont(police);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->setAttribute(Qt::WA_TransparentForMouseEvents); // a click chooses the line
            return l;
        };
        ligneR_[n - 1] = place("Ligne%1R", 34, 196);
        signe_[n - 1] = place("Signe%1", 232, 24);
        ligneC_[n - 1] = place("Ligne%1C", 258, 196);
        place("i%1", 456, 14)->setText("i");
    }

    ecranR_ = new EcranLignes(centre);
    ecranR_->setObjectName("EcranR");
    ecranR_->setGeometry(4, 4, 478, 132);
    ecranR_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont systeme = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    systeme.setPixelSize(13);
    systeme.setBold(true);
    ecranR_->setFont(systeme);
    Indique(ecranR_, "Ecran .");
    ecranR_->hide();
    ecranR_->installEventFilter(this);
    connect(ecranR_, &EcranLignes::CollageDeLignes, this, &TCalculatrice::ColleLignes);

    parties_ = Etiquette(centre, "Parties", "Partie Réelle :", 4, 142, 118, 24);
    acquisition_ = new QLineEdit(centre);
    acquisition_->setObjectName("Acquisition");
    acquisition_->setGeometry(124, 142, 100, 24);
    // Beside the field, what the entry holds already: the real part typed
    // at the first step.
    saisieEnCours_ = Etiquette(centre, "SaisieEnCours", QString(), 226, 142, 68, 24);
    Indique(saisieEnCours_, "Partie réelle déjà entrée : la saisie attend la partie imaginaire .");
    saisieEnCours_->hide();
    reglesLigne_ = Etiquette(centre, "ReglesLigne", QString(), 4, 142, 70, 24);
    Indique(reglesLigne_, "Règles de calcul des lignes : « 15 ch. », chaque étape arrondie à 15 chiffres ; "
                          "« 80 bits », la précision étendue (menu « Edition ») .");
    reglesLigne_->hide();
    acquisition_->installEventFilter(this);
    acquisition_->setAccessibleDescription("Entrez un nombre, puis Entrée pour le poser sur la pile .");

    auto bouton = [&](const char* nom, const QString& titre, int x, int largeur) {
        auto* b = new QPushButton(titre, centre);
        b->setObjectName(nom);
        b->setGeometry(x, 141, largeur, 26);
        return b;
    };
    swapBtn_ = bouton("SwapBtn", "R / C", 296, 46);
    swapBtn_->setCheckable(true);
    Indique(swapBtn_, "Calculs dans C .");
    coord_ = bouton("Coord", "(x,y)", 344, 44);
    mesureAngle_ = bouton("MesureAngle", "rad", 390, 40);
    swapBtn_->setAccessibleName("Calculs réels ou complexes");
    coord_->setAccessibleName("Coordonnées");
    mesureAngle_->setAccessibleName("Unité des angles");
    coord_->setAccessibleDescription("Affichage des nombres en coordonnées cartésiennes ou polaires .");
    mesureAngle_->setAccessibleDescription("Angles en radians ou en degrés .");
    quitter_ = bouton("Quitter", "Quitter", 432, 50);
    Indique(quitter_, "Quitte le programme .");
    connect(swapBtn_, &QPushButton::clicked, this, &TCalculatrice::SwapBtnClick);
    connect(coord_, &QPushButton::clicked, this, &TCalculatrice::CoordClick);
    connect(mesureAngle_, &QPushButton::clicked, this, &TCalculatrice::MesureAngleClick);
    connect(quitter_, &QPushButton::clicked, this, &QWidget::close);
}

void TCalculatrice::CreeClavier(QWidget* centre)
{
    for (const DefinitionTouche& b : LesTouches()) {
        auto* bouton = new QPushButton(QString::fromUtf8(b.titre), centre);
        bouton->setObjectName(b.nom);
        bouton->setProperty("Tag", b.tag);
        bouton->setGeometry(4 + b.colonne * 69, 174 + b.ligne * 33, 65, 29);
        // Keypad keys never take the focus: in real mode typing goes on in
        // the line entry between two keys.
        bouton->setFocusPolicy(Qt::NoFocus);
        Indique(bouton, QString::fromUtf8(b.aide));
        bouton->setAccessibleName(QString::fromUtf8(b.parle));
        connect(bouton, &QPushButton::clicked, this, &TCalculatrice::ClavierClick);
    }
}

QAction* TCalculatrice::Commande(QMenu* menu, const char* nom, const QString& titre, const QString& aide)
{
    QAction* action = menu->addAction(titre);
    action->setObjectName(nom);
    action->setStatusTip(aide);
    return action;
}

QAction* TCalculatrice::Commande(QMenu* menu, Touche t)
{
    const ItemMenu& item = DefinitionDe(t).menu;
    QAction* action = Commande(menu, item.nom, QString::fromUtf8(item.titre), QString::fromUtf8(item.aide));
    connect(action, &QAction::triggered, this, [this, t] { MenuClick(t); });
    return action;
}

void TCalculatrice::CreeMenuEdition()
{
    edition_ = menuBar()->addMenu("&Edition");
    edition_->setObjectName("Edition");
    annuler_ = Commande(edition_, "Annuler", "&Annuler", "Annule la dernière opération .");
    annuler_->setShortcut(QKeySequence::Undo);
    connect(annuler_, &QAction::triggered, this, &TCalculatrice::AnnulerClick);
    retablir_ = Commande(edition_, "Retablir", "&Rétablir", "Rétablit l'opération annulée .");
    retablir_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(retablir_, &QAction::triggered, this, &TCalculatrice::RetablirClick);
    edition_->addSeparator();
    edition_->addAction(copier_);
    QAction* coller = Commande(edition_, "Coller", "C&oller", "Colle le presse-papiers dans la saisie .");
    coller->setShortcut(QKeySequence::Paste);
    connect(coller, &QAction::triggered, this, &TCalculatrice::CollerClick);
    edition_->addSeparator();
    dernierArgument_ = Commande(edition_, "DernierArgument", "&Dernier argument",
                                "Remet sur la pile la ligne 1 d'avant la dernière opération .");
    dernierArgument_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(dernierArgument_, &QAction::triggered, this, &TCalculatrice::DernierArgumentClick);
    QAction* historique = Commande(edition_, "Historique", "&Historique ...", "Montre l'historique des résultats .");
    historique->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(historique, &QAction::triggered, this, &TCalculatrice::HistoriqueClick);
    edition_->addSeparator();
    reglesUsuelles_ = Commande(edition_, "ReglesUsuelles", "Règle&s usuelles",
                               "Calcule les lignes en précision étendue, avec les priorités usuelles (-2^2 = -4) .");
    reglesUsuelles_->setCheckable(true);
    connect(reglesUsuelles_, &QAction::triggered, this, &TCalculatrice::ReglesClick);
    QAction* variables = Commande(edition_, "Variables", "&Variables ...",
                                  "Montre les variables définies par une ligne « nom = expression » .");
    connect(variables, &QAction::triggered, this, &TCalculatrice::VariablesClick);
    edition_->addSeparator();
    for (const DefinitionOutil& d : LesOutils()) {
        QAction* outil = Commande(edition_, d.nom, QString::fromUtf8(d.titre), QString::fromUtf8(d.aide));
        outil->setShortcut(QKeySequence(d.raccourci));
        connect(outil, &QAction::triggered, this, [this, o = d.outil] { OutilClick(o); });
        outils_.push_back(outil);
    }
}

void TCalculatrice::CreeMenus()
{
    QMenuBar* barre = menuBar();
    // Nine titles must fit the width of the calculator.
    barre->setStyleSheet("QMenuBar { font-size: 10px; spacing: 0px; } QMenuBar::item { padding: 2px 3px; }");

    CreeMenuEdition();

    solve_ = barre->addMenu("&Résolution");
    solve_->setObjectName("Solve");
    for (Touche t : {Touche::Degre1, Touche::Degre2, Touche::Degre3, Touche::Degre4})
        Commande(solve_, t);

    ctes_ = barre->addMenu("&Constantes");
    ctes_->setObjectName("Ctes");
    cste1_ = Commande(ctes_, Touche::ConstanteI);
    Commande(ctes_, Touche::ConstantePi);

    functions_ = barre->addMenu("&Fonctions");
    functions_->setObjectName("Functions");
    for (Touche t : {Touche::Somme, Touche::Difference, Touche::Produit, Touche::Divise})
        Commande(functions_, t);
    functions_->addSeparator();
    Commande(functions_, Touche::Inverse);
    Commande(functions_, Touche::Oppose);
    calc7_ = Commande(functions_, Touche::Conjugue);
    functions_->addSeparator();

    QMenu* trigo = functions_->addMenu("&Trigonométrique");
    trigo->setObjectName("Trigo");
    for (Touche t : {Touche::Cos, Touche::Sin, Touche::Tan})
        Commande(trigo, t);
    trigo->addSeparator();
    QMenu* inverse = trigo->addMenu("&Inverse");
    inverse->setObjectName("Inverse");
    for (Touche t : {Touche::ArcCos, Touche::ArcSin, Touche::ArcTan})
        Commande(inverse, t);

    QMenu* hyper = functions_->addMenu("&Hyperbolique");
    hyper->setObjectName("Hyper");
    for (Touche t : {Touche::Ch, Touche::Sh, Touche::Th})
        Commande(hyper, t);
    hyper->addSeparator();
    QMenu* invh = hyper->addMenu("&Inverse");
    invh->setObjectName("Invh");
    for (Touche t : {Touche::ArgCh, Touche::ArgSh, Touche::ArgTh})
        Commande(invh, t);

    QMenu* puisce = functions_->addMenu("Puiss&ance");
    puisce->setObjectName("Puisce");
    for (Touche t : {Touche::Carre, Touche::Puissance, Touche::RacineY, Touche::Racine, Touche::Exp, Touche::Ln})
        Commande(puisce, t);

    graphe_ = barre->addAction("&Graphiques");
    graphe_->setObjectName("Graphe");
    connect(graphe_, &QAction::triggered, this, &MontreTraceur);
    mat_ = barre->addAction("&Matrices");
    mat_->setObjectName("Mat");
    connect(mat_, &QAction::triggered, this, &MontreMatrices);
    solveur_ = barre->addAction("Module &solveur");
    solveur_->setObjectName("Solveur");
    connect(solveur_, &QAction::triggered, this, &MontreSolveur);

    QMenu* sos = barre->addMenu("&?");
    sos->setObjectName("SOS");
    QAction* help1 = Commande(sos, "Help1", "&Aide sur la calculatrice", QString());
    connect(help1, &QAction::triggered, this, [] { LaPlateforme().Aide("COMPLEX"); });
    QAction* help0 = Commande(sos, "Help0", "&Sommaire", QString());
    help0->setShortcut(Qt::Key_F1);
    connect(help0, &QAction::triggered, this, [] { LaPlateforme().Aide(""); });
    QAction* help3 = Commande(sos, "Help3", "&Présentation du logiciel", QString());
    connect(help3, &QAction::triggered, this, [] { LaPlateforme().Aide("PRESENT"); });
    QAction* options = Commande(sos, "Options", "&Options ...", QString());
    options->setShortcut(Qt::Key_F9);
    connect(options, &QAction::triggered, this, &TCalculatrice::OptionsClick);
    QAction* help2 = Commande(sos, "Help2", "A &Propos ...", QString());
    connect(help2, &QAction::triggered, this, &TCalculatrice::Help2Click);

    ciao_ = barre->addAction("&Quitter");
    ciao_->setObjectName("Ciao");
    connect(ciao_, &QAction::triggered, this, &QWidget::close);
}

void TCalculatrice::ClavierClick()
{
    // A Tag outside the table does nothing.
    if (const DefinitionTouche* d = DefinitionDuTag(sender()->property("Tag").toInt()))
        Appuie(d->touche);
}

void TCalculatrice::MenuClick(Touche t) { Appuie(t); }

void TCalculatrice::Appuie(Touche t)
{
    if (modeComplexe_) {
        // The clear keys never enter what is typed; every other key works on
        // the number typed.
        if (t == Touche::EffaceTout || t == Touche::EffaceLigne)
            AbandonneSaisie();
        else if (!EntreChamp())
            return;
        Journal journal;
        modele_.Execute(t, journal);
        RaconteJournal(journal, true); // the calculator's error signal always sounds
        ChoisitLigne(1);
        MontreAffichage();
        ActualiseHistorique();
        return;
    }
    if (t == Touche::EffaceTout) {
        modele_.LaTranscription().Efface(TexteCourant().toStdString());
        AfficheTranscription(0, QString());
    } else if (const char* texte = DefinitionDe(t).texteReel) {
        Ajoute(QString::fromUtf8(texte));
    }
}

void TCalculatrice::Ajoute(const QString& texte)
{
    // At the end of the current line, wherever the caret is; a line that the
    // user has removed is opened again.
    QTextDocument* document = ecranR_->document();
    while (document->blockCount() <= LigneCourante())
        AjouteLigne(QString());
    QTextCursor curseur(document->findBlockByNumber(LigneCourante()));
    curseur.movePosition(QTextCursor::EndOfBlock);
    curseur.insertText(texte);
}

void TCalculatrice::AjouteLigne(const QString& texte)
{
    QTextCursor curseur(ecranR_->document());
    curseur.movePosition(QTextCursor::End);
    curseur.insertBlock();
    curseur.insertText(texte);
}

void TCalculatrice::ChoisitLigne(int n)
{
    ligneChoisie_ = n;
    for (int k = 1; k <= 5; ++k)
        for (QLabel* l : {ligneR_[k - 1], signe_[k - 1], ligneC_[k - 1]})
            l->setStyleSheet(k == n && n != 1 ? "background: palette(highlight); color: palette(highlighted-text);" : "");
}

void TCalculatrice::RefreshEcran()
{
    for (int n = 1; n <= 5; ++n) {
        const LigneAffichee l = AfficheLigne(LaPile()[n], Polaire(), Degres());
        ligneR_[n - 1]->setText(QString::fromStdString(l.premier));
        signe_[n - 1]->setText(QString::fromStdString(l.signe));
        ligneC_[n - 1]->setText(QString::fromStdString(l.second));
        // A screen reader tells the whole line as "Copier" writes it.
        const QString ligne = QString("Ligne %1").arg(n);
        const QString valeur = ligne + " : " + QString::fromStdString(TexteCopie(LaPile()[n]));
        for (QLabel* partie : {ligneR_[n - 1], signe_[n - 1], ligneC_[n - 1]}) {
            partie->setAccessibleName(ligne);
            partie->setAccessibleDescription(valeur);
        }
    }
}

void TCalculatrice::MontreAffichage()
{
    const bool polaire = Polaire();
    coord_->setFont(PoliceCoord(polaire));
    coord_->setText(polaire ? "(r,θ)" : "(x,y)");
    mesureAngle_->setText(Degres() ? "deg" : "rad");
    mesureAngle_->setEnabled(polaire);
    parties_->setText(QString::fromUtf8(modele_.LegendeSaisie()));
    const std::optional<Etendu> re = modele_.PartieReelleEnAttente();
    const QString attente = re ? QString::fromStdString(TexteCourt(*re)) + " + … i" : QString();
    saisieEnCours_->setText(saisieEnCours_->fontMetrics().elidedText(attente, Qt::ElideMiddle, saisieEnCours_->width()));
    saisieEnCours_->setAccessibleName(attente);
    saisieEnCours_->setToolTip(attente);
    saisieEnCours_->setVisible(re.has_value() && modeComplexe_);
    RefreshEcran();
    ActiveEdition();
}

void TCalculatrice::ActiveEdition()
{
    const bool reel = !modeComplexe_;
    annuler_->setEnabled(reel || modele_.PeutAnnuler());
    retablir_->setEnabled(reel || modele_.PeutRetablir());
    dernierArgument_->setEnabled(!reel);
    copier_->setEnabled(!reel);
    for (QAction* outil : outils_)
        outil->setEnabled(!reel);
}

void TCalculatrice::ActiveCommandesComplexes(bool actif)
{
    for (const DefinitionTouche& d : LesTouches())
        if (d.ComplexeSeule())
            findChild<QPushButton*>(d.nom)->setEnabled(actif);
    coord_->setEnabled(actif);
    parties_->setEnabled(actif);
    // Real mode has no entry field: its label goes with it (it shows again
    // when the field takes the focus).
    if (!actif)
        parties_->hide();
    cste1_->setEnabled(actif);
    calc7_->setEnabled(actif);
    solve_->menuAction()->setEnabled(actif);
    acquisition_->setVisible(actif);
}

void TCalculatrice::DispositionComplexe()
{
    reglesLigne_->hide();
    Indique(swapBtn_, "Calculs dans C .");
    ecranR_->hide();
    ecranPile_->show();
    cadreNumero_->show();
    modele_.AffichageRectangulaire();
    ActiveCommandesComplexes(true);
    modeComplexe_ = true;
    MontreAffichage();
}

void TCalculatrice::DispositionReelle()
{
    reglesLigne_->show();
    Indique(swapBtn_, "Calculs dans R .");
    ecranR_->show();
    ecranR_->raise();
    ecranPile_->hide();
    cadreNumero_->hide();
    ActiveCommandesComplexes(false);
    modele_.AffichageRectangulaire();
    modeComplexe_ = false;
    MontreAffichage();
}

void TCalculatrice::AppliqueModeEnregistre()
{
    if (LitModeClassique()) {
        swapBtn_->setChecked(true);
        DispositionReelle();
    } else {
        swapBtn_->setChecked(false);
        DispositionComplexe();
    }
}

void TCalculatrice::FormActivate()
{
    AppliqueModeEnregistre();
    AppliqueRegles(LitReglesUsuelles());
    if (modeComplexe_)
        ecranPile_->setFocus();
    else
        ecranR_->setFocus();
}

void TCalculatrice::FocusDeSaisie()
{
    if (modeComplexe_)
        acquisition_->setFocus();
    else
        ecranR_->setFocus();
}

void TCalculatrice::SwapBtnClick()
{
    // The click has already latched the button.
    if (!modeComplexe_)
        DispositionComplexe();
    else
        DispositionReelle();
    FocusDeSaisie();
}

void TCalculatrice::CoordClick()
{
    modele_.ChangeAffichage(!Polaire(), false);
    MontreAffichage();
}

void TCalculatrice::MesureAngleClick()
{
    modele_.ChangeAffichage(Polaire(), !Degres());
    MontreAffichage();
}

void TCalculatrice::OptionsClick()
{
    LesFenetres().OptionCalc->exec();
    AppliqueModeEnregistre();
}

void TCalculatrice::Help2Click()
{
    TAboutBox* boite = LesFenetres().AboutBox;
    boite->DefinitAuteur(QString("Auteur : %1").arg(AuteurOptions));
    boite->exec();
}

bool TCalculatrice::event(QEvent* evenement)
{
    if (MontreAstuce(evenement, panneau_))
        return true;
    return QMainWindow::event(evenement);
}

void TCalculatrice::closeEvent(QCloseEvent* evenement)
{
    // Closing the main window ends the program, whatever else is open,
    // unless the graph's changes are to be kept.
    if (TGraph* graphe = LesFenetres().Graph; graphe && !graphe->AccepteFinProgramme()) {
        evenement->ignore();
        return;
    }
    QMainWindow::closeEvent(evenement);
    QApplication::quit();
}
