#pragma once

#include "platform/environment.h"

// The machine as a test sets it: `folder` as program and all-users folder, a clock standing at
// 09:00 on `today`, and the given regional settings (Danish unless said).
inline Environment testEnvironment(const QString &folder, const QDate &today = QDate(2024, 1, 15),
    const RegionalSettings &regional = RegionalSettings::danish())
{
    Environment e;
    e.programFolder = folder;
    e.commonDataFolder = folder;
    e.now = [today] { return QDateTime(today, QTime(9, 0)); };
    e.regional = regional;
    return e;
}
