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

// Input read with PARMRK holds in-band marks: 0xFF 0x00 c for a byte c with a framing or parity
// error, 0xFF 0x00 0x00 for a break, 0xFF 0xFF for a data byte 0xFF. Appends the data bytes of
// pending + raw to data, keeps an incomplete mark at the end in pending, and returns the
// LineFault flags of the marks found. A damaged byte is dropped.
int UnmarkInput(QByteArray &pending, const QByteArray &raw, QByteArray &data);

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
  bool Flush(int queue);
  int OverrunsSinceLast();

  int Fd = -1;
  bool HungUp = false;
  std::unique_ptr<QSocketNotifier> Notifier;
  QByteArray Received;    // taken from the device, not yet by the caller
  QByteArray Partial;     // the start of an error mark split across two reads
  int LastOverruns = -1;  // -1: the driver keeps no counters (a pseudo-terminal)
};
