#pragma once
// The two in-memory tables a printed report is built from.
#include <QString>
#include <vector>

struct TReportMain {   // myMain: one record per report
  QString Title, AField, AValue, BField, BValue, CField, CValue;
};
struct TReportRow {    // myAdo: one record per printed line
  int TypeID = 0;
  QString TypeName, AField, AValue, BField, BValue;
};
constexpr int ReportFunctionGroup = 9, ReportChannelGroup = 8;

struct TReportTables {
  std::vector<TReportMain> myMain;
  std::vector<TReportRow> myAdo;
  void Clear() { myAdo.clear(); myMain.clear(); }
};
