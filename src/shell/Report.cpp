#include "shell/Report.h"
#include "core/Clock.h"
#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {
// Lengths in millimetres.
constexpr double PageHeight = 279.4, MarginLeft = 10, MarginRight = 10, MarginTop = 2, MarginBottom = 10;
constexpr double BodyWidth = 195;
constexpr double HeaderHeight = 37, GroupHeight = 7, DetailHeight = 7, FooterHeight = 6;
constexpr double BodyHeight = PageHeight - MarginTop - MarginBottom - HeaderHeight - FooterHeight;

// The report's Chinese-capable serif first, then fonts that a desktop without it has.
QFont ReportFont(double points, bool bold) {
  QFont f;
  f.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"),
                 QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                 QStringLiteral("AR PL UMing CN"), QStringLiteral("DejaVu Sans")});
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

class TPagePainter {
public:
  TPagePainter(QPainter &p, double dotsPerMm) : P(p), Dpm(dotsPerMm) {}
  QRectF Box(double left, double top, double right, double height) const {
    return QRectF(left * Dpm, top * Dpm, (right - left) * Dpm, height * Dpm);
  }
  void Text(double left, double top, double right, double height, Qt::Alignment align, const QString &text) {
    P.drawText(Box(left, top, right, height), int(align | Qt::AlignVCenter) | Qt::TextSingleLine, text);
  }
  void Line(double y) { P.drawLine(QPointF(0, y * Dpm), QPointF(BodyWidth * Dpm, y * Dpm)); }
  QPainter &P;
  double Dpm;
};
}

QList<TReportPage> PaginateReport(const TReportTables &tables) {
  QList<TReportPage> pages;
  double used = 0;
  for (int i = 0; i < int(tables.myAdo.size()); ++i) {
    const bool newGroup = i == 0 || tables.myAdo[size_t(i)].TypeID != tables.myAdo[size_t(i - 1)].TypeID;
    if (newGroup || used + DetailHeight > BodyHeight) {
      pages.append(TReportPage());
      used = 0;
    }
    if (newGroup) {
      pages.last().append({TReportLine::GroupHeader, i});
      used += GroupHeight;
    }
    pages.last().append({TReportLine::Detail, i});
    used += DetailHeight;
  }
  if (pages.isEmpty()) pages.append(TReportPage());   // the page header alone
  return pages;
}

void SetReportPageLayout(QPagedPaintDevice *device) {
  device->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                    QMarginsF(MarginLeft, MarginTop, MarginRight, MarginBottom),
                                    QPageLayout::Millimeter));
}

int RenderReport(QPagedPaintDevice *device, const TReportTables &tables) {
  const QList<TReportPage> pages = PaginateReport(tables);
  QPainter painter(device);
  if (!painter.isActive()) return 0;
  TPagePainter page(painter, device->logicalDpiY() / 25.4);
  const TReportMain head = tables.myMain.empty() ? TReportMain() : tables.myMain.front();
  const QDateTime now = Now();
  for (int n = 0; n < pages.size(); ++n) {
    if (n > 0) device->newPage();
    painter.setFont(ReportFont(14, true));
    page.Text(0, 0, BodyWidth, 11, Qt::AlignHCenter, head.Title);
    painter.setFont(ReportFont(10, false));
    page.Text(134, 11, 164, 5, Qt::AlignRight, now.toString(QStringLiteral("yyyy/MM/dd")));
    page.Text(165, 11, 190, 5, Qt::AlignRight, now.toString(QStringLiteral("HH:mm:ss")));
    page.Line(16);
    painter.setFont(ReportFont(10, true));
    const QString fields[3][2] = {{head.AField, head.AValue}, {head.BField, head.BValue}, {head.CField, head.CValue}};
    for (int k = 0; k < 3; ++k) {
      page.Text(0, 18 + 5 * k, 66, 5, Qt::AlignRight, fields[k][0]);
      page.Text(67, 18 + 5 * k, 180, 5, Qt::AlignLeft, fields[k][1]);
    }
    page.Line(36);
    double y = HeaderHeight;
    for (const TReportLine &line : pages[n]) {
      const TReportRow &row = tables.myAdo[size_t(line.Row)];
      if (line.Kind == TReportLine::GroupHeader) {
        painter.setFont(ReportFont(10, true));
        page.Text(0, y + 1, 51, GroupHeight - 1, Qt::AlignLeft, row.TypeName);
        y += GroupHeight;
      } else {
        painter.setFont(ReportFont(10, false));
        page.Text(5, y, 49, DetailHeight, Qt::AlignLeft, row.AField);
        page.Text(49, y, 92, DetailHeight, Qt::AlignLeft, QStringLiteral("  ") + row.AValue);
        page.Text(94, y, 142, DetailHeight, Qt::AlignLeft, row.BField);
        page.Text(143, y, 195, DetailHeight, Qt::AlignLeft, row.BValue);
        y += DetailHeight;
      }
    }
    QFont footer(QStringLiteral("Arial"));
    footer.setPointSizeF(10);
    footer.setBold(true);
    painter.setFont(footer);
    page.Text(80, HeaderHeight + BodyHeight + 1, 100, FooterHeight - 1, Qt::AlignHCenter, QString::number(n + 1));
  }
  return int(pages.size());
}
