#pragma once

#include "core/files/plaincopy.h"
#include "device/fleet/device.h"

#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSettings;
class QSpinBox;
class PrinterSession;
class QTableView;

namespace fleet {
class FleetModel;
class Poller;
namespace drift {
class Checker;
struct Result;
} // namespace drift
} // namespace fleet
namespace jobs {
class Claims;
class FleetRun;
class WorkerPool;
} // namespace jobs

// The fleet window: the printers of a site in a table with their live status, and the
// operations for several at once (profile, firmware, font, self-test, inventory). Every
// conversation is a job on the window's worker pool, at most one at a time per printer;
// the window only starts runs and reacts to what they say, and never waits for one.
class FleetWindow : public QWidget
{
    Q_OBJECT

public:
    // `device` is the printers' side (a session device unless a test gives another);
    // `openKey` names the printer open in the main window, which is not polled.
    explicit FleetWindow(std::unique_ptr<fleet::Device> device = {}, QWidget *parent = nullptr);
    ~FleetWindow() override;

    void setOpenPrinter(std::function<QString()> openKey);
    fleet::FleetModel &model() { return *m_model; }
    fleet::Poller &poller() { return *m_poller; }
    // Adds printers and remembers the list; the number added.
    int addPrinters(const QList<fleet::Address> &addresses);
    // Background work still running (scan or operation).
    bool working() const { return m_working > 0; }
    // Cancels it: no further printer is begun, those in flight stop at a frame boundary.
    void cancelWork();
    // The per-printer parallelism of operations (the spin box).
    int jobs() const;

signals:
    // A scan or an operation ended (tests wait for it).
    void workFinished();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildUi();
    void retranslate();
    void addTyped();
    void scanRange();
    void importTargets();
    void discover();
    void applyProfile();
    void applyProfileTo(const QList<fleet::Address> &printers, const QString &path);
    // Compares every printer with a profile chosen now; the drift column shows it.
    void checkDrift();
    void showDrift(const fleet::Address &address, const fleet::drift::Result &result);
    void download(bool firmware);
    void downloadTo(bool firmware, const QList<fleet::Address> &printers, const QString &path);
    void selfTest();
    void exportInventory();
    void removeSelected();
    void updateSummary();
    void updateButtons();
    void remember() const;
    // The window's size and the table's columns, kept across starts.
    void rememberLayout() const;
    void restoreLayout(const QSettings &settings);
    // The row actions at `at` (viewport coordinates), for the mouse and the menu key.
    void showRowMenu(const QPoint &at);
    // The printers' list file: read at the start, written whole after each change.
    void loadList(const QSettings &settings);
    void rememberList();
    void followOpenPrinter();
    QList<fleet::Address> selected() const;
    // A scan or an operation begins: `cancel` stops it; its progress shows after a while.
    void beginWork(std::function<void()> cancel);
    // ... and ends: `workFinished` is said.
    void endWork();
    void showProgress(int done, int total);
    // A run over `printers` with `body` for each, on the pool, each printer once no other
    // conversation holds it, up to the spin box's number at once; started.
    jobs::FleetRun *startRun(
        const QList<fleet::Address> &printers,
        std::function<ops::Outcome(int, PrinterSession &, const std::atomic<bool> &, QVariant *)>
            body);
    // What became of a printer a cancel stopped or came before, in the result column.
    bool resultOfCancelled(const jobs::FleetRun &run, int index);
    // Staged runs: the canary box, and "继续未完成的" for what a run left undone.
    void buildStages(QBoxLayout *layout);
    void retranslateStages();
    // `run` (not started) goes in stages; once it ends, its printers that did not finish
    // well can be given to `rerun`.
    void stage(jobs::FleetRun *run, const QList<fleet::Address> &printers,
               const std::function<void(const QList<fleet::Address> &)> &rerun);
    void resume();

    std::shared_ptr<fleet::Device> m_device; // kept by the jobs in flight too
    jobs::Claims *m_gate = nullptr;
    // Polls, scans and operations. Not a child: a window closed during a run goes at once,
    // the pool once its jobs in flight have stopped.
    jobs::WorkerPool *m_pool = nullptr;
    std::function<void()> m_cancel; // of the work running now
    PlainCopy m_plain;              // the decrypted file of a rollout running now
    QTimer m_progressDelay;
    fleet::FleetModel *m_model = nullptr;
    class FleetJournal *m_journal = nullptr;
    fleet::Poller *m_poller = nullptr;
    fleet::drift::Checker *m_drift = nullptr;
    QString m_driftProfile; // the last one chosen
    std::function<QString()> m_openKey;
    QString m_excludedKey;
    QString m_listPath;
    bool m_listHeld = false;     // the file was not read whole: written only when agreed
    bool m_listDeclined = false; // the user kept it as it is
    QString m_listProblem;       // which line, for the question
    int m_working = 0;

    QLineEdit *m_address = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_scan = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_discover = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_checkDrift = nullptr;
    QPushButton *m_firmware = nullptr;
    QPushButton *m_font = nullptr;
    QPushButton *m_selfTest = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_remove = nullptr;
    QLabel *m_intervalLabel = nullptr;
    QSpinBox *m_interval = nullptr;
    QLabel *m_jobsLabel = nullptr;
    QSpinBox *m_jobs = nullptr;
    QLabel *m_expectLabel = nullptr;
    QLineEdit *m_expect = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_progress = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QMenu *m_rowMenu = nullptr;
    QLabel *m_canaryLabel = nullptr;
    QSpinBox *m_canary = nullptr;
    QPushButton *m_resume = nullptr;
    QList<fleet::Address> m_unfinished; // of the last staged run
    std::function<void(const QList<fleet::Address> &)> m_rerun;
};
