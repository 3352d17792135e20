#include "TfChInfo.h"

#include "ChannelGridView.h"
#include "ChannelTableModel.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "lang/LocalizeForm.h"
#include "model/ChannelTable.h"
#include "model/ToneTables.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char *const ColumnDefinitions[] = {
    "Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec", "QT/DQT Enc", "TX Power", "W/N",
    "Scan Add",    "Beat Shift",   "Busy Lockout", "80",         "90",         "90",       "80",
    "80",          "70",           "70",           "70",         "70",         "80",       "2",
    "3",           "3",            "3",            "3",          "2",          "2",        "2",
    "2",           "2"};

constexpr int RowHeight = 20;

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
    lNone->hide();

    BColText = new QListWidget(this);
    BColText->setObjectName(QStringLiteral("BColText"));
    for (const char *item : ColumnDefinitions)
        BColText->addItem(QString::fromLatin1(item));
    BColText->hide();
}

QComboBox *TfChInfo::makeEditor(const char *name, const QStringList &items, bool editable,
                                int tag)
{
    auto *combo = new QComboBox(gvData->viewport());
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(editable);
    combo->addItems(items);
    if (tag != 0)
        SetComponentTag(combo, tag);
    combo->hide();
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
    if (All().LanguageIndex > 0)
        LocalizeForm(this, All().LanguageName, true);
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
    for (int c = 1; c < columns + 1 && c < ChannelTable::ColumnCount; ++c) {
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
    for (QComboBox *combo : {cbfsgl, cbDQT, cbQT, cbHave, cbkz})
        combo->hide();
}

int TfChInfo::currentChannel() const
{
    const QModelIndex index = gvData->currentIndex();
    return index.isValid() ? index.row() + 1 : 1;
}
