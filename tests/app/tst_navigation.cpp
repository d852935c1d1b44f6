#include "data/appointmentquery.h"
#include "data/resourcequery.h"
#include "runningprogram.h"
#include "schedule/monthcalendar.h"
#include "schedule/plannergrid.h"
#include "testsupport/messagerecorder.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

QString windowText(RunningProgram &program)
{
    const AppointmentQuery *q = program.window().appointmentQuery();
    return QStringLiteral("%1..%2").arg(q->minMek()).arg(q->maxMek());
}

MonthCalendar *calendar(RunningProgram &program, int number)
{
    return program.control<MonthCalendar>(QStringLiteral("Calender%1").arg(number));
}

QTableView *dayTable(MonthCalendar *c)
{
    return c->findChild<QTableView *>();
}

// The cell of `day`, of the shown month when `shownMonth`, else of the month before or after
// (those cells are left blank).
QRect dayCell(MonthCalendar *c, int day, bool shownMonth = true)
{
    QTableView *view = dayTable(c);
    QAbstractItemModel *model = view->model();
    int firsts = 0; // day 1 starts the shown month, the next day 1 the month after
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            bool isNumber = false;
            const int number = index.data().toInt(&isNumber);
            if (!isNumber)
                continue;
            if (number == 1)
                ++firsts;
            if (number == day && (firsts == 1) == shownMonth)
                return view->visualRect(index);
        }
    }
    qWarning("no cell shows day %d", day);
    return {};
}

// Clicks a day of the calendar's month, as the user does.
void clickDay(MonthCalendar *c, int day, bool shownMonth = true)
{
    QTest::mouseClick(dayTable(c)->viewport(), Qt::LeftButton, {}, dayCell(c, day, shownMonth).center());
}

QString page(MonthCalendar *c)
{
    return QStringLiteral("%1-%2").arg(c->yearShown()).arg(c->monthShown(), 2, 10, QLatin1Char('0'));
}

// How many rows of each column the shading leaves open.
QList<int> openRows(PlannerGrid &grid)
{
    QList<int> open;
    const TimeLayout &time = grid.timeLayout();
    for (int p = 0; p < grid.columnCount(); ++p) {
        int n = 0;
        for (int row = 0; row < time.rowCount(); ++row)
            n += time.isOpen(p, row) ? 1 : 0;
        open.append(n);
    }
    return open;
}

