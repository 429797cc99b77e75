#pragma once

#include "core/files/plaincopy.h"
#include "device/operations/outcome.h"

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>

class FileStream;
class PrinterSession;

// A firmware or font download: the chosen encrypted file is checked and decrypted beside
// itself, then the plain copy streams to the printer and is removed at the end. The window
// follows it by its signals; the command line and the fleet wait for it with downloadNow().
namespace ops {

enum class FileKind
{
    Firmware,
    Font,
};

// Checks the chosen file (a regular file, not empty; a font only for a model that takes
// one) and decrypts it beside itself into `plain`. Nothing is sent.
Outcome prepareDownload(const PrinterSession &session, FileKind kind, const QString &chosen,
                        PlainCopy *plain);

class Download : public QObject
{
    Q_OBJECT

public:
    // Runs on `stream`, which a window may share with its console's file sends.
    Download(PrinterSession &session, FileStream &stream, QObject *parent = nullptr);

    // Connects for the stream and sends `plain` through its descriptor; `removeAfter`
    // deletes the copy at the end. Ends with finished(), also when the connection cannot be
    // made.
    void start(const PlainCopy &plain, bool removeAfter = true);

signals:
    void progress(int percent);
    void finished(const ops::Outcome &outcome);

private:
    void finish(const Outcome &outcome);

    PrinterSession &m_session;
    FileStream &m_stream;
    QString m_fileName;
    QMetaObject::Connection m_failed;
    QMetaObject::Connection m_completed;
    QMetaObject::Connection m_progress;
};

// A Download of a prepared copy on a stream of its own, waited for with an event loop on
// the calling thread. `removeAfter` deletes the copy at the end (several printers may share
// one). Once `stop` is set the stream ends between two pieces: Code::Interrupted.
// A confirming session counts the file sent only once the printer answers after it: a
// font on the stream's own connection, a firmware through its restart within
// `comeBackMs` (0: the firmware is not waited for and stays unconfirmed).
Outcome downloadNow(PrinterSession &session, const PlainCopy &plain, bool removeAfter,
                    const std::function<void(int)> &progress = {},
                    const std::atomic<bool> *stop = nullptr, FileKind kind = FileKind::Font,
                    int comeBackMs = 0);

} // namespace ops
