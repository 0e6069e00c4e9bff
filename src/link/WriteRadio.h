#pragma once
// Write data to radio
#include <QDialog>

class TfWriteRadio : public QDialog {
  Q_OBJECT
public:
  explicit TfWriteRadio(QWidget *parent = nullptr);
};
