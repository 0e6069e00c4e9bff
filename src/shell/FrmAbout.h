#pragma once
// About: what the program is, its version and its licence.
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;

class TfFrmAbout : public QDialog {
  Q_OBJECT
public:
  explicit TfFrmAbout(QWidget *parent = nullptr);

  QLabel *ImApp;
  QLabel *Label1, *Label2, *Label3, *Label8, *Label4, *Label9;
  QFrame *Panel1;
  QLabel *Label5, *Label6, *Label7;
  QPlainTextEdit *Memo1;

protected:
  void showEvent(QShowEvent *e) override;
  void mousePressEvent(QMouseEvent *e) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
};
