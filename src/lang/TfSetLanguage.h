#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfSetLanguage;
}

// Language File Setup: the user picks the language file the program uses.
class TfSetLanguage : public QDialog
{
    Q_OBJECT

public:
    explicit TfSetLanguage(QWidget *parent = nullptr);
    ~TfSetLanguage() override;

    // Ok was pressed on a language other than the current one.
    bool Changed = false;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnOkClick();

    std::unique_ptr<Ui::TfSetLanguage> ui;
};
