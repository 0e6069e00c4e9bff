#pragma once
// What the read and write windows share: a progress bar, OK and Cancel, the serial port
// component and an engine that runs the transfer.
#include "link/LinkClock.h"
#include "link/SerialPort.h"
#include <QDialog>

class QProgressBar;
class QPushButton;
class TLinkEngine;

class TLinkDialog : public QDialog {
  Q_OBJECT
public:
  QProgressBar *pBar = nullptr;
  QPushButton *btnOk = nullptr;
  QPushButton *btnCancel = nullptr;
  TPosixSerialPort myPort;

protected:
  TLinkDialog(QWidget *parent, const QString &name, const QString &caption);
  void Attach(TLinkEngine *engine);   // the derived window's engine, built on myPort and LinkClock
  void showEvent(QShowEvent *event) override;
  void done(int result) override;     // FormClose: the port closes, nothing is sent
  virtual void FormClose() {}

  TRealLinkClock LinkClock;

private:
  void FormShow();
  void EngineChanged();
  TLinkEngine *Engine = nullptr;
  bool Shown = false;
};
