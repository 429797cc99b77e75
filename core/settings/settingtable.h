#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// Every stored printer setting, described once: where it lives on the printer (item,
// place in the frame, codec), what a value may be (unit, range or list, text limit),
// who has it and how it is treated (secret, identifies one printer, needs a restart),
// and the label its page shows. The read/write engine, the checks, profiles, the
// command line and the pages all work over these rows.
//
// A value is a JSON value in the unit the user sees: a number, a list entry's value or
// name, a text, a dotted address or a flag. A list answer no entry has is kept as
// {"code": N}, so that a frame carrying it with other settings can send it back.
namespace settingtable {

enum class Unit
{
    Millimetres, // whole millimetres, or with one decimal for the label size
    Dots,
    Seconds,
    List,
    Text,
    Address,
    Flag,
    Port
};

// How one setting's bytes sit in its frame.
enum class Codec
{
    Byte,        // one byte: the entry's index
    NonZero,     // one byte: the index; any answer but 0 reads as the second entry
    Capped,      // one byte: the index; answers past the list read as its last entry
    Code,        // one byte: the entry's own code (command sets)
    WifiMode,    // one byte: 1 station, 2 access point; an answer of 1 is station
    DhcpZeroOn,  // one byte: 0 when DHCP is on (the wired port)
    DhcpOneOn,   // one byte: 1 when DHCP is on, any answer but 0 reads as on (WiFi)
    Mm16,        // whole mm as 16-bit dots, low byte first; read back unsigned
    SignedMm16,  // the same, read back signed and truncated toward zero
    Dots16,      // signed 16-bit dots
    LabelMm16,   // mm with one decimal as 16-bit dots, rounded and limited to 0..65535
    Port16,      // unsigned 16-bit
    Millis16,    // whole seconds as 16-bit milliseconds
    Address4,    // a dotted address as four bytes
    Text,        // local 8-bit text and one NUL, alone in its frame
    TextField,   // one of several NUL-ended texts sharing a frame equally (WiFi)
    Mac,         // six bytes shown as AA:BB:...; read only
    IdentityText // the third string of the identity answer; read only
};

// Which models have a setting.
enum class Models
{
    All,
    PrintMode,  // the models with the print-mode setting (and a stripper)
    NoPrintMode // the others
};

enum Flag
{
    Secret = 1,   // passwords and PINs: left out of saved profiles unless asked for
    Identity = 2, // identifies one printer: left out of saved profiles unless asked for
    Restart = 4,  // takes effect after the printer restarts
    ReadOnly = 8  // shown, never sent and never in a profile
};

struct Row
{
    const char *page;
    const char *key;
    uint8_t item;
    Codec codec;
    int offset; // in the answer: byte offset, or text number for texts
    int part;   // order of the setting's bytes in the set frame
    Unit unit;
    double min; // range (numbers), least text length when not empty (texts)
    double max;
    int decimals;             // for numbers
    int textLimit;            // bytes after encoding, without the NUL
    const int *values;        // list entries' values; null: the index itself
    const char *const *names; // list entries' names (with `codes`), for named lists
    const int *codes;         // the printer codes of the named entries
    int entries;              // list length
    Models models;
    int flags;
    const char *widget;       // the page's widget (object name)
    const char *labelContext; // translation context of the page's label
    const char *label;        // the label's source text
};

// How a failed query of a frame counts in the result the page's read reports.
enum class Report
{
    Failure,      // its code, the first such failure in the page's query order
    BadReplyOnly, // only an answer that cannot be read; a query nobody answered is not
    Silent        // nothing: the widgets keep what they showed, the result is another's
};

// A failure after which nothing more can reach the printer: no connection could be made,
// the device is gone, the session's deadline has passed or no medium carries commands.
// A read ends there whatever its page's rules; a query merely unanswered never ends it.
bool printerUnreachable(int code);

// One frame of a page: its place in the page's reads and writes.
struct Frame
{
    const char *page;
    uint8_t item;
    int readStep;  // -1: never queried
    int writeStep; // -1: never sent; the first failure in this order is the write's result
    int pauseMs;   // after the set frame, for the module to take it in
    Models models;
    const char *whenKey;   // only while this setting of the page ...
    const char *whenValue; // ... has this value (WiFi mode)
    bool endsPageRead;     // the page's own read stops at a failure of this query
    Report report;         // how its failure counts in the page's result
    bool strictTexts;      // texts must each end inside the answer, else a bad reply
};

struct Page
{
    const char *name;
    bool mediumFailure;     // a failed read gives the medium's failure code, not the query's
    bool changeOnly;        // a write sends only frames with a changed setting
    bool fillMissing;       // a frame takes a setting known nowhere as empty, 0 or off
    int batchEnd;           // function command after the writes, or -1
    int batchEndReportStep; // its failure counts before that of this write step
    int finalPauseMs;
    Models models;
};

const QList<Row> &rows();
const QList<Frame> &frames();
const QList<Page> &pages();
QStringList pageNames();

const Row *find(const QString &page, const QString &key);
const Page *findPage(const QString &page);
QList<const Row *> rowsOf(const QString &page);
// The rows carried by one frame, in the order of their bytes.
QList<const Row *> rowsOf(const QString &page, uint8_t item);

bool has(const Row &row, Flag flag);
// Whether the model described by `printMode` has the setting.
bool modelHas(Models models, bool printMode);

// The label the page shows, translated, without its closing colon.
QString label(const Row &row);
// The label of the setting "page.key", or the name itself for one not known.
QString label(const QString &qualifiedName);
// "page.key", the stable name in JSON output and profiles.
QString qualified(const Row &row);

// Which bounds a number is held to.
enum class Bounds
{
    Typed, // what a person may enter: the setting's own range, within what its field holds
    Stored // what its field holds at all: for a value the printer itself reported
};

// The range a number must keep on a printer of `dotsPerMm`; for texts the least length
// and the byte limit.
void range(const Row &row, int dotsPerMm, double *min, double *max, Bounds bounds = Bounds::Typed);

// The frames a write of `wanted` over `known` sends, in the page's order: those that
// carry a setting of `wanted` (on pages that send only changes, a changed one), that
// the model has and that the page's selecting setting (WiFi mode) picks.
QList<const Frame *> framesToWrite(const QString &page, const QJsonObject &wanted,
                                   const QJsonObject &known, bool printMode);

// What the checks know of the model a value is meant for. A fact not known accepts
// whatever any model would.
struct ModelFacts
{
    int dotsPerMm = 0;             // 8 or 12; 0: not known
    std::optional<bool> printMode; // the model has the print-mode setting
};

// The entries of a list the model offers: the first entries of the row's list, a
// model of the print-mode group having some lists longer than the others.
int entries(const Row &row, const ModelFacts &model);

// Checks a value against its row for a printer of `model`; false with a sentence
// naming the setting and what it must be.
bool check(const Row &row, const QJsonValue &value, const ModelFacts &model, QString *why,
           Bounds bounds = Bounds::Typed);
// The same for a printer of which only the resolution is known.
bool check(const Row &row, const QJsonValue &value, int dotsPerMm, QString *why,
           Bounds bounds = Bounds::Typed);
// Checks every setting of a page object: unknown keys, read-only settings and values.
bool checkPage(const QString &page, const QJsonObject &settings, const ModelFacts &model,
               QString *why, Bounds bounds = Bounds::Typed);
bool checkPage(const QString &page, const QJsonObject &settings, int dotsPerMm, QString *why,
               Bounds bounds = Bounds::Typed);

// The printer's code of a list value; -1 when no entry has it.
int listCode(const Row &row, const QJsonValue &value);
// The value of a printer code: the entry's value or name, or {"code": N}.
QJsonValue listValue(const Row &row, int code);
// True for a list answer no entry has.
bool isUnlisted(const QJsonValue &value);

// The bytes of one setting for the set frame; false when it cannot be sent (a bad
// resolution for a length).
bool encode(const Row &row, const QJsonValue &value, int dotsPerMm, QByteArray *out);
// The value of one setting from a query answer of `length` bytes (the buffer holds
// frame::kQueryOutSize bytes, zero past the answer); undefined when unreadable.
QJsonValue decode(const Row &row, const uint8_t *answer, int length, int dotsPerMm);

// The value a setting takes in a frame when nothing else is known of it.
QJsonValue emptyValue(const Row &row);

} // namespace settingtable
