#pragma once
// Communication Port
#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TfSetPort : public QDialog {
  Q_OBJECT
public:
  explicit TfSetPort(QWidget *parent = nullptr);
  static constexpr int ButtonCount = 20;

  QGroupBox *cxPort = nullptr;
  QRadioButton *cxPortN[ButtonCount] = {};   // cxPort1 .. cxPort20
  QLabel *DeviceLabel[ButtonCount] = {};     // the device behind each button
  QLabel *lbName = nullptr;                  // never visible: the caption prefix when translated
  QComboBox *cbCom = nullptr;                // never visible: the ports present now
  QPushButton *btnOk = nullptr;
  QPushButton *btnCancel = nullptr;

protected:
  void showEvent(QShowEvent *event) override;

private:
  void FormShow();
  void btnOKClick();
};
