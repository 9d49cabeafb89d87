#pragma once
// Reading and writing a whole file, with the French runtime messages of
// what can fail ("Fichier introuvable", "Accès au fichier refusé", "Disque
// plein", ...). A write goes to a temporary file renamed over the old one,
// so that a failed or interrupted save leaves the old file as it was.
#include "numerics/Faute.h"

#include <QString>

#include <optional>
#include <string>

// The runtime's French text for a system error number.
std::string MessageErreurFichier(int numero);

// The bytes of a file, at most maximum + 1 of them (more than maximum tells
// the caller the file is too large); the failure when it cannot be read.
std::optional<Faute> LitFichierDisque(const QString& chemin, std::size_t maximum, std::string& octets);

// Replaces (or creates) the file; the failure when that failed.
std::optional<Faute> EcritFichierDisque(const QString& chemin, const std::string& octets);
