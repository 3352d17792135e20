#pragma once

#include <QWidget>

class ChannelGridView;
class ChannelTable;
class ChannelTableModel;
class QComboBox;
class QLabel;
class QListWidget;
class QModelIndex;
class ReportTables;
class TextGrid;

// The Channel Information window: the channel table in its grid. RX and TX
// are typed into the cells; tones and list values are chosen in editors that
// appear over the selected cell; a double-click on a tone editor opens the
// tone picker.
class TfChInfo : public QWidget
{
    Q_OBJECT

public:
    explicit TfChInfo(ChannelTable *table, QWidget *parent = nullptr);
    ~TfChInfo() override;

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
    // Appends the channel section to the report, from the grid as shown.
    void FillReport(ReportTables &report) const;
    // The channel number of the grid's current row, 1 when there is none.
    int currentChannel() const;
    // The editor shown over the edit cell, or none.
    QComboBox *visibleEditor() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void syncItemTexts();
    QComboBox *makeEditor(const char *name, const QStringList &items, bool editable, int tag);

    void gvDataSelectCell(const QModelIndex &current);
    void gvDataMouseDown(const QModelIndex &index);
    void gvDataSetForeText(int row, int column);
    void ShowCellEditor();
    void hideEditors();
    void ComBoxSetData(QComboBox *combo);
    void ComBoxDblClick(QComboBox *combo);

    ChannelTable *m_table = nullptr;
    ChannelTableModel *m_model = nullptr;
    bool m_shown = false;
    bool m_fillingEditor = false;
    int m_editRow = -1;
    int m_editColumn = -1;

    ChannelGridView *gvData = nullptr;
    QComboBox *cbQT = nullptr;
    QComboBox *cbDQT = nullptr;
    QComboBox *cbfsgl = nullptr;
    QComboBox *cbkz = nullptr;
    QComboBox *cbHave = nullptr;
    QLabel *lNone = nullptr;
    QListWidget *BColText = nullptr;
};
