#include "functions/CharValidator.h"

QValidator::State TCharValidator::validate(QString &input, int &pos) const {
  const int cursor = pos;
  QString kept;
  kept.reserve(input.size());
  for (int i = 0; i < input.size(); ++i) {
    const QChar c = Map(input[i]);
    if (!c.isNull()) kept += c;
    else if (i < cursor) --pos;
  }
  input = kept;
  return Acceptable;
}
