#pragma once
// Model Information: chooses the model and the frequency band of a new image.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

class TfModel : public QDialog {
  Q_OBJECT
public:
  explicit TfModel(QWidget *parent = nullptr);
  bool Confirmed = false;
  QString ChosenBand() const;

  QLabel *Label1, *Label2;
  QComboBox *cbCopmut, *cbPd;
  QPushButton *btnOk, *btnCancel;

protected:
  void showEvent(QShowEvent *e) override;

private:
  void cbCopmutChange();
};
