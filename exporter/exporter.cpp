#include "exporter/exporter.h"

#include <prometheus/exposer.h>
#include <prometheus/family.h>
#include <prometheus/gauge.h>
#include <prometheus/registry.h>

#include "device/link/printeraddress.h"

#include <QHostAddress>
#include <civetweb.h>
#include <limits>
#include <string>
#include <stdexcept>

namespace fleet {

struct Exporter::Printer
{
    prometheus::Gauge *up = nullptr;
    prometheus::Gauge *duration = nullptr;
    prometheus::Gauge *lastAnswer = nullptr;
    QList<prometheus::Gauge *> conditions; // one per status bit
    prometheus::Gauge *info = nullptr;     // labelled with the identity last read
    prometheus::Gauge *drift = nullptr;    // once checked against the profile
    prometheus::Gauge *checked = nullptr;
    QString infoKey;
    QString model;
    QString serial;
};

Exporter::Exporter() : m_registry(std::make_shared<prometheus::Registry>())
{
    m_up = &prometheus::BuildGauge()
                .Name("labelprinter_up")
                .Help("1 when the printer answered its last status poll")
                .Register(*m_registry);
    m_condition = &prometheus::BuildGauge()
                       .Name("labelprinter_condition")
                       .Help("1 when the printer's status word reports the condition")
                       .Register(*m_registry);
    m_info = &prometheus::BuildGauge()
                  .Name("labelprinter_info")
                  .Help("The printer's model, firmware and serial number (always 1)")
                  .Register(*m_registry);
    m_duration = &prometheus::BuildGauge()
                      .Name("labelprinter_poll_duration_seconds")
                      .Help("How long the printer's last poll took")
                      .Register(*m_registry);
    m_lastAnswer = &prometheus::BuildGauge()
                        .Name("labelprinter_last_answer_timestamp_seconds")
                        .Help("When the printer last answered (Unix time)")
                        .Register(*m_registry);
    m_drift = &prometheus::BuildGauge()
                   .Name("labelprinter_profile_drift")
                   .Help("How many settings differ from the profile (NaN: the printer "
                         "could not be read at the last check)")
                   .Register(*m_registry);
    m_checked = &prometheus::BuildGauge()
                     .Name("labelprinter_profile_checked_timestamp_seconds")
                     .Help("When the printer was last compared with the profile (Unix time)")
                     .Register(*m_registry);
    m_round = &prometheus::BuildGauge()
                   .Name("labelprinter_poll_round_duration_seconds")
                   .Help("How long the last poll of every printer took")
                   .Register(*m_registry)
                   .Add({});
}

Exporter::~Exporter() = default;

bool Exporter::listen(const QString &address, QString *error, QString *warning)
{
    // The printers' own address grammar; here a port is a must (0: any free one) and the
    // host an address or "localhost".
    QString name;
    quint16 portNumber = 0;
    bool portGiven = false;
    const bool parsed = parseHostPort(address, &name, &portNumber, &portGiven, 0);
    const bool localhost = name == QLatin1String("localhost");
    const QHostAddress host(name);
    const bool v6 = host.protocol() == QAbstractSocket::IPv6Protocol;
    if (!parsed || !portGiven || (!localhost && host.isNull())) {
        *error = QStringLiteral("--listen: not HOST:PORT: %1").arg(address);
        return false;
    }
    // The web server may be built without IPv6; it then fails with no useful reason.
    constexpr unsigned kIpv6Feature = 8;
    if (v6 && !mg_check_feature(kIpv6Feature)) {
        *error = QStringLiteral("cannot listen on %1: this build serves metrics over IPv4 "
                                "only; give an IPv4 address such as 127.0.0.1:%2")
                     .arg(address)
                     .arg(portNumber);
        return false;
    }
    if (warning && !localhost && !host.isLoopback())
        *warning = QStringLiteral("%1 is not a loopback address: anyone who can reach it reads "
                                  "the fleet's metrics (addresses, models, firmware, serial "
                                  "numbers)")
                       .arg(address);
    try {
        // Each connection holds a server thread until its request is in: several threads,
        // and a client that sends nothing is dropped, so an idle connection (or a few)
        // never keeps a scrape waiting.
        m_exposer = std::make_unique<prometheus::Exposer>(std::vector<std::string>{
            "listening_ports", address.toStdString(), "num_threads", std::to_string(kServerThreads),
            "request_timeout_ms", std::to_string(kRequestTimeoutMs)});
    } catch (const std::exception &e) {
        *error =
            QStringLiteral("cannot listen on %1: %2").arg(address, QString::fromUtf8(e.what()));
        return false;
    }
    m_exposer->RegisterCollectable(m_registry);
    return true;
}

int Exporter::port() const
{
    const std::vector<int> ports = m_exposer ? m_exposer->GetListeningPorts() : std::vector<int>();
    return ports.empty() ? 0 : ports.front();
}

void Exporter::addPrinter(const Address &address)
{
    const QString key = address.key();
    if (m_printers.contains(key))
        return;
    auto p = std::make_shared<Printer>();
    const std::string printer = key.toStdString();
    p->up = &m_up->Add({{"printer", printer}});
    p->duration = &m_duration->Add({{"printer", printer}});
    p->lastAnswer = &m_lastAnswer->Add({{"printer", printer}});
    for (const QString &name : conditionNames())
        p->conditions.append(
            &m_condition->Add({{"printer", printer}, {"condition", name.toStdString()}}));
    m_printers.insert(key, p);
}

void Exporter::update(const Address &address, const Reading &reading)
{
    addPrinter(address);
    Printer &p = *m_printers.value(address.key());
    p.up->Set(reading.reached ? 1 : 0);
    p.duration->Set(reading.seconds);
    if (reading.reached)
        p.lastAnswer->Set(double(reading.at.toMSecsSinceEpoch()) / 1000.0);
    for (int bit = 0; bit < p.conditions.size(); ++bit)
        p.conditions.at(bit)->Set(reading.reached && (reading.statusWord & (1u << bit)) ? 1 : 0);
    if (reading.identified) {
        p.model = reading.model;
        p.serial = reading.serial;
    }
    // The identity is read once; the firmware at every poll, so a rollout shows.
    if (!reading.reached || p.model.isEmpty())
        return;
    const QString infoKey = p.model + QChar(0) + reading.firmware + QChar(0) + p.serial;
    if (infoKey == p.infoKey)
        return;
    if (p.info)
        m_info->Remove(p.info);
    p.info = &m_info->Add({{"printer", address.key().toStdString()},
                           {"model", p.model.toStdString()},
                           {"firmware", reading.firmware.toStdString()},
                           {"serial", p.serial.toStdString()}});
    p.info->Set(1);
    p.infoKey = infoKey;
}

void Exporter::roundFinished(double seconds)
{
    m_round->Set(seconds);
}

void Exporter::setDrift(const Address &address, const drift::Result &result)
{
    addPrinter(address);
    Printer &p = *m_printers.value(address.key());
    const std::string printer = address.key().toStdString();
    if (!p.drift)
        p.drift = &m_drift->Add({{"printer", printer}});
    // An unknown drift is not "none": NaN compares false, so no drift alert fires for it
    // (the printer-down alert does).
    p.drift->Set(result.checked ? double(result.differences.size())
                                : std::numeric_limits<double>::quiet_NaN());
    if (!result.checked)
        return;
    if (!p.checked)
        p.checked = &m_checked->Add({{"printer", printer}});
    p.checked->Set(double(result.at.toMSecsSinceEpoch()) / 1000.0);
}

} // namespace fleet
