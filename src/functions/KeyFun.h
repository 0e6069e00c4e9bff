#pragma once
// Key Function: what the radio's side key does.
#include "functions/SettingsView.h"

class TfKeyFun : public TSettingsView {
  Q_OBJECT
public:
  explicit TfKeyFun(QWidget *parent = nullptr);
  // One row: the side key's label and its entry as shown.
  void AddReportRows(TReportTables &tables);

  QLabel *L0, *L1;
  QComboBox *cbKey1;
};
