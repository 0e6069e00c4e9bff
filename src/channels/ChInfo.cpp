#include "channels/ChInfo.h"
#include "channels/KeyFilter.h"
#include "channels/ToneOption.h"
#include "channels/ToneTables.h"
#include "core/AllClass.h"
#include "core/Language.h"
#include "core/ShowMsg.h"
#include "image/Codecs.h"
#include "image/FunctionSettings.h"
#include "image/ImageRoutines.h"
#include "shell/TranslateForm.h"
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {
// Titles, widths and cell kinds (2 display, 3 text) of the eleven columns.
const char *const ColumnTexts[] = {
    "Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec", "QT/DQT Enc", "TX Power", "W/N", "Scan Add",
    "Compander", "Scrambler", "Busy Lock",
    "70", "90", "90", "80", "80", "60", "60", "60", "60", "60", "60",
    "2", "3", "3", "3", "3", "2", "2", "2", "2", "2", "2"};
constexpr int TextCell = 3;   // cell kind of a column whose cells hold typed text
constexpr int RowHeight = 22;
constexpr int ExtraWidth = 30;

// The flag columns: record bit and the field that stores it.
struct TFlagColumn { int Column; int Bit; TChannelField Field; };
const TFlagColumn FlagColumns[] = {
    {TfChInfo::ColPower, ChannelBit::HighPower, HighPowerBit},
    {TfChInfo::ColWidth, ChannelBit::Narrow, NarrowBit},
    {TfChInfo::ColScan, ChannelBit::ScanOff, ScanOffBit},
    {TfChInfo::ColCompander, ChannelBit::CompanderOff, CompanderOffBit},
    {TfChInfo::ColScrambler, ChannelBit::ScramblerOff, ScramblerOffBit},
    {TfChInfo::ColBusy, ChannelBit::BusyLockOff, BusyLockBit},
};
const TFlagColumn *FlagColumn(int column) {
  for (const auto &f : FlagColumns)
    if (f.Column == column) return &f;
  return nullptr;
}

QComboBox *MakeList(QWidget *parent, const char *name, const QStringList &items, bool editable) {
  auto *box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(editable);
  if (editable) {
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);   // a typed tone stays as typed until it is confirmed
  }
  box->addItems(items);
  box->hide();
  return box;
}

// The cell editor: a line edit that the grid can commit, with the frequency key filter.
class TCellDelegate : public QStyledItemDelegate {
public:
  TCellDelegate(TChannelGrid *grid, QObject *filter) : QStyledItemDelegate(grid), Grid(grid), Filter(filter) {}
  QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const override {
    QWidget *w = QStyledItemDelegate::createEditor(parent, option, index);
    w->installEventFilter(Filter);
    Grid->Editor = w;
    return w;
  }

private:
  TChannelGrid *Grid;
  QObject *Filter;
};
}

bool TChannelGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) {
  if (trigger != AllEditTriggers && CanType && !CanType(index.row(), index.column())) return false;
  return QTableWidget::edit(index, trigger, event);
}

void TChannelGrid::EndEdit() {
  if (Editor && Editor->isVisible()) {
    commitData(Editor);
    closeEditor(Editor, QAbstractItemDelegate::NoHint);
  }
  Editor = nullptr;
}

