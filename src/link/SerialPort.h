#pragma once
// The serial port component: what the radio link needs of a serial line, and the POSIX
// implementation over termios. Both events arrive on the event loop of the thread that owns
// the port (the user-interface thread).
#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

// Kinds of line error, as flags of TSerialPort::LineError.
namespace LineFault {
constexpr int Framing = 1, Parity = 2, Overrun = 4, Break = 8;
}

class TSerialPort : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;
  // Opens a device at 2400 baud, 8 data bits, no parity, 2 stop bits, no flow control, with
  // DTR and RTS on. On failure reason holds the system's explanation and SysError its errno.
  virtual bool Open(const QString &device, QString *reason) = 0;
  virtual void Close() = 0;                       // closing a closed port does nothing
  virtual bool IsOpen() const = 0;
  virtual bool DiscardInput() = 0;                // drops received bytes not yet taken
  virtual bool DiscardOutput() = 0;               // drops queued bytes not yet sent
  virtual bool Write(const QByteArray &bytes) = 0;   // queues the bytes in order; false when unusable
  virtual int Unsent() = 0;                       // bytes still queued; -1 when unusable
  virtual QByteArray Take(int count) = 0;         // up to count received bytes, in arrival order
  int SysError = 0;

signals:
  void BytesAvailable(int count);   // received bytes are waiting, count of them
  void LineError(int faults);       // LineFault flags
};

class TPosixSerialPort : public TSerialPort {
  Q_OBJECT
public:
  explicit TPosixSerialPort(QObject *parent = nullptr);
  ~TPosixSerialPort() override;
  bool Open(const QString &device, QString *reason) override;
  void Close() override;
  bool IsOpen() const override { return Fd >= 0; }
  bool DiscardInput() override;
  bool DiscardOutput() override;
  bool Write(const QByteArray &bytes) override;
  int Unsent() override;
  QByteArray Take(int count) override;

  // Tries to open a device the way Open does and closes it again: is it usable now?
  static bool CanOpen(const QString &device);

private:
  void ReadReady();
  int ParseMarked(const QByteArray &raw);   // removes in-band error marks; returns LineFault flags
  int OverrunsSinceLast();

  int Fd = -1;
  bool HungUp = false;
  std::unique_ptr<QSocketNotifier> Notifier;
  QByteArray Received;    // taken from the device, not yet by the caller
  QByteArray Partial;     // the start of an error mark split across two reads
  int LastOverruns = -1;  // -1: the driver keeps no counters (a pseudo-terminal)
};
