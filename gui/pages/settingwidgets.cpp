#include "gui/pages/settingwidgets.h"

namespace settingwidgets {

namespace {

struct Binding
{
    const char *key;
    const char *widget;
};

// clang-format off
const Binding kBindings[] = {
    // printpage.ui
    {"print.speed", "comboBox_PrintSpeed"},
    {"print.density", "comboBox_PrintDensty"},
    {"print.labelGapMm", "lineEdit_LabelGap"},
    {"print.blackMarkGapMm", "lineEdit_BlackLabelGap"},
    {"print.direction", "comboBox_PrintDirection"},
    {"print.method", "comboBox_PrintMethod"},
    {"print.printOffsetMm", "lineEdit_PrintShift"},
    {"print.verticalOffsetMm", "lineEdit_VerticalShift"},
    {"print.printMode", "comboBox_PrintMode"},
    {"print.autoPaper", "comboBox_AutoPaper"},
    {"print.paperType", "comboBox_PaperType"},
    {"print.codePage", "comboBox_DefaultCodePage"},
    {"print.commandSet", "comboBox_OrderSet"},
    {"print.widthMm", "lineEdit"},
    {"print.heightMm", "lineEdit_2"},
    {"print.menuLanguage", "comboBox"},

    // distancepage.ui
    {"distance.outletDots", "lineEdit_DistanceO2PH"},
    {"distance.gapSensorMm", "lineEdit_DistanceS2PH"},
    {"distance.blackSensorMm", "lineEdit_DistanceB2PH"},
    {"distance.tearDots", "lineEdit_DistancePH2T"},

    // stripperpage.ui
    {"stripper.takeAwaySeconds", "lineEdit_PaperTime"},

    // wifipage.ui
    {"wifi.mode", "comboBox_WifiMode"},
    {"wifi.stationName", "lineEdit_WStaName"},
    {"wifi.stationPassword", "lineEdit_WStaPassword"},
    {"wifi.apName", "lineEdit_WApName"},
    {"wifi.apPassword", "lineEdit_WApPassword"},
    {"wifi.apAddress", "lineEdit_WApIP"},
    {"wifi.port", "lineEdit_WApPort"},
    {"wifi.mac", "lineEdit_WApMAC"},
    {"wifi.dhcp", "comboBox_WifiSetIPMode"},
    {"wifi.ip", "lineEdit_WifiSetIP"},
    {"wifi.mask", "lineEdit_WifiSetSubnetMask"},
    {"wifi.gateway", "lineEdit_WifiSetGateway"},
    {"wifi.dns", "lineEdit_WifiSetDNS"},

    // ethernetpage.ui
    {"ethernet.dhcp", "comboBox_NetportIPMode"},
    {"ethernet.ip", "lineEdit_NetportIP"},
    {"ethernet.mask", "lineEdit_NetportSubnetMask"},
    {"ethernet.gateway", "lineEdit_NetportGateway"},
    {"ethernet.tcpPort", "lineEdit_NetportTCPPort"},
    {"ethernet.udpPort", "lineEdit_NetportUDPPort"},

    // bluetoothpage.ui
    {"bluetooth.name", "lineEdit_SppName"},
    {"bluetooth.bleName", "lineEdit_SppBLE"},
    {"bluetooth.pairing", "comboBox_SppMode"},
    {"bluetooth.pin", "lineEdit_SppPin"},
    {"bluetooth.mac", "lineEdit_SppMAC"},

    // serialpage.ui
    {"serial.baud", "comboBox_ComBaud"},
    {"serial.parity", "comboBox_ComParityBit"},
    {"serial.dataBits", "comboBox_ComDataBit"},
    {"serial.stopBits", "comboBox_ComStopBit"},
    {"serial.deviceInfo", "lineEdit_ComDeviceInfo"},
    {"serial.serialNumber", "lineEdit_ComSN"},
};
// clang-format on

} // namespace

const char *widgetOf(const QString &qualifiedKey)
{
    for (const Binding &b : kBindings) {
        if (qualifiedKey == QLatin1String(b.key))
            return b.widget;
    }
    return nullptr;
}

} // namespace settingwidgets
