#include "functions/SettingRules.h"
#include "core/AllClass.h"
#include "image/Codecs.h"
#include "image/ImageRoutines.h"
#include <QRegularExpression>

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
