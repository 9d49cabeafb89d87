// A seeded monkey over every window: clicks, menu commands, typed texts,
// keys, the mouse on the drawing area and cells of the matrix grid, modal
// dialogs answered or closed, file dialogs answered from the same seed. After
// every event it checks what a user relies on: no infinity or NaN shown as a
// number, the stack display equal to the stack, the plotter's read-outs
// reading back as its window, no event slower than the limit.
//
// TARVELLE_SINGE_GRAINE (default 1) and TARVELLE_SINGE_EVENEMENTS (default
// given by the build) choose the run; a failure names the seed and the event,
// and the same seed replays it.
//
// Plots and other long computations run off the window's thread: the monkey
// goes on during them, as a user may, and "Arrêter" is among the buttons it
// clicks. What is enabled when an event comes then depends on how far a
// plot has gone, so a seed replays the same stream of choices but not
// always the same run.
#include "app/fenetres/Fenetres.h"
#include "calc/fenetres/TCalculatrice.h"
#include "calc/modele/Pile.h"
#include "commun/Banc.h"
#include "funclang/Nombres.h"
#include "Generateur.h"
#include "graph/fenetres/EcranDigit.h"
#include "graph/fenetres/TGraph.h"
#include "matrix/fenetres/TMatrice.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <thread>

#ifndef TARVELLE_SINGE_EVENEMENTS
#define TARVELLE_SINGE_EVENEMENTS 20000
#endif
#ifndef TARVELLE_SINGE_LIMITE_MS
#define TARVELLE_SINGE_LIMITE_MS 3000
#endif

namespace {

long Reglage(const char* variable, long defaut)
{
    const char* v = std::getenv(variable);
    return v && *v ? std::strtol(v, nullptr, 10) : defaut;
}

// Typed one character at a time, any character (QTest's own typing takes
// ASCII only); the events go to whatever has the focus by then.
void Tape(QWidget* w, const QString& texte)
{
    for (const QChar c : texte) {
        QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : w;
        QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(cible, &appui);
        QKeyEvent lache(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(cible, &lache);
    }
}

// Half a unit of the last digit a read-out shows ("-0.2600000": 5E-8;
// "1.5E-30": 5E-32): the most its number may differ from the value.
long double DemiUnite(const QString& texte)
{
    const qsizetype e = texte.indexOf(QRegularExpression("[eE]"));
    const QString mantisse = e < 0 ? texte : texte.left(e);
    const int exposant = e < 0 ? 0 : texte.mid(e + 1).toInt();
    const qsizetype point = mantisse.indexOf('.');
    const int decimales = point < 0 ? 0 : static_cast<int>(mantisse.size() - point - 1);
    return 0.5000001L * std::pow(10.0L, static_cast<long double>(exposant - decimales));
}

template <class T>
T* AuHasard(const QList<T*>& liste, std::mt19937& alea)
{
    return liste.isEmpty() ? nullptr : liste[static_cast<int>(alea() % liste.size())];
}

// A number shown as an infinity or a NaN ("inf", "-nan", "INF"), not a word
// that begins with those letters ("inférieure").
const QRegularExpression NombreFaux("(^|[^\\p{L}])[+-]?(inf|nan)([^\\p{L}]|$)",
                                    QRegularExpression::CaseInsensitiveOption);

// From another thread, the monkey's last word when an event never returns:
// a loop that processes events keeps the monkey's own clock from being read.
class Guet {
public:
    Guet(unsigned graine, std::chrono::milliseconds limite)
        : graine_(graine), limite_(limite), fil_([this] { Veille(); })
    {
    }
    ~Guet()
    {
        {
            const std::lock_guard verrou(m_);
            fin_ = true;
        }
        reveil_.notify_one();
        fil_.join();
    }
    // An event begins or ends: the stream moves on; the oldest event not
    // yet returned is the one to blame if it stops.
    void Avance(long numero)
    {
        const std::lock_guard verrou(m_);
        numero_ = numero;
        depuis_ = std::chrono::steady_clock::now();
    }

private:
    void Veille()
    {
        std::unique_lock verrou(m_);
        while (!reveil_.wait_for(verrou, std::chrono::seconds(1), [this] { return fin_; }))
            if (std::chrono::steady_clock::now() - depuis_ > limite_) {
                std::fprintf(stderr, "Singe : graine %u, événement %ld : ne rend pas la main (rien depuis %lld s)\n",
                             graine_, numero_,
                             static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(limite_).count()));
                std::abort();
            }
    }

    unsigned graine_;
    std::chrono::milliseconds limite_;
    std::mutex m_;
    std::condition_variable reveil_;
    bool fin_ = false;
    long numero_ = 0;
    std::chrono::steady_clock::time_point depuis_ = std::chrono::steady_clock::now();
    std::thread fil_;
};

class Singe {
public:
    Singe(unsigned graine, long evenements, PlateformeEnregistreuse& p)
        : graine_(graine), total_(evenements), alea_(graine), p_(p), textes_(alea_)
    {
        // A 100 MB file offered to "Ouvrir" (sparse: it costs no disk).
        QFile gros(dossier_.filePath("gros.mgr"));
        if (gros.open(QIODevice::WriteOnly))
            gros.resize(100'000'000);
    }

