#include "download/workerthread.h"

#include "app/globals.h"
#include "protocol/commandcodes.h"
#include "protocol/exchange.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>

namespace {
constexpr int kAttempts = 3;
}

void WorkerThread::setJob(const QString &filePath, int medium, bool decryptedCopy)
{
    m_filePath = filePath;
    m_medium = medium;
    m_decryptedCopy = decryptedCopy;
}

int WorkerThread::chunkSizeFor(int medium)
{
    return medium == MEDIUM_USB ? 10240 : 850;
}

void WorkerThread::run()
{
    if (sendFileData() == 1) {
        emit finished();
        return;
    }
    if (m_medium == MEDIUM_NETWORK) {
        // The socket belongs to the GUI thread; disconnect it there.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { NetworkBracket::disconnectSocket(); },
            Qt::QueuedConnection);
    }
}

int WorkerThread::sendFileData()
{
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        emit errorOccurred(tr("打开文件失败：%1").arg(file.errorString()));
        delDecryptedFile();
        return 0;
    }
    const qint64 size = file.size();
    qint64 sent = 0;
    const int chunkSize = chunkSizeFor(m_medium);
    while (!file.atEnd()) {
        if (isInterruptionRequested()) {
            file.close();
            delDecryptedFile();
            return 0;
        }
        const QByteArray chunk = file.read(chunkSize);
        if (chunk.isEmpty())
            break;
        bool delivered = false;
        for (int attempt = 1; attempt <= kAttempts; ++attempt) {
            sendFileRet = -1;
            emit sendFileSignal(chunk);
            if (sendFileRet == 0) {
                delivered = true;
                break;
            }
            qDebug() << "Send failed, retry" << attempt << "/" << kAttempts
                     << ", ret = " << sendFileRet.load();
        }
        if (!delivered) {
            emit errorOccurred(tr("向打印机发送数据失败。"));
            file.close();
            delDecryptedFile();
            return 0;
        }
        sent += chunk.size();
        qDebug() << "sendFile" << sent << "/" << size;
        if (m_medium == MEDIUM_NETWORK)
            msleep(2);
        emit progressUpdated(int(sent * 100 / size));
    }
    file.close();
    delDecryptedFile();
    return 1;
}

void WorkerThread::delDecryptedFile()
{
    // A console file whose name happens to carry the marker is the user's own.
    if (!m_decryptedCopy || !m_filePath.contains(QLatin1String("_decrypted"), Qt::CaseSensitive))
        return;
    QFile file(m_filePath);
    if (!file.exists())
        return;
    if (file.remove())
        qDebug() << "Successfully deleted decrypted file:" << m_filePath;
    else
        qDebug() << "Failed to delete decrypted file:" << m_filePath
                 << "Error:" << file.errorString();
}
