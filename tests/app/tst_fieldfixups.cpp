// What the numeric boxes make of typed input when the user leaves them, and which values a set
// accepts as storable.
#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "settings/fieldcheck.h"
#include "settings/printpage.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

class TestFieldFixUps : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fixUp_data();
    void fixUp();
    void fixUpDoesNotRetriggerEditing();
    void storableValues_data();
    void storableValues();

private:
    void leave(QLineEdit *edit, const QString &typed);
    QLineEdit *box(const char *name) const { return window->findChild<QLineEdit *>(name); }
    QLabel *tipLabel() const { return window->findChild<PrintPage *>()->currentTipLabel(); }
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

void TestFieldFixUps::fixUp_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("typed"); // left one after the other
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("tip"); // shown after the last; empty: none
    const QString width = QString::fromUtf8("宽度范围20-108mm，请重新输入");
    const auto row = [](const char *name, const char *field, const QStringList &typed,
                        const QStringList &shown, const QString &tip = QString()) {
        QTest::newRow(name) << field << typed << shown << tip;
    };
    row("width below minimum", "lineEdit", {"7"}, {"20"}, width);
    row("width thousands comma", "lineEdit", {"1,234"}, {"108"}, width);
    row("width rounds half up", "lineEdit", {"50.25"}, {"50.3"});
    row("width whole number drops the decimal", "lineEdit", {"50.0"}, {"50"});
    row("width fullwidth digits", "lineEdit", {QString::fromUtf8("１２")}, {"102.0"}, width);
    row("width letters", "lineEdit", {"abc"}, {"102.0"}, width);
    row("width european grouping", "lineEdit", {"1.234,5"}, {"108"}, width);
    row("width dot before the decimal comma", "lineEdit", {".50,123"}, {"50.1"});
    row("width unit typed after", "lineEdit", {"60 mm"}, {"60"});
    row("width fullwidth comma decimal", "lineEdit", {QString::fromUtf8("60，5")}, {"60.5"});
    row("height keeps the last accepted value", "lineEdit_2", {"300", "x"}, {"300", "300.0"},
        QString::fromUtf8("高度范围10-1778mm，请重新输入"));
    row("height above maximum", "lineEdit_2", {"5000"}, {"1778"},
        QString::fromUtf8("高度范围10-1778mm，请重新输入"));
    for (const char *field :
         {"lineEdit_LabelGap", "lineEdit_BlackLabelGap", "lineEdit_VerticalShift",
          "lineEdit_PrintShift", "lineEdit_DistanceO2PH", "lineEdit_DistanceS2PH",
          "lineEdit_DistanceB2PH", "lineEdit_DistancePH2T", "lineEdit_NetportTCPPort",
          "lineEdit_NetportUDPPort", "lineEdit_PaperTime"})
        row(field, field, {"12mm"}, {"12"});
    row("minus inside", "lineEdit_PrintShift", {"1-2"}, {"12"});
    row("negative kept", "lineEdit_PrintShift", {"-7"}, {"-7"});
    row("minus alone restores 0", "lineEdit_LabelGap", {"-"}, {"0"});
    row("empty restores last", "lineEdit_LabelGap", {"5", ""}, {"5", "5"});
    row("double minus restores", "lineEdit_LabelGap", {"3", "--5"}, {"3", "3"});
    row("overflow restores", "lineEdit_NetportTCPPort", {"9100", "99999999999"}, {"9100", "9100"});
}

void TestFieldFixUps::fixUp()
{
    QFETCH(QString, field);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(QString, tip);
    auto *edit = window->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    for (int i = 0; i < typed.size(); ++i) {
        leave(edit, typed.at(i));
        QCOMPARE(edit->text(), shown.at(i));
    }
    QCOMPARE(tipLabel() ? tipLabel()->text() : QString(), tip);
    QVERIFY(recorder->messages.isEmpty());
}

void TestFieldFixUps::fixUpDoesNotRetriggerEditing()
{
    QLineEdit *gap = box("lineEdit_LabelGap");
    QSignalSpy edited(gap, &QLineEdit::textChanged);
    leave(gap, QStringLiteral("4 mm"));
    // One change from the test's own setText; the fix-up writes with signals blocked.
    QCOMPARE(edited.count(), 1);
    QCOMPARE(gap->text(), QStringLiteral("4"));
}

void TestFieldFixUps::storableValues_data()
{
    using namespace fieldcheck;
    // 0 unsigned mm, 1 signed mm, 2 dots, 3 label size, 4 port, 5 address
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("dotsPerMm");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::newRow("gap largest at 8") << 0 << 8 << "8191" << true << 0.0 << 8191.0;
    QTest::newRow("gap not a number") << 0 << 8 << "3a" << false << 0.0 << 8191.0;
    QTest::newRow("gap empty") << 0 << 12 << "" << false << 0.0 << 5461.0;
    QTest::newRow("offset lowest at 12") << 1 << 12 << "-2730" << true << -2730.0 << 2730.0;
    QTest::newRow("offset above at 8") << 1 << 8 << "4096" << false << -4096.0 << 4095.0;
    QTest::newRow("dots lowest") << 2 << 8 << " -32768 " << true << -32768.0 << 32767.0;
    QTest::newRow("dots above") << 2 << 8 << "32768" << false << -32768.0 << 32767.0;
    QTest::newRow("size decimal comma") << 3 << 8 << "50,3" << true << 0.0 << 8191.8;
    QTest::newRow("size above 16 bits") << 3 << 8 << "8191.9" << false << 0.0 << 8191.8;
    QTest::newRow("size negative") << 3 << 12 << "-5" << false << 0.0 << 5461.2;
    QTest::newRow("port empty") << 4 << 8 << "" << true << 0.0 << 65535.0;
    QTest::newRow("port largest") << 4 << 8 << "65535" << true << 0.0 << 65535.0;
    QTest::newRow("address empty box") << 5 << 8 << "..." << true << 0.0 << 255.0;
    QTest::newRow("address") << 5 << 8 << "192.168.1.255" << true << 0.0 << 255.0;
    QTest::newRow("address word") << 5 << 8 << "10.x.0.1" << false << 0.0 << 255.0;
    QTest::newRow("address part missing") << 5 << 8 << "10..0.1" << false << 0.0 << 255.0;
    QTest::newRow("address five parts") << 5 << 8 << "1.2.3.4.5" << false << 0.0 << 255.0;
}

void TestFieldFixUps::storableValues()
{
    QFETCH(int, kind);
    QFETCH(int, dotsPerMm);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, min);
    QFETCH(double, max);
    const QString name = QStringLiteral("F");
    const fieldcheck::Field fields[] = {fieldcheck::millimetres(name, text, dotsPerMm, false),
                                        fieldcheck::millimetres(name, text, dotsPerMm, true),
                                        fieldcheck::dots(name, text),
                                        fieldcheck::labelSize(name, text, dotsPerMm),
                                        fieldcheck::port(name, text),
                                        fieldcheck::address(name, text)};
    const fieldcheck::Field &field = fields[kind];
    QCOMPARE(fieldcheck::accepts(field), accepted);
    QCOMPARE(field.min, min);
    QCOMPARE(field.max, max);
    // The first field refused is the one named to the user.
    QCOMPARE(fieldcheck::firstRefused({fieldcheck::port(name, "1"), field}), accepted ? -1 : 1);
}

QTEST_MAIN(TestFieldFixUps)
#include "tst_fieldfixups.moc"
