#pragma once
// Child windows live in the main window's document area, each wrapped in a QMdiSubWindow.
#include <QMdiSubWindow>
#include <QWidget>

// Closes a child window: its sub-window when it has one, else the widget itself.
inline void CloseChildWindow(QWidget *w) {
  if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget())) sub->close();
  else w->close();
}
