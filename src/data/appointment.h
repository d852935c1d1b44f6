#pragma once

#include <QDateTime>
#include <QString>

class QSqlQuery;

// One row of Schedules. Colours are 0x00BBGGRR values and may be negative (system colours).
struct Appointment
{
    QString key;
    QDateTime start;
    QDateTime end;
    QString subject;
    QString notes;
    qint64 color = 0;
    int mek = 0;
    // Present in the table and shown in the appointment list; the program never writes them.
    QString image;
    QString caption;
};

// The select list that appointmentFromQuery reads, in its order.
QString appointmentColumns();

// Reads the current row of a query that selected appointmentColumns(). Empty values read as
// the zero date, empty texts, colour 0 and resource 0.
Appointment appointmentFromQuery(const QSqlQuery &query);
