#include "TMacList.h"

TMacType *TMacList::Add(std::unique_ptr<TMacType> entry)
{
    m_entries.push_back(std::move(entry));
    return m_entries.back().get();
}

const TMacType *TMacList::Items(qint32 index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_entries[size_t(index)].get();
}

const TMacType *TMacList::FindByCode(const QString &code) const
{
    for (const auto &entry : m_entries) {
        if (entry->Code == code)
            return entry.get();
    }
    return nullptr;
}

const TMacType *TMacList::FindByName(const QString &name) const
{
    for (const auto &entry : m_entries) {
        if (entry->DisplayName == name)
            return entry.get();
    }
    return nullptr;
}

void TMacList::GetNames(QStringList *names) const
{
    if (!names)
        return;
    names->clear();
    for (const auto &entry : m_entries)
        names->append(entry->DisplayName);
}
