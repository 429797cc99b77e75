// The udev rule that gives the logged-in user access to the printers, and its installer.
#include "transport/usblink.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kRule =
    QStringLiteral(LABELSETUP_SOURCE_DIR "/resources/udev/60-labelsetup-printers.rules");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the installer into `folder`; returns its exit code and fills `output`.
int install(const QString &folder, QString *output)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("UDEV_RULES_DIR"), folder);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("bash"),
                  {QStringLiteral(LABELSETUP_SOURCE_DIR "/scripts/install-udev-rule.sh")});
    if (!process.waitForFinished(30000))
        return -1;
    *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

class TestUdevRule : public QObject
{
    Q_OBJECT

private slots:
    void ruleGrantsSeatAccessToThePrinterVendorOnly()
    {
        const QByteArray rule = readAll(kRule);
        QList<QByteArray> rules;
        for (const QByteArray &line : rule.split('\n')) {
            if (!line.trimmed().isEmpty() && !line.trimmed().startsWith('#'))
                rules.append(line.trimmed());
        }
        const QByteArray vendor =
            QByteArray::number(UsbLink::kVendorId, 16).rightJustified(4, '0');
        QCOMPARE(rules, QList<QByteArray>{"SUBSYSTEM==\"usb\", ATTR{idVendor}==\"" + vendor +
                                          "\", TAG+=\"uaccess\""});
    }

    void installIsRepeatable()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString rulesDir = folder.filePath(QStringLiteral("rules.d"));
        const QString target = rulesDir + QStringLiteral("/60-labelsetup-printers.rules");
        QString output;
        QCOMPARE(install(rulesDir, &output), 0);
        QVERIFY2(output.contains(QStringLiteral("installed")), qPrintable(output));
        QCOMPARE(readAll(target), readAll(kRule));
        QCOMPARE(install(rulesDir, &output), 0);
        QVERIFY2(output.contains(QStringLiteral("up to date")), qPrintable(output));

        // A stale copy is replaced.
        QFile stale(target);
        QVERIFY(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stale.write("# old\n");
        stale.close();
        QCOMPARE(install(rulesDir, &output), 0);
        QCOMPARE(readAll(target), readAll(kRule));
    }
};

QTEST_GUILESS_MAIN(TestUdevRule)
#include "tst_udevrule.moc"
