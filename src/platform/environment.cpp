#include "environment.h"

#include <QCoreApplication>
#include <QStandardPaths>

Environment Environment::system()
{
    Environment e;
    e.programFolder = QCoreApplication::applicationDirPath();
    // The last of the configuration locations is the system-wide one (/etc/xdg on Linux).
    const QStringList config = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    e.commonDataFolder = config.isEmpty() ? QStringLiteral("/etc/xdg") : config.last();
    e.now = [] { return QDateTime::currentDateTime(); };
    e.regional = RegionalSettings::system();
    return e;
}
