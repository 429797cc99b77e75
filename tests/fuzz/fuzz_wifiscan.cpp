// The output of the programs the WiFi scan runs: the profiler's XML report and the
// terse access point list.
#include "fuzzcheck.h"
#include "core/hostwifi/wifiscan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    for (const QList<WifiInfo> &list :
         {parseSystemProfilerOutput(text), parseNmcliWifiList(text)}) {
        for (const WifiInfo &wifi : list)
            FUZZ_CHECK(!wifi.ssid.isEmpty());
        FUZZ_CHECK(mergeWifiList(list).size() <= list.size());
    }
    return 0;
}
