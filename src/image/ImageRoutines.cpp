#include "image/ImageRoutines.h"
#include "core/AllClass.h"
#include "core/Clock.h"
#include "core/MacType.h"
#include "image/Codecs.h"

namespace {
TImage &Img() { return AppState.Image; }

// What NewImage stores in each function-settings byte, and what FixImage does to it.
enum TFix { KeepBit0, AboveToDefault, TwoNibbles, Unchanged };
struct TFunctionRule { int Offset; quint8 Blank; TFix Fix; quint8 High; quint8 Default; };
const TFunctionRule FunctionRules[] = {
    {TFunctionByte::Voice, 1, KeepBit0, 0, 0},
    {TFunctionByte::VoiceAnnunciation, 1, KeepBit0, 0, 0},
    {TFunctionByte::Scan, 0, KeepBit0, 0, 0},
    {TFunctionByte::VoxFunction, 0, KeepBit0, 0, 0},
    {TFunctionByte::VoxLevel, 4, AboveToDefault, 8, 4},
    {TFunctionByte::VoxInhibit, 1, KeepBit0, 0, 0},
    {TFunctionByte::LowVolInhibit, 1, KeepBit0, 0, 0},
    {TFunctionByte::HighVolInhibit, 1, KeepBit0, 0, 0},
    {TFunctionByte::InceptAlarm, 0, KeepBit0, 0, 0},
    {TFunctionByte::FmFunction, 1, KeepBit0, 0, 0},
    {TFunctionByte::Spare314, 0xFF, Unchanged, 0, 0},
    {TFunctionByte::Spare315, 0xFF, Unchanged, 0, 0},
    {TFunctionByte::Nibbles, 0xFF, TwoNibbles, 2, 0},
    {TFunctionByte::Epilogue, 1, AboveToDefault, 2, 0},
    {TFunctionByte::BatterySave, 4, AboveToDefault, 4, 4},
    {TFunctionByte::Whisper, 0xFF, Unchanged, 0, 0},
    {TFunctionByte::ClewVoice, 1, Unchanged, 0, 0},
    {TFunctionByte::Squelch, 5, AboveToDefault, 9, 5},
    {TFunctionByte::SideKey, 1, AboveToDefault, 3, 1},
    {TFunctionByte::TxTimeout, 6, AboveToDefault, 30, 6},
};
}

void NewImage() {
  Img().Fill(Layout::RadioStart, Layout::ReadCopySize, 0xFF);
  Img().Fill(Layout::Password, 2 * Layout::PasswordWidth, 0xFF);
  AppState.NewPassword = false;
  for (const auto &rule : FunctionRules) Img().SetByte(rule.Offset, rule.Blank);
  StampIdentity();
  StampWriteTime(NowStampText());
}

void StampIdentity() {
  Img().SetByte(Layout::Ident, 'P');
  const QByteArray code = (AppState.ModelCode.toLatin1() + QByteArray(4, ' ')).left(4);
  Img().SetBytes(Layout::IdentModelCode, code);
  Img().SetByte(Layout::IdentBandCode, quint8(BandTable.CodeOf(AppState.BandName)));
  Img().SetByte(Layout::Ident + 6, 0);
  Img().SetByte(Layout::Ident + 7, 0);
}

