#include "calc/TCalculatrice.h"

#include "calc/EcranLignes.h"

#include "app/Disposition.h"
#include "app/Fenetres.h"
#include "app/Options.h"
#include "app/Plateforme.h"
#include "app/TAboutBox.h"
#include "app/TOptionCalc.h"
#include "calc/LigneEntree.h"
#include "funclang/Nombres.h"

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
#include <QStatusTipEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBlock>

#include <algorithm>

namespace {

// The keypad: component name, caption, hint, tag, and place in the grid.
struct Bouton {
    const char* nom;
    const char* titre;
    const char* aide;
    int tag;
    int ligne;
    int colonne;
};

constexpr Bouton Clavier[] = {
    {"Swap", "x↔y", "Echange les lignes (1) et (2) .", 1, 0, 0},
    {"Effaceligne", "CE", "Efface la ligne n°1 .", 2, 0, 1},
    {"Effacetout", "C", "Efface tout l'écran .", 3, 0, 2},
    {"Divise", "/", "(2) / (1)", 4, 0, 3},
    {"Multiplie", "*", "(1) * (2)", 6, 0, 4},
    {"Moins", "-", "(2) - (1)", 8, 0, 5},
    {"Plus", "+", "(1) + (2)", 10, 0, 6},
    {"InvX", "1/x", "Inverse .", 5, 1, 0},
    {"Oppose", "+/−", "Opposé .", 33, 1, 1},
    {"Conjugue", "conj", "Conjugué .", 34, 1, 2},
    {"xcarre", "x ²", "Carré .", 31, 1, 3},
    {"Sqrtx", "√x", "Racine carrée .", 32, 1, 4},
    {"xPuisy", "x^y", "(2) ^ (1)", 18, 1, 5},
    {"ySqrx", "y√x", "Racine (1)ème de (2) .", 14, 1, 6},
    {"Exponentielle", "Exp", "Exponentielle .", 19, 2, 0},
    {"Logarithme", "Ln", "Logarithme néperien .", 24, 2, 1},
    {"Sinus", "sin", "Sinus .", 16, 2, 2},
    {"Cosinus", "cos", "Cosinus .", 12, 2, 3},
    {"Tangente", "tan", "Tangente .", 20, 2, 4},
    {"Btni", "i", "Constante i .", 7, 2, 5},
    {"Btnpi", "π", "Constante pi .", 9, 2, 6},
    {"ArcSin", "asin", "ArcSin .", 27, 3, 0},
    {"ArcCos", "acos", "ArcCos .", 26, 3, 1},
    {"ArcTan", "atan", "ArcTan .", 28, 3, 2},
    {"SinHyp", "sh", "Sinus hyperbolique .", 17, 3, 3},
    {"CosHyp", "ch", "Cosinus hyperbolique .", 13, 3, 4},
    {"TanHyp", "th", "Tangente hyperbolique .", 21, 3, 5},
    {"ArgSh", "ash", "ArgSh .", 11, 4, 0},
    {"ArgCh", "ach", "ArgCh .", 29, 4, 1},
    {"ArgTh", "ath", "ArgTh .", 30, 4, 2},
    {"Degre1", "d°1", "Equation du 1er degré .", 25, 4, 3},
    {"Degre2", "d°2", "Equation du 2nd degré .", 23, 4, 4},
    {"Degre3", "d°3", "Equation du 3ème degré .", 15, 4, 5},
    {"Degre4", "d°4", "Equation du 4ème degré .", 22, 4, 6},
};

// Buttons and menu items that only make sense on the stack.
constexpr const char* CommandesComplexes[] = {"Conjugue", "Swap",   "Effaceligne", "Btni",
                                              "Degre1",   "Degre2", "Degre3",      "Degre4"};

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
    mesureAngle_->setEnabled(false);
    acquisition_->clear();
    RefreshEcran();
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
    auto* copier = new QAction("Copier", ecranPile_);
    copier->setObjectName("CopierPile");
    copier->setShortcut(QKeySequence::Copy);
    copier->setShortcutContext(Qt::WidgetShortcut);
    ecranPile_->addAction(copier);
    ecranPile_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copier, &QAction::triggered, this, [this] {
        QGuiApplication::clipboard()->setText(QString::fromStdString(TexteCopie(pile_[ligneChoisie_])));
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
    acquisition_->setGeometry(124, 142, 168, 24);
    acquisition_->installEventFilter(this);

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
    quitter_ = bouton("Quitter", "Quitter", 432, 50);
    Indique(quitter_, "Quitte le programme .");
    CoordEnXY();
    connect(swapBtn_, &QPushButton::clicked, this, &TCalculatrice::SwapBtnClick);
    connect(coord_, &QPushButton::clicked, this, &TCalculatrice::CoordClick);
    connect(mesureAngle_, &QPushButton::clicked, this, &TCalculatrice::MesureAngleClick);
    connect(quitter_, &QPushButton::clicked, this, &QWidget::close);
}

void TCalculatrice::CreeClavier(QWidget* centre)
{
    for (const Bouton& b : Clavier) {
        auto* bouton = new QPushButton(QString::fromUtf8(b.titre), centre);
        bouton->setObjectName(b.nom);
        bouton->setProperty("Tag", b.tag);
        bouton->setGeometry(4 + b.colonne * 69, 174 + b.ligne * 33, 65, 29);
        // Keypad keys never take the focus: in real mode typing goes on in
        // the line entry between two keys.
        bouton->setFocusPolicy(Qt::NoFocus);
        Indique(bouton, QString::fromUtf8(b.aide));
        connect(bouton, &QPushButton::clicked, this, &TCalculatrice::ClavierClick);
    }
}

QAction* TCalculatrice::Commande(QMenu* menu, const char* nom, const QString& titre,
                                 const QString& aide, int tag)
{
    QAction* action = menu->addAction(titre);
    action->setObjectName(nom);
    action->setStatusTip(aide);
    if (tag)
        connect(action, &QAction::triggered, this, [this, tag] { MenuClick(tag); });
    return action;
}

void TCalculatrice::CreeMenus()
{
    QMenuBar* barre = menuBar();
    // Eight titles must fit the width of the calculator.
    barre->setStyleSheet("QMenuBar { font-size: 11px; spacing: 0px; } QMenuBar::item { padding: 2px 4px; }");

    solve_ = barre->addMenu("&Résolution");
    solve_->setObjectName("Solve");
    Commande(solve_, "Eqn1", "Equation du &1er degré", "Résolution d'une équation du premier degré .", 25);
    Commande(solve_, "Eqn2", "Equation du &2nd degré", "Résolution d'une équation du second degré .", 23);
    Commande(solve_, "Eqn3", "Equation du &3ème degré", "Résolution d'une équation du troisième degré .", 15);
    Commande(solve_, "Eqn4", "Equation du &4ème degré", "Résolution d'une équation du quatrième degré .", 22);

    ctes_ = barre->addMenu("&Constantes");
    ctes_->setObjectName("Ctes");
    cste1_ = Commande(ctes_, "Cste1", "&i", "Constante i ( i ² = -1) .", 7);
    Commande(ctes_, "Cste2", "&pi", "Constante pi .", 9);

    functions_ = barre->addMenu("&Fonctions");
    functions_->setObjectName("Functions");
    Commande(functions_, "Calc1", "&Somme", "(1) + (2)", 10);
    Commande(functions_, "Calc2", "&Différence", "(2) - (1)", 8);
    Commande(functions_, "Calc3", "&Produit", "(1) * (2)", 6);
    Commande(functions_, "Calc4", "Di&vision", "(2) / (1)", 4);
    functions_->addSeparator();
    Commande(functions_, "Calc5", "&Inverse", "Inverse de la ligne (1) .", 5);
    Commande(functions_, "Calc6", "&Opposé", "Opposé de la ligne (1) .", 33);
    calc7_ = Commande(functions_, "Calc7", "&Conjugué", "Conjugué de la ligne (1) .", 34);
    functions_->addSeparator();

    QMenu* trigo = functions_->addMenu("&Trigonométrique");
    trigo->setObjectName("Trigo");
    Commande(trigo, "Trig1", "&Cos", "Cosinus .", 12);
    Commande(trigo, "Trig2", "&Sin", "Sinus .", 16);
    Commande(trigo, "Trig3", "&Tan", "Tangente .", 20);
    trigo->addSeparator();
    QMenu* inverse = trigo->addMenu("&Inverse");
    inverse->setObjectName("Inverse");
    Commande(inverse, "Inv1", "Arc&Cos", "Cosinus inverse .", 26);
    Commande(inverse, "Inv2", "Arc&Sin", "Sinus inverse .", 27);
    Commande(inverse, "Inv3", "Arc&Tan", "Tangente inverse .", 28);

    QMenu* hyper = functions_->addMenu("&Hyperbolique");
    hyper->setObjectName("Hyper");
    Commande(hyper, "Hyper1", "&Ch", "Cosinus hyperbolique .", 13);
    Commande(hyper, "Hyper2", "&Sh", "Sinus hyperbolique .", 17);
    Commande(hyper, "Hyper3", "&Th", "Tangente hyperbolique .", 21);
    hyper->addSeparator();
    QMenu* invh = hyper->addMenu("&Inverse");
    invh->setObjectName("Invh");
    Commande(invh, "Invh1", "Arg&Ch", "Cosinus hyperbolique inverse .", 29);
    Commande(invh, "Invh2", "Arg&Sh", "Sinus hyperbolique inverse .", 11);
    Commande(invh, "Inh3", "Arg&Th", "Tangente hyperbolique inverse .", 30);

    QMenu* puisce = functions_->addMenu("Puiss&ance");
    puisce->setObjectName("Puisce");
    Commande(puisce, "Puis6", "x ²", "Carré .", 31);
    Commande(puisce, "Puis1", "x ^ y", "Puissance (2) de (1) .", 18);
    Commande(puisce, "Puis2", "x ^ (1/y)", "Racine (1)ème de (2) .", 14);
    Commande(puisce, "Puis5", "x ^ (1/2)", "Racine carrée .", 32);
    Commande(puisce, "Puis3", "Exp", "Exponentielle .", 19);
    Commande(puisce, "Puis4", "Ln", "Logarithme népérien .", 24);

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
    QAction* help1 = Commande(sos, "Help1", "&Aide sur la calculatrice", QString(), 0);
    connect(help1, &QAction::triggered, this, [] { LaPlateforme().Aide("COMPLEX"); });
    QAction* help0 = Commande(sos, "Help0", "&Sommaire", QString(), 0);
    help0->setShortcut(Qt::Key_F1);
    connect(help0, &QAction::triggered, this, [] { LaPlateforme().Aide(""); });
    QAction* help3 = Commande(sos, "Help3", "&Présentation du logiciel", QString(), 0);
    connect(help3, &QAction::triggered, this, [] { LaPlateforme().Aide("PRESENT"); });
    QAction* options = Commande(sos, "Options", "&Options ...", QString(), 0);
    options->setShortcut(Qt::Key_F9);
    connect(options, &QAction::triggered, this, &TCalculatrice::OptionsClick);
    QAction* help2 = Commande(sos, "Help2", "A &Propos ...", QString(), 0);
    connect(help2, &QAction::triggered, this, &TCalculatrice::Help2Click);

    ciao_ = barre->addAction("&Quitter");
    ciao_->setObjectName("Ciao");
    connect(ciao_, &QAction::triggered, this, &QWidget::close);
}

void TCalculatrice::ClavierClick()
{
    Touche(sender()->property("Tag").toInt());
}

void TCalculatrice::MenuClick(int tag) { Touche(tag); }

void TCalculatrice::Touche(int tag)
{
    if (modeComplexe_) {
        Journal journal;
        ActionPile(tag, pile_, journal);
        RaconteJournal(journal, true); // the calculator's error signal always sounds
        ChoisitLigne(1);
        RefreshEcran();
        return;
    }
    if (tag == 3) {
        ecranR_->clear();
        ligneCourante_ = 0;
    } else if (const char* texte = TexteTouche(tag)) {
        Ajoute(QString::fromUtf8(texte));
    }
}

void TCalculatrice::Ajoute(const QString& texte)
{
    // At the end of the current line, wherever the caret is; a line that the
    // user has removed is opened again.
    QTextDocument* document = ecranR_->document();
    while (document->blockCount() <= ligneCourante_)
        AjouteLigne(QString());
    QTextCursor curseur(document->findBlockByNumber(ligneCourante_));
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
        const LigneAffichee l = AfficheLigne(pile_[n], polaire_, degres_);
        ligneR_[n - 1]->setText(QString::fromStdString(l.premier));
        signe_[n - 1]->setText(QString::fromStdString(l.signe));
        ligneC_[n - 1]->setText(QString::fromStdString(l.second));
    }
}

