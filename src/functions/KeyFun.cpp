#include "functions/KeyFun.h"

TfKeyFun::TfKeyFun(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fKeyFun"));
  setWindowTitle(QStringLiteral("Key Function"));
}
void TfKeyFun::LoadFromImage() {}
void TfKeyFun::AddReportRows(TReportTables &) {}
