// The program on a screen of 1280 x 1024 pixels at scale 2 (640 x 512 for
// the windows): every window it places stays within reach, and the
// magnifier takes only a factor the screen can show.
#include "app/fenetres/Fenetres.h"
#include "app/modele/Options.h"
#include "calc/fenetres/TCalculatrice.h"
#include "commun/AttendsTrace.h"
#include "commun/Banc.h"
#include "graph/fenetres/EcranDigit.h"
#include "graph/fenetres/TGraph.h"
#include "graph/fenetres/TTableau.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QtTest>

class TestPetitEcran : public QObject, protected Banc {
    Q_OBJECT

    TGraph* g_ = nullptr;

    QAction* Menu(const char* nom) { return g_->findChild<QAction*>(nom); }
    QSize Zone() { return g_->findChild<EcranDigit*>("EcranDigit")->size(); }
    static bool Dedans(const QWidget* w)
    {
        return QGuiApplication::primaryScreen()->availableGeometry().contains(w->frameGeometry());
    }

private slots:
    void init()
    {
        Installe();
        EnregistreOptions(TOptions{});
        CreeFenetres();
        g_ = LesFenetres().Graph;
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(640, 512));
    }
    void cleanup()
    {
        DetruitFenetres();
        Retire();
    }

    void agrandissementQuiNeTientPas()
    {
        QVERIFY(MontreActive(g_));
        Menu("Loupe2")->trigger();
        QCOMPARE(p_->Messages(), std::vector<std::string>{"avertissement: L'écran est trop petit pour cet agrandissement ."});
        QCOMPARE(Zone(), QSize(320, 240));
        QVERIFY(Menu("Loupe1")->isChecked());
        QCOMPARE(LitAgrandissement(), 1);
        // Chosen on a larger screen: lowered for the run, kept in the file.
        EnregistreAgrandissement(2);
        g_->hide();
        QVERIFY(MontreActive(g_));
        QCOMPARE(Zone(), QSize(320, 240));
        QVERIFY(Menu("Loupe1")->isChecked());
        QCOMPARE(LitAgrandissement(), 2);
    }

    // Each window shown from the screen's far corner comes back inside it.
    void fenetresDansLEcran()
    {
        const QRect zone = QGuiApplication::primaryScreen()->availableGeometry();
        auto montre = [&zone](QWidget* w) {
            w->move(zone.bottomRight() - QPoint(40, 40));
            w->show();
            QTRY_VERIFY2(Dedans(w), qPrintable(w->objectName()));
        };
        for (QWidget* w : std::initializer_list<QWidget*>{LesFenetres().Calculatrice, g_,
                                                          reinterpret_cast<QWidget*>(LesFenetres().Solveur),
                                                          reinterpret_cast<QWidget*>(LesFenetres().Matrice)})
            montre(w);
        // The matrix window, larger than this screen: it shrinks, and its
        // panels scroll to the size panel's OK.
        auto* matrice = reinterpret_cast<QWidget*>(LesFenetres().Matrice);
        auto* defilement = matrice->findChild<QScrollArea*>("DefilementMatrice");
        QTest::mouseClick(matrice->findChild<QToolButton*>("MatABtn"), Qt::LeftButton);
        QWidget* ok = matrice->findChild<QWidget*>("AquiMat");
        defilement->ensureWidgetVisible(ok);
        QVERIFY(QRect(QPoint(), defilement->viewport()->size()).contains(QRect(ok->mapTo(defilement->viewport(), QPoint()), ok->size())));
        matrice->hide();
        // The table of values, taller than this screen at its usual size.
        QVERIFY(MontreActive(g_));
        QTest::mouseClick(g_->findChild<QToolButton*>("SpeedButton2"), Qt::LeftButton);
        auto* champ = g_->findChild<QLineEdit*>("FonctionXouRo");
        QTest::keyClicks(champ, "x^2");
        QTest::keyClick(champ, Qt::Key_Return);
        Menu("TableauValeurs")->trigger();
        TTableau* t = g_->FenetreTableau();
        QTRY_VERIFY(Dedans(t));
        QTRY_VERIFY(!t->CalculEnCours());
        // The results window, widened by a long result, and a dialog.
        bool resultatDedans = false, dialogueDedans = false;
        auto verifie = [](bool& dedans) {
            QTimer::singleShot(0, [&dedans] {
                QWidget* w = QApplication::activeModalWidget();
                QTest::qWait(20); // brought in once shown
                dedans = w && Dedans(w);
                if (w)
                    w->close();
            });
        };
        verifie(resultatDedans);
        AfficheSolutions("Extremum", "Maximum :", "x = 2.00000000000000 (borne)  f(x) = 4.00000000000000",
                         "Minimum :", "x = 0.00000000000000  f(x) = 0.00000000000000");
        verifie(dialogueDedans);
        Menu("Coords")->trigger();
        QVERIFY(resultatDedans);
        QVERIFY(dialogueDedans);
    }
};

QTEST_MAIN(TestPetitEcran)
#include "test_petit_ecran.moc"
