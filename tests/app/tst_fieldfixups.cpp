// What the numeric boxes make of typed input when the user leaves them.
#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

class TestFieldFixUps : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void widthFixUp_data();
    void widthFixUp();
    void heightKeepsLastAcceptedValue();
    void integerFixUp_data();
    void integerFixUp();
    void fixUpDoesNotRetriggerEditing();

private:
    void leave(QLineEdit *edit, const QString &typed);
    MainWindow *window = nullptr;
    MessageRecorder *recorder = nullptr;
};

void TestFieldFixUps::init()
{
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
    recorder = new MessageRecorder;
    window = new MainWindow;
    window->show();
}

void TestFieldFixUps::cleanup()
{
    delete window;
    delete recorder;
}

void TestFieldFixUps::leave(QLineEdit *edit, const QString &typed)
{
    edit->setText(typed);
    emit edit->editingFinished();
}

void TestFieldFixUps::widthFixUp_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("tip");
    QTest::addColumn<QString>("shown");
    QTest::newRow("below minimum") << "7" << true << "20";
    QTest::newRow("thousands comma") << "1,234" << true << "108";
    QTest::newRow("rounds half up") << "50.25" << false << "50.3";
    QTest::newRow("whole number drops the decimal") << "50.0" << false << "50";
    QTest::newRow("fullwidth digits") << QString::fromUtf8("１２") << true << "102.0";
    QTest::newRow("letters") << "abc" << true << "102.0";
    QTest::newRow("european grouping") << "1.234,5" << true << "108";
    QTest::newRow("unit typed after") << "60 mm" << false << "60";
    QTest::newRow("fullwidth comma decimal") << QString::fromUtf8("60，5") << false << "60.5";
}

void TestFieldFixUps::widthFixUp()
{
    QFETCH(QString, typed);
    QFETCH(bool, tip);
    QFETCH(QString, shown);
    leave(window->ui->lineEdit, typed);
    QCOMPARE(window->ui->lineEdit->text(), shown);
    QCOMPARE(window->currentTipLabel() != nullptr, tip);
    if (tip)
        QCOMPARE(window->currentTipLabel()->text(),
                 QString::fromUtf8("宽度范围20-108mm，请重新输入"));
    QVERIFY(recorder->messages.isEmpty());
}

void TestFieldFixUps::heightKeepsLastAcceptedValue()
{
    QLineEdit *height = window->ui->lineEdit_2;
    leave(height, QStringLiteral("300"));
    QCOMPARE(height->text(), QStringLiteral("300"));
    leave(height, QStringLiteral("x"));
    QCOMPARE(height->text(), QStringLiteral("300.0"));
    QCOMPARE(window->currentTipLabel()->text(), QString::fromUtf8("高度范围10-1778mm，请重新输入"));
    leave(height, QStringLiteral("5000"));
    QCOMPARE(height->text(), QStringLiteral("1778"));
}

void TestFieldFixUps::integerFixUp_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    const QStringList fields{
        "lineEdit_LabelGap",       "lineEdit_BlackLabelGap", "lineEdit_VerticalShift",
        "lineEdit_PrintShift",     "lineEdit_DistanceO2PH",  "lineEdit_DistanceS2PH",
        "lineEdit_DistanceB2PH",   "lineEdit_DistancePH2T",  "lineEdit_NetportTCPPort",
        "lineEdit_NetportUDPPort", "lineEdit_PaperTime"};
    for (const QString &field : fields)
        QTest::newRow(qPrintable(field)) << field << QStringList{"12mm"} << QStringList{"12"};
    QTest::newRow("minus inside") << "lineEdit_PrintShift" << QStringList{"1-2"}
                                  << QStringList{"12"};
    QTest::newRow("negative kept")
        << "lineEdit_PrintShift" << QStringList{"-7"} << QStringList{"-7"};
    QTest::newRow("minus alone restores 0")
        << "lineEdit_LabelGap" << QStringList{"-"} << QStringList{"0"};
    QTest::newRow("empty restores last")
        << "lineEdit_LabelGap" << QStringList{"5", ""} << QStringList{"5", "5"};
    QTest::newRow("double minus restores")
        << "lineEdit_LabelGap" << QStringList{"3", "--5"} << QStringList{"3", "3"};
    QTest::newRow("overflow restores")
        << "lineEdit_NetportTCPPort" << QStringList{"9100", "99999999999"}
        << QStringList{"9100", "9100"};
}

void TestFieldFixUps::integerFixUp()
{
    QFETCH(QString, field);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    auto *edit = window->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    for (int i = 0; i < typed.size(); ++i) {
        leave(edit, typed.at(i));
        QCOMPARE(edit->text(), shown.at(i));
    }
    QVERIFY(!window->currentTipLabel());
}

void TestFieldFixUps::fixUpDoesNotRetriggerEditing()
{
    QLineEdit *gap = window->ui->lineEdit_LabelGap;
    QSignalSpy edited(gap, &QLineEdit::textChanged);
    leave(gap, QStringLiteral("4 mm"));
    // One change from the test's own setText; the fix-up writes with signals blocked.
    QCOMPARE(edited.count(), 1);
    QCOMPARE(gap->text(), QStringLiteral("4"));
}

QTEST_MAIN(TestFieldFixUps)
#include "tst_fieldfixups.moc"
