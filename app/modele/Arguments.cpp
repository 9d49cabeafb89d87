#include "app/modele/Arguments.h"

Arguments LitArguments(int argc, const char* const argv[], const std::string& version)
{
    Arguments a;
    if (argc <= 1)
        return a;
    const std::string premier = argv[1];
    if (argc == 2 && premier == "--help") {
        a.sorte = Arguments::Sorte::Aide;
        a.texte = "Usage : tarvelle [FICHIER.mgr] - la calculatrice, et le module graphique avec ce fichier s'il est "
                  "donné .";
        return a;
    }
    if (argc == 2 && premier == "--version") {
        a.sorte = Arguments::Sorte::Version;
        a.texte = "Tarvelle, calculatrice scientifique, version " + version + " .";
        return a;
    }
    // A file name may start with anything but a dash ("./-x.mgr" names one).
    if (argc == 2 && !premier.empty() && premier[0] != '-') {
        a.sorte = Arguments::Sorte::Fichier;
        a.fichier = premier;
        return a;
    }
    a.sorte = Arguments::Sorte::Erreur;
    a.code = 2;
    a.texte = argc == 2 ? "tarvelle : option inconnue « " + premier + " » (tarvelle --help pour l'usage) ."
                        : std::string("tarvelle : un seul fichier à la fois (tarvelle --help pour l'usage) .");
    return a;
}
