// Frequency and tone codecs, the raster, the frequency check and tone normalisation.
#include "TestSupport.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "image/Codecs.h"
#include <QtTest>

Q_DECLARE_METATYPE(TBcd4)

class TestCodecs : public QObject {
  Q_OBJECT
private slots:
  void freqToBcd_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");   // empty: refused
    QTest::newRow("460.125") << "460.125" << QByteArray::fromHex("00250146");
    QTest::newRow("with unit") << "460.125MHz" << QByteArray::fromHex("00250146");
    QTest::newRow("146.52") << "146.52000" << QByteArray::fromHex("00206514");
    QTest::newRow("rounds to 10 Hz") << "146.520004" << QByteArray::fromHex("00206514");
    QTest::newRow("empty is blank") << "" << QByteArray::fromHex("FFFFFFFF");
    QTest::newRow("only unit is blank") << "MHz" << QByteArray::fromHex("FFFFFFFF");
    QTest::newRow("not a number") << "abc" << QByteArray();
    QTest::newRow("1000 MHz does not fit") << "1000" << QByteArray();
    QTest::newRow("negative") << "-1" << QByteArray();
  }
  void freqToBcd() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const auto bcd = FreqToBcd(text);
    QCOMPARE(bcd.has_value(), !bytes.isEmpty());
    if (bcd) QCOMPARE(QByteArray(reinterpret_cast<const char *>(bcd->data()), 4), bytes);
  }

  void bcdToFreq_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("mhz");   // -1: no frequency
    QTest::newRow("460.125") << QByteArray::fromHex("00250146") << 460.125;
    QTest::newRow("hex nibble") << QByteArray::fromHex("0025014A") << -1.0;
    QTest::newRow("blank") << QByteArray::fromHex("FFFFFFFF") << -1.0;
    QTest::newRow("zero is a frequency") << QByteArray::fromHex("00000000") << 0.0;
  }
  void bcdToFreq() {
    QFETCH(QByteArray, bytes);
    QFETCH(double, mhz);
    const auto f = BcdToFreq(quint8(bytes[0]), quint8(bytes[1]), quint8(bytes[2]), quint8(bytes[3]));
    QCOMPARE(f.has_value(), mhz >= 0);
    if (f) QCOMPARE(*f, mhz);
  }

  void tones_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("back");   // what the bytes decode to
    QTest::newRow("88.5") << "88.5" << QByteArray::fromHex("8508") << "88.5";
    QTest::newRow("100.0") << "100.0" << QByteArray::fromHex("0010") << "100.0";
    QTest::newRow("250.3") << "250.3" << QByteArray::fromHex("0325") << "250.3";
    QTest::newRow("67.0") << "67.0" << QByteArray::fromHex("7006") << "67.0";
    QTest::newRow("254.1") << "254.1" << QByteArray::fromHex("4125") << "254.1";
    QTest::newRow("with unit") << "88.5Hz" << QByteArray::fromHex("8508") << "88.5";
    QTest::newRow("D023N") << "D023N" << QByteArray::fromHex("2380") << "D023N";
    QTest::newRow("D023n") << "D023n" << QByteArray::fromHex("2380") << "D023N";
    QTest::newRow("D023I") << "D023I" << QByteArray::fromHex("23C0") << "D023I";
    QTest::newRow("D754I") << "D754I" << QByteArray::fromHex("54C7") << "D754I";
    QTest::newRow("none") << "" << QByteArray::fromHex("FFFF") << "";
  }
  void tones() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const auto t = ToneToBytes(text);
    QVERIFY(t.has_value());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(t->data()), 2), bytes);
    QTEST(BytesToTone(quint8(bytes[0]), quint8(bytes[1])), "back");
  }

  void bytesToToneOddBytes() {
    QCOMPARE(BytesToTone(0xFF, 0x08), QString());   // hex digits in a CTCSS tone: none
    QCOMPARE(BytesToTone(0x23, 0x80), QString("D023N"));
    QVERIFY(!ToneToBytes("D02").has_value());
    QVERIFY(!ToneToBytes("D023X").has_value());
    QVERIFY(!ToneToBytes("x").has_value());
  }

  void snap_data() {
    QTest::addColumn<double>("in");
    QTest::addColumn<double>("out");
    QTest::newRow("on 5k") << 146.51 << 146.51;
    QTest::newRow("on 6.25k") << 146.5125 << 146.5125;
    QTest::newRow("00 digits use 5k") << 146.513 << 146.51;
    QTest::newRow("down to 6.25k") << 146.5175 << 146.5125;
    QTest::newRow("450.0031") << 450.0031 << 450.0;
    QTest::newRow("460.0110") << 460.0110 << 460.0100;
    QTest::newRow("460.0115") << 460.0115 << 460.00625;
    QTest::newRow("460.0125") << 460.0125 << 460.0125;
    QTest::newRow("460.0031") << 460.0031 << 460.0;
  }
  void snap() {
    QFETCH(double, in);
    QFETCH(double, out);
    QCOMPARE(FreqText(SnapFrequency(in)), FreqText(out));
  }

  void checkFrequency_data() {
    QTest::addColumn<double>("in");
    QTest::addColumn<double>("out");
    QTest::addColumn<QString>("message");
    QTest::newRow("above model") << 700.0 << 470.0 << "The frequecy number come amiss!";
    QTest::newRow("below model") << 200.0 << 400.0 << "The frequecy number come amiss!";
    QTest::newRow("outside band") << 350.0 << 350.0 << "Frequecy is Out of range.";
    QTest::newRow("inside") << 450.0 << 450.0 << "";
    QTest::newRow("band edge") << 470.0 << 470.0 << "";
  }
  void checkFrequency() {
    QFETCH(double, in);
    QFETCH(QString, message);
    TFreshState state;
    SelectModel(BandTable.CodeOf("400 - 470MHz"), true);
    TMsgScript msgs;
    QTEST(CheckFrequency(in), "out");
    if (message.isEmpty()) {
      QVERIFY(msgs.Calls.empty());
    } else {
      QCOMPARE(msgs.Texts(), QStringList{message});
      QCOMPARE(msgs.Calls[0].Caption, QString("Caution"));
      QCOMPARE(msgs.Calls[0].Kind, int(MsgInfo));
    }
  }

  void normalizeTone_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("low") << "12" << "30.0";
    QTest::newRow("high") << "300" << "290.0";
    QTest::newRow("one decimal") << "88.53" << "88.5";
    QTest::newRow("unreadable") << "1.2.3" << "290.0";
    QTest::newRow("not octal") << "D088N" << "D777N";
    QTest::newRow("lower polarity kept") << "D023n" << "D023n";
    QTest::newRow("short code") << "D8" << "D777N";
    QTest::newRow("leading dot") << ".5" << "D777N";
    QTest::newRow("lower d") << "d023N" << "D777N";
    QTest::newRow("valid") << "D754I" << "D754I";
  }
  void normalizeTone() {
    QFETCH(QString, in);
    QTEST(NormalizeTone(in), "out");
  }

  void toneList() {
    QCOMPARE(ToneListEntries().size(), 205);
    QCOMPARE(ToneListEntries().first(), QString("67.0"));
    QCOMPARE(ToneListEntries()[39], QString("D023N"));
    QCOMPARE(ToneListEntries().last(), QString("D754I"));
    for (const QString &t : ToneListEntries()) QCOMPARE(NormalizeTone(t), t);   // every entry is valid
  }
};

QTEST_GUILESS_MAIN(TestCodecs)
#include "tst_codecs.moc"
