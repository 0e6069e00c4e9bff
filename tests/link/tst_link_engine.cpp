// The read and write engines against a scripted radio on a fake line with a fake clock.
#include "FakeLink.h"
#include "RadioModel.h"
#include "TestSupport.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "image/ImageRoutines.h"
#include "link/LinkEngine.h"
#include <QtTest>

Q_DECLARE_METATYPE(TLinkOutcome)

namespace {
// A memory in which every byte differs from its neighbours, with settings in range and an
// identification block, so that a byte in the wrong place shows.
QByteArray PatternMemory(const QByteArray &code = "6405", quint8 band = 244) {
  QByteArray m(TRadioModel::MemorySize, '\0');
  for (int i = 0; i < m.size(); ++i) m[i] = char((i * 7 + 3) & 0xFF);
  const char settings[20] = {1, 1, 0, 0, 4, 1, 1, 1, 0, 1, char(0xFF), char(0xFF), 0x21, 1, 4, char(0xFF), 1, 5, 1, 6};
  m.replace(288, 20, QByteArray(settings, 20));
  m.replace(320, 8, "P" + code + QByteArray(1, char(band)) + QByteArray(2, '\0'));
  return m;
}

QByteArray One(char c) { return QByteArray(1, c); }

// The current text of a message key.
QString Text(const QString &key) {
  int count = 0;
  const TMessageKey *keys = MessageKeys(count);
  for (int i = 0; i < count; ++i)
    if (key == QLatin1String(keys[i].Key)) return Messages.*(keys[i].Field);
  return QString();
}

QList<QByteArray> HandshakeFrames() {
  QList<QByteArray> f;
  for (const char c : Frame::Handshake) f << One(c);
  return f << One(Frame::Identify) << One(Frame::Ack);
}

QList<QByteArray> ReadFrames() {
  QList<QByteArray> f = HandshakeFrames();
  for (int a = 0; a < Frame::EndAddr; a += Frame::BlockSize) f << Frame::BlockCommand(Frame::Read, a) << One(Frame::Ack);
  return f << One(Frame::End);
}

QByteArray ImageRadioPart() { return AppState.Image.Bytes(Layout::RadioStart, Layout::RadioSize); }

// One engine on a fake line to a scripted radio, in a fresh program state.
struct TRig {
  TFreshState State;
  TMsgScript Msgs;
  TFakeClock Clock;
  TFakePort Port {Clock};
  TRadioModel Radio;
  std::vector<qint64> Closes;       // times of CloseRequested
  std::vector<int> Positions;       // the progress bar after each change
  std::vector<qint64> MessageTimes;

  explicit TRig(const TRadioFaults &faults = {}, const QByteArray &memory = PatternMemory()) : Radio(faults, memory) {
    Port.Radio = [this](quint8 b) { return Radio.Feed(b); };
    // Marks in the bytes a read must keep.
    AppState.Image.Fill(0, 16, 0xA5);
    AppState.Image.Fill(432, 16, 0x5A);
    SetMsgHandler([this](const QString &c, const QString &t, int k, const QString &d) {
      MessageTimes.push_back(Clock.Now);
      Msgs.Calls.push_back({c, t, k, d});
      if (k != MsgQuestion || Msgs.Answers.empty()) return k == MsgQuestion ? MsgNo : MsgOk;
      const int a = Msgs.Answers.front();
      Msgs.Answers.pop_front();
      return a;
    });
  }
  void Follow(TLinkEngine &engine) {
    engine.Device = QStringLiteral("/dev/fake");
    QObject::connect(&engine, &TLinkEngine::CloseRequested, [this] { Closes.push_back(Clock.Now); });
    QObject::connect(&engine, &TLinkEngine::Changed, [this, &engine] {
      if (Positions.empty() || Positions.back() != engine.Position) Positions.push_back(engine.Position);
    });
  }
  QList<QByteArray> Frames() const {
    QList<QByteArray> f;
    for (const auto &w : Port.Writes) f << w.Bytes;
    return f;
  }
  // When the frame with this content was last written.
  qint64 WrittenAt(const QByteArray &frame) const {
    for (auto it = Port.Writes.rbegin(); it != Port.Writes.rend(); ++it)
      if (it->Bytes == frame) return it->At;
    return -1;
  }
};

enum TSetup { Plain, DropIdentReply, PullCable, LineErrorTwice, OpenDenied, DiscardFails };
}
Q_DECLARE_METATYPE(TSetup)
Q_DECLARE_METATYPE(TRadioFaults)

