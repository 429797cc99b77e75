#pragma once

#include "core/protocol/commandcodes.h"
#include "device/link/printerlink.h"

#include <QByteArray>
#include <QString>

class QTcpSocket;

// The printer reached over TCP. The connection is made for each user operation
// (beginOperation/endOperation) and again on demand when an exchange finds it down;
// the socket is a child of the link.
class NetworkLink : public PrinterLink
{
    Q_OBJECT

public:
    // Its entry in the link registry: "tcp", and an address without a scheme.
    static constexpr const char *kScheme = "tcp";
    static constexpr int kMedium = MEDIUM_NETWORK;
    static constexpr bool kBare = true;
    // "host", "host:port", "[v6]", "[v6]:port" or a bare IPv6 address.
    static bool parseTarget(const QString &rest, PrinterAddress *out);
    static QString targetText(const PrinterAddress &address);

    explicit NetworkLink(QObject *parent = nullptr);
    ~NetworkLink() override;

    // Checks that host:port accepts a connection and keeps the address; 0 when it did
    // (the connection is dropped again until an operation needs it), 1 otherwise.
    int connectTo(const QString &host, quint16 port);
    QString host() const { return m_host; }
    quint16 port() const { return m_port; }
    QTcpSocket *socket() const { return m_socket; }

    int medium() const override;
    // connectTo() the address's host and port.
    int open(const PrinterAddress &address) override;
    int exchange(const QByteArray &request, unsigned char *reply) override;
    int write(const QByteArray &bytes, StreamPiece *piece = nullptr) override;
    int readStatusData(QByteArray *data) override;
    QByteArray readPending() override;
    void beginOperation() override;
    void endOperation() override;
    int connectForStream(QString *errorText) override;
    Delivery delivery(qint64 *queued) override;
    void close() override;
    quint64 connectionId() const override { return m_connectionId; }
    bool connectionStands() override;

private:
    // Makes sure the command socket is connected: RESULT_OK, RESULT_NOT_CONNECTED when the
    // connection cannot be made, RESULT_NETWORK when there is no printer to connect to.
    int reconnect(bool writeOnly);
    // Waits until the printer's side has acknowledged a frame just written; false when
    // the connection was reset or closed first, or nothing moved for a while.
    bool confirmFrame();
    void dropSocket();

    QString m_host;
    quint16 m_port = 0;
    QTcpSocket *m_socket = nullptr;
    // Bytes the console reader took that an exchange may still be waiting for.
    QByteArray m_handedOver;
    bool m_handedOverFresh = false;
    // The printer has answered or kept a frame on this connection: it reads what comes.
    bool m_printerHeard = false;
    quint64 m_connectionId = 0;
};
