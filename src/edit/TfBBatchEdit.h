#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfBBatchEdit;
}
class ChannelTable;
class QComboBox;
class QLineEdit;

// Batch Channel Edit: fills all channels or a range of them from start
// frequencies, a step and common tones and flags. Ok may be pressed again and again.
class TfBBatchEdit : public QDialog
{
    Q_OBJECT

public:
    explicit TfBBatchEdit(ChannelTable *table, QWidget *parent = nullptr);
    ~TfBBatchEdit() override;

    void setChannelLimit(int channels);

    bool CheckInput();
    void ApplyBatch();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void snapField(QLineEdit *field);
    void btnOkClick();

    std::unique_ptr<Ui::TfBBatchEdit> ui;
    ChannelTable *m_table = nullptr;
};
