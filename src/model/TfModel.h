#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfModel;
}

// Model Information: the user picks a model and one of its bands.
class TfModel : public QDialog
{
    Q_OBJECT

public:
    explicit TfModel(QWidget *parent = nullptr);
    ~TfModel() override;

    QString modelName() const;
    QString bandLabel() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void cbCopmutChange();

    std::unique_ptr<Ui::TfModel> ui;
};
