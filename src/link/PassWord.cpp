#include "link/PassWord.h"

TfPassWord::TfPassWord(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fPassWord"));
  setWindowTitle(QStringLiteral("PassWord"));
}
void TfPassWord::LoadFromImage() {}
void TfPassWord::AddReportRows(TReportTables &) {}
