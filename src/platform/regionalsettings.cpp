#include "regionalsettings.h"

#include <QDate>
#include <QTime>

namespace {

// First character of a format that is not a pattern letter: the separator it uses.
QChar separatorIn(const QString &format, QChar fallback)
{
    for (const QChar c : format) {
        if (!c.isLetter() && !c.isSpace() && c != u'\'')
            return c;
    }
    return fallback;
}

} // namespace

RegionalSettings RegionalSettings::fromLocale(const QLocale &locale)
{
    RegionalSettings r;
    r.locale = locale;
    r.shortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    r.longDateFormat = locale.dateFormat(QLocale::LongFormat);
    r.shortTimeFormat = locale.timeFormat(QLocale::ShortFormat);
    r.dateSeparator = separatorIn(r.shortDateFormat, u'-');
    r.timeSeparator = separatorIn(r.shortTimeFormat, u':');
    r.decimalSeparator = locale.decimalPoint().isEmpty() ? u'.' : locale.decimalPoint().at(0);
    r.amText = locale.amText();
    r.pmText = locale.pmText();
    return r;
}

RegionalSettings RegionalSettings::system()
{
    return fromLocale(QLocale::system());
}

RegionalSettings RegionalSettings::danish()
{
    RegionalSettings r;
    r.locale = QLocale(QLocale::Danish, QLocale::Denmark);
    r.shortDateFormat = QStringLiteral("dd-MM-yyyy");
    r.longDateFormat = QStringLiteral("d. MMMM yyyy");
    r.shortTimeFormat = QStringLiteral("HH:mm");
    r.dateSeparator = u'-';
    r.timeSeparator = u':';
    r.decimalSeparator = u',';
    r.amText = QStringLiteral("AM");
    r.pmText = QStringLiteral("PM");
    return r;
}

RegionalSettings RegionalSettings::usEnglish()
{
    RegionalSettings r;
    r.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    r.shortDateFormat = QStringLiteral("M/d/yyyy");
    r.longDateFormat = QStringLiteral("dddd, MMMM d, yyyy");
    r.shortTimeFormat = QStringLiteral("h:mm AP");
    r.dateSeparator = u'/';
    r.timeSeparator = u':';
    r.decimalSeparator = u'.';
    r.amText = QStringLiteral("AM");
    r.pmText = QStringLiteral("PM");
    return r;
}

QString RegionalSettings::formatShortDate(const QDate &date) const
{
    return locale.toString(date, shortDateFormat);
}

QString RegionalSettings::formatShortTime(const QTime &time) const
{
    // Pattern letters AP/ap take the locale's own texts; use ours so a test locale is exact.
    QString text = QLocale::c().toString(time, shortTimeFormat);
    if (shortTimeFormat.contains(QLatin1String("AP"), Qt::CaseInsensitive)) {
        const QString cAm = QLocale::c().amText();
        const QString cPm = QLocale::c().pmText();
        if (text.contains(cPm, Qt::CaseInsensitive))
            text.replace(cPm, pmText, Qt::CaseInsensitive);
        else
            text.replace(cAm, amText, Qt::CaseInsensitive);
    }
    return text;
}
