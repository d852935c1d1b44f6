#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// One appointment as the grid shows it. `colour` is 0x00BBGGRR: red in the low byte.
// Start and end are wall-clock times as stored, carried as Qt::UTC date-times so that no
// time-zone rule touches them; use their date() and time().
struct AppointmentItem
{
    QString key;
    QDateTime start;
    QDateTime end;
    QString caption;
    QStringList text;
    qint64 colour = 0;
    int resource = 0;
};

// A block's start or end as the commands show it: hour without a leading zero, the regional
// time separator, two-digit minutes ("8:05").
QString blockTimeText(const QDateTime &time, QChar timeSeparator);
