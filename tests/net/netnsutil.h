#pragma once

#include <QString>

// Moving the calling thread between the test's network namespaces (made by netns.sh),
// and the check that keeps discovery inside them. The test subnets are 10.250.1.0/24
// and 10.250.2.0/24.
namespace netnsutil {

constexpr const char *kHost = "lsnet-host";

// Threads started afterwards by the calling thread inherit the namespace.
bool enter(const QString &name, QString *error);
// True when the calling thread is in the host namespace and every address broadcast
// discovery would send to lies inside the test subnets, with at least one such address.
bool discoveryConfined(QString *why);

} // namespace netnsutil
