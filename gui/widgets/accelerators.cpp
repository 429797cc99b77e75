#include "gui/widgets/accelerators.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>

namespace accelerators {
namespace {

// Object name and letter; unique among the buttons a window shows at one time, and the
// same letters the English captions use where they could.
const struct
{
    const char *name;
    char key;
} kFixedCaptions[] = {
    {"btnRefresh", 'R'},
    {"btnSetNet", 'S'},
    {"checkBox_NET", 'H'},
    {"checkBox_WIFI", 'W'},
    {"checkManualMode", 'E'},
    {"checkShowPassword", 'H'},
    {"fleetResume", 'K'},
    {"pushButton_AllCut", 'G'},
    {"pushButton_BlackLableLrn", '4'},
    {"pushButton_BleSettingRead", 'R'},
    {"pushButton_BleSettingSet", 'S'},
    {"pushButton_BuzzerClose", '1'},
    {"pushButton_BuzzerOpen", '2'},
    {"pushButton_ClearDebug", 'I'},
    {"pushButton_ClearSend", 'A'},
    {"pushButton_ComSettingRead", 'R'},
    {"pushButton_ComSettingSet", 'S'},
    {"pushButton_DACLrn", 'A'},
    {"pushButton_DistanceSettingRead", 'R'},
    {"pushButton_DistanceSettingSet", 'S'},
    {"pushButton_DownloadFL", 'G'},
    {"pushButton_DownloadFW", 'M'},
    {"pushButton_FleetSelfTest", 'S'},
    {"pushButton_HalfCut", 'R'},
    {"pushButton_KeySettingClose", 'K'},
    {"pushButton_KeySettingOpen", 'Y'},
    {"pushButton_NetSetup", 'I'},
    {"pushButton_NetportSettingRead", 'R'},
    {"pushButton_NetportSettingSet", 'S'},
    {"pushButton_NopaperLrn", 'V'},
    {"pushButton_OutietLrn", 'S'},
    {"pushButton_PrintSettingRead", 'R'},
    {"pushButton_PrintSettingSet", 'S'},
    {"pushButton_PrinterInit", 'I'},
    {"pushButton_Reboot", '3'},
    {"pushButton_SeamLrn", 'Q'},
    {"pushButton_SelfCheck", 'N'},
    {"pushButton_Send", 'S'},
    {"pushButton_SendFile", 'N'},
    {"pushButton_StopList", 'T'},
    {"pushButton_StripMode", 'M'},
    {"pushButton_StripperSettingRead", 'R'},
    {"pushButton_StripperSettingSet", 'S'},
    {"pushButton_TearMode", 'J'},
    {"pushButton_WifiSettingRead", 'R'},
    {"pushButton_WifiSettingSet", 'S'},
    {"pushButton_close", 'C'},
    {"pushButton_getList", 'L'},
    {"pushButton_open", 'O'},
    {"radioButton_hexRecv", 'R'},
    {"radioButton_hexSend", 'X'},
};

} // namespace

void giveFixedCaptionsKeys(QWidget *root)
{
    for (const auto &fixed : kFixedCaptions) {
        for (QAbstractButton *button :
             root->findChildren<QAbstractButton *>(QLatin1String(fixed.name))) {
            if (!QKeySequence::mnemonic(button->text()).isEmpty())
                continue;
            // Owned by the button: a hidden or disabled button does not take the key.
            auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | fixed.key), button);
            QObject::connect(shortcut, &QShortcut::activated, button, [button] {
                if (!button->isEnabled())
                    return;
                button->setFocus(Qt::ShortcutFocusReason);
                button->click();
            });
        }
    }
}

} // namespace accelerators
