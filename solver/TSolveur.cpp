#include "solver/TSolveur.h"

TSolveur::TSolveur(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Solveur");
    setWindowTitle("Module solveur");
    resize(440, 300);
}
