#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "settings/TEnMsg.h"
#include "settings/TFun.h"
#include "settings/TfBFunSet.h"
#include "settings/TfEmbeddedMessage.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dialogShowsAndStoresSettings();
    void voxPanelFollowsCheckBox();
    void cancelChangesNothing();
    void valuesWithoutItems();
    void messageDialogFiltersTypingAndPasting();
    void messageDialogStoresWithoutModified();

private:
    std::unique_ptr<ProgramFixture> m_fixture;
};

void TestSettings::init()
{
    m_fixture = std::make_unique<ProgramFixture>();
}

void TestSettings::cleanup()
{
    m_fixture.reset();
}

void TestSettings::dialogShowsAndStoresSettings()
{
    Fun().VoxLevel = 4;
    Fun().TxTimeout = 6;
    TfBFunSet dialog;
    dialog.show();
    auto *level = dialog.findChild<QSpinBox *>("seVoxLevel");
    QCOMPARE(level->value(), 5);
    QCOMPARE(dialog.findChild<QComboBox *>("cbTxTimeout")->currentText(), QStringLiteral("180"));
    QCOMPARE(dialog.findChild<QComboBox *>("cbMonikey")->currentText(), QStringLiteral("Monmome"));
    QVERIFY(dialog.findChild<QCheckBox *>("cbBattSave")->isChecked());
    QVERIFY(!dialog.findChild<QCheckBox *>("chVoxFun")->isChecked());

    level->setValue(1);
    dialog.findChild<QComboBox *>("cbSQvelch")->setCurrentIndex(9);
    dialog.findChild<QComboBox *>("cxFM")->setCurrentIndex(0);
    dialog.findChild<QCheckBox *>("cbBeepTone")->setChecked(false);
    dialog.findChild<QPushButton *>("btnOk")->click();
    QCOMPARE(Fun().VoxLevel, 0);
    QCOMPARE(Fun().Squelch, 9);
    QCOMPARE(Fun().FmRadio, 0);
    QCOMPARE(Fun().BeepTone, 0);
    QCOMPARE(Fun().BatterySave, 1);
    QVERIFY(All().Modified);
}

void TestSettings::voxPanelFollowsCheckBox()
{
    Fun().Vox = 1;
    Fun().VoxInhibitOnReceive = 1;
    Fun().VoxLevel = 2;
    TfBFunSet dialog;
    dialog.show();
    auto *vox = dialog.findChild<QCheckBox *>("chVoxFun");
    auto *level = dialog.findChild<QSpinBox *>("seVoxLevel");
    QVERIFY(level->isEnabled());
    QTest::mouseClick(vox, Qt::LeftButton, {}, QPoint(5, vox->height() / 2));
    QVERIFY(!vox->isChecked());
    QVERIFY(!level->isEnabled());
    QVERIFY(!dialog.findChild<QCheckBox *>("chVoxInhibit")->isEnabled());
    dialog.findChild<QPushButton *>("btnOk")->click();
    // Values behind a disabled panel are kept and stored.
    QCOMPARE(Fun().Vox, 0);
    QCOMPARE(Fun().VoxLevel, 2);
    QCOMPARE(Fun().VoxInhibitOnReceive, 1);
}

void TestSettings::cancelChangesNothing()
{
    TfBFunSet dialog;
    dialog.show();
    dialog.findChild<QComboBox *>("cbSQvelch")->setCurrentIndex(0);
    dialog.findChild<QPushButton *>("btnCancel")->click();
    QCOMPARE(Fun().Squelch, 5);
    QVERIFY(!All().Modified);
}

void TestSettings::valuesWithoutItems()
{
    // Side key 4 is accepted by the radio but has no item; out-of-range values
    // from a file show as the value Ok stores.
    Fun().SideKey = 4;
    Fun().Squelch = 200;
    Fun().TxTimeout = 99;
    Fun().VoxLevel = 77;
    Fun().Scan = 3;
    TfBFunSet dialog;
    dialog.show();
    auto *sideKey = dialog.findChild<QComboBox *>("cbMonikey");
    QCOMPARE(sideKey->currentText(), QStringLiteral("4"));
    QCOMPARE(dialog.findChild<QComboBox *>("cbSQvelch")->currentIndex(), 5);
    QCOMPARE(dialog.findChild<QSpinBox *>("seVoxLevel")->value(), 5);
    dialog.findChild<QPushButton *>("btnOk")->click();
    QCOMPARE(Fun().SideKey, 4);
    QCOMPARE(Fun().Squelch, 5);
    QCOMPARE(Fun().TxTimeout, 6);
    QCOMPARE(Fun().VoxLevel, 4);
    QCOMPARE(Fun().Scan, 1);

    // Picking a listed item replaces the unlisted value.
    TfBFunSet again;
    again.show();
    again.findChild<QComboBox *>("cbMonikey")->setCurrentIndex(2);
    again.findChild<QPushButton *>("btnOk")->click();
    QCOMPARE(Fun().SideKey, 2);
}

void TestSettings::messageDialogFiltersTypingAndPasting()
{
    TfEmbeddedMessage dialog;
    dialog.show();
    auto *a = dialog.findChild<QLineEdit *>("edEMA");
    a->setFocus();
    QTest::keyClicks(a, "Ab 1-.,!z");
    QCOMPARE(a->text(), QStringLiteral("Ab 1z"));
    for (const QString &text : {QString::fromUtf8("é"), QString::fromUtf8("中")}) {
        QTest::sendKeyEvent(QTest::Press, a, Qt::Key_unknown, text, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, a, Qt::Key_unknown, text, Qt::NoModifier);
    }
    QCOMPARE(a->text(), QStringLiteral("Ab 1z"));

    a->clear();
    QTest::keyClicks(a, QString(40, u'x'));
    QCOMPARE(a->text().size(), 32);

    auto *b = dialog.findChild<QLineEdit *>("edEMB");
    QGuiApplication::clipboard()->setText(QString::fromUtf8("Call #12, ok? 中文 END"));
    b->setFocus();
    b->paste();
    QCOMPARE(b->text(), QStringLiteral("Call 12 ok  END"));
}

void TestSettings::messageDialogStoresWithoutModified()
{
    EnMsg().MessageA = "OLD";
    TfEmbeddedMessage dialog;
    dialog.show();
    auto *a = dialog.findChild<QLineEdit *>("edEMA");
    QCOMPARE(a->text(), QStringLiteral("OLD"));
    a->setText("NEW A");
    dialog.findChild<QLineEdit *>("edEMB")->setText("NEW B");
    dialog.findChild<QPushButton *>("btnOk")->click();
    QCOMPARE(EnMsg().MessageA, QStringLiteral("NEW A"));
    QCOMPARE(EnMsg().MessageB, QStringLiteral("NEW B"));
    QVERIFY(!All().Modified);

    TfEmbeddedMessage cancelled;
    cancelled.show();
    cancelled.findChild<QLineEdit *>("edEMA")->setText("GONE");
    cancelled.findChild<QPushButton *>("btnCancel")->click();
    QCOMPARE(EnMsg().MessageA, QStringLiteral("NEW A"));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
