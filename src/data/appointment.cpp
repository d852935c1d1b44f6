#include "appointment.h"

#include "sqlvalues.h"

#include <QSqlQuery>
#include <QVariant>

QString appointmentColumns()
{
    return QStringLiteral("KEYFIELD, STARTTIME, ENDTIME, SUBJECT, NOTES, COLOR, IMAGE, CAPTION, MEK");
}

Appointment appointmentFromQuery(const QSqlQuery &query)
{
    Appointment a;
    a.key = query.value(0).toString();
    a.start = fromSqlDateTime(query.value(1));
    a.end = fromSqlDateTime(query.value(2));
    a.subject = query.value(3).toString();
    a.notes = query.value(4).toString();
    a.color = query.value(5).toLongLong();
    a.image = query.value(6).toString();
    a.caption = query.value(7).toString();
    a.mek = query.value(8).toInt();
    return a;
}
