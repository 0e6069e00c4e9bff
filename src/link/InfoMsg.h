#pragma once
// Radio Information: model, band, serial number and the time of the last write.
#include "core/ReportTables.h"
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class TfInfoMsg : public QWidget {
  Q_OBJECT
public:
  explicit TfInfoMsg(QWidget *parent = nullptr);
  // Translates the window and fills it from the state and the image; writes nothing.
  void LoadFromImage();
  // The report's header record: series, model, band and serial number as shown.
  void AddReportRows(TReportTables &tables);
  void btnCancelClick();
  void cxSerialPropertiesChange();

  bool Loading = false;
  QLabel *Label1, *Label2, *Label3, *Label4;
  QLineEdit *cxModel, *cxFreq, *cxSerial, *cxRadioTime;
  QPushButton *btnCancel;

protected:
  void showEvent(QShowEvent *event) override;
};
