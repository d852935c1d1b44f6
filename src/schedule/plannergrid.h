#pragma once

#include "appointmentitem.h"
#include "blockplacement.h"
#include "cellselection.h"
#include "columnlayout.h"
#include "gridgeometry.h"
#include "gridpainter.h"
#include "platform/regionalsettings.h"
#include "resourcemap.h"
#include "timelayout.h"
#include "viewstate.h"

#include <QAbstractScrollArea>
#include <QDateTime>
#include <map>
#include <optional>
#include <vector>

class QPainter;

// The schedule grid: columns of days (or days of several resources), rows of DisplayUnit
// minutes, appointment blocks drawn over the opening-hours shading. It reads nothing itself;
// DayScheduleFeed gives it its items. Blocks are read-only.
class PlannerGrid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit PlannerGrid(QWidget *parent = nullptr);

    // View state. A real change lays out the columns again and emits viewChanged(), on which
    // the feed re-reads. Counts of 0 or less are ignored.
    ViewState viewState() const { return m_view; }
    Mode mode() const { return m_view.mode; }
    void setMode(Mode mode);
    int numberOfDays() const { return m_view.numberOfDays; }
    void setNumberOfDays(int days);
    int numberOfResources() const { return m_view.numberOfResources; }
    void setNumberOfResources(int resources);
    QDate day() const { return m_view.day; }
    void setDay(const QDate &day);

    ColumnLayout columnLayout() const { return ColumnLayout(m_view); }
    int columnCount() const { return columnLayout().columnCount(); }
    QDate PositionDay(int p) const { return columnLayout().PositionDay(p); }
    int PositionSlot(int p) const { return columnLayout().PositionSlot(p); }
    QString columnHeading(int p) const;
    QString groupHeading(int group) const;

    // Resource headings and the slots of items in the resource modes.
    const ResourceMap &resourceMap() const { return m_map; }
    void setResourceMap(const ResourceMap &map);

    const RegionalSettings &regionalSettings() const { return m_regional; }
    void setRegionalSettings(const RegionalSettings &settings);

    // Rows and shading.
    const TimeLayout &timeLayout() const { return m_time; }
    void setTimeLayout(const TimeLayout &layout);
    // Applies the display preferences and opening hours to the columns now shown.
    void ApplyTimeLayout(const TimeSettings &settings, const OpeningHours &hours);
    int DisplayScale() const { return m_displayScale; }
    void setDisplayScale(int pixels);

    // Column widths: PositionWidth 0 shares the width; otherwise fixed widths with sideways
    // scrolling, and a zoomed column PositionZoomWidth wide. Zoom lasts until the next layout.
    int PositionWidth() const { return m_positionWidth; }
    void setPositionWidth(int pixels);
    int PositionZoomWidth() const { return m_positionZoomWidth; }
    void setPositionZoomWidth(int pixels);
    // False (and nothing changes) unless 0 <= p < columns, PositionWidth > 0 and PositionZoomWidth > 0.
    bool zoomColumn(int p);
    bool unzoomColumn(int p);
    qreal columnWidth(int p) const;

    // Items of the last read; they are placed anew for every layout and time layout.
    void setItems(std::vector<AppointmentItem> items);
    void clearItems();
    const std::vector<AppointmentItem> &items() const { return m_items; }
    const std::vector<PlacedBlock> &blocks() const { return m_blocks; }

    // Selection of cells.
    int selectedPosition() const; // -1 in the time column or with nothing selected
    int selectionStartRow() const { return m_selection.startRow(); }
    int selectionEndRow() const { return m_selection.endRow(); }
    void selectCells(int p, int startRow, int endRow);
    // PositionDay(p) plus (DisplayStart + row) × DisplayUnit minutes; throws MirvoError
    // "Invalid cell coordinates" for a negative p or row.
    QDateTime cellTime(int p, int row) const;

    // Selection of a block.
    std::optional<AppointmentItem> selectedItem() const;
    QString selectedStartText() const;
    QString selectedEndText() const;
    int selectedItemCount() const { return m_selectedKey.isEmpty() ? 0 : 1; }
    void unselectAll();
    bool selectItem(const QString &key);

    // Geometry as on screen (viewport coordinates), for callers and tests.
    GridGeometry geometry() const;
    QRect cellRect(int p, int row) const;
    QRect itemRect(const QString &key) const;

    // Paints the whole view into `target`: rows share its height, columns keep their width
    // unless together wider. Used for printing; the screen goes through the same painter.
    void paintView(QPainter &painter, const QRectF &target) const;

signals:
    void viewChanged();
    void plannerPrevious();
    void plannerNext();
    void plannerRightClick(int position, int row);
    void itemRightClick(const QString &key);
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Every mouse and key input becomes one of these before anything happens.
    enum class Action
    {
        None,
        SelectCell,
        ExtendCell,
        SelectItem,
        ContextCell,
        ContextItem,
        PreviousDay,
        NextDay,
        MoveSelection,
        ExtendSelection
    };
    struct Input
    {
        Action action = Action::None;
        int position = -1;
        int row = -1;
        int item = -1;
        CellMove move = CellMove::Down;
    };
    Input interpretMouse(QEvent *event) const;
    Input interpretKey(const QKeyEvent *event) const;
    void perform(const Input &input);

    void relayout();
    void replace();
    void updateScrollBars();
    void ensureSelectionVisible();
    int itemAt(const QPointF &point) const;
    int selectedIndex() const;
    std::vector<qreal> columnWidths(int availableWidth) const;
    GridScene scene() const;

    ViewState m_view;
    ResourceMap m_map;
    RegionalSettings m_regional = RegionalSettings::system();
    TimeLayout m_time;
    int m_displayScale = 24;
    int m_positionWidth = 0;
    int m_positionZoomWidth = 0;
    std::map<int, int> m_zoomed;
    std::vector<AppointmentItem> m_items;
    std::vector<PlacedBlock> m_blocks;
    CellSelection m_selection;
    QString m_selectedKey;
    bool m_dragging = false;
    mutable BlockTextCache m_texts;
};
