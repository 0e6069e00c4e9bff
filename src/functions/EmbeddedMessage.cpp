#include "functions/EmbeddedMessage.h"

TfEmbeddedMessage::TfEmbeddedMessage(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fEmbeddedMessage"));
  setWindowTitle(QStringLiteral("Embedded Message"));
}
