#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "edit/TfBBatchEdit.h"
#include "edit/TfBInfoEdit.h"
#include "edit/TfToneOption.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "model/ChannelTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using CT = ChannelTable;

namespace {

void enter(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void enterTone(QComboBox *field, const QString &text)
{
    enter(field->lineEdit(), text);
}

} // namespace

class TestChannelDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    // Channel Edit
    void newChannelInDialog();
    void rxAndTxChecks();
    void emptyingTxAndRx();
    void flagsAndTones();
    void steppingChannels();
    // Batch Channel Edit
    void batchFill_data();
    void batchFill();
    void batchRangeChecks();
    void batchRangeOnly();
    // Tone picker
    void splitEntry();
    void pickerChoices();

private:
    std::unique_ptr<ProgramFixture> m_fixture;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestChannelDialogs::init()
{
    m_fixture = std::make_unique<ProgramFixture>();
    m_messages = std::make_unique<MessageRecorder>();
    All().Modified = false;
}

void TestChannelDialogs::cleanup()
{
    m_messages.reset();
    m_fixture.reset();
}

void TestChannelDialogs::newChannelInDialog()
{
    TfBInfoEdit dialog(&Channels());
    dialog.setStartChannel(3);
    dialog.setChannelLimit(16);
    dialog.show();
    auto *panel = dialog.findChild<QWidget *>("pMain");
    QVERIFY(!panel->isEnabled());
    QCOMPARE(dialog.findChild<QSpinBox *>("sexd")->value(), 3);

    enter(dialog.findChild<QLineEdit *>("eReceive"), "460.0125");
    QVERIFY(m_messages->shown().isEmpty());
    QVERIFY(panel->isEnabled());
    const QStringList fore{"460.01250", "460.01250", "None", "None", "High",
                           "Wide",      "No",        "No",   "No"};
    for (int c = CT::ColRx; c <= CT::ColBusyLockout; ++c)
        QCOMPARE(Channels().fore(4, c), fore[c - CT::ColRx]);
    QCOMPARE(Channels().back(4, CT::ColScanAdd), QStringLiteral("1"));
    QVERIFY(Channels().hasUsedMarker(4));
    QVERIFY(!Channels().isReadOnly(4, CT::ColTx));
    QVERIFY(All().Modified);
}

void TestChannelDialogs::rxAndTxChecks()
{
    TfBInfoEdit dialog(&Channels());
    dialog.setStartChannel(1);
    dialog.setChannelLimit(16);
    dialog.show();
    auto *rx = dialog.findChild<QLineEdit *>("eReceive");
    auto *tx = dialog.findChild<QLineEdit *>("eSend");
    enter(rx, "700");
    QCOMPARE(m_messages->texts(), QStringList{Lang().ErrRange});
    QCOMPARE(rx->text(), QStringLiteral("470.00000"));
    QCOMPARE(Channels().fore(2, CT::ColRx), QStringLiteral("470.00000"));

    m_messages->clear();
    enter(tx, "440");
    QCOMPARE(m_messages->texts(), QStringList{Lang().OutRange});
    QCOMPARE(Channels().fore(2, CT::ColTx), QStringLiteral("440.00000"));

    // Not a number: a message, and nothing of it reaches the table.
    m_messages->clear();
    enter(rx, "1.2.3");
    QCOMPARE(m_messages->texts(), QStringList{Lang().ErrRange});
    QCOMPARE(rx->text(), QStringLiteral("470.00000"));
    enter(tx, "4..5");
    QCOMPARE(Channels().fore(2, CT::ColTx), QStringLiteral("440.00000"));
}

void TestChannelDialogs::emptyingTxAndRx()
{
    Channels().setForeDirect(2, CT::ColRx, "460.00000");
    Channels().SetChannelUsed(2);
    Channels().setForeDirect(2, CT::ColEncode, "D023N");
    TfBInfoEdit dialog(&Channels());
    dialog.setStartChannel(1);
    dialog.setChannelLimit(16);
    dialog.show();
    QCOMPARE(dialog.findChild<QComboBox *>("cbDQT")->currentText(), QStringLiteral("D023N"));

    enter(dialog.findChild<QLineEdit *>("eSend"), "");
    QCOMPARE(Channels().fore(2, CT::ColTx), QString());
    QCOMPARE(Channels().fore(2, CT::ColEncode), QStringLiteral("None"));

    enter(dialog.findChild<QLineEdit *>("eReceive"), "");
    QVERIFY(!Channels().isUsed(2));
    QVERIFY(!Channels().hasUsedMarker(2));
    QVERIFY(Channels().isReadOnly(2, CT::ColTx));
    QVERIFY(!dialog.findChild<QWidget *>("pMain")->isEnabled());
}

void TestChannelDialogs::flagsAndTones()
{
    Channels().setForeDirect(2, CT::ColRx, "460.00000");
    Channels().SetChannelUsed(2);
    TfBInfoEdit dialog(&Channels());
    dialog.setStartChannel(1);
    dialog.setChannelLimit(16);
    dialog.show();

    dialog.findChild<QCheckBox *>("chsmtj")->click();
    QCOMPARE(Channels().back(2, CT::ColScanAdd), QStringLiteral("0"));
    QCOMPARE(Channels().fore(2, CT::ColScanAdd), QStringLiteral("Yes"));

    enterTone(dialog.findChild<QComboBox *>("cbDQT"), "88.54");
    QCOMPARE(Channels().fore(2, CT::ColEncode), QStringLiteral("88.5"));
    enterTone(dialog.findChild<QComboBox *>("cbQT"), "d023n");
    QCOMPARE(Channels().fore(2, CT::ColDecode), QStringLiteral("D777N"));
    enterTone(dialog.findChild<QComboBox *>("cbQT"), "");
    QCOMPARE(Channels().fore(2, CT::ColDecode), QStringLiteral("None"));

    dialog.findChild<QComboBox *>("cbkz")->setCurrentIndex(1);
    QCOMPARE(Channels().back(2, CT::ColBandwidth), QStringLiteral("1"));
    QCOMPARE(Channels().fore(2, CT::ColBandwidth), QStringLiteral("Narrow"));
}

void TestChannelDialogs::steppingChannels()
{
    Channels().setForeDirect(6, CT::ColRx, "462.50000");
    Channels().SetChannelUsed(6);
    Channels().setBack(6, CT::ColPower, "0");
    Channels().setForeDirect(6, CT::ColPower, "Low");
    TfBInfoEdit dialog(&Channels());
    dialog.setStartChannel(1);
    dialog.setChannelLimit(16);
    dialog.show();
    auto *number = dialog.findChild<QSpinBox *>("sexd");
    number->setValue(5);
    QCOMPARE(dialog.findChild<QLineEdit *>("eReceive")->text(), QStringLiteral("462.50000"));
    QCOMPARE(dialog.findChild<QComboBox *>("cbfsgl")->currentText(), QStringLiteral("Low"));
    number->setValue(40);
    QCOMPARE(number->value(), 16);
    QVERIFY(dialog.findChild<QLineEdit *>("eReceive")->text().isEmpty());
    // Stepping only shows; it changes nothing.
    QVERIFY(!All().Modified);
}

void TestChannelDialogs::batchFill_data()
{
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("expectedRx");
    QTest::addColumn<QString>("lastTx");

    QTest::newRow("12.5 up") << "450"
                             << "455" << 1 << false << QStringList{"450.00000", "450.01250"}
                             << "455.18750";
    QTest::newRow("25 down") << "450"
                             << "450" << 0 << true
                             << QStringList{"450.00000", "449.97500", "449.95000"} << "449.62500";
    QTest::newRow("6.25 up") << "446.00625"
                             << "446.00625" << 2 << false
                             << QStringList{"446.00625", "446.01250", "446.01875", "446.02500"}
                             << "446.10000";
    QTest::newRow("clamped at the top")
        << "649.9"
        << "649.9" << 0 << false
        << QStringList{"649.90000", "649.92500", "649.95000", "649.97500", "650.00000", "650.00000"}
        << "650.00000";
    QTest::newRow("zero start is limited, then stepped")
        << "0"
        << "0" << 0 << false << QStringList{"300.00000", "300.02500", "300.05000"} << "300.37500";
    QTest::newRow("5 kHz from a 6.25 value")
        << "446.00625"
        << "446.00625" << 3 << false
        << QStringList{"446.00625", "446.00625", "446.01250", "446.01875", "446.02500", "446.03125"}
        << "446.08125";
    QTest::newRow("above the model, all channels")
        << "700"
        << "700" << 0 << true << QStringList{"650.00000", "649.97500", "649.95000"} << "649.62500";
}

void TestChannelDialogs::batchFill()
{
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QFETCH(int, step);
    QFETCH(bool, descending);
    QFETCH(QStringList, expectedRx);
    QFETCH(QString, lastTx);

    TfBBatchEdit dialog(&Channels());
    dialog.setChannelLimit(16);
    dialog.show();
    enter(dialog.findChild<QLineEdit *>("eReceive"), rx);
    enter(dialog.findChild<QLineEdit *>("eSend"), tx);
    dialog.findChild<QComboBox *>("cbStep")->setCurrentIndex(step);
    if (descending)
        dialog.findChild<QRadioButton *>("rdesc")->setChecked(true);
    enterTone(dialog.findChild<QComboBox *>("cbQT"), "67");
    dialog.findChild<QCheckBox *>("chfm")->click();
    dialog.findChild<QComboBox *>("cbfsgl")->setCurrentIndex(0);
    dialog.findChild<QPushButton *>("btnOk")->click();

    QVERIFY(m_messages->shown().isEmpty());
    for (int i = 0; i < expectedRx.size(); ++i)
        QCOMPARE(Channels().fore(CT::rowOfChannel(i + 1), CT::ColRx), expectedRx[i]);
    QCOMPARE(Channels().fore(17, CT::ColTx), lastTx);
    for (int r = 2; r < 18; ++r) {
        QVERIFY(Channels().hasUsedMarker(r));
        QCOMPARE(Channels().fore(r, CT::ColDecode), QStringLiteral("67.0"));
        QCOMPARE(Channels().fore(r, CT::ColEncode), QStringLiteral("None"));
        QCOMPARE(Channels().back(r, CT::ColPower), QStringLiteral("0"));
        QCOMPARE(Channels().fore(r, CT::ColBusyLockout), QStringLiteral("Yes"));
        QCOMPARE(Channels().back(r, CT::ColScanAdd), QStringLiteral("1"));
    }
    QVERIFY(All().Modified);
    QVERIFY(dialog.isVisible());
}

void TestChannelDialogs::batchRangeChecks()
{
    TfBBatchEdit dialog(&Channels());
    dialog.setChannelLimit(16);
    dialog.show();
    dialog.findChild<QRadioButton *>("rOne")->setChecked(true);
    QVERIFY(dialog.findChild<QWidget *>("pPd")->isEnabled());
    dialog.findChild<QSpinBox *>("seFrom")->setValue(5);
    dialog.findChild<QSpinBox *>("seTo")->setValue(3);
    enter(dialog.findChild<QLineEdit *>("eReceive"), "460");
    enter(dialog.findChild<QLineEdit *>("eSend"), "460");
    dialog.findChild<QPushButton *>("btnOk")->click();
    QCOMPARE(m_messages->texts(), QStringList{Lang().FChBigT});
    QCOMPARE(m_messages->shown().first().caption, Lang().Confirmation);

    m_messages->clear();
    dialog.findChild<QSpinBox *>("seTo")->setValue(8);
    enter(dialog.findChild<QLineEdit *>("eReceive"), "700");
    dialog.findChild<QPushButton *>("btnOk")->click();
    QCOMPARE(m_messages->texts(), QStringList{Lang().ErrRange});
    QCOMPARE(m_messages->shown().first().caption, Lang().Caution);
    for (int r = 2; r < 18; ++r)
        QVERIFY(!Channels().isUsed(r));
    QVERIFY(!All().Modified);
}

void TestChannelDialogs::batchRangeOnly()
{
    TfBBatchEdit dialog(&Channels());
    dialog.setChannelLimit(16);
    dialog.show();
    dialog.findChild<QRadioButton *>("rOne")->setChecked(true);
    dialog.findChild<QSpinBox *>("seFrom")->setValue(3);
    dialog.findChild<QSpinBox *>("seTo")->setValue(3);
    enter(dialog.findChild<QLineEdit *>("eReceive"), "460");
    enter(dialog.findChild<QLineEdit *>("eSend"), "465");
    dialog.findChild<QPushButton *>("btnOk")->click();
    QCOMPARE(Channels().fore(4, CT::ColRx), QStringLiteral("460.00000"));
    QCOMPARE(Channels().fore(4, CT::ColTx), QStringLiteral("465.00000"));
    QVERIFY(!Channels().isUsed(3));
    QVERIFY(!Channels().isUsed(5));
    // TX cells of every row are editable after a fill.
    QVERIFY(!Channels().isReadOnly(10, CT::ColTx));
}

void TestChannelDialogs::splitEntry()
{
    QString a, b, c;
    TfToneOption::SplitEntry("0D-100.0-1Z", &a, &b, &c);
    QCOMPARE(QStringList({a, b, c}), QStringList({"0D", "100.0", "1Z"}));
    TfToneOption::SplitEntry("47-D351", &a, &b, &c);
    QCOMPARE(QStringList({a, b, c}), QStringList({"47", "D351", "D351"}));
    TfToneOption::SplitEntry("", &a, &b, &c);
    QVERIFY(a.isEmpty() && b.isEmpty() && c.isEmpty());
}

void TestChannelDialogs::pickerChoices()
{
    auto choose = [](TfToneOption &picker, const char *radio, int tag, int row, int column) {
        picker.findChild<QRadioButton *>(radio)->click();
        QTableWidget *grid = picker.grid(tag);
        QVERIFY(grid->isVisible());
        grid->setCurrentCell(row, column);
        emit grid->cellDoubleClicked(row, column);
    };
    {
        TfToneOption picker;
        picker.show();
        QCOMPARE(picker.findChild<QGroupBox *>("gbList")->title(), QStringLiteral("CTCSS"));
        // Index and code columns cannot be chosen.
        choose(picker, "rCTCSS", 0, 3, 3);
        choose(picker, "rCTCSS", 0, 3, 5);
        QVERIFY(picker.isVisible());
        choose(picker, "rCTCSS", 0, 3, 4); // group 2, row 4: tone 0D
        QCOMPARE(picker.result(), QStringLiteral("100.0"));
        QVERIFY(!picker.isVisible());
    }
    {
        TfToneOption picker;
        picker.show();
        choose(picker, "rCTCSS", 0, 5, 13); // group 5, row 6: 2A
        QCOMPARE(picker.result(), QStringLiteral("254.1"));
    }
    {
        TfToneOption picker;
        picker.show();
        choose(picker, "rDCSI", 2, 7, 15); // group 8, row 8: code 85
        QCOMPARE(picker.findChild<QGroupBox *>("gbList")->title(), QStringLiteral("DCS-I"));
        QCOMPARE(picker.result(), QStringLiteral("D754I"));
    }
    {
        TfToneOption picker;
        picker.show();
        choose(picker, "rDCSN", 1, 8, 11); // group 6, row 9: code 64
        QCOMPARE(picker.result(), QStringLiteral("D525N"));
        QCOMPARE(picker.grid(1)->item(8, 11)->background().color(), QColor(Qt::white));
        QCOMPARE(picker.grid(1)->item(8, 10)->background().color(), QColor(47, 231, 220));
    }
    {
        // An empty slot of a selectable column closes with nothing chosen.
        TfToneOption picker;
        picker.show();
        choose(picker, "rCTCSS", 0, 8, 13);
        QVERIFY(!picker.isVisible());
        QCOMPARE(picker.result(), QString());
    }
}

QTEST_MAIN(TestChannelDialogs)
#include "tst_channeldialogs.moc"
