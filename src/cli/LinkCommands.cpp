// ports, read and write: the radio over a serial port.
#include "cli/CliCommon.h"
#include "core/AllClass.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "core/ShowMsg.h"
#include "image/DataFile.h"
#include "link/LinkClock.h"
#include "link/LinkEngine.h"
#include "link/PortList.h"
#include "link/SerialPort.h"
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {
// A transfer takes seconds; far beyond that something is wrong and the tool must not hang.
constexpr int TransferLimitMs = 120000;

// "--port": a device path is opened as it is; anything else is a port name. Without it, the
// port the desktop program would use after its start-up check.
void ChoosePort(QStringList &args, TLinkEngine &engine) {
  const QString port = TakeOption(args, QStringLiteral("--port"));
  if (port.contains('/')) {
    engine.Device = port;
  } else if (!port.isEmpty()) {
    engine.PortName = port.toUpper();
  } else {
    CheckComPort();
    engine.PortName = AppState.ComPort;
  }
}

QString Where(const TLinkEngine &engine) {
  if (!engine.Device.isEmpty()) return engine.Device;
  const QString device = PortDevice(engine.PortName);
  return device.isEmpty() ? engine.PortName : QStringLiteral("%1 (%2)").arg(engine.PortName, device);
}

QString OneLine(QString text) { return text.replace('\n', ' ').simplified(); }

class TProgress {
public:
  explicit TProgress(const char *verb) : Verb(verb), Tty(::isatty(2)) {}
  void Show(int blocks) {
    if (blocks == Last || blocks == 0) return;
    Last = blocks;
    if (Tty) {
      std::fprintf(stderr, "\r%s: %d/%d blocks", Verb, blocks, Frame::BlockCount);
      Open = true;
    } else if (blocks % 10 == 0 || blocks == Frame::BlockCount) {
      std::fprintf(stderr, "%s: %d/%d blocks\n", Verb, blocks, Frame::BlockCount);
    }
  }
  ~TProgress() {
    if (Open) std::fputc('\n', stderr);
  }

private:
  const char *Verb;
  bool Tty;
  bool Open = false;
  int Last = -1;
};

// Runs one transfer as the window would: show, OK, then events until a result is reported.
// Questions are answered here: Modforce with Yes only when forced.
TLinkOutcome RunTransfer(TLinkEngine &engine, bool force, const char *verb) {
  const TMsgHandler previous = SetMsgHandler([force](const QString &, const QString &, int kind, const QString &) {
    if (kind != MsgQuestion) return MsgOk;
    return force ? MsgYes : MsgNo;
  });
  TProgress progress(verb);
  QEventLoop loop;
  QObject::connect(&engine, &TLinkEngine::Ended, &loop, &QEventLoop::quit);
  QObject::connect(&engine, &TLinkEngine::Changed, &loop, [&] { progress.Show(engine.Blocks); });
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
    engine.Outcome = TLinkOutcome::Broken;
    loop.quit();
  });
  if (engine.Show()) {
    engine.Start();
    if (engine.Outcome == TLinkOutcome::Running) {
      limit.start(TransferLimitMs);
      loop.exec();
    }
  }
  engine.ClosePort();
  SetMsgHandler(previous);
  return engine.Outcome;
}

int Failure(TLinkOutcome outcome, const TLinkEngine &engine, bool writing) {
  const QString where = Where(engine);
  switch (outcome) {
  case TLinkOutcome::PortError:
    return Fail(ExitPort, QStringLiteral("cannot open the port: %1").arg(OneLine(engine.PortDetails)));
  case TLinkOutcome::NoAnswer:
    return Fail(ExitNoAnswer, QStringLiteral("the radio does not answer on %1. %2").arg(where, Messages.ComError));
  case TLinkOutcome::ModelRefused:
    return Fail(ExitModel, QStringLiteral("the radio reports model \"%1\", which is refused. %2")
                               .arg(engine.ReplyModelCode(), Messages.ModError));
  case TLinkOutcome::Declined:
    return Fail(ExitModel, QStringLiteral("the radio is model %1, the data is for model %2: nothing written "
                                          "(--force writes it anyway)")
                               .arg(engine.ReplyModelCode(), AppState.ModelCode));
  default:
    return Fail(ExitBroken, QStringLiteral("the transfer broke off after %1 of %2 blocks%3. %4")
                                .arg(engine.Blocks)
                                .arg(Frame::BlockCount)
                                .arg(writing ? QStringLiteral(" (the radio now holds part of the new data)")
                                             : QString(),
                                     Messages.ComError));
  }
}
}

int CmdPorts(QStringList args) {
  QString set = TakeOption(args, QStringLiteral("--set"));
  if (!args.isEmpty()) return Fail(ExitUsage, QStringLiteral("usage: ports [--set COMn=DEVICE]"));
  if (!set.isEmpty()) {
    const int eq = int(set.indexOf('='));
    const QString name = set.left(eq).trimmed().toUpper();
    const int n = PortNumber(name);
    if (eq < 0 || !name.startsWith(QLatin1String("COM")) || n < 1 || n > PortCandidates)
      return Fail(ExitUsage, QStringLiteral("--set needs COMn=DEVICE with n from 1 to %1").arg(PortCandidates));
    QString error;
    if (!SetPortDevice(PortName(n), set.mid(eq + 1).trimmed(), &error)) return Fail(ExitFile, error);
  }
  CheckComPort();
  const QList<TPortInfo> ports = KnownPorts();
  for (const TPortInfo &p : ports)
    Out(QStringLiteral("%1  %2  %3%4")
            .arg(p.Name.leftJustified(6), (p.Present ? QStringLiteral("present") : QStringLiteral("absent")).leftJustified(7),
                 p.Device, p.Name == AppState.ComPort ? QStringLiteral("  (selected)") : QString()));
  return ExitOk;
}

int CmdRead(QStringList args) {
  TPosixSerialPort port;
  TRealLinkClock clock;
  TReadEngine engine(port, clock);
  ChoosePort(args, engine);
  const QString out = TakeOption(args, QStringLiteral("-o"));
  if (out.isEmpty() || !args.isEmpty()) return Fail(ExitUsage, QStringLiteral("usage: read [--port NAME|DEVICE] -o FILE"));
  const TLinkOutcome outcome = RunTransfer(engine, false, "read");
  if (outcome != TLinkOutcome::Completed) return Failure(outcome, engine, false);
  QString error;
  if (!SaveDataFile(out, &error)) return Fail(ExitFile, error);
  Out(QStringLiteral("%1, band %2: read from %3 and saved to %4").arg(AppState.ModelName, AppState.BandName, Where(engine), out));
  return ExitOk;
}

int CmdWrite(QStringList args) {
  TPosixSerialPort port;
  TRealLinkClock clock;
  TWriteEngine engine(port, clock);
  ChoosePort(args, engine);
  const bool force = TakeFlag(args, QStringLiteral("--force"));
  if (args.size() != 1) return Fail(ExitUsage, QStringLiteral("usage: write [--port NAME|DEVICE] [--force] FILE"));
  QString error;
  if (OpenDataFile(args.first(), &error) != TOpenResult::Ok) return Fail(ExitFile, error);
  const TLinkOutcome outcome = RunTransfer(engine, force, "write");
  if (outcome != TLinkOutcome::Completed) return Failure(outcome, engine, true);
  Out(QStringLiteral("%1, band %2: %3 written to %4").arg(AppState.ModelName, AppState.BandName, args.first(), Where(engine)));
  return ExitOk;
}