class TstLinkEngine : public QObject {
  Q_OBJECT
private slots:
  void ReadWholeRadio_data();
  void ReadWholeRadio();
  void ReadToleratesOddReplies_data();
  void ReadToleratesOddReplies();
  void ReadFailures_data();
  void ReadFailures();
  void ReadRestartsOnceAfterLineError_data();
  void ReadRestartsOnceAfterLineError();
  void RejectedModelRepeatsOnEveryReply();
  void CancelInEveryPhase_data();
  void CancelInEveryPhase();
  void WriteWholeRadio_data();
  void WriteWholeRadio();
  void WriteOtherModel_data();
  void WriteOtherModel();
  void WriteFailures_data();
  void WriteFailures();
  void ScrambleNewPassword();
};

void TstLinkEngine::ReadWholeRadio_data() {
  QTest::addColumn<QByteArray>("code");
  QTest::addColumn<int>("band");
  QTest::addColumn<int>("voxLevel");
  QTest::addColumn<QString>("model");
  QTest::addColumn<QString>("bandName");
  QTest::newRow("UHF radio") << QByteArray("6405") << 244 << 4 << "6405" << "450 - 470MHz";
  QTest::newRow("VHF radio, VOX level out of range") << QByteArray("5405") << 242 << 9 << "5405" << "136 - 174MHz";
}

void TstLinkEngine::ReadWholeRadio() {
  QFETCH(QByteArray, code);
  QFETCH(int, band);
  QFETCH(int, voxLevel);
  QFETCH(QString, model);
  QFETCH(QString, bandName);
  QByteArray memory = PatternMemory(code, quint8(band));
  memory[TFunctionByte::VoxLevel - Layout::RadioStart] = char(voxLevel);
  TRig rig({code}, memory);
  TReadEngine engine(rig.Port, rig.Clock);
  rig.Follow(engine);
  const TImage before = AppState.Image;

  QVERIFY(engine.Show());
  QCOMPARE(rig.Clock.Now, LinkTime::OpenPause);
  const qint64 ok = rig.Clock.Now;
  engine.Start();
  QVERIFY(!engine.OkEnabled);
  QVERIFY(rig.Clock.RunUntil([&] { return engine.Outcome != TLinkOutcome::Running; }));

  // The exchange, frame by frame, and its pacing.
  QCOMPARE(rig.Frames(), ReadFrames());
  QCOMPARE(rig.Port.Writes[0].At, ok + LinkTime::StartPause + LinkTime::SettlePause);
  for (int i = 1; i < 7; ++i) QCOMPARE(rig.Port.Writes[size_t(i)].At - rig.Port.Writes[size_t(i - 1)].At, LinkTime::HandshakeGap);
  QCOMPARE(rig.Port.Writes[7].At, rig.Port.Writes[6].At + rig.Port.Latency + LinkTime::IdentifyPause);

  QCOMPARE(rig.Msgs.Texts(), QStringList{Messages.ReadOk});
  QCOMPARE(engine.Outcome, TLinkOutcome::Completed);
  QVERIFY(engine.ReadDone);
  QVERIFY(AppState.Modified);
  // The image: the radio's 368 bytes (settings brought into range), zeros to 431, the rest kept.
  QByteArray expected = memory;
  expected[TFunctionByte::VoxLevel - Layout::RadioStart] = 4;
  QCOMPARE(ImageRadioPart(), expected);
  QCOMPARE(AppState.Image.Bytes(Layout::RadioEnd, 48), QByteArray(48, '\0'));
  QCOMPARE(AppState.Image.Bytes(0, 16), before.Bytes(0, 16));
  QCOMPARE(AppState.Image.Bytes(432, 16), before.Bytes(432, 16));
  QCOMPARE(AppState.ModelCode, model);
  QCOMPARE(AppState.BandName, bandName);
  // The bar: one step per data reply, full from the 44th on.
  std::vector<int> steps;
  for (int p = 0; p <= Frame::ProgressMax; ++p) steps.push_back(p);
  QCOMPARE(rig.Positions, steps);
  // The window closes itself 300 ms after ReadOk.
  rig.Clock.RunFor(1000);
  QCOMPARE(rig.Closes, std::vector<qint64>{rig.MessageTimes.back() + LinkTime::CloseTime});
}

