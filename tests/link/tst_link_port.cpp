// The serial port over a pseudo-terminal, its input marks, and the port list.
#include "LinkSupport.h"
#include "TestSupport.h"
#include "link/SerialPort.h"
#include <QtTest>
#include <cerrno>

class TstLinkPort : public QObject {
  Q_OBJECT
private slots:
  void UnmarkInput_data();
  void UnmarkInput();
  void BytesBothWays();
  void OpenFailures();
  void LineGoesAway();
  void PortNames_data();
  void PortNames();
  void DevicesAndOverrides();
  void StartUpCheck_data();
  void StartUpCheck();
};

void TstLinkPort::UnmarkInput_data() {
  QTest::addColumn<QList<QByteArray>>("reads");
  QTest::addColumn<QByteArray>("data");
  QTest::addColumn<int>("faults");
  using L = QList<QByteArray>;
  QTest::newRow("plain bytes") << L{"\x01\x02"} << QByteArray("\x01\x02") << 0;
  QTest::newRow("doubled 0xFF") << L{"\xFF\xFF\x05"} << QByteArray("\xFF\x05") << 0;
  QTest::newRow("doubled 0xFF split over two reads") << L{"\x01\xFF", "\xFF\x02"} << QByteArray("\x01\xFF\x02") << 0;
  QTest::newRow("framing error drops the byte") << L{QByteArray("\x01\xFF\x00\x41\x02", 5)} << QByteArray("\x01\x02") << LineFault::Framing;
  QTest::newRow("break") << L{QByteArray("\x07\xFF\x00\x00", 4)} << QByteArray("\x07") << LineFault::Break;
  QTest::newRow("mark split over three reads") << L{"\xFF", QByteArray(1, '\0'), "\x41\x09"} << QByteArray("\x09") << LineFault::Framing;
}

void TstLinkPort::UnmarkInput() {
  QFETCH(QList<QByteArray>, reads);
  QFETCH(QByteArray, data);
  QFETCH(int, faults);
  QByteArray pending, out;
  int seen = 0;
  for (const QByteArray &r : reads) seen |= ::UnmarkInput(pending, r, out);
  QCOMPARE(out, data);
  QCOMPARE(seen, faults);
  QVERIFY(pending.isEmpty());
}

void TstLinkPort::BytesBothWays() {
  TPty pty;
  QVERIFY(!pty.Device.isEmpty());
  TPosixSerialPort port;
  QString reason;
  QVERIFY2(port.Open(pty.Device, &reason), qPrintable(reason));
  QByteArray every;
  for (int b = 0; b < 256; ++b) every.append(char(b));

  // From the line: every byte value arrives as sent, 0xFF included.
  QByteArray received;
  int events = 0;
  connect(&port, &TSerialPort::BytesAvailable, this, [&](int n) {
    ++events;
    received += port.Take(n);
  });
  QSignalSpy errors(&port, &TSerialPort::LineError);
  QCOMPARE(::write(pty.Master, every.constData(), 256), 256);
  QVERIFY(QTest::qWaitFor([&] { return received.size() >= 256; }, 5000));
  QCOMPARE(received, every);
  QVERIFY(events >= 1);
  QCOMPARE(errors.count(), 0);

  // To the line, in order.
  QVERIFY(port.Write(every));
  QCOMPARE(port.Unsent(), 0);
  QByteArray out;
  char buf[512];
  while (out.size() < 256) {
    const ssize_t n = ::read(pty.Master, buf, sizeof buf);
    QVERIFY(n > 0);
    out.append(buf, n);
  }
  QCOMPARE(out, every);

  // Discarding drops what was received and not taken.
  disconnect(&port, &TSerialPort::BytesAvailable, this, nullptr);
  QSignalSpy waiting(&port, &TSerialPort::BytesAvailable);
  QCOMPARE(::write(pty.Master, "abc", 3), 3);
  QVERIFY(waiting.wait(5000));
  QVERIFY(port.DiscardInput());
  QVERIFY(port.DiscardOutput());
  QCOMPARE(port.Take(10), QByteArray());
  port.Close();
  port.Close();   // closing a closed port does nothing
  QVERIFY(!port.IsOpen());
  QVERIFY(!port.Write("x"));
}

