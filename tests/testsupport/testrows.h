#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTest>

// Runs a statement a test needs for its setting, failing the test when the database refuses it.
inline void exec(QSqlDatabase db, const QString &statement)
{
    QSqlQuery q(db);
    if (!q.exec(statement))
        QFAIL(qPrintable(statement));
}

// Each resource as "number:name", in number order.
inline QStringList resources(QSqlDatabase db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT MekKey, Navn FROM Res ORDER BY MekKey"));
    QStringList list;
    while (q.next())
        list.append(QStringLiteral("%1:%2").arg(q.value(0).toInt()).arg(q.value(1).toString()));
    return list;
}

// Each appointment as "resource:subject", in subject order.
inline QStringList appointments(QSqlDatabase db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT MEK, SUBJECT FROM Schedules ORDER BY SUBJECT"));
    QStringList list;
    while (q.next())
        list.append(QStringLiteral("%1:%2").arg(q.value(0).toInt()).arg(q.value(1).toString()));
    return list;
}