void TstLinkEngine::ReadToleratesOddReplies_data() {
  QTest::addColumn<TRadioFaults>("faults");
  TRadioFaults stray;
  stray.StrayByte = 0x55;
  TRadioFaults junk;
  junk.JunkHeaders = true;
  TRadioFaults extra;
  extra.ExtraBytes = 40;   // every reply overflows the 31-byte buffer
  QTest::newRow("stray byte before the handshake acknowledgement") << stray;
  QTest::newRow("junk in data-reply headers") << junk;
  QTest::newRow("40 extra bytes after every reply") << extra;
}

void TstLinkEngine::ReadToleratesOddReplies() {
  QFETCH(TRadioFaults, faults);
  TRig rig(faults);
  TReadEngine engine(rig.Port, rig.Clock);
  rig.Follow(engine);
  QVERIFY(engine.Show());
  engine.Start();
  QVERIFY(rig.Clock.RunUntil([&] { return engine.Outcome != TLinkOutcome::Running; }));
  QCOMPARE(rig.Msgs.Texts(), QStringList{Messages.ReadOk});
  QCOMPARE(ImageRadioPart(), PatternMemory());
  QCOMPARE(engine.RxLen, 0);   // the end command reset it; nothing was ever kept past 31
}

void TstLinkEngine::ReadFailures_data() {
  QTest::addColumn<TRadioFaults>("faults");
  QTest::addColumn<TSetup>("setup");
  QTest::addColumn<QString>("message");
  QTest::addColumn<TLinkOutcome>("outcome");
  QTest::addColumn<qint64>("shownAfterOk");   // -1: do not check the time
  QTest::addColumn<bool>("closes");

  TRadioFaults none;
  TRadioFaults silent;
  silent.Silent = true;
  TRadioFaults unknown;
  unknown.ModelCode = "9999";
  TRadioFaults stop5;
  stop5.StopAfterBlocks = 5;
  TRadioFaults nak;
  nak.AckByte = 0x15;
  const QString com = QStringLiteral("ComError"), mod = QStringLiteral("ModError"), port = QStringLiteral("LPortError");
  // A silent radio is reported 450 + 50 + 500 + 2500 ms after OK.
  QTest::newRow("silent radio") << silent << Plain << com << TLinkOutcome::NoAnswer << qint64(3500) << true;
  QTest::newRow("no identification reply") << none << DropIdentReply << com << TLinkOutcome::NoAnswer << qint64(-1) << true;
  QTest::newRow("model not in the catalogue") << unknown << Plain << mod << TLinkOutcome::ModelRefused << qint64(-1) << false;
  QTest::newRow("no reply after block 5") << stop5 << Plain << com << TLinkOutcome::Broken << qint64(-1) << true;
  QTest::newRow("acknowledgement 0x15") << nak << Plain << com << TLinkOutcome::Broken << qint64(-1) << true;
  QTest::newRow("cable pulled during the transfer") << none << PullCable << com << TLinkOutcome::Broken << qint64(-1) << true;
  QTest::newRow("a second line error") << none << LineErrorTwice << com << TLinkOutcome::Broken << qint64(-1) << true;
  QTest::newRow("port cannot be opened") << none << OpenDenied << port << TLinkOutcome::PortError << qint64(-1) << true;
  QTest::newRow("port fails while starting") << none << DiscardFails << port << TLinkOutcome::PortError << qint64(-1) << false;
}

