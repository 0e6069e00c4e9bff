#pragma once
// The virtual radio as a child process, pseudo-terminals, and port overrides for the link tests.
#include "core/Settings.h"
#include "link/PortList.h"
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

// A memory in which neighbouring bytes differ and every byte value occurs (0xFF included), with
// settings in range and an identification block.
inline QByteArray PatternMemory(const QByteArray &code = "6405", quint8 band = 244) {
  QByteArray m(368, '\0');
  for (int i = 0; i < m.size(); ++i) m[i] = char((i * 7 + 3) & 0xFF);
  const char settings[20] = {1, 1, 0, 0, 4, 1, 1, 1, 0, 1, char(0xFF), char(0xFF), 0x21, 1, 4, char(0xFF), 1, 5, 1, 6};
  m.replace(288, 20, QByteArray(settings, 20));
  m.replace(320, 8, "P" + code + QByteArray(1, char(band)) + QByteArray(2, '\0'));
  return m;
}

class TVirtualRadio {
public:
  // Starts the virtual radio with a memory (none: its own) and further switches.
  explicit TVirtualRadio(const QStringList &switches = {}, const QByteArray &memory = QByteArray()) {
    QStringList args = switches;
    args << "--save" << SavePath();
    if (!memory.isEmpty()) {
      QFile f(Dir.filePath("memory.bin"));
      if (f.open(QIODevice::WriteOnly)) f.write(memory);
      args << "--memory" << f.fileName();
    }
    Process.start(QStringLiteral(ZL_BIN_DIR "/zl6405s-virtual-radio"), args);
    if (Process.waitForStarted(10000) && Process.waitForReadyRead(10000))
      Device = QString::fromLocal8Bit(Process.readLine()).trimmed();
  }
  ~TVirtualRadio() { Stop(); }
  // Stops the radio (it saves on the way out) and gives its memory.
  QByteArray Memory() {
    Stop();
    QFile f(SavePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void Stop() {
    if (Process.state() == QProcess::NotRunning) return;
    Process.terminate();
    if (!Process.waitForFinished(10000)) Process.kill();
  }
  bool Running() { return Process.state() == QProcess::Running; }
  QString SavePath() const { return Dir.filePath("saved.bin"); }

  QTemporaryDir Dir;
  QProcess Process;
  QString Device;
};

// A pseudo-terminal whose far end the test holds.
class TPty {
public:
  TPty() {
    if (openpty(&Master, &Slave, nullptr, nullptr, nullptr) != 0) return;
    termios t {};
    tcgetattr(Master, &t);
    cfmakeraw(&t);
    tcsetattr(Master, TCSANOW, &t);
    Device = QString::fromLocal8Bit(ptsname(Master));
  }
  ~TPty() {
    CloseMaster();
    if (Slave >= 0) ::close(Slave);
  }
  void CloseMaster() {
    if (Master >= 0) ::close(Master);
    Master = -1;
  }
  int Master = -1, Slave = -1;
  QString Device;
};

// SysInfo.Ini of the program's directory with a [Ports] section: the given ports, every other
// port of the fixed table without a device, so that the machine's own ports do not interfere.
inline void WritePortOverrides(const QMap<int, QString> &devices) {
  QFile f(SettingsPath());
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QByteArray text = "[SysInfo]\nCom=Com1\n[Ports]\n";
  for (int n = 1; n <= 20; ++n) text += "COM" + QByteArray::number(n) + "=" + devices.value(n).toLocal8Bit() + "\n";
  for (auto it = devices.cbegin(); it != devices.cend(); ++it)
    if (it.key() > 20) text += "COM" + QByteArray::number(it.key()) + "=" + it.value().toLocal8Bit() + "\n";
  f.write(text);
}
