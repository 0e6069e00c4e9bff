#pragma once
// The link's sense of time: blocking pauses and one-shot timers. The real clock sleeps and uses
// QTimer; tests put a fake clock in its place.
#include <functional>
#include <memory>

// A one-shot timer. Start on a running timer does not restart its interval.
class TLinkTimer {
public:
  virtual ~TLinkTimer() = default;
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual bool Active() const = 0;
};

class TLinkClock {
public:
  virtual ~TLinkClock() = default;
  // Blocks the thread: no port event or timer is handled during a pause.
  virtual void Pause(int ms) = 0;
  virtual std::unique_ptr<TLinkTimer> NewTimer(int intervalMs, std::function<void()> onTimeout) = 0;
};

class TRealLinkClock : public TLinkClock {
public:
  void Pause(int ms) override;
  std::unique_ptr<TLinkTimer> NewTimer(int intervalMs, std::function<void()> onTimeout) override;
};
