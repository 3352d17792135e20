#include "TestSupport.h"

#include "app/Program.h"
#include "app/SysInfo.h"
#include "app/TALL.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "model/Catalogue.h"
#include "model/ChannelTable.h"
#include "model/TMacList.h"
#include "settings/TFun.h"

#include <QFile>

MessageRecorder::MessageRecorder()
{
    SetMsgBoxHandler([this](const QString &caption, const QString &text, int kind) {
        m_shown.append({caption, text, kind});
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return kind == MsgYesNo ? int(MsgYes) : kind == MsgRetryCancel ? int(MsgRetry) : int(MsgOk);
    });
}

MessageRecorder::~MessageRecorder()
{
    SetMsgBoxHandler({});
}

QStringList MessageRecorder::texts() const
{
    QStringList list;
    for (const ShownMessage &m : m_shown)
        list.append(m.text);
    return list;
}

ProgramFixture::ProgramFixture()
{
    TALL &all = All();
    const QString product = all.ProductName; // set once, with the model table
    all = TALL{};
    all.ProductName = product;
    DataModuleCreate(dir());
    selectModel(QStringLiteral("5520"));
    Channels().ResetRows(all.ChannelCount);
}

void ProgramFixture::selectModel(const QString &code, const QString &band)
{
    const TMacType *model = MacList().FindByCode(code);
    SelectModel(model);
    SelectBand(band.isEmpty() ? model->DefaultBand : band);
}

void ProgramFixture::writeFile(const QString &name, const QByteArray &content) const
{
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QByteArray ProgramFixture::readFile(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
