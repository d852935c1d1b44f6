#include "plannergrid.h"

#include "platform/errors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

PlannerGrid::PlannerGrid(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("DBPlanner1"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    m_view.day = QDate::currentDate();
    relayout();
}

void PlannerGrid::setMode(Mode mode)
{
    if (m_view.mode == mode)
        return;
    m_view.mode = mode;
    relayout();
}

void PlannerGrid::setNumberOfDays(int days)
{
    if (days <= 0 || days == m_view.numberOfDays)
        return;
    m_view.numberOfDays = days;
    relayout();
}

void PlannerGrid::setNumberOfResources(int resources)
{
    if (resources <= 0 || resources == m_view.numberOfResources)
        return;
    m_view.numberOfResources = resources;
    relayout();
}

void PlannerGrid::setDay(const QDate &day)
{
    if (!day.isValid() || day == m_view.day)
        return;
    m_view.day = day;
    relayout();
}

QString PlannerGrid::columnHeading(int p) const
{
    return columnLayout().columnHeading(p, m_map, m_regional.dateSeparator);
}

QString PlannerGrid::groupHeading(int group) const
{
    return columnLayout().groupHeading(group, m_map, m_regional.dateSeparator);
}

void PlannerGrid::setResourceMap(const ResourceMap &map)
{
    if (m_map == map)
        return;
    m_map = map;
    replace();
}

void PlannerGrid::setRegionalSettings(const RegionalSettings &settings)
{
    m_regional = settings;
    viewport()->update();
}

void PlannerGrid::setTimeLayout(const TimeLayout &layout)
{
    m_time = layout;
    if (m_time.displayUnit <= 0)
        m_time.displayUnit = 30;
    m_selection = {};
    replace();
}

void PlannerGrid::ApplyTimeLayout(const TimeSettings &settings, const OpeningHours &hours)
{
    const ColumnLayout layout = columnLayout();
    std::vector<int> weekdays;
    for (int p = 0; p < layout.columnCount(); ++p)
        weekdays.push_back(layout.PositionDay(p).dayOfWeek());
    const TimeLayout next = ::ApplyTimeLayout(m_time, settings, hours, weekdays);
    const bool rowsChanged = next.displayStart != m_time.displayStart || next.displayEnd != m_time.displayEnd
        || next.displayUnit != m_time.displayUnit;
    m_time = next;
    if (rowsChanged) {
        m_selection = {};
        replace();
    } else {
        viewport()->update();
    }
}

void PlannerGrid::setDisplayScale(int pixels)
{
    if (pixels <= 0 || pixels == m_displayScale)
        return;
    m_displayScale = pixels;
    updateScrollBars();
    viewport()->update();
}

void PlannerGrid::setPositionWidth(int pixels)
{
    m_positionWidth = std::max(0, pixels);
    m_zoomed.clear();
    updateScrollBars();
    viewport()->update();
}

void PlannerGrid::setPositionZoomWidth(int pixels)
{
    m_positionZoomWidth = std::max(0, pixels);
    viewport()->update();
}

bool PlannerGrid::zoomColumn(int p)
{
    if (p < 0 || p >= columnCount() || m_positionWidth <= 0 || m_positionZoomWidth <= 0)
        return false;
    m_zoomed[p] = m_positionZoomWidth;
    updateScrollBars();
    viewport()->update();
    return true;
}

bool PlannerGrid::unzoomColumn(int p)
{
    if (p < 0 || p >= columnCount() || m_positionWidth <= 0 || m_positionZoomWidth <= 0)
        return false;
    m_zoomed.erase(p);
    updateScrollBars();
    viewport()->update();
    return true;
}

qreal PlannerGrid::columnWidth(int p) const
{
    return geometry().columnWidth(p);
}

void PlannerGrid::setItems(std::vector<AppointmentItem> items)
{
    m_items = std::move(items);
    m_texts.byItem.clear();
    replace();
}

void PlannerGrid::clearItems()
{
    m_items.clear();
    m_texts.byItem.clear();
    m_selectedKey.clear();
    replace();
}

int PlannerGrid::selectedPosition() const
{
    return m_selection.column;
}

void PlannerGrid::selectCells(int p, int startRow, int endRow)
{
    m_selection = CellSelection { p, startRow, std::max(startRow, endRow - 1) };
    viewport()->update();
    emit selectionChanged();
}

QDateTime PlannerGrid::cellTime(int p, int row) const
{
    if (p < 0 || row < 0)
        throw MirvoError(QStringLiteral("Invalid cell coordinates"));
    const qint64 minutes = qint64(m_time.displayStart + row) * m_time.displayUnit;
    return QDateTime(PositionDay(p), QTime(0, 0)).addSecs(minutes * 60);
}

int PlannerGrid::selectedIndex() const
{
    if (m_selectedKey.isEmpty())
        return -1;
    for (int i = 0; i < int(m_items.size()); ++i) {
        if (m_items[i].key == m_selectedKey)
            return i;
    }
    return -1;
}

std::optional<AppointmentItem> PlannerGrid::selectedItem() const
{
    const int i = selectedIndex();
    if (i < 0)
        return std::nullopt;
    return m_items[i];
}

QString PlannerGrid::selectedStartText() const
{
    const auto item = selectedItem();
    return item ? blockTimeText(item->start, m_regional.timeSeparator) : QString();
}

QString PlannerGrid::selectedEndText() const
{
    const auto item = selectedItem();
    return item ? blockTimeText(item->end, m_regional.timeSeparator) : QString();
}

void PlannerGrid::unselectAll()
{
    if (m_selectedKey.isEmpty())
        return;
    m_selectedKey.clear();
    viewport()->update();
    emit selectionChanged();
}

bool PlannerGrid::selectItem(const QString &key)
{
    for (const PlacedBlock &block : m_blocks) {
        if (m_items[block.item].key != key)
            continue;
        m_selectedKey = key;
        if (!block.bar) {
            const int first = (block.startMinute - m_time.firstMinute()) / m_time.displayUnit;
            const int last
                = std::max(first, (block.endMinute - m_time.firstMinute() - 1) / m_time.displayUnit);
            m_selection = CellSelection { block.column, first, last };
        }
        viewport()->update();
        emit selectionChanged();
        return true;
    }
    return false;
}

std::vector<qreal> PlannerGrid::columnWidths(int availableWidth) const
{
    return GridGeometry::columnWidths(columnCount(), m_positionWidth, m_zoomed, availableWidth);
}

GridGeometry PlannerGrid::geometry() const
{
    const QSize area = viewport()->size();
    return GridGeometry(columnWidths(area.width()), m_time.rowCount(), m_displayScale,
        columnLayout().hasGroups(), area,
        QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value()));
}

