// Memory image routines, channel records and the data file.
#include "TestSupport.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "image/DataFile.h"
#include "image/FunctionSettings.h"
#include "image/ImageRoutines.h"
#include <QFile>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray ReadHexFixture(const QString &name) {
  QFile f(QStringLiteral(ZL_TEST_DATA "/") + name);
  if (!f.open(QIODevice::ReadOnly)) return QByteArray();
  QByteArray hex;
  for (const QByteArray &line : f.readAll().split('\n'))
    if (!line.trimmed().startsWith('#')) hex += line;
  return QByteArray::fromHex(hex);
}
QByteArray ReadFile(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void WriteFile(const QString &path, const QByteArray &bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}
TImage &Img() { return AppState.Image; }
QByteArray Record(int n) { return Img().Bytes(TChannelRecord::Offset(n), TChannelRecord::Size); }
}

class TestImage : public QObject {
  Q_OBJECT
private slots:
  void blankImage() {
    TFreshState state(false);
    Img().Fill(432, 16, 0x5A);   // bytes 432-447 are left alone
    StartWithBlankImage();
    for (int n = 1; n <= 16; ++n) QVERIFY(!ReadChannel(n).Present);
    QCOMPARE(Img().Bytes(0, 16), QByteArray(16, char(0xFF)));
    QCOMPARE(Img().Byte(316), quint8(0xFF));
    QCOMPARE(Img().Bytes(336, 8), QByteArray("P6405\xF4\0\0", 8));
    QCOMPARE(Img().Bytes(432, 16), QByteArray(16, char(0x5A)));
    QCOMPARE(WriteTimeText(), QString("2026-05-09 08:07:06"));
    QVERIFY(!AppState.NewPassword);
  }

