// What the numeric boxes make of typed input when the user leaves them.
#include "gui/shell/mainwindow.h"
#include "messagerecorder.h"
#include "gui/pages/printpage.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestFieldFixUps : public QObject
{
    Q_OBJECT
private slots:
    void fixUp_data();
    void fixUp();
};

void TestFieldFixUps::fixUp_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("typed"); // left one after the other
    QTest::addColumn<QStringList>("shown"); // after each; "!" and the tip when one shows
    const auto row = [](const char *name, const char *field, const QStringList &typed,
                        QStringList shown, const char *tip = "") {
        shown.replaceInStrings(QStringLiteral("!"), QLatin1Char('!') + QString::fromUtf8(tip));
        QTest::newRow(name) << field << typed << shown;
    };
    // Full-width digits, grouping and decimal commas, units and rounding.
    row("width", "lineEdit", {"１２", "7", "1,234", "50.25", "50.0", ".50,123", "60 mm", "60，5"},
        {"102.0!", "20!", "108!", "50.3", "50", "50.1", "60", "60.5"},
        "宽度范围20-108mm，请重新输入");
    // A digit at either end of the range counts as a number.
    row("width of zeros", "lineEdit", {"0", "00.0"}, {"20!", "20!"},
        "宽度范围20-108mm，请重新输入");
    row("height of nines", "lineEdit_2", {"99", "9.9"}, {"99", "10!"},
        "高度范围10-1778mm，请重新输入");
    row("height keeps the last accepted value", "lineEdit_2", {"300", "x", "5000"},
        {"300", "300.0!", "1778!"}, "高度范围10-1778mm，请重新输入");
    for (const char *field :
         {"lineEdit_LabelGap", "lineEdit_BlackLabelGap", "lineEdit_VerticalShift",
          "lineEdit_PrintShift", "lineEdit_DistanceO2PH", "lineEdit_DistanceS2PH",
          "lineEdit_DistanceB2PH", "lineEdit_DistancePH2T", "lineEdit_NetportTCPPort",
          "lineEdit_NetportUDPPort", "lineEdit_PaperTime"})
        row(field, field, {"12mm"}, {"12"});
    row("minus inside, negative kept", "lineEdit_PrintShift", {"1-2", "-7"}, {"12", "-7"});
    // A minus alone first gives 0; then anything that is no number restores the last.
    row("restores", "lineEdit_LabelGap", {"-", "5", "", "--5", "99999999999"},
        {"0", "5", "5", "5", "5"});
}

void TestFieldFixUps::fixUp()
{
    QFETCH(QString, field);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    const MessageRecorder recorder; // no box may open
    MainWindow window;
    auto *page = window.findChild<PrintPage *>();
    auto *edit = window.findChild<QLineEdit *>(field);
    QSignalSpy edited(edit, &QLineEdit::textChanged);
    for (int i = 0; i < typed.size(); ++i) {
        page->hideTip();
        edit->setText(typed.at(i));
        emit edit->editingFinished();
        const QLabel *tip = page->currentTipLabel();
        QCOMPARE(edit->text() + (tip ? QLatin1Char('!') + tip->text() : QString()), shown.at(i));
    }
    // Only the test's own changes: the fix-up writes with signals blocked.
    QCOMPARE(edited.count(), typed.size());
}

QTEST_MAIN(TestFieldFixUps)
#include "tst_fieldfixups.moc"
