#include "TfMainFrm.h"

#include "DataFile.h"
#include "DocumentSnapshot.h"
#include "Program.h"
#include "SysInfo.h"
#include "TALL.h"
#include "edit/ChannelGridView.h"
#include "edit/TfBBatchEdit.h"
#include "edit/TfBInfoEdit.h"
#include "edit/TfChInfo.h"
#include "lang/LocalizeForm.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "lang/TfFrmAbout.h"
#include "lang/TfSetLanguage.h"
#include "link/SerialPorts.h"
#include "link/TfSetPort.h"
#include "link/TfTestFrequency.h"
#include "link/TfTransferDialog.h"
#include "model/Catalogue.h"
#include "model/ChannelTable.h"
#include "model/TMacList.h"
#include "model/TextGrid.h"
#include "model/TfModel.h"
#include "print/ReportPreview.h"
#include "print/ReportTables.h"
#include "settings/TFun.h"
#include "settings/TfBFunSet.h"
#include "settings/TfEmbeddedMessage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

// The pictures live in the GUI library, a static library: register them before use.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

QString &helpViewer()
{
    static QString program;
    return program;
}

// The first character of the system's format that is not a letter, or the fallback.
QChar systemSeparator(const QString &format, QChar fallback)
{
    for (const QChar c : format) {
        if (!c.isLetter() && !c.isSpace())
            return c;
    }
    return fallback;
}

struct ToolDef
{
    const char *name;
    const char *hint;
    const char *icon;
    int tag;
};

const ToolDef Tools[] = {
    {"tbNew", "New", "new", 1},
    {"tbOpen", "Open", "open", 2},
    {"tbSave", "Save", "save", 3},
    {nullptr, nullptr, nullptr, 0},
    {"ToolButton3", "Channel Edit", "edit", 10},
    {nullptr, nullptr, nullptr, 0},
    {"tbPrint", "Print", "print", 7},
    {nullptr, nullptr, nullptr, 0},
    {"tbRead", "Read", "read", 20},
    {nullptr, nullptr, nullptr, 0},
    {"tbWrite", "Write", "write", 21},
    {nullptr, nullptr, nullptr, 0},
    {"tbHelp", "Help", "help", 34},
};

} // namespace

void TfMainFrm::SetHelpViewer(const QString &program)
{
    helpViewer() = program;
}

TfMainFrm::TfMainFrm(QWidget *parent) : QMainWindow(parent)
{
    initResources();
    setObjectName(QStringLiteral("fMainFrm"));
    setWindowTitle(All().ProductName);
    setWindowIcon(QIcon(QStringLiteral(":/images/veltrax.png")));

    ImBack.load(QStringLiteral(":/images/background.png"));

    createMenus();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createToolBar();
    layout->addWidget(pBar);
    createStrip();
    layout->addWidget(lMode->parentWidget());
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QBrush(ImBack));
    layout->addWidget(m_mdi, 1);
    setCentralWidget(central);
    createStatusBar();

    lCom = new QLabel(QStringLiteral("Port: "), this);
    lCom->setObjectName(QStringLiteral("lCom"));
    lCom->hide();
    cbCom = new QComboBox(this);
    cbCom->setObjectName(QStringLiteral("cbCom"));
    SetComponentTag(cbCom, -2);
    cbCom->hide();
    auto *cbFreq = new QComboBox(this);
    cbFreq->setObjectName(QStringLiteral("cbFreq"));
    SetComponentTag(cbFreq, -2);
    cbFreq->hide();
    auto *button1 = new QPushButton(QStringLiteral("Save Lang"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->hide();

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &TfMainFrm::TimerTimer);
    Timer->start();

    m_helpViewer = new QProcess(this);
}

TfMainFrm::~TfMainFrm()
{
    // A help viewer still open goes with the program.
    if (m_helpViewer->state() != QProcess::NotRunning) {
        m_helpViewer->kill();
        m_helpViewer->waitForFinished(1000);
    }
}

