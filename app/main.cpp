// Start-up: splash while the windows are created, then the event loop until
// the calculator, the main window, is closed.
#include "app/Activation.h"
#include "app/Arguments.h"
#include "app/EssaiDemarrage.h"
#include "app/Fenetres.h"
#include "app/Options.h"
#include "app/PlateformeQt.h"
#include "app/TSplash.h"
#include "app/Traductions.h"
#include "calc/TCalculatrice.h"
#include "graph/TGraph.h"

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
        LesFenetres().Graph->OuvreFichier(QFileInfo(QString::fromLocal8Bit(arguments.fichier.c_str())).absoluteFilePath());
    }
    if (essai)
        FinitApresPremierDessin(arguments.sorte == Arguments::Sorte::Fichier ? static_cast<QWidget*>(LesFenetres().Graph)
                                                                           : calculatrice);
    const int code = application.exec();
    DetruitFenetres();
    InstallePlateforme(nullptr);
    return code;
}
