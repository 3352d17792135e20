#pragma once

#include "TMacType.h"

#include <memory>
#include <vector>

// The model table, in catalogue order. Entries are never removed.
class TMacList
{
public:
    TMacType *Add(std::unique_ptr<TMacType> entry);
    qint32 Count() const { return qint32(m_entries.size()); }
    // The entry at a 0-based index, or none.
    const TMacType *Items(qint32 index) const;
    const TMacType *FindByCode(const QString &code) const;
    const TMacType *FindByName(const QString &name) const;
    void GetNames(QStringList *names) const;

private:
    std::vector<std::unique_ptr<TMacType>> m_entries;
};
