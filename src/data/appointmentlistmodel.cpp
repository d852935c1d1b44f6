#include "appointmentlistmodel.h"

#include "platform/errors.h"
#include "sqlerror.h"
#include "sqlvalues.h"

#include <QSqlQuery>

AppointmentListModel::AppointmentListModel(QSqlDatabase db, const RegionalSettings &regional, QObject *parent)
    : QAbstractTableModel(parent)
    , m_db(db)
    , m_regional(regional)
{ }

void AppointmentListModel::reopen(int minMek, int maxMek)
{
    beginResetModel();
    m_rows.clear();
    m_minMek = minMek;
    m_maxMek = maxMek;
    m_hasLast = false;
    m_lastKey.clear();
    m_atEnd = false;
    try {
        appendPage(readPage());
    } catch (...) {
        m_atEnd = true;
        endResetModel();
        throw;
    }
    endResetModel();
}

QList<Appointment> AppointmentListModel::readPage() const
{
    // Keyset paging on (MEK, KEYFIELD): each page starts in the index right after the last row
    // read, so a page costs the same wherever it lies. Both engines accept the row comparison.
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    const QString columns = appointmentColumns();
    if (m_hasLast) {
        q.prepare(QStringLiteral("SELECT %1 FROM Schedules WHERE MEK <= ? AND (MEK, KEYFIELD) > (?, ?) "
                                 "ORDER BY MEK, KEYFIELD LIMIT ?")
                      .arg(columns));
        q.addBindValue(m_maxMek);
        q.addBindValue(m_lastMek);
        q.addBindValue(m_lastKey);
    } else {
        q.prepare(QStringLiteral(
            "SELECT %1 FROM Schedules WHERE MEK >= ? AND MEK <= ? ORDER BY MEK, KEYFIELD LIMIT ?")
                      .arg(columns));
        q.addBindValue(m_minMek);
        q.addBindValue(m_maxMek);
    }
    q.addBindValue(pageSize);
    execOrThrow(q);
    QList<Appointment> page;
    page.reserve(pageSize);
    while (q.next())
        page.append(appointmentFromQuery(q));
    return page;
}

void AppointmentListModel::appendPage(const QList<Appointment> &page)
{
    m_atEnd = page.size() < pageSize;
    if (page.isEmpty())
        return;
    m_hasLast = true;
    m_lastMek = page.last().mek;
    m_lastKey = page.last().key;
    m_rows.append(page);
}

bool AppointmentListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void AppointmentListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    QList<Appointment> page;
    try {
        page = readPage();
    } catch (const MirvoError &e) {
        m_atEnd = true;
        emit fetchFailed(e.message());
        return;
    }
    if (page.isEmpty()) {
        m_atEnd = true;
        return;
    }
    beginInsertRows(QModelIndex(), rowCount(), rowCount() + static_cast<int>(page.size()) - 1);
    appendPage(page);
    endInsertRows();
}

QString AppointmentListModel::keyAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows.at(row).key : QString();
}

bool AppointmentListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("DELETE FROM Schedules WHERE KEYFIELD = ?"));
    for (int i = row; i < row + count; ++i) {
        q.bindValue(0, m_rows.at(i).key);
        execOrThrow(q);
    }
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    m_rows.remove(row, count);
    endRemoveRows();
    return true;
}

int AppointmentListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int AppointmentListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString AppointmentListModel::dateTimeText(const QDateTime &value) const
{
    if (value == zeroDateTime())
        return {};
    return m_regional.formatShortDate(value.date()) + QLatin1Char(' ')
        + m_regional.formatShortTime(value.time());
}

QVariant AppointmentListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    const Appointment &a = m_rows.at(index.row());
    switch (index.column()) {
    case KeyColumn:
        return a.key;
    case StartColumn:
        return dateTimeText(a.start);
    case EndColumn:
        return dateTimeText(a.end);
    case SubjectColumn:
        return a.subject;
    case NotesColumn:
        return a.notes;
    case ColorColumn:
        return a.color;
    case ImageColumn:
        return a.image;
    case CaptionColumn:
        return a.caption;
    case MekColumn:
        return a.mek;
    default:
        return {};
    }
}

QVariant AppointmentListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[ColumnCount]
        = { "KEYFIELD", "STARTTIME", "ENDTIME", "SUBJECT", "NOTES", "COLOR", "IMAGE", "CAPTION", "MEK" };
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(titles[section]);
}
