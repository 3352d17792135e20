#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfEmbeddedMessage;
}

// Embedded Message: the two short texts the radio stores.
class TfEmbeddedMessage : public QDialog
{
    Q_OBJECT

public:
    explicit TfEmbeddedMessage(QWidget *parent = nullptr);
    ~TfEmbeddedMessage() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnOkClick();

    std::unique_ptr<Ui::TfEmbeddedMessage> ui;
};
