// The calculator's state without its window: the key table, the two-step
// entry, undo and redo, the last argument, the history and real mode's lines.
#include "calc/modele/ModeleCalculatrice.h"
#include "commun/Banc.h"
#include "commun/Proche.h"
#include "funclang/Nombres.h"

#include <QtTest>

#include <random>
#include <set>
#include <string>

Q_DECLARE_METATYPE(Touche)

namespace {

// Lifts a real value as the entry field does: its real part, then 0.
void Entre(ModeleCalculatrice& m, const std::string& valeur)
{
    QCOMPARE(m.Saisit(valeur).issue, SaisieComplexe::Issue::PartieReelle);
    QCOMPARE(m.Saisit("0").issue, SaisieComplexe::Issue::Complete);
}

void Appuie(ModeleCalculatrice& m, Touche t)
{
    Journal journal;
    m.Execute(t, journal);
}

std::vector<std::string> Lignes(std::initializer_list<const char*> l) { return {l.begin(), l.end()}; }

} // namespace

class TestCalcModele : public QObject {
    Q_OBJECT

private slots:
    void tableDesTouches()
    {
        std::set<std::string> noms, menus;
        std::set<std::pair<int, int>> places;
        std::set<int> tags;
        for (const DefinitionTouche& d : LesTouches()) {
            QVERIFY(noms.insert(d.nom).second);
            QVERIFY(places.insert({d.ligne, d.colonne}).second);
            if (d.menu.nom)
                QVERIFY(menus.insert(d.menu.nom).second);
            QCOMPARE(&DefinitionDe(d.touche), &d);
            QVERIFY(d.tag >= 1 && d.tag <= 34 && tags.insert(d.tag).second);
            QCOMPARE(DefinitionDuTag(d.tag), &d);
        }
        QVERIFY(!DefinitionDuTag(0) && !DefinitionDuTag(35));
        QCOMPARE(noms.size(), std::size_t(34));
        QCOMPARE(menus.size(), std::size_t(31)); // all but x<->y, CE and C
        std::string clavier;
        std::set<std::string> complexes;
        for (const DefinitionTouche& d : LesTouches()) {
            if (d.clavier)
                clavier += d.clavier;
            if (d.ComplexeSeule())
                complexes.insert(d.nom);
        }
        QCOMPARE(clavier, std::string("/*-+^"));
        QCOMPARE(complexes, (std::set<std::string>{"Swap", "Effaceligne", "Conjugue", "Btni", "Degre1", "Degre2",
                                                   "Degre3", "Degre4"}));
        QCOMPARE(std::string(DefinitionDe(Touche::ArgSh).texteReel), std::string("ArgSh("));
        QCOMPARE(std::string(DefinitionDe(Touche::RacineY).texteReel), std::string("^(1/"));
    }

    void saisieEnDeuxTemps_data()
    {
        QTest::addColumn<QStringList>("textes");
        QTest::addColumn<int>("issue"); // of the last text
        QTest::addColumn<int>("etape");  // after it
        QTest::newRow("partie réelle") << QStringList{"3"} << int(SaisieComplexe::Issue::PartieReelle) << 1;
        QTest::newRow("les deux parties") << QStringList{"3", "-4"} << int(SaisieComplexe::Issue::Complete) << 0;
        QTest::newRow("forme copiée") << QStringList{"3-4i"} << int(SaisieComplexe::Issue::Complete) << 0;
        QTest::newRow("forme copiée en 2e partie") << QStringList{"3", "3-4i"} << int(SaisieComplexe::Issue::Refusee) << 1;
        QTest::newRow("refusé") << QStringList{"abc"} << int(SaisieComplexe::Issue::Refusee) << 0;
        QTest::newRow("dépassement") << QStringList{"1E5000"} << int(SaisieComplexe::Issue::Depassement) << 0;
    }

