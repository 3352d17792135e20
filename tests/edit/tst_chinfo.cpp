#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "edit/ChannelGridView.h"
#include "edit/TfChInfo.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "model/ChannelTable.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using CT = ChannelTable;

class TestChInfo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newChannelFromRx();
    void frequencyEntry_data();
    void frequencyEntry();
    void deletingRxDeletesChannel();
    void deletingTxKeepsTheRest();
    void emptyRowOffersNoEditors();
    void toneEditor_data();
    void toneEditor();
    void listEditorsWriteIndexAndText();
    void enterHidesEditor();
    void pickerFillsToneCell();
    void pendingEditIsCommitted();
    void loadedRowKeepsItsValues();

private:
    QModelIndex cell(int channel, int column) const
    {
        return m_window->grid()->model()->index(channel - 1, column - 1);
    }
    void click(int channel, int column);
    void typeFrequency(int channel, int column, const QString &text);

    std::unique_ptr<ProgramFixture> m_fixture;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<TfChInfo> m_window;
};

void TestChInfo::init()
{
    m_fixture = std::make_unique<ProgramFixture>();
    m_messages = std::make_unique<MessageRecorder>();
    Channels().ResetRows(0);
    m_window = std::make_unique<TfChInfo>(&Channels());
    m_window->resize(870, 521);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    All().Modified = false;
}

void TestChInfo::cleanup()
{
    m_window.reset();
    m_messages.reset();
    m_fixture.reset();
}

void TestChInfo::click(int channel, int column)
{
    ChannelGridView *grid = m_window->grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(cell(channel, column)).center());
}

void TestChInfo::typeFrequency(int channel, int column, const QString &text)
{
    click(channel, column);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY2(editor, "no text editor opened");
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits an edit ended with Enter from the event loop.
    QCoreApplication::processEvents();
}

void TestChInfo::newChannelFromRx()
{
    typeFrequency(1, CT::ColRx, "460.0125");
    QVERIFY(m_messages->shown().isEmpty());
    const QStringList fore{"460.01250", "460.01250", "None", "None", "High",
                           "Wide",      "No",        "No",   "No"};
    for (int c = CT::ColRx; c <= CT::ColBusyLockout; ++c)
        QCOMPARE(Channels().fore(2, c), fore[c - CT::ColRx]);
    QVERIFY(Channels().hasUsedMarker(2));
    QVERIFY(!Channels().isReadOnly(2, CT::ColTx));
    QVERIFY(All().Modified);
}

void TestChInfo::frequencyEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    QTest::newRow("above the model") << "700"
                                     << "470.00000"
                                     << "ErrRange";
    QTest::newRow("below the model") << "250"
                                     << "450.00000"
                                     << "ErrRange";
    QTest::newRow("outside the band") << "440"
                                      << "440.00000"
                                      << "OutRange";
    QTest::newRow("not a number") << "1.2.3"
                                  << "470.00000"
                                  << "OutRange";
    QTest::newRow("snapped down") << "460.0031"
                                  << "460.00000"
                                  << "";
    QTest::newRow("letters dropped") << "46a0.5x"
                                     << "460.50000"
                                     << "";
}

void TestChInfo::frequencyEntry()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    typeFrequency(3, CT::ColRx, typed);
    QCOMPARE(Channels().fore(4, CT::ColRx), shown);
    QCOMPARE(Channels().fore(4, CT::ColTx), shown);
    if (message.isEmpty()) {
        QVERIFY(m_messages->shown().isEmpty());
    } else {
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().first().caption, Lang().Caution);
        QCOMPARE(m_messages->shown().first().text,
                 message == "ErrRange" ? Lang().ErrRange : Lang().OutRange);
    }

    // The TX cell is checked the same way, on its own.
    m_messages->clear();
    typeFrequency(3, CT::ColTx, "700");
    QCOMPARE(Channels().fore(4, CT::ColTx), QStringLiteral("470.00000"));
    QCOMPARE(m_messages->texts(), QStringList{Lang().ErrRange});
}

void TestChInfo::deletingRxDeletesChannel()
{
    typeFrequency(2, CT::ColRx, "460");
    typeFrequency(2, CT::ColRx, "");
    for (int c = CT::ColRx; c <= CT::ColBusyLockout; ++c)
        QVERIFY(Channels().fore(3, c).isEmpty());
    QVERIFY(!Channels().hasUsedMarker(3));
    QVERIFY(Channels().isReadOnly(3, CT::ColTx));
}

void TestChInfo::deletingTxKeepsTheRest()
{
    typeFrequency(2, CT::ColRx, "460");
    Channels().setForeDirect(3, CT::ColEncode, "D023N");
    typeFrequency(2, CT::ColTx, "");
    QCOMPARE(Channels().fore(3, CT::ColTx), QString());
    QCOMPARE(Channels().fore(3, CT::ColEncode), QStringLiteral("D023N"));
    QCOMPARE(Channels().fore(3, CT::ColRx), QStringLiteral("460.00000"));

    // Without TX there is no encode editor.
    click(2, CT::ColEncode);
    QVERIFY(m_window->visibleEditor() == nullptr);
    click(2, CT::ColDecode);
    QVERIFY(m_window->visibleEditor());
    QCOMPARE(m_window->visibleEditor()->objectName(), QStringLiteral("cbQT"));
}

