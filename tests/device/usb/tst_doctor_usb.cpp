// The connection doctor's USB checks against printers emulated behind the real libusb
// (none, one that may be opened, one held by a kernel driver, one this user may not
// open), with stand-in programs for lpstat and udevadm; and the udev rule's installer.
#include "device/diagnostics/connectiondoctor.h"
#include "emulatedusbprinter.h"

#include <QTemporaryDir>
#include <QtTest>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Runs the rule installer into `folder`; its output, or "failed".
QString installRule(const QString &folder)
{
    QProcess process;
    process.start("env", {"UDEV_RULES_DIR=" + folder, "bash",
                          LABELSETUP_SOURCE_DIR "/scripts/install-udev-rule.sh"});
    const bool ok = process.waitForFinished(30000) &&
                    process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return ok ? QString::fromUtf8(process.readAll()) : "failed";
}

} // namespace

class TestDoctorUsb : public QObject
{
    Q_OBJECT

private slots:
    void usb_data()
    {
        QTest::addColumn<QString>("printer"); // "", "ok", "driver", "denied"
        QTest::addColumn<QByteArray>("product");
        QTest::addColumn<bool>("rule");
        QTest::addColumn<QString>("lpstat");  // empty: not installed
        QTest::addColumn<QString>("udevadm"); // "none", or whether it finds the seat tag
        QTest::addColumn<QString>("expected");
        const QString office = QStringLiteral("device for office: ipp://10.0.0.9/ipp\n");
        const QString label = QStringLiteral("device for label: usb://Maker/ABC%20X?serial=1\n");
        const auto row = [](const char *name, const char *printer, bool rule, const QString &lpstat,
                            const char *expected, const QByteArray &product = "ABC X",
                            const char *udevadm = "untagged") {
            QTest::newRow(name) << printer << product << rule << lpstat << udevadm << expected;
        };
        row("no printer, no rule", "", false, "", "usb.rule=warning usb.present=warning");
        row("printer, no queue", "ok", true, office,
            "usb.rule=pass usb.present=pass usb.access=pass usb.driver=pass usb.queue=pass");
        row("printer with a queue", "ok", true, label + office,
            "usb.rule=pass usb.present=pass usb.access=pass usb.driver=pass usb.queue=warning");
        // A name of one letter is a name: the queue of another model is not this printer's.
        row("one-letter name, another model's queue", "ok", true, label,
            "usb.rule=pass usb.present=pass usb.access=pass usb.driver=pass usb.queue=pass", "Q");
        row("kernel driver, no lpstat", "driver", true, "",
            "usb.rule=pass usb.present=pass usb.access=pass usb.driver=warning usb.queue=skipped");
        row("denied, rule not applied", "denied", true, "",
            "usb.rule=pass usb.present=pass usb.access=failure usb.rule-applied=warning "
            "usb.queue=skipped");
        row("denied, no rule", "denied", false, "",
            "usb.rule=warning usb.present=pass usb.access=failure usb.queue=skipped");
        // The rule's tag on this very device: nothing more to apply.
        row("denied, rule tagged the device", "denied", true, "",
            "usb.rule=pass usb.present=pass usb.access=failure usb.queue=skipped", "ABC X",
            "tagged");
        row("denied, no udevadm", "denied", true, "",
            "usb.rule=pass usb.present=pass usb.access=failure usb.rule-applied=skipped "
            "usb.queue=skipped",
            "ABC X", "none");
    }

