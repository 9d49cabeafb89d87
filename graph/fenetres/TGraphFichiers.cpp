// The plotter's graph files: open, save, save under a name, close, and the
// four recent files kept in the settings file.
#include "graph/fenetres/TGraph.h"

#include "app/fenetres/Disque.h"
#include "app/fenetres/Plateforme.h"
#include "app/modele/Options.h"
#include "graph/fenetres/EcranDigit.h"
#include "graph/fenetres/TResultatsEtude.h"
#include "graph/toile/Export.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr const char* Filtre = "Fichier Module Graphique (*.mgr)";
constexpr const char* Extension = "mgr";
constexpr const char* Titre = "Module graphique";
} // namespace

void TGraph::ConnecteFichiers()
{
    connect(ActionNommee("Ouvrir"), &QAction::triggered, this, &TGraph::OuvrirClick);
    connect(ActionNommee("Sauve"), &QAction::triggered, this, &TGraph::SauveClick);
    connect(ActionNommee("SauveSous"), &QAction::triggered, this, &TGraph::SauveSousClick);
    connect(ActionNommee("Fermer"), &QAction::triggered, this, &TGraph::FermerClick);
    connect(ActionNommee("ExporteImage"), &QAction::triggered, this, &TGraph::ExporteImageClick);
    connect(ActionNommee("CopieImage"), &QAction::triggered, this, &TGraph::CopieImageClick);
    for (int k = 0; k < 4; ++k)
        connect(ActionNommee(qPrintable("No" + QString::number(k))), &QAction::triggered, this, [this, k] {
            CocheRecent(k);
            ChargeFichierGraphe(QString::fromStdString(recents_[k]));
        });
}

void TGraph::AfficheRecents()
{
    // The items appear with their entries and are never hidden again.
    if (!recents_[0].empty())
        ActionNommee("TraitFichiers")->setVisible(true);
    for (int k = 0; k < 4; ++k) {
        if (recents_[k].empty())
            continue;
        QAction* a = ActionNommee(qPrintable("No" + QString::number(k)));
        a->setText("&" + QString::number(k) + " " + QString::fromStdString(recents_[k]));
        a->setVisible(true);
    }
}

void TGraph::CocheRecent(int rang)
{
    for (int k = 0; k < 4; ++k)
        ActionNommee(qPrintable("No" + QString::number(k)))->setChecked(k == rang);
}

std::optional<ContenuGraphe> TGraph::LitFichierGraphe(const QString& chemin, const QString& nom)
{
    std::string octets;
    // A folder is no graph file, whatever the system says of reading it.
    const bool dossier = QFileInfo(chemin).isDir();
    if (const auto erreur = dossier ? std::nullopt : LitFichierDisque(chemin, TailleGrapheMax, octets)) {
        Faute f = *erreur;
        // Given on the command line, the file is named: nothing else says
        // which one.
        if (!nom.isEmpty())
            f.message += " : " + nom.toStdString() + " .";
        RaconteJournal({f}, false); // the runtime's box, without a sound
        return std::nullopt;
    }
    std::optional<ContenuGraphe> contenu = dossier ? std::nullopt : LitGraphe(octets);
    if (!contenu)
        LaPlateforme().Message(Plateforme::Icone::Avertissement, "Fichier graphique incorrect .");
    return contenu;
}

void TGraph::ChargeContenu(const ContenuGraphe& c, const QString& chemin)
{
    fichierCourant_ = chemin;
    setWindowTitle(QString(Titre) + " (" + QFileInfo(chemin).fileName() + ")");
    Journal journal;
    modele_.Charge(c, journal);
    modele_.FichierAJour();
    RaconteJournal(journal, modele_.SonsActifs);
    MontreLectures();
    AppliqueCommandes();
    fonctionXouRo_->setText(QString::fromStdString(modele_.SaisieX()));
    fonctionY_->setText(QString::fromStdString(modele_.SaisieYt));
    EffaceEcran();
    if (modele_.Type == TypeCourbe::Aucune)
        return;
    PresenteType(modele_.Type);
    calculBtn_->setFocus();
    ApresValidation();
    TraceDuType();
}

void TGraph::OuvrirClick()
{
    // A cancelled dialog or a file that cannot be read changes nothing.
    const auto nom = LaPlateforme().DialogueOuvrir(Filtre, Extension);
    if (!nom)
        return;
    OuvreFichier(QString::fromStdString(*nom));
}

