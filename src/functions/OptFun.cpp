#include "functions/OptFun.h"

TfOptFun::TfOptFun(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fOptFun"));
  setWindowTitle(QStringLiteral("Optional Function"));
}
void TfOptFun::LoadFromImage() {}
void TfOptFun::AddReportRows(TReportTables &) {}
