#include "texttable.h"

#include "platform/errors.h"
#include "sqlerror.h"

#include <QSqlQuery>
#include <QVariant>

void TextTable::open(QSqlDatabase db, std::optional<int> language)
{
    m_rows.clear();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT * FROM T_Sprog WHERE Sprog = ?")))
        throw MirvoError(sqlErrorText(q));
    // A null number matches no row, which leaves every text empty.
    q.addBindValue(language ? QVariant(*language) : QVariant(QMetaType(QMetaType::Int)));
    execOrThrow(q);
    while (q.next())
        m_rows.push_back(
            { q.value(QStringLiteral("Nr")).toInt(), q.value(QStringLiteral("Tekst")).toString() });
}

QString TextTable::LookupText(int number) const
{
    for (const Row &row : m_rows) {
        if (row.number == number)
            return row.text;
    }
    return QString();
}
