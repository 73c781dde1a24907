#pragma once

class QAbstractScrollArea;

// What the two drop-down trees share: a top-most tool window with a thin border that may extend
// beyond its form, and the mouse capture that lets the next click anywhere reach the drop-down
// (and close it) while the pointer is outside it. Capture is held on the tree's viewport, so
// releases arrive in viewport coordinates.
class CDropDownCapture
{
public:
    // Turns the tree into a hidden drop-down window; bounds are then screen coordinates.
    static void MakeDropDown(QAbstractScrollArea* tree);
    // Called around the visibility change: capture once shown, release before hiding.
    static void Shown(QAbstractScrollArea* tree);
    static void Hiding(QAbstractScrollArea* tree);
    // The pointer entered (release, the tree works normally) or left (capture while visible).
    static void PointerEntered(QAbstractScrollArea* tree);
    static void PointerLeft(QAbstractScrollArea* tree);
    // Whether a point of the viewport lies outside the control; its right and bottom edge
    // (x == width, y == height) count as inside.
    static bool IsOutside(const QAbstractScrollArea* tree, int viewportX, int viewportY);
};