QAction *TfMainFrm::addCommand(QMenu *menu, const char *name, const char *caption, int tag,
                               const QKeySequence &shortcut)
{
    auto *action = new QAction(QString::fromUtf8(caption), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    SetComponentTag(action, tag);
    menu->addAction(action);
    if (tag > 0)
        connect(action, &QAction::triggered, this, [this, tag] { DispatchCommand(tag); });
    return action;
}

void TfMainFrm::createMenus()
{
    auto menu = [this](const char *name, const char *title) {
        QMenu *m = menuBar()->addMenu(QString::fromUtf8(title));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto hiddenSeparator = [](QMenu *m) { m->addSeparator()->setVisible(false); };

    QMenu *nFile = menu("nFile", "&File");
    addCommand(nFile, "N1", "&New", 1, QKeySequence(QStringLiteral("Ctrl+N")));
    addCommand(nFile, "O1", "&Open", 2, QKeySequence(QStringLiteral("Ctrl+O")));
    addCommand(nFile, "S2", "&Save", 3, QKeySequence(QStringLiteral("Ctrl+S")));
    addCommand(nFile, "A1", "Save &As", 4, QKeySequence(QStringLiteral("Ctrl+A")));
    nFile->addSeparator();
    addCommand(nFile, "P2", "&Print", 7, QKeySequence(QStringLiteral("Ctrl+P")));
    addCommand(nFile, "V2", "Print Pre&view", 8, QKeySequence(QStringLiteral("Ctrl+V")));
    nFile->addSeparator();
    QAction *nExit = addCommand(nFile, "nExit", "&Exit", 0, QKeySequence(QStringLiteral("Ctrl+X")));
    connect(nExit, &QAction::triggered, this, &QWidget::close);

    QMenu *nEdit = menu("nEdit", "&Edit");
    addCommand(nEdit, "E1", "&Channel Edit", 10, QKeySequence(Qt::Key_F11));
    addCommand(nEdit, "E2", "&Batch Channel Edit", 36, QKeySequence(Qt::Key_F10));
    nEdit->addSeparator();
    addCommand(nEdit, "E12", "Function &Setting", 37);
    hiddenSeparator(nEdit);
    addCommand(nEdit, "E10", "&Test Frequency", 18)->setVisible(false);
    addCommand(nEdit, "E11", "Embedded &Message", 19)->setVisible(false);

    QMenu *nProgram = menu("nProgram", "&Program");
    addCommand(nProgram, "R1", "&Read From Radio", 20, QKeySequence(QStringLiteral("Ctrl+R")));
    addCommand(nProgram, "W2", "&Write To Radio", 21, QKeySequence(QStringLiteral("Ctrl+W")));
    nProgram->addSeparator();
    T1 = addCommand(nProgram, "T1", "&Test Online", 22);
    T1->setVisible(false);

    QMenu *nSetup = menu("nSetup", "&Setup");
    addCommand(nSetup, "N4", "&Model Information", 9);
    nSetup->addSeparator();
    addCommand(nSetup, "C2", "&Communication Port", 24);
    addCommand(nSetup, "nLanguage", "Language File Setup", 25);

    QMenu *nView = menu("nView", "&View");
    addCommand(nView, "T4", "Tree &View", 0)->setVisible(false);
    hiddenSeparator(nView);
    nCool = addCommand(nView, "nCool", "&Toolbar", 0);
    nCool->setCheckable(true);
    nCool->setChecked(true);
    connect(nCool, &QAction::triggered, this, [this](bool on) { pBar->setVisible(on); });
    nBar = addCommand(nView, "nBar", "&Status bar", 0);
    nBar->setCheckable(true);
    nBar->setChecked(true);
    connect(nBar, &QAction::triggered, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu *nWindow = menu("nWindow", "&Window");
    addCommand(nWindow, "nC", "&Cascade", 29);
    addCommand(nWindow, "nH", "Tile Windows &Horizontally", 30);
    addCommand(nWindow, "nV", "Tile Windows &Vertically", 31);
    addCommand(nWindow, "npl", "&Arrange Icons", 32);
    nWindow->addSeparator();
    addCommand(nWindow, "nCloseAll", "Close All &Windows", 33);
    nWindow->menuAction()->setVisible(false);

    QMenu *nHelp = menu("nHelp", "&Help");
    addCommand(nHelp, "nHelpTopics", "&Help Topics", 34);
    nHelp->addSeparator();
    addCommand(nHelp, "nAbout", "About...", 35);
}

void TfMainFrm::createToolBar()
{
    pBar = new QWidget(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    auto *layout = new QHBoxLayout(pBar);
    layout->setContentsMargins(2, 0, 2, 0);
    tbar = new QToolBar(pBar);
    tbar->setObjectName(QStringLiteral("tbar"));
    tbar->setIconSize(QSize(16, 16));
    tbar->setMovable(false);
    tbar->setFloatable(false);
    layout->addWidget(tbar);
    layout->addStretch();
    for (const ToolDef &def : Tools) {
        if (!def.name) {
            tbar->addSeparator();
            continue;
        }
        auto *button = new QToolButton(tbar);
        button->setObjectName(QString::fromLatin1(def.name));
        button->setText(QString::fromLatin1(def.hint));
        button->setToolTip(QString::fromLatin1(def.hint));
        button->setIcon(QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(def.icon))));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setAutoRaise(true);
        button->setFixedWidth(25);
        SetComponentTag(button, def.tag);
        const int tag = def.tag;
        connect(button, &QToolButton::clicked, this, [this, tag] { DispatchCommand(tag); });
        tbar->addWidget(button);
    }
}

void TfMainFrm::createStrip()
{
    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pModel"));
    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 3, 8, 3);
    auto label = [strip](const char *name, const char *text, bool isStatic) {
        auto *l = new QLabel(QString::fromUtf8(text), strip);
        l->setObjectName(QString::fromLatin1(name));
        // Static texts show data and are never localised.
        if (isStatic) {
            l->setProperty("staticText", true);
            l->setFrameShape(QFrame::StyledPanel);
            l->setMinimumWidth(120);
        }
        return l;
    };
    lMode = label("lMode", "Model Type: ", false);
    stModel = label("stModel", "", true);
    Label4 = label("Label4", "Frequency: ", false);
    stFreq = label("stFreq", "", true);
    layout->addWidget(lMode);
    layout->addWidget(stModel);
    layout->addSpacing(24);
    layout->addWidget(Label4);
    layout->addWidget(stFreq);
    layout->addStretch();
}

void TfMainFrm::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("MainBar"));
    const int widths[5] = {50, 80, 120, 180, 200};
    for (int i = 0; i < 5; ++i) {
        m_panels[i] = new QLabel(bar);
        m_panels[i]->setFixedWidth(widths[i]);
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
        bar->addWidget(m_panels[i]);
    }
}

