#include "benchdatabase.h"

#include "data/connection.h"
#include "data/schema.h"
#include "data/sqlerror.h"
#include "data/sqlvalues.h"
#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QVariant>
#include <cstdio>
#include <map>

namespace {

const QDate generatedFrom(2000, 1, 3);

int daysFor(int appointments)
{
    const int perDay = BenchDatabase::resources * BenchDatabase::perResourceAndDay;
    return (appointments + perDay - 1) / perDay;
}

qint64 rowCount(const QString &path)
{
    Connection connection;
    connection.openSqliteFile(path);
    QSqlQuery q(connection.database());
    execOrThrow(q, QStringLiteral("SELECT COUNT(*) FROM Schedules"));
    return q.next() ? q.value(0).toLongLong() : -1;
}

void generate(const QString &path, int appointments)
{
    std::fprintf(stderr, "Generating %s with %d appointments...\n", qPrintable(path), appointments);
    QFile::remove(path);
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    {
        Connection connection;
        connection.createSqliteFile(partial);
        QSqlDatabase db = connection.database();
        createDatabase(db, false, generatedFrom);
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO Res (MekKey, Navn) VALUES (?, ?)"));
        for (int k = 1; k < BenchDatabase::resources; ++k) {
            q.bindValue(0, k);
            q.bindValue(1, QStringLiteral("Ressource %1").arg(k));
            execOrThrow(q);
        }
        if (!db.transaction())
            throw MirvoError(QStringLiteral("Cannot start a transaction"));
        q.prepare(
            QStringLiteral("INSERT INTO Schedules (KEYFIELD, STARTTIME, ENDTIME, SUBJECT, NOTES, COLOR, MEK) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?)"));
        quint32 seed = 12345;
        const auto random = [&seed](int n) {
            seed = seed * 1664525u + 1013904223u;
            return int((seed >> 8) % quint32(n));
        };
        static const int colours[] = { 15780518, 65535, 12639424, 16776960, 15793151, 255, 65280, 16711935 };
        int written = 0;
        for (int day = 0; written < appointments; ++day) {
            const QDate date = generatedFrom.addDays(day);
            for (int mek = 0; mek < BenchDatabase::resources && written < appointments; ++mek) {
                for (int i = 0; i < BenchDatabase::perResourceAndDay && written < appointments;
                     ++i, ++written) {
                    // Starts on the quarter hour between 07:00 and 17:45, 15 to 120 minutes long.
                    const int start = 7 * 60 + 15 * random(44);
                    const int length = 15 * (1 + random(8));
                    const QDateTime from(date, QTime(start / 60, start % 60));
                    q.bindValue(0, QStringLiteral("{B%1}").arg(written, 10, 10, QLatin1Char('0')));
                    q.bindValue(1, toSqlDateTime(from));
                    q.bindValue(2, toSqlDateTime(from.addSecs(qint64(length) * 60)));
                    q.bindValue(3, QStringLiteral("Opgave %1").arg(written));
                    q.bindValue(4,
                        QStringLiteral("Kunde %1\r\nTlf. %2\r\n").arg(random(1000)).arg(random(100000000)));
                    q.bindValue(5, colours[random(8)]);
                    q.bindValue(6, mek);
                    execOrThrow(q);
                }
            }
        }
        if (!db.commit())
            throw MirvoError(QStringLiteral("Cannot commit"));
    }
    QFile::rename(partial, path);
}

} // namespace

QDate BenchDatabase::middleMonday() const
{
    QDate day = firstDay.addDays(firstDay.daysTo(lastDay) / 2);
    while (day.dayOfWeek() != 1)
        day = day.addDays(-1);
    return day;
}

const BenchDatabase &BenchDatabase::get(int appointments)
{
    static std::map<int, BenchDatabase> made;
    auto it = made.find(appointments);
    if (it != made.end())
        return it->second;
    BenchDatabase bench;
    bench.path = QDir(QDir::tempPath()).filePath(QStringLiteral("mirvo-bench-%1.Mdb").arg(appointments));
    bench.firstDay = generatedFrom;
    bench.lastDay = generatedFrom.addDays(daysFor(appointments) - 1);
    bool usable = false;
    if (QFile::exists(bench.path)) {
        try {
            usable = rowCount(bench.path) == appointments;
        } catch (const MirvoError &) {
            usable = false;
        }
    }
    if (!usable)
        generate(bench.path, appointments);
    return made.emplace(appointments, bench).first->second;
}
