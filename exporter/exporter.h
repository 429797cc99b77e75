#pragma once

#include "device/fleet/device.h"
#include "device/fleet/drift.h"

#include <QHash>
#include <QString>
#include <memory>

namespace prometheus {
class Exposer;
class Registry;
class Gauge;
template <typename T> class Family;
} // namespace prometheus

namespace fleet {

// The fleet's state in the Prometheus text format at /metrics. It only shows what the
// poller last read: a scrape never waits on a printer, and nothing it serves can change
// one. Labels carry the printer's address, model, firmware and serial, never a secret.
class Exporter
{
public:
    Exporter();
    ~Exporter();
    Exporter(const Exporter &) = delete;
    Exporter &operator=(const Exporter &) = delete;

    // Scrapes served at once; connections beyond wait for a free thread.
    static constexpr int kServerThreads = 16;
    // How long a connection may take to send its request before it is dropped.
    static constexpr int kRequestTimeoutMs = 2000;

    // "HOST:PORT" or "[V6]:PORT"; false with the reason when it cannot listen. An address
    // others can reach leaves a sentence in `warning`.
    bool listen(const QString &address, QString *error, QString *warning = nullptr);
    // The port it listens on (when 0 was asked, the one chosen).
    int port() const;

    // Every printer to report, before the first reading (up 0 until it answers).
    void addPrinter(const Address &address);
    void update(const Address &address, const Reading &reading);
    void roundFinished(double seconds);
    // A drift check (--profile): the number of settings that differ, NaN while the last
    // check could not read the printer; the time of the last check that compared it. A
    // printer never checked has neither series, one never read has no time.
    void setDrift(const Address &address, const drift::Result &result);

private:
    struct Printer;
    std::shared_ptr<prometheus::Registry> m_registry;
    std::unique_ptr<prometheus::Exposer> m_exposer;
    prometheus::Family<prometheus::Gauge> *m_up = nullptr;
    prometheus::Family<prometheus::Gauge> *m_condition = nullptr;
    prometheus::Family<prometheus::Gauge> *m_info = nullptr;
    prometheus::Family<prometheus::Gauge> *m_duration = nullptr;
    prometheus::Family<prometheus::Gauge> *m_lastAnswer = nullptr;
    prometheus::Family<prometheus::Gauge> *m_drift = nullptr;
    prometheus::Family<prometheus::Gauge> *m_checked = nullptr;
    prometheus::Gauge *m_round = nullptr;
    QHash<QString, std::shared_ptr<Printer>> m_printers;
};

} // namespace fleet
