#include "resourcequery.h"

#include "sqlerror.h"

#include <QSqlQuery>

ResourceQuery::ResourceQuery(QSqlDatabase db, QObject *parent)
    : QAbstractTableModel(parent)
    , m_db(db)
{
    setObjectName(QStringLiteral("qMek"));
}

void ResourceQuery::reopen()
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    execOrThrow(q, QStringLiteral("SELECT id, MekKey, Navn FROM Res ORDER BY MekKey, id"));
    QList<Row> rows;
    while (q.next())
        rows.append({ q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString() });
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ResourceQuery::rowOfMekKey(int mekKey) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_rows.at(i).mekKey == mekKey)
            return i;
    }
    return -1;
}

int ResourceQuery::mekKeyAt(int row) const
{
    return row >= 0 && row < count() ? m_rows.at(row).mekKey : 0;
}

QString ResourceQuery::nameAt(int row) const
{
    return row >= 0 && row < count() ? m_rows.at(row).name : QString();
}

int ResourceQuery::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int ResourceQuery::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResourceQuery::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Row &r = m_rows.at(index.row());
    switch (index.column()) {
    case NameColumn:
        return r.name;
    case NumberColumn:
        return r.mekKey;
    case IdColumn:
        return r.id;
    default:
        return {};
    }
}

QVariant ResourceQuery::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return QStringLiteral("Navn");
    case NumberColumn:
        return QStringLiteral("MekKey");
    case IdColumn:
        return QStringLiteral("id");
    default:
        return {};
    }
}
