#pragma once
// Read data From radio
#include "link/LinkDialog.h"
#include "link/LinkEngine.h"

class TfReadRadio : public TLinkDialog {
  Q_OBJECT
public:
  explicit TfReadRadio(QWidget *parent = nullptr);
  bool ReadDone = false;   // the read completed and the image was replaced
  TReadEngine Engine;

protected:
  void FormClose() override { ReadDone = Engine.ReadDone; }
};