  void writeTimeText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("2026") << QByteArray::fromHex("EA070509080706") << "2026-05-09 08:07:06";
    QTest::newRow("2024") << QByteArray::fromHex("E8070511090307") << "2024-05-17 09:03:07";
    QTest::newRow("blank") << QByteArray::fromHex("FFFFFFFFFFFFFF") << "65535-255-255 255:255:255";
  }
  void writeTimeText() {
    TFreshState state;
    QFETCH(QByteArray, bytes);
    Img().SetBytes(Layout::WriteTime, bytes);
    QTEST(WriteTimeText(), "text");
  }

  void fixImage_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("304 bit 0 only") << 304 << 0xFF << 0x01;
    QTest::newRow("307 bit 0 only") << 307 << 0x02 << 0x00;
    QTest::newRow("308 above 8") << 308 << 9 << 4;
    QTest::newRow("308 at 8") << 308 << 8 << 8;
    QTest::newRow("313 bit 0 only") << 313 << 0xFE << 0x00;
    QTest::newRow("314 untouched") << 314 << 0x77 << 0x77;
    QTest::newRow("316 both nibbles") << 316 << 0x3F << 0x00;
    QTest::newRow("316 in range") << 316 << 0x21 << 0x21;
    QTest::newRow("316 high nibble") << 316 << 0x52 << 0x02;
    QTest::newRow("317 above 2") << 317 << 3 << 0;
    QTest::newRow("318 above 4") << 318 << 5 << 4;
    QTest::newRow("319 untouched") << 319 << 0xFF << 0xFF;
    QTest::newRow("320 untouched") << 320 << 0xFE << 0xFE;
    QTest::newRow("321 above 9") << 321 << 10 << 5;
    QTest::newRow("322 above 3") << 322 << 4 << 1;
    QTest::newRow("323 above 30") << 323 << 31 << 6;
    QTest::newRow("323 at 30") << 323 << 30 << 30;
    QTest::newRow("band code put back") << 341 << 0x12 << 0xF4;
  }
  void fixImage() {
    TFreshState state;
    QFETCH(int, offset);
    QFETCH(int, before);
    Img().SetByte(offset, quint8(before));
    FixImage();
    QTEST(int(Img().Byte(offset)), "after");
  }

  void readChannel() {
    TFreshState state;
    Img().SetBytes(TChannelRecord::Offset(1), QByteArray::fromHex("00250146 FFFFFFFF 8508 2380 F5 FFFFFF"));
    TChannel ch = ReadChannel(1);
    QVERIFY(ch.Present);
    QCOMPARE(ch.Rx, 460.125);
    QCOMPARE(ch.Tx, -1.0);
    QCOMPARE(ch.RxTone, QString("88.5"));
    QCOMPARE(ch.TxTone, QString("D023N"));
    const int flags[7] = {1, 0, 1, 0, 1, 1, 1};   // 0xF5, bits 0..6
    for (int b = 0; b < 7; ++b) QCOMPARE(ch.Flags[b], flags[b]);
    // An empty record reads as empty whatever its other bytes hold.
    Img().SetBytes(TChannelRecord::Offset(16), QByteArray::fromHex("0025014F 00250146 8508 2380 00 000000"));
    QVERIFY(!ReadChannel(16).Present);
    QCOMPARE(TChannelRecord::Offset(16), 272);
  }

  void writeChannelField_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("record");
    const QByteArray full = QByteArray::fromHex("00250146 00250146 8508 2380 FB 123456");
    QTest::newRow("rx freq") << int(RxFreq) << "146.52000" << QByteArray::fromHex("00206514 00250146 8508 2380 FB 123456");
    QTest::newRow("empty rx blanks record") << int(RxFreq) << "" << QByteArray(16, char(0xFF));
    QTest::newRow("empty tx takes tx tone") << int(TxFreq) << "" << QByteArray::fromHex("00250146 FFFFFFFF 8508 FFFF FB 123456");
    QTest::newRow("rx tone none") << int(RxTone) << "" << QByteArray::fromHex("00250146 00250146 FFFF 2380 FB 123456");
    QTest::newRow("tx tone DCS I") << int(TxTone) << "D754I" << QByteArray::fromHex("00250146 00250146 8508 54C7 FB 123456");
    QTest::newRow("busy lock set") << int(BusyLockBit) << "1" << full;
    QTest::newRow("busy lock clear") << int(BusyLockBit) << "0" << QByteArray::fromHex("00250146 00250146 8508 2380 FA 123456");
    QTest::newRow("narrow") << int(NarrowBit) << "1" << QByteArray::fromHex("00250146 00250146 8508 2380 FF 123456");
    QTest::newRow("scan on") << int(ScanOffBit) << "0" << QByteArray::fromHex("00250146 00250146 8508 2380 EB 123456");
    QTest::newRow("not exactly 1") << int(WhisperOffBit) << "1 " << QByteArray::fromHex("00250146 00250146 8508 2380 7B 123456");
  }
  void writeChannelField() {
    TFreshState state;
    QFETCH(int, field);
    QFETCH(QString, text);
    Img().SetBytes(TChannelRecord::Offset(3), QByteArray::fromHex("00250146 00250146 8508 2380 FB 123456"));
    const QByteArray before2 = Record(2), before4 = Record(4);
    QVERIFY(WriteChannelField(3, TChannelField(field), text));
    QTEST(Record(3), "record");
    QCOMPARE(Record(2), before2);   // neighbours untouched
    QCOMPARE(Record(4), before4);
  }

  void writeChannelFieldRefusesGarbage() {
    TFreshState state;
    const TImage before = Img();
    QVERIFY(!WriteChannelField(1, RxFreq, "12x"));
    QVERIFY(!WriteChannelField(1, RxTone, "abc"));
    QVERIFY(Img() == before);
  }

  void imageAccessIsBoundsChecked() {
    TImage image;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.Byte(448));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.SetBytes(440, QByteArray(9, 0)));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.Byte(-1));
  }

  void functionSettingTexts() {
    TFreshState state;
    QString rows;
    for (const auto &s : FunctionSettings())
      if (!s.Hidden) rows += s.Caption + '=' + SettingValueText(s, Img()) + ';';
    QCOMPARE(rows, QString("Side Key=Monmome;VOX Function=Closed;VOX Gain Level=5;VOX Inhibit OnReceive=Opened;"
                           "Squelch level=5;TX Time Out=180;Voice=On;Voice Annunciation=Chinese;Scan=Off;"
                           "FM Function=Turn on;Incept Alarm=Off;Epilogue=Type-1;Battery Save=1:4;"
                           "Clew Voice=Opened;High Vol Inhibit Tx=Opened;Low Vol Inhibit Tx=Opened;"));
    Img().SetByte(TFunctionByte::TxTimeout, 20);   // beyond the list
    QCOMPARE(SettingValueText(*FindFunctionSetting("cbTxTimeout"), Img()), QString());
    Img().SetByte(TFunctionByte::HighVolInhibit, 2);   // only exactly 1 is ticked
    QCOMPARE(SettingValueText(*FindFunctionSetting("cbVolhigh"), Img()), QString("Closed"));
  }

  // The file a fresh program saves, byte for byte against the documented layout.
  void blankDataFileLayout() {
    TFreshState state;
    const QByteArray expected = ReadHexFixture("blank-uhf.hex");
    QCOMPARE(expected.size(), 448);
    QVERIFY(SaveDataFile(state.Path("blank.dat"), nullptr));
    QCOMPARE(ReadFile(state.Path("blank.dat")).toHex(' '), expected.toHex(' '));
  }

  void bandDigits_data() {
    QTest::addColumn<QString>("band");
    QTest::addColumn<QByteArray>("digits");
    QTest::newRow("136 - 174") << "136 - 174MHz" << QByteArray::fromHex("136174");
    QTest::newRow("27 - 72") << " 27 -  72MHz" << QByteArray::fromHex("027072");
    QTest::newRow("400 - 470") << "400 - 470MHz" << QByteArray::fromHex("400470");
  }
  void bandDigits() {
    TFreshState state;
    QFETCH(QString, band);
    ParseBand(band);
    QTEST(BuildDataFile().mid(5, 3), "digits");
  }

  void saveThenOpenRoundTrip() {
    TFreshState state;
    SelectModel(BandTable.CodeOf("136 - 174MHz"), true);
    NewImage();
    WriteChannelField(5, RxFreq, "146.52000");
    Img().SetText(Layout::Serial, 16, "AB12");
    for (int i = 432; i < 448; ++i) Img().SetByte(i, quint8(i));
    Img().SetText(Layout::Password, 8, "secret");
    AppState.Modified = true;
    FixImage();   // what an open does to the bytes; a blank byte 316 would come back as 0x00
    const QByteArray saved = Img().Bytes(16, 432);
    QVERIFY(SaveDataFile(state.Path("r.dat"), nullptr));
    QVERIFY(!AppState.Modified);

    StartWithBlankImage();   // back to UHF, then open the VHF file
    AppState.Modified = true;
    QString error;
    QCOMPARE(OpenDataFile(state.Path("r.dat"), &error), TOpenResult::Ok);
    QCOMPARE(Img().Bytes(16, 432), saved);
    QCOMPARE(Img().Bytes(0, 8), ReadFile(state.Path("r.dat")).left(8));
    QCOMPARE(AppState.ModelCode, QString("5405"));
    QCOMPARE(AppState.BandName, QString("136 - 174MHz"));
    QCOMPARE(AppState.BandLow, 136.0);
    QVERIFY(!AppState.Modified);
    QCOMPARE(AppState.FileDate, QString("2026-05-09 08:07"));
  }

  // Byte 341 names the model, whatever the header's model code says.
  void openFollowsBandCode() {
    TFreshState state;
    QByteArray file = BuildDataFile();   // UHF header
    file[341] = char(0xF0);              // VHF band code
    WriteFile(state.Path("x.dat"), file);
    QCOMPARE(OpenDataFile(state.Path("x.dat"), nullptr), TOpenResult::Ok);
    QCOMPARE(AppState.ModelCode, QString("5405"));
    QCOMPARE(AppState.BandName, QString("150 - 174MHz"));
  }

  void openRefusals_data() {
    QTest::addColumn<QByteArray>("file");   // empty: no file
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    TFreshState state;
    const QByteArray good = BuildDataFile();
    QTest::newRow("missing") << QByteArray() << int(TOpenResult::CannotOpen) << "No such file";
    QTest::newRow("too short") << good.left(15) << int(TOpenResult::TooShort) << "fewer than its 16-byte header";
    QByteArray bad = good;
    bad[6] = char(0x4A);
    QTest::newRow("band digits") << bad << int(TOpenResult::BadBand) << "band digits";
    QByteArray model = good;
    model.replace(1, 4, "9999");
    QTest::newRow("unknown model") << model << int(TOpenResult::UnknownModel) << "Model Type Wrong.";
  }
  void openRefusals() {
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    TFreshState state;
    WriteChannelField(1, RxFreq, "460.00000");
    AppState.Modified = true;
    const TImage before = Img();
    const QString path = state.Path("f.dat");
    if (!file.isEmpty()) WriteFile(path, file);
    QString error;
    QTEST(int(OpenDataFile(path, &error)), "result");
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY(Img() == before);
    QVERIFY(AppState.Modified);
    QCOMPARE(AppState.ModelCode, QString("6405"));
  }

  // A short file fills the image as far as it goes.
  void openShortFile() {
    TFreshState state;
    QByteArray file = BuildDataFile().left(40);
    file[32] = 0x00;   // image 32: channel 1, byte 0
    WriteFile(state.Path("s.dat"), file);
    Img().SetByte(100, 0x42);
    QCOMPARE(OpenDataFile(state.Path("s.dat"), nullptr), TOpenResult::Ok);
    QCOMPARE(Img().Byte(32), quint8(0x00));
    QCOMPARE(Img().Byte(100), quint8(0x42));
  }

  // The disk refuses the write half way (a file size limit below 448 bytes): the old file stays whole.
  void failedSaveKeepsTheOldFile() {
    TFreshState state;
    const QString path = state.Path("keep.dat");
    WriteFile(path, "old contents");
    AppState.Modified = true;
    QString error;
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldSignal = signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = SaveDataFile(path, &error);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldSignal);
    QVERIFY(!saved);
    QVERIFY(error.contains(path));
    QCOMPARE(ReadFile(path), QByteArray("old contents"));
    QVERIFY(AppState.Modified);
  }

  void saveToMissingDirectoryFails() {
    TFreshState state;
    AppState.Modified = true;
    QString error;
    QVERIFY(!SaveDataFile(state.Path("no/such/dir/x.dat"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(AppState.Modified);
  }
};

QTEST_GUILESS_MAIN(TestImage)
#include "tst_image.moc"
