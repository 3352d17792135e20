#include "TfSetPort.h"
#include "ui_TfSetPort.h"

#include "SerialPorts.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "lang/LocalizeForm.h"

#include <QShowEvent>

TfSetPort::TfSetPort(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TfSetPort>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->btnOk, &QPushButton::clicked, this, &TfSetPort::btnOKClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfSetPort::~TfSetPort() = default;

void TfSetPort::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfSetPort::FormShow()
{
    ApplyLanguage(this, true);
    QStringList ports;
    ListSerialPorts(&ports);
    if (IsConfiguredDevicePath(All().PortName) && !ports.contains(All().PortName))
        ports.append(All().PortName);
    ui->cbCom->clear();
    ui->cbCom->addItems(ports);
    const int match = ports.indexOf(All().PortName);
    ui->cbCom->setCurrentIndex(match >= 0 ? match : (ports.isEmpty() ? -1 : 0));
}

void TfSetPort::btnOKClick()
{
    All().PortName = ui->cbCom->currentText();
    accept();
}
