#pragma once
// The one message box. Kind 1: information with OK, answers 1. Kind 2: question with Yes/No,
// answers 6 (Yes) or 7 (No). The GUI installs a real message box; the command-line tool and
// the tests install their own handler.
#include <QString>
#include <functional>

constexpr int MsgInfo = 1, MsgQuestion = 2;
constexpr int MsgOk = 1, MsgYes = 6, MsgNo = 7;

// details: optional further text (how to fix it), shown behind the box's details button.
using TMsgHandler =
    std::function<int(const QString &caption, const QString &text, int kind, const QString &details)>;

int ShowMsg(const QString &caption, const QString &text, int kind, const QString &details = QString());
// Installs a handler and returns the previous one. An empty handler restores the default,
// which prints the text on standard error and answers OK or No.
TMsgHandler SetMsgHandler(TMsgHandler handler);
