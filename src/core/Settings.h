#pragma once
// SysInfo.Ini beside the program: port, language, help prefix and the language list.
#include <QString>
#include <QStringList>

QString SettingsPath();   // AppPath + "SysInfo.Ini"
void LoadSettings();
void GetLanguageList(QStringList &displayNames, QStringList &fileNames);
// Writes Com, DefaultLanguage and PicID. A file that cannot be written is reported on
// standard error and the result is false; the program still ends normally.
bool SaveSettings();
// Splits a "|"-separated list: empty elements between two "|" count, a "|" at the very end adds none.
QStringList SplitList(const QString &text);
// Element k of a "|" list; empty when the list is shorter or k is negative.
QString PickElement(const QString &text, int k);
