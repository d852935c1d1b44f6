#include "gridpainter.h"

#include <QFontMetrics>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

namespace GridLook {

QColor fromColourValue(qint64 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

const QImage &openCellTexture()
{
    static const QImage texture = [] {
        QImage image(144, 144, QImage::Format_RGB32);
        image.fill(QColor(0xF7, 0xF7, 0xF7));
        // A fixed pseudo-random speckle, the same on every run.
        quint32 seed = 0x2545F491u;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                const quint32 r = seed >> 24;
                if (r < 10)
                    image.setPixel(x, y, qRgb(0xEE, 0xEE, 0xEE));
                else if (r > 245)
                    image.setPixel(x, y, qRgb(0xFF, 0xFF, 0xFF));
            }
        }
        return image;
    }();
    return texture;
}

} // namespace GridLook

namespace {

constexpr int shadeBands = 64;

// The 64 bands from the appointment's colour down to the button face, one pixel each;
// drawn scaled without smoothing they stay hard bands.
const QImage &bandImage(qint64 colour)
{
    static QHash<qint64, QImage> cache;
    auto it = cache.find(colour);
    if (it != cache.end())
        return *it;
    const QColor from = GridLook::fromColourValue(colour);
    const QColor to = GridLook::buttonFace;
    QImage image(1, shadeBands, QImage::Format_RGB32);
    for (int i = 0; i < shadeBands; ++i) {
        const qreal t = qreal(i) / (shadeBands - 1);
        image.setPixel(0, i,
            qRgb(int(from.red() + (to.red() - from.red()) * t),
                int(from.green() + (to.green() - from.green()) * t),
                int(from.blue() + (to.blue() - from.blue()) * t)));
    }
    return *cache.insert(colour, image);
}

QFont arial(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

void paintCells(QPainter &painter, const GridGeometry &g, const GridScene &scene)
{
    const QRectF body = g.bodyArea();
    const TimeLayout &time = *scene.time;
    const auto [firstColumn, lastColumn] = g.visibleColumns();
    const int rows = g.rowCount();
    const QBrush texture(GridLook::openCellTexture());
    // Space right of the last column (fixed widths on a wide grid) is no cell at all.
    const qreal columnsRight = std::min(body.right(), g.columnX(g.columnCount()));
    painter.fillRect(QRectF(body.left(), body.top(), columnsRight - body.left(), body.height()),
        GridLook::colorNonActive);
    if (columnsRight < body.right())
        painter.fillRect(QRectF(columnsRight, body.top(), body.right() - columnsRight, body.height()),
            GridLook::buttonFace);
    // Tiled from one origin, the texture runs on across columns.
    painter.setBrushOrigin(g.columnX(0), g.rowY(0));
    for (int p = firstColumn; p <= lastColumn; ++p) {
        const int open = std::clamp(time.ActiveStart(p), 0, rows);
        const int close = std::clamp(time.ActiveEnd(p), 0, rows);
        if (open < close) {
            const QRectF r(g.columnX(p), g.rowY(open), g.columnWidth(p), g.rowY(close) - g.rowY(open));
            painter.fillRect(r, texture);
        }
        if (p == scene.selectedColumn && scene.selectionStart < scene.selectionEnd) {
            const int from = std::clamp(scene.selectionStart, 0, rows);
            const int to = std::clamp(scene.selectionEnd, 0, rows);
            painter.fillRect(QRectF(g.columnX(p), g.rowY(from), g.columnWidth(p), g.rowY(to) - g.rowY(from)),
                GridLook::selection);
        }
    }
    painter.setBrushOrigin(0, 0);

    const auto [firstRow, lastRow] = g.visibleRows();
    QVector<QLineF> lines;
    lines.reserve((lastRow - firstRow + 2) + (lastColumn - firstColumn + 2));
    const qreal right = std::min(body.right(), g.columnX(g.columnCount()));
    const qreal bottom = std::min(body.bottom(), g.rowY(rows));
    for (int r = firstRow; r <= lastRow + 1; ++r)
        lines.append(QLineF(body.left(), g.rowY(r) - 0.5, right, g.rowY(r) - 0.5));
    for (int p = firstColumn; p <= lastColumn + 1; ++p)
        lines.append(QLineF(g.columnX(p) - 0.5, body.top(), g.columnX(p) - 0.5, bottom));
    painter.setPen(QPen(GridLook::lines, 0));
    painter.drawLines(lines);
}

BlockTextCache::Texts layOut(const AppointmentItem &item, const QFont &captionFont, const QFont &bodyFont)
{
    BlockTextCache::Texts texts;
    texts.caption.setTextFormat(Qt::PlainText);
    texts.caption.setText(item.caption);
    texts.caption.prepare(QTransform(), captionFont);
    for (const QString &line : item.text) {
        QStaticText text(line);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), bodyFont);
        texts.lines.push_back(text);
    }
    return texts;
}

