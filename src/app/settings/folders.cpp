#include "folders.h"

#include <QDir>

QString TrailingBackslash(const QString &path, int mode)
{
    if (path.isEmpty())
        return path;
    const QChar separator = QDir::separator();
    if (mode == 1)
        return path.endsWith(separator) ? path : path + separator;
    if (mode == 0)
        return path.endsWith(separator) ? path.chopped(1) : path;
    return path;
}

QString WindowsFolder()
{
    return TrailingBackslash(QDir::toNativeSeparators(QDir::rootPath()), 1);
}

QString CommonDataFolder(const QString &reportedFolder)
{
    const QString folder = TrailingBackslash(reportedFolder, 1);
    if (!folder.isEmpty())
        return folder;
    // The drive of the system folder: "C:" on Windows, nothing before the root separator here.
    const QString windows = WindowsFolder();
    const qsizetype colon = windows.indexOf(u':');
    return (colon > 0 ? windows.left(colon + 1) : QString()) + QDir::separator();
}

QString programFilePath(const QString &programFolder, const QString &fileName)
{
    return TrailingBackslash(programFolder, 1) + fileName;
}
