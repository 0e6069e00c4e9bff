#include "core/Settings.h"
#include "core/AllClass.h"
#include "core/IniFile.h"
#include <cstdio>

namespace {
const QString Section = QStringLiteral("SysInfo");
const QString DefaultLanguageList = QStringLiteral("Chinese|English");
const QString DefaultDisplayNames = QStringLiteral("中文|英文");

int ToIntOr(const QString &text, int fallback) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok);
  return ok ? v : fallback;
}
}

QString SettingsPath() { return AppState.AppPath + QStringLiteral("SysInfo.Ini"); }

QStringList SplitList(const QString &text) {
  QStringList out;
  QString rest = text;
  while (!rest.isEmpty()) {
    const int bar = rest.indexOf('|');
    if (bar < 0) { out << rest; break; }
    out << rest.left(bar);
    rest.remove(0, bar + 1);
  }
  return out;
}

QString PickElement(const QString &text, int k) {
  if (k < 0) return QString();
  const QStringList items = SplitList(text);
  return k < items.size() ? items[k] : QString();
}

void LoadSettings() {
  const TIniFile ini(SettingsPath());
  AppState.ComPort = ini.ReadString(Section, QStringLiteral("Com"), QStringLiteral("Com1"));
  const QString defaultLanguage = ini.ReadString(Section, QStringLiteral("DefaultLanguage"), QStringLiteral("0"));
  AppState.HelpPrefix = ini.ReadString(Section, QStringLiteral("Help"), QStringLiteral("QK"));
  AppState.LanguageIndex = ToIntOr(defaultLanguage, 0);
  AppState.PicID = ToIntOr(ini.ReadString(Section, QStringLiteral("PicID"), QStringLiteral("0")), 0) + 1;
  AppState.LanguageName =
      PickElement(ini.ReadString(Section, QStringLiteral("Language"), DefaultLanguageList), AppState.LanguageIndex);
}

void GetLanguageList(QStringList &displayNames, QStringList &fileNames) {
  const TIniFile ini(SettingsPath());
  fileNames << SplitList(ini.ReadString(Section, QStringLiteral("Language"), DefaultLanguageList));
  displayNames << SplitList(ini.ReadString(Section, AppState.LanguageName, DefaultDisplayNames));
}

bool SaveSettings() {
  TIniFile ini(SettingsPath());
  ini.WriteString(Section, QStringLiteral("Com"), AppState.ComPort);
  ini.WriteString(Section, QStringLiteral("DefaultLanguage"), QString::number(AppState.LanguageIndex));
  ini.WriteString(Section, QStringLiteral("PicID"), QString::number(AppState.PicID - 1));
  QString error;
  if (ini.UpdateFile(&error)) return true;
  std::fprintf(stderr, "Cannot save settings to %s: %s\n", qPrintable(SettingsPath()), qPrintable(error));
  return false;
}
