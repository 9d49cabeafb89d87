#include "matrix/fenetres/TMatrice.h"

#include "app/fenetres/Disposition.h"
#include "app/fenetres/Plateforme.h"
#include "app/modele/Options.h"
#include "matrix/fenetres/DelegueCellule.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int Cotes = 11;        // the grids hold rows and columns 0 to 10
constexpr int HauteurLigne = 20;

QTableWidget* Grille(QWidget* parent, const char* nom, int lignes)
{
    auto* g = new QTableWidget(lignes, Cotes, parent);
    g->setObjectName(nom);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(HauteurLigne);
    g->verticalHeader()->setMinimumSectionSize(HauteurLigne);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A narrow face, so that "(-0.50000,1.25000)" fits a column of 100 pixels.
    QFont police("Liberation Sans Narrow");
    police.setPixelSize(12);
    g->setFont(police);
    g->setStyleSheet("QTableWidget::item { padding: 0px 1px; }");
    for (int l = 0; l < lignes; ++l)
        for (int c = 0; c < Cotes; ++c)
            g->setItem(l, c, new QTableWidgetItem);
    return g;
}

QFrame* Cadre(QWidget* parent, const char* nom, const QRect& place)
{
    auto* f = new QFrame(parent);
    f->setObjectName(nom);
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    f->setGeometry(place);
    return f;
}

// The mode picture: a blackboard letter, R or C.
QPixmap ImageMode(const QString& lettre)
{
    QPixmap image(40, 40);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont police("Liberation Serif");
    police.setPixelSize(30);
    police.setBold(true);
    p.setFont(police);
    p.setPen(QColor(31, 78, 140));
    p.drawText(image.rect(), Qt::AlignCenter, lettre);
    return image;
}

} // namespace

TMatrice::TMatrice(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Matrice");
    setWindowTitle("Module matriciel");

    // The panels keep their places; on a screen too small for them (a
    // scale of 2 on 1280 x 1024) the window shrinks and they scroll.
    auto* defilement = new QScrollArea(this);
    defilement->setObjectName("DefilementMatrice");
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setFocusPolicy(Qt::NoFocus);
    auto* centre = new QWidget;
    centre->setFixedSize(700, 372);
    defilement->setWidget(centre);
    setCentralWidget(defilement);
    CreeOutils(); // first in the Tab order, as it comes first in reading order
    CreePanneaux(centre);
    CreeMenus();

    panneau_ = BarreDEtat(this, "StatusBar");
    // As large as the panels and no larger; smaller only where the screen
    // is.
    defilement->setMinimumSize(centre->size());
    resize(sizeHint());
    setMaximumSize(size());
    defilement->setMinimumSize(QSize(160, 120));

    // Creation: nothing entered yet, orders 2, the mode of the settings.
    LitReglages();
    tailMat_->setValue(2);
    AppliqueMode();
    Dimensionne(resulMat_, 2, 1);
    Dimensionne(mat_, 2, 2);
    ZeroMat(modele_.MatA);
    ZeroMat(modele_.MatB);
    Montre();
    mat_->show(); // empty until a matrix is opened
    CentreSurEcran(this);
}

TMatrice::~TMatrice() { delegue_->Oublie(); }