QString TfMainFrm::statusText(int panel) const
{
    return panel >= 0 && panel < 5 ? m_panels[panel]->text() : QString();
}

void TfMainFrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfMainFrm::FormShow()
{
    TALL &all = All();
    T1->setVisible(all.TestOnlineVisible);
    SelectModel(MacList().Items(0));
    all.BandLabel = all.CurrentModel ? all.CurrentModel->DefaultBand : QString();

    QStringList ports;
    ListSerialPorts(&ports);
    if (IsConfiguredDevicePath(all.PortName) && !ports.contains(all.PortName))
        ports.append(all.PortName);
    cbCom->clear();
    cbCom->addItems(ports);
    if (PortNamesAreCaseInsensitive())
        all.PortName = all.PortName.toUpper();
    const int match = ports.indexOf(all.PortName);
    if (match >= 0) {
        cbCom->setCurrentIndex(match);
    } else if (!ports.isEmpty()) {
        cbCom->setCurrentIndex(0);
        all.PortName = ports.front();
    }

    ParseBandLabel();
    FileName.clear();
    ApplyLanguage(this, true);
    setWindowTitle(all.ProductName);
    lCom->hide();
    lMode->show();
    RefreshStatus();
    ShowChannelWindow();
    all.Modified = false;
}

void TfMainFrm::RefreshStatus()
{
    const TALL &all = All();
    const QLocale locale = QLocale::system();
    const QChar dateSep = systemSeparator(locale.dateFormat(QLocale::ShortFormat), u'/');
    const QChar timeSep = systemSeparator(locale.timeFormat(QLocale::ShortFormat), u':');
    const QDateTime now = QDateTime::currentDateTime();
    m_panels[0]->clear();
    m_panels[1]->setText(now.date().toString(QStringLiteral("yyyy%1MM%1dd").arg(dateSep)));
    m_panels[2]->setText(now.time().toString(QStringLiteral("HH%1mm%1ss").arg(timeSep)));
    m_panels[4]->clear();
    stModel->setText(all.ModelName);
    stFreq->setText(all.BandLabel);
    m_panels[3]->setText(lCom->text() + all.PortName);
    setWindowTitle(FileName.isEmpty() ? all.ProductName
                                      : all.ProductName + QStringLiteral(" [") + FileName + u']');
}

