// Start-up: splash while the windows are created, then the event loop until
// the calculator, the main window, is closed.
#include "app/Activation.h"
#include "app/Fenetres.h"
#include "app/Options.h"
#include "app/PlateformeQt.h"
#include "app/TSplash.h"
#include "app/Traductions.h"
#include "calc/TCalculatrice.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InstalleTraductionsQt(application);
    PlateformeQt plateforme;
    InstallePlateforme(&plateforme);
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
    const int code = application.exec();
    DetruitFenetres();
    InstallePlateforme(nullptr);
    return code;
}
