// The key, VOX and optional-function views over the function-settings bytes of the image.
#include "TestSupport.h"
#include "core/Language.h"
#include "functions/KeyFun.h"
#include "functions/OptFun.h"
#include "functions/VoxFun.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QtTest>
#include <memory>

namespace {
std::unique_ptr<TSettingsView> MakeView(const QString &window) {
  if (window == "fKeyFun") return std::make_unique<TfKeyFun>();
  if (window == "fVoxFun") return std::make_unique<TfVoxFun>();
  return std::make_unique<TfOptFun>();
}

// What a control shows: a list's text, or [x] / [ ] for a check box.
QString Shown(QWidget *control) {
  if (auto *list = qobject_cast<QComboBox *>(control)) return list->currentText();
  return static_cast<QCheckBox *>(control)->isChecked() ? "[x]" : "[ ]";
}

// As a user sets it: a list to a position, a check box to ticked (1) or clear (0).
void SetControl(QWidget *control, int value) {
  if (auto *list = qobject_cast<QComboBox *>(control)) list->setCurrentIndex(value);
  else static_cast<QCheckBox *>(control)->setChecked(value != 0);
}

// Offsets whose bytes differ, with the new values.
QMap<int, int> Changes(const TImage &before) {
  QMap<int, int> out;
  for (int i = 0; i < Layout::ImageSize; ++i)
    if (AppState.Image.Byte(i) != before.Byte(i)) out[i] = AppState.Image.Byte(i);
  return out;
}

QStringList Rows(const TReportTables &t) {
  QStringList out;
  for (const auto &r : t.myAdo)
    out << QStringLiteral("%1|%2|%3|%4|%5|%6").arg(r.TypeID).arg(r.TypeName, r.AField, r.AValue, r.BField, r.BValue);
  return out;
}
}

class TstSettingViews : public QObject {
  Q_OBJECT
private slots:
  void blankImage_data();
  void blankImage();
  void reportRowsOfBlankImage();
  void controlWrites_data();
  void controlWrites();
  void everyByteRewritten();
  void clewVoiceKeepsOtherBits_data();
  void clewVoiceKeepsOtherBits();
  void valueBeyondList_data();
  void valueBeyondList();
  void voxDetailsFollowVox();
  void translatedView();
};

void TstSettingViews::blankImage_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("shown");   // control=text, in the view's order
  QTest::newRow("key") << "fKeyFun" << QStringList{"cbKey1=Monmome"};
  QTest::newRow("vox") << "fVoxFun" << QStringList{"chVoxFun=[ ]", "cbVoxLevel=5", "chVoxInhibit=[x]"};
  QTest::newRow("optional") << "fOptFun"
                            << QStringList{"cbSQvelch=5",  "cbTxTimeout=180", "cxWaveof=On",     "cbVoice=Chinese",
                                           "cxScan=Off",   "cxFM=Turn on",    "cxAlt=Off",       "cxRevTx=Type-1",
                                           "cxRate=1:4",   "cbVolhigh=[x]",   "cbVolLow=[x]",    "cbBeepTone=[x]",
                                           "cxWhisper="};
}

void TstSettingViews::blankImage() {
  QFETCH(QString, window);
  QFETCH(QStringList, shown);
  TFreshState state;
  const TImage before = AppState.Image;
  auto view = MakeView(window);
  view->show();
  QCOMPARE(view->objectName(), window);
  for (const QString &pair : shown) {
    const QString name = pair.section('=', 0, 0);
    auto *control = view->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(name + '=' + Shown(control), pair);
  }
  QVERIFY(AppState.Image == before);
  QVERIFY(!AppState.Modified);
}

// The rows the printed report takes from the three views, in the order it asks them, each view
// made only for its rows and never shown.
void TstSettingViews::reportRowsOfBlankImage() {
  TFreshState state;
  TReportTables tables;
  TfKeyFun().AddReportRows(tables);
  TfVoxFun().AddReportRows(tables);
  TfOptFun().AddReportRows(tables);
  const QStringList expected = {
      "9|Key Function|Side Key|Monmome||",
      "9|Vox Function|VOX Function|Closed||",
      "9|Vox Function|VOX Gain Level|5||",
      "9|Vox Function|VOX Inhibit OnReceive|Opened||",
      "9|Optional Function|Squelch level|5||",
      "9|Optional Function|TX Time Out|180||",
      "9|Optional Function|Voice|On||",
      "9|Optional Function|Voice Annunciation|Chinese||",
      "9|Optional Function|Scan|Off||",
      "9|Optional Function|FM Function|Turn on||",
      "9|Optional Function|Incept Alarm|Off||",
      "9|Optional Function|Epilogue|Type-1||",
      "9|Optional Function|Battery Save|1:4||",
      "9|Optional Function|Clew Voice|Opened||",
      "9|Optional Function|High Vol Inhibit Tx|Opened||",
      "9|Optional Function|Low Vol Inhibit Tx|Opened||",
  };
  QCOMPARE(Rows(tables), expected);
  QVERIFY(tables.myMain.empty());
  QVERIFY(!AppState.Modified);
}

