#include "data/appointmentquery.h"
#include "data/resourcestore.h"
#include "runningprogram.h"
#include "schedule/plannergrid.h"
#include "testsupport/messagerecorder.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// The headings of `count` date columns from the start day, as the grid writes them.
QStringList dates(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(RunningProgram::today.addDays(i).toString(QStringLiteral("dd-MM-yyyy")));
    return list;
}

QStringList names(int count)
{
    return RunningProgram::resourceNames.mid(0, count);
}

QStringList repeated(const QStringList &list, int times)
{
    QStringList all;
    for (int i = 0; i < times; ++i)
        all += list;
    return all;
}

QString dayItemName(int days)
{
    return days == 1 ? QStringLiteral("N1Dag1") : QStringLiteral("N%1Dage1").arg(days);
}

// The names of the ticked items of one menu group, e.g. "VisMode" 1..3.
QString ticked(RunningProgram &program, const QString &prefix, int items)
{
    QStringList names;
    for (int i = 1; i <= items; ++i) {
        const QString name = prefix == QLatin1String("N") ? dayItemName(i) : prefix + QString::number(i);
        if (program.action(name)->isChecked())
            names.append(name);
    }
    return names.join(QLatin1Char(','));
}

QString windowText(RunningProgram &program)
{
    const AppointmentQuery *q = program.window().appointmentQuery();
    return QStringLiteral("%1..%2").arg(q->minMek()).arg(q->maxMek());
}

int modeNumber(Mode mode)
{
    switch (mode) {
    case Mode::dmMultiDay:
        return 1;
    case Mode::dmMultiDayRes:
        return 2;
    case Mode::dmMultiResDay:
        return 3;
    }
    return 0;
}

QStringList resourceControlsEnabled(RunningProgram &program, bool enabled)
{
    QStringList wrong;
    for (const char *name : { "DbMekLookUp", "ResGroup", "bMekTilbage", "bMekFrem" }) {
        if (program.control<QWidget>(QLatin1String(name))->isEnabled() != enabled)
            wrong.append(QLatin1String(name));
    }
    return wrong;
}

} // namespace