void TstLinkEngine::ReadFailures() {
  QFETCH(TRadioFaults, faults);
  QFETCH(TSetup, setup);
  QFETCH(QString, message);
  QFETCH(TLinkOutcome, outcome);
  QFETCH(qint64, shownAfterOk);
  QFETCH(bool, closes);
  TRig rig(faults);
  TReadEngine engine(rig.Port, rig.Clock);
  rig.Follow(engine);
  AppState.Modified = false;
  const TImage before = AppState.Image;
  if (setup == DropIdentReply)
    rig.Port.Radio = [&rig](quint8 b) { return b == quint8(Frame::Identify) ? QByteArray() : rig.Radio.Feed(b); };
  if (setup == PullCable) rig.Port.FailWritesFrom = 20;
  if (setup == OpenDenied) rig.Port.OpenError = EACCES;

  const bool opened = engine.Show();
  QCOMPARE(opened, setup != OpenDenied);
  const qint64 ok = rig.Clock.Now;
  if (opened) {
    if (setup == DiscardFails) rig.Port.FailDiscard = true;
    if (setup == LineErrorTwice) {
      rig.Port.LineErrorAt(ok + 700);    // the first restarts the read ...
      rig.Port.LineErrorAt(ok + 2000);   // ... the second ends it
    }
    engine.Start();
  }
  rig.Clock.RunFor(20000);

  QCOMPARE(rig.Msgs.Texts(), QStringList{Text(message)});
  QCOMPARE(engine.Outcome, outcome);
  if (shownAfterOk >= 0) QCOMPARE(rig.MessageTimes.front() - ok, shownAfterOk);
  QCOMPARE(rig.Closes.size(), size_t(closes ? 1 : 0));
  if (closes) QCOMPARE(rig.Closes.front(), rig.MessageTimes.front() + LinkTime::CloseTime);
  if (setup == OpenDenied) QVERIFY(rig.Msgs.Calls.front().Details.contains("dialout"));
  if (outcome == TLinkOutcome::ModelRefused) QCOMPARE(rig.Frames().last(), One(Frame::End));
  if (faults.AckByte != 0x06 || faults.StopAfterBlocks >= 0)   // 450 ms after the unanswered frame
    QCOMPARE(rig.MessageTimes.front(), rig.Port.Writes.back().At + LinkTime::TryTime);
  // Nothing of a failed read reaches the image.
  QVERIFY(AppState.Image == before);
  QVERIFY(!engine.ReadDone);
  QVERIFY(!AppState.Modified);
}

void TstLinkEngine::ReadRestartsOnceAfterLineError_data() {
  QTest::addColumn<int>("phase");
  QTest::newRow("handshake sent") << int(PhaseHandshake);
  QTest::newRow("identification requested") << int(PhaseIdentify);
  QTest::newRow("block transfer") << int(PhaseTransfer);
}

void TstLinkEngine::ReadRestartsOnceAfterLineError() {
  QFETCH(int, phase);
  TRig rig;
  TReadEngine engine(rig.Port, rig.Clock);
  rig.Follow(engine);
  QVERIFY(engine.Show());
  engine.Start();
  QVERIFY(rig.Clock.RunUntil([&] { return engine.Phase == phase && engine.Blocks >= (phase == PhaseTransfer ? 10 : 0); }));
  const qint64 error = rig.Clock.Now + 1;
  rig.Port.LineErrorAt(error);
  QVERIFY(rig.Clock.RunUntil([&] { return engine.Outcome != TLinkOutcome::Running; }));

  // No message but ReadOk; the second handshake starts 500 ms after the error, then 450 + 50.
  QCOMPARE(rig.Msgs.Texts(), QStringList{Messages.ReadOk});
  QCOMPARE(rig.Radio.Handshakes, 2);
  QCOMPARE(rig.WrittenAt(One('P')), error + LinkTime::ReTime + LinkTime::StartPause + LinkTime::SettlePause);
  QCOMPARE(ImageRadioPart(), PatternMemory());
  QVERIFY(engine.ReadDone);
  QVERIFY(!engine.CanRetry);
}

void TstLinkEngine::RejectedModelRepeatsOnEveryReply() {
  TRadioFaults unknown;
  unknown.ModelCode = "9999";
  TRig rig(unknown);
  TReadEngine engine(rig.Port, rig.Clock);
  rig.Follow(engine);
  // Bytes arriving while ModError is open do not stack a second box on the first.
  int depth = 0, deepest = 0;
  SetMsgHandler([&](const QString &, const QString &t, int, const QString &) {
    rig.Msgs.Calls.push_back({QString(), t, MsgInfo, QString()});
    ++depth;
    deepest = qMax(deepest, depth);
    rig.Port.Deliver("x");
    --depth;
    return MsgOk;
  });
  QVERIFY(engine.Show());
  engine.Start();
  rig.Clock.RunFor(5000);
  QCOMPARE(rig.Msgs.Texts(), QStringList{Messages.ModError});
  QCOMPARE(deepest, 1);
  QVERIFY(!engine.OkEnabled);
  // Every later batch repeats the check, the end command and the message.
  rig.Port.Deliver("y");
  QCOMPARE(rig.Msgs.Texts(), (QStringList{Messages.ModError, Messages.ModError}));
  QCOMPARE(rig.Frames().mid(rig.Frames().size() - 2), (QList<QByteArray>{One(Frame::End), One(Frame::End)}));
  QCOMPARE(engine.Phase, int(PhaseIdentify));
  QVERIFY(rig.Closes.empty());
}

