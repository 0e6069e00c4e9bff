#include "link/SerialPort.h"
#include "link/LinkProtocol.h"
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr int WriteStallLimit = 2000;   // ms a full output queue may block one write

QString SystemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// Opens the device for exclusive use by this program; -1 with errno set on failure. The lock
// is advisory and vanishes with the process, so a crash never leaves a port unusable.
int OpenExclusive(const QString &device) {
  const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  if (!::isatty(fd)) {
    ::close(fd);
    errno = ENOTTY;
    return -1;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    errno = EBUSY;
    return -1;
  }
  return fd;
}

speed_t SpeedOf(int baud) {
  switch (baud) {
  case 1200: return B1200;
  case 2400: return B2400;
  case 4800: return B4800;
  case 9600: return B9600;
  default: return B2400;
  }
}

// Raw 8N2 without flow control. Framing and parity errors and breaks are marked in the input
// (PARMRK): 0xFF 0x00 c for a bad byte c, 0xFF 0x00 0x00 for a break, 0xFF 0xFF for a data 0xFF.
bool Configure(int fd) {
  termios t {};
  if (::tcgetattr(fd, &t) != 0) return false;
  ::cfmakeraw(&t);
  t.c_iflag &= ~tcflag_t(IGNBRK | BRKINT | IGNPAR | ISTRIP | IXON | IXOFF | IXANY);
  t.c_iflag |= INPCK | PARMRK;
  t.c_cflag &= ~tcflag_t(CSIZE | PARENB | CRTSCTS);
  t.c_cflag |= CS8 | CSTOPB | CLOCAL | CREAD;
  static_assert(LineSettings::DataBits == 8 && LineSettings::StopBits == 2, "termios flags above");
  t.c_cc[VMIN] = 1;    // with O_NONBLOCK: an empty read is EAGAIN, 0 means the line hung up
  t.c_cc[VTIME] = 0;
  ::cfsetispeed(&t, SpeedOf(LineSettings::Baud));
  ::cfsetospeed(&t, SpeedOf(LineSettings::Baud));
  if (::tcsetattr(fd, TCSANOW, &t) != 0) return false;
  // DTR and RTS power many programming cables. A pseudo-terminal has no modem lines: ignore.
  int lines = TIOCM_DTR | TIOCM_RTS;
  ::ioctl(fd, TIOCMBIS, &lines);
  return true;
}
}

TPosixSerialPort::TPosixSerialPort(QObject *parent) : TSerialPort(parent) {}

TPosixSerialPort::~TPosixSerialPort() { Close(); }

bool TPosixSerialPort::CanOpen(const QString &device) {
  const int fd = OpenExclusive(device);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

bool TPosixSerialPort::Open(const QString &device, QString *reason) {
  Close();
  SysError = 0;
  int fd = OpenExclusive(device);
  if (fd >= 0 && !Configure(fd)) {
    const int err = errno;
    ::close(fd);
    errno = err;
    fd = -1;
  }
  if (fd < 0) {
    SysError = errno;
    if (reason) *reason = SysError == EBUSY ? QStringLiteral("the port is in use by another program")
                                            : SystemReason(SysError);
    return false;
  }
  Fd = fd;
  HungUp = false;
  Received.clear();
  Partial.clear();
  LastOverruns = -1;
  OverrunsSinceLast();   // baseline
  Notifier = std::make_unique<QSocketNotifier>(Fd, QSocketNotifier::Read);
  connect(Notifier.get(), &QSocketNotifier::activated, this, &TPosixSerialPort::ReadReady);
  return true;
}

void TPosixSerialPort::Close() {
  if (Fd < 0) return;
  Notifier.reset();
  ::close(Fd);
  Fd = -1;
  Received.clear();
  Partial.clear();
}

bool TPosixSerialPort::DiscardInput() {
  Received.clear();
  Partial.clear();
  return Flush(TCIFLUSH);
}

bool TPosixSerialPort::DiscardOutput() { return Flush(TCOFLUSH); }

bool TPosixSerialPort::Flush(int queue) {
  if (Fd < 0) return true;   // nothing is queued on a closed port
  if (HungUp) {
    SysError = EIO;
    return false;
  }
  if (::tcflush(Fd, queue) == 0) return true;
  SysError = errno;
  return false;
}

bool TPosixSerialPort::Write(const QByteArray &bytes) {
  if (Fd < 0 || HungUp) {
    SysError = Fd < 0 ? EBADF : EIO;
    return false;
  }
  qsizetype done = 0;
  int waited = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(Fd, bytes.constData() + done, size_t(bytes.size() - done));
    if (n > 0) {
      done += n;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN && waited < WriteStallLimit) {
      pollfd p {Fd, POLLOUT, 0};
      ::poll(&p, 1, 10);
      waited += 10;
      continue;
    }
    SysError = n < 0 ? errno : EIO;
    return false;
  }
  return true;
}

int TPosixSerialPort::Unsent() {
  if (Fd < 0 || HungUp) return -1;
  int n = 0;
  if (::ioctl(Fd, TIOCOUTQ, &n) != 0) {
    SysError = errno;
    return -1;
  }
  return n;
}

QByteArray TPosixSerialPort::Take(int count) {
  const QByteArray out = Received.left(count);
  Received.remove(0, out.size());
  return out;
}

void TPosixSerialPort::ReadReady() {
  if (Fd < 0) return;
  QByteArray raw;
  char buf[512];
  for (;;) {
    const ssize_t n = ::read(Fd, buf, sizeof buf);
    if (n > 0) {
      raw.append(buf, n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) break;
    // End of file or an error: the device went away (a cable pulled, the other end of a
    // pseudo-terminal closed). Stop listening; writes fail from now on.
    HungUp = true;
    if (Notifier) Notifier->setEnabled(false);
    break;
  }
  const qsizetype before = Received.size();
  int faults = UnmarkInput(Partial, raw, Received);
  faults |= OverrunsSinceLast();
  if (Received.size() > before) emit BytesAvailable(int(Received.size()));
  if (faults) emit LineError(faults);
}

int UnmarkInput(QByteArray &pending, const QByteArray &raw, QByteArray &data) {
  const QByteArray in = pending + raw;
  pending.clear();
  int faults = 0;
  qsizetype i = 0;
  while (i < in.size()) {
    if (quint8(in[i]) != 0xFF) {
      data.append(in[i++]);
      continue;
    }
    if (i + 1 >= in.size()) {
      pending = in.mid(i);
      break;
    }
    const quint8 next = quint8(in[i + 1]);
    if (next == 0xFF) {
      data.append(char(0xFF));
      i += 2;
    } else if (next == 0x00) {
      if (i + 2 >= in.size()) {
        pending = in.mid(i);
        break;
      }
      faults |= in[i + 2] == 0 ? LineFault::Break : LineFault::Framing;
      i += 3;
    } else {
      data.append(char(0xFF));   // never produced by the line discipline; keep it as data
      ++i;
    }
  }
  return faults;
}

int TPosixSerialPort::OverrunsSinceLast() {
  // Overruns are counted by the driver, not marked in the input. Pseudo-terminals and some
  // USB adapters keep no counters: then there is nothing to report.
  serial_icounter_struct count {};
  if (Fd < 0 || ::ioctl(Fd, TIOCGICOUNT, &count) != 0) return 0;
  const int overruns = count.overrun + count.buf_overrun;
  const bool more = LastOverruns >= 0 && overruns > LastOverruns;
  LastOverruns = overruns;
  return more ? LineFault::Overrun : 0;
}
