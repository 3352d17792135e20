#pragma once

// Kinds and results of the program's message boxes; callers compare results
// with these codes.
enum MsgKind : int
{
    MsgInfo = 1,
    MsgYesNo = 2,
    MsgRetryCancel = 22,
};

enum MsgResult : int
{
    MsgOk = 1,
    MsgCancel = 2,
    MsgRetry = 4,
    MsgYes = 6,
    MsgNo = 7,
};
