#pragma once
// Communication Port
#include <QDialog>

class TfSetPort : public QDialog {
  Q_OBJECT
public:
  explicit TfSetPort(QWidget *parent = nullptr);
};
