#include "core/Clock.h"

namespace {
std::function<QDateTime()> &Source() {
  static std::function<QDateTime()> s;
  return s;
}
}

QDateTime Now() { return Source() ? Source()() : QDateTime::currentDateTime(); }
void SetClock(std::function<QDateTime()> clock) { Source() = std::move(clock); }
