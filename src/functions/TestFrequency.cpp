#include "functions/TestFrequency.h"
#include "shell/DialogButtons.h"
#include "core/Language.h"
#include "core/ShowMsg.h"
#include "functions/SettingRules.h"
#include "shell/TranslateForm.h"
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {
// The frequency cells: a right-aligned number box; the dialog checks what it commits.
class TFrequencyDelegate : public QStyledItemDelegate {
public:
  explicit TFrequencyDelegate(TfTestFrequency *owner) : QStyledItemDelegate(owner), Owner(owner) {}
  QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override {
    auto *edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight);
    static const QRegularExpression form(TestFrequencyPattern());
    edit->setValidator(new QRegularExpressionValidator(form, edit));
    return edit;
  }
  void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override {
    Owner->gvDataSetForeText(index.row(), index.column(), static_cast<QLineEdit *>(editor)->text());
  }

private:
  TfTestFrequency *Owner;
};
}

TfTestFrequency::TfTestFrequency(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fTestFrequency"));
  setWindowTitle(QStringLiteral("Test Frequency"));
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

  gvData = new QTableWidget(TestFrequencyRows, 3, this);
  gvData->setObjectName(QStringLiteral("gvData"));
  gvData->setHorizontalHeaderLabels({QString::fromUtf8("信道"), QString::fromUtf8("接收[MHz]"),
                                     QString::fromUtf8("发射[MHz]")});
  gvData->verticalHeader()->hide();
  gvData->verticalHeader()->setDefaultSectionSize(22);
  gvData->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  gvData->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  const int widths[] = {60, 100, 100};
  for (int c = 0; c < 3; ++c) gvData->setColumnWidth(c, widths[c]);
  for (int r = 0; r < TestFrequencyRows; ++r) {
    auto *number = new QTableWidgetItem(QString::number(r + 1));
    number->setFlags(Qt::ItemIsEnabled);
    number->setTextAlignment(Qt::AlignCenter);
    number->setBackground(palette().button());
    gvData->setItem(r, 0, number);
    for (int c = 1; c < 3; ++c) {
      auto *cell = new QTableWidgetItem;
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      gvData->setItem(r, c, cell);
    }
  }
  gvData->setItemDelegateForColumn(1, new TFrequencyDelegate(this));
  gvData->setItemDelegateForColumn(2, new TFrequencyDelegate(this));

  Label1 = new QLabel(QStringLiteral("Test Frequency mismatch.#10#13Execute read data from radio or write to radio."),
                      this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->hide();

  // Enter ends a cell entry, it does not close the dialog.
  auto *buttons = OkCancelRow(this, btnOk, btnCancel, TEnterKey::PressesNothing);
  connect(btnOk, &QPushButton::clicked, this, &TfTestFrequency::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  // All sixteen rows in view, no scrolling.
  gvData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  gvData->setMinimumHeight(gvData->horizontalHeader()->sizeHint().height() + TestFrequencyRows * 22 +
                           2 * gvData->frameWidth());
  gvData->setCurrentCell(0, 1);
  auto *outer = new QVBoxLayout(this);
  outer->setContentsMargins(6, 6, 6, 6);
  outer->addWidget(gvData, 1);
  outer->addLayout(buttons);
  setFixedSize(sizeHint().expandedTo(QSize(314, 412)));
}

void TfTestFrequency::gvDataSetForeText(int row, int column, const QString &text) {
  if (column < 1 || column > 2) return;
  const auto stored = TestFrequencyEntry(text);
  if (!stored) return;
  gvData->item(row, column)->setText(*stored);
  if (!stored->isEmpty()) Edited = true;
}

void TfTestFrequency::btnOkClick() { accept(); }

void TfTestFrequency::FormCloseQuery() {
  if (Edited) ShowMsg(Messages.Confirmation, Label1->text(), MsgInfo);
}

void TfTestFrequency::done(int result) {
  FormCloseQuery();
  QDialog::done(result);
}

void TfTestFrequency::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) TranslateIfSelected(this, true);
}
