// mirvo-stress: several processes save, edit and delete appointments on one database at once,
// through the program's own data layer; afterwards every reported save is checked.
//
//   mirvo-stress [--processes N] [--operations M] [--sqlite FOLDER] [--server CONNINFO]
//
// With --sqlite a new DbPlanner.Mdb (sample data) is made in FOLDER; with --server the tables
// are made in that empty PostgreSQL database. Given both, both run at the same time.
// Exit code 0 only when nothing was lost, doubled or changed unasked and no process failed.

#include "data/appointmentstore.h"
#include "data/connection.h"
#include "data/schema.h"
#include "data/sqlerror.h"
#include "data/sqlvalues.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

struct Target
{
    QString engine; // "sqlite" or "server"
    QString where; // the file, or the connection string
};

void open(Connection &c, const Target &t)
{
    if (t.engine == QLatin1String("sqlite"))
        c.openSqliteFile(t.where);
    else
        c.openServer(t.where);
}

// One row as the checker compares it, in base64 so that the notes' line breaks fit on a log line.
// Subjects carry quotes, a backslash and non-Latin letters.
QString describe(const Appointment &a)
{
    const QString text = QStringList { toSqlDateTime(a.start).toString(), toSqlDateTime(a.end).toString(),
        a.subject, a.notes, QString::number(a.color), QString::number(a.mek) }
                             .join(QLatin1Char('|'));
    return QString::fromLatin1(text.toUtf8().toBase64());
}

Appointment values(int worker, int op, const QString &what)
{
    Appointment a;
    // Each operation has its own slot, so the save decision never meets another row's slot.
    a.start = QDateTime(QDate(2030, 1, 1), QTime(0, 0)).addSecs(qint64(op) * 60);
    a.end = a.start.addSecs(1800);
    a.subject = QStringLiteral("%1 w%2 #%3 «O'Brien \"\\\" ø 🚗»").arg(what).arg(worker).arg(op);
    a.notes = QStringLiteral("line 1\r\nop %1\r\n").arg(op);
    a.color = op % 2 ? 15780518 : -16777216;
    a.mek = 100 + worker; // each process its own resource number
    return a;
}

// The worker: `operations` random saves, edits and deletions of its own rows. Each operation
// the data layer reported as done is written to the log, one line each, flushed at once.
int work(const Target &target, int worker, int operations, const QString &logPath)
{
    QFile log(logPath);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return 2;
    auto record = [&](const QString &line) { log.write((line + QLatin1Char('\n')).toUtf8()); };
    QRandomGenerator rng(quint32(worker * 7919 + 1));
    QStringList live;
    try {
        Connection c;
        open(c, target);
        AppointmentStore store(c.database());
        for (int op = 0; op < operations; ++op) {
            const quint32 dice = rng.bounded(100);
            if (live.isEmpty() || dice < 55) {
                const Appointment a = values(worker, op, QStringLiteral("new"));
                const QString key = store.save(std::nullopt, a);
                live.append(key);
                record(QStringLiteral("S\t%1\t%2").arg(key, describe(a)));
            } else if (dice < 85) {
                const QString key = live.at(int(rng.bounded(quint32(live.size()))));
                const Appointment a = values(worker, op, QStringLiteral("edit"));
                store.save(key, a);
                record(QStringLiteral("S\t%1\t%2").arg(key, describe(a)));
            } else {
                const QString key = live.takeAt(int(rng.bounded(quint32(live.size()))));
                store.remove(key);
                record(QStringLiteral("D\t%1").arg(key));
            }
        }
    } catch (const MirvoError &e) {
        record(QStringLiteral("F\t%1").arg(e.message().simplified()));
        return 1;
    }
    return 0;
}

QMap<QString, QString> allRows(const Target &target)
{
    Connection c;
    open(c, target);
    QSqlQuery q(c.database());
    execOrThrow(q, QStringLiteral("SELECT %1 FROM Schedules").arg(appointmentColumns()));
    QMap<QString, QString> rows;
    while (q.next()) {
        const Appointment a = appointmentFromQuery(q);
        if (rows.contains(a.key))
            rows.insert(a.key, QStringLiteral("(twice)"));
        else
            rows.insert(a.key, describe(a));
    }
    return rows;
}

struct Run
{
    Target target;
    QMap<QString, QString> before;
    QList<QProcess *> workers;
    QStringList logs;
};

