#pragma once
// The link layer shared by reading and writing the radio, and the two transfer engines. The
// engines hold no widgets: a window (or the command-line tool) drives one through Show, Start
// and ClosePort, follows Changed, CloseRequested and Ended, and answers ShowMsg.
#include "link/LinkProtocol.h"
#include <QByteArray>
#include <QObject>
#include <QString>
#include <array>
#include <memory>

class TSerialPort;
class TLinkClock;
class TLinkTimer;

enum TPhase { PhaseIdle = 0, PhaseHandshake = 1, PhaseIdentify = 2, PhaseTransfer = 3 };

// How an attempt ended, for callers that must tell failures apart (the command-line tool).
enum class TLinkOutcome {
  Running,        // nothing final yet
  Completed,      // ReadOk or WriteOk shown
  PortError,      // LPortError: the port could not be opened or used
  NoAnswer,       // ComError: no handshake acknowledgement or identification reply
  ModelRefused,   // ModError
  Declined,       // Modforce answered No
  Broken,         // ComError: the transfer stopped (time-out, line error, port lost)
};

class TLinkEngine : public QObject {
  Q_OBJECT
public:
  TLinkEngine(TSerialPort &port, TLinkClock &clock, QObject *parent = nullptr);
  ~TLinkEngine() override;

  // The window was shown: opens the port; on failure the window closes itself shortly after.
  virtual bool Show() = 0;
  // OK pressed (or the read's automatic restart).
  virtual void Start() = 0;
  // The window closes: the port is closed, nothing more is sent, no timer runs.
  void ClosePort();

  // Where to connect. Empty PortName: AppState.ComPort when the port is opened. A Device
  // (a path) is opened as it is, without looking up a port name.
  QString PortName;
  QString Device;

  int Phase = PhaseIdle;
  int ExpectLen = 0;
  std::array<quint8, Frame::RxBufSize> RxBuf {};
  int RxLen = 0;
  int BlockAddr = 0;
  bool ErrShown = false;

  int Position = 0;       // the progress bar, 0 to Frame::ProgressMax
  int Blocks = 0;         // blocks read, or written and acknowledged, in this attempt
  bool OkEnabled = true;  // the window's OK button
  TLinkOutcome Outcome = TLinkOutcome::Running;
  QString PortDetails;    // why the port could not be opened, and what helps
  QString ReplyModelCode() const;   // the model code of the identification reply in RxBuf

signals:
  void Changed();                        // Position, Blocks or OkEnabled changed
  void CloseRequested();                 // the window closes itself now
  void Ended(TLinkOutcome outcome);      // a result was reported to the user

protected:
  struct TPortFault {};   // a port operation failed; handlers catch it, it never leaves the engine
  // OpenPort: closeFirst and discard are the read's extra steps. On failure the window closes
  // itself CloseTime later.
  bool OpenPort(bool closeFirst, bool discard);
  void ResetAttempt();                   // a new attempt: no phase, no error shown, no progress
  void SettleAndHandshake();             // the settle pause, HeadTime, then the handshake
  void SendHandshake();
  void HandshakeReply();                 // the reply in Phase 1: on to the identification
  // A frame that awaits a reply of expectLen bytes: write, drain, and the caller starts the timer.
  void Send(const QByteArray &frame, int expectLen);
  void WaitSent();
  void Write(const QByteArray &bytes);   // throws TPortFault when the port fails
  void Discard();
  void Advance();                        // one step of the progress bar
  void BlockDone();                      // one more block has reached its destination
  void SetPosition(int position);
  void SetOkEnabled(bool enabled);
  void Report(const QString &text, TLinkOutcome outcome, const QString &details = QString());
  void ReportPortError();                // LPortError once per attempt
  void StartFailed();                    // a port failure while starting: LPortError
  // The guarding timers' handlers; both engines share HeadTime's.
  void HeadTimeTimer();
  virtual void StopTimers();
  virtual void TryTimeTimer() = 0;
  virtual void LineErrorEvent() = 0;
  virtual void Dispatch() = 0;
  virtual int DrainStep() const = 0;
  virtual int DrainSteps() const = 0;

  TSerialPort &Port;
  TLinkClock &Clock;
  std::unique_ptr<TLinkTimer> HeadTime, TryTime, CloseTime;

private:
  void PortTrigger(int count);
  void PortLineError(int faults);
  bool InDispatch = false;
};

class TReadEngine : public TLinkEngine {
  Q_OBJECT
public:
  TReadEngine(TSerialPort &port, TLinkClock &clock, QObject *parent = nullptr);
  ~TReadEngine() override;
  bool Show() override;
  void Start() override;

  static constexpr int ReadDataSize = 432;   // 27 rows of 16
  bool WaitAck = false;
  int DataCount = 0;
  std::array<quint8, ReadDataSize> ReadData {};
  bool CanRetry = false;
  bool ReadDone = false;

protected:
  void Dispatch() override;
  void StopTimers() override;
  void TryTimeTimer() override;
  void LineErrorEvent() override;
  int DrainStep() const override { return LinkTime::ReadDrainStep; }
  int DrainSteps() const override { return LinkTime::ReadDrainSteps; }

private:
  void SendAck();
  void Finish();
  std::unique_ptr<TLinkTimer> ReTime;
};

enum class TModelCheck { Same, Related, Rejected };
// Compares a model code from the radio with the current model.
TModelCheck CheckModel(const QString &code);
// The eight bytes that carry the new password (image offsets 8 to 15) to the radio.
QByteArray ScrambleNewPassword();
// The eight data bytes of a write command for a wire address.
QByteArray WriteBlockData(int addr);

class TWriteEngine : public TLinkEngine {
  Q_OBJECT
public:
  TWriteEngine(TSerialPort &port, TLinkClock &clock, QObject *parent = nullptr);
  bool Show() override;
  void Start() override;

protected:
  void Dispatch() override;
  void TryTimeTimer() override;
  void LineErrorEvent() override;
  int DrainStep() const override { return LinkTime::WriteDrainStep; }
  int DrainSteps() const override { return LinkTime::WriteDrainSteps; }

private:
  void GoOn();
  void Finish();
};
