#include "defaultprinter.h"

#include "errors.h"

#include <QPrinter>
#include <QPrinterInfo>

void useSystemDefaultPrinter(QPrinter &printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw MirvoError(
            QStringLiteral("There is no default printer: set one up in the system's printer settings"));
    printer.setPrinterName(info.printerName());
}
