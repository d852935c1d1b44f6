#include "schedule/blockplacement.h"

#include <QTest>

Q_DECLARE_METATYPE(Mode)

namespace {

const QDate monday(2024, 1, 15);

AppointmentItem item(const QDateTime &start, const QDateTime &end, int resource = 0)
{
    AppointmentItem a;
    a.key = QStringLiteral("k");
    a.start = start;
    a.end = end;
    a.resource = resource;
    return a;
}

QDateTime at(int dayOffset, int hour, int minute = 0)
{
    return QDateTime(monday.addDays(dayOffset), QTime(hour, minute));
}

// Rows of 30 minutes from 08:00 (slot 16) to the row starting 17:30 (slot 35).
TimeLayout eightToSix()
{
    TimeLayout t;
    t.displayStart = 16;
    t.displayEnd = 35;
    t.displayUnit = 30;
    return t;
}

ResourceMap resourcesThreeToFive()
{
    ResourceMap map;
    map.append(3, 0, "A");
    map.append(4, 1, "B");
    map.append(5, 2, "UKENDT");
    return map;
}

} // namespace

class TestBlockPlacement : public QObject
{
    Q_OBJECT

private slots:
    void visibility_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("startMinute");
        QTest::addColumn<int>("endMinute");
        QTest::newRow("before the first visible time") << at(0, 6) << at(0, 7) << false << 0 << 0;
        QTest::newRow("ends where the grid starts") << at(0, 7) << at(0, 8) << false << 0 << 0;
        QTest::newRow("reaches into the first row") << at(0, 7, 30) << at(0, 8, 30) << true << 480 << 510;
        QTest::newRow("starts in the last row") << at(0, 17, 30) << at(0, 18, 30) << true << 1050 << 1080;
        QTest::newRow("starts after the last row") << at(0, 17, 31) << at(0, 18, 30) << false << 0 << 0;
        QTest::newRow("day before the view") << at(-1, 9) << at(-1, 10) << false << 0 << 0;
        QTest::newRow("day after the view") << at(5, 9) << at(5, 10) << false << 0 << 0;
        QTest::newRow("day after, before visible time") << at(5, 6) << at(5, 7) << false << 0 << 0;
        QTest::newRow("last shown day") << at(4, 9) << at(4, 10) << true << 540 << 600;
        QTest::newRow("from the night before into the first day")
            << at(-1, 22) << at(0, 9) << true << 480 << 540;
        QTest::newRow("past midnight keeps its start day") << at(2, 17) << at(3, 1) << true << 1020 << 1080;
    }
    void visibility()
    {
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(bool, shown);
        const std::vector<PlacedBlock> blocks
            = placeBlocks({ item(start, end) }, { Mode::dmMultiDay, 5, 1, monday }, {}, eightToSix());
        QCOMPARE(blocks.size(), std::size_t(shown ? 1 : 0));
        if (shown) {
            QVERIFY(!blocks[0].bar);
            QTEST(blocks[0].startMinute, "startMinute");
            QTEST(blocks[0].endMinute, "endMinute");
            QCOMPARE(blocks[0].column, int(qMax<qint64>(0, monday.daysTo(start.date()))));
        }
    }

    void columnPerMode_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("withMap");
        QTest::addColumn<int>("resource");
        QTest::addColumn<int>("column"); // -1: not shown
        // Day offset 2 throughout; 3 days, 3 resources.
        QTest::newRow("days only ignores the resource") << Mode::dmMultiDay << true << 9 << 2;
        QTest::newRow("days per resource, second slot") << Mode::dmMultiDayRes << true << 4 << 5;
        QTest::newRow("resources per day, second slot") << Mode::dmMultiResDay << true << 4 << 7;
        QTest::newRow("resource without entry is left out") << Mode::dmMultiDayRes << true << 6 << -1;
        QTest::newRow("empty map takes the number as slot") << Mode::dmMultiDayRes << false << 1 << 5;
        QTest::newRow("empty map, number past the slots") << Mode::dmMultiDayRes << false << 4 << -1;
    }
    void columnPerMode()
    {
        QFETCH(Mode, mode);
        QFETCH(bool, withMap);
        QFETCH(int, resource);
        QFETCH(int, column);
        const ResourceMap map = withMap ? resourcesThreeToFive() : ResourceMap();
        const std::vector<PlacedBlock> blocks
            = placeBlocks({ item(at(2, 9), at(2, 10), resource) }, { mode, 3, 3, monday }, map, eightToSix());
        if (column < 0) {
            QVERIFY(blocks.empty());
        } else {
            QCOMPARE(blocks.size(), std::size_t(1));
            QCOMPARE(blocks[0].column, column);
        }
    }

    void longRowsBecomeBarsInEachShownDay()
    {
        // From the day before the view to the third day: bars in columns 0, 1 and 2.
        const std::vector<PlacedBlock> blocks = placeBlocks(
            { item(at(-1, 9), at(2, 10)) }, { Mode::dmMultiDay, 5, 1, monday }, {}, eightToSix());
        std::vector<int> columns;
        for (const PlacedBlock &b : blocks) {
            QVERIFY(b.bar);
            columns.push_back(b.column);
        }
        QCOMPARE(columns, (std::vector<int> { 0, 1, 2 }));
    }

    void barsInResourceModeFollowTheirSlot()
    {
        const std::vector<PlacedBlock> blocks = placeBlocks({ item(at(0, 9), at(3, 10), 4) },
            { Mode::dmMultiResDay, 2, 3, monday }, resourcesThreeToFive(), eightToSix());
        std::vector<int> columns;
        for (const PlacedBlock &b : blocks)
            columns.push_back(b.column);
        QCOMPARE(columns, (std::vector<int> { 1, 4 }));
    }

    void lanes_data()
    {
        QTest::addColumn<QList<QList<int>>>("intervals"); // column, start, end
        QTest::addColumn<QList<QList<int>>>("expected"); // lane, laneCount, span
        QTest::newRow("alone") << QList<QList<int>> { { 0, 60, 120 } } << QList<QList<int>> { { 0, 1, 1 } };
        QTest::newRow("touching end to start does not overlap") << QList<QList<int>> { { 0, 60, 120 },
            { 0, 120, 180 } } << QList<QList<int>> { { 0, 1, 1 }, { 0, 1, 1 } };
        QTest::newRow("two overlapping") << QList<QList<int>> { { 0, 60, 120 }, { 0, 90, 150 } }
                                         << QList<QList<int>> { { 0, 2, 1 }, { 1, 2, 1 } };
        QTest::newRow("chain of three shares two lanes") << QList<QList<int>> { { 0, 0, 60 }, { 0, 30, 90 },
            { 0, 60, 120 } } << QList<QList<int>> { { 0, 2, 1 }, { 1, 2, 1 }, { 0, 2, 1 } };
        QTest::newRow("chain of four reuses both lanes")
            << QList<QList<int>> { { 0, 0, 60 }, { 0, 30, 90 }, { 0, 60, 120 }, { 0, 100, 130 } }
            << QList<QList<int>> { { 0, 2, 1 }, { 1, 2, 1 }, { 0, 2, 1 }, { 1, 2, 1 } };
        QTest::newRow("nested inside a long block") << QList<QList<int>> { { 0, 0, 240 }, { 0, 30, 60 },
            { 0, 90, 120 } } << QList<QList<int>> { { 0, 2, 1 }, { 1, 2, 1 }, { 1, 2, 1 } };
        QTest::newRow("three at once, third lane") << QList<QList<int>> { { 0, 0, 120 }, { 0, 0, 60 },
            { 0, 30, 90 } } << QList<QList<int>> { { 0, 3, 1 }, { 1, 3, 1 }, { 2, 3, 1 } };
        QTest::newRow("freed first lane is reused and spans to the edge")
            << QList<QList<int>> { { 0, 0, 60 }, { 0, 30, 150 }, { 0, 40, 70 }, { 0, 80, 100 } }
            << QList<QList<int>> { { 0, 3, 1 }, { 1, 3, 1 }, { 2, 3, 1 }, { 0, 3, 1 } };
        QTest::newRow("left block extends over an empty right lane")
            << QList<QList<int>> { { 0, 0, 100 }, { 0, 10, 40 }, { 0, 20, 30 }, { 0, 50, 60 } }
            << QList<QList<int>> { { 0, 3, 1 }, { 1, 3, 1 }, { 2, 3, 1 }, { 1, 3, 2 } };
        QTest::newRow("a later group does not narrow") << QList<QList<int>> { { 0, 0, 60 }, { 0, 30, 90 },
            { 0, 200, 260 } } << QList<QList<int>> { { 0, 2, 1 }, { 1, 2, 1 }, { 0, 1, 1 } };
        QTest::newRow("other columns are apart") << QList<QList<int>> { { 0, 0, 60 }, { 1, 30, 90 } }
                                                 << QList<QList<int>> { { 0, 1, 1 }, { 0, 1, 1 } };
    }
    void lanes()
    {
        QFETCH(QList<QList<int>>, intervals);
        QFETCH(QList<QList<int>>, expected);
        std::vector<LaneInterval> input;
        for (const QList<int> &v : intervals)
            input.push_back({ v[0], v[1], v[2] });
        const std::vector<LanePlace> places = assignLanes(input);
        QList<QList<int>> actual;
        for (const LanePlace &p : places)
            actual.append({ p.lane, p.laneCount, p.span });
        QCOMPARE(actual, expected);
    }

    void lanesFollowTheVisibleRows()
    {
        // Cut to the visible rows from 08:00, the third overlaps only the first.
        const std::vector<PlacedBlock> blocks = placeBlocks(
            { item(at(0, 6), at(0, 9)), item(at(0, 7), at(0, 8, 30)), item(at(0, 8, 30), at(0, 10)) },
            { Mode::dmMultiDay, 1, 1, monday }, {}, eightToSix());
        QCOMPARE(blocks.size(), std::size_t(3));
        QCOMPARE(blocks[0].laneCount, 2);
        QCOMPARE(blocks[2].lane, 1);
        QCOMPARE(blocks[2].laneSpan, 1);
    }
};

QTEST_GUILESS_MAIN(TestBlockPlacement)
#include "tst_blockplacement.moc"
