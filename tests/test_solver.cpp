// The solver: its numeric methods and its window.
#include "app/fenetres/Activation.h"
#include "app/fenetres/Fenetres.h"
#include "commun/Bac.h"
#include "commun/Banc.h"
#include "commun/PlateformeEnregistreuse.h"
#include "commun/Proche.h"
#include "funclang/Nombres.h"
#include "funclang/fenetres/TFonctions.h"
#include "solver/fenetres/TSolveur.h"
#include "solver/modele/FonctionTexte.h"
#include "solver/modele/ModeleSolveur.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QAccessible>
#include <QtTest>

#include <memory>

namespace {
const FonctionReelle Identite = [](Etendu x) { return x; };
}

class TestSolver : public QObject, protected Banc {
    Q_OBJECT

    TSolveur* s_ = nullptr;

    QLineEdit* Champ(const char* nom) { return s_->findChild<QLineEdit*>(nom); }
    QString Resultat() { return s_->findChild<QLabel*>("Resultat")->text(); }
    void Tape(const char* champ, const QString& texte)
    {
        Champ(champ)->setFocus();
        Champ(champ)->setText(texte);
        QTest::keyClick(Champ(champ), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!s_->CalculEnCours(), 60000);
    }
    void Go()
    {
        QTest::mouseClick(s_->findChild<QPushButton*>("CalculBtn"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!s_->CalculEnCours(), 60000);
    }
    void Type(int type) { s_->findChild<QComboBox*>("Choix")->setCurrentIndex(type); }
    void Methode(int ligne)
    {
        auto* liste = s_->findChild<QListWidget*>("ListeChoix");
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(ligne)).center());
    }

