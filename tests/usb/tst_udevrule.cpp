// The udev rule that gives the logged-in user access to the printers, and its installer.
#include "transport/usblink.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kRuleName = QStringLiteral("60-labelsetup-printers.rules");

QString sourcePath(const QString &relative)
{
    return QStringLiteral(LABELSETUP_SOURCE_DIR "/") + relative;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestUdevRule : public QObject
{
    Q_OBJECT

private:
    // Runs the installer into `folder`; returns its exit code and fills `output`.
    static int install(const QString &folder, QString *output)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("UDEV_RULES_DIR"), folder);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("bash"),
                      {sourcePath(QStringLiteral("scripts/install-udev-rule.sh"))});
        if (!process.waitForFinished(30000))
            return -1;
        *output = QString::fromUtf8(process.readAll());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private slots:
    void ruleGrantsSeatAccessToThePrinterVendorOnly()
    {
        const QByteArray rule = readAll(sourcePath(QStringLiteral("resources/udev/") + kRuleName));
        QList<QByteArray> rules;
        for (const QByteArray &line : rule.split('\n')) {
            const QByteArray trimmed = line.trimmed();
            if (!trimmed.isEmpty() && !trimmed.startsWith('#'))
                rules.append(trimmed);
        }
        QCOMPARE(rules.size(), 1);
        const QByteArray vendor =
            QByteArray::number(UsbLink::kVendorId, 16).rightJustified(4, '0');
        QCOMPARE(rules.first(),
                 "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"" + vendor + "\", TAG+=\"uaccess\"");
        QVERIFY(!rule.contains("MODE"));
    }

    void installIsRepeatable()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString target = folder.filePath(QStringLiteral("rules.d/") + kRuleName);
        QString output;
        QCOMPARE(install(folder.filePath(QStringLiteral("rules.d")), &output), 0);
        QVERIFY2(output.contains(QStringLiteral("installed")), qPrintable(output));
        QCOMPARE(readAll(target),
                 readAll(sourcePath(QStringLiteral("resources/udev/") + kRuleName)));

        QCOMPARE(install(folder.filePath(QStringLiteral("rules.d")), &output), 0);
        QVERIFY2(output.contains(QStringLiteral("up to date")), qPrintable(output));

        // A stale copy is replaced.
        QFile stale(target);
        QVERIFY(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stale.write("# old\n");
        stale.close();
        QCOMPARE(install(folder.filePath(QStringLiteral("rules.d")), &output), 0);
        QCOMPARE(readAll(target),
                 readAll(sourcePath(QStringLiteral("resources/udev/") + kRuleName)));
    }
};

QTEST_GUILESS_MAIN(TestUdevRule)
#include "tst_udevrule.moc"
