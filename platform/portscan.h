#pragma once

#include <QHostAddress>
#include <QList>
#include <atomic>

namespace platform {

// Which of `hosts` (IPv4) accept a TCP connection on `port` within `deadlineMs`, trying
// `batch` of them at once; a connection made is closed at once, nothing is sent. Stops
// early, with what it knows, once `*stop` is set.
QList<QHostAddress> acceptingHosts(const QList<QHostAddress> &hosts, quint16 port, int batch,
                                   int deadlineMs, const std::atomic<bool> *stop);

} // namespace platform
