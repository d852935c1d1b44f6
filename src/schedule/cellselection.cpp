#include "cellselection.h"

CellSelection moveSelection(const CellSelection &current, CellMove move, bool extend, int columns, int rows)
{
    if (columns <= 0 || rows <= 0)
        return {};
    if (current.column < 0 || current.column >= columns)
        return { 0, 0, 0 };
    CellSelection next = current;
    next.cursor = std::clamp(next.cursor, 0, rows - 1);
    next.anchor = std::clamp(next.anchor, 0, rows - 1);
    switch (move) {
    case CellMove::Up:
        next.cursor = std::max(0, next.cursor - 1);
        break;
    case CellMove::Down:
        next.cursor = std::min(rows - 1, next.cursor + 1);
        break;
    case CellMove::Left:
        next.column = std::max(0, next.column - 1);
        extend = false;
        break;
    case CellMove::Right:
        next.column = std::min(columns - 1, next.column + 1);
        extend = false;
        break;
    }
    if (!extend)
        next.anchor = next.cursor;
    return next;
}
