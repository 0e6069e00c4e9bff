#pragma once
// A line-edit validator that passes every typed or pasted character through a mapping: the
// mapped character is kept, a null character drops it. Used for the upper-case serial number
// and the letters-digits-spaces embedded message.
#include <QValidator>
#include <functional>

class TCharValidator : public QValidator {
  Q_OBJECT
public:
  using TMap = std::function<QChar(QChar)>;
  TCharValidator(TMap map, QObject *parent) : QValidator(parent), Map(std::move(map)) {}
  State validate(QString &input, int &pos) const override;

private:
  TMap Map;
};
