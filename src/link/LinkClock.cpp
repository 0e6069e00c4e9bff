#include "link/LinkClock.h"
#include <QTimer>
#include <chrono>
#include <thread>

namespace {
class TQtTimer : public TLinkTimer {
public:
  TQtTimer(int intervalMs, std::function<void()> onTimeout) {
    Timer.setSingleShot(true);
    Timer.setTimerType(Qt::PreciseTimer);
    Timer.setInterval(intervalMs);
    QObject::connect(&Timer, &QTimer::timeout, &Timer, std::move(onTimeout));
  }
  void Start() override {
    if (!Timer.isActive()) Timer.start();
  }
  void Stop() override { Timer.stop(); }
  bool Active() const override { return Timer.isActive(); }

private:
  QTimer Timer;
};
}

void TRealLinkClock::Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::unique_ptr<TLinkTimer> TRealLinkClock::NewTimer(int intervalMs, std::function<void()> onTimeout) {
  return std::make_unique<TQtTimer>(intervalMs, std::move(onTimeout));
}