    void saisieEnDeuxTemps()
    {
        QFETCH(QStringList, textes);
        SaisieComplexe s;
        SaisieComplexe::Resultat r{};
        for (const QString& t : textes)
            r = s.Valide(t.toStdString());
        QCOMPARE(int(r.issue), Donnee<int>("issue"));
        QCOMPARE(s.Etat().etape, Donnee<int>("etape"));
        QCOMPARE(s.Legende(), s.Etat().etape ? "Partie Imaginaire :" : "Partie Réelle :");
        if (r.issue == SaisieComplexe::Issue::Complete)
            QVERIFY(r.valeur.Re == 3.0L && r.valeur.Im == -4.0L);
    }

    // A seeded run of keys and entries: after each undo the stack is, bit for
    // bit, what it was before the step; each redo gives the step's result.
    void annulerEtRetablirCentEtapes()
    {
        ModeleCalculatrice m;
        std::mt19937 alea(25);
        std::vector<Pile> piles{m.LaPile()};
        std::vector<EtatSaisie> saisies{{}};
        while (piles.size() <= 100) {
            const int k = static_cast<int>(alea() % 40);
            if (k >= 34) {
                Entre(m, std::to_string(static_cast<int>(alea() % 19) - 9) + "." + std::to_string(alea() % 100));
            } else {
                const std::size_t etapes = m.EtapesAnnulables();
                Appuie(m, static_cast<Touche>(k));
                if (m.EtapesAnnulables() == etapes)
                    continue; // refused: no step
            }
            piles.push_back(m.LaPile());
        }
        for (std::size_t k = piles.size() - 1; k > 0; --k) {
            QVERIFY(m.Annule());
            QVERIFY2(MemesBits(m.LaPile(), piles[k - 1]), qPrintable(QString("étape %1").arg(k)));
        }
        QVERIFY(!m.Annule());
        for (std::size_t k = 1; k < piles.size(); ++k) {
            QVERIFY(m.Retablit());
            QVERIFY(MemesBits(m.LaPile(), piles[k]));
        }
        QVERIFY(!m.Retablit());
    }

    void etapesEtDernierArgument_data()
    {
        QTest::addColumn<QStringList>("entrees");
        QTest::addColumn<Touche>("touche");
        QTest::addColumn<bool>("etape");
        QTest::addColumn<QString>("dernier"); // in the copy form; empty: none
        QTest::newRow("sin") << QStringList{"1"} << Touche::Sin << true << "1";
        QTest::newRow("somme") << QStringList{"2", "5"} << Touche::Somme << true << "5";
        QTest::newRow("équation du 2nd degré") << QStringList{"1", "-3", "2"} << Touche::Degre2 << true << "2";
        QTest::newRow("1/0 vide la pile") << QStringList{"0"} << Touche::Inverse << true << "0";
        QTest::newRow("carré refusé") << QStringList{"1E4000"} << Touche::Carre << false << "";
        QTest::newRow("échange") << QStringList{"1", "2"} << Touche::Echange << true << "";
        QTest::newRow("conjugué d'un réel (-0)") << QStringList{"3"} << Touche::Conjugue << true << "3";
        QTest::newRow("échange de deux égaux") << QStringList{"2", "2"} << Touche::Echange << false << "";
    }

    void etapesEtDernierArgument()
    {
        QFETCH(QStringList, entrees);
        ModeleCalculatrice m;
        for (const QString& e : entrees)
            Entre(m, e.toStdString());
        const Pile avant = m.LaPile();
        while (m.Annule()) {
        }
        while (m.Retablit()) {
        }
        Appuie(m, Donnee<Touche>("touche"));
        // Without a step of its own, undo takes back the last entry instead.
        QVERIFY(m.Annule());
        QCOMPARE(MemesBits(m.LaPile(), avant), Donnee<bool>("etape"));
        QVERIFY(m.Retablit());
        const QString dernier = Donnee<QString>("dernier");
        QCOMPARE(m.DernierArgument(), !dernier.isEmpty());
        if (!dernier.isEmpty())
            QCOMPARE(QString::fromStdString(TexteCopie(m.LaPile()[1])), dernier);
    }

