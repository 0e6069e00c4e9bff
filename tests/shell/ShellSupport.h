#pragma once
// Fixtures of the main-window tests: scripted file dialogs and modal dialogs.
#include "shell/FileDialogs.h"
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

// Answers the open and save dialogs from a queue of paths ("" = cancel) and records each call.
class TFileScript {
public:
  TFileScript() {
    Previous = SetFileDialogHandler([this](QWidget *, TFileDialogKind kind) {
      Kinds.push_back(kind);
      if (Paths.empty()) return QString();
      const QString p = Paths.front();
      Paths.pop_front();
      return p;
    });
  }
  ~TFileScript() { SetFileDialogHandler(Previous); }
  void Answer(const QString &path) { Paths.push_back(path); }
  std::vector<TFileDialogKind> Kinds;
  std::deque<QString> Paths;

private:
  TFileDialogHandler Previous;
};

// Runs fn on the dialog of class T as soon as it is shown modally.
template <class T> void OnModal(std::function<void(T *)> fn) {
  QTimer::singleShot(0, [fn] {
    auto *d = qobject_cast<T *>(QApplication::activeModalWidget());
    QVERIFY2(d, "the expected dialog is not shown");
    if (d) fn(d);
  });
}

inline void Activate(QWidget *w) {
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w));
}

inline void WriteFile(const QString &path, const QByteArray &bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}
