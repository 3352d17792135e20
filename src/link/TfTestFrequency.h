#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;
class QTableWidgetItem;

// Test Frequency: sixteen receive and transmit pairs, checked against the
// model's limits and the band; a reminder on close once they were edited.
class TfTestFrequency : public QDialog
{
    Q_OBJECT

public:
    explicit TfTestFrequency(QWidget *parent = nullptr);

    QTableWidget *grid() const { return gvData; }
    bool Edited = false;

    // The check of a new cell text; false when the text is not a number and
    // the cell keeps what it held.
    bool gvDataSetForeText(QTableWidgetItem *cell, const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void btnOkClick();

    QTableWidget *gvData = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lNotNumber = nullptr;
};
