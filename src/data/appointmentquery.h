#pragma once

#include <QObject>
#include <QSqlDatabase>

// The resource window of the loaded appointments: every appointment whose resource number lies
// in MinMek..MaxMek, both included. The grid and the appointment list read their rows
// themselves when reopened() tells them the window or the data has changed.
class AppointmentQuery : public QObject
{
    Q_OBJECT

public:
    explicit AppointmentQuery(QSqlDatabase db, QObject *parent = nullptr);

    QSqlDatabase database() const { return m_db; }
    int minMek() const { return m_minMek; }
    int maxMek() const { return m_maxMek; }

    // Closes, assigns both numbers, opens: the only way the window changes.
    void reopen(int minMek, int maxMek);
    // Opens again with the current numbers, to show what other copies have written.
    void requery();

signals:
    void reopened();

private:
    QSqlDatabase m_db;
    int m_minMek = 0;
    int m_maxMek = 0;
};