    // Runs the whole stream; the first failure, or an empty text.
    QString Lance()
    {
        QTimer::singleShot(0, [this] { Pas(); });
        boucle_.exec();
        return echec_;
    }

    // The slowest events: milliseconds and position.
    std::vector<std::pair<qint64, long>> lents;
    // How many events each window received, and how many boxes were shown.
    std::map<QString, long> cibles;
    long messages = 0;

private:
    void Pas()
    {
        // A nested modal loop started inside the previous event: its clock
        // stops while this one runs.
        if (!horloges_.empty())
            horloges_.back().second += horloges_.back().first.elapsed();
        if (fait_ >= total_ || !echec_.isEmpty()) {
            Termine();
            return;
        }
        const long numero = fait_++;
        QTimer::singleShot(0, [this] { Pas(); });
        horloges_.push_back({QElapsedTimer(), 0});
        horloges_.back().first.start();
        enCours_.push_back(numero);
        guet_.Avance(enCours_.front());
        Evenement();
        enCours_.pop_back();
        guet_.Avance(enCours_.empty() ? numero : enCours_.front());
        const qint64 duree = horloges_.back().second + horloges_.back().first.elapsed();
        horloges_.pop_back();
        if (!horloges_.empty())
            horloges_.back().first.restart();
        Note(duree, numero);
        messages += static_cast<long>(p_.Messages().size());
        if (echec_.isEmpty())
            Verifie(numero);
    }

    void Note(qint64 duree, long numero)
    {
        lents.push_back({duree, numero});
        std::sort(lents.begin(), lents.end(), std::greater<>());
        if (lents.size() > 10)
            lents.pop_back();
        if (duree > TARVELLE_SINGE_LIMITE_MS)
            Echoue(numero, QString("événement de %1 ms").arg(duree));
    }

    void Echoue(long numero, const QString& quoi)
    {
        if (!echec_.isEmpty())
            return;
        echec_ = QString("graine %1, événement %2 : %3").arg(graine_).arg(numero).arg(quoi);
        // Said at once: the stack may never unwind to the report.
        std::fprintf(stderr, "Singe : %s\n", qPrintable(echec_));
    }

    // Every modal dialog and menu can be closed as a user would; the run
    // ends when none is left.
    void Termine()
    {
        if (QWidget* w = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                           : QApplication::activeModalWidget()) {
            if (++fermetures_ > 50) {
                // Its own loop would hold the test for ever.
                Echoue(fait_, "fenêtre modale impossible à fermer : " + w->objectName());
                qFatal("%s", qPrintable(echec_));
            }
            w->close();
            QTimer::singleShot(0, [this] { Pas(); });
            return;
        }
        boucle_.quit();
    }

    QWidget* Cible()
    {
        if (QWidget* w = QApplication::activePopupWidget())
            return w;
        if (QWidget* w = QApplication::activeModalWidget())
            return w;
        QList<QWidget*> visibles;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !qobject_cast<QMenu*>(w))
                visibles << w;
        // The list comes in the order of the windows' addresses; a seed must
        // pick the same window on every run.
        std::sort(visibles.begin(), visibles.end(), [](QWidget* a, QWidget* b) {
            return std::pair(a->objectName(), QString(a->metaObject()->className())) <
                   std::pair(b->objectName(), QString(b->metaObject()->className()));
        });
        return AuHasard(visibles, alea_);
    }

