#pragma once
// A read-out of the plotter's panels: a label whose text, when it is wider
// than the label (the exact scientific form of a value of a tiny or huge
// window can take 30 characters), is drawn in a smaller face so that every
// digit stays in sight within the panel.
#include <QLabel>

class Lecture : public QLabel {
    Q_OBJECT
public:
    explicit Lecture(const QString& texte = QString(), QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evenement) override;
};
