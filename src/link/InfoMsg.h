#pragma once
// Radio Information
#include "core/ReportTables.h"
#include <QWidget>

class TfInfoMsg : public QWidget {
  Q_OBJECT
public:
  explicit TfInfoMsg(QWidget *parent = nullptr);
  void LoadFromImage();
  void AddReportRows(TReportTables &tables);
};
