#include "schedule/appointmentitem.h"
#include "schedule/cellselection.h"
#include "schedule/columnlayout.h"
#include "schedule/resourcemap.h"

#include <QTest>

Q_DECLARE_METATYPE(Mode)

namespace {
ResourceMap threeResources()
{
    ResourceMap map;
    map.append(3, 0, QStringLiteral("Lift 1"));
    map.append(4, 1, QStringLiteral("Anne"));
    map.append(5, 2, ResourceMap::unknownName());
    return map;
}
} // namespace

class TestColumnLayout : public QObject
{
    Q_OBJECT

private slots:
    void positions_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("resources");
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("dayOffset");
        QTest::addColumn<int>("slot");
        QTest::newRow("days only") << Mode::dmMultiDay << 5 << 3 << 4 << 5 << 4 << 0;
        QTest::newRow("days per resource, first group") << Mode::dmMultiDayRes << 3 << 2 << 2 << 6 << 2 << 0;
        QTest::newRow("days per resource, second group") << Mode::dmMultiDayRes << 3 << 2 << 4 << 6 << 1 << 1;
        QTest::newRow("resources per day, first day") << Mode::dmMultiResDay << 3 << 2 << 1 << 6 << 0 << 1;
        QTest::newRow("resources per day, last day") << Mode::dmMultiResDay << 3 << 2 << 4 << 6 << 2 << 0;
        QTest::newRow("7 days 5 resources") << Mode::dmMultiDayRes << 7 << 5 << 34 << 35 << 6 << 4;
    }
    void positions()
    {
        QFETCH(Mode, mode);
        QFETCH(int, days);
        QFETCH(int, resources);
        QFETCH(int, p);
        QFETCH(int, dayOffset);
        QFETCH(int, slot);
        const QDate day(2024, 1, 15);
        const ColumnLayout layout({ mode, days, resources, day });
        QTEST(layout.columnCount(), "columns");
        QCOMPARE(layout.PositionDay(p), day.addDays(dayOffset));
        QCOMPARE(layout.PositionSlot(p), slot);
        // Going the other way gives the column back.
        QCOMPARE(layout.column(dayOffset, slot), p);
    }

    void columnOutsideTheLayout_data()
    {
        QTest::addColumn<int>("dayOffset");
        QTest::addColumn<int>("slot");
        QTest::newRow("day before") << -1 << 0;
        QTest::newRow("day after") << 3 << 0;
        QTest::newRow("slot past the resources") << 0 << 2;
    }
    void columnOutsideTheLayout()
    {
        QFETCH(int, dayOffset);
        QFETCH(int, slot);
        const ColumnLayout layout({ Mode::dmMultiResDay, 3, 2, QDate(2024, 1, 15) });
        QCOMPARE(layout.column(dayOffset, slot), -1);
    }

    void headings()
    {
        const ResourceMap map = threeResources();
        const ColumnLayout byResource({ Mode::dmMultiDayRes, 2, 3, QDate(2004, 1, 23) });
        QCOMPARE(byResource.groupCount(), 3);
        QCOMPARE(byResource.columnHeading(3, map, u'-'), QStringLiteral("24-01-2004"));
        QCOMPARE(byResource.groupHeading(1, map, u'-'), QStringLiteral("Anne"));
        QCOMPARE(byResource.groupHeading(2, map, u'-'), QStringLiteral("UKENDT"));

        const ColumnLayout byDay({ Mode::dmMultiResDay, 3, 2, QDate(2004, 1, 23) });
        QCOMPARE(byDay.groupCount(), 3);
        QCOMPARE(byDay.groupHeading(2, map, u'/'), QStringLiteral("25/01/2004"));
        QStringList columns;
        for (int p = 0; p < byDay.columnCount(); ++p)
            columns.append(byDay.columnHeading(p, map, u'/'));
        QCOMPARE(columns, QStringList({ "Lift 1", "Anne", "Lift 1", "Anne", "Lift 1", "Anne" }));

        const ColumnLayout daysOnly({ Mode::dmMultiDay, 5, 1, QDate(2004, 1, 23) });
        QVERIFY(!daysOnly.hasGroups());
        QCOMPARE(daysOnly.columnHeading(0, map, u'.'), QStringLiteral("23.01.2004"));
    }

    void resourceHeadingIsEmptyWithoutEntry()
    {
        const ColumnLayout byDay({ Mode::dmMultiResDay, 1, 2, QDate(2004, 1, 23) });
        ResourceMap map;
        map.append(7, 0, QStringLiteral("Bo"));
        QCOMPARE(byDay.columnHeading(1, map, u'-'), QString());
    }

    void resourceMapLookupsTakeTheFirstMatch()
    {
        ResourceMap map;
        map.append(2, 0, QStringLiteral("first"));
        map.append(2, 1, QStringLiteral("second"));
        map.append(3, 1, QStringLiteral("third"));
        QCOMPARE(map.slotOfResource(2), 0);
        QCOMPARE(map.slotOfResource(9), -1);
        QCOMPARE(map.resourceOfSlot(1), 2);
        QCOMPARE(map.nameOfSlot(1), QStringLiteral("second"));
    }

    void buildResourceMapNamesUnknownNumbers()
    {
        const auto names = [](int k) -> std::optional<QString> {
            if (k <= 4)
                return QStringLiteral("R%1").arg(k);
            return std::nullopt;
        };
        const ResourceMap map = buildResourceMap(3, 5, names);
        QCOMPARE(map.entries(),
            (std::vector<ResourceMapEntry> { { 3, 0, "R3" }, { 4, 1, "R4" }, { 5, 2, "UKENDT" } }));
        QVERIFY(buildResourceMap(2, 1, names).isEmpty());
    }

    void keyboardSelection_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("move");
        QTest::addColumn<bool>("extend");
        QTest::addColumn<int>("toColumn");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        const int up = int(CellMove::Up), down = int(CellMove::Down), left = int(CellMove::Left),
                  right = int(CellMove::Right);
        QTest::newRow("nothing selected starts at the first cell")
            << -1 << 0 << 0 << down << false << 0 << 0 << 1;
        QTest::newRow("down moves") << 1 << 4 << 4 << down << false << 1 << 5 << 6;
        QTest::newRow("shift down extends") << 1 << 4 << 5 << down << true << 1 << 4 << 7;
        QTest::newRow("shift up shrinks") << 1 << 4 << 6 << up << true << 1 << 4 << 6;
        QTest::newRow("shift up past the anchor") << 1 << 4 << 4 << up << true << 1 << 3 << 5;
        QTest::newRow("down collapses a run") << 1 << 4 << 6 << down << false << 1 << 7 << 8;
        QTest::newRow("up stops at the top") << 1 << 0 << 0 << up << false << 1 << 0 << 1;
        QTest::newRow("down stops at the bottom") << 1 << 9 << 9 << down << false << 1 << 9 << 10;
        QTest::newRow("right moves the column") << 1 << 4 << 6 << right << false << 2 << 6 << 7;
        QTest::newRow("shift right keeps one column") << 1 << 4 << 6 << right << true << 2 << 6 << 7;
        QTest::newRow("left stops at the first column") << 0 << 2 << 2 << left << false << 0 << 2 << 3;
        QTest::newRow("right stops at the last column") << 2 << 2 << 2 << right << false << 2 << 2 << 3;
    }
    void keyboardSelection()
    {
        QFETCH(int, column);
        QFETCH(int, anchor);
        QFETCH(int, cursor);
        QFETCH(int, move);
        QFETCH(bool, extend);
        const CellSelection next = moveSelection({ column, anchor, cursor }, CellMove(move), extend, 3, 10);
        QTEST(next.column, "toColumn");
        QTEST(next.startRow(), "start");
        QTEST(next.endRow(), "end");
    }

    void blockTimeText_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("morning") << QTime(8, 5) << ":"
                                 << "8:05";
        QTest::newRow("midnight") << QTime(0, 0) << ":"
                                  << "0:00";
        QTest::newRow("afternoon, dot") << QTime(16, 30) << "."
                                        << "16.30";
    }
    void blockTimeText()
    {
        QFETCH(QTime, time);
        QFETCH(QString, separator);
        QTEST(::blockTimeText(QDateTime(QDate(2024, 1, 15), time), separator.at(0)), "expected");
    }
};

QTEST_GUILESS_MAIN(TestColumnLayout)
#include "tst_columnlayout.moc"
