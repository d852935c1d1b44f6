#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class QFont;
class QPaintDevice;
class QPrinter;

// What the one-appointment template `ppEnkeltAftale` prints: the dialog's fields as they stand,
// the time texts unchecked.
struct AppointmentPrintout
{
    QString dateText;
    QString startText;
    QString endText;
    QString heading;
    QString text;
};

namespace AppointmentPrint {

// Two-digit day, separator, two-digit month, separator, four-digit year.
QString dateText(const QDate &date, QChar dateSeparator);

// Letter paper, portrait, 6.35 mm margins on every side, job name "Report".
void preparePrinter(QPrinter &printer);

// Splits text into the lines it prints as: its own line breaks kept, longer lines wrapped at word
// boundaries (a word wider than the line is broken). Empty text gives no lines.
QStringList wrapText(const QString &text, const QFont &font, qreal width, QPaintDevice *device);

// The first line of each page, when every page takes as many whole lines as its room holds and
// at least one, so that nothing is ever cut. Always at least one page.
QList<int> pageStarts(int lineCount, qreal lineHeight, qreal firstPageRoom, qreal laterPageRoom);

// Prints the template on a prepared printer: the header band on every page, the heading on the
// first, the text continuing over as many pages as it needs. Throws MirvoError when the printer
// cannot be started.
void print(const AppointmentPrintout &printout, QPrinter &printer);

} // namespace AppointmentPrint
