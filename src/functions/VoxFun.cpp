#include "functions/VoxFun.h"

TfVoxFun::TfVoxFun(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fVoxFun"));
  setWindowTitle(QStringLiteral("Vox Function"));
}
void TfVoxFun::LoadFromImage() {}
void TfVoxFun::AddReportRows(TReportTables &) {}
