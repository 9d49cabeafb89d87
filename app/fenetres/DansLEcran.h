#pragma once
// Every window the program shows stays inside its screen's available area:
// a small or magnified screen must never hide a button or a result.
class QWidget;

// Brings a window inside the available area of its screen: a window larger
// than the area is shrunk first where its size may change, then the whole
// frame is moved in.
void RameneDansLEcran(QWidget* fenetre);

// Puts a window that works on a picture (a table, results) where it hides
// the least of that picture, then of the other windows shown: beside the
// main window, on whichever side, inside the screen. For its first showing;
// the user's moves are kept afterwards.
void PlaceACote(QWidget* fenetre, const QWidget* dessin);

// From now on, each window is brought in as soon as it is shown (menus and
// hints excepted: Qt places those itself).
void GardeLesFenetresDansLEcran();
