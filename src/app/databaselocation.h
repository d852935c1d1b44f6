#pragma once

#include <QString>
#include <functional>

inline const QString databaseFileName = QStringLiteral("DbPlanner.Mdb");

// Where the program finds its database: the configured folder first (an empty folder gives the
// bare file name, found in the working directory), then the program folder. Empty when neither
// holds the file.
QString locateDatabase(const QString &configuredFolder, const QString &programFolder,
                       const std::function<bool(const QString &)> &fileExists);
