#pragma once
// The program's command line: nothing, or one graph file for the plotter,
// or --help, or --version. Anything else is refused.
#include <string>

struct Arguments {
    enum class Sorte { Lancer, Fichier, Aide, Version, Erreur } sorte = Sorte::Lancer;
    std::string fichier; // Fichier: the graph file to open
    std::string texte;   // Aide, Version: the line for standard output; Erreur: for standard error
    int code = 0;        // the exit status when the program does not start
};

// version: the project's ("1.1").
Arguments LitArguments(int argc, const char* const argv[], const std::string& version);