class TestViewMenu : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data()
    {
        QTest::addColumn<int>("resources");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("columnHeadings");
        QTest::addColumn<QStringList>("groupHeadings");

        const QStringList none;
        QTest::newRow("start-up") << 3 << none << 1 << 5 << 1 << "0..0" << true << dates(5) << none;
        QTest::newRow("3 Ressource from Normal: three resource groups")
            << 3 << QStringList { "VisRes3" } << 2 << 5 << 3 << "0..2" << true << repeated(dates(5), 3)
            << names(3);
        QTest::newRow("4 Ressource refused with 3 resources")
            << 3 << QStringList { "VisRes3", "VisRes4" } << 2 << 5 << 3 << "0..2" << true
            << repeated(dates(5), 3) << names(3);
        QTest::newRow("Flere dage pr. Ressource. keeps one resource and window 0..0")
            << 3 << QStringList { "VisMode2" } << 2 << 5 << 1 << "0..0" << true << dates(5) << names(1);
        QTest::newRow("Flere Ressourcer pr dag., 3 days, 2 resources: 6 columns")
            << 3 << QStringList { "VisMode3", "N3Dage1", "VisRes2" } << 3 << 3 << 2 << "0..1" << true
            << repeated(names(2), 3) << dates(3);
        QTest::newRow("7 Dage with 5 resources: 35 columns")
            << 5 << QStringList { "VisRes5", "N7Dage1" } << 2 << 7 << 5 << "0..4" << true
            << repeated(dates(7), 5) << names(5);
        QTest::newRow("1 Ressource in a resource mode keeps the mode")
            << 3 << QStringList { "VisMode3", "VisRes3", "VisRes1" } << 3 << 5 << 1 << "0..0" << true
            << repeated(names(1), 5) << dates(5);
        QTest::newRow("resource count kept when the mode changes")
            << 3 << QStringList { "VisRes2", "VisMode3" } << 3 << 5 << 2 << "0..1" << true
            << repeated(names(2), 5) << dates(5);
        QTest::newRow("Normal uden Ressource. after paging to 4..5")
            << 5 << QStringList { "VisRes2", "bMekFrem", "bMekFrem", "VisMode1" } << 1 << 5 << 1 << "0..0"
            << false << dates(5) << none;
        QTest::newRow("1 Dag in Normal")
            << 3 << QStringList { "N1Dag1" } << 1 << 1 << 1 << "0..0" << true << dates(1) << none;
        QTest::newRow("only resource 0: Flere dage pr. Ressource. refused")
            << 1 << QStringList { "VisMode2" } << 1 << 5 << 1 << "0..0" << true << dates(5) << none;
        QTest::newRow("only resource 0: Flere Ressourcer pr dag. refused")
            << 1 << QStringList { "VisMode3" } << 1 << 5 << 1 << "0..0" << true << dates(5) << none;
        QTest::newRow("only resource 0: 2 Ressource refused")
            << 1 << QStringList { "VisRes2" } << 1 << 5 << 1 << "0..0" << true << dates(5) << none;
        QTest::newRow("only resource 0: 1 Ressource in Normal disables the picker")
            << 1 << QStringList { "VisRes1" } << 1 << 5 << 1 << "0..0" << false << dates(5) << none;
        QTest::newRow("2 resources: 3 Ressource refused (boundary)")
            << 2 << QStringList { "VisRes2", "VisRes3" } << 2 << 5 << 2 << "0..1" << true
            << repeated(dates(5), 2) << names(2);
    }
    void transitions()
    {
        QFETCH(int, resources);
        QFETCH(QStringList, clicks);
        QFETCH(int, mode);
        QFETCH(int, days);
        QFETCH(int, shown);
        QFETCH(QString, window);
        QFETCH(bool, enabled);
        QFETCH(QStringList, columnHeadings);
        QFETCH(QStringList, groupHeadings);

        MessageRecorder recorder;
        RunningProgram program(resources);
        QVERIFY(program.started());
        for (const QString &name : clicks)
            program.click(name);

        QCOMPARE(modeNumber(program.grid().mode()), mode);
        QCOMPARE(ticked(program, QStringLiteral("VisMode"), 3), QStringLiteral("VisMode%1").arg(mode));
        QCOMPARE(ticked(program, QStringLiteral("N"), 7), dayItemName(days));
        QCOMPARE(ticked(program, QStringLiteral("VisRes"), 5), QStringLiteral("VisRes%1").arg(shown));
        QCOMPARE(program.window().ShownResourceCount(), shown);
        QCOMPARE(windowText(program), window);
        QCOMPARE(resourceControlsEnabled(program, enabled), QStringList());
        QCOMPARE(program.columnHeadings(), columnHeadings);
        QCOMPARE(program.groupHeadings(), groupHeadings);
        QVERIFY2(recorder.shown.isEmpty(), qPrintable(recorder.texts().join(QLatin1Char('|'))));
    }

    void oneRessourceGoesBackToNormalWhenOnlyResource0IsLeft()
    {
        // GIVEN two resources shown side by side, and then resource 1 deleted by another copy
        RunningProgram program(2);
        QVERIFY(program.started());
        program.click(QStringLiteral("VisRes2"));
        QCOMPARE(program.grid().mode(), Mode::dmMultiDayRes);
        ResourceStore(program.otherCopy()).deleteResource(1);

        // WHEN the user asks for one resource
        program.click(QStringLiteral("VisRes1"));

        // THEN the view is "Normal uden Ressource." with the picker and paging off, and the
        // resource modes are refused from now on
        QCOMPARE(program.grid().mode(), Mode::dmMultiDay);
        QVERIFY(program.action(QStringLiteral("VisMode1"))->isChecked());
        QCOMPARE(resourceControlsEnabled(program, false), QStringList());
        program.click(QStringLiteral("VisMode2"));
        QCOMPARE(program.grid().mode(), Mode::dmMultiDay);
        QVERIFY(!program.action(QStringLiteral("VisMode2"))->isChecked());
    }

    void zoomWithAutomaticWidthExplainsItself()
    {
        // GIVEN fixed column widths but no zoom width, so the zoom buttons show
        MessageRecorder recorder;
        RunningProgram program(1, "[Diverse]\nAutoBrede=0\nCellBrede=60\nZoom=0\n");
        QVERIFY(program.started());
        auto *zoom = program.control<QToolButton>(QStringLiteral("SpeedButton1"));
        QVERIFY(zoom->isVisible());
        program.grid().selectCells(1, 0, 1);

        program.click(QStringLiteral("SpeedButton1"));

        QCOMPARE(recorder.texts(),
            (QStringList { "Zomm virker ikke når brede på kolonner er sat til auto brede.",
                "Kan ændres under: opsætning -> indstillinger" }));
        QCOMPARE(program.grid().columnWidth(1), 60.0);
    }

    void zoomWidensTheSelectedColumnOnly_data()
    {
        QTest::addColumn<bool>("inTimeColumn");
        QTest::newRow("selection in column 2") << false;
        QTest::newRow("selection in the time column") << true;
    }
    void zoomWidensTheSelectedColumnOnly()
    {
        QFETCH(bool, inTimeColumn);
        MessageRecorder recorder;
        RunningProgram program(1, "[Diverse]\nAutoBrede=0\nCellBrede=60\nZoom=150\n");
        QVERIFY(program.started());
        PlannerGrid &grid = program.grid();
        const QPoint where = inTimeColumn ? grid.geometry().timeLabelRect(2).center().toPoint()
                                          : grid.cellRect(2, 2).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, where);
        QCOMPARE(grid.selectedPosition(), inTimeColumn ? -1 : 2);

        program.click(QStringLiteral("SpeedButton1"));

        QList<qreal> widths;
        for (int p = 0; p < grid.columnCount(); ++p)
            widths.append(grid.columnWidth(p));
        QCOMPARE(widths,
            inTimeColumn ? (QList<qreal> { 60, 60, 60, 60, 60 }) : (QList<qreal> { 60, 60, 150, 60, 60 }));
        program.click(QStringLiteral("SpeedButton2"));
        QCOMPARE(grid.columnWidth(2), 60.0);
        QVERIFY(recorder.shown.isEmpty());
    }

    void rightPanelGivesWayFromTheBottom_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("calendar2");
        QTest::addColumn<bool>("calendar3");
        QTest::addColumn<bool>("resourceGroup");
        QTest::newRow("289") << 289 << false << false << false;
        QTest::newRow("400") << 400 << true << false << false;
        QTest::newRow("430") << 430 << true << true << false;
        QTest::newRow("524") << 524 << true << true << false;
        QTest::newRow("525") << 525 << true << true << true;
    }
    void rightPanelGivesWayFromTheBottom()
    {
        QFETCH(int, height);
        QFETCH(bool, calendar2);
        QFETCH(bool, calendar3);
        QFETCH(bool, resourceGroup);
        RunningProgram program(3);
        QVERIFY(program.started());
        QWidget *panel = program.control<QWidget>(QStringLiteral("AdvPanel2"));
        TfrmMirvo &window = program.window();

        window.resize(window.width(), window.height() + height - panel->height());

        QTRY_COMPARE(panel->height(), height);
        QVERIFY(program.control<QWidget>(QStringLiteral("Calender1"))->isVisible());
        QCOMPARE(program.control<QWidget>(QStringLiteral("Calender2"))->isVisible(), calendar2);
        QCOMPARE(program.control<QWidget>(QStringLiteral("Calender3"))->isVisible(), calendar3);
        QCOMPARE(program.control<QWidget>(QStringLiteral("ResGroup"))->isVisible(), resourceGroup);
    }
};

QTEST_MAIN(TestViewMenu)
#include "tst_viewmenu.moc"
