#pragma once
// Vox Function
#include "core/ReportTables.h"
#include <QWidget>

class TfVoxFun : public QWidget {
  Q_OBJECT
public:
  explicit TfVoxFun(QWidget *parent = nullptr);
  void LoadFromImage();
  void AddReportRows(TReportTables &tables);
};