void TstSettingViews::controlWrites_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("value");
  QTest::addColumn<int>("offset");
  QTest::addColumn<int>("stored");
  QTest::newRow("side key alarm") << "fKeyFun" << "cbKey1" << 3 << 322 << 3;
  QTest::newRow("side key off") << "fKeyFun" << "cbKey1" << 0 << 322 << 0;
  QTest::newRow("vox on") << "fVoxFun" << "chVoxFun" << 1 << 307 << 1;
  QTest::newRow("vox level 9") << "fVoxFun" << "cbVoxLevel" << 8 << 308 << 8;
  QTest::newRow("vox inhibit off") << "fVoxFun" << "chVoxInhibit" << 0 << 309 << 0;
  QTest::newRow("squelch 0") << "fOptFun" << "cbSQvelch" << 0 << 321 << 0;
  QTest::newRow("time-out 300") << "fOptFun" << "cbTxTimeout" << 10 << 323 << 10;
  QTest::newRow("voice off") << "fOptFun" << "cxWaveof" << 0 << 304 << 0;
  QTest::newRow("english") << "fOptFun" << "cbVoice" << 0 << 305 << 0;
  QTest::newRow("scan on") << "fOptFun" << "cxScan" << 1 << 306 << 1;
  QTest::newRow("fm interdict") << "fOptFun" << "cxFM" << 0 << 313 << 0;
  QTest::newRow("alarm on") << "fOptFun" << "cxAlt" << 1 << 312 << 1;
  QTest::newRow("epilogue type-2") << "fOptFun" << "cxRevTx" << 2 << 317 << 2;
  QTest::newRow("battery save off") << "fOptFun" << "cxRate" << 0 << 318 << 0;
  QTest::newRow("high vol off") << "fOptFun" << "cbVolhigh" << 0 << 311 << 0;
  QTest::newRow("low vol off") << "fOptFun" << "cbVolLow" << 0 << 310 << 0;
  QTest::newRow("clew voice off") << "fOptFun" << "cbBeepTone" << 0 << 320 << 0;
}

// On a blank image every other byte the view rewrites keeps its value, so exactly one byte
// of the whole image changes.
void TstSettingViews::controlWrites() {
  QFETCH(QString, window);
  QFETCH(QString, control);
  QFETCH(int, value);
  QFETCH(int, offset);
  QFETCH(int, stored);
  TFreshState state;
  auto view = MakeView(window);
  view->show();
  const TImage before = AppState.Image;
  SetControl(view->findChild<QWidget *>(control), value);
  QCOMPARE(Changes(before), (QMap<int, int>{{offset, stored}}));
  QVERIFY(AppState.Modified);
}

// A change anywhere rewrites all of the view's bytes from what the controls show.
void TstSettingViews::everyByteRewritten() {
  TFreshState state;
  AppState.Image.SetByte(310, 2);   // shown not ticked: stored 0 by the next change
  AppState.Image.SetByte(311, 2);
  AppState.Image.SetByte(304, 7);   // beyond the list: kept
  TfOptFun view;
  view.show();
  QVERIFY(!view.cbVolLow->isChecked());
  QVERIFY(!view.cbVolhigh->isChecked());
  QCOMPARE(AppState.Image.Byte(310), 2);   // loading writes nothing
  const TImage before = AppState.Image;
  view.cxScan->setCurrentIndex(1);
  QCOMPARE(Changes(before), (QMap<int, int>{{306, 1}, {310, 0}, {311, 0}}));
}

void TstSettingViews::clewVoiceKeepsOtherBits_data() {
  QTest::addColumn<int>("stored");
  QTest::addColumn<bool>("ticked");
  QTest::addColumn<int>("afterClick");
  QTest::newRow("FE") << 0xFE << false << 0xFF;
  QTest::newRow("01") << 0x01 << true << 0x00;
  QTest::newRow("A5") << 0xA5 << true << 0xA4;
}

