#include "app/fenetres/Plateforme.h"

#include <filesystem>
#include <system_error>

namespace {

// Until main() or a test installs a real platform, nothing is shown: a
// window built without one must never block on a box.
class PlateformeMuette final : public Plateforme {
public:
    void Message(Icone, const std::string&) override {}
    Reponse QuestionEnregistrer(const std::string&) override { return Reponse::Annuler; }
    void Bip() override {}
    void JoueFichierSon(const std::string&) override {}
    void Aide(const std::string&) override {}
    void DebutSablier() override {}
    void FinSablier() override {}
    std::optional<std::string> DialogueOuvrir(const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> DialogueEnregistrer(const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
};

PlateformeMuette muette;
Plateforme* installee = &muette;

} // namespace

Plateforme& LaPlateforme() { return *installee; }

void InstallePlateforme(Plateforme* plateforme) { installee = plateforme ? plateforme : &muette; }

void JoueSon(const std::string& fichier)
{
    std::error_code ec;
    if (std::filesystem::is_regular_file(fichier, ec))
        LaPlateforme().JoueFichierSon(fichier);
}

void RaconteJournal(const Journal& journal, bool sons)
{
    for (const Faute& f : journal) {
        if (f.icone == IconeFaute::Bip) {
            LaPlateforme().Bip();
            continue;
        }
        if (sons)
            JoueSon(DossierProgramme() + "Son1.wav");
        LaPlateforme().Message(f.icone, f.message);
    }
}

void SignaleErreur(const std::string& texte) { RaconteJournal({Faute{texte, IconeFaute::Erreur}}, true); }
