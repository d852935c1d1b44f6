#include "data/connection.h"
#include "data/openinghoursrow.h"
#include "testsupport/testdatabase.h"

#include <QSqlQuery>
#include <QTest>

namespace {

int settingsRows(QSqlDatabase db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT COUNT(*) FROM Settings"));
    q.next();
    return q.value(0).toInt();
}

QStringList weekdaysNineToFive()
{
    QStringList texts;
    for (int day = 0; day < 7; ++day)
        texts << QStringLiteral("09:00") << QStringLiteral("17:00");
    return texts;
}

} // namespace

class TestOpeningHoursRow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MIRVO_REQUIRE_TEST_ENGINE(); }

    void readsTheNewDatabasesRowInColumnOrder()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        const QStringList texts = OpeningHoursRow(c.database()).read14();
        QCOMPARE(texts.size(), 14);
        QCOMPARE(texts.mid(0, 2), (QStringList { "08:00", "16:00" }));
        QCOMPARE(texts.mid(8, 6), (QStringList { "08:00", "16:00", "00:00", "00:00", "00:00", "00:00" }));
        QCOMPARE(OpeningHoursRow::columnNames().first(), QStringLiteral("MandagFra"));
        QCOMPARE(OpeningHoursRow::columnNames().last(), QStringLiteral("SondagTil"));
    }

    void textsAreStoredExactlyAsTyped()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        OpeningHoursRow row(c.database());
        QStringList texts = weekdaysNineToFive();
        texts[0] = QStringLiteral("08:15"); // not on the list
        texts[1] = QStringLiteral(" 8:00 ");
        texts[2] = QStringLiteral("it's \"late\"; --");
        texts[3] = QString(); // cleared
        texts[13] = QStringLiteral("kl. 17 ø");
        row.write14(texts);
        texts[3] = QStringLiteral("");
        QCOMPARE(row.read14(), texts);
        QCOMPARE(settingsRows(c.database()), 1);

        QSqlQuery q(c.database());
        QVERIFY(q.exec(QStringLiteral("SELECT TirsdagTil FROM Settings")) && q.next());
        QVERIFY(!q.value(0).isNull()); // a cleared field is an empty text, not NULL
    }

    void emptyTableReadsEmptyTextsAndWriteAddsTheRow()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        QSqlQuery q(c.database());
        QVERIFY(q.exec(QStringLiteral("DELETE FROM Settings")));
        OpeningHoursRow row(c.database());
        QCOMPARE(row.read14(), QStringList(14, QString()));
        row.write14(weekdaysNineToFive());
        QCOMPARE(settingsRows(c.database()), 1);
        QCOMPARE(row.read14(), weekdaysNineToFive());
        row.write14(weekdaysNineToFive());
        QCOMPARE(settingsRows(c.database()), 1);
    }

    void nullValuesReadAsEmptyTexts()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        QSqlQuery q(c.database());
        QVERIFY(q.exec(QStringLiteral("UPDATE Settings SET LordagFra = NULL")));
        const QStringList texts = OpeningHoursRow(c.database()).read14();
        QCOMPARE(texts.at(10), QString());
        QCOMPARE(texts.at(11), QStringLiteral("00:00"));
    }

    void firstRowIsTheOldest()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        QSqlQuery q(c.database());
        QVERIFY(q.exec(QStringLiteral("INSERT INTO Settings (MandagFra) VALUES ('later row')")));
        OpeningHoursRow row(c.database());
        QCOMPARE(row.read14().first(), QStringLiteral("08:00"));
        row.write14(weekdaysNineToFive());
        QCOMPARE(row.read14(), weekdaysNineToFive());
    }
};

QTEST_GUILESS_MAIN(TestOpeningHoursRow)
#include "tst_openinghoursrow.moc"
