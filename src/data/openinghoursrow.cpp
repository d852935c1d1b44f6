#include "openinghoursrow.h"

#include "sqlerror.h"
#include "sqltext.h"
#include "transaction.h"

#include <QSqlQuery>
#include <QVariant>

namespace {
constexpr int columnCount = 14;
}

OpeningHoursRow::OpeningHoursRow(QSqlDatabase db)
    : m_db(db)
{ }

QStringList OpeningHoursRow::columnNames()
{
    return { QStringLiteral("MandagFra"), QStringLiteral("MandagTil"), QStringLiteral("TirsdagFra"),
        QStringLiteral("TirsdagTil"), QStringLiteral("OnsdagFra"), QStringLiteral("OnsdagTil"),
        QStringLiteral("TorsdagFra"), QStringLiteral("TorsdagTil"), QStringLiteral("FredagFra"),
        QStringLiteral("FredagTil"), QStringLiteral("LordagFra"), QStringLiteral("LordagTil"),
        QStringLiteral("SondagFra"), QStringLiteral("SondagTil") };
}

QStringList OpeningHoursRow::read14() const
{
    // The table holds one row. Without ORDER BY, SQLite scans in rowid order, so LIMIT 1 is
    // the oldest row; PostgreSQL gives some row, which write14 keeps equal to the others.
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    execOrThrow(
        q, QStringLiteral("SELECT %1 FROM Settings LIMIT 1").arg(columnNames().join(QStringLiteral(", "))));
    QStringList texts;
    const bool found = q.next();
    for (int i = 0; i < columnCount; ++i)
        texts.append(found ? q.value(i).toString() : QStringLiteral(""));
    return texts;
}

void OpeningHoursRow::write14(const QStringList &texts)
{
    const QStringList columns = columnNames();
    QVariantList values;
    for (int i = 0; i < columnCount; ++i)
        values.append(toSqlText(i < texts.size() ? texts.at(i) : QString()));

    // Every row gets the texts, so whichever row an engine calls the first shows them; in
    // practice there is exactly one row.
    Transaction transaction(m_db);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE Settings SET %1 = ?").arg(columns.join(QStringLiteral(" = ?, "))));
    for (const QVariant &v : values)
        q.addBindValue(v);
    execOrThrow(q);
    if (q.numRowsAffected() == 0) {
        q.prepare(QStringLiteral("INSERT INTO Settings (%1) VALUES (%2)")
                      .arg(columns.join(QStringLiteral(", ")),
                          QStringList(columnCount, QStringLiteral("?")).join(QStringLiteral(", "))));
        for (const QVariant &v : values)
            q.addBindValue(v);
        execOrThrow(q);
    }
    transaction.commit();
}
