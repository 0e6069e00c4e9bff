#include "functions/TestFrequency.h"

TfTestFrequency::TfTestFrequency(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fTestFrequency"));
  setWindowTitle(QStringLiteral("Test Frequency"));
}
