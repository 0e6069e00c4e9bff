#pragma once
// The radio's programming protocol: frames, reply lengths, and every interval and pause of the
// link, defined once. The virtual radio uses the same frame constants.
#include <QByteArray>

namespace Frame {
// "PROGRAM", written one byte at a time.
inline const QByteArray Handshake = QByteArrayLiteral("PROGRAM");
constexpr char Identify = 0x02;
constexpr char Ack = 0x06;
constexpr char Read = 'R';
constexpr char Write = 'W';
constexpr char End = 'E';

constexpr int BlockSize = 8;                          // data bytes per block
constexpr int BlockCount = 46;                        // 368 bytes of radio memory
constexpr int MemorySize = BlockSize * BlockCount;
constexpr int EndAddr = MemorySize;                   // the address after the last block
constexpr int CommandSize = 4;                        // 'R'/'W', address high, address low, 8
constexpr int WriteCommandSize = CommandSize + BlockSize;

// Reply lengths the program waits for (ExpectLen).
constexpr int AckLen = 1;
constexpr int IdentLen = 16;
constexpr int IdentCodePos = 1, IdentCodeLen = 4;     // bytes 2 to 5 hold the model code
constexpr int DataLen = CommandSize + BlockSize;      // 4 header bytes, then the block
constexpr int DataPos = CommandSize;

constexpr int RxBufSize = 31;                         // bytes kept per reply; later ones are dropped
constexpr int ProgressMax = 44;                       // the progress bar fills before the last two blocks

// Read and write commands for a block address: the address travels high byte first.
inline QByteArray BlockCommand(char command, int addr) {
  QByteArray f(CommandSize, '\0');
  f[0] = command;
  f[1] = char((addr >> 8) & 0xFF);
  f[2] = char(addr & 0xFF);
  f[3] = char(BlockSize);
  return f;
}
}

// Every interval and pause of the link, in milliseconds.
namespace LinkTime {
constexpr int HeadTime = 500;         // handshake acknowledgement and identification reply
constexpr int TryTime = 450;          // each reply of the block transfer
constexpr int ReTime = 500;           // delay before the one automatic restart of a read
constexpr int CloseTime = 300;        // delay before the window closes itself
constexpr int OpenPause = 50;         // before opening the port
constexpr int StartPause = 450;       // after OK, before the line is cleared
constexpr int SettlePause = 50;       // after the line is cleared, before the handshake
constexpr int HandshakeGap = 2;       // after each of the first six handshake bytes
constexpr int IdentifyPause = 5;      // after the handshake acknowledgement
constexpr int SilencePause = 2500;    // before a silent radio is reported
constexpr int ReadDrainStep = 20, ReadDrainSteps = 50;     // WaitSent of the read
constexpr int WriteDrainStep = 50, WriteDrainSteps = 100;  // WaitSent of the write
}

// Line settings of the programming cable.
namespace LineSettings {
constexpr int Baud = 2400, DataBits = 8, StopBits = 2;   // no parity, no flow control
constexpr int BitsPerByte = 1 + DataBits + StopBits;     // start bit, data, stop bits
}
