#include "link/SetPort.h"

TfSetPort::TfSetPort(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fSetPort"));
  setWindowTitle(QStringLiteral("Communication Port"));
}
