#pragma once
// Key Function
#include "core/ReportTables.h"
#include <QWidget>

class TfKeyFun : public QWidget {
  Q_OBJECT
public:
  explicit TfKeyFun(QWidget *parent = nullptr);
  void LoadFromImage();
  void AddReportRows(TReportTables &tables);
};
