#include "gui/download/downloadpanel.h"

#include "gui/download/filesends.h"
#include "gui/widgets/pagehost.h"
#include "device/journal/entries.h"
#include "gui/widgets/prompts.h"
#include "device/operations/download.h"
#include "device/link/printersession.h"
#include "ui_downloadpanel.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

DownloadPanel::DownloadPanel(PrinterSession &session, PageHost &host, FileSends &sends,
                             QWidget *parent)
    : QWidget(parent), ui(new Ui::DownloadPanel), m_session(session), m_host(host), m_sends(sends)
{
    ui->setupUi(this);
    ui->progressBar_Update->setEnabled(false);
    ui->progressBar_Update->setValue(0);
    connect(&m_sends, &FileSends::started, this, [this] { followStream(true); });
    connect(&m_sends, &FileSends::ended, this, [this] { followStream(false); });
    connect(&m_sends, &FileSends::progress, this, [this](int percent) {
        if (m_sends.kind() == FileSends::Kind::Download)
            ui->progressBar_Update->setValue(percent);
    });
}

DownloadPanel::~DownloadPanel()
{
    delete ui;
}

void DownloadPanel::printerChanged()
{
    m_fontAllowed = m_session.settingsAllowed();
    ui->pushButton_DownloadFL->setEnabled(m_fontAllowed && !m_sends.running());
}

void DownloadPanel::resetProgress()
{
    ui->progressBar_Update->setValue(0);
}

void DownloadPanel::followStream(bool running)
{
    // The font button stays off for a model that takes no font.
    if (running)
        m_fontAllowed = ui->pushButton_DownloadFL->isEnabled();
    ui->pushButton_DownloadFW->setEnabled(!running);
    ui->pushButton_DownloadFL->setEnabled(!running && m_fontAllowed);
}

void DownloadPanel::on_pushButton_DownloadFW_clicked()
{
    downloadEncryptedFile(true);
}

void DownloadPanel::on_pushButton_DownloadFL_clicked()
{
    downloadEncryptedFile(false);
}

void DownloadPanel::downloadEncryptedFile(bool firmware)
{
    // A file already on its way keeps the printer, and its own medium and progress bar.
    if (m_host.printerInUse() || !m_host.requireOpenDevice())
        return;
    QWidget *parent = m_host.dialogParent();
    const QString chosen = firmware ? prompts::openFileName(parent, tr("HEX File"), QString(),
                                                            tr("HEX Files (*.hex);;All Files (*)"))
                                    : prompts::openFileName(parent, tr("BIN File"), QString(),
                                                            tr("BIN Files (*.bin);;All Files (*)"));
    if (chosen.isEmpty()) {
        qDebug() << "No file selected!";
        return;
    }
    PlainCopy decrypted;
    const ops::Outcome prepared = ops::prepareDownload(
        m_session, firmware ? ops::FileKind::Firmware : ops::FileKind::Font, chosen, &decrypted);
    if (!prepared.ok()) {
        // Nothing is sent from a file that could not be decrypted whole.
        prompts::critical(parent, tr("错误"), prepared.sentence);
        return;
    }
    ui->progressBar_Update->setEnabled(true);
    ui->progressBar_Update->setValue(0);
    m_fileName = QFileInfo(chosen).fileName();
    m_firmware = firmware;
    emit fileLogged((firmware ? tr("下载固件 %1，%2 字节") : tr("下载字库 %1，%2 字节"))
                        .arg(QFileInfo(chosen).fileName())
                        .arg(decrypted.size()));
    ops::DownloadOptions options;
    options.kind = firmware ? ops::FileKind::Firmware : ops::FileKind::Font;
    // The journal names the file chosen by its SHA-256, taken on the worker.
    const auto file = std::make_shared<journal::File>();
    m_sends.start(
        FileSends::Kind::Download, firmware ? tr("下载固件") : tr("下载字库"),
        [decrypted, options, chosen, file](jobs::Context &context) {
            *file = journal::fileOf(chosen);
            ops::DownloadOptions withProgress = options;
            withProgress.progress = FileSends::reportTo(context);
            return ops::download(context.session(), decrypted, withProgress);
        },
        [this, file](const ops::Outcome &outcome) {
            journal::Entry entry;
            entry.files << *file;
            m_host.recordChange(entry, outcome);
            showOutcome(outcome);
        });
}

void DownloadPanel::showOutcome(const ops::Outcome &outcome)
{
    QWidget *parent = m_host.dialogParent();
    if (outcome.code == ops::Code::NotConnected) {
        if (m_firmware)
            prompts::warning(parent, tr("Error"), tr("Connection failed: ") + outcome.sentence);
        else
            prompts::warning(parent, tr("错误"), tr("连接失败: ") + outcome.sentence);
        ui->progressBar_Update->setEnabled(false);
        return;
    }
    if (outcome.code == ops::Code::Interrupted) {
        // A cancel was asked for: what went is said, without an error box.
        ui->progressBar_Update->setEnabled(false);
        const QString text = tr("%1：%2").arg(m_fileName, outcome.sentence);
        emit fileLogged(text);
        m_host.showLastResult(text);
        return;
    }
    if (!outcome.ok()) {
        ui->progressBar_Update->setEnabled(false);
        // In the messages and the status bar too: the box goes, the outcome stays.
        const QString text = tr("%1 下载失败：%2").arg(m_fileName, outcome.sentence);
        emit fileLogged(text);
        m_host.showLastResult(text);
        prompts::critical(parent, tr("错误"), outcome.sentence);
        return;
    }
    const QString text = tr("%1 下载完成").arg(m_fileName);
    emit fileLogged(text);
    m_host.showLastResult(text);
    prompts::information(parent, tr("下载成功"), tr("等待打印机指示灯停止闪烁"));
}
