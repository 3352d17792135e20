#include "TfBFunSet.h"
#include "ui_TfBFunSet.h"

#include "TFun.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "lang/LocalizeForm.h"
#include "lang/TLanguage.h"
#include "print/ReportTables.h"

#include <QShowEvent>

TfBFunSet::TfBFunSet(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TfBFunSet>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->chVoxFun, &QCheckBox::clicked, this, &TfBFunSet::chVoxFunClick);
    connect(ui->btnOk, &QPushButton::clicked, this, &TfBFunSet::btnOkClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfBFunSet::~TfBFunSet() = default;

void TfBFunSet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        LoadFromData(Fun());
}

void TfBFunSet::LoadFromData(const TFun &stored)
{
    ApplyLanguage(this, true);

    // Show what the radio would accept: values a file may carry outside the
    // ranges appear as the value that Ok would store.
    TFun fun = stored;
    fun.Validate();

    if (m_extraSideKey >= 0) {
        ui->cbMonikey->removeItem(ui->cbMonikey->count() - 1);
        m_extraSideKey = -1;
    }
    if (fun.SideKey >= ui->cbMonikey->count()) {
        m_extraSideKey = fun.SideKey;
        ui->cbMonikey->addItem(QString::number(fun.SideKey));
    }

    ui->cbBattSave->setChecked(fun.BatterySave == 1);
    ui->cbBeepTone->setChecked(fun.BeepTone == 1);
    ui->cbVolhigh->setChecked(fun.HighVoltInhibitTx == 1);
    ui->cbVolLow->setChecked(fun.LowVoltInhibitTx == 1);
    ui->chVoxFun->setChecked(fun.Vox == 1);
    ui->chVoxInhibit->setChecked(fun.VoxInhibitOnReceive == 1);
    ui->cbSQvelch->setCurrentIndex(fun.Squelch);
    ui->cbMonikey->setCurrentIndex(m_extraSideKey >= 0 ? ui->cbMonikey->count() - 1 : fun.SideKey);
    ui->cbTxTimeout->setCurrentIndex(fun.TxTimeout);
    ui->cxScan->setCurrentIndex(fun.Scan);
    ui->cxWaveof->setCurrentIndex(fun.VoicePrompt);
    ui->cbVoice->setCurrentIndex(fun.VoiceLanguage);
    ui->cxAlt->setCurrentIndex(fun.InceptAlarm);
    ui->cxFM->setCurrentIndex(fun.FmRadio);
    ui->seVoxLevel->setValue(fun.VoxLevel + 1);
    chVoxFunClick();
}

void TfBFunSet::StoreToData(TFun &fun) const
{
    fun.BatterySave = ui->cbBattSave->isChecked() ? 1 : 0;
    fun.BeepTone = ui->cbBeepTone->isChecked() ? 1 : 0;
    fun.HighVoltInhibitTx = ui->cbVolhigh->isChecked() ? 1 : 0;
    fun.LowVoltInhibitTx = ui->cbVolLow->isChecked() ? 1 : 0;
    fun.Vox = ui->chVoxFun->isChecked() ? 1 : 0;
    fun.VoxInhibitOnReceive = ui->chVoxInhibit->isChecked() ? 1 : 0;
    fun.Squelch = ui->cbSQvelch->currentIndex();
    const bool extraChosen =
        m_extraSideKey >= 0 && ui->cbMonikey->currentIndex() == ui->cbMonikey->count() - 1;
    fun.SideKey = extraChosen ? m_extraSideKey : ui->cbMonikey->currentIndex();
    fun.TxTimeout = ui->cbTxTimeout->currentIndex();
    fun.Scan = ui->cxScan->currentIndex();
    fun.VoicePrompt = ui->cxWaveof->currentIndex();
    fun.VoiceLanguage = ui->cbVoice->currentIndex();
    fun.InceptAlarm = ui->cxAlt->currentIndex();
    fun.FmRadio = ui->cxFM->currentIndex();
    fun.VoxLevel = ui->seVoxLevel->value() - 1;
}

void TfBFunSet::chVoxFunClick()
{
    ui->pVox->setEnabled(ui->chVoxFun->isChecked());
}

void TfBFunSet::btnOkClick()
{
    StoreToData(Fun());
    All().Modified = true;
    accept();
}

void TfBFunSet::FillReport(ReportTables &report)
{
    constexpr qint32 SettingsSection = 9;
    LoadFromData(Fun());
    const QString section = windowTitle();
    auto onOff = [](const QCheckBox *box) { return box->isChecked() ? Lang().Open : Lang().Close; };
    const std::pair<QString, QString> rows[] = {
        {ui->cbBattSave->text(), onOff(ui->cbBattSave)},
        {ui->cbBeepTone->text(), onOff(ui->cbBeepTone)},
        {ui->cbVolhigh->text(), onOff(ui->cbVolhigh)},
        {ui->cbVolLow->text(), onOff(ui->cbVolLow)},
        {ui->Label1->text(), ui->cbSQvelch->currentText()},
        {ui->Label2->text(), ui->cbMonikey->currentText()},
        {ui->Label3->text(), ui->cbTxTimeout->currentText()},
        {ui->Label5->text(), ui->cxScan->currentText()},
        {ui->Label4->text(), ui->cxWaveof->currentText()},
        {ui->Label10->text(), ui->cbVoice->currentText()},
        {ui->Label6->text(), ui->cxAlt->currentText()},
        {ui->Label7->text(), ui->cxFM->currentText()},
        {ui->chVoxFun->text(), onOff(ui->chVoxFun)},
        {ui->Label8->text(), ui->seVoxLevel->text()},
        {ui->chVoxInhibit->text(), onOff(ui->chVoxInhibit)},
    };
    for (const auto &[field, value] : rows)
        report.append({SettingsSection, section, field, value, {}, {}});
}
