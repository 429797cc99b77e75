// What the numeric boxes make of typed input when the user leaves them, and which values a set
// accepts as storable.
#include "app/mainwindow.h"
#include "messagerecorder.h"
#include "settings/fieldcheck.h"
#include "settings/printpage.h"

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

class TestFieldFixUps : public QObject
{
    Q_OBJECT
private slots:
    void fixUp_data();
    void fixUp();
    void storableValues();
};

void TestFieldFixUps::fixUp_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("typed"); // left one after the other
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("tip"); // shown after the last; empty: none
    const QString width = QString::fromUtf8("宽度范围20-108mm，请重新输入");
    const QString height = QString::fromUtf8("高度范围10-1778mm，请重新输入");
    const auto row = [](const char *name, const char *field, const QStringList &typed,
                        const QStringList &shown, const QString &tip = QString()) {
        QTest::newRow(name) << field << typed << shown << tip;
    };
    row("width below minimum", "lineEdit", {"7"}, {"20"}, width);
    row("width thousands comma", "lineEdit", {"1,234"}, {"108"}, width);
    row("width rounds half up", "lineEdit", {"50.25"}, {"50.3"});
    row("width whole number drops the decimal", "lineEdit", {"50.0"}, {"50"});
    row("width fullwidth digits", "lineEdit", {QString::fromUtf8("１２")}, {"102.0"}, width);
    row("width dot before the decimal comma", "lineEdit", {".50,123"}, {"50.1"});
    row("width unit typed after", "lineEdit", {"60 mm"}, {"60"});
    row("width fullwidth comma decimal", "lineEdit", {QString::fromUtf8("60，5")}, {"60.5"});
    row("height keeps the last accepted value", "lineEdit_2", {"300", "x"}, {"300", "300.0"},
        height);
    row("height above maximum", "lineEdit_2", {"5000"}, {"1778"}, height);
    for (const char *field :
         {"lineEdit_LabelGap", "lineEdit_BlackLabelGap", "lineEdit_VerticalShift",
          "lineEdit_PrintShift", "lineEdit_DistanceO2PH", "lineEdit_DistanceS2PH",
          "lineEdit_DistanceB2PH", "lineEdit_DistancePH2T", "lineEdit_NetportTCPPort",
          "lineEdit_NetportUDPPort", "lineEdit_PaperTime"})
        row(field, field, {"12mm"}, {"12"});
    row("minus inside", "lineEdit_PrintShift", {"1-2"}, {"12"});
    row("negative kept", "lineEdit_PrintShift", {"-7"}, {"-7"});
    // A minus alone first gives 0; then anything that is no number restores the last.
    row("restores", "lineEdit_LabelGap", {"-", "5", "", "--5", "99999999999"},
        {"0", "5", "5", "5", "5"});
}

void TestFieldFixUps::fixUp()
{
    QFETCH(QString, field);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(QString, tip);
    QSettings(QStringLiteral("Company"), QStringLiteral("App")).clear();
    MessageRecorder recorder;
    MainWindow window;
    window.show();
    auto *edit = window.findChild<QLineEdit *>(field);
    QSignalSpy edited(edit, &QLineEdit::textChanged);
    for (int i = 0; i < typed.size(); ++i) {
        edit->setText(typed.at(i));
        emit edit->editingFinished();
        QCOMPARE(edit->text(), shown.at(i));
    }
    // Only the test's own changes: the fix-up writes with signals blocked.
    QCOMPARE(edited.count(), typed.size());
    const QLabel *label = window.findChild<PrintPage *>()->currentTipLabel();
    QCOMPARE(label ? label->text() : QString(), tip);
    QVERIFY(recorder.messages.isEmpty());
}

void TestFieldFixUps::storableValues()
{
    using namespace fieldcheck;
    const QString n = QStringLiteral("F");
    // The field, whether its text is accepted, and the range the user is told.
    const std::tuple<Field, bool, double, double> rows[] = {
        {millimetres(n, "8191", 8, false), true, 0, 8191},
        {millimetres(n, "3a", 12, false), false, 0, 5461},
        {millimetres(n, "-2730", 12, true), true, -2730, 2730},
        {millimetres(n, "4096", 8, true), false, -4096, 4095},
        {dots(n, " -32768 "), true, -32768, 32767},
        {labelSize(n, "50,3", 8), true, 0, 8191.8},
        {labelSize(n, "-5", 12), false, 0, 5461.2},
        {port(n, "65535"), true, 0, 65535},
        {address(n, "..."), true, 0, 255}, // the empty masked box
        {address(n, "192.168.10.255"), true, 0, 255},
        {address(n, "1.2.3.4.5"), false, 0, 255},
    };
    for (const auto &[field, accepted, min, max] : rows) {
        const QByteArray text = field.text.toUtf8();
        QVERIFY2(accepts(field) == accepted, text);
        QVERIFY2(field.min == min && field.max == max, text);
        // The first field refused is the one named to the user.
        QCOMPARE(firstRefused({port(n, "1"), field}), accepted ? -1 : 1);
    }
}

QTEST_MAIN(TestFieldFixUps)
#include "tst_fieldfixups.moc"
