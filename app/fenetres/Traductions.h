#pragma once
// Qt's own texts (the file dialogs, their questions, the context menus of
// the fields) in French, whatever the user's locale: the whole program
// speaks French.
#include <QCoreApplication>

// Loads Qt's French translations when the system has them (Debian's
// qt6-translations-l10n); false when they are missing, the texts then
// staying in English.
bool InstalleTraductionsQt(QCoreApplication& application);
