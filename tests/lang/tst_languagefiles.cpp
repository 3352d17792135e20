#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "app/TfMainFrm.h"
#include "edit/TfBBatchEdit.h"
#include "edit/TfBInfoEdit.h"
#include "edit/TfChInfo.h"
#include "edit/TfToneOption.h"
#include "lang/IniFile.h"
#include "lang/LocalizeForm.h"
#include "lang/MsgBox.h"
#include "lang/ProgramWindows.h"
#include "lang/TLanguage.h"
#include "lang/TfFrmAbout.h"
#include "lang/TfSetLanguage.h"
#include "link/TfSetPort.h"
#include "link/TfTestFrequency.h"
#include "link/TfTransferDialog.h"
#include "model/ChannelTable.h"
#include "model/TfModel.h"
#include "settings/TfBFunSet.h"
#include "settings/TfEmbeddedMessage.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

const QString Shipped = QStringLiteral(VELTRAX_LANGUAGE_DIR);

} // namespace

class TestLanguageFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyComponentHasItsKeyInBothFiles();
    void switchingLanguageAtRunTime();
    void aboutBoxFromLanguageFile();
    void aboutBoxWithoutLanguageFile();
    void languageDialogOkWithoutChange();

private:
    void copyShippedFiles();

    std::unique_ptr<ProgramFixture> m_fixture;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestLanguageFiles::init()
{
    m_fixture = std::make_unique<ProgramFixture>();
    m_messages = std::make_unique<MessageRecorder>();
    Channels().ResetRows(0);
}

void TestLanguageFiles::cleanup()
{
    m_messages.reset();
    m_fixture.reset();
}

void TestLanguageFiles::copyShippedFiles()
{
    for (const char *name : {"English.Ini", "Chinese.Ini"})
        QVERIFY(QFile::copy(Shipped + u'/' + QLatin1String(name), m_fixture->path(name)));
}

void TestLanguageFiles::everyComponentHasItsKeyInBothFiles()
{
    TfMainFrm main;
    main.show();
    ChannelTable table;
    std::vector<std::pair<QWidget *, bool>> windows{{&main, true}, {main.channelWindow(), true}};
    const std::vector<ProgramDialog> dialogs = CreateProgramDialogs(&table);
    for (const ProgramDialog &d : dialogs)
        windows.push_back({d.window.get(), d.localiseCombos});
    QCOMPARE(windows.size(), size_t(14));

    for (const char *language : {"English", "Chinese"}) {
        const IniFile ini(Shipped + u'/' + QLatin1String(language) + QStringLiteral(".Ini"));
        for (const TLanguage::Entry &e : TLanguage::entries())
            QVERIFY2(ini.contains("Language", e.key), qPrintable(QString(language) + ": " + e.key));
        for (const auto &[window, combos] : windows) {
            const QString section = window->objectName();
            for (const auto &[key, text] : LocalizableTexts(window, combos)) {
                QVERIFY2(ini.contains(section, key),
                         qPrintable(QStringLiteral("%1 [%2] %3").arg(language, section, key)));
            }
        }
    }
}

