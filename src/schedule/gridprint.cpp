#include "gridprint.h"

#include "plannergrid.h"
#include "platform/errors.h"

#include <QPainter>
#include <QPrinter>

void printGrid(const PlannerGrid &grid, QPrinter &printer)
{
    printer.setDocName(QString());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        throw MirvoError(QStringLiteral("The printer %1 could not be started").arg(printer.printerName()));
    grid.paintView(painter, QRectF(printer.pageLayout().fullRectPixels(printer.resolution())));
    painter.end();
}