void TMatrice::CreePanneaux(QWidget* centre)
{
    mat_ = Grille(centre, "Mat", Cotes);
    mat_->move(8, 8);
    mat_->setAccessibleName("Coefficients de la matrice");
    mat_->setAccessibleDescription("Entrez les coefficients, puis appuyez sur le bouton « Matrice » .");
    delegue_ = new DelegueCellule(mat_, [this](int l, int c) { MatKeyPress(l, c); });
    mat_->setItemDelegate(delegue_);
    mat_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::EditKeyPressed);
    mat_->installEventFilter(this);

    cadreResult_ = Cadre(centre, "CadreResult", QRect(8, 236, 520, 52));
    Etiquette(cadreResult_, nullptr, "Résultat :", 8, 6, 80, 18);
    tipCalc_ = Etiquette(cadreResult_, "TipCalc", QString(), 90, 6, 420, 18);
    resultat_ = Etiquette(cadreResult_, "Resultat", QString(), 90, 27, 420, 18);
    resultat_->setFocusPolicy(Qt::ClickFocus);

    cadreResCalculMat_ = Cadre(centre, "CadreResCalculMat", QRect(8, 294, 260, 26));
    resCalculMat_ = Etiquette(cadreResCalculMat_, "ResCalculMat", QString(), 6, 4, 250, 18);
    resulMat_ = Grille(centre, "ResulMat", 1);
    resulMat_->move(8, 324);
    resulMat_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CreeActionsCellules();
    cadreResCalculMat_->hide();

    auto* cadreData = Cadre(centre, "CadreData", QRect(540, 8, 152, 80));
    cadreData->setStatusTip("Taille des matrices .");
    Etiquette(cadreData, nullptr, "Taille :", 8, 4, 100, 18);
    Etiquette(cadreData, nullptr, "Matrice A :", 8, 26, 80, 18);
    Etiquette(cadreData, nullptr, "Matrice B :", 8, 50, 80, 18);
    grosA_ = Etiquette(cadreData, "GrosA", "---", 90, 26, 56, 18);
    grosB_ = Etiquette(cadreData, "GrosB", "---", 90, 50, 56, 18);

    cadreTypeMat_ = Cadre(centre, "CadreTypeMat", QRect(540, 96, 152, 56));
    Etiquette(cadreTypeMat_, nullptr, "Type des", 8, 8, 80, 18);
    Etiquette(cadreTypeMat_, nullptr, "matrices :", 8, 28, 80, 18);
    matImag_ = Etiquette(cadreTypeMat_, "MatImag", QString(), 100, 8, 40, 40);

    cadreTaille_ = Cadre(centre, "CadreTaille", QRect(540, 160, 152, 110));
    Etiquette(cadreTaille_, nullptr, "Choisissez la taille de", 8, 6, 140, 18);
    Etiquette(cadreTaille_, nullptr, "votre matrice :", 8, 24, 140, 18);
    tailMat_ = new QSpinBox(cadreTaille_);
    tailMat_->setObjectName("TailMat");
    tailMat_->setGeometry(8, 48, 60, 26);
    tailMat_->setMinimum(2);
    tailMat_->findChild<QLineEdit*>()->setReadOnly(true); // arrows only
    connect(tailMat_, &QSpinBox::valueChanged, this, &TMatrice::TailMatChange);
    auto* aquiMat = new QPushButton("OK", cadreTaille_);
    aquiMat->setObjectName("AquiMat");
    aquiMat->setGeometry(80, 48, 60, 26);
    aquiMat->setStatusTip("Appuyer sur ce bouton lorsque tous vos coefficients sont entrés .");
    aquiMat->setToolTip(aquiMat->statusTip());
    connect(aquiMat, &QPushButton::clicked, this, &TMatrice::AquiMatClick);
}

void TMatrice::CreeOutils()
{
    auto* outils = addToolBar("Outils");
    outils->setObjectName("ToolBar");
    outils->setMovable(false);
    struct Outil {
        const char* nom;
        const char* titre;
        const char* parle; // what a screen reader says for its caption
        const char* aide;
        void (TMatrice::*action)();
    };
    static const Outil liste[] = {
        {"MatABtn", "A", "Matrice A", "Matrice A .", &TMatrice::MatABtnClick},
        {"MatBBtn", "B", "Matrice B", "Matrice B .", &TMatrice::MatBBtnClick},
        {"SwapAB", "A↔B", "Permute A et B", "Permutte les matrices A et B .", &TMatrice::SwapABClick},
        {"Clear", "Eff.", "Efface A et B", "Efface le contenu des matrices A et B .", &TMatrice::ClearClick},
        {"SomBtn", "A+B", "Somme", "Somme de deux matrices .", &TMatrice::SommeClick},
        {"DifBtn", "A−B", "Différence", "Différence de deux matrices .", &TMatrice::DifferenceClick},
        {"ProdBtn", "A×B", "Produit", "Produit de deux matrices .", &TMatrice::ProduitClick},
        {"TrnMat", "tA", "Transposée", "Transposée d'une matrice .", &TMatrice::TransposeClick},
        {"InvBtn", "A⁻¹", "Inverse", "Inverse d'une matrice carrée .", &TMatrice::InverseClick},
        {"TraceBtn", "Tr", "Trace", "Trace d'une matrice carrée .", &TMatrice::TraceClick},
        {"RgBtn", "Rg", "Rang", "Rang d'une matrice carrée .", &TMatrice::RangClick},
        {"DetBtn", "Dét", "Déterminant", "Déterminant d'une matrice carrée .", &TMatrice::DeterminantClick},
        {"PolCBtn", "P(x)", "Polynôme caractéristique", "Polynôme caractéristique", &TMatrice::PolynomeClick},
        {"VProBtn", "λ", "Valeurs propres", "Valeurs propres", &TMatrice::ValeursPropresClick},
        {"ResolBtn", "AX=B", "Résolution d'un système", "Résolution d'un système d'équations .", &TMatrice::SystemeClick},
        {"Secours", "?", "Aide", "Aide sur le module matriciel .", nullptr},
    };
    for (const Outil& o : liste) {
        auto* bouton = new QToolButton(outils);
        bouton->setObjectName(o.nom);
        bouton->setText(QString::fromUtf8(o.titre));
        bouton->setAccessibleName(QString::fromUtf8(o.parle));
        bouton->setStatusTip(QString::fromUtf8(o.aide));
        bouton->setToolTip(bouton->statusTip());
        bouton->setMinimumWidth(36);
        outils->addWidget(bouton);
        if (o.action)
            connect(bouton, &QToolButton::clicked, this, o.action);
        else
            connect(bouton, &QToolButton::clicked, this, [] { LaPlateforme().Aide("MAT"); });
    }
}

