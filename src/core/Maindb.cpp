#include "core/Maindb.h"
#include "core/AllClass.h"
#include "core/Language.h"
#include "core/MacType.h"
#include "core/Settings.h"
#include "image/ImageRoutines.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

TReportTables ReportTables;

QString ExecutableDir() {
  QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
  if (dir.isEmpty()) dir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
  return QDir(dir).absolutePath() + '/';
}

void DataModuleCreate(const QString &appPath) {
  ReportTables.Clear();
  AppState = TALL();
  Messages = TLanguage();
  AppState.AppPath = appPath.isEmpty() ? ExecutableDir() : (appPath.endsWith('/') ? appPath : appPath + '/');
  AppState.NewPassword = false;
  AppState.CurrentChannel = 1;
  FillBandTable();
  FillCatalogue();
  LoadSettings();
  LoadMessages(AppState.LanguageName);
}

void StartWithBlankImage() {
  SelectModel(0, false);
  ParseBand(AppState.BandName);
  NewImage();
  AppState.Modified = false;
}