void TestChInfo::emptyRowOffersNoEditors()
{
    click(5, CT::ColTx);
    QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    for (int c = CT::ColDecode; c <= CT::ColBusyLockout; ++c) {
        click(5, c);
        QVERIFY(m_window->visibleEditor() == nullptr);
    }
    QVERIFY(!All().Modified);
}

void TestChInfo::toneEditor_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("lower-case d") << "d023n"
                                  << "D777N";
    QTest::newRow("lower-case polarity kept") << "D023n"
                                              << "D023n";
    QTest::newRow("CTCSS number") << "67"
                                  << "67.0";
    QTest::newRow("other letters dropped") << "D0X2Y3N"
                                           << "D023N";
    QTest::newRow("cleared") << ""
                             << "None";
}

void TestChInfo::toneEditor()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    typeFrequency(1, CT::ColRx, "460");
    Channels().setForeDirect(2, CT::ColDecode, "100.0");
    click(1, CT::ColDecode);
    QComboBox *editor = m_window->visibleEditor();
    QVERIFY(editor);
    QCOMPARE(editor->currentText(), QStringLiteral("100.0"));
    All().Modified = false;
    editor->lineEdit()->selectAll();
    QTest::keyClick(editor->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(editor->lineEdit(), typed);
    QCOMPARE(Channels().fore(2, CT::ColDecode), stored);
    QVERIFY(All().Modified);
}

void TestChInfo::listEditorsWriteIndexAndText()
{
    typeFrequency(1, CT::ColRx, "460");
    click(1, CT::ColPower);
    QComboBox *power = m_window->visibleEditor();
    QCOMPARE(power->objectName(), QStringLiteral("cbfsgl"));
    QCOMPARE(power->currentIndex(), 1);
    power->setCurrentIndex(0);
    QCOMPARE(Channels().fore(2, CT::ColPower), QStringLiteral("Low"));
    QCOMPARE(Channels().back(2, CT::ColPower), QStringLiteral("0"));

    // The yes/no editor serves three columns, each written on its own.
    click(1, CT::ColBeatShift);
    QComboBox *yesNo = m_window->visibleEditor();
    QCOMPARE(yesNo->objectName(), QStringLiteral("cbHave"));
    QTest::keyClick(yesNo, Qt::Key_Up);
    QCOMPARE(Channels().fore(2, CT::ColBeatShift), QStringLiteral("Yes"));
    QCOMPARE(Channels().back(2, CT::ColBeatShift), QStringLiteral("0"));
    QCOMPARE(Channels().back(2, CT::ColScanAdd), QStringLiteral("1"));
    QCOMPARE(Channels().back(2, CT::ColBusyLockout), QStringLiteral("1"));
}

void TestChInfo::enterHidesEditor()
{
    typeFrequency(1, CT::ColRx, "460");
    click(1, CT::ColBandwidth);
    QComboBox *editor = m_window->visibleEditor();
    QVERIFY(editor && editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!editor->isVisible());
    QVERIFY(m_window->grid()->hasFocus());
}

void TestChInfo::pickerFillsToneCell()
{
    typeFrequency(1, CT::ColRx, "460");
    click(1, CT::ColDecode);
    QComboBox *editor = m_window->visibleEditor();
    QTimer::singleShot(0, [] {
        QWidget *picker = QApplication::activeModalWidget();
        QVERIFY(picker);
        picker->findChild<QRadioButton *>("rDCSN")->click();
        auto *grid = picker->findChild<QTableWidget *>("gvDcsN");
        grid->setCurrentCell(0, 1);
        emit grid->cellDoubleClicked(0, 1);
    });
    QTest::mouseDClick(editor->lineEdit(), Qt::LeftButton);
    QCOMPARE(Channels().fore(2, CT::ColDecode), QStringLiteral("D023N"));
    QCOMPARE(editor->currentText(), QStringLiteral("D023N"));
}

void TestChInfo::pendingEditIsCommitted()
{
    click(6, CT::ColRx);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, "461");
    QVERIFY(Channels().fore(7, CT::ColRx).isEmpty());
    m_window->CloseEditors();
    QCOMPARE(Channels().fore(7, CT::ColRx), QStringLiteral("461.00000"));

    // Pasting obeys the frequency filter too.
    click(6, CT::ColTx);
    editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QGuiApplication::clipboard()->setText("4 6 2 , 5 MHz");
    editor->selectAll();
    editor->paste();
    QCOMPARE(editor->text(), QStringLiteral("4625"));
}

void TestChInfo::loadedRowKeepsItsValues()
{
    TBWriteRead::Channel channel;
    channel.rx = 462.5625;
    channel.tx = 467.5625;
    channel.decode = "D023N";
    channel.power = 0;
    channel.scanAdd = 0;
    Channels().FillRow(2, channel);
    typeFrequency(1, CT::ColRx, "463");
    QCOMPARE(Channels().fore(2, CT::ColRx), QStringLiteral("463.00000"));
    QCOMPARE(Channels().fore(2, CT::ColTx), QStringLiteral("467.56250"));
    QCOMPARE(Channels().fore(2, CT::ColDecode), QStringLiteral("D023N"));
    QCOMPARE(Channels().fore(2, CT::ColPower), QStringLiteral("Low"));
    QCOMPARE(Channels().back(2, CT::ColScanAdd), QStringLiteral("0"));
}

QTEST_MAIN(TestChInfo)
#include "tst_chinfo.moc"
