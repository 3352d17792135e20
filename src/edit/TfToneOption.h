#pragma once

#include <QDialog>

class QGroupBox;
class QListWidget;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

// The tone picker: all CTCSS tones, or all DCS codes normal or inverted, in
// tables; a double-click on a tone or code returns it as a tone text.
class TfToneOption : public QDialog
{
    Q_OBJECT

public:
    explicit TfToneOption(QWidget *parent = nullptr);

    // The chosen tone text; empty when nothing was chosen.
    QString result() const { return m_result; }

    // Splits "0D-100.0-1Z" into 0D, 100.0, 1Z and "47-D351" into 47, D351, D351.
    static void SplitEntry(const QString &entry, QString *first, QString *middle, QString *last);

    QTableWidget *grid(int tag) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FillGrids();
    void rCTCSSClick(int tag);
    void gridDoubleClick(QTableWidget *grid);

    QString m_result;
    QRadioButton *rCTCSS = nullptr;
    QRadioButton *rDCSN = nullptr;
    QRadioButton *rDCSI = nullptr;
    QListWidget *lbSel = nullptr;
    QListWidget *lbValue = nullptr;
    QGroupBox *gbList = nullptr;
    QStackedWidget *m_pages = nullptr;
    QTableWidget *gvCtcss = nullptr;
    QTableWidget *gvDcsN = nullptr;
    QTableWidget *gvDcsI = nullptr;
};
