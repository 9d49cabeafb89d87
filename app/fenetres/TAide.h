#pragma once
// The help viewer: French pages shipped with the program, opened at a topic.
#include "app/fenetres/Activation.h"

#include <QWidget>

class QTextBrowser;

class TAide : public QWidget, public FenetreActivable {
    Q_OBJECT
public:
    // Shows the one viewer at a topic ("COMPLEX", "PRESENT", "GRAPH", "MAT", "SOLVEUR")
    // or at the contents when the topic is empty or unknown.
    static void Montre(const QString& sujet);
    // The page a topic opens.
    static QString Page(const QString& sujet);
    static TAide* Instance();

private:
    TAide();
    QTextBrowser* navigateur_;
};