TfChInfo::TfChInfo(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fChInfo"));
  setWindowTitle(QStringLiteral("Channel Information"));

  BColText = new QListWidget(this);
  BColText->setObjectName(QStringLiteral("BColText"));
  for (const char *t : ColumnTexts) BColText->addItem(QString::fromLatin1(t));
  BColText->hide();

  gvData = new TChannelGrid(this);
  gvData->setObjectName(QStringLiteral("gvData"));
  gvData->verticalHeader()->hide();
  gvData->verticalHeader()->setDefaultSectionSize(RowHeight);
  gvData->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  gvData->horizontalHeader()->setHighlightSections(false);
  gvData->setSelectionMode(QAbstractItemView::SingleSelection);
  gvData->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  gvData->setItemDelegate(new TCellDelegate(gvData, this));
  gvData->CanType = [this](int row, int column) { return Typable(row, column); };
  gvData->installEventFilter(this);

  const QStringList tones = ToneDropDownItems();
  QWidget *over = gvData->viewport();
  cbQT = MakeList(over, "cbQT", tones, true);
  cbDQT = MakeList(over, "cbDQT", tones, true);
  cbfsgl = MakeList(over, "cbfsgl", PowerTexts(), false);
  cbkz = MakeList(over, "cbkz", WidthTexts(), false);
  cbHave = MakeList(over, "cbHave", YesNoTexts(), false);
  cbfmsd = MakeList(this, "cbfmsd", {QStringLiteral("None"), QStringLiteral("Carrier"), QStringLiteral("QT/DQT"),
                                     QStringLiteral("Opt.Sig.")}, false);
  for (QComboBox *box : {cbQT, cbDQT}) {
    box->setProperty("tag", -3);   // only "None" is translated
    box->setMaxVisibleItems(16);
    box->lineEdit()->installEventFilter(this);
  }
  for (QComboBox *box : {cbQT, cbDQT, cbfsgl, cbkz, cbHave}) {
    box->installEventFilter(this);
    connect(box, &QComboBox::activated, this, [this, box] { DropDownChange(box); });
  }

  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(gvData);

  connect(gvData, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
    if (!Loading) gvDataSelectCell(row, column);
  });
  connect(gvData, &QTableWidget::cellPressed, this, [this](int row, int column) {
    if (!Loading) gvDataMouseDown(row, column);
  });
  connect(gvData, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
    if (!Loading && (item->column() == ColRx || item->column() == ColTx))
      gvDataSetForeText(item->row(), item->column(), item->text());
  });
}

// Closing a window with a cell or a box still being edited commits it while the children go;
// by then this window is no longer there to take the change.
TfChInfo::~TfChInfo() {
  for (QObject *child : findChildren<QObject *>()) disconnect(child, nullptr, this, nullptr);
}

void TfChInfo::showEvent(QShowEvent *e) {
  LoadFromImage();
  QWidget::showEvent(e);
}

void TfChInfo::LoadFromImage() {
  TranslateIfSelected(this, true);
  NoneText_ = cbQT->itemText(0);
  BuildColumns();
  for (int row = 0; row < gvData->rowCount(); ++row) ShowRow(row);
  int width = ExtraWidth;
  for (int c = 0; c < gvData->columnCount(); ++c) width += gvData->columnWidth(c);
  const int height = gvData->horizontalHeader()->sizeHint().height() + RowHeight * gvData->rowCount() +
                     2 * gvData->frameWidth() + 2;
  Preferred = QSize(width, height);
  updateGeometry();
  resize(Preferred);
  SelectRow(AppState.CurrentChannel);
}

void TfChInfo::BuildColumns() {
  ++Loading;
  HideEditors();
  gvData->clear();
  const int columns = BColText->count() / 3;
  gvData->setColumnCount(columns);
  gvData->setRowCount(AppState.ChannelCount);
  CellKinds.clear();
  for (int c = 0; c < columns; ++c) {
    CellKinds << BColText->item(2 * columns + c)->text().toInt();
    gvData->setHorizontalHeaderItem(c, new QTableWidgetItem(BColText->item(c)->text()));
  }
  // The listed widths are the least a column gets; a title wider than that (larger fonts,
  // translated titles) widens its column so that it is never cut.
  for (int c = 0; c < columns; ++c)
    gvData->setColumnWidth(c, qMax(BColText->item(columns + c)->text().toInt(),
                                   gvData->horizontalHeader()->sectionSizeHint(c)));
  // Reset: every cell empty, the rows numbered.
  for (int row = 0; row < gvData->rowCount(); ++row) {
    for (int c = 0; c < columns; ++c) {
      auto *item = new QTableWidgetItem;
      if (c == ColNo) {
        item->setText(QString::number(row + 1));
        item->setTextAlignment(Qt::AlignCenter);
        item->setBackground(palette().button());
      }
      gvData->setItem(row, c, item);
    }
  }
  --Loading;
}