void TstLinkEngine::CancelInEveryPhase_data() {
  QTest::addColumn<bool>("write");
  QTest::addColumn<int>("phase");
  for (const bool write : {false, true}) {
    const char *what = write ? "write" : "read";
    QTest::addRow("%s, ready", what) << write << int(PhaseIdle);
    QTest::addRow("%s, handshake sent", what) << write << int(PhaseHandshake);
    QTest::addRow("%s, identification requested", what) << write << int(PhaseIdentify);
    QTest::addRow("%s, block transfer", what) << write << int(PhaseTransfer);
  }
  QTest::newRow("read, waiting to restart after a line error") << false << -1;
}

void TstLinkEngine::CancelInEveryPhase() {
  QFETCH(bool, write);
  QFETCH(int, phase);
  TRig rig;
  std::unique_ptr<TLinkEngine> engine;
  if (write) engine = std::make_unique<TWriteEngine>(rig.Port, rig.Clock);
  else engine = std::make_unique<TReadEngine>(rig.Port, rig.Clock);
  rig.Follow(*engine);
  const TImage before = AppState.Image;
  const QByteArray radioBefore = rig.Radio.Memory;
  QVERIFY(engine->Show());
  if (phase != PhaseIdle) {
    engine->Start();
    const int until = phase < 0 ? PhaseTransfer : phase;
    QVERIFY(rig.Clock.RunUntil([&] { return engine->Phase == until && engine->Blocks >= (until == PhaseTransfer ? 3 : 0); }));
  }
  if (phase < 0) {
    rig.Port.LineErrorAt(rig.Clock.Now);
    QVERIFY(rig.Clock.RunUntil([&] { return engine->Phase == PhaseIdle; }));
  }
  const size_t sent = rig.Port.Writes.size();
  engine->ClosePort();   // Cancel
  rig.Clock.RunFor(10000);
  QCOMPARE(rig.Port.Writes.size(), sent);   // nothing is sent on closing, no end command
  QVERIFY(rig.Msgs.Calls.empty());
  QVERIFY(!rig.Port.IsOpen());
  if (write) {
    // A write changes the identification block from OK on and the write time once accepted.
    if (phase == PhaseIdle) QVERIFY(AppState.Image == before);
  } else {
    QVERIFY(AppState.Image == before);
    QVERIFY(!static_cast<TReadEngine &>(*engine).ReadDone);
    QCOMPARE(rig.Radio.Memory, radioBefore);
  }
}

void TstLinkEngine::WriteWholeRadio_data() {
  QTest::addColumn<bool>("newPassword");
  QTest::newRow("password as read") << false;
  QTest::newRow("new password set") << true;
}

