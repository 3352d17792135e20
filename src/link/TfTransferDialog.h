#pragma once

#include "SerialSession.h"

#include <QDialog>

class QProgressBar;
class QPushButton;
class SerialPortAdapter;

// The read and write dialogs: a progress bar, Ok to start a transfer and
// Cancel to leave; the session behind them does the work.
class TfTransferDialog : public QDialog
{
    Q_OBJECT

public:
    ~TfTransferDialog() override;

    SerialSession *session() const { return m_session; }
    // The port adapter of the dialog; tests raise line errors on it.
    SerialPortAdapter *port() const { return m_port; }

protected:
    TfTransferDialog(SerialSession::Kind kind, const char *objectName, const char *caption,
                     QWidget *parent);
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void FormShow();

    SerialPortAdapter *m_port = nullptr;
    SerialSession *m_session = nullptr;
    QProgressBar *pBar = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
};

// Read data From radio: the radio's memory into the staging table, settings,
// messages, model and band; the main window takes the channels over when ReadDone.
class TfReadRadio : public TfTransferDialog
{
    Q_OBJECT

public:
    explicit TfReadRadio(QWidget *parent = nullptr);
    bool ReadDone() const { return session()->readDone(); }
};

// Write data to radio: the channel table, settings, messages and identity into the radio.
class TfWriteRadio : public TfTransferDialog
{
    Q_OBJECT

public:
    explicit TfWriteRadio(QWidget *parent = nullptr);
};