void paintBlock(QPainter &painter, const QRectF &rect, const AppointmentItem &item, bool selected,
    const BlockTextCache::Texts &texts, const QFont &captionFont, const QFont &bodyFont, qreal captionHeight)
{
    const QRectF r = rect.adjusted(0, 0, -1, -1);
    const qreal barBottom = std::min(r.bottom(), r.top() + captionHeight);
    const QRectF caption(r.left(), r.top(), r.width(), barBottom - r.top());
    const QRectF body(r.left(), barBottom, r.width(), r.bottom() - barBottom);
    painter.fillRect(caption, Qt::white);
    if (body.height() > 0) {
        if (selected)
            painter.fillRect(body, GridLook::tooltipYellow);
        else
            painter.drawImage(body, bandImage(item.colour));
    }
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r);
    if (r.width() < 6)
        return;

    // Clip only when some text would run over the block's edge: clipping every block costs.
    const QRectF inner = r.adjusted(2, 0, -1, 0);
    bool clip = texts.caption.size().width() > inner.width() || texts.caption.size().height() > r.height();
    qreal y = body.top() + 1;
    int lines = 0;
    for (const QStaticText &line : texts.lines) {
        if (y >= r.bottom())
            break;
        clip = clip || line.size().width() > inner.width() - 1 || y + line.size().height() > r.bottom();
        y += line.size().height();
        ++lines;
    }
    if (clip) {
        painter.save();
        painter.setClipRect(inner, Qt::IntersectClip);
    }
    painter.setPen(selected ? QColor(Qt::red) : QColor(Qt::black));
    painter.setFont(captionFont);
    const qreal captionWidth = texts.caption.size().width();
    const qreal captionX
        = captionWidth < inner.width() ? inner.center().x() - captionWidth / 2 : inner.left();
    painter.drawStaticText(
        QPointF(captionX, caption.center().y() - texts.caption.size().height() / 2), texts.caption);
    painter.setFont(bodyFont);
    y = body.top() + 1;
    for (int i = 0; i < lines; ++i) {
        painter.drawStaticText(QPointF(inner.left() + 1, y), texts.lines[i]);
        y += texts.lines[i].size().height();
    }
    if (clip)
        painter.restore();
}

void paintBlocks(QPainter &painter, const GridGeometry &g, const GridScene &scene)
{
    if (!scene.blocks || !scene.items)
        return;
    const QFont captionFont = arial(8, true);
    const QFont bodyFont = arial(8);
    const qreal captionHeight = QFontMetricsF(captionFont).height() + 2;
    const QRectF body = g.bodyArea();
    BlockTextCache local;
    BlockTextCache &cache = scene.texts ? *scene.texts : local;
    painter.save();
    painter.setClipRect(body);
    for (const PlacedBlock &block : *scene.blocks) {
        if (block.bar)
            continue;
        const QRectF rect = g.blockRect(block, *scene.time);
        if (!rect.intersects(body))
            continue;
        const AppointmentItem &item = (*scene.items)[block.item];
        auto texts = cache.byItem.find(block.item);
        if (texts == cache.byItem.end())
            texts = cache.byItem.insert(block.item, layOut(item, captionFont, bodyFont));
        paintBlock(painter, rect, item, block.item == scene.selectedItem, *texts, captionFont, bodyFont,
            captionHeight);
    }
    painter.restore();
}

// A heading in 10-point Arial; narrow columns take it smaller, down to 6 points, so the
// whole date stays readable before it has to be cut.
void drawHeading(QPainter &painter, const QRectF &r, const QString &text)
{
    QFont font = arial(10);
    for (int size = 10;
         size > 6 && QFontMetricsF(font, painter.device()).horizontalAdvance(text) > r.width() - 2;)
        font.setPointSize(--size);
    painter.setFont(font);
    painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, text);
}