    void annulerRemetAffichageEtSaisie()
    {
        ModeleCalculatrice m;
        QCOMPARE(m.Saisit("3").issue, SaisieComplexe::Issue::PartieReelle);
        QCOMPARE(m.Saisit("4").issue, SaisieComplexe::Issue::Complete);
        QCOMPARE(m.Saisit("7").issue, SaisieComplexe::Issue::PartieReelle);
        m.ChangeAffichage(true, true);
        QCOMPARE(m.Saisit("1").issue, SaisieComplexe::Issue::Complete);
        m.ChangeAffichage(false, false); // not a step
        QVERIFY(m.Annule());
        QCOMPARE(m.EtapeSaisie(), 0); // never half typed
        QVERIFY(m.Polaire() && m.Degres());
        QCOMPARE(QString::fromStdString(TexteCopie(m.LaPile()[1])), QString("3+4i"));
        QVERIFY(m.Retablit());
        QCOMPARE(QString::fromStdString(TexteCopie(m.LaPile()[1])), QString("7+1i"));
        QCOMPARE(m.EtapeSaisie(), 0);
    }

    // An equation of each degree with a leading coefficient of 0 is refused
    // whole.
    void coefficientDominantNul_data()
    {
        QTest::addColumn<Touche>("touche");
        QTest::addColumn<int>("degre");
        QTest::newRow("d°1") << Touche::Degre1 << 1;
        QTest::newRow("d°2") << Touche::Degre2 << 2;
        QTest::newRow("d°3") << Touche::Degre3 << 3;
        QTest::newRow("d°4") << Touche::Degre4 << 4;
    }
    void coefficientDominantNul()
    {
        ModeleCalculatrice m;
        for (int k = 0; k < Donnee<int>("degre"); ++k)
            Entre(m, std::to_string(k + 2));
        const Pile avant = m.LaPile();
        Journal journal;
        m.Execute(Donnee<Touche>("touche"), journal);
        QVERIFY(MemesBits(m.LaPile(), avant));
        QCOMPARE(journal.size(), std::size_t(1));
        QVERIFY(m.LHistorique().Entrees().empty());
    }

    void centMilleOperationsGardentUneMemoireBornee()
    {
        ModeleCalculatrice m;
        Entre(m, "1");
        for (int k = 0; k < 100000; ++k)
            Appuie(m, k % 2 ? Touche::Cos : Touche::Oppose);
        QCOMPARE(m.LHistorique().Entrees().size(), Historique::EntreesMax);
        QCOMPARE(m.EtapesAnnulables(), Annulation<int>::EtapesMax);
    }

    void entreesDeLHistorique()
    {
        ModeleCalculatrice m;
        Entre(m, "1");
        Appuie(m, Touche::Sin);
        for (const char* c : {"1", "-3", "2"})
            Entre(m, c);
        Appuie(m, Touche::Degre2);
        Journal journal;
        m.EntreLigne("2+3", 0, journal);
        m.EntreLigne("1/0", 0, journal);
        const auto& h = m.LHistorique().Entrees();
        QCOMPARE(h.size(), std::size_t(4));
        QCOMPARE(QString::fromStdString(h[0].Texte()),
                 QString("sin : 8.41470984807897E-0001 + 0.00000000000000E+0000 i"));
        QCOMPARE(QString::fromStdString(h[1].Copie()), QString("2 ; 1"));
        QCOMPARE(QString::fromStdString(h[2].Texte()), QString("2+3 = 5.00000000000000E+0000"));
        QCOMPARE(QString::fromStdString(h[3].Texte()), QString("1/0 : Division par zéro."));
        QCOMPARE(QString::fromStdString(m.LHistorique().TexteFichier()).count('\n'), 4);
        // Brought back: the roots in the order the equation left them.
        m.Ramene(h[1]);
        QCOMPARE(QString::fromStdString(TexteCopie(m.LaPile()[2])), QString("2"));
        QCOMPARE(QString::fromStdString(TexteCopie(m.LaPile()[1])), QString("1"));
        QVERIFY(m.Annule());
        QCOMPARE(QString::fromStdString(TexteCopie(m.LaPile()[1])), QString("1"));
        QCOMPARE(QString::fromStdString(TexteCopie(m.LaPile()[2])), QString("2"));
        QCOMPARE(QString::fromStdString(TexteCopie(m.LaPile()[3])), QString("0.84147098480789650666"));
        // The file keeps every digit: -1/3 - 2/3 i reads back to its bits.
        QCOMPARE(m.Saisit("-1-2i").issue, SaisieComplexe::Issue::Complete);
        Entre(m, "3");
        Appuie(m, Touche::Divise);
        const std::string ligne = m.LHistorique().TexteFichier().substr(m.LHistorique().TexteFichier().rfind("/ : "));
        QCOMPARE(ligne, "/ : " + TexteCopie(m.LaPile()[1]) + "\n");
        const SaisieLue relue = LitSaisie(ligne.substr(4, ligne.size() - 5), true);
        QVERIFY(relue.valeur.Re == m.LaPile()[1].Re && relue.valeur.Im == m.LaPile()[1].Im);
    }

