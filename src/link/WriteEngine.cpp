// Writing the radio: identity stamp, handshake, model check, write-time stamp, 46 blocks, end.
#include "core/AllClass.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "core/ShowMsg.h"
#include "image/ImageRoutines.h"
#include "link/LinkClock.h"
#include "link/LinkEngine.h"
#include "link/SerialPort.h"

namespace {
constexpr quint8 PasswordKey = 0x9B;
constexpr int PasswordAddr = Layout::WireAddress(Layout::RadioPassword);
}

TModelCheck CheckModel(const QString &code) {
  const TMacType *radio = ModelCatalogue.FindByCode(code);
  const TMacType *current = AppState.CurrentModel;
  if (!radio || !current) return TModelCheck::Rejected;
  if (radio->Code == current->Code) return TModelCheck::Same;
  return radio->ChannelCount == current->ChannelCount ? TModelCheck::Related : TModelCheck::Rejected;
}

QByteArray ScrambleNewPassword() {
  const QByteArray p = AppState.Image.Bytes(Layout::NewPassword, Layout::PasswordWidth);
  QByteArray out(p.size(), '\0');
  out[0] = char(quint8(p[0]) ^ PasswordKey);
  for (int k = 1; k < p.size(); ++k) out[k] = char(p[k] ^ p[0]);
  return out;
}

QByteArray WriteBlockData(int addr) {
  if (addr == PasswordAddr && AppState.NewPassword) return ScrambleNewPassword();
  return AppState.Image.Bytes(Layout::RadioStart + addr, Frame::BlockSize);
}

TWriteEngine::TWriteEngine(TSerialPort &port, TLinkClock &clock, QObject *parent)
    : TLinkEngine(port, clock, parent) {}

bool TWriteEngine::Show() {
  return OpenPort(false, false);
}

void TWriteEngine::Start() {
  StampIdentity();   // a written radio always carries the program's current model and band
  try {
    Clock.Pause(LinkTime::StartPause);
    ResetAttempt();
    Discard();
    SetOkEnabled(false);
    RxLen = 0;
    SettleAndHandshake();
  } catch (const TPortFault &) {
    StartFailed();
  }
}

void TWriteEngine::Dispatch() {
  switch (Phase) {
  case PhaseHandshake:
    HandshakeReply();
    return;
  case PhaseIdentify:
    HeadTime->Stop();
    switch (CheckModel(ReplyModelCode())) {
    case TModelCheck::Same:
      GoOn();
      return;
    case TModelCheck::Related:
      if (ShowMsg(Messages.Confirmation, Messages.Modforce, MsgQuestion) != MsgYes) {
        // Nothing more happens: no end command, OK stays disabled, the user closes the window.
        Outcome = TLinkOutcome::Declined;
        emit Ended(Outcome);
        return;
      }
      // The link may have failed while the question was open.
      if (Phase == PhaseIdentify) GoOn();
      return;
    case TModelCheck::Rejected:
      ExpectLen = 0;
      Port.Write(QByteArray(1, Frame::End));   // a failure here changes nothing for the user
      Report(Messages.ModError, TLinkOutcome::ModelRefused);
      CloseTime->Start();
      return;
    }
    return;
  case PhaseTransfer: {
    if (RxBuf[0] != quint8(Frame::Ack)) return;   // the guarding timer decides
    TryTime->Stop();
    if (BlockAddr >= 0) BlockDone();
    BlockAddr += Frame::BlockSize;
    if (BlockAddr == Frame::EndAddr) {
      Finish();
      return;
    }
    Send(Frame::BlockCommand(Frame::Write, BlockAddr) + WriteBlockData(BlockAddr), Frame::AckLen);
    TryTime->Start();
    Advance();
    return;
  }
  default:
    return;
  }
}

void TWriteEngine::GoOn() {
  StampWriteTime(NowStampText());
  Phase = PhaseTransfer;
  BlockAddr = -Frame::BlockSize;
  Send(QByteArray(1, Frame::Ack), Frame::AckLen);
  TryTime->Start();
}

void TWriteEngine::Finish() {
  Send(QByteArray(1, Frame::End), Frame::AckLen);
  Phase = PhaseIdle;
  SetPosition(Frame::ProgressMax);
  Outcome = TLinkOutcome::Completed;
  ShowMsg(Messages.Confirmation, Messages.WriteOk, MsgInfo);
  SetPosition(0);
  SetOkEnabled(true);   // the window stays open: OK writes the image again
  emit Ended(Outcome);
}

void TWriteEngine::TryTimeTimer() {
  TryTime->Stop();
  Phase = PhaseIdle;
  if (ErrShown) return;
  SetOkEnabled(true);
  ErrShown = true;
  Report(Messages.ComError, TLinkOutcome::Broken);
  CloseTime->Start();
}

void TWriteEngine::LineErrorEvent() {
  // No restart: part of the radio may already hold new blocks. The window stays open.
  Phase = PhaseIdle;
  if (ErrShown) return;
  ErrShown = true;
  Report(Messages.ComError, TLinkOutcome::Broken);
}
