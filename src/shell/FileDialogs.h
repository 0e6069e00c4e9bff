#pragma once
// The open and save dialogs for data files, behind a replaceable handler so that tests can
// choose a path (or cancel) without a person at the screen.
#include <QString>
#include <functional>

class QWidget;

enum class TFileDialogKind { Open, Save };
// Returns the chosen path, or an empty text when the user cancelled.
using TFileDialogHandler = std::function<QString(QWidget *parent, TFileDialogKind kind)>;

QString ChooseDataFile(QWidget *parent, TFileDialogKind kind);
// Installs a handler and returns the previous one; an empty handler restores the desktop dialogs.
TFileDialogHandler SetFileDialogHandler(TFileDialogHandler handler);
