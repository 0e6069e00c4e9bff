#pragma once
// Read data From radio
#include <QDialog>

class TfReadRadio : public QDialog {
  Q_OBJECT
public:
  explicit TfReadRadio(QWidget *parent = nullptr);
  bool ReadDone = false;   // the read completed and the image was replaced
};
