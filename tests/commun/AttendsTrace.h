#pragma once
// A plot runs off the window's thread: a test that looks at the drawing
// waits for its end first.
#include "graph/fenetres/TGraph.h"

#include <QSignalSpy>

// Until the plot that runs (or the chain of derivative curves) has ended
// and its end was handled; false when it has not after a minute.
[[nodiscard]] inline bool AttendsTrace(TGraph* g)
{
    QSignalSpy fin(g, &TGraph::TraceTermine);
    while (g->TraceEnCours())
        if (!fin.wait(60000))
            return false;
    return true;
}