// Compares the database with the rows before and every operation the workers reported.
bool check(const Run &run, int operations)
{
    bool ok = true;
    int shown = 0;
    auto problem = [&](const QString &text) {
        if (++shown <= 20)
            std::fprintf(stderr, "  %s: %s\n", qPrintable(run.target.engine), qPrintable(text));
        ok = false;
    };
    QMap<QString, QString> expected = run.before;
    int reported = 0;
    int failures = 0;
    for (int i = 0; i < run.logs.size(); ++i) {
        QFile f(run.logs.at(i));
        if (!f.open(QIODevice::ReadOnly))
            problem(QStringLiteral("no log from process %1").arg(i));
        int lines = 0;
        while (!f.atEnd()) {
            const QString line = QString::fromUtf8(f.readLine()).chopped(1);
            const QString key = line.section(QLatin1Char('\t'), 1, 1);
            if (line.startsWith(QLatin1Char('S'))) {
                expected.insert(key, line.section(QLatin1Char('\t'), 2));
            } else if (line.startsWith(QLatin1Char('D'))) {
                expected.remove(key);
            } else {
                ++failures;
                problem(QStringLiteral("process %1 failed: %2").arg(i).arg(line.mid(2)));
                continue;
            }
            ++lines;
        }
        reported += lines;
        if (run.workers.at(i)->exitCode() != 0 || run.workers.at(i)->exitStatus() != QProcess::NormalExit)
            problem(QStringLiteral("process %1 ended with %2").arg(i).arg(run.workers.at(i)->exitCode()));
        if (lines != operations)
            problem(
                QStringLiteral("process %1 reported %2 of %3 operations").arg(i).arg(lines).arg(operations));
    }
    const QMap<QString, QString> after = allRows(run.target);
    int lost = 0, changed = 0, extra = 0;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (!after.contains(it.key()))
            ++lost;
        else if (after.value(it.key()) != it.value())
            ++changed;
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!expected.contains(it.key()))
            ++extra;
    }
    if (lost || changed || extra)
        problem(QStringLiteral("%1 reported rows missing, %2 differing or doubled, %3 rows nobody reported")
                    .arg(lost)
                    .arg(changed)
                    .arg(extra));
    std::printf("%s: %d processes, %d operations reported, %lld rows expected and found: %s\n",
        qPrintable(run.target.engine), int(run.workers.size()), reported, qlonglong(expected.size()),
        ok ? "nothing lost" : "PROBLEMS");
    return ok && failures == 0;
}

int stress(const QStringList &args)
{
    int processes = 2;
    int operations = 1000;
    QList<Target> targets;
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        const QString &option = args.at(i);
        const QString &value = args.at(i + 1);
        if (option == QLatin1String("--processes"))
            processes = value.toInt();
        else if (option == QLatin1String("--operations"))
            operations = value.toInt();
        else if (option == QLatin1String("--sqlite"))
            targets.append(
                { QStringLiteral("sqlite"), QDir(value).filePath(QStringLiteral("DbPlanner.Mdb")) });
        else if (option == QLatin1String("--server"))
            targets.append({ QStringLiteral("server"), value });
        else
            targets.clear(), i = args.size();
    }
    if (targets.isEmpty() || processes < 1 || operations < 1 || args.size() % 2) {
        std::fprintf(stderr,
            "usage: mirvo-stress [--processes N] [--operations M] [--sqlite FOLDER] [--server CONNINFO]\n");
        return 2;
    }
    QTemporaryDir logs;
    std::vector<std::unique_ptr<Run>> runs;
    try {
        for (const Target &t : targets) {
            Connection c;
            if (t.engine == QLatin1String("sqlite")) {
                QDir().mkpath(QFileInfo(t.where).path());
                if (QFileInfo::exists(t.where))
                    throw MirvoError(QStringLiteral("%1 exists already").arg(t.where));
                c.createSqliteFile(t.where);
            } else {
                c.connectServer(t.where);
                if (hasProgramTables(c.database()))
                    throw MirvoError(QStringLiteral("the server's database is not empty"));
            }
            createDatabase(c.database(), true, QDate(2030, 1, 1));
        }
        for (const Target &t : targets) {
            auto run = std::make_unique<Run>();
            run->target = t;
            run->before = allRows(t);
            runs.push_back(std::move(run));
        }
    } catch (const MirvoError &e) {
        std::fprintf(stderr, "mirvo-stress: %s\n", qPrintable(e.message()));
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    for (auto &run : runs) {
        for (int w = 0; w < processes; ++w) {
            const QString log = logs.filePath(QStringLiteral("%1-%2.log").arg(run->target.engine).arg(w));
            auto *p = new QProcess;
            p->setProcessChannelMode(QProcess::ForwardedChannels);
            p->start(QCoreApplication::applicationFilePath(),
                { QStringLiteral("--worker"), run->target.engine, run->target.where, QString::number(w),
                    QString::number(operations), log });
            run->workers.append(p);
            run->logs.append(log);
        }
    }
    for (auto &run : runs) {
        for (QProcess *p : run->workers)
            p->waitForFinished(-1);
    }
    const double seconds = clock.elapsed() / 1000.0;
    bool ok = true;
    for (auto &run : runs) {
        try {
            ok = check(*run, operations) && ok;
        } catch (const MirvoError &e) {
            std::fprintf(stderr, "mirvo-stress: %s\n", qPrintable(e.message()));
            ok = false;
        }
        qDeleteAll(run->workers);
    }
    std::printf("%d processes x %d operations per engine, %zu engine(s) at once, %.1f s\n", processes,
        operations, runs.size(), seconds);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 6 && args.first() == QLatin1String("--worker"))
        return work({ args.at(1), args.at(2) }, args.at(3).toInt(), args.at(4).toInt(), args.at(5));
    return stress(args);
}
