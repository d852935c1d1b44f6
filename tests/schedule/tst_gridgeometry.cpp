#include "schedule/gridgeometry.h"

#include <QTest>

class TestGridGeometry : public QObject
{
    Q_OBJECT

private slots:
    void columnWidths_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("positionWidth");
        QTest::addColumn<int>("available");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        // Automatic: (available - 40 time column - 1 border) / columns, whole pixels.
        QTest::newRow("auto, 5 columns") << 5 << 0 << 541 << 100 << 100;
        QTest::newRow("auto, rounds down") << 3 << 0 << 541 << 166 << 166;
        QTest::newRow("auto, 35 columns") << 35 << 0 << 741 << 20 << 20;
        QTest::newRow("fixed, second zoomed") << 5 << 80 << 300 << 80 << 200;
    }
    void columnWidths()
    {
        QFETCH(int, columns);
        QFETCH(int, positionWidth);
        QFETCH(int, available);
        const std::vector<qreal> widths
            = GridGeometry::columnWidths(columns, positionWidth, { { 1, 200 } }, available);
        QCOMPARE(int(widths.size()), columns);
        QTEST(int(widths[0]), "first");
        QTEST(int(widths[1]), "second");
    }

    void hitTest_data()
    {
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("row");
        // Two heading rows (80 px), columns 100 px from x 40, rows 20 px, scrolled by (50, 30).
        QTest::newRow("previous button") << QPointF(5, 60) << int(GridGeometry::Hit::Previous) << -1 << -1;
        QTest::newRow("next button") << QPointF(395, 60) << int(GridGeometry::Hit::Next) << -1 << -1;
        QTest::newRow("group heading") << QPointF(200, 10) << int(GridGeometry::Hit::Heading) << 2 << -1;
        QTest::newRow("time column") << QPointF(20, 85) << int(GridGeometry::Hit::TimeColumn) << -1 << 1;
        QTest::newRow("first visible cell") << QPointF(41, 81) << int(GridGeometry::Hit::Cell) << 0 << 1;
        QTest::newRow("column edge") << QPointF(90, 109) << int(GridGeometry::Hit::Cell) << 1 << 2;
        QTest::newRow("below the last row")
            << QPointF(200, 299) << int(GridGeometry::Hit::Outside) << 2 << -1;
    }
    void hitTest()
    {
        QFETCH(QPointF, point);
        const GridGeometry g({ 100, 100, 100, 100 }, 10, 20, true, QSizeF(400, 300), QPointF(50, 30));
        const GridGeometry::Hit hit = g.hitTest(point);
        QTEST(int(hit.area), "area");
        QTEST(hit.position, "position");
        QTEST(hit.row, "row");
    }

    void blockRectangles_data()
    {
        QTest::addColumn<int>("lane");
        QTest::addColumn<int>("lanes");
        QTest::addColumn<int>("span");
        QTest::addColumn<QRectF>("expected");
        // Column 1 at x 140, 100 wide: 89 px for blocks beside the 11-px gap. Rows of
        // 30 minutes, 20 px, from 08:00; block 09:00-10:00.
        QTest::newRow("alone reaches the gap") << 0 << 1 << 1 << QRectF(140, 80, 89, 40);
        QTest::newRow("second of two") << 1 << 2 << 1 << QRectF(184.5, 80, 44.5, 40);
        QTest::newRow("first of three spanning two") << 0 << 3 << 2 << QRectF(140, 80, 89 * 2 / 3.0, 40);
    }
    void blockRectangles()
    {
        QFETCH(int, lane);
        QFETCH(int, lanes);
        QFETCH(int, span);
        QFETCH(QRectF, expected);
        TimeLayout time;
        time.displayStart = 16;
        const GridGeometry g({ 100, 100 }, 32, 20, false, QSizeF(400, 300));
        PlacedBlock block;
        block.column = 1;
        block.startMinute = 540;
        block.endMinute = 600;
        block.lane = lane;
        block.laneCount = lanes;
        block.laneSpan = span;
        const QRectF r = g.blockRect(block, time);
        QCOMPARE(r.left(), expected.left());
        QCOMPARE(r.top(), expected.top());
        QCOMPARE(r.width(), expected.width());
        QCOMPARE(r.height(), expected.height());
    }

    void pageFitsRowsAndNarrowsWideColumns()
    {
        const GridGeometry page = GridGeometry::forPage({ 300, 300, 300 }, 20, false, QSizeF(641, 841));
        QCOMPARE(page.rowHeight(), 40.0);
        QCOMPARE(page.columnWidth(0), 200.0);
        const GridGeometry narrow = GridGeometry::forPage({ 100, 100 }, 20, true, QSizeF(641, 881));
        QCOMPARE(narrow.columnWidth(1), 100.0);
        QCOMPARE(narrow.rowY(20), 880.0);
    }
};

QTEST_GUILESS_MAIN(TestGridGeometry)
#include "tst_gridgeometry.moc"
