#include "TfModel.h"
#include "ui_TfModel.h"

#include "TMacList.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "lang/LocalizeForm.h"

#include <QShowEvent>

TfModel::TfModel(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TfModel>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->cbCopmut, &QComboBox::currentIndexChanged, this, &TfModel::cbCopmutChange);
    connect(ui->btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfModel::~TfModel() = default;

QString TfModel::modelName() const
{
    return ui->cbCopmut->currentText();
}

QString TfModel::bandLabel() const
{
    return ui->cbPd->currentText();
}

void TfModel::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

namespace {

// Selects the item with exactly this text, or item 0 when there is none.
void selectTextOrFirst(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

void TfModel::FormShow()
{
    ApplyLanguage(this, false);
    QStringList names;
    MacList().GetNames(&names);
    {
        const QSignalBlocker blocker(ui->cbCopmut);
        ui->cbCopmut->clear();
        ui->cbCopmut->addItems(names);
        selectTextOrFirst(ui->cbCopmut, All().ModelName);
    }
    cbCopmutChange();
    selectTextOrFirst(ui->cbPd, All().BandLabel);
    setResult(QDialog::Rejected);
}

void TfModel::cbCopmutChange()
{
    ui->cbPd->clear();
    const TMacType *model = MacList().FindByName(ui->cbCopmut->currentText());
    if (!model)
        return;
    ui->cbPd->addItems(model->Bands);
    selectTextOrFirst(ui->cbPd, model->DefaultBand);
}
