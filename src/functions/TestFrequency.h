#pragma once
// Test Frequency: sixteen receive/transmit frequency pairs checked against the current model
// and band like channel frequencies. Input only: the radio's memory has no place for them.
#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

class TfTestFrequency : public QDialog {
  Q_OBJECT
public:
  explicit TfTestFrequency(QWidget *parent = nullptr);
  // An entry for a frequency cell (row 0..15, column 1 or 2): checked, then stored with five
  // decimals; an entry that is not a number leaves the cell as it was.
  void gvDataSetForeText(int row, int column, const QString &text);
  void btnOkClick();
  // Every close: once a frequency was entered, say that the radio should be read or written.
  void FormCloseQuery();
  void done(int result) override;

  bool Edited = false;
  QTableWidget *gvData;
  QLabel *Label1;   // hidden: the text of the close note
  QPushButton *btnOk, *btnCancel;

protected:
  void showEvent(QShowEvent *event) override;
};
