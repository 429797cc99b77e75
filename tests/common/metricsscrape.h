#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QTcpSocket>

// A plain HTTP GET of an exporter's /metrics on loopback, for tests and benchmarks.

// The body of a GET /metrics on 127.0.0.1:port; empty when nothing answered within waitMs.
inline QByteArray scrapeMetrics(int port, int waitMs = 3000)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(port));
    if (!socket.waitForConnected(waitMs))
        return QByteArray();
    socket.write("GET /metrics HTTP/1.0\r\nHost: localhost\r\n\r\n");
    QByteArray reply;
    while (socket.waitForReadyRead(waitMs))
        reply += socket.readAll();
    const int body = reply.indexOf("\r\n\r\n");
    return body < 0 ? QByteArray() : reply.mid(body + 4);
}

// How many printers a scrape reports up.
inline int printersUp(const QByteArray &metrics)
{
    int up = 0;
    for (const QByteArray &line : metrics.split('\n'))
        up += line.startsWith("labelprinter_up{") && line.endsWith("} 1") ? 1 : 0;
    return up;
}
