#include "SysInfo.h"

#include "Program.h"
#include "TALL.h"
#include "lang/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString Section = QStringLiteral("SysInfo");

// A decimal integer with an optional sign; anything else gives the fallback.
qint32 toIntOr(const QString &text, qint32 fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

// Entry number `index` of a "|"-separated list; empty when out of range.
QString pickEntry(QString list, qint32 index)
{
    QString entry;
    for (qint32 i = 0; i <= index; ++i) {
        const qsizetype bar = list.indexOf(u'|');
        if (bar >= 0) {
            entry = list.left(bar);
            list.remove(0, bar + 1);
        } else {
            entry = list;
            list.clear();
        }
    }
    return entry;
}

} // namespace

namespace {

QString SysInfoBesidePath()
{
    return All().AppDir + QStringLiteral("SysInfo.Ini");
}

QString SysInfoUserPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Veltrax/SysInfo.Ini");
}

bool SysInfoBesideWritable()
{
    const QFileInfo folder(All().AppDir);
    const QFileInfo file(SysInfoBesidePath());
    return folder.isWritable() && (!file.exists() || file.isWritable());
}

} // namespace

QString SysInfoPath()
{
    if (SysInfoBesideWritable())
        return SysInfoBesidePath();
    const QString user = SysInfoUserPath();
    return QFileInfo::exists(user) ? user : SysInfoBesidePath();
}

QString SysInfoWritePath()
{
    return SysInfoBesideWritable() ? SysInfoBesidePath() : SysInfoUserPath();
}

void LoadSysInfo()
{
    const IniFile ini(SysInfoPath());
    TALL &all = All();
    all.PortName = ini.value(Section, QStringLiteral("Com"), QStringLiteral("Com1"));
    const QString language =
        ini.value(Section, QStringLiteral("DefaultLanguage"), QStringLiteral("0"));
    all.HelpPrefix =
        ini.value(Section, QStringLiteral("Help"), QString::fromLatin1(DefaultHelpPrefix));
    all.LanguageIndex = toIntOr(language, 0);
    const QString picture = ini.value(Section, QStringLiteral("PicID"), QStringLiteral("0"));
    bool pictureOk = false;
    const int pictureValue = picture.trimmed().toInt(&pictureOk, 10);
    all.PictureId = pictureOk ? pictureValue + 1 : 1;
    const QString list =
        ini.value(Section, QStringLiteral("Language"), QStringLiteral("Chinese|English"));
    all.LanguageName = pickEntry(list, all.LanguageIndex);
}

bool SaveSysInfo(QString *errorString)
{
    const TALL &all = All();
    IniFile ini(SysInfoPath());
    ini.setValue(Section, QStringLiteral("Com"), all.PortName);
    ini.setValue(Section, QStringLiteral("DefaultLanguage"), QString::number(all.LanguageIndex));
    ini.setValue(Section, QStringLiteral("PicID"), QString::number(all.PictureId - 1));
    const QString path = SysInfoWritePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return ini.save(path, errorString);
}
