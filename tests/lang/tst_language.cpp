#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "lang/LocalizeForm.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void builtInMessagesWhenNoFile();
    void messagesFromFileAndEmptyValue();
    void listLanguagesDefaultsAndFile();
    void localizeFormComponents();
    void localizeFormComboFlagOff();
    void localizeFormFileWithOnlyMessagesKeepsWindow();
    void msgBoxKinds();
};

void TestLanguage::builtInMessagesWhenNoFile()
{
    ProgramFixture fixture;
    LoadLanguage(QStringLiteral("Nowhere"));
    QCOMPARE(Lang().Confirmation, QString::fromUtf8("提示"));
    QCOMPARE(Lang().ModError, QString::fromUtf8("机型错误，是否强写？"));
    QCOMPARE(Lang().LPortError, QString::fromUtf8("无法打开端口！"));
    QCOMPARE(TLanguage::entries().size(), 19);
    QCOMPARE(Lang().BadFile, QString::fromUtf8("不是有效的数据文件！"));
}

void TestLanguage::messagesFromFileAndEmptyValue()
{
    ProgramFixture fixture;
    fixture.writeFile("English.Ini",
                      "[language]\nconfirmation=Notice\nReadOk=\"Read complete!\"\nInfo=\n");
    LoadLanguage(QStringLiteral("English"));
    QCOMPARE(Lang().Confirmation, QStringLiteral("Notice"));
    QCOMPARE(Lang().ReadOk, QStringLiteral("Read complete!"));
    QCOMPARE(Lang().Info, QString());
    QCOMPARE(Lang().WriteOk, QString::fromUtf8("写入完成！"));
}

void TestLanguage::listLanguagesDefaultsAndFile()
{
    ProgramFixture fixture;
    All().LanguageName = QStringLiteral("Chinese");
    QStringList names{QStringLiteral("kept")}, files;
    ListLanguages(&names, &files);
    QCOMPARE(names, QStringList({"kept", QString::fromUtf8("中文"), QString::fromUtf8("英文")}));
    QCOMPARE(files, QStringList({"Chinese", "English"}));

    fixture.writeFile("SysInfo.Ini", "[SysInfo]\nLanguage=Chinese|English|German\n"
                                     "English=Chinese|English|German\n");
    All().LanguageName = QStringLiteral("English");
    names.clear();
    files.clear();
    ListLanguages(&names, &files);
    QCOMPARE(names, QStringList({"Chinese", "English", "German"}));
    QCOMPARE(files.size(), 3);
}

namespace {

// A small window with one component of every kind the localiser knows.
struct SampleForm
{
    SampleForm()
    {
        window.setObjectName("fSample");
        window.setWindowTitle("Sample");
        label = new QLabel("Label", &window);
        label->setObjectName("lbName");
        button = new QPushButton("&Ok", &window);
        button->setObjectName("btnOk");
        tool = new QToolButton(&window);
        tool->setObjectName("tbNew");
        tool->setToolTip("New");
        action = new QAction("&New", &window);
        action->setObjectName("N1");
        action->setToolTip("menu hint");
        tones = new QComboBox(&window);
        tones->setObjectName("cbQT");
        tones->addItems({"None", "67.0", "71.9"});
        tones->setCurrentIndex(2);
        SetComponentTag(tones, -3);
        data = new QComboBox(&window);
        data->setObjectName("cbCom");
        data->addItems({"COM1"});
        SetComponentTag(data, -2);
        list = new QComboBox(&window);
        list->setObjectName("cbkz");
        list->addItems({"Wide", "Narrow"});
        group = new QGroupBox("VOX", &window);
        group->setObjectName("GroupBox1");
        grid = new QTableWidget(3, 11, &window);
        grid->setObjectName("gvTest");
        hidden = new QListWidget(&window);
        hidden->setObjectName("lbSel");
        hidden->addItems({"CTCSS", "DCS-N"});
    }

    QDialog window;
    QLabel *label;
    QPushButton *button;
    QToolButton *tool;
    QAction *action;
    QComboBox *tones;
    QComboBox *data;
    QComboBox *list;
    QGroupBox *group;
    QTableWidget *grid;
    QListWidget *hidden;
};

} // namespace

