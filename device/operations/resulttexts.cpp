#include "device/operations/resulttexts.h"

#include "core/protocol/commandcodes.h"

#include <QCoreApplication>

namespace {

struct ResultTexts
{
    int code;
    const char *message; // the window's box (context "MainWindow"); null: no box
    const char *meaning; // the sentences' few words (context "Operations")
};

constexpr ResultTexts kResultTexts[] = {
    {RESULT_OK, QT_TRANSLATE_NOOP("MainWindow", "处理成功"), QT_TRANSLATE_NOOP("Operations", "成功")},
    {RESULT_BAD_REPLY, nullptr, QT_TRANSLATE_NOOP("Operations", "应答无效")},
    {RESULT_BUSY, nullptr, QT_TRANSLATE_NOOP("Operations", "打印机正忙")},
    {RESULT_NOT_CONNECTED, QT_TRANSLATE_NOOP("MainWindow", "请确保打印机已进行连接"),
     QT_TRANSLATE_NOOP("Operations", "未连接")},
    {RESULT_USB_IO, nullptr, QT_TRANSLATE_NOOP("Operations", "USB 传输失败")},
    {RESULT_USB_OPEN, QT_TRANSLATE_NOOP("MainWindow", "USB通讯出错，请重试"),
     QT_TRANSLATE_NOOP("Operations", "无法打开 USB 设备")},
    {RESULT_NETWORK, QT_TRANSLATE_NOOP("MainWindow", "网络通讯出错，请重试"),
     QT_TRANSLATE_NOOP("Operations", "网络无应答或连接中断")},
    {RESULT_BLUETOOTH, QT_TRANSLATE_NOOP("MainWindow", "蓝牙通讯出错，请重试"), nullptr},
    {RESULT_SERIAL, QT_TRANSLATE_NOOP("MainWindow", "串口通讯出错，请重试"), nullptr},
    {RESULT_TIMED_OUT, nullptr, QT_TRANSLATE_NOOP("Operations", "超过限定时间")},
    {RESULT_CANCELLED, nullptr, QT_TRANSLATE_NOOP("Operations", "已取消")},
};

const ResultTexts *textsOf(int code)
{
    for (const ResultTexts &texts : kResultTexts) {
        if (texts.code == code)
            return &texts;
    }
    return nullptr;
}

} // namespace

QString resultMessage(int code)
{
    const ResultTexts *texts = textsOf(code);
    return texts && texts->message ? QCoreApplication::translate("MainWindow", texts->message)
                                   : QString();
}

QString resultMeaning(int code)
{
    const ResultTexts *texts = textsOf(code);
    if (texts && texts->meaning)
        return QCoreApplication::translate("Operations", texts->meaning);
    return QCoreApplication::translate("Operations", "通信失败（%1）").arg(code);
}
