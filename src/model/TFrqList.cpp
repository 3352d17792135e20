#include "TFrqList.h"

void TFrqList::Add(const QString &label, quint8 code)
{
    m_entries.append({label, code});
}

quint8 TFrqList::CodeOf(const QString &label) const
{
    for (const Entry &e : m_entries) {
        if (e.label == label)
            return e.code;
    }
    return m_entries.isEmpty() ? 0 : m_entries.front().code;
}

QString TFrqList::LabelOf(quint8 code) const
{
    for (const Entry &e : m_entries) {
        if (e.code == code)
            return e.label;
    }
    return m_entries.isEmpty() ? QString() : m_entries.front().label;
}

QStringList TFrqList::Labels() const
{
    QStringList labels;
    for (const Entry &e : m_entries)
        labels.append(e.label);
    return labels;
}
