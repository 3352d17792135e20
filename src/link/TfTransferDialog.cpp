#include "TfTransferDialog.h"

#include "SerialPortAdapter.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "lang/LocalizeForm.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfTransferDialog::TfTransferDialog(SerialSession::Kind kind, const char *objectName,
                                   const char *caption, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromLatin1(caption));
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint) |
                   Qt::MSWindowsFixedSizeDialogHint);
    setMinimumWidth(380);

    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setRange(0, 100);
    pBar->setValue(0);
    btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnOk->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pBar);
    layout->addLayout(buttons);

    m_port = new SerialPortAdapter(this);
    m_session = new SerialSession(kind, m_port, this);
    m_session->setMessageHandler([](const QString &text, int boxKind) {
        return MsgBox(Lang().Confirmation, text, boxKind);
    });
    connect(m_session, &SerialSession::progressMaximumChanged, pBar, &QProgressBar::setMaximum);
    connect(m_session, &SerialSession::progressChanged, pBar, &QProgressBar::setValue);
    connect(m_session, &SerialSession::okEnabledChanged, btnOk, &QWidget::setEnabled);
    connect(m_session, &SerialSession::closeRequested, this, &QDialog::accept);
    connect(btnOk, &QPushButton::clicked, m_session, &SerialSession::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfTransferDialog::~TfTransferDialog()
{
    m_session->Close();
}

void TfTransferDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfTransferDialog::FormShow()
{
    ApplyLanguage(this, false);
    m_session->OpenPort();
}

void TfTransferDialog::done(int result)
{
    // Closing ends the session: the port closes and no worker touches this dialog again.
    m_session->Close();
    QDialog::done(result);
}

TfReadRadio::TfReadRadio(QWidget *parent)
    : TfTransferDialog(SerialSession::Kind::Read, "fReadRadio", "Read data From radio", parent)
{}

TfWriteRadio::TfWriteRadio(QWidget *parent)
    : TfTransferDialog(SerialSession::Kind::Write, "fWriteRadio", "Write data to radio", parent)
{}
