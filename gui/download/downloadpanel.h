#pragma once

#include "device/operations/outcome.h"

#include <QWidget>

class FileSends;
class PageHost;
class PrinterSession;

namespace Ui {
class DownloadPanel;
}

// Firmware and font download: decrypts the chosen file beside it and streams the
// plain copy to the printer as a job, with its own progress bar.
class DownloadPanel : public QWidget
{
    Q_OBJECT

public:
    DownloadPanel(PrinterSession &session, PageHost &host, FileSends &sends,
                  QWidget *parent = nullptr);
    ~DownloadPanel() override;

    // Decrypts the chosen firmware (true) or font file and starts sending it.
    void downloadEncryptedFile(bool firmware);
    // A printer was opened: fonts go only to the models whose settings may change.
    void printerChanged();
    // After a restart the last download's progress no longer applies.
    void resetProgress();

signals:
    // A line for the message area: the file about to be sent and its size, and how its
    // download ended.
    void fileLogged(const QString &text);

private slots:
    void on_pushButton_DownloadFW_clicked();
    void on_pushButton_DownloadFL_clicked();

private:
    void followStream(bool running);
    void showOutcome(const ops::Outcome &outcome);

    Ui::DownloadPanel *ui;
    PrinterSession &m_session;
    PageHost &m_host;
    FileSends &m_sends;
    bool m_fontAllowed = true;
    bool m_firmware = true; // the download under way is firmware (not a font)
    QString m_fileName;     // of the download under way, for its outcome
};