QTableWidgetItem *TfChInfo::Cell(int row, int column) { return gvData->item(row, column); }

QString TfChInfo::HiddenValue(int row, int column) const {
  const QTableWidgetItem *item = gvData->item(row, column);
  return item ? item->data(Qt::UserRole).toString() : QString();
}

// Text cells without a drop-down take typing; the transmit frequency only beside a receive frequency.
bool TfChInfo::Typable(int row, int column) const {
  if (CellKinds.value(column) != TextCell || DropDownOf(column)) return false;
  return column != ColTx || RowHasRx(row);
}

bool TfChInfo::RowHasRx(int row) const {
  const QTableWidgetItem *item = gvData->item(row, ColRx);
  return item && !item->text().isEmpty();
}

void TfChInfo::SetCell(int row, int column, const QString &text, const QString &hidden) {
  ++Loading;
  if (QTableWidgetItem *item = Cell(row, column)) {
    item->setText(text);
    item->setData(Qt::UserRole, hidden);
  }
  --Loading;
}

QComboBox *TfChInfo::DropDownOf(int column) const {
  switch (column) {
  case ColRxTone: return cbQT;
  case ColTxTone: return cbDQT;
  case ColPower: return cbfsgl;
  case ColWidth: return cbkz;
  case ColScan: case ColCompander: case ColScrambler: case ColBusy: return cbHave;
  default: return nullptr;
  }
}

void TfChInfo::ShowRow(int row) {
  if (row < 0 || row >= gvData->rowCount()) return;
  const TChannel ch = ReadChannel(row + 1);
  if (!ch.Present) {
    SetCell(row, ColNo, QString::number(row + 1), QString());
    for (int c = ColRx; c < gvData->columnCount(); ++c) SetCell(row, c, QString(), QString());
    return;
  }
  SetCell(row, ColNo, QString::number(row + 1), QStringLiteral("1"));
  SetCell(row, ColRx, FreqText(ch.Rx), HiddenValue(row, ColRx));
  SetCell(row, ColTx, ch.Tx < 0 ? QString() : FreqText(ch.Tx), HiddenValue(row, ColTx));
  SetCell(row, ColRxTone, ch.RxTone.isEmpty() ? NoneText_ : ch.RxTone, HiddenValue(row, ColRxTone));
  SetCell(row, ColTxTone, ch.TxTone.isEmpty() ? NoneText_ : ch.TxTone, HiddenValue(row, ColTxTone));
  for (const auto &f : FlagColumns) {
    const int bit = ch.Flags[f.Bit];
    SetCell(row, f.Column, DropDownOf(f.Column)->itemText(bit), QString::number(bit));
  }
}

void TfChInfo::RefreshRow(int channel) { ShowRow(channel - 1); }

void TfChInfo::SelectRow(int channel) {
  const int row = channel - 1;
  if (row < 0 || row >= gvData->rowCount()) return;
  ++Loading;
  gvData->setCurrentCell(row, SelCol >= 0 && !DropDownOf(SelCol) ? SelCol : ColNo);
  SelRow = row;
  SelCol = gvData->currentColumn();
  --Loading;
}

void TfChInfo::HideEditors() {
  gvData->EndEdit();
  for (QComboBox *box : {cbQT, cbDQT})
    if (box->isVisible()) ApplyTypedTone(box);
  for (QComboBox *box : {cbQT, cbDQT, cbfsgl, cbkz, cbHave}) HideDropDown(box, false);
}

// A tone typed into a drop-down counts once the drop-down is left.
void TfChInfo::ApplyTypedTone(QComboBox *box) {
  const int row = box->property("row").toInt(), column = box->property("column").toInt();
  if (box->isEditable() && Cell(row, column) && box->currentText() != Cell(row, column)->text())
    DropDownChange(box);
}

void TfChInfo::HideDropDown(QComboBox *box, bool focusGrid) {
  if (!box->isVisible()) return;
  box->hide();
  if (focusGrid) gvData->setFocus();
}

