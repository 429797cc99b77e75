#pragma once

// Item codes of information queries (frame class 0x02). A query with item X returns
// the value that a set frame (class 0x01) with the same item X writes.
enum SetInfoType : unsigned char
{
    INFO_PRINT_SPEED = 0x00,
    INFO_CODE_PAGE = 0x01,
    INFO_COMMAND_SET = 0x02,
    INFO_DEVICE_IDENTITY = 0x0C,
    INFO_NET_ADDRESS = 0x0D,
    INFO_SERIAL_PORT = 0x0E,
    INFO_NET_PORTS = 0x0F,
    INFO_SERIAL_NUMBER = 0x10,
    INFO_PRINT_DENSITY = 0x13,
    INFO_PAPER_TYPE = 0x16,
    INFO_LABEL_SIZE = 0x18,
    INFO_LABEL_GAP = 0x19,
    INFO_BLACK_MARK_GAP = 0x1A,
    INFO_PRINT_DIRECTION = 0x1C,
    INFO_PRINT_OFFSET = 0x1D,
    INFO_VERTICAL_OFFSET = 0x1E,
    INFO_KEY_SETTING = 0x22,
    INFO_BUZZER = 0x23,
    INFO_CUTTER_MODE = 0x25,
    INFO_WIFI_STATION = 0x26,
    INFO_WIFI_AP = 0x27,
    INFO_WIFI_IP = 0x28,
    INFO_WIFI_TCP_PORT = 0x29,
    INFO_BT_SPP_NAME = 0x2B,
    INFO_BT_BLE_NAME = 0x2C,
    INFO_BT_PIN = 0x2E,
    INFO_BT_PAIRING_MODE = 0x2F,
    INFO_WIFI_MODE = 0x30,
    INFO_DISTANCE_OUTLET = 0x33,
    INFO_DISTANCE_GAP_SENSOR = 0x34,
    INFO_DISTANCE_BLACK_SENSOR = 0x35,
    INFO_DISTANCE_TEAR = 0x36,
    INFO_MAC_ADDRESSES = 0x3C,
    INFO_MENU_LANGUAGE = 0x3E,
    INFO_PRINT_MODE = 0x41,
    INFO_AUTO_PAPER = 0x54,
    INFO_STRIPPER_TIME = 0x58,
};

// Item codes of class 0x00 frames: status queries and function commands.
enum POWER_InFo : unsigned char
{
    POWER_SELF_TEST = 0,
    POWER_RESTART = 2,
    POWER_STATUS_WORD = 3,
    POWER_FIRMWARE_VERSION = 4,
    POWER_INITIALISE = 5,
    POWER_SETTINGS_BATCH_END = 6,
    POWER_GAP_LEARN = 7,
    POWER_BLACK_MARK_LEARN = 8,
    POWER_DAC_LEARN = 9,
    POWER_OUTLET_LEARN = 10,
    POWER_RESOLUTION = 11,
    POWER_PAPER_OUT_LEARN = 13,
};

// Exchange result codes shared by every transport and exchange.
enum ExchangeResult : int
{
    RESULT_OK = 0,
    RESULT_BAD_REPLY = 1,
    RESULT_BUSY = 2, // another exchange or a file stream has the printer; nothing was sent
    RESULT_NOT_CONNECTED = 3,
    RESULT_USB_IO = 4,
    RESULT_USB_OPEN = 5,
    RESULT_NETWORK = 6,
    RESULT_BLUETOOTH = 7,
    RESULT_SERIAL = 8,
    // The session's deadline (PrinterSession::setDeadline) had passed: nothing was sent,
    // or the exchange gave up waiting at the deadline.
    RESULT_TIMED_OUT = 9,
    // The job was cancelled: nothing was sent from this exchange on (the session's stop
    // flag, PrinterSession::setStopFlag).
    RESULT_CANCELLED = 10,
    RESULT_NO_MEDIUM = -1,
};

// A failure in which the printer said nothing: no reply in time, no connection, a transfer
// that failed, the deadline, an exchange refused before sending. Only a bad reply is a
// printer that answered.
inline bool isUnanswered(int result)
{
    return result != RESULT_OK && result != RESULT_BAD_REPLY;
}

// Connection media: what a session talks over.
enum ConnectionMedium : int
{
    MEDIUM_USB = 1,
    MEDIUM_NETWORK = 2,
    MEDIUM_BLUETOOTH = 3,
    MEDIUM_SERIAL = 4,
};
