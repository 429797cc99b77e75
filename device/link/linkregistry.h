#pragma once

#include <QList>
#include <QString>
#include <memory>

class PrinterLink;
struct PrinterAddress;

// Every kind of link the tool opens, by the scheme that names it in an address. A new
// kind is a PrinterLink subclass with the static members kindOf() reads, and one line in
// the table of linkregistry.cpp; addresses, the session and the command line then know it.
namespace links {

struct Kind
{
    const char *scheme; // "usb": the address "usb:..." names this kind
    int medium;         // MEDIUM_USB, MEDIUM_NETWORK, ...
    // An address without a scheme is of this kind, and its key carries none.
    bool bare;
    // Reads what follows "scheme:" (or "scheme://") in an address, empty for the scheme
    // alone, into `out`; the scheme is already set.
    bool (*parse)(const QString &rest, PrinterAddress *out);
    // What follows "scheme:" in the address's key; empty for the scheme alone.
    QString (*text)(const PrinterAddress &address);
    // A new link, not yet opened.
    std::unique_ptr<PrinterLink> (*create)();
};

// The entry of `Link`, which declares kScheme, kMedium, kBare, parseTarget() and
// targetText().
template <class Link> Kind kindOf()
{
    return Kind{Link::kScheme,
                Link::kMedium,
                Link::kBare,
                &Link::parseTarget,
                &Link::targetText,
                []() -> std::unique_ptr<PrinterLink> { return std::make_unique<Link>(); }};
}

const QList<Kind> &kinds();
// The kind named `scheme` (case-insensitive), or none.
const Kind *find(const QString &scheme);
// The kind an address without a scheme names.
const Kind &bareKind();
// Whether some registered kind reaches printers on `medium`.
bool served(int medium);
// A new link of `address`'s kind, not yet opened; none for a scheme nobody registered.
std::unique_ptr<PrinterLink> create(const PrinterAddress &address);

} // namespace links
