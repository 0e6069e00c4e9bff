#pragma once
// The radio's side of the programming protocol, byte by byte, with switches for the faults a
// real radio or cable can show. No timing and no I/O: the virtual radio program paces the
// bytes, and the engine tests feed the model through their fake port.
#include "link/LinkProtocol.h"
#include <QByteArray>

struct TRadioFaults {
  QByteArray ModelCode = "6405";   // the four characters of the identification reply
  bool Silent = false;             // never answers
  int StrayByte = -1;              // a byte sent before the handshake acknowledgement
  bool JunkHeaders = false;        // the four header bytes of data replies are noise
  int ExtraBytes = 0;              // bytes of noise after every reply
  int StopAfterBlocks = -1;        // answers this many block commands per session, then falls silent
  int AckByte = 0x06;              // acknowledgement sent once the radio is identified
  int PullAfterBytes = -1;         // the cable comes out after this many bytes in either direction
};

class TRadioModel {
public:
  static constexpr int MemorySize = Frame::MemorySize;
  TRadioModel(const TRadioFaults &faults, const QByteArray &memory);

  // One byte from the program; returns the radio's answer (often nothing). Once Pulled is set
  // the line is gone: the caller stops and nothing more is answered.
  QByteArray Feed(quint8 byte);

  QByteArray Memory;           // 368 bytes, wire order
  bool Pulled = false;
  int Handshakes = 0;          // handshakes acknowledged
  int BlocksRead = 0, BlocksWritten = 0;   // in the current session
  bool SessionEnded = false;   // set at an end command; the caller clears it

  // A plausible memory for a model code: a few channels, default settings, identification.
  static QByteArray DefaultMemory(const QByteArray &modelCode);

private:
  enum TState { Idle, WaitIdentify, WaitIdentAck, Session };
  QByteArray Reply(QByteArray bytes);
  QByteArray Command(QByteArray cmd);   // a copy: Cmd is cleared while it is read
  bool BlockAllowed();

  TRadioFaults Faults;
  TState State = Idle;
  int Matched = 0;       // handshake characters matched so far
  QByteArray Cmd;        // the command being received
  bool Mute = false;     // fell silent after StopAfterBlocks
  int Moved = 0;         // bytes in either direction, for PullAfterBytes
  quint32 Noise = 0x2545F491u;
};