void TMatrice::CreeMenus()
{
    auto commande = [this](QMenu* menu, const char* nom, const QString& titre, const char* bouton,
                           void (TMatrice::*action)()) {
        QAction* a = menu->addAction(titre);
        a->setObjectName(nom);
        if (bouton)
            a->setStatusTip(findChild<QToolButton*>(bouton)->statusTip());
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    QMenuBar* barre = menuBar();
    QMenu* edition = barre->addMenu("&Edition");
    edition->setObjectName("EditionMatrice");
    annuler_ = edition->addAction("&Annuler");
    annuler_->setObjectName("AnnulerMatrice");
    annuler_->setShortcut(QKeySequence::Undo);
    annuler_->setStatusTip("Annule la dernière modification de A ou de B .");
    connect(annuler_, &QAction::triggered, this, &TMatrice::AnnuleClick);
    retablir_ = edition->addAction("&Rétablir");
    retablir_->setObjectName("RetablirMatrice");
    retablir_->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    retablir_->setStatusTip("Rétablit la dernière modification annulée .");
    connect(retablir_, &QAction::triggered, this, &TMatrice::RetablitClick);
    QMenu* arith = barre->addMenu("&Opérations arithmétiques");
    commande(arith, "Ope1", "&Somme", "SomBtn", &TMatrice::SommeClick);
    commande(arith, "Ope2", "&Différence", "DifBtn", &TMatrice::DifferenceClick);
    commande(arith, "Ope3", "&Produit", "ProdBtn", &TMatrice::ProduitClick);
    commande(arith, "Ope5", "&Transposée", "TrnMat", &TMatrice::TransposeClick);
    commande(arith, "Ope4", "&Inverse", "InvBtn", &TMatrice::InverseClick);
    QMenu* alg = barre->addMenu("Opérations &algèbriques");
    commande(alg, "Alg1", "&Trace", "TraceBtn", &TMatrice::TraceClick);
    commande(alg, "Alg2", "&Rang", "RgBtn", &TMatrice::RangClick);
    commande(alg, "Alg3", "&Déterminant", "DetBtn", &TMatrice::DeterminantClick);
    commande(alg, "Alg4", "&Polynôme caractéristique", "PolCBtn", &TMatrice::PolynomeClick);
    commande(alg, "Alg5", "&Valeurs propres", "VProBtn", &TMatrice::ValeursPropresClick);
    QAction* sys = barre->addAction("Résolution d'un &système d'équations");
    sys->setObjectName("Sys");
    connect(sys, &QAction::triggered, this, &TMatrice::SystemeClick);
    QMenu* aide = barre->addMenu("&?");
    QAction* auSecours = aide->addAction("&Aide sur le module matriciel");
    auSecours->setObjectName("AuSecours");
    auSecours->setShortcut(Qt::Key_F1);
    connect(auSecours, &QAction::triggered, this, [] { LaPlateforme().Aide("MAT"); });
    QAction* auSecours2 = aide->addAction("&Présentation du logiciel");
    auSecours2->setObjectName("AuSecours2");
    connect(auSecours2, &QAction::triggered, this, [] { LaPlateforme().Aide("PRESENT"); });
    QAction* bye = barre->addAction("&Quitter");
    bye->setObjectName("Bye");
    connect(bye, &QAction::triggered, this, &TMatrice::ByeClick);
}

void TMatrice::LitReglages()
{
    modele_.SonsActifs = LitSons();
    const long taille = LitTailleMatrices();
    modele_.FixeTailleMax(taille >= 2 && taille <= 10 ? static_cast<int>(taille) : 5);
    tailMat_->setMaximum(modele_.TailleMax);
}

void TMatrice::AppliqueMode()
{
    const bool complexe = modele_.ModeComplexe();
    matImag_->setPixmap(ImageMode(complexe ? "C" : "R"));
    cadreTypeMat_->setStatusTip(complexe ? "Matrices à coefficients complexes ."
                                         : "Matrices à coefficients réels .");
    mat_->horizontalHeader()->setDefaultSectionSize(LargeurColonne());
    resulMat_->horizontalHeader()->setDefaultSectionSize(LargeurColonne());
}

void TMatrice::Dimensionne(QTableWidget* grille, int colonnes, int lignes)
{
    // Each column as wide as the mode's, or as its widest text: no cell is
    // ever cut. Hidden columns too, so that none keeps an old width.
    const int largeur = grille->horizontalHeader()->defaultSectionSize();
    const QFontMetrics mesure(grille->font());
    int totale = 0;
    for (int c = 0; c < Cotes; ++c) {
        int voulue = largeur;
        for (int l = 0; l < std::min(lignes, grille->rowCount()) && c < colonnes; ++l)
            voulue = std::max(voulue, mesure.horizontalAdvance(grille->item(l, c)->text()) + 8);
        grille->setColumnWidth(c, voulue);
        grille->setColumnHidden(c, c >= colonnes);
        if (c < colonnes)
            totale += voulue;
    }
    for (int l = 0; l < grille->rowCount(); ++l)
        grille->setRowHidden(l, l >= lignes);
    // The cells and the frame, no blank strip (a section holds its grid
    // line); wider than the window (ten complex eigenvalues): the grid
    // scrolls.
    const int cadre = 2 * grille->frameWidth();
    const int place = grille->parentWidget()->width() - grille->x() - 8;
    const bool defile = totale + cadre > place;
    grille->setHorizontalScrollBarPolicy(defile ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    grille->resize(defile ? place : totale + cadre,
                   HauteurLigne * lignes + cadre + (defile ? grille->horizontalScrollBar()->sizeHint().height() : 0));
}

void TMatrice::AfficheMat(const TMat& m)
{
    for (int l = 1; l <= modele_.TailleMax; ++l)
        for (int c = 1; c <= modele_.TailleMax; ++c)
            MontreCellule(mat_, l - 1, c - 1, m(l, c), modele_.ModeComplexe());
}

void TMatrice::FormActivate()
{
    panneau_->setText(" ");
    LitReglages();
    AppliqueMode();
    // What was typed and computed stays: the matrix in the grid and the
    // results show again, in the order the mode allows.
    Montre();
}

void TMatrice::MatABtnClick()
{
    modele_.Ouvre(true);
    Montre();
}

void TMatrice::MatBBtnClick()
{
    modele_.Ouvre(false);
    Montre();
}

void TMatrice::TailMatChange(int v)
{
    modele_.ChangeTaille(v);
    Montre();
}

void TMatrice::AquiMatClick()
{
    modele_.FermeGrille();
    Montre();
}

void TMatrice::Refuse(const RefusMatrice& refus) { RaconteJournal({refus}, modele_.SonsActifs); }

void TMatrice::SwapABClick()
{
    Execute(modele_.Echange());
}

void TMatrice::ClearClick()
{
    modele_.Efface();
    Montre();
}

void TMatrice::AnnuleClick()
{
    if (!modele_.Annule())
        return LaPlateforme().Bip();
    Montre();
}

void TMatrice::RetablitClick()
{
    if (!modele_.Retablit())
        return LaPlateforme().Bip();
    Montre();
}

// A, B and the results stay for the next opening of the window.
void TMatrice::ByeClick() { close(); }

bool TMatrice::eventFilter(QObject* objet, QEvent* evenement)
{
    // Enter on a selected cell that is not being edited reads it too.
    if (objet == mat_ && evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) && mat_->currentItem()) {
            MatKeyPress(mat_->currentRow(), mat_->currentColumn());
            return true;
        }
    }
    return QMainWindow::eventFilter(objet, evenement);
}

bool TMatrice::event(QEvent* evenement)
{
    if (MontreAstuce(evenement, panneau_))
        return true;
    return QMainWindow::event(evenement);
}
