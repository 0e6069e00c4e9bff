#pragma once
// Shared pieces of the command-line tool.
#include <QString>
#include <QStringList>

// Exit statuses: each failure class has its own.
enum TExitCode {
  ExitOk = 0,
  ExitUsage = 1,        // unknown command, missing or bad argument
  ExitFile = 2,         // a file cannot be read, written, or is refused
  ExitPort = 3,         // the serial port cannot be opened
  ExitNoAnswer = 4,     // the radio does not answer
  ExitModel = 5,        // the radio's model is refused
  ExitBroken = 6,       // the transfer broke off
};

// Prints "zl6405s-cli: text" on standard error and returns code.
int Fail(int code, const QString &text);
void Out(const QString &text);   // one line on standard output
// Value of "--name VALUE" or "--name=VALUE" in args (removed from args); empty when absent.
QString TakeOption(QStringList &args, const QString &name, bool *present = nullptr);
bool TakeFlag(QStringList &args, const QString &name);

int CmdNew(QStringList args);
int CmdInfo(QStringList args);
int CmdPorts(QStringList args);
int CmdRead(QStringList args);
int CmdWrite(QStringList args);
