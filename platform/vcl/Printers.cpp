#include "Printers.h"

#include <QPrinter>

QPrinter *Printer()
{
    static QPrinter *printer = new QPrinter(QPrinter::HighResolution);
    return printer;
}