    void usb()
    {
        QFETCH(QString, printer);
        QFETCH(QByteArray, product);
        QFETCH(bool, rule);
        QFETCH(QString, lpstat);
        QFETCH(QString, udevadm);
        QFETCH(QString, expected);

        QTemporaryDir tools;
        // Prints `output`, after what the commands `first` print.
        const auto addProgram = [&tools](const QString &name, const QString &output,
                                         const QString &first = QString()) {
            QFile file(tools.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) &&
                    file.write("#!/bin/sh\n" + first.toUtf8() + "\ncat <<'END'\n" +
                               output.toUtf8() + "END\n") > 0);
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        };
        if (!lpstat.isEmpty())
            addProgram("lpstat", lpstat);
        QTemporaryDir rules;
        const QString ruleDir = rules.filePath("rules.d");
        if (rule) {
            // A stale copy is replaced; a second run leaves the current one alone.
            const QString target = ruleDir + "/60-labelsetup-printers.rules";
            QFile stale(target);
            QVERIFY(QDir().mkpath(ruleDir) && stale.open(QIODevice::WriteOnly) &&
                    stale.write("SUBSYSTEM==\"usb\"\n") > 0);
            stale.close();
            QVERIFY(installRule(ruleDir).contains("installed"));
            QVERIFY(installRule(ruleDir).contains("up to date"));
            // "up to date": the installed rule is the shipped one.
            QFile shipped(LABELSETUP_SOURCE_DIR "/resources/udev/60-labelsetup-printers.rules");
            QVERIFY(shipped.open(QIODevice::ReadOnly));
            // Seat access for the printer vendor only.
            QCOMPARE(
                QString::fromUtf8(shipped.readAll())
                    .remove(QRegularExpression("^(#.*)?\n", QRegularExpression::MultilineOption)),
                QStringLiteral("SUBSYSTEM==\"usb\", ATTR{idVendor}==\"4b7e\", TAG+=\"uaccess\"\n"));
        }
        doctor::Environment env;
        env.programDirs = QStringList{tools.path()};
        env.udevRuleDirs = QStringList{ruleDir};

        if (!EmulatedUsbBus::available())
            QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
        EmulatedUsbBus bus;
        EmulatedDeviceSpec deviceSpec;
        deviceSpec.product = product;
        deviceSpec.deviceNumber = 11; // two digits, and not the same in every base
        const QString properties = QStringLiteral("DEVTYPE=usb_device\nID_VENDOR_ID=4b7e\n");
        if (udevadm == "untagged")
            addProgram("udevadm", properties);
        if (!printer.isEmpty()) {
            EmulatedUsbPrinter *device = bus.addDevice(deviceSpec);
            QVERIFY(device);
            // Only the printer's own node carries the tag.
            if (udevadm == "tagged")
                addProgram("udevadm", properties,
                           "test \"$3\" = --name=" + device->devNode() + " && echo TAGS=:uaccess:");
            device->setKernelDriverBound(printer == "driver");
            if (printer == "denied") {
                const QString node = qEnvironmentVariable("UMOCKDEV_DIR") + device->devNode();
                QVERIFY2(QFile::setPermissions(node, QFileDevice::Permissions()), qPrintable(node));
            }
        }
        // Without root's power to ignore file permissions, as a user runs the checks.
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct saved[2]{};
        QVERIFY(syscall(SYS_capget, &header, saved) == 0);
        __user_cap_data_struct asUser[2] = {saved[0], saved[1]};
        asUser[0].effective &= ~(1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH);
        const bool dropped = syscall(SYS_capset, &header, asUser) == 0;
        const QList<doctor::Finding> findings = doctor::checkUsb(env);
        if (dropped)
            syscall(SYS_capset, &header, saved);
        QStringList verdicts;
        for (const doctor::Finding &f : findings) {
            verdicts << f.check + QLatin1Char('=') + doctor::verdictName(f.verdict);
            if (f.verdict == doctor::Verdict::Failure || f.verdict == doctor::Verdict::Warning)
                QVERIFY2(!f.advice.isEmpty(), qPrintable(f.check));
            if (f.check == "usb.queue" && f.verdict == doctor::Verdict::Warning)
                QVERIFY(f.text.contains("label") && !f.text.contains("office"));
        }
        QCOMPARE(verdicts.join(QLatin1Char(' ')), expected);
    }
};

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QCoreApplication app(argc, argv);
    TestDoctorUsb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_doctor_usb.moc"
