// The connection doctor's USB checks against printers emulated behind the real libusb:
// none, one that may be opened, one held by a kernel driver, one this user may not
// open; with stand-in programs for lpstat and udevadm.
#include "diagnostics/connectiondoctor.h"
#include "emulatedusbprinter.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <linux/capability.h>
#include <memory>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

QString verdicts(const QList<doctor::Finding> &findings)
{
    QStringList out;
    for (const doctor::Finding &f : findings)
        out << f.check + QLatin1Char('=') + doctor::verdictName(f.verdict);
    return out.join(QLatin1Char(' '));
}

// Takes from the calling thread root's power to ignore file permissions while it lives,
// so that a device node without permissions is refused as it would be to a user.
class WithoutFileOverride
{
public:
    WithoutFileOverride()
    {
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2];
        std::memcpy(reduced, m_saved, sizeof(reduced));
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_active = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~WithoutFileOverride()
    {
        if (m_active)
            syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};

} // namespace

class TestDoctorUsb : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (!EmulatedUsbBus::available())
            QSKIP(qPrintable(EmulatedUsbBus::unavailableReason()));
    }
    void usb_data();
    void usb();
};

void TestDoctorUsb::usb_data()
{
    QTest::addColumn<QString>("printer"); // "", "ok", "driver", "denied"
    QTest::addColumn<bool>("rule");
    QTest::addColumn<QString>("lpstat"); // empty: not installed
    QTest::addColumn<QString>("expected");
    const QString queue = QStringLiteral("device for label: usb://Maker/ABC%20X?serial=1\n"
                                         "device for office: ipp://10.0.0.9/ipp\n");
    QTest::newRow("no printer, no rule") << "" << false << ""
                                         << "usb.rule=warning usb.present=warning";
    QTest::newRow("printer, no queue")
        << "ok" << true << "device for office: ipp://10.0.0.9/ipp\n"
        << "usb.rule=pass usb.present=pass usb.access=pass usb.driver=pass usb.queue=pass";
    QTest::newRow("printer with a queue")
        << "ok" << true << queue
        << "usb.rule=pass usb.present=pass usb.access=pass usb.driver=pass usb.queue=warning";
    QTest::newRow("kernel driver, no lpstat")
        << "driver" << true << ""
        << "usb.rule=pass usb.present=pass usb.access=pass usb.driver=warning usb.queue=skipped";
    QTest::newRow("denied, rule not applied")
        << "denied" << true << ""
        << "usb.rule=pass usb.present=pass usb.access=failure usb.rule-applied=warning "
           "usb.queue=skipped";
    QTest::newRow("denied, no rule")
        << "denied" << false << ""
        << "usb.rule=warning usb.present=pass usb.access=failure usb.queue=skipped";
}

void TestDoctorUsb::usb()
{
    QFETCH(QString, printer);
    QFETCH(bool, rule);
    QFETCH(QString, lpstat);
    QFETCH(QString, expected);

    QTemporaryDir tools;
    const auto addProgram = [&tools](const QString &name, const QString &output) {
        QFile file(tools.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\ncat <<'END'\n" + output.toUtf8() + "END\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    };
    if (!lpstat.isEmpty())
        addProgram(QStringLiteral("lpstat"), lpstat);
    addProgram(QStringLiteral("udevadm"),
               QStringLiteral("DEVTYPE=usb_device\nID_VENDOR_ID=4b7e\n"));
    QTemporaryDir rules;
    if (rule)
        QVERIFY(QFile::copy(
            QStringLiteral(LABELSETUP_SOURCE_DIR "/resources/udev/60-labelsetup-printers.rules"),
            rules.filePath(QStringLiteral("60-labelsetup-printers.rules"))));
    doctor::Environment env;
    env.programDirs = QStringList{tools.path()};
    env.udevRuleDirs = QStringList{rules.path()};

    EmulatedUsbBus bus;
    EmulatedDeviceSpec deviceSpec;
    deviceSpec.product = "ABC X";
    if (!printer.isEmpty()) {
        EmulatedUsbPrinter *device = bus.addDevice(deviceSpec);
        QVERIFY(device);
        device->setKernelDriverBound(printer == QLatin1String("driver"));
        if (printer == QLatin1String("denied")) {
            const QString node = qEnvironmentVariable("UMOCKDEV_DIR") + device->devNode();
            QVERIFY2(QFile::setPermissions(node, QFileDevice::Permissions()), qPrintable(node));
        }
    }
    QList<doctor::Finding> findings;
    {
        const WithoutFileOverride asUser;
        findings = doctor::checkUsb(env);
    }
    QCOMPARE(verdicts(findings), expected);
    for (const doctor::Finding &f : findings) {
        if (f.verdict == doctor::Verdict::Failure || f.verdict == doctor::Verdict::Warning)
            QVERIFY2(!f.advice.isEmpty(), qPrintable(f.check));
        if (f.check == QLatin1String("usb.queue") && f.verdict == doctor::Verdict::Warning)
            QVERIFY(f.text.contains(QLatin1String("label")) &&
                    !f.text.contains(QLatin1String("office")));
    }
}

int main(int argc, char **argv)
{
    ensureUmockdevPreload(argc, argv);
    QCoreApplication app(argc, argv);
    TestDoctorUsb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_doctor_usb.moc"
