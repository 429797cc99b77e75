#pragma once

#include "transport/printerlist.h"

#include <QByteArray>
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
class DeviceIoContrl_Net : public QObject
{
    Q_OBJECT
public:
    explicit DeviceIoContrl_Net(MainWindow *window);
    ~DeviceIoContrl_Net() override;

    static NetHandleRecord *printer_handle_net;
    static QMap<QString, QString> m_NetData;

    NetHandleRecord *getHandle() const { return printer_handle_net; }
    int Connect_Server(const QString &host, quint16 port);
    void Disconnect_Server();

    int PrinterDataIORead(unsigned char *frame, int length, unsigned char *reply,
                          int &replyLength);
    int PrinterDataIOButton(unsigned char *frame, int length, unsigned char *reply,
                            int &replyLength);
    int ReadFromControlEndpoint(int frameLength, unsigned char *buffer, int &length);
    QByteArray readDebugData();

    int GetPrinterHandle(_PRINTER_ATTR *attrs, Printer_Vector &list);
    QMap<QString, QString> getmData() const { return m_NetData; }

public slots:
    void readPendingDatagrams();

private:
    MainWindow *m_window;
    QUdpSocket *udpSocket = nullptr;
};
