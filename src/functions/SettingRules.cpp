#include "functions/SettingRules.h"
#include "core/AllClass.h"
#include "image/Codecs.h"
#include "image/ImageRoutines.h"
#include <QRegularExpression>

int SettingPosition(const TFunctionSetting &s, const TImage &image) {
  const int v = image.Byte(s.Offset);
  return v < s.Entries.size() ? v : -1;
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

void StoreSerialNumber(const QString &text) {
  AppState.Image.SetText(Layout::Serial, Layout::SerialWidth, text.toUpper());
}

QString PasswordText(int offset) { return VisibleText(offset, Layout::PasswordWidth).trimmed(); }

void StorePasswordText(int offset, const QString &text) {
  AppState.Image.SetText(offset, Layout::PasswordWidth, text.trimmed());
}

bool EmbeddedMessageAccepts(int code) {
  return code == 8 || code == 13 || code == ' ' || (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') ||
         (code >= 'a' && code <= 'z');
}

QString TestFrequencyPattern() { return QStringLiteral("\\d{0,5}(\\.\\d{0,5})?"); }

std::optional<QString> TestFrequencyEntry(const QString &text) {
  if (text.isEmpty()) return QString();
  static const QRegularExpression form(QRegularExpression::anchoredPattern(TestFrequencyPattern()));
  const auto v = form.match(text).hasMatch() ? ParseNumber(text) : std::nullopt;
  if (!v) return std::nullopt;
  return FreqText(CheckFrequency(*v));
}