void TfChInfo::CheckCurrentChannel(int row) {
  if (row < 0 || row + 1 == AppState.CurrentChannel) return;
  AppState.CurrentChannel = row + 1;
  emit ChannelSelected();
}

void TfChInfo::gvDataSelectCell(int row, int column) {
  SelRow = row;
  SelCol = column;
  for (QComboBox *box : {cbQT, cbDQT, cbfsgl, cbkz, cbHave})
    if (box != DropDownOf(column)) HideDropDown(box, false);
  ShowDropDown();
  CheckCurrentChannel(row);
}

void TfChInfo::gvDataMouseDown(int row, int column) {
  SelRow = row;
  SelCol = column;
  if (Typable(row, column)) gvData->editItem(Cell(row, column));
  else ShowDropDown();
  CheckCurrentChannel(row);
}

void TfChInfo::ShowDropDown() {
  QComboBox *box = DropDownOf(SelCol);
  if (!box || SelRow < 0 || !RowHasRx(SelRow)) return;
  if (SelCol == ColTxTone && Cell(SelRow, ColTx)->text().isEmpty()) return;
  ++Loading;
  const QString hidden = HiddenValue(SelRow, SelCol);
  if (box->isEditable()) {
    box->setEditText(Cell(SelRow, SelCol)->text());
  } else {
    if (box == cbHave) box->setCurrentText(Cell(SelRow, SelCol)->text());
    box->setCurrentIndex(hidden.isEmpty() ? 0 : hidden.toInt());
  }
  --Loading;
  box->setProperty("row", SelRow);
  box->setProperty("column", SelCol);
  box->setGeometry(gvData->visualRect(gvData->model()->index(SelRow, SelCol)));
  box->show();
  box->raise();
  box->setFocus();
}

void TfChInfo::WriteCell(int row, int column) {
  const int n = row + 1;
  const QString text = Cell(row, column)->text();
  switch (column) {
  case ColRx: WriteChannelField(n, RxFreq, text); break;
  case ColTx: WriteChannelField(n, TxFreq, text); break;
  case ColRxTone: WriteChannelField(n, RxTone, ToneFieldText(text, NoneText_)); break;
  case ColTxTone: WriteChannelField(n, TxTone, ToneFieldText(text, NoneText_)); break;
  default:
    if (const TFlagColumn *f = FlagColumn(column)) WriteChannelField(n, f->Field, HiddenValue(row, column));
  }
}

void TfChInfo::gvDataSetForeText(int row, int column, const QString &typed) {
  AppState.Modified = true;
  const QString text = typed.trimmed();
  if (text.isEmpty()) {
    if (column == ColRx) {
      ClearChannel(row);
    } else {
      WriteChannelField(row + 1, TxFreq, QString());   // takes the transmit tone along
      SetCell(row, ColTxTone, NoneText_, HiddenValue(row, ColTxTone));
    }
    emit ChannelChanged();
    return;
  }
  QString shown;
  if (const auto number = ParseNumber(text)) {
    shown = ChannelFrequencyText(*number);
  } else {
    ShowMsg(Messages.Caution, Messages.OutRange, MsgInfo);
    shown = FreqText(SnapFrequency(AppState.BandHigh));
  }
  SetCell(row, column, shown, HiddenValue(row, column));
  if (column == ColRx && HiddenValue(row, ColNo).isEmpty()) NewChannel(row);
  else WriteCell(row, column);
  emit ChannelChanged();
}

void TfChInfo::NewChannel(int row) {
  SetCell(row, ColNo, QString::number(row + 1), QStringLiteral("1"));
  if (Cell(row, ColTx)->text().isEmpty()) SetCell(row, ColTx, Cell(row, ColRx)->text(), QString());
  SetCell(row, ColRxTone, NoneText_, QStringLiteral("0"));
  SetCell(row, ColTxTone, NoneText_, QStringLiteral("0"));
  // High power, wide; scan add, compander, scrambler and busy lock off.
  for (const auto &f : FlagColumns) {
    const int bit = f.Column == ColWidth ? 0 : 1;
    SetCell(row, f.Column, DropDownOf(f.Column)->itemText(bit), QString::number(bit));
  }
  for (int c = ColRx; c < ColumnCount; ++c) WriteCell(row, c);
}

