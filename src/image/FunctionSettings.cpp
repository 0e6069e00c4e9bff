#include "image/FunctionSettings.h"
#include "core/Language.h"

namespace {
QStringList Split(const char *s) { return QString::fromLatin1(s).split('|'); }
}

const std::vector<TFunctionSetting> &FunctionSettings() {
  using K = TSettingKind;
  static const std::vector<TFunctionSetting> table = {
      {"fKeyFun", "cbKey1", "L1", "Side Key", TFunctionByte::SideKey, K::List, Split("Off|Monmome|H/L Power|Alarm"), false},
      {"fVoxFun", "chVoxFun", "", "VOX Function", TFunctionByte::VoxFunction, K::Check, {}, false},
      {"fVoxFun", "cbVoxLevel", "L1", "VOX Gain Level", TFunctionByte::VoxLevel, K::List, Split("1|2|3|4|5|6|7|8|9"), false},
      {"fVoxFun", "chVoxInhibit", "", "VOX Inhibit OnReceive", TFunctionByte::VoxInhibit, K::Check, {}, false},
      {"fOptFun", "cbSQvelch", "L1", "Squelch level", TFunctionByte::Squelch, K::List, Split("0|1|2|3|4|5|6|7|8|9"), false},
      {"fOptFun", "cbTxTimeout", "L2", "TX Time Out", TFunctionByte::TxTimeout, K::List,
       Split("Off|30|60|90|120|150|180|210|240|270|300"), false},
      {"fOptFun", "cxWaveof", "L3", "Voice", TFunctionByte::Voice, K::List, Split("Off|On"), false},
      {"fOptFun", "cbVoice", "L4", "Voice Annunciation", TFunctionByte::VoiceAnnunciation, K::List, Split("English|Chinese"), false},
      {"fOptFun", "cxScan", "L5", "Scan", TFunctionByte::Scan, K::List, Split("Off|On"), false},
      {"fOptFun", "cxFM", "L6", "FM Function", TFunctionByte::FmFunction, K::List, Split("Interdict|Turn on"), false},
      {"fOptFun", "cxAlt", "L7", "Incept Alarm", TFunctionByte::InceptAlarm, K::List, Split("Off|On"), false},
      {"fOptFun", "cxRevTx", "L8", "Epilogue", TFunctionByte::Epilogue, K::List, Split("OFF|Type-1|Type-2"), false},
      {"fOptFun", "cxRate", "L11", "Battery Save", TFunctionByte::BatterySave, K::List, Split("OFF|1:1|1:2|1:3|1:4"), false},
      {"fOptFun", "cxWhisper", "L12", "Whisper", TFunctionByte::Whisper, K::List, Split("On|Off"), true},
      {"fOptFun", "cbBeepTone", "", "Clew Voice", TFunctionByte::ClewVoice, K::Bit0Check, {}, false},
      {"fOptFun", "cbVolhigh", "", "High Vol Inhibit Tx", TFunctionByte::HighVolInhibit, K::Check, {}, false},
      {"fOptFun", "cbVolLow", "", "Low Vol Inhibit Tx", TFunctionByte::LowVolInhibit, K::Check, {}, false},
  };
  return table;
}

const TFunctionSetting *FindFunctionSetting(const QString &control) {
  for (const auto &s : FunctionSettings())
    if (s.Control == control) return &s;
  return nullptr;
}

bool SettingChecked(const TFunctionSetting &s, const TImage &image) {
  if (s.Kind == TSettingKind::Bit0Check) return image.Bit(s.Offset, 0);
  return image.Byte(s.Offset) == 1;   // a check box is ticked only by exactly 1
}

int SettingPosition(const TFunctionSetting &s, const TImage &image) {
  const int v = image.Byte(s.Offset);
  return v < s.Entries.size() ? v : -1;
}

QString SettingValueText(const TFunctionSetting &s, const TImage &image) {
  if (s.Kind == TSettingKind::List) {
    const int position = SettingPosition(s, image);
    return position < 0 ? QString() : s.Entries[position];
  }
  return SettingChecked(s, image) ? Messages.Open : Messages.Close;
}

void StoreSetting(const TFunctionSetting &s, int value, TImage &image) {
  switch (s.Kind) {
  case TSettingKind::List:
    if (value >= 0) image.SetByte(s.Offset, quint8(value));
    break;
  case TSettingKind::Check:
    image.SetByte(s.Offset, value ? 1 : 0);
    break;
  case TSettingKind::Bit0Check:
    image.SetBit(s.Offset, 0, value != 0);
    break;
  }
}

const QStringList &PowerTexts() { static const QStringList l = Split("Low|High"); return l; }
const QStringList &WidthTexts() { static const QStringList l = Split("Wide|Narrow"); return l; }
const QStringList &YesNoTexts() { static const QStringList l = Split("Yes|No"); return l; }
