#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSqlDatabase>

// The resources, ordered by number, as one model for the resource pickers (model column 0)
// and the resource register. The rows are a snapshot: reopen() reads them anew.
class ResourceQuery : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn = 0, // Navn
        NumberColumn = 1, // MekKey
        IdColumn = 2, // id
        ColumnCount
    };

    explicit ResourceQuery(QSqlDatabase db, QObject *parent = nullptr);

    // Reads every row of Res; throws MirvoError, leaving the model as it was.
    void reopen();

    int count() const { return static_cast<int>(m_rows.size()); }
    // The row holding this resource number, -1 when there is none.
    int rowOfMekKey(int mekKey) const;
    int mekKeyAt(int row) const;
    QString nameAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        int id = 0;
        int mekKey = 0;
        QString name;
    };

    QSqlDatabase m_db;
    QList<Row> m_rows;
};
