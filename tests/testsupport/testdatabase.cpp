#include "testdatabase.h"

#include "data/connection.h"
#include "data/schema.h"

#include <QDir>

TestDatabase::TestDatabase(bool demo, const QDate &today)
{
    Connection connection;
    connection.createSqliteFile(path());
    createDatabase(connection.database(), demo, today);
}

QString TestDatabase::path() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("DbPlanner.Mdb"));
}
