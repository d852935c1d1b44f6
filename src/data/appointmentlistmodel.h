#pragma once

#include "appointment.h"
#include "platform/regionalsettings.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSqlDatabase>

// The appointment list: every appointment of the resources MinMek..MaxMek, of every date,
// ordered by resource number and key, read-only. Rows are read a page at a time as a view
// scrolls (canFetchMore/fetchMore); each page is a finished statement, so no open cursor
// holds a lock that would keep other copies of the program from writing.
class AppointmentListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        KeyColumn,
        StartColumn,
        EndColumn,
        SubjectColumn,
        NotesColumn,
        ColorColumn,
        ImageColumn,
        CaptionColumn,
        MekColumn,
        ColumnCount
    };

    static constexpr int pageSize = 256;

    // Date-times are shown in the short date and time formats of `regional`.
    AppointmentListModel(QSqlDatabase db, const RegionalSettings &regional, QObject *parent = nullptr);

    // Forgets the rows read so far and reads the first page of the new range; throws MirvoError.
    void reopen(int minMek, int maxMek);
    int minMek() const { return m_minMek; }
    int maxMek() const { return m_maxMek; }

    QString keyAt(int row) const;
    const Appointment &appointmentAt(int row) const { return m_rows.at(row); }

    // Deletes the appointments of these rows from the database by key and drops the rows.
    // Throws MirvoError when the database rejects a deletion; false for rows out of range.
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = QModelIndex()) const override;
    // Views call this while painting, where an exception cannot be let through: a failed read
    // ends the fetching and is reported by fetchFailed.
    void fetchMore(const QModelIndex &parent = QModelIndex()) override;

signals:
    void fetchFailed(const QString &text);

private:
    QList<Appointment> readPage() const;
    void appendPage(const QList<Appointment> &page);
    QString dateTimeText(const QDateTime &value) const;

    QSqlDatabase m_db;
    RegionalSettings m_regional;
    QList<Appointment> m_rows;
    int m_minMek = 0;
    int m_maxMek = -1;
    bool m_atEnd = true;
    // The sort position of the last row read; the next page starts after it.
    bool m_hasLast = false;
    int m_lastMek = 0;
    QString m_lastKey;
};
