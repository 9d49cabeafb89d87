#include "graph/TGraph.h"

TGraph::TGraph(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Graph");
    setWindowTitle("Module graphique");
    resize(520, 420);
}
