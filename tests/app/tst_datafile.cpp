#include "support/TestSupport.h"

#include "app/DataFile.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "app/TfMainFrm.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "model/ChannelTable.h"
#include "settings/TEnMsg.h"
#include "settings/TFun.h"

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using CT = ChannelTable;

namespace {

// The 992-byte file of an empty UHF document in "450 - 470MHz", built from the layout.
QByteArray emptyUhfFile()
{
    QByteArray f;
    f += QByteArray::fromHex("5035353230450470");                 // header: model, band digits
    f += QByteArray(8, '\0');                                     // date bytes, compared apart
    f += QByteArray(16 * 16, char(0xFF));                         // sixteen empty channels
    f += QByteArray(38 * 16, char(0xFF));                         // the gap
    f += QByteArray::fromHex("01010000040001010001ffffffffffff"); // extended settings
    f += QByteArray(4 * 16, char(0xFF));                          // two empty messages
    f += QByteArray::fromHex("03050106ffffffffffffffffffffffff"); // basic settings
    f += QByteArray::fromHex("0000f43032353550ffffffffffffffff");
    return f;
}

QByteArray withoutDate(QByteArray file)
{
    file.replace(8, 6, QByteArray(6, '\0'));
    file.replace(14, 2, QByteArray(2, '\0'));
    return file;
}

void fillSample(CT &table)
{
    table.setForeDirect(2, CT::ColRx, "462.56250");
    table.SetChannelUsed(2);
    table.setForeDirect(2, CT::ColTx, "467.56250");
    table.setForeDirect(2, CT::ColEncode, "D023N");
    table.setForeDirect(4, CT::ColRx, "446.00625");
    table.SetChannelUsed(4);
    table.setForeDirect(4, CT::ColTx, "");
    table.setForeDirect(4, CT::ColDecode, "67.0");
    table.setBack(4, CT::ColBandwidth, "1");
    table.setForeDirect(4, CT::ColBandwidth, "Narrow");
    table.setForeDirect(17, CT::ColRx, "470.00000");
    table.SetChannelUsed(17);
    table.setForeDirect(17, CT::ColEncode, "D754I");
}

void chooseFile(const QString &path)
{
    onNextDialog([path](QDialog *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        files->selectFile(path);
        dialog->accept();
    });
}

} // namespace

class TestDataFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyDocumentMatchesLayout();
    void roundTrip();
    void messagesSplitIntoParts();
    void identityBandWinsOverHeader();
    void oddBytesDecodeByTheRules();
    void unknownModelIsRefused();
    void shortOrMissingFileIsRefused();
    void failedSaveKeepsOldFileAndModified();
    void newAndOpenAndSaveFromMainWindow();
    void saveAsCancelledLeavesNoFileName();

private:
    std::unique_ptr<ProgramFixture> m_fixture;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestDataFile::init()
{
    m_fixture = std::make_unique<ProgramFixture>();
    m_messages = std::make_unique<MessageRecorder>();
}

void TestDataFile::cleanup()
{
    m_messages.reset();
    m_fixture.reset();
}

void TestDataFile::emptyDocumentMatchesLayout()
{
    All().Modified = true;
    QString error;
    QVERIFY2(SaveDataFile(m_fixture->path("empty.dat"), Channels(), &error), qPrintable(error));
    const QByteArray file = m_fixture->readFile("empty.dat");
    QCOMPARE(file.size(), 992);
    QCOMPARE(withoutDate(file).toHex(), emptyUhfFile().toHex());
    QVERIFY(!All().Modified);
    // The date of saving, year low byte first.
    const QDate today = QDate::currentDate();
    QCOMPARE(quint8(file[8]) | quint8(file[9]) << 8, today.year());
    QCOMPARE(int(file[10]), today.month());
    QCOMPARE(All().UsedFlags, QString(16, u'0'));
}

