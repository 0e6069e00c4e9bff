#pragma once
// Radio Information: model, band, serial number and the time of the last write.
#include "core/ReportTables.h"
#include "functions/ChildView.h"

class QLabel;
class QLineEdit;

class TfInfoMsg : public TChildView {
  Q_OBJECT
public:
  explicit TfInfoMsg(QWidget *parent = nullptr);
  void LoadFromImage() override;
  // The report's header record: series, model, band and serial number as shown.
  void AddReportRows(TReportTables &tables);
  void cxSerialPropertiesChange();

  QLabel *Label1, *Label2, *Label3, *Label4;
  QLineEdit *cxModel, *cxFreq, *cxSerial, *cxRadioTime;
};
