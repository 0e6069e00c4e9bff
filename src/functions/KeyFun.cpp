#include "functions/KeyFun.h"
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>

TfKeyFun::TfKeyFun(QWidget *parent) : TSettingsView(QStringLiteral("fKeyFun"), QStringLiteral("Key Function"), parent) {
  cbKey1 = AddList(QStringLiteral("cbKey1"));
  L0 = AddLabel(QStringLiteral("L0"), windowTitle());
  L1 = ListLabel(cbKey1);

  auto *frame = new QFrame(this);
  frame->setFrameShape(QFrame::StyledPanel);
  auto *inner = new QGridLayout(frame);
  inner->addWidget(L0, 0, 0, 1, 2);
  inner->addWidget(L1, 1, 0);
  inner->addWidget(cbKey1, 1, 1);
  inner->setColumnStretch(1, 1);
  inner->setRowStretch(2, 1);

  auto *outer = new QVBoxLayout(this);
  outer->addWidget(frame, 1);
  FinishLayout(outer, 313, 159);
}

void TfKeyFun::AddReportRows(TReportTables &tables) {
  LoadFromImage();
  AddRow(tables, L1->text(), cbKey1->currentText());
}
