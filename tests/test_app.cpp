// The application shell: settings file, options dialog, platform layer,
// activation rule, start-up windows, splash and about box.
#include "app/fenetres/Activation.h"
#include "app/fenetres/Fenetres.h"
#include "app/fenetres/Images.h"
#include "app/fenetres/TAboutBox.h"
#include "app/fenetres/TAide.h"
#include "app/fenetres/TOptionCalc.h"
#include "app/fenetres/TSplash.h"
#include "app/fenetres/Traductions.h"
#include "app/modele/Arguments.h"
#include "app/modele/Options.h"
#include "calc/fenetres/TCalculatrice.h"
#include "commun/Bac.h"
#include "commun/Banc.h"
#include "commun/PlateformeEnregistreuse.h"
#include "funclang/fenetres/TFonctions.h"
#include "funclang/fenetres/TSolutions.h"
#include "graph/fenetres/Dialogues.h"
#include "graph/fenetres/TGraph.h"
#include "matrix/fenetres/TMatrice.h"
#include "solver/fenetres/TSolveur.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QtTest>

#include <functional>

namespace {

std::string Defauts(const Bac& bac)
{
    return "[Tarvelle]\nVersion=1.1\nAuteur=QUENTARO\nChemin=" + bac.Dossier() +
           "tarvelle\n\n[Options]\nType de machine=complexe\nBoutons=2\nSons=1\n"
           "Taille des matrices=5\n\n[Fichiers]\nFile_0=\nFile_1=\nFile_2=\nFile_3=\n";
}

class Fenetre : public QWidget, public FenetreActivable {
public:
    int activations = 0;
    void FormActivate() override { ++activations; }
};

} // namespace

class TestApp : public QObject {
    Q_OBJECT

private:
    // Shows the main windows and the plotter's dialogs one at a time and lets
    // `examine` list what is wrong in each; the list of all, reported.
    void ExamineChaqueFenetre(const std::function<void(QWidget*, QStringList&)>& examine)
    {
        Bac bac;
        PlateformeEnregistreuse p;
        CreeFenetres();
        const Fenetres& f = LesFenetres();
        QStringList fautes;
        for (QWidget* fenetre : std::initializer_list<QWidget*>{f.Calculatrice, f.Graph, f.Matrice, f.Solveur, f.Donnees,
                                                                f.Intervalle, f.ScaleEcran, f.ZoomChoose, f.OptionCalc}) {
            fenetre->show();
            examine(fenetre, fautes);
            fenetre->hide();
        }
        DetruitFenetres();
        for (const QString& faute : fautes)
            qWarning("%s", qPrintable(faute));
        QCOMPARE(fautes.size(), 0);
    }

private slots:
    void init() { SuiviActivation::Oublie(); }

    void premierDemarrageEcritLesOnzeClesDansLOrdre()
    {
        Bac bac;
        TOptions o;
        o.TypeMachine = "classique";
        ChargeOptions(o);
        QCOMPARE(bac.TexteReglages(), Defauts(bac));
        QCOMPARE(o.TypeMachine, std::string("complexe"));
        QCOMPARE(o.NbBoutons, 2);
        QVERIFY(o.SonsOptions);
        QCOMPARE(o.TailleMatrices, 5);
    }

    void autreVersionMiseANiveau()
    {
        Bac bac;
        bac.EcritReglages("[Tarvelle]\nVersion=1.0\nAuteur=X\n[Options]\nType de machine=classique\n"
                          "Boutons=3\nSons=0\nTaille des matrices=10\nPerso=garde\n"
                          "[Fichiers]\nFile_0=/a.mgr\nFile_2=/c.mgr\n[Autre]\ncle=valeur\n");
        TOptions o;
        ChargeOptions(o);
        const std::string texte = bac.TexteReglages();
        QCOMPARE(texte, std::string("[Tarvelle]\nVersion=1.1\nAuteur=X\n\n[Options]\n"
                                    "Type de machine=classique\nBoutons=3\nSons=0\n"
                                    "Taille des matrices=5\nPerso=garde\n\n[Fichiers]\nFile_0=\n"
                                    "File_2=\nFile_1=\nFile_3=\n\n[Autre]\ncle=valeur\n"));
        QCOMPARE(o.TypeMachine, std::string("classique"));
        QCOMPARE(o.NbBoutons, 3);
        QVERIFY(!o.SonsOptions);
        QCOMPARE(o.TailleMatrices, 5);
    }