void TstLinkEngine::WriteWholeRadio() {
  QFETCH(bool, newPassword);
  TRig rig;
  TWriteEngine engine(rig.Port, rig.Clock);
  rig.Follow(engine);
  // An image with a pattern, a foreign identification block and a new password.
  AppState.Image.SetBytes(Layout::RadioStart, PatternMemory("5405", 242));
  AppState.Image.SetBytes(Layout::NewPassword, "AB12cd90");
  AppState.NewPassword = newPassword;
  AppState.Modified = false;
  const QByteArray storedPassword = AppState.Image.Bytes(Layout::RadioPassword, 8);

  QVERIFY(engine.Show());
  engine.Start();
  QVERIFY(rig.Clock.RunUntil([&] { return engine.Outcome != TLinkOutcome::Running; }));

  QCOMPARE(rig.Msgs.Texts(), QStringList{Messages.WriteOk});
  // Stamps: the program's model and band, and the time the radio was accepted.
  QCOMPARE(AppState.Image.Bytes(Layout::Ident, 8), QByteArray("P6405\xF4\0\0", 8));
  QCOMPARE(AppState.Image.Bytes(Layout::WriteTime, 7), QByteArray("\xEA\x07\x05\x09\x08\x07\x06", 7));
  QVERIFY(!AppState.Modified);
  QCOMPARE(AppState.Image.Bytes(Layout::RadioPassword, 8), storedPassword);   // the image keeps it

  // The frames: handshake, identify, acknowledgement, 46 write commands, end.
  QList<QByteArray> frames = HandshakeFrames();
  QByteArray expected = ImageRadioPart();
  if (newPassword) expected.replace(328, 8, ::ScrambleNewPassword());
  for (int a = 0; a < Frame::EndAddr; a += Frame::BlockSize)
    frames << Frame::BlockCommand(Frame::Write, a) + expected.mid(a, Frame::BlockSize);
  frames << One(Frame::End);
  QCOMPARE(rig.Frames(), frames);
  QCOMPARE(rig.Radio.Memory, expected);

  // The window stays open with OK enabled and the bar back at 0; full from the 44th block on.
  QVERIFY(engine.OkEnabled);
  QCOMPARE(engine.Position, 0);
  QCOMPARE(rig.Positions[size_t(Frame::ProgressMax)], Frame::ProgressMax);
  QCOMPARE(rig.Positions.back(), 0);
  rig.Clock.RunFor(2000);
  QVERIFY(rig.Closes.empty());

  // OK again: a complete new write with a new time.
  SetClock([] { return QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)); });
  engine.Start();
  QVERIFY(rig.Clock.RunUntil([&] { return rig.Msgs.Calls.size() == 2; }));
  QCOMPARE(rig.Msgs.Texts().last(), Messages.WriteOk);
  QCOMPARE(rig.Radio.Memory.mid(352, 7), QByteArray("\xEB\x07\x01\x02\x03\x04\x05", 7));
  QCOMPARE(rig.Radio.Handshakes, 2);
}

void TstLinkEngine::WriteOtherModel_data() {
  QTest::addColumn<QByteArray>("radioCode");
  QTest::addColumn<int>("answer");
  QTest::addColumn<QStringList>("messages");
  QTest::addColumn<TLinkOutcome>("outcome");
  const QStringList force = {"Modforce", "WriteOk"};
  QTest::newRow("other catalogue model, Yes") << QByteArray("5405") << MsgYes << force << TLinkOutcome::Completed;
  QTest::newRow("other catalogue model, No") << QByteArray("5405") << MsgNo << QStringList{"Modforce"} << TLinkOutcome::Declined;
  QTest::newRow("model not in the catalogue") << QByteArray("9999") << 0 << QStringList{"ModError"} << TLinkOutcome::ModelRefused;
}

void TstLinkEngine::WriteOtherModel() {
  QFETCH(QByteArray, radioCode);
  QFETCH(int, answer);
  QFETCH(QStringList, messages);
  QFETCH(TLinkOutcome, outcome);
  TRadioFaults faults;
  faults.ModelCode = radioCode;
  TRig rig(faults, PatternMemory("5405", 242));
  TWriteEngine engine(rig.Port, rig.Clock);
  rig.Follow(engine);
  if (answer) rig.Msgs.Answer(answer);
  const QByteArray radioBefore = rig.Radio.Memory;
  const QByteArray timeBefore = AppState.Image.Bytes(Layout::WriteTime, 7);
  QVERIFY(engine.Show());
  engine.Start();
  rig.Clock.RunFor(20000);

  QStringList expected;
  for (const QString &key : messages) expected << Text(key);
  QCOMPARE(rig.Msgs.Texts(), expected);
  QCOMPARE(engine.Outcome, outcome);
  if (outcome == TLinkOutcome::Completed) {
    // The whole image, with the program's identification, not the radio's.
    QCOMPARE(rig.Radio.Memory, ImageRadioPart());
    QCOMPARE(rig.Radio.Memory.mid(321, 4), QByteArray("6405"));
    return;
  }
  QCOMPARE(rig.Radio.Memory, radioBefore);
  QCOMPARE(AppState.Image.Bytes(Layout::WriteTime, 7), timeBefore);   // stamped only once accepted
  if (outcome == TLinkOutcome::ModelRefused) {
    QCOMPARE(rig.Frames().last(), One(Frame::End));
    QCOMPARE(rig.Closes, std::vector<qint64>{rig.MessageTimes.front() + LinkTime::CloseTime});
    return;
  }
  // No: nothing more happens, no end command, no timer; the next bytes ask again.
  QVERIFY(rig.Frames().last() != One(Frame::End));
  QVERIFY(!engine.OkEnabled);
  QVERIFY(rig.Closes.empty());
  QCOMPARE(engine.Phase, int(PhaseIdentify));
  rig.Msgs.Answer(MsgYes);
  rig.Port.Deliver("z");
  rig.Clock.RunFor(20000);
  QCOMPARE(rig.Msgs.Texts(), (QStringList{Messages.Modforce, Messages.Modforce, Messages.WriteOk}));
}

