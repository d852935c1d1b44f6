#pragma once

#include <QSqlDatabase>
#include <QStringList>

// The opening hours as stored: the fourteen time texts of the Settings row, Monday's opening
// and closing time first, Sunday's last. Texts are stored and read exactly as typed.
class OpeningHoursRow
{
public:
    explicit OpeningHoursRow(QSqlDatabase db);

    // MandagFra, MandagTil, TirsdagFra, ... SondagTil.
    static QStringList columnNames();

    // The first row's fourteen texts; an empty value, or an empty table, gives empty texts.
    // Throws MirvoError.
    QStringList read14() const;
    // Stores fourteen texts (missing ones as empty texts), inserting the row when the table
    // has none. Throws MirvoError.
    void write14(const QStringList &texts);

private:
    QSqlDatabase m_db;
};