void TestLanguageFiles::switchingLanguageAtRunTime()
{
    copyShippedFiles();
    All().LanguageIndex = 1;
    All().LanguageName = QStringLiteral("English");
    LoadLanguage(All().LanguageName);
    TfMainFrm window;
    window.show();
    QCOMPARE(window.findChild<QMenu *>("nFile")->title(), QStringLiteral("&File"));
    Channels().setForeDirect(2, ChannelTable::ColRx, "460.00000");
    Channels().SetChannelUsed(2);
    Channels().setBack(2, ChannelTable::ColScanAdd, "0");
    Channels().setForeDirect(2, ChannelTable::ColScanAdd, "Yes");

    onNextDialog([](QDialog *dialog) {
        auto *list = dialog->findChild<QComboBox *>("cbLanguage");
        QCOMPARE(list->count(), 2);
        list->setCurrentIndex(0);
        dialog->findChild<QPushButton *>("btnOk")->click();
    });
    window.DispatchCommand(25);

    QCOMPARE(All().LanguageName, QStringLiteral("Chinese"));
    QCOMPARE(All().LanguageIndex, 0);
    QCOMPARE(window.findChild<QMenu *>("nFile")->title(), QString::fromUtf8("文件(&F)"));
    QCOMPARE(window.findChild<QAction *>("R1")->text(), QString::fromUtf8("从对讲机读取(&R)"));
    QCOMPARE(window.findChild<QLabel *>("lMode")->text(), QString::fromUtf8("机型："));
    QCOMPARE(window.statusText(3), QString::fromUtf8("端口：") + All().PortName);
    QCOMPARE(Channels().fore(ChannelTable::HeaderRow, ChannelTable::ColRx),
             QString::fromUtf8("接收频率"));
    QCOMPARE(Channels().fore(2, ChannelTable::ColDecode), QString::fromUtf8("无"));
    QCOMPARE(Channels().fore(2, ChannelTable::ColPower), QString::fromUtf8("高"));
    QCOMPARE(Channels().fore(2, ChannelTable::ColScanAdd), QString::fromUtf8("是"));
    QCOMPARE(Channels().back(2, ChannelTable::ColScanAdd), QStringLiteral("0"));
    QCOMPARE(Channels().itemTexts().none, QString::fromUtf8("无"));
    QCOMPARE(Lang().Confirmation, QString::fromUtf8("提示"));
    QCOMPARE(Lang().BadFile, QString::fromUtf8("不是有效的数据文件！"));

    // A dialog opened afterwards comes up in the new language.
    TfBFunSet settings;
    settings.show();
    QCOMPARE(settings.windowTitle(), QString::fromUtf8("功能设置"));
    QCOMPARE(settings.findChild<QComboBox *>("cxFM")->itemText(0), QString::fromUtf8("禁止"));

    // And back to English, the back texts still as they were.
    onNextDialog([](QDialog *dialog) {
        dialog->findChild<QComboBox *>("cbLanguage")->setCurrentIndex(1);
        dialog->findChild<QPushButton *>("btnOk")->click();
    });
    window.DispatchCommand(25);
    QCOMPARE(window.findChild<QMenu *>("nFile")->title(), QStringLiteral("&File"));
    QCOMPARE(Channels().fore(2, ChannelTable::ColDecode), QStringLiteral("None"));
    QCOMPARE(Channels().fore(2, ChannelTable::ColScanAdd), QStringLiteral("Yes"));
    QCOMPARE(Lang().ReadOk, QStringLiteral("Read complete!"));
}

void TestLanguageFiles::aboutBoxFromLanguageFile()
{
    copyShippedFiles();
    All().LanguageName = QStringLiteral("English");
    TfFrmAbout about;
    about.show();
    QCOMPARE(about.windowTitle(), QStringLiteral("Veltrax"));
    QCOMPARE(about.findChild<QLabel *>("Label2")->text(), QStringLiteral("Version 1.0"));
    QVERIFY(about.memoText().contains("\n\nHelp Topics opens"));
    QTest::mouseClick(about.findChild<QLabel *>("Label3"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

void TestLanguageFiles::aboutBoxWithoutLanguageFile()
{
    TfFrmAbout about;
    about.show();
    QCOMPARE(about.findChild<QLabel *>("Label9")->text(), QStringLiteral("6"));
    QCOMPARE(about.memoText(), QStringLiteral("7\n8\n\n9"));
}

void TestLanguageFiles::languageDialogOkWithoutChange()
{
    TfSetLanguage dialog;
    dialog.show();
    auto *list = dialog.findChild<QComboBox *>("cbLanguage");
    QCOMPARE(list->itemText(0), QString::fromUtf8("中文"));
    QCOMPARE(list->itemText(1), QString::fromUtf8("英文"));
    dialog.findChild<QPushButton *>("btnOk")->click();
    QVERIFY(!dialog.Changed);

    // A language list longer than the names, and nothing selected: nothing changes.
    m_fixture->writeFile("SysInfo.Ini", "[SysInfo]\nLanguage=Chinese|English|German\n");
    All().LanguageIndex = 2;
    TfSetLanguage odd;
    odd.show();
    QCOMPARE(odd.findChild<QComboBox *>("cbLanguage")->currentIndex(), -1);
    odd.findChild<QPushButton *>("btnOk")->click();
    QVERIFY(!odd.Changed);
    QCOMPARE(All().LanguageIndex, 2);
}

QTEST_MAIN(TestLanguageFiles)
#include "tst_languagefiles.moc"
