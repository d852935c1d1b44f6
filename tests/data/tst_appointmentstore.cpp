#include "data/appointmentstore.h"
#include "data/connection.h"
#include "platform/errors.h"
#include "testsupport/testdatabase.h"

#include <QRegularExpression>
#include <QSemaphore>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <atomic>

namespace {

Appointment appointment(
    const QString &subject, int mek = 1, QTime start = QTime(8, 30), QTime end = QTime(9, 0))
{
    Appointment a;
    a.start = QDateTime(QDate(2024, 1, 15), start);
    a.end = QDateTime(QDate(2024, 1, 15), end);
    a.subject = subject;
    a.notes = QStringLiteral("line 1\r\nline 2\r\n");
    a.color = 15780518;
    a.mek = mek;
    return a;
}

int rowCount(QSqlDatabase db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT COUNT(*) FROM Schedules"));
    q.next();
    return q.value(0).toInt();
}

bool sameValues(const Appointment &a, const Appointment &b)
{
    return a.start == b.start && a.end == b.end && a.subject == b.subject && a.notes == b.notes
        && a.color == b.color && a.mek == b.mek;
}

} // namespace

class TestAppointmentStore : public QObject
{
    Q_OBJECT

private slots:
    void insertedRowIsFoundByKeyAndSlot()
    {
        TestDatabase file;
        Connection c;
        c.openSqliteFile(file.path());
        AppointmentStore store(c.database());
        Appointment a = appointment(QStringLiteral("Bremser"));
        a.key = QStringLiteral("{11111111-2222-3333-4444-555555555555}");
        store.insert(a);

        const auto byKey = store.findByKey(a.key);
        QVERIFY(byKey);
        QCOMPARE(byKey->key, a.key);
        QVERIFY(sameValues(*byKey, a));
        QCOMPARE(byKey->image, QString());

        const auto bySlot = store.findBySlot(a.start, a.end, a.mek);
        QVERIFY(bySlot);
        QCOMPARE(bySlot->key, a.key);
    }