void TfMainFrm::TimerTimer()
{
    const QChar timeSep = systemSeparator(QLocale::system().timeFormat(QLocale::ShortFormat), u':');
    m_panels[2]->setText(QTime::currentTime().toString(QStringLiteral("HH%1mm%1ss").arg(timeSep)));
}

void TfMainFrm::ShowChannelWindow()
{
    if (!m_chInfo) {
        m_chInfo = new TfChInfo(&Channels());
        m_chInfoWindow = m_mdi->addSubWindow(m_chInfo);
        m_chInfoWindow->setObjectName(QStringLiteral("chInfoWindow"));
        m_chInfoWindow->setWindowTitle(m_chInfo->windowTitle());
        m_chInfoWindow->installEventFilter(this);
        m_chInfoWindow->resize(m_chInfo->size());
    }
    m_chInfoWindow->showNormal();
    m_chInfoWindow->setWindowTitle(m_chInfo->windowTitle());
}

bool TfMainFrm::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the channel window only minimises it: the table lives for the whole run.
    if (watched == m_chInfoWindow && event->type() == QEvent::Close) {
        event->ignore();
        m_chInfoWindow->showMinimized();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfMainFrm::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TfMainFrm::FormCloseQuery()
{
    const TLanguage &lang = Lang();
    if (MsgBox(lang.Confirmation, lang.ExitProgram, MsgYesNo) == MsgNo)
        return false;
    if (All().Modified && MsgBox(lang.Confirmation, lang.SaveProgram, MsgYesNo) == MsgYes)
        SaveData();
    return true;
}

void TfMainFrm::FormClose()
{
    QString error;
    if (!SaveSysInfo(&error)) {
        MsgBox(Lang().Confirmation,
               QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(SysInfoWritePath()), error),
               MsgInfo);
    }
}