void TfChInfo::ClearChannel(int row) {
  SetCell(row, ColNo, QString::number(row + 1), QString());
  for (int c = ColRx; c < gvData->columnCount(); ++c) SetCell(row, c, QString(), QString());
  WriteChannelField(row + 1, RxFreq, QString());   // blanks the whole record
}

void TfChInfo::DropDownChange(QComboBox *box) {
  if (Loading) return;
  const int row = box->property("row").toInt(), column = box->property("column").toInt();
  if (DropDownOf(column) != box || !Cell(row, column)) return;
  AppState.Modified = true;
  if (box->isEditable()) {
    const QString shown = ToneEntryText(box->currentText(), NoneText_);
    SetCell(row, column, shown, HiddenValue(row, column));
    ++Loading;
    box->setEditText(shown);
    --Loading;
  } else {
    SetCell(row, column, box->currentText(), QString::number(box->currentIndex()));
  }
  WriteCell(row, column);
  emit ChannelChanged();
}

void TfChInfo::ToneDblClick(QComboBox *box) {
  const QString tone = PickTone(this);
  if (tone.isEmpty()) return;
  const int row = box->property("row").toInt(), column = box->property("column").toInt();
  if (DropDownOf(column) != box || !Cell(row, column)) return;
  AppState.Modified = true;
  SetCell(row, column, tone, HiddenValue(row, column));
  WriteCell(row, column);
  ++Loading;
  box->setEditText(tone);
  --Loading;
  emit ChannelChanged();
}

bool TfChInfo::eventFilter(QObject *watched, QEvent *event) {
  QComboBox *box = qobject_cast<QComboBox *>(watched);
  if (!box && watched->parent()) box = qobject_cast<QComboBox *>(watched->parent());
  const bool isDropDown = box && box->parent() == gvData->viewport();
  switch (event->type()) {
  case QEvent::KeyPress: {
    const auto *key = static_cast<QKeyEvent *>(event);
    if (isDropDown) {
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (box->isEditable()) DropDownChange(box);
        HideDropDown(box, true);
        return true;
      }
      if (box->isEditable() && !KeyAllowed(key, ToneKeys)) return true;
    } else if (!KeyAllowed(key, FrequencyKeys)) {
      return true;   // the grid and its cell editor take only frequency keys
    }
    break;
  }
  case QEvent::FocusOut:
    if (isDropDown && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason && box->isVisible()) {
      const QWidget *now = QApplication::focusWidget();
      if (now && (now == box || box->isAncestorOf(now))) break;
      ApplyTypedTone(box);
      HideDropDown(box, false);
    }
    break;
  case QEvent::MouseButtonDblClick:
    if (isDropDown && box->isEditable()) {
      ToneDblClick(box);
      return true;
    }
    break;
  default:
    break;
  }
  return QWidget::eventFilter(watched, event);
}

void TfChInfo::AddReportRows(TReportTables &tables) {
  if (gvData->columnCount() == 0) LoadFromImage();
  const QString group = Messages.Channel + Messages.Info;
  const auto add = [&](const QString &a, const QString &av, const QString &b, const QString &bv) {
    tables.myAdo.push_back({ReportChannelGroup, group, a, av, b, bv});
  };
  const auto title = [&](int c) { return gvData->horizontalHeaderItem(c)->text(); };
  add({}, {}, {}, {});
  for (int row = 0; row < gvData->rowCount(); ++row) {
    if (!RowHasRx(row)) continue;
    add(title(ColNo) + Cell(row, ColNo)->text(), {}, {}, {});
    for (int c = ColRx; c + 1 < ColumnCount; c += 2)
      add(title(c), Cell(row, c)->text(), title(c + 1), Cell(row, c + 1)->text());
  }
}
