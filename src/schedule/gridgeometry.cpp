#include "gridgeometry.h"

#include <algorithm>
#include <cmath>

GridGeometry::GridGeometry(std::vector<qreal> columnWidths, int rowCount, qreal rowHeight, bool groupRow,
    const QSizeF &area, const QPointF &scroll)
    : m_rowCount(std::max(0, rowCount))
    , m_rowHeight(rowHeight)
    , m_groupRow(groupRow)
    , m_area(area)
    , m_scroll(scroll)
{
    m_x.reserve(columnWidths.size() + 1);
    qreal x = 0;
    m_x.push_back(x);
    for (const qreal w : columnWidths) {
        x += w;
        m_x.push_back(x);
    }
}

std::vector<qreal> GridGeometry::columnWidths(
    int columns, int positionWidth, const std::map<int, int> &zoomed, int availableWidth)
{
    std::vector<qreal> widths;
    if (columns <= 0)
        return widths;
    if (positionWidth <= 0) {
        const int share = std::max(1, (availableWidth - int(timeColumnWidth) - 1) / columns);
        widths.assign(columns, share);
        return widths;
    }
    widths.assign(columns, positionWidth);
    for (const auto &[column, width] : zoomed) {
        if (column >= 0 && column < columns && width > 0)
            widths[column] = width;
    }
    return widths;
}

GridGeometry GridGeometry::forPage(
    const std::vector<qreal> &columnWidths, int rowCount, bool groupRow, const QSizeF &page)
{
    std::vector<qreal> widths = columnWidths;
    qreal total = 0;
    for (const qreal w : widths)
        total += w;
    const qreal room = page.width() - timeColumnWidth - 1;
    if (total > room && total > 0) {
        const qreal factor = room / total;
        for (qreal &w : widths)
            w *= factor;
    }
    const qreal heading = headingRowHeight * (groupRow ? 2 : 1);
    const qreal rowHeight = rowCount > 0 ? (page.height() - heading - 1) / rowCount : 0;
    return GridGeometry(widths, rowCount, rowHeight, groupRow, page);
}

QRectF GridGeometry::bodyArea() const
{
    return QRectF(timeColumnWidth, headingHeight(), std::max<qreal>(0, m_area.width() - timeColumnWidth),
        std::max<qreal>(0, m_area.height() - headingHeight()));
}

qreal GridGeometry::columnX(int p) const
{
    return timeColumnWidth + m_x[std::clamp(p, 0, columnCount())] - m_scroll.x();
}

qreal GridGeometry::columnWidth(int p) const
{
    return p >= 0 && p < columnCount() ? m_x[p + 1] - m_x[p] : 0;
}

qreal GridGeometry::rowY(int row) const
{
    return headingHeight() + row * m_rowHeight - m_scroll.y();
}

QRectF GridGeometry::cellRect(int p, int row) const
{
    return QRectF(columnX(p), rowY(row), columnWidth(p), m_rowHeight);
}

QRectF GridGeometry::columnHeadingRect(int p) const
{
    const qreal top = m_groupRow ? headingRowHeight : 0;
    return QRectF(columnX(p), top, columnWidth(p), headingRowHeight);
}

QRectF GridGeometry::groupHeadingRect(int firstColumn, int count) const
{
    const qreal left = columnX(firstColumn);
    return QRectF(left, 0, columnX(firstColumn + count) - left, headingRowHeight);
}

QRectF GridGeometry::timeLabelRect(int row) const
{
    return QRectF(0, rowY(row), timeColumnWidth, m_rowHeight);
}

QRectF GridGeometry::previousButtonRect() const
{
    return QRectF(0, headingHeight() - headingRowHeight, navigatorWidth, headingRowHeight);
}

QRectF GridGeometry::nextButtonRect() const
{
    return QRectF(m_area.width() - navigatorWidth, headingHeight() - headingRowHeight, navigatorWidth,
        headingRowHeight);
}

qreal GridGeometry::yOfMinute(int minuteOfDay, const TimeLayout &time) const
{
    return rowY(0) + qreal(minuteOfDay - time.firstMinute()) * m_rowHeight / time.displayUnit;
}

QRectF GridGeometry::blockRect(const PlacedBlock &block, const TimeLayout &time) const
{
    const qreal left = columnX(block.column);
    const qreal width = columnWidth(block.column);
    if (block.bar) {
        const QRectF heading = columnHeadingRect(block.column);
        return QRectF(left + 1, heading.bottom() - (block.lane + 1) * (barHeight + 1), width - 2, barHeight);
    }
    const qreal laneWidth = std::max<qreal>(0, width - itemGap) / std::max(1, block.laneCount);
    const qreal top = yOfMinute(block.startMinute, time);
    const qreal bottom = yOfMinute(block.endMinute, time);
    return QRectF(
        left + block.lane * laneWidth, top, block.laneSpan * laneWidth, std::max<qreal>(2, bottom - top));
}

int GridGeometry::columnAt(qreal x) const
{
    const qreal cx = x - timeColumnWidth + m_scroll.x();
    if (cx < 0 || cx >= contentWidth())
        return -1;
    const auto it = std::upper_bound(m_x.begin(), m_x.end(), cx);
    return int(it - m_x.begin()) - 1;
}

int GridGeometry::rowAt(qreal y) const
{
    if (m_rowHeight <= 0)
        return -1;
    const qreal cy = y - headingHeight() + m_scroll.y();
    if (cy < 0)
        return -1;
    const int row = int(std::floor(cy / m_rowHeight));
    return row < m_rowCount ? row : -1;
}

std::pair<int, int> GridGeometry::visibleColumns() const
{
    const QRectF body = bodyArea();
    int first = columnAt(body.left());
    int last = columnAt(body.right() - 0.5);
    if (first < 0)
        first = 0;
    if (last < 0)
        last = columnCount() - 1;
    return { first, last };
}

std::pair<int, int> GridGeometry::visibleRows() const
{
    const QRectF body = bodyArea();
    int first = rowAt(body.top());
    int last = rowAt(body.bottom() - 0.5);
    if (first < 0)
        first = 0;
    if (last < 0)
        last = m_rowCount - 1;
    return { first, last };
}

GridGeometry::Hit GridGeometry::hitTest(const QPointF &point) const
{
    Hit hit;
    if (point.x() < 0 || point.y() < 0 || point.x() >= m_area.width() || point.y() >= m_area.height())
        return hit;
    if (point.y() < headingHeight()) {
        if (previousButtonRect().contains(point))
            hit.area = Hit::Previous;
        else if (nextButtonRect().contains(point))
            hit.area = Hit::Next;
        else
            hit.area = Hit::Heading;
        hit.position = point.x() < timeColumnWidth ? -1 : columnAt(point.x());
        return hit;
    }
    hit.row = rowAt(point.y());
    if (point.x() < timeColumnWidth) {
        hit.area = hit.row >= 0 ? Hit::TimeColumn : Hit::Outside;
        return hit;
    }
    hit.position = columnAt(point.x());
    hit.area = hit.position >= 0 && hit.row >= 0 ? Hit::Cell : Hit::Outside;
    return hit;
}
