#pragma once

#include "device/link/printeraddress.h"

#include <QMetaType>
#include <QString>

// A printer a search found, as the search knows it. The device list shows listText();
// everything else (opening it, its model's facts, the fleet) reads the fields.
struct FoundPrinter
{
    QString maker; // the maker's word (USB: the brand of the product id)
    QString model; // the model's name (USB: the product string)
    PrinterAddress address;
    QString place; // where the list says it is: "USB005", "10.0.0.2"

    int medium() const { return address.medium(); }
    // The device list's entry, "maker [model] {place}".
    QString listText() const;
};

Q_DECLARE_METATYPE(FoundPrinter)
