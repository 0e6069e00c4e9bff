#include "link/ReadRadio.h"

TfReadRadio::TfReadRadio(QWidget *parent)
    : TLinkDialog(parent, QStringLiteral("fReadRadio"), QStringLiteral("Read data From radio")),
      Engine(myPort, LinkClock) {
  Attach(&Engine);
}
