#pragma once

#include <QList>
#include <QString>

// What the tool knows of each printer model, in one table: its resolution, whether it
// has the print-mode setting (and a stripper), whether its settings may be changed from
// here at all, and how many print speeds it offers. The window, the command line and
// the fleet all take a printer's facts from here.
namespace modeltable {

// The speeds of the models outside and inside the print-mode group.
constexpr int kFewerSpeeds = 4;
constexpr int kAllSpeeds = 8;

struct Facts
{
    int dotsPerMm = 8;
    bool printMode = false;    // the print-mode setting and the stripper page
    bool settingsPages = true; // false: the tool leaves the model's settings alone
    int speeds = kFewerSpeeds; // entries of the speed list
};

struct Model
{
    const char *name;
    Facts facts;
};

const QList<Model> &models();

// The facts of the printer a device list entry (or a model name) names. Each model whose
// name occurs in the text adds what sets it apart: a name may hold another's
// ("ZC-M919" holds "M919"). A model nobody knows has the defaults.
Facts of(const QString &entry);

// The speeds a model of the print-mode group, or of the others, offers.
int speeds(bool printMode);

} // namespace modeltable
