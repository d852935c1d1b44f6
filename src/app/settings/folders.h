#pragma once

#include <QString>

// Folder helpers for building file paths. This platform's directory separator stands for the
// backslash of Windows paths.

// Mode 1 adds a trailing separator when the path lacks one, mode 0 removes one. An empty path
// stays empty; any other mode returns the path unchanged.
QString TrailingBackslash(const QString &path, int mode);

// The system folder with a trailing separator: here the root folder.
QString WindowsFolder();

// The all-users data folder as the system reports it, with a trailing separator. When nothing is
// reported, the drive (root) of WindowsFolder() with a separator.
QString CommonDataFolder(const QString &reportedFolder);

// A file in the program folder: the folder with a trailing separator and the file name.
QString programFilePath(const QString &programFolder, const QString &fileName);
