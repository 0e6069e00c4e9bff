// The command-line tool as a user runs it: exit status, standard output and error, files.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct TRun {
  int Code;
  QString Out, Err;
};
TRun Cli(const QStringList &args) {
  QProcess p;
  p.start(QStringLiteral(ZL_BIN_DIR "/zl6405s-cli"), args);
  p.waitForFinished(30000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
          QString::fromLocal8Bit(p.readAllStandardError())};
}
}

class TestCli : public QObject {
  Q_OBJECT
  QTemporaryDir Dir;
  QString Path(const QString &n) { return Dir.filePath(n); }

private slots:
  void newThenInfo() {
    TRun r = Cli({"new", "-o", Path("blank.dat")});
    QCOMPARE(r.Code, 0);
    QCOMPARE(QFileInfo(Path("blank.dat")).size(), 448);
    r = Cli({"info", Path("blank.dat")});
    QCOMPARE(r.Code, 0);
    QVERIFY(r.Err.isEmpty());
    QVERIFY(r.Out.contains(QRegularExpression("Model: +ZL-6405s\\(UHF\\)\n")));
    QVERIFY(r.Out.contains(QRegularExpression("Band: +450 - 470MHz\n")));
    QVERIFY(r.Out.contains("Channel No.  RX Frequency  TX Frequency  QT/DQT Dec"));
    QVERIFY(r.Out.contains(QRegularExpression("\n16\n")));
    QVERIFY(r.Out.contains(QRegularExpression("Side Key +Monmome\n")));
    QVERIFY(r.Out.contains(QRegularExpression("Low Vol Inhibit Tx +Opened\n")));
  }

  void newVhfBand() {
    QCOMPARE(Cli({"new", "--model", "VHF", "--band", "136-174", "-o", Path("vhf.dat")}).Code, 0);
    const TRun r = Cli({"info", Path("vhf.dat")});
    QVERIFY(r.Out.contains(QRegularExpression("Model: +ZL-6405s\\(VHF\\)\n")));
    QVERIFY(r.Out.contains(QRegularExpression("Band: +136 - 174MHz\n")));
  }

  void failures_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 1 << "unknown command";
    QTest::newRow("missing file") << QStringList{"info", "/nonexistent/x.dat"} << 2 << "Cannot open";
    QTest::newRow("band of the other model") << QStringList{"new", "--band", "136 - 174MHz", "-o", "@out"} << 1 << "has no band";
    QTest::newRow("unknown model") << QStringList{"new", "--model", "HF", "-o", "@out"} << 1 << "unknown model";
    QTest::newRow("no output") << QStringList{"new"} << 1 << "usage";
    QTest::newRow("unwritable") << QStringList{"new", "-o", "/nonexistent/dir/x.dat"} << 2 << "Cannot save";
  }
  void failures() {
    QFETCH(QStringList, args);
    const QString out = Path("never.dat");
    args.replaceInStrings("@out", out);
    const TRun r = Cli(args);
    QTEST(r.Code, "code");
    QFETCH(QString, message);
    QVERIFY2(r.Err.contains(message), qPrintable(r.Err));
    QCOMPARE(r.Err.count('\n'), 1);   // one line
    QVERIFY(r.Out.isEmpty());
    QVERIFY(!QFile::exists(out));
  }

  void refusedFile() {
    QFile f(Path("bad.dat"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("P9999") + QByteArray(443, char(0xFF)));
    f.close();
    const TRun r = Cli({"info", Path("bad.dat")});
    QCOMPARE(r.Code, 2);
    QVERIFY(r.Err.contains("Model Type Wrong."));
  }

  void help() {
    const TRun r = Cli({"--help"});
    QCOMPARE(r.Code, 0);
    for (const char *command : {"new", "info"}) QVERIFY(r.Out.contains(QString("  %1 ").arg(command)));
  }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
