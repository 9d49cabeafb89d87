#include "app/fenetres/Traductions.h"

#include <QLibraryInfo>
#include <QTranslator>

bool InstalleTraductionsQt(QCoreApplication& application)
{
    auto* traducteur = new QTranslator(&application);
    if (!traducteur->load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(traducteur);
}
