#pragma once

#include "blockplacement.h"
#include "timelayout.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <map>
#include <vector>

// Where everything of the grid lies, in the coordinates of the area painted (the viewport
// on screen, the page when printing). The heading rows stay on top and the time column on
// the left; the body scrolls under them by `scroll`. Painting, hit-testing and printing all
// ask this one class.
class GridGeometry
{
public:
    static constexpr qreal headingRowHeight = 40;
    static constexpr qreal timeColumnWidth = 40;
    static constexpr qreal itemGap = 11;
    static constexpr qreal navigatorWidth = 16;
    static constexpr qreal barHeight = 8;

    GridGeometry(std::vector<qreal> columnWidths, int rowCount, qreal rowHeight, bool groupRow,
        const QSizeF &area, const QPointF &scroll = {});

    // Column widths: with positionWidth 0 the columns share the width left of the time column
    // and 1 pixel of border equally (whole pixels); otherwise positionWidth each, or the zoom
    // width of a zoomed column.
    static std::vector<qreal> columnWidths(
        int columns, int positionWidth, const std::map<int, int> &zoomed, int availableWidth);

    // The same columns and rows fitted to one page: rows share the page height, columns keep
    // their widths unless together wider than the page.
    static GridGeometry forPage(
        const std::vector<qreal> &columnWidths, int rowCount, bool groupRow, const QSizeF &page);

    int columnCount() const { return int(m_x.size()) - 1; }
    int rowCount() const { return m_rowCount; }
    qreal rowHeight() const { return m_rowHeight; }
    qreal headingHeight() const { return headingRowHeight * (m_groupRow ? 2 : 1); }
    qreal contentWidth() const { return m_x.back(); }
    qreal contentHeight() const { return m_rowCount * m_rowHeight; }
    QSizeF area() const { return m_area; }
    QPointF scroll() const { return m_scroll; }

    // The scrolled part: right of the time column, below the headings.
    QRectF bodyArea() const;
    qreal columnX(int p) const;
    qreal columnWidth(int p) const;
    qreal rowY(int row) const;
    QRectF cellRect(int p, int row) const;
    QRectF columnHeadingRect(int p) const;
    QRectF groupHeadingRect(int firstColumn, int count) const;
    QRectF timeLabelRect(int row) const;
    QRectF previousButtonRect() const;
    QRectF nextButtonRect() const;

    qreal yOfMinute(int minuteOfDay, const TimeLayout &time) const;
    QRectF blockRect(const PlacedBlock &block, const TimeLayout &time) const;

    // First and last column (inclusive) that show in the body; last < first when none.
    std::pair<int, int> visibleColumns() const;
    std::pair<int, int> visibleRows() const;

    struct Hit
    {
        enum Area
        {
            Outside,
            Heading,
            Previous,
            Next,
            TimeColumn,
            Cell
        };
        Area area = Outside;
        int position = -1; // -1 in the time column
        int row = -1;
    };
    Hit hitTest(const QPointF &point) const;

    int columnAt(qreal x) const;
    int rowAt(qreal y) const;

private:
    std::vector<qreal> m_x; // left edge of each column in content coordinates, and the end
    int m_rowCount;
    qreal m_rowHeight;
    bool m_groupRow;
    QSizeF m_area;
    QPointF m_scroll;
};
