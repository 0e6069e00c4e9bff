#pragma once
// PassWord: the password kept in the image and the new password the next write can send.
#include "core/ReportTables.h"
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfPassWord : public QWidget {
  Q_OBJECT
public:
  explicit TfPassWord(QWidget *parent = nullptr);
  // Translates the window and fills both fields from the image; writes nothing.
  void LoadFromImage();
  // Nothing of the passwords is printed.
  void AddReportRows(TReportTables &) {}
  void btnCancelClick();
  // Ticking asks the next write to send the new password; the image is not touched.
  void cbNpsPropertiesEditValueChanged();
  // Either text changed: both are stored (the new one only while it is to be sent).
  void cxoPasdPropertiesChange();

  bool Loading = false;
  QLabel *Label1, *Label2;
  QLineEdit *cxoPasd, *cxnPasd;
  QCheckBox *cbNps;
  QPushButton *btnCancel;

protected:
  void showEvent(QShowEvent *event) override;

private:
  void ShowNewPassword();
};
