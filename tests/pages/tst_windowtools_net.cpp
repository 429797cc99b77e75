// The window's profile and diagnostics buttons end to end, against the simulated
// printer on 127.0.0.1: a profile saved from the printer, changed, shown as a table of
// changes and written after "写入"; the doctor's table; the report file.
#include "netprinterfixture.h"
#include "settings/profile.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

class TestWindowTools : public QObject
{
    Q_OBJECT

private slots:
    void profileSavedChangedAndApplied();
    void doctorAndReport();
};

void TestWindowTools::profileSavedChangedAndApplied()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    QTemporaryDir dir;
    f.recorder->fileToOpen = dir.filePath(QStringLiteral("p.json"));
    QTest::mouseClick(f.window->findChild<QPushButton *>("pushButton_SaveProfile"), Qt::LeftButton);
    QFile file(f.recorder->fileToOpen);
    QVERIFY(file.open(QIODevice::ReadOnly));
    profile::Profile saved;
    QString error;
    QVERIFY2(profile::parse(file.readAll(), &saved, &error), qPrintable(error));
    file.close();
    QVERIFY(saved.settings.contains(QStringLiteral("print")));
    QVERIFY(!saved.settings.value(QStringLiteral("wifi"))
                 .toObject()
                 .contains(QStringLiteral("stationPassword")));

    // One setting changed: the table shows it, declining sends nothing, "写入" sends it.
    QJsonObject print = saved.settings.value(QStringLiteral("print")).toObject();
    print.insert(QStringLiteral("density"),
                 (print.value(QStringLiteral("density")).toInt() + 1) % 16);
    saved.settings.insert(QStringLiteral("print"), print);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(profile::serialize(saved));
    file.close();
    f.recorder->clear();
    f.printer->clearRecords();
    f.recorder->dialogResult = QDialog::Rejected;
    QTest::mouseClick(f.window->findChild<QPushButton *>("pushButton_ApplyProfile"),
                      Qt::LeftButton);
    QVERIFY2(f.recorder->dialogTitles == QStringList{QString::fromUtf8("应用配置")}, qPrintable(f.recorder->texts().join("|")));
    for (const ReceivedFrame &frame : f.printer->receivedFrames())
        QVERIFY2(frame.frameClass != 0x01, qPrintable(QString::number(frame.item)));
    f.recorder->dialogResult = QDialog::Accepted;
    QTest::mouseClick(f.window->findChild<QPushButton *>("pushButton_ApplyProfile"),
                      Qt::LeftButton);
    QCOMPARE(f.recorder->lastText(), QString::fromUtf8("配置已应用。"));
    QCOMPARE(int(f.printer->value(0x13).at(0)), print.value(QStringLiteral("density")).toInt());
}

void TestWindowTools::doctorAndReport()
{
    NetPrinterFixture f;
    QVERIFY(f.start());
    QVERIFY(f.open());
    QTest::mouseClick(f.window->findChild<QPushButton *>("pushButton_Doctor"), Qt::LeftButton);
    QCOMPARE(f.recorder->dialogTitles, QStringList{QString::fromUtf8("连接诊断结果")});

    QTemporaryDir dir;
    f.recorder->fileToOpen = dir.filePath(QStringLiteral("report.json"));
    QTest::mouseClick(f.window->findChild<QPushButton *>("pushButton_ExportReport"),
                      Qt::LeftButton);
    QFile file(f.recorder->fileToOpen);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject report = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(report.value("format").toString(), QStringLiteral("labelsetup-diagnostics"));
    QCOMPARE(report.value("printersListed").toArray().size(), 1);
    QCOMPARE(report.value("printer").toObject().value("identity").toArray().at(1).toString(),
             QStringLiteral("P1"));
    QVERIFY(report.value("printer").toObject().value("settings").toObject().contains("serial"));
}

QTEST_MAIN(TestWindowTools)
#include "tst_windowtools_net.moc"
