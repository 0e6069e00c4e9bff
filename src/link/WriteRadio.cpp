#include "link/WriteRadio.h"

TfWriteRadio::TfWriteRadio(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fWriteRadio"));
  setWindowTitle(QStringLiteral("Write data to radio"));
}