void TstLinkEngine::WriteFailures_data() {
  QTest::addColumn<TRadioFaults>("faults");
  QTest::addColumn<TSetup>("setup");
  QTest::addColumn<TLinkOutcome>("outcome");
  QTest::addColumn<bool>("closes");
  TRadioFaults none;
  TRadioFaults silent;
  silent.Silent = true;
  TRadioFaults stop7;
  stop7.StopAfterBlocks = 7;
  TRadioFaults nak;
  nak.AckByte = 0x15;
  QTest::newRow("silent radio") << silent << Plain << TLinkOutcome::NoAnswer << true;
  QTest::newRow("no acknowledgement after block 7") << stop7 << Plain << TLinkOutcome::Broken << true;
  QTest::newRow("acknowledgement 0x15") << nak << Plain << TLinkOutcome::Broken << true;
  QTest::newRow("cable pulled") << none << PullCable << TLinkOutcome::Broken << true;
  QTest::newRow("line errors") << none << LineErrorTwice << TLinkOutcome::Broken << false;
  QTest::newRow("port cannot be opened") << none << OpenDenied << TLinkOutcome::PortError << true;
}

void TstLinkEngine::WriteFailures() {
  QFETCH(TRadioFaults, faults);
  QFETCH(TSetup, setup);
  QFETCH(TLinkOutcome, outcome);
  QFETCH(bool, closes);
  TRig rig(faults);
  TWriteEngine engine(rig.Port, rig.Clock);
  rig.Follow(engine);
  if (setup == PullCable) rig.Port.FailWritesFrom = 20;
  if (setup == OpenDenied) rig.Port.OpenError = ENOENT;
  const bool opened = engine.Show();
  if (opened) {
    const qint64 ok = rig.Clock.Now;
    if (setup == LineErrorTwice) {
      rig.Port.LineErrorAt(ok + 700);
      rig.Port.LineErrorAt(ok + 900);
    }
    engine.Start();
  }
  rig.Clock.RunFor(20000);
  // One message, no restart.
  QCOMPARE(rig.Msgs.Texts(), QStringList{outcome == TLinkOutcome::PortError ? Messages.LPortError : Messages.ComError});
  QCOMPARE(engine.Outcome, outcome);
  QVERIFY(rig.Radio.Handshakes <= 1);
  QCOMPARE(rig.Closes.size(), size_t(closes ? 1 : 0));
  if (setup == LineErrorTwice) QVERIFY(!engine.OkEnabled);   // the window waits for Cancel
  if (faults.AckByte != 0x06 || faults.StopAfterBlocks >= 0) {
    QCOMPARE(rig.MessageTimes.front(), rig.Port.Writes.back().At + LinkTime::TryTime);
    QVERIFY(engine.OkEnabled);
  }
  if (setup == OpenDenied) QVERIFY(rig.Msgs.Calls.front().Details.contains("plugged in"));
}

void TstLinkEngine::ScrambleNewPassword() {
  TFreshState state;
  AppState.Image.SetBytes(Layout::NewPassword, QByteArray("\x31\x32\x33\x34\xFF\x00\x41\x20", 8));
  const quint8 p1 = 0x31;
  const char expected[8] = {char(p1 ^ 0x9B), char(0x32 ^ p1), char(0x33 ^ p1), char(0x34 ^ p1),
                            char(0xFF ^ p1), char(0x00 ^ p1), char(0x41 ^ p1), char(0x20 ^ p1)};
  QCOMPARE(::ScrambleNewPassword(), QByteArray(expected, 8));
  // Block 328 carries it only while NewPassword is set.
  AppState.NewPassword = false;
  QCOMPARE(WriteBlockData(328), AppState.Image.Bytes(344, 8));
  AppState.NewPassword = true;
  QCOMPARE(WriteBlockData(328), ::ScrambleNewPassword());
  QCOMPARE(WriteBlockData(320), AppState.Image.Bytes(336, 8));
}

QTEST_GUILESS_MAIN(TstLinkEngine)
#include "tst_link_engine.moc"
