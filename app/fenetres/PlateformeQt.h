#pragma once
// The desktop behind the Plateforme interface: Qt boxes, beep, sounds, help,
// hourglass and file dialogs. Installed by main().
#include "app/fenetres/Plateforme.h"

#include <QMap>
#include <QString>

class QSoundEffect;

class PlateformeQt final : public Plateforme {
public:
    ~PlateformeQt() override;
    void Message(Icone icone, const std::string& texte) override;
    Reponse QuestionEnregistrer(const std::string& texte) override;
    void Bip() override;
    void JoueFichierSon(const std::string& chemin) override;
    void Aide(const std::string& sujet) override;
    void DebutSablier() override;
    void FinSablier() override;
    std::optional<std::string> DialogueOuvrir(const std::string& filtre,
                                              const std::string& extension) override;
    std::optional<std::string> DialogueEnregistrer(const std::string& filtre,
                                                   const std::string& extension) override;

private:
    QMap<QString, QSoundEffect*> sons_; // one player per file, kept for the run
};
