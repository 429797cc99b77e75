#pragma once

#include <optional>

class PrinterSession;

// The stored settings of the print, distance and stripper pages as plain values in the
// units the user sees, read from and written to the open printer. A value that is not
// set is neither sent nor, after a read, known; a setting the model lacks (print mode
// or automatic paper feed) is skipped. Lists hold the entry index the page shows;
// after a read an index may lie beyond the page's entries (the printer's own value).

struct PrintSettings
{
    std::optional<int> speed;
    std::optional<int> density;
    std::optional<int> labelGapMm;
    std::optional<int> blackMarkGapMm;
    std::optional<int> direction; // 0 or 1; travels with method in one frame
    std::optional<int> method;    // 0 normal, 1 mirrored
    std::optional<int> printOffsetMm;
    std::optional<int> verticalOffsetMm;
    std::optional<int> printMode; // models with the print-mode setting only
    std::optional<int> autoPaper; // the other models only
    std::optional<int> paperType;
    std::optional<int> codePage;
    std::optional<int> commandSet; // the printer's code: 1 ZPL ... 5 DPL, 0x20 AUTO
    std::optional<double> widthMm; // label size, with one decimal; travels with height
    std::optional<double> heightMm;
    std::optional<int> menuLanguage;
};

struct DistanceSettings
{
    std::optional<int> outletDots;    // paper outlet to print head
    std::optional<int> gapSensorMm;   // gap sensor to print head
    std::optional<int> blackSensorMm; // black-mark sensor to print head
    std::optional<int> tearDots;      // print head to tear position
};

struct StripperSettings
{
    std::optional<int> takeAwaySeconds;
};

// Each read runs every query of its page inside one operation and fills what was
// answered; the result is the code of the first failed query, or 0.
int readPrintSettings(PrinterSession &session, PrintSettings *out);
int readDistanceSettings(PrinterSession &session, DistanceSettings *out);
int readStripperSettings(PrinterSession &session, StripperSettings *out);

// Each write sends one set frame per set value, in the printer's order, and goes on
// after a failure; the result is the first failure in reporting order, or 0. The print
// settings end with the batch-end command, which the printer needs to apply them.
int writePrintSettings(PrinterSession &session, const PrintSettings &in);
int writeDistanceSettings(PrinterSession &session, const DistanceSettings &in);
int writeStripperSettings(PrinterSession &session, const StripperSettings &in);
