#include "image/Codecs.h"
#include "core/AllClass.h"
#include "core/Language.h"
#include "core/ShowMsg.h"
#include <cmath>

namespace {
constexpr double UnitsPerMHz = 100000.0;   // a stored frequency counts 10 Hz units

bool HasHexLetter(const QString &s) {
  for (QChar c : s) if (c >= 'A' && c <= 'F') return true;
  return false;
}
QString Hex2(quint8 b) { return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper(); }
}

std::optional<double> ParseNumber(const QString &text) {
  bool ok = false;
  const double v = text.trimmed().toDouble(&ok);   // C locale: '.' is the separator
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

QString FreqText(double mhz) { return QString::number(mhz, 'f', 5); }

std::optional<TBcd4> FreqToBcd(const QString &text) {
  QString t = text;
  const int unit = t.indexOf(QLatin1String("MHz"));
  if (unit >= 0) t = t.left(unit);
  if (t.isEmpty()) return TBcd4{0xFF, 0xFF, 0xFF, 0xFF};
  const auto x = ParseNumber(t);
  if (!x) return std::nullopt;
  const long long units = std::llround(*x * UnitsPerMHz);
  if (units < 0 || units > 99999999) return std::nullopt;
  const QString digits = QStringLiteral("%1").arg(units, 8, 10, QLatin1Char('0'));
  TBcd4 out;
  for (int i = 0; i < 4; ++i) out[size_t(3 - i)] = quint8(digits.mid(2 * i, 2).toUInt(nullptr, 16));
  return out;
}

std::optional<double> BcdToFreq(quint8 b0, quint8 b1, quint8 b2, quint8 b3) {
  const QString s = Hex2(b3) + Hex2(b2) + Hex2(b1) + Hex2(b0);
  if (HasHexLetter(s)) return std::nullopt;
  return s.toLongLong() / UnitsPerMHz;
}

std::optional<TTone2> ToneToBytes(const QString &text) {
  QString t = text;
  const int unit = t.indexOf(QLatin1String("Hz"));
  if (unit >= 0) t = t.left(unit);
  if (t.isEmpty()) return TTone2{0xFF, 0xFF};
  if (t[0] == 'D') {
    if (t.size() < 5) return std::nullopt;
    const QChar p = t[4];
    QChar pol;
    if (p == 'N' || p == 'n') pol = '8';
    else if (p == 'I' || p == 'i') pol = 'C';
    else return std::nullopt;
    bool ok0 = false, ok1 = false;
    const uint b0 = t.mid(2, 2).toUInt(&ok0, 16);
    const uint b1 = (QString(pol) + t[1]).toUInt(&ok1, 16);
    if (!ok0 || !ok1) return std::nullopt;
    return TTone2{quint8(b0), quint8(b1)};
  }
  const auto v = ParseNumber(t);
  if (!v) return std::nullopt;
  const long long tenths = std::llround(*v * 10.0);
  if (tenths < 0 || tenths > 9999) return std::nullopt;
  const QString d = QStringLiteral("%1").arg(tenths, 4, 10, QLatin1Char('0'));
  return TTone2{quint8(d.mid(2, 2).toUInt(nullptr, 16)), quint8(d.left(2).toUInt(nullptr, 16))};
}

QString BytesToTone(quint8 b0, quint8 b1) {
  if (b0 == 0xFF && b1 == 0xFF) return QString();
  const QString s = Hex2(b1) + Hex2(b0);
  if (s[0] == '8') return 'D' + s.mid(1) + 'N';
  if (s[0] == 'C') return 'D' + s.mid(1) + 'I';
  if (HasHexLetter(s)) return QString();
  return QString::number(s.toInt() / 10.0, 'f', 1);
}

double SnapFrequency(double x) {
  const long long a = std::llround(x * UnitsPerMHz);
  const long long raster = (a % 100 == 0) ? 500 : 625;   // 5 kHz or 6.25 kHz
  const long long r = a % raster;
  return r == 0 ? x : double(a - r) / UnitsPerMHz;
}

double CheckFrequency(double v) {
  bool shown = false;
  if (v > AppState.MaxFreq) {
    v = AppState.BandHigh;
    shown = true;
  } else if (v < AppState.MinFreq) {
    v = AppState.BandLow;
    shown = true;
  }
  if (shown) {
    ShowMsg(Messages.Caution, Messages.ErrRange, MsgInfo);
  } else if (v > AppState.BandHigh || v < AppState.BandLow) {
    ShowMsg(Messages.Caution, Messages.OutRange, MsgInfo);
  }
  return v;
}

QString NormalizeTone(const QString &text) {
  if (text.isEmpty()) return text;
  if (text[0] >= '0' && text[0] <= '9') {
    const auto v = ParseNumber(text);
    if (!v) return QStringLiteral("290.0");
    return QString::number(qBound(30.0, *v, 290.0), 'f', 1);
  }
  if (text.size() == 5 && text[0] == 'D' && QStringLiteral("NIni").contains(text[4])) {
    bool octal = true;
    for (int i = 1; i <= 3; ++i) octal = octal && text[i] >= '0' && text[i] <= '7';
    if (octal) return text;
  }
  return QStringLiteral("D777N");
}

QString ChannelFrequencyText(double typed) { return FreqText(SnapFrequency(CheckFrequency(typed))); }

QString ToneEntryText(const QString &typed, const QString &noneText) {
  const QString text = typed.trimmed();
  return text.isEmpty() || text == noneText ? noneText : NormalizeTone(text);
}

QString ToneFieldText(const QString &shown, const QString &noneText) {
  return shown == noneText ? QString() : shown;
}

const QStringList &CtcssTones() {
  static const QStringList list = QStringLiteral(
      "67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 114.8 118.8 123.0 "
      "127.3 131.8 136.5 141.3 146.2 151.4 156.7 162.2 167.9 173.8 179.9 186.2 192.8 203.5 210.7 218.1 225.7 "
      "233.6 241.8 250.3").split(' ');
  return list;
}

const QStringList &DcsCodes() {
  static const QStringList list = QStringLiteral(
      "023 025 026 031 032 043 047 051 054 065 071 072 073 074 114 115 116 125 131 132 134 143 152 155 156 "
      "162 165 172 174 205 223 226 243 244 245 251 261 263 265 271 306 311 315 331 343 346 351 364 365 371 "
      "411 412 413 423 431 432 445 464 465 466 503 506 516 532 546 565 606 612 624 627 631 632 654 662 664 "
      "703 712 723 731 732 734 743 754").split(' ');
  return list;
}

const QStringList &ToneListEntries() {
  static const QStringList list = [] {
    QStringList l = CtcssTones();
    for (const QString &c : DcsCodes()) l << 'D' + c + 'N';
    for (const QString &c : DcsCodes()) l << 'D' + c + 'I';
    return l;
  }();
  return list;
}