void TfMainFrm::DispatchCommand(int tag)
{
    if (m_chInfo)
        m_chInfo->CloseEditors();
    switch (tag) {
    case 1:
        New();
        break;
    case 2:
        Open();
        break;
    case 3:
        SaveCommand(false);
        break;
    case 4:
        SaveCommand(true);
        break;
    case 7:
        PrintReport(false);
        break;
    case 8:
        PrintReport(true);
        break;
    case 9:
        ChooseModel();
        break;
    case 10:
        EditChannel();
        break;
    case 18:
        EditTestFrequencies();
        break;
    case 19:
        EditEmbeddedMessage();
        break;
    case 20:
        ReadFromRadio();
        break;
    case 21:
        WriteToRadio();
        break;
    case 24:
        ChoosePort();
        break;
    case 25:
        ChangeLanguage();
        break;
    case 29:
        m_mdi->cascadeSubWindows();
        break;
    case 30:
        tileWindows(Qt::Horizontal);
        break;
    case 31:
        tileWindows(Qt::Vertical);
        break;
    case 32:
        arrangeIcons();
        break;
    case 33:
        closeAllWindows();
        break;
    case 34:
        ShowHelp();
        break;
    case 35:
        ShowAbout();
        break;
    case 36:
        BatchEdit();
        break;
    case 37:
        EditFunctions();
        break;
    default:
        break;
    }
}

void TfMainFrm::ChooseModel()
{
    TfModel dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TLanguage &lang = Lang();
    if (All().Modified && MsgBox(lang.Confirmation, lang.ClearData, MsgYesNo) == MsgNo)
        return;
    SelectModel(MacList().FindByName(dialog.modelName()));
    All().BandLabel = dialog.bandLabel();
    ParseBandLabel();
    ResetFunctionData();
    New();
}

void TfMainFrm::ChoosePort()
{
    TfSetPort dialog(this);
    dialog.exec();
    RefreshStatus();
}

void TfMainFrm::ShowHelp()
{
    // One viewer at a time: while the one started last is running, nothing more opens.
    if (m_helpViewer->state() != QProcess::NotRunning)
        return;
    const TALL &all = All();
    const QString path =
        all.AppDir + all.HelpPrefix + u'_' + all.LanguageName + QStringLiteral(".chm");
    if (!helpViewer().isEmpty()) {
        m_helpViewer->start(helpViewer(), {path});
        return;
    }
#ifdef Q_OS_WIN
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#else
    m_helpViewer->start(QStringLiteral("xdg-open"), {path});
#endif
}

void TfMainFrm::tileWindows(Qt::Orientation orientation)
{
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    if (windows.isEmpty())
        return;
    const QSize area = m_mdi->viewport()->size();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow *w = windows[i];
        w->showNormal();
        if (orientation == Qt::Horizontal)
            w->setGeometry(0, i * area.height() / n, area.width(), area.height() / n);
        else
            w->setGeometry(i * area.width() / n, 0, area.width() / n, area.height());
    }
}

void TfMainFrm::arrangeIcons()
{
    int x = 0;
    for (QMdiSubWindow *w : m_mdi->subWindowList()) {
        if (!w->isMinimized())
            continue;
        w->move(x, m_mdi->viewport()->height() - w->height());
        x += w->width();
    }
}

void TfMainFrm::closeAllWindows()
{
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        (*it)->close();
}

void TfMainFrm::New()
{
    const TLanguage &lang = Lang();
    if (All().Modified && MsgBox(lang.Confirmation, lang.SaveProgram, MsgYesNo) == MsgYes)
        SaveData();
    NewData();
}

