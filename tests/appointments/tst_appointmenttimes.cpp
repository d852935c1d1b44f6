#include "appointments/appointmentprint.h"
#include "appointments/timelineedit.h"
#include "appointments/validtime.h"

#include <QTest>

namespace {

// "danish": 24-hour, ':' and ',' ; "us": 12-hour with AM/PM and '.';
// "us-dotted": markers "a.m."/"p.m."; "no-markers": Danish without morning/afternoon texts.
RegionalSettings settingsNamed(const QString &name)
{
    if (name == QLatin1String("us"))
        return RegionalSettings::usEnglish();
    if (name == QLatin1String("us-dotted")) {
        RegionalSettings r = RegionalSettings::usEnglish();
        r.amText = QStringLiteral("a.m.");
        r.pmText = QStringLiteral("p.m.");
        return r;
    }
    RegionalSettings r = RegionalSettings::danish();
    if (name == QLatin1String("no-markers")) {
        r.amText.clear();
        r.pmText.clear();
    }
    return r;
}

} // namespace

class TestTimeRules : public QObject
{
    Q_OBJECT

private slots:
    void readsTimes_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("expected"); // null: not a time

        const QTime invalid;
        QTest::newRow("hour alone") << "danish"
                                    << "9" << QTime(9, 0);
        QTest::newRow("one-digit minutes") << "danish"
                                           << "9:5" << QTime(9, 5);
        QTest::newRow("hour 24") << "danish"
                                 << "24:00" << invalid;
        QTest::newRow("minute 60") << "danish"
                                   << "9:60" << invalid;
        QTest::newRow("no separator") << "danish"
                                      << "930" << invalid;
        QTest::newRow("empty") << "danish"
                               << "" << invalid;
        QTest::newRow("only spaces") << "danish"
                                     << "   " << invalid;
        QTest::newRow("midnight") << "danish"
                                  << "0:00" << QTime(0, 0);
        QTest::newRow("last second") << "danish"
                                     << "23:59:59" << QTime(23, 59, 59);
        QTest::newRow("second 60") << "danish"
                                   << "23:59:60" << invalid;
        QTest::newRow("milliseconds") << "danish"
                                      << "09:30:15,250" << QTime(9, 30, 15, 250);
        QTest::newRow("milliseconds 999") << "danish"
                                          << "9:30:15,999" << QTime(9, 30, 15, 999);
        QTest::newRow("milliseconds 1000") << "danish"
                                           << "9:30:15,1000" << invalid;
        QTest::newRow("foreign decimal separator") << "danish"
                                                   << "9:30:15.250" << invalid;
        QTest::newRow("milliseconds without seconds") << "danish"
                                                      << "9:30,5" << invalid;
        QTest::newRow("spaces before every element") << "danish"
                                                     << " 9 : 30 : 15 " << QTime(9, 30, 15);
        QTest::newRow("separator without minutes") << "danish"
                                                   << "9:" << invalid;
        QTest::newRow("trailing junk") << "danish"
                                       << "9:30x" << invalid;
        QTest::newRow("date separator") << "danish"
                                        << "9-30" << invalid;
        QTest::newRow("sign") << "danish"
                              << "-9" << invalid;
        QTest::newRow("leading zeros") << "danish"
                                       << "0009:05" << QTime(9, 5);
        QTest::newRow("run reaches 1000") << "danish"
                                          << "10000" << invalid;
        QTest::newRow("tab is not a space") << "danish"
                                            << "\t9" << invalid;
        QTest::newRow("marker after, 24-hour settings") << "danish"
                                                        << "9 PM" << QTime(21, 0);
        QTest::newRow("marker before, any case") << "danish"
                                                 << "pm1:15" << QTime(13, 15);
        QTest::newRow("12 AM is midnight") << "danish"
                                           << "12 AM" << QTime(0, 0);
        QTest::newRow("12 PM is noon") << "danish"
                                       << "12 PM" << QTime(12, 0);
        QTest::newRow("marker with hour 0") << "danish"
                                            << "0 AM" << invalid;
        QTest::newRow("marker with hour 13") << "danish"
                                             << "13 PM" << invalid;
        QTest::newRow("two markers") << "danish"
                                     << "AM 9 PM" << invalid;
        QTest::newRow("junk after marker") << "danish"
                                           << "9 PMX" << invalid;
        QTest::newRow("empty markers never match") << "no-markers"
                                                   << "13" << QTime(13, 0);
        QTest::newRow("AM still read without regional markers") << "no-markers"
                                                                << "AM 9" << QTime(9, 0);

