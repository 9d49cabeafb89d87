#pragma once
// Everything the program asks of the desktop, behind one interface, so that
// model code stays free of Qt and tests can record every box, beep and sound.
#include "app/modele/Chemins.h"
#include "numerics/Faute.h"

#include <optional>
#include <string>

class Plateforme {
public:
    using Icone = IconeFaute;
    // The answers to the question asked before a change would be lost.
    enum class Reponse { Enregistrer, NePasEnregistrer, Annuler };

    virtual ~Plateforme() = default;

    // Modal box with one OK button.
    virtual void Message(Icone icone, const std::string& texte) = 0;
    // Modal question with « Enregistrer », « Ne pas enregistrer » and
    // « Annuler »; a box closed without an answer is « Annuler ».
    virtual Reponse QuestionEnregistrer(const std::string& texte) = 0;
    // The system's default beep.
    virtual void Bip() = 0;
    // Plays an existing wave file asynchronously (JoueSon checks existence).
    virtual void JoueFichierSon(const std::string& chemin) = 0;
    // Opens the help at a topic ("COMPLEX", "PRESENT", "GRAPH", "MAT"), or at
    // its contents when the topic is empty.
    virtual void Aide(const std::string& sujet) = 0;
    // Hourglass pointer on and off; use the Sablier guard rather than these.
    virtual void DebutSablier() = 0;
    virtual void FinSablier() = 0;
    // File dialogs; no value when the user cancels.
    virtual std::optional<std::string> DialogueOuvrir(const std::string& filtre,
                                                      const std::string& extension) = 0;
    virtual std::optional<std::string> DialogueEnregistrer(const std::string& filtre,
                                                           const std::string& extension) = 0;
};

// The installed platform. main() installs the Qt one, tests a recorder.
Plateforme& LaPlateforme();
void InstallePlateforme(Plateforme* plateforme);

// Hourglass for the lifetime of the guard, whatever way the scope is left.
class Sablier {
public:
    Sablier() { LaPlateforme().DebutSablier(); }
    ~Sablier() { LaPlateforme().FinSablier(); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;
};

// Plays a wave file when it exists; a missing file is silence, never an error.
void JoueSon(const std::string& fichier);

// The calculator's error signal: the sound "Son1.wav" of the program
// folder, then the error box.
void SignaleErreur(const std::string& texte);

// What a computation's journal holds, told in its order: for each failure
// "Son1.wav" when sons is on, then its box.
void RaconteJournal(const Journal& journal, bool sons);
