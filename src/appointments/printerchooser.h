#pragma once

#include <functional>

class QPrinter;
class QWidget;

// Lets the user choose where a prepared printer prints; false when the user cancelled.
// Tests put a function here that sends the printer to a PDF file without asking.
using PrinterChooser = std::function<bool(QPrinter &printer, QWidget *parent)>;

// The real one: the platform's print dialog.
bool choosePrinterWithDialog(QPrinter &printer, QWidget *parent);
