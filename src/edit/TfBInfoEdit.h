#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfBInfoEdit;
}
class ChannelTable;
class QComboBox;

// Channel Edit: one channel in ordinary fields; every accepted change goes
// straight into the channel table.
class TfBInfoEdit : public QDialog
{
    Q_OBJECT

public:
    explicit TfBInfoEdit(ChannelTable *table, QWidget *parent = nullptr);
    ~TfBInfoEdit() override;

    void setStartChannel(int channel) { m_startChannel = channel; }
    void setChannelLimit(int channels);

    void LoadChannel();
    void SaveChannel();
    void ClearFields();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int row() const;
    void eReceivePropertiesEditValueChanged();
    void eSendPropertiesEditValueChanged();
    void toneFieldChanged(QComboBox *field);
    // Shows the warnings that apply to a typed frequency and limits it; false when it is no number.
    bool checkFrequency(const QString &text, double *mhz);

    std::unique_ptr<Ui::TfBInfoEdit> ui;
    ChannelTable *m_table = nullptr;
    int m_startChannel = 1;
    bool m_loading = false;
    bool m_checking = false;
    QString m_shownRx;
    QString m_shownTx;
};