        QTest::newRow("us morning") << "us"
                                    << "9:30 AM" << QTime(9, 30);
        QTest::newRow("us evening with milliseconds") << "us"
                                                      << "11:59:59.999 PM" << QTime(23, 59, 59, 999);
        QTest::newRow("us 24-hour text") << "us"
                                         << "21:30" << QTime(21, 30);
        QTest::newRow("us 24-hour text with marker") << "us"
                                                     << "21:30 PM" << invalid;
        QTest::newRow("us comma decimal") << "us"
                                          << "9:30:15,250" << invalid;
        QTest::newRow("regional afternoon text") << "us-dotted"
                                                 << "9:30 P.M." << QTime(21, 30);
        QTest::newRow("regional morning text first") << "us-dotted"
                                                     << "a.m. 12:05" << QTime(0, 5);
        QTest::newRow("plain PM beside regional texts") << "us-dotted"
                                                        << "9 pm" << QTime(21, 0);
    }
    void readsTimes()
    {
        QFETCH(QString, settings);
        QFETCH(QString, text);
        QFETCH(QTime, expected);
        const RegionalSettings regional = settingsNamed(settings);
        const std::optional<QTime> parsed = parseTime(text, regional);
        QCOMPARE(ValidTime(text, regional), expected.isValid());
        QCOMPARE(parsed.has_value(), expected.isValid());
        if (parsed)
            QCOMPARE(*parsed, expected);
    }

    void filtersTypedCharacters_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("backspace") << QChar(u':') << QChar(8) << true;
        QTest::newRow("tab") << QChar(u':') << QChar(9) << true;
        QTest::newRow("enter") << QChar(u':') << QChar(13) << true;
        QTest::newRow("digit 0") << QChar(u':') << QChar(u'0') << true;
        QTest::newRow("digit 9") << QChar(u':') << QChar(u'9') << true;
        QTest::newRow("time separator") << QChar(u':') << QChar(u':') << true;
        QTest::newRow("other settings' separator") << QChar(u'.') << QChar(u':') << false;
        QTest::newRow("dot as separator") << QChar(u'.') << QChar(u'.') << true;
        QTest::newRow("letter") << QChar(u':') << QChar(u'a') << false;
        QTest::newRow("space") << QChar(u':') << QChar(u' ') << false;
        QTest::newRow("hyphen") << QChar(u':') << QChar(u'-') << false;
        QTest::newRow("line feed") << QChar(u':') << QChar(10) << false;
        QTest::newRow("escape") << QChar(u':') << QChar(27) << false;
        QTest::newRow("control V") << QChar(u':') << QChar(22) << false;
        QTest::newRow("arabic-indic digit") << QChar(u':') << QChar(0x0663) << false;
    }
    void filtersTypedCharacters()
    {
        QFETCH(QChar, separator);
        QFETCH(QChar, typed);
        QFETCH(bool, allowed);
        RegionalSettings regional = RegionalSettings::danish();
        regional.timeSeparator = separator;
        QCOMPARE(timeKeyAllowed(typed, regional), allowed);
    }

    void splitsTextIntoPages_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<qreal>("firstRoom");
        QTest::addColumn<qreal>("laterRoom");
        QTest::addColumn<QList<int>>("starts");
        // Every line is 10 high.
        QTest::newRow("no text") << 0 << 200.0 << 250.0 << QList<int> { 0 };
        QTest::newRow("fits") << 10 << 200.0 << 250.0 << QList<int> { 0 };
        QTest::newRow("fills the first page exactly") << 20 << 200.0 << 250.0 << QList<int> { 0 };
        QTest::newRow("one line over") << 21 << 200.0 << 250.0 << QList<int> { 0, 20 };
        QTest::newRow("later pages hold more") << 50 << 95.0 << 300.0 << QList<int> { 0, 9, 39 };
        QTest::newRow("room for less than a line") << 3 << 5.0 << 5.0 << QList<int> { 0, 1, 2 };
    }
    void splitsTextIntoPages()
    {
        QFETCH(int, lines);
        QFETCH(qreal, firstRoom);
        QFETCH(qreal, laterRoom);
        QFETCH(QList<int>, starts);
        QCOMPARE(AppointmentPrint::pageStarts(lines, 10.0, firstRoom, laterRoom), starts);
    }

    void printsDateAsDayMonthYear_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("danish") << QDate(2024, 3, 5) << QChar(u'-') << "05-03-2024";
        QTest::newRow("slash") << QDate(2024, 12, 31) << QChar(u'/') << "31/12/2024";
    }
    void printsDateAsDayMonthYear()
    {
        QFETCH(QDate, date);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        QCOMPARE(AppointmentPrint::dateText(date, separator), expected);
    }
};

QTEST_GUILESS_MAIN(TestTimeRules)
#include "tst_appointmenttimes.moc"
