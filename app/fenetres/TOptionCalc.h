#pragma once
// The options dialog: it owns the in-memory copies of the settings, loads
// them when it is created and writes them on OK.
#include "app/fenetres/Activation.h"
#include "app/modele/Options.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QPushButton;

class TOptionCalc : public QDialog, public FenetreActivable {
    Q_OBJECT
public:
    explicit TOptionCalc(QWidget* parent = nullptr);

    // The copies; the plotter puts its recent files here before it writes.
    TOptions& Options() { return options_; }
    // Writes the file from the copies (OK, and the plotter's recent files).
    void EnregistreOptions();

public slots:
    void CalcTypeClick(int item);
    void OptionMouseClick(int item);
    void SonsGrafClick(bool coche);
    void ScaleMatClick(int item);
    void SaveBtnClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void MontreOptions();

    TOptions options_;
    QButtonGroup* calcType_;
    QButtonGroup* optionMouse_;
    QButtonGroup* scaleMat_;
    QCheckBox* sonsGraf_;
    QPushButton* saveBtn_;
};