private slots:
    void init()
    {
        Installe();
        CreeFenetres();
        s_ = LesFenetres().Solveur;
        QVERIFY(MontreActive(s_, false));
    }

    void cleanup()
    {
        DetruitFenetres();
        Retire();
    }

    void quadratures_data()
    {
        QTest::addColumn<int>("regle");
        QTest::addColumn<QString>("fonction");
        QTest::addColumn<long double>("a");
        QTest::addColumn<long double>("b");
        QTest::addColumn<int>("n");
        QTest::addColumn<long double>("attendu");
        QTest::newRow("rectangles de x") << 0 << "x" << 0.0L << 1.0L << 4 << 0.625L;
        QTest::newRow("trapèzes de x") << 1 << "x" << 0.0L << 1.0L << 4 << 0.5L;
        QTest::newRow("Simpson de x") << 2 << "x" << 0.0L << 1.0L << 4 << 0.5L;
        QTest::newRow("Simpson de x^3, n = 1") << 2 << "x^3" << 0.0L << 2.0L << 1 << 4.0L;
        QTest::newRow("rectangles inversés") << 0 << "x" << 1.0L << 0.0L << 4 << -0.375L;
        QTest::newRow("trapèzes inversés") << 1 << "x" << 1.0L << 0.0L << 4 << -0.5L;
        QTest::newRow("Simpson inversé") << 2 << "x^3" << 2.0L << 0.0L << 1 << -4.0L;
        QTest::newRow("n = 0") << 0 << "x" << 0.0L << 1.0L << 0 << ValeurErreur;
        QTest::newRow("n négatif") << 2 << "x" << 0.0L << 1.0L << -3 << ValeurErreur;
        QTest::newRow("n trop grand") << 1 << "x" << 0.0L << 1.0L << int(IntervallesMax + 1) << ValeurErreur;
    }

    void quadratures()
    {
        QFETCH(int, regle);
        QFETCH(QString, fonction);
        QFETCH(long double, a);
        QFETCH(long double, b);
        QFETCH(int, n);
        QFETCH(long double, attendu);
        const FonctionReelle f = FonctionDuTexte(fonction.toStdString(), Jete())->Dans(Jete());
        using Regle = Etendu (*)(const FonctionReelle&, long, Etendu, Etendu);
        const Regle regles[] = {IntegRectangles, IntegTrapezes, IntegSimpson};
        const Etendu r = regles[regle](f, n, a, b);
        QVERIFY2(r == attendu || ProcheReel(r, attendu, 8), TexteNombre(r).c_str());
    }

    void derivee()
    {
        const FonctionReelle carre = FonctionDuTexte("x^2", Jete())->Dans(Jete());
        QVERIFY(std::fabs(DeriveeNum(carre, 3.0L) - 6.0L) < 1e-13L);
    }

    void dichotomie_data()
    {
        QTest::addColumn<long double>("a");
        QTest::addColumn<long double>("b");
        QTest::addColumn<long double>("eps");
        QTest::addColumn<long double>("attendu");
        QTest::newRow("x^2-2 sur [0, 2]") << 0.0L << 2.0L << 1e-10L << 1.41421356237L;
        QTest::newRow("bornes échangées") << 2.0L << 0.0L << 1e-10L << 1.41421356237L;
        QTest::newRow("même signe") << 2.0L << 3.0L << 1e-4L << ValeurErreur;
        QTest::newRow("|f(a)| < eps rend a") << 1.4142L << 5.0L << 1e-3L << 1.4142L;
        QTest::newRow("|f(b)| < eps rend b") << 5.0L << 1.4142L << 1e-3L << 1.4142L;
        QTest::newRow("eps nul s'arrête") << 0.0L << 2.0L << 0.0L << 1.41421356237L;
        QTest::newRow("eps négatif s'arrête") << 0.0L << 2.0L << -1.0L << 1.41421356237L;
        QTest::newRow("eps 1E-4000") << 0.0L << 2.0L << 1e-4000L << 1.41421356237L;
        QTest::newRow("bornes énormes") << -1e4000L << 1e4000L << 1e-3L << ValeurErreur;
    }

    void dichotomie()
    {
        QFETCH(long double, a);
        QFETCH(long double, b);
        QFETCH(long double, eps);
        QFETCH(long double, attendu);
        const Etendu r = ZeroDichotomie(FonctionDuTexte("x^2-2", Jete())->Dans(Jete()), a, b, eps);
        if (attendu == ValeurErreur || a == 1.4142L || b == 1.4142L)
            QCOMPARE(r, attendu);
        else
            QVERIFY2(std::fabs(r - attendu) < 1e-9L, TexteNombre(r).c_str());
    }

    void newton()
    {
        const Etendu r = ZeroNewton(FonctionDuTexte("x^2-2", Jete())->Dans(Jete()), 1.0L, 1e-12L);
        QVERIFY(std::fabs(r - std::sqrt(2.0L)) < 1e-12L);
        QCOMPARE(ZeroNewton(FonctionDuTexte("x^2+1", Jete())->Dans(Jete()), 1.0L, 1e-12L), ValeurErreur);
        QCOMPARE(ZeroNewton(FonctionDuTexte("5", Jete())->Dans(Jete()), 1.0L, 1e-12L), ValeurErreur);
        // eps = 0: both stop when a step no longer changes the result.
        QCOMPARE(TexteZero(ZeroNewton(FonctionDuTexte("x-1", Jete())->Dans(Jete()), 3.0L, 0.0L), 0.0L),
                 std::string(" 1.00000000000000E+0000"));
        QCOMPARE(ZeroDichotomie(FonctionDuTexte("x-1", Jete())->Dans(Jete()), 1.0L, 5.0L, 0.0L), 1.0L);
    }

    void texteDuZero_data()
    {
        QTest::addColumn<long double>("r");
        QTest::addColumn<long double>("eps");
        QTest::addColumn<QString>("texte");
        QTest::newRow("3 décimales") << 1.41421356L << 0.001L << "1.414";
        QTest::newRow("moitié vers pair: 2.5 -> 2") << 1.41421356L << 0.00316227766016838L << "1.41";
        QTest::newRow("d négatif") << 1234.5L << 100.0L << " 1.2E+0003";
        QTest::newRow("très grand") << 2e40L << 0.1L << " 2.0E+0040";
        QTest::newRow("valeur d'erreur") << ValeurErreur << 0.1L << " 1.2E+0999";
        QTest::newRow("eps nul") << 0.5L << 0.0L << " 5.00000000000000E-0001";
        QTest::newRow("eps 1E-20: 18 décimales au plus") << 1.5L << 1E-20L << "1.500000000000000000";
    }

    void texteDuZero()
    {
        QFETCH(long double, r);
        QFETCH(long double, eps);
        QFETCH(QString, texte);
        QCOMPARE(QString::fromStdString(TexteZero(r, eps)), texte);
    }

    void fenetreDichotomieParEntree()
    {
        Tape("Fonc", "x^2-2");
        QVERIFY(Champ("AcquisInf")->hasFocus());
        Tape("AcquisInf", "0");
        Tape("AcquisSup", "2");
        Methode(0);
        Tape("AcquisPlus", "0.0001");
        QCOMPARE(Resultat(), QString("1.4142"));
        QVERIFY(p_->journal.empty());
    }

    void fenetreMemeSigne()
    {
        Tape("Fonc", "x^2-2");
        Tape("AcquisInf", "2");
        Tape("AcquisSup", "3");
        Methode(0);
        Tape("AcquisPlus", "0.001");
        QCOMPARE(Resultat(), QString("???"));
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip"}));
    }

    void fenetreRectangles()
    {
        Type(1);
        QCOMPARE(s_->findChild<QLabel*>("Label3")->text(), QString("Intervalle de calcul (n) :"));
        Tape("Fonc", "x^2");
        Tape("AcquisInf", "0");
        Tape("AcquisSup", "1");
        Tape("AcquisPlus", "10.9");
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip"})); // no method chosen yet
        Methode(0);
        Go();
        QCOMPARE(Resultat(), QString(" 3.85000000000000E-0001"));
    }

    // A Simpson of 100,000 steps of a 20-term sum shows its progress, stops
    // on « Arrêter » (clicked through the window) and runs again.
    void calculLongArreteEtRelance()
    {
        Type(1);
        Methode(2);
        Tape("Fonc", QString("sin(x)+").repeated(19) + "sin(x)");
        Tape("AcquisInf", "0");
        Tape("AcquisSup", "1000");
        Champ("AcquisPlus")->setText("100000");
        QTest::keyClick(Champ("AcquisPlus"), Qt::Key_Return);
        QVERIFY(s_->CalculEnCours());
        auto* barre = s_->findChild<QProgressBar*>("ProgressionCalcul");
        QTRY_VERIFY(barre->value() > 0);
        auto* arret = s_->findChild<QPushButton*>("ArretCalcul");
        QTest::mouseClick(s_->windowHandle(), Qt::LeftButton, {}, arret->mapTo(s_, arret->rect().center()));
        QTRY_VERIFY(!s_->CalculEnCours());
        QCOMPARE(s_->findChild<QLabel*>("BarreEtat2Panneau")->text(), QString(" Calcul interrompu ."));
        QCOMPARE(Resultat(), QString("----"));
        QVERIFY(!arret->isVisible() && p_->journal.empty());
        Tape("AcquisPlus", "100");
        QVERIFY(Resultat() != "----" && Resultat() != "???");
    }

    void fenetreNewtonSansBorneSuperieure()
    {
        Tape("Fonc", "x^2-2");
        Methode(1);
        QCOMPARE(s_->findChild<QLabel*>("Label1")->text(), QString("Valeur de départ :"));
        QVERIFY(!Champ("AcquisSup")->isVisible());
        Tape("AcquisInf", "1");
        Tape("AcquisPlus", "1e-6");
        QCOMPARE(Resultat(), QString("1.414214"));
        Tape("Fonc", "x^2+1");
        Tape("AcquisPlus", "1e-6");
        QCOMPARE(Resultat(), QString("???"));
    }

    void fenetreDeriveeParEntree()
    {
        Type(2);
        QVERIFY(!s_->findChild<QPushButton*>("CalculBtn")->isVisible());
        QCOMPARE(s_->findChild<QLabel*>("Label3")->text(), QString("Valeur de x0 :"));
        Tape("Fonc", "x^2");
        Tape("AcquisPlus", "3");
        QCOMPARE(Resultat().left(8), QString(" 6.00000"));
        // ln is undefined left of 0: no derivative there, "?" without a beep.
        Tape("Fonc", "ln(x)");
        Tape("AcquisPlus", "0");
        QCOMPARE(Resultat(), QString("?"));
        QVERIFY(p_->journal.empty());
    }

    void rouvrirDemandeLesChampsDeNouveau()
    {
        Tape("Fonc", "x");
        Tape("AcquisInf", "-1");
        Tape("AcquisSup", "1");
        Methode(0);
        s_->findChild<QAction*>("Ciao")->trigger();
        QVERIFY(!s_->isVisible());
        s_->show();
        QCOMPARE(Resultat(), QString("----"));
        QCOMPARE(s_->findChild<QListWidget*>("ListeChoix")->count(), 2);
        Methode(0);
        Go();
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip"}));
        QCOMPARE(Resultat(), QString("----"));
    }

    void integraleAuTraversDUnPointInterdit()
    {
        Type(1);
        Methode(1);
        Tape("Fonc", "1/x");
        Tape("AcquisInf", "0");
        Tape("AcquisSup", "1");
        Tape("AcquisPlus", "10");
        QCOMPARE(Resultat(), QString("???"));
        Methode(0); // right end points never meet 0
        Go();
        QCOMPARE(Resultat(), QString(" 2.92896825396825E+0000"));
    }

    void fonctionTropLongueRefusee()
    {
        Tape("Fonc", QString(10001, 'x'));
        QCOMPARE(p_->Messages(), (std::vector<std::string>{"erreur: Expression incorrecte ."}));
        QVERIFY(Champ("Fonc")->hasFocus());
        QVERIFY(!s_->Modele().FoncSaisie);
    }

    void champsHorsLimites()
    {
        Type(1);
        Methode(2);
        Tape("Fonc", "x");
        Tape("AcquisInf", "abc"); // not refused: reads 0
        Tape("AcquisSup", "1E5000");
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip"}));
        QCOMPARE(s_->findChild<QLabel*>("BarreEtat2Panneau")->text(), QString(" Nombre hors des limites ."));
        // The refused field is no longer confirmed: "Go ..." beeps.
        QVERIFY(!s_->Modele().SupSaisie);
        p_->Vide();
        Go();
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip"}));
        Tape("AcquisSup", "1");
        Tape("AcquisPlus", "1E9");
        QCOMPARE(s_->findChild<QLabel*>("BarreEtat2Panneau")->text(), QString(" Nombre de pas limité à 100000 ."));
        QVERIFY(!s_->Modele().PlusSaisie);
        Tape("AcquisPlus", "4");
        QCOMPARE(Resultat(), QString(" 5.00000000000000E-0001"));
        // Accepted, the field's refusal is no longer told.
        QVERIFY(!s_->findChild<QLabel*>("BarreEtat2Panneau")->text().contains("100000"));
        Tape("AcquisPlus", "1E9");
        Methode(1);
        QVERIFY(!s_->findChild<QLabel*>("BarreEtat2Panneau")->text().contains("100000"));
        // A decimal comma reads as the point.
        Tape("AcquisSup", "2,5");
        QCOMPARE(s_->Modele().SolvBorneSup, 2.5L);
    }

    void fauteDuTexteMontree()
    {
        Type(1);
        Methode(2);
        Tape("Fonc", "sin(x");
        Tape("AcquisInf", "0");
        Tape("AcquisSup", "1");
        p_->Vide();
        Tape("AcquisPlus", "4");
        QCOMPARE(p_->Messages(), std::vector<std::string>{"avertissement: Il manque une parenthèse fermante ."});
        QCOMPARE(Resultat(), QString("???"));
    }

    void listeDesFonctions()
    {
        auto* bouton = s_->findChild<QToolButton*>("SpeedButton1");
        QTest::mouseClick(bouton, Qt::LeftButton);
        QVERIFY(LesFenetres().Fonctions->isVisible());
        // Beside the solver, not over it.
        QVERIFY(!LesFenetres().Fonctions->frameGeometry().intersects(s_->frameGeometry()));
        // F1: the solver's own help page.
        p_->Vide();
        s_->findChild<QAction*>("Aide")->trigger();
        QCOMPARE(p_->journal, std::vector<std::string>{"aide: SOLVEUR"});
        QCOMPARE(bouton->statusTip(), QString("Cacher la liste des fonctions utilisables"));
        QCOMPARE(QAccessible::queryAccessibleInterface(bouton)->text(QAccessible::Description), bouton->statusTip());
        QCOMPARE(s_->findChild<QLabel*>("BarreEtat2Panneau")->text(), QString(" Cacher la liste des fonctions utilisables"));
        QTest::mouseClick(bouton, Qt::LeftButton);
        QVERIFY(!LesFenetres().Fonctions->isVisible());
    }
};

QTEST_MAIN(TestSolver)
#include "test_solver.moc"
