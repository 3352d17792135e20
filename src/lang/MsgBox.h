#pragma once

#include "MsgKind.h"

#include <QString>

#include <functional>

class QWidget;

// Shows a modal message box of the given kind and returns the button pressed
// (MsgOk, MsgYes/MsgNo, MsgRetry/MsgCancel). A kind it does not know shows
// nothing and returns MsgOk.
int MsgBox(const QString &caption, const QString &text, int kind);

// Tests answer message boxes here instead of a real modal box; an empty
// handler restores the real one.
using MsgBoxHandler = std::function<int(const QString &caption, const QString &text, int kind)>;
void SetMsgBoxHandler(MsgBoxHandler handler);