void TGraph::OuvreFichier(const QString& chemin, const QString& nom)
{
    const std::optional<ContenuGraphe> contenu = LitFichierGraphe(chemin, nom);
    if (!contenu)
        return;
    const std::string recent = chemin.toStdString();
    const auto deja = std::find(recents_.begin(), recents_.end(), recent);
    if (deja != recents_.end()) {
        CocheRecent(static_cast<int>(deja - recents_.begin()));
    } else {
        std::rotate(recents_.rbegin(), recents_.rbegin() + 1, recents_.rend());
        recents_[0] = recent;
        EnregistreFichiersRecents(recents_);
        CocheRecent(0);
    }
    AfficheRecents();
    ChargeContenu(*contenu, chemin);
}

void TGraph::ChargeFichierGraphe(const QString& nom)
{
    if (const std::optional<ContenuGraphe> contenu = LitFichierGraphe(nom))
        ChargeContenu(*contenu, nom);
}

bool TGraph::TextesLisibles() const
{
    // A text refused for its length would make a file the reader refuses.
    return modele_.SaisieX().size() <= LigneGrapheMax && modele_.SaisieYt.size() <= LigneGrapheMax;
}

bool TGraph::Enregistre(const QString& chemin)
{
    if (const auto erreur = EcritFichierDisque(chemin, modele_.OctetsFichier())) {
        RaconteJournal({*erreur}, false);
        return false;
    }
    modele_.FichierAJour();
    return true;
}

bool TGraph::Sauve()
{
    // No curve (the window shown again, a file with an unknown keyword):
    // nothing to write, and the user's file is left as it is.
    if (modele_.Type == TypeCourbe::Aucune || !TextesLisibles()) {
        LaPlateforme().Bip();
        return false;
    }
    if (!fichierCourant_.isEmpty())
        return Enregistre(fichierCourant_);
    const auto nom = LaPlateforme().DialogueEnregistrer(Filtre, Extension);
    return nom && Enregistre(QString::fromStdString(*nom));
}

void TGraph::SauveClick() { Sauve(); }

bool TGraph::AccepteFinProgramme()
{
    if (!modele_.Modifie())
        return true;
    switch (LaPlateforme().QuestionEnregistrer("Enregistrer les modifications du graphique ?")) {
    case Plateforme::Reponse::Enregistrer: return Sauve();
    case Plateforme::Reponse::NePasEnregistrer: return true;
    case Plateforme::Reponse::Annuler: break;
    }
    return false;
}

void TGraph::SauveSousClick()
{
    // Nothing confirmed, or no type (a file with an unknown keyword): nothing to save.
    if ((!modele_.FoncXValidee && !modele_.FoncYValidee) || modele_.Type == TypeCourbe::Aucune ||
        !TextesLisibles()) {
        LaPlateforme().Bip();
        return;
    }
    if (const auto nom = LaPlateforme().DialogueEnregistrer(Filtre, Extension))
        Enregistre(QString::fromStdString(*nom));
}

void TGraph::FermerClick()
{
    fichierCourant_.clear();
    setWindowTitle(Titre);
    modele_.Ferme();
    modele_.NouveauGraphe();
    fonctionXouRo_->clear();
    fonctionY_->clear();
    EffaceEcran();
    CocheRecent(-1);
    // The study was of the graph just closed.
    if (resultatsEtude_)
        resultatsEtude_->close();
}

void TGraph::ExporteImageClick()
{
    const auto nom = LaPlateforme().DialogueEnregistrer(
        "Image PNG (*.png);;Image SVG (*.svg);;Image JPEG (*.jpg *.jpeg);;Image BMP (*.bmp)", "png");
    if (!nom)
        return;
    // The format follows the name: a ".jpg" file holds JPEG data.
    const QString chemin = QString::fromStdString(*nom);
    QByteArray octets;
    if (chemin.endsWith(".svg", Qt::CaseInsensitive))
        octets = dessinEcranComplet_ ? OctetsSvg(dessinEcran_) : OctetsSvg(ecran_->Image());
    else if (const char* format = FormatImageDuNom(chemin))
        octets = OctetsImage(ImageAgrandie(ecran_->Image(), FacteurDuNom(chemin)), format);
    else {
        LaPlateforme().Message(Plateforme::Icone::Avertissement, "Format d'image non reconnu .");
        return;
    }
    if (const auto erreur = EcritFichierDisque(chemin, octets.toStdString()))
        RaconteJournal({*erreur}, false);
}

void TGraph::CopieImageClick() { QGuiApplication::clipboard()->setImage(ecran_->Image()); }
