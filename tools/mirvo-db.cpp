// mirvo-db: makes a new Mirvo database, or checks that a file is one.
//
//   mirvo-db create [--demo] FOLDER    writes FOLDER/DbPlanner.Mdb
//   mirvo-db check FILE                opens FILE as the program would

#include "data/connection.h"
#include "data/schema.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

const char usage[] = "usage: mirvo-db create [--demo] FOLDER\n"
                     "       mirvo-db check FILE\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "mirvo-db: %s\n", qPrintable(message));
    return 1;
}

int create(const QStringList &args)
{
    bool demo = false;
    QString folder;
    for (const QString &a : args) {
        if (a == QLatin1String("--demo"))
            demo = true;
        else if (folder.isEmpty() && !a.startsWith(QLatin1String("--")))
            folder = a;
        else
            return fail(QStringLiteral("unexpected argument %1\n%2").arg(a, QLatin1String(usage)));
    }
    if (folder.isEmpty())
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
    if (args.size() != 1)
        return fail(QString::fromLatin1(usage));
    try {
        Connection connection;
        connection.openSqliteFile(args.first());
    } catch (const MirvoError &e) {
        return fail(e.message());
    }
    std::printf("%s is a Mirvo database\n", qPrintable(args.first()));
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
