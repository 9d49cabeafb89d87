#include "app/programme/EssaiDemarrage.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <iostream>

namespace {

class PlateformeBavarde final : public Plateforme {
public:
    explicit PlateformeBavarde(Plateforme& bureau) : bureau_(bureau) {}
    void Message(Icone, const std::string& texte) override { std::cerr << "Message : " << texte << std::endl; }
    Reponse QuestionEnregistrer(const std::string& texte) override
    {
        std::cerr << "Question : " << texte << std::endl;
        return Reponse::NePasEnregistrer;
    }
    void Bip() override {}
    void JoueFichierSon(const std::string&) override {}
    void Aide(const std::string&) override {}
    void DebutSablier() override { bureau_.DebutSablier(); }
    void FinSablier() override { bureau_.FinSablier(); }
    std::optional<std::string> DialogueOuvrir(const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> DialogueEnregistrer(const std::string&, const std::string&) override
    {
        return std::nullopt;
    }

private:
    Plateforme& bureau_;
};

} // namespace

bool EssaiDemarrage() { return std::getenv("TARVELLE_ESSAI_DEMARRAGE") != nullptr; }

std::unique_ptr<Plateforme> PlateformeDEssai(Plateforme& bureau) { return std::make_unique<PlateformeBavarde>(bureau); }

void FinitApresPremierDessin(QWidget* fenetre)
{
    QTimer::singleShot(0, fenetre, [fenetre] {
        fenetre->repaint();
        std::cout << fenetre->windowTitle().toStdString() << std::endl;
        QCoreApplication::quit();
    });
}
