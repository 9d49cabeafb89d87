#pragma once
// When a window's activation handler runs.
//
// A window re-reads its settings (and the calculator resets its layout) when
// it becomes active after another of the program's own windows was active.
// Closing a message box or a file dialog, or coming back from another
// application, does not count: otherwise the calculator would fall back to the
// mode of the settings file after every error box. Qt sends WindowActivate in
// every case, so one application-wide filter decides, once for all windows.
#include <QObject>
#include <QPointer>
#include <QWidget>

class QApplication;

// Implemented by every window of the program (main windows and dialogs alike);
// message boxes and file dialogs do not implement it and so never count.
class FenetreActivable {
public:
    virtual ~FenetreActivable() = default;
    virtual void FormActivate() {}
};

class SuiviActivation : public QObject {
    Q_OBJECT
public:
    // The one filter of the application, installed by main() and the tests.
    static void Installe(QApplication& application);
    // What the filter does for one activated widget; public for the tests.
    static void Activee(QWidget* fenetre);
    // Forgets the last active window (tests start each case afresh).
    static void Oublie();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};
