#include "core/protocol/statusword.h"

#include <QCoreApplication>

QString checkPrinterStatus(unsigned int status)
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("MainWindow", "打印中"),
        QT_TRANSLATE_NOOP("MainWindow", "缺纸"),
        QT_TRANSLATE_NOOP("MainWindow", "纸将尽"),
        QT_TRANSLATE_NOOP("MainWindow", "卡纸"),
        QT_TRANSLATE_NOOP("MainWindow", "碳带将尽"),
        QT_TRANSLATE_NOOP("MainWindow", "无碳带"),
        QT_TRANSLATE_NOOP("MainWindow", "打印头过热"),
        QT_TRANSLATE_NOOP("MainWindow", "开盖"),
        QT_TRANSLATE_NOOP("MainWindow", "定位异常（黑标或缝隙）"),
        QT_TRANSLATE_NOOP("MainWindow", "切刀异常"),
        QT_TRANSLATE_NOOP("MainWindow", "升级中"),
        QT_TRANSLATE_NOOP("MainWindow", "升级异常"),
        QT_TRANSLATE_NOOP("MainWindow", "指令错误"),
        QT_TRANSLATE_NOOP("MainWindow", "打印暂停"),
        QT_TRANSLATE_NOOP("MainWindow", "打印删除"),
    };
    QString text;
    for (unsigned bit = 0; bit < sizeof(texts) / sizeof(texts[0]); ++bit) {
        if (status & (1u << bit)) {
            text += QCoreApplication::translate("MainWindow", texts[bit]);
            text += QLatin1Char('\n');
        }
    }
    return text;
}

QStringList statusConditionCodes(unsigned int status)
{
    static const char *const codes[] = {
        "printing",   "paper_out",     "paper_low",     "paper_jam",      "ribbon_low",
        "ribbon_out", "head_overheat", "cover_open",    "position_error", "cutter_error",
        "upgrading",  "upgrade_error", "command_error", "paused",         "job_deleted",
    };
    QStringList out;
    for (unsigned bit = 0; bit < sizeof(codes) / sizeof(codes[0]); ++bit) {
        if (status & (1u << bit))
            out << QLatin1String(codes[bit]);
    }
    return out;
}
