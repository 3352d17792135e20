#include "TfToneOption.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "lang/LocalizeForm.h"
#include "model/ToneTables.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Selectable columns carry this role on their cells.
constexpr int SelectableRole = Qt::UserRole + 1;

QTableWidget *makeGrid(QWidget *parent, const char *name, int columns, int rows, int rowHeight)
{
    auto *grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(QString::fromLatin1(name));
    SetComponentTag(grid, -2);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setContextMenuPolicy(Qt::NoContextMenu);
    grid->setShowGrid(true);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

// Columns at least as wide as the layout asks and wide enough for their texts;
// the grid exactly as large as its cells.
void fitGrid(QTableWidget *grid, const QList<int> &minimumWidths)
{
    grid->resizeColumnsToContents();
    int width = 2 * grid->frameWidth();
    for (int c = 0; c < grid->columnCount(); ++c) {
        grid->setColumnWidth(c, std::max(grid->columnWidth(c), minimumWidths.value(c) + 6));
        width += grid->columnWidth(c);
    }
    int height = 2 * grid->frameWidth();
    for (int r = 0; r < grid->rowCount(); ++r)
        height += grid->rowHeight(r);
    grid->setFixedSize(width, height);
}

void setCell(QTableWidget *grid, int row, int column, const QString &text, const QColor &colour,
             bool bold, bool selectable)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(colour);
    item->setForeground(Qt::black);
    item->setData(SelectableRole, selectable);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    grid->setItem(row, column, item);
}

} // namespace

TfToneOption::TfToneOption(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fToneOption"));
    setWindowTitle(QStringLiteral("Channel Tone Option"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *layout = new QVBoxLayout(this);
    auto *selection = new QGroupBox(QStringLiteral("Channel Voice Selection"), this);
    selection->setObjectName(QStringLiteral("GroupBox1"));
    auto *selectionLayout = new QHBoxLayout(selection);
    rCTCSS = new QRadioButton(QStringLiteral("CTCSS"), selection);
    rCTCSS->setObjectName(QStringLiteral("rCTCSS"));
    rDCSN = new QRadioButton(QStringLiteral("DCS-N"), selection);
    rDCSN->setObjectName(QStringLiteral("rDCSN"));
    rDCSI = new QRadioButton(QStringLiteral("DCS-I"), selection);
    rDCSI->setObjectName(QStringLiteral("rDCSI"));
    int tag = 0;
    for (QRadioButton *radio : {rCTCSS, rDCSN, rDCSI}) {
        SetComponentTag(radio, tag);
        selectionLayout->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this, tag] { rCTCSSClick(tag); });
        ++tag;
    }
    selectionLayout->addStretch();
    layout->addWidget(selection);

    lbSel = new QListWidget(this);
    lbSel->setObjectName(QStringLiteral("lbSel"));
    lbSel->addItems({QStringLiteral("CTCSS"), QStringLiteral("DCS-N"), QStringLiteral("DCS-I")});
    lbSel->hide();
    lbValue = new QListWidget(this);
    lbValue->setObjectName(QStringLiteral("lbValue"));
    SetComponentTag(lbValue, -2);
    lbValue->addItems(TonePickerList());
    lbValue->hide();

    gbList = new QGroupBox(QStringLiteral(" Code List"), this);
    gbList->setObjectName(QStringLiteral("gbList"));
    auto *listLayout = new QVBoxLayout(gbList);
    // One grid shows at a time; the group is as large as the largest.
    m_pages = new QStackedWidget(gbList);
    listLayout->addWidget(m_pages);
    gvCtcss = makeGrid(m_pages, "gvCtcss", 15, 9, 24);
    gvDcsN = makeGrid(m_pages, "gvDcsN", 16, 11, 20);
    gvDcsI = makeGrid(m_pages, "gvDcsI", 16, 11, 20);
    for (QTableWidget *grid : {gvCtcss, gvDcsN, gvDcsI}) {
        m_pages->addWidget(grid);
        connect(grid, &QTableWidget::cellDoubleClicked, this,
                [this, grid] { gridDoubleClick(grid); });
    }
    layout->addWidget(gbList, 1);
}

