#pragma once

#include <QObject>
#include <QSet>
#include <QString>

namespace jobs {

// The printers a conversation holds now, kept on the owner's thread: one conversation per
// printer across the poller and every fleet run. Nobody waits for a claim: a poll leaves
// a held printer out, a run begins it once it is given back.
class Claims : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool tryTake(const QString &key);
    void give(const QString &key);
    bool taken(const QString &key) const { return m_taken.contains(key); }

signals:
    void given(const QString &key);

private:
    QSet<QString> m_taken;
};

} // namespace jobs
