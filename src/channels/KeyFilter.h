#pragma once
// Key filters of the channel editors: printable characters outside the allowed set are dropped;
// editing and navigation keys (Backspace, Enter, arrows, Tab) always pass.
#include <QKeyEvent>
#include <QString>

inline const QString FrequencyKeys = QStringLiteral("0123456789.");
inline const QString ToneKeys = QStringLiteral("0123456789.DINdin");

inline bool KeyAllowed(const QKeyEvent *e, const QString &allowed) {
  const QString text = e->text();
  if (text.isEmpty() || !text.at(0).isPrint()) return true;
  for (QChar c : text)
    if (!allowed.contains(c)) return false;
  return true;
}
