// ZL-6405s programming software: the desktop program.
#include "core/Maindb.h"
#include "core/Settings.h"
#include "shell/MainFrm.h"
#include "shell/MsgBox.h"
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {
// Benchmark hook: with ZL_BENCH_T0 set to the launch time (ns since the epoch), the program
// prints how long it took until the main window showed its filled channel table, then its
// resident memory after a second of idling, and quits.
void StartBenchmark(const QByteArray &t0) {
  const qint64 launchNs = t0.toLongLong();
  QTimer::singleShot(0, [launchNs] {
    const qint64 nowNs = QDateTime::currentMSecsSinceEpoch() * 1000000;
    std::printf("startup_ms %.1f\n", double(nowNs - launchNs) / 1e6);
    QTimer::singleShot(1000, [] {
      QFile status(QStringLiteral("/proc/self/status"));
      if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
          if (line.startsWith("VmRSS:")) std::printf("rss_kb %s\n", line.mid(6).trimmed().split(' ').first().constData());
      std::fflush(stdout);
      QApplication::exit(0);
    });
  });
}
}

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZL-6405s"));
  InstallMessageBox();
  DataModuleCreate();
  int result;
  {
    TfMainFrm mainFrm;
    mainFrm.showMaximized();
    // A data file given on the command line (a double-click on a .dat file) opens at once.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) mainFrm.LoadFile(args.at(1));
    const QByteArray t0 = qgetenv("ZL_BENCH_T0");
    if (!t0.isEmpty()) StartBenchmark(t0);
    result = app.exec();
    if (mainFrm.CloseAgreed) SaveSettings();
  }
  return result;
}
