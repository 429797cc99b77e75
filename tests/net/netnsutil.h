#pragma once

#include <QString>

// Moving the calling thread between the test's network namespaces (made by netns.sh),
// and the checks that keep discovery inside them.
namespace netnsutil {

// The test subnets: 10.250.1.0/24 and 10.250.2.0/24, both inside 10.250.0.0/16.
constexpr const char *kHost = "lsnet-host";
constexpr const char *kPrinter1 = "lsnet-d1";
constexpr const char *kPrinter2 = "lsnet-d2";

bool exists(const QString &name);

// Moves the calling thread into /run/netns/<name>. Threads started afterwards by this
// thread inherit it; sockets keep the namespace they were created in.
bool enter(const QString &name, QString *error);

// Why this process cannot make network namespaces, or empty when it can. Forks; call
// it before any thread starts.
QString unavailable();

// Whether the calling thread is in /run/netns/<name>.
bool isCurrent(const QString &name);

// True when the calling thread is in the host namespace and every address that
// broadcast discovery would send to (Ethernet, not loopback) lies inside the test
// subnets, with at least one such address.
bool discoveryConfined(QString *why);

} // namespace netnsutil
