#include "databaselocation.h"

#include "app/settings/folders.h"

QString locateDatabase(const QString &configuredFolder, const QString &programFolder,
                       const std::function<bool(const QString &)> &fileExists)
{
    const QString configured = TrailingBackslash(configuredFolder, 1) + databaseFileName;
    if (fileExists(configured))
        return configured;
    const QString beside = programFilePath(programFolder, databaseFileName);
    if (fileExists(beside))
        return beside;
    return {};
}
