#include "TfBInfoEdit.h"
#include "ui_TfBInfoEdit.h"

#include "ChannelFields.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "lang/LocalizeForm.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "model/ChannelTable.h"
#include "model/ChannelText.h"

#include <QMouseEvent>
#include <QShowEvent>

using CT = ChannelTable;

TfBInfoEdit::TfBInfoEdit(ChannelTable *table, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfBInfoEdit>()), m_table(table)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ChannelFields::setupNewChannelLists(ui->cbfsgl, {ui->cbsmtj, ui->cbpppy, ui->cbfm});
    ChannelFields::setupFrequencyField(ui->eReceive);
    ChannelFields::setupFrequencyField(ui->eSend);
    ChannelFields::setupToneField(ui->cbQT);
    ChannelFields::setupToneField(ui->cbDQT);

    connect(ui->sexd, &QSpinBox::valueChanged, this, [this] {
        if (!m_loading)
            LoadChannel();
    });
    // A message box takes the focus and finishes the edit a second time: ignore that one.
    connect(ui->eReceive, &QLineEdit::editingFinished, this, [this] {
        if (m_checking || ui->eReceive->text() == m_shownRx)
            return;
        m_checking = true;
        eReceivePropertiesEditValueChanged();
        m_checking = false;
    });
    connect(ui->eSend, &QLineEdit::editingFinished, this, [this] {
        if (m_checking || ui->eSend->text() == m_shownTx)
            return;
        m_checking = true;
        eSendPropertiesEditValueChanged();
        m_checking = false;
    });
    for (QComboBox *tone : {ui->cbQT, ui->cbDQT}) {
        connect(tone, &QComboBox::activated, this, [this, tone] { toneFieldChanged(tone); });
        connect(tone->lineEdit(), &QLineEdit::editingFinished, this,
                [this, tone] { toneFieldChanged(tone); });
        tone->lineEdit()->installEventFilter(this);
    }
    for (QComboBox *list : {ui->cbkz, ui->cbfsgl})
        connect(list, &QComboBox::currentIndexChanged, this, &TfBInfoEdit::SaveChannel);
    const std::pair<QCheckBox *, QComboBox *> flags[] = {
        {ui->chsmtj, ui->cbsmtj}, {ui->chpppy, ui->cbpppy}, {ui->chfm, ui->cbfm}};
    for (const auto &[box, list] : flags) {
        connect(box, &QCheckBox::clicked, this, [this, box = box, list = list] {
            ChannelFields::mirrorCheckBox(box, list);
            SaveChannel();
        });
    }
    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

TfBInfoEdit::~TfBInfoEdit() = default;

void TfBInfoEdit::setChannelLimit(int channels)
{
    ui->sexd->setMaximum(std::max(1, channels));
}

int TfBInfoEdit::row() const
{
    return CT::rowOfChannel(ui->sexd->value());
}

void TfBInfoEdit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_loading = true;
    ApplyLanguage(this, true);
    ui->sexd->setValue(m_startChannel);
    m_loading = false;
    LoadChannel();
}

void TfBInfoEdit::LoadChannel()
{
    m_loading = true;
    const int r = row();
    ui->eReceive->setText(m_table->fore(r, CT::ColRx));
    if (m_table->isUsed(r)) {
        ui->pMain->setEnabled(true);
        ui->eSend->setText(m_table->fore(r, CT::ColTx));
        const QString none = m_table->itemTexts().none;
        const std::pair<QComboBox *, int> tones[] = {{ui->cbQT, CT::ColDecode},
                                                     {ui->cbDQT, CT::ColEncode}};
        for (const auto &[field, column] : tones) {
            const QString tone = m_table->fore(r, column);
            if (tone == none)
                field->setCurrentIndex(0);
            else
                field->setEditText(tone);
        }
        ui->cbfsgl->setCurrentIndex(m_table->back(r, CT::ColPower).toInt());
        ui->cbkz->setCurrentIndex(m_table->back(r, CT::ColBandwidth).toInt());
        const std::tuple<QComboBox *, QCheckBox *, int> flags[] = {
            {ui->cbsmtj, ui->chsmtj, CT::ColScanAdd},
            {ui->cbpppy, ui->chpppy, CT::ColBeatShift},
            {ui->cbfm, ui->chfm, CT::ColBusyLockout}};
        for (const auto &[list, box, column] : flags) {
            list->setCurrentIndex(m_table->back(r, column).toInt());
            box->setChecked(list->currentIndex() != 1);
        }
    } else {
        ui->pMain->setEnabled(false);
        ClearFields();
    }
    m_shownRx = ui->eReceive->text();
    m_shownTx = ui->eSend->text();
    m_loading = false;
}

