#pragma once

#include "device/fleet/device.h"

#include <QAbstractTableModel>
#include <QJsonArray>

namespace fleet {

// The printers of the fleet window as a table: what the last poll found and the result
// of the last operation. Core only; the window adds icons and colours by SeverityRole.
class FleetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        AddressColumn,
        ModelColumn,
        MakerColumn,
        FirmwareColumn,
        SerialColumn,
        ResolutionColumn,
        StatusColumn,
        LastAnswerColumn,
        ResultColumn,
        DriftColumn, // shown once a profile was chosen
        ColumnCount
    };
    enum Role
    {
        SeverityRole = Qt::UserRole + 1, // int(fleet::Severity)
        KeyRole,
    };

    explicit FleetModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Adds printers not yet listed; the number added.
    int add(const QList<Address> &addresses);
    void remove(const QList<int> &rows);
    void clear();
    QList<Address> addresses() const;
    Address address(int row) const { return m_rows.at(row).address; }
    Reading reading(int row) const { return m_rows.at(row).reading; }
    int rowOf(const QString &key) const;

    // A poll's reading; what an earlier poll knew of the identity is kept.
    void setReading(const Address &address, const Reading &reading);
    // The text of the result column ("42 %", "成功", ...) and whether it failed.
    // `detail` (one line each, for example what a dry run found) goes into the tool tip.
    void setResult(const QString &key, const QString &text, bool failed = false,
                   const QString &detail = QString());

    // The drift column: the count of differing settings ("—" until checked), and the
    // settings in its tool tip.
    void setDrift(const QString &key, const QString &text, const QString &detail);

    // The list as it is remembered between runs: the addresses only.
    QJsonArray toJson() const;
    void fromJson(const QJsonArray &array);

private:
    struct Row
    {
        Address address;
        Reading reading;
        QDateTime lastAnswer;
        QString result;
        bool failed = false;
        QString detail;
        QString drift;
        QString driftDetail;
    };
    QList<Row> m_rows;
};

} // namespace fleet
