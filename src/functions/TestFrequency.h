#pragma once
// Test Frequency
#include <QDialog>

class TfTestFrequency : public QDialog {
  Q_OBJECT
public:
  explicit TfTestFrequency(QWidget *parent = nullptr);
};
