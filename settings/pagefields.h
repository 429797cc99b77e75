#pragma once

#include "protocol/commandcodes.h"
#include "protocol/frame.h"
#include "settings/fieldcheck.h"
#include "settings/listsetting.h"

#include <QList>
#include <optional>

class PageHost;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// What every settings page shares when it reads into and sends from its widgets.
class PrinterSession;

namespace pagefields {

// The name of a field as its label shows it, without the closing colon.
QString fieldName(const QLabel *label);

// Checks every field before anything is sent; the first one refused is named to the
// user with its range. True when all are accepted.
bool acceptAll(QWidget *parent, const QList<fieldcheck::Field> &fields);

// Shows a list answer. An answer that has no entry selects none and shows the box as
// unknown; the byte is kept so that a frame carrying several lists can send it back.
void showListAnswer(QComboBox *box, int index, int answer);
inline void showListAnswer(QComboBox *box, int answer)
{
    showListAnswer(box, answer, answer);
}

// The byte a set sends for a list: the index the user sees, else the unknown answer
// the printer gave; -1 when neither is known.
int listByte(const QComboBox *box);

// A list setting shown in, and taken from, a box whose entries show `values`.
template <int N> void showListSetting(QComboBox *box, const int (&values)[N], const ListSetting &s)
{
    showListAnswer(box, s.code(values));
}
template <int N>
std::optional<ListSetting> listSetting(const QComboBox *box, const int (&values)[N])
{
    const int code = listByte(box);
    return code < 0 ? std::nullopt
                    : std::optional<ListSetting>(ListSetting::fromCode(values, code));
}

// Cleans up an integer box whenever the user leaves it: only digits and a leading minus
// stay; text that gives no number, or one too large, brings back the last good value.

// A page read that runs every query, each into answer(); the first failure is the
// read's result, so that no box left from an earlier printer counts as read.
class QueryRun
{
public:
    explicit QueryRun(PrinterSession &session) : m_session(session) {}
    // True when the query returned 0; its data is then in answer().
    bool query(SetInfoType item);
    const unsigned char *answer() const { return m_answer; }
    int result() const { return m_first; }

private:
    PrinterSession &m_session;
    unsigned char m_answer[frame::kQueryOutSize] = {};
    int m_first = 0;
};

// Reports a finished read. A failure the result handler does not show is reported
// here, so that no failed read looks like a success. True only for a read that
// returned 0, the one that may enable the page's set button.
bool reportRead(PageHost &host, int code);

} // namespace pagefields
