#include "TLanguage.h"

#include "IniFile.h"
#include "app/Program.h"
#include "app/SysInfo.h"
#include "app/TALL.h"

const QList<TLanguage::Entry> &TLanguage::entries()
{
    static const QList<Entry> list = {
        {"Confirmation", &TLanguage::Confirmation, "提示"},
        {"ExitProgram", &TLanguage::ExitProgram, "确定要退出系统？"},
        {"SaveProgram", &TLanguage::SaveProgram, "是否保存数据？"},
        {"Channel", &TLanguage::Channel, "信道"},
        {"Info", &TLanguage::Info, "信息"},
        {"OutRange", &TLanguage::OutRange, "频率超出范围！"},
        {"Caution", &TLanguage::Caution, "注意"},
        {"FChBigT", &TLanguage::FChBigT, "起始频道应小于结束频道！"},
        {"Close", &TLanguage::Close, "已关闭"},
        {"Open", &TLanguage::Open, "已启动"},
        {"ComError", &TLanguage::ComError, "检查所有连接及通信端口设置！"},
        {"ModError", &TLanguage::ModError, "机型错误，是否强写？"},
        {"ClearData", &TLanguage::ClearData, "是否清空数据？"},
        {"Modforce", &TLanguage::Modforce, "是否强制改写？"},
        {"ErrRange", &TLanguage::ErrRange, "频率出错！"},
        {"ReadOk", &TLanguage::ReadOk, "读取完成！"},
        {"WriteOk", &TLanguage::WriteOk, "写入完成！"},
        {"LPortError", &TLanguage::LPortError, "无法打开端口！"},
        {"BadFile", &TLanguage::BadFile, "不是有效的数据文件！"},
    };
    return list;
}

QString LanguageFilePath(const QString &languageName)
{
    return All().AppDir + languageName + QStringLiteral(".Ini");
}

void LoadLanguage(const QString &languageName)
{
    const IniFile ini(LanguageFilePath(languageName));
    TLanguage &lang = Lang();
    for (const TLanguage::Entry &e : TLanguage::entries()) {
        lang.*(e.field) = ini.value(QStringLiteral("Language"), QString::fromLatin1(e.key),
                                    QString::fromUtf8(e.builtIn));
    }
}

void ListLanguages(QStringList *displayNames, QStringList *fileNames)
{
    const IniFile ini(SysInfoPath());
    const QString section = QStringLiteral("SysInfo");
    const QString files =
        ini.value(section, QStringLiteral("Language"), QStringLiteral("Chinese|English"));
    const QString names = ini.value(section, All().LanguageName, QString::fromUtf8("中文|英文"));
    if (fileNames)
        fileNames->append(files.split(u'|'));
    if (displayNames)
        displayNames->append(names.split(u'|'));
}
