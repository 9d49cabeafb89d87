#pragma once
// The function plotter. Shown non-modally from the calculator's menu; it
// keeps its state for the whole run (closing only hides it). The state and
// the plots live in ModeleGraphe and the plotting routines; this window owns
// the widgets and wires them.
#include "app/fenetres/Activation.h"
#include "app/fenetres/Travail.h"
#include "graph/modele/FichierGraphe.h"
#include "graph/modele/Etude.h"
#include "graph/modele/ModeleGraphe.h"
#include "graph/modele/Suivi.h"

#include <QImage>
#include <QMainWindow>

#include <functional>
#include <map>
#include <utility>
#include <vector>

class EcranDigit;
class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;
class TEtude;
class TResultatsEtude;
class TTableau;

class TGraph : public QMainWindow, public FenetreActivable {
    Q_OBJECT
public:
    explicit TGraph(QWidget* parent = nullptr);

    ModeleGraphe& Modele() { return modele_; }
    // What the calculator's line entry needs: the variable of the current
    // curve type, and whether the plotter plays its sounds.
    TypeCourbe TypeCourant() const { return modele_.Type; }
    bool SonsActifs() const { return modele_.SonsActifs; }

    void FormActivate() override;
    // A plot runs (off the window's thread); TraceTermine() tells its end.
    bool TraceEnCours() const { return travail_->EnCours(); }
    // Rewrites the read-outs of the parameter panel from the state.
    void AfficheParametres();
    // Clears the area and draws the validated curve again.
    void Replot();
    void EffaceEcran();
    // Before the program ends: a graph changed since it was loaded or saved
    // asks whether to save it. False keeps the program running (« Annuler »,
    // or a save cancelled or failed).
    bool AccepteFinProgramme();

public slots:
    void CalculBtnClick();
    void CleanUpClick();
    void VamosClick();
    void SpeedButton1Click();
    void dXButtonClick();
    void CalcDerivClick();
    void MiniPrecisClick();
    void MaxiPrecisClick();
    void PlusPrecisClick();
    void MoinsPrecisClick();
    // The viewport: the three dialogs, the zooms, the reset.
    void CoordsClick();
    void ScaleIntervalClick();
    void ScaleScreenClick();
    void Zoom12Click();
    void Zoom21Click();
    void ZoomUserClick();
    void ZoomButtonClick();
    void ReInitClick();
    // The middle click at pixel (X, Y) of the area.
    void Recentre(int X, int Y);
    // The mouse on the drawing area.
    void EcranDigitMouseMove(int X, int Y);
    void EcranDigitMouseDown(Qt::MouseButton bouton, int X, int Y);
    // The integral and the zero between the cursors: the buttons, and the
    // menu and context items, which also disable the context items.
    // Graph files: the "Fichiers" menu and its recent items.
    void OuvrirClick();
    void SauveClick();
    void SauveSousClick();
    void FermerClick();
    void ChargeFichierGraphe(const QString& nom);
    // A graph file opened as "&Ouvrir" opens it, the recent list included:
    // the file chosen in the dialog, or given on the command line.
    // nom: how the command line named the file, which its messages then
    // give; empty for a file chosen in the program.
    void OuvreFichier(const QString& chemin, const QString& nom = QString());
    // The picture leaves the program: a PNG or SVG file, the clipboard.
    void ExporteImageClick();
    void CopieImageClick();
    void SomButtonClick();
    void CalcIntClick();
    void ZeroButtonClick();
    void CalcZeroClick();
    // The table of values of the current curve ("Tableau de valeurs ...").
    void TableauValeursClick();
    // Trace mode ("Suivre la courbe").
    void SuiviCourbeClick();
    // "Agrandissement": the picture at 1, 2 or 3 screen pixels per pixel.
    void AgrandissementClick(int facteur);
    TTableau* FenetreTableau() const { return tableau_; }
    // « Etude de la fonction ... »: the interval asked for, then the study
    // as a job that « Arrêter » stops; its results in their window.
    void EtudeFonctionClick();
    TResultatsEtude* FenetreEtude() const { return resultatsEtude_; }
    // "Arrêter": the plot ends with what it drew.
    void ArreteTrace();

signals:
    void TraceTermine();

protected:
    void closeEvent(QCloseEvent* evenement) override;
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    void CreePanneaux(QWidget* centre);
    void CreeOutils();
    void CreeMenus();
    QAction* Action(QMenu* menu, const char* nom, const QString& titre, const QString& aide);
    QAction* ActionNommee(const char* nom) const;
    QToolButton* Bouton(const char* nom) const;
    // The commands enabled as the model has them.
    void AppliqueCommandes();
    // The read-outs' labels show the model's texts.
    void MontreLectures();

