#pragma once
// Language File Setup: chooses the language of the windows and the messages.
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

class TfSetLanguage : public QDialog {
  Q_OBJECT
public:
  explicit TfSetLanguage(QWidget *parent = nullptr);
  bool Changed = false;

  QLabel *lbName;
  QComboBox *cbLanguage;
  QStringList Language;   // language names (file base names), by position beside cbLanguage
  QPushButton *btnOk, *btnCancel;

protected:
  void showEvent(QShowEvent *e) override;

private:
  void btnOkClick();
};
