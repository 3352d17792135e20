#pragma once

#include <QString>
#include <QStringList>

// The message table: the texts of every message box and a few report texts,
// loaded from section "Language" of the current language file.
class TLanguage
{
public:
    QString Confirmation;
    QString ExitProgram;
    QString SaveProgram;
    QString Channel;
    QString Info;
    QString OutRange;
    QString Caution;
    QString FChBigT;
    QString Close;
    QString Open;
    QString ComError;
    QString ModError;
    QString ClearData;
    QString Modforce;
    QString ErrRange;
    QString ReadOk;
    QString WriteOk;
    QString LPortError;
    // A file that is not a data file of this program.
    QString BadFile;

    struct Entry
    {
        const char *key;
        QString TLanguage::*field;
        const char *builtIn; // UTF-8
    };
    // Every message in declaration order with its key and built-in Chinese text.
    static const QList<Entry> &entries();
};

// Path of a language file: the executable's folder, the language name, ".Ini".
QString LanguageFilePath(const QString &languageName);

// Fills the message table from the named language file; missing keys take the built-in texts.
void LoadLanguage(const QString &languageName);

// Appends the languages' display names and file names listed in SysInfo.Ini.
void ListLanguages(QStringList *displayNames, QStringList *fileNames);
