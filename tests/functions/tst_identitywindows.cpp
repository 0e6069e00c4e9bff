// The radio information and password windows over the identity texts of the image.
#include "TestSupport.h"
#include "link/InfoMsg.h"
#include "link/PassWord.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

namespace {
QByteArray Stored(int offset, int width) { return AppState.Image.Bytes(offset, width); }
}

class TstIdentityWindows : public QObject {
  Q_OBJECT
private slots:
  void infoOfBlankImage();
  void infoReportHeader();
  void serialTyped_data();
  void serialTyped();
  void serialStoredAsShown();
  void passwordsOfBlankImage();
  void passwordTyped_data();
  void passwordTyped();
  void newPasswordSentOnlyWhenTicked();
  void passwordShownFiltered();
};

void TstIdentityWindows::infoOfBlankImage() {
  TFreshState state;
  const TImage before = AppState.Image;
  TfInfoMsg view;
  view.show();
  QCOMPARE(view.cxModel->text(), AppState.ModelName);
  QCOMPARE(view.cxFreq->text(), QString("450 - 470MHz"));
  QCOMPARE(view.cxSerial->text(), QString(16, ' '));
  QCOMPARE(view.cxRadioTime->text(), QString("2026-05-09 08:07:06"));
  QVERIFY(!view.cxSerial->isReadOnly());
  QVERIFY(view.cxModel->isReadOnly() && view.cxFreq->isReadOnly() && view.cxRadioTime->isReadOnly());
  view.close();
  QVERIFY(AppState.Image == before);
  QVERIFY(!AppState.Modified);

  AppState.Image.Fill(Layout::WriteTime, Layout::WriteTimeSize, 0xFF);
  TfInfoMsg again;
  again.show();
  QCOMPARE(again.cxRadioTime->text(), QString("65535-255-255 255:255:255"));
}

// The header record of the printed report, from a window made only for it.
void TstIdentityWindows::infoReportHeader() {
  TFreshState state;
  AppState.Image.SetText(Layout::Serial, Layout::SerialWidth, "SN-42");
  TReportTables tables;
  TfInfoMsg().AddReportRows(tables);
  QCOMPARE(int(tables.myMain.size()), 1);
  const TReportMain &m = tables.myMain.front();
  QCOMPARE(m.Title, QString("ZL-6405s"));
  QCOMPARE(QStringList({m.AField, m.AValue, m.BField, m.BValue, m.CField, m.CValue}),
           QStringList({"Model Type", AppState.ModelName, "Frequency[MHz]", "450 - 470MHz", "Serial Number",
                        "SN 42" + QString(11, ' ')}));
  QVERIFY(tables.myAdo.empty());
  QVERIFY(!AppState.Modified);
}

void TstIdentityWindows::serialTyped_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QByteArray>("stored");
  QTest::newRow("lower case") << "ab12" << QByteArray("AB12            ");
  QTest::newRow("cut at 16") << "abcdefghijklmnopq" << QByteArray("ABCDEFGHIJKLMNOP");
  QTest::newRow("other characters") << "x-1 y" << QByteArray("X-1 Y           ");
}

void TstIdentityWindows::serialTyped() {
  QFETCH(QString, typed);
  QFETCH(QByteArray, stored);
  TFreshState state;
  TfInfoMsg view;
  view.show();
  view.cxSerial->clear();
  QTest::keyClicks(view.cxSerial, typed);
  QCOMPARE(Stored(Layout::Serial, 16), stored);
  QCOMPARE(view.cxSerial->text(), QString::fromLatin1(stored).trimmed());
  QVERIFY(AppState.Modified);
}

// Loading shows other bytes as spaces without writing them; the first edit stores the field
// as it is shown.
void TstIdentityWindows::serialStoredAsShown() {
  TFreshState state;
  AppState.Image.SetBytes(Layout::Serial, QByteArray("AB-1"));
  TfInfoMsg view;
  view.show();
  QCOMPARE(view.cxSerial->text(), "AB 1" + QString(12, ' '));
  QCOMPARE(Stored(Layout::Serial, 5), QByteArray("AB-1\xFF"));
  QVERIFY(!AppState.Modified);
  view.cxSerial->end(false);
  QTest::keyClick(view.cxSerial, Qt::Key_Backspace);
  QCOMPARE(Stored(Layout::Serial, 16), QByteArray("AB 1            "));
  QVERIFY(AppState.Modified);
}

