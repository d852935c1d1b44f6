#pragma once

#include <algorithm>

// A run of cells in one column: the anchor row where it began and the cursor row that the
// keys or the mouse move. column -1: nothing selected (or the time column).
struct CellSelection
{
    int column = -1;
    int anchor = 0;
    int cursor = 0;

    int startRow() const { return std::min(anchor, cursor); }
    int endRow() const { return std::max(anchor, cursor) + 1; } // the row after the last

    bool operator==(const CellSelection &) const = default;
};

enum class CellMove
{
    Up,
    Down,
    Left,
    Right
};

// One arrow key. Up and down move the cursor row; with `extend` the anchor stays, so the run
// grows or shrinks. Left and right move to the next column with a run of one cell at the
// cursor. Nothing selected starts at the first cell. Stays inside columns × rows.
CellSelection moveSelection(const CellSelection &current, CellMove move, bool extend, int columns, int rows);
