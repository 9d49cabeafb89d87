// The matrix window, driven through its grid, buttons and menus.
#include "app/fenetres/Activation.h"
#include "app/modele/Options.h"
#include "commun/Bac.h"
#include "commun/Banc.h"
#include "commun/PlateformeEnregistreuse.h"
#include "matrix/fenetres/TMatrice.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

class TestMatrixFenetre : public QObject, protected Banc {
    Q_OBJECT

    std::unique_ptr<TMatrice> m_;

    QTableWidget* Mat() { return m_->findChild<QTableWidget*>("Mat"); }
    QTableWidget* ResulMat() { return m_->findChild<QTableWidget*>("ResulMat"); }
    QString Texte(const char* nom) { return m_->findChild<QLabel*>(nom)->text(); }
    void Clique(const char* nom) { QTest::mouseClick(m_->findChild<QToolButton*>(nom), Qt::LeftButton); }
    void Menu(const char* nom) { m_->findChild<QAction*>(nom)->trigger(); }
    QString Cellule(int ligne, int colonne) { return Mat()->item(ligne, colonne)->text(); }

    // Types a text into a cell of the grid and presses Enter in it.
    void Tape(int ligne, int colonne, const QString& texte)
    {
        Mat()->setCurrentCell(ligne, colonne);
        Mat()->setFocus();
        // The first key opens the cell's editor, which takes the others.
        QTest::keyClick(Mat(), texte.at(0).toLatin1());
        QWidget* editeur = QApplication::focusWidget();
        QTest::keyClicks(editeur, texte.mid(1));
        QVERIFY(editeur && editeur->objectName() == "EditeurCellule");
        QTest::keyClick(editeur, Qt::Key_Return);
    }

    void Entre(const char* bouton, int n, const QList<QString>& cellules)
    {
        Clique(bouton);
        m_->findChild<QSpinBox*>("TailMat")->setValue(n);
        for (int k = 0; k < cellules.size(); ++k)
            Tape(k / n, k % n, cellules[k]);
        QTest::mouseClick(m_->findChild<QWidget*>("AquiMat"), Qt::LeftButton);
    }

    void Reglages(int taille)
    {
        EnregistreOptions(TOptions{"complexe", 2, true, taille, {}});
        m_ = std::make_unique<TMatrice>();
        SuiviActivation::Oublie();
        QVERIFY(MontreActive(m_.get()));
    }

private slots:
    void init()
    {
        Installe();
    }

    void cleanup()
    {
        m_.reset();
        Retire();
    }

