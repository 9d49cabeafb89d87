#include "matrix/TMatrice.h"

TMatrice::TMatrice(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Matrice");
    setWindowTitle("Module matriciel");
    resize(560, 420);
}