void TCalculatrice::CoordEnXY()
{
    coord_->setFont(PoliceCoord(false));
    coord_->setText("(x,y)");
}

void TCalculatrice::ActiveCommandesComplexes(bool actif)
{
    for (const char* nom : CommandesComplexes)
        findChild<QPushButton*>(nom)->setEnabled(actif);
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
    Indique(swapBtn_, "Calculs dans C .");
    ecranR_->hide();
    ecranPile_->show();
    cadreNumero_->show();
    polaire_ = false;
    degres_ = false;
    RefreshEcran();
    ActiveCommandesComplexes(true);
    CoordEnXY();
    mesureAngle_->setText("rad");
    mesureAngle_->setEnabled(false);
    modeComplexe_ = true;
}

void TCalculatrice::DispositionReelle()
{
    Indique(swapBtn_, "Calculs dans R .");
    ecranR_->show();
    ecranR_->raise();
    ecranPile_->hide();
    cadreNumero_->hide();
    ActiveCommandesComplexes(false);
    CoordEnXY();
    mesureAngle_->setText("rad");
    mesureAngle_->setEnabled(false);
    modeComplexe_ = false;
}

void TCalculatrice::AppliqueModeEnregistre()
{
    if (LitModeClassique()) {
        swapBtn_->setChecked(true);
        DispositionReelle();
    } else {
        swapBtn_->setChecked(false);
        DispositionComplexe();
        RefreshEcran();
    }
}

void TCalculatrice::FormActivate()
{
    AppliqueModeEnregistre();
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
    polaire_ = !polaire_;
    if (polaire_) {
        coord_->setFont(PoliceCoord(true));
        coord_->setText("(r,θ)");
        mesureAngle_->setEnabled(true);
    } else {
        CoordEnXY();
        mesureAngle_->setText("rad");
        mesureAngle_->setEnabled(false);
        degres_ = false;
    }
    RefreshEcran();
}

void TCalculatrice::MesureAngleClick()
{
    degres_ = !degres_;
    mesureAngle_->setText(degres_ ? "deg" : "rad");
    RefreshEcran();
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
    // Closing the main window ends the program, whatever else is open.
    QMainWindow::closeEvent(evenement);
    QApplication::quit();
}