void TestLanguage::localizeFormComponents()
{
    ProgramFixture fixture;
    QByteArray file =
        "[fSample]\nfSample.Caption=Muster\nlbName.Caption=\nbtnOk.Caption=&Gut\n"
        "tbNew.Caption=Neu\ntbNew.Hint=Neues Dokument\nN1.Caption=&Neu\nN1.Hint=ignored\n"
        "cbQT.0=Keiner\ncbQT.1=99.9\ncbCom.0=X\ncbkz.0=Breit\ncbkz.1=Schmal\n"
        "GroupBox1.Caption=Sprachsteuerung\nlbSel.1=DCS normal\n";
    for (int c = 0; c <= 11; ++c)
        file += "gvTest." + QByteArray::number(c) + "=H" + QByteArray::number(c) + "\n";
    fixture.writeFile("Deutsch.Ini", file);

    SampleForm form;
    LocalizeForm(&form.window, QStringLiteral("Deutsch"), true);
    QCOMPARE(form.window.windowTitle(), QStringLiteral("Muster"));
    QCOMPARE(form.label->text(), QString());
    QCOMPARE(form.button->text(), QStringLiteral("&Gut"));
    QCOMPARE(form.tool->text(), QStringLiteral("Neu"));
    QCOMPARE(form.tool->toolTip(), QStringLiteral("Neues Dokument"));
    QCOMPARE(form.action->text(), QStringLiteral("&Neu"));
    QCOMPARE(form.action->toolTip(), QStringLiteral("menu hint"));
    QCOMPARE(form.tones->itemText(0), QStringLiteral("Keiner"));
    QCOMPARE(form.tones->itemText(1), QStringLiteral("67.0"));
    QCOMPARE(form.tones->currentIndex(), 2);
    QCOMPARE(form.data->itemText(0), QStringLiteral("COM1"));
    QCOMPARE(form.list->itemText(1), QStringLiteral("Schmal"));
    QCOMPARE(form.group->title(), QStringLiteral("Sprachsteuerung"));
    QCOMPARE(form.hidden->item(0)->text(), QStringLiteral("CTCSS"));
    QCOMPARE(form.hidden->item(1)->text(), QStringLiteral("DCS normal"));
    // Grid headings are columns 1 to 11; there is no column 0.
    QCOMPARE(form.grid->horizontalHeaderItem(0)->text(), QStringLiteral("H1"));
    QCOMPARE(form.grid->horizontalHeaderItem(10)->text(), QStringLiteral("H11"));
}

void TestLanguage::localizeFormComboFlagOff()
{
    ProgramFixture fixture;
    fixture.writeFile("Deutsch.Ini", "[fSample]\ncbkz.0=Breit\nbtnOk.Caption=&Gut\n");
    SampleForm form;
    LocalizeForm(&form.window, QStringLiteral("Deutsch"), false);
    QCOMPARE(form.list->itemText(0), QStringLiteral("Wide"));
    QCOMPARE(form.button->text(), QStringLiteral("&Gut"));
}

void TestLanguage::localizeFormFileWithOnlyMessagesKeepsWindow()
{
    ProgramFixture fixture;
    fixture.writeFile("Deutsch.Ini", "[Language]\nConfirmation=Hinweis\n");
    SampleForm form;
    LocalizeForm(&form.window, QStringLiteral("Deutsch"), true);
    LoadLanguage(QStringLiteral("Deutsch"));
    QCOMPARE(form.window.windowTitle(), QStringLiteral("Sample"));
    QCOMPARE(form.label->text(), QStringLiteral("Label"));
    QCOMPARE(Lang().Confirmation, QStringLiteral("Hinweis"));
}

void TestLanguage::msgBoxKinds()
{
    // An unknown kind shows nothing and reads as OK.
    QCOMPARE(MsgBox("c", "t", 5), int(MsgOk));

    // The real box: answer it the way a user would.
    auto press = [](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(button)->click();
        });
    };
    press(QMessageBox::No);
    QCOMPARE(MsgBox("c", "t", MsgYesNo), int(MsgNo));
    press(QMessageBox::Yes);
    QCOMPARE(MsgBox("c", "t", MsgYesNo), int(MsgYes));
    press(QMessageBox::Retry);
    QCOMPARE(MsgBox("c", "t", MsgRetryCancel), int(MsgRetry));
    press(QMessageBox::Cancel);
    QCOMPARE(MsgBox("c", "t", MsgRetryCancel), int(MsgCancel));
    press(QMessageBox::Ok);
    QCOMPARE(MsgBox("c", "t", MsgInfo), int(MsgOk));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
