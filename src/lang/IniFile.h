#pragma once

#include <QString>
#include <QStringList>

// An INI file read and written the way the settings and language files expect:
// section and key names match without regard to case, values lose their
// surrounding blanks and one enclosing pair of quotes, a present empty value is
// empty, and writing a key keeps every other line of the file as it was.
class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(const QString &path);

    // Reads the file as UTF-8 (a byte order mark is skipped). A missing or
    // unreadable file leaves the object empty; every lookup then gives its default.
    bool load(const QString &path);
    void parse(const QByteArray &bytes);

    bool contains(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key,
                  const QString &defaultValue = QString()) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    QByteArray toBytes() const;
    // Replaces the file only once all of it was written; on failure the old
    // file stays and errorString says why.
    bool save(const QString &path, QString *errorString = nullptr) const;

private:
    int findSection(const QString &section) const;
    int findKey(int sectionLine, const QString &key) const;
    int sectionEnd(int sectionLine) const;

    QStringList m_lines;
};
