#pragma once
// The 448-byte memory image and the named layout of its records.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// Where things live in the image (decimal image offsets).
namespace Layout {
constexpr int ImageSize = 448;
constexpr int Password = 0, NewPassword = 8, PasswordWidth = 8;
constexpr int RadioStart = 16;          // first byte that travels to and from the radio
constexpr int RadioSize = 368;          // bytes 16..383
constexpr int RadioEnd = RadioStart + RadioSize;
constexpr int ReadCopySize = 416;       // a completed read copies 16..431
constexpr int FunctionStart = 304, FunctionSize = 20;
constexpr int Ident = 336, IdentSize = 8;
constexpr int IdentModelCode = 337, IdentBandCode = 341;
constexpr int RadioPassword = 344;
constexpr int Serial = 352, SerialWidth = 16;
constexpr int WriteTime = 368, WriteTimeSize = 7;
constexpr int ChannelCount = 16;
// Wire address of an image offset within 16..383.
constexpr int WireAddress(int offset) { return offset - RadioStart; }
}

// One 16-byte channel record; channel n (1..16) starts at 16 + 16 * n.
struct TChannelRecord {
  static constexpr int Size = 16, RxFreq = 0, TxFreq = 4, RxTone = 8, TxTone = 10, Flags = 12;
  static constexpr int Offset(int channel) { return Layout::RadioStart + Size * channel; }
};

// Flag bits of record byte 12. A 0 bit means "on" for the on/off features.
namespace ChannelBit {
constexpr int BusyLockOff = 0, Spare = 1, Narrow = 2, HighPower = 3, ScanOff = 4, CompanderOff = 5,
              ScramblerOff = 6, WhisperOff = 7;
}

// Function-settings bytes.
struct TFunctionByte {
  static constexpr int Voice = 304, VoiceAnnunciation = 305, Scan = 306, VoxFunction = 307, VoxLevel = 308,
                       VoxInhibit = 309, LowVolInhibit = 310, HighVolInhibit = 311, InceptAlarm = 312,
                       FmFunction = 313, Spare314 = 314, Spare315 = 315, Nibbles = 316, Epilogue = 317,
                       BatterySave = 318, Whisper = 319, ClewVoice = 320, Squelch = 321, SideKey = 322,
                       TxTimeout = 323;
};

// Bounds-checked byte access; an offset outside the image is a programming error and throws.
class TImage {
public:
  TImage() { Bytes_.fill(0); }

  quint8 Byte(int off) const { return Bytes_.at(Check(off, 1)); }
  void SetByte(int off, quint8 v) { Bytes_.at(Check(off, 1)) = v; }
  bool Bit(int off, int bit) const { return (Byte(off) >> bit) & 1; }
  void SetBit(int off, int bit, bool on) {
    const quint8 mask = quint8(1u << bit);
    SetByte(off, on ? quint8(Byte(off) | mask) : quint8(Byte(off) & ~mask));
  }
  quint16 Word(int off) const { Check(off, 2); return quint16(Bytes_[off] | (Bytes_[off + 1] << 8)); }
  void SetWord(int off, quint16 v) { Check(off, 2); Bytes_[off] = quint8(v); Bytes_[off + 1] = quint8(v >> 8); }
  QByteArray Bytes(int off, int len) const {
    Check(off, len);
    return QByteArray(reinterpret_cast<const char *>(Bytes_.data() + off), len);
  }
  void SetBytes(int off, const QByteArray &data) {
    Check(off, int(data.size()));
    for (int i = 0; i < data.size(); ++i) Bytes_[off + i] = quint8(data[i]);
  }
  void Fill(int off, int len, quint8 v) { Check(off, len); for (int i = 0; i < len; ++i) Bytes_[off + i] = v; }
  // A fixed-width text: the typed text padded with spaces and cut to the width.
  void SetText(int off, int width, const QString &text) {
    SetBytes(off, (text.toLatin1() + QByteArray(width, ' ')).left(width));
  }
  bool operator==(const TImage &o) const { return Bytes_ == o.Bytes_; }
  bool operator!=(const TImage &o) const { return Bytes_ != o.Bytes_; }

private:
  static int Check(int off, int len);
  std::array<quint8, Layout::ImageSize> Bytes_;
};
