#pragma once

#include "appointmentitem.h"
#include "blockplacement.h"
#include "gridgeometry.h"
#include "timelayout.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QStaticText>
#include <QStringList>
#include <vector>

class QPainter;

// The grid's fixed look.
namespace GridLook {
inline const QColor buttonFace(0xF0, 0xF0, 0xF0);
inline const QColor colorActive(Qt::white);
inline const QColor colorNonActive(0xC0, 0xC0, 0xC0); // silver
inline const QColor tooltipYellow(0xFF, 0xFF, 0xE1);
inline const QColor selection(0x99, 0xC9, 0xEF);
inline const QColor lines(0xD8, 0xD8, 0xD8);
inline const QColor headingLines(0xA0, 0xA0, 0xA0);

// 0x00BBGGRR: red in the low byte.
QColor fromColourValue(qint64 value);

// The faint speckle tiled over open cells: mostly #F7F7F7, 144 × 144 pixels.
const QImage &openCellTexture();
} // namespace GridLook

// Laid-out block texts, kept between paints of the same items (cleared when they change).
struct BlockTextCache
{
    struct Texts
    {
        QStaticText caption;
        std::vector<QStaticText> lines;
    };
    QHash<int, Texts> byItem;
};

// Everything the painter shows besides the geometry.
struct GridScene
{
    QStringList columnHeadings;
    QStringList groupHeadings; // empty without a group row
    int columnsPerGroup = 1;
    const TimeLayout *time = nullptr;
    const std::vector<AppointmentItem> *items = nullptr;
    const std::vector<PlacedBlock> *blocks = nullptr;
    QChar timeSeparator = u':';
    int selectedColumn = -1;
    int selectionStart = 0;
    int selectionEnd = 0; // the row after the last selected
    int selectedItem = -1; // index into items
    bool navigator = true;
    BlockTextCache *texts = nullptr; // optional
};

// Paints the whole grid into the area of `geometry`, with the painter's origin at its top left.
void paintGrid(QPainter &painter, const GridGeometry &geometry, const GridScene &scene);
