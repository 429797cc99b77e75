#include "gui/widgets/lentlink.h"

#include "device/link/printerlink.h"
#include "device/link/printersession.h"

#include <QThread>

namespace lentlink {

jobs::Body lend(PrinterSession &session, jobs::Body body)
{
    QThread *home = QThread::currentThread();
    PrinterLink *link = session.link();
    if (link && link->thread() == home && session.thread() != home)
        link->moveToThread(session.thread());
    return [home, body = std::move(body)](jobs::Context &context) {
        ops::Outcome outcome = body(context);
        PrinterLink *open = context.session().link();
        if (open && open->thread() == QThread::currentThread() && home != open->thread())
            open->moveToThread(home);
        return outcome;
    };
}

} // namespace lentlink