QRect PlannerGrid::cellRect(int p, int row) const
{
    return geometry().cellRect(p, row).toRect();
}

QRect PlannerGrid::itemRect(const QString &key) const
{
    const GridGeometry g = geometry();
    for (const PlacedBlock &block : m_blocks) {
        if (m_items[block.item].key == key)
            return g.blockRect(block, m_time).toRect();
    }
    return {};
}

GridScene PlannerGrid::scene() const
{
    const ColumnLayout layout = columnLayout();
    GridScene s;
    for (int p = 0; p < layout.columnCount(); ++p)
        s.columnHeadings.append(layout.columnHeading(p, m_map, m_regional.dateSeparator));
    for (int group = 0; group < layout.groupCount(); ++group)
        s.groupHeadings.append(layout.groupHeading(group, m_map, m_regional.dateSeparator));
    s.columnsPerGroup = layout.columnsPerGroup();
    s.time = &m_time;
    s.items = &m_items;
    s.blocks = &m_blocks;
    s.timeSeparator = m_regional.timeSeparator;
    s.selectedColumn = m_selection.column;
    s.selectionStart = m_selection.startRow();
    s.selectionEnd = m_selection.endRow();
    s.selectedItem = selectedIndex();
    s.texts = &m_texts;
    return s;
}

void PlannerGrid::paintView(QPainter &painter, const QRectF &target) const
{
    const GridGeometry page = GridGeometry::forPage(
        columnWidths(int(target.width())), m_time.rowCount(), columnLayout().hasGroups(), target.size());
    GridScene s = scene();
    s.navigator = false;
    painter.save();
    painter.translate(target.topLeft());
    paintGrid(painter, page, s);
    painter.restore();
}

void PlannerGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    paintGrid(painter, geometry(), scene());
}

void PlannerGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PlannerGrid::scrollContentsBy(int, int)
{
    viewport()->update();
}

void PlannerGrid::relayout()
{
    m_zoomed.clear();
    m_selection = {};
    m_selectedKey.clear();
    replace();
    emit viewChanged();
}

void PlannerGrid::replace()
{
    m_blocks = placeBlocks(m_items, m_view, m_map, m_time);
    if (selectedIndex() < 0)
        m_selectedKey.clear();
    updateScrollBars();
    viewport()->update();
}

void PlannerGrid::updateScrollBars()
{
    const GridGeometry g = geometry();
    const QRectF body = g.bodyArea();
    verticalScrollBar()->setPageStep(int(body.height()));
    verticalScrollBar()->setSingleStep(m_displayScale);
    verticalScrollBar()->setRange(0, std::max(0, int(std::ceil(g.contentHeight() - body.height()))));
    horizontalScrollBar()->setPageStep(int(body.width()));
    horizontalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setRange(0, std::max(0, int(std::ceil(g.contentWidth() - body.width()))));
}

void PlannerGrid::ensureSelectionVisible()
{
    if (m_selection.column < 0)
        return;
    const GridGeometry g = geometry();
    const QRectF body = g.bodyArea();
    const QRectF cell = g.cellRect(m_selection.column, m_selection.cursor);
    if (cell.top() < body.top())
        verticalScrollBar()->setValue(verticalScrollBar()->value() - int(std::ceil(body.top() - cell.top())));
    else if (cell.bottom() > body.bottom())
        verticalScrollBar()->setValue(
            verticalScrollBar()->value() + int(std::ceil(cell.bottom() - body.bottom())));
    if (cell.left() < body.left())
        horizontalScrollBar()->setValue(
            horizontalScrollBar()->value() - int(std::ceil(body.left() - cell.left())));
    else if (cell.right() > body.right())
        horizontalScrollBar()->setValue(
            horizontalScrollBar()->value() + int(std::ceil(cell.right() - body.right())));
}