void paintHeadings(QPainter &painter, const GridGeometry &g, const GridScene &scene)
{
    const qreal height = g.headingHeight();
    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, GridLook::buttonFace);
    shade.setColorAt(1, Qt::white);
    painter.fillRect(QRectF(0, 0, g.area().width(), height), shade);

    painter.save();
    painter.setClipRect(QRectF(GridGeometry::timeColumnWidth, 0, g.area().width(), height));
    painter.setFont(arial(10));
    painter.setPen(QPen(GridLook::headingLines, 0));
    const auto [first, last] = g.visibleColumns();
    for (int p = first; p <= last; ++p) {
        const QRectF r = g.columnHeadingRect(p);
        painter.setPen(QPen(GridLook::headingLines, 0));
        painter.drawLine(QLineF(r.left() - 0.5, r.top(), r.left() - 0.5, r.bottom()));
        painter.setPen(Qt::black);
        drawHeading(painter, r, scene.columnHeadings.value(p));
    }
    if (!scene.groupHeadings.isEmpty()) {
        for (int group = 0; group < scene.groupHeadings.size(); ++group) {
            const QRectF r = g.groupHeadingRect(group * scene.columnsPerGroup, scene.columnsPerGroup);
            if (r.right() < GridGeometry::timeColumnWidth || r.left() > g.area().width())
                continue;
            painter.setPen(QPen(GridLook::headingLines, 0));
            painter.drawLine(QLineF(r.left() - 0.5, r.top(), r.left() - 0.5, r.bottom()));
            painter.setPen(Qt::black);
            drawHeading(painter, r, scene.groupHeadings.at(group));
        }
        painter.setPen(QPen(GridLook::headingLines, 0));
        painter.drawLine(QLineF(
            0, GridGeometry::headingRowHeight - 0.5, g.area().width(), GridGeometry::headingRowHeight - 0.5));
    }
    // Bars of appointments longer than a day.
    if (scene.blocks && scene.items) {
        painter.setFont(arial(7));
        for (const PlacedBlock &block : *scene.blocks) {
            if (!block.bar)
                continue;
            const AppointmentItem &item = (*scene.items)[block.item];
            const QRectF r = g.blockRect(block, *scene.time);
            painter.fillRect(r,
                block.item == scene.selectedItem ? GridLook::tooltipYellow
                                                 : GridLook::fromColourValue(item.colour));
            painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
            painter.drawRect(r);
        }
    }
    painter.restore();
    painter.setPen(QPen(GridLook::headingLines, 0));
    painter.drawLine(QLineF(0, height - 0.5, g.area().width(), height - 0.5));
}

void paintTimeColumn(QPainter &painter, const GridGeometry &g, const GridScene &scene)
{
    const QRectF column(0, g.headingHeight(), GridGeometry::timeColumnWidth, g.bodyArea().height());
    painter.fillRect(column, GridLook::buttonFace);
    painter.save();
    painter.setClipRect(column);
    const QFont font = arial(8);
    painter.setFont(font);
    const qreal textHeight = QFontMetricsF(font).height();
    const TimeLayout &time = *scene.time;
    // Label every row when there is room, otherwise the rows that start a full hour or more.
    int step = 1;
    while (step * g.rowHeight() < textHeight && step < 1440)
        ++step;
    const auto [first, last] = g.visibleRows();
    painter.setPen(QPen(GridLook::headingLines, 0));
    for (int r = first; r <= last; ++r) {
        const int minute = (time.displayStart + r) * time.displayUnit;
        const bool label = step == 1 || (minute % 60 == 0 && step * time.displayUnit <= 60)
            || (step * time.displayUnit > 60 && minute % (((step * time.displayUnit + 59) / 60) * 60) == 0);
        if (!label)
            continue;
        const QRectF cell = g.timeLabelRect(r);
        painter.setPen(QPen(GridLook::headingLines, 0));
        painter.drawLine(QLineF(4, cell.top() - 0.5, cell.right(), cell.top() - 0.5));
        painter.setPen(Qt::black);
        const QString text = QStringLiteral("%1%2%3")
                                 .arg((minute / 60) % 24, 2, 10, QLatin1Char('0'))
                                 .arg(scene.timeSeparator)
                                 .arg(minute % 60, 2, 10, QLatin1Char('0'));
        painter.drawText(QRectF(0, cell.top(), GridGeometry::timeColumnWidth - 3, textHeight + 2),
            Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    painter.restore();
    painter.setPen(QPen(GridLook::headingLines, 0));
    painter.drawLine(QLineF(
        GridGeometry::timeColumnWidth - 0.5, 0, GridGeometry::timeColumnWidth - 0.5, g.area().height()));
}

void paintNavigator(QPainter &painter, const GridGeometry &g)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x40, 0x40, 0x40));
    const QRectF prev = g.previousButtonRect();
    const QPointF pc = prev.center();
    painter.drawPolygon(QPolygonF({ pc + QPointF(-4, 0), pc + QPointF(3, -5), pc + QPointF(3, 5) }));
    const QRectF next = g.nextButtonRect();
    painter.fillRect(next, GridLook::buttonFace);
    const QPointF nc = next.center();
    painter.drawPolygon(QPolygonF({ nc + QPointF(4, 0), nc + QPointF(-3, -5), nc + QPointF(-3, 5) }));
    painter.restore();
}

} // namespace

void paintGrid(QPainter &painter, const GridGeometry &geometry, const GridScene &scene)
{
    painter.save();
    painter.setClipRect(QRectF(QPointF(0, 0), geometry.area()));
    painter.fillRect(QRectF(QPointF(0, 0), geometry.area()), Qt::white);
    painter.save();
    painter.setClipRect(geometry.bodyArea());
    paintCells(painter, geometry, scene);
    painter.restore();
    paintBlocks(painter, geometry, scene);
    paintTimeColumn(painter, geometry, scene);
    paintHeadings(painter, geometry, scene);
    if (scene.navigator)
        paintNavigator(painter, geometry);
    painter.restore();
}