void TestDataFile::roundTrip()
{
    m_fixture->selectModel("5510", "136 - 174MHz");
    Channels().ResetRows(16);
    fillSample(Channels());
    TFun &fun = Fun();
    fun.Squelch = 9;
    fun.SideKey = 3;
    fun.TxTimeout = 0;
    fun.Vox = 1;
    fun.VoxLevel = 2;
    fun.BeepTone = 0;
    fun.FmRadio = 0;
    EnMsg().MessageA = "HELLO DEALER";
    EnMsg().MessageB = "B";
    const TextGrid before = Channels().grid();
    QVERIFY(SaveDataFile(m_fixture->path("doc.dat"), Channels(), nullptr));

    // Another document in memory, then open the file again.
    m_fixture->selectModel("5520");
    Channels().ResetRows(16);
    ResetFunctionData();
    All().Modified = true;
    QString error;
    QCOMPARE(LoadDataFile(m_fixture->path("doc.dat"), Channels(), &error),
             DataFile::LoadResult::Loaded);
    QCOMPARE(All().ModelCode, QStringLiteral("5510"));
    QCOMPARE(All().ModelName, QStringLiteral("Veltrax(VHF)"));
    QCOMPARE(All().BandLabel, QStringLiteral("136 - 174MHz"));
    QCOMPARE(All().BandHigh, 174.0);
    QVERIFY(!All().Modified);
    for (int r = 2; r < 18; ++r) {
        for (int c = 1; c < CT::ColumnCount; ++c) {
            QCOMPARE(Channels().fore(r, c), before.fore(r, c));
            if (c != CT::ColDecode && c != CT::ColEncode)
                QCOMPARE(Channels().back(r, c), before.back(r, c));
        }
        QCOMPARE(Channels().isReadOnly(r, CT::ColTx), before.isReadOnly(r, CT::ColTx));
    }
    QCOMPARE(Fun().Squelch, 9);
    QCOMPARE(Fun().SideKey, 3);
    QCOMPARE(Fun().TxTimeout, 0);
    QCOMPARE(Fun().Vox, 1);
    QCOMPARE(Fun().VoxLevel, 2);
    QCOMPARE(Fun().BeepTone, 0);
    QCOMPARE(Fun().FmRadio, 0);
    QCOMPARE(EnMsg().MessageA, QStringLiteral("HELLO DEALER"));
    QCOMPARE(EnMsg().MessageB, QStringLiteral("B"));
    QVERIFY(All().FileDate.startsWith(QDate::currentDate().toString("yyyy-MM-dd")));
}