void TstSettingViews::clewVoiceKeepsOtherBits() {
  QFETCH(int, stored);
  QFETCH(bool, ticked);
  QFETCH(int, afterClick);
  TFreshState state;
  AppState.Image.SetByte(320, quint8(stored));
  TfOptFun view;
  view.show();
  QCOMPARE(view.cbBeepTone->isChecked(), ticked);
  view.cxScan->setCurrentIndex(1);   // another setting: byte 320 as it was
  QCOMPARE(int(AppState.Image.Byte(320)), stored);
  view.cbBeepTone->click();
  QCOMPARE(int(AppState.Image.Byte(320)), afterClick);
}

void TstSettingViews::valueBeyondList_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("offset");
  QTest::addColumn<int>("stored");
  QTest::newRow("side key 7") << "fKeyFun" << "cbKey1" << 322 << 7;
  QTest::newRow("vox level 9") << "fVoxFun" << "cbVoxLevel" << 308 << 9;
  QTest::newRow("time-out 15") << "fOptFun" << "cbTxTimeout" << 323 << 15;
  QTest::newRow("whisper blank") << "fOptFun" << "cxWhisper" << 319 << 255;
}

// A stored value the list does not offer shows no entry and survives changes of other settings.
void TstSettingViews::valueBeyondList() {
  QFETCH(QString, window);
  QFETCH(QString, control);
  QFETCH(int, offset);
  QFETCH(int, stored);
  TFreshState state;
  AppState.Image.SetByte(offset, quint8(stored));
  auto view = MakeView(window);
  view->show();
  auto *list = view->findChild<QComboBox *>(control);
  QCOMPARE(list->currentIndex(), -1);
  QCOMPARE(list->currentText(), QString());
  view->StoreToImage();
  QCOMPARE(int(AppState.Image.Byte(offset)), stored);
  list->setCurrentIndex(1);
  QCOMPARE(int(AppState.Image.Byte(offset)), 1);
}

void TstSettingViews::voxDetailsFollowVox() {
  TFreshState state;
  {
    TfVoxFun view;
    view.show();
    QVERIFY(!view.cbVoxLevel->isEnabled());
    QVERIFY(!view.chVoxInhibit->isEnabled());
    const TImage before = AppState.Image;
    view.chVoxFun->click();
    QVERIFY(view.cbVoxLevel->isEnabled());
    QVERIFY(view.chVoxInhibit->isEnabled());
    QCOMPARE(Changes(before), (QMap<int, int>{{307, 1}}));   // 308 = 4 and 309 = 1 rewritten as they were
    QVERIFY(AppState.Modified);
    view.chVoxFun->click();
    QCOMPARE(AppState.Image.Byte(307), 0);
    QVERIFY(!view.cbVoxLevel->isEnabled());
    QCOMPARE(view.cbVoxLevel->currentText(), QString("5"));
    QVERIFY(view.chVoxInhibit->isChecked());
  }
  AppState.Image.SetByte(307, 2);   // only exactly 1 means on
  TfVoxFun view;
  view.show();
  QVERIFY(!view.chVoxFun->isChecked());
  QVERIFY(!view.cbVoxLevel->isEnabled());
  QVERIFY(!view.chVoxInhibit->isEnabled());
}

// With a language chosen the view translates itself, lists by their tags, and the report
// rows read as the view shows them.
void TstSettingViews::translatedView() {
  TFreshState state;
  QFile file(state.Path("Test.Ini"));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("[fOptFun]\nfOptFun.Caption=Optionen\nL1.Caption=Rauschsperre\nL2.Caption=Sendezeit\n"
             "cbSQvelch.5=fuenf\ncbTxTimeout.0=Aus\ncbTxTimeout.6=drei Minuten\ncxWaveof.1=Ein\n"
             "cbBeepTone.Caption=Piepton\n");
  file.close();
  AppState.LanguageName = "Test";
  AppState.LanguageIndex = 1;
  TReportTables tables;
  TfOptFun view;
  view.AddReportRows(tables);
  QCOMPARE(view.cbTxTimeout->itemText(0), QString("Aus"));
  QCOMPARE(view.cbTxTimeout->itemText(6), QString("180"));   // tag -3: only the first entry
  QCOMPARE(view.cbSQvelch->itemText(5), QString("5"));       // tag -2: none
  const QStringList rows = Rows(tables);
  QCOMPARE(rows.value(0), QString("9|Optionen|Rauschsperre|5||"));
  QCOMPARE(rows.value(1), QString("9|Optionen|Sendezeit|180||"));
  QCOMPARE(rows.value(2), QString("9|Optionen|Voice|Ein||"));
  QCOMPARE(rows.value(9), QString("9|Optionen|Piepton|Opened||"));
  QVERIFY(!AppState.Modified);
}

QTEST_MAIN(TstSettingViews)
#include "tst_settingviews.moc"
