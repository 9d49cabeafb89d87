#pragma once
// What a screen reader tells of each control: a name (its caption, the label
// beside or above it, or the meaning of its glyph) and a description (its
// hint). The windows give the names a caption cannot; this pass completes
// the rest from the layout, once each window is built.
class QWidget;

void CompleteAccessibilite(QWidget* fenetre);
