#include "data/appointmentstore.h"
#include "data/connection.h"
#include "data/resourcequery.h"
#include "data/resourcestore.h"
#include "platform/errors.h"
#include "testsupport/testdatabase.h"
#include "testsupport/testrows.h"

#include <QSqlQuery>
#include <QTest>

namespace {

// Resources 0 (System) to 4 named R1..R4, each with two appointments "a<n>" and "b<n>".
void fiveResources(QSqlDatabase db)
{
    ResourceStore store(db);
    AppointmentStore appointments(db);
    for (int n = 0; n <= 4; ++n) {
        if (n > 0)
            QCOMPARE(store.insertResource(QStringLiteral("R%1").arg(n)), n);
        for (const char *prefix : { "a", "b" }) {
            Appointment a;
            a.key = QStringLiteral("{%1%2}").arg(QLatin1String(prefix)).arg(n);
            a.subject = QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n);
            a.start = QDateTime(QDate(2024, 1, 15), QTime(8, 0));
            a.end = QDateTime(QDate(2024, 1, 15), QTime(9, 0));
            a.mek = n;
            appointments.insert(a);
        }
    }
}

} // namespace

class TestResourceStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MIRVO_REQUIRE_TEST_ENGINE(); }

    void boundsAndNumbering_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("next");
        QTest::newRow("empty register: 0, 0, next 1") << "DELETE FROM Res" << 0 << 0 << 1;
        QTest::newRow("System only") << "" << 0 << 0 << 1;
        QTest::newRow("System and 1..3")
            << "INSERT INTO Res (MekKey, Navn) VALUES (1, 'a'), (2, 'b'), (3, 'c')" << 0 << 3 << 4;
        QTest::newRow("gap keeps the highest")
            << "INSERT INTO Res (MekKey, Navn) VALUES (7, 'x')" << 0 << 7 << 8;
    }
    void boundsAndNumbering()
    {
        QFETCH(QString, setup);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, next);
        TestDatabase file;
        Connection c;
        file.open(c);
        if (!setup.isEmpty())
            exec(c.database(), setup);
        ResourceStore store(c.database());
        QCOMPARE(store.bounds().lowMek, low);
        QCOMPARE(store.bounds().highMek, high);
        QCOMPARE(store.highMek(), high);
        QCOMPARE(store.nextResourceNumber(), next);
        QCOMPARE(store.insertResource(QStringLiteral("new")), next);
        QCOMPARE(store.highMek(), next);
    }

    void systemResourceIsAddedAsNumberZero()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        exec(c.database(), QStringLiteral("DELETE FROM Res"));
        ResourceStore store(c.database());
        store.insertSystemResource();
        QCOMPARE(resources(c.database()), QStringList { QStringLiteral("0:System") });
    }

    void renameChangesTheRowWithIdOneOnly()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        ResourceStore store(c.database());
        store.insertResource(QStringLiteral("Anne"));
        // The row with id 1 need not carry number 0.
        exec(c.database(), QStringLiteral("UPDATE Res SET MekKey = 5 WHERE id = 1"));
        store.renameSystemResource(QStringLiteral("Værksted"));
        QCOMPARE(resources(c.database()),
            (QStringList { QStringLiteral("1:Anne"), QStringLiteral("5:Værksted") }));
    }

    void namesAreStoredExactlyAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("single quote") << "Bo's lift";
        QTest::newRow("double quote") << R"(The "big" one)";
        QTest::newRow("semicolon and comment") << "x'; DELETE FROM Res; --";
        QTest::newRow("line break") << "two\r\nlines";
        QTest::newRow("non-Latin") << QStringLiteral("Søren · Ζωή · 李");
    }
    void namesAreStoredExactlyAsTyped()
    {
        QFETCH(QString, name);
        TestDatabase file;
        Connection c;
        file.open(c);
        ResourceStore store(c.database());
        store.renameSystemResource(name);
        store.insertResource(name);
        ResourceQuery query(c.database());
        query.reopen();
        QCOMPARE(query.count(), 2);
        QCOMPARE(query.nameAt(0), name);
        QCOMPARE(query.nameAt(1), name);
    }

    void deletingRenumbersResourcesAndAppointments_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("resourcesAfter");
        QTest::addColumn<QStringList>("appointmentsAfter");
        QTest::newRow("middle: 2 of 0..4")
            << 2 << QStringList { "0:System", "1:R1", "2:R3", "3:R4" }
            << QStringList { "0:a0", "1:a1", "2:a3", "3:a4", "0:b0", "1:b1", "2:b3", "3:b4" };
        QTest::newRow("highest: 4 changes nothing else")
            << 4 << QStringList { "0:System", "1:R1", "2:R2", "3:R3" }
            << QStringList { "0:a0", "1:a1", "2:a2", "3:a3", "0:b0", "1:b1", "2:b2", "3:b3" };
        QTest::newRow("lowest after System: 1")
            << 1 << QStringList { "0:System", "1:R2", "2:R3", "3:R4" }
            << QStringList { "0:a0", "1:a2", "2:a3", "3:a4", "0:b0", "1:b2", "2:b3", "3:b4" };
        QTest::newRow("no such number: nothing changes")
            << 9 << QStringList { "0:System", "1:R1", "2:R2", "3:R3", "4:R4" }
            << QStringList { "0:a0", "1:a1", "2:a2", "3:a3", "4:a4", "0:b0", "1:b1", "2:b2", "3:b3", "4:b4" };
    }
    void deletingRenumbersResourcesAndAppointments()
    {
        QFETCH(int, n);
        QFETCH(QStringList, resourcesAfter);
        QFETCH(QStringList, appointmentsAfter);
        TestDatabase file;
        Connection c;
        file.open(c);
        fiveResources(c.database());
        ResourceStore(c.database()).deleteResource(n);
        QCOMPARE(resources(c.database()), resourcesAfter);
        QCOMPARE(appointments(c.database()), appointmentsAfter);
    }

    void aFailedDeletionChangesNothing()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        fiveResources(c.database());
        const QStringList resourcesBefore = resources(c.database());
        const QStringList appointmentsBefore = appointments(c.database());
        // Makes the third statement, the renumbering of the appointments, fail.
        if (file.isPostgres()) {
            exec(c.database(),
                QStringLiteral("CREATE FUNCTION refuse_renumbering() RETURNS trigger LANGUAGE plpgsql AS "
                               "$$ BEGIN RAISE EXCEPTION 'renumbering refused'; END $$"));
            exec(c.database(),
                QStringLiteral("CREATE TRIGGER refuseRenumbering BEFORE UPDATE ON Schedules "
                               "FOR EACH ROW EXECUTE FUNCTION refuse_renumbering()"));
        } else {
            exec(c.database(),
                QStringLiteral("CREATE TEMP TRIGGER refuseRenumbering BEFORE UPDATE ON Schedules "
                               "BEGIN SELECT RAISE(ABORT, 'renumbering refused'); END"));
        }
        try {
            ResourceStore(c.database()).deleteResource(2);
            QFAIL("the deletion did not report the failure");
        } catch (const MirvoError &e) {
            QVERIFY2(e.message().contains(QLatin1String("renumbering refused")), qPrintable(e.message()));
        }
        QCOMPARE(resources(c.database()), resourcesBefore);
        QCOMPARE(appointments(c.database()), appointmentsBefore);

        // The connection is usable again afterwards.
        exec(c.database(),
            file.isPostgres() ? QStringLiteral("DROP TRIGGER refuseRenumbering ON Schedules")
                              : QStringLiteral("DROP TRIGGER refuseRenumbering"));
        ResourceStore(c.database()).deleteResource(2);
        QCOMPARE(resources(c.database()).size(), 4);
    }

    void queryListsResourcesInNumberOrder()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        exec(c.database(), QStringLiteral("INSERT INTO Res (MekKey, Navn) VALUES (2, 'Two'), (1, 'One')"));
        ResourceQuery query(c.database());
        QCOMPARE(query.objectName(), QStringLiteral("qMek"));
        QCOMPARE(query.count(), 0); // nothing is read before it is opened
        query.reopen();
        QCOMPARE(query.rowCount(), 3);
        QCOMPARE(query.columnCount(), 3);
        QCOMPARE(query.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Navn"));
        QCOMPARE(query.headerData(1, Qt::Horizontal).toString(), QStringLiteral("MekKey"));
        QCOMPARE(query.headerData(2, Qt::Horizontal).toString(), QStringLiteral("id"));
        QCOMPARE(query.data(query.index(1, 0)).toString(), QStringLiteral("One"));
        QCOMPARE(query.data(query.index(1, 1)).toInt(), 1);
        QCOMPARE(query.data(query.index(1, 2)).toInt(), 3); // ids follow insertion
        QCOMPARE(query.rowOfMekKey(2), 2);
        QCOMPARE(query.rowOfMekKey(3), -1);
        QCOMPARE(query.mekKeyAt(2), 2);
        QCOMPARE(query.nameAt(0), QStringLiteral("System"));

        ResourceStore(c.database()).deleteResource(1);
        QCOMPARE(query.count(), 3); // a snapshot until reopened
        query.reopen();
        QCOMPARE(query.count(), 2);
        QCOMPARE(query.nameAt(1), QStringLiteral("Two"));
        QCOMPARE(query.mekKeyAt(1), 1);
    }

    void reopenFailureKeepsTheRows()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        ResourceQuery query(c.database());
        query.reopen();
        exec(c.database(), QStringLiteral("ALTER TABLE Res RENAME TO Gone"));
        QVERIFY_THROWS_EXCEPTION(MirvoError, query.reopen());
        QCOMPARE(query.nameAt(0), QStringLiteral("System"));
    }
};

QTEST_GUILESS_MAIN(TestResourceStore)
#include "tst_resourcestore.moc"
