#include "TfTestFrequency.h"

#include "TTestFre.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "edit/CharFilterValidator.h"
#include "lang/LocalizeForm.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "model/ChannelText.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The number cells: only digits and the point get in, and the dialog checks
// each new text before it is stored.
class NumberCellDelegate : public QStyledItemDelegate
{
public:
    explicit NumberCellDelegate(TfTestFrequency *dialog)
        : QStyledItemDelegate(dialog), m_dialog(dialog)
    {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        CharFilterValidator::forFrequency(editor)->attach(editor);
        return editor;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *,
                      const QModelIndex &index) const override
    {
        // A message takes the focus and commits the same text again: check it once.
        if (m_checking)
            return;
        m_checking = true;
        QTableWidgetItem *cell = m_dialog->grid()->item(index.row(), index.column());
        m_dialog->gvDataSetForeText(cell, static_cast<QLineEdit *>(editor)->text());
        m_checking = false;
    }

private:
    TfTestFrequency *m_dialog;
    mutable bool m_checking = false;
};

} // namespace

TfTestFrequency::TfTestFrequency(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fTestFrequency"));
    setWindowTitle(QStringLiteral("Test Frequency"));
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint) |
                   Qt::WindowMinimizeButtonHint);

    gvData = new QTableWidget(TTestFre::SlotCount, 3, this);
    gvData->setObjectName(QStringLiteral("gvData"));
    gvData->verticalHeader()->hide();
    gvData->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gvData->verticalHeader()->setDefaultSectionSize(22);
    gvData->setContextMenuPolicy(Qt::NoContextMenu);
    gvData->setSelectionMode(QAbstractItemView::SingleSelection);
    gvData->setItemDelegate(new NumberCellDelegate(this));
    const char *headings[] = {"信道", "接收[MHz]", "发射[MHz]"};
    const int widths[] = {60, 100, 100};
    for (int c = 0; c < 3; ++c) {
        gvData->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(headings[c])));
        gvData->setColumnWidth(c, widths[c]);
    }
    for (int slot = 0; slot < TTestFre::SlotCount; ++slot) {
        auto *number = new QTableWidgetItem(QString::number(slot + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        number->setBackground(QApplication::palette().color(QPalette::Button));
        gvData->setItem(slot, 0, number);
        for (int c = 1; c < 3; ++c) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            gvData->setItem(slot, c, cell);
        }
    }
    gvData->setMinimumSize(60 + 200 + 24, 22 * 10);

    Label1 = new QLabel(
        QStringLiteral(
            "Test Frequency mismatch.#10#13Execute read data from radio or write to radio."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->hide();
    lNotNumber = new QLabel(QStringLiteral("The text is not a valid number."), this);
    lNotNumber->setObjectName(QStringLiteral("lNotNumber"));
    lNotNumber->hide();

    auto *btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    auto *btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton *button : {btnOk, btnCancel})
        button->setAutoDefault(false);
    connect(btnOk, &QPushButton::clicked, this, &TfTestFrequency::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(gvData);
    layout->addLayout(buttons);
    resize(320, 460);
}

void TfTestFrequency::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ApplyLanguage(this, true);
    const TTestFre &fre = TestFre();
    for (int slot = 0; slot < TTestFre::SlotCount; ++slot) {
        gvData->item(slot, 1)->setText(fre.RxTest[size_t(slot)]);
        gvData->item(slot, 2)->setText(fre.TxTest[size_t(slot)]);
    }
    Edited = false;
}

bool TfTestFrequency::gvDataSetForeText(QTableWidgetItem *cell, const QString &text)
{
    if (!cell)
        return false;
    if (text.trimmed().isEmpty()) {
        // An emptied slot stays empty; it is no edit.
        cell->setText(QString());
        return true;
    }
    double v = 0.0;
    if (!ParseDecimal(text, &v)) {
        MsgBox(Lang().Caution, lNotNumber->text(), MsgInfo);
        return false;
    }
    const TLanguage &lang = Lang();
    for (FrequencyWarning warning : LimitFrequency(&v))
        MsgBox(lang.Caution, warning == FrequencyWarning::ErrRange ? lang.ErrRange : lang.OutRange,
               MsgInfo);
    cell->setText(FormatFrequency(v));
    Edited = true;
    return true;
}

void TfTestFrequency::btnOkClick()
{
    TTestFre &fre = TestFre();
    for (int slot = 0; slot < TTestFre::SlotCount; ++slot) {
        fre.RxTest[size_t(slot)] = gvData->item(slot, 1)->text();
        fre.TxTest[size_t(slot)] = gvData->item(slot, 2)->text();
    }
    accept();
}

void TfTestFrequency::done(int result)
{
    if (Edited)
        MsgBox(Lang().Confirmation, Label1->text(), MsgInfo);
    QDialog::done(result);
}
