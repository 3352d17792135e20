#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfBFunSet;
}
class ReportTables;
class TFun;

// Function Setting: the radio-wide settings, edited in one dialog.
class TfBFunSet : public QDialog
{
    Q_OBJECT

public:
    explicit TfBFunSet(QWidget *parent = nullptr);
    ~TfBFunSet() override;

    // Localises the dialog when a language file is active and shows the settings.
    void LoadFromData(const TFun &fun);
    void StoreToData(TFun &fun) const;
    // Appends the function settings section to the report: each setting's
    // caption and the value the dialog shows.
    void FillReport(ReportTables &report);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chVoxFunClick();
    void btnOkClick();

    std::unique_ptr<Ui::TfBFunSet> ui;
    // A side key value the list has no item for (4 or 5), kept unless the user picks another.
    int m_extraSideKey = -1;
};
