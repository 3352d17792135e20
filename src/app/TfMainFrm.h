#pragma once

#include <QMainWindow>
#include <QPixmap>

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QProcess;
class QToolBar;
class QTimer;
class QAction;
class TfChInfo;
class ReportTables;

// The main window: menus, toolbar, model and band strip, status bar and the
// channel window. Every menu item and tool button carries a command tag, and
// DispatchCommand routes the tag to its command.
class TfMainFrm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfMainFrm(QWidget *parent = nullptr);
    ~TfMainFrm() override;

    void DispatchCommand(int tag);
    // Saves to FileName, asking for a path when there is none; false when not saved.
    bool SaveData();
    // Fills the report tables from the document as this window shows it.
    void FillReportTables();
    // Replaces the document by a data file; false, with a message, when refused.
    bool OpenFile(const QString &path);
    void RefreshStatus();
    void ShowChannelWindow();

    TfChInfo *channelWindow() const { return m_chInfo; }
    QString statusText(int panel) const;

    // Path of the current data file; empty when the document was never saved or opened.
    QString FileName;

    // The program that opens help files (tests replace it); empty for the system's handler.
    static void SetHelpViewer(const QString &program);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void createToolBar();
    void createStrip();
    void createStatusBar();
    QAction *addCommand(QMenu *menu, const char *name, const char *caption, int tag,
                        const QKeySequence &shortcut = QKeySequence());

    void FormShow();
    void TimerTimer();
    bool FormCloseQuery();
    void FormClose();

    void New();
    void NewData();
    void Open();
    void SaveCommand(bool saveAs);
    void ChooseModel();
    void ChoosePort();
    void ShowHelp();
    void EditChannel();
    void BatchEdit();
    void EditFunctions();
    void EditTestFrequencies();
    void EditEmbeddedMessage();
    void ReadFromRadio();
    void WriteToRadio();
    void ChangeLanguage();
    void PrintReport(bool preview);
    void AddFunctionRecords(ReportTables &report);
    void ShowAbout();
    void tileWindows(Qt::Orientation orientation);
    void arrangeIcons();
    void closeAllWindows();

    bool m_shown = false;
    QPixmap ImBack;
    QMdiArea *m_mdi = nullptr;
    QMdiSubWindow *m_chInfoWindow = nullptr;
    TfChInfo *m_chInfo = nullptr;
    QWidget *pBar = nullptr;
    QToolBar *tbar = nullptr;
    QLabel *lMode = nullptr;
    QLabel *stModel = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *stFreq = nullptr;
    QLabel *lCom = nullptr;
    QLabel *m_panels[5] = {};
    QTimer *Timer = nullptr;
    QComboBox *cbCom = nullptr;
    QAction *T1 = nullptr;
    QAction *nCool = nullptr;
    QAction *nBar = nullptr;
    QProcess *m_helpViewer = nullptr;
};