void TfMainFrm::NewData()
{
    ResetFunctionData();
    m_chInfo->ResetRows();
    FileName.clear();
    RefreshStatus();
    All().Modified = false;
}
namespace {

// The data file dialogs: Qt's own, so that they look and behave alike everywhere.
QString chooseDataFile(QWidget *parent, bool save, const QString &current)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(save ? QStringLiteral("sdSave") : QStringLiteral("odOpen"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QStringLiteral("Data File (*.dat)"));
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!current.isEmpty())
        dialog.selectFile(current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

void TfMainFrm::Open()
{
    const TLanguage &lang = Lang();
    if (All().Modified && MsgBox(lang.Confirmation, lang.SaveProgram, MsgYesNo) == MsgYes)
        SaveData();
    const QString path = chooseDataFile(this, false, QString());
    if (!path.isEmpty())
        OpenFile(path);
}

bool TfMainFrm::OpenFile(const QString &path)
{
    QString error;
    switch (LoadDataFile(path, Channels(), &error)) {
    case DataFile::LoadResult::Loaded:
        FileName = path;
        RefreshStatus();
        return true;
    case DataFile::LoadResult::ModelUnknown:
        FileName.clear();
        MsgBox(Lang().Confirmation, Lang().ModError, MsgInfo);
        RefreshStatus();
        return false;
    case DataFile::LoadResult::NotDataFile:
        MsgBox(Lang().Confirmation,
               Lang().BadFile + u'\n' + QDir::toNativeSeparators(path) + u'\n' + error, MsgInfo);
        return false;
    }
    return false;
}

bool TfMainFrm::SaveData()
{
    if (FileName.isEmpty()) {
        const QString path = chooseDataFile(this, true, QString());
        if (path.isEmpty())
            return false;
        FileName = path;
    }
    QString error;
    if (!SaveDataFile(FileName, Channels(), &error)) {
        MsgBox(Lang().Confirmation, QDir::toNativeSeparators(FileName) + u'\n' + error, MsgInfo);
        return false;
    }
    return true;
}

void TfMainFrm::SaveCommand(bool saveAs)
{
    if (saveAs)
        FileName.clear();
    SaveData();
    RefreshStatus();
}
void TfMainFrm::EditChannel()
{
    TfBInfoEdit dialog(&Channels(), this);
    dialog.setStartChannel(m_chInfo->currentChannel());
    dialog.setChannelLimit(Channels().channelCount());
    dialog.exec();
}

void TfMainFrm::BatchEdit()
{
    TfBBatchEdit dialog(&Channels(), this);
    dialog.setChannelLimit(Channels().channelCount());
    dialog.exec();
}

void TfMainFrm::EditFunctions()
{
    TfBFunSet dialog(this);
    dialog.exec();
}

void TfMainFrm::EditEmbeddedMessage()
{
    TfEmbeddedMessage dialog(this);
    dialog.exec();
}

void TfMainFrm::EditTestFrequencies()
{
    TfTestFrequency dialog(this);
    dialog.exec();
}
void TfMainFrm::ReadFromRadio()
{
    // A read that does not complete leaves the document as it was: the radio's
    // model, band, settings and messages decoded so far are put back.
    const DocumentSnapshot before = DocumentSnapshot::take();
    TfReadRadio dialog(this);
    dialog.exec();
    if (!dialog.ReadDone()) {
        before.restore();
        return;
    }
    m_chInfo->LoadFromStaging(Staging());
    FileName.clear();
    RefreshStatus();
}

void TfMainFrm::WriteToRadio()
{
    TfWriteRadio dialog(this);
    dialog.exec();
}

void TfMainFrm::ChangeLanguage()
{
    TfSetLanguage dialog(this);
    dialog.exec();
    if (!dialog.Changed)
        return;
    const QString language = All().LanguageName;
    LoadLanguage(language);
    LocalizeForm(this, language, true);
    RefreshStatus();
    m_chInfo->RefreshLanguage();
    m_chInfoWindow->setWindowTitle(m_chInfo->windowTitle());
}
void TfMainFrm::FillReportTables()
{
    ReportTables &report = Report();
    report.clear();
    report.setHeader({All().ProductName,
                      lMode->text(),
                      All().ModelName,
                      {},
                      {},
                      Label4->text(),
                      stFreq->text()});
    AddFunctionRecords(report);
    m_chInfo->FillReport(report);
}

void TfMainFrm::PrintReport(bool preview)
{
    FillReportTables();
    const ReportTables &report = Report();
    if (preview)
        ReportPreview::preview(this, report);
    else
        ReportPreview::print(this, report);
}

void TfMainFrm::AddFunctionRecords(ReportTables &report)
{
    TfBFunSet settings(this);
    settings.FillReport(report);
}
void TfMainFrm::ShowAbout()
{
    TfFrmAbout dialog(this);
    dialog.exec();
}
