#include "printerchooser.h"

#include <QPrintDialog>
#include <QPrinter>

bool choosePrinterWithDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
