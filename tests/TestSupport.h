#pragma once
// Shared test fixtures: a scripted message box and a fresh program state in a temporary directory.
#include "core/AllClass.h"
#include "core/Clock.h"
#include "core/Maindb.h"
#include "core/ShowMsg.h"
#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>

// Records every ShowMsg call and answers questions from a queue (No when the queue is empty).
class TMsgScript {
public:
  struct TCall { QString Caption, Text; int Kind; QString Details; };
  TMsgScript() {
    Previous = SetMsgHandler([this](const QString &c, const QString &t, int k, const QString &d) {
      Calls.push_back({c, t, k, d});
      if (k != MsgQuestion) return MsgOk;
      if (Answers.empty()) return MsgNo;
      const int a = Answers.front();
      Answers.pop_front();
      return a;
    });
  }
  ~TMsgScript() { SetMsgHandler(Previous); }
  void Answer(int a) { Answers.push_back(a); }
  QStringList Texts() const { QStringList l; for (const auto &c : Calls) l << c.Text; return l; }
  void Clear() { Calls.clear(); }

  std::vector<TCall> Calls;
  std::deque<int> Answers;

private:
  TMsgHandler Previous;
};

// The program's state as after start-up, with the program's directory in a temporary folder.
class TFreshState {
public:
  explicit TFreshState(bool blankImage = true) {
    DataModuleCreate(Dir.path());
    SetClock([] { return QDateTime(QDate(2026, 5, 9), QTime(8, 7, 6)); });
    if (blankImage) StartWithBlankImage();
  }
  ~TFreshState() { SetClock(nullptr); }
  QString Path(const QString &name) const { return Dir.filePath(name); }
  QTemporaryDir Dir;
};
