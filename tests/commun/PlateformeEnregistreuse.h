#pragma once
// The platform the tests install: it records every box, beep, sound and help
// call in order, and answers the file dialogs from a queue, so that no test
// ever blocks on a modal window.
#include "app/fenetres/Plateforme.h"

#include <deque>
#include <string>
#include <vector>

class PlateformeEnregistreuse final : public Plateforme {
public:
    PlateformeEnregistreuse();
    ~PlateformeEnregistreuse() override;

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

    // "erreur: <texte>", "avertissement: <texte>", "bip", "son: Son1.wav"
    // (file name only), "aide: COMPLEX", "aide: " for the contents,
    // "question: <texte>".
    std::vector<std::string> journal;
    // Answers of the next file dialogs; an empty queue answers "cancelled".
    std::deque<std::optional<std::string>> reponses;
    // Answers of the next questions; an empty queue answers « Annuler ».
    std::deque<Reponse> questions;
    int sabliers = 0; // hourglass guards currently open

    // The journal entries that are messages (boxes) only.
    std::vector<std::string> Messages() const;
    void Vide() { journal.clear(); }
};