    QString Saisie()
    {
        switch (alea_() % 8) {
        case 0: return QString::fromStdString(textes_.Texte('x'));
        case 1: return QString::fromStdString(textes_.Texte('t'));
        case 2: return QString::number(static_cast<double>(textes_.Valeur()), 'g', 1 + alea_() % 18);
        case 3: return QString("%1,%2").arg(alea_() % 1000).arg(alea_() % 1000); // a French comma
        case 4: return QString(10000, QChar(static_cast<char16_t>('1' + alea_() % 9)));
        case 5: {
            QString s;
            for (unsigned k = alea_() % 12; k > 0; --k)
                s += QChar(static_cast<char16_t>(0x20 + alea_() % 0x3E0));
            return s;
        }
        case 6: {
            static const QStringList Pieges = {"inf", "nan", "1E5000", "-1E-5000", "x^2+y^2-1", "", " ", "((((",
                                               "1/0", "0", "1E-4000", "1E4000", "-1E4000", "1E-300", "ln(-1-x^2)",
                                               "x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x", "10", "0,5", "1e", "--1",
                                               "a = 2*pi", "ans*a", "-2^2", "(-8)^(1/3)", "été = 1", "masse=1e5",
                                               "y^2+x*-y-1", "(y^2+y)*y-x", "y*x*y-1", "-y*-y+x^2-1"};
            return Pieges[static_cast<int>(alea_() % Pieges.size())];
        }
        default: return QString::number(static_cast<int>(alea_() % 200) - 100);
        }
    }

    // What a paste brings: a few texts, their lines ended as any editor
    // ends them.
    QString Presse()
    {
        static const QString Fins[] = {"\n", "\r", "\r\n", QString(QChar(0x2028)), QString(QChar(0x2029))};
        QString texte;
        for (unsigned k = 1 + alea_() % 4; k > 0; --k)
            texte += Saisie().left(40) + Fins[alea_() % std::size(Fins)];
        return texte;
    }

    // The next file dialog's answer: cancelled, a file of the sandbox, or a
    // name that cannot be used.
    void PrepareDialogue()
    {
        p_.reponses.clear();
        static const char* Noms[] = {"courbe.mgr", "image.png", "image@4x.png", "image.svg", "Une courbe é.mgr",
                                     "gros.mgr", "historique.txt"};
        switch (alea_() % 4) {
        case 0: p_.reponses.push_back(std::nullopt); break;
        case 1: p_.reponses.push_back(dossier_.filePath(Noms[alea_() % std::size(Noms)]).toStdString()); break;
        case 2: p_.reponses.push_back(dossier_.path().toStdString()); break; // a folder
        default: p_.reponses.push_back("/proc/sans/droit.mgr"); break;
        }
    }

