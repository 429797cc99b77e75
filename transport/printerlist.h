#pragma once

#include <QVector>

// One discovered printer as the device-list search hands it over; `modelname` holds
// the text of the list entry.
struct _PRINTER_ATTR
{
    char reserved[256];
    char modelname[256];
    char reservedTail[20];
};

constexpr int kPrinterAttrCount = 5;

// One USB printer found by enumeration.
struct PrinterDevEntry
{
    char productString[256];
    char portName[256];
    char reserved[1024];
};

struct Printer_Vector
{
    QVector<PrinterDevEntry> devices;
    QVector<PrinterDevEntry> unused;
};
