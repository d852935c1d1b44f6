#include "appointmentstore.h"

#include "platform/guid.h"
#include "sqlerror.h"
#include "sqltext.h"
#include "sqlvalues.h"

#include <QSqlQuery>

AppointmentStore::AppointmentStore(QSqlDatabase db)
    : m_db(db)
{ }

std::optional<Appointment> AppointmentStore::first(QSqlQuery &query) const
{
    execOrThrow(query);
    if (!query.next())
        return std::nullopt;
    return appointmentFromQuery(query);
}

std::optional<Appointment> AppointmentStore::findByKey(const QString &key) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM Schedules WHERE KEYFIELD = ?").arg(appointmentColumns()));
    q.addBindValue(key);
    return first(q);
}

std::optional<Appointment> AppointmentStore::findBySlot(
    const QDateTime &start, const QDateTime &end, int mek) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM Schedules WHERE STARTTIME = ? AND ENDTIME = ? AND MEK = ?")
                  .arg(appointmentColumns()));
    q.addBindValue(toSqlDateTime(start));
    q.addBindValue(toSqlDateTime(end));
    q.addBindValue(mek);
    return first(q);
}

void AppointmentStore::insert(const Appointment &a)
{
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("INSERT INTO Schedules (KEYFIELD, STARTTIME, ENDTIME, NOTES, SUBJECT, COLOR, MEK) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(a.key);
    q.addBindValue(toSqlDateTime(a.start));
    q.addBindValue(toSqlDateTime(a.end));
    q.addBindValue(toSqlText(a.notes));
    q.addBindValue(toSqlText(a.subject));
    q.addBindValue(a.color);
    q.addBindValue(a.mek);
    execOrThrow(q);
}

void AppointmentStore::update(const QString &key, const Appointment &v)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE Schedules SET STARTTIME = ?, ENDTIME = ?, NOTES = ?, SUBJECT = ?, "
                             "COLOR = ?, MEK = ? WHERE KEYFIELD = ?"));
    q.addBindValue(toSqlDateTime(v.start));
    q.addBindValue(toSqlDateTime(v.end));
    q.addBindValue(toSqlText(v.notes));
    q.addBindValue(toSqlText(v.subject));
    q.addBindValue(v.color);
    q.addBindValue(v.mek);
    q.addBindValue(key);
    execOrThrow(q);
}

void AppointmentStore::remove(const QString &key)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("DELETE FROM Schedules WHERE KEYFIELD = ?"));
    q.addBindValue(key);
    execOrThrow(q);
}

QString AppointmentStore::save(const std::optional<QString> &selectedKey, const Appointment &values)
{
    const std::optional<Appointment> found = selectedKey && !selectedKey->isEmpty()
        ? findByKey(*selectedKey)
        : findBySlot(values.start, values.end, values.mek);
    if (found) {
        update(found->key, values);
        return found->key;
    }
    Appointment row = values;
    row.key = newGuid();
    insert(row);
    return row.key;
}
