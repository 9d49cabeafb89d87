#pragma once
// The settings file "Tv32.ini": its in-memory copies, the loader that creates
// or upgrades it, the writer, and the reads that windows make on activation.
#include <array>
#include <string>

struct TOptions {
    std::string TypeMachine = "complexe"; // "classique" is real mode, anything else complex
    int NbBoutons = 2;                    // mouse buttons used by the plotter: 2 or 3
    bool SonsOptions = true;              // the plotter and the matrix window play sounds
    int TailleMatrices = 5;               // 5: complex up to 5 x 5; 10: real up to 10 x 10
    std::array<std::string, 4> Fichiers;  // recent graph files, written as File_0 .. File_3
};

inline constexpr const char* VersionOptions = "1.1";
inline constexpr const char* AuteurOptions = "QUENTARO";

// Where the file lives: set once by main() (the user's configuration folder),
// pointed at a temporary folder by the tests.
const std::string& CheminReglages();
void DefinitCheminReglages(const std::string& chemin);

// Reads the file into the copies; creates it with the defaults on a first
// start, and upgrades a file of another version.
void ChargeOptions(TOptions& options);
// Writes every key in the program's order, keeping any other key of the file.
void EnregistreOptions(const TOptions& options);

// The recent graph files of section "Fichiers", most recent first (an
// absent key is empty), and their writing, every other key kept.
std::array<std::string, 4> LitFichiersRecents();
void EnregistreFichiersRecents(const std::array<std::string, 4>& fichiers);

// Single reads, each opening and closing the file.
std::string LitTexteOption(const std::string& section, const std::string& cle,
                           const std::string& defaut);
long LitEntierOption(const std::string& section, const std::string& cle, long defaut);
bool LitBooleenOption(const std::string& section, const std::string& cle, bool defaut);

// The keys the windows read on activation, each with the default its window
// gives a missing key: real mode ("Type de machine" is "classique"); the
// sounds, off when missing for the plotter, on for the matrix window and
// the solver; the plotter's mouse buttons (2); the matrices' size (5).
bool LitModeClassique();
bool LitSonsTraceur();
bool LitSons();
long LitBoutonsSouris();
long LitTailleMatrices();
// The plotter's magnification, "Agrandissement": 1, 2 or 3 (anything else
// reads 1), and its writing, every other key kept.
int LitAgrandissement();
void EnregistreAgrandissement(int facteur);
// The line entry's rules, "Regles": "usuelles", or the program's own for
// "programme", a missing key and anything else; written only when the user
// chooses, every other key kept.
bool LitReglesUsuelles();
void EnregistreReglesUsuelles(bool usuelles);

// "12", " -3", "0x1F": the integer; anything else gives the default.
long EntierOuDefaut(const std::string& texte, long defaut);
