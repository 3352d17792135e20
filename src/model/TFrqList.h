#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The band table: band labels and the one-byte band codes the radio stores.
// Entry 0 belongs to no model and is the fallback of both lookups.
class TFrqList
{
public:
    void Add(const QString &label, quint8 code);
    qint32 Count() const { return qint32(m_entries.size()); }
    quint8 CodeOf(const QString &label) const;
    QString LabelOf(quint8 code) const;
    QStringList Labels() const;

private:
    struct Entry
    {
        QString label;
        quint8 code;
    };
    QList<Entry> m_entries;
};
