#pragma once

#include <QList>

class PageHost;
namespace settingsengine {
struct ReadResult;
}
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// What every settings page shares when it reads into and sends from its widgets.

namespace pagefields {

// The name of a field as its label shows it, without the closing colon.
QString fieldName(const QLabel *label);

// Tells the user that the field `name` must lie between `min` and `max`, in a box titled
// `title` ("设置工具" when empty).
void refuse(QWidget *parent, const QString &name, double min, double max,
            const QString &title = QString());

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

// Reports a finished read with the page's own result. A failure the result handler does
// not show, and a read that left a setting of the page unread, are reported here, so
// that no failed read looks like a success. True only for a read that reported 0 and
// read every setting the page writes, the one that may enable the page's set button.
bool reportRead(PageHost &host, const settingsengine::ReadResult &read);

} // namespace pagefields
