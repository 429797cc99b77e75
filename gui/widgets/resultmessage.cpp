#include "gui/widgets/resultmessage.h"

#include "core/protocol/commandcodes.h"

#include <QCoreApplication>

QString resultMessage(int code)
{
    const char *text = nullptr;
    switch (code) {
    case RESULT_OK:
        text = QT_TRANSLATE_NOOP("MainWindow", "处理成功");
        break;
    case RESULT_NOT_CONNECTED:
        text = QT_TRANSLATE_NOOP("MainWindow", "请确保打印机已进行连接");
        break;
    case RESULT_USB_OPEN:
        text = QT_TRANSLATE_NOOP("MainWindow", "USB通讯出错，请重试");
        break;
    case RESULT_NETWORK:
        text = QT_TRANSLATE_NOOP("MainWindow", "网络通讯出错，请重试");
        break;
    case RESULT_BLUETOOTH:
        text = QT_TRANSLATE_NOOP("MainWindow", "蓝牙通讯出错，请重试");
        break;
    case RESULT_SERIAL:
        text = QT_TRANSLATE_NOOP("MainWindow", "串口通讯出错，请重试");
        break;
    default:
        return QString();
    }
    return QCoreApplication::translate("MainWindow", text);
}