void TfBInfoEdit::ClearFields()
{
    const bool wasLoading = m_loading;
    m_loading = true;
    ui->eReceive->clear();
    ui->eSend->clear();
    ui->cbQT->setCurrentIndex(0);
    ui->cbDQT->setCurrentIndex(0);
    ui->cbkz->setCurrentIndex(0);
    for (QComboBox *list : {ui->cbsmtj, ui->cbpppy, ui->cbfm})
        list->setCurrentIndex(1);
    for (QCheckBox *box : {ui->chsmtj, ui->chpppy, ui->chfm})
        box->setChecked(false);
    m_shownRx.clear();
    m_shownTx.clear();
    m_loading = wasLoading;
}

void TfBInfoEdit::SaveChannel()
{
    if (m_loading)
        return;
    const int r = row();
    m_table->beginUpdate();
    if (!ui->eReceive->text().isEmpty()) {
        m_table->setBack(r, CT::ColNumber, QStringLiteral("1"));
        m_table->setForeDirect(r, CT::ColRx, ui->eReceive->text());
        m_table->setForeDirect(r, CT::ColTx, ui->eSend->text());
        m_table->setForeDirect(r, CT::ColDecode, ui->cbQT->currentText());
        m_table->setForeDirect(r, CT::ColEncode, ui->cbDQT->currentText());
        const std::pair<QComboBox *, int> lists[] = {{ui->cbfsgl, CT::ColPower},
                                                     {ui->cbkz, CT::ColBandwidth},
                                                     {ui->cbsmtj, CT::ColScanAdd},
                                                     {ui->cbpppy, CT::ColBeatShift},
                                                     {ui->cbfm, CT::ColBusyLockout}};
        for (const auto &[list, column] : lists) {
            m_table->setForeDirect(r, column, list->currentText());
            m_table->setBack(r, column, QString::number(list->currentIndex()));
        }
        m_table->setReadOnly(r, CT::ColTx, false);
    } else {
        m_table->ClearChannel(r);
    }
    m_table->endUpdate();
    All().Modified = true;
}

bool TfBInfoEdit::checkFrequency(const QString &text, double *mhz)
{
    const TLanguage &lang = Lang();
    if (!ParseDecimal(text, mhz)) {
        MsgBox(lang.Caution, lang.ErrRange, MsgInfo);
        return false;
    }
    for (FrequencyWarning warning : LimitFrequency(mhz))
        MsgBox(lang.Caution, warning == FrequencyWarning::ErrRange ? lang.ErrRange : lang.OutRange,
               MsgInfo);
    return true;
}

void TfBInfoEdit::eReceivePropertiesEditValueChanged()
{
    if (m_loading)
        return;
    const QString text = ui->eReceive->text().trimmed();
    if (text.isEmpty()) {
        SaveChannel();
        ClearFields();
        ui->pMain->setEnabled(false);
        return;
    }
    double v = 0.0;
    if (!checkFrequency(text, &v)) {
        // Nothing is stored: the field shows the channel's frequency again.
        ui->eReceive->setText(m_shownRx);
        return;
    }
    ui->eReceive->setText(FormatFrequency(SnapFrequency(v)));
    m_shownRx = ui->eReceive->text();
    ui->pMain->setEnabled(true);
    if (ui->eSend->text().trimmed().isEmpty()) {
        ui->eSend->setText(ui->eReceive->text());
        m_shownTx = ui->eSend->text();
    }
    SaveChannel();
}

void TfBInfoEdit::eSendPropertiesEditValueChanged()
{
    if (m_loading)
        return;
    const QString text = ui->eSend->text().trimmed();
    if (text.isEmpty()) {
        // No encode tone without a TX frequency.
        ui->cbDQT->setCurrentIndex(0);
        ui->eSend->clear();
    } else {
        double v = 0.0;
        if (checkFrequency(text, &v)) {
            ui->eSend->setText(FormatFrequency(SnapFrequency(v)));
            ui->cbQT->setFocus();
        } else {
            ui->eSend->setText(m_shownTx);
        }
    }
    m_shownTx = ui->eSend->text();
    SaveChannel();
}

void TfBInfoEdit::toneFieldChanged(QComboBox *field)
{
    if (m_loading)
        return;
    ChannelFields::normalizeToneField(field);
    SaveChannel();
}

bool TfBInfoEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (QComboBox *tone : {ui->cbQT, ui->cbDQT}) {
            if (watched == tone->lineEdit()) {
                if (ChannelFields::pickTone(this, tone))
                    toneFieldChanged(tone);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
