#include "ChannelFields.h"

#include "CharFilterValidator.h"
#include "TfToneOption.h"
#include "model/ChannelText.h"
#include "model/ToneTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

void ChannelFields::setupToneField(QComboBox *field)
{
    field->clear();
    field->addItems(ToneList());
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->setCompleter(nullptr);
    field->setMaxVisibleItems(16);
    AttachToneFilter(field);
    field->setCurrentIndex(0);
}

void ChannelFields::AttachToneFilter(QComboBox *field)
{
    CharFilterValidator *filter = CharFilterValidator::forTone(field);
    filter->setExemption([field](const QString &text) { return text == field->itemText(0); });
    filter->attach(field->lineEdit());
}

void ChannelFields::normalizeToneField(QComboBox *field)
{
    const QString text = field->currentText().trimmed();
    if (text.isEmpty()) {
        field->setCurrentIndex(0);
        return;
    }
    if (text == field->itemText(0))
        return;
    const QString tone = NormalizeTone(text);
    if (tone != field->currentText())
        field->setEditText(tone);
}

void ChannelFields::setupFrequencyField(QLineEdit *field)
{
    CharFilterValidator::forFrequency(field)->attach(field);
}

void ChannelFields::setupNewChannelLists(QComboBox *power,
                                         std::initializer_list<QComboBox *> yesNoLists)
{
    for (QComboBox *hidden : yesNoLists) {
        hidden->hide();
        hidden->setCurrentIndex(1);
    }
    power->setCurrentIndex(1);
}

void ChannelFields::mirrorCheckBox(const QCheckBox *box, QComboBox *yesNo)
{
    yesNo->setCurrentIndex(box->isChecked() ? 0 : 1);
}

bool ChannelFields::pickTone(QWidget *parent, QComboBox *field)
{
    TfToneOption picker(parent);
    picker.exec();
    if (picker.result().isEmpty())
        return false;
    field->setEditText(picker.result());
    return true;
}
