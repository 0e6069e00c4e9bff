#include "link/WriteRadio.h"

TfWriteRadio::TfWriteRadio(QWidget *parent)
    : TLinkDialog(parent, QStringLiteral("fWriteRadio"), QStringLiteral("Write data to radio")),
      Engine(myPort, LinkClock) {
  Attach(&Engine);
}
