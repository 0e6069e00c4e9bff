#include "link/InfoMsg.h"

TfInfoMsg::TfInfoMsg(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fInfoMsg"));
  setWindowTitle(QStringLiteral("Radio Information"));
}
void TfInfoMsg::LoadFromImage() {}
void TfInfoMsg::AddReportRows(TReportTables &) {}
