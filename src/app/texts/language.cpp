#include "language.h"

#include "app/settings/folders.h"
#include "app/settings/inifile.h"

#include <QFileInfo>

namespace {
const QString danish = QStringLiteral("DK");
}

std::optional<int> languageNumber(const QString &code)
{
    if (code == danish)
        return 1;
    if (code == QLatin1StringView("S"))
        return 3;
    if (code == QLatin1StringView("N"))
        return 4;
    return std::nullopt;
}

LanguageChoice SelectLanguage(const QString &programFolder, const QString &commonDataFolder)
{
    LanguageChoice choice { danish, std::nullopt };
    const QString config = programFilePath(programFolder, QStringLiteral("Config.ini"));
    if (QFileInfo(config).isFile()) {
        const IniFile configFile(config);
        const QString version
            = configFile.readString(QStringLiteral("Version"), QStringLiteral("Version"), {});
        const QString product
            = configFile.readString(QStringLiteral("Version"), QStringLiteral("ProductName"), {});
        const IniFile sls(CommonDataFolder(commonDataFolder) + QStringLiteral("Sls.ini"));
        choice.code = sls.readString(product + u'-' + version, QStringLiteral("Lang"), danish);
    }
    choice.number = languageNumber(choice.code);
    return choice;
}
