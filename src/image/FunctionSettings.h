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
// The list position a stored byte selects, or -1 when the byte lies beyond the list.
int SettingPosition(const TFunctionSetting &s, const TImage &image);
// Stores one control's value: a list position (-1 when no entry is chosen) or, for a check
// box, 1 (ticked) or 0. "Clew Voice" touches bit 0 of its byte alone. A list with no entry
// chosen leaves its byte as it is: the only way to get there is a stored value beyond the list,
// and rewriting it as 255 would destroy a value the radio accepts (a time-out of 11..30, say)
// when the user merely changed another setting.
void StoreSetting(const TFunctionSetting &s, int value, TImage &image);

// Built-in texts of the channel table's fixed lists, by bit value.
const QStringList &PowerTexts();    // "Low", "High"
const QStringList &WidthTexts();    // "Wide", "Narrow"
const QStringList &YesNoTexts();    // "Yes", "No"  (bit 0 = Yes)
