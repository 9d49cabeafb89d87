#pragma once
// The visible window in user units and its mapping onto the drawing area of
// 320 x 240 pixels. Any window: for one that contains the origin, Xmax - Xmin
// is the sum |Xmin| + |Xmax| the plotter has always used, the same
// operation on the same numbers, so every pixel stays where it was.
#include "numerics/Etendu.h"

#include <cmath>

inline constexpr int LargeurEcran = 320;
inline constexpr int HauteurEcran = 240;

struct Vue {
    Etendu Xmin = -3.2L, Xmax = 3.2L, Ymin = -2.4L, Ymax = 2.4L;

    bool operator==(const Vue&) const = default;

    Etendu Largeur() const { return Xmax - Xmin; }
    Etendu Hauteur() const { return Ymax - Ymin; }

    // User units to pixels, as real numbers: rounded only when drawn.
    Etendu Px(Etendu x) const { return (x - Xmin) * LargeurEcran / Largeur(); }
    Etendu Py(Etendu y) const { return HauteurEcran - (y - Ymin) * HauteurEcran / Hauteur(); }

    // A pixel of the mouse to user units (EcranVersX, EcranVersY).
    Etendu EcranVersX(int X) const;
    Etendu EcranVersY(int Y) const;

    // Column 320 and row 240 still count as visible.
    static bool Visible(Etendu px, Etendu py)
    {
        return px >= 0.0L && px <= LargeurEcran && py >= 0.0L && py <= HauteurEcran;
    }
};

// The sampling step: the window's width over the number of samples across it.
Etendu PasDe(const Vue& vue, int precision);

// A window the plotter can map: finite edges (in either order), a finite
// width and height, and each wide enough that one pixel's step moves both
// of its edges.
bool FenetreCorrecte(const Vue& vue);

// The window scaled about the origin.
Vue Zoome(const Vue& vue, Etendu facteurX, Etendu facteurY);

// The window after a middle click at pixel (X, Y): the clicked point takes
// the place of the origin, or an axis clicked within one step is centred
// instead.
Vue Recentre(const Vue& vue, int X, int Y, Etendu pas);

// A window typed by the user with its reversed edges exchanged.
Vue Ordonnee(Vue vue);