int PlannerGrid::itemAt(const QPointF &point) const
{
    const GridGeometry g = geometry();
    // Blocks are drawn in order; the last one under the point is the one seen.
    for (int i = int(m_blocks.size()) - 1; i >= 0; --i) {
        const PlacedBlock &block = m_blocks[i];
        if (!block.bar && !g.bodyArea().contains(point))
            continue;
        if (g.blockRect(block, m_time).contains(point))
            return block.item;
    }
    return -1;
}

PlannerGrid::Input PlannerGrid::interpretMouse(QEvent *event) const
{
    Input input;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPointF point = mouse->position();
    const GridGeometry::Hit hit = geometry().hitTest(point);
    input.position = hit.position;
    input.row = hit.row;
    input.item = itemAt(point);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (mouse->button() == Qt::LeftButton) {
            if (hit.area == GridGeometry::Hit::Previous)
                input.action = Action::PreviousDay;
            else if (hit.area == GridGeometry::Hit::Next)
                input.action = Action::NextDay;
            else if (input.item >= 0)
                input.action = Action::SelectItem;
            else if (hit.area == GridGeometry::Hit::Cell || hit.area == GridGeometry::Hit::TimeColumn)
                input.action = Action::SelectCell;
        } else if (mouse->button() == Qt::RightButton) {
            if (input.item >= 0)
                input.action = Action::ContextItem;
            else if (hit.area == GridGeometry::Hit::Cell || hit.area == GridGeometry::Hit::TimeColumn)
                input.action = Action::ContextCell;
        }
        break;
    case QEvent::MouseMove:
        if (m_dragging && (mouse->buttons() & Qt::LeftButton))
            input.action = Action::ExtendCell;
        break;
    default:
        break;
    }
    return input;
}

PlannerGrid::Input PlannerGrid::interpretKey(const QKeyEvent *event) const
{
    Input input;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        input.move = CellMove::Up;
        break;
    case Qt::Key_Down:
        input.move = CellMove::Down;
        break;
    case Qt::Key_Left:
        input.move = CellMove::Left;
        break;
    case Qt::Key_Right:
        input.move = CellMove::Right;
        break;
    default:
        return input; // Insert, Delete and the rest do nothing in the grid
    }
    input.action = extend ? Action::ExtendSelection : Action::MoveSelection;
    return input;
}

void PlannerGrid::perform(const Input &input)
{
    switch (input.action) {
    case Action::None:
        return;
    case Action::PreviousDay:
        setDay(m_view.day.addDays(-1));
        emit plannerPrevious();
        return;
    case Action::NextDay:
        setDay(m_view.day.addDays(1));
        emit plannerNext();
        return;
    case Action::SelectItem:
    case Action::ContextItem: {
        const QString key = m_items[input.item].key;
        if (key != m_selectedKey)
            selectItem(key);
        if (input.action == Action::ContextItem)
            emit itemRightClick(key);
        return;
    }
    case Action::SelectCell:
    case Action::ContextCell: {
        const bool inside = input.position == m_selection.column && input.row >= m_selection.startRow()
            && input.row < m_selection.endRow();
        m_selectedKey.clear();
        if (input.action == Action::SelectCell || !inside)
            m_selection = CellSelection { input.position, input.row, input.row };
        m_dragging = input.action == Action::SelectCell && input.position >= 0;
        viewport()->update();
        emit selectionChanged();
        if (input.action == Action::ContextCell)
            emit plannerRightClick(input.position, input.row);
        return;
    }
    case Action::ExtendCell: {
        if (m_selection.column < 0)
            return;
        const GridGeometry g = geometry();
        const int row = input.row >= 0 ? input.row : (input.position < 0 ? 0 : g.rowCount() - 1);
        if (row == m_selection.cursor)
            return;
        m_selection.cursor = std::clamp(row, 0, std::max(0, g.rowCount() - 1));
        viewport()->update();
        emit selectionChanged();
        return;
    }
    case Action::MoveSelection:
    case Action::ExtendSelection:
        m_selection = moveSelection(m_selection, input.move, input.action == Action::ExtendSelection,
            columnCount(), m_time.rowCount());
        m_selectedKey.clear();
        ensureSelectionVisible();
        viewport()->update();
        emit selectionChanged();
        return;
    }
}

bool PlannerGrid::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        perform(interpretMouse(event));
        return true;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        return QAbstractScrollArea::viewportEvent(event);
    }
}

void PlannerGrid::keyPressEvent(QKeyEvent *event)
{
    const Input input = interpretKey(event);
    if (input.action == Action::None) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    perform(input);
    event->accept();
}
