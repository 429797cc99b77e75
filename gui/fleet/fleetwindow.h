#pragma once

#include "device/fleet/device.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSettings;
class QSpinBox;
class QTableView;
class QThreadPool;

namespace fleet {
class FleetModel;
class Gate;
class Poller;
} // namespace fleet

// The fleet window: the printers of a site in a table with their live status, and the
// operations for several at once (profile, firmware, font, self-test, inventory). Every
// conversation runs off the GUI thread; at most one at a time per printer.
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
    void download(bool firmware);
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
    // Runs `work` on a pool thread, then `after` on the GUI thread.
    void runInBackground(std::function<void()> work, std::function<void()> after);
    // Sets the result column from any thread.
    void postResult(const QString &key, const QString &text, bool failed = false,
                    const QString &detail = QString());

    std::unique_ptr<fleet::Device> m_device;
    std::unique_ptr<fleet::Gate> m_gate;
    std::unique_ptr<QThreadPool> m_pool; // scans and operations
    fleet::FleetModel *m_model = nullptr;
    fleet::Poller *m_poller = nullptr;
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
    QMenu *m_rowMenu = nullptr;
};
