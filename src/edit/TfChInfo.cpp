#include "TfChInfo.h"

#include "ChannelFields.h"
#include "ChannelGridView.h"
#include "ChannelTableModel.h"
#include "CharFilterValidator.h"
#include "FrequencyDelegate.h"
#include "TfToneOption.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "lang/LocalizeForm.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "model/ChannelTable.h"
#include "model/ChannelText.h"
#include "model/ToneTables.h"
#include "print/ReportTables.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QVBoxLayout>

using CT = ChannelTable;

namespace {

const char *const ColumnDefinitions[] = {"Channel No.",
                                         "RX Frequency",
                                         "TX Frequency",
                                         "QT/DQT Dec",
                                         "QT/DQT Enc",
                                         "TX Power",
                                         "W/N",
                                         "Scan Add",
                                         "Beat Shift",
                                         "Busy Lockout",
                                         "80",
                                         "90",
                                         "90",
                                         "80",
                                         "80",
                                         "70",
                                         "70",
                                         "70",
                                         "70",
                                         "80",
                                         "2",
                                         "3",
                                         "3",
                                         "3",
                                         "3",
                                         "2",
                                         "2",
                                         "2",
                                         "2",
                                         "2"};

constexpr int RowHeight = 20;

bool isToneEditor(const QComboBox *combo)
{
    return ComponentTag(combo) == -3;
}

} // namespace

TfChInfo::TfChInfo(ChannelTable *table, QWidget *parent) : QWidget(parent), m_table(table)
{
    setObjectName(QStringLiteral("fChInfo"));
    setWindowTitle(QStringLiteral("Channel Information"));
    resize(870, 521);

    gvData = new ChannelGridView(this);
    gvData->setObjectName(QStringLiteral("gvData"));
    SetComponentTag(gvData, -2);
    m_model = new ChannelTableModel(m_table, this);
    gvData->setModel(m_model);
    gvData->verticalHeader()->hide();
    gvData->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gvData->verticalHeader()->setDefaultSectionSize(RowHeight);
    gvData->horizontalHeader()->setSectionsMovable(false);
    gvData->setSelectionMode(QAbstractItemView::SingleSelection);
    gvData->setSelectionBehavior(QAbstractItemView::SelectItems);
    gvData->setContextMenuPolicy(Qt::NoContextMenu);
    gvData->setWordWrap(false);
    gvData->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::DoubleClicked);
    auto *frequencyDelegate = new FrequencyDelegate(this);
    gvData->setItemDelegateForColumn(CT::ColRx - 1, frequencyDelegate);
    gvData->setItemDelegateForColumn(CT::ColTx - 1, frequencyDelegate);
    gvData->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gvData);

    const QStringList tones = ToneList();
    cbQT = makeEditor("cbQT", tones, true, -3);
    cbDQT = makeEditor("cbDQT", tones, true, -3);
    cbfsgl = makeEditor("cbfsgl", {QStringLiteral("Low"), QStringLiteral("High")}, false, 0);
    cbkz = makeEditor("cbkz", {QStringLiteral("Wide"), QStringLiteral("Narrow")}, false, 0);
    cbHave = makeEditor("cbHave", {QStringLiteral("Yes"), QStringLiteral("No")}, false, 0);

    lNone = new QLabel(QStringLiteral("None"), this);
    lNone->setObjectName(QStringLiteral("lNone"));
    // Holds the None text in use, taken from the tone list; never localised on its own.
    lNone->setProperty("staticText", true);
    lNone->hide();

    BColText = new QListWidget(this);
    BColText->setObjectName(QStringLiteral("BColText"));
    for (const char *item : ColumnDefinitions)
        BColText->addItem(QString::fromLatin1(item));
    BColText->hide();

    connect(gvData->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { gvDataSelectCell(current); });
    connect(gvData, &QAbstractItemView::pressed, this,
            [this](const QModelIndex &index) { gvDataMouseDown(index); });
    connect(m_table, &ChannelTable::foreTextSet, this, &TfChInfo::gvDataSetForeText);
    connect(gvData->verticalScrollBar(), &QScrollBar::valueChanged, this, &TfChInfo::hideEditors);
    connect(gvData->horizontalScrollBar(), &QScrollBar::valueChanged, this, &TfChInfo::hideEditors);
    connect(gvData->horizontalHeader(), &QHeaderView::sectionResized, this, &TfChInfo::hideEditors);
}

TfChInfo::~TfChInfo()
{
    // An editor still open commits while the window is taken apart; this
    // window must not hear of it any more.
    disconnect(m_table, nullptr, this, nullptr);
}

QComboBox *TfChInfo::makeEditor(const char *name, const QStringList &items, bool editable, int tag)
{
    auto *combo = new QComboBox(gvData->viewport());
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(editable);
    combo->addItems(items);
    combo->setMaxVisibleItems(16);
    if (tag != 0)
        SetComponentTag(combo, tag);
    if (editable) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        ChannelFields::AttachToneFilter(combo);
        combo->lineEdit()->installEventFilter(this);
    }
    combo->installEventFilter(this);
    combo->hide();
    connect(combo, &QComboBox::currentTextChanged, this, [this, combo] { ComBoxSetData(combo); });
    return combo;
}

