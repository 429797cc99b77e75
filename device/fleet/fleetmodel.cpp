#include "device/fleet/fleetmodel.h"

#include <QCoreApplication>
#include <algorithm>

namespace fleet {

FleetModel::FleetModel(QObject *parent) : QAbstractTableModel(parent) {}

int FleetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int FleetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FleetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows.at(index.row());
    const Reading &r = row.reading;
    if (role == SeverityRole)
        return int(severity(r));
    if (role == KeyRole)
        return row.address.key();
    if (role == Qt::ToolTipRole && index.column() == ResultColumn)
        return row.detail.isEmpty() ? row.result : row.result + QLatin1Char('\n') + row.detail;
    if (role == Qt::ToolTipRole && index.column() == DriftColumn)
        return row.driftDetail;
    if (role == Qt::ToolTipRole && index.column() == AddressColumn)
        return row.address.key();
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case AddressColumn:
        return row.address.key();
    case ModelColumn:
        return r.model;
    case MakerColumn:
        return r.maker;
    case FirmwareColumn:
        return r.firmware;
    case SerialColumn:
        return r.serial;
    case ResolutionColumn:
        return r.dpi > 0 ? QCoreApplication::translate("FleetModel", "%1 dpi").arg(r.dpi)
                         : QString();
    case StatusColumn:
        return statusText(r);
    case LastAnswerColumn:
        return row.lastAnswer.isValid() ? row.lastAnswer.toString(QStringLiteral("HH:mm:ss"))
                                        : QString();
    case ResultColumn:
        return row.result;
    case DriftColumn:
        return row.drift.isEmpty() ? QStringLiteral("—") : row.drift;
    default:
        return QVariant();
    }
}

QVariant FleetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case AddressColumn:
        return QCoreApplication::translate("FleetModel", "地址");
    case ModelColumn:
        return QCoreApplication::translate("FleetModel", "型号");
    case MakerColumn:
        return QCoreApplication::translate("FleetModel", "厂商");
    case FirmwareColumn:
        return QCoreApplication::translate("FleetModel", "固件版本");
    case SerialColumn:
        return QCoreApplication::translate("FleetModel", "序列号");
    case ResolutionColumn:
        return QCoreApplication::translate("FleetModel", "分辨率");
    case StatusColumn:
        return QCoreApplication::translate("FleetModel", "状态");
    case LastAnswerColumn:
        return QCoreApplication::translate("FleetModel", "最后应答");
    case ResultColumn:
        return QCoreApplication::translate("FleetModel", "结果");
    case DriftColumn:
        return QCoreApplication::translate("FleetModel", "偏差");
    default:
        return QVariant();
    }
}

int FleetModel::add(const QList<Address> &addresses)
{
    QList<Address> fresh;
    for (const Address &a : addresses) {
        if (rowOf(a.key()) < 0 && !fresh.contains(a))
            fresh.append(a);
    }
    if (fresh.isEmpty())
        return 0;
    beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size() + fresh.size() - 1);
    for (const Address &a : fresh)
        m_rows.append(
            Row{a, Reading(), QDateTime(), QString(), false, QString(), QString(), QString()});
    endInsertRows();
    return fresh.size();
}

void FleetModel::remove(const QList<int> &rows)
{
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end(), std::greater<int>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (int row : sorted) {
        if (row < 0 || row >= m_rows.size())
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.removeAt(row);
        endRemoveRows();
    }
}

void FleetModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

QList<Address> FleetModel::addresses() const
{
    QList<Address> out;
    for (const Row &r : m_rows)
        out.append(r.address);
    return out;
}

int FleetModel::rowOf(const QString &key) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).address.key() == key)
            return i;
    }
    return -1;
}

void FleetModel::setReading(const Address &address, const Reading &reading)
{
    const int row = rowOf(address.key());
    if (row < 0)
        return;
    Row &r = m_rows[row];
    Reading merged = reading;
    if (!reading.identified) {
        merged.model = r.reading.model;
        merged.maker = r.reading.maker;
        merged.serial = r.reading.serial;
        merged.dpi = r.reading.dpi;
        merged.identified = r.reading.identified;
        if (merged.firmware.isEmpty())
            merged.firmware = r.reading.firmware;
    }
    r.reading = merged;
    if (reading.reached)
        r.lastAnswer = reading.at;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void FleetModel::setResult(const QString &key, const QString &text, bool failed,
                           const QString &detail)
{
    const int row = rowOf(key);
    if (row < 0)
        return;
    m_rows[row].result = text;
    m_rows[row].detail = detail;
    m_rows[row].failed = failed;
    emit dataChanged(index(row, ResultColumn), index(row, ResultColumn));
}

void FleetModel::setDrift(const QString &key, const QString &text, const QString &detail)
{
    const int row = rowOf(key);
    if (row < 0)
        return;
    m_rows[row].drift = text;
    m_rows[row].driftDetail = detail;
    emit dataChanged(index(row, DriftColumn), index(row, DriftColumn));
}

QJsonArray FleetModel::toJson() const
{
    QJsonArray out;
    for (const Row &r : m_rows)
        out.append(r.address.key());
    return out;
}

void FleetModel::fromJson(const QJsonArray &array)
{
    QList<Address> list;
    for (const QJsonValue &v : array) {
        Address a;
        if (Address::parse(v.toString(), &a))
            list.append(a);
    }
    add(list);
}

} // namespace fleet