    void litCoefDansLaGrille_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<long double>("re");
        QTest::addColumn<long double>("im");
        QTest::newRow("2.5") << "2.5" << true << 2.5L << 0.0L;
        QTest::newRow("(1,-2)") << "(1,-2)" << true << 1.0L << -2.0L;
        QTest::newRow("[1,-2]") << "[1,-2]" << true << 1.0L << -2.0L;
        QTest::newRow(".5") << ".5" << true << 0.5L << 0.0L;
        QTest::newRow("-0.5") << "-0.5" << true << -0.5L << 0.0L;
        QTest::newRow("+2") << "+2" << true << 2.0L << 0.0L;
        QTest::newRow("abc") << "abc" << false << 0.0L << 0.0L;
        QTest::newRow("1,5") << "1,5" << false << 0.0L << 0.0L;
        QTest::newRow("12,34") << "12,34" << false << 0.0L << 0.0L;
        QTest::newRow("(5)") << "(5)" << false << 0.0L << 0.0L;
        QTest::newRow("1E5000") << "1E5000" << false << 0.0L << 0.0L;
    }

    void litCoefDansLaGrille()
    {
        QFETCH(QString, texte);
        QFETCH(bool, valide);
        QFETCH(long double, re);
        QFETCH(long double, im);
        Reglages(10);
        Clique("MatABtn");
        Tape(0, 1, "9");
        Tape(0, 1, texte);
        const TComplexe z = m_->Modele().MatA(1, 2);
        if (valide) {
            QCOMPARE(z.Re, re);
            QCOMPARE(z.Im, im); // kept in real mode too
            QVERIFY(p_->journal.empty());
        } else {
            QCOMPARE(z.Re, 9.0L);
            QCOMPARE(Cellule(0, 1), QString("9.00000")); // what the matrix holds
            QCOMPARE(p_->journal, (std::vector<std::string>{"bip"}));
        }
    }

    // A cell left by Tab is read as if Enter had been pressed.
    void tabulationValideLaCellule()
    {
        Reglages(10);
        Clique("MatABtn");
        Mat()->setCurrentCell(0, 0);
        Mat()->setFocus();
        QTest::keyClick(Mat(), '7');
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_->Modele().MatA(1, 1).Re, 7.0L);
        QVERIFY(p_->journal.empty());
        QCOMPARE(m_->findChild<QAction*>("AuSecours")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    // The real mode chosen while the program runs: every column has its
    // width; back in complex mode a matrix of order 10 opens as 5 x 5.
    void changementDeModeEnCours()
    {
        Reglages(5);
        EnregistreOptions(TOptions{"complexe", 2, true, 10, {}});
        m_->FormActivate();
        Clique("MatABtn");
        m_->findChild<QSpinBox*>("TailMat")->setValue(10);
        const int largeur = Mat()->columnWidth(0);
        for (int c = 1; c < 10; ++c)
            QCOMPARE(Mat()->columnWidth(c), largeur);
        QVERIFY(Mat()->width() >= 10 * largeur);
        QTest::mouseClick(m_->findChild<QWidget*>("AquiMat"), Qt::LeftButton);
        EnregistreOptions(TOptions{"complexe", 2, true, 5, {}});
        m_->FormActivate();
        Clique("MatABtn");
        QCOMPARE(m_->findChild<QSpinBox*>("TailMat")->value(), 5);
        QCOMPARE(Texte("GrosA"), QString("5 * 5"));
        QCOMPARE(m_->Modele().TailleA, 5);
        QVERIFY(Mat()->isColumnHidden(5) && !Mat()->isColumnHidden(4));
    }

    // A determinant beyond extended precision, a finite solution.
    void systemeAuDeterminantImmense()
    {
        Reglages(10);
        Entre("MatABtn", 2, {"1E4000", "1E4000", "2", "1E1000"});
        Entre("MatBBtn", 2, {"3.424", "0", "2", "0"});
        Clique("ResolBtn");
        QVERIFY(p_->Messages().empty());
        QVERIFY(ResulMat()->isVisible());
    }

    // A block copied from the grid and pasted into the other matrix gives the
    // same matrix; a refused cell in a pasted block keeps its value.
    void copierCollerUnBloc()
    {
        Reglages(5);
        Entre("MatABtn", 3, {"1", "(2,-3)", "2.5E-7", "4", "5", "6", "7", "8", "(0.1,0.2)"});
        Clique("MatABtn");
        Mat()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 2), true);
        m_->findChild<QAction*>("CopierCellules")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text().split('\n').first(), QString("1\t2-3i\t2.5E-7"));
        QTest::mouseClick(m_->findChild<QWidget*>("AquiMat"), Qt::LeftButton);
        Clique("MatBBtn");
        m_->findChild<QSpinBox*>("TailMat")->setValue(3);
        Mat()->setCurrentCell(0, 0);
        p_->Vide();
        m_->findChild<QAction*>("CollerCellules")->trigger();
        for (int l = 1; l <= 3; ++l)
            for (int c = 1; c <= 3; ++c) {
                QCOMPARE(m_->Modele().MatB(l, c).Re, m_->Modele().MatA(l, c).Re);
                QCOMPARE(m_->Modele().MatB(l, c).Im, m_->Modele().MatA(l, c).Im);
            }
        QVERIFY(p_->journal.empty());
        // A refused cell is named and the block changes nothing; blanks
        // separate cells as tabs do.
        QGuiApplication::clipboard()->setText("9\tabc");
        m_->findChild<QAction*>("CollerCellules")->trigger();
        QCOMPARE(m_->Modele().MatB(1, 1).Re, 1.0L);
        QVERIFY(!p_->journal.empty() && p_->journal.back() == "avertissement: Cellule refusée (ligne 1, colonne 2) : « abc » .");
        // A block that runs out of the order: its first cell outside.
        QGuiApplication::clipboard()->setText("1 2  3\n4 5 6\n");
        Mat()->setCurrentCell(2, 0);
        m_->findChild<QAction*>("CollerCellules")->trigger();
        QCOMPARE(m_->Modele().MatB(3, 1).Re, 7.0L);
        QVERIFY(p_->journal.back().find("(ligne 4, colonne 1) : « 4 »") != std::string::npos);
        Mat()->setCurrentCell(1, 0);
        m_->findChild<QAction*>("CollerCellules")->trigger();
        QCOMPARE(m_->Modele().MatB(3, 3).Re, 6.0L);
        QCOMPARE(m_->Modele().TailleB, 3);
        QGuiApplication::clipboard()->setText("1 2 x");
        Mat()->setCurrentCell(0, 0);
        m_->findChild<QAction*>("CollerCellules")->trigger();
        QCOMPARE(p_->journal.back(), std::string("avertissement: Cellule refusée (ligne 1, colonne 3) : « x » ."));
        // Nothing to paste beeps; a cell too long to read is named, cut
        // short.
        const EtatMatrices avant{m_->Modele().MatA, m_->Modele().MatB, 2, 3, true, true};
        QGuiApplication::clipboard()->clear();
        m_->findChild<QAction*>("CollerCellules")->trigger();
        QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
        m_->findChild<QAction*>("CollerCellules")->trigger();
        Mat()->setCurrentCell(1, 0);
        QGuiApplication::clipboard()->setText("2 " + QString(1001, '1'));
        m_->findChild<QAction*>("CollerCellules")->trigger();
        QCOMPARE((std::vector<std::string>(p_->journal.end() - 4, p_->journal.end())),
                 (std::vector<std::string>{"bip", "bip", "son: Son1.wav",
                                           "avertissement: Cellule refusée (ligne 2, colonne 2) : « " +
                                               std::string(40, '1') + "... » ."}));
        QCOMPARE(avant.b(2, 1).Re, m_->Modele().MatB(2, 1).Re);
    }

    // « A », « B », « A »: each shows what was typed into it; the order of
    // one never changes the other.
    void aPuisBPuisA()
    {
        Reglages(10);
        Clique("MatABtn");
        for (int k = 0; k < 4; ++k)
            Tape(k / 2, k % 2, QString::number(k + 1));
        Clique("MatBBtn");
        for (int k = 0; k < 4; ++k)
            Tape(k / 2, k % 2, QString::number(k + 5));
        Clique("MatABtn");
        QCOMPARE((QStringList{Cellule(0, 0), Cellule(1, 1)}), (QStringList{"1.00000", "4.00000"}));
        QCOMPARE(m_->Modele().MatB(2, 2).Re, 8.0L);
        Clique("MatBBtn");
        QCOMPARE(Cellule(0, 1), QString("6.00000"));
        // The order, from its box's arrows.
        auto* taille = m_->findChild<QSpinBox*>("TailMat");
        taille->setFocus();
        QTest::keyClick(taille, Qt::Key_Up);
        QTest::keyClick(taille, Qt::Key_Up);
        QCOMPARE((QStringList{Texte("GrosA"), Texte("GrosB")}), (QStringList{"2 * 2", "4 * 4"}));
        QCOMPARE(m_->Modele().TailleA, 2);
    }

    // Every change of A or B is a step of « Annuler » and « Rétablir »,
    // bit for bit.
    void inverseAnnuleeEtRetablie()
    {
        Reglages(10);
        Entre("MatABtn", 2, {"1", "2", "3", "4.1"});
        const TMat avant = m_->Modele().MatA;
        Menu("Ope4");
        const TMat inverse = m_->Modele().MatA;
        QVERIFY(inverse(1, 1).Re != avant(1, 1).Re);
        QTest::keyClick(m_.get(), Qt::Key_Z, Qt::ControlModifier);
        for (int k = 0; k < 4; ++k)
            QVERIFY(m_->Modele().MatA(k / 2 + 1, k % 2 + 1).Re == avant(k / 2 + 1, k % 2 + 1).Re);
        QTest::keyClick(m_.get(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(m_->Modele().MatA(2, 2).Re == inverse(2, 2).Re);
        // The inverse and the four cells typed: then nothing left to undo.
        for (int k = 0; k < 5; ++k)
            Menu("AnnulerMatrice");
        QVERIFY(m_->Modele().MatA(1, 1).Re == 0.0L && m_->Modele().MatA(2, 2).Re == 0.0L);
        QVERIFY(!m_->findChild<QAction*>("AnnulerMatrice")->isEnabled());
        QVERIFY(m_->findChild<QAction*>("RetablirMatrice")->isEnabled());
    }

    // Beyond order 4, by the QR algorithm: the values in the result grid,
    // how closely they fit in its hint.
    void valeursPropresDOrdreSix()
    {
        Reglages(10);
        QList<QString> cellules;
        for (int k = 0; k < 36; ++k)
            cellules << (k % 7 == 0 ? QString::number(k / 7 + 1) : k == 1 ? "-4" : "0");
        Entre("MatABtn", 6, cellules);
        Menu("Alg5");
        QVERIFY(ResulMat()->isVisible() && !ResulMat()->isColumnHidden(5) && ResulMat()->isColumnHidden(6));
        QStringList valeurs;
        for (int c = 0; c < 6; ++c)
            valeurs << ResulMat()->item(0, c)->text();
        QCOMPARE(valeurs, (QStringList{"(6.00000,0.00000)", "(5.00000,0.00000)", "(4.00000,0.00000)", "(3.00000,0.00000)",
                                       "(2.00000,0.00000)", "(1.00000,0.00000)"}));
        QVERIFY(ResulMat()->toolTip().startsWith("Plus grand résidu |Av - λv| / (|A| |v|) : "));
    }

    void sommeDeDeuxIdentites()
    {
        Reglages(10);
        Entre("MatABtn", 2, {"1", "0", "0", "1"});
        Entre("MatBBtn", 2, {"1", "0", "0", "1"});
        Clique("SomBtn");
        QCOMPARE(Cellule(0, 0), QString("2.00000"));
        QCOMPARE(Cellule(0, 1), QString("0.00000"));
        QCOMPARE(Cellule(1, 1), QString("2.00000"));
        QCOMPARE(m_->Modele().MatB(1, 1).Re, 0.0L);
        Menu("Ope1"); // B is zero now: A stays
        QCOMPARE(Cellule(1, 1), QString("2.00000"));
    }

    void produitEnComplexe()
    {
        Reglages(5);
        Entre("MatABtn", 2, {"(0,1)", "0", "0", "1"});
        Entre("MatBBtn", 2, {"(0,1)", "0", "0", "(2,0)"});
        Menu("Ope3");
        QCOMPARE(Cellule(0, 0), QString("(-1.00000,0.00000)"));
        QCOMPARE(Cellule(1, 1), QString("(2.00000,0.00000)"));
    }

    void traceEtDeterminantEnFormeComplexe()
    {
        Reglages(10);
        Entre("MatABtn", 2, {"2", "1", "1", "3"});
        Clique("TraceBtn");
        QCOMPARE(Texte("TipCalc"), QString("Trace de la matrice A"));
        QCOMPARE(Texte("Resultat"), QString("(5.00000,0.00000)"));
        Menu("Alg3");
        QCOMPARE(Texte("TipCalc"), QString("Déterminant de la matrice A"));
        QCOMPARE(Texte("Resultat"), QString("(5.00000,0.00000)"));
        // A real value copies as a plain number, which a spreadsheet reads.
        Entre("MatABtn", 2, {"6.5", "1", "1", "7"});
        Clique("TraceBtn");
        m_->findChild<QLabel*>("Resultat")->setFocus();
        QTest::keyClick(m_->findChild<QLabel*>("Resultat"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("13.5"));
    }

    void rangMontreLaFormeSansToucherA()
    {
        Reglages(10);
        Entre("MatABtn", 3, {"1", "2", "3", "2", "4", "6", "1", "1", "1"});
        Clique("RgBtn");
        QCOMPARE(Texte("Resultat"), QString("2"));
        QCOMPARE(Cellule(1, 0), QString("0.00000"));
        QCOMPARE(Cellule(1, 1), QString("-1.00000"));
        QCOMPARE(m_->Modele().MatA(2, 1).Re, 2.0L);
        Clique("DetBtn");
        QCOMPARE(Texte("Resultat"), QString("(0.00000,0.00000)"));
    }

    void polynomeEtValeursPropres()
    {
        Reglages(10);
        Entre("MatABtn", 2, {"2", "0", "0", "3"});
        Clique("PolCBtn");
        QCOMPARE(Cellule(0, 0), QString("1.00000"));
        QCOMPARE(Cellule(1, 0), QString("-5.00000"));
        QCOMPARE(Cellule(2, 0), QString("6.00000"));
        QCOMPARE(Cellule(0, 1), QString("* x^2"));
        QCOMPARE(Cellule(1, 1), QString("* x^1"));
        QCOMPARE(Cellule(2, 1), QString());
        Clique("VProBtn");
        QCOMPARE(Texte("ResCalculMat"), QString("Valeurs propres de la matrice A :"));
        QCOMPARE(ResulMat()->item(0, 0)->text(), QString("(3.00000,0.00000)"));
        QCOMPARE(ResulMat()->item(0, 1)->text(), QString("(2.00000,0.00000)"));
    }

    void valeursPropresDOrdreCinq()
    {
        Reglages(10);
        Entre("MatABtn", 5, {"1"});
        Clique("VProBtn");
        QVERIFY(ResulMat()->isVisible() && ResulMat()->item(0, 0)->text() == "(1.00000,0.00000)");
        QVERIFY(p_->journal.empty());
    }

    void systeme()
    {
        Reglages(10);
        Entre("MatABtn", 2, {"2", "1", "1", "3"});
        Entre("MatBBtn", 2, {"3", "0", "5", "0"});
        Menu("Sys");
        QCOMPARE(Texte("ResCalculMat"), QString("Solutions du système d'équations :"));
        QCOMPARE(ResulMat()->item(0, 0)->text(), QString("0.80000"));
        QCOMPARE(ResulMat()->item(0, 1)->text(), QString("1.40000"));
    }

    void messagesDesRefus_data()
    {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<QString>("message");
        QTest::newRow("somme") << "SomBtn" << "erreur: Tailles des matrices incompatibles .";
        QTest::newRow("différence") << "DifBtn" << "erreur: Taille des matrices incompatible .";
        QTest::newRow("produit") << "ProdBtn" << "erreur: Taille des matrices incompatible .";
        QTest::newRow("inverse") << "InvBtn" << "avertissement: Matrice non inversible .";
        QTest::newRow("système") << "ResolBtn" << "avertissement: La matrice A n'est pas de rang 3 . Système indéterminé .";
    }

    void messagesDesRefus()
    {
        QFETCH(QString, commande);
        QFETCH(QString, message);
        Reglages(10);
        Entre("MatABtn", 3, {"1", "2", "3", "2", "4", "6"});
        Entre("MatBBtn", 2, {});
        const TMat avant = m_->Modele().MatA;
        Clique(qPrintable(commande));
        QCOMPARE(p_->journal, (std::vector<std::string>{"son: Son1.wav", message.toStdString()}));
        QCOMPARE(m_->Modele().MatA(2, 3).Re, avant(2, 3).Re);
    }

    void refusSansSonQuandLesSonsSontCoupes()
    {
        EnregistreOptions(TOptions{"complexe", 2, false, 10, {}});
        m_ = std::make_unique<TMatrice>();
        p_->Vide();
        Clique("SwapAB");
        QCOMPARE(p_->journal, (std::vector<std::string>{"avertissement: Une des deux matrices n'a pas été définie ."}));
        Clique("ResolBtn");
        QCOMPARE(p_->Messages().back(),
                 std::string("avertissement: Entrez la matrice dans A et le vecteur solution dans la 1ère colonne de B ."));
    }

    void activationGardeLaSaisie()
    {
        Reglages(10);
        Clique("MatABtn");
        m_->findChild<QSpinBox*>("TailMat")->setValue(4);
        Tape(3, 3, "8");
        QCOMPARE(Texte("GrosA"), QString("4 * 4"));
        SuiviActivation::Activee(nullptr);
        QWidget autre;
        auto activable = std::make_unique<TMatrice>();
        SuiviActivation::Activee(activable.get());
        SuiviActivation::Activee(m_.get());
        // What was typed stays as it was.
        QCOMPARE(m_->findChild<QSpinBox*>("TailMat")->value(), 4);
        QCOMPARE(Texte("GrosA"), QString("4 * 4"));
        QCOMPARE(Cellule(3, 3), QString("8.00000"));
        QCOMPARE(m_->Modele().MatA(4, 4).Re, 8.0L);
    }

    void ordreAbaisseGardeLesCellules()
    {
        Reglages(10);
        Clique("MatABtn");
        auto* taille = m_->findChild<QSpinBox*>("TailMat");
        taille->setValue(4);
        Tape(3, 3, "8");
        taille->setValue(3);
        QCOMPARE(m_->Modele().TailleA, 3);
        Clique("TraceBtn");
        QCOMPARE(Texte("Resultat"), QString("(0.00000,0.00000)"));
        taille->setValue(4);
        Clique("MatABtn");
        QCOMPARE(Cellule(3, 3), QString("8.00000"));
        QCOMPARE(taille->maximum(), 10);
        QCOMPARE(taille->minimum(), 2);
    }

    // Tiny and wide results can be read, and copied as they are stored.
    void resultatsLisiblesEtCopies()
    {
        Reglages(10); // real mode: 50-pixel columns
        Clique("MatABtn");
        m_->findChild<QSpinBox*>("TailMat")->setValue(8);
        for (int i = 1; i <= 8; ++i)
            for (int j = 1; j <= 8; ++j)
                m_->Modele().MatA(i, j) = Complexe(1.0L / (i + j - 1), 0.0L);
        m_->Modele().TailleA = 8;
        m_->Modele().DefA = true;
        Menu("Alg3");
        QCOMPARE(Texte("Resultat"), QString("( 2.7E-0033,0.00000)"));
        m_->findChild<QLabel*>("Resultat")->setFocus();
        QTest::keyClick(m_->findChild<QLabel*>("Resultat"), Qt::Key_C, Qt::ControlModifier);
        const QString copie = QGuiApplication::clipboard()->text();
        // A real value copies as a plain number.
        QVERIFY2(copie.startsWith("2.737") && copie.endsWith("E-33"), qPrintable(copie));
        // The inverse's entries are too wide for 50 pixels: scientific, the
        // value itself as a tool tip where even that is too wide.
        Menu("Ope4");
        QCOMPARE(Cellule(0, 0), QString("64.00000"));
        QCOMPARE(Cellule(0, 1), QString("-2.0E+0003"));
        // Every cell's tool tip: the value as a copy takes it; every text
        // fits its column, widened where needed.
        QVERIFY(Mat()->item(0, 0)->toolTip().startsWith("64"));
        QVERIFY(Mat()->item(0, 5)->toolTip().startsWith("-288288.0000"));
        const QFontMetrics mesure(Mat()->font());
        for (int l = 0; l < 8; ++l)
            for (int c = 0; c < 8; ++c)
                QVERIFY(mesure.horizontalAdvance(Cellule(l, c)) + 6 <= Mat()->columnWidth(c));
        // A cell accepted shows the value's form at once.
        Tape(0, 0, "1e400");
        QCOMPARE(Cellule(0, 0), QString(" 1.0E+0400"));
    }

    void valeursPropresCopieesEnComplexe()
    {
        Reglages(10);
        Entre("MatABtn", 2, {"0", "1", "-1", "0"});
        Menu("Alg5");
        ResulMat()->setCurrentCell(0, 0);
        ResulMat()->selectAll();
        ResulMat()->setFocus();
        QTest::keyClick(ResulMat(), Qt::Key_C, Qt::ControlModifier);
        // One value a line, in the copy form.
        const QStringList copies = QGuiApplication::clipboard()->text().split('\n');
        QVERIFY2(copies.size() == 2 && copies[0].endsWith("+1i") && copies[1].endsWith("-1i"), qPrintable(copies.join('|')));
        // The characteristic polynomial: one coefficient a line, highest
        // degree first, whatever the grid edited before.
        Clique("MatBBtn");
        Menu("Alg4");
        Mat()->clearSelection();
        Mat()->setFocus();
        QTest::keyClick(Mat(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("1\n0\n1"));
        // The grid shows a result: no cell to type into, nor to read with
        // Enter.
        QTest::keyClick(Mat(), Qt::Key_5);
        Mat()->setCurrentCell(0, 0);
        QTest::keyClick(Mat(), Qt::Key_Return);
        QCOMPARE(m_->Modele().MatB(1, 1).Re, 0.0L);
    }

    // A result of A + B while A was never opened is A's first contents.
    void sommeDansUnANeuf()
    {
        Reglages(10);
        Entre("MatBBtn", 2, {"1", "2", "3", "4"});
        Menu("Ope1");
        QCOMPARE((QStringList{Cellule(0, 1), Cellule(1, 1), Texte("GrosA")}), (QStringList{"2.00000", "4.00000", "2 * 2"}));
        Clique("MatBBtn");
        Clique("MatABtn");
        QCOMPARE(Cellule(1, 0), QString("3.00000"));
    }

    void quitterPuisRouvrir()
    {
        Reglages(5);
        Entre("MatABtn", 3, {"4", "0", "0", "0", "2"});
        QCOMPARE(Texte("GrosA"), QString("3 * 3"));
        Menu("Alg1");
        Menu("Alg5");
        Menu("Alg4");
        Menu("Bye");
        // A, B and the results live as long as the program.
        SuiviActivation::Oublie();
        QVERIFY(MontreActive(m_.get()));
        QCOMPARE(Texte("GrosA"), QString("3 * 3"));
        QCOMPARE(Texte("Resultat"), QString("(6.00000,0.00000)"));
        QVERIFY(ResulMat()->isVisible() && Mat()->isVisible());
        QVERIFY(!ResulMat()->findItems("(4.00000,0.00000)", Qt::MatchExactly).isEmpty());
        QCOMPARE((QStringList{Cellule(0, 1), Cellule(1, 0)}), (QStringList{"* x^3", "(6.00000,0.00000)"}));
        // The polynomial is a result: nothing pastes into it.
        QVERIFY(!m_->findChild<QAction*>("CollerCellules")->isEnabled());
        Clique("MatABtn");
        QCOMPARE(Cellule(0, 0), QString("(4.00000,0.00000)"));
        QCOMPARE(Texte("GrosA"), QString("3 * 3"));
    }
};

QTEST_MAIN(TestMatrixFenetre)
#include "test_matrix_fenetre.moc"
