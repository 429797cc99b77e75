#pragma once

#include "transport/printerlist.h"
#include "transport/streampiece.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class MainWindow;
class QTcpSocket;
class QUdpSocket;

// The printer reached over the network: address, port and the command socket.
struct NetHandleRecord
{
    char *hostName = nullptr;
    QTcpSocket *tcpSocket = nullptr;
    quint16 port = 0;
};

// Network side of the printer transport: UDP discovery, and frame exchanges over a
// TCP connection that is made on demand.
//
// Each object owns its own handle record; printer_handle_net points at the record
// of the newest object still alive, so an older object going away never frees the
// record a newer one uses. Sockets and timers are children of the object.
class DeviceIoContrl_Net : public QObject
{
    Q_OBJECT
public:
    explicit DeviceIoContrl_Net(MainWindow *window);
    ~DeviceIoContrl_Net() override;

    static NetHandleRecord *printer_handle_net;
    static QMap<QString, QString> m_NetData;

    NetHandleRecord *getHandle() const { return m_handle; }
    int Connect_Server(const QString &host, quint16 port);
    void Disconnect_Server();

    int PrinterDataIORead(unsigned char *frame, int length, unsigned char *reply, int &replyLength);
    // With `piece`, the frame is one piece of a stream (see StreamPiece).
    int PrinterDataIOButton(unsigned char *frame, int length, const unsigned char *reply,
                            int &replyLength, StreamPiece *piece = nullptr);
    int ReadFromControlEndpoint(int frameLength, unsigned char *buffer, int &length);
    QByteArray readDebugData();

    int GetPrinterHandle(_PRINTER_ATTR *attrs, Printer_Vector &list);
    QMap<QString, QString> getmData() const { return m_NetData; }

public slots:
    void readPendingDatagrams();

private:
    // Makes sure the command socket is connected; logs and returns false otherwise.
    bool reconnect(bool writeOnly);
    // Closes the record's socket and schedules it for deletion.
    static void dropSocket(NetHandleRecord *record);
    int broadcastDiscovery();
    int wirelessDiscovery();
    // Lists one identity answer in the device list; true when it was listed.
    bool listPrinter(const QList<QByteArray> &strings, const QString &address);

    MainWindow *m_window;
    NetHandleRecord *m_handle = nullptr;
    QUdpSocket *udpSocket = nullptr;
};
