#pragma once
// A fake clock and a scripted serial port for the engine tests: time moves only when the test
// runs events, so every time-out is exact and nothing depends on the machine's speed.
#include "link/LinkClock.h"
#include "link/SerialPort.h"
#include <QByteArray>
#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class TFakeClock : public TLinkClock {
public:
  qint64 Now = 0;

  void Pause(int ms) override {
    Pauses.push_back({Now, ms});
    Now += ms;   // events that fall due meanwhile run afterwards, as on a blocked thread
  }

  std::unique_ptr<TLinkTimer> NewTimer(int intervalMs, std::function<void()> onTimeout) override {
    return std::make_unique<TTimer>(*this, intervalMs, std::move(onTimeout));
  }

  void At(qint64 when, std::function<void()> fn) { Events.emplace(std::make_pair(when, Seq++), std::move(fn)); }

  // Runs the next event; false when none is left.
  bool Step() {
    if (Events.empty()) return false;
    auto it = Events.begin();
    Now = qMax(Now, it->first.first);
    auto fn = std::move(it->second);
    Events.erase(it);
    fn();
    return true;
  }
  // Runs events up to a time and leaves the clock there.
  void RunUntil(qint64 when) {
    while (!Events.empty() && Events.begin()->first.first <= when) Step();
    Now = qMax(Now, when);
  }
  void RunFor(qint64 ms) { RunUntil(Now + ms); }
  // Runs events until cond holds; false when the events ran out first.
  bool RunUntil(const std::function<bool()> &cond) {
    while (!cond())
      if (!Step()) return false;
    return true;
  }

  std::vector<std::pair<qint64, int>> Pauses;   // (start, length)

private:
  class TTimer : public TLinkTimer {
  public:
    TTimer(TFakeClock &clock, int interval, std::function<void()> fire)
        : Clock(clock), Interval(interval), Fire(std::move(fire)), Alive(std::make_shared<bool>(true)) {}
    ~TTimer() override { *Alive = false; }
    void Start() override {
      if (Running) return;
      Running = true;
      const int generation = ++Generation;
      std::weak_ptr<bool> alive = Alive;
      Clock.At(Clock.Now + Interval, [this, generation, alive] {
        if (alive.expired() || !*alive.lock() || !Running || generation != Generation) return;
        Running = false;   // one-shot
        Fire();
      });
    }
    void Stop() override {
      Running = false;
      ++Generation;
    }
    bool Active() const override { return Running; }

  private:
    TFakeClock &Clock;
    int Interval;
    std::function<void()> Fire;
    std::shared_ptr<bool> Alive;
    bool Running = false;
    int Generation = 0;
  };

  std::map<std::pair<qint64, int>, std::function<void()>> Events;
  int Seq = 0;
};

// The radio end of the fake line answers every written byte; its answer to one write arrives
// Latency ms later as one batch.
class TFakePort : public TSerialPort {
public:
  explicit TFakePort(TFakeClock &clock) : Clock(clock) {}

  struct TWrite {
    qint64 At;
    QByteArray Bytes;
  };

  std::function<QByteArray(quint8)> Radio;
  int Latency = 10;
  int OpenError = 0;            // errno of a failing open
  int FailWritesFrom = -1;      // writes with this index and later fail
  bool FailDiscard = false;
  std::vector<TWrite> Writes;   // every successful write, with its time
  QString OpenedDevice;
  int Opens = 0;

  bool Open(const QString &device, QString *reason) override {
    OpenedDevice = device;
    if (OpenError) {
      SysError = OpenError;
      if (reason) *reason = QString::fromLocal8Bit(std::strerror(OpenError));
      return false;
    }
    ++Opens;
    IsOpenNow = true;
    return true;
  }
  void Close() override {
    IsOpenNow = false;
    Queue.clear();
  }
  bool IsOpen() const override { return IsOpenNow; }
  bool DiscardInput() override {
    Queue.clear();
    return !FailDiscard;
  }
  bool DiscardOutput() override { return !FailDiscard; }
  bool Write(const QByteArray &bytes) override {
    if (!IsOpenNow || (FailWritesFrom >= 0 && int(Writes.size()) >= FailWritesFrom)) {
      SysError = EIO;
      return false;
    }
    Writes.push_back({Clock.Now, bytes});
    QByteArray reply;
    if (Radio)
      for (const char b : bytes) reply += Radio(quint8(b));
    if (!reply.isEmpty()) DeliverAt(Clock.Now + Latency, reply);
    return true;
  }
  int Unsent() override { return IsOpenNow ? 0 : -1; }
  QByteArray Take(int count) override {
    const QByteArray out = Queue.left(count);
    Queue.remove(0, out.size());
    return out;
  }

  // Bytes arriving from the line.
  void Deliver(const QByteArray &bytes) {
    if (!IsOpenNow) return;
    Queue += bytes;
    emit BytesAvailable(int(Queue.size()));
  }
  void DeliverAt(qint64 when, const QByteArray &bytes) {
    Clock.At(when, [this, bytes] { Deliver(bytes); });
  }
  void LineErrorAt(qint64 when) {
    Clock.At(when, [this] {
      if (IsOpenNow) emit LineError(LineFault::Framing);
    });
  }
  // All bytes written, in order.
  QByteArray Sent() const {
    QByteArray all;
    for (const auto &w : Writes) all += w.Bytes;
    return all;
  }

private:
  TFakeClock &Clock;
  bool IsOpenNow = false;
  QByteArray Queue;
};
