#pragma once
// Channel Edit: one channel of the image as a form, written back on every change.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

class TfBInfoEdit : public QWidget {
  Q_OBJECT
public:
  explicit TfBInfoEdit(QWidget *parent = nullptr);
  ~TfBInfoEdit() override;

  void ShowChannel();          // fills the controls from the record of CurrentChannel
  void LoadFromImage() { ShowChannel(); }

  QTabWidget *pcInfo;
  QWidget *tsInfo;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
  QSpinBox *sexd;
  QLineEdit *eRx, *eTX;
  QComboBox *cbQT, *cbDQT, *cbkz, *cbfsgl;
  QCheckBox *chsmtj, *chfm, *chCp, *chSr, *chWp, *chpppy;
  QPushButton *btnClose;

signals:
  void ChannelWritten();       // the record of CurrentChannel changed
  void ChannelStepped();       // the channel number box moved to another channel

protected:
  void showEvent(QShowEvent *e) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void WriteChannel();
  void EnableEditing(bool on);
  void ClearEditing();
  void eRxChange();
  void eTXChange();
  void ToneChange(QComboBox *box);
  void sexdChange(int channel);
  int Loading = 0;
};
