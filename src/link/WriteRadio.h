#pragma once
// Write data to radio
#include "link/LinkDialog.h"
#include "link/LinkEngine.h"

class TfWriteRadio : public TLinkDialog {
  Q_OBJECT
public:
  explicit TfWriteRadio(QWidget *parent = nullptr);
  TWriteEngine Engine;
};
