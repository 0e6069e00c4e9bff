#pragma once
// PassWord
#include "core/ReportTables.h"
#include <QWidget>

class TfPassWord : public QWidget {
  Q_OBJECT
public:
  explicit TfPassWord(QWidget *parent = nullptr);
  void LoadFromImage();
  void AddReportRows(TReportTables &tables);
};
