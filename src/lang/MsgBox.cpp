#include "MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MsgBoxHandler &handler()
{
    static MsgBoxHandler h;
    return h;
}

} // namespace

void SetMsgBoxHandler(MsgBoxHandler h)
{
    handler() = std::move(h);
}

int MsgBox(const QString &caption, const QString &text, int kind)
{
    if (kind != MsgInfo && kind != MsgYesNo && kind != MsgRetryCancel)
        return MsgOk;
    if (handler())
        return handler()(caption, text, kind);

    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (kind) {
    case MsgInfo:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgOk;
    case MsgYesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgYes : MsgNo;
    default:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        return box.exec() == QMessageBox::Retry ? MsgRetry : MsgCancel;
    }
}
