#pragma once
// PassWord: the password kept in the image and the new password the next write can send.
#include "core/ReportTables.h"
#include "functions/ChildView.h"

class QCheckBox;
class QLabel;
class QLineEdit;

class TfPassWord : public TChildView {
  Q_OBJECT
public:
  explicit TfPassWord(QWidget *parent = nullptr);
  void LoadFromImage() override;
  // Nothing of the passwords is printed.
  void AddReportRows(TReportTables &) {}
  // Ticking asks the next write to send the new password; the image is not touched.
  void cbNpsPropertiesEditValueChanged();
  // Either text changed: both are stored (the new one only while it is to be sent).
  void cxoPasdPropertiesChange();

  QLabel *Label1, *Label2;
  QLineEdit *cxoPasd, *cxnPasd;
  QCheckBox *cbNps;

private:
  void ShowNewPassword();
};