void TestDataFile::messagesSplitIntoParts()
{
    EnMsg().MessageA = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
    EnMsg().MessageB = "twenty characters ab";
    QVERIFY(SaveDataFile(m_fixture->path("msg.dat"), Channels(), nullptr));
    const QByteArray f = m_fixture->readFile("msg.dat");
    QCOMPARE(f.mid(0x380, 16), QByteArray("ABCDEFGHIJKLMNOP"));
    QCOMPARE(f.mid(0x390, 16), QByteArray("QRSTUVWXYZ012345"));
    QCOMPARE(f.mid(0x3B0, 16), QByteArray("s ab") + QByteArray(12, char(0xFF)));
    EnMsg().Clear();
    QCOMPARE(LoadDataFile(m_fixture->path("msg.dat"), Channels(), nullptr),
             DataFile::LoadResult::Loaded);
    QCOMPARE(EnMsg().MessageA, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"));
    QCOMPARE(EnMsg().MessageB, QStringLiteral("twenty characters ab"));
}

void TestDataFile::identityBandWinsOverHeader()
{
    QByteArray f = emptyUhfFile();
    f[0x3D2] = char(0xF0);
    m_fixture->writeFile("band.dat", f);
    QCOMPARE(LoadDataFile(m_fixture->path("band.dat"), Channels(), nullptr),
             DataFile::LoadResult::Loaded);
    QCOMPARE(All().BandLabel, QStringLiteral("150 - 174MHz"));
    QCOMPARE(All().BandLow, 150.0);
    // A band code that is not in the table gives the fallback band.
    f[0x3D2] = char(0x00);
    m_fixture->writeFile("band.dat", f);
    QCOMPARE(LoadDataFile(m_fixture->path("band.dat"), Channels(), nullptr),
             DataFile::LoadResult::Loaded);
    QCOMPARE(All().BandLabel, QStringLiteral(" 27 -  72MHz"));
}

void TestDataFile::oddBytesDecodeByTheRules()
{
    QByteArray f = emptyUhfFile();
    f.replace(0x10, 16, QByteArray::fromHex("0000a046ffffffffffffffff08ffffff")); // RX not decimal
    f.replace(0x20, 16, QByteArray::fromHex("50622546ff00ffff1f06ffff1fffffff")); // TX and tone odd
    f[0x3C1] = char(200);                                                         // squelch 200
    m_fixture->writeFile("odd.dat", f);
    QCOMPARE(LoadDataFile(m_fixture->path("odd.dat"), Channels(), nullptr),
             DataFile::LoadResult::Loaded);
    QVERIFY(!Channels().isUsed(2));
    QCOMPARE(Channels().fore(3, CT::ColRx), QStringLiteral("462.56250"));
    QCOMPARE(Channels().fore(3, CT::ColTx), QString());
    QCOMPARE(Channels().fore(3, CT::ColDecode), QStringLiteral("None"));
    QCOMPARE(Channels().back(3, CT::ColScanAdd), QStringLiteral("1"));
    QCOMPARE(Fun().Squelch, 200);
}

void TestDataFile::unknownModelIsRefused()
{
    TfMainFrm window;
    window.show();
    fillSample(Channels());
    window.FileName = m_fixture->path("previous.dat");
    QByteArray f = emptyUhfFile();
    f.replace(1, 4, "9999");
    m_fixture->writeFile("other.dat", f);
    QVERIFY(!window.OpenFile(m_fixture->path("other.dat")));
    QCOMPARE(m_messages->texts(), QStringList{Lang().ModError});
    QCOMPARE(window.FileName, QString());
    QCOMPARE(window.windowTitle(), QStringLiteral("Veltrax"));
    QCOMPARE(Channels().fore(2, CT::ColRx), QStringLiteral("462.56250"));
    QCOMPARE(All().ModelCode, QStringLiteral("5520"));
}

void TestDataFile::shortOrMissingFileIsRefused()
{
    TfMainFrm window;
    window.show();
    fillSample(Channels());
    All().Modified = true;
    window.FileName = m_fixture->path("previous.dat");
    m_fixture->writeFile("short.dat", emptyUhfFile().left(991));
    m_fixture->writeFile("tiny.dat", "P55");
    for (const char *name : {"short.dat", "tiny.dat", "missing.dat"}) {
        m_messages->clear();
        QVERIFY(!window.OpenFile(m_fixture->path(name)));
        QCOMPARE(m_messages->shown().size(), 1);
        QVERIFY(m_messages->shown().first().text.startsWith(Lang().BadFile));
        QCOMPARE(window.FileName, m_fixture->path("previous.dat"));
        QCOMPARE(Channels().fore(17, CT::ColRx), QStringLiteral("470.00000"));
        QVERIFY(All().Modified);
    }
}

void TestDataFile::failedSaveKeepsOldFileAndModified()
{
    QVERIFY(SaveDataFile(m_fixture->path("keep.dat"), Channels(), nullptr));
    const QByteArray old = m_fixture->readFile("keep.dat");
    fillSample(Channels());
    // A cell that cannot be encoded: nothing is written.
    Channels().setForeDirect(4, CT::ColTx, "4.4.4");
    All().Modified = true;
    QString error;
    QVERIFY(!SaveDataFile(m_fixture->path("keep.dat"), Channels(), &error));
    QVERIFY(error.contains("4.4.4"));
    QCOMPARE(m_fixture->readFile("keep.dat"), old);
    QVERIFY(All().Modified);
    // A folder that does not exist.
    Channels().setForeDirect(4, CT::ColTx, "");
    QVERIFY(!SaveDataFile(m_fixture->path("none/keep.dat"), Channels(), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(All().Modified);
}

void TestDataFile::newAndOpenAndSaveFromMainWindow()
{
    TfMainFrm window;
    window.show();
    fillSample(Channels());
    All().Modified = true;

    // Save asks for a path, writes the file and names it in the caption.
    const QString path = m_fixture->path("radio.dat");
    chooseFile(path);
    window.DispatchCommand(3);
    QVERIFY(QFile::exists(path));
    QCOMPARE(window.FileName, path);
    QCOMPARE(window.windowTitle(), "Veltrax [" + path + "]");
    QVERIFY(!All().Modified);

    // New with changes, answered No: emptied without saving.
    Channels().setForeDirect(3, CT::ColRx, "450.00000");
    All().Modified = true;
    m_messages->answer({MsgNo});
    window.DispatchCommand(1);
    QCOMPARE(m_messages->texts(), QStringList{Lang().SaveProgram});
    QVERIFY(!Channels().isUsed(2));
    QCOMPARE(window.windowTitle(), QStringLiteral("Veltrax"));
    QVERIFY(!All().Modified);

    // Open brings the saved channels back.
    m_messages->clear();
    chooseFile(path);
    window.DispatchCommand(2);
    QVERIFY(m_messages->shown().isEmpty());
    QCOMPARE(Channels().fore(2, CT::ColEncode), QStringLiteral("D023N"));
    QVERIFY(!Channels().isUsed(3));
    QCOMPARE(window.FileName, path);
}

void TestDataFile::saveAsCancelledLeavesNoFileName()
{
    TfMainFrm window;
    window.show();
    window.FileName = m_fixture->path("named.dat");
    onNextDialog([](QDialog *dialog) { dialog->reject(); });
    window.DispatchCommand(4);
    QCOMPARE(window.FileName, QString());
    QCOMPARE(window.windowTitle(), QStringLiteral("Veltrax"));
    QVERIFY(!QFile::exists(m_fixture->path("named.dat")));
}

QTEST_MAIN(TestDataFile)
#include "tst_datafile.moc"
