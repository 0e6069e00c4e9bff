#pragma once
// The radio-wide settings as the setting windows show them: built-in captions and entry
// lists, one table shared by the windows, the report and the command-line tool.
#include "image/MemoryImage.h"
#include <QString>
#include <QStringList>
#include <vector>

enum class TSettingKind { List, Check, Bit0Check };

struct TFunctionSetting {
  QString Window;     // window name, e.g. "fOptFun"
  QString Control;    // component name, e.g. "cbSQvelch"
  QString Label;      // label component of a list ("L1"); empty for check boxes
  QString Caption;    // built-in English caption
  int Offset;
  TSettingKind Kind;
  QStringList Entries;   // list entries; the stored byte is the position
  bool Hidden;           // never shown (the whisper list)
};

// In report order: side key, the three VOX settings, the optional-function lists (L1..L8,
// L11, then the hidden L12) and its three check boxes (Clew Voice, High Vol, Low Vol).
const std::vector<TFunctionSetting> &FunctionSettings();
const TFunctionSetting *FindFunctionSetting(const QString &control);
// The entry text of a list byte (empty beyond the list), or the Open/Close message text.
QString SettingValueText(const TFunctionSetting &s, const TImage &image);
bool SettingChecked(const TFunctionSetting &s, const TImage &image);

// Built-in texts of the channel table's fixed lists, by bit value.
const QStringList &PowerTexts();    // "Low", "High"
const QStringList &WidthTexts();    // "Wide", "Narrow"
const QStringList &YesNoTexts();    // "Yes", "No"  (bit 0 = Yes)