QString NowStampText() { return Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

void StampWriteTime(const QString &dateTime) {
  const auto field = [&](int pos, int len) { return dateTime.mid(pos, len).toInt(); };
  Img().SetWord(Layout::WriteTime, quint16(field(0, 4)));
  Img().SetByte(Layout::WriteTime + 2, quint8(field(5, 2)));
  Img().SetByte(Layout::WriteTime + 3, quint8(field(8, 2)));
  Img().SetByte(Layout::WriteTime + 4, quint8(field(11, 2)));
  Img().SetByte(Layout::WriteTime + 5, quint8(field(14, 2)));
  Img().SetByte(Layout::WriteTime + 6, quint8(field(17, 2)));
}

QString WriteTimeText() {
  const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
  const int t = Layout::WriteTime;
  return QString::number(Img().Word(t)) + '-' + two(Img().Byte(t + 2)) + '-' + two(Img().Byte(t + 3)) + ' ' +
         two(Img().Byte(t + 4)) + ':' + two(Img().Byte(t + 5)) + ':' + two(Img().Byte(t + 6));
}

void FixImage() {
  for (const auto &rule : FunctionRules) {
    const quint8 v = Img().Byte(rule.Offset);
    switch (rule.Fix) {
    case KeepBit0: Img().SetByte(rule.Offset, v & 0x01); break;
    case AboveToDefault: if (v > rule.High) Img().SetByte(rule.Offset, rule.Default); break;
    case TwoNibbles: {
      quint8 lo = v & 0x0F, hi = v >> 4;
      if (lo > rule.High) lo = rule.Default;
      if (hi > rule.High) hi = rule.Default;
      Img().SetByte(rule.Offset, quint8(hi << 4 | lo));
      break;
    }
    case Unchanged: break;
    }
  }
  const quint8 code = quint8(BandTable.CodeOf(AppState.BandName));
  if (Img().Byte(Layout::IdentBandCode) != code) Img().SetByte(Layout::IdentBandCode, code);
}

QChar VisibleChar(quint8 b) {
  const bool visible = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9');
  return visible ? QChar(b) : QChar(' ');
}

QString VisibleText(int offset, int width) {
  QString s;
  for (int i = 0; i < width; ++i) s += VisibleChar(Img().Byte(offset + i));
  return s;
}

TChannel ReadChannel(int n) {
  TChannel ch;
  const int r = TChannelRecord::Offset(n);
  const auto b = [&](int i) { return Img().Byte(r + i); };
  const auto rx = BcdToFreq(b(0), b(1), b(2), b(3));
  if (!rx) return ch;
  ch.Present = true;
  ch.Rx = *rx;
  const auto tx = BcdToFreq(b(4), b(5), b(6), b(7));
  ch.Tx = tx ? *tx : -1.0;
  ch.RxTone = BytesToTone(b(TChannelRecord::RxTone), b(TChannelRecord::RxTone + 1));
  ch.TxTone = BytesToTone(b(TChannelRecord::TxTone), b(TChannelRecord::TxTone + 1));
  for (int bit = 0; bit < 7; ++bit) ch.Flags[bit] = Img().Bit(r + TChannelRecord::Flags, bit) ? 1 : 0;
  return ch;
}

bool WriteChannelField(int n, TChannelField field, const QString &text) {
  const int r = TChannelRecord::Offset(n);
  switch (field) {
  case RxFreq:
  case TxFreq: {
    const auto bcd = FreqToBcd(text);
    if (!bcd) return false;
    const int at = r + (field == RxFreq ? TChannelRecord::RxFreq : TChannelRecord::TxFreq);
    for (int i = 0; i < 4; ++i) Img().SetByte(at + i, (*bcd)[size_t(i)]);
    if ((*bcd)[0] == 0xFF) {
      // An empty receive frequency blanks the record; an empty transmit frequency takes its tone along.
      if (field == RxFreq) Img().Fill(r + 4, 12, 0xFF);
      else Img().Fill(r + TChannelRecord::TxTone, 2, 0xFF);
    }
    return true;
  }
  case RxTone:
  case TxTone: {
    const auto tone = ToneToBytes(text);
    if (!tone) return false;
    const int at = r + (field == RxTone ? TChannelRecord::RxTone : TChannelRecord::TxTone);
    Img().SetByte(at, (*tone)[0]);
    Img().SetByte(at + 1, (*tone)[1]);
    return true;
  }
  default:
    Img().SetBit(r + TChannelRecord::Flags, int(field) - int(BusyLockBit), text == QLatin1String("1"));
    return true;
  }
}