    void versionSansTypeDeMachineLitLaVersion()
    {
        Bac bac;
        bac.EcritReglages("[Tarvelle]\nVersion=1.0\n");
        TOptions o;
        ChargeOptions(o);
        // A missing key reads as the version text: not "classique", so complex.
        QCOMPARE(o.TypeMachine, std::string("1.0"));
    }

    void entiers_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("attendu");
        QTest::newRow("décimal") << "12" << 12;
        QTest::newRow("hexadécimal") << "0x10" << 16;
        QTest::newRow("hexadécimal majuscule") << "0X1f" << 31;
        QTest::newRow("blancs devant") << "  7" << 7;
        QTest::newRow("négatif") << "-3" << -3;
        QTest::newRow("hexadécimal négatif") << "-0x10" << -16;
        QTest::newRow("texte") << "deux" << -99;
        QTest::newRow("vide") << "" << -99;
        QTest::newRow("0x seul") << "0x" << -99;
        QTest::newRow("suite de lettres") << "12abc" << -99;
        QTest::newRow("trop grand") << "99999999999999999999" << -99;
    }

    void entiers()
    {
        QFETCH(QString, texte);
        QFETCH(int, attendu);
        QCOMPARE(EntierOuDefaut(texte.toStdString(), -99), attendu);
    }

    void valeursLuesEtDefauts_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("boutons");
        QTest::addColumn<bool>("sons");
        QTest::addColumn<int>("taille");
        QTest::newRow("hexadécimal") << "Boutons=0x3\nSons=0x0\nTaille des matrices=0xA\n" << 3 << false << 10;
        QTest::newRow("pas des nombres") << "Boutons=deux\nSons=oui\nTaille des matrices=?\n" << 2 << true << 5;
        QTest::newRow("clés absentes") << "" << 2 << true << 5;
        QTest::newRow("hors des choix") << "Boutons=7\nSons=2\nTaille des matrices=6\n" << 2 << true << 5;
        QTest::newRow("clés dupliquées") << "Boutons=2\nBoutons=3\n" << 3 << true << 5;
    }

    void valeursLuesEtDefauts()
    {
        QFETCH(QString, options);
        QFETCH(int, boutons);
        QFETCH(bool, sons);
        QFETCH(int, taille);
        Bac bac;
        const std::string fichier = "[Tarvelle]\nVersion=1.1\n[Options]\n" + options.toStdString();
        bac.EcritReglages(fichier);
        TOptions o;
        ChargeOptions(o);
        QCOMPARE(o.NbBoutons, boutons);
        QCOMPARE(o.SonsOptions, sons);
        QCOMPARE(o.TailleMatrices, taille);
        QCOMPARE(bac.TexteReglages(), fichier); // a current file is only read
    }

    void fichiersAbimesDonnentLesDefauts_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("vide") << QByteArray();
        QTest::newRow("tronqué") << QByteArray("[Tarv");
        QTest::newRow("binaire") << QByteArray("\x00\xff\xfe\x01[\x02=\x03\n\x80\x81", 12);
        QTest::newRow("crochet sans fin") << QByteArray("[Tarvelle\nVersion=1.1\n");
        QTest::newRow("lignes sans =") << QByteArray("[Tarvelle]\nVersion\n1.1\n");
        QTest::newRow("fins de ligne CR") << QByteArray("[Options]\rSons=0\r");
        QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF[Options]\nSons=0\n");
    }

    void fichiersAbimesDonnentLesDefauts()
    {
        QFETCH(QByteArray, octets);
        Bac bac;
        bac.EcritReglages(octets.toStdString());
        PlateformeEnregistreuse p;
        TOptions o;
        o.NbBoutons = 3;
        ChargeOptions(o);
        QCOMPARE(o.TypeMachine, std::string("complexe"));
        QCOMPARE(o.NbBoutons, 2);
        QVERIFY(o.SonsOptions);
        QCOMPARE(o.TailleMatrices, 5);
        QVERIFY(p.journal.empty());
    }

    void doublesSectionsEtValeursLongues()
    {
        Bac bac;
        const std::string longue(1 << 20, 'z');
        bac.EcritReglages("[Tarvelle]\nVersion=1.1\n[Options]\nSons=0\nLong=" + longue +
                          "\n[Options]\nBoutons=3\n");
        TOptions o;
        ChargeOptions(o);
        QCOMPARE(o.NbBoutons, 3);
        QVERIFY(!o.SonsOptions);
        EnregistreOptions(o);
        QCOMPARE(LitTexteOption("Options", "Long", ""), longue);
    }

    void ecritureImpossibleEstSilencieuse()
    {
        Bac bac;
        QTemporaryDir d;
        // The settings path sits under a regular file: nothing can be written.
        QFile bloque(d.path() + "/fichier");
        QVERIFY(bloque.open(QIODevice::WriteOnly));
        bloque.close();
        DefinitCheminReglages((d.path() + "/fichier/Tv32.ini").toStdString());
        PlateformeEnregistreuse p;
        TOptions o;
        ChargeOptions(o);
        EnregistreOptions(o);
        QCOMPARE(o.TypeMachine, std::string("complexe"));
        QVERIFY(p.journal.empty());
    }

    void dialogueOptionsPremierDemarrage()
    {
        Bac bac;
        TOptionCalc dialogue;
        QCOMPARE(dialogue.windowTitle(), QString("Options"));
        QCOMPARE(dialogue.size(), QSize(501, 228));
        auto coche = [&](const char* nom) { return dialogue.findChild<QAbstractButton*>(nom)->isChecked(); };
        QVERIFY(coche("CalcType1"));
        QCOMPARE(dialogue.findChild<QRadioButton*>("CalcType1")->text(), QString("Affichage et calculs en complexes"));
        QVERIFY(coche("OptionMouse0"));
        QCOMPARE(dialogue.findChild<QRadioButton*>("OptionMouse0")->text(), QString("Souris 2 boutons (classique)"));
        QVERIFY(coche("SonsGraf"));
        QVERIFY(coche("ScaleMat0"));
        QCOMPARE(dialogue.findChild<QRadioButton*>("ScaleMat0")->text(), QString("Matrices à coef. complexes (dim. <= 5)"));
        dialogue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
        QCOMPARE(QApplication::focusWidget(), dialogue.findChild<QPushButton*>("SaveBtn"));
    }

    void okEcritAnnulerNonEtLeChoixAnnuleSuit()
    {
        Bac bac;
        TOptionCalc dialogue;
        const std::string avant = bac.TexteReglages();

        dialogue.show();
        QTest::mouseClick(dialogue.findChild<QRadioButton*>("CalcType0"), Qt::LeftButton);
        QTest::mouseClick(dialogue.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
        QVERIFY(!dialogue.isVisible());
        QCOMPARE(bac.TexteReglages(), avant);
        QCOMPARE(dialogue.Options().TypeMachine, std::string("classique"));

        dialogue.show();
        QTest::mouseClick(dialogue.findChild<QRadioButton*>("OptionMouse1"), Qt::LeftButton);
        QTest::mouseClick(dialogue.findChild<QCheckBox*>("SonsGraf"), Qt::LeftButton);
        QTest::mouseClick(dialogue.findChild<QRadioButton*>("ScaleMat1"), Qt::LeftButton);
        QTest::mouseClick(dialogue.findChild<QPushButton*>("SaveBtn"), Qt::LeftButton);
        QVERIFY(!dialogue.isVisible());
        QCOMPARE(LitTexteOption("Options", "Type de machine", ""), std::string("classique"));
        QCOMPARE(LitEntierOption("Options", "Boutons", 0), 3L);
        QCOMPARE(LitTexteOption("Options", "Sons", ""), std::string("0"));
        QCOMPARE(LitEntierOption("Options", "Taille des matrices", 0), 10L);
    }

    void okGardeLesFichiersRecents()
    {
        Bac bac;
        bac.EcritReglages("[Tarvelle]\nVersion=1.1\n[Fichiers]\nFile_0=/home/a.mgr\nFile_1=/home/b.mgr\n");
        TOptionCalc dialogue;
        dialogue.show();
        QTest::mouseClick(dialogue.findChild<QPushButton*>("SaveBtn"), Qt::LeftButton);
        QCOMPARE(LitTexteOption("Fichiers", "File_0", ""), std::string("/home/a.mgr"));
        QCOMPARE(LitTexteOption("Fichiers", "File_1", ""), std::string("/home/b.mgr"));
    }

    void signalDErreurSonPuisBoite()
    {
        Bac bac;
        PlateformeEnregistreuse p;
        SignaleErreur("Division par zéro.");
        QCOMPARE(p.journal, (std::vector<std::string>{"son: Son1.wav", "erreur: Division par zéro."}));
    }

    void sonsManquantsSilencieux()
    {
        Bac bac(false);
        PlateformeEnregistreuse p;
        JoueSon(DossierProgramme() + "Son2.wav");
        SignaleErreur("Expression incorrecte .");
        QCOMPARE(p.journal, (std::vector<std::string>{"erreur: Expression incorrecte ."}));
    }

    void sonsInstallesDansShare()
    {
        // The package puts the program in bin/ and its sounds in share/tarvelle/.
        QTemporaryDir prefixe;
        QDir(prefixe.path()).mkpath("bin");
        QDir(prefixe.path()).mkpath("share/tarvelle");
        QFile son(prefixe.path() + "/share/tarvelle/Son1.wav");
        QVERIFY(son.open(QIODevice::WriteOnly));
        son.close();
        DefinitCheminProgramme((prefixe.path() + "/bin/tarvelle").toStdString());
        QCOMPARE(DossierProgramme(), (prefixe.path() + "/bin/../share/tarvelle/").toStdString());
        DefinitCheminProgramme(std::string());
    }

    void sablierRendLaFleche()
    {
        PlateformeEnregistreuse p;
        try {
            Sablier s;
            QCOMPARE(p.sabliers, 1);
            throw 1;
        } catch (int) {
        }
        QCOMPARE(p.sabliers, 0);
    }

    void activationVenantDUneAutreFenetre()
    {
        Fenetre a, b;
        QMessageBox boite;
        SuiviActivation::Activee(&a);
        QCOMPARE(a.activations, 1);
        SuiviActivation::Activee(&boite); // a message box is not one of ours
        SuiviActivation::Activee(&a);
        QCOMPARE(a.activations, 1);
        SuiviActivation::Activee(&b);
        SuiviActivation::Activee(&a);
        QCOMPARE(a.activations, 2);
        QCOMPARE(b.activations, 1);
    }

    void fenetresCreeesAvecLeursTitres()
    {
        Bac bac;
        PlateformeEnregistreuse p;
        CreeFenetres();
        const Fenetres& f = LesFenetres();
        const QList<QPair<QWidget*, QString>> titres = {
            {f.Calculatrice, "Calculette"},
            {f.Graph, "Module graphique"},
            {f.AboutBox, "A propos ..."},
            {f.Donnees, "Axes des abscisses et ordonnées"},
            {f.Intervalle, "Intervalle d'étude de la variable"},
            {f.ScaleEcran, "Echelle sur les axes"},
            {f.Fonctions, "Liste des fonctions"},
            {f.ZoomChoose, "Zoom"},
            {f.Solutions, "Résultat du calcul"},
            {f.Solveur, "Module solveur"},
            {f.OptionCalc, "Options"},
            {f.Matrice, "Module matriciel"},
        };
        for (const auto& [fenetre, titre] : titres)
            QCOMPARE(fenetre->windowTitle(), titre);
        // Created in that order, the calculator first: it is the main window.
        QWidgetList creees;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (std::any_of(titres.begin(), titres.end(), [w](const auto& t) { return t.first == w; }))
                creees.append(w);
        QCOMPARE(creees.size(), 12);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        // The options dialog, created at start, made the settings file.
        QCOMPARE(bac.TexteReglages(), Defauts(bac));
        DetruitFenetres();
    }

    void lecteurDEcranNommeChaqueControle()
    {
        // Every button, read-out, field and list a user can reach has a name
        // and a description for a screen reader, in every window.
        ExamineChaqueFenetre([](QWidget* fenetre, QStringList& manquants) {
            for (QWidget* w : fenetre->findChildren<QWidget*>()) {
                const bool controle = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                      w->inherits("Lecture") || qobject_cast<QAbstractItemView*>(w);
                if (!controle || !w->isVisibleTo(fenetre))
                    continue;
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
                const QString qui = fenetre->objectName() + "/" + w->objectName();
                if (a->text(QAccessible::Name).trimmed().isEmpty())
                    manquants << "sans nom : " + qui;
                if (a->text(QAccessible::Description).trimmed().isEmpty())
                    manquants << "sans description : " + qui;
            }
        });
    }

    void tabulationDansLOrdreDeLecture()
    {
        // Tab visits every control that takes the focus, top to bottom and,
        // on one row, left to right, or column after column; the keypad keys
        // stay out on purpose.
        ExamineChaqueFenetre([](QWidget* fenetre, QStringList& desordres) {
            QSet<QWidget*> attendus;
            for (QWidget* w : fenetre->findChildren<QWidget*>())
                if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(fenetre) && w->isEnabled() &&
                    !w->focusProxy())
                    attendus.insert(w);
            QList<QWidget*> chaine;
            QWidget* w = fenetre;
            while ((w = w->nextInFocusChain()) != fenetre)
                if (attendus.contains(w))
                    chaine.append(w);
            if (QSet<QWidget*>(chaine.begin(), chaine.end()) != attendus)
                desordres << fenetre->objectName() + " : contrôles hors de la chaîne";
            for (int k = 0; k + 1 < chaine.size(); ++k) {
                const QRect a = QRect(chaine[k]->mapTo(fenetre, QPoint()), chaine[k]->size());
                const QRect b = QRect(chaine[k + 1]->mapTo(fenetre, QPoint()), chaine[k + 1]->size());
                const bool memeLigne = b.top() < a.bottom() && b.bottom() > a.top();
                const bool colonneSuivante = b.left() > a.right();
                if (memeLigne ? b.left() < a.left() : b.top() < a.top() && !colonneSuivante)
                    desordres << fenetre->objectName() + " : " + chaine[k]->objectName() + " puis " +
                                     chaine[k + 1]->objectName();
            }
        });
    }

    void ecranDAccueil()
    {
        TSplash splash;
        QCOMPARE(splash.size(), QSize(286, 189));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash.frameShadow(), QFrame::Raised);
        QCOMPARE(splash.findChild<QLabel*>("Version")->text(), QString("Version 1.1"));
        QVERIFY(!splash.findChild<QLabel*>("ImCache")->isHidden());
        QVERIFY(!splash.findChild<QLabel*>("Logo")->pixmap().isNull());
    }

    void imageTransparenteParLePixel11()
    {
        QTemporaryDir d;
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        image.setPixel(0, 0, qRgb(10, 20, 30));
        image.setPixel(3, 2, qRgb(200, 0, 0));
        const QString fichier = d.path() + "/i.png";
        QVERIFY(image.save(fichier));
        const QImage rendue = ImageTransparente(fichier, QColor(1, 2, 3)).toImage();
        QCOMPARE(rendue.pixelColor(1, 1), QColor(1, 2, 3));
        QCOMPARE(rendue.pixelColor(2, 0), QColor(1, 2, 3));
        QCOMPARE(rendue.pixelColor(0, 0), QColor(10, 20, 30));
        QCOMPARE(rendue.pixelColor(3, 2), QColor(200, 0, 0));
    }

    void boiteAPropos()
    {
        TAboutBox boite;
        QCOMPARE(boite.size(), QSize(285, 178));
        QVERIFY(boite.findChild<QPushButton*>("BitBtn1")->isDefault());
        boite.DefinitAuteur("Auteur : QUENTARO");
        QCOMPARE(boite.findChild<QLabel*>("Copyright")->text(), QString("Auteur : QUENTARO"));
        boite.show();
        QTest::mouseClick(boite.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QVERIFY(!boite.isVisible());
    }

    void aideOuvreLesPagesDesSujets()
    {
        for (const char* sujet : {"COMPLEX", "PRESENT", "GRAPH", "MAT", ""}) {
            QFile page(QString(TAide::Page(sujet)).replace("qrc:", ":"));
            QVERIFY2(page.open(QIODevice::ReadOnly), sujet);
            QVERIFY(page.readAll().contains("<h1>"));
        }
        QCOMPARE(TAide::Page("INCONNU"), TAide::Page(""));
    }

    void listeDesFonctions()
    {
        TFonctions f;
        auto* liste = f.findChild<QListWidget*>("ListBox1");
        QCOMPARE(liste->count(), 35);
        QCOMPARE(liste->item(0)->text(), QString("INT(X) : partie entière"));
        QCOMPARE(liste->item(6)->text(), QString());
        QCOMPARE(liste->item(24)->text(), QString("                        inverse"));
        QCOMPARE(liste->item(34)->text(), QString("                 hyperbolique inverse"));
        // Twenty lines at least, and its caption whole.
        auto* listeVue = f.findChild<QListWidget*>("ListBox1");
        QVERIFY(f.height() >= 20 * listeVue->sizeHintForRow(0));
        QVERIFY(f.width() > QFontMetrics(f.font()).horizontalAdvance("Liste des fonctions") + 40);
    }

    void aideAvecRetour()
    {
        TAide::Montre("SOLVEUR");
        auto* navigateur = TAide::Instance()->findChild<QTextBrowser*>("Navigateur");
        auto* retour = TAide::Instance()->findChild<QPushButton*>("Retour");
        QVERIFY(navigateur->toPlainText().contains("Le module solveur"));
        QVERIFY(!retour->isEnabled() || navigateur->isBackwardAvailable());
        navigateur->setSource(QUrl("qrc:/aide/mat.html"));
        QVERIFY(navigateur->toPlainText().contains("A↔B"));
        QVERIFY(retour->isEnabled());
        QTest::mouseClick(retour, Qt::LeftButton);
        QVERIFY(navigateur->toPlainText().contains("Le module solveur"));
        TAide::Montre("");
        QVERIFY(navigateur->toPlainText().contains("Le module solveur")); // listed in the contents
        TAide::Instance()->hide();
    }

    void resultatsRafraichisAChaqueFois()
    {
        TSolutions s;
        QCOMPARE(s.findChild<QLabel*>("Methode")->text(), QString());
        s.DefinitTextes("Intégrale", "I =", " 1.00000000000000E+0000");
        s.show();
        QCOMPARE(s.findChild<QLabel*>("ResVal1")->text(), QString(" 1.00000000000000E+0000"));
        s.hide();
        s.DefinitTextes("Recherche du zéro de la fonction :", "x0 =", "1.41421356237310");
        s.show();
        QCOMPARE(s.findChild<QLabel*>("Methode")->text(), QString("Recherche du zéro de la fonction :"));
        QCOMPARE(s.findChild<QLabel*>("Resultat1")->text(), QString("x0 ="));
        s.findChild<QAction*>("CopierValeur")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("1.41421356237310"));
        QVERIFY(s.findChild<QLabel*>("Methode")->font().underline());
    }

    // Qt's own dialogs speak French, as the rest of the program.
    void dialoguesDeQtEnFrancais()
    {
        QVERIFY(InstalleTraductionsQt(*QCoreApplication::instance()));
        QFileDialog d;
        d.setOption(QFileDialog::DontUseNativeDialog);
        d.setAcceptMode(QFileDialog::AcceptSave);
        QStringList textes;
        for (const QPushButton* b : d.findChildren<QPushButton*>())
            textes << b->text();
        QVERIFY2(textes.contains("Annuler") && textes.contains("&Enregistrer"), qPrintable(textes.join('|')));
    }

    void argumentsDeLaLigneDeCommande_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("sorte");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("texte");
        using S = Arguments::Sorte;
        QTest::newRow("rien") << QStringList{} << int(S::Lancer) << 0 << "";
        QTest::newRow("un fichier") << QStringList{"courbe.mgr"} << int(S::Fichier) << 0 << "";
        QTest::newRow("--help") << QStringList{"--help"} << int(S::Aide) << 0
                                << "Usage : tarvelle [FICHIER.mgr] - la calculatrice, et le module graphique avec ce "
                                   "fichier s'il est donné .";
        QTest::newRow("--version") << QStringList{"--version"} << int(S::Version) << 0
                                   << "Tarvelle, calculatrice scientifique, version 1.1 .";
        QTest::newRow("option inconnue") << QStringList{"-platform"} << int(S::Erreur) << 2
                                         << "tarvelle : option inconnue « -platform » (tarvelle --help pour l'usage) .";
        QTest::newRow("deux fichiers") << QStringList{"a.mgr", "b.mgr"} << int(S::Erreur) << 2
                                       << "tarvelle : un seul fichier à la fois (tarvelle --help pour l'usage) .";
        QTest::newRow("--help et plus") << QStringList{"--help", "x"} << int(S::Erreur) << 2
                                        << "tarvelle : un seul fichier à la fois (tarvelle --help pour l'usage) .";
    }

    void argumentsDeLaLigneDeCommande()
    {
        QFETCH(QStringList, arguments);
        std::vector<std::string> textes{"tarvelle"};
        for (const QString& a : arguments)
            textes.push_back(a.toStdString());
        std::vector<const char*> argv;
        for (const std::string& t : textes)
            argv.push_back(t.c_str());
        const Arguments a = LitArguments(static_cast<int>(argv.size()), argv.data(), "1.1");
        QCOMPARE(int(a.sorte), Donnee<int>("sorte"));
        QCOMPARE(a.code, Donnee<int>("code"));
        QCOMPARE(QString::fromStdString(a.texte), Donnee<QString>("texte"));
        if (a.sorte == Arguments::Sorte::Fichier)
            QCOMPARE(a.fichier, std::string("courbe.mgr"));
    }

    void programmeSurSesArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("sortie");  // standard output, whole
        QTest::addColumn<QString>("erreurs"); // the program's own lines on standard error
        const QString courbe = QString(TARVELLE_DONNEES) + "/sinus.mgr";
        QTest::newRow("un bon fichier") << QStringList{courbe} << 0 << "Module graphique (sinus.mgr)\n" << "";
        QTest::newRow("un fichier absent") << QStringList{"absent.mgr"} << 0 << "Module graphique\n"
                                           << "Message : Fichier introuvable : absent.mgr .\n";
        QTest::newRow("un dossier") << QStringList{QString(TARVELLE_DONNEES)} << 0 << "Module graphique\n"
                                    << "Message : Fichier graphique incorrect .\n";
        QTest::newRow("--version") << QStringList{"--version"} << 0
                                   << "Tarvelle, calculatrice scientifique, version 1.1 .\n" << "";
        QTest::newRow("option inconnue") << QStringList{"--aide"} << 2 << ""
                                         << "tarvelle : option inconnue « --aide » (tarvelle --help pour l'usage) .\n";
    }

    void programmeSurSesArguments()
    {
        // The installed program's start-up check: boxes go to standard error,
        // the program ends after its first paint and writes the front title.
        Bac bac;
        QProcess programme;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TARVELLE_ESSAI_DEMARRAGE", "1");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(bac.Dossier()));
        programme.setProcessEnvironment(env);
        programme.start(TARVELLE_PROGRAMME, Donnee<QStringList>("arguments"));
        QVERIFY(programme.waitForFinished(60000));
        QCOMPARE(programme.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programme.exitCode(), Donnee<int>("code"));
        QCOMPARE(QString::fromUtf8(programme.readAllStandardOutput()), Donnee<QString>("sortie"));
        // Qt's own warnings (no sound device, an offscreen screen) aside.
        QString erreurs;
        for (const QString& ligne : QString::fromUtf8(programme.readAllStandardError()).split('\n'))
            if (ligne.startsWith("Message :") || ligne.startsWith("tarvelle :"))
                erreurs += ligne + "\n";
        QCOMPARE(erreurs, Donnee<QString>("erreurs"));
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
