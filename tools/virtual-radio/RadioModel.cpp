#include "RadioModel.h"
#include "image/MemoryImage.h"
#include "link/LinkProtocol.h"

namespace {
// Wire addresses of the parts of the radio's memory that the default memory fills.
constexpr int IdentBlock = Layout::WireAddress(Layout::Ident);   // 'P', model code, band code, 0, 0
constexpr int FunctionBlock = Layout::WireAddress(Layout::FunctionStart);
constexpr int SerialBlock = Layout::WireAddress(Layout::Serial);
constexpr int WriteTimeBlock = Layout::WireAddress(Layout::WriteTime);

// Eight BCD digits of 10 Hz, least significant pair first.
QByteArray Bcd(double mhz) {
  qint64 v = qRound64(mhz * 100000.0);
  QByteArray out(4, '\0');
  for (int i = 0; i < 4; ++i) {
    const int lo = int(v % 10);
    v /= 10;
    const int hi = int(v % 10);
    v /= 10;
    out[i] = char((hi << 4) | lo);
  }
  return out;
}
}

TRadioModel::TRadioModel(const TRadioFaults &faults, const QByteArray &memory)
    : Memory(memory.left(MemorySize)), Faults(faults) {
  if (Memory.size() < MemorySize) Memory.append(QByteArray(MemorySize - Memory.size(), char(0xFF)));
}

QByteArray TRadioModel::DefaultMemory(const QByteArray &modelCode) {
  const bool vhf = modelCode == "5405";
  QByteArray m(MemorySize, char(0xFF));
  const double base = vhf ? 146.52 : 462.5625;
  const double step = vhf ? 0.5 : 0.025;
  // Channels 1 to 8: simplex, every other one with a CTCSS tone.
  for (int n = 1; n <= 8; ++n) {
    const int rec = Layout::WireAddress(TChannelRecord::Offset(n));
    const QByteArray f = Bcd(base + step * (n - 1));
    m.replace(rec, 4, f);
    m.replace(rec + 4, 4, f);
    if (n % 2 == 0) {
      m[rec + TChannelRecord::RxTone] = char(0x85);   // 88.5 Hz as 885 in BCD, low byte first
      m[rec + TChannelRecord::RxTone + 1] = char(0x08);
      m[rec + TChannelRecord::TxTone] = char(0x85);
      m[rec + TChannelRecord::TxTone + 1] = char(0x08);
    }
    m[rec + TChannelRecord::Flags] = char(n % 3 == 0 ? 0xE3 : 0xEF);   // all scanned, every third one wide and low power
  }
  const char settings[20] = {1, 1, 0, 0, 4, 1, 1, 1, 0, 1, char(0xFF), char(0xFF), 0, 1, 4, char(0xFF), 1, 5, 1, 6};
  m.replace(FunctionBlock, Layout::FunctionSize, QByteArray(settings, Layout::FunctionSize));
  QByteArray ident = "P" + modelCode.left(4) + QByteArray(1, char(vhf ? 242 : 244)) + QByteArray(2, '\0');
  m.replace(IdentBlock, Layout::IdentSize, ident);
  m.replace(SerialBlock, Layout::SerialWidth, QByteArray("ZL6405S00012345 "));
  const char when[7] = {char(0xEA), 0x07, 1, 15, 10, 30, 0};   // 2026-01-15 10:30:00
  m.replace(WriteTimeBlock, Layout::WriteTimeSize, QByteArray(when, Layout::WriteTimeSize));
  return m;
}

QByteArray TRadioModel::Reply(QByteArray bytes) {
  for (int i = 0; i < Faults.ExtraBytes; ++i) {
    Noise = Noise * 1664525u + 1013904223u;
    bytes.append(char(Noise >> 24));
  }
  return bytes;
}

bool TRadioModel::BlockAllowed() {
  if (Faults.StopAfterBlocks >= 0 && BlocksRead + BlocksWritten >= Faults.StopAfterBlocks) Mute = true;
  return !Mute;
}