    void lignesDuModeReel()
    {
        Transcription t;
        Journal journal;
        QVERIFY(!t.Rappelle(-1)); // nothing typed yet
        t.Entre("2*3", 0, journal);
        t.Entre("", 0, journal);
        t.Entre("1/0", 0, journal);
        QCOMPARE(QString::fromStdString(t.Lignes()[1]), QString("=  6.00000000000000E+0000"));
        QCOMPARE(t.Lignes(), Lignes({"2*3", "=  6.00000000000000E+0000", "", "1/0"}));
        // Recall walks back, then forward to the empty line, no further.
        QCOMPARE(*t.Rappelle(-1), std::string("1/0"));
        QCOMPARE(*t.Rappelle(-1), std::string("2*3"));
        QVERIFY(!t.Rappelle(-1));
        QCOMPARE(*t.Rappelle(1), std::string("1/0"));
        QCOMPARE(*t.Rappelle(1), std::string());
        QVERIFY(!t.Rappelle(1));
        // Undo: the line entered comes back as the current one.
        auto r = t.Annule();
        QVERIFY(r && r->depuis == 3 && r->courante == "1/0");
        QCOMPARE(t.Lignes().size(), std::size_t(3));
        t.Efface("en cours");
        QVERIFY(t.Lignes().empty());
        r = t.Annule();
        QVERIFY(r && r->depuis == 0 && r->courante == "en cours");
        QCOMPARE(t.Lignes().size(), std::size_t(3));
        r = t.Retablit();
        QVERIFY(r && t.Lignes().empty() && r->courante.empty());
        // A 10,000-character line: a message, never a crash.
        const auto e = t.Entre(std::string(10000, '1'), 0, journal);
        QVERIFY(e && e->faute);
    }

    // A new operation after an undo drops what could be redone.
    void refaireApresUneNouvelleOperation()
    {
        ModeleCalculatrice m;
        Entre(m, "1");
        Appuie(m, Touche::Sin);
        QVERIFY(m.Annule());
        Appuie(m, Touche::Cos);
        QVERIFY(!m.Retablit());
        QCOMPARE(m.LaPile()[1].Re, std::cos(1.0L));
    }

    // A cubic takes the four lines below the value above them, which drops
    // to line 4; its history entry holds its three roots and lifts them back.
    void equationDuTroisiemeDegre()
    {
        ModeleCalculatrice m;
        for (const char* v : {"9", "1", "0", "0", "-8"})
            Entre(m, v);
        Appuie(m, Touche::Degre3);
        QCOMPARE(m.LaPile()[4].Re, 9.0L);
        const EntreeHistorique cubique = m.LHistorique().Entrees().back();
        QCOMPARE(cubique.valeurs.size(), std::size_t(3));
        const Pile avant = m.LaPile();
        m.Ramene(cubique);
        for (int n = 1; n <= 3; ++n)
            QVERIFY(m.LaPile()[n].Re == avant[n].Re && m.LaPile()[n].Im == avant[n].Im);
        QCOMPARE(m.LaPile()[4].Im, avant[1].Im); // the three roots went up above their copies
    }

