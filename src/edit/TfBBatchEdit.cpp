#include "TfBBatchEdit.h"
#include "ui_TfBBatchEdit.h"

#include "ChannelFields.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "lang/LocalizeForm.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "model/ChannelTable.h"
#include "model/ChannelText.h"

#include <QShowEvent>

using CT = ChannelTable;

TfBBatchEdit::TfBBatchEdit(ChannelTable *table, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfBBatchEdit>()), m_table(table)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ChannelFields::setupNewChannelLists(ui->cbfsgl, {ui->cbsmtj, ui->cbpppy, ui->cbfm});
    for (QLineEdit *field : {ui->eReceive, ui->eSend}) {
        ChannelFields::setupFrequencyField(field);
        connect(field, &QLineEdit::editingFinished, this, [this, field] { snapField(field); });
    }
    for (QComboBox *tone : {ui->cbQT, ui->cbDQT}) {
        ChannelFields::setupToneField(tone);
        connect(tone, &QComboBox::activated, this,
                [tone] { ChannelFields::normalizeToneField(tone); });
        connect(tone->lineEdit(), &QLineEdit::editingFinished, this,
                [tone] { ChannelFields::normalizeToneField(tone); });
        tone->lineEdit()->installEventFilter(this);
    }
    const std::pair<QCheckBox *, QComboBox *> flags[] = {
        {ui->chsmtj, ui->cbsmtj}, {ui->chpppy, ui->cbpppy}, {ui->chfm, ui->cbfm}};
    for (const auto &[box, list] : flags) {
        connect(box, &QCheckBox::clicked, this,
                [box = box, list = list] { ChannelFields::mirrorCheckBox(box, list); });
    }
    connect(ui->rOne, &QRadioButton::toggled, ui->pPd, &QWidget::setEnabled);
    connect(ui->btnOk, &QPushButton::clicked, this, &TfBBatchEdit::btnOkClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfBBatchEdit::~TfBBatchEdit() = default;

void TfBBatchEdit::setChannelLimit(int channels)
{
    ui->seFrom->setMaximum(std::max(1, channels));
    ui->seTo->setMaximum(std::max(1, channels));
}

void TfBBatchEdit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ApplyLanguage(this, true);
}

void TfBBatchEdit::snapField(QLineEdit *field)
{
    double v = 0.0;
    if (ParseDecimal(field->text(), &v))
        field->setText(FormatFrequency(SnapFrequency(v)));
}

bool TfBBatchEdit::CheckInput()
{
    double rx = 0.0, tx = 0.0;
    if (!ParseDecimal(ui->eReceive->text(), &rx) || !ParseDecimal(ui->eSend->text(), &tx))
        return false;
    if (!ui->rOne->isChecked())
        return true;
    const TLanguage &lang = Lang();
    if (ui->seFrom->value() > ui->seTo->value()) {
        MsgBox(lang.Confirmation, lang.FChBigT, MsgInfo);
        return false;
    }
    const TALL &all = All();
    for (double f : {rx, tx}) {
        if (f > all.ModelMaxFrequency || f < all.ModelMinFrequency) {
            MsgBox(lang.Caution, lang.ErrRange, MsgInfo);
            return false;
        }
    }
    return true;
}

void TfBBatchEdit::ApplyBatch()
{
    const TALL &all = All();
    const bool range = ui->rOne->isChecked();
    const int from = range ? ui->seFrom->value() : 1;
    const int to = range ? ui->seTo->value() : m_table->channelCount();
    double rx = 0.0, tx = 0.0, step = 0.0;
    if (!ParseDecimal(ui->eReceive->text(), &rx) || !ParseDecimal(ui->eSend->text(), &tx) ||
        !ParseDecimal(ui->cbStep->currentText(), &step)) {
        MsgBox(Lang().Caution, Lang().ErrRange, MsgInfo);
        return;
    }
    step /= 1000.0;
    if (ui->rdesc->isChecked())
        step = -step;

    const QString decode = ui->cbQT->currentText();
    const QString encode = ui->cbDQT->currentText();
    const std::pair<QComboBox *, int> lists[] = {{ui->cbfsgl, CT::ColPower},
                                                 {ui->cbkz, CT::ColBandwidth},
                                                 {ui->cbsmtj, CT::ColScanAdd},
                                                 {ui->cbpppy, CT::ColBeatShift},
                                                 {ui->cbfm, CT::ColBusyLockout}};

    m_table->beginUpdate();
    for (int channel = from; channel <= to; ++channel) {
        const int r = CT::rowOfChannel(channel);
        rx = std::clamp(rx, all.ModelMinFrequency, all.ModelMaxFrequency);
        tx = std::clamp(tx, all.ModelMinFrequency, all.ModelMaxFrequency);
        m_table->setBack(r, CT::ColNumber, QStringLiteral("1"));
        m_table->setForeDirect(r, CT::ColRx, FormatFrequency(SnapFrequency(rx)));
        m_table->setForeDirect(r, CT::ColTx, FormatFrequency(SnapFrequency(tx)));
        m_table->setForeDirect(r, CT::ColDecode, decode);
        m_table->setForeDirect(r, CT::ColEncode, encode);
        for (const auto &[list, column] : lists) {
            m_table->setForeDirect(r, column, list->currentText());
            m_table->setBack(r, column, QString::number(list->currentIndex()));
        }
        All().Modified = true;
        rx += step;
        tx += step;
    }
    m_table->setColumnReadOnly(CT::ColTx, false);
    m_table->endUpdate();
}

void TfBBatchEdit::btnOkClick()
{
    // A tone still being typed counts as entered.
    for (QComboBox *tone : {ui->cbQT, ui->cbDQT})
        ChannelFields::normalizeToneField(tone);
    for (QLineEdit *field : {ui->eReceive, ui->eSend})
        snapField(field);
    if (CheckInput())
        ApplyBatch();
}

bool TfBBatchEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (QComboBox *tone : {ui->cbQT, ui->cbDQT}) {
            if (watched == tone->lineEdit()) {
                if (ChannelFields::pickTone(this, tone))
                    ChannelFields::normalizeToneField(tone);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
