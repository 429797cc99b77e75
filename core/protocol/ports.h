#pragma once

#include <QtGlobal>

// The printer's ports as it leaves the factory: where a network printer takes commands
// (TCP) and where it answers the search for printers (UDP). Both can be changed on the
// printer's Ethernet page; these are what a tool assumes when nothing else is known.
namespace ports {

constexpr quint16 kCommand = 9100;
constexpr quint16 kDiscovery = 38400;

} // namespace ports