void TstIdentityWindows::passwordsOfBlankImage() {
  TFreshState state;
  TfPassWord view;
  view.show();
  QCOMPARE(view.cxoPasd->text(), QString());
  QCOMPARE(view.cxnPasd->text(), QString());
  QVERIFY(!view.cbNps->isChecked());
  QVERIFY(!view.cxnPasd->isEnabled());
  QVERIFY(view.cxoPasd->isEnabled());
}

void TstIdentityWindows::passwordTyped_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QByteArray>("stored");
  QTest::newRow("trimmed and padded") << " ab1 " << QByteArray("ab1     ");
  QTest::newRow("eight at most") << "abcdefghij" << QByteArray("abcdefgh");
  QTest::newRow("other characters as typed") << "a-b" << QByteArray("a-b     ");
}

// Only the password changes while no new password is to be sent; nothing asks to be saved.
void TstIdentityWindows::passwordTyped() {
  QFETCH(QString, typed);
  QFETCH(QByteArray, stored);
  TFreshState state;
  TfPassWord view;
  view.show();
  QTest::keyClicks(view.cxoPasd, typed);
  QCOMPARE(Stored(Layout::Password, 8), stored);
  QCOMPARE(Stored(Layout::NewPassword, 8), QByteArray(8, '\xFF'));
  QVERIFY(!AppState.Modified);
}

void TstIdentityWindows::newPasswordSentOnlyWhenTicked() {
  TFreshState state;
  {
    TfPassWord view;
    view.show();
    view.cbNps->click();
    QVERIFY(AppState.NewPassword);
    QVERIFY(view.cxnPasd->isEnabled());
    QCOMPARE(Stored(Layout::NewPassword, 8), QByteArray(8, '\xFF'));   // ticking alone stores nothing
    QTest::keyClicks(view.cxnPasd, "n1");
    QCOMPARE(Stored(Layout::NewPassword, 8), QByteArray("n1      "));
    view.cbNps->click();
    QVERIFY(!AppState.NewPassword);
    QVERIFY(!view.cxnPasd->isEnabled());
    QTest::keyClicks(view.cxoPasd, "p");
    QCOMPARE(Stored(Layout::Password, 8), QByteArray("p       "));
    QCOMPARE(Stored(Layout::NewPassword, 8), QByteArray("n1      "));   // kept while not to be sent
  }
  TfPassWord view;
  view.show();
  QCOMPARE(view.cxoPasd->text(), QString("p"));
  QCOMPARE(view.cxnPasd->text(), QString());
  view.cbNps->click();   // ticked again: the kept new password is what the write will send
  QCOMPARE(view.cxnPasd->text(), QString("n1"));
  QTest::keyClicks(view.cxoPasd, "q");
  QCOMPARE(Stored(Layout::NewPassword, 8), QByteArray("n1      "));
  QVERIFY(!AppState.Modified);
}

// Stored characters other than letters and digits show as spaces; the next edit stores them so.
void TstIdentityWindows::passwordShownFiltered() {
  TFreshState state;
  AppState.Image.SetText(Layout::Password, 8, "a-b");
  AppState.Image.SetText(Layout::NewPassword, 8, "-x.");
  AppState.NewPassword = true;
  TfPassWord view;
  view.show();
  QCOMPARE(view.cxoPasd->text(), QString("a b"));
  QCOMPARE(view.cxnPasd->text(), QString("x"));
  QVERIFY(view.cbNps->isChecked());
  QTest::keyClicks(view.cxoPasd, "c");
  QCOMPARE(Stored(Layout::Password, 8), QByteArray("a bc    "));
  QCOMPARE(Stored(Layout::NewPassword, 8), QByteArray("x       "));
}

QTEST_MAIN(TstIdentityWindows)
#include "tst_identitywindows.moc"
