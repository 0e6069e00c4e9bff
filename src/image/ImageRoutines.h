#pragma once
// Routines on the memory image of AppState: blank image, stamps, normalisation, channel records.
#include <QString>

void NewImage();
void StampIdentity();
// "yyyy-MM-dd HH:mm:ss" at fixed positions; separators are not checked.
void StampWriteTime(const QString &dateTime);
QString WriteTimeText();
void FixImage();
// Letters and digits stand for themselves; every other byte shows as a space.
QChar VisibleChar(quint8 b);
// The bytes of a fixed-width text field, each through VisibleChar.
QString VisibleText(int offset, int width);
// "yyyy-MM-dd HH:mm:ss" of Now(), for StampWriteTime.
QString NowStampText();

struct TChannel {
  bool Present = false;
  double Rx = 0, Tx = -1.0;     // MHz; Tx -1.0 when the channel has no transmit frequency
  QString RxTone, TxTone;       // empty for no tone
  int Flags[7] = {0, 0, 0, 0, 0, 0, 0};   // bits 0..6 of record byte 12
};

enum TChannelField {
  RxFreq = 0, TxFreq = 1, RxTone = 2, TxTone = 3, BusyLockBit = 4, SpareBit = 5, NarrowBit = 6,
  HighPowerBit = 7, ScanOffBit = 8, CompanderOffBit = 9, ScramblerOffBit = 10, WhisperOffBit = 11
};

TChannel ReadChannel(int n);
// Writes one field of channel n from its display text. A text the field cannot hold (not a
// number, not a tone) writes nothing and gives false.
bool WriteChannelField(int n, TChannelField field, const QString &text);
