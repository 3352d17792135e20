#include "TfSetLanguage.h"
#include "ui_TfSetLanguage.h"

#include "LocalizeForm.h"
#include "TLanguage.h"
#include "app/Program.h"
#include "app/TALL.h"

#include <QShowEvent>

TfSetLanguage::TfSetLanguage(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfSetLanguage>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->Language->hide();
    connect(ui->btnOk, &QPushButton::clicked, this, &TfSetLanguage::btnOkClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfSetLanguage::~TfSetLanguage() = default;

void TfSetLanguage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ui->cbLanguage->clear();
    ui->Language->clear();
    QStringList names, files;
    ListLanguages(&names, &files);
    ui->cbLanguage->addItems(names);
    ui->Language->addItems(files);
    ApplyLanguage(this, false);
    ui->cbLanguage->setCurrentIndex(All().LanguageIndex < names.size() ? All().LanguageIndex : -1);
    Changed = false;
}

void TfSetLanguage::btnOkClick()
{
    // Nothing is selected, or the lists disagree: nothing changes.
    const int selected = ui->cbLanguage->currentIndex();
    if (selected >= 0 && selected != All().LanguageIndex && selected < ui->Language->count()) {
        Changed = true;
        All().LanguageName = ui->Language->item(selected)->text();
        All().LanguageIndex = selected;
    }
    accept();
}