    void Evenement()
    {
        p_.Vide();
        PrepareDialogue();
        QWidget* w = Cible();
        if (w)
            ++cibles[qobject_cast<QMenu*>(w) ? QString("menu") : w->objectName()];
        if (!w) {
            LesFenetres().Calculatrice->show();
            return;
        }
        const unsigned choix = alea_() % 100;
        // A dialog is answered by the events below or, now and then, closed
        // by its title bar's button.
        if (w->isModal() && alea_() % 4 == 0) {
            w->close();
            return;
        }
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            QList<QAction*> actions;
            for (QAction* a : menu->actions())
                if (a->isEnabled() && !a->isSeparator())
                    actions << a;
            if (QAction* a = AuHasard(actions, alea_); a && choix < 70) {
                menu->close();
                a->trigger();
            } else {
                menu->close();
            }
        } else if (choix < 25) {
            QList<QAbstractButton*> boutons;
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
                if (b->isVisible() && b->isEnabled())
                    boutons << b;
            if (QAbstractButton* b = AuHasard(boutons, alea_))
                QTest::mouseClick(b, Qt::LeftButton);
        } else if (choix < 40) {
            QList<QAction*> actions;
            for (QAction* a : w->findChildren<QAction*>())
                if (a->isEnabled() && !a->isSeparator() && !a->menu() && !a->associatedObjects().isEmpty())
                    actions << a;
            if (QAction* a = AuHasard(actions, alea_))
                a->trigger();
        } else if (choix < 60) {
            QList<QLineEdit*> champs;
            for (QLineEdit* e : w->findChildren<QLineEdit*>())
                if (e->isVisible() && e->isEnabled())
                    champs << e;
            if (QLineEdit* e = AuHasard(champs, alea_)) {
                e->setFocus();
                const QString texte = Saisie();
                if (texte.size() > 40)
                    e->setText(texte);
                else
                    Tape(e, texte);
                if (alea_() % 2)
                    QTest::keyClick(e, Qt::Key_Return);
            }
        } else if (choix < 70) {
            static const std::pair<Qt::Key, Qt::KeyboardModifiers> Touches[] = {
                {Qt::Key_Return, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Escape, {}}, {Qt::Key_Up, {}},
                {Qt::Key_Down, {}}, {Qt::Key_Left, {}}, {Qt::Key_Delete, {}}, {Qt::Key_Z, Qt::ControlModifier},
                {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
                {Qt::Key_Plus, {}}, {Qt::Key_Asterisk, {}}, {Qt::Key_Slash, {}}};
            const auto [touche, modificateurs] = Touches[alea_() % std::size(Touches)];
            if (touche == Qt::Key_V)
                QGuiApplication::clipboard()->setText(Presse());
            QWidget* focus = w->focusWidget() ? w->focusWidget() : w;
            QTest::keyClick(focus, touche, modificateurs);
        } else if (choix < 85) {
            auto* zone = w->findChild<EcranDigit*>();
            if (!zone || !zone->isVisible())
                return;
            const QPointF ou(alea_() % 330, alea_() % 250);
            static const Qt::MouseButton Boutons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                                      Qt::MiddleButton, Qt::NoButton};
            const Qt::MouseButton b = Boutons[alea_() % 5];
            const QEvent::Type sorte = b == Qt::NoButton ? QEvent::MouseMove : QEvent::MouseButtonPress;
            QMouseEvent appui(sorte, ou, zone->mapToGlobal(ou), b, b, {});
            QApplication::sendEvent(zone, &appui);
            if (b != Qt::NoButton && zone->isVisible()) {
                QMouseEvent lache(QEvent::MouseButtonRelease, ou, zone->mapToGlobal(ou), b, b, {});
                QApplication::sendEvent(zone, &lache);
            }
        } else if (choix < 93) {
            auto* grille = w->findChild<QTableWidget*>("Mat");
            if (!grille)
                return;
            // A and B, their orders and undo, in every order: a third of
            // the matrix window's events.
            if (alea_() % 3 == 0) {
                auto* taille = w->findChild<QSpinBox*>("TailMat");
                static const char* Noms[] = {"MatABtn", "MatBBtn", "SwapAB", "AquiMat"};
                switch (alea_() % 4) {
                case 0: QTest::mouseClick(w->findChild<QAbstractButton*>(Noms[alea_() % 4]), Qt::LeftButton); break;
                case 1:
                    if (taille->isVisible())
                        taille->setValue(2 + static_cast<int>(alea_() % 9));
                    break;
                case 2: w->findChild<QAction*>("AnnulerMatrice")->trigger(); break;
                default: w->findChild<QAction*>("RetablirMatrice")->trigger(); break;
                }
                return;
            }
            if (!grille->isVisible() || grille->rowCount() == 0 || grille->columnCount() == 0)
                return;
            grille->setFocus();
            grille->setCurrentCell(static_cast<int>(alea_() % grille->rowCount()),
                                   static_cast<int>(alea_() % grille->columnCount()));
            Tape(grille, Saisie().left(30));
            QTest::keyClick(grille, Qt::Key_Return);
        } else {
            switch (alea_() % 4) {
            case 0: MontreTraceur(); break;
            case 1: MontreMatrices(); break;
            case 2: MontreSolveur(); break;
            default: LesFenetres().Calculatrice->show(); break;
            }
        }
    }

    void Verifie(long numero)
    {
        for (QWidget* fenetre : QApplication::topLevelWidgets()) {
            if (!fenetre->isVisible())
                continue;
            for (QLabel* l : fenetre->findChildren<QLabel*>())
                if (l->isVisible() && NombreFaux.match(l->text()).hasMatch())
                    return Echoue(numero, l->objectName() + " montre « " + l->text() + " »");
            for (const char* nom : {"ResulMat", "Grille"})
                if (auto* t = fenetre->findChild<QTableWidget*>(nom))
                    for (int i = 0; i < t->rowCount(); ++i)
                        for (int j = 0; j < t->columnCount(); ++j)
                            if (t->item(i, j) && NombreFaux.match(t->item(i, j)->text()).hasMatch())
                                return Echoue(numero, QString(nom) + " montre « " + t->item(i, j)->text() + " »");
        }
        if (const QString faux = MatricesMontreesAutrement(); !faux.isEmpty())
            return Echoue(numero, faux);
        // The stack display is the stack.
        TCalculatrice* c = LesFenetres().Calculatrice;
        for (int n = 1; n <= 5; ++n) {
            const LigneAffichee l = AfficheLigne(c->LaPile()[n], c->Polaire(), c->Degres());
            const auto texte = [c](const QString& nom) { return c->findChild<QLabel*>(nom)->text().toStdString(); };
            if (texte(QString("Ligne%1R").arg(n)) != l.premier || texte(QString("Signe%1").arg(n)) != l.signe ||
                texte(QString("Ligne%1C").arg(n)) != l.second)
                return Echoue(numero, QString("ligne %1 de la pile affichée autrement que la pile").arg(n));
        }
        // The plotter's window read-outs read back as its window.
        TGraph* g = LesFenetres().Graph;
        const Vue& vue = g->Modele().Fenetre();
        for (auto [nom, valeur] : {std::pair{"xminval", vue.Xmin}, {"xmaxval", vue.Xmax}, {"yminval", vue.Ymin},
                                   {"ymaxval", vue.Ymax}}) {
            const QString texte = g->findChild<QLabel*>(nom)->text();
            if (texte.isEmpty()) // before the plotter first shows its window
                continue;
            const auto lue = LitNombre(texte.toStdString());
            if (!lue || std::fabs(*lue - valeur) > DemiUnite(texte))
                return Echoue(numero, QString("%1 montre « %2 », la fenêtre vaut %3")
                                          .arg(nom, texte, QString::fromStdString(TexteNombre(valeur))));
        }
    }

    // The matrix window shows what its model holds: the orders of A and B,
    // the order box, every cell of the matrix in the grid.
    static QString MatricesMontreesAutrement()
    {
        TMatrice* m = LesFenetres().Matrice;
        if (!m->isVisible())
            return {};
        const ModeleMatrice& modele = m->Modele();
        const auto gros = [](bool defini, int n) { return defini ? QString("%1 * %1").arg(n) : QString("---"); };
        if (m->findChild<QLabel*>("GrosA")->text() != gros(modele.DefA, modele.TailleA) ||
            m->findChild<QLabel*>("GrosB")->text() != gros(modele.DefB, modele.TailleB))
            return "tailles de A et B affichées autrement que tenues";
        if (modele.Editee == ModeleMatrice::Grille::Aucune || modele.Affichage.grille)
            return {};
        const int n = modele.TailleEditee();
        if (m->findChild<QSpinBox*>("TailMat")->value() != n)
            return "taille choisie autre que celle de la matrice";
        const auto* grille = m->findChild<QTableWidget*>("Mat");
        const TMat& mat = modele.Editee == ModeleMatrice::Grille::A ? modele.MatA : modele.MatB;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                const std::string texte = grille->item(i, j)->text().toStdString();
                const TComplexe z = mat(i + 1, j + 1);
                if (grille->isRowHidden(i) || grille->isColumnHidden(j) ||
                    (texte != FormatCoef(z, modele.ModeComplexe()) && texte != FormatCoef(z, modele.ModeComplexe(), true)))
                    return QString("case (%1, %2) montrée « %3 »").arg(i + 1).arg(j + 1).arg(QString::fromStdString(texte));
            }
        return {};
    }

    unsigned graine_;
    long total_;
    long fait_ = 0;
    int fermetures_ = 0;
    std::mt19937 alea_;
    PlateformeEnregistreuse& p_;
    GenerateurTexte<std::mt19937> textes_;
    QTemporaryDir dossier_;
    QEventLoop boucle_;
    QString echec_;
    std::vector<std::pair<QElapsedTimer, qint64>> horloges_;
    std::vector<long> enCours_; // events not yet returned, outermost first
    Guet guet_{graine_, std::chrono::milliseconds(10 * TARVELLE_SINGE_LIMITE_MS)};
};

} // namespace

