#include "postgresengine.h"

#include "platform/errors.h"

#include <QStringList>
#include <libpq-fe.h>
#include <memory>

namespace {

// A value inside the driver's connect options, in libpq's single-quoted form.
QString quoted(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

struct OptionsFree
{
    void operator()(PQconninfoOption *options) const { PQconninfoFree(options); }
};

} // namespace

PostgresEngine::ConnectionFields PostgresEngine::splitConnectionString(const QString &conninfo)
{
    char *error = nullptr;
    const QByteArray utf8 = conninfo.toUtf8();
    std::unique_ptr<PQconninfoOption, OptionsFree> parsed(PQconninfoParse(utf8.constData(), &error));
    if (!parsed) {
        const QString text = error ? QString::fromUtf8(error).trimmed()
                                   : QStringLiteral("Out of memory reading the connection string");
        PQfreemem(error);
        throw MirvoError(text);
    }
    ConnectionFields fields;
    QStringList options;
    for (const PQconninfoOption *o = parsed.get(); o->keyword; ++o) {
        if (!o->val)
            continue;
        const QString keyword = QString::fromUtf8(o->keyword);
        const QString value = QString::fromUtf8(o->val);
        bool isNumber = false;
        const int port = value.toInt(&isNumber);
        if (keyword == QLatin1String("host"))
            fields.host = value;
        else if (keyword == QLatin1String("port") && isNumber)
            fields.port = port;
        else if (keyword == QLatin1String("dbname"))
            fields.databaseName = value;
        else if (keyword == QLatin1String("user"))
            fields.userName = value;
        else if (keyword == QLatin1String("password"))
            fields.password = value;
        else if (value.contains(QLatin1Char(';')))
            throw MirvoError(QStringLiteral("The value of \"%1\" in the connection string holds a ';', "
                                            "which Qt's PostgreSQL driver cannot pass on")
                                 .arg(keyword));
        else
            options.append(keyword + QLatin1Char('=') + quoted(value));
    }
    fields.options = options.join(QLatin1Char(';'));
    return fields;
}

void PostgresEngine::configure(QSqlDatabase &db, const QString &conninfo)
{
    const ConnectionFields f = splitConnectionString(conninfo);
    db.setHostName(f.host);
    db.setPort(f.port);
    db.setDatabaseName(f.databaseName);
    db.setUserName(f.userName);
    db.setPassword(f.password);
    db.setConnectOptions(f.options);
}
