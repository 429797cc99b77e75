#include "download/downloadpanel.h"

#include "app/pagehost.h"
#include "app/prompts.h"
#include "download/filedecrypt.h"
#include "protocol/printersession.h"
#include "ui_downloadpanel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

DownloadPanel::DownloadPanel(PrinterSession &session, PageHost &host, FileStream &stream,
                             QWidget *parent)
    : QWidget(parent), ui(new Ui::DownloadPanel), m_session(session), m_host(host), m_stream(stream)
{
    ui->setupUi(this);
    ui->progressBar_Update->setEnabled(false);
    ui->progressBar_Update->setValue(0);
    connect(&m_stream, &FileStream::started, this, [this] { followStream(true); });
    connect(&m_stream, &FileStream::ended, this, [this] { followStream(false); });
    connect(&m_stream, &FileStream::progress, this, [this](int percent) {
        if (m_stream.kind() != FileStream::Kind::Download)
            return;
        ui->progressBar_Update->setValue(percent);
        QCoreApplication::processEvents();
    });
    connect(&m_stream, &FileStream::failed, this, [this](const QString &text) {
        if (m_stream.kind() != FileStream::Kind::Download)
            return;
        ui->progressBar_Update->setEnabled(false);
        // In the messages and the status bar too: the box goes, the outcome stays.
        const QString outcome = tr("%1 下载失败：%2").arg(m_fileName, text);
        emit fileLogged(outcome);
        m_host.showLastResult(outcome);
        prompts::critical(m_host.dialogParent(), tr("错误"), text);
    });
    connect(&m_stream, &FileStream::completed, this, [this] {
        if (m_stream.kind() != FileStream::Kind::Download)
            return;
        const QString outcome = tr("%1 下载完成").arg(m_fileName);
        emit fileLogged(outcome);
        m_host.showLastResult(outcome);
        prompts::information(m_host.dialogParent(), tr("下载成功"), tr("等待打印机指示灯停止闪烁"));
    });
}

DownloadPanel::~DownloadPanel()
{
    delete ui;
}

void DownloadPanel::printerChanged()
{
    m_fontAllowed = m_session.settingsAllowed();
    ui->pushButton_DownloadFL->setEnabled(m_fontAllowed && !m_session.streaming());
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
    QString decrypted;
    QString why;
    const filedecrypt::Result decryptResult = filedecrypt::decryptFile(
        chosen,
        firmware ? filedecrypt::firmwareOutputPath(chosen) : filedecrypt::fontOutputPath(chosen),
        &decrypted, &why);
    if (decryptResult != filedecrypt::Result::Ok) {
        // Nothing is sent from a file that could not be decrypted whole.
        QString text;
        if (decryptResult == filedecrypt::Result::InputOpenFailed)
            text = tr("无法读取所选文件：%1").arg(QDir::toNativeSeparators(chosen));
        else if (decryptResult == filedecrypt::Result::OutputOpenFailed)
            text = tr("无法在文件所在的文件夹中创建解密文件：%1")
                       .arg(QDir::toNativeSeparators(QFileInfo(chosen).absolutePath()));
        else
            text = tr("解密失败，文件未发送。");
        prompts::critical(parent, tr("错误"), text + QLatin1Char('\n') + why);
        return;
    }
    if (!m_stream.waitUntilIdle()) {
        QFile::remove(decrypted);
        return;
    }
    ui->progressBar_Update->setEnabled(true);
    ui->progressBar_Update->setValue(0);
    m_fileName = QFileInfo(chosen).fileName();
    emit fileLogged((firmware ? tr("下载固件 %1，%2 字节") : tr("下载字库 %1，%2 字节"))
                        .arg(QFileInfo(chosen).fileName())
                        .arg(QFileInfo(decrypted).size()));
    QString error;
    if (m_session.connectForStream(&error) != 0) {
        if (firmware)
            prompts::warning(parent, tr("Error"), tr("Connection failed: ") + error);
        else
            prompts::warning(parent, tr("错误"), tr("连接失败: ") + error);
        // No stream runs, so nobody else removes the plain copy.
        QFile::remove(decrypted);
        ui->progressBar_Update->setEnabled(false);
        return;
    }
    m_stream.start(decrypted, FileStream::Kind::Download, true);
}
