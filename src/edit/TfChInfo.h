#pragma once

#include <QWidget>

class ChannelTable;
class ChannelTableModel;
class QComboBox;
class QLabel;
class QListWidget;
class ChannelGridView;
class TextGrid;

// The Channel Information window: the channel table in its grid, with the
// list editors that edit tones and list values over a cell.
class TfChInfo : public QWidget
{
    Q_OBJECT

public:
    explicit TfChInfo(ChannelTable *table, QWidget *parent = nullptr);

    ChannelTable *table() const { return m_table; }
    ChannelGridView *grid() const { return gvData; }
    QString noneText() const;

    void InitGrid();
    void ResetRows();
    void RefreshLanguage();
    // Moves the staging table into the channel table and sets Modified.
    void LoadFromStaging(const TextGrid &staging);
    // Commits a pending cell edit and hides the list editors.
    void CloseEditors();
    // The channel number of the grid's current row, 1 when there is none.
    int currentChannel() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void syncItemTexts();
    QComboBox *makeEditor(const char *name, const QStringList &items, bool editable, int tag);

    ChannelTable *m_table = nullptr;
    ChannelTableModel *m_model = nullptr;
    bool m_shown = false;

    ChannelGridView *gvData = nullptr;
    QComboBox *cbQT = nullptr;
    QComboBox *cbDQT = nullptr;
    QComboBox *cbfsgl = nullptr;
    QComboBox *cbkz = nullptr;
    QComboBox *cbHave = nullptr;
    QLabel *lNone = nullptr;
    QListWidget *BColText = nullptr;
};
