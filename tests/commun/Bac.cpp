#include "Bac.h"

#include "app/fenetres/Plateforme.h"
#include "app/modele/Options.h"

#include <QDir>
#include <QFile>

#include <fstream>
#include <iterator>

Bac::Bac(bool avecSons)
{
    QDir(dossier_.path()).mkpath("programme");
    QDir(dossier_.path()).mkpath("config");
    DefinitCheminProgramme(Dossier() + "tarvelle");
    DefinitCheminReglages(Reglages());
    if (avecSons) {
        for (const char* son : {"Son1.wav", "Son2.wav"}) {
            QFile f(QString::fromStdString(Dossier() + son));
            f.open(QIODevice::WriteOnly);
            f.write("RIFF");
        }
    }
}

Bac::~Bac()
{
    DefinitCheminReglages(std::string());
    DefinitCheminProgramme(std::string());
}

std::string Bac::Dossier() const { return dossier_.path().toStdString() + "/programme/"; }

std::string Bac::Reglages() const { return dossier_.path().toStdString() + "/config/Tv32.ini"; }

std::string Bac::TexteReglages() const
{
    std::ifstream in(Reglages(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Bac::EcritReglages(const std::string& octets) const
{
    std::ofstream out(Reglages(), std::ios::binary | std::ios::trunc);
    out << octets;
}
