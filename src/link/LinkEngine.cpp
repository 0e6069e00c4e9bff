// The link layer: opening the port, frames, reply assembly, drain wait, error reporting.
#include "link/LinkEngine.h"
#include "core/AllClass.h"
#include "core/Language.h"
#include "core/ShowMsg.h"
#include "link/LinkClock.h"
#include "link/PortList.h"
#include "link/SerialPort.h"
#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>

namespace {
// What the user can do about a port that does not open; shown as the message's details.
QString PortAdvice(const QString &name, const QString &device, const QString &reason, int err) {
  if (device.isEmpty() && PortNumber(name) < 0)
    return QStringLiteral("\"%1\" is not a port name: a port name is COM followed by a number.").arg(name);
  if (device.isEmpty())
    return QStringLiteral("%1 has no device. Choose another port, or name its device in SysInfo.Ini, "
                          "section [Ports], for example %1=/dev/ttyUSB0.")
        .arg(name);
  const QString where = name.isEmpty() ? device : QStringLiteral("%1 (%2)").arg(name, device);
  QString text = QStringLiteral("%1: %2.").arg(where, reason);
  if (err == EACCES || err == EPERM) {
    QString owner = QStringLiteral("dialout");
    struct stat st {};
    if (::stat(device.toLocal8Bit().constData(), &st) == 0)
      if (const struct group *g = ::getgrgid(st.st_gid)) owner = QString::fromLocal8Bit(g->gr_name);
    text += QStringLiteral("\nYour user may not use this serial port. Add it to the group %1, which owns "
                           "the device:\n    sudo usermod -a -G %1 $USER\nthen log out and in again.")
                .arg(owner);
  } else if (err == ENOENT) {
    text += QStringLiteral("\nIs the programming cable plugged in?");
  }
  return text;
}
}

TLinkEngine::TLinkEngine(TSerialPort &port, TLinkClock &clock, QObject *parent)
    : QObject(parent), Port(port), Clock(clock) {
  HeadTime = Clock.NewTimer(LinkTime::HeadTime, [this] { HeadTimeTimer(); });
  TryTime = Clock.NewTimer(LinkTime::TryTime, [this] { TryTimeTimer(); });
  CloseTime = Clock.NewTimer(LinkTime::CloseTime, [this] {
    CloseTime->Stop();
    emit CloseRequested();
  });
  connect(&Port, &TSerialPort::BytesAvailable, this, &TLinkEngine::PortTrigger);
  connect(&Port, &TSerialPort::LineError, this, &TLinkEngine::PortLineError);
}

TLinkEngine::~TLinkEngine() = default;

void TLinkEngine::ClosePort() {
  StopTimers();
  Port.Close();
}

void TLinkEngine::StopTimers() {
  HeadTime->Stop();
  TryTime->Stop();
  CloseTime->Stop();
}

bool TLinkEngine::OpenPort(bool closeFirst, bool discard) {
  if (closeFirst) Port.Close();
  Clock.Pause(LinkTime::OpenPause);
  const QString name = PortName.isEmpty() ? AppState.ComPort : PortName;
  const QString device = Device.isEmpty() ? PortDevice(name) : Device;
  QString reason;
  bool ok = !device.isEmpty();
  if (ok && discard) ok = Port.DiscardInput() && Port.DiscardOutput();
  if (ok) ok = Port.Open(device, &reason);
  if (ok) return true;
  PortDetails = PortAdvice(Device.isEmpty() ? name : QString(), device, reason, Port.SysError);
  ReportPortError();
  SetOkEnabled(false);   // nothing to start: the window is about to close
  CloseTime->Start();
  return false;
}

void TLinkEngine::ReportPortError() {
  if (ErrShown) return;
  ErrShown = true;
  Report(Messages.LPortError, TLinkOutcome::PortError, PortDetails);
}

void TLinkEngine::StartFailed() {
  const QString name = PortName.isEmpty() ? AppState.ComPort : PortName;
  PortDetails = QStringLiteral("%1: %2.").arg(Device.isEmpty() ? name : Device,
                                               QString::fromLocal8Bit(std::strerror(Port.SysError)));
  ReportPortError();
}