QByteArray TRadioModel::Feed(quint8 byte) {
  if (Pulled) return QByteArray();
  ++Moved;
  QByteArray out;
  const char c = char(byte);
  switch (State) {
  case Idle:
    if (c == Frame::Handshake[Matched]) ++Matched;
    else Matched = c == Frame::Handshake[0] ? 1 : 0;
    if (Matched == Frame::Handshake.size()) {
      Matched = 0;
      State = WaitIdentify;
      Mute = false;
      BlocksRead = BlocksWritten = 0;
      ++Handshakes;
      if (Faults.StrayByte >= 0) out.append(char(Faults.StrayByte));
      out.append(Frame::Ack);
      out = Reply(out);
    }
    break;
  case WaitIdentify:
    if (c == Frame::Identify) {
      QByteArray ident = Memory.mid(IdentBlock, Layout::IdentSize);
      ident.replace(Frame::IdentCodePos, Frame::IdentCodeLen, (Faults.ModelCode + "    ").left(4));
      ident.append(QByteArray(8, char(0xFF)));
      out = Reply(ident);
      State = WaitIdentAck;
    } else if (c == Frame::Handshake[0]) {
      State = Idle;
      Matched = 1;
    }
    break;
  case WaitIdentAck:
    if (c == Frame::Ack) {
      out = Reply(QByteArray(1, char(Faults.AckByte)));
      State = Session;
      Cmd.clear();
    } else if (c == Frame::Handshake[0]) {
      State = Idle;
      Matched = 1;
    }
    break;
  case Session:
    if (Cmd.isEmpty() && c == Frame::Handshake[0]) {   // a new handshake: the last session was cut off
      State = Idle;
      Matched = 1;
      break;
    }
    Cmd.append(c);
    out = Command(Cmd);
    break;
  }
  if (Faults.Silent || Mute) out.clear();
  if (Faults.PullAfterBytes >= 0) {
    const int room = Faults.PullAfterBytes - Moved;
    if (room <= 0) {
      Pulled = true;
      return QByteArray();
    }
    if (out.size() >= room) {
      Pulled = true;
      out.truncate(room);
    }
    Moved += int(out.size());
  }
  return out;
}

QByteArray TRadioModel::Command(QByteArray cmd) {
  const char kind = cmd[0];
  const auto addrOf = [&] { return (quint8(cmd[1]) << 8) | quint8(cmd[2]); };
  const auto validAddr = [&](int a) { return a >= 0 && a + Frame::BlockSize <= MemorySize && cmd[3] == Frame::BlockSize; };
  switch (kind) {
  case Frame::Ack:
    Cmd.clear();
    return Reply(QByteArray(1, char(Faults.AckByte)));
  case Frame::End:
    Cmd.clear();
    State = Idle;
    SessionEnded = true;
    return QByteArray();
  case Frame::Read: {
    if (cmd.size() < Frame::CommandSize) return QByteArray();
    Cmd.clear();
    const int a = addrOf();
    if (!validAddr(a) || !BlockAllowed()) return QByteArray();
    ++BlocksRead;
    QByteArray header = cmd.left(Frame::CommandSize);
    header[0] = Frame::Write;
    if (Faults.JunkHeaders)
      for (char &h : header) {
        Noise = Noise * 1664525u + 1013904223u;
        h = char(Noise >> 24);
      }
    return Reply(header + Memory.mid(a, Frame::BlockSize));
  }
  case Frame::Write: {
    if (cmd.size() < Frame::WriteCommandSize) return QByteArray();
    Cmd.clear();
    const int a = addrOf();
    if (!validAddr(a) || !BlockAllowed()) return QByteArray();
    ++BlocksWritten;
    Memory.replace(a, Frame::BlockSize, cmd.mid(Frame::CommandSize, Frame::BlockSize));
    return Reply(QByteArray(1, char(Faults.AckByte)));
  }
  default:
    Cmd.clear();   // not a command: wait for the next one
    return QByteArray();
  }
}
