#include "IniFile.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool isSectionLine(const QString &line, QString *name = nullptr)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return false;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return false;
    if (name)
        *name = t.mid(1, close - 1).trimmed();
    return true;
}

bool splitEntry(const QString &line, QString *key, QString *value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'#'))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    if (value)
        *value = t.mid(eq + 1).trimmed();
    return !key->isEmpty();
}

QString unquote(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

IniFile::IniFile(const QString &path)
{
    load(path);
}

bool IniFile::load(const QString &path)
{
    m_lines.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    parse(file.readAll());
    return true;
}

void IniFile::parse(const QByteArray &bytes)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QString text = QString::fromUtf8(data);
    // Files saved by several editors in turn may carry more than one byte order mark.
    while (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    m_lines = text.split(u'\n');
    if (!m_lines.isEmpty() && m_lines.back().isEmpty())
        m_lines.removeLast();
}

int IniFile::findSection(const QString &section) const
{
    QString name;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (isSectionLine(m_lines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < m_lines.size() && !isSectionLine(m_lines[i]))
        ++i;
    return i;
}

int IniFile::findKey(int sectionLine, const QString &key) const
{
    const int end = sectionEnd(sectionLine);
    QString name;
    for (int i = sectionLine + 1; i < end; ++i) {
        if (splitEntry(m_lines[i], &name, nullptr) && name.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

QString IniFile::value(const QString &section, const QString &key,
                       const QString &defaultValue) const
{
    const int s = findSection(section);
    if (s < 0)
        return defaultValue;
    const int k = findKey(s, key);
    if (k < 0)
        return defaultValue;
    QString name, value;
    splitEntry(m_lines[k], &name, &value);
    return unquote(value);
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString line = key + u'=' + value;
    int s = findSection(section);
    if (s < 0) {
        if (!m_lines.isEmpty() && !m_lines.back().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(u'[' + section + u']');
        m_lines.append(line);
        return;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        m_lines[k] = line;
        return;
    }
    // Append after the section's last non-blank line so blank separators stay below it.
    int insertAt = sectionEnd(s);
    while (insertAt > s + 1 && m_lines[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, line);
}

QByteArray IniFile::toBytes() const
{
    QByteArray out;
    for (const QString &line : m_lines) {
        out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

bool IniFile::save(const QString &path, QString *errorString) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toBytes()) < 0 || !file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}
