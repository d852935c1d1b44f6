#pragma once

#include <functional>

class QPrinter;

// Points a printer at the system's default printer; throws MirvoError when there is none
// (common on desktops without a print server). Tests put a PDF file in its place.
using DefaultPrinter = std::function<void(QPrinter &printer)>;
void useSystemDefaultPrinter(QPrinter &printer);