void TstLinkPort::OpenFailures() {
  TPosixSerialPort port;
  QString reason;
  QVERIFY(!port.Open("/dev/no-such-port", &reason));
  QCOMPARE(port.SysError, ENOENT);
  QVERIFY(reason.contains("No such file"));

  QTemporaryDir dir;
  QFile plain(dir.filePath("file"));
  QVERIFY(plain.open(QIODevice::WriteOnly));
  plain.close();
  QVERIFY(!port.Open(plain.fileName(), &reason));
  QCOMPARE(port.SysError, ENOTTY);
  QVERIFY(!TPosixSerialPort::CanOpen(plain.fileName()));

  // A port in use by another program (or another window of this one) does not open twice.
  TPty pty;
  TPosixSerialPort first;
  QVERIFY(first.Open(pty.Device, &reason));
  QVERIFY(!port.Open(pty.Device, &reason));
  QCOMPARE(port.SysError, EBUSY);
  QVERIFY(reason.contains("in use"));
  QVERIFY(!TPosixSerialPort::CanOpen(pty.Device));
  first.Close();
  QVERIFY(TPosixSerialPort::CanOpen(pty.Device));
  QVERIFY(port.Open(pty.Device, &reason));
}

void TstLinkPort::LineGoesAway() {
  auto pty = std::make_unique<TPty>();
  TPosixSerialPort port;
  QString reason;
  QVERIFY(port.Open(pty->Device, &reason));
  QSignalSpy bytes(&port, &TSerialPort::BytesAvailable);
  pty.reset();   // the far end and every other handle close: the cable is out
  QTest::qWait(100);
  QCOMPARE(bytes.count(), 0);
  QVERIFY(!port.Write("x"));
  QCOMPARE(port.Unsent(), -1);
  QVERIFY(!port.DiscardInput());
}

void TstLinkPort::PortNames_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("digits");
  QTest::addColumn<int>("number");
  QTest::newRow("COM12") << "COM12" << 0 << 12;
  QTest::newRow("stored lower case") << "Com1" << 0 << 1;
  QTest::newRow("dialog reads three digits") << "COM1234" << 3 << 123;
  QTest::newRow("not a number") << "COMx" << 0 << -1;
  QTest::newRow("nothing after COM") << "COM" << 0 << -1;
  QTest::newRow("sign") << "COM-1" << 0 << -1;
}

void TstLinkPort::PortNames() {
  QFETCH(QString, name);
  QFETCH(int, digits);
  QFETCH(int, number);
  QCOMPARE(PortNumber(name, digits), number);
}

void TstLinkPort::DevicesAndOverrides() {
  TFreshState state;
  // Without a settings file: the fixed table.
  QCOMPARE(PortDevice("COM1"), QString("/dev/ttyUSB0"));
  QCOMPARE(PortDevice("COM8"), QString("/dev/ttyUSB7"));
  QCOMPARE(PortDevice("COM9"), QString("/dev/ttyACM0"));
  QCOMPARE(PortDevice("COM13"), QString());
  QCOMPARE(PortDevice("COM17"), QString("/dev/ttyS0"));
  QCOMPARE(PortDevice("COM21"), QString());
  QCOMPARE(PortDevice("COMx"), QString());

  // Overrides: an absolute path, a path beside the program, and a port taken away.
  QString error;
  QVERIFY(SetPortDevice("COM13", "/dev/ttyUSB4", &error));
  QVERIFY(SetPortDevice("COM30", "radio.tty", &error));
  QVERIFY(SetPortDevice("COM1", "", &error));
  QCOMPARE(PortDevice("COM13"), QString("/dev/ttyUSB4"));
  QCOMPARE(PortDevice("COM30"), AppState.AppPath + "radio.tty");
  QCOMPARE(PortDevice("COM1"), QString());
  QCOMPARE(PortDevice("com2"), QString("/dev/ttyUSB1"));
}

void TstLinkPort::StartUpCheck_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<bool>("anyPresent");
  QTest::addColumn<QString>("after");
  QTest::newRow("ports 1 and 4 present, COM7 stored") << "COM7" << true << "COM1";
  QTest::newRow("stored in lower case and present") << "com4" << true << "COM4";
  QTest::newRow("port above 20 present") << "COM25" << true << "COM25";
  QTest::newRow("nothing present keeps the stored name") << "Com7" << false << "COM7";
}

void TstLinkPort::StartUpCheck() {
  QFETCH(QString, stored);
  QFETCH(bool, anyPresent);
  QFETCH(QString, after);
  TFreshState state;
  TPty one, four, high;
  if (anyPresent)
    WritePortOverrides({{1, one.Device}, {4, four.Device}, {7, "/dev/no-such-port"}, {25, high.Device}});
  else
    WritePortOverrides({{7, "/dev/no-such-port"}});
  AppState.ComPort = stored;
  QStringList list;
  CheckComPort(&list);
  QCOMPARE(list, anyPresent ? QStringList({"COM1", "COM4", "COM25"}) : QStringList());
  QCOMPARE(AppState.ComPort, after);
  QStringList appended{"X"};
  EnumPorts(&appended);
  QCOMPARE(appended.first(), QString("X"));
  EnumPorts(nullptr);   // no list: nothing happens
}

QTEST_GUILESS_MAIN(TstLinkPort)
#include "tst_link_port.moc"
