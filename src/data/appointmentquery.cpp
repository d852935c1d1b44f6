#include "appointmentquery.h"

AppointmentQuery::AppointmentQuery(QSqlDatabase db, QObject *parent)
    : QObject(parent)
    , m_db(db)
{
    setObjectName(QStringLiteral("qAftaler"));
}

void AppointmentQuery::reopen(int minMek, int maxMek)
{
    m_minMek = minMek;
    m_maxMek = maxMek;
    emit reopened();
}

void AppointmentQuery::requery()
{
    emit reopened();
}