    // A failed line's history row copies as its expression; a lower-case
    // exponent in a complex entry is an exponent; recall reaches the first
    // of 1,000 lines.
    void lignesEtSaisies()
    {
        ModeleCalculatrice m;
        Journal journal;
        m.EntreLigne("1/0", 0, journal);
        QCOMPARE(m.LHistorique().Entrees().back().Copie(), std::string("1/0"));
        const SaisieLue lue = LitSaisie("1+2e-3i", true);
        QVERIFY(lue.valeur.Re == 1.0L && lue.valeur.Im == 0.002L);
        Transcription t;
        for (int k = 1; k <= 1000; ++k)
            t.Entre(std::to_string(k), 0, journal);
        std::optional<std::string> rappel;
        for (int k = 0; k < 1000; ++k)
            rappel = t.Rappelle(-1);
        QCOMPARE(*rappel, std::string("1"));
    }

    // The usual rules: a value within a distance, or a text (the 23-character
    // form, or the message).
    void reglesUsuelles_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<long double>("attendu");
        QTest::addColumn<long double>("ecart");
        QTest::addColumn<QString>("texte");
        const auto valeur = [](const char* ligne, long double v, long double e) {
            QTest::newRow(ligne) << ligne << v << e << QString();
        };
        const auto texte = [](const char* ligne, const char* t) { QTest::newRow(ligne) << ligne << 0.0L << -1.0L << t; };
        valeur("(1+1E-15)-1", 1E-15L, 1.1E-19L);
        valeur("ch(1)^2-sh(1)^2", 1.0L, 4E-19L);
        valeur("sin(pi)", 0.0L, 1E-19L);
        valeur("(-2)^3", -8.0L, 0.0L);
        valeur("-2^2", -4.0L, 0.0L);
        valeur("(-2)^2", 4.0L, 0.0L);
        valeur("2^3^2", 512.0L, 0.0L);
        valeur("2^-2^2", 0.0625L, 0.0L);
        valeur("0^0", 1.0L, 0.0L);
        valeur("2*-3+10/4", -3.5L, 0.0L);
        valeur("-(2)*3", -6.0L, 0.0L);
        valeur("abs(-5)", 5.0L, 0.0L);
        valeur("1/3*3", 1.0L, 0.0L);
        valeur("2,5*2", 5.0L, 0.0L);
        valeur(std::string(2000, '(').append("1").append(2000, ')').c_str(), 1.0L, 0.0L);
        texte("2/3-0.6666666666666667", "-3.33392168039293E-0017");
        texte("(-8)^(1/3)", "Puissance non entière d'un nombre négatif.");
        texte("0^-1", "Division par zéro.");
        texte("1/0", "Division par zéro.");
        texte("inv(0)", "division par zéro.");
        texte("racine(-4)", "Racine carrée d'un nombre négatif.");
        texte("exp(1E5)", "Dépassement de capacité.");
        texte("1E5000", "Dépassement de capacité.");
        texte("1E4000*1E4000", "Expression incorrecte.");
        texte("()", "Parenthèses incorrectement placées.");
        texte("(2", "Il manque une parenthèse fermante.");
        texte("2)", "Il manque une parenthèse ouvrante.");
        texte("2pi", "Expression incorrecte.");
        texte("2*", "Expression incorrecte.");
        texte("sqrt(4)", "Expression incorrecte.");
        texte("ans", "Pas de réponse précédente.");
        texte("distance*2", "Variable inconnue : distance.");
        texte("été", "Expression incorrecte.");
    }

    void reglesUsuelles()
    {
        QFETCH(QString, ligne);
        QFETCH(long double, attendu);
        QFETCH(long double, ecart);
        QFETCH(QString, texte);
        const EvaluationLigne e = EvalueLigne(ligne.toStdString(), 0, Jete(), ReglesLigne::Usuelles);
        if (ecart < 0.0L) {
            QCOMPARE(QString::fromStdString(e.faute ? e.faute->message : TexteNombre(e.valeur)), texte);
        } else {
            QVERIFY2(!e.faute, e.faute ? e.faute->message.c_str() : "");
            QVERIFY2(std::fabs(e.valeur - attendu) <= ecart, qPrintable(QString::fromStdString(TexteCourt(e.valeur))));
        }
    }

    // Names and variables, under both rules, through the lines entered.
    void nomsEtVariables()
    {
        for (const ReglesLigne regles : {ReglesLigne::Programme, ReglesLigne::Usuelles}) {
            Transcription t;
            t.ChoisitRegles(regles);
            Journal journal;
            QCOMPARE(t.Entre("ans", 0, journal)->faute->message, std::string("Pas de réponse précédente."));
            QCOMPARE(t.Entre("3", 0, journal)->valeur, 3.0L);
            QCOMPARE(t.Entre("ANS*2", 0, journal)->valeur, 6.0L);
            const auto a = t.Entre("a = 2*pi", 0, journal);
            QCOMPARE(a->variable, std::string("a"));
            QCOMPARE(t.Lignes().back(), regles == ReglesLigne::Usuelles ? "a =  6.28318530717959E+0000"
                                                                         : "a =  6.28318530717958E+0000");
            const long double pi = t.Entre("A/2", 0, journal)->valeur;
            QVERIFY(std::fabs(pi - PiEtendu) <= (regles == ReglesLigne::Usuelles ? 0.0L : 5E-15L));
            // Whole tokens: neither a function's name nor an exponent inside.
            QCOMPARE(t.Entre("masse_1 = 2", 0, journal)->valeur, 2.0L);
            QCOMPARE(t.Entre("distance = masse_1e+1", 0, journal)->faute->message, std::string("Variable inconnue : masse_1e."));
            QCOMPARE(t.Entre("distance = masse_1*10", 0, journal)->valeur, 20.0L);
            QCOMPARE(t.Entre("sin(distance-20)+masse_1", 0, journal)->valeur, 2.0L);
            for (const char* refuse : {"x", "pi", "ans", "sin", "e", "nom-1", "été", "abcdefghijklmnopq"})
                QCOMPARE(t.Entre(refuse + std::string(" = 1"), 0, journal)->faute->message,
                         "Nom de variable incorrect : " + std::string(refuse) + ".");
            QCOMPARE(t.Entre("nom", 0, journal)->faute->message, std::string("Variable inconnue : nom."));
            // Undo takes a definition back (after the ten lines since), redo
            // brings it again.
            for (int k = 0; k < 11; ++k)
                QVERIFY(t.Annule());
            QVERIFY(t.Memoire().variables.count("distance") == 0 && t.Memoire().variables.count("masse_1"));
            QVERIFY(t.Retablit());
            QCOMPARE(t.Memoire().variables.at("distance"), 20.0L);
            for (int k = 0; k < 100; ++k)
                t.Entre("v" + std::to_string(k) + " = " + std::to_string(k) + "/4", 0, journal);
            QCOMPARE(t.Memoire().variables.size(), std::size_t(103));
            QCOMPARE(t.Memoire().variables.at("v99"), 24.75L);
            t.EffaceVariables("");
            QVERIFY(t.Memoire().variables.empty());
            QVERIFY(t.Annule() && t.Memoire().variables.size() == 103);
        }
        // The program's rules keep their 15 digits: 2/3 - 0.6666666666666667
        // is rounded at each step.
        QCOMPARE(QString::fromStdString(TexteNombre(EvalueLigne("2/3-0.6666666666666667", 0, Jete()).valeur)),
                 QString(" 2.99998741126739E-0016"));
    }
};

QTEST_GUILESS_MAIN(TestCalcModele)
#include "test_calc_modele.moc"