void TLinkEngine::Report(const QString &text, TLinkOutcome outcome, const QString &details) {
  Outcome = outcome;
  ShowMsg(Messages.Confirmation, text, MsgInfo, details);
  emit Ended(outcome);
}

void TLinkEngine::Write(const QByteArray &bytes) {
  if (!Port.Write(bytes)) throw TPortFault();
}

void TLinkEngine::Discard() {
  if (!Port.DiscardInput() || !Port.DiscardOutput()) throw TPortFault();
}

void TLinkEngine::ResetAttempt() {
  Phase = PhaseIdle;
  ErrShown = false;
  Outcome = TLinkOutcome::Running;
  Blocks = 0;
  SetPosition(0);
}

void TLinkEngine::SettleAndHandshake() {
  Clock.Pause(LinkTime::SettlePause);
  HeadTime->Start();
  SendHandshake();
}

void TLinkEngine::SendHandshake() {
  Phase = PhaseHandshake;
  ExpectLen = Frame::AckLen;
  RxLen = 0;
  for (int i = 0; i < Frame::Handshake.size(); ++i) {
    Write(Frame::Handshake.mid(i, 1));
    if (i + 1 < Frame::Handshake.size()) Clock.Pause(LinkTime::HandshakeGap);
  }
}

void TLinkEngine::Send(const QByteArray &frame, int expectLen) {
  ExpectLen = expectLen;
  RxLen = 0;
  Write(frame);
  WaitSent();
}

void TLinkEngine::WaitSent() {
  for (int i = 0; i < DrainSteps(); ++i) {
    const int unsent = Port.Unsent();
    if (unsent < 0) throw TPortFault();
    if (unsent == 0) return;
    Clock.Pause(DrainStep());
  }
}

void TLinkEngine::HandshakeReply() {
  // Some radios send one stray byte first. Only bytes received since the handshake count.
  if (RxBuf[0] != quint8(Frame::Ack) && !(RxLen >= 2 && RxBuf[1] == quint8(Frame::Ack))) return;
  HeadTime->Stop();
  Phase = PhaseIdentify;
  Clock.Pause(LinkTime::IdentifyPause);
  Send(QByteArray(1, Frame::Identify), Frame::IdentLen);
  HeadTime->Start();
}

QString TLinkEngine::ReplyModelCode() const {
  QString code;
  for (int i = 0; i < Frame::IdentCodeLen; ++i) code += QChar::fromLatin1(char(RxBuf[Frame::IdentCodePos + i]));
  return code;
}

void TLinkEngine::SetPosition(int position) {
  Position = qBound(0, position, Frame::ProgressMax);
  emit Changed();
}

void TLinkEngine::Advance() { SetPosition(Position + 1); }

void TLinkEngine::BlockDone() {
  ++Blocks;
  emit Changed();
}

void TLinkEngine::SetOkEnabled(bool enabled) {
  OkEnabled = enabled;
  emit Changed();
}

void TLinkEngine::HeadTimeTimer() {
  HeadTime->Stop();
  Phase = PhaseIdle;
  if (ErrShown) return;
  Clock.Pause(LinkTime::SilencePause);
  ErrShown = true;
  Report(Messages.ComError, TLinkOutcome::NoAnswer);
  CloseTime->Start();
}

void TLinkEngine::PortTrigger(int count) {
  const QByteArray bytes = Port.Take(count);
  for (const char b : bytes) {
    if (RxLen >= Frame::RxBufSize) break;   // later bytes of this reply are dropped
    RxBuf[size_t(RxLen++)] = quint8(b);
  }
  // While a message box of Dispatch is open, bytes are kept but not acted on: a second
  // question on top of the first would answer for a transfer that has moved on.
  if (RxLen < ExpectLen || InDispatch) return;
  InDispatch = true;
  try {
    Dispatch();
  } catch (const TPortFault &) {
    // The port failed in the middle of the transfer (a cable pulled): report it now rather
    // than leave the window waiting for a reply that cannot come.
    HeadTime->Stop();
    TryTimeTimer();
  }
  InDispatch = false;
}

void TLinkEngine::PortLineError(int) {
  // Noise while no transfer runs (a cable being plugged in) is not an error of a transfer.
  if (Phase == PhaseIdle) {
    Port.DiscardInput();
    return;
  }
  LineErrorEvent();
}
