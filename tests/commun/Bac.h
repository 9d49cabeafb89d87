#pragma once
// A sandbox for one test: a temporary program folder (with or without the
// sound files) and a temporary settings file, both forgotten afterwards.
#include <QTemporaryDir>

#include <string>

class Bac {
public:
    explicit Bac(bool avecSons = true);
    ~Bac();

    std::string Reglages() const;          // full path of Tv32.ini
    std::string TexteReglages() const;     // its bytes, empty when missing
    void EcritReglages(const std::string& octets) const;
    std::string Dossier() const;           // program folder, ending with '/'

private:
    QTemporaryDir dossier_;
};
