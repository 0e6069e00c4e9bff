#pragma once
// The printed report: the header record and the rows of the report tables laid out on Letter
// pages with a page header, group headings, detail lines and a page number.
#include "core/ReportTables.h"
#include <QList>

class QPagedPaintDevice;

struct TReportLine {
  enum TKind { GroupHeader, Detail } Kind;
  int Row;   // index into myAdo
};
using TReportPage = QList<TReportLine>;

// Splits the rows into pages: every group (a run of rows with one TypeID) starts a page of its own.
QList<TReportPage> PaginateReport(const TReportTables &tables);
// Sets the report's page (Letter, portrait, its margins) on a printer or PDF writer.
void SetReportPageLayout(QPagedPaintDevice *device);
// Draws every page onto the device; returns the number of pages drawn.
int RenderReport(QPagedPaintDevice *device, const TReportTables &tables);
