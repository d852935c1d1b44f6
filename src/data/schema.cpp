#include "schema.h"

#include "defaulttexts.h"
#include "engine.h"
#include "platform/errors.h"
#include "platform/guid.h"
#include "sqlerror.h"
#include "sqlvalues.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <QStringList>

namespace {

QStringList tableStatements(const QSqlDatabase &db)
{
    const bool pg = isPostgres(db);
    const QString dateTime = pg ? QStringLiteral("TIMESTAMP") : QStringLiteral("DATETIME");
    const QString autoId
        = pg ? QStringLiteral("SERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    return {
        QStringLiteral(
            "CREATE TABLE Schedules (KEYFIELD VARCHAR(38) NOT NULL PRIMARY KEY, STARTTIME %1, ENDTIME %1, "
            "SUBJECT TEXT, NOTES TEXT, COLOR INTEGER, IMAGE TEXT, CAPTION TEXT, MEK INTEGER)")
            .arg(dateTime),
        // The grid reads one resource range and one date range at a time.
        QStringLiteral("CREATE INDEX SchedulesMekStart ON Schedules (MEK, STARTTIME)"),
        QStringLiteral("CREATE INDEX SchedulesMekEnd ON Schedules (MEK, ENDTIME)"),
        // The appointment list pages through one resource range in key order.
        QStringLiteral("CREATE INDEX SchedulesMekKey ON Schedules (MEK, KEYFIELD)"),
        QStringLiteral("CREATE TABLE Res (id %1, MekKey INTEGER NOT NULL, Navn TEXT)").arg(autoId),
        QStringLiteral(
            "CREATE TABLE Settings (MandagFra TEXT, MandagTil TEXT, TirsdagFra TEXT, TirsdagTil TEXT, "
            "OnsdagFra TEXT, OnsdagTil TEXT, TorsdagFra TEXT, TorsdagTil TEXT, FredagFra TEXT, "
            "FredagTil TEXT, LordagFra TEXT, LordagTil TEXT, SondagFra TEXT, SondagTil TEXT)"),
        QStringLiteral("CREATE TABLE T_Sprog (Sprog INTEGER NOT NULL, Nr INTEGER NOT NULL, Tekst TEXT)"),
        QStringLiteral("CREATE INDEX T_SprogSprogNr ON T_Sprog (Sprog, Nr)"),
    };
}

void insertResource(QSqlDatabase db, int number, const QString &name)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO Res (MekKey, Navn) VALUES (?, ?)"));
    q.addBindValue(number);
    q.addBindValue(name);
    execOrThrow(q);
}

