#pragma once

#include <QMap>
#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <functional>

class QUdpSocket;

// Finds printers for the device list: the USB printers attached, the network printers
// that answer the UDP search, or the one printer at a typed address. The entries are
// the texts the list shows, in the order found. A search waits with the event loop
// turning, so stop() (a click) ends it early.
class PrinterDiscovery : public QObject
{
    Q_OBJECT

public:
    explicit PrinterDiscovery(QObject *parent = nullptr);
    ~PrinterDiscovery() override;

    // Each returns 1 when a printer was found or the search was stopped, 0 when none
    // answered (or the search could not run).
    int listUsb();
    int searchNetwork(quint16 udpPort);
    int probe(const QString &host, quint16 port);
    void stop();
    bool running() const { return m_running; }
    // Asked while a search waits: true ends it as stop() does (a job's cancel, from
    // another thread).
    void setStopCheck(std::function<bool()> stopped) { m_stopCheck = std::move(stopped); }

    QStringList entries() const { return m_entries; }
    // Model name by IPv4 address of the network printers found.
    QMap<QString, QString> models() const { return m_models; }

signals:
    void entryFound(const QString &entry);
    void progressChanged(int percent);

private:
    void begin();
    int finish(int result);
    void readDatagrams();
    // Lists one identity answer; true when it was listed.
    bool listPrinter(const QList<QByteArray> &strings, const QString &address);

    bool stopped() const { return !m_running || (m_stopCheck && m_stopCheck()); }

    bool m_running = false;
    std::function<bool()> m_stopCheck;
    bool m_answered = false;
    QStringList m_entries;
    QMap<QString, QString> m_models;
    QUdpSocket *m_udp = nullptr;
    QRandomGenerator m_generator;
    int m_lastSequence = -1;
};
