#pragma once
// Vox Function: voice-operated transmission, its gain level and its inhibit on receive.
#include "functions/SettingsView.h"

class TfVoxFun : public TSettingsView {
  Q_OBJECT
public:
  explicit TfVoxFun(QWidget *parent = nullptr);
  // Three rows: VOX on or off, the gain level, the inhibit; printed even while VOX is off.
  void AddReportRows(TReportTables &tables);
  // The two details can be edited only while VOX is on; their values stay as they are.
  void chVoxFunClick();

  QLabel *L0, *L1;
  QCheckBox *chVoxFun, *chVoxInhibit;
  QComboBox *cbVoxLevel;

protected:
  void ControlsLoaded() override;

private:
  void EnableDetails();
};