void insertAppointment(QSqlDatabase db, const QDate &date, QTime start, QTime end, const QString &subject,
    const QString &notes, int colour, int resource)
{
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("INSERT INTO Schedules (KEYFIELD, STARTTIME, ENDTIME, SUBJECT, NOTES, COLOR, MEK) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(newGuid());
    q.addBindValue(toSqlDateTime(QDateTime(date, start)));
    q.addBindValue(toSqlDateTime(QDateTime(date, end)));
    q.addBindValue(subject);
    q.addBindValue(notes);
    q.addBindValue(colour);
    q.addBindValue(resource);
    execOrThrow(q);
}

// The next working day on or after `date`.
QDate workingDay(QDate date)
{
    while (date.dayOfWeek() > 5)
        date = date.addDays(1);
    return date;
}

void insertDemoData(QSqlDatabase db, const QDate &today)
{
    insertResource(db, 1, QStringLiteral("Anne Holm"));
    insertResource(db, 2, QStringLiteral("Bo Jensen"));
    insertResource(db, 3, QStringLiteral("Lift 1"));

    struct Demo
    {
        int dayOffset;
        int startHour, startMinute, endHour, endMinute;
        const char *subject;
        const char *notes;
        int colour;
        int resource;
    };
    // Colours are the picker's values (red in the low byte).
    // clang-format off
    const Demo demo[] = {
        { 0, 8, 0, 9, 0, "Morgenmøde", "Ugens plan\r\nFordeling af opgaver\r\n", 15780518, 0 },
        { 0, 9, 30, 11, 0, "Eftersyn VW Golf", "Kunde: Hansen\r\nTlf. 20 30 40 50\r\n", 65535, 1 },
        { 0, 10, 0, 10, 30, "Dækskifte", "4 vinterdæk\r\n", 12639424, 2 },
        { 0, 11, 0, 12, 30, "Bremser", "For og bag\r\n", 16776960, 3 },
        { 0, 13, 0, 14, 0, "Olieskift", "", 15793151, 1 },
        { 1, 8, 30, 10, 0, "Syn af Toyota", "Kunde: Larsen\r\n", 15780518, 2 },
        { 1, 10, 0, 11, 30, "Kobling", "Bestil dele\r\n", 255, 3 },
        { 1, 12, 0, 12, 30, "Frokostmøde", "", 12632256, 0 },
        { 1, 13, 0, 15, 0, "Service 30.000 km", "Kunde: Nielsen\r\n", 65280, 1 },
        { 2, 8, 0, 8, 30, "Levering", "Dæk fra lager\r\n", 10789024, 0 },
        { 2, 9, 0, 12, 0, "Motorreparation", "Audi A4\r\nKunde: Berg\r\n", 16711935, 3 },
        { 2, 9, 0, 10, 0, "Rudeskift", "", 15780518, 2 },
        { 2, 14, 0, 15, 30, "Aircondition", "Påfyldning\r\n", 16776960, 1 },
        { 3, 8, 0, 9, 30, "Eftersyn Ford", "Kunde: Madsen\r\n", 65535, 2 },
        { 3, 10, 0, 11, 0, "Udstødning", "", 8421504, 3 },
        { 3, 13, 0, 14, 30, "Dækskifte", "Sommerdæk på hotel\r\n", 12639424, 1 },
        { 4, 8, 0, 9, 0, "Ugemøde", "Status\r\n", 15780518, 0 },
        { 4, 9, 0, 10, 30, "Syn af Peugeot", "", 15793151, 1 },
        { 4, 11, 0, 13, 0, "Styretøj", "Kunde: Poulsen\r\n", 255, 2 },
        { 4, 13, 30, 15, 0, "Lakering", "Forskærm\r\n", 16711935, 3 },
        { 7, 8, 0, 9, 0, "Morgenmøde", "", 15780518, 0 },
    };
    // clang-format on
    const QDate first = workingDay(today);
    for (const Demo &d : demo) {
        QDate date = first;
        for (int i = 0; i < d.dayOffset; ++i)
            date = workingDay(date.addDays(1));
        insertAppointment(db, date, QTime(d.startHour, d.startMinute), QTime(d.endHour, d.endMinute),
            QString::fromUtf8(d.subject), QString::fromUtf8(d.notes), d.colour, d.resource);
    }
}

} // namespace

bool hasProgramTables(QSqlDatabase db)
{
    const QStringList tables = db.tables();
    for (const QString &name : { QStringLiteral("Schedules"), QStringLiteral("Res"),
             QStringLiteral("Settings"), QStringLiteral("T_Sprog") }) {
        for (const QString &t : tables) {
            if (t.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

void createDatabase(QSqlDatabase db, bool demo, const QDate &today)
{
    if (!db.transaction())
        throw MirvoError(QStringLiteral("Cannot start a transaction"));
    try {
        QSqlQuery q(db);
        for (const QString &statement : tableStatements(db))
            execOrThrow(q, statement);
        insertResource(db, 0, QStringLiteral("System"));
        execOrThrow(q,
            QStringLiteral("INSERT INTO Settings (MandagFra, MandagTil, TirsdagFra, TirsdagTil, OnsdagFra, "
                           "OnsdagTil, TorsdagFra, TorsdagTil, FredagFra, FredagTil, LordagFra, LordagTil, "
                           "SondagFra, SondagTil) VALUES ('08:00', '16:00', '08:00', '16:00', '08:00', "
                           "'16:00', '08:00', '16:00', '08:00', '16:00', '00:00', '00:00', '00:00', "
                           "'00:00')"));
        QSqlQuery text(db);
        text.prepare(QStringLiteral("INSERT INTO T_Sprog (Sprog, Nr, Tekst) VALUES (?, ?, ?)"));
        for (const DefaultText &t : defaultTexts()) {
            text.bindValue(0, t.language);
            text.bindValue(1, t.number);
            text.bindValue(2, t.text);
            execOrThrow(text);
        }
        if (demo)
            insertDemoData(db, today);
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit())
        throw MirvoError(QStringLiteral("Cannot commit the new database"));
}
