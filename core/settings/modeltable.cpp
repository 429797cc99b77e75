#include "core/settings/modeltable.h"

namespace modeltable {

namespace {

constexpr Facts kHighResolution{12, false, true, kFewerSpeeds};
constexpr Facts kPrintMode{8, true, true, kAllSpeeds};
constexpr Facts kHighResolutionPrintMode{12, true, true, kAllSpeeds};
constexpr Facts kNoSettings{8, false, false, kFewerSpeeds};

// clang-format off
const QList<Model> kModels{
    {"K51A",      kHighResolution},
    {"K53TA",     kHighResolutionPrintMode},
    {"K54A",      kHighResolution},
    {"RM872QV",   kHighResolution},
    {"M919",      kHighResolution},
    {"K53",       kPrintMode},
    {"K60",       kPrintMode},
    {"QR470",     kPrintMode},
    {"PRO",       kPrintMode},
    {"K52B",      kPrintMode},
    {"ZC-M300",   kPrintMode},
    {"ZC-M919",   kHighResolutionPrintMode},
    {"ZC-500RA",  kPrintMode},
    {"ZC-501VRA", kPrintMode},
    {"WX-310",    kNoSettings},
    {"WX-320",    kNoSettings},
};
// clang-format on

} // namespace

const QList<Model> &models()
{
    return kModels;
}

Facts of(const QString &entry)
{
    Facts out;
    for (const Model &m : kModels) {
        if (!entry.contains(QLatin1String(m.name), Qt::CaseSensitive))
            continue;
        out.dotsPerMm = qMax(out.dotsPerMm, m.facts.dotsPerMm);
        out.printMode = out.printMode || m.facts.printMode;
        out.settingsPages = out.settingsPages && m.facts.settingsPages;
        out.speeds = qMax(out.speeds, m.facts.speeds);
    }
    return out;
}

int speeds(bool printMode)
{
    return printMode ? kAllSpeeds : kFewerSpeeds;
}

} // namespace modeltable
