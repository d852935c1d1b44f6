// mirvo-db: makes a new Mirvo database, or checks that a file is one.
//
//   mirvo-db create [--demo] FOLDER             writes FOLDER/DbPlanner.Mdb
//   mirvo-db create --server CONNINFO [--demo]  fills an empty PostgreSQL database
//   mirvo-db check FILE                         opens FILE as the program would
//   mirvo-db check --server CONNINFO            connects as the program would

#include "data/connection.h"
#include "data/schema.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace {

const char usage[] = "usage: mirvo-db create [--demo] FOLDER\n"
                     "       mirvo-db create --server CONNINFO [--demo]\n"
                     "       mirvo-db check FILE\n"
                     "       mirvo-db check --server CONNINFO\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "mirvo-db: %s\n", qPrintable(message));
    return 1;
}

// The tables go in inside one transaction, so a failure leaves the database empty.
int createOnServer(const QString &conninfo, bool demo)
{
    try {
        Connection connection;
        connection.connectServer(conninfo);
        if (hasProgramTables(connection.database()))
            return fail(QStringLiteral("the database already holds Mirvo's tables; it is left as it is"));
        createDatabase(connection.database(), demo, QDate::currentDate());
    } catch (const MirvoError &e) {
        return fail(e.message());
    }
    std::printf("created the tables on the server%s\n", demo ? " with sample data" : "");
    return 0;
}

int create(QStringList args)
{
    bool demo = false;
    QString folder;
    std::optional<QString> server;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--demo"))
            demo = true;
        else if (a == QLatin1String("--server") && i + 1 < args.size() && !server)
            server = args.at(++i);
        else if (folder.isEmpty() && !a.startsWith(QLatin1String("--")))
            folder = a;
        else
            return fail(QStringLiteral("unexpected argument %1\n%2").arg(a, QLatin1String(usage)));
    }
    if (server && folder.isEmpty())
        return createOnServer(*server, demo);
    if (folder.isEmpty() || server)
        return fail(QString::fromLatin1(usage));
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot create the folder %1").arg(folder));
    const QString path = QDir(folder).filePath(QStringLiteral("DbPlanner.Mdb"));
    if (QFileInfo::exists(path))
        return fail(QStringLiteral("%1 exists already; it is left as it is").arg(path));
    try {
        Connection connection;
        connection.createSqliteFile(path);
        createDatabase(connection.database(), demo, QDate::currentDate());
    } catch (const MirvoError &e) {
        QFile::remove(path);
        return fail(e.message());
    }
    std::printf(
        "created %s%s\n", qPrintable(QDir::toNativeSeparators(path)), demo ? " with sample data" : "");
    return 0;
}

int check(const QStringList &args)
{
    const bool server = args.size() == 2 && args.first() == QLatin1String("--server");
    if (args.size() != 1 && !server)
        return fail(QString::fromLatin1(usage));
    try {
        Connection connection;
        if (server)
            connection.openServer(args.last());
        else
            connection.openSqliteFile(args.first());
    } catch (const MirvoError &e) {
        return fail(e.message());
    }
    std::printf("%s is a Mirvo database\n", server ? "the server's database" : qPrintable(args.first()));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return fail(QString::fromLatin1(usage));
    const QString command = args.takeFirst();
    if (command == QLatin1String("create"))
        return create(args);
    if (command == QLatin1String("check"))
        return check(args);
    return fail(QString::fromLatin1(usage));
}
