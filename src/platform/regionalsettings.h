#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

// The user's regional date and time conventions, as one value that tests can set.
// Formats use Qt's date/time pattern letters ("dd-MM-yyyy", "HH:mm", "h:mm AP").
struct RegionalSettings
{
    QString shortDateFormat;
    QString longDateFormat;
    QString shortTimeFormat;
    QChar dateSeparator;
    QChar timeSeparator;
    QChar decimalSeparator;
    QString amText;
    QString pmText;
    QLocale locale; // month and day names

    static RegionalSettings fromLocale(const QLocale &locale);
    static RegionalSettings system();
    // Danish: dd-MM-yyyy, HH:mm, '-' and ':'.
    static RegionalSettings danish();
    // United States: M/d/yyyy, h:mm AP with "AM"/"PM".
    static RegionalSettings usEnglish();

    QString formatShortDate(const QDate &date) const;
    QString formatShortTime(const QTime &time) const;
};
