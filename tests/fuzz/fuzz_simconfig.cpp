// The simulated printer's JSON configuration. What it writes back (--print-config,
// --dump-state) must load again to the same printer.
#include "fuzzcheck.h"
#include "sim/printerconfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    PrinterConfig config;
    if (!PrinterConfig::fromJson(QByteArray(reinterpret_cast<const char *>(data), int(size)),
                                 &config))
        return 0;
    const QJsonObject written = config.toJson();
    PrinterConfig back;
    FUZZ_CHECK(PrinterConfig::fromJsonObject(written, &back));
    FUZZ_CHECK(back.settings == config.settings && back.faults == config.faults);
    FUZZ_CHECK(back.toJson() == written);
    return 0;
}
