#include "platform/errors.h"
#include "platform/guid.h"
#include "platform/messages.h"
#include "platform/regionalsettings.h"
#include "testsupport/messagerecorder.h"

#include <QRegularExpression>
#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void guidIsBracedUpperCase()
    {
        const QString a = newGuid();
        QCOMPARE(a.size(), 38);
        QVERIFY(QRegularExpression(
            QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"))
                    .match(a)
                    .hasMatch());
        QVERIFY(a != newGuid());
    }

    void shortTimeUsesTheSettingsOwnMarkers_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("expected");
        QTest::newRow("24-hour") << "HH:mm" << QTime(8, 30) << "08:30";
        QTest::newRow("12-hour morning") << "h:mm AP" << QTime(8, 30) << "8:30 morning";
        QTest::newRow("12-hour afternoon") << "h:mm AP" << QTime(20, 5) << "8:05 evening";
    }
    void shortTimeUsesTheSettingsOwnMarkers()
    {
        QFETCH(QString, format);
        QFETCH(QTime, time);
        QFETCH(QString, expected);
        RegionalSettings r = RegionalSettings::usEnglish();
        r.shortTimeFormat = format;
        r.amText = QStringLiteral("morning");
        r.pmText = QStringLiteral("evening");
        QCOMPARE(r.formatShortTime(time), expected);
    }

    void guardedShowsTheErrorsOwnText()
    {
        MessageRecorder recorder;
        QVERIFY(!Messages::guarded([] { throw MirvoError(QStringLiteral("disk full")); }));
        QVERIFY(Messages::guarded([] {}));
        QCOMPARE(recorder.texts(), QStringList { QStringLiteral("disk full") });
        QCOMPARE(recorder.shown.first().kind, Messages::Kind::Error);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
