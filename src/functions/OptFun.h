#pragma once
// Optional Function
#include "core/ReportTables.h"
#include <QWidget>

class TfOptFun : public QWidget {
  Q_OBJECT
public:
  explicit TfOptFun(QWidget *parent = nullptr);
  void LoadFromImage();
  void AddReportRows(TReportTables &tables);
};
