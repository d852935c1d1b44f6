#pragma once

#include <QSqlDatabase>

// The few statements that differ between the engines ask this.
inline bool isPostgres(const QSqlDatabase &db)
{
    return db.driverName() == QLatin1String("QPSQL");
}