    void ConnecteEchelles();
    // A new window with the closing steps; a window the plotter cannot map
    // is refused with a warning box, before anything is cleared.
    bool AccepteFenetre(const Vue& vue);
    void ApresFenetre();
    void Zoom(Etendu facteur);
    void AjusteYClick();
    // Draws the curve of the current type, validated or not.
    void TraceDuType();
    // Forgets both cursors (and erases their marks).
    void LacheCurseurs();

    void ConnecteFichiers();
    void AfficheRecents();
    void CocheRecent(int rang);
    std::optional<ContenuGraphe> LitFichierGraphe(const QString& chemin, const QString& nom = QString());
    void ChargeContenu(const ContenuGraphe& contenu, const QString& chemin);
    // Writes the graph; a failure is told, and false.
    bool Enregistre(const QString& chemin);
    // "Enregistrer": to the current file, or to a name asked for.
    bool Sauve();
    // The typed texts fit the lines of a graph file.
    bool TextesLisibles() const;
    void PresenteType(TypeCourbe type);
    void ConnecteSouris();
    // What the mouse buttons do on the drawing area, as the setting says.
    const char* AideZone() const;
    void SauveZone(const Zone& zone);
    void RestaureZone(const Zone& zone);
    void DessineBande(const Zone& zone);
    void Integration(bool parMenu);
    // A study of f between the cursors (a beep without them), off the
    // window's thread: calcul runs there on copies of the text and of the
    // cursors' values and gives what the window then shows.
    using CalculEtude = std::function<std::function<void(TGraph&)>(const std::string& f, Etendu a, Etendu b)>;
    void Etudie(bool parMenu, CalculEtude calcul);
    void RechercheZero(bool parMenu);
    void RechercheExtremum(bool parMenu);

    void ChoisitType(TypeCourbe type);
    void FonctionXouRoKeyPress();
    void FonctionYKeyPress();
    // A function field validated: the commands and the table follow.
    void ApresValidation();
    // The area at that factor, the panels moved around it; false (nothing
    // changed) when the area would not fit the screen.
    bool Agrandit(int facteur);
    void MontreSuivi();
    void QuitteSuivi();
    bool SuiviKeyPress(QKeyEvent* touche);
    // Draws the validated curve, with the progress bar; false when no curve
    // of the current type is validated (nothing drawn, nothing shown).
    bool Redessine();
    // One plot, started here and run off the window's thread: the
    // hourglass over the area and the progress while it runs, the drawing
    // painted as it arrives, then "Son2.wav", or the cleared area and the
    // message of a wrong text; then suite(false after a wrong text).
    void Dessine(CalculTrace calcul, std::function<void(bool)> suite);
    void FinDessin(const ResultatTrace& r, const std::function<void(bool)>& suite);
    // Every command but "Arrêter", the help and the hints, off during a plot.
    void VerrouilleCommandes(bool verrou);
    // Paints primitives of a plot on the area and keeps them for the SVG.
    void GardeDessin(const Dessin& dessin);
    void Derivees(bool bipSansCourbe);
    void DeriveesDepuis(int rang);
    void ChangePrecision(int precision);
    void RemetCurseursAZero();

    ModeleGraphe modele_;
    EcranDigit* ecran_;
    std::map<std::string, QLabel*> lectures_;
    QLabel* tip_;
    QLabel* entreFoncXouRo_;
    QLineEdit* fonctionXouRo_;
    QLabel* entreFoncY_;
    QLineEdit* fonctionY_;
    QPushButton* calculBtn_;
    QProgressBar* drawProgress_;
    QLabel* panneau_;
    QMenu* popup_;
    QImage copieEcran_; // the pixels under the rubber band
    // What the plots drew since the area was cleared, for the SVG; beyond
    // DessinEcranMax primitives (about 5 MB) the SVG holds the picture.
    static constexpr std::size_t DessinEcranMax = 200000;
    Dessin dessinEcran_;
    bool dessinEcranComplet_ = true;
    int boutonsSouris_ = 2;
    TTableau* tableau_ = nullptr;
    TEtude* dialogueEtude_ = nullptr;
    TResultatsEtude* resultatsEtude_ = nullptr;
    void LanceEtude(Etendu a, Etendu b);
    // A job begins: « Arrêter » beside the bar, the hourglass over the area,
    // the commands asleep; and ends.
    void DebutTravail();
    void FinTravail();
    void MontreEtude(const Etude& etude);
    // The crosses over the points of the study shown, at the window in force.
    void MarqueEtude();
    QPushButton* arret_;        // "Arrêter", shown while a plot runs
    bool arretDemande_ = false; // the user stopped the plot that runs
    Travail* travail_;          // the plot that runs
    bool traceEnCours_ = false; // from Dessine to FinDessin: the commands are locked
    QRect barre_;               // the progress bar's place without "Arrêter"
    Suivi suivi_;
    std::vector<std::pair<QWidget*, QRect>> places_; // the panels' places at x1
    QString fichierCourant_;             // full path of the file loaded last
    std::array<std::string, 4> recents_; // the recent files, most recent first
};
