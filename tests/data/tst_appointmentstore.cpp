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
    void initTestCase() { MIRVO_REQUIRE_TEST_ENGINE(); }

    void insertedRowIsFoundByKeyAndSlot()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
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
        file.open(c);
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
        file.open(c);
        QVERIFY(!AppointmentStore(c.database()).findByKey(QStringLiteral("{no such key}")));
    }

    void updateWritesEveryEditableColumnOfThatRowOnly()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
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
        file.open(c);
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
        file.open(c);
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
        QTest::newRow("backslashes") << R"(C:\temp\ \' \\ \n \x00)";
        QString controls;
        for (char16_t ch = 1; ch < 32; ++ch)
            controls.append(QChar(ch));
        controls.append(QChar(0x7f));
        QTest::newRow("control characters but NUL") << controls;
        QTest::newRow("100,000 characters") << QString(100000, QLatin1Char('x'));
        QTest::newRow("right-to-left") << QStringLiteral("שלום עולם · مرحبا بالعالم \u200F(123)");
        QTest::newRow("emoji") << QStringLiteral("🚗🔧 ok 👩🏽‍🔧 🇩🇰");
    }
    void textsAreStoredExactlyAsTyped()
    {
        QFETCH(QString, text);
        TestDatabase file;
        Connection c;
        file.open(c);
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

    // PostgreSQL cannot hold NUL in a text; both engines drop it and keep every other character.
    void nulIsDroppedOnBothEngines()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        AppointmentStore store(c.database());
        Appointment a = appointment(QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b"));
        a.notes = QString(QChar(u'\0')) + QStringLiteral("\r\nx") + QChar(u'\0');
        const QString key = store.save(std::nullopt, a);
        QCOMPARE(store.findByKey(key)->subject, QStringLiteral("ab"));
        QCOMPARE(store.findByKey(key)->notes, QStringLiteral("\r\nx"));
    }

    void dateTimesAreStoredAsIsoText()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        AppointmentStore store(c.database());
        Appointment a = appointment(QStringLiteral("x"), 1, QTime(8, 5, 7), QTime(23, 30));
        a.start = a.start.addMSecs(450); // milliseconds are not kept
        const QString key = store.save(std::nullopt, a);
        // SQLite holds the text itself; PostgreSQL's TIMESTAMP reads back as the same text.
        QSqlQuery q(c.database());
        q.prepare(QStringLiteral("SELECT CAST(STARTTIME AS VARCHAR(19)), CAST(ENDTIME AS VARCHAR(19)) "
                                 "FROM Schedules WHERE KEYFIELD = ?"));
        q.addBindValue(key);
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("2024-01-15 08:05:07"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("2024-01-15 23:30:00"));
    }

    void dateTimesRoundTrip_data()
    {
        QTest::addColumn<QDateTime>("value");
        QTest::newRow("the zero date") << QDateTime(QDate(1899, 12, 30), QTime(0, 0));
        QTest::newRow("midnight") << QDateTime(QDate(2024, 1, 15), QTime(0, 0));
        QTest::newRow("last second of a day") << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59));
        QTest::newRow("leap day") << QDateTime(QDate(2024, 2, 29), QTime(12, 30));
        QTest::newRow("far future") << QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59));
    }
    void dateTimesRoundTrip()
    {
        QFETCH(QDateTime, value);
        TestDatabase file;
        Connection c;
        file.open(c);
        AppointmentStore store(c.database());
        Appointment a = appointment(QStringLiteral("x"));
        a.start = value;
        a.end = value;
        const QString key = store.save(std::nullopt, a);
        const auto read = store.findByKey(key);
        QVERIFY(read);
        QCOMPARE(read->start, value);
        QCOMPARE(read->end, value);
        QCOMPARE(store.findBySlot(value, value, a.mek)->key, key);
    }

    void rejectedStatementThrowsTheDatabasesText()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        AppointmentStore store(c.database());
        Appointment a = appointment(QStringLiteral("x"));
        a.key = QStringLiteral("{DUP}");
        store.insert(a);
        try {
            store.insert(a);
            QFAIL("a second row with the same key was accepted");
        } catch (const MirvoError &e) {
            QVERIFY2(
                e.message().contains(QLatin1String("unique"), Qt::CaseInsensitive), qPrintable(e.message()));
        }
    }

    void aWriteThroughOneConnectionIsSeenByAnother()
    {
        TestDatabase file;
        Connection first;
        file.open(first);
        Connection second;
        file.open(second);
        const QString key
            = AppointmentStore(first.database()).save(std::nullopt, appointment(QStringLiteral("x")));
        const auto seen = AppointmentStore(second.database()).findByKey(key);
        QVERIFY(seen);
        QCOMPARE(seen->subject, QStringLiteral("x"));
    }

    void aWriterWaitsForAnotherCopysWriteInsteadOfFailing()
    {
        TestDatabase file;
        Connection c;
        file.open(c);
        AppointmentStore store(c.database());
        Appointment shared = appointment(QStringLiteral("before"));
        shared.key = QStringLiteral("{SHARED}");
        store.insert(shared);

        // The other copy changes the same row and holds its transaction open for a while.
        QSemaphore holding;
        std::atomic<bool> committing = false;
        QThread *other = QThread::create([&] {
            Connection oc;
            file.open(oc);
            QSqlDatabase db = oc.database();
            db.transaction();
            AppointmentStore(db).update(shared.key, appointment(QStringLiteral("other copy")));
            holding.release();
            QThread::msleep(300);
            committing = true;
            db.commit();
        });
        other->start();
        holding.acquire();

        store.update(shared.key, appointment(QStringLiteral("this copy")));
        QVERIFY(committing); // the write above returned only after the other copy let go
        other->wait();
        delete other;
        QCOMPARE(rowCount(c.database()), 1);
        QCOMPARE(store.findByKey(shared.key)->subject, QStringLiteral("this copy"));
    }
};

QTEST_GUILESS_MAIN(TestAppointmentStore)
#include "tst_appointmentstore.moc"
