#pragma once
// Optional Function: squelch, time-out, voice prompts, scan, alarm, FM, epilogue, battery save,
// the beep and the two transmit inhibits; and the whisper setting, kept but never shown.
#include "functions/SettingsView.h"
#include <array>

class TfOptFun : public TSettingsView {
  Q_OBJECT
public:
  explicit TfOptFun(QWidget *parent = nullptr);
  // Twelve rows: one per label that is shown (L1..L8, L11) with its list's entry, then
  // "Clew Voice", "High Vol Inhibit Tx" and "Low Vol Inhibit Tx".
  void AddReportRows(TReportTables &tables);

  QComboBox *cbSQvelch, *cbTxTimeout, *cxWaveof, *cbVoice, *cxScan, *cxFM, *cxAlt, *cxRevTx, *cxRate, *cxWhisper;
  QCheckBox *cbVolhigh, *cbVolLow, *cbBeepTone;
  std::array<QLabel *, 13> L{};   // L[1] .. L[12]; each list label has its list as buddy
};