class TestSinge : public QObject, protected Banc {
    Q_OBJECT

private slots:
    void singe()
    {
        const auto graine = static_cast<unsigned>(Reglage("TARVELLE_SINGE_GRAINE", 1));
        const long evenements = Reglage("TARVELLE_SINGE_EVENEMENTS", TARVELLE_SINGE_EVENEMENTS);
        Installe();
        CreeFenetres();
        QVERIFY(MontreActive(LesFenetres().Calculatrice));
        QString echec;
        std::vector<std::pair<qint64, long>> lents;
        QString cibles;
        {
            Singe singe(graine, evenements, *p_);
            echec = singe.Lance();
            lents = singe.lents;
            for (const auto& [nom, n] : singe.cibles)
                cibles += QString(" %1:%2").arg(nom).arg(n);
            cibles += QString(" ; %1 messages").arg(singe.messages);
        }
        QString rapport = QString("graine %1, %2 événements ; les plus lents (ms@n) :").arg(graine).arg(evenements);
        for (auto [ms, n] : lents)
            rapport += QString(" %1@%2").arg(ms).arg(n);
        qInfo("%s", qPrintable(rapport));
        qInfo("fenêtres :%s", qPrintable(cibles));
        DetruitFenetres();
        Retire();
        QVERIFY2(echec.isEmpty(), qPrintable(echec));
    }
};

QTEST_MAIN(TestSinge)
#include "test_singe.moc"