QString TfChInfo::noneText() const
{
    return lNone->text();
}

void TfChInfo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfChInfo::FormShow()
{
    ApplyLanguage(this, true);
    lNone->setText(cbQT->itemText(0));
    syncItemTexts();
    InitGrid();
}

void TfChInfo::syncItemTexts()
{
    ChannelTable::ItemTexts items;
    items.none = lNone->text();
    auto texts = [](QComboBox *combo) {
        QStringList l;
        for (int i = 0; i < combo->count(); ++i)
            l.append(combo->itemText(i));
        return l;
    };
    items.power = texts(cbfsgl);
    items.bandwidth = texts(cbkz);
    items.yesNo = texts(cbHave);
    m_table->setItemTexts(items);
}

void TfChInfo::InitGrid()
{
    const int columns = BColText->count() / 3;
    QStringList titles;
    QList<int> alignment;
    int sum = 0;
    for (int c = 1; c < columns + 1 && c < CT::ColumnCount; ++c) {
        titles.append(BColText->item(c - 1)->text());
        const int width = BColText->item(9 + c)->text().toInt();
        gvData->setColumnWidth(c - 1, width);
        alignment.append(BColText->item(19 + c)->text().toInt());
        sum += width;
    }
    m_table->setHeaders(titles);
    m_model->setAlignmentCodes(alignment);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->resize(sum + 30, sub->height());
    else
        resize(sum + 30, height());
    ResetRows();
}

void TfChInfo::ResetRows()
{
    hideEditors();
    const int channels = All().ChannelCount;
    const bool rebuild = m_table->channelCount() != channels;
    m_table->ResetRows(channels);
    if (rebuild) {
        QWidget *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
        if (!frame)
            frame = this;
        if (30 * channels < frame->height())
            frame->resize(frame->width(), 30 * channels);
    }
}

void TfChInfo::RefreshLanguage()
{
    All().Relocalising = true;
    hideEditors();
    const QString oldNone = lNone->text();
    LocalizeForm(this, All().LanguageName, true);
    QStringList titles;
    for (int c = 0; c < 10 && c < BColText->count(); ++c)
        titles.append(BColText->item(c)->text());
    m_table->setHeaders(titles);
    lNone->setText(cbQT->itemText(0));
    syncItemTexts();
    m_table->RetextRows(oldNone);
    All().Relocalising = false;
}

void TfChInfo::LoadFromStaging(const TextGrid &staging)
{
    ResetRows();
    All().Modified = true;
    m_table->LoadFromStaging(staging);
}

void TfChInfo::CloseEditors()
{
    gvData->commitPendingEdit();
    hideEditors();
}

void TfChInfo::FillReport(ReportTables &report) const
{
    FillChannelReport(*m_table, Lang().Channel + Lang().Info, report);
}

int TfChInfo::currentChannel() const
{
    const QModelIndex index = gvData->currentIndex();
    return index.isValid() ? index.row() + 1 : 1;
}

QComboBox *TfChInfo::visibleEditor() const
{
    for (QComboBox *combo : {cbQT, cbDQT, cbfsgl, cbkz, cbHave}) {
        if (combo->isVisible())
            return combo;
    }
    return nullptr;
}

void TfChInfo::hideEditors()
{
    // Hiding the focused editor would hand the focus on as Tab does, which moves
    // the grid's current cell; give it to the grid first.
    QWidget *focus = QApplication::focusWidget();
    for (QComboBox *combo : {cbfsgl, cbDQT, cbQT, cbHave, cbkz}) {
        if (focus && (focus == combo || combo->isAncestorOf(focus)))
            gvData->setFocus();
        combo->hide();
    }
}

void TfChInfo::gvDataSelectCell(const QModelIndex &current)
{
    if (!current.isValid())
        return;
    m_editRow = ChannelTableModel::tableRow(current);
    m_editColumn = ChannelTableModel::tableColumn(current);
    ShowCellEditor();
}

void TfChInfo::gvDataMouseDown(const QModelIndex &index)
{
    const int row = ChannelTableModel::tableRow(index);
    const int column = ChannelTableModel::tableColumn(index);
    if (column == CT::ColRx || (column == CT::ColTx && m_table->isUsed(row))) {
        if (!m_table->isReadOnly(row, column))
            gvData->edit(index);
        return;
    }
    m_editRow = row;
    m_editColumn = column;
    ShowCellEditor();
}

