#pragma once
// Embedded Message: two lines of up to 32 letters, digits and spaces. Input only: the radio's
// memory has no place for them, so nothing is read from or written to the image.
#include <QDialog>

class QLineEdit;
class QPushButton;

class TfEmbeddedMessage : public QDialog {
  Q_OBJECT
public:
  explicit TfEmbeddedMessage(QWidget *parent = nullptr);
  void btnOkClick();

  QLineEdit *edEMA, *edEMB;
  QPushButton *btnOk, *btnCancel;

protected:
  void showEvent(QShowEvent *event) override;
};
