#include "functions/OptFun.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>

TfOptFun::TfOptFun(QWidget *parent)
    : TSettingsView(QStringLiteral("fOptFun"), QStringLiteral("Optional Function"), parent) {
  // Made in keyboard order.
  cbSQvelch = AddList(QStringLiteral("cbSQvelch"));
  cbTxTimeout = AddList(QStringLiteral("cbTxTimeout"));
  cxWaveof = AddList(QStringLiteral("cxWaveof"));
  cbVoice = AddList(QStringLiteral("cbVoice"));
  cxScan = AddList(QStringLiteral("cxScan"));
  cxFM = AddList(QStringLiteral("cxFM"));
  cxAlt = AddList(QStringLiteral("cxAlt"));
  cxRevTx = AddList(QStringLiteral("cxRevTx"));
  cxRate = AddList(QStringLiteral("cxRate"));
  cbVolhigh = AddCheck(QStringLiteral("cbVolhigh"));
  cbVolLow = AddCheck(QStringLiteral("cbVolLow"));
  cbBeepTone = AddCheck(QStringLiteral("cbBeepTone"));
  cxWhisper = AddList(QStringLiteral("cxWhisper"));
  // Squelch levels are numbers in every language; of the time-outs only "Off" is a word.
  cbSQvelch->setProperty("tag", -2);
  cbTxTimeout->setProperty("tag", -3);

  for (QComboBox *list : {cbSQvelch, cbTxTimeout, cxWaveof, cbVoice, cxScan, cxFM, cxAlt, cxRevTx, cxRate, cxWhisper}) {
    QLabel *label = ListLabel(list);
    L[label->objectName().mid(1).toUInt()] = label;
  }
  // The radio's receive and transmit shape label no setting of this radio.
  L[9] = AddLabel(QStringLiteral("L9"), QStringLiteral("RX Shape"));
  L[10] = AddLabel(QStringLiteral("L10"), QStringLiteral("TX Shape"));
  for (QWidget *hidden : std::initializer_list<QWidget *>{L[9], L[10], L[12], cxWhisper}) hidden->hide();

  auto *frame = new QFrame(this);
  frame->setFrameShape(QFrame::StyledPanel);
  auto *grid = new QGridLayout(frame);
  const auto place = [grid](QLabel *label, int row, int column) {
    grid->addWidget(label, row, column);
    grid->addWidget(label->buddy(), row, column + 1);
  };
  place(L[1], 0, 0);
  place(L[2], 0, 2);
  place(L[3], 1, 0);
  place(L[4], 1, 2);
  place(L[5], 2, 0);
  place(L[6], 2, 2);
  place(L[7], 3, 0);
  place(L[8], 3, 2);
  place(L[11], 4, 0);
  place(L[12], 4, 2);
  grid->addWidget(L[9], 5, 0);
  grid->addWidget(L[10], 5, 2);
  grid->addWidget(cbVolhigh, 6, 0, 1, 2);
  grid->addWidget(cbVolLow, 6, 2, 1, 2);
  grid->addWidget(cbBeepTone, 7, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  grid->setHorizontalSpacing(12);

  auto *outer = new QVBoxLayout(this);
  outer->addWidget(frame, 1);
  FinishLayout(outer, 513, 264);
}

void TfOptFun::AddReportRows(TReportTables &tables) {
  LoadFromImage();
  // A label that is not shown is not printed, so the report follows the window.
  for (int n = 1; n <= 12; ++n) {
    if (L[n]->isHidden()) continue;
    const auto *list = qobject_cast<QComboBox *>(L[n]->buddy());
    AddRow(tables, L[n]->text(), list ? list->currentText() : QString());
  }
  for (QCheckBox *box : {cbBeepTone, cbVolhigh, cbVolLow}) AddRow(tables, box->text(), OnOffText(box));
}
