// zl6405s-virtual-radio: a ZL-6405s radio on a pseudo-terminal, for trying the program without
// hardware, for the end-to-end tests and for the benchmarks.
#include "RadioModel.h"
#include "image/MemoryImage.h"
#include "link/LinkProtocol.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {
volatile sig_atomic_t StopRequested = 0;
volatile sig_atomic_t SaveRequested = 0;

void OnStop(int) { StopRequested = 1; }
void OnSave(int) { SaveRequested = 1; }

using TNanos = qint64;
TNanos NowNs() {
  timespec ts {};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return TNanos(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// One byte on a 2400-baud 8N2 line: start bit, 8 data bits, 2 stop bits.
constexpr TNanos ByteNs = TNanos(1000000000) * LineSettings::BitsPerByte / LineSettings::Baud;

struct TTimedByte {
  TNanos Due;
  char Byte;
};

int ParseNumberArg(const QString &text, bool *ok) {
  return text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toInt(ok, 16) : text.toInt(ok, 0);
}

class TVirtualRadio {
public:
  TVirtualRadio(TRadioModel &model, bool paced, int turnaroundMs, bool verbose)
      : Model(model), Paced(paced), TurnaroundNs(TNanos(turnaroundMs) * 1000000), Verbose(verbose) {}

  QString SavePath;
  int Master = -1;

  void Save() {
    if (SavePath.isEmpty()) return;
    QFile f(SavePath);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(Model.Memory) != Model.Memory.size())
      std::fprintf(stderr, "virtual radio: cannot save memory to %s\n", qPrintable(SavePath));
  }

  // Serves the line until asked to stop or the cable is pulled.
  void Run() {
    while (!StopRequested && !Model.Pulled) {
      if (SaveRequested) {
        SaveRequested = 0;
        Save();
      }
      const TNanos now = NowNs();
      ProcessIncoming(now);
      SendDue(now);
      if (Model.Pulled) break;
      TNanos next = now + 100000000;   // look at the signal flags now and then
      if (!In.empty()) next = qMin(next, In.front().Due);
      if (!Out.empty()) next = qMin(next, Out.front().Due);
      const TNanos wait = qMax<TNanos>(0, next - NowNs());
      timespec ts {time_t(wait / 1000000000), long(wait % 1000000000)};
      pollfd p {Master, POLLIN, 0};
      const int r = ppoll(&p, 1, &ts, nullptr);
      if (r > 0 && (p.revents & POLLIN)) Receive();
    }
  }

private:
  void Receive() {
    char buf[256];
    const ssize_t n = ::read(Master, buf, sizeof buf);
    if (n <= 0) return;
    const TNanos now = NowNs();
    for (ssize_t i = 0; i < n; ++i) {
      // On a real line each byte arrives one byte time after the previous one has.
      TNanos due = now;
      if (Paced) {
        InLineFree = qMax(InLineFree, now) + ByteNs;
        due = InLineFree;
      }
      In.push_back({due, buf[i]});
    }
  }

  void ProcessIncoming(TNanos now) {
    while (!In.empty() && In.front().Due <= now && !Model.Pulled) {
      const TTimedByte b = In.front();
      In.pop_front();
      const int handshakes = Model.Handshakes;
      const QByteArray reply = Model.Feed(quint8(b.Byte));
      if (Verbose && Model.Handshakes != handshakes) std::fprintf(stderr, "virtual radio: handshake\n");
      if (Model.SessionEnded) {
        Model.SessionEnded = false;
        if (Verbose)
          std::fprintf(stderr, "virtual radio: end (%d blocks read, %d written)\n", Model.BlocksRead,
                       Model.BlocksWritten);
        if (Model.BlocksWritten > 0) Save();
      }
      TNanos due = b.Due + TurnaroundNs;
      for (const char c : reply) {
        if (Paced) {
          // A byte is complete at the other end one byte time after it started.
          OutLineFree = qMax(OutLineFree, due) + ByteNs;
          Out.push_back({OutLineFree, c});
        } else {
          Out.push_back({due, c});
        }
      }
    }
  }

  void SendDue(TNanos now) {
    // Everything due now goes out in one write: the program sees it as one batch.
    QByteArray chunk;
    while (!Out.empty() && Out.front().Due <= now) {
      chunk.append(Out.front().Byte);
      Out.pop_front();
    }
    qsizetype done = 0;
    while (done < chunk.size()) {
      const ssize_t n = ::write(Master, chunk.constData() + done, size_t(chunk.size() - done));
      if (n > 0) done += n;
      else if (n < 0 && errno != EINTR && errno != EAGAIN) break;
    }
  }

  TRadioModel &Model;
  bool Paced;
  TNanos TurnaroundNs;
  bool Verbose;
  std::deque<TTimedByte> In, Out;
  TNanos InLineFree = 0, OutLineFree = 0;
};
}

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zl6405s-virtual-radio"));
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "A ZL-6405s radio on a pseudo-terminal. Prints the device path on the first line of standard\n"
      "output, then answers the programming protocol until it is stopped (SIGTERM, Ctrl+C).\n"
      "SIGUSR1 saves the memory (--save) at once."));
  parser.addHelpOption();
  const QList<QCommandLineOption> options = {
      {"link", "Also make PATH a symbolic link to the device.", "PATH"},
      {"memory", "Load the 368-byte radio memory from FILE (or a 448-byte data file).", "FILE"},
      {"save", "Save the 368-byte memory to FILE after every write, on SIGUSR1 and on exit.", "FILE"},
      {"model", "Model code in the identification reply (default 6405; any 4 characters).", "CODE"},
      {"paced", "Pace the bytes in both directions like a real 2400-baud 8N2 line."},
      {"turnaround", "The radio's delay before each reply, in ms (default 0).", "MS"},
      {"silent", "Never answer."},
      {"stray-byte", "Send BYTE before the handshake acknowledgement.", "BYTE"},
      {"junk-headers", "Fill the 4 header bytes of every data reply with noise."},
      {"extra-bytes", "Send N bytes of noise after every reply.", "N"},
      {"stop-after", "Answer K block commands in each session, then fall silent.", "K"},
      {"ack", "Acknowledge with BYTE instead of 0x06 once identified.", "BYTE"},
      {"pull-after", "Pull the cable after N bytes (both directions counted).", "N"},
      {"verbose", "Report sessions on standard error."},
  };
  parser.addOptions(options);
  parser.process(app);

  TRadioFaults faults;
  bool ok = true;
  const auto number = [&](const char *name, int fallback) {
    if (!parser.isSet(QString::fromLatin1(name))) return fallback;
    bool good = false;
    const int v = ParseNumberArg(parser.value(QString::fromLatin1(name)), &good);
    if (!good || v < 0) {
      std::fprintf(stderr, "virtual radio: --%s needs a number\n", name);
      ok = false;
    }
    return v;
  };
  if (parser.isSet("model")) faults.ModelCode = parser.value("model").toLatin1();
  faults.Silent = parser.isSet("silent");
  faults.StrayByte = number("stray-byte", -1);
  faults.JunkHeaders = parser.isSet("junk-headers");
  faults.ExtraBytes = number("extra-bytes", 0);
  faults.StopAfterBlocks = number("stop-after", -1);
  faults.AckByte = number("ack", 0x06);
  faults.PullAfterBytes = number("pull-after", -1);
  const int turnaround = number("turnaround", 0);
  if (!ok) return 2;

  QByteArray memory = TRadioModel::DefaultMemory(faults.ModelCode);
  if (parser.isSet("memory")) {
    QFile f(parser.value("memory"));
    if (!f.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "virtual radio: cannot read %s\n", qPrintable(f.fileName()));
      return 2;
    }
    const QByteArray all = f.readAll();
    // A data file holds image bytes 16 to 447 behind its 16-byte header: the radio's part
    // starts at file offset 16.
    if (all.size() == Layout::ImageSize) memory = all.mid(Layout::RadioStart, TRadioModel::MemorySize);
    else if (all.size() == TRadioModel::MemorySize) memory = all;
    else {
      std::fprintf(stderr, "virtual radio: %s is neither 368 nor 448 bytes\n", qPrintable(f.fileName()));
      return 2;
    }
  }
  TRadioModel model(faults, memory);

  int master = -1, slave = -1;
  if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
    std::fprintf(stderr, "virtual radio: no pseudo-terminal: %s\n", std::strerror(errno));
    return 1;
  }
  // The program's end stays open here too, so that the line never hangs up between sessions,
  // and raw until the program sets its own modes: nothing is echoed back.
  termios t {};
  tcgetattr(slave, &t);
  cfmakeraw(&t);
  tcsetattr(slave, TCSANOW, &t);
  fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  fcntl(master, F_SETFD, FD_CLOEXEC);
  fcntl(slave, F_SETFD, FD_CLOEXEC);
  const QString device = QString::fromLocal8Bit(ptsname(master));

  const QString link = parser.value("link");
  if (!link.isEmpty()) {
    const QByteArray path = QFile::encodeName(link);
    if (QFileInfo(link).isSymLink()) ::unlink(path.constData());
    if (::symlink(QFile::encodeName(device).constData(), path.constData()) != 0) {
      std::fprintf(stderr, "virtual radio: cannot make the link %s: %s\n", path.constData(), std::strerror(errno));
      return 1;
    }
  }
  std::printf("%s\n", qPrintable(device));
  std::fflush(stdout);

  struct sigaction stop {};
  stop.sa_handler = OnStop;
  sigaction(SIGTERM, &stop, nullptr);
  sigaction(SIGINT, &stop, nullptr);
  sigaction(SIGHUP, &stop, nullptr);
  struct sigaction save {};
  save.sa_handler = OnSave;
  sigaction(SIGUSR1, &save, nullptr);

  TVirtualRadio radio(model, parser.isSet("paced"), turnaround, parser.isSet("verbose"));
  radio.SavePath = parser.value("save");
  radio.Master = master;
  radio.Run();
  if (model.Pulled && parser.isSet("verbose")) std::fprintf(stderr, "virtual radio: cable pulled\n");

  // Pulling the cable or stopping: the device goes away for the program.
  ::close(slave);
  ::close(master);
  if (!link.isEmpty() && QFileInfo(link).isSymLink()) ::unlink(QFile::encodeName(link).constData());
  radio.Save();
  return 0;
}
