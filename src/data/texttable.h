#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

// The interface texts of one language, read once from T_Sprog and kept in the query's order.
class TextTable
{
public:
    // Reads the rows of the language; no language selects no row. Throws MirvoError with the
    // database's text when the query fails.
    void open(QSqlDatabase db, std::optional<int> language);

    // The text of the first row with this number; a null text or a missing row gives "".
    QString LookupText(int number) const;

    int rowCount() const { return int(m_rows.size()); }

private:
    struct Row
    {
        int number;
        QString text;
    };
    std::vector<Row> m_rows;
};
