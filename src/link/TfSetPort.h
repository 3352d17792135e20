#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfSetPort;
}

// Communication Port: the user picks one of the serial ports that can be opened.
class TfSetPort : public QDialog
{
    Q_OBJECT

public:
    explicit TfSetPort(QWidget *parent = nullptr);
    ~TfSetPort() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void btnOKClick();

    std::unique_ptr<Ui::TfSetPort> ui;
};