void TfChInfo::ShowCellEditor()
{
    hideEditors();
    const int row = m_editRow;
    if (!m_table->isUsed(row))
        return;
    QComboBox *editor = nullptr;
    switch (m_editColumn) {
    case CT::ColDecode:
        editor = cbQT;
        break;
    case CT::ColEncode:
        editor = m_table->fore(row, CT::ColTx).isEmpty() ? nullptr : cbDQT;
        break;
    case CT::ColPower:
        editor = cbfsgl;
        break;
    case CT::ColBandwidth:
        editor = cbkz;
        break;
    case CT::ColScanAdd:
    case CT::ColBeatShift:
    case CT::ColBusyLockout:
        editor = cbHave;
        break;
    default:
        return;
    }
    if (!editor)
        return;

    // Filling the editor from the cell is no edit.
    m_fillingEditor = true;
    if (isToneEditor(editor)) {
        editor->setEditText(m_table->fore(row, m_editColumn));
    } else {
        bool ok = false;
        const int index = m_table->back(row, m_editColumn).toInt(&ok);
        editor->setCurrentIndex(ok && index >= 0 && index < editor->count() ? index : 0);
    }
    m_fillingEditor = false;

    const QModelIndex cell = m_model->index(row - 2, m_editColumn - 1);
    editor->setGeometry(gvData->visualRect(cell));
    editor->show();
    editor->raise();
    editor->setFocus();
    // Typing replaces what the cell holds.
    if (editor->lineEdit())
        editor->lineEdit()->selectAll();
}

void TfChInfo::gvDataSetForeText(int row, int column)
{
    All().Modified = true;
    if (column != CT::ColRx && column != CT::ColTx)
        return;
    const QString text = m_table->fore(row, column).trimmed();
    if (text.isEmpty()) {
        // Deleting RX deletes the channel; deleting TX leaves the rest as it is.
        if (column == CT::ColRx)
            m_table->ClearChannel(row);
        return;
    }
    const TLanguage &lang = Lang();
    double v = 0.0;
    bool shown = false;
    if (!ParseDecimal(text, &v)) {
        v = All().BandHigh;
        MsgBox(lang.Caution, lang.OutRange, MsgInfo);
        shown = true;
    }
    const QList<FrequencyWarning> warnings = LimitFrequency(&v);
    if (!shown && !warnings.isEmpty()) {
        MsgBox(lang.Caution,
               warnings.first() == FrequencyWarning::ErrRange ? lang.ErrRange : lang.OutRange,
               MsgInfo);
    }
    m_table->setForeDirect(row, column, FormatFrequency(SnapFrequency(v)));
    if (column == CT::ColRx && !m_table->hasUsedMarker(row))
        m_table->SetChannelUsed(row);
}

void TfChInfo::ComBoxSetData(QComboBox *combo)
{
    if (All().Relocalising || m_fillingEditor)
        return;
    if (m_editRow < CT::FirstChannelRow || m_editRow >= m_table->rowCount())
        return;
    // An editor writes only into the cells it edits.
    const int column = m_editColumn;
    const bool fits = (combo == cbQT && column == CT::ColDecode) ||
                      (combo == cbDQT && column == CT::ColEncode) ||
                      (combo == cbfsgl && column == CT::ColPower) ||
                      (combo == cbkz && column == CT::ColBandwidth) ||
                      (combo == cbHave && column >= CT::ColScanAdd && column <= CT::ColBusyLockout);
    if (!fits || !m_table->isUsed(m_editRow))
        return;
    QString text = combo->currentText();
    if (isToneEditor(combo)) {
        text = text.isEmpty() || text == lNone->text() ? lNone->text() : NormalizeTone(text);
    } else {
        if (combo->currentIndex() < 0)
            return;
        m_table->setBack(m_editRow, column, QString::number(combo->currentIndex()));
    }
    m_table->setForeDirect(m_editRow, column, text);
    All().Modified = true;
}

void TfChInfo::ComBoxDblClick(QComboBox *combo)
{
    TfToneOption picker(this);
    picker.exec();
    const QString result = picker.result();
    if (result.isEmpty())
        return;
    m_table->setForeDirect(m_editRow, m_editColumn, result);
    combo->setEditText(result);
}

bool TfChInfo::eventFilter(QObject *watched, QEvent *event)
{
    // The grid itself: only what a frequency can hold starts or feeds an edit.
    if (watched == gvData && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        for (const QChar c : text) {
            if (c.isPrint() && !c.isDigit() && c != u'.')
                return true;
        }
        return false;
    }

    QComboBox *combo = qobject_cast<QComboBox *>(watched);
    if (!combo && watched->parent())
        combo = qobject_cast<QComboBox *>(watched->parent());
    if (!combo || combo->parentWidget() != gvData->viewport())
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            hideEditors();
            return true;
        }
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        QWidget *focus = QApplication::focusWidget();
        const bool stillInside = focus && (focus == combo || combo->isAncestorOf(focus));
        if (reason != Qt::PopupFocusReason && !stillInside)
            combo->hide();
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (isToneEditor(combo)) {
            ComBoxDblClick(combo);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
