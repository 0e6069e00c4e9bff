#include "channels/ToneOption.h"
#include "channels/ToneTables.h"
#include "shell/TranslateForm.h"
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
struct TTableShape { int Groups, Rows; std::vector<int> Widths; int PickColumn; };
const TTableShape CtcssShape{5, 9, {32, 43, 32}, 1};
const TTableShape DcsShape{8, 11, {25, 43}, 1};
constexpr int RowHeight = 20;

QTableWidget *MakeTable(QWidget *parent, const QString &name, const TTableShape &shape) {
  auto *t = new QTableWidget(shape.Rows, shape.Groups * int(shape.Widths.size()), parent);
  t->setObjectName(name);
  t->setProperty("tag", -2);
  t->horizontalHeader()->hide();
  t->verticalHeader()->hide();
  t->verticalHeader()->setDefaultSectionSize(RowHeight);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  int width = 0;
  for (int c = 0; c < t->columnCount(); ++c) {
    const int w = shape.Widths[size_t(c) % shape.Widths.size()];
    t->setColumnWidth(c, w);
    width += w;
  }
  t->setFixedSize(width + 2 * t->frameWidth(), shape.Rows * RowHeight + 2 * t->frameWidth());
  return t;
}
}

TfToneOption::TfToneOption(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fToneOption"));
  setWindowTitle(QStringLiteral("Channel Tone Option"));
  KindNames = {QStringLiteral("CTCSS"), QStringLiteral("DCS-N"), QStringLiteral("DCS-I")};

  GroupBox1 = new QGroupBox(QStringLiteral("Channel Voice Selection"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  rbCTCSS = new QRadioButton(QStringLiteral("CTCSS"), GroupBox1);
  rbCTCSS->setObjectName(QStringLiteral("rbCTCSS"));
  rbDCSN = new QRadioButton(QStringLiteral("DCS-N"), GroupBox1);
  rbDCSN->setObjectName(QStringLiteral("rbDCSN"));
  rbDCSI = new QRadioButton(QStringLiteral("DCS-I"), GroupBox1);
  rbDCSI->setObjectName(QStringLiteral("rbDCSI"));
  auto *kinds = new QHBoxLayout(GroupBox1);
  for (QRadioButton *rb : {rbCTCSS, rbDCSN, rbDCSI}) {
    kinds->addWidget(rb);
    connect(rb, &QRadioButton::toggled, this, [this](bool on) { if (on) KindClick(); });
  }
  kinds->addStretch();

  gbCode = new QGroupBox(QStringLiteral(" Code List"), this);
  gbCode->setObjectName(QStringLiteral("gbCode"));
  auto *codes = new QVBoxLayout(gbCode);
  Tables[Ctcss] = MakeTable(gbCode, QStringLiteral("gvCTCSS"), CtcssShape);
  Tables[DcsN] = MakeTable(gbCode, QStringLiteral("gvDCSN"), DcsShape);
  Tables[DcsI] = MakeTable(gbCode, QStringLiteral("gvDCSI"), DcsShape);
  for (int k = 0; k < 3; ++k) {
    codes->addWidget(Tables[k], 0, Qt::AlignLeft | Qt::AlignTop);
    connect(Tables[k], &QTableWidget::cellDoubleClicked, this,
            [this, k](int row, int column) { TableDblClick(k, row, column); });
  }

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(GroupBox1);
  layout->addWidget(gbCode);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  BuildTables();
}

void TfToneOption::BuildTables() {
  const QStringList &source = ToneSourceList();
  const auto fill = [&](int kind, const TTableShape &shape, int first, int count, const char *suffix) {
    QTableWidget *t = Tables[kind];
    const int span = int(shape.Widths.size());
    for (int i = 0; i < count; ++i) {
      const TToneEntryParts p = SplitToneEntry(source.value(first + i));
      const int group = i / shape.Rows, row = i % shape.Rows;
      if (group >= shape.Groups) break;
      const QStringList cells = span == 3 ? QStringList{p.First, p.Second, p.Rest}
                                          : QStringList{p.First, p.Second.isEmpty() ? QString() : p.Second + QLatin1String(suffix)};
      for (int c = 0; c < span; ++c) {
        auto *item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(Qt::AlignCenter);
        if (c == shape.PickColumn) item->setBackground(QColor(0xFF, 0xFF, 0xE8));
        t->setItem(row, group * span + c, item);
      }
    }
    for (int g = 0; g < shape.Groups; ++g) Pickable[kind].insert(g * span + shape.PickColumn);
  };
  const int ctcssCount = CtcssPickerCount + PickerPadding, dcsCount = DcsPickerCount + PickerPadding;
  fill(Ctcss, CtcssShape, 0, ctcssCount, "");
  fill(DcsN, DcsShape, ctcssCount, dcsCount, "N");
  fill(DcsI, DcsShape, ctcssCount, dcsCount, "I");
}

void TfToneOption::showEvent(QShowEvent *e) {
  Result.clear();
  TranslateIfSelected(this, false);
  if (!rbCTCSS->isChecked()) rbCTCSS->setChecked(true);
  else KindClick();
  QDialog::showEvent(e);
}

void TfToneOption::KindClick() {
  const int kind = rbDCSI->isChecked() ? DcsI : rbDCSN->isChecked() ? DcsN : Ctcss;
  for (int k = 0; k < 3; ++k) Tables[k]->setVisible(k == kind);
  gbCode->setTitle(KindNames.value(kind));
}

void TfToneOption::TableDblClick(int kind, int row, int column) {
  if (!Tables[kind]->isVisible() || !Pickable[kind].contains(column)) return;
  const QTableWidgetItem *item = Tables[kind]->item(row, column);
  Result = item ? item->text() : QString();
  accept();
}

QString PickTone(QWidget *parent) {
  TfToneOption picker(parent ? parent->window() : nullptr);
  picker.exec();
  return picker.Result;
}
