// Catalogue, band table, settings file and message catalogue.
#include "TestSupport.h"
#include "core/IniFile.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "core/Settings.h"
#include <QFile>
#include <QStringEncoder>
#include <QtTest>

namespace {
void WriteFile(const QString &path, const QByteArray &bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}
QByteArray ReadFile(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QByteArray Gbk(const QString &s) {
  QStringEncoder enc("GB18030");
  return enc.encode(s);
}
}

class TestCore : public QObject {
  Q_OBJECT
private slots:
  void selectModel_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("applyBand");
    QTest::addColumn<QString>("modelCode");
    QTest::addColumn<QString>("band");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("maxFreq");
    QTest::addColumn<double>("minFreq");
    // Edges 1 and 2: they stay as they were before the call.
    QTest::newRow("UHF 244") << 244 << true << "6405" << "450 - 470MHz" << 450.0 << 470.0 << 650.0 << 300.0;
    QTest::newRow("VHF 242") << 242 << true << "5405" << "136 - 174MHz" << 136.0 << 174.0 << 300.0 << 67.0;
    QTest::newRow("VHF 240 band not applied") << 240 << false << "5405" << "150 - 174MHz" << 1.0 << 2.0 << 300.0 << 67.0;
    QTest::newRow("unknown code 7") << 7 << true << "6405" << "440 - 480MHz" << 440.0 << 480.0 << 650.0 << 300.0;
    QTest::newRow("code 0 at start-up") << 0 << false << "6405" << "450 - 470MHz" << 1.0 << 2.0 << 650.0 << 300.0;
  }
  void selectModel() {
    QFETCH(int, code);
    QFETCH(bool, applyBand);
    TFreshState state(false);
    AppState.BandLow = 1;
    AppState.BandHigh = 2;
    SelectModel(code, applyBand);
    QFETCH(QString, modelCode);
    QFETCH(QString, band);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, maxFreq);
    QFETCH(double, minFreq);
    QCOMPARE(AppState.ModelCode, modelCode);
    QCOMPARE(AppState.CurrentModel, ModelCatalogue.FindByCode(modelCode));
    QCOMPARE(AppState.BandName, band);
    QCOMPARE(AppState.BandLow, low);
    QCOMPARE(AppState.BandHigh, high);
    QCOMPARE(AppState.MaxFreq, maxFreq);
    QCOMPARE(AppState.MinFreq, minFreq);
    QCOMPARE(AppState.ChannelCount, 16);
  }

  // A band no model is sold in keeps the current model, band and edges.
  void selectModelBandWithoutModel() {
    TFreshState state;
    SelectModel(242, true);
    SelectModel(NoModelBandCode, true);
    QCOMPARE(AppState.ModelCode, QString("5405"));
    QCOMPARE(AppState.BandName, QString("136 - 174MHz"));
    QCOMPARE(AppState.BandLow, 136.0);
    QCOMPARE(AppState.BandHigh, 174.0);
  }

  void bandTable() {
    TFreshState state(false);
    QCOMPARE(BandTable.CodeOf("450 - 470MHz"), 244);
    QCOMPARE(BandTable.CodeOf("nothing"), 253);
    QCOMPARE(BandTable.TextOf(253), QString(" 27 -  72MHz"));
    QCOMPARE(BandTable.TextOf(1), QString("440 - 480MHz"));
    QStringList names{"stale"};
    ModelCatalogue.FillNames(names);
    QCOMPARE(names, QStringList({"ZL-6405s(UHF)", "ZL-6405s(VHF)"}));
    QVERIFY(!ModelCatalogue.FindByBand(" 27 -  72MHz"));
    QVERIFY(!ModelCatalogue.ItemAt(2));
    double low = 0, high = 0;
    QVERIFY(ParseBandText(" 27 -  72MHz", low, high));
    QCOMPARE(low, 27.0);
    QCOMPARE(high, 72.0);
  }

  void loadSettings_data() {
    QTest::addColumn<QByteArray>("file");   // empty: no file at all
    QTest::addColumn<QString>("com");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("help");
    QTest::addColumn<int>("picId");
    QTest::newRow("no file") << QByteArray() << "Com1" << 0 << "Chinese" << "QK" << 1;
    QTest::newRow("index 1") << QByteArray("[SysInfo]\nDefaultLanguage=1\n") << "Com1" << 1 << "English" << "QK" << 1;
    QTest::newRow("bad numbers") << QByteArray("[SysInfo]\nDefaultLanguage=x\nPicID=7a\n") << "Com1" << 0 << "Chinese" << "QK" << 1;
    QTest::newRow("index past list") << QByteArray("[SysInfo]\nDefaultLanguage=5\n") << "Com1" << 5 << "" << "QK" << 1;
    QTest::newRow("negative index") << QByteArray("[SysInfo]\nDefaultLanguage=-1\n") << "Com1" << -1 << "" << "QK" << 1;
    QTest::newRow("empty element") << QByteArray("[sysinfo]\nlanguage=A||B|\ndefaultlanguage=1\n") << "Com1" << 1 << "" << "QK" << 1;
    QTest::newRow("case and values") << QByteArray("[SYSINFO]\r\nCOM=com3\r\nhelp=ZL\r\nPicId=7\r\nDefaultLanguage=2\r\nLanguage=A||B|\r\n")
                                     << "com3" << 2 << "B" << "ZL" << 8;
  }
  void loadSettings() {
    QFETCH(QByteArray, file);
    TFreshState outer(false);
    if (!file.isEmpty()) WriteFile(outer.Path("SysInfo.Ini"), file);
    DataModuleCreate(outer.Dir.path());
    QTEST(AppState.ComPort, "com");
    QTEST(AppState.LanguageIndex, "index");
    QTEST(AppState.LanguageName, "language");
    QTEST(AppState.HelpPrefix, "help");
    QTEST(AppState.PicID, "picId");
  }

  void splitList_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("two") << "Chinese|English" << QStringList{"Chinese", "English"};
    QTest::newRow("empty between") << "A||B" << QStringList{"A", "", "B"};
    QTest::newRow("bar at end") << "A|B|" << QStringList{"A", "B"};
    QTest::newRow("leading bar") << "|A" << QStringList{"", "A"};
    QTest::newRow("empty") << "" << QStringList{};
  }
  void splitList() {
    QFETCH(QString, text);
    QTEST(SplitList(text), "items");
  }

  // Only Com, DefaultLanguage and PicID are rewritten; every other byte stays.
  void saveSettingsKeepsOtherLines() {
    TFreshState state(false);
    const QByteArray before = "; our radios\r\n[SysInfo]\r\nCom=COM1\r\nHelp=ZL\r\n" + Gbk("Chinese=中文|英文") +
                              "\r\nDefaultLanguage=1\r\nPicID=7\r\n[Ports]\r\nCOM3=/dev/ttyUSB0\r\n";
    WriteFile(state.Path("SysInfo.Ini"), before);
    DataModuleCreate(state.Dir.path());
    AppState.ComPort = "COM4";
    AppState.LanguageIndex = 0;
    QVERIFY(SaveSettings());
    QByteArray expected = before;
    expected.replace("Com=COM1", "Com=COM4").replace("DefaultLanguage=1", "DefaultLanguage=0");
    QCOMPARE(ReadFile(state.Path("SysInfo.Ini")), expected);
  }

  void saveSettingsCreatesFile() {
    TFreshState state(false);
    AppState.ComPort = "COM2";
    QVERIFY(SaveSettings());
    DataModuleCreate(state.Dir.path());
    QCOMPARE(AppState.ComPort, QString("COM2"));
    QCOMPARE(AppState.LanguageIndex, 0);
    QCOMPARE(AppState.PicID, 1);
    AppState.LanguageIndex = 5;   // beyond the list: kept and written back
    QVERIFY(SaveSettings());
    QVERIFY(ReadFile(state.Path("SysInfo.Ini")).contains("DefaultLanguage=5"));
  }

  // A settings file that cannot be written is reported and the program goes on.
  void saveSettingsUnwritable() {
    TFreshState state(false);
    DataModuleCreate(state.Path("no/such/dir"));
    AppState.ComPort = "COM9";
    QVERIFY(!SaveSettings());
    QVERIFY(!QFile::exists(state.Path("no/such/dir/SysInfo.Ini")));
  }

  // Display names of the language dialog, stored in GBK or UTF-8.
  void languageListDecodesGbkAndUtf8() {
    TFreshState state(false);
    WriteFile(state.Path("SysInfo.Ini"), "[SysInfo]\nLanguage=Chinese|English\n" + Gbk("Chinese=中文|英文\n"));
    DataModuleCreate(state.Dir.path());
    QStringList display, files;
    GetLanguageList(display, files);
    QCOMPARE(files, QStringList({"Chinese", "English"}));
    QCOMPARE(display, QStringList({"中文", "英文"}));
    WriteFile(state.Path("SysInfo.Ini"), QString("[SysInfo]\nLanguage=Chinese|English\nChinese=中文|英文\n").toUtf8());
    display.clear();
    files.clear();
    GetLanguageList(display, files);
    QCOMPARE(display, QStringList({"中文", "英文"}));
  }

  void messagesFallBackKeyByKey() {
    TFreshState state(false);
    LoadMessages("Nothing");
    int count = 0;
    const TMessageKey *keys = MessageKeys(count);
    QCOMPARE(count, 22);
    for (int i = 0; i < count; ++i) QCOMPARE(Messages.*(keys[i].Field), QString::fromLatin1(keys[i].BuiltIn));
    QCOMPARE(Messages.Channel + Messages.Info, QString("Channel Information"));
    QCOMPARE(Messages.OutRange, QString("Frequecy is Out of range."));

    WriteFile(state.Path("Test.Ini"), "[language]\r\nexitprogram=Quit now?\r\n[fMainFrm]\r\nConfirmation=not here\r\n");
    LoadMessages("Test");
    for (int i = 0; i < count; ++i) {
      const QString expected = QString::fromLatin1(keys[i].Key) == "ExitProgram" ? "Quit now?" : keys[i].BuiltIn;
      QCOMPARE(Messages.*(keys[i].Field), expected);
    }
    WriteFile(state.Path("Chinese.Ini"), Gbk("[Language]\nConfirmation=确认 \r\nInfo= 信息\nChannel=\"频道\"\n"));
    LoadMessages("Chinese");
    QCOMPARE(Messages.Confirmation, QString("确认"));
    QCOMPARE(Messages.Info, QString(" 信息"));   // a leading blank is part of the text
    QCOMPARE(Messages.Channel, QString("频道"));
  }

  void iniFileAddsKeysWhereTheyBelong() {
    TFreshState state(false);
    WriteFile(state.Path("a.ini"), "[One]\nA=1\n\n[Two]\nB=2");
    TIniFile ini(state.Path("a.ini"));
    ini.WriteString("one", "C", "3");
    ini.WriteString("Three", "D", "4");
    QVERIFY(ini.UpdateFile());
    QCOMPARE(ReadFile(state.Path("a.ini")), QByteArray("[One]\nA=1\nC=3\n\n[Two]\nB=2\n[Three]\nD=4"));
    const TIniFile again(state.Path("a.ini"));
    QCOMPARE(again.ReadString("ONE", "c", "x"), QString("3"));
    QCOMPARE(again.ReadString("Two", "A", "x"), QString("x"));
  }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
