#include "schedule/openinghours.h"
#include "schedule/timelayout.h"
#include "schedule/timelist.h"

#include <QTest>

class TestTimeRules : public QObject
{
    Q_OBJECT

private slots:
    void timeListHoldsTheHalfHours()
    {
        QStringList list { QStringLiteral("left over") };
        buildTimeList(list);
        QCOMPARE(list.size(), 48);
        QCOMPARE(list.first(), QStringLiteral("00:00"));
        QCOMPARE(list.at(1), QStringLiteral("00:30"));
        QCOMPARE(list.at(16), QStringLiteral("08:00"));
        QCOMPARE(list.last(), QStringLiteral("23:30"));
    }

    void timeSlotIndex_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<int>("defaultIndex");
        QTest::addColumn<int>("expected");
        QTest::newRow("exact") << "09:30"
                               << "08:00" << 16 << 19;
        QTest::newRow("blanks around") << " 13:00 "
                                       << "08:00" << 16 << 26;
        QTest::newRow("empty takes default text") << ""
                                                  << "08:00" << 99 << 16;
        QTest::newRow("four characters take default text") << "8:00"
                                                           << "16:00" << 99 << 32;
        QTest::newRow("not a half hour takes default index") << "08:15"
                                                             << "08:00" << 16 << 16;
        QTest::newRow("unusable default text") << ""
                                               << "x" << 7 << 7;
        QTest::newRow("last slot") << "23:30"
                                   << "00:00" << 0 << 47;
    }
    void timeSlotIndex()
    {
        QFETCH(QString, text);
        QFETCH(QString, defaultText);
        QFETCH(int, defaultIndex);
        QFETCH(int, expected);
        QCOMPARE(::timeSlotIndex(text, defaultText, defaultIndex), expected);
    }

    void loadOpeningHours_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("use");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        const QStringList stored { "07:00", "15:00", "08:00", "16:00", "08:00", "16:00", "08:00", "16:00",
            "08:00", "16:00", "09:00", "13:00", "00:00", "00:00" };
        QTest::newRow("off: weekday built in") << stored << false << 1 << 16 << 32;
        QTest::newRow("off: saturday closed") << stored << false << 6 << 0 << -1;
        QTest::newRow("off: sunday closed") << stored << false << 7 << 0 << -1;
        QTest::newRow("on: monday stored") << stored << true << 1 << 14 << 30;
        QTest::newRow("on: saturday stored") << stored << true << 6 << 18 << 26;
        QTest::newRow("on: empty settings give weekday defaults") << QStringList() << true << 3 << 16 << 32;
        QTest::newRow("on: empty settings give weekend defaults") << QStringList() << true << 7 << 0 << 0;
        QStringList odd = stored;
        odd[0] = "8:00";
        odd[1] = "16:15";
        QTest::newRow("on: unusable texts give defaults") << odd << true << 1 << 16 << 32;
    }
    void loadOpeningHours()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, use);
        QFETCH(int, weekday);
        QFETCH(int, from);
        QFETCH(int, to);
        const OpeningHours hours = LoadOpeningHours(texts, use);
        QCOMPARE(hours[weekday - 1], (OpeningDay { weekday, from, to }));
    }

    void applyTimeLayout_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("startSlot");
        QTest::addColumn<int>("stopSlot");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<int>("displayStart");
        QTest::addColumn<int>("displayEnd");
        QTest::addColumn<int>("displayUnit");
        QTest::addColumn<int>("activeStart");
        QTest::addColumn<int>("activeEnd");
        // Monday 08:00-16:00 (16..32), Saturday 09:00-13:00 (18..26), Sunday 10:00-09:00 (20..18).
        QTest::newRow("30 min") << 30 << 16 << 47 << 1 << 16 << 47 << 30 << 0 << 16;
        QTest::newRow("15 min") << 15 << 16 << 47 << 1 << 32 << 94 << 15 << 0 << 32;
        QTest::newRow("10 min, 13 rows 08:00-10:00") << 10 << 16 << 20 << 1 << 48 << 60 << 10 << 0 << 48;
        QTest::newRow("5 min") << 5 << 16 << 47 << 1 << 96 << 282 << 5 << 0 << 96;
        QTest::newRow("saturday 09-13 at 30") << 30 << 16 << 47 << 6 << 16 << 47 << 30 << 2 << 10;
        QTest::newRow("saturday 09-13 at 15") << 15 << 16 << 47 << 6 << 32 << 94 << 15 << 4 << 20;
        QTest::newRow("opening after closing") << 30 << 0 << 47 << 7 << 0 << 47 << 30 << 20 << 18;
        QTest::newRow("odd unit keeps rows and slots") << 20 << 16 << 47 << 1 << 0 << 47 << 30 << 16 << 32;
    }
    void applyTimeLayout()
    {
        QFETCH(int, unit);
        QFETCH(int, startSlot);
        QFETCH(int, stopSlot);
        QFETCH(int, weekday);
        OpeningHours hours = LoadOpeningHours({}, true);
        hours[5] = { 6, 18, 26 };
        hours[6] = { 7, 20, 18 };
        const TimeLayout layout
            = ApplyTimeLayout(TimeLayout(), { unit, startSlot, stopSlot }, hours, { weekday });
        QTEST(layout.displayStart, "displayStart");
        QTEST(layout.displayEnd, "displayEnd");
        QTEST(layout.displayUnit, "displayUnit");
        QTEST(layout.ActiveStart(0), "activeStart");
        QTEST(layout.ActiveEnd(0), "activeEnd");
    }

    void paintingRule_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("open");
        // Saturday 09:00-13:00 at 30 minutes from 08:00: rows 2..9 open.
        QTest::newRow("before") << 1 << false;
        QTest::newRow("on opening") << 2 << true;
        QTest::newRow("last open") << 9 << true;
        QTest::newRow("on closing") << 10 << false;
    }
    void paintingRule()
    {
        QFETCH(int, row);
        OpeningHours hours = LoadOpeningHours({}, true);
        hours[5] = { 6, 18, 26 };
        const TimeLayout layout = ApplyTimeLayout(TimeLayout(), { 30, 16, 47 }, hours, { 6 });
        QTEST(layout.isOpen(0, row), "open");
    }

    void closedWeekendStaysClosedAtEveryUnit()
    {
        const OpeningHours hours = LoadOpeningHours({}, false);
        for (const int unit : { 5, 10, 15, 30 }) {
            const TimeLayout layout = ApplyTimeLayout(TimeLayout(), { unit, 0, 47 }, hours, { 6 });
            for (int row = 0; row < layout.rowCount(); ++row)
                QVERIFY2(!layout.isOpen(0, row), qPrintable(QString::number(unit)));
        }
    }

    void columnsWithoutShadingUseTheDefaults()
    {
        const TimeLayout layout;
        QCOMPARE(layout.ActiveStart(3), 16);
        QCOMPARE(layout.ActiveEnd(3), 40);
        QCOMPARE(layout.rowCount(), 48);
    }
};

QTEST_GUILESS_MAIN(TestTimeRules)
#include "tst_timerules.moc"
