// Reading the radio: handshake, identification, 46 blocks, end; the image changes only at the end.
#include "core/AllClass.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "core/ShowMsg.h"
#include "image/ImageRoutines.h"
#include "link/LinkClock.h"
#include "link/LinkEngine.h"
#include "link/SerialPort.h"

TReadEngine::TReadEngine(TSerialPort &port, TLinkClock &clock, QObject *parent) : TLinkEngine(port, clock, parent) {
  ReTime = Clock.NewTimer(LinkTime::ReTime, [this] {
    ReTime->Stop();
    SetOkEnabled(true);
    Start();   // the whole read again, as if OK were pressed
  });
}

TReadEngine::~TReadEngine() = default;

bool TReadEngine::Show() {
  ReadDone = false;
  CanRetry = true;
  return OpenPort(true, true);
}

void TReadEngine::Start() {
  ReadDone = false;
  ResetAttempt();
  SetOkEnabled(false);
  try {
    Clock.Pause(LinkTime::StartPause);
    RxLen = 0;
    Discard();
    SettleAndHandshake();
  } catch (const TPortFault &) {
    StartFailed();
  }
}

void TReadEngine::SendAck() {
  WaitAck = true;
  Send(QByteArray(1, Frame::Ack), Frame::AckLen);
  TryTime->Start();
}

void TReadEngine::Dispatch() {
  switch (Phase) {
  case PhaseHandshake:
    HandshakeReply();
    return;
  case PhaseIdentify:
    HeadTime->Stop();
    if (ModelCatalogue.FindByCode(ReplyModelCode())) {
      Phase = PhaseTransfer;
      BlockAddr = -Frame::BlockSize;
      DataCount = 0;
      SendAck();
    } else {
      // Phase stays: every further reply repeats the check until the window is closed.
      ExpectLen = 0;
      Port.Write(QByteArray(1, Frame::End));   // a failure here changes nothing for the user
      Report(Messages.ModError, TLinkOutcome::ModelRefused);
    }
    return;
  case PhaseTransfer:
    if (WaitAck) {
      if (RxBuf[0] != quint8(Frame::Ack)) return;   // the guarding timer decides
      TryTime->Stop();
      BlockAddr += Frame::BlockSize;
      if (BlockAddr == Frame::EndAddr) {
        Finish();
        return;
      }
      WaitAck = false;
      Send(Frame::BlockCommand(Frame::Read, BlockAddr), Frame::DataLen);
      TryTime->Start();
    } else {
      TryTime->Stop();
      for (int i = 0; i < Frame::BlockSize; ++i)
        ReadData.at(size_t(DataCount + i)) = RxBuf[size_t(Frame::DataPos + i)];
      DataCount += Frame::BlockSize;
      BlockDone();
      Advance();
      SendAck();
    }
    return;
  default:
    return;
  }
}

void TReadEngine::Finish() {
  WaitAck = false;
  Send(QByteArray(1, Frame::End), Frame::AckLen);
  Phase = PhaseIdle;
  SetPosition(Frame::ProgressMax);
  Outcome = TLinkOutcome::Completed;
  ShowMsg(Messages.Confirmation, Messages.ReadOk, MsgInfo);
  // Only now does the image change: 368 bytes from the radio, then zeros up to offset 431.
  const QByteArray copy(reinterpret_cast<const char *>(ReadData.data()), Layout::ReadCopySize);
  AppState.Image.SetBytes(Layout::RadioStart, copy);
  SelectModel(AppState.Image.Byte(Layout::IdentBandCode), true);
  FixImage();
  AppState.Modified = true;
  ReadDone = true;
  CloseTime->Start();
  emit Ended(Outcome);
}

void TReadEngine::StopTimers() {
  TLinkEngine::StopTimers();
  ReTime->Stop();
}

void TReadEngine::TryTimeTimer() {
  TryTime->Stop();
  Phase = PhaseIdle;
  if (ErrShown) return;
  ErrShown = true;
  Report(Messages.ComError, TLinkOutcome::Broken);
  CloseTime->Start();
}

void TReadEngine::LineErrorEvent() {
  Port.DiscardInput();
  Port.DiscardOutput();
  Phase = PhaseIdle;
  if (CanRetry) {
    ErrShown = true;   // a guarding timer still running now expires silently
    CanRetry = false;
    ReTime->Start();
  } else {
    TryTime->Start();   // its expiry reports the failure
  }
}
