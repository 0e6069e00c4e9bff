// End to end over pseudo-terminals: the command-line tool and the engines against the virtual
// radio, with the real serial code and the real timer intervals.
#include "LinkSupport.h"
#include "TestSupport.h"
#include "cli/CliCommon.h"
#include "core/Language.h"
#include "image/DataFile.h"
#include "image/ImageRoutines.h"
#include "link/LinkClock.h"
#include "link/LinkEngine.h"
#include "link/SerialPort.h"
#include <QtTest>

namespace {
const QString Cli = QStringLiteral(ZL_BIN_DIR "/zl6405s-cli");
const QString ComError = QStringLiteral("Please check all connections");   // built-in texts
const QString ModError = QStringLiteral("Model Type Wrong");

struct TRun {
  int Exit = -1;
  QString Out, Err;
};

TRun Run(const QStringList &args, const QString &program = Cli) {
  QProcess p;
  p.start(program, args);
  TRun r;
  if (!p.waitForFinished(60000)) {
    p.kill();
    return r;
  }
  r.Exit = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.Out = QString::fromLocal8Bit(p.readAllStandardOutput());
  r.Err = QString::fromLocal8Bit(p.readAllStandardError());
  return r;
}

QByteArray ReadFile(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A data file whose radio part is the pattern memory of a model (file offset = image offset).
QString PatternFile(const QTemporaryDir &dir, const QString &model, const QByteArray &memory) {
  const QString path = dir.filePath(model + ".dat");
  if (Run({"new", "--model", model, "-o", path}).Exit != ExitOk) return QString();
  QByteArray bytes = ReadFile(path);
  bytes.replace(16, memory.size(), memory);
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return QString();
  return path;
}

// The write time bytes of a radio memory as a date and time.
QDateTime WriteTimeOf(const QByteArray &memory) {
  const auto b = [&](int i) { return int(quint8(memory[352 + i])); };
  return QDateTime(QDate(b(0) | (b(1) << 8), b(2), b(3)), QTime(b(4), b(5), b(6)));
}
}

class TstLinkE2e : public QObject {
  Q_OBJECT
private slots:
  void ReadWholeRadio();
  void WriteThenRead();
  void OtherModel_data();
  void OtherModel();
  void Faults_data();
  void Faults();
  void PortCannotOpen_data();
  void PortCannotOpen();
  void PortsThroughSettings();
  void NewPasswordTravelsScrambled();
};

void TstLinkE2e::ReadWholeRadio() {
  const QByteArray memory = PatternMemory();
  TVirtualRadio radio({}, memory);
  QVERIFY(!radio.Device.isEmpty());
  QTemporaryDir dir;
  const QString out = dir.filePath("read.dat");
  const TRun r = Run({"read", "--port", radio.Device, "-o", out});
  QVERIFY2(r.Exit == ExitOk, qPrintable(r.Err));
  const QByteArray file = ReadFile(out);
  QCOMPARE(file.size(), DataFileSize);
  QCOMPARE(file.mid(16, 368), memory);
  QCOMPARE(file.mid(384, 48), QByteArray(48, '\0'));
  QVERIFY(r.Err.contains("read: 46/46 blocks"));
  QVERIFY(r.Out.contains("450 - 470MHz"));
}

void TstLinkE2e::WriteThenRead() {
  QTemporaryDir dir;
  const QByteArray pattern = PatternMemory();
  const QString file = PatternFile(dir, "UHF", pattern);
  QVERIFY(!file.isEmpty());
  TVirtualRadio radio;   // its own plausible memory
  const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
  TRun r = Run({"write", "--port", radio.Device, file});
  QVERIFY2(r.Exit == ExitOk, qPrintable(r.Err));
  const QDateTime after = QDateTime::currentDateTime().addSecs(1);
  QCOMPARE(ReadFile(file).mid(16, 368), pattern);   // the file is not touched

  const QString back = dir.filePath("back.dat");
  r = Run({"read", "--port", radio.Device, "-o", back});
  QVERIFY2(r.Exit == ExitOk, qPrintable(r.Err));
  const QByteArray read = ReadFile(back).mid(16, 368);
  // The written bytes come back; the identity block names the program's model and band, and
  // the write time is the time of the write.
  QCOMPARE(read.mid(320, 8), QByteArray("P6405\xF4\0\0", 8));
  const QDateTime stamped = WriteTimeOf(read);
  QVERIFY2(stamped >= before && stamped <= after, qPrintable(stamped.toString()));
  QByteArray expected = pattern;
  expected.replace(352, 7, read.mid(352, 7));
  QCOMPARE(read, expected);
  QCOMPARE(radio.Memory(), expected);
}

void TstLinkE2e::OtherModel_data() {
  QTest::addColumn<bool>("force");
  QTest::newRow("without --force") << false;
  QTest::newRow("with --force") << true;
}

void TstLinkE2e::OtherModel() {
  QFETCH(bool, force);
  QTemporaryDir dir;
  const QByteArray uhf = PatternMemory();
  const QString file = PatternFile(dir, "UHF", uhf);
  const QByteArray vhf = PatternMemory("5405", 242);
  TVirtualRadio radio({"--model", "5405"}, vhf);
  QStringList args{"write", "--port", radio.Device, file};
  if (force) args << "--force";
  const TRun r = Run(args);
  const QByteArray after = radio.Memory();
  if (!force) {
    QCOMPARE(r.Exit, int(ExitModel));
    QVERIFY(r.Err.contains("--force"));
    QCOMPARE(after, vhf);
    return;
  }
  QVERIFY2(r.Exit == ExitOk, qPrintable(r.Err));
  QCOMPARE(after.mid(320, 8), QByteArray("P6405\xF4\0\0", 8));
  QCOMPARE(after.left(352), uhf.left(352));
}

void TstLinkE2e::Faults_data() {
  QTest::addColumn<QStringList>("switches");
  QTest::addColumn<bool>("write");
  QTest::addColumn<int>("exit");
  QTest::addColumn<QString>("message");
  const QString none;
  QTest::newRow("read, silent radio") << QStringList{"--silent"} << false << int(ExitNoAnswer) << ComError;
  QTest::newRow("read, model 9999") << QStringList{"--model", "9999"} << false << int(ExitModel) << ModError;
  QTest::newRow("read, no reply after block 10") << QStringList{"--stop-after", "10"} << false << int(ExitBroken) << ComError;
  QTest::newRow("read, acknowledgement 0x15") << QStringList{"--ack", "0x15"} << false << int(ExitBroken) << ComError;
  QTest::newRow("read, cable pulled after 200 bytes") << QStringList{"--pull-after", "200"} << false << int(ExitBroken) << ComError;
  QTest::newRow("read, stray byte") << QStringList{"--stray-byte", "0x55"} << false << int(ExitOk) << none;
  QTest::newRow("read, junk headers") << QStringList{"--junk-headers"} << false << int(ExitOk) << none;
  QTest::newRow("read, 40 extra bytes") << QStringList{"--extra-bytes", "40"} << false << int(ExitOk) << none;
  QTest::newRow("read, line paced at 2400 baud") << QStringList{"--paced", "--turnaround", "2"} << false << int(ExitOk) << none;
  QTest::newRow("write, silent radio") << QStringList{"--silent"} << true << int(ExitNoAnswer) << ComError;
  QTest::newRow("write, model 9999") << QStringList{"--model", "9999"} << true << int(ExitModel) << ModError;
  QTest::newRow("write, no reply after block 10") << QStringList{"--stop-after", "10"} << true << int(ExitBroken) << ComError;
  QTest::newRow("write, cable pulled after 100 bytes") << QStringList{"--pull-after", "100"} << true << int(ExitBroken) << ComError;
}

void TstLinkE2e::Faults() {
  QFETCH(QStringList, switches);
  QFETCH(bool, write);
  QFETCH(int, exit);
  QFETCH(QString, message);
  QTemporaryDir dir;
  const QByteArray memory = PatternMemory();
  TVirtualRadio radio(switches, memory);
  QVERIFY(!radio.Device.isEmpty());
  QString file = dir.filePath("out.dat");
  if (write) {
    file = PatternFile(dir, "UHF", PatternMemory("6405", 245));
    QVERIFY(!file.isEmpty());
  }
  const QByteArray fileBefore = ReadFile(file);
  const TRun r = write ? Run({"write", "--port", radio.Device, file}) : Run({"read", "--port", radio.Device, "-o", file});
  QVERIFY2(r.Exit == exit, qPrintable(r.Err));
  const QStringList errors = r.Err.split('\n', Qt::SkipEmptyParts).filter("zl6405s-cli:");
  if (exit == ExitOk) {
    QVERIFY(errors.isEmpty());
    if (!write) QCOMPARE(ReadFile(file).mid(16, 368), memory);
    return;
  }
  // One line says what went wrong, with the message the program shows.
  QCOMPARE(errors.size(), 1);
  QVERIFY2(errors.first().contains(message), qPrintable(errors.first()));
  // A failed read writes no file; a failed write leaves its file alone, and a refused radio too.
  QCOMPARE(ReadFile(file), fileBefore);
  if (exit == ExitModel || exit == ExitNoAnswer) QCOMPARE(radio.Memory(), memory);
}

void TstLinkE2e::PortCannotOpen_data() {
  QTest::addColumn<QString>("port");
  QTest::addColumn<QString>("reason");
  QTest::newRow("missing device") << "/dev/no-such-port" << "No such file or directory";
  QTest::newRow("port without a device") << "COM14" << "COM14 has no device";
  QTest::newRow("not a port name") << "PORTX" << "not a port name";
}

void TstLinkE2e::PortCannotOpen() {
  QFETCH(QString, port);
  QFETCH(QString, reason);
  QTemporaryDir dir;
  const TRun r = Run({"read", "--port", port, "-o", dir.filePath("x.dat")});
  QCOMPARE(r.Exit, int(ExitPort));
  QVERIFY2(r.Err.contains(reason), qPrintable(r.Err));
  QVERIFY(!QFile::exists(dir.filePath("x.dat")));
}

void TstLinkE2e::PortsThroughSettings() {
  // A copy of the tool in a directory of its own reads its own SysInfo.Ini.
  QTemporaryDir dir;
  const QString tool = dir.filePath("zl6405s-cli");
  QVERIFY(QFile::copy(Cli, tool));
  TVirtualRadio radio;
  {
    QFile ini(dir.filePath("SysInfo.Ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("; kept as it is\r\n[SysInfo]\r\nCom=COM7\r\n");
  }
  TRun r = Run({"ports", "--set", "COM13=" + radio.Device}, tool);
  QCOMPARE(r.Exit, int(ExitOk));
  QVERIFY2(r.Out.contains(QStringLiteral("COM13   present  %1  (selected)").arg(radio.Device)), qPrintable(r.Out));
  QCOMPARE(ReadFile(dir.filePath("SysInfo.Ini")),
           QByteArray("; kept as it is\r\n[SysInfo]\r\nCom=COM7\r\n[Ports]\r\nCOM13=" + radio.Device.toLocal8Bit() + "\r\n"));
  // The port name reaches the virtual radio through the override, with or without --port.
  r = Run({"read", "--port", "com13", "-o", dir.filePath("a.dat")}, tool);
  QVERIFY2(r.Exit == ExitOk, qPrintable(r.Err));
  r = Run({"read", "-o", dir.filePath("b.dat")}, tool);
  QVERIFY2(r.Exit == ExitOk, qPrintable(r.Err));
  QVERIFY(r.Out.contains("COM13 (" + radio.Device + ")"));
}

void TstLinkE2e::NewPasswordTravelsScrambled() {
  TFreshState state;
  TMsgScript msgs;
  TVirtualRadio radio;
  AppState.Image.SetBytes(Layout::NewPassword, "NEWPASS1");
  AppState.NewPassword = true;
  const QByteArray stored = AppState.Image.Bytes(Layout::RadioPassword, 8);
  TPosixSerialPort port;
  TRealLinkClock clock;
  TWriteEngine engine(port, clock);
  engine.Device = radio.Device;
  QVERIFY(engine.Show());
  engine.Start();
  QVERIFY(QTest::qWaitFor([&] { return engine.Outcome != TLinkOutcome::Running; }, 30000));
  QCOMPARE(msgs.Texts(), QStringList{Messages.WriteOk});
  engine.ClosePort();
  const QByteArray memory = radio.Memory();
  QCOMPARE(memory.mid(328, 8), ScrambleNewPassword());
  QCOMPARE(AppState.Image.Bytes(Layout::RadioPassword, 8), stored);
  QCOMPARE(memory.mid(320, 8), AppState.Image.Bytes(Layout::Ident, 8));
}

QTEST_GUILESS_MAIN(TstLinkE2e)
#include "tst_link_e2e.moc"
