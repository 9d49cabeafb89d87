// Start-up: splash while the windows are created, then the event loop until
// the calculator, the main window, is closed.
#include "app/fenetres/Activation.h"
#include "app/fenetres/Fenetres.h"
#include "app/fenetres/PlateformeQt.h"
#include "app/fenetres/TSplash.h"
#include "app/fenetres/Traductions.h"
#include "app/modele/Arguments.h"
#include "app/modele/Options.h"
#include "app/programme/EssaiDemarrage.h"
#include "calc/fenetres/TCalculatrice.h"
#include "graph/fenetres/TGraph.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

#include <iostream>
#include <memory>

int main(int argc, char* argv[])
{
    // Read before any window: --help and --version need no display.
    const Arguments arguments = LitArguments(argc, argv, TARVELLE_VERSION);
    if (arguments.sorte == Arguments::Sorte::Aide || arguments.sorte == Arguments::Sorte::Version) {
        std::cout << arguments.texte << std::endl;
        return 0;
    }
    if (arguments.sorte == Arguments::Sorte::Erreur) {
        std::cerr << arguments.texte << std::endl;
        return arguments.code;
    }
    QApplication application(argc, argv);
    InstalleTraductionsQt(application);
    PlateformeQt plateforme;
    const std::unique_ptr<Plateforme> essai = EssaiDemarrage() ? PlateformeDEssai(plateforme) : nullptr;
    InstallePlateforme(essai ? essai.get() : &plateforme);
    SuiviActivation::Installe(application);
    DefinitCheminProgramme(QCoreApplication::applicationFilePath().toStdString());
    DefinitCheminReglages(
        (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tv32.ini")
            .toStdString());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto* splash = new TSplash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    NommeApplication();

    CreeFenetres();

    splash->hide();
    delete splash;
    QApplication::restoreOverrideCursor();

    TCalculatrice* calculatrice = LesFenetres().Calculatrice;
    calculatrice->show();
    calculatrice->activateWindow();
    // The first activation applies the mode of the settings file, even on a
    // desktop that never reports the window as active.
    SuiviActivation::Activee(calculatrice);
    // A graph file given (from the file manager): the plotter opens it as
    // "Ouvrir" would; a missing or bad file says so and the program goes on.
    if (arguments.sorte == Arguments::Sorte::Fichier) {
        MontreTraceur();
        const QString nom = QString::fromLocal8Bit(arguments.fichier.c_str());
        LesFenetres().Graph->OuvreFichier(QFileInfo(nom).absoluteFilePath(), nom);
    }
    if (essai)
        FinitApresPremierDessin(arguments.sorte == Arguments::Sorte::Fichier ? static_cast<QWidget*>(LesFenetres().Graph)
                                                                           : calculatrice);
    const int code = application.exec();
    DetruitFenetres();
    InstallePlateforme(nullptr);
    return code;
}
