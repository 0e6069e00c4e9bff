#pragma once
// Embedded Message
#include <QDialog>

class TfEmbeddedMessage : public QDialog {
  Q_OBJECT
public:
  explicit TfEmbeddedMessage(QWidget *parent = nullptr);
};
