#pragma once

#include <QString>
#include <optional>

// The installation's language: its code ("DK" unless the installation names another) and the
// number that selects its rows of the text table.
struct LanguageChoice
{
    QString code;
    std::optional<int> number;
};

// "DK" is 1, "S" is 3, "N" is 4, letter case included; any other code has no number, so the text
// table selects no row.
std::optional<int> languageNumber(const QString &code);

// Config.ini in the program folder names the product and its version; Sls.ini in the common data
// folder holds the language under "<product>-<version>", key "Lang". Without Config.ini, or when
// anything fails, the language is "DK".
LanguageChoice SelectLanguage(const QString &programFolder, const QString &commonDataFolder);
