#include "settings/printsettingsio.h"

#include "settings/settingsengine.h"
#include "settings/settingvalues.h"

using namespace settingvalues;

namespace {

QJsonObject printJson(const PrintSettings &s)
{
    QJsonObject o;
    putCode(&o, "print", "speed", s.speed);
    putCode(&o, "print", "density", s.density);
    put(&o, "labelGapMm", s.labelGapMm);
    put(&o, "blackMarkGapMm", s.blackMarkGapMm);
    putCode(&o, "print", "direction", s.direction);
    putCode(&o, "print", "method", s.method);
    put(&o, "printOffsetMm", s.printOffsetMm);
    put(&o, "verticalOffsetMm", s.verticalOffsetMm);
    putCode(&o, "print", "printMode", s.printMode);
    putCode(&o, "print", "autoPaper", s.autoPaper);
    putCode(&o, "print", "paperType", s.paperType);
    putCode(&o, "print", "codePage", s.codePage);
    putCode(&o, "print", "commandSet", s.commandSet);
    put(&o, "widthMm", s.widthMm);
    put(&o, "heightMm", s.heightMm);
    putCode(&o, "print", "menuLanguage", s.menuLanguage);
    return o;
}

} // namespace

int readPrintSettings(PrinterSession &session, PrintSettings *out)
{
    QJsonObject o;
    const int result = settingsengine::read(session, QStringLiteral("print"), &o);
    takeCode(o, "print", "speed", &out->speed);
    takeCode(o, "print", "density", &out->density);
    take(o, "labelGapMm", &out->labelGapMm);
    take(o, "blackMarkGapMm", &out->blackMarkGapMm);
    takeCode(o, "print", "direction", &out->direction);
    takeCode(o, "print", "method", &out->method);
    take(o, "printOffsetMm", &out->printOffsetMm);
    take(o, "verticalOffsetMm", &out->verticalOffsetMm);
    takeCode(o, "print", "printMode", &out->printMode);
    takeCode(o, "print", "autoPaper", &out->autoPaper);
    takeCode(o, "print", "paperType", &out->paperType);
    takeCode(o, "print", "codePage", &out->codePage);
    takeCode(o, "print", "commandSet", &out->commandSet);
    take(o, "widthMm", &out->widthMm);
    take(o, "heightMm", &out->heightMm);
    takeCode(o, "print", "menuLanguage", &out->menuLanguage);
    return result;
}

int writePrintSettings(PrinterSession &session, const PrintSettings &in)
{
    return settingsengine::write(session, QStringLiteral("print"), printJson(in), QJsonObject());
}

int readDistanceSettings(PrinterSession &session, DistanceSettings *out)
{
    QJsonObject o;
    const int result = settingsengine::read(session, QStringLiteral("distance"), &o);
    take(o, "outletDots", &out->outletDots);
    take(o, "gapSensorMm", &out->gapSensorMm);
    take(o, "blackSensorMm", &out->blackSensorMm);
    take(o, "tearDots", &out->tearDots);
    return result;
}

int writeDistanceSettings(PrinterSession &session, const DistanceSettings &in)
{
    QJsonObject o;
    put(&o, "outletDots", in.outletDots);
    put(&o, "gapSensorMm", in.gapSensorMm);
    put(&o, "blackSensorMm", in.blackSensorMm);
    put(&o, "tearDots", in.tearDots);
    return settingsengine::write(session, QStringLiteral("distance"), o, QJsonObject());
}

int readStripperSettings(PrinterSession &session, StripperSettings *out)
{
    QJsonObject o;
    const int result = settingsengine::read(session, QStringLiteral("stripper"), &o);
    take(o, "takeAwaySeconds", &out->takeAwaySeconds);
    return result;
}

int writeStripperSettings(PrinterSession &session, const StripperSettings &in)
{
    QJsonObject o;
    put(&o, "takeAwaySeconds", in.takeAwaySeconds);
    return settingsengine::write(session, QStringLiteral("stripper"), o, QJsonObject());
}
