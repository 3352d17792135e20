#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The About box: every line comes from the language file; a click closes it.
class TfFrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfFrmAbout(QWidget *parent = nullptr);

    QString memoText() const;

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *makeLabel(QWidget *parent, const char *name, const char *caption, int top);

    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
};
