#include "functions/VoxFun.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>

TfVoxFun::TfVoxFun(QWidget *parent) : TSettingsView(QStringLiteral("fVoxFun"), QStringLiteral("Vox Function"), parent) {
  chVoxFun = AddCheck(QStringLiteral("chVoxFun"), false);
  connect(chVoxFun, &QCheckBox::toggled, this, &TfVoxFun::chVoxFunClick);
  cbVoxLevel = AddList(QStringLiteral("cbVoxLevel"));
  chVoxInhibit = AddCheck(QStringLiteral("chVoxInhibit"));
  L0 = AddLabel(QStringLiteral("L0"), windowTitle());
  L1 = ListLabel(cbVoxLevel);

  auto *frame = new QFrame(this);
  frame->setFrameShape(QFrame::StyledPanel);
  auto *inner = new QGridLayout(frame);
  inner->addWidget(L0, 0, 0, 1, 3);
  inner->addWidget(chVoxFun, 1, 0, 1, 3);
  inner->addWidget(L1, 2, 0, 1, 2);
  inner->addWidget(cbVoxLevel, 2, 2);
  inner->addWidget(chVoxInhibit, 3, 1, 1, 2);   // indented under "VOX Function"
  inner->setColumnMinimumWidth(0, 16);
  inner->setColumnStretch(2, 1);
  inner->setRowStretch(4, 1);

  auto *outer = new QVBoxLayout(this);
  outer->addWidget(frame, 1);
  FinishLayout(outer, 313, 173);
}

void TfVoxFun::EnableDetails() {
  cbVoxLevel->setEnabled(chVoxFun->isChecked());
  chVoxInhibit->setEnabled(chVoxFun->isChecked());
}

void TfVoxFun::chVoxFunClick() {
  EnableDetails();
  if (!Loading) StoreToImage();
}

// Setting a box to the state it already has sends no click, so enable here as well.
void TfVoxFun::ControlsLoaded() { EnableDetails(); }

void TfVoxFun::AddReportRows(TReportTables &tables) {
  LoadFromImage();
  AddRow(tables, chVoxFun->text(), OnOffText(chVoxFun));
  AddRow(tables, L1->text(), cbVoxLevel->currentText());
  AddRow(tables, chVoxInhibit->text(), OnOffText(chVoxInhibit));
}