QTableWidget *TfToneOption::grid(int tag) const
{
    return tag == 0 ? gvCtcss : tag == 1 ? gvDcsN : gvDcsI;
}

void TfToneOption::SplitEntry(const QString &entry, QString *first, QString *middle, QString *last)
{
    first->clear();
    middle->clear();
    last->clear();
    if (entry.isEmpty())
        return;
    const qsizetype dash = entry.indexOf(u'-');
    *first = entry.left(dash);
    const QString rest = dash < 0 ? QString() : entry.mid(dash + 1);
    const qsizetype second = rest.indexOf(u'-');
    if (second >= 0) {
        *middle = rest.left(second);
        *last = rest.mid(second + 1);
    } else {
        *middle = rest;
        *last = rest;
    }
}

void TfToneOption::FillGrids()
{
    const QColor indexColour(249, 141, 227);
    const QColor codeColour(225, 249, 112);
    const QColor numberColour(47, 231, 220);
    QString first, middle, last;

    gvCtcss->setUpdatesEnabled(false);
    for (int g = 0; g < 5; ++g) {
        gvCtcss->setColumnWidth(3 * g, 32);
        gvCtcss->setColumnWidth(3 * g + 1, 43);
        gvCtcss->setColumnWidth(3 * g + 2, 32);
        for (int j = 0; j < 9; ++j) {
            SplitEntry(lbValue->item(g * 9 + j)->text(), &first, &middle, &last);
            setCell(gvCtcss, j, 3 * g, first, indexColour, false, false);
            setCell(gvCtcss, j, 3 * g + 1, middle, Qt::white, true, true);
            setCell(gvCtcss, j, 3 * g + 2, last, codeColour, false, false);
        }
    }
    QList<int> ctcssWidths;
    for (int g = 0; g < 5; ++g)
        ctcssWidths << 32 << 43 << 32;
    fitGrid(gvCtcss, ctcssWidths);
    gvCtcss->setUpdatesEnabled(true);

    for (QTableWidget *grid : {gvDcsN, gvDcsI})
        grid->setUpdatesEnabled(false);
    for (int g = 0; g < 8; ++g) {
        for (QTableWidget *grid : {gvDcsN, gvDcsI}) {
            grid->setColumnWidth(2 * g, 25);
            grid->setColumnWidth(2 * g + 1, 43);
        }
        for (int j = 0; j < 11; ++j) {
            SplitEntry(lbValue->item(45 + g * 11 + j)->text(), &first, &middle, &last);
            const bool any = !middle.isEmpty();
            setCell(gvDcsN, j, 2 * g, first, numberColour, false, false);
            setCell(gvDcsI, j, 2 * g, first, numberColour, false, false);
            setCell(gvDcsN, j, 2 * g + 1, any ? middle + u'N' : QString(), Qt::white, true, true);
            setCell(gvDcsI, j, 2 * g + 1, any ? middle + u'I' : QString(), Qt::white, true, true);
        }
    }
    QList<int> dcsWidths;
    for (int g = 0; g < 8; ++g)
        dcsWidths << 25 << 43;
    for (QTableWidget *grid : {gvDcsN, gvDcsI}) {
        fitGrid(grid, dcsWidths);
        grid->setUpdatesEnabled(true);
    }
}

void TfToneOption::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FillGrids();
    m_result.clear();
    ApplyLanguage(this, false);
    rCTCSS->setChecked(true);
    rCTCSSClick(0);
    adjustSize();
    setFixedSize(size());
}

void TfToneOption::rCTCSSClick(int tag)
{
    gbList->setEnabled(false);
    m_pages->setCurrentWidget(rDCSN->isChecked() ? gvDcsN : rDCSI->isChecked() ? gvDcsI : gvCtcss);
    if (QListWidgetItem *caption = lbSel->item(tag))
        gbList->setTitle(caption->text());
    gbList->setEnabled(true);
}

void TfToneOption::gridDoubleClick(QTableWidget *grid)
{
    const QTableWidgetItem *item = grid->currentItem();
    if (!item || !item->data(SelectableRole).toBool())
        return;
    m_result = item->text();
    accept();
}
