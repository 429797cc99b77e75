#pragma once

#include "core/protocol/ports.h"
#include "device/fleet/device.h"

#include <QHostAddress>
#include <QList>
#include <atomic>
#include <functional>

// Finding printers in an address range without broadcast: a TCP connect to every
// address in parallel with a short deadline, then the identity query to those that
// accepted.
namespace fleet::scan {

// The host addresses of "a.b.c.d/n" (n from 16 to 32; the network and broadcast
// addresses of n < 31 left out), "a.b.c.d-e" or "a.b.c.d-a.b.c.e" (at most 65536), or
// one address. False with the reason for anything else, IPv6 included.
bool parseRange(const QString &text, QList<QHostAddress> *hosts, QString *error);

struct Options
{
    quint16 port = ports::kCommand;
    int connectDeadlineMs = 500; // how long a connect may take
    int sockets = 256;           // connects in flight at once
    int identifyJobs = 16;       // identity queries in parallel
};

// The addresses that accepted a TCP connection on `port`, in the order given.
// `stop`, when set, ends the scan early.
QList<QHostAddress> accepting(const QList<QHostAddress> &hosts, const Options &options,
                              const std::atomic<bool> *stop = nullptr);

struct Found
{
    Address address;
    Reading reading;
};

// accepting(), then a poll with identity of each; only printers that named a model are
// returned, in address order. `progress` (any thread) gets done/total counts.
QList<Found> run(Device &device, const QList<QHostAddress> &hosts, const Options &options,
                 const std::function<void(int done, int total)> &progress = {},
                 const std::atomic<bool> *stop = nullptr);

} // namespace fleet::scan
