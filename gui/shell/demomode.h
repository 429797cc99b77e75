#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class MainWindow;
class SimPrinter;

// "--demo": a simulated printer on 127.0.0.1 inside the process, and the window set
// up to reach it over the wireless medium by its address, so the tool can be tried
// without hardware. Nothing is broadcast and nothing but loopback is used.
class DemoPrinter
{
public:
    DemoPrinter();
    ~DemoPrinter();

    static bool requested(const QStringList &arguments);

    // Starts the simulated printer: on port 9100 when it is free, else on any free port.
    bool start(QString *error = nullptr);
    QString address() const;
    quint16 port() const;

    // The simulated printer's stored answer for a setting.
    QByteArray storedValue(quint8 item) const;

    // Ticks the wireless medium and types the printer's address and port.
    void prepareWindow(MainWindow &window) const;

    // The running simulated printer (for the screenshot driver), or none.
    SimPrinter *printer() const { return m_printer.get(); }

private:
    void keepSettingsOnLoopback();

    std::unique_ptr<SimPrinter> m_printer;
};
