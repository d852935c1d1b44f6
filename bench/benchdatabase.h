#pragma once

#include <QDate>
#include <QString>

// Generated databases for the benchmarks: `appointments` rows over five resources (0..4),
// fourteen a day per resource, so a week of five resources holds about 490 of them whatever
// the size and a larger database spans more years. Made once by the same schema code as
// `mirvo-db create` and kept in the temporary folder between runs.
struct BenchDatabase
{
    static constexpr int resources = 5;
    static constexpr int perResourceAndDay = 14;

    QString path;
    QDate firstDay;
    QDate lastDay;

    // A Monday in the middle of the generated days.
    QDate middleMonday() const;

    static const BenchDatabase &get(int appointments);
};
