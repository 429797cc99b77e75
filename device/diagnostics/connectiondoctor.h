#pragma once

#include "core/protocol/ports.h"
#include "platform/facilities.h"

#include <QList>
#include <QString>
#include <QStringList>

// Finds out why the tool cannot see or reach a printer: USB access, kernel drivers and
// print queues holding a USB printer, and for a typed address the subnet and route,
// the TCP port, the printer's answer and the discovery port. Each check ends in a
// verdict and, for a problem, one sentence of what to do. Nothing here needs widgets;
// the window and the command-line tool show the same findings.
namespace doctor {

enum class Verdict
{
    Pass,
    Warning,
    Failure,
    Skipped,         // the check needs a tool or an input the machine lacks
    NotOnThisSystem, // what the check looks at does not exist on this kind of system
};

struct Finding
{
    QString check; // a stable identifier such as "usb.access", for scripts
    Verdict verdict = Verdict::Pass;
    QString text;   // what was found
    QString advice; // what to do; empty when nothing needs doing
};

// A printer address typed by the user.
struct NetTarget
{
    QString host;
    quint16 tcpPort = ports::kCommand;
    quint16 udpPort = ports::kDiscovery; // 0: the search port is not checked
    int timeoutMs = 3000;
};

// Where the checks look; tests point these elsewhere.
struct Environment
{
    // Folders searched for a udev rule that gives access to the printers.
    QStringList udevRuleDirs{
        QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
        QStringLiteral("/usr/lib/udev/rules.d"), QStringLiteral("/lib/udev/rules.d")};
    // Folders searched for lpstat and ip; empty: the PATH.
    QStringList programDirs;
    // What the system has: a check of something it lacks is "not on this system".
    platform::Facilities facilities = platform::facilities();
};

// The USB printers of the vendor, each with its access, kernel driver and print queue.
QList<Finding> checkUsb(const Environment &environment = Environment());

// The typed address: subnet and route, TCP port, the printer's answer, discovery port.
QList<Finding> checkNetwork(const NetTarget &target,
                            const Environment &environment = Environment());

// "pass", "warning", "failure", "skipped", "not on this system".
QString verdictName(Verdict verdict);

// The worst verdict of the findings (Skipped and NotOnThisSystem count as Pass).
Verdict overall(const QList<Finding> &findings);

// A check as the user's language names it ("usb.access" -> "USB 访问权限"); the
// identifier itself for one not known.
QString checkLabel(const QString &check);

} // namespace doctor
