#include "data/connection.h"
#include "data/schedulerange.h"
#include "data/sqlerror.h"
#include "data/sqlvalues.h"
#include "schedule/dayschedulefeed.h"
#include "schedule/plannergrid.h"
#include "testsupport/testdatabase.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {

const QDate monday(2024, 1, 15);

void insertRow(QSqlDatabase db, const QString &key, const QDateTime &start, const QDateTime &end, int mek,
    const QVariant &colour = 255)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO Schedules (KEYFIELD, STARTTIME, ENDTIME, SUBJECT, NOTES, COLOR, "
                             "MEK) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(key);
    q.addBindValue(toSqlDateTime(start));
    q.addBindValue(toSqlDateTime(end));
    q.addBindValue(QStringLiteral("Emne ") + key);
    q.addBindValue(QStringLiteral("linje 1\r\nlinje 2\r\n"));
    q.addBindValue(colour);
    q.addBindValue(mek);
    execOrThrow(q);
}

QDateTime at(int dayOffset, int hour, int minute = 0)
{
    return QDateTime(monday.addDays(dayOffset), QTime(hour, minute));
}

QStringList shownKeys(const PlannerGrid &grid)
{
    QStringList keys;
    for (const PlacedBlock &b : grid.blocks())
        keys.append(grid.items()[b.item].key);
    keys.sort();
    return keys;
}

} // namespace

class TestDayScheduleFeed : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> database;
    std::unique_ptr<Connection> connection;

private slots:
    void init()
    {
        database = std::make_unique<TestDatabase>();
        connection = std::make_unique<Connection>();
        connection->openSqliteFile(database->path());
        QSqlDatabase db = connection->database();
        insertRow(db, "a-mon", at(0, 9), at(0, 10), 3);
        insertRow(db, "b-tue", at(1, 9), at(1, 10), 4);
        insertRow(db, "c-night", at(-1, 22), at(0, 9), 3);
        insertRow(db, "d-long", at(-10, 9), at(1, 10), 4);
        insertRow(db, "e-before", at(-3, 9), at(-3, 10), 3);
        insertRow(db, "f-after", at(3, 9), at(3, 10), 3);
        insertRow(db, "g-other", at(0, 9), at(0, 10), 6);
        insertRow(db, "h-nocolour", at(2, 12), at(2, 13), 5, QVariant());
    }
    void cleanup()
    {
        connection.reset();
        database.reset();
    }

    void readsTheShownDaysOfTheWindow()
    {
        // GIVEN resources 3..5 shown as three groups of three days from Monday
        PlannerGrid grid;
        grid.setMode(Mode::dmMultiDayRes);
        grid.setNumberOfDays(3);
        grid.setNumberOfResources(3);
        grid.setDay(monday);
        grid.ApplyTimeLayout({ 30, 16, 47 }, LoadOpeningHours({}, false));
        DayScheduleFeed feed(&grid);
        feed.setDatabase(connection->database());
        feed.setResourceWindow(3, 5);
        ResourceMap map;
        map.append(3, 0, "Lift 1");
        map.append(4, 1, "Anne");
        map.append(5, 2, "UKENDT");
        feed.setResourceMap(map);
        QSignalSpy read(&feed, &DayScheduleFeed::itemsRead);

        // WHEN the feed is switched on
        feed.setActive(true);

        // THEN it read once and shows the rows of the window that overlap the three days
        QCOMPARE(read.size(), 1);
        QCOMPARE(
            shownKeys(grid), QStringList({ "a-mon", "b-tue", "c-night", "d-long", "d-long", "h-nocolour" }));
        QCOMPARE(grid.groupHeading(1), QStringLiteral("Anne"));
        for (const PlacedBlock &b : grid.blocks()) {
            const AppointmentItem &item = grid.items()[b.item];
            if (item.key == "b-tue") {
                QCOMPARE(b.column, 1 + 1 * 3);
                QCOMPARE(item.text, QStringList({ "linje 1", "linje 2" }));
                QCOMPARE(item.colour, 255);
            }
            if (item.key == "h-nocolour") {
                QCOMPARE(b.column, 2 + 2 * 3);
                QCOMPARE(item.colour, 0);
            }
            if (item.key == "c-night")
                QCOMPARE(b.startMinute, 8 * 60);
            if (item.key == "d-long")
                QVERIFY(b.bar);
        }

        // WHEN the day moves on, it re-reads by itself
        grid.setDay(monday.addDays(2));
        QCOMPARE(read.size(), 2);
        QCOMPARE(shownKeys(grid), QStringList({ "f-after", "h-nocolour" }));

        // WHEN it is switched off, the grid is empty and stays so
        feed.setActive(false);
        grid.setDay(monday);
        QVERIFY(grid.blocks().empty());
        QCOMPARE(read.size(), 2);
    }

    void rereadShowsARowWrittenThroughASecondConnection()
    {
        PlannerGrid grid;
        grid.setDay(monday);
        DayScheduleFeed feed(&grid);
        feed.setDatabase(connection->database());
        feed.setResourceWindow(3, 3);
        feed.setActive(true);
        QCOMPARE(shownKeys(grid), QStringList({ "a-mon", "c-night", "f-after" }));

        {
            // Another copy of the program saves an appointment.
            Connection other;
            other.openSqliteFile(database->path());
            insertRow(other.database(), "z-other-copy", at(4, 11), at(4, 12), 3);
        }
        feed.reread();
        QCOMPARE(shownKeys(grid), QStringList({ "a-mon", "c-night", "f-after", "z-other-copy" }));
    }

    void readingGoesThroughTheIndexes()
    {
        const QStringList plan = scheduleRangePlan(connection->database(), 0, 4, at(0, 0), at(7, 0));
        QVERIFY(!plan.isEmpty());
        int searches = 0;
        for (const QString &step : plan) {
            QVERIFY2(!step.startsWith(QLatin1String("SCAN Schedules")), qPrintable(plan.join('\n')));
            if (step.contains(QLatin1String("SEARCH Schedules USING INDEX")))
                ++searches;
        }
        QVERIFY2(plan.join('\n').contains(QLatin1String("SchedulesMekStart")), qPrintable(plan.join('\n')));
        QVERIFY2(plan.join('\n').contains(QLatin1String("SchedulesMekEnd")), qPrintable(plan.join('\n')));
        QCOMPARE(searches, 2);
    }

    void wholeWindowBaselineReadsEveryRow()
    {
        QCOMPARE(readScheduleWindow(connection->database(), 3, 5).size(), std::size_t(7));
    }
};

QTEST_MAIN(TestDayScheduleFeed)
#include "tst_dayschedulefeed.moc"
