#include "device/link/linkregistry.h"

#include "device/link/networklink.h"
#include "device/link/printeraddress.h"
#include "device/link/usblink.h"

#include <algorithm>

namespace links {

const QList<Kind> &kinds()
{
    static const QList<Kind> registered{
        kindOf<NetworkLink>(),
        kindOf<UsbLink>(),
    };
    return registered;
}

const Kind *find(const QString &scheme)
{
    const QList<Kind> &all = kinds();
    const auto it = std::find_if(all.begin(), all.end(), [&scheme](const Kind &k) {
        return scheme.compare(QLatin1String(k.scheme), Qt::CaseInsensitive) == 0;
    });
    return it == all.end() ? nullptr : &*it;
}

const Kind &bareKind()
{
    const QList<Kind> &all = kinds();
    return *std::find_if(all.begin(), all.end(), [](const Kind &k) { return k.bare; });
}

bool served(int medium)
{
    const QList<Kind> &all = kinds();
    return std::any_of(all.begin(), all.end(),
                       [medium](const Kind &k) { return k.medium == medium; });
}

std::unique_ptr<PrinterLink> create(const PrinterAddress &address)
{
    const Kind *kind = find(address.scheme);
    return kind ? kind->create() : nullptr;
}

} // namespace links
