#include "TfEmbeddedMessage.h"
#include "ui_TfEmbeddedMessage.h"

#include "TEnMsg.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "edit/CharFilterValidator.h"
#include "lang/LocalizeForm.h"

#include <QShowEvent>

TfEmbeddedMessage::TfEmbeddedMessage(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfEmbeddedMessage>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    CharFilterValidator::forMessage(ui->edEMA)->attach(ui->edEMA);
    CharFilterValidator::forMessage(ui->edEMB)->attach(ui->edEMB);
    connect(ui->btnOk, &QPushButton::clicked, this, &TfEmbeddedMessage::btnOkClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfEmbeddedMessage::~TfEmbeddedMessage() = default;

void TfEmbeddedMessage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ApplyLanguage(this, true);
    ui->edEMA->setText(EnMsg().MessageA);
    ui->edEMB->setText(EnMsg().MessageB);
}

void TfEmbeddedMessage::btnOkClick()
{
    // Only the messages change; they alone do not make the document modified.
    EnMsg().MessageA = ui->edEMA->text();
    EnMsg().MessageB = ui->edEMB->text();
    accept();
}