    void slotLookupNeedsStartEndAndResourceAllEqual_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<int>("mek");
        QTest::addColumn<bool>("found");
        QTest::newRow("identical") << QTime(8, 30) << QTime(9, 0) << 1 << true;
        QTest::newRow("start one second later") << QTime(8, 30, 1) << QTime(9, 0) << 1 << false;
        QTest::newRow("other end") << QTime(8, 30) << QTime(9, 30) << 1 << false;
        QTest::newRow("other resource") << QTime(8, 30) << QTime(9, 0) << 2 << false;
    }
    void slotLookupNeedsStartEndAndResourceAllEqual()
    {
        QFETCH(QTime, start);
        QFETCH(QTime, end);
        QFETCH(int, mek);
        QFETCH(bool, found);
        TestDatabase file;
        Connection c;
        c.openSqliteFile(file.path());
        AppointmentStore store(c.database());
        Appointment a = appointment(QStringLiteral("x"));
        a.key = QStringLiteral("{A}");
        store.insert(a);
        const QDate day(2024, 1, 15);
        QCOMPARE(store.findBySlot(QDateTime(day, start), QDateTime(day, end), mek).has_value(), found);
    }

    void unknownKeyFindsNothing()
    {
        TestDatabase file(true);
        Connection c;
        c.openSqliteFile(file.path());
        QVERIFY(!AppointmentStore(c.database()).findByKey(QStringLiteral("{no such key}")));
    }

    void updateWritesEveryEditableColumnOfThatRowOnly()
    {
        TestDatabase file;
        Connection c;
        c.openSqliteFile(file.path());
        AppointmentStore store(c.database());
        Appointment a = appointment(QStringLiteral("a"));
        a.key = QStringLiteral("{A}");
        Appointment b = appointment(QStringLiteral("b"), 2);
        b.key = QStringLiteral("{B}");
        store.insert(a);
        store.insert(b);

        Appointment changed = appointment(QStringLiteral("changed"), 3, QTime(10, 0), QTime(11, 30));
        changed.notes = QStringLiteral("new\r\n");
        changed.color = -16777216;
        store.update(a.key, changed);

        QVERIFY(sameValues(*store.findByKey(a.key), changed));
        QVERIFY(sameValues(*store.findByKey(b.key), b));
    }

    void removeDeletesThatRowOnly()
    {
        TestDatabase file(true);
        Connection c;
        c.openSqliteFile(file.path());
        AppointmentStore store(c.database());
        const int before = rowCount(c.database());
        Appointment a = appointment(QStringLiteral("a"));
        a.key = QStringLiteral("{A}");
        store.insert(a);
        store.remove(a.key);
        QVERIFY(!store.findByKey(a.key));
        QCOMPARE(rowCount(c.database()), before);
        store.remove(a.key); // already gone: nothing happens
        QCOMPARE(rowCount(c.database()), before);
    }

    void saveDecidesBetweenInsertAndUpdate_data()
    {
        QTest::addColumn<QString>("selectedKey"); // "*" stands for the stored row's key
        QTest::addColumn<bool>("hasSelection");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<bool>("updates");
        QTest::newRow("selected, found by key") << "*" << true << QTime(14, 0) << true;
        QTest::newRow("selected but deleted meanwhile") << "{GONE}" << true << QTime(8, 30) << false;
        QTest::newRow("empty key, same slot") << "" << true << QTime(8, 30) << true;
        QTest::newRow("new, same slot") << "" << false << QTime(8, 30) << true;
        QTest::newRow("new, other slot") << "" << false << QTime(14, 0) << false;
    }
    void saveDecidesBetweenInsertAndUpdate()
    {
        QFETCH(QString, selectedKey);
        QFETCH(bool, hasSelection);
        QFETCH(QTime, start);
        QFETCH(bool, updates);
        TestDatabase file;
        Connection c;
        c.openSqliteFile(file.path());
        AppointmentStore store(c.database());
        const QString stored = store.save(std::nullopt, appointment(QStringLiteral("first")));
        QVERIFY(QRegularExpression(QStringLiteral("^\\{[0-9A-F-]{36}\\}$")).match(stored).hasMatch());

        // The stored row lies 08:30-09:00 on resource 1; the new values are half an hour from start.
        const Appointment values = appointment(QStringLiteral("second"), 1, start, start.addSecs(1800));
        std::optional<QString> key;
        if (hasSelection)
            key = selectedKey == QLatin1String("*") ? stored : selectedKey;
        const QString written = store.save(key, values);

        QCOMPARE(written == stored, updates);
        QCOMPARE(rowCount(c.database()), updates ? 1 : 2);
        QCOMPARE(store.findByKey(written)->subject, QStringLiteral("second"));
        QCOMPARE(
            store.findByKey(stored)->subject, updates ? QStringLiteral("second") : QStringLiteral("first"));
    }

    void textsAreStoredExactlyAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("double quote") << R"(Say "hi")";
        QTest::newRow("single quote") << "O'Brien's";
        QTest::newRow("semicolon and comment") << "a; DROP TABLE Schedules; -- b";
        QTest::newRow("line breaks") << "one\r\ntwo\nthree\r\n";
        QTest::newRow("non-Latin") << QStringLiteral("Ærø Åbenrå · Ελλάδα · 東京 · Привет");
        QTest::newRow("empty") << "";
    }
    void textsAreStoredExactlyAsTyped()
    {
        QFETCH(QString, text);
        TestDatabase file;
        Connection c;
        c.openSqliteFile(file.path());
        AppointmentStore store(c.database());
        Appointment a = appointment(text);
        a.notes = text;
        const QString key = store.save(std::nullopt, a);
        const auto read = store.findByKey(key);
        QVERIFY(read);
        QCOMPARE(read->subject, text);
        QCOMPARE(read->notes, text);
        QVERIFY(!read->subject.isNull());

        a.subject = text + text;
        store.update(key, a);
        QCOMPARE(store.findByKey(key)->subject, text + text);
        QCOMPARE(rowCount(c.database()), 1);
    }

    void dateTimesAreStoredAsIsoText()
    {
        TestDatabase file;
        Connection c;
        c.openSqliteFile(file.path());
        AppointmentStore store(c.database());
        Appointment a = appointment(QStringLiteral("x"), 1, QTime(8, 5, 7), QTime(23, 30));
        a.start = a.start.addMSecs(450); // milliseconds are not kept
        const QString key = store.save(std::nullopt, a);
        QSqlQuery q(c.database());
        q.prepare(QStringLiteral("SELECT STARTTIME, ENDTIME FROM Schedules WHERE KEYFIELD = ?"));
        q.addBindValue(key);
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("2024-01-15 08:05:07"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("2024-01-15 23:30:00"));
    }

    void rejectedStatementThrowsTheDatabasesText()
    {
        TestDatabase file;
        Connection c;
        c.openSqliteFile(file.path());
        AppointmentStore store(c.database());
        Appointment a = appointment(QStringLiteral("x"));
        a.key = QStringLiteral("{DUP}");
        store.insert(a);
        try {
            store.insert(a);
            QFAIL("a second row with the same key was accepted");
        } catch (const MirvoError &e) {
            QVERIFY2(e.message().contains(QLatin1String("UNIQUE")), qPrintable(e.message()));
        }
    }

    void aWriteThroughOneConnectionIsSeenByAnother()
    {
        TestDatabase file;
        Connection first;
        first.openSqliteFile(file.path());
        Connection second;
        second.openSqliteFile(file.path());
        const QString key
            = AppointmentStore(first.database()).save(std::nullopt, appointment(QStringLiteral("x")));
        const auto seen = AppointmentStore(second.database()).findByKey(key);
        QVERIFY(seen);
        QCOMPARE(seen->subject, QStringLiteral("x"));
    }

    void aWriterWaitsForAnotherCopysWriteInsteadOfFailing()
    {
        TestDatabase file;
        QSemaphore holding;
        std::atomic<bool> committing = false;
        QThread *other = QThread::create([&] {
            Connection c;
            c.openSqliteFile(file.path());
            QSqlDatabase db = c.database();
            db.transaction();
            Appointment a = appointment(QStringLiteral("other copy"));
            a.key = QStringLiteral("{OTHER}");
            AppointmentStore(db).insert(a);
            holding.release();
            QThread::msleep(300);
            committing = true;
            db.commit();
        });
        other->start();
        holding.acquire();

        Connection c;
        c.openSqliteFile(file.path());
        AppointmentStore store(c.database());
        store.save(std::nullopt, appointment(QStringLiteral("this copy"), 2));
        QVERIFY(committing); // the write above returned only after the other copy let go
        other->wait();
        delete other;
        QCOMPARE(rowCount(c.database()), 2);
        QVERIFY(store.findByKey(QStringLiteral("{OTHER}")));
    }
};

QTEST_GUILESS_MAIN(TestAppointmentStore)
#include "tst_appointmentstore.moc"
