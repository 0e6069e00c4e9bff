// The port dialog, and the read and write windows driving the virtual radio.
#include "LinkSupport.h"
#include "TestSupport.h"
#include "core/Language.h"
#include "link/ReadRadio.h"
#include "link/SetPort.h"
#include "link/WriteRadio.h"
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TstLinkWindows : public QObject {
  Q_OBJECT
private slots:
  void PortDialog_data();
  void PortDialog();
  void ReadWindow();
  void WriteWindow();
  void WindowsCloseWithoutPort_data();
  void WindowsCloseWithoutPort();
};

void TstLinkWindows::PortDialog_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<int>("choose");   // 0: no button pressed
  QTest::addColumn<bool>("ok");
  QTest::addColumn<int>("checked");  // the button checked when the dialog opens, 0: none
  QTest::addColumn<QString>("after");
  QTest::newRow("choose COM4, OK") << "COM1" << 4 << true << 1 << "COM4";
  QTest::newRow("choose COM4, Cancel") << "COM1" << 4 << false << 1 << "COM1";
  QTest::newRow("stored port absent: checked, disabled, kept") << "COM7" << 0 << true << 7 << "COM7";
  QTest::newRow("port above 20: nothing checked, kept") << "COM25" << 0 << true << 0 << "COM25";
  QTest::newRow("not a port name: nothing checked, kept") << "COMx" << 0 << true << 0 << "COMx";
}

void TstLinkWindows::PortDialog() {
  QFETCH(QString, stored);
  QFETCH(int, choose);
  QFETCH(bool, ok);
  QFETCH(int, checked);
  QFETCH(QString, after);
  TFreshState state;
  TPty one, four;
  WritePortOverrides({{1, one.Device}, {4, four.Device}, {7, "/dev/no-such-port"}});
  AppState.ComPort = stored;

  TfSetPort d;
  QCOMPARE(d.objectName(), QString("fSetPort"));
  for (int i = 0; i < TfSetPort::ButtonCount; ++i) QVERIFY(!d.cxPortN[i]->isEnabled());   // until shown
  d.show();
  QCOMPARE(d.cxPort->title(), QString("Communication Port"));
  QCOMPARE(d.cbCom->count(), 2);
  QVERIFY(!d.cbCom->isVisible() && !d.lbName->isVisible());
  for (int i = 0; i < TfSetPort::ButtonCount; ++i) {
    QCOMPARE(d.cxPortN[i]->objectName(), QStringLiteral("cxPort%1").arg(i + 1));
    QCOMPARE(d.cxPortN[i]->text(), QStringLiteral("COM%1").arg(i + 1));
    QCOMPARE(d.cxPortN[i]->isEnabled(), i == 0 || i == 3);
    QCOMPARE(d.cxPortN[i]->isChecked(), i + 1 == checked);
  }
  // The device behind each button is in view.
  QCOMPARE(d.DeviceLabel[0]->text(), one.Device);
  QCOMPARE(d.DeviceLabel[6]->toolTip(), QString("/dev/no-such-port"));
  QCOMPARE(d.DeviceLabel[12]->text(), QString("-"));

  if (choose) d.cxPortN[choose - 1]->click();
  (ok ? d.btnOk : d.btnCancel)->click();
  QVERIFY(!d.isVisible());
  QCOMPARE(AppState.ComPort, after);
}

void TstLinkWindows::ReadWindow() {
  TFreshState state;
  TMsgScript msgs;
  const QByteArray memory = PatternMemory("5405", 242);
  TVirtualRadio radio({}, memory);
  WritePortOverrides({{13, radio.Device}});
  AppState.ComPort = "COM13";

  TfReadRadio d;
  QCOMPARE(d.objectName(), QString("fReadRadio"));
  QCOMPARE(d.windowTitle(), QString("Read data From radio"));
  d.show();
  QVERIFY(QTest::qWaitFor([&] { return d.myPort.IsOpen(); }, 5000));
  QCOMPARE(d.pBar->maximum(), 44);
  QVERIFY(d.btnOk->isEnabled());
  d.btnOk->click();
  QVERIFY(!d.btnOk->isEnabled());
  // ReadOk, then the window closes itself and reports the read.
  QVERIFY(QTest::qWaitFor([&] { return !d.isVisible(); }, 20000));
  QCOMPARE(msgs.Texts(), QStringList{Messages.ReadOk});
  QVERIFY(d.ReadDone);
  QCOMPARE(d.pBar->value(), 44);
  QVERIFY(!d.myPort.IsOpen());
  QCOMPARE(AppState.Image.Bytes(16, 368), memory);
  QCOMPARE(AppState.ModelCode, QString("5405"));
}

void TstLinkWindows::WriteWindow() {
  TFreshState state;
  TMsgScript msgs;
  TVirtualRadio radio;
  WritePortOverrides({{13, radio.Device}});
  AppState.ComPort = "COM13";

  TfWriteRadio d;
  QCOMPARE(d.objectName(), QString("fWriteRadio"));
  d.show();
  QVERIFY(QTest::qWaitFor([&] { return d.myPort.IsOpen(); }, 5000));
  d.btnOk->click();
  QVERIFY(QTest::qWaitFor([&] { return !msgs.Calls.empty(); }, 20000));
  QCOMPARE(msgs.Texts(), QStringList{Messages.WriteOk});
  // The window stays open, ready for another write.
  QTest::qWait(500);
  QVERIFY(d.isVisible());
  QVERIFY(d.btnOk->isEnabled());
  QCOMPARE(d.pBar->value(), 0);
  d.btnCancel->click();
  QVERIFY(!d.isVisible());
  QVERIFY(!d.myPort.IsOpen());
  QCOMPARE(radio.Memory(), AppState.Image.Bytes(16, 368));
}

void TstLinkWindows::WindowsCloseWithoutPort_data() {
  QTest::addColumn<bool>("write");
  QTest::newRow("read") << false;
  QTest::newRow("write") << true;
}

void TstLinkWindows::WindowsCloseWithoutPort() {
  QFETCH(bool, write);
  TFreshState state;
  TMsgScript msgs;
  WritePortOverrides({{7, "/dev/no-such-port"}});
  AppState.ComPort = "COM7";
  std::unique_ptr<TLinkDialog> d;
  if (write) d = std::make_unique<TfWriteRadio>();
  else d = std::make_unique<TfReadRadio>();
  d->show();
  QVERIFY(QTest::qWaitFor([&] { return !d->isVisible(); }, 5000));
  QCOMPARE(msgs.Texts(), QStringList{Messages.LPortError});
  QVERIFY(msgs.Calls.front().Details.contains("/dev/no-such-port"));
  if (!write) QVERIFY(!static_cast<TfReadRadio &>(*d).ReadDone);
}

QTEST_MAIN(TstLinkWindows)
#include "tst_link_windows.moc"
