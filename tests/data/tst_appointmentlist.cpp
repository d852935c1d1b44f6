#include "data/appointmentlistmodel.h"
#include "data/appointmentquery.h"
#include "data/appointmentstore.h"
#include "data/connection.h"
#include "platform/guid.h"
#include "platform/regionalsettings.h"
#include "testsupport/testdatabase.h"

#include <QSet>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {

// `perResource` appointments on each of the resources 0..resources-1, in one transaction.
void fill(QSqlDatabase db, int resources, int perResource)
{
    QVERIFY(db.transaction());
    AppointmentStore store(db);
    for (int mek = 0; mek < resources; ++mek) {
        for (int i = 0; i < perResource; ++i) {
            Appointment a;
            a.key = newGuid();
            a.start = QDateTime(QDate(2024, 1, 15).addDays(i % 30), QTime(8, 0));
            a.end = a.start.addSecs(3600);
            a.subject = QStringLiteral("r%1 #%2").arg(mek).arg(i);
            a.mek = mek;
            store.insert(a);
        }
    }
    QVERIFY(db.commit());
}

void fetchAll(AppointmentListModel &model)
{
    while (model.canFetchMore())
        model.fetchMore();
}

} // namespace

class TestAppointmentList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MIRVO_REQUIRE_TEST_ENGINE(); }

    void queryEmitsReopenedWithItsNewWindow()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        AppointmentQuery query(c.database());
        QCOMPARE(query.objectName(), QStringLiteral("qAftaler"));
        QCOMPARE(query.minMek(), 0);
        QCOMPARE(query.maxMek(), 0);
        QSignalSpy spy(&query, &AppointmentQuery::reopened);
        query.reopen(3, 5);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(query.minMek(), 3);
        QCOMPARE(query.maxMek(), 5);
        query.requery();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(query.maxMek(), 5);
    }

    void listReadsPagesAsTheViewAsks()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        fill(c.database(), 3, 2500); // 5,000 rows in the range 1..2, 2,500 outside it
        AppointmentListModel model(c.database(), RegionalSettings::danish());
        model.reopen(1, 2);
        QVERIFY(model.rowCount() < 5000);
        QVERIFY(model.rowCount() > 0);
        QVERIFY(model.canFetchMore());
        const int firstPage = model.rowCount();
        model.fetchMore();
        QVERIFY(model.rowCount() > firstPage);

        fetchAll(model);
        QCOMPARE(model.rowCount(), 5000);
        QVERIFY(!model.canFetchMore());
        QSet<QString> keys;
        for (int row = 0; row < model.rowCount(); ++row) {
            keys.insert(model.keyAt(row));
            if (row > 0) {
                const Appointment &before = model.appointmentAt(row - 1);
                const Appointment &here = model.appointmentAt(row);
                QVERIFY(before.mek < here.mek || (before.mek == here.mek && before.key < here.key));
            }
        }
        QCOMPARE(keys.size(), 5000);
        QCOMPARE(model.appointmentAt(0).mek, 1);
        QCOMPARE(model.appointmentAt(4999).mek, 2);
    }

    void rangeBoundaries_data()
    {
        QTest::addColumn<int>("minMek");
        QTest::addColumn<int>("maxMek");
        QTest::addColumn<int>("rows");
        QTest::newRow("one resource") << 2 << 2 << 3;
        QTest::newRow("both ends included") << 1 << 3 << 9;
        QTest::newRow("past the highest") << 4 << 6 << 0;
        QTest::newRow("reversed") << 3 << 1 << 0;
        QTest::newRow("every resource") << 0 << 3 << 12;
    }
    void rangeBoundaries()
    {
        QFETCH(int, minMek);
        QFETCH(int, maxMek);
        QFETCH(int, rows);
        TestDatabase file;
        Connection c;
        file.open(c);
        fill(c.database(), 4, 3);
        AppointmentListModel model(c.database(), RegionalSettings::danish());
        model.reopen(minMek, maxMek);
        fetchAll(model);
        QCOMPARE(model.rowCount(), rows);
        QCOMPARE(model.minMek(), minMek);
        QCOMPARE(model.maxMek(), maxMek);
    }

    void pageBoundaryIsNotLostOrRepeated()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        fill(c.database(), 1, AppointmentListModel::pageSize);
        AppointmentListModel model(c.database(), RegionalSettings::danish());
        model.reopen(0, 0);
        QCOMPARE(model.rowCount(), AppointmentListModel::pageSize);
        fetchAll(model); // the page after a full page is empty
        QCOMPARE(model.rowCount(), AppointmentListModel::pageSize);
        QVERIFY(!model.canFetchMore());
    }

    void columnsShowTheRow()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        Appointment a;
        a.key = QStringLiteral("{K}");
        a.start = QDateTime(QDate(2024, 3, 5), QTime(8, 30));
        a.end = QDateTime(QDate(2024, 3, 5), QTime(9, 45));
        a.subject = QStringLiteral("Bremser \"for\"");
        a.notes = QStringLiteral("For og bag\r\n");
        a.color = -16777216;
        a.mek = 2;
        AppointmentStore(c.database()).insert(a);
        AppointmentListModel model(c.database(), RegionalSettings::danish());
        model.reopen(2, 2);
        QCOMPARE(model.columnCount(), 9);
        QStringList titles;
        QStringList values;
        for (int col = 0; col < model.columnCount(); ++col) {
            titles.append(model.headerData(col, Qt::Horizontal).toString());
            values.append(model.data(model.index(0, col)).toString());
        }
        QCOMPARE(titles,
            (QStringList { "KEYFIELD", "STARTTIME", "ENDTIME", "SUBJECT", "NOTES", "COLOR", "IMAGE",
                "CAPTION", "MEK" }));
        QCOMPARE(values,
            (QStringList { "{K}", "05-03-2024 08:30", "05-03-2024 09:45", "Bremser \"for\"", "For og bag\r\n",
                "-16777216", "", "", "2" }));
    }

    void removeRowDeletesThatAppointmentOnly()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        fill(c.database(), 2, 3);
        AppointmentListModel model(c.database(), RegionalSettings::danish());
        model.reopen(0, 1);
        const QString removed = model.keyAt(4);
        const QString next = model.keyAt(5);
        QVERIFY(model.removeRow(4));
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.keyAt(4), next);
        AppointmentStore store(c.database());
        QVERIFY(!store.findByKey(removed));
        QVERIFY(store.findByKey(next));
        QVERIFY(!model.removeRow(5)); // past the end: nothing happens

        model.reopen(0, 1);
        QCOMPARE(model.rowCount(), 5);
    }

    // "Opdater" and every re-read: what another copy saved, changed or deleted shows up.
    void aReReadShowsWhatAnotherCopyWrote()
    {
        TestDatabase file;
        Connection here;
        file.open(here);
        Connection elsewhere;
        file.open(elsewhere);
        AppointmentListModel model(here.database(), RegionalSettings::danish());
        model.reopen(0, 3);
        QCOMPARE(model.rowCount(), 0);

        AppointmentStore other(elsewhere.database());
        Appointment a;
        a.start = QDateTime(QDate(2024, 1, 15), QTime(8, 0));
        a.end = a.start.addSecs(1800);
        a.subject = QStringLiteral("saved elsewhere");
        a.mek = 1;
        const QString key = other.save(std::nullopt, a);
        model.reopen(0, 3);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.appointmentAt(0).subject, QStringLiteral("saved elsewhere"));

        a.subject = QStringLiteral("changed elsewhere");
        a.mek = 2;
        other.save(key, a);
        model.reopen(0, 3);
        QCOMPARE(model.appointmentAt(0).subject, QStringLiteral("changed elsewhere"));
        QCOMPARE(model.appointmentAt(0).mek, 2);
        QCOMPARE(
            AppointmentStore(here.database()).findByKey(key)->subject, QStringLiteral("changed elsewhere"));

        other.remove(key);
        model.reopen(0, 3);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!AppointmentStore(here.database()).findByKey(key));
    }
};

QTEST_GUILESS_MAIN(TestAppointmentList)
#include "tst_appointmentlist.moc"
