#include "link/ReadRadio.h"

TfReadRadio::TfReadRadio(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fReadRadio"));
  setWindowTitle(QStringLiteral("Read data From radio"));
}
