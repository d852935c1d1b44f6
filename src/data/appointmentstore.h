#pragma once

#include "appointment.h"

#include <QSqlDatabase>
#include <optional>

class QSqlQuery;

// Every statement on single appointments: the two lookups, insert, update and delete.
// All values are bound; every method throws MirvoError with the database's text on failure.
class AppointmentStore
{
public:
    explicit AppointmentStore(QSqlDatabase db);

    std::optional<Appointment> findByKey(const QString &key) const;
    // The first row with exactly this start, end and resource.
    std::optional<Appointment> findBySlot(const QDateTime &start, const QDateTime &end, int mek) const;

    // Writes key, start, end, notes, subject, colour and resource; image and caption stay empty.
    void insert(const Appointment &appointment);
    // Writes start, end, notes, subject, colour and resource of the row with this key.
    void update(const QString &key, const Appointment &values);
    void remove(const QString &key);

    // The save decision: looks the appointment up by selectedKey when one is given and not
    // empty, otherwise by its slot; updates the row found, or inserts a new row under a new
    // GUID. Returns the key of the row written.
    QString save(const std::optional<QString> &selectedKey, const Appointment &values);

private:
    std::optional<Appointment> first(QSqlQuery &query) const;

    QSqlDatabase m_db;
};
