#pragma once
// Where the program and its data lie: the settings code writes the
// program's path into the settings file, and the windows find the sounds
// in its folder.
#include <string>

// Full path of the running program file, and the folder of its data (the
// sounds) ending with the path separator: the program's own folder when the
// sounds lie beside it (the build tree), else "../share/tarvelle/" from it,
// where the installed package puts them. main() sets them from the real
// executable, tests from a sandbox.
const std::string& CheminProgramme();
const std::string& DossierProgramme();
void DefinitCheminProgramme(const std::string& chemin);
