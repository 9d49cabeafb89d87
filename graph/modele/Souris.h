#pragma once
// The two cursors of the drawing area as one state machine: no cursor, then
// cursor 1 with the rubber band following the pointer, then both cursors
// with the rectangle fixed; a third left click comes back to no cursor.
#include "graph/modele/Vue.h"

#include <optional>

enum class EtatSouris { SansCurseur, Curseur1, DeuxCurseurs };

// A rectangle of pixels, both corners included.
struct Zone {
    int x1, y1, x2, y2;
    bool operator==(const Zone&) const = default;
};

struct Curseurs {
    EtatSouris Etat = EtatSouris::SansCurseur;
    int Curseur1PixX = 0, Curseur1PixY = 0, Curseur2PixX = 0, Curseur2PixY = 0;
    Etendu Curseur1X = -3.2L, Curseur1Y = 2.4L, Curseur2X = 3.2L, Curseur2Y = -2.4L;
    // The rubber-band rectangle on the screen, whose pixels are saved.
    std::optional<Zone> Bande;

    bool Curseur1Pose() const { return Etat != EtatSouris::SansCurseur; }
    bool Curseur2Pose() const { return Etat == EtatSouris::DeuxCurseurs; }

    // Drops both cursors (the caller first restores the band's pixels).
    void Oublie();
    // The values at the window's corners: 1 top left, 2 bottom right.
    void AuxCoins(const Vue& vue);

    enum class Clic { Curseur1, Curseur2, Efface };
    // A left click at (X, Y): places the next cursor, or drops both after
    // the second (the caller restores the band's pixels before).
    Clic ClicGauche(const Vue& vue, int X, int Y);
    // The rectangle the band covers with the pointer at (X, Y): only while
    // cursor 1 waits for cursor 2 and the pointer is right of and below it.
    std::optional<Zone> BandeVers(int X, int Y) const;
    // The pointer at (X, Y) with the band covering bande, whose pixels the
    // window has saved.
    void Etire(const Zone& bande, int X, int Y)
    {
        Bande = bande;
        Curseur2PixX = X;
        Curseur2PixY = Y;
    }
};