void clickHeadingButton(PlannerGrid &grid, bool next)
{
    const GridGeometry g = grid.geometry();
    const QRectF button = next ? g.nextButtonRect() : g.previousButtonRect();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, button.center().toPoint());
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void pickingADayMovesTheGridAndMarksOnlyThatCalendar()
    {
        // GIVEN the calendars on January, February and March, the grid on 15 January
        RunningProgram program(1);
        QVERIFY(program.started());
        MonthCalendar *c1 = calendar(program, 1);
        MonthCalendar *c2 = calendar(program, 2);
        MonthCalendar *c3 = calendar(program, 3);
        QCOMPARE(page(c1), QStringLiteral("2024-01"));

        // WHEN the user clicks the 15th in the second calendar
        clickDay(c2, 15);

        // THEN the grid starts on 15 February and only the second calendar marks a day
        QCOMPARE(program.grid().day(), QDate(2024, 2, 15));
        QCOMPARE(program.columnHeadings().first(), QStringLiteral("15-02-2024"));
        QCOMPARE(c1->selectionShown(), false);
        QCOMPARE(c2->selectionShown(), true);
        QCOMPARE(c3->selectionShown(), false);
        QCOMPARE(page(c1), QStringLiteral("2024-01"));

        // WHEN the user clicks the 20th in the first calendar
        clickDay(c1, 20);
        QCOMPARE(program.grid().day(), QDate(2024, 1, 20));
        QCOMPARE(c1->selectionShown(), true);
        QCOMPARE(c2->selectionShown(), false);
    }

    void blankCellsOfOtherMonthsDoNothing_data()
    {
        QTest::addColumn<int>("day");
        QTest::newRow("31 December before January") << 31;
        QTest::newRow("1 February after January") << 1;
    }
    void blankCellsOfOtherMonthsDoNothing()
    {
        QFETCH(int, day);
        RunningProgram program(1);
        QVERIFY(program.started());
        MonthCalendar *c1 = calendar(program, 1);

        clickDay(c1, day, false);

        QCOMPARE(program.grid().day(), RunningProgram::today);
        QCOMPARE(page(c1), QStringLiteral("2024-01"));
        QCOMPARE(c1->date(), RunningProgram::today);
    }

    void headingButtonsStepOneDayAndTheShadingFollows()
    {
        // GIVEN Monday to Friday shown, weekdays open 08:00-16:00 and Saturday closed
        RunningProgram program(1);
        QVERIFY(program.started());
        PlannerGrid &grid = program.grid();
        QCOMPARE(openRows(grid), (QList<int> { 16, 16, 16, 16, 16 }));

        // WHEN the heading row's "next" button is clicked
        clickHeadingButton(grid, true);

        // THEN Tuesday to Saturday show, the Saturday column closed throughout; the calendars stay
        QCOMPARE(grid.day(), QDate(2024, 1, 16));
        QCOMPARE(openRows(grid), (QList<int> { 16, 16, 16, 16, 0 }));
        QCOMPARE(calendar(program, 1)->date(), RunningProgram::today);

        // WHEN "previous" is clicked twice, and then the calendar's selected day is picked again
        clickHeadingButton(grid, false);
        clickHeadingButton(grid, false);
        QCOMPARE(grid.day(), QDate(2024, 1, 14));
        QCOMPARE(openRows(grid), (QList<int> { 0, 16, 16, 16, 16 }));
        clickDay(calendar(program, 1), 15);
        QCOMPARE(grid.day(), RunningProgram::today);
    }

    void browsingTheFirstCalendarMovesTheOtherTwo_data()
    {
        QTest::addColumn<int>("pickedDay");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QDate>("calendar2");
        QTest::addColumn<QDate>("calendar3");
        QTest::newRow("month forward")
            << 15 << QStringList { "monthForward" } << QStringList { "2024-02", "2024-03", "2024-04" }
            << QDate(2024, 3, 15) << QDate(2024, 4, 15);
        QTest::newRow("year back") << 15 << QStringList { "yearBack" }
                                   << QStringList { "2023-01", "2023-02", "2023-03" } << QDate(2023, 2, 15)
                                   << QDate(2023, 3, 15);
        QTest::newRow("month back over the year end")
            << 15 << QStringList { "monthBack" } << QStringList { "2023-12", "2024-01", "2024-02" }
            << QDate(2024, 1, 15) << QDate(2024, 2, 15);
        QTest::newRow("year forward then month forward")
            << 15 << QStringList { "yearForward", "monthForward" }
            << QStringList { "2025-02", "2025-03", "2025-04" } << QDate(2025, 3, 15) << QDate(2025, 4, 15);
        QTest::newRow("31st into a leap February takes its last day")
            << 31 << QStringList { "monthForward" } << QStringList { "2024-02", "2024-03", "2024-04" }
            << QDate(2024, 3, 29) << QDate(2024, 4, 29);
        QTest::newRow("31st into April takes the 30th")
            << 31 << QStringList { "monthForward", "monthForward" }
            << QStringList { "2024-03", "2024-04", "2024-05" } << QDate(2024, 4, 30) << QDate(2024, 5, 31);
    }
    void browsingTheFirstCalendarMovesTheOtherTwo()
    {
        QFETCH(int, pickedDay);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, pages);
        QFETCH(QDate, calendar2);
        QFETCH(QDate, calendar3);
        RunningProgram program(1);
        QVERIFY(program.started());
        MonthCalendar *c1 = calendar(program, 1);
        clickDay(c1, pickedDay);
        const QDate gridDay = program.grid().day();

        for (const QString &name : buttons)
            QTest::mouseClick(c1->findChild<QToolButton *>(name), Qt::LeftButton);

        QCOMPARE((QStringList { page(c1), page(calendar(program, 2)), page(calendar(program, 3)) }), pages);
        QCOMPARE(calendar(program, 2)->date(), calendar2);
        QCOMPARE(calendar(program, 3)->date(), calendar3);
        QCOMPARE(program.grid().day(), gridDay);
    }

    void paging_data()
    {
        QTest::addColumn<int>("resources");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("windows");
        QTest::addColumn<QStringList>("groupHeadings");

        QTest::newRow("3 Ressource, Frem to the end and past it")
            << 7 << QStringList { "VisRes3", "bMekFrem", "bMekFrem", "bMekFrem" }
            << QStringList { "0..2", "3..5", "6..8", "6..8" } << QStringList { "Frida", "UKENDT", "UKENDT" };
        QTest::newRow("3 Ressource, Tilbage to the start and past it")
            << 7
            << QStringList { "VisRes3", "bMekFrem", "bMekFrem", "bMekTilbage", "bMekTilbage", "bMekTilbage" }
            << QStringList { "0..2", "3..5", "6..8", "3..5", "0..2", "0..2" }
            << QStringList { "System", "Anne", "Bo" };
        QTest::newRow("1 Ressource in Flere dage pr. Ressource. steps one at a time")
            << 3 << QStringList { "VisMode2", "bMekFrem", "bMekFrem", "bMekFrem" }
            << QStringList { "0..0", "1..1", "2..2", "2..2" } << QStringList { "Bo" };
        QTest::newRow("Tilbage from 4..5 with 2 Ressource")
            << 6 << QStringList { "VisRes2", "bMekFrem", "bMekFrem", "bMekTilbage" }
            << QStringList { "0..1", "2..3", "4..5", "2..3" } << QStringList { "Bo", "Carl" };
        QTest::newRow("Frem in Normal uden Ressource. at start-up pages too")
            << 3 << QStringList { "bMekFrem", "bMekFrem" } << QStringList { "1..1", "2..2" } << QStringList();
    }
    void paging()
    {
        QFETCH(int, resources);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, windows);
        QFETCH(QStringList, groupHeadings);
        MessageRecorder recorder;
        RunningProgram program(resources);
        QVERIFY(program.started());

        QStringList seen;
        for (const QString &name : clicks) {
            program.click(name);
            seen.append(windowText(program));
        }

        QCOMPARE(seen, windows);
        QCOMPARE(program.groupHeadings(), groupHeadings);
        QVERIFY(recorder.shown.isEmpty());
    }

    void tilbageBelowTheLowestResourceGivesTheFirstPage()
    {
        // GIVEN "2 Ressource" with the window 1..2, as the resource register can leave it
        RunningProgram program(3);
        QVERIFY(program.started());
        program.click(QStringLiteral("VisRes2"));
        program.window().appointmentQuery()->reopen(1, 2);
        program.window().RebuildResourceMap();

        program.click(QStringLiteral("bMekTilbage"));

        QCOMPARE(windowText(program), QStringLiteral("0..1"));
        QCOMPARE(program.groupHeadings(), (QStringList { "System", "Anne" }));
    }

    void blocksFollowTheResourceWindow()
    {
        // GIVEN resources 0..4 with appointments of resources 0, 3 and 4
        RunningProgram program(5);
        QVERIFY(program.started());
        const QDate monday = RunningProgram::today;
        program.addAppointment(QDateTime(monday, QTime(10, 0)), QDateTime(monday, QTime(11, 0)), 0, "R0");
        program.addAppointment(QDateTime(monday, QTime(9, 0)), QDateTime(monday, QTime(10, 0)), 3, "R3");
        program.addAppointment(
            QDateTime(monday.addDays(1), QTime(9, 0)), QDateTime(monday.addDays(1), QTime(10, 0)), 4, "R4");

        // WHEN "3 Ressource" then "Frem": window 3..5
        program.click(QStringLiteral("VisRes3"));
        program.click(QStringLiteral("bMekFrem"));

        // THEN the groups are Carl, Dorte and UKENDT, each resource's block in its own group
        QCOMPARE(program.groupHeadings(), (QStringList { "Carl", "Dorte", "UKENDT" }));
        QCOMPARE(program.shownBlocks(), (QStringList { "R3@0", "R4@6" }));

        // WHEN "Normal uden Ressource.": only resource 0's appointments, placed by day
        program.click(QStringLiteral("VisMode1"));
        QCOMPARE(program.shownBlocks(), QStringList { "R0@0" });
    }

    void pickingAResourceShowsItAlone_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("columnHeadings");
        QTest::addColumn<QStringList>("groupHeadings");
        const QStringList days { "15-01-2024", "16-01-2024", "17-01-2024", "18-01-2024", "19-01-2024" };
        QTest::newRow("five side by side in Flere dage pr. Ressource.")
            << QStringList { "VisRes5" } << 2 << days << QStringList { "Carl" };
        QTest::newRow("Flere Ressourcer pr dag.")
            << QStringList { "VisMode3", "VisRes2" } << 3
            << QStringList { "Carl", "Carl", "Carl", "Carl", "Carl" } << days;
        QTest::newRow("Normal uden Ressource. at start-up") << QStringList() << 1 << days << QStringList();
    }
    void pickingAResourceShowsItAlone()
    {
        QFETCH(QStringList, before);
        QFETCH(int, mode);
        QFETCH(QStringList, columnHeadings);
        QFETCH(QStringList, groupHeadings);
        RunningProgram program(5);
        QVERIFY(program.started());
        program.addAppointment(QDateTime(RunningProgram::today, QTime(9, 0)),
            QDateTime(RunningProgram::today, QTime(10, 0)), 3, "Carl's");
        program.addAppointment(QDateTime(RunningProgram::today, QTime(9, 0)),
            QDateTime(RunningProgram::today, QTime(10, 0)), 0, "System's");
        for (const QString &name : before)
            program.click(name);
        const Mode modeBefore = program.grid().mode();

        // WHEN the user opens the picker and clicks "Carl" (resource 3)
        auto *picker = program.control<QComboBox>(QStringLiteral("DbMekLookUp"));
        picker->showPopup();
        QAbstractItemView *list = picker->view();
        QTRY_VERIFY(list->isVisible());
        const QModelIndex carl = list->model()->index(3, picker->modelColumn());
        QCOMPARE(carl.data().toString(), QStringLiteral("Carl"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(carl).center());

        // THEN Carl alone is shown, "1 Ressource" ticked, the view mode kept
        QCOMPARE(picker->currentText(), QStringLiteral("Carl"));
        QCOMPARE(windowText(program), QStringLiteral("3..3"));
        QCOMPARE(program.grid().mode(), modeBefore);
        QCOMPARE(int(program.grid().mode()) + 1, mode);
        QVERIFY(program.action(QStringLiteral("VisRes1"))->isChecked());
        QCOMPARE(program.window().ShownResourceCount(), 1);
        QCOMPARE(program.columnHeadings(), columnHeadings);
        QCOMPARE(program.groupHeadings(), groupHeadings);
        QCOMPARE(program.shownBlocks(), QStringList { "Carl's@0" });

        // WHEN "Frem": the next single resource; the picker keeps its choice
        program.click(QStringLiteral("bMekFrem"));
        QCOMPARE(windowText(program), QStringLiteral("4..4"));
        QCOMPARE(picker->currentText(), QStringLiteral("Carl"));
    }

    void pickerByKeyboard()
    {
        RunningProgram program(3);
        QVERIFY(program.started());
        auto *picker = program.control<QComboBox>(QStringLiteral("DbMekLookUp"));
        picker->setFocus();
        QTest::keyClick(picker, Qt::Key_Down);
        QCOMPARE(picker->currentText(), QStringLiteral("Anne"));
        QCOMPARE(windowText(program), QStringLiteral("1..1"));
        QTest::keyClick(picker, Qt::Key_Down);
        QCOMPARE(windowText(program), QStringLiteral("2..2"));
    }

    void missingResource0IsAddedAgain()
    {
        // GIVEN a database whose resource 0 is gone, while Normal uden Ressource. is shown
        MessageRecorder recorder;
        RunningProgram program(3, {}, RegionalSettings::danish(), [](QSqlDatabase db) {
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("DELETE FROM Res WHERE MekKey = 0")));
        });
        QVERIFY(program.started());
        QCOMPARE(program.window().resourceQuery()->rowOfMekKey(0), -1);

        program.window().CheckDefaultResource();

        QCOMPARE(recorder.texts(), (QStringList { "No default found ", "Default added" }));
        QSqlQuery q(program.otherCopy());
        QVERIFY(q.exec(QStringLiteral("SELECT Navn FROM Res WHERE MekKey = 0")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("System"));
        QVERIFY(!q.next());
        QVERIFY(program.window().resourceQuery()->rowOfMekKey(0) >= 0);
        QCOMPARE(program.grid().mode(), Mode::dmMultiDay);
        QVERIFY(program.action(QStringLiteral("VisMode1"))->isChecked());
    }

    void resourceCheckSetsTheViewForWhatIsLeft_data()
    {
        QTest::addColumn<int>("resources");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("three resources: Flere dage pr. Ressource.") << 3 << 2 << true;
        QTest::newRow("only System: Normal uden Ressource.") << 1 << 1 << false;
    }
    void resourceCheckSetsTheViewForWhatIsLeft()
    {
        QFETCH(int, resources);
        QFETCH(int, mode);
        QFETCH(bool, enabled);
        MessageRecorder recorder;
        RunningProgram program(resources);
        QVERIFY(program.started());

        program.window().CheckDefaultResource();

        QCOMPARE(int(program.grid().mode()) + 1, mode);
        QVERIFY(program.action(QStringLiteral("VisMode%1").arg(mode))->isChecked());
        QCOMPARE(program.control<QWidget>(QStringLiteral("bMekFrem"))->isEnabled(), enabled);
        QCOMPARE(program.control<QWidget>(QStringLiteral("DbMekLookUp"))->isEnabled(), enabled);
        QVERIFY(recorder.shown.isEmpty());
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
